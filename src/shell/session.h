#pragma once
// TVantaSession: the one object that lives for the whole run. It holds the
// player's money (Credits at a CreditValue), the options all games share, the
// last game played, the run's statistics and the colour scheme, and it runs
// the money rules: credit-value changes, bills, cash-out, the overflow
// cash-out of the meter, and the counting-up of wins. It also owns the
// button-bar table of the game screens and the timing of a bar press.
//
// It draws nothing itself: it tells the attached displays what to show and
// plays sounds, pauses and opens dialogs through SessionServices. The menu
// creates it (which reads the Menu section of the settings file and scans the
// schemes) and closes it at exit (which writes that section back). Windows
// read and change its public fields directly.
//
// Usage, by the menu:
//     TVantaSession session(SessionConfig::Default(), {&sound, &pacing, &dialogs, &art});
//     session.AttachDisplays(&creditMeter, nullptr, nullptr);
//     session.DrawCreditMeter();
//     ...
//     FileResult saved = session.Close(); // show saved.error if !saved
// by a game screen:
//     session.AttachDisplays(&creditMeter, &winMeter, &buttonBar);
//     session.ButtonBarTable[7][4] = 17; session.DrawButtonBar(7);
//     session.Statistics.HandStarted(session.LastGame); ...
//     session.CountUpWin(win);

#include "core/bar_tiles.h"
#include "core/sound_numbers.h"
#include "record/decision_writer.h"
#include "record/training_record.h"
#include "shell/schemes.h"
#include "shell/session_geometry.h"
#include "shell/session_services.h"
#include "shell/settings.h"
#include "shell/statistics.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro {

// Credit values.
inline constexpr std::int32_t kNickel = 0;
inline constexpr std::int32_t kQuarter = 1;
inline constexpr std::int32_t kDollar = 2;
// Credits bought by one dollar, by credit value.
inline constexpr std::array<std::int32_t, 3> kCreditsPerDollar{20, 4, 1};

// The most the meter can show, and the block an overflow cash-out takes off.
inline constexpr std::int32_t kMaxMeterCredits = 999'999;
inline constexpr std::int32_t kOverflowBlock = 900'000;
inline constexpr std::string_view kNoticeCaption = "Quintaro Notice";
// The notice of an overflow cash-out: "900,000 credits are\nbeing cashed out!".
std::string OverflowNoticeText(std::int64_t cashedOut);

// The highest total the bills dialog accepts, in dollars.
inline constexpr std::int32_t kMaxBills = 500;

// The table as the program starts, before the speed tile (slot index 2 of
// states 1, 2, 4, 6, 7 and 8) is written. Slots are indexed 0..6 here.
using ButtonBarTableType = std::array<BarRow, kBarStates>;
inline constexpr ButtonBarTableType kInitialButtonBarTable{{
    {0, 0, 0, 0, 0, 0, 0},
    {1, 10, 4, 3, 0, 0, 0},
    {1, 7, 4, 3, 8, 0, 2},
    {1, 0, 0, 1, 0, 0, 0},
    {1, 10, 4, 3, 0, 0, 2},
    {1, 0, 0, 11, 0, 13, 0},
    {1, 10, 4, 0, 0, 0, 0},
    {1, 10, 4, 0, 0, 0, 9},
    {1, 0, 4, 0, 0, 0, 14},
}};
inline constexpr std::array<int, 6> kSpeedStates{1, 2, 4, 6, 7, 8};
inline constexpr int kSpeedSlot = 2;
inline constexpr int kDealSlot = 6;

// Where the session finds its files.
struct SessionConfig {
    std::filesystem::path settingsFile;             // Quintaro.ini
    std::vector<std::filesystem::path> schemeRoots; // folders holding scheme folders
    std::filesystem::path recordFile{};             // training.sqlite3, opened by start-up

    // The user's configuration folder and the usual scheme folders.
    static SessionConfig Default();
};

// The bills dialog's running total.
class BillsTotal {
public:
    // Bill buttons and their keys "1".."5", in order.
    static constexpr std::array<std::int32_t, 5> kBills{1, 5, 10, 20, 100};

    void Clear() { total_ = 0; }
    // Adds a bill; the total stops at 500 dollars.
    void Add(std::int32_t dollars);
    std::int32_t Total() const { return total_; }
    // "$ 0.00" when empty, else the total as "$ #,####.00", e.g. "$ 20.00".
    std::string Text() const;

private:
    std::int32_t total_ = 0;
};

// The credit meter's hint: the credits' money value, "$#,###0.00".
std::string FormatCreditMoney(std::int64_t credits, std::int32_t creditValue);

// The training record at `file` (none kept for an empty path). One that cannot
// be used is told once through `dialogs` (when given), and the game goes on
// without it. The program opens it at start-up and hands it to the session.
std::unique_ptr<TrainingRecord> OpenTrainingRecord(const std::filesystem::path& file,
                                                   SessionDialogs* dialogs);

class TVantaSession {
public:
    // Construction in order: button-bar and scheme tables, LoadSettings,
    // ScanSchemes, the scheme name checked against the list and the session's
    // sheets loaded, ValidateSettings. Statistics start at zero. The training
    // record is the caller's and outlives the session; without one the session
    // keeps no record.
    explicit TVantaSession(SessionConfig config = SessionConfig::Default(),
                           SessionServices services = {}, TrainingRecord* record = nullptr);
    // Saves the Menu section unless Close() already did.
    ~TVantaSession();
    TVantaSession(const TVantaSession&) = delete;
    TVantaSession& operator=(const TVantaSession&) = delete;

