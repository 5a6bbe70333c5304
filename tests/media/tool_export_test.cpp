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

void ToolExportTest::badArgumentsAreRefused() {
    QCOMPARE(RunTool({}), 2);
    QCOMPARE(RunTool({QStringLiteral("--paint"), QStringLiteral("x")}), 2);
}

QTEST_MAIN(ToolExportTest)
#include "tool_export_test.moc"
