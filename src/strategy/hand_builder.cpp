#include "strategy/hand_builder.h"

#include "core/game_variant.h"
#include "core/hand_analysis.h"
#include "core/pay_table.h"
#include "strategy/classifier.h"
#include "strategy/recommendation.h"
#include "strategy/strategy_list.h"

namespace quintaro {

BuiltHand::Pick BuiltHand::Add(Card card) {
    if (count_ == 5) return Pick::Full;
    if (!IsValidCard(card) || IsTaken(card)) return Pick::Taken;
    taken_[static_cast<std::size_t>(card)] = true;
    cards_[static_cast<std::size_t>(count_++)] = card;
    return Pick::Added;
}

void BuiltHand::Clear() {
    cards_ = {};
    taken_ = {};
    count_ = 0;
}

bool BuiltHand::IsTaken(Card card) const {
    return IsValidCard(card) && taken_[static_cast<std::size_t>(card)];
}

BuiltHandResult JudgeBuiltHand(int game, int choice, int coins, const std::array<Card, 5>& cards) {
    if (!IsValidGame(game)) game = 0;
    choice = choice ? 1 : 0;
    HandAnalysis analysis;
    Recommendation advice;
    AdviseHand(game, choice, cards, analysis, advice);

    const StrategyList& list = StrategyListFor(game, choice);
    const StrategyEntry& entry = list.Entry(advice.strategyIndex);
    BuiltHandResult result;
    for (std::size_t p = 0; p < 5; ++p) result.hold[p] = advice.hold[p] == 1;
    result.rank = advice.strategyIndex;
    result.name = entry.name ? entry.name : "";
    result.rankText = std::to_string(advice.strategyIndex);
    result.valueText = FormatStrategyValue(EntryValue(list, advice.strategyIndex, coins));
    return result;
}

std::string HandBuilderTitle(int game, int choice, std::string_view gameName) {
    std::string title = "(";
    title += PayTableShortName(game, choice ? 1 : 0);
    title += ") ";
    title += gameName;
    return title;
}

} // namespace quintaro
