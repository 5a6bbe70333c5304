#pragma once
// A strategy list made for any pay table of a game: a ranked list of hold
// patterns ending with "Redraw", each with the expected value per coin of its
// hold over the deals where it decides, and the list's return, all computed
// exactly over the 2,598,960 deals. A hand is advised by the first entry whose
// pattern one of its holds has, the way the built-in lists are walked.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/card.h"
#include "core/hand_analysis.h"
#include "core/pay_table.h"
#include "strategy/recommendation.h"
#include "strategy/strategy_list.h"

namespace quintaro {

// The most entries a generated list has, "Redraw" included.
inline constexpr int kMaxGeneratedEntries = 70;

struct GeneratedList {
    int game = 0;
    int coins = 5; // the bet the list was made for; values and returns are per coin at it
    PaySchedule pays{};
    // Usable wherever a built-in list is: slots[0] is the blank entry, the last
    // slot "Redraw". Its entries carry no EntryId (every position is 0).
    StrategyList list{};
    std::vector<StrategyEntry> slots;
    std::vector<std::string> names; // names[i] is slots[i].name
    // The position in the list (1..count) of every hold pattern, 0 for a
    // pattern the list does not have; the walker's data.
    std::vector<std::uint8_t> positionOfPattern;
    // Within an entry the patterns keep an order of their own: the first
    // pattern a hand has decides between two holds of one entry.
    std::vector<std::uint16_t> orderOfPattern;
    double optimalReturn = 0; // per coin, the best hold of every deal
    double listReturn = 0;    // per coin, the list's hold of every deal

    GeneratedList() = default;
    GeneratedList(const GeneratedList& other);
    GeneratedList& operator=(const GeneratedList& other);
    GeneratedList(GeneratedList&&) noexcept = default;
    GeneratedList& operator=(GeneratedList&&) noexcept = default;

    int Count() const { return list.count; }
    // Points list and the slots' names at this object's own storage.
    void Relink();
};

// Generates the list of a game (0..8) for a pay schedule at a bet of coins
// (1..5). threads: how many threads value the deals (1 or more).
GeneratedList GenerateStrategyList(int game, const PaySchedule& pays, int threads = 1,
                                   int coins = 5);

// The generated list's advice for five cards in hand-position order: the
// analysis the game uses is filled in as AdviseHand does, r.strategyIndex is
// the entry's position and r.hold its cards.
void AdviseGenerated(const GeneratedList& g, const std::array<Card, 5>& cards, HandAnalysis& a,
                     Recommendation& r);

// The same advice as a hold mask (bit i = hand position i held).
std::uint8_t GeneratedHold(const GeneratedList& g, const std::array<Card, 5>& cards);

} // namespace quintaro
