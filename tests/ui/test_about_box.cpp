#include "shell/ui/about_box.h"

#include <QLabel>
#include <QtTest>

#include "components/press_button.h"
#include "components/url_label.h"
#include "components/window_kit.h"
#include "screenshot.h"

using namespace quintaro;

namespace {
QImage ProductName() {
    QImage img(164, 24, QImage::Format_RGB32);
    img.fill(QColor(0, 0, 90));
    return img;
}

// Shows the dialog modally, sends one key, and reports whether it closed by itself.
bool ClosesOnKey(QDialog& box, Qt::Key key) {
    bool closedByKey = true;
    QTimer::singleShot(0, &box, [&] {
        QTest::keyClick(&box, key);
        if (box.isVisible()) {
            closedByKey = false;
            box.reject();
        }
    });
    box.exec();
    return closedByKey;
}
} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:

    // Centred to the pixel: an even screen less an even window leaves equal margins.
    void CentredOnScreen() {
        TAboutBox box(ProductName());
        const QRect area = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(box.pos(),
                 QPoint(area.x() + (area.width() - 298) / 2, area.y() + (area.height() - 310) / 2));
        QWidget wide;
        wide.setFixedSize(area.width() - 100, 100);
        ui::CentreOnScreen(&wide);
        QCOMPARE(wide.pos(), QPoint(area.x() + 50, area.y() + (area.height() - 100) / 2));
    }

    void ClosingKeys() {
        TAboutBox box(ProductName());
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QVERIFY2(ClosesOnKey(box, key), qPrintable(QString::number(key)));
        for (Qt::Key key : {Qt::Key_A, Qt::Key_F1, Qt::Key_Tab, Qt::Key_1})
            QVERIFY(!ClosesOnKey(box, key));
    }

    void OKPressPlaysButtonSound() {
        QList<int> effects;
        ui::SetEffectSink([&](int e) { effects.append(e); });
        TAboutBox box(ProductName());
        QTimer::singleShot(0, &box, [&] { QTest::mouseClick(box.OKButton(), Qt::LeftButton); });
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QCOMPARE(effects, QList<int>{5});
        ui::SetEffectSink(nullptr);
    }

    void Screenshots() {
        TAboutBox box(ProductName());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        SaveScreenshot(&box, "about_box");
        box.close();
        TStrategyCreditBox credit;
        credit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&credit));
        SaveScreenshot(&credit, "strategy_credit_box");
        credit.close();
    }
};

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
