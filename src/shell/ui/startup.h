#pragma once
// The program's start: the display checks, the long-lived windows in their
// fixed order (the menu first), and the event loop.

#include <QStringList>

#include <cstdio>

#include <memory>
#include <string>
#include <vector>

#include "shell/session.h"

class QApplication;
class QDialog;
class QWidget;

namespace quintaro {

class TVantaTBMenu;
class TAboutBox;
class TBillsInForm;
class TStrategyCreditBox;
class TerminationWatch;
class FirstCopyChannel;

// The messages of the display checks, in order: the screen must be at least
// 800 by 600 pixels and show at least 16 bits per pixel. Both are given when
// both fail; none when the display will do.
std::vector<std::string> DisplayCheckMessages(int width, int height, int bitsPerPixel);
inline constexpr const char* kResolutionErrorCaption = "Screen Resolution Error";
inline constexpr const char* kColorDepthErrorCaption = "Screen Color Depth Error";

// The error box of one display-check message: the icon, the text with its own line
// breaks and no others (the box is as wide as the longest line, however small the
// screen), and OK.
std::unique_ptr<QDialog> MakeDisplayErrorBox(const QString& caption, const QString& text);

// Reports the failed display checks: each message on standard error (`err`), where it
// can be read even when the screen cannot show the box, then in its error box when
// `showBoxes`. Returns the program's exit status: 0 when the display will do, else 1.
int ReportDisplayProblems(int width, int height, int bitsPerPixel, std::FILE* err,
                          bool showBoxes = true);

// The windows created once at start-up. The menu is declared first so that
// it goes last: the other windows read the session it owns.
struct AutoWindows {
    std::unique_ptr<TVantaTBMenu> menu;
    std::unique_ptr<TAboutBox> about;
    std::unique_ptr<TBillsInForm> bills;
    std::unique_ptr<QDialog> strategyTable;
    std::unique_ptr<QDialog> statistics;
    std::unique_ptr<QDialog> handBuilder;
    std::unique_ptr<TStrategyCreditBox> strategyCredit;

    AutoWindows();
    AutoWindows(AutoWindows&&) noexcept;
    AutoWindows& operator=(AutoWindows&&) noexcept;
    ~AutoWindows();
    // Destroys the windows, the shared ones before the menu that owns the session.
    void Reset();
};

// Creates the menu (which creates the session over `config`), the about box,
// the bills window, the strategy table, the statistics window, the hand
// builder and the strategy acknowledgement, and hands them to the session's
// Qt side. Windows of the registry that nobody registered are left out.
AutoWindows CreateAutoWindows(const SessionConfig& config, QWidget* parent = nullptr);

// Told (on standard error) when the program is started while another copy
// runs over the same settings file. That copy is asked to come forward and
// this one ends without writing anything: with status 0 when the first copy
// came forward, else after a message box with kAlreadyRunningExitCode.
inline constexpr const char* kAlreadyRunningText = "Quintaro is already running.";
inline constexpr int kAlreadyRunningExitCode = 3;

// Binds the ends of a run that come from outside: a termination signal ends
// it as Ctrl+X does (the open game's section and the Menu section are written,
// then every event loop ends); the desktop's request before a logout writes
// both sections and the run goes on; a second copy's request brings the
// windows forward.
void ConnectRunEnd(QApplication& app, TVantaTBMenu& menu, TerminationWatch& termination,
                   FirstCopyChannel& channel);

// The whole program: checks, the run lock of the settings file, the windows,
// the menu and the event loop. SIGTERM, SIGHUP, SIGINT and the desktop's
// logout end the run as Ctrl+X does. Returns the exit code.
int RunQuintaro(int argc, char* argv[]);

} // namespace quintaro
