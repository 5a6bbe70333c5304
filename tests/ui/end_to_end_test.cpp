// The whole program, through its real windows, on the offscreen platform with
// every pause shortened to nothing. A new player starts with an empty settings
// folder, inserts bills, changes the credit value, plays hands in all nine
// games (keys, card clicks and the button bar), switches pay tables and play
// modes, opens every window once, goes back to the menu and exits. A second
// start must find the credits, the options, the last game, and every game's
// last hand and pay table as they were left.

// The strategy headers before any Qt header: a list field is named like a Qt keyword.
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
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <array>
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
#include "strategy/ui/strategy_table.h"
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

class EndToEndTest : public QObject {
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
        const QRect button = TVantaTBMenu::ButtonRect(game);
        QTest::mouseClick(Menu().PntBoxLogos(), Qt::LeftButton, {}, button.center());
        QCOMPARE(Session().LastGame, game);
        QVERIFY(Menu().isVisible());
        QVERIFY(!Menu().Launching());
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

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        const std::filesystem::path root = m_dir.path().toStdString();
        m_config = SessionConfig{root / "config" / "Quintaro.ini", {root / "Schemes"}};
        RegisterEmbeddedFonts();
        ui::SetPauseScale(0);
        RegisterTableWindows();
        RegisterAnalysisWindows();
    }

    void firstRunFromAnEmptySettingsFolder() {
        QVERIFY(!std::filesystem::exists(m_config.settingsFile));
        Start();
        QCOMPARE(Session().Credits, 150);
        QCOMPARE(Session().CreditValue, kQuarter);
        QCOMPARE(Session().LastGame, 0);
        QVERIFY(Session().ShowMistakes);
        QVERIFY(!Session().AutoHold);
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

QTEST_MAIN(EndToEndTest)
#include "end_to_end_test.moc"
