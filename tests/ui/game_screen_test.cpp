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
#include "components/press_button.h"
#include "components/window_kit.h"
#include "core/game_engine.h"
#include "media/embedded_fonts.h"
#include "screenshot.h"
#include "shell/pay_table_file.h"
#include "shell/session.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/session_view.h"
#include "strategy/ui/analysis_windows.h"
#include "strategy/ui/hold_values_window.h"
#include "strategy/ui/strategy_table.h"
#include "table/exact_figures.h"
#include "table/strategy_advisor.h"
#include "table/ui/game_screen.h"
#include "when_up.h"

using namespace quintaro;
using quintaro::testing::AdviceFor;

class GameScreenTest : public QObject {
    Q_OBJECT

private:
    std::filesystem::path m_dir;
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
        RegisterTableWindows();
        RegisterAnalysisWindows();
        // Its own folder per process: other runs of this test may be going on at once.
        m_dir = std::filesystem::temp_directory_path() /
                ("quintaro_game_screen_test-" + std::to_string(QCoreApplication::applicationPid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        // The player's pay tables live in the test's folder too.
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_dir.string()));
        m_view = std::make_unique<SessionView>(nullptr);
        m_record = OpenTrainingRecord(m_dir / "training.sqlite3", m_view->Services().dialogs);
        m_session = std::make_unique<TVantaSession>(
            SessionConfig{m_dir / "Quintaro.ini", {m_dir / "Schemes"}, m_dir / "training.sqlite3"},
            m_view->Services(), m_record.get());
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
        const auto file = m_dir / "Quintaro.ini";
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
        const std::array<Card, 5> dealt = Cards();
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
        const auto cards = Cards();
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
};

QTEST_MAIN(GameScreenTest)
#include "game_screen_test.moc"
