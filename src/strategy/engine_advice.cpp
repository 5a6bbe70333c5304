#include "strategy/engine_advice.h"

namespace quintaro {

void ApplyStrategyList(GameEngine& engine) {
    engine.activeStrategy = &StrategyListFor(engine.game, engine.altPayTable);
}

void ClassifyEngineRecord(GameEngine& engine, Recommendation& r) {
    ClassifierFor(engine.game)(engine.analysis, engine.altPayTable, r);
    engine.strategyIndex = r.strategyIndex;
}

void AdviseTable(GameEngine& engine, Recommendation& r) {
    engine.AnalyseTable();
    ClassifyEngineRecord(engine, r);
}

} // namespace quintaro
