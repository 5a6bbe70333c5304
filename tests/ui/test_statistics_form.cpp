#include "shell/ui/statistics_form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <vector>

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
        answer->caption = box->windowTitle();
        answer->text = box->text();
        answer->icon = box->icon();
        answer->seen = true;
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
    std::vector<int> m_effects;

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
        m_effects.clear();
        ui::SetEffectSink([this](int e) { m_effects.push_back(e); });
    }
    void cleanup() {
        ui::SetEffectSink({});
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
        for (QLabel* l : {form.CaptionLabel(4), form.CountLabel(4), form.CreditsLabel(4)})
            QCOMPARE(TextColour(l), QColor(255, 0, 0));
        // The nine winning rows: zero, black text, green bars of no width, lime "0.00%".
        for (int r = 5; r < 14; ++r) {
            QVERIFY(form.CaptionLabel(r)->isVisible());
            QCOMPARE(form.CountLabel(r)->text(), QString("0"));
            QCOMPARE(form.CreditsLabel(r)->text(), QString("0"));
            QCOMPARE(form.PercentLabel(r)->text(), QString("0.00%"));
            QCOMPARE(form.Bar(r)->width(), 0);
            QCOMPARE(FillColour(form.Bar(r)), QColor(0, 160, 0));
            QCOMPARE(TextColour(form.PercentLabel(r)), QColor(0, 255, 0));
            QCOMPARE(TextColour(form.CaptionLabel(r)), QColor(0, 0, 0));
        }
        QCOMPARE(form.CaptionLabel(13)->text(), QString("Royal Flush"));
        QCOMPARE(form.TotalLabel(0, 1)->text(), QString("1"));
        QCOMPARE(form.TotalLabel(0, 2)->text(), QString("0"));
        QCOMPARE(form.TotalLabel(0, 3)->text(), QString("0.00%"));
        QCOMPARE(form.TotalLabel(1, 3)->text(), QString("0.00%"));
        // Only the game with hands can be chosen; its button is down.
        for (int g = 0; g < kGameCount; ++g) QCOMPARE(form.GameButton(g)->isEnabled(), g == 0);
        QVERIFY(form.GameButton(0)->isChecked());
        QCOMPARE(form.GameButton(0)->cursor().shape(), Qt::ArrowCursor);
        SaveScreenshot(&form, "statistics_one_losing_hand");
        form.close();
    }

    void ProgressButtonOpensTheTrainingProgress() {
        Play(0, 0, 5);
        TTableBuilderForm form(&Session());
        int progressOpened = 0;
        form.SetProgressOpener([&] { ++progressOpened; });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The one thing added: a button to the training progress, in the free
        // space between the game buttons and Reset.
        QVERIFY(form.ProgressButton()->isVisible());
        QCOMPARE(form.ProgressButton()->geometry(), QRect(10, 378, 128, 32));
        QTest::mouseClick(form.ProgressButton(), Qt::LeftButton);
        QCOMPARE(progressOpened, 1);
        SaveScreenshot(&form, "statistics_jacks");
        form.close();
    }

    void ResetAsksFirst() {
        // No keeps everything. Yes, pressed on the Jacks or Better page, clears also
        // the categories 10 to 13 of the games that have them.
        Session().LastGame = 0;
        Play(0, 1, 1);
        Play(5, 13, 5);
        Play(7, 10, 3);
        Play(5, 10, 1);
        const StatisticsRecord before = Session().Statistics;
        TTableBuilderForm form(&Session());
        Watchdog(5000);
        BoxAnswer no, yes;
        QTimer::singleShot(0, [&form, &no, &yes, &before, this] {
            AnswerNextBox(QMessageBox::No, &no);
            QTest::mouseClick(form.ResetButton(), Qt::LeftButton);
            QVERIFY(no.seen);
            QCOMPARE(no.caption, QString("Confirmation"));
            QCOMPARE(no.text, QString("Reset all statistics?"));
            QCOMPARE(no.icon, QMessageBox::Question);
            QVERIFY(form.isVisible());
            QVERIFY(Session().Statistics.HandCount == before.HandCount);
            QVERIFY(Session().Statistics.CreditsPaid == before.CreditsPaid);
            QVERIFY(Session().Statistics.HandsPlayed == before.HandsPlayed);
            QCOMPARE(form.TotalLabel(1, 0)->text(), QString("4"));
            AnswerNextBox(QMessageBox::Yes, &yes);
            QTimer::singleShot(0, &form, [&form] { form.ResetButton()->click(); });
        });
        const int result = form.exec();
        QVERIFY(yes.seen);
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
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
