#pragma once
// The signals by which the system asks a program to end (SIGTERM at logout,
// shutdown or `kill`, SIGHUP when its terminal goes, SIGINT for Ctrl+C),
// turned into a Qt signal on the GUI thread, where the run can end as at
// Ctrl+X. The handler itself only writes the signal's number into a pipe
// (nothing else is safe inside a handler); a socket notifier reads it in the
// event loop.
//
// A second signal of the same kind before the first was taken up ends the
// program at once, so a stuck program can still be stopped.

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

namespace quintaro {

class TerminationWatch : public QObject {
    Q_OBJECT
public:
    static constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

    // Installs the handlers; only one watch may exist at a time.
    explicit TerminationWatch(QObject* parent = nullptr);
    // Puts the previous handlers back.
    ~TerminationWatch() override;

    bool Installed() const { return notifier_ != nullptr; }

signals:
    // One of kSignals arrived; emitted once per arrival, in the event loop.
    void terminationRequested(int signalNumber);

private:
    void TakeUp();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace quintaro
