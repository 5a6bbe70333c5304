#include "table/ui/game_screen.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QThreadPool>
#include <QToolTip>

#include <cmath>

#include "components/clickable.h"
#include "components/press_button.h"
#include "components/window_kit.h"
#include "core/hand_names.h"
#include "core/pay_table.h"
#include "media/embedded_fonts.h"
#include "media/sheet_geometry.h"
#include "media/sheet_loader.h"
#include "shell/pay_table_file.h"
#include "shell/session.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/session_view.h"
#include "table/exact_figures.h"
#include "table/generated_lists.h"
#include "table/strategy_advisor.h"

namespace quintaro {

namespace {

using ui::kMaroon;
using ui::kYellow;
using ui::SetTextColour;
using ui::Text;

constexpr int kBackgroundColour = 482356; // dark green, 0x00BBGGRR
using ui::kPurple;
using ui::kRed;
using ui::kSilver;

// Row tops inside the pay-table panel: category 1 at the bottom (196), the top
// category at 9, the others evenly between.
int RowTop(int category, int rows) {
    if (rows <= 1) return 196;
    return static_cast<int>(std::lround(196.0 - (category - 1) * (187.0 / (rows - 1))));
}

void SetBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

// A box that shows one picture at its top-left corner over a plain colour.
class PictureBox : public QFrame {
public:
    PictureBox(QWidget* parent, const QImage& image, const QColor& background)
        : QFrame(parent), m_image(image), m_background(background) {}
    void SetImage(const QImage& image) {
        m_image = image;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), m_background);
        p.drawImage(0, 0, m_image);
    }

private:
    QImage m_image;
    QColor m_background;
};

// A picture that opens the bills dialog when clicked.
using ClickPicture = Clickable<PictureBox>;

// The card area: painting and mouse input go to the screen and its round.
class CardArea : public QWidget {
public:
    explicit CardArea(TGameScreen* screen) : QWidget(screen), m_screen(screen) {
        setObjectName("PntBoxCards");
        setMouseTracking(true);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        m_screen->PntBoxCardsPaint(p);
    }
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint pt = event->position().toPoint();
        m_screen->Round().CardsMouseDown(pt.x(), pt.y(), event->button() == Qt::LeftButton);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint pt = event->position().toPoint();
        const bool hand = m_screen->Round().CardsMouseMove(
            pt.x(), pt.y(), (event->buttons() & Qt::LeftButton) != 0);
        setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }

private:
    TGameScreen* m_screen;
};

} // namespace

// The session seam of this screen: the game help stops the blink timer while it is up.
class TGameScreen::Port : public SessionRoundPort {
public:
    Port(TVantaSession& session, TGameScreen& screen)
        : SessionRoundPort(session), m_screen(screen) {}
    void ShowGameHelp() override {
        m_screen.m_timer.stop();
        SessionRoundPort::ShowGameHelp();
        m_screen.m_timer.start();
    }

private:
    TGameScreen& m_screen;
};

void ShadowCaption::SetText(const QString& text) {
    front->setText(text);
    shadow->setText(text);
    front->adjustSize();
    shadow->adjustSize();
}

void ShadowCaption::SetVisible(bool visible) {
    shadow->setVisible(visible);
    front->setVisible(visible);
}

bool ShadowCaption::IsVisible() const {
    return front->isVisibleTo(front->parentWidget());
}

TGameScreen::TGameScreen(int game, const GameScreenContext& context, QWidget* parent)
    : QDialog(parent), m_game(game), m_session(context.session), m_view(context.view) {
    setObjectName(Text(GameInfoFor(game).screenClass));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(Text(GameInfoFor(game).titleCaption));
    setFixedSize(800, 600);
    setFocusPolicy(Qt::StrongFocus);
    SetBackground(this, ui::FromColorRef(kBackgroundColour));

    // The scheme's part for game screens.
    if (auto dir = m_session.GameSchemeDirectory()) {
        m_schemeDir = *dir;
        m_scheme = ReadGameScheme(LoadSchemeIni(*dir));
    }

    m_port = std::make_unique<Port>(m_session, *this);
    m_round = std::make_unique<TableRound>(MakeGameEngine(game), *m_port, *this, &m_advisor,
                                           &m_session.Settings(), m_scheme.centreWinPanel);
    m_round->SetDecisionPort(&m_session.Decisions());
    m_session.Decisions().SetListFinder(
        [](int g, const PaySchedule& pays) { return TheGeneratedLists().Find(g, pays); });
    m_round->SetPayTableBook(&ThePayTableBook());
    m_advisor.UseGeneratedLists(&TheGeneratedLists());
    // A run ended from outside while this screen is open writes its section too.
    m_session.SetOpenGameWriter([this] { return m_round->Close(); });
    LoadArt();
    BuildLayout();
    BuildMenu();

    // The exact engine's tables for this game are built on a worker now, so the
    // first hand is analysed at once; a hand that comes first builds what it needs.
    if (!exact::IsPrepared(game))
        QThreadPool::globalInstance()->start([game] { exact::Prepare(game); });

    m_session.AttachDisplays(m_creditBox, m_winBox, m_barBox);
    m_session.DrawCreditMeter();
    m_round->Open();
    WarmNamedList();
    PopupMenu1Popup();

    m_timer.setInterval(500);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_round->Timer1Timer(); });
    m_timer.start();
    ui::CentreOnScreen(this);
}

