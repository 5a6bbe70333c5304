#include "strategy/hand_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/game_variant.h"
#include "strategy/strategy_list.h"

namespace quintaro {
namespace {

using Cards = std::array<Card, 5>;

// "Ah 2d Jc Kh Qc" as five cards.
Cards Of(std::string_view text) {
    Cards cards{};
    for (std::size_t i = 0; i < 5; ++i) cards[i] = *ParseCard(text.substr(3 * i, 2));
    return cards;
}

TEST(BuiltHand, PicksInOrderAndRefusesRepeatsAndASixthCard) {
    BuiltHand hand;
    EXPECT_EQ(hand.Count(), 0);
    EXPECT_EQ(hand.Add(12), BuiltHand::Pick::Added);
    EXPECT_EQ(hand.Add(12), BuiltHand::Pick::Taken); // the same card twice
    EXPECT_EQ(hand.Count(), 1);
    for (Card c : {0, 51, 25, 38}) EXPECT_EQ(hand.Add(c), BuiltHand::Pick::Added);
    EXPECT_TRUE(hand.Complete());
    EXPECT_EQ(hand.Cards(), (Cards{12, 0, 51, 25, 38}));
    EXPECT_EQ(hand.Add(7), BuiltHand::Pick::Full); // a sixth card
    EXPECT_EQ(hand.Add(12), BuiltHand::Pick::Full);
    EXPECT_FALSE(hand.IsTaken(7));
    for (Card c = 0; c < kCardCount; ++c)
        EXPECT_EQ(hand.IsTaken(c), c == 12 || c == 0 || c == 51 || c == 25 || c == 38);

    hand.Clear();
    EXPECT_EQ(hand.Count(), 0);
    for (Card c = 0; c < kCardCount; ++c) EXPECT_FALSE(hand.IsTaken(c));
    EXPECT_EQ(hand.Add(12), BuiltHand::Pick::Added); // free again after clearing
    EXPECT_EQ(hand.Add(-1), BuiltHand::Pick::Taken);
    EXPECT_EQ(hand.Add(52), BuiltHand::Pick::Taken);
    EXPECT_EQ(hand.Count(), 1);
}

// A built hand in any order gets its list entry, rank, hold and value for the
// coins bet: pat hands keep every card, only the royal takes the five-coin rate.
TEST(JudgeBuiltHand, EntryRankHoldAndValueForTheCoins) {
    struct Case {
        int game, choice, coins;
        const char* cards;
        const char* name;
        int rank;
        const char* value;
        const char* hold; // by place, or nullptr when not checked
    };
    const char* royal = "Ks Ts As Qs Js";
    const char* aces = "Ah Ad 7c Ac As";
    const char* highCards = "Ah 2d Jc Kh Qc"; // 8/5 keeps the four high cards, 9/6 QJ suited
    const Case cases[] = {
        {kJacksOrBetter, 1, 5, royal, "Pat Royal", 1, "4000.0000", "11111"},
        {kJacksOrBetter, 0, 2, royal, "Pat Royal", 1, "1600.0000", "11111"},
        {kSuperAces, 0, 5, aces, "Four Aces", 2, "2000.0000", "11111"}, // no five-coin bonus
        {kBonusPoker, 0, 5, aces, "Four Aces", 2, "400.0000", nullptr},
        {kJacksOrBetter, 0, 1, highCards, "AKQJ", 23, "0.5938", "10111"},
        {kJacksOrBetter, 1, 1, highCards, "QJs", 26, "0.6000", "00101"},
        {kJacksOrBetter, 1, 3, highCards, "QJs", 26, "1.8000", "00101"},
        {kDeucesWild, 0, 1, "2h 2d 2c 2s 9c", "Pat Four Deuces", 2, "200.0000", "11111"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.game << "/" << c.choice << " " << c.coins
                                          << " coins [" << c.cards << "]");
        const BuiltHandResult r = JudgeBuiltHand(c.game, c.choice, c.coins, Of(c.cards));
        EXPECT_EQ(r.name, c.name);
        EXPECT_EQ(r.name, StrategyListFor(c.game, c.choice).Entry(r.rank).name);
        EXPECT_EQ(r.rank, c.rank);
        EXPECT_EQ(r.rankText, std::to_string(c.rank));
        EXPECT_EQ(r.valueText, c.value);
        if (!c.hold) continue;
        std::string hold;
        for (bool h : r.hold) hold += h ? '1' : '0';
        EXPECT_EQ(hold, c.hold);
    }
}

} // namespace
} // namespace quintaro
