#include "components/url_label.h"

#include <QtTest>

using namespace quintaro;

class TestUrlLabel : public QObject {
    Q_OBJECT

    QList<QUrl> opened;

private slots:
    void init() {
        opened.clear();
        TURLLabel::SetOpener([this](const QUrl& url) { opened.append(url); });
    }
    void cleanup() { TURLLabel::ResetOpener(); }

    // A press and release inside opens the address; a press dragged out opens nothing.
    void ClickInsideOpensAndColours() {
        QWidget form;
        TURLLabel label(&form);
        label.setGeometry(10, 10, 120, 30);
        label.SetColorNormal(Qt::yellow);
        label.SetColorMoveOver(Qt::cyan);
        label.SetURL("https://www.ostrelwyn.example/");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(200, 5));
        QVERIFY(opened.isEmpty());
        QCOMPARE(label.FontColor(), QColor(Qt::yellow));
        QVERIFY(!label.Pressed());
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(label.FontColor(), QColor(Qt::red));
        QVERIFY(label.Pressed());
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(6, 6));
        QCOMPARE(opened, QList<QUrl>{QUrl("https://www.ostrelwyn.example/")});
        QCOMPARE(label.FontColor(), QColor(Qt::cyan));
        QVERIFY(!label.Pressed());
        // Only web and mail addresses open.
        label.SetURL("file:///etc/passwd");
        QVERIFY(!label.Open());
        QCOMPARE(opened.size(), 1);
    }
};

QTEST_MAIN(TestUrlLabel)
#include "test_url_label.moc"
