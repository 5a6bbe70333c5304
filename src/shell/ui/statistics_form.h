#pragma once
// TTableBuilderForm: the statistics of the current run for one game at a time.
// A bar chart of the final hands by category (the highest category on the top
// row, "No Winner" in red at the bottom of the block), their counts and
// credits paid, and the totals and paybacks of the game shown and of the whole
// session. One button per game selects the page; only games with hands can be
// chosen, and with no hands at all the window closes as soon as it is shown.
// "Reset All Stats" asks first, then clears every counter of every game.
//
// A "Training Progress" button opens the training record's window, when the
// program has one.
//
// The window computes nothing itself: BuildStatisticsPage gives every text,
// colour and width, and the window copies them into its labels.

#include <QDialog>
#include <QImage>

#include <array>
#include <functional>

#include "shell/statistics.h"

class QButtonGroup;
class QFrame;
class QLabel;

namespace quintaro {

class TVantaSession;
namespace ui {
class PressButton;
}

class TTableBuilderForm : public QDialog {
    Q_OBJECT

public:
    // Geometry of the chart, in Panel2 coordinates: row r (0 bottom, 13 top)
    // has its caption at RowTop(r), the bars stand in Panel1 beside them.
    static constexpr int kRowPitch = 23;
    static constexpr int kRowHeight = 16;
    static constexpr int kFirstRowTop = 34; // top of row 13
    static constexpr int RowTop(int row) { return kFirstRowTop + (13 - row) * kRowPitch; }

    explicit TTableBuilderForm(TVantaSession* session, QWidget* parent = nullptr);

    // The game whose page is shown.
    int Page() const { return m_page; }

    // FormShow's work: button enablement, the page choice and the fill. False
    // when no game has hands (the window then closes at once).
    bool FormShow();
    // Shows the page of one game.
    void FillStatisticsPage(int game);
    // A game button was pressed.
    void WhichGameButton(int game);
    // Asks, and on Yes clears the statistics and closes the window.
    void ResetAllStatsBtnClick();

    // The components, for the program's tests.
    ui::PressButton* GameButton(int game) const {
        return m_gameButtons[static_cast<std::size_t>(game)];
    }
    QLabel* CaptionLabel(int row) const { return m_captions[static_cast<std::size_t>(row)]; }
    QLabel* CountLabel(int row) const { return m_counts[static_cast<std::size_t>(row)]; }
    QLabel* CreditsLabel(int row) const { return m_credits[static_cast<std::size_t>(row)]; }
    QLabel* PercentLabel(int row) const { return m_percents[static_cast<std::size_t>(row)]; }
    QFrame* Bar(int row) const { return m_bars[static_cast<std::size_t>(row)]; }
    QFrame* Separator() const { return m_separator; }
    QFrame* ChartPanel() const { return m_panel2; }
    // "This Game" (column 0) and "Session" (column 1) lines: hands, bet, won, payback.
    QLabel* TotalLabel(int column, int line) const {
        return m_totals[static_cast<std::size_t>(column)][static_cast<std::size_t>(line)];
    }
    ui::PressButton* ProgressButton() const { return m_progress; }
    // What the "Training Progress" button opens; the button shows once it is set.
    void SetProgressOpener(std::function<void()> opener);
    ui::PressButton* ResetButton() const { return m_reset; }
    ui::PressButton* CloseButton() const { return m_close; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildGameButtons();
    void BuildChart();
    void BuildTotals();
    void SetButtonCursors();

    TVantaSession* m_session;
    int m_page = 0;
    std::array<ui::PressButton*, kGameCount> m_gameButtons{};
    QButtonGroup* m_group = nullptr;
    QFrame* m_panel2 = nullptr;
    QFrame* m_panel1 = nullptr;
    QFrame* m_separator = nullptr;
    std::array<QLabel*, kStatisticsRows> m_captions{};
    std::array<QLabel*, kStatisticsRows> m_counts{};
    std::array<QLabel*, kStatisticsRows> m_credits{};
    std::array<QLabel*, kStatisticsRows> m_percents{};
    std::array<QFrame*, kStatisticsRows> m_bars{};
    std::array<std::array<QLabel*, 4>, 2> m_totals{};
    ui::PressButton* m_reset = nullptr;
    ui::PressButton* m_close = nullptr;
    ui::PressButton* m_progress = nullptr;
    std::function<void()> m_openProgress;
    QImage m_picture;
};

} // namespace quintaro
