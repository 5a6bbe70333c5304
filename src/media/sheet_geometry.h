#pragma once
// The bitmap sheets of the program and every cell that is cut out of them.
// This is the one table of sheet geometry: the artwork tool draws into these
// rectangles and the screens copy out of them, so both always agree.
// Plain C++ (no Qt) so that logic code may read it as well.

#include <array>
#include <optional>
#include <string_view>

#include "core/bar_tiles.h"

namespace quintaro::sheets {

// A rectangle in sheet pixels: left and top inclusive, right and bottom exclusive.
struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    constexpr bool operator==(const CellRect&) const = default;
};

enum class Sheet : int {
    PokerGraphics = 0,
    CrdValue,
    Mask,
    ScreenTiles,
    PaysPnlImage,
    WinPanelImage,
    Win1,
    Credits1,
    DigitalNumbers,
    VantaBtns,
    GameTyps,
    Picker1,
    Value,
    SuiteName,
    InfoArea,
};

inline constexpr int kSheetCount = 15;

struct SheetInfo {
    Sheet id;
    std::string_view resource;   // built-in resource name (matched without regard to case)
    std::string_view schemeFile; // replacement file in a scheme folder; empty: not replaceable
    int width;
    int height;
    int bitsPerPixel; // 8 (palettised) or 1 (monochrome)
};

inline constexpr std::array<SheetInfo, kSheetCount> kSheets{{
    {Sheet::PokerGraphics, "POKERGRAPHICS", "Cards.bmp", 399, 370, 8},
    {Sheet::CrdValue, "CRDVALUE", "CrdValue.bmp", 611, 75, 8},
    {Sheet::Mask, "MASK", "", 122, 181, 1},
    {Sheet::ScreenTiles, "SCREENTILES", "GameSkin.bmp", 92, 67, 8},
    {Sheet::PaysPnlImage, "PAYSPNLIMAGE", "Panel.bmp", 237, 220, 8},
    {Sheet::WinPanelImage, "WINPANELIMAGE", "WinPanelImage.bmp", 492, 38, 8},
    {Sheet::Win1, "WIN1", "digwin.bmp", 76, 40, 8},
    {Sheet::Credits1, "CREDITS1", "credits.bmp", 201, 39, 8},
    {Sheet::DigitalNumbers, "DIGITALNUMBERS", "digitals.bmp", 314, 43, 8},
    {Sheet::VantaBtns, "VANTABTNS", "VantaBtns.bmp", 217, 562, 8},
    {Sheet::GameTyps, "GAMETYPS", "Games.bmp", 288, 343, 8},
    {Sheet::Picker1, "PICKER1", "GmPicker.bmp", 217, 157, 8},
    {Sheet::Value, "VALUE", "BetValue.bmp", 89, 195, 8},
    {Sheet::SuiteName, "SUITENAME", "qolabel.bmp", 164, 24, 8},
    {Sheet::InfoArea, "INFOAREA", "infoarea.bmp", 782, 141, 8},
}};

constexpr const SheetInfo& Info(Sheet s) {
    return kSheets[static_cast<int>(s)];
}

namespace detail {
constexpr char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}
} // namespace detail

// "PokerGraphics", "pokergraphics" and "POKERGRAPHICS" all name the same sheet.
constexpr std::optional<Sheet> FindByResource(std::string_view name) {
    for (const SheetInfo& s : kSheets)
        if (detail::EqualsNoCase(s.resource, name)) return s.id;
    return std::nullopt;
}

constexpr std::optional<Sheet> FindBySchemeFile(std::string_view file) {
    for (const SheetInfo& s : kSheets)
        if (!s.schemeFile.empty() && detail::EqualsNoCase(s.schemeFile, file)) return s.id;
    return std::nullopt;
}

constexpr bool IsRedSuit(int suit) {
    return suit == 0 || suit == 1;
}

// ---- POKERGRAPHICS: the parts a card is composed of --------------------------------------

constexpr CellRect LargeSuit(int suit) {
    return {1 + 66 * suit, 1, 65 + 66 * suit, 65};
}
constexpr CellRect SmallSuit(int suit) {
    return {3 + 38 * suit, 68, 38 + 38 * suit, 102};
}

// Court picture slots in sheet order: Jack, Queen, King, Ace, red WILD, black WILD.
constexpr CellRect PictureSlot(int slot) {
    return {4 + 66 * slot, 108, 65 + 66 * slot, 182};
}

// The picture of a rank code (0 Ace, 10 Jack, 11 Queen, 12 King); other ranks have none.
constexpr std::optional<CellRect> CourtPicture(int rank) {
    switch (rank) {
    case 10:
        return PictureSlot(0);
    case 11:
        return PictureSlot(1);
    case 12:
        return PictureSlot(2);
    case 0:
        return PictureSlot(3);
    default:
        return std::nullopt;
    }
}
constexpr CellRect WildPicture(bool red) {
    return PictureSlot(red ? 4 : 5);
}

inline constexpr CellRect kBlankFace{2, 188, 122, 368};
inline constexpr CellRect kCardBack{132, 188, 252, 368};
// A second back design; the screens do not use it.
inline constexpr CellRect kSecondBack{262, 188, 382, 368};

