// The scrolling banner and the hyperlink label.

#include "components/banner.h"
#include "components/url_label.h"

#include <QSignalSpy>
#include <QtTest>

using namespace quintaro;

namespace {
QImage Solid(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}
} // namespace

class TestComponents : public QObject {
    Q_OBJECT

    QList<QUrl> opened;

private slots:
    void init() {
        opened.clear();
        TURLLabel::SetOpener([this](const QUrl& url) { opened.append(url); });
    }
    void cleanup() { TURLLabel::ResetOpener(); }

    // Where the picture stands in each direction, and a pass of an only-once banner
    // that switches it off once the picture has gone out of sight.
    void PlacementAndOnlyOnceInAllDirections() {
        struct Case {
            TScrollDirection dir;
            QPoint origin; // at position 5 with a 40x10 image in a 100x30 control
            bool horizontal;
        };
        const Case cases[] = {
            {TScrollDirection::sdRightToLeft, {95, 0}, true},
            {TScrollDirection::sdLeftToRight, {-35, 0}, true},
            {TScrollDirection::sdTopToBottom, {0, -5}, false},
            {TScrollDirection::sdBottomToTop, {0, 25}, false},
        };
        for (const Case& c : cases) {
            TBanner banner;
            banner.resize(100, 30);
            banner.SetAutoEnable(false);
            banner.SetColor(Qt::black);
            banner.SetScrollDirection(c.dir);
            banner.SetBitmap(Solid(40, 10, Qt::green));
            banner.SetPosition(5);
            QCOMPARE(banner.ImageOrigin(), c.origin);
            const QImage frame = banner.Compose();
            QCOMPARE(frame.size(), QSize(100, 30));
            // Covered pixels show the image, the rest the background.
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 100; ++x) {
                    const bool inImage = x >= c.origin.x() && x < c.origin.x() + 40 &&
                                         y >= c.origin.y() && y < c.origin.y() + 10;
                    QCOMPARE(frame.pixelColor(x, y) == QColor(Qt::green), inImage);
                }

            banner.SetOnlyOnce(true);
            banner.SetScrollPixels(3);
            banner.SetAutoEnable(true);
            banner.SetBitmap(Solid(31, 7, Qt::red));
            QVERIFY(banner.Enabled());
            banner.SetPosition(0);
            QSignalSpy disabled(&banner, &TBanner::OnDisable);
            QSignalSpy scrolled(&banner, &TBanner::OnScroll);
            int ticks = 0;
            for (; banner.Enabled() && ticks < 1000; ++ticks) banner.Step();
            QCOMPARE(disabled.count(), 1);
            QCOMPARE(scrolled.count(), ticks);
            // The first position above the picture's length and the control's together.
            QCOMPARE(ticks, (c.horizontal ? 31 + 100 : 7 + 30) / 3 + 1);
            QCOMPARE(banner.Bitmap().width(), 31); // a picture survives switching off
        }
    }

    void NoGapTilesAndCycles() {
        TBanner banner;
        banner.resize(100, 10);
        banner.SetNoGap(true);
        banner.SetScrollPixels(7);
        banner.SetColor(Qt::black);
        QImage img = Solid(30, 10, Qt::green);
        img.setPixelColor(0, 0, Qt::red); // marks each copy's left edge
        banner.SetBitmap(img);
        for (int i = 0; i < 40; ++i) {
            banner.Step();
            QVERIFY(banner.Position() <= 30);
            const QImage frame = banner.Compose();
            for (int x = 0; x < 100; ++x) QVERIFY(frame.pixelColor(x, 5) == QColor(Qt::green));
            const int lead = 100 - banner.Position();
            for (int x = lead; x >= 0; x -= 30)
                if (x < 100) QCOMPARE(frame.pixelColor(x, 0), QColor(Qt::red));
        }
    }

    void LinesAlignment() {
        TBanner banner;
        banner.SetAutoEnable(false);
        banner.SetColor(Qt::black);
        banner.SetFontColor(Qt::white);
        const QStringList lines{"MMMMMMMMMM", "M"};
        banner.SetLines(lines);
        const QFontMetrics fm(banner.font());
        const int block = fm.horizontalAdvance(lines[0]);
        const int second = fm.horizontalAdvance(lines[1]);
        QCOMPARE(banner.Bitmap().width(), block);
        QCOMPARE(banner.Bitmap().height(), 2 * fm.height());
        QVERIFY(banner.ScrollText().isEmpty());
        auto firstInk = [&](int row) {
            const QImage& img = banner.Bitmap();
            for (int x = 0; x < img.width(); ++x)
                for (int y = row * fm.height(); y < (row + 1) * fm.height(); ++y)
                    if (img.pixelColor(x, y) != QColor(Qt::black)) return x;
            return -1;
        };
        const int centreInk = firstInk(1);
        banner.SetLinesAlign(TLinesAlign::Left);
        const int leftInk = firstInk(1);
        QCOMPARE(centreInk, leftInk + (block - second) / 2);
        banner.SetLinesAlign(TLinesAlign::Right);
        QCOMPARE(firstInk(1), leftInk + block - second);
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
        // Only web and mail addresses open.
        label.SetURL("file:///etc/passwd");
        QVERIFY(!label.Open());
        QCOMPARE(opened.size(), 1);
    }
};

QTEST_MAIN(TestComponents)
#include "test_components.moc"
