#pragma once
// The analysis record of one five-card hand: two sorted views of the cards,
// per-suit tallies, the group pattern and every made hand and draw that the
// evaluation and the strategy advice look at. It is a plain record that the
// analysis overwrites completely; it allocates nothing.

#include <array>
#include <cstdint>

#include "core/card.h"

namespace quintaro {

struct SortedCard {
    std::int32_t rank;
    std::int32_t suit;
    std::int32_t position; // hand position 0..4
};

struct SuitTally {
    std::int32_t first;     // index in the suit view of the suit's first card, -1 if absent
    std::int32_t drawStart; // index in the suit view where the chosen draw of this suit begins
    std::int32_t count;     // cards of this suit (naturals only in Deuces Wild)
    std::int32_t high;      // high cards of this suit
    std::int32_t drawHigh;  // high cards among the three of a three-card straight-flush draw
};

// groupPattern values.
enum GroupPattern : std::uint8_t {
    kNoGroup = 0,
    kLowPair = 1,
    kHighPair = 2,
    kTwoPair = 3,
    kThreeOfAKind = 4,
    kFullHouse = 5,
    kFourOfAKind = 6,
    kFiveOfAKind = 7, // only with wild cards
};

using RankView = std::array<SortedCard, 5>;
using SuitView = std::array<SortedCard, 5>;

class HandAnalysis {
public:
    std::array<SuitTally, 4> tallies;
    std::array<std::int32_t, 4> straightCards; // rank-view indices of the four-card straight draw
    std::int32_t straightHigh;                 // high cards among those four
    std::int32_t group1;                       // rank-view index of the main group's first card
    std::int32_t group2;                       // rank-view index of the second group's first card
    std::int32_t groupCount;
    std::int32_t deuces; // number of Twos, Deuces Wild only
    std::int32_t highTotal;
    std::int32_t mainSuit;
    std::uint8_t royalFlush;
    std::uint8_t straightFlush;
    std::uint8_t fourRoyal;
    std::uint8_t threeRoyal;
    std::uint8_t fourStraightFlush;
    std::uint8_t threeStraightFlush;
    std::uint8_t drawType; // 0..3, 3 the best straight-flush draw
    std::uint8_t flush;
    std::uint8_t fourFlush;
    std::uint8_t straight;
    std::uint8_t fourStraight;
    std::uint8_t altHold;
    std::uint8_t straightType; // 0, 2 inside, 3 open-ended
    std::uint8_t hasAce;
    std::uint8_t groupPattern; // GroupPattern

    RankView rankView; // ascending rank (Ace first); in Deuces Wild the Twos come first
    SuitView suitView; // ascending suit, then rank; in Deuces Wild the Twos come first

    // Clears the record: every tally's first and drawStart to -1, everything else 0.
    void Reset();

    // The natural analysis of five cards given in hand-position order.
    void Analyse(const std::array<Card, 5>& cards);

    // The steps of the natural analysis after the views and suit counts are filled.
    void Summarise();
    void FindGroups();
    void FindFlushDraws();
    void FindThreeCardDraws(std::int32_t suitedCount);
    void FindStraights();

    const SuitTally& MainTally() const { return tallies[static_cast<std::size_t>(mainSuit)]; }
    std::int32_t R(int i) const { return rankView[static_cast<std::size_t>(i)].rank; }
    std::int32_t S(int i) const { return suitView[static_cast<std::size_t>(i)].rank; }

    // Fills both views and the suit counts from the cards and sorts the views.
    void FillViews(const std::array<Card, 5>& cards);
};

// Grade of a three-card straight-flush draw with lowest rank x and span s.
std::uint8_t GradeThreeCardStraightFlush(std::int32_t lowest, std::int32_t span);

// The deuce-aware analysis used by Deuces Wild: Twos are wild, counted in
// `deuces` and moved to the front of both views; suits count naturals only.
void AnalyseDeuces(const std::array<Card, 5>& cards, HandAnalysis& a);

// Steps of the deuce-aware analysis after the groups (one to three deuces,
// below four of a kind): flush, wild royal and straight flush, the royal and
// straight-flush draws of the main suit, and with one deuce the straights and
// four-card straight draws (deuce first in straightCards). Called by AnalyseDeuces.
void FindDeucesDraws(HandAnalysis& a);

// Whether two Twos complete a straight with the three naturals of the record
// (naturals all different and within reach of one five-card run).
bool TwoDeuceStraight(const HandAnalysis& a);

} // namespace quintaro
