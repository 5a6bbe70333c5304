#include "shell/ui/help_form.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "components/url_label.h"
#include "screenshot.h"
#include "shell/ui/press_button.h"
#include "shell/ui/window_kit.h"

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
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(form->PageLabel(i)->text(), QString("Page %1.").arg(i + 1));
            QCOMPARE(form->ExitHelpButton(i)->geometry(), QRect(502, 483, 144, 36));
            if (i < 2) QCOMPARE(form->NextPageButton(i)->geometry(), QRect(102, 483, 144, 36));
            if (i > 0) QCOMPARE(form->PreviousPageButton(i)->geometry(), QRect(302, 483, 144, 36));
        }
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

    void WindowLayout() {
        TGameHelpForm game("Jacks or Better");
        QCOMPARE(game.size(), QSize(800, 600));
        QVERIFY(game.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(game.findChild<QStackedWidget*>()->geometry(), QRect(27, 32, 751, 527));
        TMenuHelpForm menu;
        QCOMPARE(menu.findChild<QStackedWidget*>()->geometry(), QRect(25, 32, 751, 532));
        // Key names stand out in yellow.
        QVERIFY(game.TextLabel(0)->text().contains("color:#ffff00"));
        QVERIFY(game.TextLabel(0)->text().contains(">MAX BET<"));
        QCOMPARE(game.WebLink()->toolTip(), QString("Go to Ostrelwyn Web Site"));
    }

    void GameHelpTitles_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("title");
        QTest::newRow("deuces") << "Deuces Wild"
                                << "Deuces Wild Poker Help";
        QTest::newRow("jacks") << "Jacks or Better"
                               << "Jacks or Better Poker Help";
        QTest::newRow("bonus") << "Bonus Poker"
                               << "Bonus Poker Help";
    }
    void GameHelpTitles() {
        QFETCH(QString, game);
        QFETCH(QString, title);
        TGameHelpForm form(game);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(form.TitleLabel(i)->text(), title);
            QCOMPARE(form.TitleShadow(i)->text(), title);
        }
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

    void EnterOnFocusedPagingButtonPages() {
        auto* form = new TMenuHelpForm;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        form->NextPageButton(0)->click();
        form->NextPageButton(1)->click();
        form->PreviousPageButton(2)->click(); // focus moves to page 2's Previous Page
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(form->PageIndex(), 0);
        QVERIFY(form->isVisible());
        form->close();
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
