// Classification of Deuces Wild on both pay tables: each hand is checked
// against the "3/2" list and the "4/3" list, entry, rank and hold together.

#include "advice_helpers.h"

namespace quintaro {
namespace {

struct DeucesCase {
    const char* hand;
    const char* low; // entry on "3/2"
    int lowRank;
    const char* high; // entry on "4/3"
    int highRank;
    const char* hold;
    const char* alt = "-";
    const char* highHold = nullptr; // when the "4/3" hold differs
    const char* highAlt = "-";
};

std::ostream& operator<<(std::ostream& os, const DeucesCase& c) {
    return os << "[" << c.hand << "]";
}

class DeucesCases : public ::testing::TestWithParam<DeucesCase> {};

TEST_P(DeucesCases, BothPayTables) {
    const DeucesCase& c = GetParam();
    testing::Check({kDeucesWild, 0, c.hand, c.low, c.lowRank, c.hold, c.alt});
    testing::Check({kDeucesWild, 1, c.hand, c.high, c.highRank, c.highHold ? c.highHold : c.hold,
                    c.highHold ? c.highAlt : c.alt});
}

INSTANTIATE_TEST_SUITE_P(
    ManyDeuces, DeucesCases,
    ::testing::Values(
        DeucesCase{"2c 2d 2h 2s 9c", "Pat Four Deuces", 2, "Pat Four Deuces", 2, "11111"},
        // Three deuces that make a straight flush keep only the deuces.
        DeucesCase{"2c 2d 2h 5s 6s", "Three Deuces", 6, "Three Deuces Only", 6, "11100"},
        DeucesCase{"2c 2d 2h As Ks", "Pat Wild Royal", 3, "Pat Wild Royal", 3, "11111"},
        DeucesCase{"2c 2d 2h 9s 9c", "Pat Five of a Kind", 5, "Pat Five of a Kind", 5, "11111"},
        DeucesCase{"2c 2d 7h 7s 9c", "Four of a Kind", 8, "Four of a Kind", 8, "11110"},
        DeucesCase{"2c 2d 7h 7s 7c", "Pat Five of a Kind", 5, "Pat Five of a Kind", 5, "11111"},
        DeucesCase{"2c 2d 5h 6h 7h", "Pat Straight Flush", 7, "Pat Straight Flush", 7, "11111"},
        DeucesCase{"2c 2d Ah 5d Kh", "4 Wild Royal (2 Deuces)", 9, "4 Wild Royal (2 Deuces)", 9,
                   "11101"},
        // All naturals suited: no straight-flush draw is looked for.
        DeucesCase{"2c 2d 5h 6h Jh", "Two Deuces", 13, "Two Deuces Only", 16, "11000"},
        // The same entry at position 11 and 14 with the same cards held.
        DeucesCase{"2c 2d 4h 5h 9s", "4 STFL, Open, 22-45s to 22-9Ts", 11,
                   "4 STFL, Open, 22-45s to 22-9Ts", 14, "11110"},
        DeucesCase{"2c 2d 5h 7h Ks", "4 STFL, 1 Gap,22-57s to 22-9Js", 12,
                   "4 STFL, 1 Gap,22-57s to 22-9Js", 15, "11110"},
        DeucesCase{"2c 2d 3h 4h Ks", "Two Deuces", 13, "Two Deuces Only", 16, "11000"}));

INSTANTIATE_TEST_SUITE_P(
    OneDeuceMade, DeucesCases,
    ::testing::Values(
        DeucesCase{"2c Th Jh Qh Kh", "Pat Wild Royal", 3, "Pat Wild Royal", 3, "11111"},
        DeucesCase{"2c 3h 3d 3s 3c", "Pat Five of a Kind", 5, "Pat Five of a Kind", 5, "11111"},
        DeucesCase{"2c 5h 6h 7h 8h", "Pat Straight Flush", 7, "Pat Straight Flush", 7, "11111"},
        DeucesCase{"2c 3h 3d 3s 8c", "Four of a Kind", 8, "Four of a Kind", 8, "11110"},
        DeucesCase{"2c 3h 3d 8s 8c", "Pat Full House", 14, "Pat Full House", 11, "11111"},
        // Four suited naturals without a straight flush or royal draw: a flush,
        // whatever straight-flush draw they hold.
        DeucesCase{"2c 3h 6h 9h Kh", "Pat Flush", 18, "Pat Flush", 17, "11111"},
        DeucesCase{"2c 5h 6h 7h Kh", "Pat Flush", 18, "Pat Flush", 17, "11111"},
        DeucesCase{"2c 5d 6h 7s 9c", "Pat Straight", 19, "Pat Straight", 21, "11111"},
        DeucesCase{"2c 3h 3d 8s Kc", "Three of a Kind", 20, "Three of a Kind", 24, "11100"}));

INSTANTIATE_TEST_SUITE_P(
    OneDeuceDraws, DeucesCases,
    ::testing::Values(
        // Ace, Jack, Queen and a low card of one suit: the low card goes.
        DeucesCase{"2c Ah Jh Qh 7h", "4 Wild Royal (1 Deuce)", 10, "4 Wild Royal, Ace Hi (1 Deuce)",
                   13, "11110"},
        DeucesCase{"2c Th Jh Qh 5c", "4 Wild Royal (1 Deuce)", 10,
                   "4 Wild Royal, Queen Hi (1 Deuce)", 10, "11110"},
        DeucesCase{"2c Th Jh Kh 5c", "4 Wild Royal (1 Deuce)", 10,
                   "4 Wild Royal, King Hi (1 Deuce)", 12, "11110"},
        DeucesCase{"2c 3h 4h 5h 9d", "2-345s, 2-456s", 16, "2-345s, 2-456s", 19, "11110"},
        DeucesCase{"2c 6h 7h 8h Kd", "4 STFL, Open, 2-567s to 2-9TJs", 15,
                   "4 STFL, Open, 2-567s to 2-9TJs", 18, "11110"},
        DeucesCase{"2c 5h 6h 8h Kd", "4 STFL, 1 Gap, 7-Q High", 17,
                   "4 STFL, 1 Gap, 7-Q High (1 Deuce)", 20, "11110"},
        DeucesCase{"2c 5h 7h 9h Kd", "4 STFL, 2 Gaps, 7-K Hi", 21,
                   "4 STFL, 2 Gaps, 7-K High(1 Deuce)", 22, "11110"},
        DeucesCase{"2c 3h 4h 6h Kd", "2-346s, 2-356s", 22, "2-346s, 2-356s", 23, "11110"},
        DeucesCase{"2c Ah 3h 4h Kd", "2-A34s, 2-A35s, 2-A45s", 24, "2-A34s, 2-A35s, 2-A45s", 26,
                   "11110"},
        DeucesCase{"2c Jh Th 4d 8s", "2-JTs", 27, "2-JTs", 29, "11100"},
        DeucesCase{"2c Qh Th 4d 8s", "2-QJs, 2-QTs", 28, "2-QJs, 2-QTs", 30, "11100"},
        DeucesCase{"2c Kh Qh 4d 8s", "2-KQs, 2-KJs, 2-KTs", 29, "2-KQs, 2-KJs, 2-KTs", 31, "11100"},
        DeucesCase{"2c 7h 8h 4d Ks", "3 STFL, Open, 2-67s to 2-9Ts", 30,
                   "3 STFL, Open, 2-67s to 2-9Ts", 32, "11100"},
        DeucesCase{"2c Ah Th 4d 8s", "2-AKs,2-AQs,2-AJs,2-ATs", 31, "2-AKs,2-AQs,2-AJs,2-ATs", 33,
                   "11100"},
        // A suited Ace and King beside suited Six and Seven: the straight-flush
        // draw ranks higher whichever suit comes first.
        DeucesCase{"2d Ah Kh 6d 7d", "3 STFL, Open, 2-67s to 2-9Ts", 30,
                   "3 STFL, Open, 2-67s to 2-9Ts", 32, "10011"},
        DeucesCase{"2d Ad Kd 6h 7h", "3 STFL, Open, 2-67s to 2-9Ts", 30,
                   "3 STFL, Open, 2-67s to 2-9Ts", 32, "10011"},
        // An open straight draw with one deuce has no entry on "4/3".
        DeucesCase{"2c 5d 6h 7s Kc", "4 ST, Open (1 Deuce)", 32, "Deuce Only", 37, "11110", "-",
                   "10000"},
        DeucesCase{"2c 5h 7h 9d Kc", "3 STFL, 1 Gap, 2-57s to 2-9Js", 33,
                   "3 STFL, 1 Gap, 2-57s to 2-9Js", 34, "11100"},
        DeucesCase{"2c 5h 6h 9d Kc", "2-56s", 34, "2-56s", 35, "11100"},
        DeucesCase{"2c 4h 5h 9d Kc", "1 Deuce", 35, "2-45s", 36, "10000", "-", "11100"},
        // Suited Three and Four: the open class needs the higher card a Five.
        DeucesCase{"2c 3h 4h 9d Kc", "1 Deuce", 35, "Deuce Only", 37, "10000"},
        DeucesCase{"2c 3h 4h 9h Kc", "1 Deuce", 35, "Deuce Only", 37, "10000"}));

INSTANTIATE_TEST_SUITE_P(
    NoDeuce, DeucesCases,
    ::testing::Values(
        DeucesCase{"Th Jh Qh Kh Ah", "Pat Royal (no Deuces)", 1, "Pat Royal (no Deuces)", 1,
                   "11111"},
        DeucesCase{"Th Jh Qh Kh 5c", "4 Royal", 4, "4 Royal (no Deuces)", 4, "11110"},
        // Four to a royal ranks above the straight flush: Nine to King keeps Ten to King.
        DeucesCase{"9h Th Jh Qh Kh", "4 Royal", 4, "4 Royal (no Deuces)", 4, "01111"},
        DeucesCase{"3h 4h 5h 6h 7h", "Pat Straight Flush", 7, "Pat Straight Flush", 7, "11111"},
        DeucesCase{"7c 7d 7h 7s 9c", "Four of a Kind", 8, "Four of a Kind", 8, "11110"},
        DeucesCase{"7c 7d 7h 9s 9c", "Pat Full House", 14, "Pat Full House", 11, "11111"},
        DeucesCase{"3h 6h 9h Jh Kh", "Pat Flush", 18, "Pat Flush", 17, "11111"},
        DeucesCase{"3c 4d 5h 6s 7c", "Pat Straight", 19, "Pat Straight", 21, "11111"},
        DeucesCase{"7c 7d 7h 9s Kc", "Three of a Kind", 20, "Three of a Kind", 24, "11100"},
        DeucesCase{"5h 6h 7h 8h Kc", "4 STFL, Open, 3456s to 9TJQs", 23,
                   "4 STFL, Open, 3456s to 9TJQs", 25, "11110"},
        DeucesCase{"5h 6h 8h 9h Kc", "4 STFL, Inside", 25, "4 STFL, Inside (no Deuces)", 27,
                   "11110"},
        DeucesCase{"Th Jh Kh 4c 8d", "3 Royal (no Deuces)", 26, "3 Royal (no Deuces)", 28, "11100"},
        // Three to a royal ranks above the pairs, two pair too.
        DeucesCase{"Qs Js Ts Qh Jd", "3 Royal (no Deuces)", 26, "3 Royal (no Deuces)", 28, "11100"},
        DeucesCase{"As Ks Ah Kd Ts", "3 Royal (no Deuces)", 26, "3 Royal (no Deuces)", 28, "11001"},
        // Two pairs: the higher pair (Aces highest) with the other as alternative
        // on "3/2", both pairs on "4/3".
        DeucesCase{"Ac Ad 5c 5h 9d", "One Pair", 36, "Two Pair", 39, "11000", "00110", "11110",
                   "-"},
        DeucesCase{"5c 5h Kc Kd 9d", "One Pair", 36, "Two Pair", 39, "00110", "11000", "11110",
                   "-"},
        DeucesCase{"Jc Jd 4h 7s 9c", "One Pair", 36, "One Pair", 41, "11000"},
        DeucesCase{"5h 6h 7h Kc 3d", "3 STFL, Open, 567s-9TJs", 37, "3 STFL, Open, 567s-9TJs", 40,
                   "11100"},
        DeucesCase{"4c 5d 6h 7s Kc", "4 ST, Open, but not 3456", 38, "4 ST, Open, but not 3456", 42,
                   "11110"},
        DeucesCase{"3h 7h 9h Jh Kc", "4 Flush", 39, "4 Flush", 38, "11110"},
        DeucesCase{"4h 5h 7h Kc 9d", "3 STFL, 1 Gap, 7-Q High", 40, "3 STFL, 1 Gap, 7-Q High", 43,
                   "11100"},
        DeucesCase{"4h 5h 6h Kc 9d", "456s", 41, "456s", 44, "11100"},
        DeucesCase{"3h 4h 5h Kc 9d", "345s", 42, "345s", 45, "11100"},
        DeucesCase{"7h Th Jh 3c 4d", "JT7s", 43, "3 STFL, 2 Gaps, 7-K High", 46, "11100"},
        DeucesCase{"Jh Th 3c 6s 8d", "JTs", 44, "JTs", 48, "11000"},
        DeucesCase{"3h 5h 7h Kc 9d", "3 STFL, 2 Gaps, 7-K High", 45, "3 STFL, 2 Gaps, 7-K High", 46,
                   "11100"},
        DeucesCase{"3h 4h 6h Kc 9d", "346s, 356s", 46, "346s, 356s", 47, "11100"},
        DeucesCase{"Qh Th 3c 6s 8d", "QTs, QJs", 47, "QTs, QJs", 49, "11000"},
        DeucesCase{"3c 4d 5h 6s Kc", "3456", 48, "3456", 50, "11110"},
        DeucesCase{"Ah 3h 4h Kc 9d", "Redraw", 51, "A34s, A35s, A45s", 51, "00000", "-", "11100"},
        DeucesCase{"4c 5d 7h 8s Kc", "4 ST, Inside, but not A345", 49, "4 ST, Inside, but not A345",
                   52, "11110"},
        DeucesCase{"4c 5d 7h 8s 9c", "4 ST, Inside, but not A345", 49, "4 ST, Inside, but not A345",
                   52, "01111", "11110"},
        DeucesCase{"Kh Th 3c 6s 8d", "KQs, KJs, KTs", 50, "KQs, KJs, KTs", 53, "11000"},
        // Ace-Three-Four-Five is the excluded inside draw.
        DeucesCase{"Ah 3d 4c 5s 7h", "Redraw", 51, "Redraw", 54, "00000"}));

} // namespace
} // namespace quintaro