TGameScreen::~TGameScreen() {
    m_timer.stop();
    m_session.SetOpenGameWriter({});
    // A closed screen let go of the displays already, and the menu may have bound its
    // own since; only a screen destroyed without closing still holds them.
    if (!m_closing) m_session.AttachDisplays(nullptr, nullptr, nullptr);
}

QWidget* TGameScreen::ButtonsBox() const {
    return m_barBox;
}
QWidget* TGameScreen::CreditBox() const {
    return m_creditBox;
}

QString TGameScreen::CreditHint() const {
    return QString::fromStdString(FormatCreditMoney(m_session.Credits, m_session.CreditValue));
}

void TGameScreen::LoadArt() {
    using sheets::Sheet;
    SheetLoader& loader = SheetLoader::Instance();
    m_cardSheet = loader.Image(Sheet::PokerGraphics, m_schemeDir);
    m_rankSheet = loader.Image(Sheet::CrdValue, m_schemeDir);
    m_mask = loader.Image(Sheet::Mask);
    const QImage tile = loader.Image(Sheet::ScreenTiles, m_schemeDir);
    m_skin = QImage(792, 592, QImage::Format_RGB32);
    m_skin.fill(ui::FromColorRef(kBackgroundColour));
    if (!tile.isNull() && tile.width() > 0 && tile.height() > 0) {
        QPainter p(&m_skin);
        for (int y = 0; y < 592; y += tile.height())
            for (int x = 0; x < 792; x += tile.width()) p.drawImage(x, y, tile);
    }
}

QLabel* TGameScreen::Label(QWidget* parent, const QString& text, int x, int y, const QFont& font,
                           const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    SetTextColour(label, colour);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->adjustSize();
    label->move(x, y);
    return label;
}

ShadowCaption TGameScreen::Caption(const QString& text, int x, int y, int shadowOffset,
                                   const QFont& font, const QColor& front, const QColor& shadow) {
    ShadowCaption c;
    c.shadow = Label(this, text, x + shadowOffset, y + shadowOffset, font, shadow);
    c.front = Label(this, text, x, y, font, front);
    return c;
}

void TGameScreen::BuildLayout() {
    using sheets::Sheet;
    SheetLoader& loader = SheetLoader::Instance();
    const QColor holdFront =
        m_scheme.holdFontColour ? ui::FromColorRef(*m_scheme.holdFontColour) : kSilver;
    const QColor holdShadow =
        m_scheme.holdShadowColour ? ui::FromColorRef(*m_scheme.holdShadowColour) : Qt::black;

    BuildPayPanel();

    // HELD captions above the cards.
    const QFont heldFont = ui::SansFont(16, true);
    for (int i = 0; i < 5; ++i) {
        m_heldCaptions[static_cast<std::size_t>(i)] =
            Caption("HELD", 80 + 145 * i, 243, 1, heldFont, holdFront, holdShadow);
        m_heldCaptions[static_cast<std::size_t>(i)].front->setObjectName(
            QString("LbHeld%1").arg(i));
        m_heldCaptions[static_cast<std::size_t>(i)].shadow->move(81 + 145 * i, 245);
        m_heldCaptions[static_cast<std::size_t>(i)].SetVisible(false);
    }

    m_cards = new CardArea(this);
    m_cards->setGeometry(46, 271, 700, 180);

    // The win caption panel over the lower part of the cards.
    m_panelCenter =
        new PictureBox(this, loader.Image(Sheet::WinPanelImage, m_schemeDir), Qt::black);
    m_panelCenter->setObjectName("PanelCenter");
    m_panelCenter->setGeometry(149, 381, 493, 38);
    const QColor winFront =
        m_scheme.winPanelFontColour ? ui::FromColorRef(*m_scheme.winPanelFontColour) : kYellow;
    const QColor winShadow = m_scheme.winPanelShadowColour
                                 ? ui::FromColorRef(*m_scheme.winPanelShadowColour)
                                 : QColor(Qt::black);
    const QFont winFont = EmbeddedFont(kSerifFamily, 24, QFont::Bold);
    m_winCaption.shadow = Label(m_panelCenter, "", 2, 2, winFont, winShadow);
    m_winCaption.front = Label(m_panelCenter, "", 0, 0, winFont, winFront);
    m_winCaption.front->setObjectName("LbWinCaption");
    m_winCaption.shadow->setObjectName("LbWinShadCaption");
    for (QLabel* l : {m_winCaption.shadow, m_winCaption.front}) {
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(l == m_winCaption.front ? 0 : 2, l == m_winCaption.front ? 2 : 4, 493, 32);
    }
    m_panelCenter->hide();

    // Win meter panel.
    auto* panel25 = new QFrame(this);
    panel25->setObjectName("Panel25");
    panel25->setGeometry(38, 463, 248, 49);
    SetBackground(panel25, Qt::black);
    m_winPicture = new QLabel(panel25);
    m_winPicture->setObjectName("PntBoxImagewinPoker");
    m_winPicture->setPixmap(QPixmap::fromImage(loader.Image(Sheet::Win1, m_schemeDir)));
    m_winPicture->setGeometry(3, 3, 86, 41);
    m_winPicture->hide();
    m_winBox = new WinMeterBox(m_view.Sheets(), panel25);
    m_winBox->setObjectName("PaintBoxWin");
    m_winBox->setGeometry(91, 3, 152, 41);
    m_winBox->SetBackground(Qt::black);
    m_winBox->hide();
    const QFont infoFont = ui::SansFont(15, true);
    m_info1 = Label(panel25, "Play 1 to 5 Credits", 0, 6, infoFont, kYellow);
    m_info1->setObjectName("LbInfo1");
    m_info1->move((248 - m_info1->width()) / 2, 6);
    m_info2 = Label(panel25, "Right-click for Options", 0, 26, infoFont, kYellow);
    m_info2->setObjectName("LbInfo2");
    m_info2->move((248 - m_info2->width()) / 2, 26);
    m_info1->hide();
    m_info2->hide();

    // Credit meter panel.
    auto* panel27 = new QFrame(this);
    panel27->setObjectName("Panel27");
    panel27->setGeometry(389, 463, 371, 49);
    SetBackground(panel27, Qt::black);
    m_creditBox = new CreditMeterBox(m_view.Sheets(), panel27);
    m_creditBox->setObjectName("PntBoxCreditValue");
    m_creditBox->setGeometry(2, 3, 165, 42);
    m_creditBox->SetBackground(Qt::black);
    m_creditBox->setCursor(Qt::PointingHandCursor);
    m_creditBox->installEventFilter(this);
    connect(m_creditBox, &CreditMeterBox::Clicked, this,
            [this] { RunCommand([this] { m_round->InsertBills1Click(); }); });
    auto* creditsPicture =
        new ClickPicture([this] { RunCommand([this] { m_round->InsertBills1Click(); }); }, panel27,
                         loader.Image(Sheet::Credits1, m_schemeDir), Qt::black);
    creditsPicture->setObjectName("PntBoxImageCredits");
    creditsPicture->setGeometry(166, 4, 201, 40);
    creditsPicture->setToolTip("Click to insert money");

    // BET caption and count.
    const QFont betFont = ui::SansFont(16, false);
    m_betCaption = Caption("BET", 320, 470, 2, betFont, holdFront, holdShadow);
    m_betCount = Caption("0", 332, 486, 2, betFont, holdFront, holdShadow);
    m_betCount.front->setObjectName("LbBet");
    m_betCount.shadow->setObjectName("LbBetShadow");

    m_barBox = new ButtonBarBox(m_view.Sheets(), this);
    m_barBox->setObjectName("PntBoxButtons");
    m_barBox->setGeometry(21, 526, 755, 28);
    m_barBox->setMouseTracking(true);
    m_barBox->installEventFilter(this);

    const QFont statusFont = ui::SansFont(15, true);
    m_playMode = Caption("", 20, 562, 1, statusFont, holdFront, holdShadow);
    m_playMode.front->setObjectName("PlayMode");
    m_playMode.shadow->setObjectName("PlayModeS");
    m_gameName = Caption(Text(GameInfoFor(m_game).titleCaption), 357, 562, 1, statusFont, holdFront,
                         holdShadow);
    m_gameName.front->setObjectName("GameName");
    m_gameName.shadow->setObjectName("GameNameShadow");
    m_gameStatus = Caption("Game Over", 681, 562, 1, statusFont, holdFront, holdShadow);
    m_gameStatus.front->setObjectName("LbGameStatus");
    m_gameStatus.shadow->setObjectName("LbGameStatusShadow");
    m_gameStatus.SetVisible(false);

    BuildMistakePanel();
}

