// The game screens and then the whole program, through their real windows, on the
// offscreen platform with every pause shortened to nothing.
//
// The game screens: keys, mouse, the menu, the mistake panel, the hold values and
// strategy table windows, and screenshots of the table in its states.
//
// The whole program: a new player starts with an empty settings folder, inserts bills,
// changes the credit value, plays hands in all nine games (keys, card clicks and the
// button bar), switches pay tables and play modes, opens every window once, goes back
// to the menu and exits. A second start must find the credits, the options, the last
// game, and every game's last hand and pay table as they were left.

// The strategy headers before any Qt header: a list field is named like a Qt keyword.
#include "generate/list_return.h"
#include "strategy/classifier.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>

#include "../table/round_fakes.h"
#include "components/press_button.h"
#include "components/window_kit.h"
#include "core/game_engine.h"
#include "core/pay_table.h"
#include "media/embedded_fonts.h"
#include "screenshot.h"
#include "shell/pay_table_file.h"
#include "shell/session.h"
#include "shell/ui/about_box.h"
#include "shell/ui/bills_in_form.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/help_form.h"
#include "shell/ui/session_view.h"
#include "shell/ui/startup.h"
#include "shell/ui/statistics_form.h"
#include "shell/ui/vanta_menu.h"
#include "strategy/ui/analysis_windows.h"
#include "strategy/ui/hand_builder_form.h"
#include "strategy/ui/hold_values_window.h"
#include "strategy/ui/strategy_table.h"
#include "table/exact_figures.h"
#include "table/strategy_advisor.h"
#include "table/table_round.h"
#include "table/ui/game_screen.h"
#include "when_up.h"

using namespace quintaro;
using quintaro::testing::AdviceFor;

namespace {

// What a test step found wrong; checked by the test slot once the windows are closed,
// because a failed QVERIFY inside a modal window's event loop would leave it open.
QStringList& Failures() {
    static QStringList failures;
    return failures;
}
#define E2E_CHECK(cond, ...)                                                                       \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            Failures()                                                                             \
                << QString("line %1: %2 %3").arg(__LINE__).arg(#cond).arg(QString(__VA_ARGS__));   \
            qWarning("%s", qPrintable(Failures().last()));                                         \
        }                                                                                          \
    } while (0)

// Watchers of windows still waiting for their window.
int& Pending() {
    static int pending = 0;
    return pending;
}

// Lets the windows run until `done` holds or five seconds have passed.
bool WaitUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 6000) QTest::qWait(5);
    return done();
}

// Runs `act` once the next modal window or pop-up menu of type T (other than `besides`)
// is up. A window that does not come within five seconds is a failure.
using Done = std::shared_ptr<bool>;
template <typename T>
Done OnModal(std::function<void(T*)> act, const char* what, const QWidget* besides = nullptr) {
    ++Pending();
    return testing::WhenUp<T>(
        [act](T* w) {
            act(w);
            --Pending();
        },
        5000,
        [what] {
            Failures() << QString("%1 did not come up").arg(what);
            --Pending();
        },
        besides);
}

QAction* FindAction(QMenu* menu, const QString& name) {
    for (QAction* a : menu->actions())
        if (a->objectName() == name || (a->menu() && a->menu()->menuAction()->objectName() == name))
            return a;
    return nullptr;
}

// Clicks an item of an open pop-up menu the way the mouse does.
void ClickItem(QMenu* menu, const QString& name) {
    QAction* a = FindAction(menu, name);
    E2E_CHECK(a, name);
    if (!a) {
        menu->close();
        return;
    }
    E2E_CHECK(a->isEnabled(), name + " is disabled");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
}

// A key press on a window, made the active one first: shortcuts only reach the
// active window.
void Key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* window = w->window();
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
        // The offscreen platform does not always pass a new modal window's
        // activation on to the widgets; say it directly.
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window, 1000))
            qWarning("%s did not become active", qPrintable(window->objectName()));
    }
    QTest::keyClick(w, key, modifiers);
}

// Opens a window's command menu the way a right click does.
void RightClick(QWidget* window, QPoint at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window->mapToGlobal(at));
    QApplication::sendEvent(window, &event);
}

// The held cards of the table, as the advice gives its holds.
std::array<std::uint8_t, 5> Holds(const GameEngine& g) {
    std::array<std::uint8_t, 5> held{};
    for (std::size_t p = 0; p < 5; ++p) held[p] = g.hand[p].held;
    return held;
}

// How a hand is bet and how its holds are made.
enum class Bet { OneByKeysThenSpace, MaxByBar, MaxByKey, OneByBarThenDealBar };
enum class HoldBy { Clicks, Keys };

constexpr Qt::Key kCardKeys[5] = {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_B};

} // namespace

class GameWindowsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    SessionConfig m_config;
    std::unique_ptr<AutoWindows> m_windows;

    // A game's last hand, its holds, pay table and last bet, as a screen leaves them.
    using LastHand = std::tuple<std::array<Card, 5>, std::array<std::uint8_t, 5>, int, int>;
    static LastHand LastOf(const GameEngine& e) {
        return {CardsOf(e.hand), Holds(e), e.altPayTable, e.lastBet};
    }
    std::array<std::optional<LastHand>, kGameCount> m_last;
    std::int64_t m_seed = 1000;

    TVantaTBMenu& Menu() { return *m_windows->menu; }
    TVantaSession& Session() { return Menu().Session(); }

    // The money and the options a start must find as the last run left them.
    using Remembrance =
        std::tuple<std::int32_t, std::int32_t, std::int32_t, bool, bool, bool, bool, std::int32_t>;
    Remembrance Remembered() {
        const TVantaSession& s = Session();
        return {s.Credits,      s.CreditValue, s.LastGame, s.AutoHold,
                s.ShowMistakes, s.FastCredits, s.Sound,    s.WhichSpeed};
    }
    Remembrance m_expected;

    void Start() {
        m_windows = std::make_unique<AutoWindows>(CreateAutoWindows(m_config, nullptr));
        Menu().SetReportSaveFailure(false);
        Menu().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Menu()));
    }

    // Clicks a game button on the menu; `script` runs while the game's screen is up
    // and must leave it at game over. The screen is then closed with `leave`.
    void PlayGame(int game, std::function<void(TGameScreen*)> script) {
        OnModal<TGameScreen>(
            [this, game, script](TGameScreen* screen) {
                E2E_CHECK(screen->Game() == game, QString::number(game));
                GameEngine& e = screen->Round().Engine();
                // Reproducible deals: each deal seeds the clock with the next number.
                e.clock = [this] { return m_seed++; };
                // The screen frees itself once it is closed and its event loop is left.
                QPointer<TGameScreen> alive(screen);
                script(screen);
                if (!alive) return;
                m_last[static_cast<std::size_t>(game)] = LastOf(e);
                E2E_CHECK(!screen->isVisible(), QString("game %1 is still open").arg(game));
                if (screen->isVisible()) {
                    E2E_CHECK(screen->Round().State() == RoundState::GameOver);
                    screen->close();
                }
            },
            "a game screen");
        QTest::mouseClick(Menu().PntBoxLogos(), Qt::LeftButton, {},
                          TVantaTBMenu::ButtonRect(game).center());
        QCOMPARE(Session().LastGame, game);
        QVERIFY(Menu().isVisible() && !Menu().Launching());
    }

    // One hand from game over to game over, its bet, holds and pay on the meters.
    void PlayHand(TGameScreen* s, Bet bet, HoldBy holdBy, bool makeMistake = false,
                  const std::function<void()>& whileHolding = {}) {
        TVantaSession& session = Session();
        GameEngine& e = s->Round().Engine();
        const int game = s->Game();
        const std::int32_t before = session.Credits;
        const std::int64_t paidBefore = session.Statistics.CreditsWon(game);
        const std::int32_t handsBefore =
            session.Statistics.HandsPlayed[static_cast<std::size_t>(game)];
        QWidget* bar = s->ButtonsBox();
        auto barSlot = [bar](int slot) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(slot * 108 + 50, 14));
        };
        switch (bet) {
        case Bet::OneByKeysThenSpace:
            Key(s, Qt::Key_Control);
            Key(s, Qt::Key_Plus, Qt::KeypadModifier);
            E2E_CHECK(e.bet == 2);
            Key(s, Qt::Key_Space);
            break;
        case Bet::MaxByBar:
            barSlot(5);
            break;
        case Bet::MaxByKey:
            Key(s, Qt::Key_Slash);
            break;
        case Bet::OneByBarThenDealBar:
            barSlot(4);
            E2E_CHECK(e.bet == 1);
            barSlot(6);
            break;
        }
        E2E_CHECK(s->Round().State() == RoundState::Holding, QString("game %1").arg(game));
        const int coins = e.bet;
        E2E_CHECK(session.Statistics.HandsPlayed[static_cast<std::size_t>(game)] ==
                  handsBefore + 1);
        E2E_CHECK(session.Credits == before - coins);

        const Recommendation advice = AdviceFor(e);
        if (session.AutoHold) E2E_CHECK(Holds(e) == advice.hold, "auto hold");
        if (whileHolding) whileHolding();

        std::array<std::uint8_t, 5> want = advice.hold;
        if (makeMistake)
            for (std::uint8_t& h : want) h = h ? 0 : 1;
        for (int p = 0; p < 5; ++p) {
            if (Holds(e)[static_cast<std::size_t>(p)] == want[static_cast<std::size_t>(p)])
                continue;
            if (holdBy == HoldBy::Clicks)
                QTest::mouseClick(s->CardsBox(), Qt::LeftButton, {}, QPoint(145 * p + 60, 90));
            else
                Key(s, kCardKeys[p]);
        }
        E2E_CHECK(Holds(e) == want, QString("holds in game %1").arg(game));
        if (holdBy == HoldBy::Clicks)
            Key(s, Qt::Key_Return);
        else
            barSlot(6);
        if (makeMistake && session.ShowMistakes && !advice.Accepts(want)) {
            E2E_CHECK(s->MistakePanel()->isVisible(), "the mistake panel");
            E2E_CHECK(s->Round().State() == RoundState::Holding);
            SaveScreenshot(s, QString("e2e_mistake_panel_%1").arg(game));
            // Its strategy table shows the dealt hand's entry.
            OnModal<TStrategyTable>(
                [advice](TStrategyTable* table) {
                    E2E_CHECK(table->ListBox()->currentRow() == advice.strategyIndex - 1);
                    table->ListBox()->setFocus();
                    Key(table, Qt::Key_Escape);
                },
                "the strategy table of the mistake panel");
            QTest::mouseClick(s->findChild<QPushButton*>("BitBtn3"), Qt::LeftButton);
            QTest::mouseClick(s->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        }
        E2E_CHECK(s->Round().State() == RoundState::GameOver, QString("game %1").arg(game));
        const std::int64_t paid = session.Statistics.CreditsWon(game) - paidBefore;
        E2E_CHECK(
            session.Credits == before - coins + paid,
            QString("credits %1, expected %2").arg(session.Credits).arg(before - coins + paid));
        E2E_CHECK(session.Statistics.CreditsBet[static_cast<std::size_t>(game)] > 0);
    }

    void BillsBy(const std::function<void()>& open, const std::vector<Qt::Key>& keys,
                 int expectedDollars) {
        const std::int32_t before = Session().Credits;
        const std::int32_t perDollar =
            kCreditsPerDollar[static_cast<std::size_t>(Session().CreditValue)];
        OnModal<TBillsInForm>(
            [keys, expectedDollars](TBillsInForm* bills) {
                for (Qt::Key k : keys) Key(bills, k);
                E2E_CHECK(bills->Total() == expectedDollars, QString::number(bills->Total()));
                QTest::mouseClick(bills->OKButton(), Qt::LeftButton);
            },
            "the bills dialog");
        open();
        E2E_CHECK(Session().Credits == before + expectedDollars * perDollar,
                  QString::number(Session().Credits));
    }

    // The game screens' own session, record and screen.
    std::filesystem::path m_screenDir;
    std::unique_ptr<SessionView> m_view;
    std::unique_ptr<TrainingRecord> m_record;
    std::unique_ptr<TVantaSession> m_session;
    QPointer<TGameScreen> m_screen;

    TGameScreen* Open(int game, std::int32_t credits = 100) {
        delete m_screen;
        m_session->Credits = credits;
        m_session->LastGame = game;
        m_screen = MakeGameScreen(GameScreenContext{game, *m_session, *m_view});
        m_screen->show();
        if (!QTest::qWaitForWindowExposed(m_screen)) return nullptr;
        return m_screen;
    }
    GameEngine& E() { return m_screen->Round().Engine(); }
    void NextDeal(const std::function<bool(GameEngine&)>& wanted) {
        const std::int64_t seed = quintaro::testing::FindSeed(E(), wanted);
        QVERIFY(seed >= 0);
        E().clock = [seed] { return seed; };
    }
    template <typename T> T* Child(const char* name) {
        return m_screen->findChild<T*>(QString::fromLatin1(name));
    }
    bool Held(int i) { return Child<QLabel>(qPrintable(QString("LbHeld%1").arg(i)))->isVisible(); }
    void HoldMask(exact::HoldMask mask) {
        for (int p = 0; p < 5; ++p)
            if (E().hand[static_cast<std::size_t>(p)].held != bool((mask >> p) & 1))
                m_screen->Round().ToggleHold(p);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        const std::filesystem::path root = m_dir.path().toStdString();
        m_config = SessionConfig{root / "config" / "Quintaro.ini", {root / "Schemes"}};
        RegisterEmbeddedFonts();
        ui::SetPauseScale(0);
        RegisterTableWindows();
        RegisterAnalysisWindows();
        // The game screens' session has a folder of its own, where the player's pay tables
        // live too.
        m_screenDir = root / "screens";
        std::filesystem::create_directories(m_screenDir);
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_screenDir.string()));
        m_view = std::make_unique<SessionView>(nullptr);
        m_record = OpenTrainingRecord(m_screenDir / "training.sqlite3", m_view->Services().dialogs);
        m_session = std::make_unique<TVantaSession>(SessionConfig{m_screenDir / "Quintaro.ini",
                                                                  {m_screenDir / "Schemes"},
                                                                  m_screenDir / "training.sqlite3"},
                                                    m_view->Services(), m_record.get());
        m_view->SetSession(m_session.get());
        m_session->Sound = false;
    }

    void cleanupTestCase() {
        delete m_screen;
        m_session->Close();
        m_session.reset();
        m_view.reset();
    }
    void init() {
        m_session->AutoHold = false;
        m_session->ShowMistakes = false;
        m_session->FastCredits = true;
        m_session->PerfectPlay = false;
    }

    // A round by keys with what the command menu allows on the way, and its draw in the
    // training record. (The end-to-end run bets and holds in every way there is.)
    void aRoundByKeysAndTheMenuOnTheWay() {
        QVERIFY(m_session->Record().Usable());
        const std::size_t rowsBefore = m_session->Record().Rows({}).size();
        QVERIFY(Open(kJacksOrBetter));
        // Opening: the built-in royal, all held, its win shown but not paid.
        QVERIFY(m_screen->WinCaptionLabel()->text().endsWith("  wins  4000"));
        for (int i = 0; i < 5; ++i) QVERIFY(Held(i));
        QCOMPARE(m_session->Credits, 100);
        SaveScreenshot(m_screen, "game_screen_jacks_opening");
        m_session->Statistics.Reset();
        m_screen->PopupMenu1Popup();
        QVERIFY(!m_screen->Action("StatisticsPage1")->isEnabled()); // nothing played yet
        QVERIFY(m_screen->Action("PlayingModes1")->isEnabled());
        QVERIFY(m_screen->Action("PracticeDrill1")->isEnabled()); // between rounds
        // The pay table analysis opens through the registry for the game, table and bet.
        std::array<int, 3> analysed{-1, -1, -1};
        Windows().payTableAnalysis = [&](TVantaSession&, QWidget*, int game, int table, int coins,
                                         const NamedPayTable*) {
            analysed = {game, table, coins};
        };
        m_screen->Action("PayTableAnalysis1")->trigger();
        Windows().payTableAnalysis = nullptr;
        QCOMPARE(analysed, (std::array<int, 3>{kJacksOrBetter, 0, StrategyTableCoins(E())}));
        // Sound with F4.
        const bool sound = m_session->Sound;
        QTest::keyClick(m_screen, Qt::Key_F4);
        QCOMPARE(m_session->Sound, !sound);
        QTest::keyClick(m_screen, Qt::Key_F4);

        NextDeal([](GameEngine& g) { return g.EvaluateTable() == 0; });
        QTest::keyClick(m_screen, Qt::Key_Control);
        QCOMPARE(m_screen->Round().State(), RoundState::Betting);
        QCOMPARE(Child<QLabel>("LbBet")->text(), QString("1"));
        QVERIFY(!m_screen->WinCaptionPanel()->isVisible());
        QTest::keyClick(m_screen, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(E().bet, 2);
        QTest::keyClick(m_screen, Qt::Key_X); // MENU is blank during Betting
        QVERIFY(m_screen->isVisible());
        QTest::keyClick(m_screen, Qt::Key_Space);
        QCOMPARE(m_screen->Round().State(), RoundState::Holding);
        QVERIFY(!m_screen->close()); // no leaving in the middle of a hand
        // During Holding the game-over-only items are disabled.
        m_screen->PopupMenu1Popup();
        for (const char* name : {"PlayingModes1", "PayTables1", "StatisticsPage1", "Close1"})
            QVERIFY2(!m_screen->Action(name)->isEnabled(), name);
        QTest::keyClick(m_screen, Qt::Key_F6); // ignored while a hand is open
        QVERIFY(!m_session->ShowMistakes);
        QTest::keyClick(m_screen, Qt::Key_Z);
        QTest::keyClick(m_screen, Qt::Key_3, Qt::KeypadModifier);
        QVERIFY(Held(0) && Held(2));
        QTest::keyClick(m_screen, Qt::Key_Comma);
        QVERIFY(!Held(2));
        QTest::keyClick(m_screen, Qt::Key_Return);
        QCOMPARE(m_screen->Round().State(), RoundState::GameOver);
        QVERIFY(Child<QLabel>("LbGameStatus")->isVisible());
        QCOMPARE(m_session->Credits, 98 + m_session->Statistics.CreditsPaid[0][E().finalCategory]);
        m_screen->PopupMenu1Popup();
        QVERIFY(m_screen->Action("StatisticsPage1")->isEnabled() &&
                m_screen->Action("Close1")->isEnabled());
        // The draw is in the training record: the first card held, two coins.
        const auto rows = m_session->Record().Rows({});
        QCOMPARE(rows.size(), rowsBefore + 1);
        QVERIFY(rows.back().held == 0b00001 && rows.back().coins == 2 &&
                rows.back().dealt[0] == E().hand[0].card); // the held card stayed
        QTest::keyClick(m_screen, Qt::Key_X);              // MENU at game over closes the screen
        QVERIFY(!m_screen || !m_screen->isVisible());
    }

    void aFailedSaveOfTheGameSectionIsReported() {
        QVERIFY(Open(kBonusPoker));
        QVERIFY(m_screen->Round().CanClose());
        // A folder where the settings file should be: the game's section cannot be written.
        const auto file = m_screenDir / "Quintaro.ini";
        std::filesystem::remove_all(file);
        std::filesystem::create_directories(file);
        QString text;
        quintaro::testing::WhenUp<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            box->accept();
        });
        QVERIFY(m_screen->close());
        std::filesystem::remove_all(file);
        QVERIFY2(text.contains("could not be saved") && text.contains("Quintaro.ini"),
                 qPrintable(text));
    }

    void perfectPlayAndHoldValuesCommands() {
        m_session->ShowMistakes = true;
        QVERIFY(Open(kJacksOrBetter));
        m_screen->PopupMenu1Popup();
        QAction* perfect = m_screen->Action("PerfectPlay1");
        QVERIFY(perfect->isCheckable() && perfect->isEnabled() && !perfect->isChecked());
        QVERIFY(
            !m_screen->Action("HoldValues1")->isEnabled()); // the opening hand's deal is unknown
        perfect->trigger();
        QVERIFY(m_session->PerfectPlay);
        m_screen->PopupMenu1Popup();
        QVERIFY(perfect->isChecked());
        QVERIFY(Child<QLabel>("PlayMode")->text().endsWith("Perfect"));
        QCOMPARE(Child<QLabel>("PlayModeS")->text(), Child<QLabel>("PlayMode")->text());
        QVERIFY(Child<QLabel>("PlayModeS")->geometry().right() < Child<QLabel>("GameName")->x());

        // While holding: the dealt hand, nothing marked as the player's; the table keeps its holds.
        QTest::keyClick(m_screen, Qt::Key_B);
        QCOMPARE(m_screen->Round().State(), RoundState::Holding);
        m_screen->PopupMenu1Popup();
        QVERIFY(!perfect->isEnabled());
        QVERIFY(m_screen->Action("HoldValues1")->isEnabled());
        const std::array<Card, 5> dealt = CardsOf(E().hand);
        m_screen->Round().ToggleHold(0);
        QTest::keyClick(m_screen, Qt::Key_F11);
        QPointer<THoldValuesView> view = m_screen->findChild<THoldValuesView*>();
        QVERIFY(view);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QVERIFY(view->Request().cards == dealt && view->Request().coins == 5 &&
                view->Request().playerHold == -1);
        view->List()->setCurrentRow(31);
        QVERIFY(E().hand[0].held && Held(0));
        for (int p = 1; p < 5; ++p) QVERIFY(!E().hand[static_cast<std::size_t>(p)].held);
        SaveScreenshot(view, "hold_values_from_table_holding");
        const exact::HoldMask best = view->Values().best;
        view->close();
        QTRY_VERIFY(!view);

        // A best hold passes Show Mistakes with Perfect Play; after the draw the
        // values open on the hand as dealt with that hold marked.
        HoldMask(best);
        QTest::keyClick(m_screen, Qt::Key_Return);
        QVERIFY(!m_screen->MistakePanel()->isVisible());
        QCOMPARE(m_screen->Round().State(), RoundState::GameOver);
        m_screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_screen));
        QTest::keyClick(m_screen, Qt::Key_F11);
        view = m_screen->findChild<THoldValuesView*>();
        QVERIFY(view);
        QVERIFY(view->Request().cards == dealt && view->Request().playerHold == int(best));
        QCOMPARE(view->ShownHold(), best);
        delete view;
        m_session->ShowMistakes = false;
    }

    // The panel shows the exact figures of the stopped hold as the round words them (the
    // figures themselves are the round's to test) and keeps the list's HOLD labels.
    void mistakePanelShowsTheExactFigures() {
        m_session->ShowMistakes = true;
        QVERIFY(Open(kTripleDoubleBonus));
        NextDeal(quintaro::testing::TwosWithAnAce);
        QTest::keyClick(m_screen, Qt::Key_B);
        const auto cards = CardsOf(E().hand);
        const exact::HoldValues values =
            exact::AnalyseHolds(kTripleDoubleBonus, E().altPayTable, 5, cards);
        const exact::HoldMask list = ListHold(kTripleDoubleBonus, E().altPayTable, cards);
        HoldMask(values.best); // the best hold keeps the Ace the list drops
        QTest::keyClick(m_screen, Qt::Key_Return);
        QVERIFY(m_screen->MistakePanel()->isVisible());
        const MistakeFigureText text =
            MistakeText({5, values.Credits(values.best), values.Credits(list),
                         values.Credits(values.best), false});
        QCOMPARE(m_screen->MistakeFiguresLabel()->text(), QString::fromStdString(text.figures));
        QCOMPARE(m_screen->MistakeVerdictLabel()->text(), QString::fromStdString(text.verdict));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(Child<QLabel>(qPrintable(QString("LbWarn%1").arg(i)))->isVisible(),
                     bool((list >> i) & 1));
        SaveScreenshot(m_screen, "game_screen_mistake_panel_figures");
        Child<QPushButton>("BitBtn2")->click(); // Cancel
        QVERIFY(m_screen->MistakeFiguresLabel()->text().isEmpty());
        HoldMask(list);
        QTest::keyClick(m_screen, Qt::Key_Return);
        QCOMPARE(m_screen->Round().State(), RoundState::GameOver);
        m_session->ShowMistakes = false;
    }

    void ownPayTableOnThePanel() {
        const NamedPayTable big{
            kJacksOrBetter, "Six figures",
            ScheduleFromPerCoinPays(kJacksOrBetter,
                                    {0, 99'999, 88'888, 3, 4, 6, 9, 99'999, 50'000, 99'999})};
        QVERIFY(ThePayTableBook().Save(big));
        QVERIFY(Open(kJacksOrBetter));
        emit m_screen->PopupMenu1()->aboutToShow();
        QAction* item = m_screen->findChild<QAction*>("PayTableNamed0");
        QVERIFY(item);
        QCOMPARE(item->text(), QString("Six figures"));
        QVERIFY(m_screen->findChild<QAction*>("EditPayTables1"));
        item->trigger();
        QCOMPARE(E().payTableName, std::string("Six figures"));
        // The six-figure pays (two to five coins of the rows of 50,000 a coin and more)
        // fit their cells.
        int sixFigures = 0;
        for (const QLabel* cell : m_screen->findChildren<QLabel*>()) {
            if (!cell->isVisible() || cell->text().size() != 6 || cell->text().toInt() < 100000)
                continue;
            ++sixFigures;
            QVERIFY2(QFontMetrics(cell->font()).horizontalAdvance(cell->text()) <= cell->width(),
                     qPrintable(cell->objectName()));
        }
        QCOMPARE(sixFigures, 20);
        SaveScreenshot(m_screen, "game_screen_own_pay_table");

        TStrategyTable table(m_session.get(), m_view.get());
        table.FillNamed(kJacksOrBetter, big.name, big.pays, "Jacks or Better");
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QCOMPARE(table.windowTitle(), QString("Strategy Table for (Six figures) Jacks or Better"));
        // The table's list is generated on a worker and shown when it is ready.
        QTRY_VERIFY_WITH_TIMEOUT(table.ReturnsLabel()->text().startsWith("This list returns"),
                                 120000);
        QVERIFY(!table.ListBox()->item(0)->text().contains("not ready"));
        SaveScreenshot(&table, "strategy_table_own_pay_table");
        table.hide();
        emit m_screen->PopupMenu1()->aboutToShow();
        m_screen->findChild<QAction*>("N851")->trigger();
        QVERIFY(!E().NamedTableInForce());
        QCOMPARE(Child<QLabel>("Lb51")->text(), QString("5"));
        QVERIFY(ThePayTableBook().Remove(kJacksOrBetter, big.name));
    }

    void strategyTableWindow() {
        TStrategyTable table(m_session.get(), m_view.get());
        // Where the list stands: the last entry at the bottom, a middle entry 17 lines
        // below the top line, and without a selection at its top.
        struct Place {
            int game, coins, entry, topLine; // -1: the scroll bar's end
            const char* name;
        };
        for (const Place& p : {Place{kJacksOrBetter, 1, 45, -1, "Jacks or Better"},
                               Place{kSuperAces, 5, 30, 29 - 17, "Super Aces Bonus"},
                               Place{kDeucesWild, 1, 0, 0, "Deuces Wild"}}) {
            table.Fill(p.game, 0, p.coins, p.entry, p.name);
            table.show();
            QVERIFY(QTest::qWaitForWindowExposed(&table));
            QCOMPARE(table.ListBox()->selectedItems().size(), p.entry ? 1 : 0);
            if (p.entry) QCOMPARE(table.ListBox()->currentRow(), p.entry - 1);
            QCOMPARE(table.TopLine(),
                     p.topLine < 0 ? table.ListBox()->verticalScrollBar()->maximum() : p.topLine);
            if (p.topLine < 0) {
                SaveScreenshot(&table, "strategy_table_jacks_redraw");
                // The legend takes the returns' place until it is clicked.
                table.findChild<QPushButton*>("Button2")->click();
                QVERIFY(table.Legend()->isVisible() && !table.ReturnsLabel()->isVisible());
                QTest::mouseClick(table.Legend(), Qt::LeftButton, {}, QPoint(5, 5));
                QVERIFY(!table.Legend()->isVisible() && table.ReturnsLabel()->isVisible());
            }
            table.hide();
        }
        // The returns of the pay table arrive from a worker, and are kept.
        table.Fill(kJacksOrBetter, 1, 5, 0, "Jacks or Better");
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QTRY_VERIFY_WITH_TIMEOUT(TheReturnStore().Find(kJacksOrBetter, 1, 5).has_value(), 120000);
        const QString returns =
            QString::fromStdString(ReturnCaption(*TheReturnStore().Find(kJacksOrBetter, 1, 5)));
        QVERIFY(returns.startsWith("This list returns ") && returns.endsWith(" %"));
        QTRY_COMPARE(table.ReturnsLabel()->text(), returns);
        table.Fill(kJacksOrBetter, 1, 5, 0, "Jacks or Better");
        QCOMPARE(table.ReturnsLabel()->text(), returns);
        // Its Analysis button (Alt+A) opens the pay table analysis of the table shown.
        std::array<int, 3> analysed{-1, -1, -1};
        Windows().payTableAnalysis = [&](TVantaSession&, QWidget*, int game, int choice, int coins,
                                         const NamedPayTable*) {
            analysed = {game, choice, coins};
        };
        table.Fill(kDeucesWild, 1, 3, 0, "Deuces Wild");
        QCOMPARE(table.AnalysisButton()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_A));
        QTest::mouseClick(table.AnalysisButton(), Qt::LeftButton);
        Windows().payTableAnalysis = nullptr;
        QCOMPARE(analysed, (std::array<int, 3>{kDeucesWild, 1, 3}));
    }

    void firstRunFromAnEmptySettingsFolder() {
        QVERIFY(!std::filesystem::exists(m_config.settingsFile));
        delete m_screen; // the game screens' last one
        Start();
        // A new player's 150 credits at a quarter, on the first game, with Show Mistakes.
        QVERIFY(Session().Credits == 150 && Session().CreditValue == kQuarter &&
                Session().LastGame == 0 && Session().ShowMistakes && !Session().AutoHold);
        SaveScreenshot(&Menu(), "e2e_menu_first_start");

        // No hands yet: the menu's Statistics item is disabled.
        Menu().PopupMenu1Popup();
        QVERIFY(!Menu().Action("StatisticsPage1")->isEnabled());

        // $20 through the credit meter: 80 credits at a quarter.
        BillsBy(
            [this] {
                QTest::mouseClick(Menu().PntBoxCreditValue(), Qt::LeftButton, {}, QPoint(80, 20));
            },
            {Qt::Key_4}, 20);
        QCOMPARE(Session().Credits, 230);

        // The menu help and the about box.
        OnModal<TMenuHelpForm>(
            [](TMenuHelpForm* help) { QTest::mouseClick(help->ExitHelpButton(0), Qt::LeftButton); },
            "the menu help");
        Key(&Menu(), Qt::Key_F1);
        OnModal<QMenu>([](QMenu* menu) { ClickItem(menu, "About1"); }, "the menu's command menu");
        Done about = OnModal<TAboutBox>(
            [](TAboutBox* box) { QTest::mouseClick(box->OKButton(), Qt::LeftButton); },
            "the about box");
        RightClick(&Menu(), QPoint(400, 300));
        QVERIFY(WaitUntil([about] { return *about; }));

        // Jacks or Better: a winning check of every way to bet and hold, the 9/6
        // table, the strategy table and the hand builder while a hand waits.
        PlayGame(kJacksOrBetter, [this](TGameScreen* s) {
            GameEngine& e = s->Round().Engine();
            PlayHand(s, Bet::OneByKeysThenSpace, HoldBy::Keys, false, [this, s, &e] {
                SaveScreenshot(s, "e2e_jacks_holding");
                const Recommendation advice = AdviceFor(e);
                // F9: the strategy table with the dealt hand's entry selected.
                OnModal<TStrategyTable>(
                    [advice](TStrategyTable* table) {
                        E2E_CHECK(table->ListBox()->currentRow() == advice.strategyIndex - 1);
                        SaveScreenshot(table, "e2e_strategy_table");
                        // The yellow header line opens the acknowledgement.
                        OnModal<TStrategyCreditBox>(
                            [](TStrategyCreditBox* box) {
                                QTest::mouseClick(box->OKButton(), Qt::LeftButton);
                            },
                            "the strategy acknowledgement");
                        if (QLabel* ack = table->findChild<QLabel*>("Label14"))
                            QTest::mouseClick(ack, Qt::LeftButton, {}, QPoint(10, 5));
                        QTest::mouseClick(table->findChild<QPushButton*>("Button1"),
                                          Qt::LeftButton);
                    },
                    "the strategy table");
                Key(s, Qt::Key_F9);
                // F8: the hand builder judges a royal at the bet of the hand.
                OnModal<THandBuilderForm>(
                    [&e](THandBuilderForm* builder) {
                        for (Card c : {39, 51, 11, 23, 35})
                            QTest::mouseClick(builder->SmallCardSuit(c), Qt::LeftButton);
                        E2E_CHECK(builder->ValueLabel()->text() ==
                                  QString::fromStdString(FormatStrategyValue(800.0L * e.bet)));
                        SaveScreenshot(builder, "e2e_hand_builder");
                        OnModal<TStrategyTable>(
                            [](TStrategyTable* table) {
                                E2E_CHECK(table->ListBox()->currentRow() == 0);
                                QTest::mouseClick(table->findChild<QPushButton*>("Button1"),
                                                  Qt::LeftButton);
                            },
                            "the strategy table of the hand builder");
                        QTest::mouseClick(builder->StrategyButton(), Qt::LeftButton);
                        QTest::mouseClick(builder->CloseButton(), Qt::LeftButton);
                    },
                    "the hand builder");
                Key(s, Qt::Key_F8);
                // The table's hand keeps its own advice.
                OnModal<TStrategyTable>(
                    [advice](TStrategyTable* table) {
                        E2E_CHECK(table->ListBox()->currentRow() == advice.strategyIndex - 1,
                                  "after the hand builder");
                        table->reject();
                    },
                    "the strategy table again");
                Key(s, Qt::Key_F9);
            });
            // The second pay table through the command menu.
            OnModal<QMenu>(
                [](QMenu* menu) {
                    QAction* pays = FindAction(menu, "PayTables1");
                    E2E_CHECK(pays && pays->isEnabled());
                    OnModal<QMenu>([](QMenu* sub) { ClickItem(sub, "N961"); },
                                   "the pay-table submenu", menu);
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(pays).center());
                },
                "the game's command menu");
            RightClick(s, QPoint(400, 300));
            E2E_CHECK(e.altPayTable == 1);
            E2E_CHECK(s->findChild<QLabel*>("Lb16")->text() == "9", "the 9/6 full house");
            PlayHand(s, Bet::MaxByBar, HoldBy::Clicks);
            PlayHand(s, Bet::OneByBarThenDealBar, HoldBy::Keys, true); // the mistake panel
            Key(s, Qt::Key_X);                                         // MENU at game over
        });

        // Bonus Poker: bills from the game and Auto Hold.
        PlayGame(kBonusPoker, [this](TGameScreen* s) {
            BillsBy([s] { Key(s, Qt::Key_F2); }, {Qt::Key_5, Qt::Key_1}, 101);
            Key(s, Qt::Key_F5);
            E2E_CHECK(Session().AutoHold && !Session().ShowMistakes);
            PlayHand(s, Bet::MaxByKey, HoldBy::Keys);
            PlayHand(s, Bet::MaxByBar, HoldBy::Clicks);
            Key(s, Qt::Key_X);
        });

        // Bonus Deluxe: the statistics page and Normal mode.
        PlayGame(kBonusDeluxe, [this](TGameScreen* s) {
            s->PopupMenu1Popup();
            E2E_CHECK(!s->Action("StatisticsPage1")->isEnabled(), "no hands here yet");
            Key(s, Qt::Key_F7);
            E2E_CHECK(!Session().AutoHold && !Session().ShowMistakes);
            PlayHand(s, Bet::MaxByBar, HoldBy::Clicks);
            OnModal<TTableBuilderForm>(
                [](TTableBuilderForm* stats) {
                    E2E_CHECK(stats->Page() == kBonusDeluxe);
                    E2E_CHECK(stats->TotalLabel(0, 0)->text() == "1");
                    QTest::mouseClick(stats->CloseButton(), Qt::LeftButton);
                },
                "the statistics window");
            Key(s, Qt::Key_F10);
            PlayHand(s, Bet::OneByKeysThenSpace, HoldBy::Keys);
            Key(s, Qt::Key_X);
        });

        // Deuces Wild: the game help from the Z key, the second pay table, Show Mistakes.
        PlayGame(kDeucesWild, [this](TGameScreen* s) {
            OnModal<TGameHelpForm>(
                [](TGameHelpForm* help) {
                    QTest::mouseClick(help->ExitHelpButton(0), Qt::LeftButton);
                },
                "the game help");
            Key(s, Qt::Key_Z);
            Key(s, Qt::Key_F6);
            E2E_CHECK(Session().ShowMistakes && !Session().AutoHold);
            s->PopupMenu1Popup();
            s->Action("PayTable1")->trigger();
            E2E_CHECK(s->Round().Engine().altPayTable == 1);
            PlayHand(s, Bet::MaxByKey, HoldBy::Clicks);
            PlayHand(s, Bet::MaxByBar, HoldBy::Keys, true);
            Key(s, Qt::Key_X);
        });

        // Double Bonus: the about box from the game, speed cycling.
        PlayGame(kDoubleBonus, [this](TGameScreen* s) {
            const std::int32_t speed = Session().WhichSpeed;
            Key(s, Qt::Key_C);
            E2E_CHECK(Session().WhichSpeed == (speed + 1) % 3);
            OnModal<QMenu>([](QMenu* menu) { ClickItem(menu, "About1"); },
                           "the game's command menu");
            OnModal<TAboutBox>([](TAboutBox* about) { about->accept(); }, "the about box");
            RightClick(s, QPoint(400, 560));
            PlayHand(s, Bet::OneByBarThenDealBar, HoldBy::Clicks);
            // Leaving through the command menu.
            OnModal<QMenu>([](QMenu* menu) { ClickItem(menu, "Close1"); },
                           "the game's command menu");
            RightClick(s, QPoint(400, 300));
        });

        // Double Double Bonus, Super Double Bonus, Triple Double Bonus, Super Aces:
        // two hands each, pay tables and fast credits changed on the way.
        PlayGame(kDoubleDoubleBonus, [this](TGameScreen* s) {
            Key(s, Qt::Key_F3);
            E2E_CHECK(Session().FastCredits);
            PlayHand(s, Bet::MaxByBar, HoldBy::Keys);
            PlayHand(s, Bet::MaxByKey, HoldBy::Clicks);
            QWidget* bar = s->ButtonsBox();
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(108 + 50, 14)); // MENU
        });
        PlayGame(kSuperDoubleBonus, [this](TGameScreen* s) {
            s->PopupMenu1Popup();
            s->Action("PayTable1")->trigger();
            PlayHand(s, Bet::OneByKeysThenSpace, HoldBy::Clicks);
            Key(s, Qt::Key_X);
        });
        PlayGame(kTripleDoubleBonus, [this](TGameScreen* s) {
            PlayHand(s, Bet::MaxByKey, HoldBy::Keys);
            PlayHand(s, Bet::MaxByBar, HoldBy::Clicks);
            Key(s, Qt::Key_F3);
            E2E_CHECK(!Session().FastCredits);
            Key(s, Qt::Key_X);
        });
        PlayGame(kSuperAces, [this](TGameScreen* s) {
            Key(s, Qt::Key_F5); // Auto Hold again
            s->PopupMenu1Popup();
            s->Action("PayTable1")->trigger();
            PlayHand(s, Bet::MaxByKey, HoldBy::Keys);
            Key(s, Qt::Key_X);
        });

        // Back on the menu: the statistics of the run, a look at every game's page and
        // a Reset answered No.
        Menu().PopupMenu1Popup();
        QVERIFY(Menu().Action("StatisticsPage1")->isEnabled());
        std::int64_t hands = 0;
        for (int g = 0; g < kGameCount; ++g)
            hands += Session().Statistics.HandsPlayed[static_cast<std::size_t>(g)];
        OnModal<TTableBuilderForm>(
            [hands](TTableBuilderForm* stats) {
                E2E_CHECK(stats->Page() == kSuperAces);
                E2E_CHECK(stats->TotalLabel(1, 0)->text() == QString::number(hands));
                for (int g = 0; g < kGameCount; ++g) {
                    E2E_CHECK(stats->GameButton(g)->isEnabled());
                    QTest::mouseClick(stats->GameButton(g), Qt::LeftButton);
                    E2E_CHECK(stats->Page() == g);
                }
                QTest::mouseClick(stats->GameButton(kJacksOrBetter), Qt::LeftButton);
                SaveScreenshot(stats, "e2e_statistics_jacks");
                OnModal<QMessageBox>(
                    [](QMessageBox* box) { box->button(QMessageBox::No)->click(); },
                    "the reset question");
                QTest::mouseClick(stats->ResetButton(), Qt::LeftButton);
                E2E_CHECK(stats->isVisible());
                QTest::mouseClick(stats->CloseButton(), Qt::LeftButton);
            },
            "the statistics window from the menu");
        Key(&Menu(), Qt::Key_F10);
        QCOMPARE(Session().Statistics.TotalHandsPlayed(), hands);

        // The credit value: quarter to dollar through the coin's own menu.
        const std::int32_t quarters = Session().Credits;
        Done chosen = OnModal<QMenu>([](QMenu* menu) { ClickItem(menu, "N100dollar1"); },
                                     "the credit-value menu");
        QTest::mouseClick(Menu().PntBoxValue(), Qt::LeftButton, {}, QPoint(40, 25));
        QVERIFY(WaitUntil([chosen] { return *chosen; }));
        QCOMPARE(Session().CreditValue, kDollar);
        QCOMPARE(Session().Credits, quarters / 4);

        // Select Triple Double Bonus with the arrow keys: it becomes the last game.
        Key(&Menu(), Qt::Key_Left);
        Key(&Menu(), Qt::Key_Left);
        Key(&Menu(), Qt::Key_Right);
        QCOMPARE(Session().LastGame, int(kTripleDoubleBonus));

        // What the next start must find.
        m_expected = Remembered();
        QTest::mouseClick(Menu().ExitButton(), Qt::LeftButton);
        QVERIFY(!Menu().isVisible());
        m_windows.reset(); // the menu goes, and the session saves the Menu section
        QVERIFY(std::filesystem::exists(m_config.settingsFile));
        QVERIFY(WaitUntil([] { return Pending() == 0; }));
        QVERIFY2(Failures().isEmpty(), qPrintable(Failures().join("\n")));
    }

    void secondRunFindsEverythingAsLeft() {
        Start();
        QVERIFY(Remembered() == m_expected);
        // The statistics belong to the run.
        QCOMPARE(Session().Statistics.TotalHandsPlayed(), 0);
        Menu().PopupMenu1Popup();
        QVERIFY(!Menu().Action("StatisticsPage1")->isEnabled());

        for (int g = 0; g < kGameCount; ++g) {
            const std::optional<LastHand> last = m_last[static_cast<std::size_t>(g)];
            QVERIFY(last);
            OnModal<TGameScreen>(
                [g, last](TGameScreen* s) {
                    E2E_CHECK(LastOf(s->Round().Engine()) == *last, QString("game %1").arg(g));
                    if (g == kJacksOrBetter)
                        E2E_CHECK(s->findChild<QLabel*>("Lb16")->text() == "9", "9/6 again");
                    Key(s, Qt::Key_X);
                },
                "a game screen");
            QTest::mouseClick(Menu().PntBoxLogos(), Qt::LeftButton, {},
                              TVantaTBMenu::ButtonRect(g).center());
        }
        QCOMPARE(Session().Credits, std::get<0>(m_expected));
        QTest::mouseClick(Menu().ExitButton(), Qt::LeftButton);
        m_windows.reset();
        QVERIFY(WaitUntil([] { return Pending() == 0; }));
        QVERIFY2(Failures().isEmpty(), qPrintable(Failures().join("\n")));
    }
};

QTEST_MAIN(GameWindowsTest)
#include "end_to_end_test.moc"
