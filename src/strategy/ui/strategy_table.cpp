// The strategy list before any Qt header: its field "slots" is a Qt keyword macro.
#include "generate/generated_list.h"
#include "generate/list_return.h"
#include "strategy/strategy_list.h"

#include "strategy/ui/strategy_table.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QThreadPool>
#include <QTimer>

#include <map>
#include <mutex>
#include <thread>

#include "components/clickable.h"
#include "components/press_button.h"
#include "components/window_kit.h"
#include "core/game_engine.h"
#include "media/embedded_fonts.h"
#include "shell/session.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/session_view.h"
#include "strategy/strategy_list.h"
#include "table/exact_figures.h"
#include "table/generated_lists.h"
#include "table/strategy_advisor.h"

namespace quintaro {

namespace {

TStrategyTable* g_instance = nullptr;

// The legend's labels and panel: any click on them hides the legend.
using ClickArea = Clickable<QLabel>;
using LegendPanel = Clickable<QFrame>;

// The black rounded rectangle of the legend.
class RoundedShape : public Clickable<QWidget> {
public:
    using Clickable::Clickable;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::black);
        p.setBrush(Qt::black);
        p.drawRoundedRect(rect().adjusted(0, 0, -1, -1), 8, 8);
    }
};

QLabel* MakeLabel(const QString& text, QWidget* parent, int x, int y, const QFont& font,
                  const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->adjustSize();
    label->move(x, y);
    return label;
}

} // namespace

