// Quintaro: video poker and strategy trainer.

#include "record/ui/record_windows.h"
#include "shell/ui/startup.h"
#include "strategy/ui/analysis_windows.h"
#include "table/ui/game_screen.h"

int main(int argc, char* argv[]) {
    // The game screens, the strategy table, the statistics window and the hand
    // builder make themselves known to the start-up before it creates them.
    quintaro::RegisterTableWindows();
    quintaro::RegisterAnalysisWindows();
    quintaro::RegisterRecordWindows();
    quintaro::RunQuintaro(argc, argv);
    return 0;
}
