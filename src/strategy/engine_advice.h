#pragma once
// The advice for the hand on a game table: the engine's pay-table choice picks
// the list, the engine's record of the table's hand is classified, and the
// strategy index goes back into the engine.

#include "core/game_engine.h"
#include "strategy/classifier.h"

namespace quintaro {

// Points activeStrategy at the list of the engine's altPayTable choice. Call it
// whenever the pay table is applied.
void ApplyStrategyList(GameEngine& engine);

// Classifies the engine's record as it stands (the hand last analysed by the
// engine), writes the strategy index into the engine and returns the advice.
void ClassifyEngineRecord(GameEngine& engine, Recommendation& r);

// Re-analyses the table's hand first, then classifies it.
void AdviseTable(GameEngine& engine, Recommendation& r);

} // namespace quintaro
