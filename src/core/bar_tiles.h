#pragma once
// The tiles of the button bar, by their number in the button sheet. The session keeps the
// bar's table of tiles; the round writes the tiles its states show.

#include <cstdint>

namespace quintaro {

// Tiles of the built-in button sheet.
enum BarTile : std::int32_t {
    kTileBlank = 0,
    kTileHelp = 1,
    kTileStart = 2,
    kTilePays = 3,
    kTileSpeed1 = 4, // kTileSpeed1 + WhichSpeed
    kTileQuickPick = 7,
    kTileErase = 8,
    kTileDeal = 9,
    kTileMenu = 10,
    kTileNext = 11,
    kTileDrawDim = 12,
    kTileReturn = 13,
    kTileDraw = 14,
    kTileBetUp = 15,
    kTileBetDown = 16,
    kTileBetOne = 17,
    kTileMaxBet = 18,
};

} // namespace quintaro
