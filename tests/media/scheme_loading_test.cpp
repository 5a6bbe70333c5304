// Loading sheets with a scheme: the scheme's file wins when it is a readable picture of
// reasonable size; anything else falls back to the built-in sheet for that picture alone.

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

#include "media/sheet_loader.h"

using namespace quintaro;
using sheets::Sheet;

namespace {

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QImage Replacement(QSize size, QColor colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// A bitmap header that claims a picture far too large to decode.
QByteArray HugeBmpHeader() {
    QByteArray b("BM");
    QDataStream out(&b, QIODevice::Append);
    out.setByteOrder(QDataStream::LittleEndian);
    // File size, reserved, pixel offset, header size, width, height, planes, bits per
    // pixel, compression, image size, resolutions, colours used and important.
    out << quint32(54 + 30000u * 30000u * 3u % 0xffffffffu) << quint32(0) << quint32(54)
        << quint32(40) << quint32(30000) << quint32(30000) << quint16(1) << quint16(24)
        << quint32(0) << quint32(0) << quint32(2835) << quint32(2835) << quint32(0) << quint32(0);
    b.append(QByteArray(64, '\0'));
    return b;
}

} // namespace

class SchemeLoadingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SheetLoader::Instance().Clear(); }
    void corruptOrForeignFilesFallBack_data();
    void corruptOrForeignFilesFallBack();
    void oversizedFilesFallBack();
    void onlyRegularFilesAreRead();
    void foldersWhoseNamesAreNotUtf8();
};

void SchemeLoadingTest::corruptOrForeignFilesFallBack_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("[Menu_Data]\r\nName=not a picture\r\n");
    QTest::newRow("garbage") << QByteArray(5000, char(0x5a));
    QByteArray truncated;
    {
        QBuffer buffer(&truncated);
        buffer.open(QIODevice::WriteOnly);
        Replacement(QSize(92, 67), Qt::red).save(&buffer, "BMP");
    }
    QTest::newRow("truncated bitmap") << truncated.left(20);
}

void SchemeLoadingTest::corruptOrForeignFilesFallBack() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath("GameSkin.bmp"), bytes));
    SheetLoader& loader = SheetLoader::Instance();
    const QImage& img = loader.Image(Sheet::ScreenTiles, dir.path());
    QVERIFY(!loader.FromSchemeFile(Sheet::ScreenTiles, dir.path()));
    QCOMPARE(img.size(), QSize(92, 67));
}

void SchemeLoadingTest::oversizedFilesFallBack() {
    QTemporaryDir dir;
    // A header claiming 30000 x 30000 pixels.
    QVERIFY(WriteBytes(dir.filePath("Cards.bmp"), HugeBmpHeader()));
    // A file larger than the cap (sparse, so the test stays quick).
    {
        QFile f(dir.filePath("Panel.bmp"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QBuffer header;
        header.open(QIODevice::WriteOnly);
        Replacement(QSize(8, 8), Qt::red).save(&header, "BMP");
        f.write(header.data());
        QVERIFY(f.resize(SheetLoader::kMaxDecodedBytes + 1));
    }
    SheetLoader& loader = SheetLoader::Instance();
    QCOMPARE(loader.Image(Sheet::PokerGraphics, dir.path()).size(), QSize(399, 370));
    QVERIFY(!loader.FromSchemeFile(Sheet::PokerGraphics, dir.path()));
    QCOMPARE(loader.Image(Sheet::PaysPnlImage, dir.path()).size(), QSize(237, 220));
    QVERIFY(!loader.FromSchemeFile(Sheet::PaysPnlImage, dir.path()));
}

// A pipe named like a picture would block a plain open for ever, a device would be read
// without end: neither is opened, and the built-in picture is used.
void SchemeLoadingTest::onlyRegularFilesAreRead() {
    QTemporaryDir dir;
    alarm(20); // a blocked open ends the test program instead of hanging it
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("GameSkin.bmp")).constData(), 0600) == 0);
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("panel.BMP")).constData(), 0600) == 0);
    QVERIFY(QFile::link("/dev/zero", dir.filePath("Cards.bmp")));
    QVERIFY(QFile::link("/dev/null", dir.filePath("digwin.bmp")));
    // A link to a good picture is followed.
    QVERIFY(Replacement(QSize(201, 39), Qt::green).save(dir.filePath("real.bmp"), "BMP"));
    QVERIFY(QFile::link(dir.filePath("real.bmp"), dir.filePath("CREDITS.bmp")));
    SheetLoader& loader = SheetLoader::Instance();
    for (Sheet sheet :
         {Sheet::ScreenTiles, Sheet::PaysPnlImage, Sheet::PokerGraphics, Sheet::Win1}) {
        QVERIFY(!loader.FromSchemeFile(sheet, dir.path()));
        QCOMPARE(loader.Image(sheet, dir.path()).size(),
                 QSize(sheets::Info(sheet).width, sheets::Info(sheet).height));
    }
    QVERIFY(SheetLoader::FindFileNoCase(dir.path(), "panel.bmp").isEmpty());
    QVERIFY(SheetLoader::ReadSchemeFile(dir.filePath("GameSkin.bmp")).isNull());
    QVERIFY(SheetLoader::ReadSchemeFile(QStringLiteral("/dev/zero")).isNull());
    QVERIFY(loader.FromSchemeFile(Sheet::Credits1, dir.path()));
    alarm(0);
}

// A scheme folder whose name is not UTF-8 (made on a system with another encoding): its
// pictures are found and read through the file system's own name of the folder.
void SchemeLoadingTest::foldersWhoseNamesAreNotUtf8() {
    QTemporaryDir dir;
    const std::filesystem::path folder =
        SheetLoader::ToPath(dir.path()) / "Sch\xE9mes" / "Blu\xE9\xFF";
    std::filesystem::create_directories(folder);
    const std::filesystem::path picture = folder / "GameSkin.bmp";
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(Replacement(QSize(92, 67), Qt::magenta).save(&buffer, "BMP"));
        std::ofstream(picture, std::ios::binary).write(bytes.constData(), bytes.size());
    }
    QVERIFY(std::filesystem::is_regular_file(picture));
    SheetLoader& loader = SheetLoader::Instance();
    QVERIFY(loader.FromSchemeFile(Sheet::ScreenTiles, folder));
    QCOMPARE(loader.Image(Sheet::ScreenTiles, folder).pixelColor(3, 3), QColor(Qt::magenta));
    QCOMPARE(SheetLoader::FindFileNoCase(folder, "gameskin.BMP"), std::optional(picture));
    QVERIFY(!SheetLoader::ReadSchemePicture(picture, Sheet::ScreenTiles).isNull());
    // The same folder under another name (a link with a plain name) is another scheme
    // folder in the cache but shows the same picture.
    std::filesystem::create_directory_symlink(folder, SheetLoader::ToPath(dir.filePath("plain")));
    QCOMPARE(loader.Image(Sheet::ScreenTiles, dir.filePath("plain")).pixelColor(3, 3),
             QColor(Qt::magenta));
}

QTEST_MAIN(SchemeLoadingTest)
#include "scheme_loading_test.moc"
