#pragma once
// The pieces of the exact engine behind exact_analysis.h, open to the tests and
// benchmarks. Nothing else should need them.
//
// Cards inside the engine are numbered rank * 4 + suit (rank 0 = Ace), so that
// cards in ascending order have ascending ranks. A set of k cards a0 < ... < ak-1
// has the combinatorial (colex) index C(a0,1) + C(a1,2) + ... + C(ak-1,k).
//
// A final hand's category depends only on its multiset of ranks and whether it
// is suited (all its cards of one suit; in Deuces Wild all its naturals), so a
// family's evaluation is one small table over the 6,188 rank multisets.
//
// Per family the count tables hold, for every set T of up to four cards, how
// many of the final hands that contain T fall in each category. For a dealt
// hand the counts of the final hands that contain a hold S and none of the
// discarded cards follow by inclusion-exclusion over the discarded cards:
// E(S) = sum over S <= T <= hand of (-1)^|T\S| N(T). A pay row prices counts.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/card.h"
#include "core/evaluation.h"
#include "core/game_variant.h"
#include "core/pay_table.h"
#include "exact/exact_analysis.h"

namespace quintaro::exact::detail {

inline constexpr int kFamilyCount = 6;
inline constexpr int kLanes = 16; // categories per count row, padded
inline constexpr int kDealCount = 2'598'960;
inline constexpr int kRankMultisets = 6188; // C(17, 5)

// C(n, k) for n 0..52 and k 0..5.
struct Binomials {
    std::array<std::array<std::int32_t, 6>, 53> c{};
    constexpr Binomials() {
        for (int n = 0; n <= 52; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= 5; ++k) c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
inline constexpr Binomials kBinomials{};
constexpr std::int32_t Choose(int n, int k) {
    return kBinomials.c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

constexpr int ToEngine(Card c) {
    return RankOf(c) * 4 + SuitOf(c);
}
Card ToGame(int engineCard);

constexpr int FamilyIndex(EvaluationFamily f) {
    return static_cast<int>(f);
}

// The category of five cards from the rank-multiset table.
class CategoryLookup {
public:
    explicit CategoryLookup(EvaluationFamily family);

    EvaluationFamily Family() const { return family_; }
    int Categories() const { return categories_; }
    // Whether a card counts for the suited test (Twos do not in Deuces Wild).
    std::uint8_t SuitBit(int engineCard) const { return suitBits_[engineCard]; }
    // Key and suited flag: the category.
    std::uint8_t Of(int key, bool suited) const { return cat_[key * 2 + (suited ? 1 : 0)]; }
    // Five engine cards in ascending order.
    std::uint8_t OfSorted(const int* c) const;
    // Five engine cards in any order.
    std::uint8_t OfAny(int a, int b, int c, int d, int e) const;

private:
    EvaluationFamily family_;
    int categories_;
    std::array<std::uint8_t, 52> suitBits_{};
    std::vector<std::uint8_t> cat_; // [key * 2 + suited]
};
const CategoryLookup& LookupFor(EvaluationFamily family);
// The category of five game cards through the lookup.
HandCategory LookupCategory(EvaluationFamily family, const std::array<Card, 5>& cards);

// The multiset key of five ranks in ascending order.
constexpr int RankKey(int r0, int r1, int r2, int r3, int r4) {
    return Choose(r0, 1) + Choose(r1 + 1, 2) + Choose(r2 + 2, 3) + Choose(r3 + 3, 4) +
           Choose(r4 + 4, 5);
}

// Counts of the final hands by category for the empty set and each single
// card (by rank; the suits are alike), from the rank multisets alone.
struct SmallCounts {
    std::array<std::int64_t, kLanes> n0{};
    std::array<std::array<std::int64_t, kLanes>, 13> n1{};
};
SmallCounts ComputeSmallCounts(const CategoryLookup& lookup);
const SmallCounts& SmallCountsFor(EvaluationFamily family);

// The count tables of a family.
struct CountTables {
    std::vector<std::uint8_t> n4;  // C(52,4) rows: at most 48 hands
    std::vector<std::uint16_t> n3; // C(52,3) rows: at most 1,176
    std::vector<std::uint16_t> n2; // C(52,2) rows: at most 19,600
    std::vector<std::uint32_t> n1; // 52 rows
    std::array<std::uint32_t, kLanes> n0{};
    std::size_t Bytes() const;
};
// threads: 1, or 2 to count the hands on two threads.
std::unique_ptr<CountTables> BuildCountTables(EvaluationFamily family, int threads = 1);

// The family's tables when they exist, else null; never waits.
const CountTables* TablesIfReady(EvaluationFamily family);
// The family's tables, built now if needed (callers racing wait for one build).
const CountTables& EnsureTables(EvaluationFamily family, int threads = 1);
// Forgets every table, so that the next use builds again. For benchmarks and
// tests only: no analysis may run meanwhile.
void DropTables();

// Per-coin prices of the categories for the coins bet (credits), padded.
using PriceRow = std::array<std::int32_t, kLanes>;
PriceRow PricesFor(int game, int choice, int coins);
PriceRow PricesFor(int game, const PaySchedule& pays, int coins);

// Totals in credits of each subset of a hand (bit i = the i-th card of the
// hand in ascending engine order) over every draw of the rest.
using SubsetTotals = std::array<std::int64_t, kHoldCount>;
void TotalsWithTables(const CountTables& t, const CategoryLookup& lookup, const int* sorted,
                      const PriceRow& prices, SubsetTotals& out);
// The count tables priced for one pay row: each set's total in credits.
struct PricedTables {
    std::vector<std::int64_t> p4, p3, p2, p1;
    std::int64_t p0 = 0;
};
// Prices the rows [part/parts] of every table (parts may run side by side on
// one PricedTables made by PricedTablesShape()).
PricedTables PricedTablesShape();
void PriceTables(const CountTables& t, const PriceRow& prices, int part, int parts,
                 PricedTables& out);
void TotalsPriced(const PricedTables& t, const CategoryLookup& lookup, const int* sorted,
                  const PriceRow& prices, SubsetTotals& out);
// The same without count tables: the counts the hand needs are made directly.
void TotalsWithoutTables(const CategoryLookup& lookup, const int* sorted, const PriceRow& prices,
                         SubsetTotals& out);

// The number of draws of a hold of k cards: C(47, 5 - k).
std::int64_t DrawsFor(int held);

// The 134,459 deals that differ by more than a renaming of suits, each with
// how many deals it stands for (the weights sum to 2,598,960).
struct DealClass {
    std::array<std::uint8_t, 5> cards; // engine cards, ascending
    std::uint8_t weight;
};
const std::vector<DealClass>& DealClasses();

// Prices every class of deals for a pay row at a bet and hands each class's
// totals by subset (bit j = the class's j-th card) to the visitor, on as many
// threads (worker 0..threads-1; a worker visits one class at a time).
using ClassVisitor = std::function<void(int worker, int classIndex, const SubsetTotals& totals)>;
void VisitClassTotals(int game, const PaySchedule& pays, int coins, int threads,
                      const ClassVisitor& visit);

// AnalyseHolds with the path chosen: tables (built if needed) or none.
HoldValues AnalyseHoldsVia(int game, const PaySchedule& pays, int coins,
                           const std::array<Card, 5>& cards, bool useTables);

// The plain reference: every draw of every hold evaluated one by one, by
// EvaluateCards or (much faster, and equal over every hand) by the lookup.
// Counts by hold mask (hand positions) and category, and their pricing.
using PlainCounts = std::array<std::array<std::int64_t, kLanes>, kHoldCount>;
PlainCounts PlainCountHolds(EvaluationFamily family, const std::array<Card, 5>& cards,
                            bool viaLookup);
HoldValues PlainPrice(int game, int choice, int coins, const PlainCounts& counts);
HoldValues PlainAnalyseHolds(int game, int choice, int coins, const std::array<Card, 5>& cards,
                             bool viaLookup = false);

} // namespace quintaro::exact::detail
