#pragma once
// TTrainingProgressForm: how the player's training goes. The training grades
// (decisions, mistakes, credits lost and accuracy for the game, the run and
// the whole record), a line chart of accuracy and of credits lost per 100
// decisions over time, one point per day or per session, for one game and
// pay table or all, drill answers shown apart or left out, and the kinds of
// hands that cost the most, each of which opens its mistakes or drills it.
//
// The record is read and figured on a worker thread; the window stays live
// and shows what it has when the worker is done. The window computes nothing
// itself: BuildProgress gives every figure.

#include <QDialog>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "record/progress.h"
#include "record/training_record.h"

class QCheckBox;
class QChart;
class QChartView;
class QComboBox;
class QFrame;
class QLabel;
class QLineSeries;
class QPushButton;
class QTableWidget;
class QThread;

namespace quintaro {

class TTrainingProgressForm : public QDialog {
    Q_OBJECT

public:
    // What a chosen kind of hand opens: its mistakes, or a drill of it.
    using KindOpener = std::function<void(const CostlyKind& kind)>;

    // `record` gives the grades of this run; `path` is the file the figures
    // are read from (empty: no record kept); `lastGame` the game the window
    // starts on for the grades.
    TTrainingProgressForm(const TrainingRecord& record, std::filesystem::path path, int lastGame,
                          QWidget* parent = nullptr);
    ~TTrainingProgressForm() override;

    void SetMistakesOpener(KindOpener opener) { m_openMistakes = std::move(opener); }
    void SetDrillOpener(KindOpener opener) { m_openDrill = std::move(opener); }

    // Reads the record again and figures it.
    void Reload();
    void SetFilter(const ProgressFilter& filter);
    const ProgressFilter& Filter() const { return m_filter; }
    // Whether a worker is still reading or figuring.
    bool Busy() const { return !m_workers.empty(); }
    const ProgressFigures& Figures() const { return m_figures; }

    void OpenKindMistakes(int index);
    void DrillKind(int index);

    // The components, for the program's tests.
    QLabel* GradeLabel(int column, int line) const {
        return m_grades[static_cast<std::size_t>(column)][static_cast<std::size_t>(line)];
    }
    QLabel* NoticeLabel() const { return m_notice; }
    QChartView* ChartView() const { return m_chartView; }
    // Accuracy, credits lost per 100, and the drill's two.
    QLineSeries* Series(int which) const { return m_series[static_cast<std::size_t>(which)]; }
    QTableWidget* KindTable() const { return m_kinds; }
    QComboBox* GameChoice() const { return m_gameChoice; }
    QComboBox* PayChoice() const { return m_payChoice; }
    QComboBox* SpanChoice() const { return m_spanChoice; }
    QCheckBox* DrillChoice() const { return m_drillChoice; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildChoices();
    void BuildGrades();
    void BuildChart();
    void BuildKinds();
    void FillGrades(int game);
    void FillChart();
    void FillKinds();
    void ReadChoices();
    void FillPayChoice();
    void Refigure();
    void Show(ProgressFigures figures);
    void RunOffThread(std::function<void()> work, std::function<void()> done);

    const TrainingRecord& m_record;
    std::filesystem::path m_path;
    int m_lastGame;
    ProgressFilter m_filter;
    std::vector<NamedPayTable> m_named; // the pay choice's named tables, after the built-in two
    std::shared_ptr<const ProgressRecord> m_data;
    ProgressFigures m_figures;
    bool m_haveFigures = false;
    int m_generation = 0;
    std::vector<QThread*> m_workers;
    KindOpener m_openMistakes;
    KindOpener m_openDrill;

    QComboBox* m_gameChoice = nullptr;
    QComboBox* m_payChoice = nullptr;
    QComboBox* m_spanChoice = nullptr;
    QCheckBox* m_drillChoice = nullptr;
    std::array<std::array<QLabel*, 4>, 4> m_grades{};
    QChart* m_chart = nullptr;
    QChartView* m_chartView = nullptr;
    std::array<QLineSeries*, 4> m_series{};
    QFrame* m_placeholder = nullptr;
    QLabel* m_notice = nullptr;
    QTableWidget* m_kinds = nullptr;
    QPushButton* m_mistakesButton = nullptr;
    QPushButton* m_drillButton = nullptr;
};

} // namespace quintaro
