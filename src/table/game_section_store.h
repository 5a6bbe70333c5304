#pragma once
// Where a round keeps its game's section between visits: read when the
// screen opens, written when it closes. The settings file of the shell is
// the program's store.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/card.h"
#include "core/file_result.h"
#include "core/game_section.h"

namespace quintaro {

class GameSectionStore {
public:
    virtual ~GameSectionStore() = default;
    // The section of game `game`; the built-in hand when none is stored.
    virtual GameSettings LoadGame(int game) = 0;
    // Writes the pay table always, and the bet and hand only when coinsBet is
    // above 0 (a round was begun this visit).
    virtual FileResult SaveGame(int game, bool altPayTable, std::int32_t coinsBet,
                                const std::array<Card, 5>& drawn, const std::array<bool, 5>& held,
                                std::string_view payTableName = {}) = 0;
};

} // namespace quintaro
