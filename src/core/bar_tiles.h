#pragma once
// The tiles of the button bar, by their number in the button sheet. The session keeps the
// bar's table of tiles; the round writes the tiles its states show.

#include <cstdint>

namespace quintaro {

// Tiles of the built-in button sheet, by their row in it (what is painted on them).
enum BarTile : std::int32_t {
    kTileBlank = 0,
    kTileHelp = 1,
    kTileStart = 2,  // blank orange; START in the pressed column
    kTilePays = 3,   // blank orange; PAYS in the pressed column
    kTileSpeed1 = 4, // kTileSpeed1 + WhichSpeed
    kTileSpeed2 = 5,
    kTileSpeed3 = 6,
    kTileQuickPick = 7,
    kTileErase = 8,
    kTileDeal = 9,
    kTileMenu = 10,
    kTileNext = 11,
    kTileDrawDim = 12, // PREVIOUS in the pressed column
    kTileReturn = 13,
    kTileDraw = 14,
    kTileBetUp = 15,
    kTileBetDown = 16,
    kTileBetOne = 17,
    kTileMaxBet = 18,
    kTileSeePays = 19,
};

} // namespace quintaro