void TGameScreen::BuildPayPanel() {
    using sheets::Sheet;
    SheetLoader& loader = SheetLoader::Instance();
    auto* pays = new PictureBox(this, loader.Image(Sheet::PaysPnlImage, m_schemeDir), Qt::black);
    pays->setObjectName("PaysPanel");
    pays->setGeometry(47, 11, 239, 220);
    const int lefts[] = {289, 365, 441, 517, 593};
    for (int k = 1; k <= 5; ++k) {
        auto* column = new QFrame(this);
        column->setObjectName(QString("PanelCoin%1").arg(k));
        column->setGeometry(lefts[k - 1], 11, k == 5 ? 152 : 74, 220);
        SetBackground(column, Qt::black);
        m_coinPanels[static_cast<std::size_t>(k)] = column;
    }
    const QFont rowFont = EmbeddedFont(kSerifFamily, 16, QFont::Bold);
    const auto names = CategoryNamesFor(m_game);
    const int rows = m_round->RowCount();
    for (int c = 1; c <= rows; ++c) {
        const int top = RowTop(c, rows);
        QLabel* caption = Label(pays, Text(names[static_cast<std::size_t>(c)].rowCaption), 6, top,
                                rowFont, kYellow);
        caption->setObjectName(QString("LbP%1").arg(c));
        m_rowCaptions[static_cast<std::size_t>(c)] = caption;
        for (int k = 1; k <= 5; ++k) {
            QFrame* column = m_coinPanels[static_cast<std::size_t>(k)];
            QLabel* cell = Label(column, "", 0, top, rowFont, kYellow);
            cell->setObjectName(QString("Lb%1%2").arg(k).arg(c));
            cell->setAlignment(Qt::AlignRight | Qt::AlignTop);
            cell->setGeometry(0, top, column->width() - 8, 20);
            m_cells[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)] = cell;
        }
    }
}

