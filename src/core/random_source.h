#pragma once
// The deal's random source: a 64-bit linear congruential generator reseeded at
// every deal. Its exact sequence is part of the game, so it must not change.

#include <cstdint>

namespace quintaro {

class RandomSource {
public:
    static constexpr std::uint64_t kMultiplier = 0x0000015A00004E35ULL;

    // The low 32 bits of the state become the seed, the high 32 bits zero.
    void Seed(std::uint32_t value) { state_ = value; }

    // A whole number 0..2147483647: bits 32..62 of the advanced state.
    std::int32_t Next() {
        state_ = state_ * kMultiplier + 1;
        return static_cast<std::int32_t>((state_ >> 32) & 0x7FFFFFFFULL);
    }

    std::uint64_t State() const { return state_; }

private:
    std::uint64_t state_ = 0;
};

} // namespace quintaro
