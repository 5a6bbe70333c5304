// src/strategy/ui/hold_values_view.h
#pragma once
#include "core/card.h"
#include <QWidget>
#include <array>
namespace quintaro {
struct HoldValuesRequest {
    int game = 0;
    int choice = 0;
    int coins = 1;
    std::array<Card, 5> cards{};
    int playerHold = -1; // position mask, or -1
};
QWidget* OpenHoldValues(QWidget* parent, const HoldValuesRequest& request);
} // namespace quintaro
