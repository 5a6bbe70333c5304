#pragma once
// Mapping an analysed hand to its category in each evaluation family.

#include <cstdint>

#include "core/game_variant.h"
#include "core/hand_analysis.h"

namespace quintaro {

using HandCategory = std::int32_t;

// The natural categories (Jacks or Better and Bonus Deluxe).
HandCategory NaturalCategory(const HandAnalysis& a);

// The category of an analysed hand in a family. For Deuces Wild the record must
// come from AnalyseDeuces, for every other family from the natural analysis.
HandCategory CategoryFor(EvaluationFamily family, const HandAnalysis& a);

// Number of categories of a family, "no win" included.
int CategoryCount(EvaluationFamily family);

// Analyses five cards the way the family needs and returns the category.
HandCategory EvaluateCards(EvaluationFamily family, const std::array<Card, 5>& cards,
                           HandAnalysis& a);

} // namespace quintaro
