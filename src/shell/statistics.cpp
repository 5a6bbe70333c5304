#include "shell/statistics.h"

#include "core/hand_names.h"
#include "shell/session.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quintaro {
namespace {

constexpr std::array<int, kGameCount> kLineCounts{10, 12, 10, 11, 12, 14, 13, 14, 12};

// The statistics page writes these three captions with a trailing blank; the
// rest are the categories' statistics names as they are.
struct PaddedCaption {
    int game;
    int category;
    std::string_view caption;
};
constexpr PaddedCaption kPaddedCaptions[] = {
    {kBonusPoker, 7, "4-5's thru King's "},
    {kSuperDoubleBonus, 7, "4-5's thru 10's "},
    {kSuperAces, 7, "4-5's thru King's "},
};

void AddSaturating(std::int32_t& counter, std::int64_t amount) {
    counter = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(counter + amount, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

std::string PaybackText(std::int64_t won, std::int64_t bet) {
    return FormatPercent(bet == 0 ? 0.0
                                  : static_cast<double>(won) / static_cast<double>(bet) * 100);
}

} // namespace

void StatisticsRecord::HandStarted(int game) {
    if (!IsValidGame(game)) return;
    AddSaturating(HandsPlayed[static_cast<std::size_t>(game)], 1);
}

void StatisticsRecord::HandFinished(int game, int category, std::int32_t coinsBet,
                                    std::int32_t paid) {
    if (!IsValidGame(game) || category < 0 || category >= kStatisticsCategories) return;
    const auto g = static_cast<std::size_t>(game);
    const auto c = static_cast<std::size_t>(category);
    AddSaturating(CreditsBet[g], coinsBet);
    AddSaturating(HandCount[g][c], 1);
    if (category >= 1) AddSaturating(CreditsPaid[g][c], paid);
}

std::int64_t StatisticsRecord::TotalHandsPlayed() const {
    std::int64_t total = 0;
    for (std::int32_t h : HandsPlayed) total += h;
    return total;
}

std::int64_t StatisticsRecord::CreditsWon(int game) const {
    if (!IsValidGame(game)) return 0;
    std::int64_t won = 0;
    const auto& paid = CreditsPaid[static_cast<std::size_t>(game)];
    for (int k = 0; k < StatisticsLineCount(game); ++k) won += paid[static_cast<std::size_t>(k)];
    return won;
}

int StatisticsLineCount(int game) {
    return IsValidGame(game) ? kLineCounts[static_cast<std::size_t>(game)] : 0;
}

std::string_view StatisticsCaption(int game, int category) {
    if (category < 0 || category >= StatisticsLineCount(game)) return {};
    for (const PaddedCaption& p : kPaddedCaptions)
        if (p.game == game && p.category == category) return p.caption;
    const auto names = CategoryNamesFor(game);
    if (static_cast<std::size_t>(category) >= names.size()) return {};
    return names[static_cast<std::size_t>(category)].statisticsName;
}

std::string FormatPercent(double percent) {
    if (!std::isfinite(percent)) percent = 0;
    const long long hundredths = std::llround(percent * 100);
    const long long whole = hundredths / 100;
    const long long part = std::llabs(hundredths % 100);
    std::string text = (hundredths < 0 && whole == 0) ? "-" : "";
    text += std::to_string(whole) + "." + (part < 10 ? "0" : "") + std::to_string(part) + "%";
    return text;
}

int ChooseStatisticsPage(const StatisticsRecord& record, int lastGame) {
    if (IsValidGame(lastGame) && record.HandsPlayed[static_cast<std::size_t>(lastGame)] != 0)
        return lastGame;
    for (int g = 0; g < kGameCount; ++g)
        if (record.HandsPlayed[static_cast<std::size_t>(g)] != 0) return g;
    return -1;
}

StatisticsPage BuildStatisticsPage(const StatisticsRecord& record, int game) {
    StatisticsPage page;
    if (!IsValidGame(game)) game = 0;
    const auto g = static_cast<std::size_t>(game);
    page.game = game;
    page.windowCaption =
        "Current Session Statistics for " + std::string(GameInfoFor(game).windowName) + " Poker";

    const std::int32_t hands = record.HandsPlayed[g];
    const int lines = StatisticsLineCount(game);
    page.firstRow = kStatisticsRows - lines;
    for (int k = 0; k < lines; ++k) {
        StatisticsRow& row = page.rows[static_cast<std::size_t>(page.firstRow + k)];
        const auto c = static_cast<std::size_t>(k);
        row.visible = true;
        row.caption = std::string(StatisticsCaption(game, k));
        row.count = record.HandCount[g][c];
        row.credits = record.CreditsPaid[g][c];
        if (k == 0) {
            row.textColour = kStatRed;
            row.barColour = kStatDarkRed;
            row.percentColour = kStatRed;
        }
        row.percent = hands == 0 ? 0.0f
                                 : static_cast<float>(static_cast<double>(row.count) /
                                                      static_cast<double>(hands) * 100.0);
        row.barWidth = static_cast<std::int32_t>(
            std::clamp(std::trunc(static_cast<double>(row.percent) * 2.5), 0.0, 250.0));
        row.percentText = FormatPercent(row.percent);
        row.percentLeft = kStatBarLeft + row.barWidth + 5;
    }

    page.thisGame.hands = hands;
    page.thisGame.creditsBet = record.CreditsBet[g];
    page.thisGame.creditsWon = record.CreditsWon(game);
    page.thisGame.payback = PaybackText(page.thisGame.creditsWon, page.thisGame.creditsBet);

    for (int other = 0; other < kGameCount; ++other) {
        const auto o = static_cast<std::size_t>(other);
        page.session.hands += record.HandsPlayed[o];
        page.session.creditsBet += record.CreditsBet[o];
        page.session.creditsWon += record.CreditsWon(other);
        page.gameEnabled[o] = record.HandsPlayed[o] != 0;
    }
    page.session.payback = PaybackText(page.session.creditsWon, page.session.creditsBet);
    return page;
}

} // namespace quintaro
