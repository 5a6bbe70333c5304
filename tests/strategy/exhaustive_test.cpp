// Every one of the 2,598,960 hands against both lists of every game: a rank in
// 1..N, a hold whose size fits the entry's text, alternatives only where an
// entry allows one, the same entry and the same held cards whatever the order
// of the five cards, and the same entry whatever the suits are called. Entries
// named after ranks hold those ranks, and every entry of every list is reached
// by some hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/game_variant.h"
#include "strategy/classifier.h"

namespace quintaro {
namespace {

// Cards held by the entry texts, read from the texts themselves.
const std::map<std::string, int>& HeldByText() {
    static const std::map<std::string, int> held = [] {
        std::map<std::string, int> m;
        auto set = [&m](int n, std::initializer_list<const char*> names) {
            for (const char* s : names) m[s] = n;
        };
        set(5, {"Pat Royal",
                "Pat Straight Flush",
                "Pat Four of a kind",
                "Pat Four of a Kind",
                "Pat Four Aces w/ Kicker",
                "Pat Four Aces w Kicker",
                "Pat Four 2,3,4",
                "Pat Four 2,3,4 w/Kicker",
                "Pat Four 2,3,4 w Kicker",
                "Four K,Q,J",
                "Pat Four 5's to K's",
                "Pat Four 5,'s to K's",
                "Pat Four 5's to 10's",
                "Pat Full House",
                "Pat Flush",
                "Pat Straight",
                "Pat Royal (no Deuces)",
                "Pat Four Deuces",
                "Pat Wild Royal",
                "Pat Five of a Kind"});
        set(4,
            {"4 Royal", "3 Aces with Kicker", "4 STFL, Open, 2345s-9TJQs", "4 STFL, Inside",
             "Two Pair", "4 Flush", "TJQK", "9TJQ", "89TJ", "4 ST, Open, 2345-789T",
             "4 ST, Open 2345-TJQK", "AKQJ", "4 ST, Inside, 3 Hi Cards", "4 ST, Inside, 2 Hi Cards",
             "4 ST, Inside, 1 Hi Card", "4 ST, Inside, 0 Hi Cards",
             // Deuces Wild
             "4 Royal (no Deuces)", "Four of a Kind", "4 Wild Royal (2 Deuces)",
             "4 Wild Royal (1 Deuce)", "4 Wild Royal, Queen Hi (1 Deuce)",
             "4 Wild Royal, King Hi (1 Deuce)", "4 Wild Royal, Ace Hi (1 Deuce)",
             "4 STFL, Open, 22-45s to 22-9Ts", "4 STFL, 1 Gap,22-57s to 22-9Js",
             "4 STFL, Open, 2-567s to 2-9TJs", "2-345s, 2-456s", "4 STFL, 1 Gap, 7-Q High",
             "4 STFL, 1 Gap, 7-Q High (1 Deuce)", "4 STFL, 2 Gaps, 7-K Hi",
             "4 STFL, 2 Gaps, 7-K High(1 Deuce)", "2-346s, 2-356s", "2-A34s, 2-A35s, 2-A45s",
             "4 STFL, Open, 3456s to 9TJQs", "4 STFL, Inside (no Deuces)", "4 ST, Open (1 Deuce)",
             "4 ST, Open, but not 3456", "3456", "4 ST, Inside, but not A345"});
        set(3, {"3 Aces", "Three K,Q,J", "Three of a Kind", "Three 2,3,4", "Three 5's to K's",
                "Three 5's to T's", "3 Royal", "QJTs", "KQJs, KQTs, KJTs",
                "AKQs,AKJs,AKTs,AQJs,AQTs,AJTs", "3 FL, 2 Hi Cards", "3 FL, 1 Hi Card",
                "3 FL, 0 Hi Cards", "3 STFL, Open, 345s-89Ts", "JT9s", "QJ9s", "QT9s, JT8s, J98s",
                "3 STFL, 1 Gap, 0 Hi, +234s", "QJ8s", "KQ9s, KJ9s", "3 STFL, 2 Gaps, 1 Hi",
                "3 STFL, 2 Gaps, 0 Hi", "KQJ", "QJT",
                // Deuces Wild
                "Three Deuces", "Three Deuces Only", "3 Royal (no Deuces)", "2-JTs", "2-QJs, 2-QTs",
                "2-KQs, 2-KJs, 2-KTs", "3 STFL, Open, 2-67s to 2-9Ts", "2-AKs,2-AQs,2-AJs,2-ATs",
                "3 STFL, 1 Gap, 2-57s to 2-9Js", "2-56s", "2-45s", "3 STFL, Open, 567s-9TJs",
                "3 STFL, 1 Gap, 7-Q High", "456s", "345s", "JT7s", "3 STFL, 2 Gaps, 7-K High",
                "346s, 356s", "A34s, A35s, A45s"});
        set(2, {"Pair Aces", "Pair JJ, QQ, KK", "High Pair JJ-AA", "Pair 22, 33, 44",
                "Pair 55 to TT", "Low Pair 22-TT", "QJs", "KQs, KJs", "AKs, AQs, AJs", "JTs", "QTs",
                "KTs", "2 STFL, Open, 45s-9Ts", "QJ", "KQ, KJ", "AK, AQ, AJ",
                // Deuces Wild
                "Two Deuces", "Two Deuces Only", "One Pair", "QTs, QJs", "KQs, KJs, KTs"});
        set(1, {"Ace", "Jack", "Queen", "King", "1 Deuce", "Deuce Only"});
        set(0, {"Redraw"});
        return m;
    }();
    return held;
}

int HeldFor(int game, const std::string& name) {
    // The games that pay for a kicker keep only the four.
    if ((game == kDoubleDoubleBonus || game == kTripleDoubleBonus) &&
        (name == "Four Aces" || name == "Four 2,3,4"))
        return 4;
    if (name == "Four Aces" || name == "Four 2,3,4") return 5;
    const auto it = HeldByText().find(name);
    return it == HeldByText().end() ? -1 : it->second;
}

// The entries that may offer an alternative hold.
bool MayHaveAlternative(int game, const std::string& name) {
    static const std::set<std::string> natural = {"TJQK",
                                                  "3 Aces with Kicker",
                                                  "9TJQ",
                                                  "89TJ",
                                                  "4 ST, Open, 2345-789T",
                                                  "4 ST, Open 2345-TJQK",
                                                  "4 ST, Inside, 0 Hi Cards"};
    static const std::set<std::string> deuces = {"One Pair", "4 ST, Inside, but not A345"};
    return (game == kDeucesWild ? deuces : natural).count(name) != 0;
}

// Ranks (codes) that the held cards of a rank-named entry may have; the
// entries not listed here are not checked this way.
const std::map<std::string, std::set<int>>& HeldRanksByText() {
    static const std::map<std::string, std::set<int>> m = {
        {"Pair Aces", {kAce}},
        {"Pair JJ, QQ, KK", {kJack, kQueen, kKing}},
        {"High Pair JJ-AA", {kAce, kJack, kQueen, kKing}},
        {"Pair 22, 33, 44", {kTwo, kThree, kFour}},
        {"Pair 55 to TT", {kFive, kSix, kSeven, kEight, kNine, kTen}},
        {"Low Pair 22-TT", {kTwo, kThree, kFour, kFive, kSix, kSeven, kEight, kNine, kTen}},
        {"3 Aces", {kAce}},
        {"Three K,Q,J", {kJack, kQueen, kKing}},
        {"Three 2,3,4", {kTwo, kThree, kFour}},
        {"Three 5's to K's", {kFive, kSix, kSeven, kEight, kNine, kTen, kJack, kQueen, kKing}},
        {"Three 5's to T's", {kFive, kSix, kSeven, kEight, kNine, kTen}},
        {"4 Royal", {kAce, kTen, kJack, kQueen, kKing}},
        {"3 Royal", {kAce, kTen, kJack, kQueen, kKing}},
        {"QJTs", {kTen, kJack, kQueen}},
        {"KQJs, KQTs, KJTs", {kTen, kJack, kQueen, kKing}},
        {"TJQK", {kTen, kJack, kQueen, kKing}},
        {"9TJQ", {kNine, kTen, kJack, kQueen}},
        {"89TJ", {kEight, kNine, kTen, kJack}},
        {"AKQJ", {kAce, kJack, kQueen, kKing}},
        {"KQJ", {kJack, kQueen, kKing}},
        {"QJT", {kTen, kJack, kQueen}},
        {"QJ", {kJack, kQueen}},
        {"KQ, KJ", {kJack, kQueen, kKing}},
        {"AK, AQ, AJ", {kAce, kJack, kQueen, kKing}},
        {"QJs", {kJack, kQueen}},
        {"KQs, KJs", {kJack, kQueen, kKing}},
        {"AKs, AQs, AJs", {kAce, kJack, kQueen, kKing}},
        {"JTs", {kTen, kJack}},
        {"QTs", {kTen, kQueen}},
        {"KTs", {kTen, kKing}},
        {"Ace", {kAce}},
        {"Jack", {kJack}},
        {"Queen", {kQueen}},
        {"King", {kKing}},
        {"1 Deuce", {kTwo}},
        {"Deuce Only", {kTwo}},
        {"Two Deuces", {kTwo}},
        {"Two Deuces Only", {kTwo}},
        {"Three Deuces", {kTwo}},
        {"Three Deuces Only", {kTwo}},
        {"2-JTs", {kTwo, kTen, kJack}},
        {"2-QJs, 2-QTs", {kTwo, kTen, kJack, kQueen}},
        {"2-KQs, 2-KJs, 2-KTs", {kTwo, kTen, kJack, kQueen, kKing}},
        {"2-AKs,2-AQs,2-AJs,2-ATs", {kTwo, kAce, kTen, kJack, kQueen, kKing}},
        {"2-56s", {kTwo, kFive, kSix}},
        {"2-45s", {kTwo, kFour, kFive}},
        {"456s", {kFour, kFive, kSix}},
        {"345s", {kThree, kFour, kFive}},
        {"JT7s", {kSeven, kTen, kJack}},
        {"QTs, QJs", {kTen, kJack, kQueen}},
        {"KQs, KJs, KTs", {kTen, kJack, kQueen, kKing}},
        {"3456", {kThree, kFour, kFive, kSix}},
    };
    return m;
}

using Flags = std::array<std::uint8_t, 5>;

// The held cards as a sorted set of card numbers.
std::array<Card, 5> HeldCards(const std::array<Card, 5>& cards, const Flags& held) {
    std::array<Card, 5> out{-1, -1, -1, -1, -1};
    int k = 0;
    for (int i = 0; i < 5; ++i) {
        if (!held[i]) continue;
        int j = k++;
        for (; j > 0 && out[j - 1] > cards[i]; --j) out[j] = out[j - 1];
        out[j] = cards[i];
    }
    return out;
}

int Count(const Flags& f) {
    return f[0] + f[1] + f[2] + f[3] + f[4];
}

// Suit relabellings as card maps: a cycle of the four suits and a swap of two.
// Together they generate all 24 relabellings, so an entry that every hand
// keeps under both is kept under any of them.
using CardMap = std::array<Card, kCardCount>;
std::array<CardMap, 2> SuitRelabellings() {
    constexpr std::array<std::array<std::int32_t, 4>, 2> kSuitTo = {{{1, 2, 3, 0}, {1, 0, 2, 3}}};
    std::array<CardMap, 2> maps{};
    for (std::size_t g = 0; g < maps.size(); ++g)
        for (Card n = 0; n < kCardCount; ++n)
            maps[g][static_cast<std::size_t>(n)] =
                CardOf(RankOf(n), kSuitTo[g][static_cast<std::size_t>(SuitOf(n))]);
    return maps;
}

class Exhaustive : public ::testing::TestWithParam<int> {};

TEST_P(Exhaustive, EveryHandBothLists) {
    const int game = GetParam();
    std::vector<std::array<int, 5>> perms;
    int p[5] = {0, 1, 2, 3, 4};
    do perms.push_back({p[0], p[1], p[2], p[3], p[4]});
    while (std::next_permutation(p, p + 5));

    const StrategyList* lists[2] = {&StrategyListFor(game, 0), &StrategyListFor(game, 1)};
    std::array<std::vector<long>, 2> reached{std::vector<long>(62), std::vector<long>(62)};
    int failures = 0;
    auto fail = [&failures](const std::string& what, const std::array<Card, 5>& cards, int choice) {
        if (++failures > 20) return;
        std::string hand;
        for (Card c : cards) hand += CardName(c) + " ";
        ADD_FAILURE() << what << ": choice " << choice << " hand " << hand;
    };

    const std::array<CardMap, 2> relabellings = SuitRelabellings();
    HandAnalysis a;
    HandAnalysis b;
    std::array<HandAnalysis, 2> relabelled;
    Recommendation r;
    Recommendation s;
    long handIndex = 0;
    std::array<Card, 5> c{};
    for (c[0] = 0; c[0] < 52; ++c[0])
        for (c[1] = c[0] + 1; c[1] < 52; ++c[1])
            for (c[2] = c[1] + 1; c[2] < 52; ++c[2])
                for (c[3] = c[2] + 1; c[3] < 52; ++c[3])
                    for (c[4] = c[3] + 1; c[4] < 52; ++c[4], ++handIndex) {
                        const std::array<int, 5>& q =
                            perms[static_cast<std::size_t>(handIndex % 120)];
                        const std::array<Card, 5> shuffled{c[q[0]], c[q[1]], c[q[2]], c[q[3]],
                                                           c[q[4]]};
                        AnalyseForGame(game, c, a);
                        AnalyseForGame(game, shuffled, b);
                        for (std::size_t g = 0; g < relabellings.size(); ++g) {
                            const CardMap& to = relabellings[g];
                            AnalyseForGame(game,
                                           {to[static_cast<std::size_t>(c[0])],
                                            to[static_cast<std::size_t>(c[1])],
                                            to[static_cast<std::size_t>(c[2])],
                                            to[static_cast<std::size_t>(c[3])],
                                            to[static_cast<std::size_t>(c[4])]},
                                           relabelled[g]);
                        }
                        for (int choice = 0; choice < 2; ++choice) {
                            const StrategyList& list = *lists[choice];
                            ClassifierFor(game)(a, choice, r);
                            if (r.strategyIndex < 1 || r.strategyIndex > list.count) {
                                fail("rank out of range", c, choice);
                                continue;
                            }
                            ++reached[choice][static_cast<std::size_t>(r.strategyIndex)];
                            if (game != kDeucesWild) {
                                // The shortcut walk agrees with the walk over every entry.
                                detail::ClassifyNaturalWholeList(list, a, s);
                                if (s.strategyIndex != r.strategyIndex || s.hold != r.hold ||
                                    s.altValid != r.altValid || s.altHolds != r.altHolds)
                                    fail("shortcut walk differs from the whole list", c, choice);
                            }
                            const std::string name = list.Entry(r.strategyIndex).name;
                            const int held = Count(r.hold);
                            if (name.rfind("Pat ", 0) == 0 && held != 5)
                                fail("pat hand not held whole", c, choice);
                            if (held != HeldFor(game, name))
                                fail("held " + std::to_string(held) + " for " + name, c, choice);
                            if (r.altValid) {
                                if (!MayHaveAlternative(game, name))
                                    fail("alternative for " + name, c, choice);
                                if (Count(r.altHolds) != held || r.altHolds == r.hold)
                                    fail("alternative unlike the hold for " + name, c, choice);
                            }
                            const auto ranks = HeldRanksByText().find(name);
                            if (ranks != HeldRanksByText().end()) {
                                for (int i = 0; i < 5; ++i)
                                    if (r.hold[i] && !ranks->second.count(RankOf(c[i])))
                                        fail("held rank outside " + name, c, choice);
                            }
                            // The same hand with its suits renamed.
                            for (const HandAnalysis& other : relabelled) {
                                ClassifierFor(game)(other, choice, s);
                                if (s.strategyIndex != r.strategyIndex)
                                    fail("entry depends on suit names", c, choice);
                            }
                            // The same hand in another order.
                            ClassifierFor(game)(b, choice, s);
                            if (s.strategyIndex != r.strategyIndex) {
                                fail("entry depends on card order", c, choice);
                                continue;
                            }
                            const auto mine = HeldCards(shuffled, s.hold);
                            if (mine != HeldCards(c, r.hold) &&
                                !(r.altValid && mine == HeldCards(c, r.altHolds)))
                                fail("held cards depend on card order", c, choice);
                        }
                    }
    EXPECT_EQ(handIndex, 2598960);
    EXPECT_EQ(failures, 0);
    for (int choice = 0; choice < 2; ++choice) {
        const StrategyList& list = *lists[choice];
        for (int i = 1; i <= list.count; ++i) {
            // In Triple Double Bonus "Ace", "Jack", "Queen" and "KQ, KJ" stand
            // above every hand this entry could take.
            if (game == kTripleDoubleBonus && list.Entry(i).id == EntryId::k4STInside1HiCard) {
                EXPECT_EQ(reached[choice][static_cast<std::size_t>(i)], 0);
                continue;
            }
            EXPECT_GT(reached[choice][static_cast<std::size_t>(i)], 0)
                << "choice " << choice << " entry " << i << " \"" << list.Entry(i).name
                << "\" never reached";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllGames, Exhaustive, ::testing::Range(0, kGameCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Game" + std::to_string(info.param);
                         });

} // namespace
} // namespace quintaro
