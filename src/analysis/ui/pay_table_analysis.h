#pragma once
// TPayTableAnalysis: the figures of one pay table at the coins bet. At the left
// the return, variance and hit frequency and a row per hand (pay, probability,
// cycle, share of the return), for perfect play or the strategy list; at the
// right the bankroll, hands per session, cashback and lines, the ruin figures
// they give, and three charts: the return by hand, the lifetime ruin against
// the bankroll and the spread of a session's results over its hands. The
// figures are worked out on a worker thread; the window only shows them.

#include <QDialog>

#include <memory>
#include <optional>

#include "analysis/pay_analysis.h"

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;

class QChartView;

namespace quintaro {

namespace ui {
class PressButton;
}

class TPayTableAnalysis : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 784;
    static constexpr int kHeight = 560;

    // tableName: "9/6", or how the player named a row of their own.
    TPayTableAnalysis(const analysis::TableInForce& table, const QString& tableName,
                      QWidget* parent = nullptr);
    ~TPayTableAnalysis() override;

    const analysis::TableInForce& Table() const { return m_table; }
    // The figures once the worker has them.
    const std::optional<analysis::TableFigures>& Figures() const { return m_figures; }
    const std::optional<analysis::RiskFigures>& Risk() const { return m_risk; }
    // Whether a computation is still running or waiting.
    bool Busy() const { return m_busyFigures || m_busyRisk; }
    bool ShowingList() const;

    QLabel* SummaryLabel() const { return m_summary; }
    QLabel* RuinLabel() const { return m_ruin; }
    QLabel* StatusLabel() const { return m_status; }
    QTableWidget* HandTable() const { return m_hands; }
    QSpinBox* BankrollBox() const { return m_bankroll; }
    QSpinBox* HandsBox() const { return m_handsPerSession; }
    QDoubleSpinBox* CashbackBox() const { return m_cashback; }
    QComboBox* LinesBox() const { return m_lines; }
    QRadioButton* ListButton() const { return m_listButton; }
    QTabWidget* Charts() const { return m_charts; }
    ui::PressButton* CloseButton() const { return m_close; }

    analysis::BankrollInputs Inputs() const;

private:
    void StartFigures();
    void FiguresReady(const analysis::TableFigures& figures);
    // Works out the bankroll figures for the inputs, or notes that they are
    // wanted again when a computation is already running.
    void StartRisk();
    void RiskReady(const analysis::RiskFigures& risk, const analysis::BankrollInputs& inputs);
    const analysis::PlayFigures* Play() const;
    void ShowPlay();
    void ShowRisk();

    analysis::TableInForce m_table;
    std::optional<analysis::TableFigures> m_figures;
    std::optional<analysis::RiskFigures> m_risk;
    analysis::BankrollInputs m_riskInputs;
    bool m_busyFigures = false;
    bool m_busyRisk = false;
    bool m_riskAgain = false;
    // Cleared when the window goes, so that late results are dropped.
    std::shared_ptr<bool> m_alive;

    QLabel* m_summary = nullptr;
    QLabel* m_ruin = nullptr;
    QLabel* m_status = nullptr;
    QTableWidget* m_hands = nullptr;
    QRadioButton* m_perfectButton = nullptr;
    QRadioButton* m_listButton = nullptr;
    QSpinBox* m_bankroll = nullptr;
    QSpinBox* m_handsPerSession = nullptr;
    QDoubleSpinBox* m_cashback = nullptr;
    QComboBox* m_lines = nullptr;
    QTabWidget* m_charts = nullptr;
    QChartView* m_returnChart = nullptr;
    QChartView* m_ruinChart = nullptr;
    QChartView* m_sessionChart = nullptr;
    ui::PressButton* m_close = nullptr;
};

// Fills the registry's pay table analysis: a modal window for a game, its
// built-in pay table and the coins bet, freed when it closes.
void RegisterPayTableAnalysis();

} // namespace quintaro
