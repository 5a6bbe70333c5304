#include "strategy/ui/hand_builder_form.h"

#include <QComboBox>
#include <QLabel>
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
#include "screenshot.h"
#include "shell/session.h"
#include "strategy/ui/hold_values_window.h"

using namespace quintaro;

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
        QCOMPARE(Form().Game(), int(kJacksOrBetter));
        QCOMPARE(Form().Choice(), 1);
        QCOMPARE(Form().Coins(), 5);
        QVERIFY(Form().Hand().Complete());
        QCOMPARE(Form().Hand().Cards(), royal);
        QCOMPARE(Form().StrategyLabel()->text(), QString("Pat Royal"));
        QCOMPARE(Form().ValueLabel()->text(), QString("4000.0000"));
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
};

QTEST_MAIN(TestHandBuilderForm)
#include "test_hand_builder_form.moc"