void TGameScreen::BuildMistakePanel() {
    m_panel5 = new QFrame(this);
    m_panel5->setObjectName("Panel5");
    m_panel5->setGeometry(16, 457, 763, 96);
    SetBackground(m_panel5, kPurple);
    m_panel5->setFrameShape(QFrame::Panel);
    m_panel5->setFrameShadow(QFrame::Sunken);
    m_panel5->setLineWidth(2);
    const QFont warnFont = ui::SansFont(16, true);
    const int lefts[] = {64, 209, 354, 499, 644};
    for (int i = 0; i < 5; ++i) {
        ShadowCaption& w = m_warnLabels[static_cast<std::size_t>(i)];
        w.shadow = Label(m_panel5, "HOLD", lefts[i] + 1, 3, warnFont, Qt::black);
        w.front = Label(m_panel5, "HOLD", lefts[i], 2, warnFont, kRed);
        w.front->setObjectName(QString("LbWarn%1").arg(i));
        w.shadow->setObjectName(QString("LbWarnShd%1").arg(i));
        w.SetVisible(false);
    }
    const QFont infoFont = ui::SansFont(12, true);
    m_strategyName = Label(m_panel5, "", 29, 32, infoFont, kYellow);
    m_strategyName->setObjectName("StrategyName");
    Label(m_panel5, "Rank:", 29, 50, infoFont, kYellow);
    m_strategyRank = Label(m_panel5, "", 69, 50, infoFont, kYellow);
    m_strategyRank->setObjectName("StrategyRank");
    Label(m_panel5, "Expected Value:", 29, 68, infoFont, kYellow);
    m_strategyEV = Label(m_panel5, "", 129, 68, infoFont, kYellow);
    m_strategyEV->setObjectName("StrategyEV");
    // The exact figures: two short lines right of the entry name, above the buttons.
    m_figures = Label(m_panel5, "", 280, 24, ui::SansFont(11, true), kYellow);
    m_figures->setObjectName("MistakeFigures");
    m_verdict = Label(m_panel5, "", 280, 36, ui::SansFont(11, true), Qt::white);
    m_verdict->setObjectName("MistakeVerdict");

    auto button = [this](const char* name, const QString& text, int x) {
        auto* b = new ui::PressButton(text, m_panel5);
        b->setObjectName(name);
        b->setGeometry(x, 49, 153, 33);
        b->setFont(ui::SansFont(13, true));
        b->setStyleSheet("QPushButton { color: #ff0000; }");
        b->setAutoDefault(false);
        return b;
    };
    m_tableButton = button("BitBtn3", "Strategy Table...", 232);
    m_continue = button("BitBtn1", "Continue", 404);
    m_cancel = button("BitBtn2", "Cancel", 576);
    m_continue->setDefault(true);
    connect(m_tableButton, &QPushButton::clicked, this, [this] { m_round->StrategyTableClick(); });
    connect(m_continue, &QPushButton::clicked, this, [this] {
        m_round->ContinueClick();
        PopupMenu1Popup();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_round->CancelClick(); });
    m_panel5->hide();
}

QAction* TGameScreen::Action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

