#pragma once
// Plugs the strategy folder's windows into the program: the start-up creates the strategy
// table and the hand builder once through the window registry, and the other folders'
// windows open the hold values, the strategy table of a game's hand and a hand in the
// builder through it.

namespace quintaro {

// Fills the registry's strategy-table, hand-builder, hold-values and hand-in-builder
// entries. Call it before the start-up creates its windows.
void RegisterAnalysisWindows();

} // namespace quintaro
