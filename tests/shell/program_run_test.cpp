// The real program as a child process on the offscreen platform, over a
// settings folder of its own: the system's requests to end it (SIGTERM,
// SIGHUP, SIGINT) end the run as Ctrl+X does, and a second copy over the same
// settings file ends at once without writing anything.

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../ui/when_up.h"
#include "components/window_kit.h"
#include "core/game_variant.h"
#include "media/embedded_fonts.h"
#include "shell/ini_file.h"
#include "shell/run_lock.h"
#include "shell/session.h"
#include "shell/settings.h"
#include "shell/ui/run_end.h"
#include "shell/ui/single_run.h"
#include "shell/ui/startup.h"
#include "shell/ui/vanta_menu.h"
#include "table/table_round.h"
#include "table/ui/game_screen.h"

using namespace quintaro;
namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A home of its own for each started copy: settings under config/, schemes
// under data/ and the current folder.
struct Home {
    QTemporaryDir dir;
    fs::path Root() const { return fs::path(dir.path().toStdString()); }
    fs::path Settings() const { return Root() / "config" / "Quintaro" / "Quintaro.ini"; }

    std::unique_ptr<QProcess> Start() const {
        auto program = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", dir.path());
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.remove("QUINTARO_SCREENSHOTS");
        program->setProcessEnvironment(env);
        program->setWorkingDirectory(dir.path());
        program->start(QStringLiteral(QUINTARO_PROGRAM), {});
        return program;
    }

    // Until a started copy holds the run lock (it installs its signal
    // handlers before it takes the lock).
    bool WaitUntilRunning(QProcess& program) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 20000) {
            if (program.state() == QProcess::NotRunning) return false;
            RunLock probe;
            if (probe.Acquire(Settings()) == RunLock::State::HeldElsewhere) return true;
            probe.Release();
            QTest::qWait(50);
        }
        return false;
    }
};

bool Ended(QProcess& program, int ms = 20000) {
    return program.state() == QProcess::NotRunning || program.waitForFinished(ms);
}

} // namespace

class ProgramRunTest : public QObject {
    Q_OBJECT
private slots:
    void terminationSignalsEndTheRunAsCtrlXDoes_data();
    void terminationSignalsEndTheRunAsCtrlXDoes();
    void aSecondCopyEndsAtOnceWithoutWriting();
    void aSignalInTheMiddleOfAHandWritesTheGameAndTheMenu();
};

void ProgramRunTest::terminationSignalsEndTheRunAsCtrlXDoes_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void ProgramRunTest::terminationSignalsEndTheRunAsCtrlXDoes() {
    QFETCH(int, signalNumber);
    Home home;
    // 650 credits on the meter; an out-of-range credit value that the run
    // repairs, so that a written Menu section shows; the leftover of a save
    // that was killed.
    WriteAll(home.Settings(), "[Menu]\nCredits=650\nCreditValue=7\n");
    const fs::path leftover = home.Settings().parent_path() / "Quintaro.ini.Ab12Cd";
    WriteAll(leftover, std::string(2000, 'x'));

    auto program = home.Start();
    QVERIFY2(home.WaitUntilRunning(*program), program->readAllStandardError().constData());
    QVERIFY(!fs::exists(leftover));
    QCOMPARE(::kill(static_cast<pid_t>(program->processId()), signalNumber), 0);
    QVERIFY(Ended(*program));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);

    const IniDocument after(ReadAll(home.Settings()));
    QCOMPARE(after.ReadInteger("Menu", "Credits", -1), 650);
    QCOMPARE(after.ReadInteger("Menu", "CreditValue", -1), 1);
    QCOMPARE(after.ReadString("Menu", "SchemeName", ""), std::string("default"));
    QVERIFY(after.Find("Menu", "ShowMistakes").has_value());
}

void ProgramRunTest::aSecondCopyEndsAtOnceWithoutWriting() {
    Home home;
    WriteAll(home.Settings(), "[Menu]\nCredits=650\nCreditValue=7\n");
    auto first = home.Start();
    QVERIFY2(home.WaitUntilRunning(*first), first->readAllStandardError().constData());
    // What the first copy may be saving just now is the second copy's to leave alone.
    const fs::path inFlight = home.Settings().parent_path() / "Quintaro.ini.Zz99Yy";
    WriteAll(inFlight, "in flight");
    const std::string before = ReadAll(home.Settings());
    const auto stamp = fs::last_write_time(home.Settings());

    auto second = home.Start();
    QVERIFY(Ended(*second));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0); // the first copy took the request to come forward
    QVERIFY(second->readAllStandardError().contains("Quintaro is already running."));
    QCOMPARE(ReadAll(home.Settings()), before);
    QVERIFY(fs::last_write_time(home.Settings()) == stamp);
    QVERIFY(fs::exists(inFlight));
    QCOMPARE(first->state(), QProcess::Running);

    QCOMPARE(::kill(static_cast<pid_t>(first->processId()), SIGTERM), 0);
    QVERIFY(Ended(*first));
    QCOMPARE(first->exitCode(), 0);
    QCOMPARE(IniDocument(ReadAll(home.Settings())).ReadInteger("Menu", "CreditValue", -1), 1);
}

// In-process, through the program's own windows: a game screen is open in the middle of
// a hand (five credits bet, cards dealt) when SIGTERM arrives. The game's section and the
// Menu section are written as if the player had left the game and pressed Ctrl+X, and
// every event loop ends. Last in this program: the application has been asked to end.
void ProgramRunTest::aSignalInTheMiddleOfAHandWritesTheGameAndTheMenu() {
    RegisterTableWindows();
    RegisterEmbeddedFonts();
    ui::SetPauseScale(0);
    Home home;
    WriteAll(home.Settings(), "[Menu]\nCredits=650\nSound=0\n");
    AutoWindows windows = CreateAutoWindows(SessionConfig{home.Settings(), {}});
    windows.menu->SetReportSaveFailure(false);
    TerminationWatch watch;
    FirstCopyChannel channel;
    ConnectRunEnd(*qApp, *windows.menu, watch, channel);
    windows.menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(windows.menu.get()));

    std::array<Card, 5> dealt{};
    bool signalled = false;
    RoundState state = RoundState::GameOver;
    quintaro::testing::WhenUp<TGameScreen>(
        [&](TGameScreen* screen) {
            screen->Round().BetMax(); // five coins: the hand is dealt
            for (std::size_t p = 0; p < 5; ++p) dealt[p] = screen->Round().Engine().hand[p].card;
            state = screen->Round().State();
            signalled = ::raise(SIGTERM) == 0;
        },
        20000, [] { ::raise(SIGTERM); });  // never hang the test
    windows.menu->LaunchGame(kDeucesWild); // returns when the signal ends every loop
    QVERIFY(signalled);
    QCOMPARE(state, RoundState::Holding);

    const IniDocument after(ReadAll(home.Settings()));
    QCOMPARE(after.ReadInteger("Menu", "Credits", -1), 645);
    QCOMPARE(after.ReadInteger("Menu", "LastGame", -1), int(kDeucesWild));
    QCOMPARE(after.ReadInteger("DeucesPoker", "LastBet", -1), 5);
    QCOMPARE(after.ReadString("DeucesPoker", "LastDrawn", ""), FormatLastDrawn(dealt));
    // Nothing is written after the run has ended.
    windows.menu->Session().Credits = 1;
    windows = AutoWindows();
    QCOMPARE(IniDocument(ReadAll(home.Settings())).ReadInteger("Menu", "Credits", -1), 645);
}

QTEST_MAIN(ProgramRunTest)
#include "program_run_test.moc"
