#pragma once
// The advice for the hand on a game table: the engine's pay-table choice picks
// the list and the engine's record of the table's hand is classified. The
// engine keeps no advice; whoever asks keeps the answer.

#include "core/game_engine.h"
#include "strategy/classifier.h"

namespace quintaro {

// The list of the engine's game and altPayTable choice.
const StrategyList& ActiveStrategyList(const GameEngine& engine);

// Classifies the engine's record as it stands (the hand last analysed by the
// engine) against the active list.
void ClassifyEngineRecord(const GameEngine& engine, Recommendation& r);

// Re-analyses the table's hand first, then classifies it.
void AdviseTable(GameEngine& engine, Recommendation& r);

} // namespace quintaro