TStrategyTable::TStrategyTable(TVantaSession* session, SessionView* view, QWidget* parent)
    : QDialog(parent), m_session(session), m_view(view) {
    g_instance = this;
    setObjectName("StrategyTable");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(466, 537);
    setFont(ui::SansFont(11));

    auto* header = new QFrame(this);
    header->setObjectName("Panel2");
    header->setGeometry(8, 6, 451, 50);
    header->setAutoFillBackground(true);
    QPalette hp = header->palette();
    hp.setColor(QPalette::Window, QColor(0, 0, 128));
    header->setPalette(hp);
    header->setFrameShape(QFrame::Panel);
    header->setFrameShadow(QFrame::Raised);
    auto* line1 = MakeLabel("Strategies by exact analysis of every hold of every hand", header, 0,
                            7, ui::SansFont(13, true), Qt::white);
    line1->setObjectName("Label13");
    line1->move((451 - line1->width()) / 2, 7);
    m_ackLine = new ClickArea(
        [this] {
            if (m_view && m_view->Dialogs().strategyCredit)
                m_view->Dialogs().strategyCredit->exec();
        },
        "Quintaro Strategy Tables - click here for the acknowledgement", header);
    m_ackLine->setObjectName("Label14");
    m_ackLine->setFont(ui::SansFont(12, true));
    QPalette yp = m_ackLine->palette();
    yp.setColor(QPalette::WindowText, QColor(255, 255, 0));
    m_ackLine->setPalette(yp);
    m_ackLine->adjustSize();
    m_ackLine->move((451 - m_ackLine->width()) / 2, 27);

    const QFont headFont = ui::SansFont(13, true);
    MakeLabel("Rank", this, 26, 58, headFont, Qt::black)->setObjectName("Label1");
    MakeLabel("Name", this, 107, 58, headFont, Qt::black)->setObjectName("Label2");
    MakeLabel("Expected Value", this, 340, 58, headFont, Qt::black)->setObjectName("Label3");

    m_list = new QListWidget(this);
    m_list->setObjectName("ListBox1");
    // A fixed-pitch face built into the program keeps the columns aligned everywhere.
    // Its size lets one line fit the 12-pixel item height, and its spacing gives the
    // 8-pixel pitch that puts the values under their heading.
    QFont fixed = EmbeddedFont(kFixedFamily, 11);
    const qreal advance = QFontMetricsF(fixed).horizontalAdvance(QLatin1Char('0'));
    fixed.setLetterSpacing(QFont::AbsoluteSpacing, 8.0 - advance);
    m_list->setFont(fixed);
    m_list->setUniformItemSizes(true);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setStyleSheet("QListWidget::item { padding: 0px; margin: 0px; }");
    m_list->setGeometry(8, 77, 451, kListHeight);

    // The returns of the pay table, in the strip between the list and the buttons.
    m_returns = new QLabel(this);
    m_returns->setObjectName("LbReturns");
    m_returns->setFont(ui::SansFont(11, true));
    m_returns->setAlignment(Qt::AlignCenter);
    m_returns->setGeometry(8, 489, 451, 13);

    m_legend = new LegendPanel([this] { LegendClick(); }, this);
    m_legend->setObjectName("Panel1");
    m_legend->setGeometry(8, 423, 451, 70);
    m_legend->setFrameShape(QFrame::Panel);
    m_legend->setFrameShadow(QFrame::Raised);
    const QFont legendFont = ui::SansFont(12, true);
    auto click = [this] { LegendClick(); };
    const char* left[] = {"ST = Straight", "FL = Flush", "STFL = Straight Flush", "s = same suit"};
    for (int i = 0; i < 4; ++i) {
        auto* l = new ClickArea(click, left[i], m_legend);
        l->setFont(legendFont);
        l->adjustSize();
        l->move(10, 4 + 16 * i);
    }
    auto* shape = new RoundedShape(click, m_legend);
    shape->setObjectName("Shape1");
    shape->setGeometry(146, 4, 296, 62);
    const char* right[] = {"T = Ten", "J = Jack", "Q = Queen", "K = King", "A = Ace"};
    for (int i = 0; i < 5; ++i) {
        auto* l = new ClickArea(click, right[i], shape);
        l->setFont(legendFont);
        QPalette lp = l->palette();
        lp.setColor(QPalette::WindowText, QColor(255, 255, 0));
        l->setPalette(lp);
        l->adjustSize();
        // Two rows inside the shape: Ten, Jack, Queen above, King and Ace below.
        l->move(14 + 96 * (i % 3), 10 + 24 * (i / 3));
    }
    m_legend->hide();

    m_legendButton = new ui::PressButton("Legend", this);
    m_legendButton->setObjectName("Button2");
    m_legendButton->setFont(ui::SansFont(15, true));
    m_legendButton->setGeometry(106, 502, 75, 25);
    m_legendButton->setAutoDefault(false);
    connect(m_legendButton, &QPushButton::clicked, this, [this] {
        m_legend->show();
        m_returns->hide(); // the legend takes the strip of the returns while it is up
        SetListHeight(kListHeightWithLegend);
        Recentre();
    });
    // The pay table's figures beyond its return, in a window of their own.
    m_analysis = new ui::PressButton("&Analysis...", this);
    m_analysis->setObjectName("ButtonAnalysis");
    m_analysis->setFont(ui::SansFont(15, true));
    m_analysis->setGeometry(187, 502, 100, 25);
    m_analysis->setAutoDefault(false);
    connect(m_analysis, &QPushButton::clicked, this, [this] {
        if (!m_session || !Windows().payTableAnalysis) return;
        Windows().payTableAnalysis(*m_session, this, m_returnGame, m_returnChoice, m_returnCoins,
                                   m_named ? &*m_named : nullptr);
    });
    m_close = new ui::PressButton("Close", this);
    m_close->setObjectName("Button1");
    m_close->setFont(ui::SansFont(15, true));
    m_close->setGeometry(293, 502, 75, 25);
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

TStrategyTable::~TStrategyTable() {
    if (g_instance == this) g_instance = nullptr;
}

TStrategyTable* TStrategyTable::Instance() {
    return g_instance;
}

void TStrategyTable::Fill(int game, int choice, int coins, int selectedIndex,
                          const QString& gameName) {
    m_list->clear();
    setWindowTitle(
        QString::fromStdString(StrategyTableCaption(game, choice, gameName.toStdString())));
    const StrategyList& list = StrategyListFor(game, choice);
    for (const std::string& line : StrategyTableLines(list, coins)) {
        auto* item = new QListWidgetItem(QString::fromStdString(line), m_list);
        item->setSizeHint(QSize(0, kItemHeight));
    }
    m_returnGame = game;
    m_returnChoice = choice ? 1 : 0;
    m_named.reset();
    m_returnCoins = std::clamp(coins, 1, 5);
    ShowReturns();
    m_selected = (selectedIndex >= 1 && selectedIndex <= list.count) ? selectedIndex - 1 : -1;
    if (m_selected >= 0) {
        m_list->setCurrentRow(m_selected);
    } else {
        m_list->clearSelection();
        m_list->setCurrentRow(-1);
    }
}

namespace {

// Perfect play's returns of named tables at five coins, by game and pays.
struct NamedReturns {
    std::mutex mutex;
    std::map<std::pair<int, std::string>, double> found;
    std::map<std::pair<int, std::string>, bool> claimed;
};
NamedReturns& TheNamedReturns() {
    static NamedReturns r;
    return r;
}

} // namespace

void TStrategyTable::FillNamed(int game, const std::string& tableName, const PaySchedule& pays,
                               const QString& gameName, int coins, int selectedIndex) {
    m_list->clear();
    setWindowTitle("Strategy Table for (" + QString::fromStdString(tableName) + ") " + gameName);
    m_returnGame = game;
    m_returnCoins = std::clamp(coins, 1, 5);
    m_named = NamedPayTable{game, tableName, pays};
    if (const auto generated = TheGeneratedLists().Find(game, pays)) {
        for (const std::string& line : StrategyTableLines(generated->list, coins)) {
            auto* item = new QListWidgetItem(QString::fromStdString(line), m_list);
            item->setSizeHint(QSize(0, kItemHeight));
        }
        m_returns->setText(QString::fromStdString(
            ReturnCaption({generated->optimalReturn, generated->listReturn})));
        m_selected =
            selectedIndex >= 1 && selectedIndex <= generated->Count() ? selectedIndex - 1 : -1;
        m_list->setCurrentRow(m_selected);
        return;
    }
    // Looked at again until the list is ready, while the table stays open.
    QPointer<TStrategyTable> again(this);
    QTimer::singleShot(250, this, [again, game, tableName, pays, gameName, coins, selectedIndex] {
        if (again && again->isVisible() &&
            again->windowTitle().contains("(" + QString::fromStdString(tableName) + ")"))
            again->FillNamed(game, tableName, pays, gameName, coins, selectedIndex);
    });
    for (const char* line : {"   The strategy list of this pay table is not ready.",
                             "   Auto Hold, Show Mistakes and the mistake panel",
                             "   play this table perfectly meanwhile."}) {
        auto* item = new QListWidgetItem(line, m_list);
        item->setSizeHint(QSize(0, kItemHeight));
    }
    m_selected = -1;
    m_list->setCurrentRow(-1);
    const auto key = std::make_pair(game, FiveCoinPaysText(game, pays.belowFive) + "/" +
                                              FiveCoinPaysText(game, pays.atFive));
    NamedReturns& store = TheNamedReturns();
    std::lock_guard lock(store.mutex);
    if (const auto it = store.found.find(key); it != store.found.end()) {
        m_returns->setText(QString("Perfect play returns %1 %").arg(it->second * 100, 0, 'f', 4));
        return;
    }
    m_returns->setText("Working out the returns of this pay table...");
    if (store.claimed[key]) return;
    store.claimed[key] = true;
    QPointer<TStrategyTable> self(this);
    QThreadPool::globalInstance()->start([self, game, pays, key] {
        const double optimal = exact::ComputeOptimalReturn(game, pays, 5, 1);
        {
            std::lock_guard inner(TheNamedReturns().mutex);
            TheNamedReturns().found[key] = optimal;
        }
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app,
                [self, optimal] {
                    if (self)
                        self->m_returns->setText(
                            QString("Perfect play returns %1 %").arg(optimal * 100, 0, 'f', 4));
                },
                Qt::QueuedConnection);
    });
}

