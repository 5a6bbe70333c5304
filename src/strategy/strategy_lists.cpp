// The eighteen strategy lists. Each list's entries stand in rank order; the
// order is the classification order, so it decides every hold. Every ev is the
// float nearest to its four-place figure.

#include <cassert>
#include <cstddef>
#include <cstdio>

#include "core/game_variant.h"

#include "strategy/strategy_list.h"

namespace quintaro {
namespace {

// The text of every entry id: the one place an entry's text is written. The lists
// below take their entries' names from here.
constexpr std::array<const char*, kEntryIdCount> kEntryNames{{
    "",
    "Pat Royal",
    "Pat Straight Flush",
    "Pat Four of a kind",
    "4 Royal",
    "Pat Full House",
    "Pat Flush",
    "Three of a Kind",
    "Pat Straight",
    "4 STFL, Open, 2345s-9TJQs",
    "Two Pair",
    "4 STFL, Inside",
    "High Pair JJ-AA",
    "3 Royal",
    "4 Flush",
    "TJQK",
    "Low Pair 22-TT",
    "9TJQ",
    "89TJ",
    "QJ9s",
    "JT9s",
    "4 ST, Open, 2345-789T",
    "QJ8s",
    "AKQJ",
    "QJs",
    "3 STFL, Open, 345s-89Ts",
    "KQ9s, KJ9s",
    "KQs, KJs",
    "QT9s, JT8s, J98s",
    "AKs, AQs, AJs",
    "4 ST, Inside, 3 Hi Cards",
    "KQJ",
    "QJ",
    "3 STFL, 2 Gaps, 1 Hi",
    "JTs",
    "KQ, KJ",
    "3 STFL, 1 Gap, 0 Hi, +234s",
    "AK, AQ, AJ",
    "QTs",
    "Jack",
    "Queen",
    "KTs",
    "King",
    "Ace",
    "3 STFL, 2 Gaps, 0 Hi",
    "Redraw",
    "Four Aces",
    "Pat Four 2,3,4",
    "Pat Four 5's to K's",
    "3 Aces",
    "Three 2,3,4",
    "Three 5's to K's",
    "Pair Aces",
    "Pair JJ, QQ, KK",
    "Pair 22, 33, 44",
    "Pair 55 to TT",
    "QJTs",
    "KQJs, KQTs, KJTs",
    "AKQs,AKJs,AKTs,AQJs,AQTs,AJTs",
    "4 ST, Open 2345-TJQK",
    "3 FL, 2 Hi Cards",
    "4 ST, Inside, 2 Hi Cards",
    "3 FL, 1 Hi Card",
    "QJT",
    "4 ST, Inside, 1 Hi Card",
    "4 ST, Inside, 0 Hi Cards",
    "3 FL, 0 Hi Cards",
    "2 STFL, Open, 45s-9Ts",
    "Pat Four of a Kind",
    "Pat Royal (no Deuces)",
    "Pat Four Deuces",
    "Pat Wild Royal",
    "Pat Five of a Kind",
    "Three Deuces",
    "Four of a Kind",
    "4 Wild Royal (2 Deuces)",
    "4 Wild Royal (1 Deuce)",
    "4 STFL, Open, 22-45s to 22-9Ts",
    "4 STFL, 1 Gap,22-57s to 22-9Js",
    "Two Deuces",
    "4 STFL, Open, 2-567s to 2-9TJs",
    "2-345s, 2-456s",
    "4 STFL, 1 Gap, 7-Q High",
    "4 STFL, 2 Gaps, 7-K Hi",
    "2-346s, 2-356s",
    "4 STFL, Open, 3456s to 9TJQs",
    "2-A34s, 2-A35s, 2-A45s",
    "3 Royal (no Deuces)",
    "2-JTs",
    "2-QJs, 2-QTs",
    "2-KQs, 2-KJs, 2-KTs",
    "3 STFL, Open, 2-67s to 2-9Ts",
    "2-AKs,2-AQs,2-AJs,2-ATs",
    "4 ST, Open (1 Deuce)",
    "3 STFL, 1 Gap, 2-57s to 2-9Js",
    "2-56s",
    "1 Deuce",
    "One Pair",
    "3 STFL, Open, 567s-9TJs",
    "4 ST, Open, but not 3456",
    "3 STFL, 1 Gap, 7-Q High",
    "456s",
    "345s",
    "JT7s",
    "3 STFL, 2 Gaps, 7-K High",
    "346s, 356s",
    "QTs, QJs",
    "3456",
    "4 ST, Inside, but not A345",
    "KQs, KJs, KTs",
    "4 Royal (no Deuces)",
    "Three Deuces Only",
    "4 Wild Royal, Queen Hi (1 Deuce)",
    "4 Wild Royal, King Hi (1 Deuce)",
    "4 Wild Royal, Ace Hi (1 Deuce)",
    "Two Deuces Only",
    "4 STFL, 1 Gap, 7-Q High (1 Deuce)",
    "4 STFL, 2 Gaps, 7-K High(1 Deuce)",
    "4 STFL, Inside (no Deuces)",
    "2-45s",
    "Deuce Only",
    "A34s, A35s, A45s",
    "Four 2,3,4",
    "Pat Four Aces w/ Kicker",
    "Pat Four 2,3,4 w/Kicker",
    "Four K,Q,J",
    "Pat Four 5's to 10's",
    "Three K,Q,J",
    "Three 5's to T's",
    "Pat Four Aces w Kicker",
    "Pat Four 2,3,4 w Kicker",
    "3 Aces with Kicker",
    "Pat Four 5,'s to K's",
}};

// A list slot: the entry of `id` with its value per coin.
constexpr StrategyEntry Slot(EntryId id, float ev) {
    return {kEntryNames[static_cast<std::size_t>(id)], ev, id};
}

// Jacks or Better, pay table "8/5": 45 entries.
constexpr StrategyEntry kJacks8_5[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),           // 1
    Slot(EntryId::kPatStraightFlush, 50.0000f),    // 2
    Slot(EntryId::kPatFourOfAKindLower, 25.0000f), // 3
    Slot(EntryId::k4Royal, 18.2766f),              // 4
    Slot(EntryId::kPatFullHouse, 8.0000f),         // 5
    Slot(EntryId::kPatFlush, 5.0000f),             // 6
    Slot(EntryId::kThreeOfAKind, 4.2461f),         // 7
    Slot(EntryId::kPatStraight, 4.0000f),          // 8
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.3005f),  // 9
    Slot(EntryId::kTwoPair, 2.5106f),              // 10
    Slot(EntryId::k4STFLInside, 2.0817f),          // 11
    Slot(EntryId::kHighPairJJAA, 1.5301f),         // 12
    Slot(EntryId::k3Royal, 1.2877f),               // 13
    Slot(EntryId::k4Flush, 1.0532f),               // 14
    Slot(EntryId::kTJQK, 0.8723f),                 // 15
    Slot(EntryId::kLowPair22TT, 0.8135f),          // 16
    Slot(EntryId::k9TJQ, 0.7979f),                 // 17
    Slot(EntryId::k89TJ, 0.7447f),                 // 18
    Slot(EntryId::kQJ9s, 0.6883f),                 // 19
    Slot(EntryId::kJT9s, 0.6827f),                 // 20
    Slot(EntryId::k4STOpen2345789T, 0.6809f),      // 21
    Slot(EntryId::kQJ8s, 0.5941f),                 // 22
    Slot(EntryId::kAKQJ, 0.5938f),                 // 23
    Slot(EntryId::kQJs, 0.5917f),                  // 24
    Slot(EntryId::k3STFLOpen345s89Ts, 0.5911f),    // 25
    Slot(EntryId::kKQ9sKJ9s, 0.5846f),             // 26
    Slot(EntryId::kKQsKJs, 0.5747f),               // 27
    Slot(EntryId::kQT9sJT8sJ98s, 0.5698f),         // 28
    Slot(EntryId::kAKsAQsAJs, 0.5662f),            // 29
    Slot(EntryId::k4STInside3HiCards, 0.5319f),    // 30
    Slot(EntryId::kKQJ, 0.5153f),                  // 31
    Slot(EntryId::kQJ, 0.5048f),                   // 32
    Slot(EntryId::k3STFL2Gaps1Hi, 0.4911f),        // 33
    Slot(EntryId::kJTs, 0.4897f),                  // 34
    Slot(EntryId::kKQKJ, 0.4890f),                 // 35
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.4862f), // 36
    Slot(EntryId::kAKAQAJ, 0.4772f),               // 37
    Slot(EntryId::kQTs, 0.4721f),                  // 38
    Slot(EntryId::kJack, 0.4707f),                 // 39
    Slot(EntryId::kQueen, 0.4676f),                // 40
    Slot(EntryId::kKTs, 0.4637f),                  // 41
    Slot(EntryId::kKing, 0.4603f),                 // 42
    Slot(EntryId::kAce, 0.4582f),                  // 43
    Slot(EntryId::k3STFL2Gaps0Hi, 0.3969f),        // 44
    Slot(EntryId::kRedraw, 0.3564f),               // 45
};

