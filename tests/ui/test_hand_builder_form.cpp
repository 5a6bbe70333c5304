// The hand builder and the hold values view: every hold of a hand against the exact
// engine, in both pay tables at one and five coins, and the values of a built hand.

#include "generate/list_return.h"
#include "strategy/ui/hand_builder_form.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include "components/press_button.h"
#include "components/window_kit.h"
#include "core/game_engine.h"
#include "core/named_pay_table.h"
#include "media/embedded_fonts.h"
#include "screenshot.h"
#include "shell/session.h"
#include "strategy/ui/hold_values_window.h"

using namespace quintaro;

namespace {

// Ace, King, Queen and Jack of spades with the Nine of hearts.
constexpr std::array<Card, 5> kFourToARoyal{CardOf(kAce, kSpades), CardOf(kKing, kSpades),
                                            CardOf(kQueen, kSpades), CardOf(kJack, kSpades),
                                            CardOf(kNine, kHearts)};

THoldValuesView* Open(const HoldValuesQuery& request) {
    return qobject_cast<THoldValuesView*>(OpenHoldValues(nullptr, request));
}

} // namespace

class TestHandBuilderForm : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TVantaSession> m_session;
    std::unique_ptr<GameEngine> m_engine;
    std::unique_ptr<THandBuilderForm> m_form;
    std::vector<int> m_effects;

    THandBuilderForm& Form() { return *m_form; }

    // Builds a hand by clicks on the small cards' shapes, ranks and suits in turn.
    void Build(const std::vector<Card>& cards) {
        int control = 0;
        for (Card c : cards) {
            QWidget* targets[3] = {Form().SmallCardShape(c), Form().SmallCardRank(c),
                                   Form().SmallCardSuit(c)};
            QTest::mouseClick(targets[control++ % 3], Qt::LeftButton);
        }
    }
    std::array<bool, 5> HoldLabels() {
        std::array<bool, 5> shown{};
        for (int i = 0; i < 5; ++i)
            shown[static_cast<std::size_t>(i)] = Form().HoldLabel(i)->isVisible();
        return shown;
    }
