#pragma once
// The run's statistics: per game the hands started, the credits bet on
// finished hands, and per final hand category how often it came up and what
// it paid. They start at zero every run and are never saved.
//
// BuildStatisticsPage turns the record into everything the statistics window
// shows for one game, so the window only copies values into its labels.

#include "core/game_variant.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro {

inline constexpr int kStatisticsCategories = 14;
inline constexpr int kStatisticsRows = 14;

struct StatisticsRecord {
    std::array<std::int32_t, kGameCount> HandsPlayed{};
    std::array<std::array<std::int32_t, kStatisticsCategories>, kGameCount> HandCount{};
    std::array<std::int32_t, kGameCount> CreditsBet{};
    std::array<std::array<std::int32_t, kStatisticsCategories>, kGameCount> CreditsPaid{};

    // The first coin of a new hand was bet in `game`.
    void HandStarted(int game);
    // The final hand of `game` was evaluated: category, coins bet, and the
    // credits it pays (0 for category 0). A game or category out of range is
    // ignored.
    void HandFinished(int game, int category, std::int32_t coinsBet, std::int32_t paid);
    // Hands started, summed over all games (the menu's Statistics command is
    // enabled from 1).
    std::int64_t TotalHandsPlayed() const;
    // Credits paid in all categories of one game.
    std::int64_t CreditsWon(int game) const;
    void Reset() { *this = StatisticsRecord{}; }
};

// Number of categories each game shows: 10, 12, 10, 11, 12, 14, 13, 14, 12.
int StatisticsLineCount(int game);
// Row caption of a category on the statistics page ("No Winner" for 0).
std::string_view StatisticsCaption(int game, int category);

// Names of the game buttons of the statistics window.
inline constexpr std::array<std::string_view, kGameCount> kStatisticsButtonCaptions{
    "Jacks or Better", "Bonus Poker",     "Bonus Deluxe",     "Deuces Wild",      "Double Bonus",
    "Dbl Dbl Bonus",   "Super Dbl Bonus", "Triple Dbl Bonus", "Super Aces Bonus",
};

// Colours of the page, 0x00BBGGRR.
inline constexpr std::int32_t kStatRed = 255;
inline constexpr std::int32_t kStatDarkRed = 184;
inline constexpr std::int32_t kStatBlack = 0;
inline constexpr std::int32_t kStatGreen = 40960;
inline constexpr std::int32_t kStatLime = 65280;

// "##0.00%" for a value already in per cent, rounded half away from zero.
std::string FormatPercent(double percent);

// One row of the chart; row 0 is the bottom row, 13 the top.
struct StatisticsRow {
    bool visible = false;
    std::string caption;
    std::int32_t count = 0;
    std::int32_t credits = 0;
    std::int32_t textColour = kStatBlack; // caption, count and credits
    std::int32_t barColour = kStatGreen;
    std::int32_t percentColour = kStatLime;
    float percent = 0;            // of the game's hands started
    std::string percentText;      // "##0.00%"
    std::int32_t barWidth = 0;    // 250 pixels for 100 %
    std::int32_t percentLeft = 0; // left edge of the percentage label
};

struct StatisticsTotals {
    std::int64_t hands = 0;
    std::int64_t creditsBet = 0;
    std::int64_t creditsWon = 0;
    std::string payback; // "##0.00%"; "0.00%" when nothing was bet yet
};

struct StatisticsPage {
    int game = 0;
    std::string windowCaption; // "Current Session Statistics for ... Poker"
    std::array<StatisticsRow, kStatisticsRows> rows;
    int firstRow = 0; // lowest visible row; the separator goes 7 pixels above its caption
    StatisticsTotals thisGame;
    StatisticsTotals session;
    std::array<bool, kGameCount> gameEnabled{}; // game buttons: games with hands
};

// Left edge of a bar; the percentage label starts 5 pixels after its end.
inline constexpr std::int32_t kStatBarLeft = 5;

StatisticsPage BuildStatisticsPage(const StatisticsRecord& record, int game);

// The page the window opens on: `lastGame` if it has hands, else the first
// game with hands, else -1 (the window closes at once).
int ChooseStatisticsPage(const StatisticsRecord& record, int lastGame);

// The reset confirmation.
inline constexpr std::string_view kResetStatisticsQuestion = "Reset all statistics?";
inline constexpr std::string_view kResetStatisticsCaption = "Confirmation";

} // namespace quintaro
