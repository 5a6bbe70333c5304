#include "strategy/hand_builder.h"

#include <gtest/gtest.h>

#include "core/game_variant.h"
#include "strategy/strategy_list.h"

namespace quintaro {
namespace {

using Cards = std::array<Card, 5>;
constexpr std::array<bool, 5> kAll{true, true, true, true, true};

Cards Of(std::initializer_list<std::pair<int, int>> rankSuit) {
    Cards cards{};
    std::size_t i = 0;
    for (auto [rank, suit] : rankSuit) cards[i++] = CardOf(rank, suit);
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

TEST(JudgeBuiltHand, RoyalFlushAtOneAndFiveCoins) {
    // A royal built in any order: Pat Royal, rank 1, every card held.
    const Cards royal = Of(
        {{kKing, kSpades}, {kTen, kSpades}, {kAce, kSpades}, {kQueen, kSpades}, {kJack, kSpades}});
    for (int choice = 0; choice < 2; ++choice) {
        const BuiltHandResult five = JudgeBuiltHand(kJacksOrBetter, choice, 5, royal);
        EXPECT_EQ(five.name, "Pat Royal");
        EXPECT_EQ(five.rank, 1);
        EXPECT_EQ(five.rankText, "1");
        EXPECT_EQ(five.valueText, "4000.0000");
        EXPECT_EQ(five.hold, kAll);
        const BuiltHandResult one = JudgeBuiltHand(kJacksOrBetter, choice, 1, royal);
        EXPECT_EQ(one.valueText, "800.0000");
        EXPECT_EQ(one.hold, kAll);
        EXPECT_EQ(JudgeBuiltHand(kJacksOrBetter, choice, 2, royal).valueText, "1600.0000");
    }
}

TEST(JudgeBuiltHand, FourAcesShowsCoinsTimesItsPayPerCoin) {
    const Cards aces =
        Of({{kAce, kHearts}, {kAce, kDiamonds}, {kSeven, kClubs}, {kAce, kClubs}, {kAce, kSpades}});
    const BuiltHandResult superAces = JudgeBuiltHand(kSuperAces, 0, 5, aces);
    EXPECT_EQ(superAces.name, "Four Aces");
    EXPECT_EQ(superAces.rank, 2);
    EXPECT_EQ(superAces.valueText, "2000.0000"); // 400 per coin, no five-coin bonus
    EXPECT_EQ(superAces.hold, kAll);             // a pat four of a kind keeps its kicker
    EXPECT_EQ(JudgeBuiltHand(kSuperAces, 0, 1, aces).valueText, "400.0000");
    EXPECT_EQ(JudgeBuiltHand(kSuperAces, 0, 4, aces).valueText, "1600.0000");
    const BuiltHandResult bonus = JudgeBuiltHand(kBonusPoker, 0, 5, aces);
    EXPECT_EQ(bonus.name, "Four Aces");
    EXPECT_EQ(bonus.rank, 2);
    EXPECT_EQ(bonus.valueText, "400.0000");
}

TEST(JudgeBuiltHand, TheSameHandUnderBothPayTables) {
    // Ace of Hearts, Two of Diamonds, Jack of Clubs, King of Hearts, Queen of Clubs:
    // 8/5 keeps the four high cards, 9/6 the suited Queen and Jack.
    const Cards hand = Of(
        {{kAce, kHearts}, {kTwo, kDiamonds}, {kJack, kClubs}, {kKing, kHearts}, {kQueen, kClubs}});
    const BuiltHandResult first = JudgeBuiltHand(kJacksOrBetter, 0, 1, hand);
    EXPECT_EQ(first.name, "AKQJ");
    EXPECT_EQ(first.rank, 23);
    EXPECT_EQ(first.valueText, "0.5938");
    EXPECT_EQ(first.hold, (std::array<bool, 5>{true, false, true, true, true}));
    const BuiltHandResult second = JudgeBuiltHand(kJacksOrBetter, 1, 1, hand);
    EXPECT_EQ(second.name, "QJs");
    EXPECT_EQ(second.rank, 26);
    EXPECT_EQ(second.valueText, "0.6000");
    EXPECT_EQ(second.hold, (std::array<bool, 5>{false, false, true, false, true}));
    EXPECT_EQ(JudgeBuiltHand(kJacksOrBetter, 1, 3, hand).valueText, "1.8000");
}

TEST(JudgeBuiltHand, DeucesWildUsesTheDeuceAwareAnalysis) {
    const Cards deuces =
        Of({{kTwo, kHearts}, {kTwo, kDiamonds}, {kTwo, kClubs}, {kTwo, kSpades}, {kNine, kClubs}});
    const BuiltHandResult r = JudgeBuiltHand(kDeucesWild, 0, 1, deuces);
    const StrategyList& list = StrategyListFor(kDeucesWild, 0);
    EXPECT_EQ(r.name, list.Entry(r.rank).name);
    EXPECT_EQ(r.name, "Pat Four Deuces");
    EXPECT_EQ(r.rank, 2);
    EXPECT_EQ(r.valueText, "200.0000");
    EXPECT_EQ(r.hold, kAll);
}

TEST(HandBuilderTexts, TitleRanksAndSuits) {
    EXPECT_EQ(HandBuilderTitle(kJacksOrBetter, 0, "Jacks or Better"), "(8/5) Jacks or Better");
    EXPECT_EQ(HandBuilderTitle(kJacksOrBetter, 1, "Jacks or Better"), "(9/6) Jacks or Better");
    const char* ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    for (int r = 0; r < 13; ++r) EXPECT_EQ(RankText(r), ranks[r]);
    EXPECT_EQ(RankText(13), "");
    EXPECT_EQ(SuitSymbol(kHearts), "\u2665");
    EXPECT_EQ(SuitSymbol(kDiamonds), "\u2666");
    EXPECT_EQ(SuitSymbol(kClubs), "\u2663");
    EXPECT_EQ(SuitSymbol(kSpades), "\u2660");
    EXPECT_EQ(SuitSymbol(4), "");
}

} // namespace
} // namespace quintaro