// Jacks or Better, pay table "9/6": 45 entries.
constexpr StrategyEntry kJacks9_6[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),           // 1
    Slot(EntryId::kPatStraightFlush, 50.0000f),    // 2
    Slot(EntryId::kPatFourOfAKindLower, 25.0000f), // 3
    Slot(EntryId::k4Royal, 18.4255f),              // 4
    Slot(EntryId::kPatFullHouse, 9.0000f),         // 5
    Slot(EntryId::kPatFlush, 6.0000f),             // 6
    Slot(EntryId::kThreeOfAKind, 4.3080f),         // 7
    Slot(EntryId::kPatStraight, 4.0000f),          // 8
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.4282f),  // 9
    Slot(EntryId::kTwoPair, 2.5957f),              // 10
    Slot(EntryId::k4STFLInside, 2.2307f),          // 11
    Slot(EntryId::kHighPairJJAA, 1.5405f),         // 12
    Slot(EntryId::k3Royal, 1.3201f),               // 13
    Slot(EntryId::k4Flush, 1.2447f),               // 14
    Slot(EntryId::kTJQK, 0.8723f),                 // 15
    Slot(EntryId::kLowPair22TT, 0.8237f),          // 16
    Slot(EntryId::k9TJQ, 0.7979f),                 // 17
    Slot(EntryId::k89TJ, 0.7447f),                 // 18
    Slot(EntryId::kQJ9s, 0.7280f),                 // 19
    Slot(EntryId::kJT9s, 0.7216f),                 // 20
    Slot(EntryId::k4STOpen2345789T, 0.6809f),      // 21
    Slot(EntryId::kQJ8s, 0.6348f),                 // 22
    Slot(EntryId::k3STFLOpen345s89Ts, 0.6300f),    // 23
    Slot(EntryId::kKQ9sKJ9s, 0.6253f),             // 24
    Slot(EntryId::kQT9sJT8sJ98s, 0.6096f),         // 25
    Slot(EntryId::kQJs, 0.6000f),                  // 26
    Slot(EntryId::kAKQJ, 0.5938f),                 // 27
    Slot(EntryId::kKQsKJs, 0.5858f),               // 28
    Slot(EntryId::kAKsAQsAJs, 0.5774f),            // 29
    Slot(EntryId::k4STInside3HiCards, 0.5319f),    // 30
    Slot(EntryId::k3STFL2Gaps1Hi, 0.5318f),        // 31
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.5260f), // 32
    Slot(EntryId::kKQJ, 0.5153f),                  // 33
    Slot(EntryId::kQJ, 0.5059f),                   // 34
    Slot(EntryId::kJTs, 0.5008f),                  // 35
    Slot(EntryId::kKQKJ, 0.4901f),                 // 36
    Slot(EntryId::kQTs, 0.4804f),                  // 37
    Slot(EntryId::kAKAQAJ, 0.4783f),               // 38
    Slot(EntryId::kKTs, 0.4749f),                  // 39
    Slot(EntryId::kJack, 0.4742f),                 // 40
    Slot(EntryId::kQueen, 0.4704f),                // 41
    Slot(EntryId::kKing, 0.4638f),                 // 42
    Slot(EntryId::kAce, 0.4622f),                  // 43
    Slot(EntryId::k3STFL2Gaps0Hi, 0.4376f),        // 44
    Slot(EntryId::kRedraw, 0.3598f),               // 45
};

// Bonus Poker, pay table "8/5": 51 entries.
constexpr StrategyEntry kBonusPoker8_5[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),           // 1
    Slot(EntryId::kFourAces, 80.0000f),            // 2
    Slot(EntryId::kPatStraightFlush, 50.0000f),    // 3
    Slot(EntryId::kPatFour234, 40.0000f),          // 4
    Slot(EntryId::kPatFour5sToKs, 25.0000f),       // 5
    Slot(EntryId::k4Royal, 18.2766f),              // 6
    Slot(EntryId::kPatFullHouse, 8.0000f),         // 7
    Slot(EntryId::k3Aces, 6.5865f),                // 8
    Slot(EntryId::kPatFlush, 5.0000f),             // 9
    Slot(EntryId::kThree234, 4.8844f),             // 10
    Slot(EntryId::kThree5sToKs, 4.2461f),          // 11
    Slot(EntryId::kPatStraight, 4.0000f),          // 12
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.3005f),  // 13
    Slot(EntryId::kTwoPair, 2.5106f),              // 14
    Slot(EntryId::k4STFLInside, 2.0817f),          // 15
    Slot(EntryId::kPairAces, 1.6828f),             // 16
    Slot(EntryId::kPairJJQQKK, 1.5301f),           // 17
    Slot(EntryId::k3Royal, 1.2877f),               // 18
    Slot(EntryId::k4Flush, 1.0532f),               // 19
    Slot(EntryId::kTJQK, 0.8723f),                 // 20
    Slot(EntryId::kPair223344, 0.8551f),           // 21
    Slot(EntryId::kPair55ToTT, 0.8135f),           // 22
    Slot(EntryId::k9TJQ, 0.7979f),                 // 23
    Slot(EntryId::k89TJ, 0.7447f),                 // 24
    Slot(EntryId::kQJ9s, 0.6883f),                 // 25
    Slot(EntryId::kJT9s, 0.6827f),                 // 26
    Slot(EntryId::k4STOpen2345789T, 0.6809f),      // 27
    Slot(EntryId::kQJ8s, 0.5941f),                 // 28
    Slot(EntryId::kAKQJ, 0.5938f),                 // 29
    Slot(EntryId::kQJs, 0.5917f),                  // 30
    Slot(EntryId::k3STFLOpen345s89Ts, 0.5911f),    // 31
    Slot(EntryId::kKQ9sKJ9s, 0.5846f),             // 32
    Slot(EntryId::kKQsKJs, 0.5747f),               // 33
    Slot(EntryId::kQT9sJT8sJ98s, 0.5698f),         // 34
    Slot(EntryId::kAKsAQsAJs, 0.5696f),            // 35
    Slot(EntryId::k4STInside3HiCards, 0.5319f),    // 36
    Slot(EntryId::kKQJ, 0.5153f),                  // 37
    Slot(EntryId::kQJ, 0.5048f),                   // 38
    Slot(EntryId::k3STFL2Gaps1Hi, 0.4911f),        // 39
    Slot(EntryId::kJTs, 0.4897f),                  // 40
    Slot(EntryId::kKQKJ, 0.4890f),                 // 41
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.4862f), // 42
    Slot(EntryId::kAKAQAJ, 0.4805f),               // 43
    Slot(EntryId::kQTs, 0.4721f),                  // 44
    Slot(EntryId::kAce, 0.4721f),                  // 45
    Slot(EntryId::kJack, 0.4712f),                 // 46
    Slot(EntryId::kQueen, 0.4681f),                // 47
    Slot(EntryId::kKTs, 0.4637f),                  // 48
    Slot(EntryId::kKing, 0.4606f),                 // 49
    Slot(EntryId::k3STFL2Gaps0Hi, 0.3969f),        // 50
    Slot(EntryId::kRedraw, 0.3583f),               // 51
};

// Bonus Poker, pay table "10/8": 58 entries.
constexpr StrategyEntry kBonusPoker10_8[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),               // 1
    Slot(EntryId::kFourAces, 80.0000f),                // 2
    Slot(EntryId::kPatStraightFlush, 50.0000f),        // 3
    Slot(EntryId::kPatFour234, 40.0000f),              // 4
    Slot(EntryId::kPatFour5sToKs, 25.0000f),           // 5
    Slot(EntryId::k4Royal, 18.8000f),                  // 6
    Slot(EntryId::kPatFullHouse, 10.0000f),            // 7
    Slot(EntryId::kPatFlush, 8.0000f),                 // 8
    Slot(EntryId::k3Aces, 6.7105f),                    // 9
    Slot(EntryId::kThree234, 5.0083f),                 // 10
    Slot(EntryId::kPatStraight, 5.0000f),              // 11
    Slot(EntryId::kThree5sToKs, 4.3700f),              // 12
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.8112f),      // 13
    Slot(EntryId::k4STFLInside, 2.5924f),              // 14
    Slot(EntryId::kTwoPair, 1.7660f),                  // 15
    Slot(EntryId::k4Flush, 1.6277f),                   // 16
    Slot(EntryId::kQJTs, 1.5569f),                     // 17
    Slot(EntryId::kPairAces, 1.5415f),                 // 18
    Slot(EntryId::kKQJsKQTsKJTs, 1.4639f),             // 19
    Slot(EntryId::kPairJJQQKK, 1.3888f),               // 20
    Slot(EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs, 1.3793f), // 21
    Slot(EntryId::k4STOpen2345TJQK, 0.9149f),          // 22
    Slot(EntryId::kJT9s, 0.8215f),                     // 23
    Slot(EntryId::kQJ9s, 0.8159f),                     // 24
    Slot(EntryId::k3STFLOpen345s89Ts, 0.7243f),        // 25
    Slot(EntryId::kPair223344, 0.7156f),               // 26
    Slot(EntryId::kQJ8s, 0.7051f),                     // 27
    Slot(EntryId::kKQ9sKJ9s, 0.6920f),                 // 28
    Slot(EntryId::kQT9sJT8sJ98s, 0.6846f),             // 29
    Slot(EntryId::kAKQJ, 0.6789f),                     // 30
    Slot(EntryId::kPair55ToTT, 0.6740f),               // 31
    Slot(EntryId::k4STInside3HiCards, 0.6170f),        // 32
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.6059f),     // 33
    Slot(EntryId::k3FL2HiCards, 0.6022f),              // 34
    Slot(EntryId::k3STFL2Gaps1Hi, 0.6021f),            // 35
    Slot(EntryId::kQJs, 0.5814f),                      // 36
    Slot(EntryId::kKQsKJs, 0.5675f),                   // 37
    Slot(EntryId::kAKsAQsAJs, 0.5612f),                // 38
    Slot(EntryId::k4STInside2HiCards, 0.5532f),        // 39
    Slot(EntryId::kKQJ, 0.5199f),                      // 40
    Slot(EntryId::k3STFL2Gaps0Hi, 0.5079f),            // 41
    Slot(EntryId::k3FL1HiCard, 0.5014f),               // 42
    Slot(EntryId::kQJT, 0.4940f),                      // 43
    Slot(EntryId::k4STInside1HiCard, 0.4894f),         // 44
    Slot(EntryId::kJTs, 0.4779f),                      // 45
    Slot(EntryId::kQJ, 0.4740f),                       // 46
    Slot(EntryId::kQTs, 0.4645f),                      // 47
    Slot(EntryId::kKQKJ, 0.4543f),                     // 48
    Slot(EntryId::kKTs, 0.4437f),                      // 49
    Slot(EntryId::kAKAQAJ, 0.4429f),                   // 50
    Slot(EntryId::kAce, 0.4349f),                      // 51
    Slot(EntryId::kJack, 0.4349f),                     // 52
    Slot(EntryId::kQueen, 0.4283f),                    // 53
    Slot(EntryId::k4STInside0HiCards, 0.4255f),        // 54
    Slot(EntryId::kKing, 0.4216f),                     // 55
    Slot(EntryId::k3FL0HiCards, 0.4024f),              // 56
    Slot(EntryId::k2STFLOpen45s9Ts, 0.3244f),          // 57
    Slot(EntryId::kRedraw, 0.3239f),                   // 58
};

