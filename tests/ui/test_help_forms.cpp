#include "shell/ui/help_form.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "components/press_button.h"
#include "components/url_label.h"
#include "components/window_kit.h"
#include "screenshot.h"

using namespace quintaro;

class TestHelpForms : public QObject {
    Q_OBJECT

    QList<int> effects;

    // Both windows follow the same paging rules.
    template <typename Form> void CheckPaging(Form* form) {
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
    }

    // Opens a fresh window modally, sends one key and reports the result code.
    template <typename Make> int ExecWithKey(Make make, Qt::Key key, bool* stillOpen = nullptr) {
        QPointer<HelpFormBase> form = make();
        QTimer::singleShot(0, form, [form, key] {
            QTest::keyClick(form, key);
            if (form && form->isVisible()) QTimer::singleShot(0, form, [form] { form->reject(); });
        });
        const int result = form->exec();
        if (stillOpen) *stillOpen = !form.isNull();
        return result;
    }

private slots:
    void init() {
        effects.clear();
        ui::SetEffectSink([this](int e) { effects.append(e); });
    }
    void cleanup() { ui::SetEffectSink(nullptr); }

    void GameHelpPaging() {
        auto* form = new TGameHelpForm("Jacks or Better");
        CheckPaging(form);
        form->close();
    }

    void MenuHelpPaging() {
        auto* form = new TMenuHelpForm;
        CheckPaging(form);
        form->close();
    }

    void EnterAndEscapeClose() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            bool open = true;
            const int result =
                ExecWithKey([] { return new TGameHelpForm("Deuces Wild"); }, key, &open);
            QCOMPARE(result, int(QDialog::Accepted));
            QVERIFY(!open); // the window freed itself
            QCOMPARE(ExecWithKey([] { return new TMenuHelpForm; }, key), int(QDialog::Accepted));
        }
        // Another key leaves it open (closed by the test with a negative result).
        QCOMPARE(ExecWithKey([] { return new TMenuHelpForm; }, Qt::Key_A), int(QDialog::Rejected));
    }

    void Screenshots() {
        auto* game = new TGameHelpForm("Jacks or Better");
        game->show();
        QVERIFY(QTest::qWaitForWindowExposed(game));
        SaveScreenshot(game, "game_help_page1");
        game->NextPageButton(0)->click();
        SaveScreenshot(game, "game_help_page2");
        game->NextPageButton(1)->click();
        SaveScreenshot(game, "game_help_page3");
        game->close();
        auto* menu = new TMenuHelpForm;
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        SaveScreenshot(menu, "menu_help_page1");
        menu->NextPageButton(0)->click();
        SaveScreenshot(menu, "menu_help_page2");
        menu->NextPageButton(1)->click();
        SaveScreenshot(menu, "menu_help_page3");
        menu->close();
    }
};

QTEST_MAIN(TestHelpForms)
#include "test_help_forms.moc"
