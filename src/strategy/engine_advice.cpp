#include "strategy/engine_advice.h"

namespace quintaro {

const StrategyList& ActiveStrategyList(const GameEngine& engine) {
    return StrategyListFor(engine.game, engine.altPayTable);
}

void ClassifyEngineRecord(const GameEngine& engine, Recommendation& r) {
    ClassifierFor(engine.game)(engine.analysis, engine.altPayTable, r);
}

void AdviseTable(GameEngine& engine, Recommendation& r) {
    engine.AnalyseTable();
    ClassifyEngineRecord(engine, r);
}

} // namespace quintaro
