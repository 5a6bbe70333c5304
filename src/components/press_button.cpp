#include "components/press_button.h"

#include <QMouseEvent>

#include "components/window_kit.h"

namespace quintaro::ui {

PressButton::PressButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setCursor(Qt::PointingHandCursor);
}

void PressButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) PlayEffect(kEffectButtonPress);
    QPushButton::mousePressEvent(event);
}

} // namespace quintaro::ui
