#pragma once
// The fixed cell and slot rectangles of the session's two sheets (the meter
// digits and the button-bar tiles), and the layout of a seven-character meter.
// Sheets are always cut with these rectangles, whatever size a scheme's
// picture has.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quintaro {

// Left, top, right and bottom; right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr std::int32_t Width() const { return right - left; }
    constexpr std::int32_t Height() const { return bottom - top; }
    constexpr bool Contains(std::int32_t x, std::int32_t y) const {
        return left <= x && x < right && top <= y && y < bottom;
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Digits sheet: glyphs "0".."9" are 25 by 41 side by side; glyph 10, the
// thousands comma, is 11 wide at x 250.
inline constexpr int kCommaGlyph = 10;
inline constexpr std::array<Rect, 11> kGlyphCells = [] {
    std::array<Rect, 11> cells{};
    for (int i = 0; i < 10; ++i) cells[i] = {25 * i, 0, 25 * i + 25, 41};
    cells[10] = {250, 0, 261, 41};
    return cells;
}();

// Character positions of a meter, left to right; position 3 is the narrow
// comma position. A meter is 161 pixels wide.
inline constexpr int kMeterPositions = 7;
inline constexpr std::int32_t kMeterWidth = 161;
inline constexpr std::array<Rect, kMeterPositions> kMeterPositionRects = [] {
    std::array<Rect, kMeterPositions> r{};
    for (int i = 0; i < kMeterPositions; ++i) {
        const std::int32_t left = i <= 3 ? 25 * i : 25 * i - 14;
        r[i] = {left, 0, left + (i == 3 ? 11 : 25), 41};
    }
    return r;
}();

// Button bar: seven slots 107 by 27 at a 108-pixel pitch; sheet tile t at
// (0, 28 t), its pressed look 108 pixels to the right.
inline constexpr int kBarSlots = 7;
inline constexpr int kBarStates = 9;
inline constexpr int kBarTiles = 19;
inline constexpr std::array<Rect, kBarSlots> kBarSlotRects = [] {
    std::array<Rect, kBarSlots> r{};
    for (int i = 0; i < kBarSlots; ++i) r[i] = {108 * i, 0, 108 * i + 107, 27};
    return r;
}();
constexpr Rect BarTileRect(int tile, bool pressed = false) {
    const std::int32_t dx = pressed ? 108 : 0;
    return {dx, 28 * tile, dx + 107, 28 * tile + 27};
}

// "#,##0": thousands separated by commas, "-" in front of negative numbers.
std::string FormatThousands(std::int64_t value);

// What a meter shows: the area to paint in the box's colour (may be empty),
// then each character's glyph with its place in the meter.
struct MeterGlyph {
    int glyph;   // 0..9 for the digits, kCommaGlyph for the comma
    Rect source; // cell in the digits sheet
    Rect target; // place in the meter's image
};
struct MeterLayout {
    Rect blank;
    std::vector<MeterGlyph> glyphs;
};
// The credit meter is right-aligned: the last digit is always in position 6.
MeterLayout CreditMeterLayout(std::int32_t credits);
// The win meter is left-aligned: the first character starts at x = 0.
MeterLayout WinMeterLayout(std::int32_t amount);

} // namespace quintaro
