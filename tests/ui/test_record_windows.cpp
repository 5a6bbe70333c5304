// The training record's windows: the training progress, the mistakes window
// and the practice drill, over a record in a scratch folder.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtCharts/QLineSeries>
#include <QtTest>

#include <fstream>
#include <memory>

#include "components/window_kit.h"
#include "exact/exact_analysis.h"
#include "record/decision_writer.h"
#include "record/ui/mistakes_form.h"
#include "record/ui/practice_drill_form.h"
#include "record/ui/progress_form.h"
#include "record/ui/record_windows.h"
#include "screenshot.h"
#include "shell/session.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/session_view.h"
#include "shell/ui/statistics_form.h"
#include "when_up.h"

using namespace quintaro;

namespace {

DecisionRow Row(int game, int first, double held, double best, const char* at) {
    DecisionRow r;
    r.game = game;
    r.coins = 5;
    r.dealt = {first, first + 14, first + 28, first + 3, first + 43};
    r.held = held == best ? 0b00111 : 0b00001;
    r.bestHold = 0b00111;
    r.listHold = 0b00111;
    r.evHeld = held;
    r.evList = best;
    r.evBest = best;
    r.playedAt = at;
    return r;
}

} // namespace

class TestRecordWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::filesystem::path m_root;

    std::filesystem::path RecordPath() const { return m_root / kTrainingRecordFileName; }
    std::unique_ptr<TrainingRecord> m_record;
    std::unique_ptr<TVantaSession> MakeSession() {
        m_record = OpenTrainingRecord(RecordPath(), nullptr);
        return std::make_unique<TVantaSession>(
            SessionConfig{m_root / "Quintaro.ini", {m_root / "Schemes"}, RecordPath()},
            SessionServices{}, m_record.get());
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_root = m_dir->path().toStdString();
        ui::SetPauseScale(0);
    }
    void cleanup() { m_dir.reset(); }

    // The grades of the game shown and of the run, and over the whole record;
    // drill answers never count. The chart has a point per day, the drill's
    // apart; the costliest kind opens its mistakes and its drill.
    void ProgressWindowShowsGradesChartAndKinds() {
        {
            TrainingRecord earlier(RecordPath(), {});
            for (DecisionRow r : {Row(0, 0, 2.0, 5.0, "2026-11-30T20:00:00Z"),
                                  Row(4, 1, 7.5, 7.5, "2026-11-30T20:01:00Z")})
                QVERIFY(earlier.Append(r));
        }
        auto session = MakeSession();
        QVERIFY(session->Record().Usable());
        for (DecisionRow r :
             {Row(0, 2, 4.0, 4.0, ""), Row(0, 4, 3.0, 4.0, ""), Row(1, 5, 1.0, 1.25, "")})
            QVERIFY(session->Record().Append(r));
        DecisionRow drill = Row(0, 6, 0.0, 9.0, "");
        drill.source = DecisionSource::Drill;
        QVERIFY(session->Record().Append(drill));

        TTrainingProgressForm form(session->Record(), RecordPath(), 0);
        std::vector<CostlyKind> opened, drilled;
        form.SetMistakesOpener([&](const CostlyKind& k) { opened.push_back(k); });
        form.SetDrillOpener([&](const CostlyKind& k) { drilled.push_back(k); });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(!form.Busy());
        const char* expected[4][4] = {
            {"2", "1", "1.00", "87.50%"}, // this game, this run
            {"3", "2", "1.25", "86.49%"}, // every game, this run: 8 / 9.25
            {"3", "2", "4.00", "69.23%"}, // this game, whole record: 9 / 13
            {"5", "3", "4.25", "80.46%"}, // every game, whole record: 17.5 / 21.75
        };
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k)
                QCOMPARE(form.GradeLabel(c, k)->text(), QString(expected[c][k]));
        QVERIFY(form.NoticeLabel()->isHidden());
        // Two days of table play, one of drill answers.
        const int points[4] = {2, 2, 1, 1};
        for (int i = 0; i < 4; ++i) QCOMPARE(form.Series(i)->count(), points[i]);
        QVERIFY(qFuzzyCompare(form.Series(0)->at(0).y(), 9.5 / 12.5 * 100));
        // The two straights of Jacks or Better are one kind.
        QCOMPARE(form.KindTable()->rowCount(), 2);
        QCOMPARE(form.KindTable()->item(0, 0)->text(), QString("Pat Straight"));
        QCOMPARE(form.KindTable()->item(0, 2)->text(), QString("2"));
        QCOMPARE(form.KindTable()->item(0, 3)->text(), QString("4.00"));
        SaveScreenshot(&form, "training_progress");

        // The costliest kind, chosen and opened by the mouse and by its buttons.
        const QRect cell = form.KindTable()->visualItemRect(form.KindTable()->item(0, 0));
        QTest::mouseClick(form.KindTable()->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(opened.empty()); // one click chooses
        QTest::mouseDClick(form.KindTable()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(opened.size(), std::size_t{1});
        // Enter opens it too, and the window stays.
        form.KindTable()->setFocus();
        QTest::keyClick(form.KindTable(), Qt::Key_Return);
        QCOMPARE(opened.size(), std::size_t{2});
        QVERIFY(form.isVisible());
        QVERIFY(opened[0].game == 0 && opened[0].creditsLost == 4.0);
        form.findChild<QPushButton*>("DrillButton")->click();
        QCOMPARE(drilled.size(), std::size_t{1});
        QCOMPARE(drilled[0].entry, opened[0].entry);
        QTRY_VERIFY(!form.Busy()); // read again after the drill

        // One game, its sessions, the drill left out.
        form.GameChoice()->setCurrentIndex(1 + 1);
        form.SpanChoice()->setCurrentIndex(1);
        form.DrillChoice()->setChecked(false);
        QTRY_VERIFY(!form.Busy());
        QCOMPARE(form.Filter().game, std::optional<int>(1));
        QCOMPARE(form.Series(0)->count(), 1);
        QVERIFY(!form.Series(2)->isVisible());
        QCOMPARE(form.GradeLabel(0, 0)->text(), QString("1"));
        QCOMPARE(form.KindTable()->rowCount(), 1);
        SaveScreenshot(&form, "training_progress_one_game");
    }

    // No record yet, and a file that is not a training record: said in the chart's place.
    void ProgressWindowEmptyAndUnreadable() {
        auto session = MakeSession();
        struct Case {
            const char* name;
            QByteArray content; // empty: no file
            const char* notice;
        } cases[] = {{"empty", {}, "No decisions are recorded yet"},
                     {"unreadable", "not a database, not at all\n", "cannot be read"}};
        for (const Case& c : cases) {
            const std::filesystem::path path = m_root / (std::string(c.name) + ".sqlite3");
            if (!c.content.isEmpty()) std::ofstream(path) << c.content.constData();
            TTrainingProgressForm form(session->Record(), path, 3);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QTRY_VERIFY(!form.Busy());
            QVERIFY2(form.NoticeLabel()->isVisible(), c.name);
            QVERIFY2(form.NoticeLabel()->text().contains(c.notice),
                     qPrintable(form.NoticeLabel()->text()));
            QCOMPARE(form.KindTable()->rowCount(), 0);
            QCOMPARE(form.Series(0)->count(), 0);
            SaveScreenshot(&form, QString("training_progress_") + c.name);
        }
    }

    // A kind from the progress window: its mistakes alone, and a drill of it.
    void MistakesAndDrillOfOneKind() {
        TrainingRecord record(RecordPath(), {});
        const std::array<std::array<Card, 5>, 3> hands = {{
            {0, 12, 11, 10, 14}, // Ah Kh Qs Jc 2c: AKQJ
            {10, 23, 4, 18, 33}, // a pair of Jacks
            {1, 15, 29, 3, 43},  // another hand
        }};
        std::vector<int> entries;
        for (const auto& dealt : hands) {
            DecisionRow r = Row(0, 0, 1.0, 2.0, "2026-12-01T10:00:00Z");
            r.dealt = dealt;
            QVERIFY(record.Append(r));
            entries.push_back(StrategyEntryOf(r));
        }
        QVERIFY(entries[0] != entries[1] && entries[0] != entries[2]);
        TMistakesForm mistakes(record, QString(), 0);
        QCOMPARE(mistakes.Table()->rowCount(), 3);
        mistakes.ShowKind(0, 0, entries[0]);
        QCOMPARE(mistakes.Table()->rowCount(), 1);
        QCOMPARE(mistakes.Rows()[0].dealt, hands[0]);
        QVERIFY(mistakes.findChild<QLabel*>("Summary")->text().contains("1 mistake of the kind"));
        mistakes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mistakes));
        SaveScreenshot(&mistakes, "mistakes_of_one_kind");
        mistakes.ShowGame(0);
        QCOMPARE(mistakes.Table()->rowCount(), 3);

        TPracticeDrillForm drill(record, QString(), 0, 0, 7);
        drill.StartKind(0, 0, entries[1]);
        drill.show();
        QVERIFY(QTest::qWaitForWindowExposed(&drill));
        QCOMPARE(drill.Kind(), std::optional<int>(entries[1]));
        QVERIFY(drill.KindLabel()->text().contains("High Pair"));
        for (int i = 0; i < 4; ++i) {
            DecisionRow probe;
            probe.dealt = drill.Drill().Current().dealt;
            QCOMPARE(StrategyEntryOf(probe), entries[1]);
            if (i == 0) QCOMPARE(probe.dealt, hands[1]); // the recorded mistake first
            drill.CheckOrNext();
            drill.CheckOrNext();
        }
        SaveScreenshot(&drill, "drill_of_one_kind");
        drill.Start(0, 0);
        QVERIFY(!drill.Kind());
    }

    void MistakesWindowSortsChoosesAndOpens() {
        TrainingRecord record(RecordPath(), {});
        std::vector<DecisionRow> rows = {Row(0, 0, 2.0, 5.0, "2026-12-01T10:00:00Z"),
                                         Row(0, 1, 3.5, 4.0, "2026-12-03T10:00:00Z"),
                                         Row(0, 2, 4.0, 4.0, "2026-12-04T10:00:00Z"),
                                         Row(0, 3, 1.0, 2.0, "2026-12-02T10:00:00Z"),
                                         Row(3, 4, 0.5, 3.0, "2026-12-02T11:00:00Z")};
        // A mistake on a named table shows the table's name as it was played.
        rows[1].tableName = "Loose pays";
        rows[1].pays = BuiltInSchedule(0, 1);
        for (DecisionRow& r : rows) QVERIFY(record.Append(r));
        TMistakesForm form(record, QString(), 0);
        std::vector<std::int64_t> opened;
        form.SetHandOpener([&](const DecisionRow& r) { opened.push_back(r.id); });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.Table()->rowCount(), 3);
        QCOMPARE(form.Table()->item(0, 4)->text(), QString("3.0000"));
        QCOMPARE(form.Table()->item(1, 4)->text(), QString("1.0000"));
        QCOMPARE(form.Table()->item(0, 0)->text().section('\n', 0, 0), QString("2026-12-01 10:00"));
        SaveScreenshot(&form, "mistakes_by_cost");
        form.SortChoice()->setCurrentIndex(1);
        QCOMPARE(form.Table()->item(0, 0)->text(), QString("2026-12-03 10:00\nLoose pays"));
        // A click on a row opens its hand.
        const QRect cell = form.Table()->visualItemRect(form.Table()->item(1, 2));
        QTest::mouseClick(form.Table()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(opened, (std::vector<std::int64_t>{4}));
        form.GameChoice()->setCurrentIndex(3);
        QVERIFY(form.Table()->rowCount() == 1 && form.Game() == 3);
    }

    // A recorded mistake comes first; three best answers in a row and it
    // leaves; the answers are drill rows, outside the table's grades.
    void DrillPractisesARecordedMistake() {
        TrainingRecord record(RecordPath(), {});
        DecisionWriter writer(record);
        Decision d;
        d.game = kJacksOrBetter;
        d.coins = 5;
        d.dealt = {0, 12, 11, 10, 14}; // Ah Kh Qs Jc 2c
        d.held = 0b10000;              // the Two alone
        const auto mistake = writer.Record(d);
        QVERIFY(mistake && mistake->IsMistake());

        TPracticeDrillForm form(record, QString(), kJacksOrBetter, 0, 1);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.Drill().Current().dealt, d.dealt);
        QVERIFY(form.OriginLabel()->text().startsWith("One of your mistakes"));
        // A wrong answer first, held by keys and the mouse as on the table.
        QTest::keyClick(&form, Qt::Key_Z);
        QTest::mouseClick(
            &form, Qt::LeftButton, {},
            QPoint(TPracticeDrillForm::kCardsLeft + 60, TPracticeDrillForm::kCardsTop + 90));
        QTest::keyClick(&form, Qt::Key_X);
        QCOMPARE(form.Held(), std::uint8_t(0b00010));
        SaveScreenshot(&form, "drill_holding");
        QTest::keyClick(&form, Qt::Key_Return);
        QVERIFY(form.LastAnswer() && !form.LastAnswer()->best);
        QVERIFY(form.ResultLabel(0)->text().startsWith("Mistake."));
        SaveScreenshot(&form, "drill_mistake");
        const int best = mistake->bestHold;
        for (int round = 0; round < 3; ++round) {
            QTest::keyClick(&form, Qt::Key_Return); // the next hand: the same one again
            QCOMPARE(form.Drill().Current().dealt, d.dealt);
            for (int p = 0; p < 5; ++p)
                if ((best >> p) & 1) form.ToggleHold(p);
            form.CheckOrNext();
            QVERIFY(form.LastAnswer()->best);
            QCOMPARE(form.LastAnswer()->leaves, round == 2);
        }
        QVERIFY(form.Drill().Tally().answered == 4 && form.Drill().Tally().mastered == 1);
        QVERIFY(form.TallyLabel()->text().startsWith("Answered 4   Best 3 (75.00%)"));
        SaveScreenshot(&form, "drill_mastered");

        RowQuery drills;
        drills.source = DecisionSource::Drill;
        QCOMPARE(record.Rows(drills).size(), std::size_t{4});
        QVERIFY(record.Grade({}).decisions == 1 && record.SessionGrades().decisions == 1);
        // The mastered hand is no longer pending.
        RowQuery all;
        all.source.reset();
        QVERIFY(PendingMistakes(record.Rows(all), {}).empty());

        // The same mistake on a named table is that table's to drill, on its pays.
        const NamedPayTable rich{kJacksOrBetter, "Rich flush", BuiltInSchedule(kJacksOrBetter, 1)};
        d.tableName = rich.name;
        d.pays = rich.pays;
        QVERIFY(writer.Record(d));
        form.Start(kJacksOrBetter, 0);
        QCOMPARE(form.NamedTables().front(), rich);
        form.StartNamed(rich);
        QVERIFY(form.Drill().NamedTable() == rich);
        QCOMPARE(form.Drill().Current().dealt, d.dealt);
        QVERIFY(form.windowTitle().endsWith("(Rich flush)"));
        SaveScreenshot(&form, "drill_named_table");
    }

    // The windows as the menu and the game screens open them, through the registry: the
    // progress opens a kind's mistakes and its drill, and a mistake opens its hand.
    void RegistryOpensTheRecordsWindows() {
        auto session = MakeSession();
        DecisionRow mistake = Row(0, 0, 2.0, 5.0, "2026-12-01T10:00:00Z");
        QVERIFY(session->Record().Append(mistake));
        SessionView view;
        RegisterRecordWindows();
        std::vector<HoldValuesQuery> hands;
        Windows().handInBuilder = [&](TVantaSession&, SessionView&, const HoldValuesQuery& h) {
            hands.push_back(h);
        };
        const auto closeNext = [](auto* type) {
            using Form = std::remove_pointer_t<decltype(type)>;
            testing::WhenUp<Form>([](Form* form) { form->close(); });
        };
        testing::WhenUp<TTrainingProgressForm>([&](TTrainingProgressForm* progress) {
            QTRY_VERIFY(!progress->Busy());
            progress->KindTable()->selectRow(0);
            testing::WhenUp<TMistakesForm>([](TMistakesForm* form) {
                const QRect cell = form->Table()->visualItemRect(form->Table()->item(0, 2));
                QTest::mouseClick(form->Table()->viewport(), Qt::LeftButton, {}, cell.center());
                form->close();
            });
            progress->findChild<QPushButton*>("MistakesButton")->click();
            closeNext(static_cast<TPracticeDrillForm*>(nullptr));
            progress->findChild<QPushButton*>("DrillButton")->click();
            progress->close();
        });
        Windows().trainingProgress(*session, view, nullptr);
        QCOMPARE(hands.size(), std::size_t{1});
        QCOMPARE(hands[0].cards, mistake.dealt);
        QCOMPARE(hands[0].playerHold, mistake.held);
        closeNext(static_cast<TPracticeDrillForm*>(nullptr));
        Windows().practiceDrill(*session, view, nullptr, 0, 0, nullptr);
        closeNext(static_cast<TMistakesForm*>(nullptr));
        Windows().mistakes(*session, view, nullptr, 0);
        Windows() = {};
    }
};

QTEST_MAIN(TestRecordWindows)
#include "test_record_windows.moc"
