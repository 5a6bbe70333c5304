#pragma once
// The strategy classifiers: for an analysed hand, the first entry of the
// active strategy list whose pattern the hand contains, and the cards that
// form it. The natural games share one walker over the list with a matcher per
// entry id; Deuces Wild has its own cascades per number of deuces.

#include <array>
#include <cstdint>

#include "core/card.h"
#include "core/hand_analysis.h"
#include "strategy/recommendation.h"
#include "strategy/strategy_list.h"

namespace quintaro {

// Classifies a hand analysed by the natural analysis against a natural game's
// list (every game but Deuces Wild).
void ClassifyNatural(const StrategyList& list, const HandAnalysis& a, Recommendation& r);

// Classifies a hand analysed by the deuce-aware analysis against one of the
// two Deuces Wild lists.
void ClassifyDeuces(const StrategyList& list, const HandAnalysis& a, Recommendation& r);

// One classifier per game, reachable by game index 0..8. It reads the record
// of the hand last analysed for that game and the pay-table choice.
using Classifier = void (*)(const HandAnalysis& a, std::int32_t altPayTable, Recommendation& r);
Classifier ClassifierFor(int game);

// Runs the analysis that a game uses (deuce-aware for Deuces Wild) on five
// cards given in hand-position order.
void AnalyseForGame(int game, const std::array<Card, 5>& cards, HandAnalysis& a);

// Analyses and classifies in one call.
void AdviseHand(int game, int choice, const std::array<Card, 5>& cards, HandAnalysis& a,
                Recommendation& r);

namespace detail {
// The natural classifier walking every entry of the list, without the
// per-group shortcut; the tests compare the two over all hands.
void ClassifyNaturalWholeList(const StrategyList& list, const HandAnalysis& a, Recommendation& r);
} // namespace detail

} // namespace quintaro
