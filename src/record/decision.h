#pragma once
// A decision of the player, as the training record keeps it: the hand dealt,
// the hold the draw was made with, the play mode in force and where the hand
// came from. The play round hands its draws to a DecisionPort; the program
// binds the port to the record's writer, tests to a recorder of their own.

#include <array>
#include <cstdint>

#include "core/card.h"
#include "core/pay_table.h"

#include <optional>
#include <string>

namespace quintaro {

// Play modes as the record numbers them.
enum class DecisionMode : std::int32_t { Normal = 0, AutoHold = 1, ShowMistakes = 2 };

enum class DecisionSource : std::int32_t { Table = 0, Drill = 1 };

struct Decision {
    int game = 0;     // 0..8
    int payTable = 0; // the pay-table choice, 0 or 1
    // A named table's name and pays, kept with the decision so that it stays
    // right when the table is edited or deleted; none for a built-in table.
    std::string tableName;
    std::optional<PaySchedule> pays;
    int coins = 1; // 1..5
    std::array<Card, 5> dealt{};
    std::uint8_t held = 0; // bit i set = position i held
    DecisionMode mode = DecisionMode::Normal;
    bool perfectPlay = false;
    DecisionSource source = DecisionSource::Table;
};

class DecisionPort {
public:
    virtual ~DecisionPort() = default;
    // The hand is dealt and shown: its values may be worked out while the
    // player decides.
    virtual void HandDealt(int game, int payTable, int coins, const std::array<Card, 5>& dealt) = 0;
    // The draw is about to show its replacement cards; returns once the
    // decision is kept (or the record has given up).
    virtual void HandDrawn(const Decision& decision) = 0;
    // The same as HandDealt for a hand dealt on a named table's pays.
    virtual void NamedHandDealt(int game, const PaySchedule& pays, int coins,
                                const std::array<Card, 5>& dealt) {
        (void)game;
        (void)pays;
        (void)coins;
        (void)dealt;
    }
};

} // namespace quintaro
