#pragma once
// The nine games and everything that is fixed per game index. Every part of the
// program that needs a game's name, screen class, caption or settings section
// reads it from this one table.

#include <array>
#include <cstdint>
#include <string_view>

namespace quintaro {

enum GameVariant : std::int32_t {
    kJacksOrBetter = 0,
    kBonusPoker = 1,
    kBonusDeluxe = 2,
    kDeucesWild = 3,
    kDoubleBonus = 4,
    kDoubleDoubleBonus = 5,
    kSuperDoubleBonus = 6,
    kTripleDoubleBonus = 7,
    kSuperAces = 8,
};

inline constexpr int kGameCount = 9;

// How a game turns a final hand into a category.
enum class EvaluationFamily : std::int32_t {
    Natural,
    Bonus,
    Deuces,
    DoubleDouble,
    SuperDouble,
    TripleDouble,
};

struct GameInfo {
    std::string_view name;            // "Jacks or Better"
    std::string_view windowName;      // "Super Aces Bonus": the name the windows show
    std::string_view screenClass;     // "TDrawPoker"
    std::string_view titleCaption;    // "Draw Poker"
    std::string_view settingsSection; // "DrawPoker"
    EvaluationFamily family;
};

// Note that game 1 (Bonus Poker) is played by TBonusDeluxePoker and game 2
// (Bonus Deluxe) by TBonusPoker; everything else follows the game index.
inline constexpr std::array<GameInfo, kGameCount> kGames{{
    {"Jacks or Better", "Jacks or Better", "TDrawPoker", "Draw Poker", "DrawPoker",
     EvaluationFamily::Natural},
    {"Bonus Poker", "Bonus Poker", "TBonusDeluxePoker", "Bonus Poker", "BonusPoker",
     EvaluationFamily::Bonus},
    {"Bonus Deluxe", "Bonus Deluxe", "TBonusPoker", "Bonus Deluxe", "BonusDeluxe",
     EvaluationFamily::Natural},
    {"Deuces Wild", "Deuces Wild", "TDeucesPoker", "Deuces Poker", "DeucesPoker",
     EvaluationFamily::Deuces},
    {"Double Bonus", "Double Bonus", "TDoublBonus", "Double Bonus", "DoubleBonus",
     EvaluationFamily::Bonus},
    {"Double Double Bonus", "Double Double Bonus", "TDblDblBonus", "Double Double Bonus",
     "DoubleDoubleBonus", EvaluationFamily::DoubleDouble},
    {"Super Double Bonus", "Super Double Bonus", "TSuperDblBns", "Super Double Bonus",
     "SuperDoubleBonus", EvaluationFamily::SuperDouble},
    {"Triple Double Bonus", "Triple Double Bonus", "TTripDblBonus", "Triple Double Bonus",
     "TripleDoubleBonus", EvaluationFamily::TripleDouble},
    {"Super Aces", "Super Aces Bonus", "TSuperAce", "Super Aces", "SuperAces",
     EvaluationFamily::Bonus},
}};

constexpr bool IsValidGame(int game) {
    return game >= 0 && game < kGameCount;
}
constexpr const GameInfo& GameInfoFor(int game) {
    return kGames[static_cast<std::size_t>(game)];
}

} // namespace quintaro
