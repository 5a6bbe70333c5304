// The main menu, the start-up checks and the session's meters, driven through
// the menu's own handlers and real key and mouse events. Game screens are
// replaced by a small window that notes its game and closes itself.

#include "shell/ui/vanta_menu.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "components/banner.h"
#include "components/url_label.h"
#include "media/embedded_fonts.h"
#include "media/sheet_geometry.h"
#include "media/sheet_loader.h"
#include "screenshot.h"
#include "shell/ini_file.h"
#include "shell/ui/bills_in_form.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/help_form.h"
#include "shell/ui/press_button.h"
#include "shell/ui/session_view.h"
#include "shell/ui/startup.h"
#include "shell/ui/window_kit.h"

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

// Records every sound the session plays; `onTone` runs as a tone starts.
class SoundLog : public SoundSink {
public:
    QStringList log;
    std::function<void(int)> onTone;
    void PlayEffect(int effect) override { log << QString("e%1").arg(effect); }
    void PlayTone(int tone) override {
        log << QString("t%1").arg(tone);
        if (onTone) onTone(tone);
    }
};

void Listen(TVantaTBMenu& menu, SoundLog& sounds) {
    SessionServices services = menu.Session().Services();
    services.sound = &sounds;
    menu.Session().SetServices(services);
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
    fs::path Root() const { return dir.path().toStdString(); }
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

// Runs `act` on the next window of type T that comes up modally (or as a
// pop-up); gives up after three seconds.
template <typename T> void WhenUp(std::function<void(T*)> act) {
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, waited] {
        QWidget* up = QApplication::activePopupWidget();
        if (!up) up = QApplication::activeModalWidget();
        if (auto* w = qobject_cast<T*>(up); w && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if ((*waited += 5) > 3000) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(5);
}

QColor TextColour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

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

// A picture of the nine game buttons, each cell its own colour with its number.
QImage TestButtonSheet() {
    // A scheme's sheet has the built-in sheet's size, or it is not used.
    const sheets::SheetInfo& info = sheets::Info(sheets::Sheet::GameTyps);
    QImage sheet(info.width, info.height, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    p.setFont(ui::SansFont(22, true));
    for (int g = 0; g < kGameCount; ++g) {
        const sheets::CellRect c = sheets::GameButton(g);
        const QRect r(c.left, c.top, c.width(), c.height());
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, QColor::fromHsv(g * 40, 120, 250));
        fill.setColorAt(1, QColor::fromHsv(g * 40, 255, 120));
        p.fillRect(r.adjusted(2, 2, -2, -2), fill);
        p.setPen(Qt::white);
        p.drawRect(r.adjusted(2, 2, -3, -3));
        p.drawText(r, Qt::AlignCenter, QString("GAME %1").arg(g + 1));
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
        QVERIFY(m.isVisible());
        QVERIFY(!m.Launching());
        QVERIFY(m.MenuPageTimer().isActive());
    }

    void arrowKeysMoveTheSelectionWhicheverControlHasTheFocus() {
        MenuFixture f("[Menu]\nLastGame=0\n");
        TVantaTBMenu& m = f.Open();
        m.HelpButton()->setFocus();
        QVERIFY(m.HelpButton()->hasFocus());
        const std::pair<Qt::Key, int> steps[] = {
            {Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Left, 1}, {Qt::Key_Up, 0}};
        for (const auto& [key, game] : steps) {
            QTest::keyClick(m.HelpButton(), key);
            QCOMPARE(m.Session().LastGame, game); // one step, not two
            QVERIFY(m.HelpButton()->hasFocus());
        }
        // Keys of other windows are theirs.
        QWidget other;
        other.show();
        QTest::keyClick(&other, Qt::Key_Right);
        QCOMPARE(m.Session().LastGame, 0);
    }

    void aMinimizedMenuComesBackNormalFromAGame() {
        MenuFixture f;
        TVantaTBMenu& m = f.Open();
        for (int visit = 0; visit < 2; ++visit) {
            m.Action("Minimize1")->trigger();
            QVERIFY(m.isMinimized());
            // Restored by the desktop without the window being told, then a game.
            QTest::keyClick(&m, Qt::Key_Return);
            QCOMPARE(Played().size(), std::size_t(visit + 1));
            QVERIFY(m.isVisible());
            QVERIFY(!m.isMinimized());
        }
    }

    void mouseOnTheGameButtons() {
        MenuFixture f("[Menu]\nLastGame=1\n");
        TVantaTBMenu& m = f.Open();
        QWidget* logos = m.PntBoxLogos();

        // The right button opens the command menu, never a game.
        QTest::mouseClick(logos, Qt::RightButton, {}, TVantaTBMenu::ButtonRect(3).center());
        bool commandMenu = false;
        WhenUp<QMenu>([&](QMenu* menu) {
            commandMenu = menu == m.PopupMenu1();
            menu->close();
        });
        const QPoint at = TVantaTBMenu::ButtonRect(3).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, logos->mapToGlobal(at));
        QApplication::sendEvent(logos, &event);
        QVERIFY(commandMenu);
        // Between the buttons, and on the first pixel right of a button: nothing.
        QTest::mouseClick(logos, Qt::LeftButton, {}, QPoint(200, 80));
        QTest::mouseClick(logos, Qt::LeftButton, {}, QPoint(179, 80));
        QTest::mouseClick(logos, Qt::LeftButton, {}, QPoint(100, 116));
        QVERIFY(Played().empty());
        QCOMPARE(m.Session().LastGame, 1);

        // While a game opens, the menu's clicks and keys do nothing.
        InGame() = [&](const GameScreenContext&) {
            m.PntBoxLogosMouseDown(Qt::LeftButton, 420, 60);
            m.FormKeyDown(Qt::Key_Return);
            m.FormKeyDown(Qt::Key_Right);
        };
        QTest::mouseClick(logos, Qt::LeftButton, {}, TVantaTBMenu::ButtonRect(5).center());
        QCOMPARE(Played(), std::vector<int>({5}));
        QCOMPARE(m.Session().LastGame, 5);
        InGame() = nullptr;
        // The top-left pixel of a button belongs to it.
        QTest::mouseClick(logos, Qt::LeftButton, {}, QPoint(38, 48));
        QCOMPARE(Played(), std::vector<int>({5, 0}));
        QVERIFY(!m.Launching());
    }

    void commandMenuItems() {
        SoundLog sounds;
        MenuFixture f;
        TVantaTBMenu& m = f.Open();
        TVantaSession& s = m.Session();
        Listen(m, sounds);
        auto item = [&m](const char* name) { return m.Action(name); };

        m.PopupMenu1Popup();
        QVERIFY(!item("StatisticsPage1")->isEnabled());
        QVERIFY(item("CashOut1")->isEnabled());
        // The training record's commands; F12 is free of every other command and key.
        QCOMPARE(item("Mistakes1")->text(), QString("Mistakes..."));
        QCOMPARE(item("PracticeDrill1")->text(), QString("Practice &Drill..."));
        QCOMPARE(item("PracticeDrill1")->shortcut(), QKeySequence(Qt::Key_F12));
        // The training progress opens through the registry, over the menu.
        int progress = 0;
        Windows().trainingProgress = [&](TVantaSession& session, SessionView&, QWidget* parent) {
            QCOMPARE(&session, &s);
            QCOMPARE(parent, static_cast<QWidget*>(&m));
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
        const int lastGame = s.LastGame;
        s.LastGame = kDeucesWild;
        const GameSettings deuces = s.Settings().LoadGame(kDeucesWild);
        item("PayTableAnalysis1")->trigger();
        Windows().payTableAnalysis = nullptr;
        s.LastGame = lastGame;
        QCOMPARE(analysed,
                 (std::array<int, 3>{kDeucesWild, deuces.AltPayTable ? 1 : 0, deuces.LastBet}));
        QVERIFY(item("Sound_On_Off")->isChecked());
        QVERIFY(!item("FastCredits1")->isChecked());
        QVERIFY(item("ShowMistakes1")->isChecked());
        QVERIFY(item("MenuQuarter")->isChecked());
        QVERIFY(item("default1")->isChecked());
        QCOMPARE(item("InsertBills1")->text(), QString("&Insert Bills..."));
        QCOMPARE(item("InsertBills1")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(item("Exit1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        QCOMPARE(item("MenuNickel")->text(), QString("$0. 05 ( nickel ]"));
        QCOMPARE(item("N005nickel1")->text(), QString("$0. 05  [ nickel ]"));

        // A hand played in a game enables the statistics, its shortcut included.
        InGame() = [](const GameScreenContext& c) { c.session.Statistics.HandStarted(c.game); };
        m.LaunchGame(2);
        QVERIFY(item("StatisticsPage1")->isEnabled());
        QCOMPARE(sounds.log, QStringList({"e5"}));
        sounds.log.clear();

        // Playing modes: a mode already on changes nothing and plays nothing;
        // Show Mistakes is silent.
        item("ShowMistakes1")->trigger();
        QVERIFY(s.ShowMistakes && !s.AutoHold);
        item("AutoHold1")->trigger();
        QVERIFY(s.AutoHold && !s.ShowMistakes);
        item("AutoHold1")->trigger();
        item("ShowMistakes1")->trigger();
        QVERIFY(s.ShowMistakes && !s.AutoHold);
        item("Normal1")->trigger();
        QVERIFY(!s.ShowMistakes && !s.AutoHold);
        item("Normal1")->trigger();
        QCOMPARE(sounds.log, QStringList({"e3", "e3"}));
        item("AutoHold1")->trigger();
        m.PopupMenu1Popup();
        QVERIFY(item("AutoHold1")->isChecked() && !item("Normal1")->isChecked());
        sounds.log.clear();
        // Perfect Play: a check item of the same submenu, beside any mode.
        QVERIFY(m.Action("PlayingModes1")->menu()->actions().contains(item("PerfectPlay1")));
        QVERIFY(!item("PerfectPlay1")->isChecked() && !s.PerfectPlay);
        item("PerfectPlay1")->trigger();
        m.PopupMenu1Popup();
        QVERIFY(s.PerfectPlay && s.AutoHold);
        QVERIFY(item("PerfectPlay1")->isChecked() && item("AutoHold1")->isChecked());
        item("PerfectPlay1")->trigger();
        m.PopupMenu1Popup();
        QVERIFY(!s.PerfectPlay && !item("PerfectPlay1")->isChecked());
        QCOMPARE(sounds.log, QStringList({"e3", "e3"}));
        sounds.log.clear();

        // Sound off is silent, sound on clicks; Fast Credits clicks and toggles.
        item("Sound_On_Off")->trigger();
        QVERIFY(!s.Sound);
        item("Sound_On_Off")->trigger();
        QVERIFY(s.Sound);
        item("FastCredits1")->trigger();
        QVERIFY(s.FastCredits);
        QCOMPARE(sounds.log, QStringList({"e3", "e3"}));
        s.FastCredits = false;
        m.PopupMenu1Popup();
        QVERIFY(!item("FastCredits1")->isChecked());

        // Cash Out empties the meter, and then it is disabled.
        QCOMPARE(TextColour(m.InfoLine()), QColor(Qt::yellow));
        item("CashOut1")->trigger();
        QCOMPARE(s.Credits, 0);
        QCOMPARE(m.InfoLine()->text(),
                 QString("Add Credits and Click one of the Game Buttons. Good Luck!"));
        QCOMPARE(TextColour(m.InfoLine()), QColor(Qt::red));
        m.PopupMenu1Popup();
        QVERIFY(!item("CashOut1")->isEnabled());

        sounds.log.clear();
        item("Exit1")->trigger();
        QCOMPARE(sounds.log, QStringList({"e5"}));
        QVERIFY(!m.isVisible());
        // The session goes before the sound log.
        f.menu.reset();
    }

    void billsAndHelpAreModal() {
        MenuFixture f("[Menu]\nCredits=0\n");
        TVantaTBMenu& m = f.Open();
        m.MenuPageTimer().stop();
        QCOMPARE(m.InfoLine()->text(),
                 QString("Add Credits and Click one of the Game Buttons. Good Luck!"));
        QCOMPARE(TextColour(m.InfoLine()), QColor(Qt::red));
        m.UpdateInfoLine();

        // $20 at quarter value through a click on the credit meter.
        bool timerStopped = false;
        WhenUp<TBillsInForm>([&](TBillsInForm* bills) {
            timerStopped = !m.MenuPageTimer().isActive();
            bills->BillButton(3)->click();
            bills->OKButton()->click();
        });
        QTest::mouseClick(m.PntBoxCreditValue(), Qt::LeftButton, {}, QPoint(80, 20));
        QCOMPARE(m.Session().Credits, 80);
        QVERIFY(timerStopped);
        QVERIFY(m.MenuPageTimer().isActive());
        QCOMPARE(m.InfoLine()->text(), QString("Click a Screen Button to Select a Game"));
        QCOMPARE(TextColour(m.InfoLine()), QColor(Qt::yellow));

        // The banner stops behind the help window and goes on after it.
        m.MenuPageTimer().stop();
        for (int i = 0; i < TVantaTBMenu::kInfoTicksBeforeBanner; ++i) m.MenuPageTimerTimer();
        QVERIFY(m.Banner()->Enabled());
        bool bannerStopped = false;
        bool arrowsLeftAlone = false;
        WhenUp<TMenuHelpForm>([&](TMenuHelpForm* help) {
            bannerStopped = !m.Banner()->Enabled() && !m.MenuPageTimer().isActive();
            QTest::keyClick(help, Qt::Key_Right);
            arrowsLeftAlone = m.Session().LastGame == 0;
            help->close();
        });
        m.HelpButton()->click();
        QVERIFY(bannerStopped);
        QVERIFY(arrowsLeftAlone);
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

    void infoLineAndBannerTakeTurns() {
        MenuFixture f;
        TVantaTBMenu& m = f.Open();
        m.MenuPageTimer().stop();
        TBanner* banner = m.Banner();
        QLabel* line = m.InfoLine();
        // The banner comes at the first tick after the start.
        QVERIFY(line->isHidden() && banner->isHidden());
        m.MenuPageTimerTimer();
        QVERIFY(line->isHidden());
        QVERIFY(!banner->isHidden() && banner->Enabled());
        QCOMPARE(banner->ScrollText(), TVantaTBMenu::kBuiltInBannerText);
        QCOMPARE(m.BannerScrollEnd(), banner->Bitmap().width() + 618 - 2);

        banner->SetPosition(static_cast<std::uint16_t>(m.BannerScrollEnd() / 2 & ~1));
        banner->repaint();
        SaveScreenshot(&m, "menu_banner_half_way");

        // Scrolled through once, it hands back to the line.
        banner->SetPosition(0);
        int steps = 0;
        while (!banner->isHidden() && steps < 100000) {
            banner->Step();
            ++steps;
        }
        QCOMPARE(steps, (m.BannerScrollEnd() + 1) / 2);
        QVERIFY(!banner->Enabled());
        QVERIFY(!line->isHidden());
        QCOMPARE(line->text(), QString("Click a Screen Button to Select a Game"));

        // The line blinks, shown two ticks and hidden one, for 21 ticks; a
        // reset of the line starts the 21 ticks again.
        QString blink;
        for (int tick = 1; tick <= 10; ++tick) {
            m.MenuPageTimerTimer();
            blink += line->isHidden() ? '-' : 'L';
        }
        QCOMPARE(blink, QString("LL-LL-LL-L"));
        m.UpdateInfoLine();
        for (int tick = 1; tick <= 20; ++tick) m.MenuPageTimerTimer();
        QVERIFY(banner->isHidden());
        m.MenuPageTimerTimer();
        QVERIFY(!banner->isHidden() && line->isHidden());
        QCOMPARE(banner->Position(), 0);
    }

    void metersPlaceTheirGlyphs() {
        MenuFixture f;
        TVantaTBMenu& m = f.Open();
        TVantaSession& s = m.Session();
        CreditMeterBox* credit = m.PntBoxCreditValue();
        const QImage digits = m.View().Sheets().DigitsOn(Qt::black);
        auto cell = [](int glyph) { return ToQRect(kGlyphCells[static_cast<std::size_t>(glyph)]); };
        auto at = [](int position) {
            return ToQRect(kMeterPositionRects[static_cast<std::size_t>(position)]);
        };
        struct Case {
            std::int32_t credits;
            std::vector<int> glyphs; // glyph of positions 7 - n .. 6
        };
        const Case cases[] = {
            {0, {0}},
            {1000, {1, kCommaGlyph, 0, 0, 0}},
            {999999, {9, 9, 9, kCommaGlyph, 9, 9, 9}},
        };
        for (const Case& c : cases) {
            s.Credits = c.credits;
            s.DrawCreditMeter();
            const QImage& shown = credit->Buffer();
            QCOMPARE(shown.size(), QSize(165, 42));
            const int first = kMeterPositions - static_cast<int>(c.glyphs.size());
            for (int p = first; p < kMeterPositions; ++p)
                QVERIFY2(Shows(shown, at(p), digits,
                               cell(c.glyphs[static_cast<std::size_t>(p - first)])),
                         qPrintable(QString("%1 at %2").arg(c.credits).arg(p)));
            if (first > 0) QVERIFY(AllOf(shown, QRect(0, 0, at(first).left(), 42), Qt::black));
        }

        // The win meter starts at its left edge, with the digits' black in its colour.
        const QColor navy(0, 0, 128);
        WinMeterBox win(m.View().Sheets(), nullptr);
        win.resize(161, 41);
        win.SetBackground(navy);
        s.AttachDisplays(credit, &win, nullptr);
        s.WinMeter = 1000;
        s.DrawWinMeter();
        const QImage& shown = win.Buffer();
        const QImage navyDigits = m.View().Sheets().DigitsOn(navy);
        QVERIFY(Shows(shown, QRect(0, 0, 25, 41), navyDigits, cell(1)));
        QVERIFY(Shows(shown, QRect(25, 0, 11, 41), navyDigits, cell(kCommaGlyph)));
        for (int x : {36, 61, 86}) QVERIFY(Shows(shown, QRect(x, 0, 25, 41), navyDigits, cell(0)));
        QVERIFY(AllOf(shown, QRect(111, 0, 50, 41), navy));
        const QImage& raw = m.View().Sheets().Digits();
        QVERIFY(raw.pixelColor(0, 0) == QColor(Qt::black));
        QCOMPARE(shown.pixelColor(0, 0), navy);
        s.AttachDisplays(credit, nullptr, nullptr);
    }

    void escapeCutsTheCountUpShort() {
        SoundLog sounds;
        MenuFixture f("[Menu]\nCredits=0\n");
        TVantaTBMenu& m = f.Open();
        TVantaSession& s = m.Session();
        Listen(m, sounds);
        s.FastCredits = false;

        // A press before the count does not count.
        QTest::keyClick(&m, Qt::Key_Escape);
        s.CountUpWin(100);
        QCOMPARE(s.Credits, 100);
        QCOMPARE(sounds.log.size(), 24 + 28 + 1); // steps of 3 down to 28, then of 1; then silence
        QCOMPARE(sounds.log.last(), QString("t0"));

        // Pressed during the count, the rest arrives at once.
        sounds.log.clear();
        sounds.onTone = [&](int tone) {
            if (tone == 5) QTest::keyClick(&m, Qt::Key_Escape);
        };
        s.CountUpWin(100);
        QCOMPARE(s.Credits, 200);
        QCOMPARE(sounds.log, QStringList({"t1", "t2", "t3", "t4", "t5", "t6", "t0"}));
        sounds.onTone = nullptr;
        f.menu.reset();
    }

    void creditValueAndItsHint() {
        MenuFixture f("[Menu]\nCredits=7\nCreditValue=0\n");
        TVantaTBMenu& m = f.Open();
        TVantaSession& s = m.Session();
        auto hint = [&m] {
            QHelpEvent event(QEvent::ToolTip, QPoint(5, 5),
                             m.PntBoxCreditValue()->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(m.PntBoxCreditValue(), &event);
            QToolTip::hideText();
            return m.PntBoxCreditValue()->toolTip();
        };
        QCOMPARE(hint(), QString("$0.35"));

        // The coin's menu opens with the current value checked.
        QString checked;
        WhenUp<QMenu>([&](QMenu* menu) {
            for (QAction* a : menu->actions())
                if (a->isChecked()) checked = a->objectName();
            menu->close();
        });
        QTest::mouseClick(m.PntBoxValue(), Qt::LeftButton, {}, QPoint(40, 25));
        QTRY_COMPARE(checked, QString("N005nickel1"));

        const QImage values = SheetLoader::Instance().Image(sheets::Sheet::Value);
        m.Action("N025quarter1")->trigger();
        QCOMPARE(s.CreditValue, kQuarter);
        QCOMPARE(s.Credits, 1);
        QCOMPARE(hint(), QString("$0.25"));
        QVERIFY(Shows(m.PntBoxValue()->grab().toImage(), QRect(0, 0, 89, 55), values,
                      QRect(0, 68, 89, 55)));
        m.Action("MenuNickel")->trigger();
        QCOMPARE(s.Credits, 5);
        QCOMPARE(TextColour(m.InfoLine()), QColor(Qt::yellow));
        // Five nickels buy no dollar: the meter empties and the line asks for money.
        m.Action("N100dollar1")->trigger();
        QCOMPARE(s.Credits, 0);
        QCOMPARE(TextColour(m.InfoLine()), QColor(Qt::red));
        QVERIFY(Shows(m.PntBoxValue()->grab().toImage(), QRect(0, 0, 89, 55), values,
                      QRect(0, 141, 89, 55)));
    }

    void schemesChangeTheLook() {
        MenuFixture f("[Menu]\nSchemeName=Nowhere\nLastGame=4\n");
        const fs::path schemes = f.Root() / "Schemes";
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
        QCOMPARE(link->geometry(), QRect(593, 76, 171, 44));
        QCOMPARE(link->toolTip(), QString("Go to Ostrelwyn Web Site"));
        const QRect label8(TVantaTBMenu::LabelPosition(8), QSize(60, 14));
        QVERIFY(!AllOf(m.LogosImage(), label8, Qt::black));
        // The credit display's two bevels reach its outermost pixels.
        const QImage frame = m.CreditPanel()->grab().toImage();
        QCOMPARE(frame.size(), QSize(371, 48));
        QCOMPARE(frame.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(frame.pixelColor(370, 47), QColor(128, 128, 128));
        QCOMPARE(frame.pixelColor(1, 1), QColor(128, 128, 128));
        QCOMPARE(frame.pixelColor(369, 46), QColor(Qt::white));
        QCOMPARE(frame.pixelColor(1, 24), QColor(128, 128, 128)); // beside the meter too
        m.MenuPageTimerTimer();
        m.UpdateInfoLine();
        SaveScreenshot(&m, "menu_builtin_look");

        submenu->actions().at(1)->trigger();
        QCOMPARE(QString::fromStdString(s.SchemeName), QString("Blue"));
        QCOMPARE(m.Banner()->ScrollText(), QString("Blue skies over the tables"));
        QCOMPARE(m.BannerScrollEnd(), m.Banner()->Bitmap().width() + 618 - 2);
        QCOMPARE(m.findChild<QFrame*>("PanelExit")->palette().color(QPalette::Window),
                 QColor(0, 0, 128));
        QCOMPARE(m.ExitButton()->palette().color(QPalette::ButtonText), QColor(Qt::yellow));
        QVERIFY(AllOf(m.LogosImage(), label8, Qt::black));
        const sheets::CellRect cell = sheets::GameButton(8);
        QVERIFY(Shows(m.LogosImage(), TVantaTBMenu::ButtonRect(8), TestButtonSheet(),
                      QRect(cell.left, cell.top, cell.width(), cell.height())));
        const QImage borderless = m.CreditPanel()->grab().toImage();
        QCOMPARE(borderless.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(borderless.pixelColor(370, 47), QColor(Qt::black));
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
        QCOMPARE(link->geometry(), QRect(593, 76, 171, 44));
        QCOMPARE(link->URL(), QString::fromUtf8(kBuiltInWebAddress.data(),
                                                static_cast<int>(kBuiltInWebAddress.size())));
    }

    void schemesInFoldersWhoseNamesAreNotUtf8() {
        // Folder names from a system with another encoding, and names with blanks and
        // quotes at their ends: each scheme shows its pictures and is chosen again at the
        // next start.
        const std::string names[] = {"Blu\xE9", " Spaced ", "\"Quoted\""};
        for (const std::string& name : names) {
            MenuFixture f;
            const fs::path folder = f.Root() / "Schemes" / name;
            WriteFile(folder / "Scheme.ini", "[Menu_Data]\nMenuString=Hello\n");
            {
                QByteArray bytes;
                QBuffer buffer(&bytes);
                buffer.open(QIODevice::WriteOnly);
                QVERIFY(TestButtonSheet().save(&buffer, "BMP"));
                WriteFile(folder / "Games.bmp", bytes);
            }
            {
                TVantaTBMenu& m = f.Open();
                QCOMPARE(m.Session().SchemeList.size(), std::size_t(2));
                m.Action("Scheme1")->menu()->actions().at(1)->trigger();
                QCOMPARE(m.Session().SchemeName, name);
                const sheets::CellRect cell = sheets::GameButton(3);
                QVERIFY(Shows(m.LogosImage(), TVantaTBMenu::ButtonRect(3), TestButtonSheet(),
                              QRect(cell.left, cell.top, cell.width(), cell.height())));
                f.menu.reset();
            }
            TVantaTBMenu& again = f.Open();
            QCOMPARE(again.Session().SchemeName, name);
            QCOMPARE(again.Banner()->ScrollText(), QString("Hello"));
            const sheets::CellRect cell = sheets::GameButton(5);
            QVERIFY(Shows(again.LogosImage(), TVantaTBMenu::ButtonRect(5), TestButtonSheet(),
                          QRect(cell.left, cell.top, cell.width(), cell.height())));
        }
    }

    void settingsAreSavedWhenTheMenuGoes() {
        MenuFixture f;
        TVantaTBMenu& m = f.Open();
        m.Session().Credits = 321;
        m.FormKeyDown(Qt::Key_Left);
        f.menu.reset();
        const IniLoad saved = LoadIniFile(f.config.settingsFile);
        QCOMPARE(saved.document.ReadString("Menu", "Credits", ""), std::string("321"));
        QCOMPARE(saved.document.ReadString("Menu", "LastGame", ""), std::string("8"));

        // A settings file that cannot be written is reported, not passed over.
        MenuFixture broken;
        fs::create_directories(broken.config.settingsFile); // a folder where the file goes
        auto menu = std::make_unique<TVantaTBMenu>(broken.config);
        QString report;
        WhenUp<QMessageBox>([&](QMessageBox* box) {
            report = box->text();
            box->close();
        });
        menu.reset();
        QVERIFY2(report.startsWith("Your credits and options could not be saved."),
                 qPrintable(report));
    }

    void displayChecks() {
        QVERIFY(DisplayCheckMessages(800, 600, 16).empty());
        const auto small = DisplayCheckMessages(640, 480, 32);
        QCOMPARE(small.size(), std::size_t{1});
        QCOMPARE(small[0],
                 std::string("Your screen resolution is 640x480. This program\nrequires a "
                             "minimum screen resolution of 800x600.\nThe program will "
                             "now terminate."));
        const auto both = DisplayCheckMessages(1024, 599, 8);
        QCOMPARE(both.size(), std::size_t{2});
        QCOMPARE(both[0].substr(0, 36), std::string("Your screen resolution is 1024x599. "));
        QCOMPARE(both[1], std::string("Your color depth is 8 bits per pixel. This\nprogram "
                                      "requires High Color (16 bits) or\ngreater. The program "
                                      "will now terminate."));

        // Every message goes to standard error as well, and the program fails.
        char written[1024] = {};
        std::FILE* err = fmemopen(written, sizeof written - 1, "w");
        QCOMPARE(ReportDisplayProblems(800, 600, 16, err, false), 0);
        QCOMPARE(ReportDisplayProblems(1024, 599, 8, err, false), 1);
        std::fclose(err);
        QCOMPARE(QString(written),
                 QString("Quintaro: Screen Resolution Error: Your screen resolution is 1024x599. "
                         "This program requires a minimum screen resolution of 800x600. The "
                         "program will now terminate.\n"
                         "Quintaro: Screen Color Depth Error: Your color depth is 8 bits per "
                         "pixel. This program requires High Color (16 bits) or greater. The "
                         "program will now terminate.\n"));

        // The box breaks its text only where the text does.
        const QString text = QString::fromStdString(small[0]);
        auto box = MakeDisplayErrorBox(kResolutionErrorCaption, text);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(box->windowTitle(), QString("Screen Resolution Error"));
        auto* label = box->findChild<QLabel*>("Message");
        QVERIFY(!label->wordWrap());
        const QFontMetrics metrics(label->font());
        for (const QString& line : text.split('\n'))
            QVERIFY2(metrics.horizontalAdvance(line) <= label->contentsRect().width(),
                     qPrintable(line));
        QVERIFY(label->height() >= 3 * metrics.lineSpacing());
        QVERIFY(!box->findChild<QLabel*>("Icon")->pixmap().isNull());
        SaveScreenshot(box.get(), "display_error_box");
        box->hide();
        WhenUp<QDialog>([](QDialog* up) {
            up->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(box->exec(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestVantaMenu)
#include "test_vanta_menu.moc"
