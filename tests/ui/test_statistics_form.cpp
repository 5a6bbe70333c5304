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

#include "core/pay_table.h"
#include "screenshot.h"
#include "shell/session.h"
#include "shell/ui/press_button.h"
#include "shell/ui/window_kit.h"

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
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, button, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        answer->caption = box->windowTitle();
        answer->text = box->text();
        answer->icon = box->icon();
        answer->seen = true;
        timer->stop();
        timer->deleteLater();
        box->button(button)->click();
    });
    timer->start();
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
        const char* captions[] = {"Jacks or Better", "Bonus Poker",      "Bonus Deluxe",
                                  "Deuces Wild",     "Double Bonus",     "Dbl Dbl Bonus",
                                  "Super Dbl Bonus", "Triple Dbl Bonus", "Super Aces Bonus"};
        for (int g = 0; g < kGameCount; ++g) {
            QCOMPARE(form.GameButton(g)->text(), QString(captions[g]));
            QCOMPARE(form.GameButton(g)->property("tag").toInt(), g);
        }
        QCOMPARE(form.ResetButton()->text(), QString("Reset All Stats"));
        QCOMPARE(form.CloseButton()->text(), QString("Close"));
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
        QCOMPARE(form.Bar(4)->height(), 10);
        QCOMPARE(form.Bar(4)->x(), 5);
        QCOMPARE(FillColour(form.Bar(4)), QColor(184, 0, 0));
        QCOMPARE(form.PercentLabel(4)->text(), QString("100.00%"));
        QCOMPARE(form.PercentLabel(4)->x(), 5 + 250 + 5);
        QCOMPARE(TextColour(form.PercentLabel(4)), QColor(255, 0, 0));
        for (QLabel* l : {form.CaptionLabel(4), form.CountLabel(4), form.CreditsLabel(4)})
            QCOMPARE(TextColour(l), QColor(255, 0, 0));
        // The nine winning rows: zero, black text, green bars of no width, lime "0.00%".
        for (int r = 5; r < 14; ++r) {
            QVERIFY(form.CaptionLabel(r)->isVisible());
            QCOMPARE(form.CountLabel(r)->text(), QString("0"));
            QCOMPARE(form.CreditsLabel(r)->text(), QString("0"));
            QCOMPARE(form.PercentLabel(r)->text(), QString("0.00%"));
            QCOMPARE(form.PercentLabel(r)->x(), 10);
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

    void RowsOfEveryGame() {
        // Every game shows its categories on the top rows, the highest at the top,
        // and hides the rows below "No Winner"; the separator sits 7 pixels above it.
        const int lines[kGameCount] = {10, 12, 10, 11, 12, 14, 13, 14, 12};
        for (int g = 0; g < kGameCount; ++g) Play(g, 0, 5);
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
        for (int g = 0; g < kGameCount; ++g) {
            QTest::mouseClick(form.GameButton(g), Qt::LeftButton);
            QCOMPARE(form.Page(), g);
            QVERIFY(form.GameButton(g)->isChecked());
            const int first = 14 - lines[g];
            for (int r = 0; r < 14; ++r) {
                const bool shown = r >= first;
                QCOMPARE(form.CaptionLabel(r)->isVisible(), shown);
                QCOMPARE(form.CountLabel(r)->isVisible(), shown);
                QCOMPARE(form.CreditsLabel(r)->isVisible(), shown);
                QCOMPARE(form.PercentLabel(r)->isVisible(), shown);
                QCOMPARE(form.Bar(r)->isVisible(), shown);
                if (shown)
                    QCOMPARE(form.CaptionLabel(r)->text().toStdString(),
                             std::string(StatisticsCaption(g, r - first)));
            }
            QCOMPARE(form.CaptionLabel(first)->text(), QString("No Winner"));
            QCOMPARE(form.CaptionLabel(13)->text(), QString("Royal Flush"));
            QCOMPARE(form.Separator()->y(), form.CaptionLabel(first)->y() - 7);
            if (g == kJacksOrBetter) SaveScreenshot(&form, "statistics_jacks");
            if (g == kDoubleDoubleBonus) {
                QCOMPARE(first, 0);
                QCOMPARE(form.CaptionLabel(11)->text(), QString("4-Ace's w/any 2,3,4"));
                SaveScreenshot(&form, "statistics_double_double");
            }
        }
        form.close();
    }

    void SessionTotalsAcrossGames() {
        // Wins in the high categories of Double Double Bonus and Triple Double Bonus
        // count in the Session column whatever page is shown.
        Session().LastGame = 0;
        const std::int64_t twoPair = Play(0, 2, 5);
        Play(0, 0, 5);
        const std::int64_t royal = Play(5, 13, 5);
        const std::int64_t aces = Play(5, 11, 1); // four Aces with a kicker
        const std::int64_t tdb = Play(7, 12, 2);
        Session().Statistics.HandStarted(3); // a hand in progress
        QCOMPARE(twoPair, 10);
        QVERIFY(royal > 0 && aces > 0 && tdb > 0);
        TTableBuilderForm form(&Session());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.Page(), 0);
        QCOMPARE(form.TotalLabel(0, 0)->text(), QString("2"));
        QCOMPARE(form.TotalLabel(0, 1)->text(), QString("10"));
        QCOMPARE(form.TotalLabel(0, 2)->text(), QString("10"));
        QCOMPARE(form.TotalLabel(0, 3)->text(), QString("100.00%"));
        QCOMPARE(form.PercentLabel(4)->text(), QString("50.00%"));
        QCOMPARE(form.Bar(4)->width(), 125);
        QCOMPARE(form.Bar(6)->width(), 125);
        QCOMPARE(FillColour(form.Bar(6)), QColor(0, 160, 0));
        const std::int64_t won = twoPair + royal + aces + tdb;
        const std::int64_t bet = 5 + 5 + 5 + 1 + 2;
        auto sessionColumn = [&] {
            QCOMPARE(form.TotalLabel(1, 0)->text(), QString("6"));
            QCOMPARE(form.TotalLabel(1, 1)->text(), QString::number(bet));
            QCOMPARE(form.TotalLabel(1, 2)->text(), QString::number(won));
            QCOMPARE(form.TotalLabel(1, 3)->text(),
                     QString::fromStdString(FormatPercent(double(won) / double(bet) * 100)));
        };
        sessionColumn();
        // The Deuces Wild hand is started but not finished.
        QVERIFY(form.GameButton(3)->isEnabled());
        QVERIFY(!form.GameButton(1)->isEnabled());
        QCOMPARE(form.GameButton(5)->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form.GameButton(1)->cursor().shape(), Qt::ArrowCursor);
        m_effects.clear();
        QTest::mouseClick(form.GameButton(5), Qt::LeftButton);
        QCOMPARE(m_effects, std::vector<int>{5});
        QCOMPARE(form.Page(), 5);
        QCOMPARE(form.windowTitle(),
                 QString("Current Session Statistics for Double Double Bonus Poker"));
        QCOMPARE(form.CountLabel(13)->text(), QString("1"));
        QCOMPARE(form.CreditsLabel(13)->text(), QString::number(royal));
        QCOMPARE(form.CreditsLabel(11)->text(), QString::number(aces));
        QCOMPARE(form.TotalLabel(0, 2)->text(), QString::number(royal + aces));
        QCOMPARE(form.TotalLabel(0, 3)->text(),
                 QString::fromStdString(FormatPercent(double(royal + aces) / 6.0 * 100)));
        QCOMPARE(form.GameButton(5)->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(form.GameButton(0)->cursor().shape(), Qt::PointingHandCursor);
        sessionColumn();
        SaveScreenshot(&form, "statistics_double_double_wins");
        QTest::mouseClick(form.GameButton(3), Qt::LeftButton);
        QCOMPARE(form.TotalLabel(0, 0)->text(), QString("1"));
        QCOMPARE(form.TotalLabel(0, 1)->text(), QString("0"));
        QCOMPARE(form.TotalLabel(0, 3)->text(), QString("0.00%"));
        QCOMPARE(form.PercentLabel(3)->text(), QString("0.00%"));
        // A right-button press changes nothing and plays nothing.
        m_effects.clear();
        QTest::mouseClick(form.GameButton(0), Qt::RightButton);
        QVERIFY(m_effects.empty());
        QCOMPARE(form.Page(), 3);
        sessionColumn();
        form.close();
    }

    void PageChoiceOnShowing() {
        // The last game when it has hands, else the first game that has some.
        Play(4, 0, 1);
        Play(6, 0, 1);
        struct Case {
            int lastGame, page;
        };
        for (const Case c : {Case{6, 6}, Case{4, 4}, Case{0, 4}, Case{8, 4}}) {
            Session().LastGame = c.lastGame;
            TTableBuilderForm form(&Session());
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QCOMPARE(form.Page(), c.page);
            QVERIFY(form.GameButton(c.page)->isChecked());
            form.close();
        }
    }

    void ClosesAtOnceWithoutHands() {
        TTableBuilderForm form(&Session());
        Watchdog(3000);
        QElapsedTimer clock;
        clock.start();
        const int result = form.exec();
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(!form.isVisible());
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

    void CloseButton() {
        Play(2, 0, 1);
        TTableBuilderForm form(&Session());
        Watchdog(5000);
        QTimer::singleShot(0, &form, [&form, this] {
            m_effects.clear();
            QTest::mouseClick(form.CloseButton(), Qt::LeftButton);
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(m_effects, std::vector<int>{5});
        QCOMPARE(form.Page(), 2);
    }
};

QTEST_MAIN(TestStatisticsForm)
#include "test_statistics_form.moc"
