// Quintaro: video poker and strategy trainer.

#include "analysis/ui/pay_table_analysis.h"
#include "command_line.h"
#include "record/ui/record_windows.h"
#include "shell/ui/pay_table_editor.h"
#include "shell/ui/startup.h"
#include "strategy/ui/analysis_windows.h"
#include "table/ui/game_screen.h"

int main(int argc, char* argv[]) {
    // --help and --version answer without a window; a bad argument ends with status 2.
    if (const auto status = quintaro::HandleCommandLine(argc, argv)) return *status;
    // The game screens, the strategy table, the statistics window and the hand
    // builder make themselves known to the start-up before it creates them.
    quintaro::RegisterTableWindows();
    quintaro::RegisterAnalysisWindows();
    quintaro::RegisterRecordWindows();
    quintaro::RegisterPayTableAnalysis();
    quintaro::RegisterPayTableEditor();
    return quintaro::RunQuintaro(argc, argv);
}
