#pragma once
// What a game keeps between visits to its screen: the pay table in force and
// the last hand with its holds and bet.

#include <array>
#include <cstdint>
#include <string>

#include "core/card.h"

namespace quintaro {

// The hand a game shows when it has none stored: the royal flush of spades
// (Ace, King, Queen, Jack, Ten), all five held, five coins.
inline constexpr std::array<Card, 5> kBuiltInLastDrawn{39, 51, 11, 23, 35};
inline constexpr std::array<bool, 5> kBuiltInLastHeld{true, true, true, true, true};
inline constexpr std::int32_t kBuiltInLastBet = 5;

// One game's section as read. When the stored hand is missing or not valid,
// LastBet, LastDrawn and LastHeld hold the built-in hand and storedHand is
// false.
struct GameSettings {
    bool AltPayTable = false;
    // A table of one's own or of the catalogue in force, by name; empty for the
    // built-in table AltPayTable names (which an older program reads alone).
    std::string PayTableName;
    std::int32_t LastBet = kBuiltInLastBet;
    std::array<Card, 5> LastDrawn = kBuiltInLastDrawn;
    std::array<bool, 5> LastHeld = kBuiltInLastHeld;
    bool storedHand = false;
};

} // namespace quintaro
