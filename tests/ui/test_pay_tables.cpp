// The pay tables' windows. The analysis: the figures it shows against the logic's, the
// inputs by keyboard and mouse, the charts, a row of one's own. The editor: starting
// from a catalogue table, refusing bad cells with the reason, the return of a playable
// table, saving, renaming and deleting tables of one's own. With screenshots.

#include "analysis/ui/pay_table_analysis.h"
#include "shell/ui/pay_table_editor.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "components/press_button.h"
#include "components/window_kit.h"
#include "media/embedded_fonts.h"
#include "screenshot.h"
#include "shell/pay_table_file.h"

using namespace quintaro;

namespace {

constexpr int kWait = 120'000;

analysis::TableInForce JacksNineSix() {
    return {kJacksOrBetter, 1, BuiltInSchedule(kJacksOrBetter, 1), 5};
}

// Replaces a box's text from the keyboard and commits it with Enter.
void Type(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class TestPayTables : public QObject {
    Q_OBJECT

    template <typename T> static T* Child(QWidget* w, const char* name) {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    // The grid's row of a category: the best hand is at the top.
    static int RowOf(int game, HandCategory c) { return PayingCategoryCount(game) - c; }

private slots:
    void initTestCase() {
        RegisterEmbeddedFonts();
        ui::SetPauseScale(0);
    }

    void builtInTable() {
        TPayTableAnalysis w(JacksNineSix(), "9/6");
        w.show();
        QVERIFY(w.width() <= 800 && w.height() <= 600);
        QTRY_VERIFY_WITH_TIMEOUT(!w.Busy() && w.Risk(), kWait);
        QVERIFY(w.Figures()->list);
        QVERIFY(w.SummaryLabel()->text().contains("Return 99.5439 %"));
        QCOMPARE(w.HandTable()->rowCount(), 10);
        QCOMPARE(w.HandTable()->item(0, 0)->text(), QString("Royal Flush"));
        QCOMPARE(w.HandTable()->item(0, 3)->text(), QString("40,390.5"));
        QCOMPARE(w.HandTable()->item(9, 1)->text(), QString("0"));
        SaveScreenshot(&w, "pay_table_analysis_return");

        // The keyboard: a bankroll, a session and a cashback; the figures are the logic's.
        Type(w.BankrollBox(), "800");
        Type(w.HandsBox(), "1600");
        Type(w.CashbackBox(), "1");
        QTRY_VERIFY_WITH_TIMEOUT(!w.Busy() && w.Risk() &&
                                     w.Risk()->session.points.back().hand == 1600 &&
                                     w.Inputs().cashback == 1,
                                 kWait);
        const analysis::BankrollInputs in{800, 1600, 1, 1};
        const analysis::RiskFigures want =
            analysis::RiskOf(w.Figures()->perfect, w.Table(), in, 100);
        QCOMPARE(w.Risk()->session.ruin, want.session.ruin);
        QCOMPARE(w.Risk()->lifetimeRuin, want.lifetimeRuin);
        QVERIFY2(w.RuinLabel()->text().contains("ruin 8.15 %"), qPrintable(w.RuinLabel()->text()));
        QVERIFY(w.RuinLabel()->text().contains("with 1.00 % cashback"));
        QVERIFY(w.RuinLabel()->text().contains("1 % ruin 36,278"));
        w.Charts()->setCurrentIndex(1);
        SaveScreenshot(&w, "pay_table_analysis_ruin");

        // The mouse: the strategy list, then ten lines from the list of lines.
        QTest::mouseClick(w.ListButton(), Qt::LeftButton, {}, QPoint(8, 10));
        QVERIFY(w.ShowingList());
        QVERIFY(w.SummaryLabel()->text().contains("Return 99.5429 %"));
        w.LinesBox()->setFocus();
        for (int i = 0; i < 3; ++i) QTest::keyClick(w.LinesBox(), Qt::Key_Down);
        QCOMPARE(w.Inputs().lines, 10);
        QTRY_VERIFY_WITH_TIMEOUT(!w.Busy() && w.Risk()->totalBet == 50, kWait);
        QVERIFY(w.RuinLabel()->text().contains("(50 credits a deal)"));
        w.Charts()->setCurrentIndex(2);
        SaveScreenshot(&w, "pay_table_analysis_sessions");

        // Escape closes it.
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    // A row of one's own: perfect play and the list generated for it.
    void ownRow() {
        std::string error;
        const auto pays = ParseFiveCoinPays(kDeucesWild, "1,2,2,3,5,9,15,25,200,800", error);
        QVERIFY(pays);
        TPayTableAnalysis w({kDeucesWild, -1, *pays, 5}, "full pay");
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(!w.Busy() && w.Risk(), kWait);
        QVERIFY(w.Figures()->list);
        QVERIFY(w.ListButton()->isEnabled());
        QVERIFY(w.SummaryLabel()->text().contains("Variance 25.835"));
        SaveScreenshot(&w, "pay_table_analysis_own_row");
        QTest::mouseClick(w.CloseButton(), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void editsSavesAndDeletesTablesOfOnesOwn() {
        QTemporaryDir dir;
        PayTableBook book(dir.filePath("PayTables.ini").toStdString());
        book.Load();
        TPayTableEditor editor(book, kJacksOrBetter);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QVERIFY(editor.width() <= 800 && editor.height() <= 600);
        auto* list = Child<QListWidget>(&editor, "TableList");
        auto* grid = Child<QTableWidget>(&editor, "PayGrid");
        auto* name = Child<QLineEdit>(&editor, "TableName");
        auto* reason = Child<QLabel>(&editor, "LbReason");
        auto* returns = Child<QLabel>(&editor, "LbReturn");
        auto* saveNew = Child<QPushButton>(&editor, "SaveNewButton");
        QCOMPARE(list->count(), 2 + static_cast<int>(CatalogueTablesFor(kJacksOrBetter).size()));

        // A catalogue table is a starting point; its own name is taken.
        list->setCurrentRow(4); // 7/5
        QCOMPARE(name->text(), QString("7/5"));
        QVERIFY(!saveNew->isEnabled());
        QVERIFY(reason->text().contains("comes with the game"));
        QTRY_VERIFY_WITH_TIMEOUT(returns->text().contains("96.1472 %"), 60000);

        // Bad cells are refused with their reason; the five-coin cells of rows
        // that pay alike at every bet follow the per-coin cells.
        struct Bad {
            HandCategory row;
            int column;
            const char* text;
            const char* why;
        };
        const Bad bads[] = {{5, 1, "100000", "Flush, per coin: '100000' is not a whole number"},
                            {6, 1, "9.5", "Full House, per coin: '9.5'"},
                            {9, 2, "-1", "Royal Flush, at five coins: '-1'"}};
        for (const Bad& b : bads) {
            QTableWidgetItem* cell = grid->item(RowOf(kJacksOrBetter, b.row), b.column);
            const QString old = cell->text();
            cell->setText(b.text);
            QVERIFY2(reason->text().startsWith(b.why), qPrintable(reason->text()));
            QVERIFY(!saveNew->isEnabled());
            QCOMPARE(returns->text(), QString("Optimal return at five coins: -"));
            cell->setText(old);
        }
        QVERIFY(!(grid->item(RowOf(kJacksOrBetter, 5), 2)->flags() & Qt::ItemIsEditable));
        QVERIFY(grid->item(RowOf(kJacksOrBetter, 9), 2)->flags() & Qt::ItemIsEditable);

        // 7/5 made 9/6 with a name of its own is the built-in 9/6 return.
        name->setText("Corner 9/6");
        grid->item(RowOf(kJacksOrBetter, 6), 1)->setText("9");
        grid->item(RowOf(kJacksOrBetter, 5), 1)->setText("6");
        QCOMPARE(grid->item(RowOf(kJacksOrBetter, 5), 2)->text(), QString("6"));
        QVERIFY(saveNew->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(returns->text().contains("99.5439 %"), 60000);
        SaveScreenshot(&editor, "pay_table_editor");
        QVERIFY(editor.SaveAsNew());
        QCOMPARE(book.Own().size(), 1u);
        QCOMPARE(book.Own()[0].pays, BuiltInSchedule(kJacksOrBetter, 1));
        QCOMPARE(list->currentItem()->text(), QString("Corner 9/6"));

        // Saved over under a new name; then deleted.
        grid->item(RowOf(kJacksOrBetter, 9), 2)->setText("99999");
        name->setText("Big royal");
        QVERIFY(editor.SaveOver());
        QCOMPARE(book.Own().size(), 1u);
        QCOMPARE(book.Own()[0].name, std::string("Big royal"));
        QCOMPARE(book.Own()[0].pays.atFive[9], 99'999);
        QCOMPARE(book.Own()[0].pays.belowFive[9], 250);
        PayTableBook fresh(book.Path());
        fresh.Load();
        QCOMPARE(fresh.Own(), book.Own());
        QVERIFY(editor.ExportTo(dir.filePath("out.ini")));
        QVERIFY(editor.DeleteOwn());
        QVERIFY(book.Own().empty());
        QVERIFY(editor.ImportFrom(dir.filePath("out.ini")));
        QCOMPARE(name->text(), QString("Big royal"));
        QVERIFY(editor.SaveAsNew());
        QCOMPARE(book.Own().size(), 1u);

        // Another game shows its own rows.
        Child<QComboBox>(&editor, "GameChoice")->setCurrentIndex(kTripleDoubleBonus);
        QCOMPARE(grid->rowCount(), PayingCategoryCount(kTripleDoubleBonus));
        QVERIFY(grid->item(RowOf(kTripleDoubleBonus, 12), 2)->flags() & Qt::ItemIsEditable);
        QTest::keyClick(&editor, Qt::Key_Escape);
        QVERIFY(!editor.isVisible());
    }
};

QTEST_MAIN(TestPayTables)
#include "test_pay_tables.moc"