// Bonus Deluxe, pay table "8/6": 47 entries.
constexpr StrategyEntry kBonusDeluxe8_6[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),           // 1
    Slot(EntryId::kPatFourOfAKind, 80.0000f),      // 2
    Slot(EntryId::kPatStraightFlush, 50.0000f),    // 3
    Slot(EntryId::k4Royal, 18.4255f),              // 4
    Slot(EntryId::kPatFullHouse, 8.0000f),         // 5
    Slot(EntryId::kThreeOfAKind, 6.5865f),         // 6
    Slot(EntryId::kPatFlush, 6.0000f),             // 7
    Slot(EntryId::kPatStraight, 4.0000f),          // 8
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.4282f),  // 9
    Slot(EntryId::k4STFLInside, 2.2307f),          // 10
    Slot(EntryId::kTwoPair, 1.5957f),              // 11
    Slot(EntryId::kHighPairJJAA, 1.5206f),         // 12
    Slot(EntryId::k3Royal, 1.3006f),               // 13
    Slot(EntryId::k4Flush, 1.2447f),               // 14
    Slot(EntryId::kTJQK, 0.8723f),                 // 15
    Slot(EntryId::kLowPair22TT, 0.8063f),          // 16
    Slot(EntryId::k9TJQ, 0.7979f),                 // 17
    Slot(EntryId::k89TJ, 0.7447f),                 // 18
    Slot(EntryId::kQJ9s, 0.7086f),                 // 19
    Slot(EntryId::kJT9s, 0.7021f),                 // 20
    Slot(EntryId::k4STOpen2345789T, 0.6809f),      // 21
    Slot(EntryId::kQJ8s, 0.6098f),                 // 22
    Slot(EntryId::k3STFLOpen345s89Ts, 0.6050f),    // 23
    Slot(EntryId::kKQ9sKJ9s, 0.6004f),             // 24
    Slot(EntryId::kAKQJ, 0.5938f),                 // 25
    Slot(EntryId::kQT9sJT8sJ98s, 0.5846f),         // 26
    Slot(EntryId::kQJs, 0.5618f),                  // 27
    Slot(EntryId::kKQsKJs, 0.5476f),               // 28
    Slot(EntryId::kAKsAQsAJs, 0.5393f),            // 29
    Slot(EntryId::k4STInside3HiCards, 0.5319f),    // 30
    Slot(EntryId::k3STFL2Gaps1Hi, 0.5068f),        // 31
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.5010f), // 32
    Slot(EntryId::kKQJ, 0.4903f),                  // 33
    Slot(EntryId::k4STInside2HiCards, 0.4681f),    // 34
    Slot(EntryId::kQJ, 0.4677f),                   // 35
    Slot(EntryId::kJTs, 0.4626f),                  // 36
    Slot(EntryId::kKQKJ, 0.4519f),                 // 37
    Slot(EntryId::kQTs, 0.4422f),                  // 38
    Slot(EntryId::kAKAQAJ, 0.4401f),               // 39
    Slot(EntryId::kJack, 0.4389f),                 // 40
    Slot(EntryId::kKTs, 0.4367f),                  // 41
    Slot(EntryId::kQueen, 0.4351f),                // 42
    Slot(EntryId::kKing, 0.4285f),                 // 43
    Slot(EntryId::kAce, 0.4268f),                  // 44
    Slot(EntryId::k3STFL2Gaps0Hi, 0.4126f),        // 45
    Slot(EntryId::k4STInside0HiCards, 0.3404f),    // 46
    Slot(EntryId::kRedraw, 0.3231f),               // 47
};

// Bonus Deluxe, pay table "8/5": 47 entries.
constexpr StrategyEntry kBonusDeluxe8_5[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),           // 1
    Slot(EntryId::kPatFourOfAKind, 80.0000f),      // 2
    Slot(EntryId::kPatStraightFlush, 50.0000f),    // 3
    Slot(EntryId::k4Royal, 18.2766f),              // 4
    Slot(EntryId::kPatFullHouse, 8.0000f),         // 5
    Slot(EntryId::kThreeOfAKind, 6.5865f),         // 6
    Slot(EntryId::kPatFlush, 5.0000f),             // 7
    Slot(EntryId::kPatStraight, 4.0000f),          // 8
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.3005f),  // 9
    Slot(EntryId::k4STFLInside, 2.0817f),          // 10
    Slot(EntryId::kTwoPair, 1.5957f),              // 11
    Slot(EntryId::kHighPairJJAA, 1.5206f),         // 12
    Slot(EntryId::k3Royal, 1.2683f),               // 13
    Slot(EntryId::k4Flush, 1.0532f),               // 14
    Slot(EntryId::kTJQK, 0.8723f),                 // 15
    Slot(EntryId::kLowPair22TT, 0.8063f),          // 16
    Slot(EntryId::k9TJQ, 0.7979f),                 // 17
    Slot(EntryId::k89TJ, 0.7447f),                 // 18
    Slot(EntryId::k4STOpen2345789T, 0.6809f),      // 19
    Slot(EntryId::kQJ9s, 0.6688f),                 // 20
    Slot(EntryId::kJT9s, 0.6633f),                 // 21
    Slot(EntryId::kAKQJ, 0.5938f),                 // 22
    Slot(EntryId::kQJ8s, 0.5691f),                 // 23
    Slot(EntryId::k3STFLOpen345s89Ts, 0.5661f),    // 24
    Slot(EntryId::kKQ9sKJ9s, 0.5597f),             // 25
    Slot(EntryId::kQJs, 0.5546f),                  // 26
    Slot(EntryId::kQT9sJT8sJ98s, 0.5449f),         // 27
    Slot(EntryId::kKQsKJs, 0.5376f),               // 28
    Slot(EntryId::k4STInside3HiCards, 0.5319f),    // 29
    Slot(EntryId::kAKsAQsAJs, 0.5291f),            // 30
    Slot(EntryId::kKQJ, 0.4903f),                  // 31
    Slot(EntryId::k4STInside2HiCards, 0.4681f),    // 32
    Slot(EntryId::kQJ, 0.4677f),                   // 33
    Slot(EntryId::k3STFL2Gaps1Hi, 0.4661f),        // 34
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.4612f), // 35
    Slot(EntryId::kJTs, 0.4527f),                  // 36
    Slot(EntryId::kKQKJ, 0.4519f),                 // 37
    Slot(EntryId::kAKAQAJ, 0.4401f),               // 38
    Slot(EntryId::kJack, 0.4370f),                 // 39
    Slot(EntryId::kQTs, 0.4350f),                  // 40
    Slot(EntryId::kQueen, 0.4339f),                // 41
    Slot(EntryId::kKTs, 0.4266f),                  // 42
    Slot(EntryId::kKing, 0.4266f),                 // 43
    Slot(EntryId::kAce, 0.4245f),                  // 44
    Slot(EntryId::k3STFL2Gaps0Hi, 0.3719f),        // 45
    Slot(EntryId::k4STInside0HiCards, 0.3404f),    // 46
    Slot(EntryId::kRedraw, 0.3211f),               // 47
};

// Deuces Wild, pay table "3/2": 51 entries.
constexpr StrategyEntry kDeucesWild3_2[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyalNoDeuces, 800.0000f),    // 1
    Slot(EntryId::kPatFourDeuces, 200.0000f),       // 2
    Slot(EntryId::kPatWildRoyal, 25.0000f),         // 3
    Slot(EntryId::k4Royal, 19.5319f),               // 4
    Slot(EntryId::kPatFiveOfAKind, 16.0000f),       // 5
    Slot(EntryId::kThreeDeuces, 14.3552f),          // 6
    Slot(EntryId::kPatStraightFlush, 10.0000f),     // 7
    Slot(EntryId::kFourOfAKind, 5.0213f),           // 8
    Slot(EntryId::k4WildRoyal2Deuces, 4.5106f),     // 9
    Slot(EntryId::k4WildRoyal1Deuce, 3.6596f),      // 10
    Slot(EntryId::k4STFLOpen2245sTo229Ts, 3.3617f), // 11
    Slot(EntryId::k4STFL1Gap2257sTo229Js, 3.1489f), // 12
    Slot(EntryId::kTwoDeuces, 3.0173f),             // 13
    Slot(EntryId::kPatFullHouse, 3.0000f),          // 14
    Slot(EntryId::k4STFLOpen2567sTo29TJs, 2.3830f), // 15
    Slot(EntryId::k2345s2456s, 2.0851f),            // 16
    Slot(EntryId::k4STFL1Gap7QHigh, 2.0851f),       // 17
    Slot(EntryId::kPatFlush, 2.0000f),              // 18
    Slot(EntryId::kPatStraight, 2.0000f),           // 19
    Slot(EntryId::kThreeOfAKind, 1.8326f),          // 20
    Slot(EntryId::k4STFL2Gaps7KHi, 1.7660f),        // 21
    Slot(EntryId::k2346s2356s, 1.7660f),            // 22
    Slot(EntryId::k4STFLOpen3456sTo9TJQs, 1.7447f), // 23
    Slot(EntryId::k2A34s2A35s2A45s, 1.5106f),       // 24
    Slot(EntryId::k4STFLInside, 1.4894f),           // 25
    Slot(EntryId::k3RoyalNoDeuces, 1.3164f),        // 26
    Slot(EntryId::k2JTs, 1.3071f),                  // 27
    Slot(EntryId::k2QJs2QTs, 1.2063f),              // 28
    Slot(EntryId::k2KQs2KJs2KTs, 1.1073f),          // 29
    Slot(EntryId::k3STFLOpen267sTo29Ts, 1.0934f),   // 30
    Slot(EntryId::k2AKs2AQs2AJs2ATs, 1.0241f),      // 31
    Slot(EntryId::k4STOpen1Deuce, 1.0000f),         // 32
    Slot(EntryId::k3STFL1Gap257sTo29Js, 1.0000f),   // 33
    Slot(EntryId::k256s, 0.9926f),                  // 34
    Slot(EntryId::k1Deuce, 0.9868f),                // 35
    Slot(EntryId::kOnePair, 0.5246f),               // 36
    Slot(EntryId::k3STFLOpen567s9TJs, 0.5208f),     // 37
    Slot(EntryId::k4STOpenButNot3456, 0.5106f),     // 38
    Slot(EntryId::k4Flush, 0.5106f),                // 39
    Slot(EntryId::k3STFL1Gap7QHigh, 0.4505f),       // 40
    Slot(EntryId::k456s, 0.4505f),                  // 41
    Slot(EntryId::k345s, 0.4209f),                  // 42
    Slot(EntryId::kJT7s, 0.3719f),                  // 43
    Slot(EntryId::kJTs, 0.3716f),                   // 44
    Slot(EntryId::k3STFL2Gaps7KHigh, 0.3691f),      // 45
    Slot(EntryId::k346s356s, 0.3636f),              // 46
    Slot(EntryId::kQTsQJs, 0.3502f),                // 47
    Slot(EntryId::k3456, 0.3405f),                  // 48
    Slot(EntryId::k4STInsideButNotA345, 0.3404f),   // 49
    Slot(EntryId::kKQsKJsKTs, 0.3147f),             // 50
    Slot(EntryId::kRedraw, 0.3094f),                // 51
};

