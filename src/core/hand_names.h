#pragma once
// The three display texts of every hand category: the pay-table row caption,
// the name shown in front of "  wins  " in the win caption, and the name on the
// statistics page. Category 0 ("no win") has no row caption and an empty win name.

#include <span>
#include <string_view>

#include "core/game_variant.h"

namespace quintaro {

struct CategoryNames {
    std::string_view rowCaption;
    std::string_view winName;
    std::string_view statisticsName;
};

// All categories of a game, index = HandCategory.
std::span<const CategoryNames> CategoryNamesFor(int game);

} // namespace quintaro