void TGameScreen::BuildMenu() {
    m_menu = new QMenu(this);
    m_menu->setObjectName("PopupMenu1");
    auto add = [this](QMenu* menu, const char* name, const QString& caption,
                      const QKeySequence& key, std::function<void()> action) {
        QAction* a = ui::AddCommand(this, menu, name, caption, key);
        connect(a, &QAction::triggered, this, [this, action] { RunCommand(action); });
        return a;
    };
    // Commands that change the hand or its holds wait while the mistake panel is up.
    auto addHandCommand = [this](QMenu* menu, const char* name, const QString& caption,
                                 const QKeySequence& key, std::function<void()> action) {
        QAction* a = ui::AddCommand(this, menu, name, caption, key);
        connect(a, &QAction::triggered, this, [this, action] { RunCommand(action, true); });
        return a;
    };
    add(m_menu, "InsertBills1", "&Insert Bills...", Qt::Key_F2,
        [this] { m_round->InsertBills1Click(); });
    add(m_menu, "BuildHand1", "Build Hand...", Qt::Key_F8,
        [this] { WithTimerOff([this] { m_session.ShowHandBuilder(); }); });
    add(m_menu, "StrategyTable1", "Strategy Table...", Qt::Key_F9,
        [this] { m_round->StrategyTableCommand(); });
    add(m_menu, "PayTableAnalysis1", "Pay Table Analysis...", QKeySequence(), [this] {
        if (!Windows().payTableAnalysis) return;
        const GameEngine& e = m_round->Engine();
        WithTimerOff([this, &e] {
            const NamedPayTable named{e.game, e.payTableName, e.ScheduleInForce()};
            Windows().payTableAnalysis(m_session, this, m_game, e.altPayTable ? 1 : 0,
                                       StrategyTableCoins(e),
                                       e.NamedTableInForce() ? &named : nullptr);
        });
    });
    add(m_menu, "HoldValues1", "Hold Values...", Qt::Key_F11,
        [this] { m_round->HoldValuesCommand(); });
    add(m_menu, "StatisticsPage1", "Statistics Page...", Qt::Key_F10, [this] {
        if (m_round->StatisticsEnabled()) m_session.ShowStatistics();
    });
    add(m_menu, "Mistakes1", "Mistakes...", QKeySequence(), [this] {
        if (!Windows().mistakes) return;
        WithTimerOff([this] { Windows().mistakes(m_session, m_view, this, m_game); });
    });
    add(m_menu, "TrainingProgress1", "Training Progress...", QKeySequence(), [this] {
        if (!Windows().trainingProgress) return;
        WithTimerOff([this] { Windows().trainingProgress(m_session, m_view, this); });
    });
    add(m_menu, "PracticeDrill1", "Practice &Drill...", QKeySequence(Qt::Key_F12), [this] {
        // The drill deals hands of its own: between rounds only.
        if (!m_round->GameOverOnly() || !Windows().practiceDrill) return;
        WithTimerOff([this] {
            const GameEngine& e = m_round->Engine();
            const std::optional<NamedPayTable> named =
                e.NamedTableInForce()
                    ? std::optional<NamedPayTable>({e.game, e.payTableName, e.ScheduleInForce()})
                    : std::nullopt;
            Windows().practiceDrill(m_session, m_view, this, m_game, e.altPayTable ? 1 : 0,
                                    named ? &*named : nullptr);
        });
    });
    m_menu->addSeparator()->setObjectName("N2");
    add(m_menu, "FastCredits1", "Fast Credits", Qt::Key_F3, [this] {
        m_session.PlayEffect(kEffectClick);
        m_session.FastCredits = !m_session.FastCredits;
    })->setCheckable(true);
    add(m_menu, "Sound_On_Off", "&Sound", Qt::Key_F4, [this] {
        m_session.Sound = !m_session.Sound;
        m_session.PlayEffect(kEffectClick);
    })->setCheckable(true);

    QMenu* modes = m_menu->addMenu("Playing Modes");
    modes->menuAction()->setObjectName("PlayingModes1");
    auto* modeGroup = new QActionGroup(this);
    auto mode = [&](const char* name, const char* caption, Qt::Key key, PlayMode m) {
        QAction* a = addHandCommand(modes, name, caption, key, [this, m] {
            if (m_round->GameOverOnly()) m_round->ChoosePlayMode(m);
        });
        a->setCheckable(true);
        modeGroup->addAction(a);
    };
    mode("AutoHold1", "Auto Hold", Qt::Key_F5, PlayMode::AutoHold);
    mode("ShowMistakes1", "Show Mistakes", Qt::Key_F6, PlayMode::ShowMistakes);
    mode("Normal1", "Normal", Qt::Key_F7, PlayMode::Normal);
    modes->addSeparator();
    addHandCommand(modes, "PerfectPlay1", "Perfect Play", QKeySequence(), [this] {
        if (m_round->GameOverOnly()) m_round->TogglePerfectPlay();
    })->setCheckable(true);

    QMenu* pays = m_menu->addMenu("Pay Tables");
    pays->menuAction()->setObjectName("PayTables1");
    auto* payGroup = new QActionGroup(this);
    for (int choice = 0; choice < 2; ++choice) {
        const char* name = m_game == kJacksOrBetter ? (choice == 0 ? "N851" : "N961")
                                                    : (choice == 0 ? "PayTable0" : "PayTable1");
        QAction* a =
            addHandCommand(pays, name, Text(PayTableMenuCaption(m_game, choice)), QKeySequence(),
                           [this, choice] { m_round->ChoosePayTable(choice); });
        a->setCheckable(true);
        payGroup->addAction(a);
    }
    m_payMenu = pays;
    m_payGroup = payGroup;
    connect(pays, &QMenu::aboutToShow, this, &TGameScreen::FillNamedTables);
    FillNamedTables();
    m_menu->addSeparator()->setObjectName("N1");
    add(m_menu, "Help1", "&Help", Qt::Key_F1,
        [this] { WithTimerOff([this] { m_session.ShowGameHelp(); }); });
    add(m_menu, "About1", "&About", QKeySequence(),
        [this] { WithTimerOff([this] { m_session.ShowAbout(); }); });
    m_menu->addSeparator()->setObjectName("N3");
    // Minimizing changes nothing of the round: it works even while a deal runs.
    QAction* minimize =
        ui::AddCommand(this, m_menu, "Minimize1", "&Minimize", QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(minimize, &QAction::triggered, this, [this] {
        m_session.PlayEffect(kEffectClick);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) w->showMinimized();
    });
    addHandCommand(m_menu, "Close1", "&Return to Menu", QKeySequence(), [this] {
        if (!m_round->CanClose()) return;
        m_session.PlayEffect(kEffectClick);
        close();
    });
    connect(m_menu, &QMenu::aboutToShow, this, &TGameScreen::PopupMenu1Popup);
}

void TGameScreen::PopupMenu1Popup() {
    if (!m_menu) return;
    const bool gameOver = m_round->GameOverOnly();
    Action("StatisticsPage1")->setEnabled(m_round->StatisticsEnabled());
    Action("PracticeDrill1")->setEnabled(gameOver);
    for (const char* name :
         {"PlayingModes1", "PayTables1", "Close1", "AutoHold1", "ShowMistakes1", "Normal1"})
        Action(name)->setEnabled(gameOver);
    Action("PerfectPlay1")->setEnabled(gameOver);
    Action("PerfectPlay1")->setChecked(m_session.PerfectPlay);
    Action("HoldValues1")->setEnabled(m_round->HoldValuesEnabled());
    for (QAction* a : findChildren<QAction*>())
        if (a->parent() == this && a->actionGroup() && a->actionGroup()->actions().size() == 2)
            a->setEnabled(gameOver);
    Action("Sound_On_Off")->setChecked(m_session.Sound);
    Action("FastCredits1")->setChecked(m_session.FastCredits);
    const char* modeItem = m_session.AutoHold       ? "AutoHold1"
                           : m_session.ShowMistakes ? "ShowMistakes1"
                                                    : "Normal1";
    Action(modeItem)->setChecked(true);
    const bool alt = m_round->Engine().altPayTable != 0;
    const char* first = m_game == kJacksOrBetter ? "N851" : "PayTable0";
    const char* second = m_game == kJacksOrBetter ? "N961" : "PayTable1";
    if (!m_round->Engine().NamedTableInForce()) Action(alt ? second : first)->setChecked(true);
    CheckNamedTable();
}