// Deuces Wild, pay table "4/3": 54 entries.
constexpr StrategyEntry kDeucesWild4_3[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyalNoDeuces, 800.0000f),      // 1
    Slot(EntryId::kPatFourDeuces, 200.0000f),         // 2
    Slot(EntryId::kPatWildRoyal, 25.0000f),           // 3
    Slot(EntryId::k4RoyalNoDeuces, 19.6596f),         // 4
    Slot(EntryId::kPatFiveOfAKind, 16.0000f),         // 5
    Slot(EntryId::kThreeDeucesOnly, 14.3552f),        // 6
    Slot(EntryId::kPatStraightFlush, 10.0000f),       // 7
    Slot(EntryId::kFourOfAKind, 5.0213f),             // 8
    Slot(EntryId::k4WildRoyal2Deuces, 4.6383f),       // 9
    Slot(EntryId::k4WildRoyalQueenHi1Deuce, 4.0426f), // 10
    Slot(EntryId::kPatFullHouse, 4.0000f),            // 11
    Slot(EntryId::k4WildRoyalKingHi1Deuce, 3.7660f),  // 12
    Slot(EntryId::k4WildRoyalAceHi1Deuce, 3.4894f),   // 13
    Slot(EntryId::k4STFLOpen2245sTo229Ts, 3.4468f),   // 14
    Slot(EntryId::k4STFL1Gap2257sTo229Js, 3.2553f),   // 15
    Slot(EntryId::kTwoDeucesOnly, 3.0509f),           // 16
    Slot(EntryId::kPatFlush, 3.0000f),                // 17
    Slot(EntryId::k4STFLOpen2567sTo29TJs, 2.4894f),   // 18
    Slot(EntryId::k2345s2456s, 2.2128f),              // 19
    Slot(EntryId::k4STFL1Gap7QHigh1Deuce, 2.2128f),   // 20
    Slot(EntryId::kPatStraight, 2.0000f),             // 21
    Slot(EntryId::k4STFL2Gaps7KHigh1Deuce, 1.8936f),  // 22
    Slot(EntryId::k2346s2356s, 1.8936f),              // 23
    Slot(EntryId::kThreeOfAKind, 1.8881f),            // 24
    Slot(EntryId::k4STFLOpen3456sTo9TJQs, 1.8723f),   // 25
    Slot(EntryId::k2A34s2A35s2A45s, 1.6809f),         // 26
    Slot(EntryId::k4STFLInsideNoDeuces, 1.6383f),     // 27
    Slot(EntryId::k3RoyalNoDeuces, 1.3636f),          // 28
    Slot(EntryId::k2JTs, 1.3488f),                    // 29
    Slot(EntryId::k2QJs2QTs, 1.2525f),                // 30
    Slot(EntryId::k2KQs2KJs2KTs, 1.1693f),            // 31
    Slot(EntryId::k3STFLOpen267sTo29Ts, 1.1462f),     // 32
    Slot(EntryId::k2AKs2AQs2AJs2ATs, 1.0907f),        // 33
    Slot(EntryId::k3STFL1Gap257sTo29Js, 1.0574f),     // 34
    Slot(EntryId::k256s, 1.0500f),                    // 35
    Slot(EntryId::k245s, 1.0157f),                    // 36
    Slot(EntryId::kDeuceOnly, 1.0117f),               // 37
    Slot(EntryId::k4Flush, 0.7660f),                  // 38
    Slot(EntryId::kTwoPair, 0.6809f),                 // 39
    Slot(EntryId::k3STFLOpen567s9TJs, 0.5698f),       // 40
    Slot(EntryId::kOnePair, 0.5484f),                 // 41
    Slot(EntryId::k4STOpenButNot3456, 0.5106f),       // 42
    Slot(EntryId::k3STFL1Gap7QHigh, 0.5042f),         // 43
    Slot(EntryId::k456s, 0.5042f),                    // 44
    Slot(EntryId::k345s, 0.4755f),                    // 45
    Slot(EntryId::k3STFL2Gaps7KHigh, 0.4274f),        // 46
    Slot(EntryId::k346s356s, 0.4218f),                // 47
    Slot(EntryId::kJTs, 0.3826f),                     // 48
    Slot(EntryId::kQTsQJs, 0.3705f),                  // 49
    Slot(EntryId::k3456, 0.3405f),                    // 50
    Slot(EntryId::kA34sA35sA45s, 0.3404f),            // 51
    Slot(EntryId::k4STInsideButNotA345, 0.3404f),     // 52
    Slot(EntryId::kKQsKJsKTs, 0.3374f),               // 53
    Slot(EntryId::kRedraw, 0.3201f),                  // 54
};

// Double Bonus, pay table "9/6": 53 entries.
constexpr StrategyEntry kDoubleBonus9_6[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),               // 1
    Slot(EntryId::kFourAces, 160.0000f),               // 2
    Slot(EntryId::kFour234, 80.0000f),                 // 3
    Slot(EntryId::kPatFour5sToKs, 50.0000f),           // 4
    Slot(EntryId::kPatStraightFlush, 50.0000f),        // 5
    Slot(EntryId::k4Royal, 18.5021f),                  // 6
    Slot(EntryId::k3Aces, 10.0527f),                   // 7
    Slot(EntryId::kPatFullHouse, 9.0000f),             // 8
    Slot(EntryId::kThree234, 6.6485f),                 // 9
    Slot(EntryId::kPatFlush, 6.0000f),                 // 10
    Slot(EntryId::kThree5sToKs, 5.3719f),              // 11
    Slot(EntryId::kPatStraight, 5.0000f),              // 12
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.5559f),      // 13
    Slot(EntryId::k4STFLInside, 2.2945f),              // 14
    Slot(EntryId::kPairAces, 1.7531f),                 // 15
    Slot(EntryId::kTwoPair, 1.6809f),                  // 16
    Slot(EntryId::kQJTs, 1.4958f),                     // 17
    Slot(EntryId::kPairJJQQKK, 1.4478f),               // 18
    Slot(EntryId::kKQJsKQTsKJTs, 1.4010f),             // 19
    Slot(EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs, 1.3145f), // 20
    Slot(EntryId::k4Flush, 1.2447f),                   // 21
    Slot(EntryId::k4STOpen2345TJQK, 0.9149f),          // 22
    Slot(EntryId::kPair223344, 0.8165f),               // 23
    Slot(EntryId::kJT9s, 0.7438f),                     // 24
    Slot(EntryId::kQJ9s, 0.7364f),                     // 25
    Slot(EntryId::kPair55ToTT, 0.7332f),               // 26
    Slot(EntryId::kAKQJ, 0.6789f),                     // 27
    Slot(EntryId::k3STFLOpen345s89Ts, 0.6466f),        // 28
    Slot(EntryId::k4STInside3HiCards, 0.6170f),        // 29
    Slot(EntryId::kQJ8s, 0.6105f),                     // 30
    Slot(EntryId::kKQ9sKJ9s, 0.6105f),                 // 31
    Slot(EntryId::kQT9sJT8sJ98s, 0.6050f),             // 32
    Slot(EntryId::kQJs, 0.5689f),                      // 33
    Slot(EntryId::k4STInside2HiCards, 0.5532f),        // 34
    Slot(EntryId::kKQsKJs, 0.5494f),                   // 35
    Slot(EntryId::kAKsAQsAJs, 0.5463f),                // 36
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.5264f),     // 37
    Slot(EntryId::k3STFL2Gaps1Hi, 0.5207f),            // 38
    Slot(EntryId::kKQJ, 0.5199f),                      // 39
    Slot(EntryId::kQJT, 0.4940f),                      // 40
    Slot(EntryId::k4STInside1HiCard, 0.4894f),         // 41
    Slot(EntryId::kQJ, 0.4760f),                       // 42
    Slot(EntryId::kJTs, 0.4736f),                      // 43
    Slot(EntryId::kKQKJ, 0.4562f),                     // 44
    Slot(EntryId::kQTs, 0.4513f),                      // 45
    Slot(EntryId::kAce, 0.4498f),                      // 46
    Slot(EntryId::kKTs, 0.4409f),                      // 47
    Slot(EntryId::kJack, 0.4374f),                     // 48
    Slot(EntryId::kQueen, 0.4321f),                    // 49
    Slot(EntryId::k3STFL2Gaps0Hi, 0.4265f),            // 50
    Slot(EntryId::k4STInside0HiCards, 0.4255f),        // 51
    Slot(EntryId::kKing, 0.4238f),                     // 52
    Slot(EntryId::kRedraw, 0.3257f),                   // 53
};

