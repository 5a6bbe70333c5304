// The pay table analysis window: the figures it shows against the logic's, the
// inputs by keyboard and mouse, the charts, a row of one's own, with screenshots.

#include "analysis/ui/pay_table_analysis.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "components/press_button.h"
#include "components/window_kit.h"
#include "media/embedded_fonts.h"
#include "screenshot.h"

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

class TestPayTableAnalysis : public QObject {
    Q_OBJECT

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
};

QTEST_MAIN(TestPayTableAnalysis)
#include "test_pay_table_analysis.moc"
