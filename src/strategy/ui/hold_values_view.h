#pragma once
// The values of all 32 holds of a hand, in a window of its own beside the
// window that asks for it.

#include <QWidget>

#include "shell/ui/game_launch.h"

namespace quintaro {

// Opens the view of all 32 holds of a hand (non-blocking window, owned by parent).
QWidget* OpenHoldValues(QWidget* parent, const HoldValuesQuery& request);

} // namespace quintaro
