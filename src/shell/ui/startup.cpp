#include "shell/ui/startup.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QSessionManager>
#include <QStyle>
#include <QThreadPool>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "media/embedded_fonts.h"
#include "media/program_icon.h"
#include "media/sheet_loader.h"
#include "quintaro_version.h"
#include "shell/run_lock.h"
#include "shell/ui/about_box.h"
#include "shell/ui/bills_in_form.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/run_end.h"
#include "shell/ui/session_view.h"
#include "shell/ui/single_run.h"
#include "shell/ui/vanta_menu.h"
#include "table/generated_lists.h"

namespace quintaro {

namespace {

// Takes the run lock of the settings file. When another copy holds it, that
// copy is asked to come forward (or the player is told it runs) and the exit
// code is returned: this copy must end without writing anything.
std::optional<int> ClaimSettingsFile(const std::filesystem::path& settingsFile, RunLock& lock,
                                     FirstCopyChannel& channel) {
    const QString key = QString::fromStdString(RunLock::InstanceKey(settingsFile));
    switch (lock.Acquire(settingsFile)) {
    case RunLock::State::Held:
        // No other copy can be saving now: what a killed save left behind goes.
        RemoveStaleSaveFiles(settingsFile);
        channel.Listen(key);
        return std::nullopt;
    case RunLock::State::Unavailable:
        // A folder that cannot hold a lock cannot hold the settings either;
        // the run goes on and its save at exit reports the problem.
        std::fprintf(stderr, "Quintaro: %s\n", lock.Problem().c_str());
        return std::nullopt;
    case RunLock::State::HeldElsewhere:
        break;
    }
    std::fprintf(stderr, "%s\n", kAlreadyRunningText);
    if (FirstCopyChannel::AskToComeForward(key)) return 0;
    QMessageBox::information(nullptr, "Quintaro", kAlreadyRunningText);
    return kAlreadyRunningExitCode;
}

} // namespace

void ConnectRunEnd(QApplication& app, TVantaTBMenu& menu, TerminationWatch& termination,
                   FirstCopyChannel& channel) {
    auto report = [](const FileResult& saved) {
        if (!saved)
            std::fprintf(stderr, "Quintaro: your credits and options could not be saved. %s\n",
                         saved.error.c_str());
    };
    QObject::connect(&termination, &TerminationWatch::terminationRequested, &app,
                     [&menu, report](int) {
                         report(menu.Session().EndRun());
                         // Every event loop ends, modal ones included; the
                         // windows then close as after Ctrl+X.
                         QCoreApplication::exit(0);
                     });
    // The session manager asks for the state before a logout; the run goes
    // on if the logout is cancelled.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [&menu, report](QSessionManager&) { report(menu.Session().SaveNow()); });
    QObject::connect(&channel, &FirstCopyChannel::comeForwardRequested, &app,
                     &FirstCopyChannel::BringWindowsForward);
}

AutoWindows::AutoWindows() = default;
AutoWindows::AutoWindows(AutoWindows&&) noexcept = default;
AutoWindows& AutoWindows::operator=(AutoWindows&& other) noexcept {
    if (this == &other) return *this;
    // The windows held now go in the destructor's order first: the others are
    // children of the menu, which would delete them a second time.
    Reset();
    menu = std::move(other.menu);
    about = std::move(other.about);
    bills = std::move(other.bills);
    strategyTable = std::move(other.strategyTable);
    statistics = std::move(other.statistics);
    handBuilder = std::move(other.handBuilder);
    strategyCredit = std::move(other.strategyCredit);
    return *this;
}
AutoWindows::~AutoWindows() {
    Reset();
}
void AutoWindows::Reset() {
    // The shared windows go before the menu and its session.
    strategyCredit.reset();
    handBuilder.reset();
    statistics.reset();
    strategyTable.reset();
    bills.reset();
    about.reset();
    menu.reset();
}

std::vector<std::string> DisplayCheckMessages(int width, int height, int bitsPerPixel) {
    std::vector<std::string> messages;
    char text[256];
    if (width < 800 || height < 600) {
        std::snprintf(text, sizeof text,
                      "Your screen resolution is %dx%d. This program\nrequires a minimum screen "
                      "resolution of 800x600.\nThe program will now terminate.",
                      width, height);
        messages.emplace_back(text);
    }
    if (bitsPerPixel < 16) {
        std::snprintf(text, sizeof text,
                      "Your color depth is %d bits per pixel. This\nprogram requires High Color "
                      "(16 bits) or\ngreater. The program will now terminate.",
                      bitsPerPixel);
        messages.emplace_back(text);
    }
    return messages;
}

std::unique_ptr<QDialog> MakeDisplayErrorBox(const QString& caption, const QString& text) {
    auto box = std::make_unique<QDialog>();
    box->setObjectName("DisplayErrorBox");
    box->setWindowTitle(caption);
    auto* icon = new QLabel(box.get());
    icon->setObjectName("Icon");
    const int side = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box.get());
    icon->setPixmap(box->style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);
    // The message breaks only where its text does: a standard message box narrows
    // itself to a part of a small screen and would break its sentences anywhere.
    auto* label = new QLabel(text, box.get());
    label->setObjectName("Message");
    label->setWordWrap(false);
    label->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box.get());
    QObject::connect(buttons, &QDialogButtonBox::accepted, box.get(), &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(label, 1);
    auto* layout = new QVBoxLayout(box.get());
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return box;
}

