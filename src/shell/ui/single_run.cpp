#include "shell/ui/single_run.h"

#include <algorithm>

#include <QApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

namespace quintaro {
namespace {

constexpr char kComeForward[] = "come-forward\n";

} // namespace

FirstCopyChannel::FirstCopyChannel(QObject* parent) : QObject(parent) {}

FirstCopyChannel::~FirstCopyChannel() = default;

bool FirstCopyChannel::Listen(const QString& key) {
    delete server_;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the holder of the run lock gets here, so a socket of that name was
    // left by a copy that is gone.
    QLocalServer::removeServer(key);
    if (!server_->listen(key)) return false;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) return;
                const QByteArray line = socket->readLine(64);
                socket->write("ok\n");
                socket->flush();
                if (line == kComeForward) emit comeForwardRequested();
            });
        }
    });
    return true;
}

bool FirstCopyChannel::AskToComeForward(const QString& key, int waitMs) {
    QElapsedTimer clock;
    clock.start();
    do {
        QLocalSocket socket;
        socket.connectToServer(key);
        if (socket.waitForConnected(500)) {
            // The first copy answers from its event loop, which may still be
            // opening its windows: give it the rest of the time, at least 2 s.
            socket.write(kComeForward);
            const int answerMs = std::max(2000, waitMs - static_cast<int>(clock.elapsed()));
            if (socket.waitForBytesWritten(1000) && socket.waitForReadyRead(answerMs))
                return socket.readLine(16) == "ok\n";
            return false;
        }
        QThread::msleep(100);
    } while (clock.elapsed() < waitMs);
    return false;
}

void FirstCopyChannel::BringWindowsForward() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isMinimized()) window->showNormal();
    QWidget* front = QApplication::activeModalWidget();
    if (!front) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->isWindow() && !window->parentWidget()) {
                front = window;
                break;
            }
    }
    if (!front) return;
    front->raise();
    front->activateWindow();
}

} // namespace quintaro
