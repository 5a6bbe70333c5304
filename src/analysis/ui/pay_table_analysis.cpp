#include "analysis/ui/pay_table_analysis.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPointer>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QThreadPool>
#include <QTimer>
#include <QValueAxis>

#include <cmath>
#include <thread>

#include "components/press_button.h"
#include "components/window_kit.h"
#include "core/hand_names.h"
#include "core/named_pay_table.h"
#include "shell/session.h"
#include "shell/ui/game_launch.h"

namespace quintaro {

namespace {

using ui::kMaroon;
using ui::kNavy;
using ui::kYellow;
using ui::MakeLabel;
using ui::Text;

const QColor kFormGrey(128, 128, 128);
using ui::kAqua;

constexpr int kLeft = 8;
constexpr int kColumnWidth = 378;
constexpr int kRight = kLeft + kColumnWidth + 12;
constexpr int kStripHeight = 52;
constexpr int kSessionPoints = 100;
constexpr int kCurvePoints = 100;

QString Percent(double p, int decimals = 2) {
    return QString::number(100 * p, 'f', decimals) + " %";
}

QString CreditsText(double credits) {
    if (!std::isfinite(credits)) return "never";
    return QLocale(QLocale::English).toString(std::ceil(credits - 1e-9), 'f', 0);
}

QChartView* MakeChartView(QWidget* parent) {
    auto* view = new QChartView(parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::NoFocus);
    return view;
}

QChart* FreshChart(QChartView* view) {
    auto* chart = new QChart;
    chart->legend()->setFont(ui::SansFont(11));
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
    return chart;
}

QValueAxis* ValueAxis(const QString& title, const QString& format) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleFont(ui::SansFont(11));
    axis->setLabelsFont(ui::SansFont(10));
    axis->setLabelFormat(format);
    return axis;
}

} // namespace

