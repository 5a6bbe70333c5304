// quintaro-artwork's exports for scheme authors (a complete scheme folder, and the sounds)
// and for the desktop (the program's icons).

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include "media/program_icon.h"
#include "media/sheet_loader.h"
#include "media/sound_table.h"
#include "quintaro_version.h"

using namespace quintaro;

namespace {
int RunTool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(QUINTARO_ARTWORK_TOOL), args);
    if (!tool.waitForFinished(60000)) return -1;
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}
QString Q(std::string_view s) {
    return QString::fromLatin1(s.data(), int(s.size()));
}
} // namespace

class ToolExportTest : public QObject {
    Q_OBJECT
private slots:
    void schemeFolderIsCompleteAndLoads();
    void schemeIniCarriesEveryKeyAtItsDefault();
    void soundsAreTheBuiltInWaves();
    void iconsAreTheWindowsIcon();
    void badArgumentsAreRefused();
};

void ToolExportTest::schemeFolderIsCompleteAndLoads() {
    QTemporaryDir dir;
    QCOMPARE(RunTool({QStringLiteral("--scheme"), dir.path()}), 0);
    SheetLoader& loader = SheetLoader::Instance();
    loader.Clear();
    int pictures = 0;
    for (const sheets::SheetInfo& info : sheets::kSheets) {
        if (info.schemeFile.empty()) continue;
        ++pictures;
        QVERIFY2(QFile::exists(dir.filePath(Q(info.schemeFile))), info.schemeFile.data());
        // Each exported picture is taken by the loader, and is the built-in picture.
        const QImage& img = loader.Image(info.id, dir.path());
        QVERIFY2(loader.FromSchemeFile(info.id, dir.path()), info.schemeFile.data());
        QCOMPARE(img, loader.Image(info.id));
    }
    QCOMPARE(pictures, 14);
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Scheme.ini"))));
}

void ToolExportTest::schemeIniCarriesEveryKeyAtItsDefault() {
    QTemporaryDir dir;
    QCOMPARE(RunTool({QStringLiteral("--scheme"), dir.path()}), 0);
    QSettings ini(dir.filePath(QStringLiteral("Scheme.ini")), QSettings::IniFormat);
    const QList<QPair<QString, QString>> menu = {
        {"Name", ""},
        {"MenuString", ""},
        {"ExitPnlClr", "128"},
        {"ExitBtnFntClr", "255"},
        {"GameTypeNamesVisible", "1"},
        {"GameTypeNameFontColor", "65535"},
        {"ShowCreditBorder", "1"},
        {"URLAreaActive", "0"},
        {"URLAreaRectangle", ""},
        {"URLAreaAddress", ""},
        {"URLAreaHintText", ""},
    };
    const QList<QPair<QString, QString>> game = {
        {"ShpPysPnlClr", "128"},   {"CntrPnlVis", "1"},           {"PysPnlFntClr", "65535"},
        {"PysPnlFntShdwClr", "0"}, {"HoldFontColor", "12632256"}, {"HoldShadowFontColor", "0"},
    };
    for (const auto& [key, value] : menu) {
        const QString k = QStringLiteral("Menu_Data/") + key;
        QVERIFY2(ini.contains(k), qPrintable(k));
        QCOMPARE(ini.value(k).toString(), value);
    }
    for (const auto& [key, value] : game) {
        const QString k = QStringLiteral("Game_Data/") + key;
        QVERIFY2(ini.contains(k), qPrintable(k));
        QCOMPARE(ini.value(k).toString(), value);
    }
    QFile raw(dir.filePath(QStringLiteral("Scheme.ini")));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray text = raw.readAll();
    QVERIFY(text.count(";") > 20); // commented for the author
    // It says where schemes go and which pictures are used.
    QVERIFY(text.contains("Schemes/ in the folder the"));
    QVERIFY(text.contains("~/.local/share/Quintaro/Schemes"));
    QVERIFY(text.contains("whose width or height differs from the built-in"));
    QVERIFY(!text.contains("next to the program"));
}

void ToolExportTest::soundsAreTheBuiltInWaves() {
    QTemporaryDir dir;
    QCOMPARE(RunTool({QStringLiteral("--sounds"), dir.path()}), 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), sounds::kSoundCount);
    for (int i = 0; i < sounds::kSoundCount; ++i) {
        const QString name = Q(sounds::SoundAt(i).resource) + QStringLiteral(".wav");
        QFile exported(dir.filePath(name));
        QFile builtIn(QStringLiteral(":/quintaro/sounds/") + name);
        QVERIFY2(exported.open(QIODevice::ReadOnly), qPrintable(name));
        QVERIFY(builtIn.open(QIODevice::ReadOnly));
        QVERIFY2(exported.readAll() == builtIn.readAll(), qPrintable(name));
    }
}

void ToolExportTest::iconsAreTheWindowsIcon() {
    QTemporaryDir dir;
    QCOMPARE(RunTool({QStringLiteral("--icons"), dir.path()}), 0);
    const QString name = QStringLiteral(QUINTARO_APP_ID);
    const QDir hicolor(dir.filePath(QStringLiteral("hicolor")));
    QStringList folders = hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    folders.sort();
    QCOMPARE(folders, QStringList({"128x128", "16x16", "22x22", "24x24", "256x256", "32x32",
                                   "48x48", "64x64", "scalable"}));
    // Every size is exactly the picture the windows show at that size.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString file = hicolor.filePath(QStringLiteral("%1x%1/apps/").arg(size) + name +
                                              QStringLiteral(".png"));
        const QImage png(file);
        QVERIFY2(!png.isNull(), qPrintable(file));
        QCOMPARE(png.size(), QSize(size, size));
        QCOMPARE(png.convertToFormat(QImage::Format_ARGB32),
                 ProgramIconImage(size).convertToFormat(QImage::Format_ARGB32));
    }
    // The scalable icon, rendered, looks like the drawn one: every pixel within a small
    // margin (anti-aliasing differs a little between the two painters).
    QSvgRenderer svg(hicolor.filePath(QStringLiteral("scalable/apps/") + name + ".svg"));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), QRect(0, 0, 32, 32));
    QImage rendered(128, 128, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    {
        QPainter p(&rendered);
        svg.render(&p);
    }
    const QImage drawn = ProgramIconImage(128);
    long far = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const QRgb a = rendered.pixel(x, y), b = drawn.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            if (d > 48) ++far;
        }
    QVERIFY2(far < 128 * 128 / 100, qPrintable(QString::number(far)));
}

void ToolExportTest::badArgumentsAreRefused() {
    QCOMPARE(RunTool({}), 2);
    QCOMPARE(RunTool({QStringLiteral("--paint"), QStringLiteral("x")}), 2);
}

QTEST_MAIN(ToolExportTest)
#include "tool_export_test.moc"
