#include "shell/ui/statistics_form.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "components/press_button.h"
#include "components/window_kit.h"
#include "core/pay_table.h"
#include "screenshot.h"
#include "shell/session.h"
#include "when_up.h"

using namespace quintaro;

namespace {

// Closes whatever modal window is up after `ms`, so a test fails instead of hanging.
void Watchdog(int ms) {
    QTimer::singleShot(ms, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
}

} // namespace

class TestStatisticsForm : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TVantaSession> m_session;

    TVantaSession& Session() { return *m_session; }

    // One finished hand: the category's pay-table entry times the coins is paid.
    std::int32_t Play(int game, int category, int coins) {
        Session().Statistics.HandStarted(game);
        const std::int32_t paid = category == 0 ? 0 : ThePayTables().Payout(game, category, coins);
        Session().Statistics.HandFinished(game, category, coins, paid);
        return paid;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        const std::filesystem::path root = m_dir->path().toStdString();
        m_session = std::make_unique<TVantaSession>(
            SessionConfig{root / "Quintaro.ini", {root / "Schemes"}}, SessionServices{});
    }
    void cleanup() {
        m_session.reset();
        m_dir.reset();
    }

    void OneLosingJacksHandThenReset() {
        Session().LastGame = 0;
        Play(0, 0, 1);
        TTableBuilderForm form(&Session());
        // The training progress button shows only when something opens it.
        QVERIFY(form.ProgressButton()->isHidden());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.Page(), 0);
        QCOMPARE(form.TotalLabel(0, 0)->text(), QString("1"));
        // The losing row has every hand and the whole bar; the royal's row has none.
        QCOMPARE(form.CountLabel(4)->text(), QString("1"));
        QCOMPARE(form.CreditsLabel(4)->text(), QString("0"));
        QCOMPARE(form.PercentLabel(4)->text(), QString("100.00%"));
        QCOMPARE(form.PercentLabel(13)->text(), QString("0.00%"));
        QVERIFY(form.Bar(4)->width() > 0 && form.Bar(13)->width() == 0);
        QCOMPARE(form.TotalLabel(1, 3)->text(), QString("0.00%"));
        // Only the game with hands can be chosen; its button is down.
        for (int g = 0; g < kGameCount; ++g) QCOMPARE(form.GameButton(g)->isEnabled(), g == 0);
        QVERIFY(form.GameButton(0)->isChecked());
        SaveScreenshot(&form, "statistics_one_losing_hand");
        form.close();

        // With something to open the training progress its button shows and opens it.
        // Yes to Reset, pressed on the Jacks or Better page, clears every game, also the
        // categories 10 to 13 of the games that have them (No is answered end to end).
        Play(5, 13, 5);
        Play(7, 10, 3);
        Play(5, 10, 1);
        TTableBuilderForm withProgress(&Session());
        int progressOpened = 0;
        withProgress.SetProgressOpener([&] { ++progressOpened; });
        Watchdog(5000);
        bool asked = false;
        quintaro::testing::WhenUp<QMessageBox>([&asked](QMessageBox* box) {
            asked = box->icon() == QMessageBox::Question;
            box->button(QMessageBox::Yes)->click();
        });
        QTimer::singleShot(0, &withProgress, [&withProgress] {
            if (withProgress.ProgressButton()->isVisible())
                QTest::mouseClick(withProgress.ProgressButton(), Qt::LeftButton);
            withProgress.ResetButton()->click();
        });
        QCOMPARE(withProgress.exec(), int(QDialog::Accepted));
        QCOMPARE(progressOpened, 1);
        QVERIFY(asked);
        const StatisticsRecord zero{};
        const StatisticsRecord& now = Session().Statistics;
        QVERIFY(now.HandsPlayed == zero.HandsPlayed && now.HandCount == zero.HandCount &&
                now.CreditsBet == zero.CreditsBet && now.CreditsPaid == zero.CreditsPaid);
        // With the counters cleared the window has nothing more to show.
        QCOMPARE(withProgress.exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestStatisticsForm)
#include "test_statistics_form.moc"
