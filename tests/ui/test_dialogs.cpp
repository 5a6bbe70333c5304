// The small dialogs of the menu and the games: the about box, the two help
// windows, the bills dialog and the statistics page, their keys, buttons and sounds.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
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
#include "shell/ui/about_box.h"
#include "shell/ui/bills_in_form.h"
#include "shell/ui/help_form.h"
#include "shell/ui/statistics_form.h"
#include "when_up.h"

using namespace quintaro;

namespace {

QImage ProductName() {
    QImage img(164, 24, QImage::Format_RGB32);
    img.fill(QColor(0, 0, 90));
    return img;
}

// Shows `dialog` modally and sends it `key`; a dialog the key leaves open is rejected
// by the test. Returns the dialog's result; `closedByKey` tells whether the key closed it.
int ExecWithKey(QDialog* dialog, Qt::Key key, bool* closedByKey = nullptr) {
    QPointer<QDialog> d = dialog;
    bool byKey = true;
    QTimer::singleShot(0, d, [d, key, &byKey] {
        QTest::keyClick(d, key);
        if (d && d->isVisible()) {
            byKey = false;
            QTimer::singleShot(0, d, [d] { d->reject(); });
        }
    });
    const int result = d->exec();
    if (closedByKey) *closedByKey = byKey;
    return result;
}

// Closes whatever modal window is up after `ms`, so a test fails instead of hanging.
void Watchdog(int ms) {
    QTimer::singleShot(ms, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

    QList<int> effects;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TVantaSession> m_session;

    TVantaSession& Session() { return *m_session; }

    // One finished hand: the category's pay-table entry times the coins is paid.
    void Play(int game, int category, int coins) {
        Session().Statistics.HandStarted(game);
        const std::int32_t paid = category == 0 ? 0 : ThePayTables().Payout(game, category, coins);
        Session().Statistics.HandFinished(game, category, coins, paid);
    }

    // Both help windows follow the same paging rules.
    template <typename Form> void CheckPaging(Form* form) {
        effects.clear();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(form->PageIndex(), 0);
        QVERIFY(form->NextPageButton(0) && form->NextPageButton(1) && !form->NextPageButton(2));
        QVERIFY(!form->PreviousPageButton(0) && form->PreviousPageButton(1) &&
                form->PreviousPageButton(2));
        QTest::mouseClick(form->NextPageButton(0), Qt::LeftButton);
        QCOMPARE(form->PageIndex(), 1);
        QTest::mouseClick(form->NextPageButton(1), Qt::LeftButton);
        QCOMPARE(form->PageIndex(), 2);
        QTest::mouseClick(form->PreviousPageButton(2), Qt::LeftButton);
        QCOMPARE(form->PageIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), form->PreviousPageButton(1));
        QTest::mouseClick(form->PreviousPageButton(1), Qt::LeftButton);
        QCOMPARE(form->PageIndex(), 0);
        // Every left press was a button press with its sound.
        QCOMPARE(effects, QList<int>({5, 5, 5, 5}));
        form->close();
    }

private slots:
    void init() {
        effects.clear();
        ui::SetEffectSink([this](int e) { effects.append(e); });
        m_dir = std::make_unique<QTemporaryDir>();
        const std::filesystem::path root = m_dir->path().toStdString();
        m_session = std::make_unique<TVantaSession>(
            SessionConfig{root / "Quintaro.ini", {root / "Schemes"}}, SessionServices{});
    }
    void cleanup() {
        ui::SetEffectSink(nullptr);
        m_session.reset();
        m_dir.reset();
    }

    void aboutBoxKeysAndOK() {
        TAboutBox box(ProductName());
        const std::pair<Qt::Key, bool> keys[] = {{Qt::Key_Space, true}, {Qt::Key_Return, true},
                                                 {Qt::Key_Enter, true}, {Qt::Key_Escape, true},
                                                 {Qt::Key_A, false},    {Qt::Key_F1, false},
                                                 {Qt::Key_Tab, false},  {Qt::Key_1, false}};
        for (const auto& [key, closes] : keys) {
            bool closed = !closes;
            ExecWithKey(&box, key, &closed);
            QVERIFY2(closed == closes, qPrintable(QString::number(key)));
        }
        effects.clear();
        QTimer::singleShot(0, &box, [&] { QTest::mouseClick(box.OKButton(), Qt::LeftButton); });
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QCOMPARE(effects, QList<int>{5});
    }

    void helpWindowsPageAndClose() {
        CheckPaging(new TGameHelpForm("Jacks or Better"));
        CheckPaging(new TMenuHelpForm);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QPointer<QDialog> game = new TGameHelpForm("Deuces Wild");
            QCOMPARE(ExecWithKey(game, key), int(QDialog::Accepted));
            QVERIFY(!game); // the window freed itself
            QCOMPARE(ExecWithKey(new TMenuHelpForm, key), int(QDialog::Accepted));
        }
        // Another key leaves it open.
        QCOMPARE(ExecWithKey(new TMenuHelpForm, Qt::Key_A), int(QDialog::Rejected));
    }

