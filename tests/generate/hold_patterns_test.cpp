// The words a generated list uses for holds, and the built-in lists' holds as
// masks: both the same whatever the suits are called and however the cards lie.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <string>

#include "core/game_variant.h"
#include "exact/exact_analysis.h"
#include "generate/hold_patterns.h"
#include "generate/list_return.h"

namespace quintaro {
namespace {

using generate::PatternKey;

std::array<Card, 5> Cards(const char* text) {
    std::array<Card, 5> cards{};
    for (int i = 0; i < 5; ++i) cards[i] = *ParseCard(std::string(text + 3 * i, 2));
    return cards;
}

TEST(HoldPatterns, NamesOfHolds) {
    struct Case {
        int game;
        const char* cards;
        int mask;
        const char* text; // "" = a hold no list names
    };
    const Case cases[] = {
        {kJacksOrBetter, "Ts Js Qs Ks As", 0b11111, "Pat Royal Flush"},
        {kJacksOrBetter, "Ts Js Qs Ks 2d", 0b01111, "4 Royal"},
        {kJacksOrBetter, "Ts Js Qs 3h 2d", 0b00111, "QJTs"},
        {kJacksOrBetter, "9s Js Qs 3h 2d", 0b00111, "3 STFL, 1 Gap, 2 Hi"},
        {kJacksOrBetter, "5h 6h 8h 3c Kd", 0b00111, "3 STFL, 1 Gap, 0 Hi"},
        {kJacksOrBetter, "5h 6h 7h 8h Kd", 0b01111, "4 STFL, Open, 0 Hi"},
        {kJacksOrBetter, "Ah 2h 3h 4h Kd", 0b01111, "4 STFL, Inside, 1 Hi"},
        {kJacksOrBetter, "9c Th Jd Qs 2h", 0b01111, "4 ST, Open, 2 Hi"},
        {kJacksOrBetter, "Ac Kh Qd Js 2h", 0b01111, "AKQJ"},
        {kJacksOrBetter, "Ac Kh Qd 5s 2h", 0b00110, "KQ"},
        {kJacksOrBetter, "Ac Kh Qd 5s 2h", 0b00001, "Ace"},
        {kJacksOrBetter, "2c 7h 9d 5s 3h", 0b10100, ""},
        {kJacksOrBetter, "Jc Jh 9d 5s 3h", 0b00011, "Pair JJ"},
        {kJacksOrBetter, "Jc Jh 9d 9s 3h", 0b01111, "Two Pair, JJ High"},
        {kJacksOrBetter, "Jc Jh 9d 5s 3h", 0b00111, ""},
        {kJacksOrBetter, "Ac Ah Ad 5s 3h", 0b00111, "Three Aces"},
        {kJacksOrBetter, "2c 5c 9c Ks 3h", 0b00111, "3 Flush, 0 Hi"},
        {kDoubleDoubleBonus, "Ac Ah Ad 3s 9h", 0b01111, "Three A with 3 Kicker"},
        {kDoubleDoubleBonus, "Ac Ah Ad As 3h", 0b01111, "Four Aces"},
        {kJacksOrBetter, "Ac Kh Qd 5s 2h", 0b00000, "Redraw"},
        {kDeucesWild, "2c Ks Qs Js 5d", 0b01111, "4 Wild Royal (1 Deuce)"},
        {kDeucesWild, "2c 2s 6h 7h 5d", 0b01111, "4 STFL, Open, 7 High (2 Deuces)"},
        {kDeucesWild, "2c 2s 6h 9d Kd", 0b00011, "Two Deuces"},
        {kDeucesWild, "2c 8s 8h 9d Kd", 0b00111, "Pair 88 + 1 Deuce"},
        {kDeucesWild, "2c 2s 2h 2d Kd", 0b11111, "Pat 4-Deuce's (4 Deuces)"},
        {kDeucesWild, "3c 4s 5h 6d Kd", 0b01111, "4 ST, Open, 6 High"},
    };
    for (const Case& c : cases) {
        const PatternKey k = generate::PatternOf(c.game, Cards(c.cards), c.mask);
        const std::string text = k == generate::kNoPattern ? "" : generate::EntryText(c.game, {k});
        EXPECT_EQ(text, c.text) << c.cards << " " << c.mask;
    }
    // Runs of one family share an entry's text.
    const auto pair = [](const char* cards) {
        return generate::PatternOf(kJacksOrBetter, Cards(cards), 0b00011);
    };
    EXPECT_EQ(generate::EntryText(kJacksOrBetter, {pair("Jc Jh 2d 3s 5h"), pair("Qc Qh 2d 3s 5h"),
                                                   pair("Kc Kh 2d 3s 5h"), pair("Ac Ah 2d 3s 5h")}),
              "Pair JJ-AA");
}

// Every class of deals, its suits renamed and its cards turned: the same
// patterns, each keeping the same cards renamed or cards worth the same.
TEST(HoldPatterns, SuitNamesAndCardOrderDoNotMatter) {
    for (int game = 0; game < kGameCount; ++game) exact::Prepare(game);
    std::mt19937 random(20);
    std::array<int, 4> rename{0, 1, 2, 3};
    for (int i = 0; i < exact::ClassCount(); ++i) {
        const std::array<Card, 5> deal = exact::ClassCards(i);
        std::shuffle(rename.begin(), rename.end(), random);
        const int turn = i % 5;
        std::array<Card, 5> other{};
        std::array<int, 5> from{}; // other[j] is deal[from[j]] renamed
        for (int j = 0; j < 5; ++j) {
            from[j] = (j + turn) % 5;
            const Card c = deal[from[j]];
            other[j] = (40 * RankOf(c) + 13 * rename[SuitOf(c)]) % 52;
        }
        auto mapped = [&](int mask) {
            int m = 0;
            for (int j = 0; j < 5; ++j)
                if (mask >> from[j] & 1) m |= 1 << j;
            return m;
        };
        const int game = i % kGameCount;
        generate::DealPatterns a, b;
        generate::PatternsOfDeal(game, deal, a);
        generate::PatternsOfDeal(game, other, b);
        ASSERT_EQ(a.count, b.count);
        for (int k = 0; k < a.count; ++k) {
            const auto at = std::find(b.key.begin(), b.key.begin() + b.count, a.key[k]);
            ASSERT_NE(at, b.key.begin() + b.count);
            // Holds that share a pattern and a shape are worth the same.
            const int mine = mapped(a.mask[k]), theirs = b.mask[at - b.key.begin()];
            if (mine != theirs) {
                const exact::HoldValues v = exact::AnalyseHolds(game, 0, 5, other);
                EXPECT_NEAR(v.perCoin[mine], v.perCoin[theirs], 1e-12);
            }
        }
    }
}

// The built-in lists where two cards of a rank could serve: under every
// renaming of the suits of every class the list keeps cards worth the same.
TEST(HoldPatterns, BuiltInListsHoldAlikeUnderEveryRenaming) {
    std::array<int, 4> rename{0, 1, 2, 3};
    for (const auto& [game, choice] :
         {std::pair{kBonusPoker, 1}, std::pair{kDoubleBonus, 0}, std::pair{kTripleDoubleBonus, 0},
          std::pair{kDeucesWild, 0}}) {
        exact::Prepare(game);
        for (int i = 0; i < exact::ClassCount(); ++i) {
            const std::array<Card, 5> deal = exact::ClassCards(i);
            const int mine = ListHold(game, choice, deal);
            std::sort(rename.begin(), rename.end());
            do {
                std::array<Card, 5> other{};
                for (int j = 0; j < 5; ++j)
                    other[j] = (40 * RankOf(deal[j]) + 13 * rename[SuitOf(deal[j])]) % 52;
                const int theirs = ListHold(game, choice, other);
                if (mine != theirs) {
                    const exact::HoldValues v = exact::AnalyseHolds(game, choice, 5, other);
                    ASSERT_NEAR(v.perCoin[mine], v.perCoin[theirs], 1e-12) << game << " " << i;
                }
            } while (std::next_permutation(rename.begin(), rename.end()));
        }
    }
}

} // namespace
} // namespace quintaro
