#include "shell/ui/run_end.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace quintaro {
namespace {

int g_pipe[2] = {-1, -1};
volatile std::sig_atomic_t g_pending[NSIG] = {};
struct sigaction g_previous[NSIG];

void OnSignal(int signalNumber) {
    const int savedErrno = errno;
    if (g_pending[signalNumber]) {
        // Asked twice before the program could react: end now, as by default.
        ::signal(signalNumber, SIG_DFL);
        ::raise(signalNumber);
    }
    g_pending[signalNumber] = 1;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationWatch::TerminationWatch(QObject* parent) : QObject(parent) {
    if (g_pipe[0] >= 0) return; // another watch has the handlers
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationWatch::TakeUp);
    for (int s : kSignals) {
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        g_pending[s] = 0;
        ::sigaction(s, &action, &g_previous[s]);
    }
}

TerminationWatch::~TerminationWatch() {
    if (!notifier_) return;
    for (int s : kSignals) ::sigaction(s, &g_previous[s], nullptr);
    delete notifier_;
    notifier_ = nullptr;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationWatch::TakeUp() {
    unsigned char bytes[16];
    while (true) {
        const ssize_t n = ::read(g_pipe[0], bytes, sizeof bytes);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        for (ssize_t i = 0; i < n; ++i) {
            const int s = bytes[i];
            emit terminationRequested(s);
            // Only now: a second signal while the run is being saved ends it at once.
            g_pending[s] = 0;
        }
    }
}

} // namespace quintaro