void TStrategyTable::ShowStrategyTable(const GameEngine& engine, int selectedIndex) {
    if (engine.NamedTableInForce()) {
        std::string_view name =
            m_session ? m_session->GameName(engine.game) : GameInfoFor(engine.game).name;
        FillNamed(engine.game, engine.payTableName, engine.ScheduleInForce(),
                  QString::fromUtf8(name.data(), static_cast<int>(name.size())),
                  StrategyTableCoins(engine), selectedIndex);
        exec();
        return;
    }
    ShowStrategyTable(engine.game, engine.altPayTable, StrategyTableCoins(engine), selectedIndex);
}

void TStrategyTable::ShowStrategyTable(int game, int choice, int coins, int selectedIndex) {
    std::string_view name = GameInfoFor(game).windowName;
    Fill(game, choice, coins, selectedIndex,
         QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    exec();
}

void TStrategyTable::ShowReturns() {
    const int game = m_returnGame, choice = m_returnChoice, coins = m_returnCoins;
    if (const auto r = TheReturnStore().Find(game, choice, coins)) {
        m_returns->setText(QString::fromStdString(ReturnCaption(*r)));
        return;
    }
    m_returns->setText("Working out the returns of this pay table...");
    if (!TheReturnStore().Claim(game, choice, coins)) return;
    // Every deal of the pay table is valued on a worker, leaving a core for the
    // window; the table that is open when the figures arrive shows them.
    QThreadPool::globalInstance()->start([game, choice, coins] {
        const unsigned cores = std::thread::hardware_concurrency();
        const exact::PayTableReturn r =
            ListReturn(game, choice, coins, cores > 1 ? static_cast<int>(cores) - 1 : 1);
        TheReturnStore().Store(game, choice, coins, r);
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app,
                [] {
                    if (TStrategyTable* table = TStrategyTable::Instance()) table->ShowReturns();
                },
                Qt::QueuedConnection);
    });
}

int TStrategyTable::TopLine() const {
    return m_list->verticalScrollBar()->value();
}

void TStrategyTable::SetListHeight(int height) {
    m_list->setGeometry(8, 77, 451, height);
}

void TStrategyTable::Recentre() {
    const int top =
        StrategyTableTopLine(m_selected, m_list->count(), m_list->height(), kItemHeight);
    m_list->verticalScrollBar()->setValue(top);
}

void TStrategyTable::HideLegend() {
    m_legend->hide();
    m_returns->show();
    SetListHeight(kListHeight);
    Recentre();
}

void TStrategyTable::LegendClick() {
    ui::PlayEffect(kEffectClick);
    HideLegend();
}

void TStrategyTable::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::CentreOnScreen(this);
    HideLegend();
}

} // namespace quintaro
