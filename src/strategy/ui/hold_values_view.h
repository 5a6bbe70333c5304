#pragma once
// The values of all 32 holds of a hand, in a window of its own beside the
// window that asks for it.

#include "core/card.h"
#include "core/pay_table.h"
#include <QWidget>
#include <array>
#include <optional>
#include <string>

namespace quintaro {

struct HoldValuesRequest {
    int game = 0;   // 0..8
    int choice = 0; // pay table 0/1
    int coins = 1;  // 1..5
    std::array<Card, 5> cards{};
    int playerHold = -1; // the player's own hold as a position mask, or -1 for none
    // A named table's name and pays, priced instead of the choice's table.
    std::string tableName;
    std::optional<PaySchedule> pays;
};

// Opens the view of all 32 holds of a hand (non-blocking window, owned by parent).
QWidget* OpenHoldValues(QWidget* parent, const HoldValuesRequest& request);

} // namespace quintaro