TPayTableAnalysis::TPayTableAnalysis(const analysis::TableInForce& table, const QString& tableName,
                                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_table(table), m_alive(std::make_shared<bool>(true)) {
    setObjectName("PayTableAnalysis");
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFormGrey);
    setPalette(pal);
    setAutoFillBackground(true);

    const QString game = Text(GameInfoFor(m_table.game).name);
    setWindowTitle("Pay Table Analysis");
    const QString title = game + " " + tableName;
    MakeLabel(this, title, QRect(10, 6, kWidth - 16, 28), ui::SansFont(21, true), kNavy,
              Qt::AlignCenter);
    MakeLabel(this, title, QRect(8, 4, kWidth - 16, 28), ui::SansFont(21, true), Qt::white,
              Qt::AlignCenter)
        ->setObjectName("LbTitle");
    const QString coins = m_table.coins == 1 ? "1 coin" : QString("%1 coins").arg(m_table.coins);
    MakeLabel(this, "Every deal of the pay table, " + coins + " bet", QRect(8, 32, kWidth - 16, 18),
              ui::SansFont(12, true), kAqua, Qt::AlignCenter)
        ->setObjectName("LbSubtitle");

    // --- The left column: how a hand pays -------------------------------------
    m_perfectButton = new QRadioButton("&Perfect play", this);
    m_listButton = new QRadioButton("Strategy &list", this);
    auto* group = new QButtonGroup(this);
    int x = kLeft;
    for (QRadioButton* b : {m_perfectButton, m_listButton}) {
        group->addButton(b);
        b->setFont(ui::SansFont(12, true));
        QPalette bp = b->palette();
        bp.setColor(QPalette::WindowText, Qt::white);
        b->setPalette(bp);
        b->setGeometry(x, 54, 140, 20);
        x += 150;
    }
    m_perfectButton->setChecked(true);
    m_listButton->setEnabled(false); // until the figures show whether a list plays the table
    connect(m_listButton, &QRadioButton::toggled, this, [this] {
        ShowPlay();
        StartRisk();
    });

    m_summary = MakeLabel(this, QString(), QRect(kLeft, 76, kColumnWidth, 70),
                          ui::SansFont(12, true), Qt::white, Qt::AlignLeft | Qt::AlignTop);
    m_summary->setObjectName("LbSummary");

    m_hands = new QTableWidget(0, 5, this);
    m_hands->setObjectName("HandTable");
    m_hands->setGeometry(kLeft, 148, kColumnWidth, kHeight - kStripHeight - 148 - 6);
    m_hands->setHorizontalHeaderLabels({"Hand", "Pays", "Probability", "1 in", "Return"});
    m_hands->verticalHeader()->hide();
    m_hands->verticalHeader()->setDefaultSectionSize(18);
    m_hands->horizontalHeader()->setFont(ui::SansFont(11, true));
    m_hands->setFont(ui::SansFont(11));
    m_hands->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_hands->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_hands->setSelectionMode(QAbstractItemView::SingleSelection);
    m_hands->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int widths[] = {132, 40, 78, 62, 64};
    for (int c = 0; c < 5; ++c) m_hands->setColumnWidth(c, widths[c]);

    // --- The right column: a bankroll -----------------------------------------
    auto field = [this](const QString& caption, QWidget* box, int row, int column) {
        auto* label = MakeLabel(this, caption, QRect(kRight + column * 196, 54 + row * 26, 76, 22),
                                ui::SansFont(12, true), Qt::white);
        label->setBuddy(box);
        box->setGeometry(kRight + column * 196 + 78, 54 + row * 26, 108, 22);
        box->setFont(ui::SansFont(12));
    };
    m_bankroll = new QSpinBox(this);
    m_bankroll->setObjectName("EdBankroll");
    m_bankroll->setRange(1, 1'000'000'000);
    m_bankroll->setSingleStep(500);
    m_bankroll->setSuffix(" cr");
    m_bankroll->setValue(4000);
    m_bankroll->setGroupSeparatorShown(true);
    field("&Bankroll", m_bankroll, 0, 0);
    m_handsPerSession = new QSpinBox(this);
    m_handsPerSession->setObjectName("EdHands");
    m_handsPerSession->setRange(1, 100'000);
    m_handsPerSession->setSingleStep(100);
    m_handsPerSession->setValue(1000);
    m_handsPerSession->setGroupSeparatorShown(true);
    field("&Hands", m_handsPerSession, 0, 1);
    m_cashback = new QDoubleSpinBox(this);
    m_cashback->setObjectName("EdCashback");
    m_cashback->setRange(0, 10);
    m_cashback->setDecimals(2);
    m_cashback->setSingleStep(0.1);
    m_cashback->setSuffix(" %");
    field("Cash&back", m_cashback, 1, 0);
    m_lines = new QComboBox(this);
    m_lines->setObjectName("CbLines");
    for (int l : analysis::kLineChoices) m_lines->addItem(QString::number(l), l);
    field("Li&nes", m_lines, 1, 1);
    const QString sessionsOfLines =
        "A session of several lines follows a Brownian motion with the lines' mean and "
        "variance, its ruin held to the exact lifetime ruin; one line is followed exactly";
    m_lines->setToolTip("Lines dealt at once, each drawing from its own copy of the unseen "
                        "cards with the same hold. The lifetime ruin is exact for any lines. " +
                        sessionsOfLines);
    for (QSpinBox* box : {m_bankroll, m_handsPerSession}) {
        box->setKeyboardTracking(false);
        connect(box, &QSpinBox::valueChanged, this, &TPayTableAnalysis::StartRisk);
    }
    m_cashback->setKeyboardTracking(false);
    connect(m_cashback, &QDoubleSpinBox::valueChanged, this, &TPayTableAnalysis::StartRisk);
    connect(m_lines, &QComboBox::currentIndexChanged, this, &TPayTableAnalysis::StartRisk);

    m_ruin = MakeLabel(this, QString(), QRect(kRight, 108, kColumnWidth, 88),
                       ui::SansFont(12, true), Qt::white, Qt::AlignLeft | Qt::AlignTop);
    m_ruin->setObjectName("LbRuin");

    m_charts = new QTabWidget(this);
    m_charts->setObjectName("Charts");
    m_charts->setFont(ui::SansFont(11, true));
    m_charts->setGeometry(kRight, 196, kColumnWidth, kHeight - kStripHeight - 196 - 6);
    m_returnChart = MakeChartView(m_charts);
    m_ruinChart = MakeChartView(m_charts);
    m_sessionChart = MakeChartView(m_charts);
    m_charts->addTab(m_returnChart, "&Return by Hand");
    m_charts->addTab(m_ruinChart, "R&uin by Bankroll");
    m_charts->addTab(m_sessionChart, "&Sessions");
    m_sessionChart->setToolTip(sessionsOfLines);

    // --- The foot ------------------------------------------------------------
    QWidget* strip =
        ui::AddBrandStrip(this, QRect(0, kHeight - kStripHeight, kWidth, kStripHeight));
    m_status = MakeLabel(strip, QString(), QRect(96, 4, 480, 44), ui::SansFont(12, true), kYellow);
    m_status->setObjectName("LbStatus");
    m_status->setWordWrap(true);
    m_close = new ui::PressButton("Close", strip);
    m_close->setObjectName("CloseBtn");
    m_close->setGeometry(kWidth - 148, 11, 136, 31);
    m_close->setFont(ui::SansFont(13, true));
    m_close->setStyleSheet(
        "QPushButton { background: #c0c0c0; color: black; border: 2px outset #e8e8e8; }"
        "QPushButton:pressed { background: #a8a8a8; border: 2px inset #808080; }");
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    m_bankroll->setFocus();
    ui::CentreOnScreen(this);
    StartFigures();
}

TPayTableAnalysis::~TPayTableAnalysis() {
    *m_alive = false;
}

analysis::BankrollInputs TPayTableAnalysis::Inputs() const {
    analysis::BankrollInputs in;
    in.bankroll = m_bankroll->value();
    in.hands = m_handsPerSession->value();
    in.cashback = m_cashback->value();
    in.lines = m_lines->currentData().toInt();
    return in;
}

bool TPayTableAnalysis::ShowingList() const {
    return m_listButton->isChecked() && m_figures && m_figures->list;
}

const analysis::PlayFigures* TPayTableAnalysis::Play() const {
    if (!m_figures) return nullptr;
    return ShowingList() ? &*m_figures->list : &m_figures->perfect;
}

namespace {

// Runs work on a worker and hands its result to done on the GUI thread, unless
// the window has gone meanwhile. One core is left for the window.
template <class Work, class Done>
void OffThread(const std::shared_ptr<bool>& alive, QObject* window, Work work, Done done) {
    QPointer<QObject> guard = window;
    QThreadPool::globalInstance()->start([alive, guard, work, done] {
        auto result = work();
        QCoreApplication* app = QCoreApplication::instance();
        if (!app) return;
        QMetaObject::invokeMethod(
            app,
            [alive, guard, done, result] {
                if (*alive && guard) done(result);
            },
            Qt::QueuedConnection);
    });
}

int WorkerThreads() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 1 ? static_cast<int>(cores) - 1 : 1;
}

} // namespace

void TPayTableAnalysis::StartFigures() {
    m_busyFigures = true;
    m_status->setText("Working out the figures of every deal...");
    m_summary->setText("Working out...");
    const analysis::TableInForce table = m_table;
    OffThread(
        m_alive, this, [table] { return analysis::AnalyseTable(table, WorkerThreads()); },
        [this](const analysis::TableFigures& f) { FiguresReady(f); });
}

void TPayTableAnalysis::FiguresReady(const analysis::TableFigures& figures) {
    m_busyFigures = false;
    m_figures = figures;
    m_listButton->setEnabled(figures.list.has_value());
    if (!figures.list) m_listButton->setToolTip("No strategy list plays this pay table");
    ShowPlay();
    StartRisk();
}

void TPayTableAnalysis::StartRisk() {
    if (!m_figures) return;
    if (m_busyRisk) {
        m_riskAgain = true;
        return;
    }
    m_busyRisk = true;
    m_riskAgain = false;
    m_status->setText("Working out the bankroll figures...");
    const analysis::PlayFigures play = *Play();
    const analysis::TableInForce table = m_table;
    const analysis::BankrollInputs inputs = Inputs();
    OffThread(
        m_alive, this,
        [play, table, inputs] { return analysis::RiskOf(play, table, inputs, kSessionPoints); },
        [this, inputs](const analysis::RiskFigures& r) { RiskReady(r, inputs); });
}

void TPayTableAnalysis::RiskReady(const analysis::RiskFigures& risk,
                                  const analysis::BankrollInputs& inputs) {
    m_busyRisk = false;
    m_risk = risk;
    m_riskInputs = inputs;
    ShowRisk();
    if (m_riskAgain) {
        StartRisk();
        return;
    }
    m_status->setText(ShowingList() ? "The strategy list's hold of every deal"
                                    : "The best hold of every deal; where holds tie, the one "
                                      "with the smaller variance");
}

void TPayTableAnalysis::ShowPlay() {
    const analysis::PlayFigures* play = Play();
    if (!play) return;
    const double hit = play->hitFrequency;
    m_summary->setText(
        QString("Return %1\nVariance %2  (standard deviation %3)\nHit frequency %4  (1 in %5)\n"
                "Deal variance %6  (shared by the lines of a deal)")
            .arg(Percent(play->payback, 4))
            .arg(play->variance, 0, 'f', 3)
            .arg(play->deviation, 0, 'f', 3)
            .arg(Percent(hit))
            .arg(hit > 0 ? 1 / hit : 0, 0, 'f', 2)
            .arg(play->dealVariance, 0, 'f', 3));

    const auto names = CategoryNamesFor(m_table.game);
    m_hands->setRowCount(static_cast<int>(play->categories.size()));
    QStringList barNames;
    auto* bars = new QBarSet("Share of the return");
    for (int r = 0; r < static_cast<int>(play->categories.size()); ++r) {
        const analysis::CategoryFigures& c = play->categories[static_cast<std::size_t>(r)];
        const QString name = Text(names[static_cast<std::size_t>(c.category)].statisticsName);
        const QString cells[] = {
            name,
            QString::number(c.pays),
            QString::number(c.probability, 'f', 8),
            c.cycle > 0 ? QLocale(QLocale::English).toString(c.cycle, 'f', 1) : "never",
            QString::number(c.contribution, 'f', 6),
        };
        for (int col = 0; col < 5; ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            if (col > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_hands->setItem(r, col, item);
        }
        if (c.pays > 0) {
            barNames.prepend(name);
            bars->insert(0, c.contribution * 100);
        }
    }

    QChart* chart = FreshChart(m_returnChart);
    chart->legend()->hide();
    auto* series = new QHorizontalBarSeries;
    series->append(bars);
    series->setLabelsVisible(true);
    series->setLabelsFormat("@value");
    series->setLabelsPrecision(3);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    bars->setColor(kNavy);
    bars->setLabelColor(Qt::black);
    bars->setLabelFont(ui::SansFont(9));
    chart->addSeries(series);
    auto* names_ = new QBarCategoryAxis;
    names_->append(barNames);
    names_->setLabelsFont(ui::SansFont(10));
    chart->addAxis(names_, Qt::AlignLeft);
    series->attachAxis(names_);
    auto* share = ValueAxis("per cent of each bet", "%.0f");
    chart->addAxis(share, Qt::AlignBottom);
    series->attachAxis(share);
    // Room for the label of the longest bar.
    double longest = 0;
    for (int i = 0; i < bars->count(); ++i) longest = std::max(longest, bars->at(i));
    share->setRange(0, longest * 1.15);
    share->applyNiceNumbers();
}

void TPayTableAnalysis::ShowRisk() {
    if (!m_risk) return;
    const analysis::RiskFigures& r = *m_risk;
    const analysis::BankrollInputs& in = m_riskInputs;
    const double totalBet = r.totalBet;
    QString text = QString("Variance per total bet %1 (%2 credits a deal)\n")
                       .arg(r.lineVariance, 0, 'f', 3)
                       .arg(totalBet, 0, 'f', 0);
    text += QString("Lifetime ruin %1").arg(Percent(r.lifetimeRuin));
    if (in.cashback > 0) text += QString(" with %1 % cashback").arg(in.cashback, 0, 'f', 2);
    if (std::isfinite(r.bankrollFor[0]))
        text += QString("\nBankroll for 1 % ruin %1, 5 % %2, 10 % %3 credits\n")
                    .arg(CreditsText(r.bankrollFor[0]), CreditsText(r.bankrollFor[1]),
                         CreditsText(r.bankrollFor[2]));
    else
        text += "\nNo bankroll lasts for ever: the game does not gain\n";
    const analysis::SessionPoint& end = r.session.points.back();
    text += QString("Session of %1 hands: ruin %2\n")
                .arg(QLocale(QLocale::English).toString(in.hands))
                .arg(Percent(r.session.ruin));
    text += QString("Result: median %1, 5 %: %2, 95 %: %3 credits")
                .arg(end.median * totalBet, 0, 'f', 0)
                .arg(end.low * totalBet, 0, 'f', 0)
                .arg(end.high * totalBet, 0, 'f', 0);
    m_ruin->setText(text);

    // Lifetime ruin against the bankroll, the bankroll given marked.
    {
        QChart* chart = FreshChart(m_ruinChart);
        chart->legend()->hide();
        auto* curve = new QLineSeries;
        curve->setColor(kMaroon);
        const auto points = analysis::RuinCurve(r, static_cast<double>(in.bankroll), kCurvePoints);
        for (const analysis::CurvePoint& p : points) curve->append(p.bankroll, 100 * p.ruin);
        auto* mark = new QScatterSeries;
        mark->setColor(kNavy);
        mark->setMarkerSize(9);
        mark->append(static_cast<double>(in.bankroll), 100 * r.lifetimeRuin);
        chart->addSeries(curve);
        chart->addSeries(mark);
        auto* xAxis = ValueAxis("bankroll (credits)", "%.0f");
        xAxis->setRange(0, points.back().bankroll);
        xAxis->applyNiceNumbers();
        auto* yAxis = ValueAxis("lifetime ruin (%)", "%.0f");
        yAxis->setRange(0, 100);
        chart->addAxis(xAxis, Qt::AlignBottom);
        chart->addAxis(yAxis, Qt::AlignLeft);
        for (QAbstractSeries* s :
             {static_cast<QAbstractSeries*>(curve), static_cast<QAbstractSeries*>(mark)}) {
            s->attachAxis(xAxis);
            s->attachAxis(yAxis);
        }
    }
    // The spread of the session's results over its hands.
    {
        QChart* chart = FreshChart(m_sessionChart);
        chart->legend()->setAlignment(Qt::AlignTop);
        struct Line {
            const char* name;
            double analysis::SessionPoint::*field;
            QColor colour;
        };
        const Line lines[] = {{"95th percentile", &analysis::SessionPoint::high, QColor(0, 128, 0)},
                              {"median", &analysis::SessionPoint::median, kNavy},
                              {"5th percentile", &analysis::SessionPoint::low, kMaroon}};
        double low = 0, high = 0;
        auto* xAxis = ValueAxis("hands played", "%.0f");
        xAxis->setRange(0, in.hands);
        xAxis->applyNiceNumbers();
        auto* yAxis = ValueAxis("result (credits)", "%.0f");
        chart->addAxis(xAxis, Qt::AlignBottom);
        chart->addAxis(yAxis, Qt::AlignLeft);
        for (const Line& line : lines) {
            auto* s = new QLineSeries;
            s->setName(line.name);
            s->setColor(line.colour);
            for (const analysis::SessionPoint& p : r.session.points) {
                const double v = p.*line.field * totalBet;
                s->append(p.hand, v);
                low = std::min(low, v);
                high = std::max(high, v);
            }
            chart->addSeries(s);
            s->attachAxis(xAxis);
            s->attachAxis(yAxis);
        }
        yAxis->setRange(low, std::max(high, low + 1));
        yAxis->applyNiceNumbers();
    }
}

void RegisterPayTableAnalysis() {
    Windows().payTableAnalysis = [](TVantaSession& session, QWidget* parent, int game, int payTable,
                                    int coins, const NamedPayTable* named) {
        if (!IsValidGame(game)) return;
        session.PlayEffect(kEffectClick);
        const int choice = payTable ? 1 : 0;
        coins = std::clamp(coins, 1, 5);
        const analysis::TableInForce table =
            named ? analysis::TableInForce{game, -1, named->pays, coins}
                  : analysis::TableInForce{game, choice, BuiltInSchedule(game, choice), coins};
        TPayTableAnalysis window(
            table, named ? Text(named->name) : Text(PayTableShortName(game, choice)), parent);
        window.exec();
    };
}

} // namespace quintaro