// Double Bonus, pay table "10/7": 56 entries.
constexpr StrategyEntry kDoubleBonus10_7[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),               // 1
    Slot(EntryId::kFourAces, 160.0000f),               // 2
    Slot(EntryId::kFour234, 80.0000f),                 // 3
    Slot(EntryId::kPatFour5sToKs, 50.0000f),           // 4
    Slot(EntryId::kPatStraightFlush, 50.0000f),        // 5
    Slot(EntryId::k4Royal, 18.6511f),                  // 6
    Slot(EntryId::k3Aces, 10.1147f),                   // 7
    Slot(EntryId::kPatFullHouse, 10.0000f),            // 8
    Slot(EntryId::kPatFlush, 7.0000f),                 // 9
    Slot(EntryId::kThree234, 6.7105f),                 // 10
    Slot(EntryId::kThree5sToKs, 5.4339f),              // 11
    Slot(EntryId::kPatStraight, 5.0000f),              // 12
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.6835f),      // 13
    Slot(EntryId::k4STFLInside, 2.4434f),              // 14
    Slot(EntryId::kTwoPair, 1.7660f),                  // 15
    Slot(EntryId::kPairAces, 1.7635f),                 // 16
    Slot(EntryId::kQJTs, 1.5264f),                     // 17
    Slot(EntryId::kPairJJQQKK, 1.4582f),               // 18
    Slot(EntryId::k4Flush, 1.4362f),                   // 19
    Slot(EntryId::kKQJsKQTsKJTs, 1.4325f),             // 20
    Slot(EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs, 1.3469f), // 21
    Slot(EntryId::k4STOpen2345TJQK, 0.9149f),          // 22
    Slot(EntryId::kPair223344, 0.8266f),               // 23
    Slot(EntryId::kJT9s, 0.7826f),                     // 24
    Slot(EntryId::kQJ9s, 0.7761f),                     // 25
    Slot(EntryId::kPair55ToTT, 0.7434f),               // 26
    Slot(EntryId::k3STFLOpen345s89Ts, 0.6855f),        // 27
    Slot(EntryId::kAKQJ, 0.6789f),                     // 28
    Slot(EntryId::kQJ8s, 0.6644f),                     // 29
    Slot(EntryId::kKQ9sKJ9s, 0.6512f),                 // 30
    Slot(EntryId::kQT9sJT8sJ98s, 0.6448f),             // 31
    Slot(EntryId::k4STInside3HiCards, 0.6170f),        // 32
    Slot(EntryId::kQJs, 0.5772f),                      // 33
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.5661f),     // 34
    Slot(EntryId::k3STFL2Gaps1Hi, 0.5614f),            // 35
    Slot(EntryId::k3FL2HiCards, 0.5606f),              // 36
    Slot(EntryId::kKQsKJs, 0.5605f),                   // 37
    Slot(EntryId::kAKsAQsAJs, 0.5576f),                // 38
    Slot(EntryId::k4STInside2HiCards, 0.5532f),        // 39
    Slot(EntryId::kKQJ, 0.5199f),                      // 40
    Slot(EntryId::kQJT, 0.4940f),                      // 41
    Slot(EntryId::k4STInside1HiCard, 0.4894f),         // 42
    Slot(EntryId::kJTs, 0.4846f),                      // 43
    Slot(EntryId::kQJ, 0.4771f),                       // 44
    Slot(EntryId::k3STFL2Gaps0Hi, 0.4672f),            // 45
    Slot(EntryId::k3FL1HiCard, 0.4598f),               // 46
    Slot(EntryId::kQTs, 0.4576f),                      // 47
    Slot(EntryId::kKQKJ, 0.4574f),                     // 48
    Slot(EntryId::kAce, 0.4537f),                      // 49
    Slot(EntryId::kJack, 0.4409f),                     // 50
    Slot(EntryId::kKTs, 0.4368f),                      // 51
    Slot(EntryId::kQueen, 0.4349f),                    // 52
    Slot(EntryId::kKing, 0.4273f),                     // 53
    Slot(EntryId::k4STInside0HiCards, 0.4255f),        // 54
    Slot(EntryId::k3FL0HiCards, 0.3608f),              // 55
    Slot(EntryId::kRedraw, 0.3291f),                   // 56
};

// Double Double Bonus, pay table "9/6": 56 entries.
constexpr StrategyEntry kDoubleDoubleBonus9_6[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),               // 1
    Slot(EntryId::kPatFourAcesWKicker, 400.0000f),     // 2
    Slot(EntryId::kFourAces, 221.2766f),               // 3
    Slot(EntryId::kPatFour234WKicker, 160.0000f),      // 4
    Slot(EntryId::kFour234, 100.4255f),                // 5
    Slot(EntryId::kPatFour5sToKs, 50.0000f),           // 6
    Slot(EntryId::kPatStraightFlush, 50.0000f),        // 7
    Slot(EntryId::k4Royal, 18.4255f),                  // 8
    Slot(EntryId::k3Aces, 12.2729f),                   // 9
    Slot(EntryId::kPatFullHouse, 9.0000f),             // 10
    Slot(EntryId::kThree234, 7.3885f),                 // 11
    Slot(EntryId::kPatFlush, 6.0000f),                 // 12
    Slot(EntryId::kThree5sToKs, 5.3719f),              // 13
    Slot(EntryId::kPatStraight, 4.0000f),              // 14
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.4282f),      // 15
    Slot(EntryId::k4STFLInside, 2.2307f),              // 16
    Slot(EntryId::kPairAces, 1.8863f),                 // 17
    Slot(EntryId::kTwoPair, 1.6809f),                  // 18
    Slot(EntryId::kQJTs, 1.4542f),                     // 19
    Slot(EntryId::kPairJJQQKK, 1.4478f),               // 20
    Slot(EntryId::kKQJsKQTsKJTs, 1.3733f),             // 21
    Slot(EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs, 1.3006f), // 22
    Slot(EntryId::k4Flush, 1.2447f),                   // 23
    Slot(EntryId::kTJQK, 0.8723f),                     // 24
    Slot(EntryId::kPair223344, 0.8658f),               // 25
    Slot(EntryId::k9TJQ, 0.7979f),                     // 26
    Slot(EntryId::k89TJ, 0.7447f),                     // 27
    Slot(EntryId::kPair55ToTT, 0.7332f),               // 28
    Slot(EntryId::kQJ9s, 0.7086f),                     // 29
    Slot(EntryId::kJT9s, 0.7021f),                     // 30
    Slot(EntryId::k4STOpen2345789T, 0.6809f),          // 31
    Slot(EntryId::kQJ8s, 0.6098f),                     // 32
    Slot(EntryId::k3STFLOpen345s89Ts, 0.6050f),        // 33
    Slot(EntryId::kKQ9sKJ9s, 0.6004f),                 // 34
    Slot(EntryId::kAKQJ, 0.5938f),                     // 35
    Slot(EntryId::kQT9sJT8sJ98s, 0.5846f),             // 36
    Slot(EntryId::kQJs, 0.5592f),                      // 37
    Slot(EntryId::kKQsKJs, 0.5451f),                   // 38
    Slot(EntryId::kAKsAQsAJs, 0.5434f),                // 39
    Slot(EntryId::k4STInside3HiCards, 0.5319f),        // 40
    Slot(EntryId::k3STFL2Gaps1Hi, 0.5068f),            // 41
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.5010f),     // 42
    Slot(EntryId::kKQJ, 0.4903f),                      // 43
    Slot(EntryId::k4STInside2HiCards, 0.4681f),        // 44
    Slot(EntryId::kQJ, 0.4651f),                       // 45
    Slot(EntryId::kAce, 0.4648f),                      // 46
    Slot(EntryId::kJTs, 0.4600f),                      // 47
    Slot(EntryId::kKQKJ, 0.4493f),                     // 48
    Slot(EntryId::kQTs, 0.4397f),                      // 49
    Slot(EntryId::kKTs, 0.4341f),                      // 50
    Slot(EntryId::kJack, 0.4327f),                     // 51
    Slot(EntryId::kQueen, 0.4289f),                    // 52
    Slot(EntryId::kKing, 0.4220f),                     // 53
    Slot(EntryId::k3STFL2Gaps0Hi, 0.4126f),            // 54
    Slot(EntryId::k4STInside0HiCards, 0.3404f),        // 55
    Slot(EntryId::kRedraw, 0.3240f),                   // 56
};

// Double Double Bonus, pay table "9/5": 54 entries.
constexpr StrategyEntry kDoubleDoubleBonus9_5[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),           // 1
    Slot(EntryId::kPatFourAcesWKicker, 400.0000f), // 2
    Slot(EntryId::kFourAces, 221.2766f),           // 3
    Slot(EntryId::kPatFour234WKicker, 160.0000f),  // 4
    Slot(EntryId::kFour234, 100.4255f),            // 5
    Slot(EntryId::kPatFour5sToKs, 50.0000f),       // 6
    Slot(EntryId::kPatStraightFlush, 50.0000f),    // 7
    Slot(EntryId::k4Royal, 18.2766f),              // 8
    Slot(EntryId::k3Aces, 12.2729f),               // 9
    Slot(EntryId::kPatFullHouse, 9.0000f),         // 10
    Slot(EntryId::kThree234, 7.3885f),             // 11
    Slot(EntryId::kThree5sToKs, 5.3719f),          // 12
    Slot(EntryId::kPatFlush, 5.0000f),             // 13
    Slot(EntryId::kPatStraight, 4.0000f),          // 14
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.3005f),  // 15
    Slot(EntryId::k4STFLInside, 2.0817f),          // 16
    Slot(EntryId::kPairAces, 1.8863f),             // 17
    Slot(EntryId::kTwoPair, 1.6809f),              // 18
    Slot(EntryId::kPairJJQQKK, 1.4478f),           // 19
    Slot(EntryId::k3Royal, 1.2683f),               // 20
    Slot(EntryId::k4Flush, 1.0532f),               // 21
    Slot(EntryId::kTJQK, 0.8723f),                 // 22
    Slot(EntryId::kPair223344, 0.8658f),           // 23
    Slot(EntryId::k9TJQ, 0.7979f),                 // 24
    Slot(EntryId::k89TJ, 0.7447f),                 // 25
    Slot(EntryId::kPair55ToTT, 0.7332f),           // 26
    Slot(EntryId::k4STOpen2345789T, 0.6809f),      // 27
    Slot(EntryId::kQJ9s, 0.6688f),                 // 28
    Slot(EntryId::kJT9s, 0.6633f),                 // 29
    Slot(EntryId::kAKQJ, 0.5938f),                 // 30
    Slot(EntryId::kQJ8s, 0.5691f),                 // 31
    Slot(EntryId::k3STFLOpen345s89Ts, 0.5661f),    // 32
    Slot(EntryId::kKQ9sKJ9s, 0.5597f),             // 33
    Slot(EntryId::kQJs, 0.5520f),                  // 34
    Slot(EntryId::kQT9sJT8sJ98s, 0.5449f),         // 35
    Slot(EntryId::kKQsKJs, 0.5350f),               // 36
    Slot(EntryId::kAKsAQsAJs, 0.5333f),            // 37
    Slot(EntryId::k4STInside3HiCards, 0.5319f),    // 38
    Slot(EntryId::kKQJ, 0.4903f),                  // 39
    Slot(EntryId::k4STInside2HiCards, 0.4681f),    // 40
    Slot(EntryId::k3STFL2Gaps1Hi, 0.4661f),        // 41
    Slot(EntryId::kQJ, 0.4651f),                   // 42
    Slot(EntryId::kAce, 0.4625f),                  // 43
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.4612f), // 44
    Slot(EntryId::kJTs, 0.4501f),                  // 45
    Slot(EntryId::kKQKJ, 0.4493f),                 // 46
    Slot(EntryId::kQTs, 0.4324f),                  // 47
    Slot(EntryId::kJack, 0.4309f),                 // 48
    Slot(EntryId::kQueen, 0.4277f),                // 49
    Slot(EntryId::kKTs, 0.4241f),                  // 50
    Slot(EntryId::kKing, 0.4201f),                 // 51
    Slot(EntryId::k3STFL2Gaps0Hi, 0.3719f),        // 52
    Slot(EntryId::k4STInside0HiCards, 0.3404f),    // 53
    Slot(EntryId::kRedraw, 0.3220f),               // 54
};

