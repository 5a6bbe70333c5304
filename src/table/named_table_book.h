#pragma once
// Where the round finds the named pay table a game section names: the
// catalogue's and the player's own, kept by the program's pay-table file.

#include <string_view>

#include "core/named_pay_table.h"

namespace quintaro {

class NamedTableBook {
public:
    virtual ~NamedTableBook() = default;
    // The table of `game` called `name` (case aside), or null.
    virtual const NamedPayTable* Find(int game, std::string_view name) const = 0;
};

} // namespace quintaro
