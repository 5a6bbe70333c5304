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

QColor TextColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}
QColor FillColour(QWidget* w) {
    return w->palette().color(QPalette::Window);
}

// Answers the next message box that comes up with `button`, and keeps its caption,
// text and icon for the test to check.
struct BoxAnswer {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
};
void AnswerNextBox(QMessageBox::StandardButton button, BoxAnswer* answer) {
    quintaro::testing::WhenUp<QMessageBox>([button, answer](QMessageBox* box) {
        *answer = {box->windowTitle(), box->text(), box->icon(), true};
        box->button(button)->click();
    });
}

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

    void OneLosingJacksHand() {
        Session().LastGame = 0;
        Play(0, 0, 1);
        TTableBuilderForm form(&Session());
        QCOMPARE(form.windowTitle(), QString("Current Session  Statistics")); // no page yet
        QCOMPARE(form.size(), QSize(769, 573));
        // The training progress button shows only when something opens it.
        QVERIFY(form.ProgressButton()->isHidden());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.Page(), 0);
        QCOMPARE(form.windowTitle(),
                 QString("Current Session Statistics for Jacks or Better Poker"));
        QCOMPARE(form.TotalLabel(0, 0)->text(), QString("1"));
        // "No Winner" on row 4, in red with a dark red bar across the whole 250 pixels.
        QCOMPARE(form.CaptionLabel(4)->text(), QString("No Winner"));
        QCOMPARE(form.CountLabel(4)->text(), QString("1"));
        QCOMPARE(form.CreditsLabel(4)->text(), QString("0"));
        QCOMPARE(form.Bar(4)->width(), 250);
        QCOMPARE(FillColour(form.Bar(4)), QColor(184, 0, 0));
        QCOMPARE(form.PercentLabel(4)->text(), QString("100.00%"));
        QCOMPARE(TextColour(form.PercentLabel(4)), QColor(255, 0, 0));
        // The winning rows, down to the royal: zero, green bars of no width.
        QCOMPARE(form.CaptionLabel(13)->text(), QString("Royal Flush"));
        QCOMPARE(form.PercentLabel(13)->text(), QString("0.00%"));
        QCOMPARE(form.Bar(13)->width(), 0);
        QCOMPARE(FillColour(form.Bar(13)), QColor(0, 160, 0));
        QCOMPARE(form.TotalLabel(1, 3)->text(), QString("0.00%"));
        // Only the game with hands can be chosen; its button is down.
        for (int g = 0; g < kGameCount; ++g) QCOMPARE(form.GameButton(g)->isEnabled(), g == 0);
        QVERIFY(form.GameButton(0)->isChecked());
        SaveScreenshot(&form, "statistics_one_losing_hand");
        form.close();

        // With something to open the training progress, its button shows and opens it.
        TTableBuilderForm withProgress(&Session());
        int progressOpened = 0;
        withProgress.SetProgressOpener([&] { ++progressOpened; });
        withProgress.show();
        QVERIFY(QTest::qWaitForWindowExposed(&withProgress));
        QVERIFY(withProgress.ProgressButton()->isVisible());
        QTest::mouseClick(withProgress.ProgressButton(), Qt::LeftButton);
        QCOMPARE(progressOpened, 1);
        withProgress.close();
    }

    // Yes, pressed on the Jacks or Better page, clears also the categories 10 to 13
    // of the games that have them (No is answered in the end-to-end run).
    void ResetClearsEveryGame() {
        Session().LastGame = 0;
        Play(0, 1, 1);
        Play(5, 13, 5);
        Play(7, 10, 3);
        Play(5, 10, 1);
        TTableBuilderForm form(&Session());
        Watchdog(5000);
        BoxAnswer yes;
        AnswerNextBox(QMessageBox::Yes, &yes);
        QTimer::singleShot(0, &form, [&form] { form.ResetButton()->click(); });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QVERIFY(yes.seen);
        QCOMPARE(yes.caption, QString("Confirmation"));
        QCOMPARE(yes.icon, QMessageBox::Question);
        const StatisticsRecord zero{};
        QVERIFY(Session().Statistics.HandsPlayed == zero.HandsPlayed);
        QVERIFY(Session().Statistics.HandCount == zero.HandCount);
        QVERIFY(Session().Statistics.CreditsBet == zero.CreditsBet);
        QVERIFY(Session().Statistics.CreditsPaid == zero.CreditsPaid);
        // With the counters cleared the window has nothing more to show.
        QCOMPARE(form.exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestStatisticsForm)
#include "test_statistics_form.moc"