// Super Double Bonus, pay table "9/5": 53 entries.
constexpr StrategyEntry kSuperDoubleBonus9_5[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),           // 1
    Slot(EntryId::kFourAces, 160.0000f),           // 2
    Slot(EntryId::kFourKQJ, 120.0000f),            // 3
    Slot(EntryId::kFour234, 80.0000f),             // 4
    Slot(EntryId::kPatStraightFlush, 80.0000f),    // 5
    Slot(EntryId::kPatFour5sTo10s, 50.0000f),      // 6
    Slot(EntryId::k4Royal, 18.2766f),              // 7
    Slot(EntryId::k3Aces, 10.0527f),               // 8
    Slot(EntryId::kPatFullHouse, 9.0000f),         // 9
    Slot(EntryId::kThreeKQJ, 8.3506f),             // 10
    Slot(EntryId::kThree234, 6.6485f),             // 11
    Slot(EntryId::kThree5sToTs, 5.3719f),          // 12
    Slot(EntryId::kPatFlush, 5.0000f),             // 13
    Slot(EntryId::k4STFLOpen2345s9TJQs, 4.5771f),  // 14
    Slot(EntryId::kPatStraight, 4.0000f),          // 15
    Slot(EntryId::k4STFLInside, 2.7200f),          // 16
    Slot(EntryId::kPairAces, 1.7531f),             // 17
    Slot(EntryId::kTwoPair, 1.6809f),              // 18
    Slot(EntryId::kPairJJQQKK, 1.6421f),           // 19
    Slot(EntryId::k3Royal, 1.2683f),               // 20
    Slot(EntryId::k4Flush, 1.0532f),               // 21
    Slot(EntryId::kTJQK, 0.8723f),                 // 22
    Slot(EntryId::kPair223344, 0.8165f),           // 23
    Slot(EntryId::k9TJQ, 0.7979f),                 // 24
    Slot(EntryId::kJT9s, 0.7465f),                 // 25
    Slot(EntryId::k89TJ, 0.7447f),                 // 26
    Slot(EntryId::kPair55ToTT, 0.7332f),           // 27
    Slot(EntryId::kQJ9s, 0.7243f),                 // 28
    Slot(EntryId::k4STOpen2345789T, 0.6809f),      // 29
    Slot(EntryId::k3STFLOpen345s89Ts, 0.6494f),    // 30
    Slot(EntryId::kQT9sJT8sJ98s, 0.6004f),         // 31
    Slot(EntryId::kQJ8s, 0.5969f),                 // 32
    Slot(EntryId::kAKQJ, 0.5938f),                 // 33
    Slot(EntryId::kKQ9sKJ9s, 0.5874f),             // 34
    Slot(EntryId::kQJs, 0.5644f),                  // 35
    Slot(EntryId::kKQsKJs, 0.5455f),               // 36
    Slot(EntryId::kAKsAQsAJs, 0.5377f),            // 37
    Slot(EntryId::k4STInside3HiCards, 0.5319f),    // 38
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.5167f), // 39
    Slot(EntryId::k3STFL2Gaps1Hi, 0.4938f),        // 40
    Slot(EntryId::kKQJ, 0.4903f),                  // 41
    Slot(EntryId::kQJ, 0.4738f),                   // 42
    Slot(EntryId::k4STInside2HiCards, 0.4681f),    // 43
    Slot(EntryId::kJTs, 0.4599f),                  // 44
    Slot(EntryId::kKQKJ, 0.4580f),                 // 45
    Slot(EntryId::kJack, 0.4494f),                 // 46
    Slot(EntryId::kAKAQAJ, 0.4486f),               // 47
    Slot(EntryId::kQueen, 0.4461f),                // 48
    Slot(EntryId::kAce, 0.4460f),                  // 49
    Slot(EntryId::kKing, 0.4382f),                 // 50
    Slot(EntryId::k3STFL2Gaps0Hi, 0.3996f),        // 51
    Slot(EntryId::k4STInside0HiCards, 0.3404f),    // 52
    Slot(EntryId::kRedraw, 0.3263f),               // 53
};

// Super Double Bonus, pay table "8/5": 53 entries.
constexpr StrategyEntry kSuperDoubleBonus8_5[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),           // 1
    Slot(EntryId::kFourAces, 160.0000f),           // 2
    Slot(EntryId::kFourKQJ, 120.0000f),            // 3
    Slot(EntryId::kFour234, 80.0000f),             // 4
    Slot(EntryId::kPatStraightFlush, 80.0000f),    // 5
    Slot(EntryId::kPatFour5sTo10s, 50.0000f),      // 6
    Slot(EntryId::k4Royal, 18.2766f),              // 7
    Slot(EntryId::k3Aces, 9.9907f),                // 8
    Slot(EntryId::kThreeKQJ, 8.2886f),             // 9
    Slot(EntryId::kPatFullHouse, 8.0000f),         // 10
    Slot(EntryId::kThree234, 6.5865f),             // 11
    Slot(EntryId::kThree5sToTs, 5.3099f),          // 12
    Slot(EntryId::kPatFlush, 5.0000f),             // 13
    Slot(EntryId::k4STFLOpen2345s9TJQs, 4.5771f),  // 14
    Slot(EntryId::kPatStraight, 4.0000f),          // 15
    Slot(EntryId::k4STFLInside, 2.7200f),          // 16
    Slot(EntryId::kPairAces, 1.7426f),             // 17
    Slot(EntryId::kPairJJQQKK, 1.6316f),           // 18
    Slot(EntryId::kTwoPair, 1.5957f),              // 19
    Slot(EntryId::k3Royal, 1.2683f),               // 20
    Slot(EntryId::k4Flush, 1.0532f),               // 21
    Slot(EntryId::kTJQK, 0.8723f),                 // 22
    Slot(EntryId::kPair223344, 0.8063f),           // 23
    Slot(EntryId::k9TJQ, 0.7979f),                 // 24
    Slot(EntryId::kJT9s, 0.7465f),                 // 25
    Slot(EntryId::k89TJ, 0.7447f),                 // 26
    Slot(EntryId::kQJ9s, 0.7243f),                 // 27
    Slot(EntryId::kPair55ToTT, 0.7230f),           // 28
    Slot(EntryId::k4STOpen2345789T, 0.6809f),      // 29
    Slot(EntryId::k3STFLOpen345s89Ts, 0.6494f),    // 30
    Slot(EntryId::kQT9sJT8sJ98s, 0.6004f),         // 31
    Slot(EntryId::kQJ8s, 0.5969f),                 // 32
    Slot(EntryId::kAKQJ, 0.5938f),                 // 33
    Slot(EntryId::kKQ9sKJ9s, 0.5874f),             // 34
    Slot(EntryId::kQJs, 0.5632f),                  // 35
    Slot(EntryId::kKQsKJs, 0.5444f),               // 36
    Slot(EntryId::kAKsAQsAJs, 0.5365f),            // 37
    Slot(EntryId::k4STInside3HiCards, 0.5319f),    // 38
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.5167f), // 39
    Slot(EntryId::k3STFL2Gaps1Hi, 0.4938f),        // 40
    Slot(EntryId::kKQJ, 0.4903f),                  // 41
    Slot(EntryId::kQJ, 0.4726f),                   // 42
    Slot(EntryId::k4STInside2HiCards, 0.4681f),    // 43
    Slot(EntryId::kJTs, 0.4588f),                  // 44
    Slot(EntryId::kKQKJ, 0.4569f),                 // 45
    Slot(EntryId::kJack, 0.4478f),                 // 46
    Slot(EntryId::kAKAQAJ, 0.4475f),               // 47
    Slot(EntryId::kQueen, 0.4445f),                // 48
    Slot(EntryId::kAce, 0.4444f),                  // 49
    Slot(EntryId::kKing, 0.4365f),                 // 50
    Slot(EntryId::k3STFL2Gaps0Hi, 0.3996f),        // 51
    Slot(EntryId::k4STInside0HiCards, 0.3404f),    // 52
    Slot(EntryId::kRedraw, 0.3249f),               // 53
};

