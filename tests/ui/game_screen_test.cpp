// The game screens on the offscreen platform: layout, keys, mouse, the menu,
// the mistake panel and screenshots of the table in its states.

// The strategy headers before any Qt header: a list field is named like a Qt keyword.
#include "generate/list_return.h"
#include "strategy/classifier.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>

#include "../table/round_fakes.h"
#include "core/game_engine.h"
#include "media/embedded_fonts.h"
#include "screenshot.h"
#include "shell/pay_table_file.h"
#include "shell/session.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/press_button.h"
#include "shell/ui/session_view.h"
#include "shell/ui/window_kit.h"
#include "strategy/ui/hold_values_window.h"
#include "strategy/ui/strategy_table.h"
#include "table/exact_figures.h"
#include "table/strategy_advisor.h"
#include "table/ui/game_screen.h"

using namespace quintaro;
using quintaro::testing::AdviceFor;

namespace {

// A seed for the engine's next deal whose dealt hand satisfies `wanted`.
void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

class GameScreenTest : public QObject {
    Q_OBJECT

private:
    std::filesystem::path m_dir;
    std::unique_ptr<SessionView> m_view;
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
    std::array<Card, 5> Cards() {
        std::array<Card, 5> cards{};
        for (std::size_t p = 0; p < 5; ++p) cards[p] = E().hand[p].card;
        return cards;
    }
    void HoldMask(exact::HoldMask mask) {
        for (int p = 0; p < 5; ++p)
            if (E().hand[static_cast<std::size_t>(p)].held != bool((mask >> p) & 1))
                m_screen->Round().ToggleHold(p);
    }

private slots:
    void initTestCase() {
        RegisterEmbeddedFonts();
        ui::SetPauseScale(0);
        // Its own folder per process: other runs of this test may be going on at once.
        m_dir = std::filesystem::temp_directory_path() /
                ("quintaro_game_screen_test-" + std::to_string(QCoreApplication::applicationPid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        // The player's pay tables live in the test's folder too.
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_dir.string()));
        m_view = std::make_unique<SessionView>(nullptr);
        m_session = std::make_unique<TVantaSession>(
            SessionConfig{m_dir / "Quintaro.ini", {m_dir / "Schemes"}, m_dir / "training.sqlite3"},
            m_view->Services());
        m_view->SetSession(m_session.get());
        m_session->Sound = false;
    }
    void cleanupTestCase() {
        delete m_screen;
        m_session->Close();
        m_session.reset();
        m_view.reset();
        std::filesystem::remove_all(m_dir);
    }
    void init() {
        m_session->AutoHold = false;
        m_session->ShowMistakes = false;
        m_session->FastCredits = true;
        m_session->PerfectPlay = false;
    }

    void layoutAtThePixelRectangles() {
        QVERIFY(Open(kJacksOrBetter));
        QCOMPARE(m_screen->size(), QSize(800, 600));
        const struct {
            const char* name;
            QRect rect;
        } parts[] = {
            {"PntBoxCards", {46, 271, 700, 180}},   {"PanelCenter", {149, 381, 493, 38}},
            {"Panel25", {38, 463, 248, 49}},        {"Panel27", {389, 463, 371, 49}},
            {"Panel5", {16, 457, 763, 96}},         {"PntBoxButtons", {21, 526, 755, 28}},
            {"PaysPanel", {47, 11, 239, 220}},      {"PanelCoin1", {289, 11, 74, 220}},
            {"PanelCoin5", {593, 11, 152, 220}},    {"PaintBoxWin", {91, 3, 152, 41}},
            {"PntBoxCreditValue", {2, 3, 165, 42}}, {"PntBoxImageCredits", {166, 4, 201, 40}}};
        for (const auto& p : parts) {
            QWidget* w = Child<QWidget>(p.name);
            QVERIFY2(w, p.name);
            QCOMPARE(w->geometry(), p.rect);
        }
        const int tops[] = {196, 173, 149, 126, 103, 79, 56, 32, 9};
        for (int c = 1; c <= 9; ++c) {
            QCOMPARE(Child<QLabel>(qPrintable(QString("LbP%1").arg(c)))->y(), tops[c - 1]);
            QCOMPARE(Child<QLabel>(qPrintable(QString("Lb5%1").arg(c)))->y(), tops[c - 1]);
        }
        QCOMPARE(Child<QLabel>("Lb59")->text(), QString("4000"));
        QCOMPARE(Child<QLabel>("Lb49")->text(), QString("1000"));
        QCOMPARE(Child<QLabel>("Lb13")->text(), QString("3"));
        QCOMPARE(Child<QLabel>("LbHeld0")->pos(), QPoint(80, 243));
        QCOMPARE(Child<QLabel>("GameName")->text(), QString("Draw Poker"));
        // Opening: the built-in royal, all held, its win shown but not paid.
        QVERIFY(m_screen->WinCaptionPanel()->isVisible());
        QCOMPARE(m_screen->WinCaptionLabel()->text(), QString("ROYAL FLUSH  wins  4000"));
        for (int i = 0; i < 5; ++i) QVERIFY(Held(i));
        QCOMPARE(m_session->WinMeter, 4000);
        QCOMPARE(m_session->Credits, 100);
        SaveScreenshot(m_screen, "game_screen_jacks_opening");
    }

