#include "strategy/ui/hand_builder_form.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <tuple>
#include <vector>

#include "components/press_button.h"
#include "components/window_kit.h"
#include "core/game_engine.h"
#include "core/named_pay_table.h"
#include "screenshot.h"
#include "shell/session.h"

using namespace quintaro;

class TestHandBuilderForm : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TVantaSession> m_session;
    std::unique_ptr<GameEngine> m_engine;
    std::unique_ptr<THandBuilderForm> m_form;
    std::vector<int> m_effects;
    std::vector<std::tuple<int, int, int, int>> m_tablesOpened;

    THandBuilderForm& Form() { return *m_form; }

    // Opens the form over a game screen of `game` with this pay table and bet.
    void Open(int game, int choice, int bet, int lastBet = 1) {
        m_engine = MakeGameEngine(game);
        m_engine->altPayTable = static_cast<std::uint8_t>(choice);
        m_engine->bet = bet;
        m_engine->lastBet = lastBet;
        m_session->LastGame = game;
        Form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Form()));
    }
    void Press(Card card, int control = 0, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* targets[3] = {Form().SmallCardShape(card), Form().SmallCardRank(card),
                               Form().SmallCardSuit(card)};
        QTest::mousePress(targets[control], button);
        QTest::mouseRelease(targets[control], button);
    }
    void Build(const std::vector<Card>& cards) {
        int control = 0;
        for (Card c : cards) Press(c, control++ % 3);
    }
    std::array<bool, 5> HoldLabels() {
        std::array<bool, 5> shown{};
        for (int i = 0; i < 5; ++i)
            shown[static_cast<std::size_t>(i)] = Form().HoldLabel(i)->isVisible();
        return shown;
    }
    bool ResultHidden() {
        for (int i = 0; i < 5; ++i)
            if (Form().HoldLabel(i)->isVisible()) return false;
        return !Form().StrategyLabel()->isVisible() && !Form().RankLabel()->isVisible() &&
               !Form().ValueLabel()->isVisible() && !Form().StrategyButton()->isVisible();
    }
    // Ace, King, Queen, Jack and Ten of Spades.
    const std::vector<Card> kRoyal{39, 51, 11, 23, 35};

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        const std::filesystem::path root = m_dir->path().toStdString();
        m_session = std::make_unique<TVantaSession>(
            SessionConfig{root / "Quintaro.ini", {root / "Schemes"}}, SessionServices{});
        m_form = std::make_unique<THandBuilderForm>(m_session.get());
        m_form->SetStrategyTableOpener([this](int game, int choice, int coins, int rank) {
            m_tablesOpened.emplace_back(game, choice, coins, rank);
        });
        m_form->SetEngineSource([this] { return m_engine.get(); });
        m_effects.clear();
        m_tablesOpened.clear();
        ui::SetEffectSink([this](int e) { m_effects.push_back(e); });
    }
    void cleanup() {
        ui::SetEffectSink({});
        m_form.reset();
        m_engine.reset();
        m_session.reset();
        m_dir.reset();
    }

    // The form shows what the judging gives for the screen's game, pay table and
    // coins (the last bet while no coin is bet); the figures themselves are the
    // hand builder logic's to test.
    void JudgedHands() {
        // Ace of Hearts, Two of Diamonds, Jack of Clubs, King of Hearts, Queen of Clubs.
        const std::vector<Card> hand{0, 1, 10, 12, 50};
        struct Case {
            int game, choice, bet;
            std::vector<Card> cards;
            const char *name, *rank, *value, *title, *hold;
        };
        const Case cases[] = {
            {kJacksOrBetter, 1, 0, kRoyal, "Pat Royal", "1", "800.0000", "(9/6) Jacks or Better",
             "11111"},
            {kJacksOrBetter, 1, 1, hand, "QJs", "26", "0.6000", "(9/6) Jacks or Better", "00101"},
        };
        for (const Case& c : cases) {
            Open(c.game, c.choice, c.bet);
            QVERIFY(Form().Hand().Count() == 0 && ResultHidden()); // every opening starts empty
            Build(c.cards);
            QCOMPARE(Form().StrategyLabel()->text(), QString(c.name));
            QCOMPARE(Form().RankLabel()->text(), QString(c.rank));
            QCOMPARE(Form().ValueLabel()->text(), QString(c.value));
            QCOMPARE(Form().TitleLabel()->text(), QString(c.title));
            QString hold;
            for (bool shown : HoldLabels()) hold += shown ? '1' : '0';
            QCOMPARE(hold, QString(c.hold));
            if (&c != &cases[1]) Form().close();
        }
        SaveScreenshot(&Form(), "hand_builder_9_6");
        Form().StrategyButton()->click();
        QCOMPARE(m_tablesOpened, (std::vector<std::tuple<int, int, int, int>>{{0, 1, 1, 26}}));
        Form().close();
    }

    // A hand loaded from the record opens built and judged for its own game,
    // pay table and coins, whatever the open screen plays; the next opening is plain.
    void LoadedHandOpensBuiltOnce() {
        m_engine = MakeGameEngine(kDeucesWild);
        Form().LoadHand(kJacksOrBetter, 1, 5, {39, 51, 11, 23, 35});
        Form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Form()));
        QCOMPARE(Form().Game(), int(kJacksOrBetter));
        QCOMPARE(Form().Choice(), 1);
        QCOMPARE(Form().Coins(), 5);
        QVERIFY(Form().Hand().Complete());
        QCOMPARE(Form().Hand().Cards(), (std::array<Card, 5>{39, 51, 11, 23, 35}));
        QCOMPARE(Form().StrategyLabel()->text(), QString("Pat Royal"));
        QCOMPARE(Form().ValueLabel()->text(), QString("4000.0000"));
        QCOMPARE(Form().TitleLabel()->text(), QString("(9/6) Jacks or Better"));
        QVERIFY(m_effects.empty()); // loading clicks nothing
        Form().close();
        Form().show();
        QCOMPARE(Form().Game(), int(kDeucesWild));
        QCOMPARE(Form().Hand().Count(), 0);
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
        Build({CardOf(kTwo, kSpades), CardOf(kFive, kSpades), CardOf(kEight, kSpades),
               CardOf(kJack, kSpades), CardOf(kJack, kHearts)});
        QCOMPARE(HoldLabels(), (std::array<bool, 5>{true, true, true, true, false}));
        SaveScreenshot(&Form(), "hand_builder_named_table");
        QVERIFY(Form().HoldValuesBtnClick());
        Form().ChoosePayTable(0);
        QVERIFY(!Form().NamedTable());
        QCOMPARE(HoldLabels(), (std::array<bool, 5>{false, false, false, true, true}));
        Form().close();
    }
};

QTEST_MAIN(TestHandBuilderForm)
#include "test_hand_builder_form.moc"
