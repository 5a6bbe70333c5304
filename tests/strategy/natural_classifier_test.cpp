// Classification of the natural games: worked hands and edge cases, each with
// the entry, its rank, the hold and the alternative checked together.

#include "advice_helpers.h"

namespace quintaro {
namespace {

using testing::Case;

class NaturalCases : public ::testing::TestWithParam<Case> {};
TEST_P(NaturalCases, EntryRankAndHold) {
    testing::Check(GetParam());
}

// Jacks or Better 8/5, the worked hands.
INSTANTIATE_TEST_SUITE_P(WorkedHands, NaturalCases,
                         ::testing::Values(Case{0, 0, "Ks Qs Js Th 2d", "3 Royal", 13, "11100"},
                                           Case{0, 0, "Ad Kc Qh Js 9d", "AKQJ", 23, "11110"},
                                           Case{0, 0, "Qh Jh 9h 4c 2s", "QJ9s", 19, "11100"},
                                           Case{0, 0, "5c 6c 7d 8s Kh", "4 ST, Open, 2345-789T", 21,
                                                "11110"},
                                           Case{0, 0, "As 7d 5c 3h 2s", "Ace", 43, "10000"},
                                           Case{0, 0, "2c 3d 7h 8s 9c", "Redraw", 45, "00000"}));

INSTANTIATE_TEST_SUITE_P(
    MadeHands, NaturalCases,
    ::testing::Values(Case{0, 0, "Ts Js Qs Ks As", "Pat Royal", 1, "11111"},
                      Case{0, 0, "3c 3d 3h 3s 9c", "Pat Four of a kind", 3, "11111"},
                      Case{2, 0, "3c 3d 3h 3s 9c", "Pat Four of a Kind", 2, "11111"},
                      Case{0, 0, "3c 3d 3h Ks Kc", "Pat Full House", 5, "11111"},
                      Case{0, 0, "2h 5h 8h Jh Kh", "Pat Flush", 6, "11111"},
                      Case{0, 0, "3c 3d 3h Ks 9c", "Three of a Kind", 7, "11100"},
                      Case{0, 0, "Ac Td Jh Qs Kc", "Pat Straight", 8, "11111"},
                      Case{0, 0, "3c 3d Kh Ks 9c", "Two Pair", 10, "11110"},
                      Case{0, 1, "3c 3d Kh Ks 9c", "Two Pair", 10, "11110"},
                      Case{0, 0, "Jc Jd 2h 5s 9c", "High Pair JJ-AA", 12, "11000"},
                      // A flush holding four to a royal is broken for the royal draw.
                      Case{0, 0, "Th Jh Qh Kh 3h", "4 Royal", 4, "11110"},
                      Case{0, 0, "Ah 5h Th Jh Kh", "4 Royal", 4, "10111"},
                      Case{0, 0, "Ah 2h 3h 4h 5h", "Pat Straight Flush", 2, "11111"}));

// Fours, threes and pairs split by rank in the bonus games.
INSTANTIATE_TEST_SUITE_P(
    SplitGroups, NaturalCases,
    ::testing::Values(Case{1, 0, "2c 2d 2h 2s 9c", "Pat Four 2,3,4", 4, "11111"},
                      Case{4, 0, "2c 2d 2h 2s 9c", "Four 2,3,4", 3, "11111"},
                      Case{5, 0, "2c 2d 2h 2s 9c", "Four 2,3,4", 5, "11110"},
                      Case{5, 0, "2c 2d 2h 2s Ac", "Pat Four 2,3,4 w/Kicker", 4, "11111"},
                      Case{7, 0, "2c 2d 2h 2s 4c", "Pat Four 2,3,4 w Kicker", 3, "11111"},
                      Case{5, 0, "Ac Ad Ah As Kc", "Four Aces", 3, "11110"},
                      Case{5, 0, "Ac Ad Ah As 3c", "Pat Four Aces w/ Kicker", 2, "11111"},
                      Case{4, 0, "Ac Ad Ah As Kc", "Four Aces", 2, "11111"},
                      Case{6, 0, "Qc Qd Qh Qs 9c", "Four K,Q,J", 3, "11111"},
                      Case{6, 0, "Tc Td Th Ts 9c", "Pat Four 5's to 10's", 6, "11111"},
                      Case{8, 0, "Kc Kd Kh Ks 9c", "Pat Four 5,'s to K's", 5, "11111"},
                      Case{1, 0, "Ac Ad Ah 5s 9c", "3 Aces", 8, "11100"},
                      Case{1, 0, "3c 3d 3h 8s 9c", "Three 2,3,4", 10, "11100"},
                      Case{1, 0, "7c 7d 7h 8s Kc", "Three 5's to K's", 11, "11100"},
                      // "3 Aces" above "Pat Full House": the full house keeps only the Aces.
                      Case{4, 0, "Ac Ad Ah 5s 5c", "3 Aces", 7, "11100"},
                      Case{6, 1, "Kc Kd Kh 5s 5c", "Three K,Q,J", 9, "11100"},
                      Case{6, 0, "Kc Kd Kh 5s 5c", "Pat Full House", 9, "11111"},
                      // Over a pair of Twos either Two is the kicker.
                      Case{7, 0, "Ac Ad Ah 2c 2d", "3 Aces with Kicker", 8, "11110", "11101"},
                      Case{7, 1, "2c Ac Ad 2d Ah", "3 Aces with Kicker", 8, "11101", "01111"},
                      Case{7, 0, "Ac Ad Ah 3s 9c", "3 Aces with Kicker", 8, "11110"},
                      Case{7, 0, "Ac Ad Ah 9s Kc", "3 Aces", 10, "11100"},
                      Case{4, 0, "Ac Ad 5c 5h 9d", "Pair Aces", 15, "11000"},
                      Case{4, 1, "Ac Ad 5c 5h 9d", "Two Pair", 15, "11110"},
                      Case{6, 1, "Kc Kd 5h 5s 9c", "Pair JJ, QQ, KK", 18, "11000"},
                      Case{6, 0, "Kc Kd 5h 5s 9c", "Two Pair", 18, "11110"},
                      Case{1, 0, "3c 3d 7h 9s Kc", "Pair 22, 33, 44", 21, "11000"},
                      Case{1, 0, "8c 8d 2h 5s Kc", "Pair 55 to TT", 22, "11000"}));

INSTANTIATE_TEST_SUITE_P(
    RoyalAndFlushDraws, NaturalCases,
    ::testing::Values(
        // Four suited with an Ace, a low card and two royal cards: the low card goes.
        Case{0, 0, "Ah 5h Qh Kh 9c", "3 Royal", 13, "10110"},
        Case{0, 0, "Th Jh Kh 4c 8d", "3 Royal", 13, "11100"},
        Case{0, 0, "Th Jh Kh 4h 8d", "3 Royal", 13, "11100"},
        Case{4, 0, "Th Jh Kh 4c 8d", "KQJs, KQTs, KJTs", 19, "11100"},
        Case{4, 0, "Th Jh Kh 4h 8d", "KQJs, KQTs, KJTs", 19, "11100"},
        Case{4, 0, "Th Jh Qh 4c 8d", "QJTs", 17, "11100"},
        Case{4, 0, "Ah Jh Qh 4c 8d", "AKQs,AKJs,AKTs,AQJs,AQTs,AJTs", 20, "11100"},
        Case{0, 0, "2h 5h 8h Jh Kc", "4 Flush", 14, "11110"},
        Case{1, 1, "2h 5h 8h Jh Kc", "4 Flush", 16, "11110"},
        Case{0, 0, "5h 6h 7h 8h Kc", "4 STFL, Open, 2345s-9TJQs", 9, "11110"},
        Case{0, 0, "5h 6h 8h 9h Kc", "4 STFL, Inside", 11, "11110"},
        Case{0, 0, "Ah 2h 3h 4h Kc", "4 STFL, Inside", 11, "11110"}));

INSTANTIATE_TEST_SUITE_P(
    ThreeCardStraightFlushes, NaturalCases,
    ::testing::Values(Case{0, 0, "Jh Th 9h 3c 4d", "JT9s", 20, "11100"},
                      Case{0, 0, "Qh Jh 8h 3c 4d", "QJ8s", 22, "11100"},
                      Case{0, 0, "7h 8h 9h 3c Kd", "3 STFL, Open, 345s-89Ts", 25, "11100"},
                      Case{0, 0, "Kh Qh 9h 3c 4d", "KQ9s, KJ9s", 26, "11100"},
                      Case{0, 0, "Qh Th 9h 3c 4d", "QT9s, JT8s, J98s", 28, "11100"},
                      Case{0, 0, "Jh 8h 7h 3c 4d", "3 STFL, 2 Gaps, 1 Hi", 33, "11100"},
                      Case{0, 0, "5h 6h 8h Kc 3d", "3 STFL, 1 Gap, 0 Hi, +234s", 36, "11100"},
                      Case{0, 0, "9h 6h 5h 2c 3d", "3 STFL, 2 Gaps, 0 Hi", 44, "11100"}));

INSTANTIATE_TEST_SUITE_P(
    StraightDraws, NaturalCases,
    ::testing::Values(Case{0, 0, "Tc Jd Qh Ks 5c", "TJQK", 15, "11110"},
                      Case{0, 0, "9c Td Jh Qs 3c", "9TJQ", 17, "11110"},
                      Case{0, 0, "8c 9d Th Js 3c", "89TJ", 18, "11110"},
                      Case{0, 0, "2c 3d 4h 5s 9c", "4 ST, Open, 2345-789T", 21, "11110"},
                      // Ace with three of Ten to King is an inside draw of all four.
                      Case{0, 0, "Ac Td Jh Qs 5c", "4 ST, Inside, 3 Hi Cards", 30, "11110"},
                      // Ace-Two-Three-Four is inside; without an entry of its own the Ace stays.
                      Case{0, 0, "Ac 2d 3h 4s 9c", "Ace", 43, "10000"},
                      Case{1, 1, "Ac 2d 3h 4s 9c", "4 ST, Inside, 1 Hi Card", 44, "11110"},
                      // Eight, Nine, Jack, Queen, King: the draw is Nine to King, no alternative.
                      Case{0, 0, "8c 9d Jh Qs Kc", "4 ST, Inside, 3 Hi Cards", 30, "01111"},
                      // Two inside windows of no high card: the lower one is the alternative.
                      Case{2, 0, "4h 5d 7c 8s 9h", "4 ST, Inside, 0 Hi Cards", 46, "01111",
                           "11110"},
                      // An open draw through a low pair: either Ten will do.
                      Case{0, 0, "Th Tc Jd Qs Kc", "TJQK", 15, "01111", "10111"},
                      Case{0, 1, "Tc Th Jd Qs Kc", "TJQK", 15, "01111", "10111"}));

INSTANTIATE_TEST_SUITE_P(
    HighCardsAndSuitedPairs, NaturalCases,
    ::testing::Values(Case{0, 0, "Qh Jh 3c 6d 8s", "QJs", 24, "11000"},
                      Case{0, 0, "Kh Jh 3c 6d 8s", "KQs, KJs", 27, "11000"},
                      Case{0, 0, "Ah Jh 3c 6d 8s", "AKs, AQs, AJs", 29, "11000"},
                      Case{0, 0, "Jh Th 3c 6d 8s", "JTs", 34, "11000"},
                      Case{0, 0, "Qh Th 3c 6d 8s", "QTs", 38, "11000"},
                      Case{0, 0, "Kh Th 3c 6d 8s", "KTs", 41, "11000"},
                      Case{0, 0, "Kc Qd Jh 3s 6c", "KQJ", 31, "11100"},
                      Case{0, 0, "Qc Jd 3h 5s 8c", "QJ", 32, "11000"},
                      Case{0, 0, "Kc Jd 3h 5s 8c", "KQ, KJ", 35, "11000"},
                      Case{0, 0, "Ac Kd 3h 5s 8c", "AK, AQ, AJ", 37, "11000"},
                      Case{0, 0, "Jc 3d 5h 8s 9c", "Jack", 39, "10000"},
                      Case{0, 0, "Ac Kd Qh 5s 8c", "KQ, KJ", 35, "01100"},
                      // Super Aces puts the lone Ace above two or three unsuited high cards.
                      Case{8, 0, "Ac Kd Qh 5s 8c", "Ace", 39, "10000"},
                      Case{4, 0, "Qc Jd Th 3s 5c", "QJT", 40, "11100"},
                      // An Ace with Nine, Ten, Jack is no "QJT": the Ace is kept.
                      Case{4, 0, "Ac 5d 9h Ts Jd", "Ace", 46, "10000"},
                      Case{1, 1, "Ac Kc 7c 9d 3h", "3 FL, 2 Hi Cards", 34, "11100"},
                      Case{1, 1, "4c 5c 9c 8d 2h", "3 FL, 0 Hi Cards", 56, "11100"},
                      Case{1, 1, "5c 6c 9d Th 2s", "2 STFL, Open, 45s-9Ts", 57, "11000"},
                      // The suited connectors are found in any suit, not only the first
                      // of the two-card suits: the same hand with its suits renamed.
                      Case{1, 1, "2d 3c 6d 8s 7s", "2 STFL, Open, 45s-9Ts", 57, "00011"},
                      Case{1, 1, "2s 3c 6s 8d 7d", "2 STFL, Open, 45s-9Ts", 57, "00011"}));

} // namespace
} // namespace quintaro