    void nineScreenClassesByGameIndex() {
        const char* classes[] = {"TDrawPoker",   "TBonusDeluxePoker", "TBonusPoker",
                                 "TDeucesPoker", "TDoublBonus",       "TDblDblBonus",
                                 "TSuperDblBns", "TTripDblBonus",     "TSuperAce"};
        for (int game = 0; game < kGameCount; ++game) {
            QVERIFY(Open(game));
            QCOMPARE(m_screen->objectName(), QString(classes[game]));
            QCOMPARE(m_screen->Game(), game);
            const int rows = m_screen->Round().RowCount();
            QVERIFY(Child<QLabel>(qPrintable(QString("LbP%1").arg(rows))));
            QCOMPARE(Child<QLabel>(qPrintable(QString("LbP%1").arg(rows)))->y(), 9);
            QCOMPARE(Child<QLabel>("LbP1")->y(), 196);
            if (game == kTripleDoubleBonus) SaveScreenshot(m_screen, "game_screen_triple_double");
        }
        QVERIFY(dynamic_cast<TBonusDeluxePoker*>(Open(kBonusPoker)));
        QVERIFY(dynamic_cast<TBonusPoker*>(Open(kBonusDeluxe)));
        // The registry's factory builds them for the menu.
        RegisterTableWindows();
        QDialog* made =
            Windows().gameScreens(GameScreenContext{kDeucesWild, *m_session, *m_view}, nullptr);
        QCOMPARE(made->objectName(), QString("TDeucesPoker"));
        delete made;
    }

    void keysPlayARound() {
        QVERIFY(m_session->Record().Usable());
        const std::size_t rowsBefore = m_session->Record().Rows({}).size();
        QVERIFY(Open(kJacksOrBetter));
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
        QTest::keyClick(m_screen, Qt::Key_Z);
        QVERIFY(Held(0));
        QTest::keyClick(m_screen, Qt::Key_3, Qt::KeypadModifier);
        QVERIFY(Held(2));
        QTest::keyClick(m_screen, Qt::Key_Comma);
        QVERIFY(!Held(2));
        SaveScreenshot(m_screen, "game_screen_jacks_holding");
        QTest::keyClick(m_screen, Qt::Key_Return);
        QCOMPARE(m_screen->Round().State(), RoundState::GameOver);
        QVERIFY(Child<QLabel>("LbGameStatus")->isVisible());
        QCOMPARE(m_session->Credits, 98 + m_session->Statistics.CreditsPaid[0][E().finalCategory]);
        // The draw is in the training record: the first card held, two coins.
        const auto rows = m_session->Record().Rows({});
        QCOMPARE(rows.size(), rowsBefore + 1);
        QCOMPARE(rows.back().held, 0b00001);
        QCOMPARE(rows.back().coins, 2);
        QCOMPARE(rows.back().game, int(kJacksOrBetter));
        QCOMPARE(rows.back().dealt[0], E().hand[0].card); // the held card stayed
        QTest::keyClick(m_screen, Qt::Key_X);             // MENU at game over closes the screen
        QVERIFY(!m_screen || !m_screen->isVisible());
    }

