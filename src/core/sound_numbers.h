#pragma once
// The numbers of the program's sound effects and win count-up tones. The logic asks for
// a sound by its number; the media library knows which wave each number plays.

namespace quintaro {

inline constexpr int kEffectWinningDeal = 2; // a dealt hand that already pays
inline constexpr int kEffectClick = 3;       // commands, option changes, cards
inline constexpr int kEffectMistake = 4;     // a draw the mistake panel stops
inline constexpr int kEffectButtonPress = 5; // buttons and bar slots
inline constexpr int kToneCount = 18;        // count-up tones 1..18, rising in pitch

} // namespace quintaro