private slots:
    void initTestCase() {
        RegisterEmbeddedFonts();
        ui::SetPauseScale(0);
    }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        const std::filesystem::path root = m_dir->path().toStdString();
        m_session = std::make_unique<TVantaSession>(
            SessionConfig{root / "Quintaro.ini", {root / "Schemes"}}, SessionServices{});
        m_form = std::make_unique<THandBuilderForm>(m_session.get());
        m_form->SetEngineSource([this] { return m_engine.get(); });
        m_effects.clear();
        ui::SetEffectSink([this](int e) { m_effects.push_back(e); });
    }
    void cleanup() {
        ui::SetEffectSink({});
        m_form.reset();
        m_engine.reset();
        m_session.reset();
        m_dir.reset();
    }

    // A hand loaded from the record opens built and judged for its own game,
    // pay table and coins, whatever the open screen plays; the next opening is plain.
    void LoadedHandOpensBuiltOnce() {
        m_engine = MakeGameEngine(kDeucesWild);
        // Ace, King, Queen, Jack and Ten of Spades.
        const std::array<Card, 5> royal{39, 51, 11, 23, 35};
        Form().LoadHand(kJacksOrBetter, 1, 5, royal);
        Form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Form()));
        QVERIFY(Form().Game() == kJacksOrBetter && Form().Choice() == 1 && Form().Coins() == 5);
        QVERIFY(Form().Hand().Complete());
        QCOMPARE(Form().Hand().Cards(), royal);
        QCOMPARE(Form().StrategyLabel()->text(), QString("Pat Royal"));
        QCOMPARE(Form().ValueLabel()->text(), QString("4000.0000"));
        QVERIFY(m_effects.empty()); // loading clicks nothing
        Form().close();
        Form().show();
        QVERIFY(Form().Game() == kDeucesWild && Form().Hand().Count() == 0);
        Form().close();
    }

    // The pay-table choice offers the built-in two, then the named tables; the
    // open screen's named table comes chosen and its pays judge the hand: with
    // a flush paying 50, four spades are kept before a pair of Jacks.
    void NamedTablesJudgeWithTheirPays() {
        NamedPayTable rich{kJacksOrBetter, "Rich flush", BuiltInSchedule(kJacksOrBetter, 0)};
        rich.pays.belowFive[5] = rich.pays.atFive[5] = 50;
        m_engine = MakeGameEngine(kJacksOrBetter);
        m_engine->ApplyNamedTable(rich);
        m_engine->bet = 5;
        Form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Form()));
        const int offered = 2 + static_cast<int>(CatalogueTablesFor(kJacksOrBetter).size()) + 1;
        QCOMPARE(Form().PayTableChoice()->count(), offered);
        QCOMPARE(Form().PayTableChoice()->currentText(), QString("Rich flush"));
        QCOMPARE(Form().TitleLabel()->text(), QString("(Rich flush) Jacks or Better"));
        QVERIFY(!Form().HoldValuesButton()->isVisible());
        Build({CardOf(kTwo, kSpades), CardOf(kFive, kSpades), CardOf(kEight, kSpades),
               CardOf(kJack, kSpades), CardOf(kJack, kHearts)});
        QCOMPARE(HoldLabels(), (std::array<bool, 5>{true, true, true, true, false}));
        SaveScreenshot(&Form(), "hand_builder_named_table");
        // The values of every hold open on the hand, the pays and the bet of the screen.
        QVERIFY(Form().HoldValuesButton()->isVisible());
        QPointer<THoldValuesView> view =
            qobject_cast<THoldValuesView*>(Form().HoldValuesBtnClick());
        QVERIFY(view);
        const HoldValuesQuery& asked = view->Request();
        QVERIFY(asked.cards == Form().Hand().Cards() && asked.pays == rich.pays &&
                asked.coins == 5);
        Form().ChoosePayTable(0);
        QVERIFY(!Form().NamedTable());
        QCOMPARE(HoldLabels(), (std::array<bool, 5>{false, false, false, true, true}));
        // The view keeps its hand when the builder's is cleared; the next opening closes it.
        Form().BtnClearHandClick();
        QVERIFY(view && view->isVisible() && !Form().HoldValuesButton()->isVisible());
        Form().hide();
        Form().show();
        QTRY_VERIFY(!view);
        Form().close();
    }

    void everyHoldBestFirstAgainstTheEngine() {
        struct Case {
            int choice;
            int coins;
            int playerHold;
            const char* shot;
        };
        const Case cases[] = {{0, 1, -1, "hold_values_8_5_one_coin"},
                              {1, 5, 0b10000, "hold_values_9_6_five_coins_player_hold"}};
        for (const Case& c : cases) {
            HoldValuesQuery request{kJacksOrBetter, c.choice,      c.coins, kFourToARoyal,
                                    c.playerHold,   std::string(), {}};
            QPointer<THoldValuesView> view = Open(request);
            QVERIFY(view);
            QVERIFY(QTest::qWaitForWindowExposed(view));
            QVERIFY(!view->isModal());
            QVERIFY(view->TitleLabel()->text().startsWith(c.choice ? "(9/6)" : "(8/5)"));
            const exact::HoldValues expected =
                exact::AnalyseHolds(kJacksOrBetter, c.choice, c.coins, kFourToARoyal);
            const exact::HoldMask list = ListHold(kJacksOrBetter, c.choice, kFourToARoyal);
            const auto& rows = view->Rows();
            QCOMPARE(rows.size(), std::size_t{32});
            QCOMPARE(view->List()->count(), 32);
            std::uint32_t seen = 0;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const HoldValueRow& r = rows[i];
                seen |= 1u << r.hold;
                QCOMPARE(r.perCoin, expected.PerCoin(r.hold));
                QCOMPARE(r.credits, expected.Credits(r.hold));
                QCOMPARE(r.shortfall, expected.ShortfallPerCoin(r.hold));
                QCOMPARE(r.list, r.hold == list);
                QCOMPARE(r.player, int(r.hold) == c.playerHold);
                if (i > 0) QVERIFY(rows[i - 1].perCoin >= r.perCoin);
            }
            QCOMPARE(seen, 0xFFFFFFFFu);
            QCOMPARE(view->ListHold(), list);
            QVERIFY(rows[0].best);
            // The row text carries the figures for the coins bet.
            QVERIFY(
                view->List()->item(0)->text().contains(QString::number(rows[0].credits, 'f', 4)));

            // The player's hold is selected first when there is one, else the best.
            const exact::HoldMask first =
                c.playerHold >= 0 ? exact::HoldMask(c.playerHold) : rows[0].hold;
            QCOMPARE(view->ShownHold(), first);
            SaveScreenshot(view, c.shot);
            // Selecting a row shows its hold on the cards.
            for (int row : {0, 5, 31}) {
                view->List()->setCurrentRow(row);
                const exact::HoldMask m = rows[static_cast<std::size_t>(row)].hold;
                QCOMPARE(view->ShownHold(), m);
                for (int p = 0; p < 5; ++p)
                    QCOMPARE(view->HoldLabel(p)->isVisible(), bool((m >> p) & 1));
                QVERIFY(view->SelectionLine()->text().startsWith(QString("Rank %1:").arg(row + 1)));
            }
            if (c.coins == 1)
                view->CloseButton()->click();
            else
                QTest::keyClick(view->List(), Qt::Key_Escape);
            QTRY_VERIFY(!view); // closing frees the window
        }
    }
};

QTEST_MAIN(TestHandBuilderForm)
#include "test_hand_builder_form.moc"