void TGameScreen::FillNamedTables() {
    // The named tables change in the editor: the items after the two built-in
    // ones are made afresh each time the submenu opens.
    const QList<QAction*> items = m_payMenu->actions();
    for (int i = 2; i < items.size(); ++i) {
        m_payMenu->removeAction(items[i]);
        items[i]->deleteLater();
    }
    m_namedTables.clear();
    const PayTableBook& book = ThePayTableBook();
    for (const NamedPayTable* t : book.OwnFor(m_game)) m_namedTables.push_back(*t);
    for (const NamedPayTable* t : CatalogueTablesFor(m_game)) m_namedTables.push_back(*t);
    if (!m_namedTables.empty()) m_payMenu->addSeparator();
    for (std::size_t i = 0; i < m_namedTables.size(); ++i) {
        QAction* a = m_payMenu->addAction(QString::fromStdString(m_namedTables[i].name));
        a->setObjectName(QString("PayTableNamed%1").arg(i));
        a->setCheckable(true);
        m_payGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] {
            RunCommand(
                [this, i] {
                    m_round->ChooseNamedTable(m_namedTables[i]);
                    WarmNamedList();
                },
                true);
        });
    }
    m_payMenu->addSeparator();
    QAction* edit = m_payMenu->addAction("Edit Pay Tables...");
    edit->setObjectName("EditPayTables1");
    connect(edit, &QAction::triggered, this, [this] {
        if (!m_round->GameOverOnly() || !Windows().payTableEditor) return;
        WithTimerOff([this] { Windows().payTableEditor(this, m_game); });
        // The table in force may have been edited or deleted: play it as it now is.
        const GameEngine& e = m_round->Engine();
        if (!e.NamedTableInForce()) return;
        if (const NamedPayTable* t = ThePayTableBook().Find(m_game, e.payTableName))
            m_round->ChooseNamedTable(*t);
        else
            m_round->ChoosePayTable(e.altPayTable);
    });
    CheckNamedTable();
}

void TGameScreen::WarmNamedList() {
    // The list is made on a worker now, so it is ready by the time it is asked for.
    const GameEngine& e = m_round->Engine();
    if (e.NamedTableInForce()) TheGeneratedLists().Find(e.game, e.ScheduleInForce());
}

void TGameScreen::CheckNamedTable() {
    const GameEngine& e = m_round->Engine();
    if (!e.NamedTableInForce()) return;
    for (std::size_t i = 0; i < m_namedTables.size(); ++i)
        if (m_namedTables[i].name == e.payTableName)
            if (QAction* a = findChild<QAction*>(QString("PayTableNamed%1").arg(i)))
                a->setChecked(true);
}