    void controlBetsAloneAndCtrlMOnlyMinimizes() {
        QVERIFY(Open(kJacksOrBetter));
        // Ctrl+M: the Control key goes down first, yet no coin is bet.
        QTest::keyClick(m_screen, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(m_screen->isMinimized());
        QCOMPARE(m_screen->Round().State(), RoundState::GameOver);
        QCOMPARE(m_session->Credits, 100);
        QCOMPARE(E().bet, 0);
        m_screen->showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen));
        // Control with a key that does nothing else bets nothing either.
        QTest::keyPress(m_screen, Qt::Key_Control);
        QTest::keyClick(m_screen, Qt::Key_V, Qt::ControlModifier);
        QTest::keyRelease(m_screen, Qt::Key_Control);
        QCOMPARE(m_session->Credits, 100);
        // Control alone bets one coin when it is released.
        QTest::keyPress(m_screen, Qt::Key_Control);
        QCOMPARE(m_session->Credits, 100);
        QTest::keyRelease(m_screen, Qt::Key_Control);
        QCOMPARE(m_session->Credits, 99);
        QCOMPARE(m_screen->Round().State(), RoundState::Betting);
        // Ctrl+M in the middle of a round minimizes and leaves the round as it is.
        QTest::keyClick(m_screen, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(m_screen->isMinimized());
        QCOMPARE(E().bet, 1);
        QCOMPARE(m_session->Credits, 99);
        m_screen->showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen));
        QTest::keyClick(m_screen, Qt::Key_Space);
        QTest::keyClick(m_screen, Qt::Key_Space);
        QCOMPARE(m_screen->Round().State(), RoundState::GameOver);
    }

    void billsLeavingFewCreditsLightOnlyTheTilesThatAct() {
        QVERIFY(Open(kJacksOrBetter, 7));
        QTest::keyClick(m_screen, Qt::Key_B);
        QTest::keyClick(m_screen, Qt::Key_Space);
        QCOMPARE(m_screen->Round().State(), RoundState::GameOver);
        // Whatever the hand paid, 2 credits are left before a $1 bill at a dollar a credit.
        m_session->Credits = 2;
        m_session->CreditValue = kDollar;
        QTimer::singleShot(0, this, [] {
            QWidget* bills = QApplication::activeModalWidget();
            if (!bills) return;
            bills->findChild<QPushButton*>("Btn1in")->click();
            for (QPushButton* b : bills->findChildren<QPushButton*>())
                if (b->text() == "OK") b->click();
        });
        m_screen->Action("InsertBills1")->trigger();
        QCOMPARE(m_session->Credits, 3);
        QCOMPARE(m_session->BarState, 7);
        const auto& bar = m_session->ButtonBarTable[7];
        QCOMPARE(bar[4], 17); // BET 1 acts
        QCOMPARE(bar[5], 0);  // MAX BET needs 5 credits
        QCOMPARE(bar[6], 0);  // DEAL would bet the last 5 coins again
        SaveScreenshot(m_screen, "game_screen_jacks_three_credits_after_bills");
        m_session->CreditValue = kQuarter;
    }

    void mouseOnCardsAndBar() {
        QVERIFY(Open(kJacksOrBetter));
        QWidget* cards = m_screen->CardsBox();
        QWidget* bar = m_screen->ButtonsBox();
        // MAX BET from the bar.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(5 * 108 + 20, 10));
        QCOMPARE(m_screen->Round().State(), RoundState::Holding);
        QCOMPARE(E().bet, 5);
        QTest::mouseClick(cards, Qt::LeftButton, {}, QPoint(120, 10)); // the gap
        for (int i = 0; i < 5; ++i) QVERIFY(!Held(i));
        QTest::mouseClick(cards, Qt::LeftButton, {}, QPoint(145, 10));
        QVERIFY(Held(1));
        QTest::mouseClick(cards, Qt::RightButton, {}, QPoint(300, 10));
        QVERIFY(!Held(2));
        // A drag from the first card to the last toggles each card once.
        SendMouse(cards, QEvent::MouseButtonPress, {10, 50}, Qt::LeftButton, Qt::LeftButton);
        for (int x = 20; x < 700; x += 30)
            SendMouse(cards, QEvent::MouseMove, {x, 50}, Qt::NoButton, Qt::LeftButton);
        SendMouse(cards, QEvent::MouseButtonRelease, {690, 50}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(Held(0));
        QVERIFY(!Held(1));
        QVERIFY(Held(2) && Held(3) && Held(4));
        // DRAW from the bar.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(6 * 108 + 20, 10));
        QCOMPARE(m_screen->Round().State(), RoundState::GameOver);
    }

    void menuEnablementAndCommands() {
        QVERIFY(Open(kJacksOrBetter));
        m_session->Statistics.Reset();
        m_screen->PopupMenu1Popup();
        QVERIFY(!m_screen->Action("StatisticsPage1")->isEnabled()); // nothing played yet
        QVERIFY(m_screen->Action("PlayingModes1")->isEnabled());
        QVERIFY(m_screen->Action("N851")->isChecked());
        QCOMPARE(m_screen->Action("N961")->text(), QString("9/6"));
        QCOMPARE(m_screen->Action("InsertBills1")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(m_screen->Action("Minimize1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        QCOMPARE(m_screen->Action("PracticeDrill1")->shortcut(), QKeySequence(Qt::Key_F12));
        QVERIFY(m_screen->Action("PracticeDrill1")->isEnabled()); // between rounds
        QStringList captions;
        for (QAction* a : m_screen->PopupMenu1()->actions())
            captions << (a->isSeparator() ? QString("-") : a->text());
        // The training record's three commands follow the statistics page.
        QCOMPARE(captions, (QStringList{"&Insert Bills...",
                                        "Build Hand...",
                                        "Strategy Table...",
                                        "Pay Table Analysis...",
                                        "Hold Values...",
                                        "Statistics Page...",
                                        "Mistakes...",
                                        "Training Progress...",
                                        "Practice &Drill...",
                                        "-",
                                        "Fast Credits",
                                        "&Sound",
                                        "Playing Modes",
                                        "Pay Tables",
                                        "-",
                                        "&Help",
                                        "&About",
                                        "-",
                                        "&Minimize",
                                        "&Return to Menu"}));
        // The pay table analysis opens through the registry for the game, table and bet.
        std::array<int, 3> analysed{-1, -1, -1};
        Windows().payTableAnalysis = [&](TVantaSession&, QWidget*, int game, int table, int coins,
                                         const NamedPayTable*) {
            analysed = {game, table, coins};
        };
        m_screen->Action("PayTableAnalysis1")->trigger();
        Windows().payTableAnalysis = nullptr;
        QCOMPARE(analysed[0], m_screen->Round().Engine().game);
        QCOMPARE(analysed[1], m_screen->Round().Engine().altPayTable ? 1 : 0);
        QCOMPARE(analysed[2], StrategyTableCoins(m_screen->Round().Engine()));
        // The pay-table switch rewrites the changed cells.
        QCOMPARE(Child<QLabel>("Lb36")->text(), QString("24"));
        m_screen->Action("N961")->trigger();
        QCOMPARE(Child<QLabel>("Lb36")->text(), QString("27"));
        QCOMPARE(Child<QLabel>("Lb35")->text(), QString("18"));
        m_screen->Action("N851")->trigger();
        QCOMPARE(Child<QLabel>("Lb36")->text(), QString("24"));
        // Sound with F4.
        const bool sound = m_session->Sound;
        QTest::keyClick(m_screen, Qt::Key_F4);
        QCOMPARE(m_session->Sound, !sound);
        QTest::keyClick(m_screen, Qt::Key_F4);
        // Play modes with F5 to F7.
        QTest::keyClick(m_screen, Qt::Key_F5);
        QVERIFY(m_session->AutoHold);
        QCOMPARE(Child<QLabel>("PlayMode")->text(), QString("Auto Hold"));
        QTest::keyClick(m_screen, Qt::Key_F7);
        QVERIFY(!m_session->AutoHold && !m_session->ShowMistakes);
        QCOMPARE(Child<QLabel>("PlayMode")->text(), QString("Normal"));
        // During Holding the game-over-only items are disabled.
        QTest::keyClick(m_screen, Qt::Key_B);
        QCOMPARE(m_screen->Round().State(), RoundState::Holding);
        m_screen->PopupMenu1Popup();
        for (const char* name : {"PlayingModes1", "PayTables1", "StatisticsPage1", "Close1"})
            QVERIFY2(!m_screen->Action(name)->isEnabled(), name);
        QTest::keyClick(m_screen, Qt::Key_F6); // ignored while a hand is open
        QVERIFY(!m_session->ShowMistakes);
        QTest::keyClick(m_screen, Qt::Key_Space);
        m_screen->PopupMenu1Popup();
        QVERIFY(m_screen->Action("StatisticsPage1")->isEnabled());
        QVERIFY(m_screen->Action("Close1")->isEnabled());
    }

    void creditHintShowsTheMoneyValue() {
        QVERIFY(Open(kJacksOrBetter, 10));
        m_session->CreditValue = kQuarter;
        QCOMPARE(m_screen->CreditHint(), QString("$2.50"));
        m_session->CreditValue = kNickel;
        QCOMPARE(m_screen->CreditHint(), QString("$0.50"));
        QCOMPARE(Child<QWidget>("PntBoxImageCredits")->toolTip(), QString("Click to insert money"));
        m_session->CreditValue = kQuarter;
    }

    void aFailedSaveOfTheGameSectionIsReported() {
        QVERIFY(Open(kBonusPoker));
        QVERIFY(m_screen->Round().CanClose());
        // A folder where the settings file should be: the game's section cannot be written.
        const auto file = m_dir / "Quintaro.ini";
        std::filesystem::remove_all(file);
        std::filesystem::create_directories(file);
        QString caption, text;
        QTimer answer;
        answer.setInterval(10);
        connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            caption = box->windowTitle();
            text = box->text();
            SaveScreenshot(box, "game_section_save_failed");
            box->accept();
        });
        answer.start();
        QVERIFY(m_screen->close());
        answer.stop();
        std::filesystem::remove_all(file);
        QCOMPARE(caption, QString("Quintaro"));
        QVERIFY2(text.startsWith("This game's last hand and pay table could not be saved."),
                 qPrintable(text));
        QVERIFY2(text.contains("Quintaro.ini"), qPrintable(text));
    }

    void wildCardPictureOnlyInDeucesWild() {
        QVERIFY(Open(kDeucesWild));
        const Card twoOfHearts = CardOf(kTwo, kHearts);
        const Card threeOfHearts = CardOf(kThree, kHearts);
        const QRect picture(51, 11, 61, 74);
        QVERIFY(m_screen->CardFace(0, twoOfHearts).copy(picture) !=
                m_screen->CardFace(0, threeOfHearts).copy(picture));
        QVERIFY(Open(kJacksOrBetter));
        QCOMPARE(m_screen->CardFace(0, twoOfHearts).copy(picture),
                 m_screen->CardFace(0, threeOfHearts).copy(picture));
    }

    void mistakePanelStopsAWrongHold() {
        m_session->ShowMistakes = true;
        QVERIFY(Open(kJacksOrBetter));
        NextDeal([](GameEngine& g) {
            const Recommendation r = AdviceFor(g);
            return r.HeldCount() >= 2 && r.HeldCount() <= 3;
        });
        QTest::keyClick(m_screen, Qt::Key_B);
        const Recommendation r = AdviceFor(E());
        QTest::keyClick(m_screen, Qt::Key_Return); // nothing held: a mistake
        QFrame* panel = m_screen->MistakePanel();
        QVERIFY(panel->isVisible());
        for (int i = 0; i < 5; ++i)
            QCOMPARE(Child<QLabel>(qPrintable(QString("LbWarn%1").arg(i)))->isVisible(),
                     r.hold[static_cast<std::size_t>(i)] != 0);
        QCOMPARE(Child<QLabel>("StrategyRank")->text(), QString::number(r.strategyIndex));
        QVERIFY(
            Child<QLabel>("StrategyEV")->text().contains(QRegularExpression("^\\d+\\.\\d{4}$")));
        QVERIFY(!Child<QLabel>("StrategyName")->text().isEmpty());
        SaveScreenshot(m_screen, "game_screen_jacks_mistake_panel");
        // The command shortcuts that leave the hand alone work while the panel waits.
        const bool fast = m_session->FastCredits;
        QTest::keyClick(m_screen, Qt::Key_F3);
        QCOMPARE(m_session->FastCredits, !fast);
        QTest::keyClick(m_screen, Qt::Key_F3);
        int tableRow = -2;
        QTimer::singleShot(0, this, [&] {
            if (auto* t = qobject_cast<TStrategyTable*>(QApplication::activeModalWidget())) {
                tableRow = t->ListBox()->currentRow();
                t->close();
            }
        });
        QTest::keyClick(m_screen, Qt::Key_F9);
        QCOMPARE(tableRow, r.strategyIndex - 1);
        QVERIFY(panel->isVisible());
        // Keys and clicks on the cards wait while the panel is up.
        QTest::keyClick(m_screen, Qt::Key_Z);
        QVERIFY(!Held(0));
        QTest::mouseClick(m_screen->CardsBox(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!Held(0));
        Child<QPushButton>("BitBtn2")->click(); // Cancel
        QVERIFY(!panel->isVisible());
        QTest::keyClick(m_screen, Qt::Key_Return); // the same hold stops again
        QVERIFY(panel->isVisible());
        Child<QPushButton>("BitBtn1")->click(); // Continue: draw with the player's hold
        QVERIFY(!panel->isVisible());
        QCOMPARE(m_screen->Round().State(), RoundState::GameOver);
        m_session->ShowMistakes = false;
    }

    void perfectPlayAndHoldValuesCommands() {
        m_session->ShowMistakes = true;
        QVERIFY(Open(kJacksOrBetter));
        m_screen->PopupMenu1Popup();
        QAction* perfect = m_screen->Action("PerfectPlay1");
        QVERIFY(m_screen->Action("PlayingModes1")->menu()->actions().contains(perfect));
        QVERIFY(perfect->isCheckable() && perfect->isEnabled() && !perfect->isChecked());
        QVERIFY(
            !m_screen->Action("HoldValues1")->isEnabled()); // the opening hand's deal is unknown
        // "Hold Values..." has a key of its own.
        QCOMPARE(m_screen->Action("HoldValues1")->shortcut(), QKeySequence(Qt::Key_F11));
        int f11 = 0;
        for (QAction* a : m_screen->findChildren<QAction*>())
            f11 += a->shortcut() == QKeySequence(Qt::Key_F11);
        QCOMPARE(f11, 1);
        perfect->trigger();
        QVERIFY(m_session->PerfectPlay);
        m_screen->PopupMenu1Popup();
        QVERIFY(perfect->isChecked());
        const QString caption = QString::fromUtf8("Show Mistakes \u00b7 Perfect");
        QCOMPARE(Child<QLabel>("PlayMode")->text(), caption);
        QCOMPARE(Child<QLabel>("PlayModeS")->text(), caption);
        QVERIFY(Child<QLabel>("PlayModeS")->geometry().right() < Child<QLabel>("GameName")->x());

        // While holding: the dealt hand, nothing marked as the player's; the table keeps its holds.
        QTest::keyClick(m_screen, Qt::Key_B);
        QCOMPARE(m_screen->Round().State(), RoundState::Holding);
        m_screen->PopupMenu1Popup();
        QVERIFY(!perfect->isEnabled());
        QVERIFY(m_screen->Action("HoldValues1")->isEnabled());
        const std::array<Card, 5> dealt = Cards();
        m_screen->Round().ToggleHold(0);
        QTest::keyClick(m_screen, Qt::Key_F11);
        QPointer<THoldValuesView> view = m_screen->findChild<THoldValuesView*>();
        QVERIFY(view);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QCOMPARE(view->Request().cards, dealt);
        QCOMPARE(view->Request().coins, 5);
        QCOMPARE(view->Request().playerHold, -1);
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
        QCOMPARE(view->Request().cards, dealt);
        QCOMPARE(view->Request().playerHold, int(best));
        QCOMPARE(view->ShownHold(), best);
        delete view;
        m_session->ShowMistakes = false;
    }

    void mistakePanelShowsTheExactFigures() {
        m_session->ShowMistakes = true;
        QVERIFY(Open(kTripleDoubleBonus));
        NextDeal(quintaro::testing::TwosWithAnAce);
        QTest::keyClick(m_screen, Qt::Key_B);
        const auto cards = Cards();
        const exact::HoldValues values =
            exact::AnalyseHolds(kTripleDoubleBonus, E().altPayTable, 5, cards);
        const exact::HoldMask list = ListHold(kTripleDoubleBonus, E().altPayTable, cards);
        struct Case {
            exact::HoldMask hold;
            bool imperfect;
        };
        // The best hold keeps the Ace the list drops; holding nothing is plainly worse.
        for (const Case c : {Case{values.best, true}, Case{0, false}}) {
            HoldMask(c.hold);
            QTest::keyClick(m_screen, Qt::Key_Return);
            QVERIFY(m_screen->MistakePanel()->isVisible());
            MistakeFigures f;
            f.coins = 5;
            f.player = values.Credits(c.hold);
            f.list = values.Credits(list);
            f.best = values.Credits(values.best);
            const MistakeFigureText text = MistakeText(f);
            QCOMPARE(m_screen->MistakeFiguresLabel()->text(), QString::fromStdString(text.figures));
            QCOMPARE(m_screen->MistakeVerdictLabel()->text(), QString::fromStdString(text.verdict));
            QCOMPARE(text.verdict.find("imperfect") != std::string::npos, c.imperfect);
            QVERIFY(text.figures.find("cost " + CreditsText(values.ShortfallPerCoin(c.hold) * 5)) !=
                    std::string::npos);
            // The HOLD labels still show the list's hold.
            for (int i = 0; i < 5; ++i)
                QCOMPARE(Child<QLabel>(qPrintable(QString("LbWarn%1").arg(i)))->isVisible(),
                         bool((list >> i) & 1));
            for (QLabel* l : {m_screen->MistakeFiguresLabel(), m_screen->MistakeVerdictLabel()})
                QVERIFY(m_screen->MistakePanel()->rect().contains(l->geometry()));
            SaveScreenshot(m_screen, c.imperfect ? "game_screen_mistake_panel_imperfect_list"
                                                 : "game_screen_mistake_panel_figures");
            Child<QPushButton>("BitBtn2")->click(); // Cancel
            QVERIFY(m_screen->MistakeFiguresLabel()->text().isEmpty());
        }
        HoldMask(list);
        QTest::keyClick(m_screen, Qt::Key_Return);
        QCOMPARE(m_screen->Round().State(), RoundState::GameOver);
        m_session->ShowMistakes = false;
    }

    void deucesScreenshots() {
        QVERIFY(Open(kDeucesWild));
        NextDeal([](GameEngine& g) {
            int deuces = 0;
            for (const auto& s : g.hand) deuces += RankOf(s.card) == kTwo;
            return deuces == 1 && g.EvaluateTable() >= 1;
        });
        QTest::keyClick(m_screen, Qt::Key_B);
        QCOMPARE(m_screen->Round().State(), RoundState::Holding);
        for (int p = 0; p < 5; ++p)
            if (AdviceFor(E()).hold[static_cast<std::size_t>(p)]) m_screen->Round().ToggleHold(p);
        SaveScreenshot(m_screen, "game_screen_deuces_holding");
        // Keep everything of a paying hand so the round ends with a win.
        for (int p = 0; p < 5; ++p)
            if (!E().hand[static_cast<std::size_t>(p)].held) m_screen->Round().ToggleHold(p);
        QTest::keyClick(m_screen, Qt::Key_Space);
        QCOMPARE(m_screen->Round().State(), RoundState::GameOver);
        QVERIFY(E().finalCategory >= 1);
        QVERIFY(m_screen->WinCaptionPanel()->isVisible());
        QVERIFY(m_screen->WinCaptionLabel()->text().contains("  wins  "));
        SaveScreenshot(m_screen, "game_screen_deuces_game_over_win");
        m_screen->Timer1().stop();
        m_screen->Round().Timer1Timer();
        m_screen->Round().Timer1Timer(); // the yellow phase of the blink
        SaveScreenshot(m_screen, "game_screen_deuces_game_over_blink");
    }

    // A table of one's own chosen from the menu: its six-figure cells fit the
    // panel, a win pays its row, and the strategy table is titled with its name.
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
        struct Cell {
            const char* name;
            const char* text;
        };
        for (const Cell c : {Cell{"Lb51", "499995"}, Cell{"Lb41", "399996"}, Cell{"Lb59", "499995"},
                             Cell{"Lb49", "399996"}, Cell{"Lb18", "50000"}, Cell{"Lb53", "15"}}) {
            auto* cell = Child<QLabel>(c.name);
            QCOMPARE(cell->text(), QString(c.text));
            QVERIFY2(QFontMetrics(cell->font()).horizontalAdvance(cell->text()) <= cell->width(),
                     c.name);
        }
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
        table.Fill(kJacksOrBetter, 0, 1, 45, "Jacks or Better");
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QCOMPARE(table.windowTitle(), QString("Strategy Table for (8/5) Jacks or Better"));
        QCOMPARE(table.ListBox()->count(), 45);
        QCOMPARE(table.ListBox()->currentRow(), 44);
        QCOMPARE(table.TopLine(), table.ListBox()->verticalScrollBar()->maximum());
        QVERIFY(table.ListBox()->item(0)->text().startsWith("    1   Pat Royal"));
        SaveScreenshot(&table, "strategy_table_jacks_redraw");
        table.findChild<QPushButton*>("Button2")->click(); // Legend
        QVERIFY(table.Legend()->isVisible());
        QCOMPARE(table.ListBox()->height(), TStrategyTable::kListHeightWithLegend);
        QVERIFY(!table.ReturnsLabel()->isVisible());
        SaveScreenshot(&table, "strategy_table_jacks_legend");
        QTest::mouseClick(table.Legend(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!table.Legend()->isVisible());
        QCOMPARE(table.ListBox()->height(), TStrategyTable::kListHeight);
        QVERIFY(table.ReturnsLabel()->isVisible());
        table.hide();
        // A middle entry stands 17 lines below the top line.
        table.Fill(kSuperAces, 0, 5, 30, "Super Aces Bonus");
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QCOMPARE(table.TopLine(), 29 - 17);
        QVERIFY(table.ListBox()->item(0)->text().endsWith("4000.0000"));
        QVERIFY(table.ListBox()->item(1)->text().endsWith("2000.0000")); // Four Aces
        SaveScreenshot(&table, "strategy_table_super_aces_five_coins");
        table.hide();
        // Without a selection the list starts at its top.
        table.Fill(kDeucesWild, 0, 1, 0, "Deuces Wild");
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QCOMPARE(table.TopLine(), 0);
        QCOMPARE(table.ListBox()->selectedItems().size(), 0);
        SaveScreenshot(&table, "strategy_table_deuces_no_selection");
        table.hide();
        // The returns of the pay table arrive from a worker, and are kept.
        table.Fill(kJacksOrBetter, 1, 5, 0, "Jacks or Better");
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QTRY_VERIFY_WITH_TIMEOUT(TheReturnStore().Find(kJacksOrBetter, 1, 5).has_value(), 120000);
        const QString returns =
            QString::fromStdString(ReturnCaption(*TheReturnStore().Find(kJacksOrBetter, 1, 5)));
        QVERIFY(returns.startsWith("This list returns ") && returns.endsWith(" %"));
        QTRY_COMPARE(table.ReturnsLabel()->text(), returns);
        SaveScreenshot(&table, "strategy_table_returns");
        table.Fill(kJacksOrBetter, 1, 5, 0, "Jacks or Better");
        QCOMPARE(table.ReturnsLabel()->text(), returns);
        table.Fill(kJacksOrBetter, 0, 5, 0, "Jacks or Better");
        QVERIFY(table.ReturnsLabel()->text() != returns || TheReturnStore().Find(0, 0, 5));
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
};

QTEST_MAIN(GameScreenTest)
#include "game_screen_test.moc"
