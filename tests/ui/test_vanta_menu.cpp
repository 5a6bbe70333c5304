// The main menu, the start-up checks and the session's meters, driven through
// the menu's own handlers and real key and mouse events. Game screens are
// replaced by a small window that notes its game and closes itself.

#include "shell/ui/vanta_menu.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "components/banner.h"
#include "components/press_button.h"
#include "components/url_label.h"
#include "components/window_kit.h"
#include "media/embedded_fonts.h"
#include "media/sheet_geometry.h"
#include "media/sheet_loader.h"
#include "screenshot.h"
#include "shell/ini_file.h"
#include "shell/ui/bills_in_form.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/help_form.h"
#include "shell/ui/session_view.h"
#include "shell/ui/startup.h"
#include "when_up.h"

using namespace quintaro;
namespace fs = std::filesystem;

namespace {

// The games the test game window was opened for, and what runs inside it.
std::vector<int>& Played() {
    static std::vector<int> played;
    return played;
}
std::function<void(const GameScreenContext&)>& InGame() {
    static std::function<void(const GameScreenContext&)> hook;
    return hook;
}

QDialog* TestGameWindow(const GameScreenContext& context, QWidget* parent) {
    auto* window = new QDialog(parent);
    window->setObjectName("TestGame");
    window->setAttribute(Qt::WA_DeleteOnClose);
    Played().push_back(context.game);
    GameScreenContext copy = context;
    QTimer::singleShot(0, window, [window, copy] {
        if (InGame()) InGame()(copy);
        window->accept();
    });
    return window;
}

void WriteFile(const fs::path& path, const QByteArray& text) {
    fs::create_directories(path.parent_path());
    // Through the file system's own name: folder names need not be UTF-8.
    std::ofstream file(path, std::ios::binary);
    QVERIFY(file.is_open());
    file.write(text.constData(), text.size());
}

// A menu over its own settings folder; `ini` is the settings file's text.
class MenuFixture {
public:
    explicit MenuFixture(const QByteArray& ini = {}) {
        const fs::path root = dir.path().toStdString();
        config = SessionConfig{root / "config" / "Quintaro.ini", {root / "Schemes"}};
        if (!ini.isEmpty()) WriteFile(config.settingsFile, ini);
    }
    TVantaTBMenu& Open() {
        menu = std::make_unique<TVantaTBMenu>(config);
        menu->SetReportSaveFailure(false);
        menu->show();
        QApplication::setActiveWindow(menu.get());
        if (!QTest::qWaitForWindowActive(menu.get(), 2000)) qWarning("menu not active");
        return *menu;
    }

    QTemporaryDir dir;
    SessionConfig config;
    std::unique_ptr<TVantaTBMenu> menu;
};

// Whether `area` of `image` shows `cell` of `sheet` pixel for pixel.
bool Shows(const QImage& image, const QRect& area, const QImage& sheet, const QRect& cell) {
    const QImage a = image.copy(area).convertToFormat(QImage::Format_RGB32);
    const QImage b = sheet.copy(cell).convertToFormat(QImage::Format_RGB32);
    return a == b;
}

bool AllOf(const QImage& image, const QRect& area, QColor colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != colour.rgb()) return false;
    return true;
}

// A picture of the nine game buttons, each cell in a colour of its own.
QImage TestButtonSheet() {
    // A scheme's sheet has the built-in sheet's size, or it is not used.
    const sheets::SheetInfo& info = sheets::Info(sheets::Sheet::GameTyps);
    QImage sheet(info.width, info.height, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    for (int g = 0; g < kGameCount; ++g) {
        const sheets::CellRect c = sheets::GameButton(g);
        p.fillRect(QRect(c.left, c.top, c.width(), c.height()), QColor::fromHsv(g * 40, 200, 220));
    }
    return sheet;
}

} // namespace

class TestVantaMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        RegisterEmbeddedFonts();
        ui::SetPauseScale(0);
        SessionView::SetAudible(false);
        TURLLabel::SetOpener([](const QUrl&) {});
        Windows().gameScreens = TestGameWindow;
    }

    void init() {
        Played().clear();
        InGame() = nullptr;
    }

    void keysMoveTheFrameAroundAndLaunch() {
        // A game opens with no credits as well.
        MenuFixture f("[Menu]\nCredits=0\nLastGame=0\n");
        TVantaTBMenu& m = f.Open();
        TVantaSession& s = m.Session();
        struct Step {
            Qt::Key key;
            int game;
        };
        const Step steps[] = {
            {Qt::Key_Left, 8},  {Qt::Key_Right, 0}, {Qt::Key_Up, 8},       {Qt::Key_Down, 0},
            {Qt::Key_B, 1},     {Qt::Key_Slash, 2}, {Qt::Key_Question, 3}, {Qt::Key_Z, 2},
            {Qt::Key_N, 1},     {Qt::Key_N, 0},     {Qt::Key_Z, 8},        {Qt::Key_B, 0},
            {Qt::Key_Right, 1}, {Qt::Key_A, 1},
        };
        for (const Step& step : steps) {
            QTest::keyClick(&m, step.key);
            QCOMPARE(s.LastGame, step.game);
        }
        QVERIFY(Played().empty());

        // The frame moved by keys leaves the same picture as one drawn afresh.
        for (int g : {8, 4, 6}) {
            while (s.LastGame != g) QTest::keyClick(&m, Qt::Key_Right);
            MenuFixture fresh(QString("[Menu]\nLastGame=%1\n").arg(g).toLatin1());
            TVantaTBMenu freshMenu(fresh.config);
            freshMenu.SetReportSaveFailure(false);
            QVERIFY2(m.LogosImage() == freshMenu.LogosImage(), qPrintable(QString::number(g)));
        }

        // Enter and Space launch the selected game; the game finds it in LastGame.
        std::vector<int> seenLastGame;
        std::vector<bool> hiddenDuring;
        InGame() = [&](const GameScreenContext& c) {
            seenLastGame.push_back(c.session.LastGame);
            hiddenDuring.push_back(m.isHidden() && m.Launching() && !m.MenuPageTimer().isActive());
        };
        QTest::keyClick(&m, Qt::Key_Return);
        QTest::keyClick(&m, Qt::Key_Left);
        QTest::keyClick(&m, Qt::Key_Space);
        QCOMPARE(Played(), std::vector<int>({6, 5}));
        QCOMPARE(seenLastGame, std::vector<int>({6, 5}));
        QCOMPARE(hiddenDuring, std::vector<bool>({true, true}));
        QVERIFY(m.isVisible() && !m.Launching() && m.MenuPageTimer().isActive());

        // The arrow keys move the selection one step whichever control has the focus;
        // keys of other windows are theirs.
        QApplication::setActiveWindow(&m);
        m.HelpButton()->setFocus();
        const Step focused[] = {
            {Qt::Key_Right, 6}, {Qt::Key_Down, 7}, {Qt::Key_Left, 6}, {Qt::Key_Up, 5}};
        for (const Step& step : focused) {
            QTest::keyClick(m.HelpButton(), step.key);
            QCOMPARE(s.LastGame, step.game);
            QVERIFY(m.HelpButton()->hasFocus());
        }
        QWidget other;
        other.show();
        QTest::keyClick(&other, Qt::Key_Right);
        QCOMPARE(s.LastGame, 5);
    }

    void commandMenuItems() {
        MenuFixture f;
        TVantaTBMenu& m = f.Open();
        TVantaSession& s = m.Session();
        auto item = [&m](const char* name) { return m.Action(name); };
        m.PopupMenu1Popup();
        QVERIFY(!item("StatisticsPage1")->isEnabled());
        // The training progress opens through the registry, over the menu.
        int progress = 0;
        Windows().trainingProgress = [&](TVantaSession& session, SessionView&, QWidget* parent) {
            QVERIFY(&session == &s && parent == &m);
            ++progress;
        };
        item("TrainingProgress1")->trigger();
        Windows().trainingProgress = {};
        QCOMPARE(progress, 1);
        // The pay table analysis of the last game, at its pay table and last bet.
        std::array<int, 3> analysed{-1, -1, -1};
        Windows().payTableAnalysis = [&](TVantaSession&, QWidget*, int game, int table, int coins,
                                         const NamedPayTable*) {
            analysed = {game, table, coins};
        };
        s.LastGame = kDeucesWild;
        const GameSettings deuces = s.Settings().LoadGame(kDeucesWild);
        item("PayTableAnalysis1")->trigger();
        Windows().payTableAnalysis = nullptr;
        QCOMPARE(analysed,
                 (std::array<int, 3>{kDeucesWild, deuces.AltPayTable ? 1 : 0, deuces.LastBet}));

        // A hand played in a game enables the statistics.
        InGame() = [](const GameScreenContext& c) { c.session.Statistics.HandStarted(c.game); };
        m.LaunchGame(2);
        m.PopupMenu1Popup();
        QVERIFY(item("StatisticsPage1")->isEnabled());

        // Playing modes, sound and fast credits, and the menu's marks of them.
        item("AutoHold1")->trigger();
        QVERIFY(s.AutoHold && !s.ShowMistakes);
        item("ShowMistakes1")->trigger();
        QVERIFY(s.ShowMistakes && !s.AutoHold);
        item("Normal1")->trigger();
        QVERIFY(!s.ShowMistakes && !s.AutoHold);
        item("Sound_On_Off")->trigger();
        item("FastCredits1")->trigger();
        QVERIFY(!s.Sound && s.FastCredits);
        m.PopupMenu1Popup();
        QVERIFY(item("Normal1")->isChecked() && !item("AutoHold1")->isChecked());
        QVERIFY(!item("Sound_On_Off")->isChecked() && item("FastCredits1")->isChecked());

        // Cash Out empties the meter, and then it is disabled.
        item("CashOut1")->trigger();
        QCOMPARE(s.Credits, 0);
        QCOMPARE(m.InfoLine()->text(),
                 QString("Add Credits and Click one of the Game Buttons. Good Luck!"));
        m.PopupMenu1Popup();
        QVERIFY(!item("CashOut1")->isEnabled());
        item("Exit1")->trigger();
        QVERIFY(!m.isVisible());
    }

    void billsAndHelpAreModal() {
        MenuFixture f("[Menu]\nCredits=0\n");
        TVantaTBMenu& m = f.Open();
        // $20 at quarter value through a click on the credit meter.
        bool timerStopped = false;
        testing::WhenUp<TBillsInForm>([&](TBillsInForm* bills) {
            timerStopped = !m.MenuPageTimer().isActive();
            bills->BillButton(3)->click();
            bills->OKButton()->click();
        });
        QTest::mouseClick(m.PntBoxCreditValue(), Qt::LeftButton, {}, QPoint(80, 20));
        QCOMPARE(m.Session().Credits, 80);
        QVERIFY(timerStopped && m.MenuPageTimer().isActive());

        // The banner stops behind the help window and goes on after it.
        m.MenuPageTimer().stop();
        for (int i = 0; i < TVantaTBMenu::kInfoTicksBeforeBanner; ++i) m.MenuPageTimerTimer();
        QVERIFY(m.Banner()->Enabled());
        bool bannerStopped = false;
        bool arrowsLeftAlone = false;
        testing::WhenUp<TMenuHelpForm>([&](TMenuHelpForm* help) {
            bannerStopped = !m.Banner()->Enabled() && !m.MenuPageTimer().isActive();
            QTest::keyClick(help, Qt::Key_Right);
            arrowsLeftAlone = m.Session().LastGame == 0;
            help->close();
        });
        m.HelpButton()->click();
        QVERIFY(bannerStopped && arrowsLeftAlone);
        QVERIFY(m.Banner()->Enabled() && !m.Banner()->isHidden());
        QVERIFY(m.MenuPageTimer().isActive());

        // A game stops it too; back on the menu it goes on where it was.
        m.Banner()->SetPosition(100);
        bool stoppedInGame = false;
        InGame() = [&](const GameScreenContext&) { stoppedInGame = !m.Banner()->Enabled(); };
        m.LaunchGame(3);
        QVERIFY(stoppedInGame);
        QVERIFY(m.Banner()->Enabled() && !m.Banner()->isHidden());
        QCOMPARE(m.Banner()->Position(), 100);
    }

    void schemesChangeTheLook() {
        MenuFixture f("[Menu]\nSchemeName=Nowhere\nLastGame=4\n");
        const fs::path schemes = fs::path(f.dir.path().toStdString()) / "Schemes";
        WriteFile(schemes / "Blue" / "Scheme.ini",
                  "[Menu_Data]\nName=Deep Blue\nMenuString=Blue skies over the tables\n"
                  "ExitPnlClr=8388608\nExitBtnFntClr=65535\nGameTypeNamesVisible=0\n"
                  "ShowCreditBorder=0\nURLAreaActive=1\nURLAreaRectangle=10,10,50\n"
                  "URLAreaAddress=https://blue.example/\n");
        QVERIFY(TestButtonSheet().save(
            QString::fromStdString((schemes / "Blue" / "Games.bmp").string()), "BMP"));
        WriteFile(schemes / "Plain" / "Scheme.ini",
                  "[Menu_Data]\nURLAreaActive=1\nURLAreaRectangle=20,30,40,50\n"
                  "URLAreaAddress=https://plain.example/\nURLAreaHintText=Plain site\n");
        WriteFile(schemes / "Long" / "Scheme.ini",
                  "[Menu_Data]\nMenuString=" + QByteArray(5000, 'M') + "\n");
        fs::create_directories(schemes / "Empty");
        TVantaTBMenu& m = f.Open();
        TVantaSession& s = m.Session();

        // An unknown scheme name starts the built-in look.
        QCOMPARE(QString::fromStdString(s.SchemeName), QString("default"));
        QMenu* submenu = m.Action("Scheme1")->menu();
        QStringList captions;
        for (QAction* a : submenu->actions()) captions << a->text();
        QCOMPARE(captions, QStringList({"default", "Deep Blue", "Long", "Plain"}));
        TURLLabel* link = m.WebLink();
        QVERIFY(link->isEnabled());
        const QRect builtInLink = link->geometry();
        const QString builtInAddress = link->URL();
        QVERIFY(!link->toolTip().isEmpty());
        const QRect label8(TVantaTBMenu::LabelPosition(8), QSize(60, 14));
        QVERIFY(!AllOf(m.LogosImage(), label8, Qt::black));
        m.MenuPageTimerTimer();
        m.UpdateInfoLine();
        SaveScreenshot(&m, "menu_builtin_look");

        submenu->actions().at(1)->trigger();
        QCOMPARE(QString::fromStdString(s.SchemeName), QString("Blue"));
        QCOMPARE(m.Banner()->ScrollText(), QString("Blue skies over the tables"));
        QCOMPARE(m.findChild<QFrame*>("PanelExit")->palette().color(QPalette::Window),
                 QColor(0, 0, 128));
        QCOMPARE(m.ExitButton()->palette().color(QPalette::ButtonText), QColor(Qt::yellow));
        QVERIFY(AllOf(m.LogosImage(), label8, Qt::black));
        const sheets::CellRect cell = sheets::GameButton(8);
        QVERIFY(Shows(m.LogosImage(), TVantaTBMenu::ButtonRect(8), TestButtonSheet(),
                      QRect(cell.left, cell.top, cell.width(), cell.height())));
        // Three parts of a rectangle: no link.
        QVERIFY(!link->isEnabled());
        QVERIFY(link->toolTip().isEmpty());
        m.PopupMenu1Popup();
        QVERIFY(submenu->actions().at(1)->isChecked());
        m.UpdateInfoLine();
        SaveScreenshot(&m, "menu_scheme_deep_blue");

        submenu->actions().at(3)->trigger();
        QVERIFY(link->isEnabled());
        QCOMPARE(link->geometry(), QRect(20, 30, 40, 50));
        QCOMPARE(link->toolTip(), QString("Plain site"));
        QCOMPARE(link->URL(), QString("https://plain.example/"));
        QCOMPARE(m.Banner()->ScrollText(), TVantaTBMenu::kBuiltInBannerText);

        // A text too wide for the banner's 16-bit position still hands back.
        submenu->actions().at(2)->trigger();
        QVERIFY(m.BannerScrollEnd() <= 65534);
        m.MenuPageTimer().stop();
        for (int i = 0; i < TVantaTBMenu::kInfoTicksBeforeBanner; ++i) m.MenuPageTimerTimer();
        QVERIFY(!m.Banner()->isHidden());
        for (int step = 0; step < 40000 && !m.Banner()->isHidden(); ++step) m.Banner()->Step();
        QVERIFY(m.Banner()->isHidden());

        submenu->actions().at(0)->trigger();
        QCOMPARE(QString::fromStdString(s.SchemeName), QString("default"));
        QCOMPARE(link->geometry(), builtInLink);
        QCOMPARE(link->URL(), builtInAddress);
    }

    void displayChecks() {
        QVERIFY(DisplayCheckMessages(800, 600, 16).empty());
        const auto small = DisplayCheckMessages(640, 480, 32);
        const auto both = DisplayCheckMessages(1024, 599, 8);
        QVERIFY(small.size() == 1 && small[0].find("640x480") != std::string::npos);
        QVERIFY(both.size() == 2 && both[0].find("1024x599") != std::string::npos &&
                both[1].find("8 bits per pixel") != std::string::npos);
        // The box that says them is checked on a real screen (display_checks_x11.sh).
    }
};

QTEST_MAIN(TestVantaMenu)
#include "test_vanta_menu.moc"
