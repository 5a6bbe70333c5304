#include "shell/session_geometry.h"

#include <algorithm>

namespace quintaro {
namespace {

// The characters of a meter number, at most seven ("999,999").
std::string MeterText(std::int32_t value) {
    return FormatThousands(std::clamp<std::int32_t>(value, 0, 999'999));
}

int GlyphOf(char c) {
    return c == ',' ? kCommaGlyph : c - '0';
}

} // namespace

std::string FormatThousands(std::int64_t value) {
    const bool negative = value < 0;
    // Work on the magnitude as unsigned so the most negative value is safe.
    std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

MeterLayout CreditMeterLayout(std::int32_t credits) {
    const std::string text = MeterText(credits);
    const int n = static_cast<int>(text.size());
    MeterLayout layout;
    if (n < kMeterPositions)
        layout.blank = {kMeterPositionRects[0].left, 0, kMeterPositionRects[6 - n].right, 41};
    for (int j = 0; j < n; ++j) {
        const int glyph = GlyphOf(text[static_cast<std::size_t>(j)]);
        layout.glyphs.push_back(
            {glyph, kGlyphCells[glyph], kMeterPositionRects[kMeterPositions - n + j]});
    }
    return layout;
}

MeterLayout WinMeterLayout(std::int32_t amount) {
    const std::string text = MeterText(amount);
    const int n = static_cast<int>(text.size());
    MeterLayout layout;
    if (n < kMeterPositions)
        layout.blank = {kMeterPositionRects[n].left, 0, kMeterPositionRects[6].right, 41};
    const std::int32_t shift = kMeterPositionRects[kMeterPositions - n].left;
    for (int j = 0; j < n; ++j) {
        const int glyph = GlyphOf(text[static_cast<std::size_t>(j)]);
        Rect target = kMeterPositionRects[kMeterPositions - n + j];
        target.left -= shift;
        target.right -= shift;
        layout.glyphs.push_back({glyph, kGlyphCells[glyph], target});
    }
    return layout;
}

} // namespace quintaro
