#pragma once
// A push button of the program's dialogs: hand cursor, and the button sound when the
// left mouse button presses it.

#include <QPushButton>

namespace quintaro::ui {

class PressButton : public QPushButton {
    Q_OBJECT

public:
    PressButton(const QString& caption, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace quintaro::ui