// ---- CRDVALUE: rank glyphs, black row and red row -----------------------------------------

inline constexpr int kRankGlyphPitch = 47;
inline constexpr int kBlackGlyphRowTop = 1;
inline constexpr int kRedGlyphRowTop = 38;
constexpr CellRect RankGlyph(int rank, bool red) {
    const int top = red ? kRedGlyphRowTop : kBlackGlyphRowTop;
    return {kRankGlyphPitch * rank + 1, top, kRankGlyphPitch * rank + 46, top + 35};
}
constexpr CellRect RankGlyphForSuit(int rank, int suit) {
    return RankGlyph(rank, IsRedSuit(suit));
}

// ---- MASK: the card outline (black inside the rounded card, white outside) ----------------

inline constexpr CellRect kMaskCell{1, 1, 121, 181};
inline constexpr int kCardWidth = 120;
inline constexpr int kCardHeight = 180;
inline constexpr int kCardCornerRadius = 7;

// Whether pixel (x, y) of a 120 x 180 card lies inside its rounded outline. The mask and
// the drawn faces and backs both follow this, so the corners always match.
constexpr bool InsideCardOutline(int x, int y) {
    if (x < 0 || y < 0 || x >= kCardWidth || y >= kCardHeight) return false;
    const int r = kCardCornerRadius;
    // Distance test at the pixel centre, in doubled coordinates to stay in integers.
    const int cx2 = 2 * x + 1;
    const int cy2 = 2 * y + 1;
    int ox = 0;
    int oy = 0;
    if (cx2 < 2 * r)
        ox = 2 * r - cx2;
    else if (cx2 > 2 * (kCardWidth - r))
        ox = cx2 - 2 * (kCardWidth - r);
    if (cy2 < 2 * r)
        oy = 2 * r - cy2;
    else if (cy2 > 2 * (kCardHeight - r))
        oy = cy2 - 2 * (kCardHeight - r);
    return ox * ox + oy * oy <= 4 * r * r;
}

// ---- Where a card's parts go, relative to the top-left corner of the card ----------------

struct CardPartPlace {
    int x;
    int y;
};
inline constexpr CardPartPlace kRankGlyphPlace{6, 5};
inline constexpr CardPartPlace kSmallSuitPlace{11, 45};
inline constexpr CardPartPlace kLargeSuitPlace{25, 97};
inline constexpr CardPartPlace kPicturePlace{51, 11};

// ---- DIGITALNUMBERS: the meter glyphs ------------------------------------------------------

inline constexpr int kCommaGlyph = 10;
// Glyph g: the digits 0 to 9, then the thousands comma.
constexpr CellRect DigitGlyph(int g) {
    return g == kCommaGlyph ? CellRect{250, 0, 261, 41} : CellRect{25 * g, 0, 25 * g + 25, 41};
}

// ---- WIN1, CREDITS1: the words beside the meters (whole sheet) ----------------------------

// ---- VANTABTNS: the button-bar tiles -------------------------------------------------------

inline constexpr int kButtonTileRows = 20;
inline constexpr int kButtonTilePitch = 28;
inline constexpr int kPressedColumnOffset = 108;
constexpr CellRect ButtonTile(int row, bool pressed = false) {
    const int dx = pressed ? kPressedColumnOffset : 0;
    return {dx, kButtonTilePitch * row, dx + 107, kButtonTilePitch * row + 27};
}

// The tile rows of the built-in sheet are numbered as the bar's tiles (core/bar_tiles.h).

// ---- GAMETYPS: the nine game buttons of the menu -------------------------------------------

inline constexpr int kGameButtonWidth = 141;
inline constexpr int kGameButtonHeight = 68;
constexpr CellRect GameButton(int game) {
    const int x = game < 5 ? 1 : 143;
    const int y = 1 + kGameButtonHeight * (game < 5 ? game : game - 5);
    return {x, y, x + kGameButtonWidth, y + kGameButtonHeight};
}
// The tenth cell (right column, last row) is blank and never drawn.
inline constexpr CellRect kGameButtonSpare{143, 273, 284, 341};

// ---- PICKER1: the selection frame (whole sheet) --------------------------------------------

inline constexpr CellRect kPickerCell{0, 0, 217, 157};
// Where the frame goes around a game button of the menu: left - 38, top - 48, right + 38,
// bottom + 40, so the button itself sits at this place inside the frame.
inline constexpr CellRect kPickerButtonHole{38, 48, 179, 116};

// ---- VALUE: the credit-value pictures, 0 nickel, 1 quarter, 2 dollar -----------------------

constexpr CellRect CreditValuePicture(int value) {
    const int y = value == 0 ? 0 : (value == 1 ? 68 : 141);
    return {0, y, 89, y + 55};
}

// ---- INFOAREA: the menu's bottom panel ------------------------------------------------------

// The menu shows the sheet stretched to 793 x 150 and puts its web-link area at (593, 76) of
// size 171 x 44 in panel pixels; this is that area in sheet pixels, where the maker's name
// plate is painted.
inline constexpr CellRect kMakerPlate{585, 71, 754, 113};
inline constexpr int kInfoAreaShownWidth = 793;
inline constexpr int kInfoAreaShownHeight = 150;

} // namespace quintaro::sheets