int ReportDisplayProblems(int width, int height, int bitsPerPixel, std::FILE* err, bool showBoxes) {
    const std::vector<std::string> messages = DisplayCheckMessages(width, height, bitsPerPixel);
    if (messages.empty()) return 0;
    std::vector<std::pair<const char*, std::string>> reports;
    if (width < 800 || height < 600)
        reports.emplace_back(kResolutionErrorCaption, messages.front());
    if (bitsPerPixel < 16) reports.emplace_back(kColorDepthErrorCaption, messages.back());
    for (const auto& [caption, text] : reports) {
        std::string line = text;
        std::replace(line.begin(), line.end(), '\n', ' ');
        std::fprintf(err, "Quintaro: %s: %s\n", caption, line.c_str());
    }
    std::fflush(err);
    if (showBoxes)
        for (const auto& [caption, text] : reports)
            MakeDisplayErrorBox(caption, QString::fromStdString(text))->exec();
    return 1;
}

AutoWindows CreateAutoWindows(const SessionConfig& config, QWidget* parent) {
    AutoWindows windows;
    windows.menu = std::make_unique<TVantaTBMenu>(config, parent);
    TVantaSession& session = windows.menu->Session();
    SessionView& view = windows.menu->View();
    SharedDialogs& dialogs = view.Dialogs();

    windows.about = std::make_unique<TAboutBox>(
        SheetLoader::Instance().Image(sheets::Sheet::SuiteName), windows.menu.get());
    dialogs.about = windows.about.get();

    windows.bills = std::make_unique<TBillsInForm>(windows.menu.get());
    dialogs.bills = windows.bills.get();

    const WindowRegistry& registry = Windows();
    auto make = [&](const WindowRegistry::SharedWindowFactory& factory,
                    std::unique_ptr<QDialog>& slot, QPointer<QDialog>& shared) {
        if (!factory) return;
        slot.reset(factory(session, view, windows.menu.get()));
        if (!slot) return;
        shared = slot.get();
    };
    make(registry.strategyTable, windows.strategyTable, dialogs.strategyTable);
    make(registry.statistics, windows.statistics, dialogs.statistics);
    make(registry.handBuilder, windows.handBuilder, dialogs.handBuilder);

    windows.strategyCredit = std::make_unique<TStrategyCreditBox>(windows.menu.get());
    dialogs.strategyCredit = windows.strategyCredit.get();
    return windows;
}

int RunQuintaro(int argc, char* argv[]) {
    // On a high-density screen the window grows by a whole factor with sharp pixels.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quintaro");
    // The desktop matches the windows to the launcher (the desktop entry of this id).
    QGuiApplication::setDesktopFileName(QStringLiteral(QUINTARO_APP_ID));
    // Title bars and task bars show the program's own card icon, sharp at every size.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    QApplication::setWindowIcon(icon);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(0, 0);
    const int depth = screen ? screen->depth() : 0;
    const std::vector<std::string> problems =
        DisplayCheckMessages(size.width(), size.height(), depth);
    // Both checks report before the program ends; no settings are touched.
    if (!problems.empty()) return ReportDisplayProblems(size.width(), size.height(), depth, stderr);

    // From here on a termination signal waits until the event loop takes it up.
    TerminationWatch termination;
    const SessionConfig config = SessionConfig::Default();
    RunLock lock;
    FirstCopyChannel channel;
    if (const auto exitCode = ClaimSettingsFile(config.settingsFile, lock, channel))
        return *exitCode;

    RegisterEmbeddedFonts();
    AutoWindows windows = CreateAutoWindows(config);
    ConnectRunEnd(app, *windows.menu, termination, channel);
    windows.menu->show();
    const int code = app.exec();
    // Work still running on other threads (a pay table's returns, its list)
    // ends before the program's statics go.
    QThreadPool::globalInstance()->waitForDone();
    TheGeneratedLists().Finish();
    return code;
}

} // namespace quintaro
