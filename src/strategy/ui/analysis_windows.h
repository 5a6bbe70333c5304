#pragma once
// Plugs the statistics window and the hand builder into the program: the
// start-up creates them once through the window registry, and the session's
// ShowStatistics and ShowHandBuilder show them modally.

namespace quintaro {

// Fills the registry's statistics and hand-builder factories. Call it before
// the start-up creates its windows.
void RegisterAnalysisWindows();

} // namespace quintaro
