#include "shell/ui/bills_in_form.h"

#include <QFrame>
#include <QLabel>
#include <QtTest>

#include "components/press_button.h"
#include "components/window_kit.h"
#include "screenshot.h"

using namespace quintaro;

namespace {
QColor TextColour(QLabel* label) {
    const QString style = label->styleSheet();
    const int at = style.indexOf("color: ");
    return QColor(style.mid(at + 7, 7));
}
bool SlotIs(QFrame* slot, const char* colour) {
    return slot->styleSheet().contains(QString("background: ") + colour);
}
} // namespace

class TestBillsInForm : public QObject {
    Q_OBJECT

private slots:

    void DisplaysAndCap() {
        TBillsInForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.Display()->text(), QString("$ 0.00"));
        QCOMPARE(TextColour(form.Display()), QColor(255, 0, 0));
        QVERIFY(SlotIs(form.BillSlot(), "black"));
        QTest::mouseClick(form.BillButton(3), Qt::LeftButton); // $ 20
        QCOMPARE(form.Total(), 20);
        QCOMPARE(form.Display()->text(), QString("$ 20.00"));
        QCOMPARE(TextColour(form.Display()), QColor(0, 255, 0));
        QVERIFY(SlotIs(form.BillSlot(), "#008000"));
        for (int i = 0; i < 4; ++i) form.BillButton(4)->click();
        QCOMPARE(form.Total(), 420);
        form.BillButton(4)->click();
        QCOMPARE(form.Total(), 500); // stops at the cap
        form.BillButton(0)->click();
        QCOMPARE(form.Total(), 500);
        QCOMPARE(form.Display()->text(), QString("$ 500.00"));
        form.ClearButton()->click();
        QCOMPARE(form.Total(), 0);
        QCOMPARE(form.Display()->text(), QString("$ 0.00"));
        QVERIFY(SlotIs(form.BillSlot(), "black"));
        form.close();
    }

    void Keys() {
        TBillsInForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        struct KeyCase {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int added;
        };
        const KeyCase cases[] = {
            {Qt::Key_1, Qt::NoModifier, 1},      {Qt::Key_2, Qt::NoModifier, 5},
            {Qt::Key_3, Qt::NoModifier, 10},     {Qt::Key_4, Qt::NoModifier, 20},
            {Qt::Key_5, Qt::NoModifier, 100},    {Qt::Key_1, Qt::KeypadModifier, 1},
            {Qt::Key_2, Qt::KeypadModifier, 5},  {Qt::Key_3, Qt::KeypadModifier, 10},
            {Qt::Key_4, Qt::KeypadModifier, 20}, {Qt::Key_5, Qt::KeypadModifier, 100},
            {Qt::Key_6, Qt::NoModifier, 0},      {Qt::Key_A, Qt::NoModifier, 0},
        };
        int expected = 0;
        for (const KeyCase& c : cases) {
            QTest::keyClick(&form, c.key, c.modifiers);
            expected += c.added;
            QCOMPARE(form.Total(), expected);
        }
        QTest::keyClick(&form, Qt::Key_Delete);
        QCOMPARE(form.Total(), 0);
        form.close();
    }

    void EnterIsOKAndEscapeIsCancel() {
        QList<int> effects;
        ui::SetEffectSink([&](int e) { effects.append(e); });
        TBillsInForm form;
        QTimer::singleShot(0, &form, [&] {
            QTest::keyClick(&form, Qt::Key_4);
            QTest::keyClick(&form, Qt::Key_Return);
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(form.Total(), 20);
        QVERIFY(effects.isEmpty()); // keys press silently; only mouse presses sound
        QTimer::singleShot(0, &form, [&] {
            QCOMPARE(form.Total(), 0); // showing again starts from nothing
            QTest::keyClick(&form, Qt::Key_5);
            QTest::keyClick(&form, Qt::Key_Escape);
        });
        QCOMPARE(form.exec(), int(QDialog::Rejected));
        QTimer::singleShot(0, &form, [&] {
            QTest::mouseClick(form.BillButton(0), Qt::LeftButton);
            QTest::mouseClick(form.OKButton(), Qt::LeftButton);
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(effects, QList<int>({5, 5}));
        ui::SetEffectSink(nullptr);
    }
};

QTEST_MAIN(TestBillsInForm)
#include "test_bills_in_form.moc"
