#include "record/ui/progress_form.h"

#include <QAbstractItemView>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "components/window_kit.h"
#include "core/game_variant.h"
#include "core/pay_table.h"
#include "shell/statistics.h"

namespace quintaro {

namespace {

using ui::AddRule;
using ui::kMaroon;
using ui::kYellow;
using ui::MakeLabel;
using ui::SetFillColour;
using ui::SetTextColour;
using ui::Text;

using ui::kLime;
using ui::kSilver;
const QColor kOrange(255, 160, 0);

// The right-hand column: grades, chart and kinds one above the other.
constexpr QRect kGradesPanelRect(148, 10, 611, 118);
constexpr QRect kChartRect(148, 136, 611, 236);
constexpr QRect kKindsRect(148, 380, 611, 183);
// Labels along the time axis at most.
constexpr int kAxisLabels = 6;

// "Dbl Dbl Bonus 9/6": a game and pay table in a narrow column.
QString KindGame(const CostlyKind& k) {
    return Text(kStatisticsButtonCaptions[static_cast<std::size_t>(k.game)]) + " " +
           Text(PayTableShortName(k.game, k.payTable));
}

const QString kButtonStyle =
    "QPushButton { background: #c0c0c0; color: black; border: 2px outset #e8e8e8; }"
    "QPushButton:pressed { background: #a8a8a8; border: 2px inset #808080; }"
    "QPushButton:disabled { color: #808080; }";

} // namespace

TTrainingProgressForm::TTrainingProgressForm(const TrainingRecord& record,
                                             std::filesystem::path path, int lastGame,
                                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_record(record), m_path(std::move(path)), m_lastGame(IsValidGame(lastGame) ? lastGame : 0) {
    setObjectName("TrainingProgressForm");
    setWindowTitle("Training Progress");
    setFixedSize(769, 573);
    SetFillColour(this, kMaroon);

    BuildChoices();
    BuildGrades();
    BuildChart();
    BuildKinds();
    FillGrades(m_lastGame);
    ui::CentreOnScreen(this);
    Reload();
}

TTrainingProgressForm::~TTrainingProgressForm() {
    // A worker still reading finishes first; its answer then goes nowhere.
    for (QThread* t : m_workers) {
        t->disconnect(this);
        t->wait();
        delete t;
    }
}

void TTrainingProgressForm::BuildChoices() {
    MakeLabel(this, "Training Progress", QRect(10, 8, 128, 20), ui::SansFont(13, true), kYellow,
              Qt::AlignCenter)
        ->setObjectName("LbTitle");
    const QString comboStyle = "QComboBox { background: #c0c0c0; color: black; "
                               "border: 2px outset #e8e8e8; padding-left: 4px; }";
    const QFont small = ui::SansFont(12, true);
    auto choice = [&](const char* caption, const char* name, int top) {
        MakeLabel(this, caption, QRect(12, top, 126, 18), small, Qt::white);
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        box->setGeometry(10, top + 18, 128, 26);
        box->setFont(ui::SansFont(12, true));
        box->setStyleSheet(comboStyle);
        return box;
    };
    m_gameChoice = choice("Game", "GameChoice", 36);
    m_gameChoice->addItem("All Games");
    for (int g = 0; g < kGameCount; ++g)
        m_gameChoice->addItem(Text(kStatisticsButtonCaptions[static_cast<std::size_t>(g)]));
    m_payChoice = choice("Pay Table", "PayChoice", 86);
    m_payChoice->addItem("Both");
    m_payChoice->setEnabled(false);
    // Named tables have longer names than the narrow choice shows.
    m_payChoice->view()->setMinimumWidth(300);
    m_spanChoice = choice("One Point per", "SpanChoice", 136);
    m_spanChoice->addItems({"Day", "Session"});
    m_drillChoice = new QCheckBox("Drill answers", this);
    m_drillChoice->setObjectName("DrillChoice");
    m_drillChoice->setGeometry(12, 192, 126, 22);
    m_drillChoice->setFont(small);
    m_drillChoice->setChecked(true);
    SetTextColour(m_drillChoice, Qt::white);
    m_drillChoice->setToolTip("Show the practice drill's answers as lines of their own");
    auto* hint = MakeLabel(this,
                           "A point is a day or a session of play. Double-click a kind of hand "
                           "to list its mistakes, or choose it and drill it.",
                           QRect(12, 226, 126, 120), ui::SansFont(11), Qt::white,
                           Qt::AlignLeft | Qt::AlignTop);
    hint->setObjectName("LbHint");
    hint->setWordWrap(true);

    connect(m_gameChoice, &QComboBox::currentIndexChanged, this, [this](int index) {
        (void)index;
        {
            // Another game's choice starts from all its tables.
            const QSignalBlocker block(m_payChoice);
            m_payChoice->setCurrentIndex(0);
        }
        ReadChoices();
    });
    connect(m_payChoice, &QComboBox::currentIndexChanged, this, [this] { ReadChoices(); });
    connect(m_spanChoice, &QComboBox::currentIndexChanged, this, [this] { ReadChoices(); });
    connect(m_drillChoice, &QCheckBox::toggled, this, [this] { ReadChoices(); });

    auto button = [&](const QString& caption, const char* name, int top) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(10, top, 128, 32);
        b->setFont(ui::SansFont(13, true));
        b->setStyleSheet(kButtonStyle);
        b->setAutoDefault(false);
        return b;
    };
    m_mistakesButton = button("Show Mistakes", "MistakesButton", 440);
    m_drillButton = button("Drill This Kind", "DrillButton", 480);
    // No default button: Enter belongs to the list of kinds.
    QPushButton* close = button("Close", "CloseButton", 521);
    connect(m_mistakesButton, &QPushButton::clicked, this,
            [this] { OpenKindMistakes(m_kinds->currentRow()); });
    connect(m_drillButton, &QPushButton::clicked, this,
            [this] { DrillKind(m_kinds->currentRow()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TTrainingProgressForm::BuildGrades() {
    auto* panel = new QFrame(this);
    panel->setObjectName("GradesPanel");
    panel->setGeometry(kGradesPanelRect);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    SetFillColour(panel, Qt::black);
    panel->setAttribute(Qt::WA_TransparentForMouseEvents);

    const QFont heading = ui::SansFont(14, true);
    const QFont line = ui::SansFont(14, true);
    MakeLabel(panel, "Training Grades", QRect(16, 6, 140, 20), heading, kYellow);
    static const char* const kColumns[4] = {"This Game", "Session", "Game Record", "Whole Record"};
    static constexpr int kLefts[4] = {150, 280, 392, 493};
    static constexpr int kWidths[4] = {110, 110, 103, 103};
    for (int c = 0; c < 4; ++c)
        MakeLabel(panel, kColumns[c], QRect(kLefts[c], 6, kWidths[c], 20), heading, kYellow,
                  Qt::AlignRight | Qt::AlignVCenter);
    AddRule(panel, QRect(16, 29, 586, 1));

    static const char* const kLines[4] = {"Decisions", "Mistakes", "Credits Lost", "Accuracy"};
    for (int k = 0; k < 4; ++k) {
        const int y = 33 + 20 * k;
        MakeLabel(panel, kLines[k], QRect(16, y, 130, 20), line, Qt::white);
        for (int c = 0; c < 4; ++c) {
            QLabel* value = MakeLabel(panel, "0", QRect(kLefts[c], y, kWidths[c], 20), line, kLime,
                                      Qt::AlignRight | Qt::AlignVCenter);
            value->setObjectName(QString("LbGrade%1%2").arg(c).arg(k));
            m_grades[static_cast<std::size_t>(c)][static_cast<std::size_t>(k)] = value;
        }
    }
}

void TTrainingProgressForm::FillGrades(int game) {
    // The run's grades are the record's own; the record's are read by the worker.
    const std::optional<Grades> ofRecord[2] = {
        m_haveFigures ? std::optional(m_figures.gameGrades[static_cast<std::size_t>(game)])
                      : std::nullopt,
        m_haveFigures ? std::optional(m_figures.WholeRecord()) : std::nullopt};
    const std::optional<Grades> columns[4] = {m_record.SessionGrades(game),
                                              m_record.SessionGrades(), ofRecord[0], ofRecord[1]};
    for (std::size_t c = 0; c < 4; ++c) {
        if (!columns[c]) {
            // Still reading, or nothing to read.
            for (QLabel* l : m_grades[c]) l->setText(m_data ? "-" : "...");
            continue;
        }
        const Grades& g = *columns[c];
        m_grades[c][0]->setText(QString::number(g.decisions));
        m_grades[c][1]->setText(QString::number(g.mistakes));
        m_grades[c][2]->setText(QString::fromStdString(g.CreditsLostText()));
        m_grades[c][3]->setText(QString::fromStdString(g.AccuracyText()));
    }
}

void TTrainingProgressForm::BuildChart() {
    m_chart = new QChart;
    m_chart->setBackgroundBrush(Qt::black);
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(4, 2, 4, 2));
    m_chart->legend()->setAlignment(Qt::AlignTop);
    m_chart->legend()->setLabelColor(Qt::white);
    m_chart->legend()->setFont(ui::SansFont(11, true));
    static const char* const kNames[4] = {"Accuracy %", "Credits lost per 100", "Drill accuracy %",
                                          "Drill lost per 100"};
    const QColor colours[4] = {kLime, kOrange, kLime.darker(150), kOrange.darker(150)};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* s = new QLineSeries;
        s->setName(kNames[i]);
        QPen pen(colours[i], 2);
        if (i >= 2) pen.setStyle(Qt::DashLine);
        s->setPen(pen);
        s->setPointsVisible(true);
        m_chart->addSeries(s);
        m_series[i] = s;
    }
    auto axisStyle = [](QAbstractAxis* axis, const QColor& colour) {
        axis->setLabelsColor(colour);
        axis->setLabelsFont(ui::SansFont(10, true));
        axis->setLinePenColor(kSilver);
        axis->setGridLineColor(QColor(60, 60, 60));
    };
    auto* time = new QCategoryAxis;
    time->setObjectName("TimeAxis");
    time->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axisStyle(time, kSilver);
    auto* accuracy = new QValueAxis;
    accuracy->setObjectName("AccuracyAxis");
    accuracy->setLabelFormat("%.0f");
    axisStyle(accuracy, kLime);
    auto* lost = new QValueAxis;
    lost->setObjectName("LostAxis");
    lost->setLabelFormat("%g");
    axisStyle(lost, kOrange);
    lost->setGridLineVisible(false); // the accuracy's grid serves both
    m_chart->addAxis(time, Qt::AlignBottom);
    m_chart->addAxis(accuracy, Qt::AlignLeft);
    m_chart->addAxis(lost, Qt::AlignRight);
    for (std::size_t i = 0; i < 4; ++i) {
        m_series[i]->attachAxis(time);
        m_series[i]->attachAxis(i % 2 == 0 ? static_cast<QAbstractAxis*>(accuracy) : lost);
    }

    m_chartView = new QChartView(m_chart, this);
    m_chartView->setObjectName("ProgressChart");
    m_chartView->setGeometry(kChartRect);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_chartView->setLineWidth(2);
    m_chartView->setBackgroundBrush(Qt::black);

    // In the chart's place while there is nothing to draw: a black panel with a notice.
    m_placeholder = new QFrame(this);
    m_placeholder->setObjectName("ChartPlaceholder");
    m_placeholder->setGeometry(kChartRect);
    m_placeholder->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_placeholder->setLineWidth(2);
    SetFillColour(m_placeholder, Qt::black);
    m_chartView->hide();

    m_notice = MakeLabel(this, QString(), kChartRect.adjusted(24, 24, -24, -24),
                         ui::SansFont(15, true), kYellow, Qt::AlignCenter);
    m_notice->setObjectName("Notice");
    m_notice->setWordWrap(true);
    m_notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_notice->raise();
}

void TTrainingProgressForm::BuildKinds() {
    m_kinds = new QTableWidget(0, 5, this);
    m_kinds->setObjectName("KindTable");
    m_kinds->setGeometry(kKindsRect);
    m_kinds->setHorizontalHeaderLabels(
        {"Costliest Kinds of Hands", "Game", "Count", "Lost", "Average"});
    m_kinds->verticalHeader()->hide();
    m_kinds->verticalHeader()->setDefaultSectionSize(22);
    m_kinds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_kinds->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_kinds->setSelectionMode(QAbstractItemView::SingleSelection);
    m_kinds->setShowGrid(false);
    m_kinds->setFont(ui::SansFont(12, true));
    m_kinds->horizontalHeader()->setFont(ui::SansFont(12, true));
    m_kinds->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_kinds->setColumnWidth(0, 236);
    m_kinds->setColumnWidth(1, 128);
    m_kinds->setColumnWidth(2, 58);
    m_kinds->setColumnWidth(3, 70);
    m_kinds->horizontalHeader()->setStretchLastSection(true);
    m_kinds->setCursor(Qt::PointingHandCursor);
    m_kinds->setToolTip("Double-click a kind to list its mistakes; Drill This Kind practises it");
    m_kinds->setStyleSheet(
        "QTableWidget { background: black; color: #00ff00; border: 2px inset #808080; }"
        "QTableWidget::item:selected { background: #000080; color: #ffff00; }"
        "QHeaderView::section { background: #c0c0c0; color: #000080; border: 1px outset "
        "#e8e8e8; padding: 2px; }");
    // A click chooses a kind for the buttons; a double click or Enter opens its mistakes.
    connect(m_kinds, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { OpenKindMistakes(index.row()); });
    connect(m_kinds, &QTableWidget::itemSelectionChanged, this, [this] {
        const bool chosen = m_kinds->currentRow() >= 0 && !m_kinds->selectedItems().isEmpty();
        m_mistakesButton->setEnabled(chosen);
        m_drillButton->setEnabled(chosen);
    });
    m_mistakesButton->setEnabled(false);
    m_drillButton->setEnabled(false);
}

void TTrainingProgressForm::ReadChoices() {
    ProgressFilter f;
    const int g = m_gameChoice->currentIndex();
    if (g > 0) f.game = g - 1;
    const int p = m_payChoice->currentIndex();
    if (f.game && p > 0 && p <= 2) f.payTable = p - 1;
    if (f.game && p > 2 && static_cast<std::size_t>(p - 3) < m_named.size()) {
        f.pays = m_named[static_cast<std::size_t>(p - 3)].pays;
        f.tableName = m_named[static_cast<std::size_t>(p - 3)].name;
    }
    f.span = m_spanChoice->currentIndex() == 1 ? ProgressFilter::Span::Session
                                               : ProgressFilter::Span::Day;
    f.drillApart = m_drillChoice->isChecked();
    SetFilter(f);
}

void TTrainingProgressForm::SetFilter(const ProgressFilter& filter) {
    m_filter = filter;
    {
        const QSignalBlocker b1(m_gameChoice), b2(m_payChoice), b3(m_spanChoice), b4(m_drillChoice);
        m_gameChoice->setCurrentIndex(filter.game ? *filter.game + 1 : 0);
        m_spanChoice->setCurrentIndex(filter.span == ProgressFilter::Span::Session ? 1 : 0);
        m_drillChoice->setChecked(filter.drillApart);
    }
    FillPayChoice();
    if (m_data) Refigure();
}

void TTrainingProgressForm::FillPayChoice() {
    const ProgressFilter& filter = m_filter;
    const QSignalBlocker block(m_payChoice);
    m_payChoice->clear();
    m_payChoice->addItem("Both");
    m_named.clear();
    if (filter.game) {
        for (int c = 0; c < 2; ++c) m_payChoice->addItem(Text(PayTableShortName(*filter.game, c)));
        // The named tables played in the game, each as it was played.
        if (m_data) m_named = NamedTablesOf(m_data->rows, *filter.game);
        if (filter.pays) {
            const NamedPayTable chosen{*filter.game, filter.tableName, *filter.pays};
            if (std::find(m_named.begin(), m_named.end(), chosen) == m_named.end())
                m_named.push_back(chosen);
        }
        for (std::size_t i = 0; i < m_named.size(); ++i) {
            QString caption = QString::fromStdString(m_named[i].name);
            std::size_t same = 0;
            for (std::size_t k = 0; k < i; ++k) same += m_named[k].name == m_named[i].name;
            if (same > 0) caption += QString(" (%1)").arg(same + 1);
            m_payChoice->addItem(caption);
        }
    }
    m_payChoice->setEnabled(filter.game.has_value());
    int index = filter.game && filter.payTable ? *filter.payTable + 1 : 0;
    if (filter.game && filter.pays) {
        const NamedPayTable chosen{*filter.game, filter.tableName, *filter.pays};
        const auto at = std::find(m_named.begin(), m_named.end(), chosen);
        index = 3 + static_cast<int>(at - m_named.begin());
    }
    m_payChoice->setCurrentIndex(index);
}

void TTrainingProgressForm::RunOffThread(std::function<void()> work, std::function<void()> done) {
    QThread* thread = QThread::create(std::move(work));
    m_workers.push_back(thread);
    connect(thread, &QThread::finished, this, [this, thread, done = std::move(done)] {
        std::erase(m_workers, thread);
        thread->deleteLater();
        done();
    });
    thread->start();
}

void TTrainingProgressForm::Reload() {
    const int generation = ++m_generation;
    if (!m_data) {
        m_notice->setText("Reading the training record...");
        m_notice->show();
    }
    auto result = std::make_shared<std::pair<ProgressRecord, ProgressFigures>>();
    const std::filesystem::path path = m_path;
    const ProgressFilter filter = m_filter;
    RunOffThread(
        [result, path, filter] {
            result->first = ReadProgressRecord(path);
            result->second = BuildProgress(result->first, filter);
        },
        [this, result, generation, filter] {
            // The rows read are the newest whatever else happened meanwhile.
            m_data = std::make_shared<const ProgressRecord>(std::move(result->first));
            FillPayChoice();
            if (generation == m_generation && filter == m_filter)
                Show(std::move(result->second));
            else
                Refigure(); // the choices moved while the record was read
        });
}

void TTrainingProgressForm::Refigure() {
    const int generation = ++m_generation;
    auto result = std::make_shared<ProgressFigures>();
    std::shared_ptr<const ProgressRecord> data = m_data;
    const ProgressFilter filter = m_filter;
    RunOffThread([result, data, filter] { *result = BuildProgress(*data, filter); },
                 [this, result, generation] {
                     if (generation == m_generation) Show(std::move(*result));
                 });
}

void TTrainingProgressForm::Show(ProgressFigures figures) {
    m_figures = std::move(figures);
    m_haveFigures = !m_data->readError;
    FillGrades(m_filter.game.value_or(m_lastGame));
    FillChart();
    FillKinds();
}

void TTrainingProgressForm::FillChart() {
    for (QLineSeries* s : m_series) s->clear();
    const std::vector<ProgressPeriod>& periods = m_figures.periods;
    const bool nothing = m_data->readError || periods.empty();
    m_chartView->setVisible(!nothing);
    m_placeholder->setVisible(nothing);
    m_notice->setVisible(nothing);
    if (m_data->readError) {
        // Said once, here, for as long as the window is open.
        m_notice->setText(QString::fromStdString(*m_data->readError));
        return;
    }
    if (periods.empty())
        m_notice->setText(m_data->rows.empty()
                              ? "No decisions are recorded yet. Play a few hands, and your "
                                "progress shows here."
                              : "No decisions of this game and pay table yet.");

    double lowAccuracy = 100, highLost = 0;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const double x = static_cast<double>(i);
        const Grades* grades[2] = {&periods[i].table, &periods[i].drill};
        for (std::size_t k = 0; k < 2; ++k) {
            if (k == 1 && !m_filter.drillApart) continue;
            if (const auto a = grades[k]->Accuracy()) {
                m_series[2 * k]->append(x, *a);
                lowAccuracy = std::min(lowAccuracy, *a);
            }
            if (const auto l = LostPerHundred(*grades[k])) {
                m_series[2 * k + 1]->append(x, *l);
                highLost = std::max(highLost, *l);
            }
        }
    }
    // Dots while they can be told apart; a long record is drawn as lines.
    for (QLineSeries* s : m_series) s->setPointsVisible(periods.size() <= 60);
    for (std::size_t k = 2; k < 4; ++k) {
        m_series[k]->setVisible(m_filter.drillApart);
        for (QLegendMarker* marker : m_chart->legend()->markers(m_series[k]))
            marker->setVisible(m_filter.drillApart);
    }

    auto* time = static_cast<QCategoryAxis*>(m_chart->axes(Qt::Horizontal).front());
    for (const QString& label : time->categoriesLabels()) time->remove(label);
    const int n = static_cast<int>(periods.size());
    const int step = std::max(1, (n + kAxisLabels - 1) / kAxisLabels);
    for (int i = 0; i < n; i += step) {
        QString label = QString::fromStdString(periods[static_cast<std::size_t>(i)].label);
        // Dates without the year.
        label = label.mid(5);
        time->append(label, i);
    }
    time->setRange(-0.5, std::max(0.5, n - 0.5));
    const auto vertical = m_chart->axes(Qt::Vertical);
    for (QAbstractAxis* axis : vertical) {
        auto* value = static_cast<QValueAxis*>(axis);
        if (axis->objectName() == "AccuracyAxis") {
            // From a round figure below the lowest point up to 100 %, in round steps.
            const double lowest = std::clamp(lowAccuracy, 0.5, 99.0);
            const double span = 100 - lowest;
            const double step = span <= 10 ? 2 : span <= 25 ? 5 : span <= 50 ? 10 : 25;
            // A point never sits on the bottom line.
            const double low = std::floor((lowest - 0.5) / step) * step;
            value->setRange(low, 100);
            value->setTickCount(static_cast<int>(std::lround((100 - low) / step)) + 1);
        } else {
            value->setRange(0, highLost > 0 ? highLost * 1.05 : 1);
            value->setTickCount(5);
            value->applyNiceNumbers();
        }
    }
}

void TTrainingProgressForm::FillKinds() {
    const QSignalBlocker block(m_kinds);
    m_kinds->clearSelection();
    const std::vector<CostlyKind>& kinds = m_figures.kinds;
    m_kinds->setRowCount(static_cast<int>(kinds.size()));
    for (int i = 0; i < static_cast<int>(kinds.size()); ++i) {
        const CostlyKind& k = kinds[static_cast<std::size_t>(i)];
        auto* name = new QTableWidgetItem(QString::fromStdString(k.name));
        name->setToolTip(QString("Entry %1 of the list").arg(k.entry));
        auto* game = new QTableWidgetItem(KindGame(k));
        game->setForeground(kSilver);
        auto* count = new QTableWidgetItem(QString::number(k.count));
        auto* lost = new QTableWidgetItem(QString::number(k.creditsLost, 'f', 2));
        auto* average = new QTableWidgetItem(QString::number(k.AverageCost(), 'f', 4));
        for (QTableWidgetItem* item : {count, lost, average})
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lost->setForeground(kOrange);
        m_kinds->setItem(i, 0, name);
        m_kinds->setItem(i, 1, game);
        m_kinds->setItem(i, 2, count);
        m_kinds->setItem(i, 3, lost);
        m_kinds->setItem(i, 4, average);
    }
    m_mistakesButton->setEnabled(false);
    m_drillButton->setEnabled(false);
}

void TTrainingProgressForm::OpenKindMistakes(int index) {
    if (index < 0 || index >= static_cast<int>(m_figures.kinds.size()) || !m_openMistakes) return;
    m_openMistakes(m_figures.kinds[static_cast<std::size_t>(index)]);
}

void TTrainingProgressForm::DrillKind(int index) {
    if (index < 0 || index >= static_cast<int>(m_figures.kinds.size()) || !m_openDrill) return;
    m_openDrill(m_figures.kinds[static_cast<std::size_t>(index)]);
    // The drill's answers are in the record now.
    Reload();
}

void TTrainingProgressForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    ui::DrawWindowFrame(p, rect());
}

} // namespace quintaro
