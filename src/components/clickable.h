#pragma once
// A widget that answers a left-button press with an action of its owner, under
// the hand cursor: the legend's labels and shapes, the game screen's pictures.

#include <QMouseEvent>
#include <QWidget>

#include <functional>
#include <utility>

namespace quintaro {

// Base is the widget class (QLabel, QFrame, ...); its constructor's arguments
// follow the action.
template <typename Base> class Clickable : public Base {
public:
    template <typename... Args>
    explicit Clickable(std::function<void()> onClick, Args&&... args)
        : Base(std::forward<Args>(args)...), m_onClick(std::move(onClick)) {
        this->setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && m_onClick) m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

} // namespace quintaro
