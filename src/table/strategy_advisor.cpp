#include "table/strategy_advisor.h"

#include <algorithm>

#include "core/game_engine.h"
#include "generate/generated_list.h"
#include "strategy/classifier.h"
#include "strategy/engine_advice.h"
#include "strategy/hand_builder.h"
#include "strategy/strategy_list.h"
#include "table/generated_lists.h"

namespace quintaro {

HoldAdvice StrategyHoldAdvisor::Advise(GameEngine& engine) {
    Recommendation r;
    AdviseTable(engine, r);

    HoldAdvice advice;
    advice.strategyIndex = r.strategyIndex;
    for (std::size_t p = 0; p < 5; ++p) {
        advice.hold[p] = r.hold[p] != 0;
        advice.altHold[p] = r.altHolds[p] != 0;
    }
    advice.altValid = r.altValid != 0;
    const StrategyEntry& entry = ActiveStrategyList(engine).Entry(r.strategyIndex);
    advice.name = entry.name ? entry.name : "";
    advice.ev = entry.ev;
    return advice;
}

std::optional<HoldAdvice> StrategyHoldAdvisor::AdviseNamed(GameEngine& engine) {
    if (!lists_ || !engine.NamedTableInForce()) return std::nullopt;
    const auto list = lists_->Find(engine.game, engine.ScheduleInForce());
    if (!list) return std::nullopt;
    std::array<Card, 5> cards{};
    for (std::size_t p = 0; p < 5; ++p) cards[p] = engine.hand[p].card;
    Recommendation r;
    AdviseGenerated(*list, cards, engine.analysis, r);
    HoldAdvice advice;
    advice.strategyIndex = r.strategyIndex;
    for (std::size_t p = 0; p < 5; ++p) advice.hold[p] = r.hold[p] != 0;
    const StrategyEntry& entry = list->list.Entry(r.strategyIndex);
    advice.name = entry.name ? entry.name : "";
    advice.ev = entry.ev;
    return advice;
}

std::optional<exact::HoldMask>
StrategyHoldAdvisor::NamedListHold(int game, const PaySchedule& pays,
                                   const std::array<Card, 5>& cards) {
    const auto list = lists_ ? lists_->Find(game, pays) : nullptr;
    if (!list) return std::nullopt;
    return GeneratedHold(*list, cards);
}

std::optional<exact::HoldValues> StrategyHoldAdvisor::Values(int game, int choice, int coins,
                                                             const std::array<Card, 5>& cards) {
    return Values(game, BuiltInSchedule(game, choice ? 1 : 0), coins, cards);
}

std::optional<exact::HoldValues> StrategyHoldAdvisor::Values(int game, const PaySchedule& pays,
                                                             int coins,
                                                             const std::array<Card, 5>& cards) {
    const Key key{game, pays, std::clamp(coins, 1, 5), cards};
    if (!(key == lastKey_)) {
        lastValues_ = exact::AnalyseHolds(key.game, key.pays, key.coins, cards);
        lastKey_ = key;
    }
    return lastValues_;
}

std::string StrategyTableCaption(int game, int choice, std::string_view gameName) {
    return "Strategy Table for " + HandBuilderTitle(game, choice, gameName);
}

int StrategyTableCoins(const GameEngine& engine) {
    return engine.bet > 0 ? engine.bet : engine.lastBet;
}

std::vector<std::string> StrategyTableLines(const StrategyList& list, int coins) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list.count));
    for (int rank = 1; rank <= list.count; ++rank)
        lines.push_back(StrategyTableLine(list, rank, coins));
    return lines;
}

int StrategyTableTopLine(int selected, int lineCount, int listHeight, int itemHeight) {
    const int visible = listHeight / itemHeight;
    const int top = selected - visible / 2;
    const int last = std::max(0, lineCount - visible);
    return std::clamp(top, 0, last);
}

} // namespace quintaro
