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

    void AddressRules_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("openable");
        QTest::newRow("http") << "http://www.ostrelwyn.example/" << true;
        QTest::newRow("https") << "https://www.ostrelwyn.example/games" << true;
        QTest::newRow("mailto") << "mailto:support@ostrelwyn.example" << true;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("javascript") << "javascript:alert(1)" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("no host") << "http://" << false;
    }
    void AddressRules() {
        QFETCH(QString, address);
        QFETCH(bool, openable);
        TURLLabel label;
        label.resize(100, 20);
        label.SetURL(address);
        label.setText("not an address");
        QCOMPARE(label.Open(), openable);
        QCOMPARE(opened.size(), openable ? 1 : 0);
    }

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
    }
};

QTEST_MAIN(TestUrlLabel)
#include "test_url_label.moc"