    void billsDisplayAndCap() {
        TBillsInForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QString emptySlot = form.BillSlot()->styleSheet();
        QCOMPARE(form.Display()->text(), QString("$ 0.00"));
        QTest::mouseClick(form.BillButton(3), Qt::LeftButton); // $ 20
        QCOMPARE(form.Total(), 20);
        QCOMPARE(form.Display()->text(), QString("$ 20.00"));
        QVERIFY(form.BillSlot()->styleSheet() != emptySlot); // a bill is in the slot
        for (int i = 0; i < 4; ++i) form.BillButton(4)->click();
        QCOMPARE(form.Total(), 420);
        form.BillButton(4)->click();
        QCOMPARE(form.Total(), 500); // stops at the cap
        form.BillButton(0)->click();
        QCOMPARE(form.Display()->text(), QString("$ 500.00"));
        form.ClearButton()->click();
        QCOMPARE(form.Display()->text(), QString("$ 0.00"));
        QCOMPARE(form.BillSlot()->styleSheet(), emptySlot);
        form.close();
    }

    void billsKeys() {
        TBillsInForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        struct KeyCase {
            Qt::Key key;
            int added;
        };
        const KeyCase cases[] = {{Qt::Key_1, 1},   {Qt::Key_2, 5}, {Qt::Key_3, 10}, {Qt::Key_4, 20},
                                 {Qt::Key_5, 100}, {Qt::Key_6, 0}, {Qt::Key_A, 0}};
        int expected = 0;
        for (const KeyCase& c : cases)
            for (auto modifiers : {Qt::NoModifier, Qt::KeypadModifier}) {
                QTest::keyClick(&form, c.key, modifiers);
                expected += c.added;
                QCOMPARE(form.Total(), expected);
            }
        QTest::keyClick(&form, Qt::Key_Delete);
        QCOMPARE(form.Total(), 0);
        form.close();

        // Enter is OK and Escape is Cancel; showing again starts from nothing.
        QTimer::singleShot(0, &form, [&] { QTest::keyClick(&form, Qt::Key_4); });
        QCOMPARE(ExecWithKey(&form, Qt::Key_Return), int(QDialog::Accepted));
        QCOMPARE(form.Total(), 20);
        QVERIFY(effects.isEmpty()); // keys press silently; only mouse presses sound
        QTimer::singleShot(0, &form, [&] {
            QCOMPARE(form.Total(), 0);
            QTest::keyClick(&form, Qt::Key_5);
        });
        QCOMPARE(ExecWithKey(&form, Qt::Key_Escape), int(QDialog::Rejected));
        QTimer::singleShot(0, &form, [&] {
            QTest::mouseClick(form.BillButton(0), Qt::LeftButton);
            QTest::mouseClick(form.OKButton(), Qt::LeftButton);
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(effects, QList<int>({5, 5}));
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
        QVERIFY(progressOpened == 1 && asked);
        const StatisticsRecord zero{};
        const StatisticsRecord& now = Session().Statistics;
        QVERIFY(now.HandsPlayed == zero.HandsPlayed && now.HandCount == zero.HandCount &&
                now.CreditsBet == zero.CreditsBet && now.CreditsPaid == zero.CreditsPaid);
        // With the counters cleared the window has nothing more to show.
        QCOMPARE(withProgress.exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