// Triple Double Bonus, pay table "9/7": 61 entries.
constexpr StrategyEntry kTripleDoubleBonus9_7[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),                // 1
    Slot(EntryId::kPatFourAcesWKickerPlain, 800.0000f), // 2
    Slot(EntryId::kPatFour234WKickerPlain, 400.0000f),  // 3
    Slot(EntryId::kFourAces, 323.4043f),                // 4
    Slot(EntryId::kFour234, 161.7021f),                 // 5
    Slot(EntryId::kPatFour5sToKs, 50.0000f),            // 6
    Slot(EntryId::kPatStraightFlush, 50.0000f),         // 7
    Slot(EntryId::k3AcesWithKicker, 19.2766f),          // 8
    Slot(EntryId::k4Royal, 18.5745f),                   // 9
    Slot(EntryId::k3Aces, 15.0777f),                    // 10
    Slot(EntryId::kPatFullHouse, 9.0000f),              // 11
    Slot(EntryId::kThree234, 8.7132f),                  // 12
    Slot(EntryId::kPatFlush, 7.0000f),                  // 13
    Slot(EntryId::kThree5sToKs, 4.4764f),               // 14
    Slot(EntryId::kPatStraight, 4.0000f),               // 15
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.5559f),       // 16
    Slot(EntryId::k4STFLInside, 2.3796f),               // 17
    Slot(EntryId::kPairAces, 1.9941f),                  // 18
    Slot(EntryId::kTwoPair, 1.6809f),                   // 19
    Slot(EntryId::kQJTs, 1.4764f),                      // 20
    Slot(EntryId::k4Flush, 1.4362f),                    // 21
    Slot(EntryId::kKQJsKQTsKJTs, 1.3964f),              // 22
    Slot(EntryId::kPairJJQQKK, 1.3336f),                // 23
    Slot(EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs, 1.3265f),  // 24
    Slot(EntryId::kPair223344, 0.8995f),                // 25
    Slot(EntryId::kTJQK, 0.8723f),                      // 26
    Slot(EntryId::k9TJQ, 0.7979f),                      // 27
    Slot(EntryId::k89TJ, 0.7447f),                      // 28
    Slot(EntryId::kQJ9s, 0.7419f),                      // 29
    Slot(EntryId::kJT9s, 0.7345f),                      // 30
    Slot(EntryId::k4STOpen2345789T, 0.6809f),           // 31
    Slot(EntryId::kQJ8s, 0.6422f),                      // 32
    Slot(EntryId::k3STFLOpen345s89Ts, 0.6355f),         // 33
    Slot(EntryId::kKQ9sKJ9s, 0.6327f),                  // 34
    Slot(EntryId::kPair55ToTT, 0.6189f),                // 35
    Slot(EntryId::kQT9sJT8sJ98s, 0.6161f),              // 36
    Slot(EntryId::kAKQJ, 0.5938f),                      // 37
    Slot(EntryId::k3FL2HiCards, 0.5523f),               // 38
    Slot(EntryId::kQJs, 0.5491f),                       // 39
    Slot(EntryId::k3STFL2Gaps1Hi, 0.5392f),             // 40
    Slot(EntryId::kKQsKJs, 0.5378f),                    // 41
    Slot(EntryId::kAKsAQsAJs, 0.5362f),                 // 42
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.5325f),      // 43
    Slot(EntryId::k4STInside3HiCards, 0.5319f),         // 44
    Slot(EntryId::kKQJ, 0.4820f),                       // 45
    Slot(EntryId::kAce, 0.4751f),                       // 46
    Slot(EntryId::k4STInside2HiCards, 0.4681f),         // 47
    Slot(EntryId::kJTs, 0.4526f),                       // 48
    Slot(EntryId::k3FL1HiCard, 0.4514f),                // 49
    Slot(EntryId::kQJ, 0.4478f),                        // 50
    Slot(EntryId::k3STFL2Gaps0Hi, 0.4450f),             // 51
    Slot(EntryId::kKQKJ, 0.4320f),                      // 52
    Slot(EntryId::kQTs, 0.4305f),                       // 53
    Slot(EntryId::kKTs, 0.4133f),                       // 54
    Slot(EntryId::kJack, 0.4115f),                      // 55
    Slot(EntryId::kQueen, 0.4071f),                     // 56
    Slot(EntryId::k4STInside1HiCard, 0.4043f),          // 57
    Slot(EntryId::kKing, 0.4008f),                      // 58
    Slot(EntryId::k3FL0HiCards, 0.3525f),               // 59
    Slot(EntryId::k4STInside0HiCards, 0.3404f),         // 60
    Slot(EntryId::kRedraw, 0.3096f),                    // 61
};

// Triple Double Bonus, pay table "9/6": 60 entries.
constexpr StrategyEntry kTripleDoubleBonus9_6[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),                // 1
    Slot(EntryId::kPatFourAcesWKickerPlain, 800.0000f), // 2
    Slot(EntryId::kPatFour234WKickerPlain, 400.0000f),  // 3
    Slot(EntryId::kFourAces, 323.4043f),                // 4
    Slot(EntryId::kFour234, 161.7021f),                 // 5
    Slot(EntryId::kPatFour5sToKs, 50.0000f),            // 6
    Slot(EntryId::kPatStraightFlush, 50.0000f),         // 7
    Slot(EntryId::k3AcesWithKicker, 19.2766f),          // 8
    Slot(EntryId::k4Royal, 18.5745f),                   // 9
    Slot(EntryId::k3Aces, 15.0777f),                    // 10
    Slot(EntryId::kPatFullHouse, 9.0000f),              // 11
    Slot(EntryId::kThree234, 8.7132f),                  // 12
    Slot(EntryId::kPatFlush, 6.0000f),                  // 13
    Slot(EntryId::kThree5sToKs, 4.4764f),               // 14
    Slot(EntryId::kPatStraight, 4.0000f),               // 15
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.4282f),       // 16
    Slot(EntryId::k4STFLInside, 2.2307f),               // 17
    Slot(EntryId::kPairAces, 1.9941f),                  // 18
    Slot(EntryId::kTwoPair, 1.6809f),                   // 19
    Slot(EntryId::kQJTs, 1.4459f),                      // 20
    Slot(EntryId::kKQJsKQTsKJTs, 1.3649f),              // 21
    Slot(EntryId::kPairJJQQKK, 1.3336f),                // 22
    Slot(EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs, 1.2942f),  // 23
    Slot(EntryId::k4Flush, 1.2447f),                    // 24
    Slot(EntryId::kPair223344, 0.8995f),                // 25
    Slot(EntryId::kTJQK, 0.8723f),                      // 26
    Slot(EntryId::k9TJQ, 0.7979f),                      // 27
    Slot(EntryId::k89TJ, 0.7447f),                      // 28
    Slot(EntryId::kQJ9s, 0.7021f),                      // 29
    Slot(EntryId::kJT9s, 0.6957f),                      // 30
    Slot(EntryId::k4STOpen2345789T, 0.6809f),           // 31
    Slot(EntryId::kPair55ToTT, 0.6189f),                // 32
    Slot(EntryId::kQJ8s, 0.6015f),                      // 33
    Slot(EntryId::k3STFLOpen345s89Ts, 0.5967f),         // 34
    Slot(EntryId::kAKQJ, 0.5938f),                      // 35
    Slot(EntryId::kKQ9sKJ9s, 0.5920f),                  // 36
    Slot(EntryId::kQT9sJT8sJ98s, 0.5763f),              // 37
    Slot(EntryId::kQJs, 0.5419f),                       // 38
    Slot(EntryId::k4STInside3HiCards, 0.5319f),         // 39
    Slot(EntryId::kKQsKJs, 0.5277f),                    // 40
    Slot(EntryId::kAKsAQsAJs, 0.5261f),                 // 41
    Slot(EntryId::k3STFL2Gaps1Hi, 0.4985f),             // 42
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.4927f),      // 43
    Slot(EntryId::kKQJ, 0.4820f),                       // 44
    Slot(EntryId::kAce, 0.4728f),                       // 45
    Slot(EntryId::k4STInside2HiCards, 0.4681f),         // 46
    Slot(EntryId::kQJ, 0.4478f),                        // 47
    Slot(EntryId::kJTs, 0.4427f),                       // 48
    Slot(EntryId::kKQKJ, 0.4320f),                      // 49
    Slot(EntryId::kQTs, 0.4223f),                       // 50
    Slot(EntryId::kKTs, 0.4168f),                       // 51
    Slot(EntryId::k3FL1HiCard, 0.4098f),                // 52
    Slot(EntryId::kJack, 0.4097f),                      // 53
    Slot(EntryId::kQueen, 0.4059f),                     // 54
    Slot(EntryId::k3STFL2Gaps0Hi, 0.4043f),             // 55
    Slot(EntryId::k4STInside1HiCard, 0.4043f),          // 56
    Slot(EntryId::kKing, 0.3990f),                      // 57
    Slot(EntryId::k4STInside0HiCards, 0.3404f),         // 58
    Slot(EntryId::k3FL0HiCards, 0.3108f),               // 59
    Slot(EntryId::kRedraw, 0.3076f),                    // 60
};