void TGameScreen::ShowNotice(const std::string& text) {
    // Not waited for: the screen may still be opening.
    auto* box = new QMessageBox(QMessageBox::Information, "Quintaro Notice",
                                QString::fromStdString(text), QMessageBox::Ok, this);
    box->setObjectName("PayTableNotice");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TGameScreen::RunCommand(const std::function<void()>& command, bool changesHand) {
    // Commands wait while a deal or draw runs; while the mistake panel is up, those
    // that would change the hand or its holds wait too.
    if (!m_round->CommandAllowed(changesHand)) return;
    command();
    PopupMenu1Popup();
}

void TGameScreen::WithTimerOff(const std::function<void()>& command) {
    m_timer.stop();
    command();
    m_timer.start();
}

// ---- card images ----------------------------------------------------------------------------

void TGameScreen::BuildCardImages() {
    for (int i = 0; i < 5; ++i) {
        const QImage under = m_skin.copy(43 + kCardPitch * i, 268, kCardWidth, kCardHeight);
        m_backs[static_cast<std::size_t>(i)] =
            ComposeThroughMask(under, m_cardSheet, sheets::kCardBack, m_mask);
        m_blanks[static_cast<std::size_t>(i)] =
            ComposeThroughMask(under, m_cardSheet, sheets::kBlankFace, m_mask);
    }
    m_firstPaint = false;
}

QImage TGameScreen::CardFace(int position, Card card) {
    if (m_firstPaint) BuildCardImages();
    QImage face = m_blanks[static_cast<std::size_t>(position)].copy();
    DrawCardParts(face, RankOf(card), SuitOf(card), m_game == kDeucesWild, m_cardSheet,
                  m_rankSheet);
    return face;
}

void TGameScreen::PntBoxCardsPaint(QPainter& painter) {
    painter.drawImage(0, 0, m_skin, 43, 268, 700, 180);
    if (m_round->State() == RoundState::Opening) return;
    if (m_firstPaint) BuildCardImages();
    for (int i = 0; i < 5; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const int x = kCardPitch * i;
        if (m_shown[s] == Shown::Back)
            painter.drawImage(x, 0, m_backs[s]);
        else if (m_shown[s] == Shown::Face)
            painter.drawImage(x, 0, CardFace(i, m_shownCards[s]));
    }
    // A repaint while the player chooses holds keeps the bar on its holding state.
    if (m_round->State() == RoundState::Holding && m_round->Holding() && m_session.BarState != 8)
        m_session.DrawButtonBar(8);
}

// ---- TableView -------------------------------------------------------------------------------

void TGameScreen::ShowCardFace(int position, Card card) {
    m_shown[static_cast<std::size_t>(position)] = Shown::Face;
    m_shownCards[static_cast<std::size_t>(position)] = card;
    m_cards->update(kCardPitch * position, 0, kCardWidth, kCardHeight);
}

void TGameScreen::ShowCardBack(int position) {
    m_shown[static_cast<std::size_t>(position)] = Shown::Back;
    m_cards->update(kCardPitch * position, 0, kCardWidth, kCardHeight);
}

void TGameScreen::ShowHeld(int position, bool held) {
    m_heldCaptions[static_cast<std::size_t>(position)].SetVisible(held);
}

QColor TGameScreen::Colour(RowColour colour) const {
    switch (colour) {
    case RowColour::Red:
        return kRed;
    case RowColour::White:
        return Qt::white;
    default:
        return kYellow;
    }
}

void TGameScreen::SetRowColour(HandCategory row, RowColour colour) {
    if (row < 1 || row > 13 || !m_rowCaptions[static_cast<std::size_t>(row)]) return;
    SetTextColour(m_rowCaptions[static_cast<std::size_t>(row)], Colour(colour));
}

void TGameScreen::SetCellColour(HandCategory row, int coins, RowColour colour) {
    if (row < 1 || row > 13 || coins < 1 || coins > 5) return;
    if (QLabel* cell = m_cells[static_cast<std::size_t>(coins)][static_cast<std::size_t>(row)])
        SetTextColour(cell, Colour(colour));
}

void TGameScreen::MarkCoinColumn(int coins, bool marked) {
    if (coins < 1 || coins > 5) return;
    QFrame* column = m_coinPanels[static_cast<std::size_t>(coins)];
    SetBackground(column, marked ? kRed : QColor(Qt::black));
    column->update();
}

namespace {

// A cell keeps the panel's font and size unless its amount is too wide for it
// (a table of one's own may pay six figures): then the font shrinks until it fits.
void FitCell(QLabel* cell, const QString& text) {
    QFont font = cell->property("panelFont").value<QFont>();
    if (font.family().isEmpty()) {
        font = cell->font();
        cell->setProperty("panelFont", font);
    }
    const int room = cell->width() - 2;
    while (font.pixelSize() > 9 && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    cell->setFont(font);
    cell->setText(text);
}

} // namespace

void TGameScreen::ShowPayCells() {
    for (int c = 1; c <= m_round->RowCount(); ++c)
        for (int k = 1; k <= 5; ++k)
            if (QLabel* cell = m_cells[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)])
                FitCell(cell, QString::number(m_round->PanelCell(c, k)));
}

void TGameScreen::ShowBet(int coins) {
    m_betCount.SetText(QString::number(coins));
}

void TGameScreen::ShowWinCaption(const std::string& text) {
    m_winCaption.front->setText(QString::fromStdString(text));
    m_winCaption.shadow->setText(QString::fromStdString(text));
    m_panelCenter->show();
    m_panelCenter->raise();
}

void TGameScreen::HideWinCaption() {
    m_panelCenter->hide();
}

void TGameScreen::ShowWinMeter(bool shown) {
    m_winPicture->setVisible(shown);
    m_winBox->setVisible(shown);
    if (shown) {
        m_session.DrawWinMeter();
        m_winPicture->repaint();
    }
}

void TGameScreen::ShowInfoLines(bool shown) {
    m_info1->setVisible(shown);
    m_info2->setVisible(shown);
}

void TGameScreen::ShowGameOver(bool shown) {
    m_gameStatus.SetVisible(shown);
    PopupMenu1Popup();
}

void TGameScreen::ShowPlayMode(const std::string& text) {
    m_playMode.SetText(QString::fromStdString(text));
}

void TGameScreen::ShowMistakePanel(const std::array<bool, 5>& holdLabels, const std::string& name,
                                   const std::string& rank, const std::string& value) {
    for (std::size_t i = 0; i < 5; ++i) m_warnLabels[i].SetVisible(holdLabels[i]);
    m_strategyName->setText(QString::fromStdString(name));
    m_strategyName->adjustSize();
    m_strategyRank->setText(QString::fromStdString(rank));
    m_strategyRank->adjustSize();
    m_strategyEV->setText(QString::fromStdString(value));
    m_strategyEV->adjustSize();
    m_panel5->show();
    m_panel5->raise();
    m_continue->setFocus();
}

void TGameScreen::HideMistakePanel() {
    m_panel5->hide();
    m_figures->clear();
    m_verdict->clear();
    setFocus();
}

void TGameScreen::ShowMistakeFigures(const MistakeFigures& figures) {
    const MistakeFigureText text = MistakeText(figures);
    m_figures->setText(QString::fromStdString(text.figures));
    m_figures->adjustSize();
    m_verdict->setText(QString::fromStdString(text.verdict));
    m_verdict->adjustSize();
}

void TGameScreen::OpenHoldValues(const HoldValuesQuery& query) {
    if (Windows().holdValues) Windows().holdValues(this, query);
}

void TGameScreen::OpenStrategyTable(bool selectCurrent) {
    if (Windows().engineStrategyTable)
        Windows().engineStrategyTable(m_session, m_view, this, m_round->Engine(),
                                      selectCurrent ? m_round->StrategyIndex() : 0);
}

void TGameScreen::AllowPopupMenu(bool allowed) {
    m_popupAllowed = allowed;
}

void TGameScreen::SetBlinkTimer(bool running) {
    if (running)
        m_timer.start();
    else
        m_timer.stop();
}

void TGameScreen::CloseScreen() {
    close();
}

void TGameScreen::Pause(int ms) {
    ui::Pause(ms);
}

void TGameScreen::ProcessMessages() {
    QCoreApplication::processEvents();
}

// ---- window events ---------------------------------------------------------------------------

void TGameScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(3, 3, m_skin);
    const QColor shape =
        m_scheme.payPanelShapeColour ? ui::FromColorRef(*m_scheme.payPanelShapeColour) : kMaroon;
    p.fillRect(40, 5, 712, 233, shape);
    ui::DrawWindowFrame(p, rect());
}

void TGameScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The meters and the bar are bound and drawn whenever the screen comes to the
    // front: their boxes start blank when they are first shown.
    m_session.AttachDisplays(m_creditBox, m_winBox, m_barBox);
    m_session.DrawCreditMeter();
    m_session.DrawWinMeter();
    m_session.DrawButtonBar(-1);
    setFocus();
}

bool TGameScreen::event(QEvent* event) {
    // Every key of this window, including those a shortcut takes (Ctrl+M) and those
    // a control of the mistake panel sees first: Control bets only on its own.
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Control)
            m_round->OtherKeyDown();
        else if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
            m_round->ControlKeyDown();
        break;
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Control && !key->isAutoRepeat()) {
            m_round->ControlKeyUp();
            PopupMenu1Popup();
            return true;
        }
        break;
    }
    case QEvent::WindowDeactivate:
        m_round->OtherKeyDown();
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void TGameScreen::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool keypad = (event->modifiers() & Qt::KeypadModifier) != 0;
    if (m_round->MistakePanelUp()) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            m_continue->click();
        else if (key == Qt::Key_Escape)
            m_cancel->click();
        return;
    }
    std::optional<TableKey> mapped;
    switch (key) {
    case Qt::Key_Z:
    case Qt::Key_N:
        mapped = TableKey::Card0;
        break;
    case Qt::Key_X:
    case Qt::Key_M:
        if (!(event->modifiers() & Qt::ControlModifier)) mapped = TableKey::Card1;
        break;
    case Qt::Key_C:
    case Qt::Key_Comma:
        mapped = TableKey::Card2;
        break;
    case Qt::Key_V:
    case Qt::Key_Period:
        mapped = TableKey::Card3;
        break;
    case Qt::Key_B:
    case Qt::Key_Slash:
        mapped = TableKey::Card4;
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
        if (keypad) mapped = static_cast<TableKey>(key - Qt::Key_1);
        break;
    case Qt::Key_Control:
        return; // bets when it goes up alone (event)
    case Qt::Key_Plus:
        if (keypad) mapped = TableKey::BetOne;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        mapped = TableKey::DealDraw;
        break;
    default:
        break;
    }
    if (!mapped) {
        event->ignore();
        return;
    }
    m_round->KeyDown(*mapped);
    PopupMenu1Popup();
}

void TGameScreen::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_popupAllowed || m_round->Busy() || m_round->MistakePanelUp()) return;
    PopupMenu1Popup();
    m_menu->exec(event->globalPos());
}

bool TGameScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_creditBox && event->type() == QEvent::ToolTip) {
        m_creditBox->setToolTip(CreditHint());
    } else if (watched == m_barBox) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* e = static_cast<QMouseEvent*>(event);
            const QPoint pt = e->position().toPoint();
            if (!m_round->MistakePanelUp())
                m_round->ButtonsMouseDown(pt.x(), pt.y(), e->button() == Qt::LeftButton);
            PopupMenu1Popup();
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            auto* e = static_cast<QMouseEvent*>(event);
            const QPoint pt = e->position().toPoint();
            m_barBox->setCursor(m_round->ButtonsMouseMove(pt.x(), pt.y()) ? Qt::PointingHandCursor
                                                                          : Qt::ArrowCursor);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TGameScreen::closeEvent(QCloseEvent* event) {
    if (!m_round->CanClose()) {
        event->ignore();
        return;
    }
    if (!m_closing) {
        m_closing = true;
        m_timer.stop();
        m_session.SetOpenGameWriter({});
        const FileResult saved = m_round->Close();
        m_session.AttachDisplays(nullptr, nullptr, nullptr);
        if (!saved)
            ui::ReportSaveFailure(this, "This game's last hand and pay table could not be saved.",
                                  saved.error);
    }
    QDialog::closeEvent(event);
}

void TGameScreen::reject() {
    // Escape does not leave the table; only a close at game over does.
    if (m_closing) QDialog::reject();
}

// ---- the nine screens ------------------------------------------------------------------------

TGameScreen* MakeGameScreen(const GameScreenContext& context, QWidget* parent) {
    switch (context.game) {
    case 0:
        return new TDrawPoker(context, parent);
    case 1:
        return new TBonusDeluxePoker(context, parent);
    case 2:
        return new TBonusPoker(context, parent);
    case 3:
        return new TDeucesPoker(context, parent);
    case 4:
        return new TDoublBonus(context, parent);
    case 5:
        return new TDblDblBonus(context, parent);
    case 6:
        return new TSuperDblBns(context, parent);
    case 7:
        return new TTripDblBonus(context, parent);
    case 8:
        return new TSuperAce(context, parent);
    default:
        return nullptr;
    }
}

void RegisterTableWindows() {
    WindowRegistry& registry = Windows();
    registry.gameScreens = [](const GameScreenContext& context, QWidget* parent) -> QDialog* {
        return MakeGameScreen(context, parent);
    };
    // Only one game screen exists at a time.
    registry.openGameEngine = []() -> const GameEngine* {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* screen = qobject_cast<TGameScreen*>(w); screen && screen->isVisible())
                return &screen->Round().Engine();
        return nullptr;
    };
    registry.generatedList = [](int game, const PaySchedule& pays) {
        return TheGeneratedLists().Find(game, pays);
    };
}

} // namespace quintaro
