#pragma once
// Every one of the 2,598,960 five-card hands, each once, its cards ascending.

#include <array>

#include "core/card.h"

namespace quintaro {

template <typename F> void ForEveryHand(F&& f) {
    std::array<Card, 5> c{};
    for (c[0] = 0; c[0] < 48; ++c[0])
        for (c[1] = c[0] + 1; c[1] < 49; ++c[1])
            for (c[2] = c[1] + 1; c[2] < 50; ++c[2])
                for (c[3] = c[2] + 1; c[3] < 51; ++c[3])
                    for (c[4] = c[3] + 1; c[4] < 52; ++c[4]) f(c);
}

} // namespace quintaro
