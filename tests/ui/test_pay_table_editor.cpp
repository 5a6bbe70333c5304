// The pay-table editor: starting from a catalogue table, refusing bad cells
// with the reason, the return of a playable table, saving, renaming and
// deleting tables of one's own, and a screenshot.

#include "shell/ui/pay_table_editor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "components/window_kit.h"
#include "media/embedded_fonts.h"
#include "screenshot.h"
#include "shell/pay_table_file.h"

using namespace quintaro;

class TestPayTableEditor : public QObject {
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

QTEST_MAIN(TestPayTableEditor)
#include "test_pay_table_editor.moc"
