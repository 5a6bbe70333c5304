#pragma once
// The classifier's answer for one hand: the 1-based position of the matched
// entry in the active strategy list, the cards to hold by hand position, and
// an alternative hold that is as good as the first when the entry allows one.

#include <array>
#include <cstdint>

namespace quintaro {

struct Recommendation {
    std::int32_t strategyIndex = 0;
    std::array<std::uint8_t, 5> hold{};
    std::uint8_t altValid = 0;
    std::array<std::uint8_t, 5> altHolds{};

    void Clear() {
        strategyIndex = 0;
        hold = {};
        altValid = 0;
        altHolds = {};
    }
    int HeldCount() const { return hold[0] + hold[1] + hold[2] + hold[3] + hold[4]; }
    // Whether five held flags follow the advice (the hold or its alternative).
    bool Accepts(const std::array<std::uint8_t, 5>& held) const {
        auto same = [&](const std::array<std::uint8_t, 5>& want) {
            for (int i = 0; i < 5; ++i)
                if ((held[i] != 0) != (want[i] != 0)) return false;
            return true;
        };
        return same(hold) || (altValid && same(altHolds));
    }
};

} // namespace quintaro
