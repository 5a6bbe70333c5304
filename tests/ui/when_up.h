// Acting on a window that a test opens modally: the test starts the watch first, then
// does what opens the window, whose event loop runs the action.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace quintaro::testing {

// Runs `act` on the next visible window of type T that is the active modal window or
// pop-up, other than `besides` (a menu whose submenu is awaited). When none comes within
// `limitMs`, runs `missed` instead. The result turns true once `act` has run.
template <typename T>
std::shared_ptr<bool> WhenUp(std::function<void(T*)> act, int limitMs = 5000,
                             std::function<void()> missed = {}, const QWidget* besides = nullptr) {
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    auto done = std::make_shared<bool>(false);
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* up = QApplication::activePopupWidget();
        if (!up) up = QApplication::activeModalWidget();
        auto* w = qobject_cast<T*>(up);
        const bool found = w && w->isVisible() && w != besides;
        if (!found && clock->elapsed() <= limitMs) return;
        timer->stop();
        timer->deleteLater();
        if (found) {
            act(w);
            *done = true;
        } else if (missed) {
            missed();
        }
    });
    timer->start(5);
    return done;
}

} // namespace quintaro::testing