    void SetServices(SessionServices services) { services_ = services; }
    const SessionServices& Services() const { return services_; }

    // Binds the meters and the bar of the window in front; a null part is
    // unbound (the menu has only a credit meter). A window that goes away
    // while attached calls AttachDisplays(nullptr, nullptr, nullptr).
    void AttachDisplays(CreditMeterDisplay* credit, WinMeterDisplay* win, ButtonBarDisplay* bar);

    // Draws the credit meter. Above 999,999 credits it first takes off blocks
    // of 900,000 and tells the player with a notice.
    void DrawCreditMeter();
    void DrawWinMeter();
    // Shows the bar in `state` (which becomes BarState), or in BarState for -1.
    void DrawButtonBar(int state = -1);

    // Slot 1..7 that takes a press at (x, y) in the bar, or 0. A blank slot
    // takes none, except the last one while DealSlotEnabled is set.
    int ButtonBarHitTest(std::int32_t x, std::int32_t y) const;
    // The press of slot 0..6: sound, the deal tile put into a blank last
    // slot, pressed look for 120 ms, normal look.
    void PressBarButton(int slot);
    // Next dealing speed (0 after 2), its tile in the speed cells, press of slot 2.
    void CycleSpeed();
    // Writes the speed tile of WhichSpeed into the six speed cells.
    void WriteSpeedTiles();

    // Changes the credit value (0..2), converting Credits so their money value
    // stays; remainders are lost. The caller redraws the meter.
    void SetCreditValue(std::int32_t newValue);
    // Opens the bills dialog; true when credits were added.
    bool InsertBills();
    void CashOut();
    // Moves a win into Credits and WinMeter: at once with FastCredits, else in
    // steps of 1, 3, 9 or 27 credits with a rising tone and 45 ms pauses, the
    // rest at once when Escape is pressed.
    void CountUpWin(std::int32_t amount);

    // Sounds, only while Sound is on.
    void PlayEffect(int effect);
    void PlayTone(int tone);

    // Click sound, then the window.
    void ShowAbout();
    void ShowStatistics();
    void ShowHandBuilder();
    // Press of the HELP slot, then the game help window.
    void ShowGameHelp();

    // Name of game `game` (0..8), or of LastGame for -1; empty when invalid.
    std::string_view GameName(int game = -1) const;

    // Switches to the scheme at `position` in SchemeList; true when it changed.
    bool SelectScheme(int position);
    // The folder of the scheme at `position`; nothing for "default" (position
    // 0) or an invalid position, meaning the built-in look.
    std::optional<std::filesystem::path> SchemeDirectory(int position) const;
    // Position of SchemeName in SchemeList (0 for the built-in look).
    int SchemePosition() const;
    // The scheme folder a game screen uses: none while SchemeName is "default".
    std::optional<std::filesystem::path> GameSchemeDirectory() const;

    void LoadSettings();
    void ValidateSettings();
    FileResult SaveSettings();
    void ScanSchemes();
    void LoadSessionBitmaps(int position);
    // Saves the settings once, at the end of the run; later calls and the
    // destructor do nothing more.
    FileResult Close();

    // The training record of every decision, and the writer the game screens'
    // rounds tell their draws to.
    TrainingRecord& Record() { return record_; }
    DecisionWriter& Decisions() { return *decisions_; }
    // The open game screen's section writer: a screen sets it while it is open
    // (an empty function when it closes), so that a run ended from outside
    // writes that section too.
    using SectionWriter = std::function<FileResult()>;
    void SetOpenGameWriter(SectionWriter writer) { openGameWriter_ = std::move(writer); }
    // Writes the open game's section and the Menu section as they stand; the
    // run goes on (the desktop asks for this before it logs out). The first
    // failure is returned.
    FileResult SaveNow();
    // Ends the run from outside (a termination signal, the desktop's logout):
    // the open game's section and the Menu section are written as at a normal
    // exit, and nothing is written afterwards. The first failure is returned.
    FileResult EndRun();

    // The settings file, also used by the game screens for their sections.
    SettingsFile& Settings() { return settings_; }
    const SessionConfig& Config() const { return config_; }

    // The run's state; windows read and change these directly.
    std::int32_t CreditValue = kQuarter;
    std::int32_t LastGame = 0;
    std::int32_t Credits = 150;
    std::int32_t WhichSpeed = 2;
    std::int32_t BarState = 0;
    std::int32_t WinMeter = 0;
    StatisticsRecord Statistics;
    bool AutoHold = false;
    bool ShowMistakes = true;
    bool PerfectPlay = false;
    bool FastCredits = false;
    bool DealSlotEnabled = false;
    bool Sound = true;
    SchemeListType SchemeList;
    std::string SchemeName = std::string(kDefaultSchemeName);
    // Bar states by slot; the game screens rewrite cells while they run.
    ButtonBarTableType ButtonBarTable = kInitialButtonBarTable;

private:
    void Pause(int milliseconds);
    void AddCredits(std::int64_t amount);

    SessionConfig config_;
    SessionServices services_;
    SettingsFile settings_;
    CreditMeterDisplay* creditBox_ = nullptr;
    WinMeterDisplay* winBox_ = nullptr;
    ButtonBarDisplay* barBox_ = nullptr;
    bool closed_ = false;
    TrainingRecord noRecord_{{}, {}}; // keeps nothing; the record of a session given none
    TrainingRecord& record_;
    std::unique_ptr<DecisionWriter> decisions_;
    SectionWriter openGameWriter_;
};

} // namespace quintaro