// Super Aces Bonus, pay table "8/5": 54 entries.
constexpr StrategyEntry kSuperAces8_5[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),               // 1
    Slot(EntryId::kFourAces, 400.0000f),               // 2
    Slot(EntryId::kFour234, 80.0000f),                 // 3
    Slot(EntryId::kPatStraightFlush, 60.0000f),        // 4
    Slot(EntryId::kPatFour5sToKsComma, 50.0000f),      // 5
    Slot(EntryId::k3Aces, 20.2035f),                   // 6
    Slot(EntryId::k4Royal, 18.2766f),                  // 7
    Slot(EntryId::kPatFullHouse, 8.0000f),             // 8
    Slot(EntryId::kThree234, 6.5865f),                 // 9
    Slot(EntryId::kThree5sToKs, 5.3099f),              // 10
    Slot(EntryId::kPatFlush, 5.0000f),                 // 11
    Slot(EntryId::kPatStraight, 4.0000f),              // 12
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.7261f),      // 13
    Slot(EntryId::kPairAces, 2.4087f),                 // 14
    Slot(EntryId::k4STFLInside, 2.2945f),              // 15
    Slot(EntryId::kTwoPair, 1.5957f),                  // 16
    Slot(EntryId::kQJTs, 1.4422f),                     // 17
    Slot(EntryId::kPairJJQQKK, 1.4374f),               // 18
    Slot(EntryId::kKQJsKQTsKJTs, 1.3511f),             // 19
    Slot(EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs, 1.2683f), // 20
    Slot(EntryId::k4Flush, 1.0532f),                   // 21
    Slot(EntryId::kTJQK, 0.8723f),                     // 22
    Slot(EntryId::kPair223344, 0.8063f),               // 23
    Slot(EntryId::k9TJQ, 0.7979f),                     // 24
    Slot(EntryId::k89TJ, 0.7447f),                     // 25
    Slot(EntryId::kPair55ToTT, 0.7230f),               // 26
    Slot(EntryId::kJT9s, 0.6910f),                     // 27
    Slot(EntryId::kQJ9s, 0.6873f),                     // 28
    Slot(EntryId::k4STOpen2345789T, 0.6809f),          // 29
    Slot(EntryId::k3STFLOpen345s89Ts, 0.5939f),        // 30
    Slot(EntryId::kAKQJ, 0.5938f),                     // 31
    Slot(EntryId::kQJ8s, 0.5784f),                     // 32
    Slot(EntryId::kKQ9sKJ9s, 0.5689f),                 // 33
    Slot(EntryId::kQT9sJT8sJ98s, 0.5634f),             // 34
    Slot(EntryId::kQJs, 0.5521f),                      // 35
    Slot(EntryId::kAKsAQsAJs, 0.5470f),                // 36
    Slot(EntryId::kKQsKJs, 0.5345f),                   // 37
    Slot(EntryId::k4STInside3HiCards, 0.5319f),        // 38
    Slot(EntryId::kAce, 0.5027f),                      // 39
    Slot(EntryId::kKQJ, 0.4903f),                      // 40
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.4797f),     // 41
    Slot(EntryId::k3STFL2Gaps1Hi, 0.4753f),            // 42
    Slot(EntryId::k4STInside2HiCards, 0.4681f),        // 43
    Slot(EntryId::kQJ, 0.4640f),                       // 44
    Slot(EntryId::kJTs, 0.4508f),                      // 45
    Slot(EntryId::kKQKJ, 0.4482f),                     // 46
    Slot(EntryId::kQTs, 0.4326f),                      // 47
    Slot(EntryId::kJack, 0.4307f),                     // 48
    Slot(EntryId::kQueen, 0.4276f),                    // 49
    Slot(EntryId::kKTs, 0.4236f),                      // 50
    Slot(EntryId::kKing, 0.4198f),                     // 51
    Slot(EntryId::k3STFL2Gaps0Hi, 0.3811f),            // 52
    Slot(EntryId::k4STInside0HiCards, 0.3404f),        // 53
    Slot(EntryId::kRedraw, 0.3254f),                   // 54
};

// Super Aces Bonus, pay table "7/5": 54 entries.
constexpr StrategyEntry kSuperAces7_5[] = {
    Slot(EntryId::kNone, 0.0f),
    Slot(EntryId::kPatRoyal, 800.0000f),               // 1
    Slot(EntryId::kFourAces, 400.0000f),               // 2
    Slot(EntryId::kFour234, 80.0000f),                 // 3
    Slot(EntryId::kPatStraightFlush, 60.0000f),        // 4
    Slot(EntryId::kPatFour5sToKsComma, 50.0000f),      // 5
    Slot(EntryId::k3Aces, 20.1415f),                   // 6
    Slot(EntryId::k4Royal, 18.2766f),                  // 7
    Slot(EntryId::kPatFullHouse, 7.0000f),             // 8
    Slot(EntryId::kThree234, 6.5245f),                 // 9
    Slot(EntryId::kThree5sToKs, 5.2479f),              // 10
    Slot(EntryId::kPatFlush, 5.0000f),                 // 11
    Slot(EntryId::kPatStraight, 4.0000f),              // 12
    Slot(EntryId::k4STFLOpen2345s9TJQs, 3.7261f),      // 13
    Slot(EntryId::kPairAces, 2.3983f),                 // 14
    Slot(EntryId::k4STFLInside, 2.2945f),              // 15
    Slot(EntryId::kTwoPair, 1.5106f),                  // 16
    Slot(EntryId::kQJTs, 1.4422f),                     // 17
    Slot(EntryId::kPairJJQQKK, 1.4270f),               // 18
    Slot(EntryId::kKQJsKQTsKJTs, 1.3511f),             // 19
    Slot(EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs, 1.2683f), // 20
    Slot(EntryId::k4Flush, 1.0532f),                   // 21
    Slot(EntryId::kTJQK, 0.8723f),                     // 22
    Slot(EntryId::k9TJQ, 0.7979f),                     // 23
    Slot(EntryId::kPair223344, 0.7961f),               // 24
    Slot(EntryId::k89TJ, 0.7447f),                     // 25
    Slot(EntryId::kPair55ToTT, 0.7129f),               // 26
    Slot(EntryId::kJT9s, 0.6910f),                     // 27
    Slot(EntryId::kQJ9s, 0.6873f),                     // 28
    Slot(EntryId::k4STOpen2345789T, 0.6809f),          // 29
    Slot(EntryId::k3STFLOpen345s89Ts, 0.5939f),        // 30
    Slot(EntryId::kAKQJ, 0.5938f),                     // 31
    Slot(EntryId::kQJ8s, 0.5784f),                     // 32
    Slot(EntryId::kKQ9sKJ9s, 0.5689f),                 // 33
    Slot(EntryId::kQT9sJT8sJ98s, 0.5634f),             // 34
    Slot(EntryId::kQJs, 0.5510f),                      // 35
    Slot(EntryId::kAKsAQsAJs, 0.5459f),                // 36
    Slot(EntryId::kKQsKJs, 0.5334f),                   // 37
    Slot(EntryId::k4STInside3HiCards, 0.5319f),        // 38
    Slot(EntryId::kAce, 0.5011f),                      // 39
    Slot(EntryId::kKQJ, 0.4903f),                      // 40
    Slot(EntryId::k3STFL1Gap0HiPlus234s, 0.4797f),     // 41
    Slot(EntryId::k3STFL2Gaps1Hi, 0.4753f),            // 42
    Slot(EntryId::k4STInside2HiCards, 0.4681f),        // 43
    Slot(EntryId::kQJ, 0.4629f),                       // 44
    Slot(EntryId::kJTs, 0.4497f),                      // 45
    Slot(EntryId::kKQKJ, 0.4471f),                     // 46
    Slot(EntryId::kQTs, 0.4315f),                      // 47
    Slot(EntryId::kJack, 0.4291f),                     // 48
    Slot(EntryId::kQueen, 0.4259f),                    // 49
    Slot(EntryId::kKTs, 0.4224f),                      // 50
    Slot(EntryId::kKing, 0.4182f),                     // 51
    Slot(EntryId::k3STFL2Gaps0Hi, 0.3811f),            // 52
    Slot(EntryId::k4STInside0HiCards, 0.3404f),        // 53
    Slot(EntryId::kRedraw, 0.3241f),                   // 54
};

template <std::size_t Slots>
constexpr StrategyList MakeList(int game, int choice, const StrategyEntry (&slots)[Slots]) {
    StrategyList list{game, choice, static_cast<std::int32_t>(Slots - 1), slots, {}};
    for (std::size_t i = 1; i < Slots; ++i) {
        auto& p = list.positions[static_cast<std::size_t>(slots[i].id)];
        // An entry that stood twice in a list would be unreachable the second time.
        if (p != 0) throw "entry listed twice";
        p = static_cast<std::uint8_t>(i);
    }
    return list;
}

constexpr std::array<StrategyList, kStrategyListCount> kLists{{
    MakeList(0, 0, kJacks8_5),
    MakeList(0, 1, kJacks9_6),
    MakeList(1, 0, kBonusPoker8_5),
    MakeList(1, 1, kBonusPoker10_8),
    MakeList(2, 0, kBonusDeluxe8_6),
    MakeList(2, 1, kBonusDeluxe8_5),
    MakeList(3, 0, kDeucesWild3_2),
    MakeList(3, 1, kDeucesWild4_3),
    MakeList(4, 0, kDoubleBonus9_6),
    MakeList(4, 1, kDoubleBonus10_7),
    MakeList(5, 0, kDoubleDoubleBonus9_6),
    MakeList(5, 1, kDoubleDoubleBonus9_5),
    MakeList(6, 0, kSuperDoubleBonus9_5),
    MakeList(6, 1, kSuperDoubleBonus8_5),
    MakeList(7, 0, kTripleDoubleBonus9_7),
    MakeList(7, 1, kTripleDoubleBonus9_6),
    MakeList(8, 0, kSuperAces8_5),
    MakeList(8, 1, kSuperAces7_5),
}};

} // namespace

constexpr std::array<std::int32_t, kStrategyListCount> kStrategyCounts = [] {
    std::array<std::int32_t, kStrategyListCount> counts{};
    for (std::size_t i = 0; i < counts.size(); ++i) counts[i] = kLists[i].count;
    return counts;
}();

const char* EntryName(EntryId id) {
    const auto i = static_cast<std::size_t>(id);
    return i < kEntryNames.size() ? kEntryNames[i] : "";
}

const StrategyList& StrategyListFor(int game, int choice) {
    assert(game >= 0 && game < kStrategyListCount / 2);
    return kLists[static_cast<std::size_t>(game * 2 + (choice != 0 ? 1 : 0))];
}

std::int32_t StrategyCount(int game, int choice) {
    assert(game >= 0 && game < kStrategyListCount / 2);
    return kStrategyCounts[static_cast<std::size_t>(game * 2 + (choice != 0 ? 1 : 0))];
}

long double EntryValue(const StrategyList& list, std::int32_t position, int coins) {
    if (position == 1 && coins == 5) return 4000.0L;
    return static_cast<long double>(coins) * static_cast<long double>(list.Entry(position).ev);
}

std::string FormatStrategyValue(long double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.4Lf", value);
    return text;
}

std::string StrategyTableLine(const StrategyList& list, std::int32_t position, int coins) {
    char line[96];
    std::snprintf(line, sizeof line, "   %2d   %-33s %9.4Lf", static_cast<int>(position),
                  list.Entry(position).name, EntryValue(list, position, coins));
    return line;
}

} // namespace quintaro
