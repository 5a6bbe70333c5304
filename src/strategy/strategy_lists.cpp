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

// Jacks or Better, pay table "8/5": 45 entries.
constexpr StrategyEntry kJacks8_5[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                            // 1
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},            // 2
    {"Pat Four of a kind", 25.0000f, EntryId::kPatFourOfAKindLower},         // 3
    {"4 Royal", 18.2766f, EntryId::k4Royal},                                 // 4
    {"Pat Full House", 8.0000f, EntryId::kPatFullHouse},                     // 5
    {"Pat Flush", 5.0000f, EntryId::kPatFlush},                              // 6
    {"Three of a Kind", 4.2461f, EntryId::kThreeOfAKind},                    // 7
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                        // 8
    {"4 STFL, Open, 2345s-9TJQs", 3.3005f, EntryId::k4STFLOpen2345s9TJQs},   // 9
    {"Two Pair", 2.5106f, EntryId::kTwoPair},                                // 10
    {"4 STFL, Inside", 2.0817f, EntryId::k4STFLInside},                      // 11
    {"High Pair JJ-AA", 1.5301f, EntryId::kHighPairJJAA},                    // 12
    {"3 Royal", 1.2877f, EntryId::k3Royal},                                  // 13
    {"4 Flush", 1.0532f, EntryId::k4Flush},                                  // 14
    {"TJQK", 0.8723f, EntryId::kTJQK},                                       // 15
    {"Low Pair 22-TT", 0.8135f, EntryId::kLowPair22TT},                      // 16
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                       // 17
    {"89TJ", 0.7447f, EntryId::k89TJ},                                       // 18
    {"QJ9s", 0.6883f, EntryId::kQJ9s},                                       // 19
    {"JT9s", 0.6827f, EntryId::kJT9s},                                       // 20
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},           // 21
    {"QJ8s", 0.5941f, EntryId::kQJ8s},                                       // 22
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                       // 23
    {"QJs", 0.5917f, EntryId::kQJs},                                         // 24
    {"3 STFL, Open, 345s-89Ts", 0.5911f, EntryId::k3STFLOpen345s89Ts},       // 25
    {"KQ9s, KJ9s", 0.5846f, EntryId::kKQ9sKJ9s},                             // 26
    {"KQs, KJs", 0.5747f, EntryId::kKQsKJs},                                 // 27
    {"QT9s, JT8s, J98s", 0.5698f, EntryId::kQT9sJT8sJ98s},                   // 28
    {"AKs, AQs, AJs", 0.5662f, EntryId::kAKsAQsAJs},                         // 29
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},      // 30
    {"KQJ", 0.5153f, EntryId::kKQJ},                                         // 31
    {"QJ", 0.5048f, EntryId::kQJ},                                           // 32
    {"3 STFL, 2 Gaps, 1 Hi", 0.4911f, EntryId::k3STFL2Gaps1Hi},              // 33
    {"JTs", 0.4897f, EntryId::kJTs},                                         // 34
    {"KQ, KJ", 0.4890f, EntryId::kKQKJ},                                     // 35
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.4862f, EntryId::k3STFL1Gap0HiPlus234s}, // 36
    {"AK, AQ, AJ", 0.4772f, EntryId::kAKAQAJ},                               // 37
    {"QTs", 0.4721f, EntryId::kQTs},                                         // 38
    {"Jack", 0.4707f, EntryId::kJack},                                       // 39
    {"Queen", 0.4676f, EntryId::kQueen},                                     // 40
    {"KTs", 0.4637f, EntryId::kKTs},                                         // 41
    {"King", 0.4603f, EntryId::kKing},                                       // 42
    {"Ace", 0.4582f, EntryId::kAce},                                         // 43
    {"3 STFL, 2 Gaps, 0 Hi", 0.3969f, EntryId::k3STFL2Gaps0Hi},              // 44
    {"Redraw", 0.3564f, EntryId::kRedraw},                                   // 45
};

// Jacks or Better, pay table "9/6": 45 entries.
constexpr StrategyEntry kJacks9_6[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                            // 1
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},            // 2
    {"Pat Four of a kind", 25.0000f, EntryId::kPatFourOfAKindLower},         // 3
    {"4 Royal", 18.4255f, EntryId::k4Royal},                                 // 4
    {"Pat Full House", 9.0000f, EntryId::kPatFullHouse},                     // 5
    {"Pat Flush", 6.0000f, EntryId::kPatFlush},                              // 6
    {"Three of a Kind", 4.3080f, EntryId::kThreeOfAKind},                    // 7
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                        // 8
    {"4 STFL, Open, 2345s-9TJQs", 3.4282f, EntryId::k4STFLOpen2345s9TJQs},   // 9
    {"Two Pair", 2.5957f, EntryId::kTwoPair},                                // 10
    {"4 STFL, Inside", 2.2307f, EntryId::k4STFLInside},                      // 11
    {"High Pair JJ-AA", 1.5405f, EntryId::kHighPairJJAA},                    // 12
    {"3 Royal", 1.3201f, EntryId::k3Royal},                                  // 13
    {"4 Flush", 1.2447f, EntryId::k4Flush},                                  // 14
    {"TJQK", 0.8723f, EntryId::kTJQK},                                       // 15
    {"Low Pair 22-TT", 0.8237f, EntryId::kLowPair22TT},                      // 16
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                       // 17
    {"89TJ", 0.7447f, EntryId::k89TJ},                                       // 18
    {"QJ9s", 0.7280f, EntryId::kQJ9s},                                       // 19
    {"JT9s", 0.7216f, EntryId::kJT9s},                                       // 20
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},           // 21
    {"QJ8s", 0.6348f, EntryId::kQJ8s},                                       // 22
    {"3 STFL, Open, 345s-89Ts", 0.6300f, EntryId::k3STFLOpen345s89Ts},       // 23
    {"KQ9s, KJ9s", 0.6253f, EntryId::kKQ9sKJ9s},                             // 24
    {"QT9s, JT8s, J98s", 0.6096f, EntryId::kQT9sJT8sJ98s},                   // 25
    {"QJs", 0.6000f, EntryId::kQJs},                                         // 26
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                       // 27
    {"KQs, KJs", 0.5858f, EntryId::kKQsKJs},                                 // 28
    {"AKs, AQs, AJs", 0.5774f, EntryId::kAKsAQsAJs},                         // 29
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},      // 30
    {"3 STFL, 2 Gaps, 1 Hi", 0.5318f, EntryId::k3STFL2Gaps1Hi},              // 31
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.5260f, EntryId::k3STFL1Gap0HiPlus234s}, // 32
    {"KQJ", 0.5153f, EntryId::kKQJ},                                         // 33
    {"QJ", 0.5059f, EntryId::kQJ},                                           // 34
    {"JTs", 0.5008f, EntryId::kJTs},                                         // 35
    {"KQ, KJ", 0.4901f, EntryId::kKQKJ},                                     // 36
    {"QTs", 0.4804f, EntryId::kQTs},                                         // 37
    {"AK, AQ, AJ", 0.4783f, EntryId::kAKAQAJ},                               // 38
    {"KTs", 0.4749f, EntryId::kKTs},                                         // 39
    {"Jack", 0.4742f, EntryId::kJack},                                       // 40
    {"Queen", 0.4704f, EntryId::kQueen},                                     // 41
    {"King", 0.4638f, EntryId::kKing},                                       // 42
    {"Ace", 0.4622f, EntryId::kAce},                                         // 43
    {"3 STFL, 2 Gaps, 0 Hi", 0.4376f, EntryId::k3STFL2Gaps0Hi},              // 44
    {"Redraw", 0.3598f, EntryId::kRedraw},                                   // 45
};

// Bonus Poker, pay table "8/5": 51 entries.
constexpr StrategyEntry kBonusPoker8_5[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                            // 1
    {"Four Aces", 80.0000f, EntryId::kFourAces},                             // 2
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},            // 3
    {"Pat Four 2,3,4", 40.0000f, EntryId::kPatFour234},                      // 4
    {"Pat Four 5's to K's", 25.0000f, EntryId::kPatFour5sToKs},              // 5
    {"4 Royal", 18.2766f, EntryId::k4Royal},                                 // 6
    {"Pat Full House", 8.0000f, EntryId::kPatFullHouse},                     // 7
    {"3 Aces", 6.5865f, EntryId::k3Aces},                                    // 8
    {"Pat Flush", 5.0000f, EntryId::kPatFlush},                              // 9
    {"Three 2,3,4", 4.8844f, EntryId::kThree234},                            // 10
    {"Three 5's to K's", 4.2461f, EntryId::kThree5sToKs},                    // 11
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                        // 12
    {"4 STFL, Open, 2345s-9TJQs", 3.3005f, EntryId::k4STFLOpen2345s9TJQs},   // 13
    {"Two Pair", 2.5106f, EntryId::kTwoPair},                                // 14
    {"4 STFL, Inside", 2.0817f, EntryId::k4STFLInside},                      // 15
    {"Pair Aces", 1.6828f, EntryId::kPairAces},                              // 16
    {"Pair JJ, QQ, KK", 1.5301f, EntryId::kPairJJQQKK},                      // 17
    {"3 Royal", 1.2877f, EntryId::k3Royal},                                  // 18
    {"4 Flush", 1.0532f, EntryId::k4Flush},                                  // 19
    {"TJQK", 0.8723f, EntryId::kTJQK},                                       // 20
    {"Pair 22, 33, 44", 0.8551f, EntryId::kPair223344},                      // 21
    {"Pair 55 to TT", 0.8135f, EntryId::kPair55ToTT},                        // 22
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                       // 23
    {"89TJ", 0.7447f, EntryId::k89TJ},                                       // 24
    {"QJ9s", 0.6883f, EntryId::kQJ9s},                                       // 25
    {"JT9s", 0.6827f, EntryId::kJT9s},                                       // 26
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},           // 27
    {"QJ8s", 0.5941f, EntryId::kQJ8s},                                       // 28
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                       // 29
    {"QJs", 0.5917f, EntryId::kQJs},                                         // 30
    {"3 STFL, Open, 345s-89Ts", 0.5911f, EntryId::k3STFLOpen345s89Ts},       // 31
    {"KQ9s, KJ9s", 0.5846f, EntryId::kKQ9sKJ9s},                             // 32
    {"KQs, KJs", 0.5747f, EntryId::kKQsKJs},                                 // 33
    {"QT9s, JT8s, J98s", 0.5698f, EntryId::kQT9sJT8sJ98s},                   // 34
    {"AKs, AQs, AJs", 0.5696f, EntryId::kAKsAQsAJs},                         // 35
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},      // 36
    {"KQJ", 0.5153f, EntryId::kKQJ},                                         // 37
    {"QJ", 0.5048f, EntryId::kQJ},                                           // 38
    {"3 STFL, 2 Gaps, 1 Hi", 0.4911f, EntryId::k3STFL2Gaps1Hi},              // 39
    {"JTs", 0.4897f, EntryId::kJTs},                                         // 40
    {"KQ, KJ", 0.4890f, EntryId::kKQKJ},                                     // 41
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.4862f, EntryId::k3STFL1Gap0HiPlus234s}, // 42
    {"AK, AQ, AJ", 0.4805f, EntryId::kAKAQAJ},                               // 43
    {"QTs", 0.4721f, EntryId::kQTs},                                         // 44
    {"Ace", 0.4721f, EntryId::kAce},                                         // 45
    {"Jack", 0.4712f, EntryId::kJack},                                       // 46
    {"Queen", 0.4681f, EntryId::kQueen},                                     // 47
    {"KTs", 0.4637f, EntryId::kKTs},                                         // 48
    {"King", 0.4606f, EntryId::kKing},                                       // 49
    {"3 STFL, 2 Gaps, 0 Hi", 0.3969f, EntryId::k3STFL2Gaps0Hi},              // 50
    {"Redraw", 0.3583f, EntryId::kRedraw},                                   // 51
};

// Bonus Poker, pay table "10/8": 58 entries.
constexpr StrategyEntry kBonusPoker10_8[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                                   // 1
    {"Four Aces", 80.0000f, EntryId::kFourAces},                                    // 2
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},                   // 3
    {"Pat Four 2,3,4", 40.0000f, EntryId::kPatFour234},                             // 4
    {"Pat Four 5's to K's", 25.0000f, EntryId::kPatFour5sToKs},                     // 5
    {"4 Royal", 18.8000f, EntryId::k4Royal},                                        // 6
    {"Pat Full House", 10.0000f, EntryId::kPatFullHouse},                           // 7
    {"Pat Flush", 8.0000f, EntryId::kPatFlush},                                     // 8
    {"3 Aces", 6.7105f, EntryId::k3Aces},                                           // 9
    {"Three 2,3,4", 5.0083f, EntryId::kThree234},                                   // 10
    {"Pat Straight", 5.0000f, EntryId::kPatStraight},                               // 11
    {"Three 5's to K's", 4.3700f, EntryId::kThree5sToKs},                           // 12
    {"4 STFL, Open, 2345s-9TJQs", 3.8112f, EntryId::k4STFLOpen2345s9TJQs},          // 13
    {"4 STFL, Inside", 2.5924f, EntryId::k4STFLInside},                             // 14
    {"Two Pair", 1.7660f, EntryId::kTwoPair},                                       // 15
    {"4 Flush", 1.6277f, EntryId::k4Flush},                                         // 16
    {"QJTs", 1.5569f, EntryId::kQJTs},                                              // 17
    {"Pair Aces", 1.5415f, EntryId::kPairAces},                                     // 18
    {"KQJs, KQTs, KJTs", 1.4639f, EntryId::kKQJsKQTsKJTs},                          // 19
    {"Pair JJ, QQ, KK", 1.3888f, EntryId::kPairJJQQKK},                             // 20
    {"AKQs,AKJs,AKTs,AQJs,AQTs,AJTs", 1.3793f, EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs}, // 21
    {"4 ST, Open 2345-TJQK", 0.9149f, EntryId::k4STOpen2345TJQK},                   // 22
    {"JT9s", 0.8215f, EntryId::kJT9s},                                              // 23
    {"QJ9s", 0.8159f, EntryId::kQJ9s},                                              // 24
    {"3 STFL, Open, 345s-89Ts", 0.7243f, EntryId::k3STFLOpen345s89Ts},              // 25
    {"Pair 22, 33, 44", 0.7156f, EntryId::kPair223344},                             // 26
    {"QJ8s", 0.7051f, EntryId::kQJ8s},                                              // 27
    {"KQ9s, KJ9s", 0.6920f, EntryId::kKQ9sKJ9s},                                    // 28
    {"QT9s, JT8s, J98s", 0.6846f, EntryId::kQT9sJT8sJ98s},                          // 29
    {"AKQJ", 0.6789f, EntryId::kAKQJ},                                              // 30
    {"Pair 55 to TT", 0.6740f, EntryId::kPair55ToTT},                               // 31
    {"4 ST, Inside, 3 Hi Cards", 0.6170f, EntryId::k4STInside3HiCards},             // 32
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.6059f, EntryId::k3STFL1Gap0HiPlus234s},        // 33
    {"3 FL, 2 Hi Cards", 0.6022f, EntryId::k3FL2HiCards},                           // 34
    {"3 STFL, 2 Gaps, 1 Hi", 0.6021f, EntryId::k3STFL2Gaps1Hi},                     // 35
    {"QJs", 0.5814f, EntryId::kQJs},                                                // 36
    {"KQs, KJs", 0.5675f, EntryId::kKQsKJs},                                        // 37
    {"AKs, AQs, AJs", 0.5612f, EntryId::kAKsAQsAJs},                                // 38
    {"4 ST, Inside, 2 Hi Cards", 0.5532f, EntryId::k4STInside2HiCards},             // 39
    {"KQJ", 0.5199f, EntryId::kKQJ},                                                // 40
    {"3 STFL, 2 Gaps, 0 Hi", 0.5079f, EntryId::k3STFL2Gaps0Hi},                     // 41
    {"3 FL, 1 Hi Card", 0.5014f, EntryId::k3FL1HiCard},                             // 42
    {"QJT", 0.4940f, EntryId::kQJT},                                                // 43
    {"4 ST, Inside, 1 Hi Card", 0.4894f, EntryId::k4STInside1HiCard},               // 44
    {"JTs", 0.4779f, EntryId::kJTs},                                                // 45
    {"QJ", 0.4740f, EntryId::kQJ},                                                  // 46
    {"QTs", 0.4645f, EntryId::kQTs},                                                // 47
    {"KQ, KJ", 0.4543f, EntryId::kKQKJ},                                            // 48
    {"KTs", 0.4437f, EntryId::kKTs},                                                // 49
    {"AK, AQ, AJ", 0.4429f, EntryId::kAKAQAJ},                                      // 50
    {"Ace", 0.4349f, EntryId::kAce},                                                // 51
    {"Jack", 0.4349f, EntryId::kJack},                                              // 52
    {"Queen", 0.4283f, EntryId::kQueen},                                            // 53
    {"4 ST, Inside, 0 Hi Cards", 0.4255f, EntryId::k4STInside0HiCards},             // 54
    {"King", 0.4216f, EntryId::kKing},                                              // 55
    {"3 FL, 0 Hi Cards", 0.4024f, EntryId::k3FL0HiCards},                           // 56
    {"2 STFL, Open, 45s-9Ts", 0.3244f, EntryId::k2STFLOpen45s9Ts},                  // 57
    {"Redraw", 0.3239f, EntryId::kRedraw},                                          // 58
};

// Bonus Deluxe, pay table "8/6": 47 entries.
constexpr StrategyEntry kBonusDeluxe8_6[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                            // 1
    {"Pat Four of a Kind", 80.0000f, EntryId::kPatFourOfAKind},              // 2
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},            // 3
    {"4 Royal", 18.4255f, EntryId::k4Royal},                                 // 4
    {"Pat Full House", 8.0000f, EntryId::kPatFullHouse},                     // 5
    {"Three of a Kind", 6.5865f, EntryId::kThreeOfAKind},                    // 6
    {"Pat Flush", 6.0000f, EntryId::kPatFlush},                              // 7
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                        // 8
    {"4 STFL, Open, 2345s-9TJQs", 3.4282f, EntryId::k4STFLOpen2345s9TJQs},   // 9
    {"4 STFL, Inside", 2.2307f, EntryId::k4STFLInside},                      // 10
    {"Two Pair", 1.5957f, EntryId::kTwoPair},                                // 11
    {"High Pair JJ-AA", 1.5206f, EntryId::kHighPairJJAA},                    // 12
    {"3 Royal", 1.3006f, EntryId::k3Royal},                                  // 13
    {"4 Flush", 1.2447f, EntryId::k4Flush},                                  // 14
    {"TJQK", 0.8723f, EntryId::kTJQK},                                       // 15
    {"Low Pair 22-TT", 0.8063f, EntryId::kLowPair22TT},                      // 16
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                       // 17
    {"89TJ", 0.7447f, EntryId::k89TJ},                                       // 18
    {"QJ9s", 0.7086f, EntryId::kQJ9s},                                       // 19
    {"JT9s", 0.7021f, EntryId::kJT9s},                                       // 20
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},           // 21
    {"QJ8s", 0.6098f, EntryId::kQJ8s},                                       // 22
    {"3 STFL, Open, 345s-89Ts", 0.6050f, EntryId::k3STFLOpen345s89Ts},       // 23
    {"KQ9s, KJ9s", 0.6004f, EntryId::kKQ9sKJ9s},                             // 24
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                       // 25
    {"QT9s, JT8s, J98s", 0.5846f, EntryId::kQT9sJT8sJ98s},                   // 26
    {"QJs", 0.5618f, EntryId::kQJs},                                         // 27
    {"KQs, KJs", 0.5476f, EntryId::kKQsKJs},                                 // 28
    {"AKs, AQs, AJs", 0.5393f, EntryId::kAKsAQsAJs},                         // 29
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},      // 30
    {"3 STFL, 2 Gaps, 1 Hi", 0.5068f, EntryId::k3STFL2Gaps1Hi},              // 31
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.5010f, EntryId::k3STFL1Gap0HiPlus234s}, // 32
    {"KQJ", 0.4903f, EntryId::kKQJ},                                         // 33
    {"4 ST, Inside, 2 Hi Cards", 0.4681f, EntryId::k4STInside2HiCards},      // 34
    {"QJ", 0.4677f, EntryId::kQJ},                                           // 35
    {"JTs", 0.4626f, EntryId::kJTs},                                         // 36
    {"KQ, KJ", 0.4519f, EntryId::kKQKJ},                                     // 37
    {"QTs", 0.4422f, EntryId::kQTs},                                         // 38
    {"AK, AQ, AJ", 0.4401f, EntryId::kAKAQAJ},                               // 39
    {"Jack", 0.4389f, EntryId::kJack},                                       // 40
    {"KTs", 0.4367f, EntryId::kKTs},                                         // 41
    {"Queen", 0.4351f, EntryId::kQueen},                                     // 42
    {"King", 0.4285f, EntryId::kKing},                                       // 43
    {"Ace", 0.4268f, EntryId::kAce},                                         // 44
    {"3 STFL, 2 Gaps, 0 Hi", 0.4126f, EntryId::k3STFL2Gaps0Hi},              // 45
    {"4 ST, Inside, 0 Hi Cards", 0.3404f, EntryId::k4STInside0HiCards},      // 46
    {"Redraw", 0.3231f, EntryId::kRedraw},                                   // 47
};

// Bonus Deluxe, pay table "8/5": 47 entries.
constexpr StrategyEntry kBonusDeluxe8_5[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                            // 1
    {"Pat Four of a Kind", 80.0000f, EntryId::kPatFourOfAKind},              // 2
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},            // 3
    {"4 Royal", 18.2766f, EntryId::k4Royal},                                 // 4
    {"Pat Full House", 8.0000f, EntryId::kPatFullHouse},                     // 5
    {"Three of a Kind", 6.5865f, EntryId::kThreeOfAKind},                    // 6
    {"Pat Flush", 5.0000f, EntryId::kPatFlush},                              // 7
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                        // 8
    {"4 STFL, Open, 2345s-9TJQs", 3.3005f, EntryId::k4STFLOpen2345s9TJQs},   // 9
    {"4 STFL, Inside", 2.0817f, EntryId::k4STFLInside},                      // 10
    {"Two Pair", 1.5957f, EntryId::kTwoPair},                                // 11
    {"High Pair JJ-AA", 1.5206f, EntryId::kHighPairJJAA},                    // 12
    {"3 Royal", 1.2683f, EntryId::k3Royal},                                  // 13
    {"4 Flush", 1.0532f, EntryId::k4Flush},                                  // 14
    {"TJQK", 0.8723f, EntryId::kTJQK},                                       // 15
    {"Low Pair 22-TT", 0.8063f, EntryId::kLowPair22TT},                      // 16
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                       // 17
    {"89TJ", 0.7447f, EntryId::k89TJ},                                       // 18
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},           // 19
    {"QJ9s", 0.6688f, EntryId::kQJ9s},                                       // 20
    {"JT9s", 0.6633f, EntryId::kJT9s},                                       // 21
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                       // 22
    {"QJ8s", 0.5691f, EntryId::kQJ8s},                                       // 23
    {"3 STFL, Open, 345s-89Ts", 0.5661f, EntryId::k3STFLOpen345s89Ts},       // 24
    {"KQ9s, KJ9s", 0.5597f, EntryId::kKQ9sKJ9s},                             // 25
    {"QJs", 0.5546f, EntryId::kQJs},                                         // 26
    {"QT9s, JT8s, J98s", 0.5449f, EntryId::kQT9sJT8sJ98s},                   // 27
    {"KQs, KJs", 0.5376f, EntryId::kKQsKJs},                                 // 28
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},      // 29
    {"AKs, AQs, AJs", 0.5291f, EntryId::kAKsAQsAJs},                         // 30
    {"KQJ", 0.4903f, EntryId::kKQJ},                                         // 31
    {"4 ST, Inside, 2 Hi Cards", 0.4681f, EntryId::k4STInside2HiCards},      // 32
    {"QJ", 0.4677f, EntryId::kQJ},                                           // 33
    {"3 STFL, 2 Gaps, 1 Hi", 0.4661f, EntryId::k3STFL2Gaps1Hi},              // 34
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.4612f, EntryId::k3STFL1Gap0HiPlus234s}, // 35
    {"JTs", 0.4527f, EntryId::kJTs},                                         // 36
    {"KQ, KJ", 0.4519f, EntryId::kKQKJ},                                     // 37
    {"AK, AQ, AJ", 0.4401f, EntryId::kAKAQAJ},                               // 38
    {"Jack", 0.4370f, EntryId::kJack},                                       // 39
    {"QTs", 0.4350f, EntryId::kQTs},                                         // 40
    {"Queen", 0.4339f, EntryId::kQueen},                                     // 41
    {"KTs", 0.4266f, EntryId::kKTs},                                         // 42
    {"King", 0.4266f, EntryId::kKing},                                       // 43
    {"Ace", 0.4245f, EntryId::kAce},                                         // 44
    {"3 STFL, 2 Gaps, 0 Hi", 0.3719f, EntryId::k3STFL2Gaps0Hi},              // 45
    {"4 ST, Inside, 0 Hi Cards", 0.3404f, EntryId::k4STInside0HiCards},      // 46
    {"Redraw", 0.3211f, EntryId::kRedraw},                                   // 47
};

// Deuces Wild, pay table "3/2": 51 entries.
constexpr StrategyEntry kDeucesWild3_2[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal (no Deuces)", 800.0000f, EntryId::kPatRoyalNoDeuces},             // 1
    {"Pat Four Deuces", 200.0000f, EntryId::kPatFourDeuces},                      // 2
    {"Pat Wild Royal", 25.0000f, EntryId::kPatWildRoyal},                         // 3
    {"4 Royal", 19.5319f, EntryId::k4Royal},                                      // 4
    {"Pat Five of a Kind", 16.0000f, EntryId::kPatFiveOfAKind},                   // 5
    {"Three Deuces", 14.3552f, EntryId::kThreeDeuces},                            // 6
    {"Pat Straight Flush", 10.0000f, EntryId::kPatStraightFlush},                 // 7
    {"Four of a Kind", 5.0213f, EntryId::kFourOfAKind},                           // 8
    {"4 Wild Royal (2 Deuces)", 4.5106f, EntryId::k4WildRoyal2Deuces},            // 9
    {"4 Wild Royal (1 Deuce)", 3.6596f, EntryId::k4WildRoyal1Deuce},              // 10
    {"4 STFL, Open, 22-45s to 22-9Ts", 3.3617f, EntryId::k4STFLOpen2245sTo229Ts}, // 11
    {"4 STFL, 1 Gap,22-57s to 22-9Js", 3.1489f, EntryId::k4STFL1Gap2257sTo229Js}, // 12
    {"Two Deuces", 3.0173f, EntryId::kTwoDeuces},                                 // 13
    {"Pat Full House", 3.0000f, EntryId::kPatFullHouse},                          // 14
    {"4 STFL, Open, 2-567s to 2-9TJs", 2.3830f, EntryId::k4STFLOpen2567sTo29TJs}, // 15
    {"2-345s, 2-456s", 2.0851f, EntryId::k2345s2456s},                            // 16
    {"4 STFL, 1 Gap, 7-Q High", 2.0851f, EntryId::k4STFL1Gap7QHigh},              // 17
    {"Pat Flush", 2.0000f, EntryId::kPatFlush},                                   // 18
    {"Pat Straight", 2.0000f, EntryId::kPatStraight},                             // 19
    {"Three of a Kind", 1.8326f, EntryId::kThreeOfAKind},                         // 20
    {"4 STFL, 2 Gaps, 7-K Hi", 1.7660f, EntryId::k4STFL2Gaps7KHi},                // 21
    {"2-346s, 2-356s", 1.7660f, EntryId::k2346s2356s},                            // 22
    {"4 STFL, Open, 3456s to 9TJQs", 1.7447f, EntryId::k4STFLOpen3456sTo9TJQs},   // 23
    {"2-A34s, 2-A35s, 2-A45s", 1.5106f, EntryId::k2A34s2A35s2A45s},               // 24
    {"4 STFL, Inside", 1.4894f, EntryId::k4STFLInside},                           // 25
    {"3 Royal (no Deuces)", 1.3164f, EntryId::k3RoyalNoDeuces},                   // 26
    {"2-JTs", 1.3071f, EntryId::k2JTs},                                           // 27
    {"2-QJs, 2-QTs", 1.2063f, EntryId::k2QJs2QTs},                                // 28
    {"2-KQs, 2-KJs, 2-KTs", 1.1073f, EntryId::k2KQs2KJs2KTs},                     // 29
    {"3 STFL, Open, 2-67s to 2-9Ts", 1.0934f, EntryId::k3STFLOpen267sTo29Ts},     // 30
    {"2-AKs,2-AQs,2-AJs,2-ATs", 1.0241f, EntryId::k2AKs2AQs2AJs2ATs},             // 31
    {"4 ST, Open (1 Deuce)", 1.0000f, EntryId::k4STOpen1Deuce},                   // 32
    {"3 STFL, 1 Gap, 2-57s to 2-9Js", 1.0000f, EntryId::k3STFL1Gap257sTo29Js},    // 33
    {"2-56s", 0.9926f, EntryId::k256s},                                           // 34
    {"1 Deuce", 0.9868f, EntryId::k1Deuce},                                       // 35
    {"One Pair", 0.5246f, EntryId::kOnePair},                                     // 36
    {"3 STFL, Open, 567s-9TJs", 0.5208f, EntryId::k3STFLOpen567s9TJs},            // 37
    {"4 ST, Open, but not 3456", 0.5106f, EntryId::k4STOpenButNot3456},           // 38
    {"4 Flush", 0.5106f, EntryId::k4Flush},                                       // 39
    {"3 STFL, 1 Gap, 7-Q High", 0.4505f, EntryId::k3STFL1Gap7QHigh},              // 40
    {"456s", 0.4505f, EntryId::k456s},                                            // 41
    {"345s", 0.4209f, EntryId::k345s},                                            // 42
    {"JT7s", 0.3719f, EntryId::kJT7s},                                            // 43
    {"JTs", 0.3716f, EntryId::kJTs},                                              // 44
    {"3 STFL, 2 Gaps, 7-K High", 0.3691f, EntryId::k3STFL2Gaps7KHigh},            // 45
    {"346s, 356s", 0.3636f, EntryId::k346s356s},                                  // 46
    {"QTs, QJs", 0.3502f, EntryId::kQTsQJs},                                      // 47
    {"3456", 0.3405f, EntryId::k3456},                                            // 48
    {"4 ST, Inside, but not A345", 0.3404f, EntryId::k4STInsideButNotA345},       // 49
    {"KQs, KJs, KTs", 0.3147f, EntryId::kKQsKJsKTs},                              // 50
    {"Redraw", 0.3094f, EntryId::kRedraw},                                        // 51
};

// Deuces Wild, pay table "4/3": 54 entries.
constexpr StrategyEntry kDeucesWild4_3[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal (no Deuces)", 800.0000f, EntryId::kPatRoyalNoDeuces},                 // 1
    {"Pat Four Deuces", 200.0000f, EntryId::kPatFourDeuces},                          // 2
    {"Pat Wild Royal", 25.0000f, EntryId::kPatWildRoyal},                             // 3
    {"4 Royal (no Deuces)", 19.6596f, EntryId::k4RoyalNoDeuces},                      // 4
    {"Pat Five of a Kind", 16.0000f, EntryId::kPatFiveOfAKind},                       // 5
    {"Three Deuces Only", 14.3552f, EntryId::kThreeDeucesOnly},                       // 6
    {"Pat Straight Flush", 10.0000f, EntryId::kPatStraightFlush},                     // 7
    {"Four of a Kind", 5.0213f, EntryId::kFourOfAKind},                               // 8
    {"4 Wild Royal (2 Deuces)", 4.6383f, EntryId::k4WildRoyal2Deuces},                // 9
    {"4 Wild Royal, Queen Hi (1 Deuce)", 4.0426f, EntryId::k4WildRoyalQueenHi1Deuce}, // 10
    {"Pat Full House", 4.0000f, EntryId::kPatFullHouse},                              // 11
    {"4 Wild Royal, King Hi (1 Deuce)", 3.7660f, EntryId::k4WildRoyalKingHi1Deuce},   // 12
    {"4 Wild Royal, Ace Hi (1 Deuce)", 3.4894f, EntryId::k4WildRoyalAceHi1Deuce},     // 13
    {"4 STFL, Open, 22-45s to 22-9Ts", 3.4468f, EntryId::k4STFLOpen2245sTo229Ts},     // 14
    {"4 STFL, 1 Gap,22-57s to 22-9Js", 3.2553f, EntryId::k4STFL1Gap2257sTo229Js},     // 15
    {"Two Deuces Only", 3.0509f, EntryId::kTwoDeucesOnly},                            // 16
    {"Pat Flush", 3.0000f, EntryId::kPatFlush},                                       // 17
    {"4 STFL, Open, 2-567s to 2-9TJs", 2.4894f, EntryId::k4STFLOpen2567sTo29TJs},     // 18
    {"2-345s, 2-456s", 2.2128f, EntryId::k2345s2456s},                                // 19
    {"4 STFL, 1 Gap, 7-Q High (1 Deuce)", 2.2128f, EntryId::k4STFL1Gap7QHigh1Deuce},  // 20
    {"Pat Straight", 2.0000f, EntryId::kPatStraight},                                 // 21
    {"4 STFL, 2 Gaps, 7-K High(1 Deuce)", 1.8936f, EntryId::k4STFL2Gaps7KHigh1Deuce}, // 22
    {"2-346s, 2-356s", 1.8936f, EntryId::k2346s2356s},                                // 23
    {"Three of a Kind", 1.8881f, EntryId::kThreeOfAKind},                             // 24
    {"4 STFL, Open, 3456s to 9TJQs", 1.8723f, EntryId::k4STFLOpen3456sTo9TJQs},       // 25
    {"2-A34s, 2-A35s, 2-A45s", 1.6809f, EntryId::k2A34s2A35s2A45s},                   // 26
    {"4 STFL, Inside (no Deuces)", 1.6383f, EntryId::k4STFLInsideNoDeuces},           // 27
    {"3 Royal (no Deuces)", 1.3636f, EntryId::k3RoyalNoDeuces},                       // 28
    {"2-JTs", 1.3488f, EntryId::k2JTs},                                               // 29
    {"2-QJs, 2-QTs", 1.2525f, EntryId::k2QJs2QTs},                                    // 30
    {"2-KQs, 2-KJs, 2-KTs", 1.1693f, EntryId::k2KQs2KJs2KTs},                         // 31
    {"3 STFL, Open, 2-67s to 2-9Ts", 1.1462f, EntryId::k3STFLOpen267sTo29Ts},         // 32
    {"2-AKs,2-AQs,2-AJs,2-ATs", 1.0907f, EntryId::k2AKs2AQs2AJs2ATs},                 // 33
    {"3 STFL, 1 Gap, 2-57s to 2-9Js", 1.0574f, EntryId::k3STFL1Gap257sTo29Js},        // 34
    {"2-56s", 1.0500f, EntryId::k256s},                                               // 35
    {"2-45s", 1.0157f, EntryId::k245s},                                               // 36
    {"Deuce Only", 1.0117f, EntryId::kDeuceOnly},                                     // 37
    {"4 Flush", 0.7660f, EntryId::k4Flush},                                           // 38
    {"Two Pair", 0.6809f, EntryId::kTwoPair},                                         // 39
    {"3 STFL, Open, 567s-9TJs", 0.5698f, EntryId::k3STFLOpen567s9TJs},                // 40
    {"One Pair", 0.5484f, EntryId::kOnePair},                                         // 41
    {"4 ST, Open, but not 3456", 0.5106f, EntryId::k4STOpenButNot3456},               // 42
    {"3 STFL, 1 Gap, 7-Q High", 0.5042f, EntryId::k3STFL1Gap7QHigh},                  // 43
    {"456s", 0.5042f, EntryId::k456s},                                                // 44
    {"345s", 0.4755f, EntryId::k345s},                                                // 45
    {"3 STFL, 2 Gaps, 7-K High", 0.4274f, EntryId::k3STFL2Gaps7KHigh},                // 46
    {"346s, 356s", 0.4218f, EntryId::k346s356s},                                      // 47
    {"JTs", 0.3826f, EntryId::kJTs},                                                  // 48
    {"QTs, QJs", 0.3705f, EntryId::kQTsQJs},                                          // 49
    {"3456", 0.3405f, EntryId::k3456},                                                // 50
    {"A34s, A35s, A45s", 0.3404f, EntryId::kA34sA35sA45s},                            // 51
    {"4 ST, Inside, but not A345", 0.3404f, EntryId::k4STInsideButNotA345},           // 52
    {"KQs, KJs, KTs", 0.3374f, EntryId::kKQsKJsKTs},                                  // 53
    {"Redraw", 0.3201f, EntryId::kRedraw},                                            // 54
};

// Double Bonus, pay table "9/6": 53 entries.
constexpr StrategyEntry kDoubleBonus9_6[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                                   // 1
    {"Four Aces", 160.0000f, EntryId::kFourAces},                                   // 2
    {"Four 2,3,4", 80.0000f, EntryId::kFour234},                                    // 3
    {"Pat Four 5's to K's", 50.0000f, EntryId::kPatFour5sToKs},                     // 4
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},                   // 5
    {"4 Royal", 18.5021f, EntryId::k4Royal},                                        // 6
    {"3 Aces", 10.0527f, EntryId::k3Aces},                                          // 7
    {"Pat Full House", 9.0000f, EntryId::kPatFullHouse},                            // 8
    {"Three 2,3,4", 6.6485f, EntryId::kThree234},                                   // 9
    {"Pat Flush", 6.0000f, EntryId::kPatFlush},                                     // 10
    {"Three 5's to K's", 5.3719f, EntryId::kThree5sToKs},                           // 11
    {"Pat Straight", 5.0000f, EntryId::kPatStraight},                               // 12
    {"4 STFL, Open, 2345s-9TJQs", 3.5559f, EntryId::k4STFLOpen2345s9TJQs},          // 13
    {"4 STFL, Inside", 2.2945f, EntryId::k4STFLInside},                             // 14
    {"Pair Aces", 1.7531f, EntryId::kPairAces},                                     // 15
    {"Two Pair", 1.6809f, EntryId::kTwoPair},                                       // 16
    {"QJTs", 1.4958f, EntryId::kQJTs},                                              // 17
    {"Pair JJ, QQ, KK", 1.4478f, EntryId::kPairJJQQKK},                             // 18
    {"KQJs, KQTs, KJTs", 1.4010f, EntryId::kKQJsKQTsKJTs},                          // 19
    {"AKQs,AKJs,AKTs,AQJs,AQTs,AJTs", 1.3145f, EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs}, // 20
    {"4 Flush", 1.2447f, EntryId::k4Flush},                                         // 21
    {"4 ST, Open 2345-TJQK", 0.9149f, EntryId::k4STOpen2345TJQK},                   // 22
    {"Pair 22, 33, 44", 0.8165f, EntryId::kPair223344},                             // 23
    {"JT9s", 0.7438f, EntryId::kJT9s},                                              // 24
    {"QJ9s", 0.7364f, EntryId::kQJ9s},                                              // 25
    {"Pair 55 to TT", 0.7332f, EntryId::kPair55ToTT},                               // 26
    {"AKQJ", 0.6789f, EntryId::kAKQJ},                                              // 27
    {"3 STFL, Open, 345s-89Ts", 0.6466f, EntryId::k3STFLOpen345s89Ts},              // 28
    {"4 ST, Inside, 3 Hi Cards", 0.6170f, EntryId::k4STInside3HiCards},             // 29
    {"QJ8s", 0.6105f, EntryId::kQJ8s},                                              // 30
    {"KQ9s, KJ9s", 0.6105f, EntryId::kKQ9sKJ9s},                                    // 31
    {"QT9s, JT8s, J98s", 0.6050f, EntryId::kQT9sJT8sJ98s},                          // 32
    {"QJs", 0.5689f, EntryId::kQJs},                                                // 33
    {"4 ST, Inside, 2 Hi Cards", 0.5532f, EntryId::k4STInside2HiCards},             // 34
    {"KQs, KJs", 0.5494f, EntryId::kKQsKJs},                                        // 35
    {"AKs, AQs, AJs", 0.5463f, EntryId::kAKsAQsAJs},                                // 36
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.5264f, EntryId::k3STFL1Gap0HiPlus234s},        // 37
    {"3 STFL, 2 Gaps, 1 Hi", 0.5207f, EntryId::k3STFL2Gaps1Hi},                     // 38
    {"KQJ", 0.5199f, EntryId::kKQJ},                                                // 39
    {"QJT", 0.4940f, EntryId::kQJT},                                                // 40
    {"4 ST, Inside, 1 Hi Card", 0.4894f, EntryId::k4STInside1HiCard},               // 41
    {"QJ", 0.4760f, EntryId::kQJ},                                                  // 42
    {"JTs", 0.4736f, EntryId::kJTs},                                                // 43
    {"KQ, KJ", 0.4562f, EntryId::kKQKJ},                                            // 44
    {"QTs", 0.4513f, EntryId::kQTs},                                                // 45
    {"Ace", 0.4498f, EntryId::kAce},                                                // 46
    {"KTs", 0.4409f, EntryId::kKTs},                                                // 47
    {"Jack", 0.4374f, EntryId::kJack},                                              // 48
    {"Queen", 0.4321f, EntryId::kQueen},                                            // 49
    {"3 STFL, 2 Gaps, 0 Hi", 0.4265f, EntryId::k3STFL2Gaps0Hi},                     // 50
    {"4 ST, Inside, 0 Hi Cards", 0.4255f, EntryId::k4STInside0HiCards},             // 51
    {"King", 0.4238f, EntryId::kKing},                                              // 52
    {"Redraw", 0.3257f, EntryId::kRedraw},                                          // 53
};

// Double Bonus, pay table "10/7": 56 entries.
constexpr StrategyEntry kDoubleBonus10_7[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                                   // 1
    {"Four Aces", 160.0000f, EntryId::kFourAces},                                   // 2
    {"Four 2,3,4", 80.0000f, EntryId::kFour234},                                    // 3
    {"Pat Four 5's to K's", 50.0000f, EntryId::kPatFour5sToKs},                     // 4
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},                   // 5
    {"4 Royal", 18.6511f, EntryId::k4Royal},                                        // 6
    {"3 Aces", 10.1147f, EntryId::k3Aces},                                          // 7
    {"Pat Full House", 10.0000f, EntryId::kPatFullHouse},                           // 8
    {"Pat Flush", 7.0000f, EntryId::kPatFlush},                                     // 9
    {"Three 2,3,4", 6.7105f, EntryId::kThree234},                                   // 10
    {"Three 5's to K's", 5.4339f, EntryId::kThree5sToKs},                           // 11
    {"Pat Straight", 5.0000f, EntryId::kPatStraight},                               // 12
    {"4 STFL, Open, 2345s-9TJQs", 3.6835f, EntryId::k4STFLOpen2345s9TJQs},          // 13
    {"4 STFL, Inside", 2.4434f, EntryId::k4STFLInside},                             // 14
    {"Two Pair", 1.7660f, EntryId::kTwoPair},                                       // 15
    {"Pair Aces", 1.7635f, EntryId::kPairAces},                                     // 16
    {"QJTs", 1.5264f, EntryId::kQJTs},                                              // 17
    {"Pair JJ, QQ, KK", 1.4582f, EntryId::kPairJJQQKK},                             // 18
    {"4 Flush", 1.4362f, EntryId::k4Flush},                                         // 19
    {"KQJs, KQTs, KJTs", 1.4325f, EntryId::kKQJsKQTsKJTs},                          // 20
    {"AKQs,AKJs,AKTs,AQJs,AQTs,AJTs", 1.3469f, EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs}, // 21
    {"4 ST, Open 2345-TJQK", 0.9149f, EntryId::k4STOpen2345TJQK},                   // 22
    {"Pair 22, 33, 44", 0.8266f, EntryId::kPair223344},                             // 23
    {"JT9s", 0.7826f, EntryId::kJT9s},                                              // 24
    {"QJ9s", 0.7761f, EntryId::kQJ9s},                                              // 25
    {"Pair 55 to TT", 0.7434f, EntryId::kPair55ToTT},                               // 26
    {"3 STFL, Open, 345s-89Ts", 0.6855f, EntryId::k3STFLOpen345s89Ts},              // 27
    {"AKQJ", 0.6789f, EntryId::kAKQJ},                                              // 28
    {"QJ8s", 0.6644f, EntryId::kQJ8s},                                              // 29
    {"KQ9s, KJ9s", 0.6512f, EntryId::kKQ9sKJ9s},                                    // 30
    {"QT9s, JT8s, J98s", 0.6448f, EntryId::kQT9sJT8sJ98s},                          // 31
    {"4 ST, Inside, 3 Hi Cards", 0.6170f, EntryId::k4STInside3HiCards},             // 32
    {"QJs", 0.5772f, EntryId::kQJs},                                                // 33
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.5661f, EntryId::k3STFL1Gap0HiPlus234s},        // 34
    {"3 STFL, 2 Gaps, 1 Hi", 0.5614f, EntryId::k3STFL2Gaps1Hi},                     // 35
    {"3 FL, 2 Hi Cards", 0.5606f, EntryId::k3FL2HiCards},                           // 36
    {"KQs, KJs", 0.5605f, EntryId::kKQsKJs},                                        // 37
    {"AKs, AQs, AJs", 0.5576f, EntryId::kAKsAQsAJs},                                // 38
    {"4 ST, Inside, 2 Hi Cards", 0.5532f, EntryId::k4STInside2HiCards},             // 39
    {"KQJ", 0.5199f, EntryId::kKQJ},                                                // 40
    {"QJT", 0.4940f, EntryId::kQJT},                                                // 41
    {"4 ST, Inside, 1 Hi Card", 0.4894f, EntryId::k4STInside1HiCard},               // 42
    {"JTs", 0.4846f, EntryId::kJTs},                                                // 43
    {"QJ", 0.4771f, EntryId::kQJ},                                                  // 44
    {"3 STFL, 2 Gaps, 0 Hi", 0.4672f, EntryId::k3STFL2Gaps0Hi},                     // 45
    {"3 FL, 1 Hi Card", 0.4598f, EntryId::k3FL1HiCard},                             // 46
    {"QTs", 0.4576f, EntryId::kQTs},                                                // 47
    {"KQ, KJ", 0.4574f, EntryId::kKQKJ},                                            // 48
    {"Ace", 0.4537f, EntryId::kAce},                                                // 49
    {"Jack", 0.4409f, EntryId::kJack},                                              // 50
    {"KTs", 0.4368f, EntryId::kKTs},                                                // 51
    {"Queen", 0.4349f, EntryId::kQueen},                                            // 52
    {"King", 0.4273f, EntryId::kKing},                                              // 53
    {"4 ST, Inside, 0 Hi Cards", 0.4255f, EntryId::k4STInside0HiCards},             // 54
    {"3 FL, 0 Hi Cards", 0.3608f, EntryId::k3FL0HiCards},                           // 55
    {"Redraw", 0.3291f, EntryId::kRedraw},                                          // 56
};

// Double Double Bonus, pay table "9/6": 56 entries.
constexpr StrategyEntry kDoubleDoubleBonus9_6[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                                   // 1
    {"Pat Four Aces w/ Kicker", 400.0000f, EntryId::kPatFourAcesWKicker},           // 2
    {"Four Aces", 221.2766f, EntryId::kFourAces},                                   // 3
    {"Pat Four 2,3,4 w/Kicker", 160.0000f, EntryId::kPatFour234WKicker},            // 4
    {"Four 2,3,4", 100.4255f, EntryId::kFour234},                                   // 5
    {"Pat Four 5's to K's", 50.0000f, EntryId::kPatFour5sToKs},                     // 6
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},                   // 7
    {"4 Royal", 18.4255f, EntryId::k4Royal},                                        // 8
    {"3 Aces", 12.2729f, EntryId::k3Aces},                                          // 9
    {"Pat Full House", 9.0000f, EntryId::kPatFullHouse},                            // 10
    {"Three 2,3,4", 7.3885f, EntryId::kThree234},                                   // 11
    {"Pat Flush", 6.0000f, EntryId::kPatFlush},                                     // 12
    {"Three 5's to K's", 5.3719f, EntryId::kThree5sToKs},                           // 13
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                               // 14
    {"4 STFL, Open, 2345s-9TJQs", 3.4282f, EntryId::k4STFLOpen2345s9TJQs},          // 15
    {"4 STFL, Inside", 2.2307f, EntryId::k4STFLInside},                             // 16
    {"Pair Aces", 1.8863f, EntryId::kPairAces},                                     // 17
    {"Two Pair", 1.6809f, EntryId::kTwoPair},                                       // 18
    {"QJTs", 1.4542f, EntryId::kQJTs},                                              // 19
    {"Pair JJ, QQ, KK", 1.4478f, EntryId::kPairJJQQKK},                             // 20
    {"KQJs, KQTs, KJTs", 1.3733f, EntryId::kKQJsKQTsKJTs},                          // 21
    {"AKQs,AKJs,AKTs,AQJs,AQTs,AJTs", 1.3006f, EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs}, // 22
    {"4 Flush", 1.2447f, EntryId::k4Flush},                                         // 23
    {"TJQK", 0.8723f, EntryId::kTJQK},                                              // 24
    {"Pair 22, 33, 44", 0.8658f, EntryId::kPair223344},                             // 25
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                              // 26
    {"89TJ", 0.7447f, EntryId::k89TJ},                                              // 27
    {"Pair 55 to TT", 0.7332f, EntryId::kPair55ToTT},                               // 28
    {"QJ9s", 0.7086f, EntryId::kQJ9s},                                              // 29
    {"JT9s", 0.7021f, EntryId::kJT9s},                                              // 30
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},                  // 31
    {"QJ8s", 0.6098f, EntryId::kQJ8s},                                              // 32
    {"3 STFL, Open, 345s-89Ts", 0.6050f, EntryId::k3STFLOpen345s89Ts},              // 33
    {"KQ9s, KJ9s", 0.6004f, EntryId::kKQ9sKJ9s},                                    // 34
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                              // 35
    {"QT9s, JT8s, J98s", 0.5846f, EntryId::kQT9sJT8sJ98s},                          // 36
    {"QJs", 0.5592f, EntryId::kQJs},                                                // 37
    {"KQs, KJs", 0.5451f, EntryId::kKQsKJs},                                        // 38
    {"AKs, AQs, AJs", 0.5434f, EntryId::kAKsAQsAJs},                                // 39
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},             // 40
    {"3 STFL, 2 Gaps, 1 Hi", 0.5068f, EntryId::k3STFL2Gaps1Hi},                     // 41
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.5010f, EntryId::k3STFL1Gap0HiPlus234s},        // 42
    {"KQJ", 0.4903f, EntryId::kKQJ},                                                // 43
    {"4 ST, Inside, 2 Hi Cards", 0.4681f, EntryId::k4STInside2HiCards},             // 44
    {"QJ", 0.4651f, EntryId::kQJ},                                                  // 45
    {"Ace", 0.4648f, EntryId::kAce},                                                // 46
    {"JTs", 0.4600f, EntryId::kJTs},                                                // 47
    {"KQ, KJ", 0.4493f, EntryId::kKQKJ},                                            // 48
    {"QTs", 0.4397f, EntryId::kQTs},                                                // 49
    {"KTs", 0.4341f, EntryId::kKTs},                                                // 50
    {"Jack", 0.4327f, EntryId::kJack},                                              // 51
    {"Queen", 0.4289f, EntryId::kQueen},                                            // 52
    {"King", 0.4220f, EntryId::kKing},                                              // 53
    {"3 STFL, 2 Gaps, 0 Hi", 0.4126f, EntryId::k3STFL2Gaps0Hi},                     // 54
    {"4 ST, Inside, 0 Hi Cards", 0.3404f, EntryId::k4STInside0HiCards},             // 55
    {"Redraw", 0.3240f, EntryId::kRedraw},                                          // 56
};

// Double Double Bonus, pay table "9/5": 54 entries.
constexpr StrategyEntry kDoubleDoubleBonus9_5[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                            // 1
    {"Pat Four Aces w/ Kicker", 400.0000f, EntryId::kPatFourAcesWKicker},    // 2
    {"Four Aces", 221.2766f, EntryId::kFourAces},                            // 3
    {"Pat Four 2,3,4 w/Kicker", 160.0000f, EntryId::kPatFour234WKicker},     // 4
    {"Four 2,3,4", 100.4255f, EntryId::kFour234},                            // 5
    {"Pat Four 5's to K's", 50.0000f, EntryId::kPatFour5sToKs},              // 6
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},            // 7
    {"4 Royal", 18.2766f, EntryId::k4Royal},                                 // 8
    {"3 Aces", 12.2729f, EntryId::k3Aces},                                   // 9
    {"Pat Full House", 9.0000f, EntryId::kPatFullHouse},                     // 10
    {"Three 2,3,4", 7.3885f, EntryId::kThree234},                            // 11
    {"Three 5's to K's", 5.3719f, EntryId::kThree5sToKs},                    // 12
    {"Pat Flush", 5.0000f, EntryId::kPatFlush},                              // 13
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                        // 14
    {"4 STFL, Open, 2345s-9TJQs", 3.3005f, EntryId::k4STFLOpen2345s9TJQs},   // 15
    {"4 STFL, Inside", 2.0817f, EntryId::k4STFLInside},                      // 16
    {"Pair Aces", 1.8863f, EntryId::kPairAces},                              // 17
    {"Two Pair", 1.6809f, EntryId::kTwoPair},                                // 18
    {"Pair JJ, QQ, KK", 1.4478f, EntryId::kPairJJQQKK},                      // 19
    {"3 Royal", 1.2683f, EntryId::k3Royal},                                  // 20
    {"4 Flush", 1.0532f, EntryId::k4Flush},                                  // 21
    {"TJQK", 0.8723f, EntryId::kTJQK},                                       // 22
    {"Pair 22, 33, 44", 0.8658f, EntryId::kPair223344},                      // 23
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                       // 24
    {"89TJ", 0.7447f, EntryId::k89TJ},                                       // 25
    {"Pair 55 to TT", 0.7332f, EntryId::kPair55ToTT},                        // 26
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},           // 27
    {"QJ9s", 0.6688f, EntryId::kQJ9s},                                       // 28
    {"JT9s", 0.6633f, EntryId::kJT9s},                                       // 29
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                       // 30
    {"QJ8s", 0.5691f, EntryId::kQJ8s},                                       // 31
    {"3 STFL, Open, 345s-89Ts", 0.5661f, EntryId::k3STFLOpen345s89Ts},       // 32
    {"KQ9s, KJ9s", 0.5597f, EntryId::kKQ9sKJ9s},                             // 33
    {"QJs", 0.5520f, EntryId::kQJs},                                         // 34
    {"QT9s, JT8s, J98s", 0.5449f, EntryId::kQT9sJT8sJ98s},                   // 35
    {"KQs, KJs", 0.5350f, EntryId::kKQsKJs},                                 // 36
    {"AKs, AQs, AJs", 0.5333f, EntryId::kAKsAQsAJs},                         // 37
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},      // 38
    {"KQJ", 0.4903f, EntryId::kKQJ},                                         // 39
    {"4 ST, Inside, 2 Hi Cards", 0.4681f, EntryId::k4STInside2HiCards},      // 40
    {"3 STFL, 2 Gaps, 1 Hi", 0.4661f, EntryId::k3STFL2Gaps1Hi},              // 41
    {"QJ", 0.4651f, EntryId::kQJ},                                           // 42
    {"Ace", 0.4625f, EntryId::kAce},                                         // 43
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.4612f, EntryId::k3STFL1Gap0HiPlus234s}, // 44
    {"JTs", 0.4501f, EntryId::kJTs},                                         // 45
    {"KQ, KJ", 0.4493f, EntryId::kKQKJ},                                     // 46
    {"QTs", 0.4324f, EntryId::kQTs},                                         // 47
    {"Jack", 0.4309f, EntryId::kJack},                                       // 48
    {"Queen", 0.4277f, EntryId::kQueen},                                     // 49
    {"KTs", 0.4241f, EntryId::kKTs},                                         // 50
    {"King", 0.4201f, EntryId::kKing},                                       // 51
    {"3 STFL, 2 Gaps, 0 Hi", 0.3719f, EntryId::k3STFL2Gaps0Hi},              // 52
    {"4 ST, Inside, 0 Hi Cards", 0.3404f, EntryId::k4STInside0HiCards},      // 53
    {"Redraw", 0.3220f, EntryId::kRedraw},                                   // 54
};

// Super Double Bonus, pay table "9/5": 53 entries.
constexpr StrategyEntry kSuperDoubleBonus9_5[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                            // 1
    {"Four Aces", 160.0000f, EntryId::kFourAces},                            // 2
    {"Four K,Q,J", 120.0000f, EntryId::kFourKQJ},                            // 3
    {"Four 2,3,4", 80.0000f, EntryId::kFour234},                             // 4
    {"Pat Straight Flush", 80.0000f, EntryId::kPatStraightFlush},            // 5
    {"Pat Four 5's to 10's", 50.0000f, EntryId::kPatFour5sTo10s},            // 6
    {"4 Royal", 18.2766f, EntryId::k4Royal},                                 // 7
    {"3 Aces", 10.0527f, EntryId::k3Aces},                                   // 8
    {"Pat Full House", 9.0000f, EntryId::kPatFullHouse},                     // 9
    {"Three K,Q,J", 8.3506f, EntryId::kThreeKQJ},                            // 10
    {"Three 2,3,4", 6.6485f, EntryId::kThree234},                            // 11
    {"Three 5's to T's", 5.3719f, EntryId::kThree5sToTs},                    // 12
    {"Pat Flush", 5.0000f, EntryId::kPatFlush},                              // 13
    {"4 STFL, Open, 2345s-9TJQs", 4.5771f, EntryId::k4STFLOpen2345s9TJQs},   // 14
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                        // 15
    {"4 STFL, Inside", 2.7200f, EntryId::k4STFLInside},                      // 16
    {"Pair Aces", 1.7531f, EntryId::kPairAces},                              // 17
    {"Two Pair", 1.6809f, EntryId::kTwoPair},                                // 18
    {"Pair JJ, QQ, KK", 1.6421f, EntryId::kPairJJQQKK},                      // 19
    {"3 Royal", 1.2683f, EntryId::k3Royal},                                  // 20
    {"4 Flush", 1.0532f, EntryId::k4Flush},                                  // 21
    {"TJQK", 0.8723f, EntryId::kTJQK},                                       // 22
    {"Pair 22, 33, 44", 0.8165f, EntryId::kPair223344},                      // 23
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                       // 24
    {"JT9s", 0.7465f, EntryId::kJT9s},                                       // 25
    {"89TJ", 0.7447f, EntryId::k89TJ},                                       // 26
    {"Pair 55 to TT", 0.7332f, EntryId::kPair55ToTT},                        // 27
    {"QJ9s", 0.7243f, EntryId::kQJ9s},                                       // 28
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},           // 29
    {"3 STFL, Open, 345s-89Ts", 0.6494f, EntryId::k3STFLOpen345s89Ts},       // 30
    {"QT9s, JT8s, J98s", 0.6004f, EntryId::kQT9sJT8sJ98s},                   // 31
    {"QJ8s", 0.5969f, EntryId::kQJ8s},                                       // 32
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                       // 33
    {"KQ9s, KJ9s", 0.5874f, EntryId::kKQ9sKJ9s},                             // 34
    {"QJs", 0.5644f, EntryId::kQJs},                                         // 35
    {"KQs, KJs", 0.5455f, EntryId::kKQsKJs},                                 // 36
    {"AKs, AQs, AJs", 0.5377f, EntryId::kAKsAQsAJs},                         // 37
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},      // 38
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.5167f, EntryId::k3STFL1Gap0HiPlus234s}, // 39
    {"3 STFL, 2 Gaps, 1 Hi", 0.4938f, EntryId::k3STFL2Gaps1Hi},              // 40
    {"KQJ", 0.4903f, EntryId::kKQJ},                                         // 41
    {"QJ", 0.4738f, EntryId::kQJ},                                           // 42
    {"4 ST, Inside, 2 Hi Cards", 0.4681f, EntryId::k4STInside2HiCards},      // 43
    {"JTs", 0.4599f, EntryId::kJTs},                                         // 44
    {"KQ, KJ", 0.4580f, EntryId::kKQKJ},                                     // 45
    {"Jack", 0.4494f, EntryId::kJack},                                       // 46
    {"AK, AQ, AJ", 0.4486f, EntryId::kAKAQAJ},                               // 47
    {"Queen", 0.4461f, EntryId::kQueen},                                     // 48
    {"Ace", 0.4460f, EntryId::kAce},                                         // 49
    {"King", 0.4382f, EntryId::kKing},                                       // 50
    {"3 STFL, 2 Gaps, 0 Hi", 0.3996f, EntryId::k3STFL2Gaps0Hi},              // 51
    {"4 ST, Inside, 0 Hi Cards", 0.3404f, EntryId::k4STInside0HiCards},      // 52
    {"Redraw", 0.3263f, EntryId::kRedraw},                                   // 53
};

// Super Double Bonus, pay table "8/5": 53 entries.
constexpr StrategyEntry kSuperDoubleBonus8_5[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                            // 1
    {"Four Aces", 160.0000f, EntryId::kFourAces},                            // 2
    {"Four K,Q,J", 120.0000f, EntryId::kFourKQJ},                            // 3
    {"Four 2,3,4", 80.0000f, EntryId::kFour234},                             // 4
    {"Pat Straight Flush", 80.0000f, EntryId::kPatStraightFlush},            // 5
    {"Pat Four 5's to 10's", 50.0000f, EntryId::kPatFour5sTo10s},            // 6
    {"4 Royal", 18.2766f, EntryId::k4Royal},                                 // 7
    {"3 Aces", 9.9907f, EntryId::k3Aces},                                    // 8
    {"Three K,Q,J", 8.2886f, EntryId::kThreeKQJ},                            // 9
    {"Pat Full House", 8.0000f, EntryId::kPatFullHouse},                     // 10
    {"Three 2,3,4", 6.5865f, EntryId::kThree234},                            // 11
    {"Three 5's to T's", 5.3099f, EntryId::kThree5sToTs},                    // 12
    {"Pat Flush", 5.0000f, EntryId::kPatFlush},                              // 13
    {"4 STFL, Open, 2345s-9TJQs", 4.5771f, EntryId::k4STFLOpen2345s9TJQs},   // 14
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                        // 15
    {"4 STFL, Inside", 2.7200f, EntryId::k4STFLInside},                      // 16
    {"Pair Aces", 1.7426f, EntryId::kPairAces},                              // 17
    {"Pair JJ, QQ, KK", 1.6316f, EntryId::kPairJJQQKK},                      // 18
    {"Two Pair", 1.5957f, EntryId::kTwoPair},                                // 19
    {"3 Royal", 1.2683f, EntryId::k3Royal},                                  // 20
    {"4 Flush", 1.0532f, EntryId::k4Flush},                                  // 21
    {"TJQK", 0.8723f, EntryId::kTJQK},                                       // 22
    {"Pair 22, 33, 44", 0.8063f, EntryId::kPair223344},                      // 23
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                       // 24
    {"JT9s", 0.7465f, EntryId::kJT9s},                                       // 25
    {"89TJ", 0.7447f, EntryId::k89TJ},                                       // 26
    {"QJ9s", 0.7243f, EntryId::kQJ9s},                                       // 27
    {"Pair 55 to TT", 0.7230f, EntryId::kPair55ToTT},                        // 28
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},           // 29
    {"3 STFL, Open, 345s-89Ts", 0.6494f, EntryId::k3STFLOpen345s89Ts},       // 30
    {"QT9s, JT8s, J98s", 0.6004f, EntryId::kQT9sJT8sJ98s},                   // 31
    {"QJ8s", 0.5969f, EntryId::kQJ8s},                                       // 32
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                       // 33
    {"KQ9s, KJ9s", 0.5874f, EntryId::kKQ9sKJ9s},                             // 34
    {"QJs", 0.5632f, EntryId::kQJs},                                         // 35
    {"KQs, KJs", 0.5444f, EntryId::kKQsKJs},                                 // 36
    {"AKs, AQs, AJs", 0.5365f, EntryId::kAKsAQsAJs},                         // 37
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},      // 38
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.5167f, EntryId::k3STFL1Gap0HiPlus234s}, // 39
    {"3 STFL, 2 Gaps, 1 Hi", 0.4938f, EntryId::k3STFL2Gaps1Hi},              // 40
    {"KQJ", 0.4903f, EntryId::kKQJ},                                         // 41
    {"QJ", 0.4726f, EntryId::kQJ},                                           // 42
    {"4 ST, Inside, 2 Hi Cards", 0.4681f, EntryId::k4STInside2HiCards},      // 43
    {"JTs", 0.4588f, EntryId::kJTs},                                         // 44
    {"KQ, KJ", 0.4569f, EntryId::kKQKJ},                                     // 45
    {"Jack", 0.4478f, EntryId::kJack},                                       // 46
    {"AK, AQ, AJ", 0.4475f, EntryId::kAKAQAJ},                               // 47
    {"Queen", 0.4445f, EntryId::kQueen},                                     // 48
    {"Ace", 0.4444f, EntryId::kAce},                                         // 49
    {"King", 0.4365f, EntryId::kKing},                                       // 50
    {"3 STFL, 2 Gaps, 0 Hi", 0.3996f, EntryId::k3STFL2Gaps0Hi},              // 51
    {"4 ST, Inside, 0 Hi Cards", 0.3404f, EntryId::k4STInside0HiCards},      // 52
    {"Redraw", 0.3249f, EntryId::kRedraw},                                   // 53
};

// Triple Double Bonus, pay table "9/7": 61 entries.
constexpr StrategyEntry kTripleDoubleBonus9_7[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                                   // 1
    {"Pat Four Aces w Kicker", 800.0000f, EntryId::kPatFourAcesWKickerPlain},       // 2
    {"Pat Four 2,3,4 w Kicker", 400.0000f, EntryId::kPatFour234WKickerPlain},       // 3
    {"Four Aces", 323.4043f, EntryId::kFourAces},                                   // 4
    {"Four 2,3,4", 161.7021f, EntryId::kFour234},                                   // 5
    {"Pat Four 5's to K's", 50.0000f, EntryId::kPatFour5sToKs},                     // 6
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},                   // 7
    {"3 Aces with Kicker", 19.2766f, EntryId::k3AcesWithKicker},                    // 8
    {"4 Royal", 18.5745f, EntryId::k4Royal},                                        // 9
    {"3 Aces", 15.0777f, EntryId::k3Aces},                                          // 10
    {"Pat Full House", 9.0000f, EntryId::kPatFullHouse},                            // 11
    {"Three 2,3,4", 8.7132f, EntryId::kThree234},                                   // 12
    {"Pat Flush", 7.0000f, EntryId::kPatFlush},                                     // 13
    {"Three 5's to K's", 4.4764f, EntryId::kThree5sToKs},                           // 14
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                               // 15
    {"4 STFL, Open, 2345s-9TJQs", 3.5559f, EntryId::k4STFLOpen2345s9TJQs},          // 16
    {"4 STFL, Inside", 2.3796f, EntryId::k4STFLInside},                             // 17
    {"Pair Aces", 1.9941f, EntryId::kPairAces},                                     // 18
    {"Two Pair", 1.6809f, EntryId::kTwoPair},                                       // 19
    {"QJTs", 1.4764f, EntryId::kQJTs},                                              // 20
    {"4 Flush", 1.4362f, EntryId::k4Flush},                                         // 21
    {"KQJs, KQTs, KJTs", 1.3964f, EntryId::kKQJsKQTsKJTs},                          // 22
    {"Pair JJ, QQ, KK", 1.3336f, EntryId::kPairJJQQKK},                             // 23
    {"AKQs,AKJs,AKTs,AQJs,AQTs,AJTs", 1.3265f, EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs}, // 24
    {"Pair 22, 33, 44", 0.8995f, EntryId::kPair223344},                             // 25
    {"TJQK", 0.8723f, EntryId::kTJQK},                                              // 26
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                              // 27
    {"89TJ", 0.7447f, EntryId::k89TJ},                                              // 28
    {"QJ9s", 0.7419f, EntryId::kQJ9s},                                              // 29
    {"JT9s", 0.7345f, EntryId::kJT9s},                                              // 30
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},                  // 31
    {"QJ8s", 0.6422f, EntryId::kQJ8s},                                              // 32
    {"3 STFL, Open, 345s-89Ts", 0.6355f, EntryId::k3STFLOpen345s89Ts},              // 33
    {"KQ9s, KJ9s", 0.6327f, EntryId::kKQ9sKJ9s},                                    // 34
    {"Pair 55 to TT", 0.6189f, EntryId::kPair55ToTT},                               // 35
    {"QT9s, JT8s, J98s", 0.6161f, EntryId::kQT9sJT8sJ98s},                          // 36
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                              // 37
    {"3 FL, 2 Hi Cards", 0.5523f, EntryId::k3FL2HiCards},                           // 38
    {"QJs", 0.5491f, EntryId::kQJs},                                                // 39
    {"3 STFL, 2 Gaps, 1 Hi", 0.5392f, EntryId::k3STFL2Gaps1Hi},                     // 40
    {"KQs, KJs", 0.5378f, EntryId::kKQsKJs},                                        // 41
    {"AKs, AQs, AJs", 0.5362f, EntryId::kAKsAQsAJs},                                // 42
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.5325f, EntryId::k3STFL1Gap0HiPlus234s},        // 43
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},             // 44
    {"KQJ", 0.4820f, EntryId::kKQJ},                                                // 45
    {"Ace", 0.4751f, EntryId::kAce},                                                // 46
    {"4 ST, Inside, 2 Hi Cards", 0.4681f, EntryId::k4STInside2HiCards},             // 47
    {"JTs", 0.4526f, EntryId::kJTs},                                                // 48
    {"3 FL, 1 Hi Card", 0.4514f, EntryId::k3FL1HiCard},                             // 49
    {"QJ", 0.4478f, EntryId::kQJ},                                                  // 50
    {"3 STFL, 2 Gaps, 0 Hi", 0.4450f, EntryId::k3STFL2Gaps0Hi},                     // 51
    {"KQ, KJ", 0.4320f, EntryId::kKQKJ},                                            // 52
    {"QTs", 0.4305f, EntryId::kQTs},                                                // 53
    {"KTs", 0.4133f, EntryId::kKTs},                                                // 54
    {"Jack", 0.4115f, EntryId::kJack},                                              // 55
    {"Queen", 0.4071f, EntryId::kQueen},                                            // 56
    {"4 ST, Inside, 1 Hi Card", 0.4043f, EntryId::k4STInside1HiCard},               // 57
    {"King", 0.4008f, EntryId::kKing},                                              // 58
    {"3 FL, 0 Hi Cards", 0.3525f, EntryId::k3FL0HiCards},                           // 59
    {"4 ST, Inside, 0 Hi Cards", 0.3404f, EntryId::k4STInside0HiCards},             // 60
    {"Redraw", 0.3096f, EntryId::kRedraw},                                          // 61
};

// Triple Double Bonus, pay table "9/6": 60 entries.
constexpr StrategyEntry kTripleDoubleBonus9_6[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                                   // 1
    {"Pat Four Aces w Kicker", 800.0000f, EntryId::kPatFourAcesWKickerPlain},       // 2
    {"Pat Four 2,3,4 w Kicker", 400.0000f, EntryId::kPatFour234WKickerPlain},       // 3
    {"Four Aces", 323.4043f, EntryId::kFourAces},                                   // 4
    {"Four 2,3,4", 161.7021f, EntryId::kFour234},                                   // 5
    {"Pat Four 5's to K's", 50.0000f, EntryId::kPatFour5sToKs},                     // 6
    {"Pat Straight Flush", 50.0000f, EntryId::kPatStraightFlush},                   // 7
    {"3 Aces with Kicker", 19.2766f, EntryId::k3AcesWithKicker},                    // 8
    {"4 Royal", 18.5745f, EntryId::k4Royal},                                        // 9
    {"3 Aces", 15.0777f, EntryId::k3Aces},                                          // 10
    {"Pat Full House", 9.0000f, EntryId::kPatFullHouse},                            // 11
    {"Three 2,3,4", 8.7132f, EntryId::kThree234},                                   // 12
    {"Pat Flush", 6.0000f, EntryId::kPatFlush},                                     // 13
    {"Three 5's to K's", 4.4764f, EntryId::kThree5sToKs},                           // 14
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                               // 15
    {"4 STFL, Open, 2345s-9TJQs", 3.4282f, EntryId::k4STFLOpen2345s9TJQs},          // 16
    {"4 STFL, Inside", 2.2307f, EntryId::k4STFLInside},                             // 17
    {"Pair Aces", 1.9941f, EntryId::kPairAces},                                     // 18
    {"Two Pair", 1.6809f, EntryId::kTwoPair},                                       // 19
    {"QJTs", 1.4459f, EntryId::kQJTs},                                              // 20
    {"KQJs, KQTs, KJTs", 1.3649f, EntryId::kKQJsKQTsKJTs},                          // 21
    {"Pair JJ, QQ, KK", 1.3336f, EntryId::kPairJJQQKK},                             // 22
    {"AKQs,AKJs,AKTs,AQJs,AQTs,AJTs", 1.2942f, EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs}, // 23
    {"4 Flush", 1.2447f, EntryId::k4Flush},                                         // 24
    {"Pair 22, 33, 44", 0.8995f, EntryId::kPair223344},                             // 25
    {"TJQK", 0.8723f, EntryId::kTJQK},                                              // 26
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                              // 27
    {"89TJ", 0.7447f, EntryId::k89TJ},                                              // 28
    {"QJ9s", 0.7021f, EntryId::kQJ9s},                                              // 29
    {"JT9s", 0.6957f, EntryId::kJT9s},                                              // 30
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},                  // 31
    {"Pair 55 to TT", 0.6189f, EntryId::kPair55ToTT},                               // 32
    {"QJ8s", 0.6015f, EntryId::kQJ8s},                                              // 33
    {"3 STFL, Open, 345s-89Ts", 0.5967f, EntryId::k3STFLOpen345s89Ts},              // 34
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                              // 35
    {"KQ9s, KJ9s", 0.5920f, EntryId::kKQ9sKJ9s},                                    // 36
    {"QT9s, JT8s, J98s", 0.5763f, EntryId::kQT9sJT8sJ98s},                          // 37
    {"QJs", 0.5419f, EntryId::kQJs},                                                // 38
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},             // 39
    {"KQs, KJs", 0.5277f, EntryId::kKQsKJs},                                        // 40
    {"AKs, AQs, AJs", 0.5261f, EntryId::kAKsAQsAJs},                                // 41
    {"3 STFL, 2 Gaps, 1 Hi", 0.4985f, EntryId::k3STFL2Gaps1Hi},                     // 42
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.4927f, EntryId::k3STFL1Gap0HiPlus234s},        // 43
    {"KQJ", 0.4820f, EntryId::kKQJ},                                                // 44
    {"Ace", 0.4728f, EntryId::kAce},                                                // 45
    {"4 ST, Inside, 2 Hi Cards", 0.4681f, EntryId::k4STInside2HiCards},             // 46
    {"QJ", 0.4478f, EntryId::kQJ},                                                  // 47
    {"JTs", 0.4427f, EntryId::kJTs},                                                // 48
    {"KQ, KJ", 0.4320f, EntryId::kKQKJ},                                            // 49
    {"QTs", 0.4223f, EntryId::kQTs},                                                // 50
    {"KTs", 0.4168f, EntryId::kKTs},                                                // 51
    {"3 FL, 1 Hi Card", 0.4098f, EntryId::k3FL1HiCard},                             // 52
    {"Jack", 0.4097f, EntryId::kJack},                                              // 53
    {"Queen", 0.4059f, EntryId::kQueen},                                            // 54
    {"3 STFL, 2 Gaps, 0 Hi", 0.4043f, EntryId::k3STFL2Gaps0Hi},                     // 55
    {"4 ST, Inside, 1 Hi Card", 0.4043f, EntryId::k4STInside1HiCard},               // 56
    {"King", 0.3990f, EntryId::kKing},                                              // 57
    {"4 ST, Inside, 0 Hi Cards", 0.3404f, EntryId::k4STInside0HiCards},             // 58
    {"3 FL, 0 Hi Cards", 0.3108f, EntryId::k3FL0HiCards},                           // 59
    {"Redraw", 0.3076f, EntryId::kRedraw},                                          // 60
};

// Super Aces Bonus, pay table "8/5": 54 entries.
constexpr StrategyEntry kSuperAces8_5[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                                   // 1
    {"Four Aces", 400.0000f, EntryId::kFourAces},                                   // 2
    {"Four 2,3,4", 80.0000f, EntryId::kFour234},                                    // 3
    {"Pat Straight Flush", 60.0000f, EntryId::kPatStraightFlush},                   // 4
    {"Pat Four 5,'s to K's", 50.0000f, EntryId::kPatFour5sToKsComma},               // 5
    {"3 Aces", 20.2035f, EntryId::k3Aces},                                          // 6
    {"4 Royal", 18.2766f, EntryId::k4Royal},                                        // 7
    {"Pat Full House", 8.0000f, EntryId::kPatFullHouse},                            // 8
    {"Three 2,3,4", 6.5865f, EntryId::kThree234},                                   // 9
    {"Three 5's to K's", 5.3099f, EntryId::kThree5sToKs},                           // 10
    {"Pat Flush", 5.0000f, EntryId::kPatFlush},                                     // 11
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                               // 12
    {"4 STFL, Open, 2345s-9TJQs", 3.7261f, EntryId::k4STFLOpen2345s9TJQs},          // 13
    {"Pair Aces", 2.4087f, EntryId::kPairAces},                                     // 14
    {"4 STFL, Inside", 2.2945f, EntryId::k4STFLInside},                             // 15
    {"Two Pair", 1.5957f, EntryId::kTwoPair},                                       // 16
    {"QJTs", 1.4422f, EntryId::kQJTs},                                              // 17
    {"Pair JJ, QQ, KK", 1.4374f, EntryId::kPairJJQQKK},                             // 18
    {"KQJs, KQTs, KJTs", 1.3511f, EntryId::kKQJsKQTsKJTs},                          // 19
    {"AKQs,AKJs,AKTs,AQJs,AQTs,AJTs", 1.2683f, EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs}, // 20
    {"4 Flush", 1.0532f, EntryId::k4Flush},                                         // 21
    {"TJQK", 0.8723f, EntryId::kTJQK},                                              // 22
    {"Pair 22, 33, 44", 0.8063f, EntryId::kPair223344},                             // 23
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                              // 24
    {"89TJ", 0.7447f, EntryId::k89TJ},                                              // 25
    {"Pair 55 to TT", 0.7230f, EntryId::kPair55ToTT},                               // 26
    {"JT9s", 0.6910f, EntryId::kJT9s},                                              // 27
    {"QJ9s", 0.6873f, EntryId::kQJ9s},                                              // 28
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},                  // 29
    {"3 STFL, Open, 345s-89Ts", 0.5939f, EntryId::k3STFLOpen345s89Ts},              // 30
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                              // 31
    {"QJ8s", 0.5784f, EntryId::kQJ8s},                                              // 32
    {"KQ9s, KJ9s", 0.5689f, EntryId::kKQ9sKJ9s},                                    // 33
    {"QT9s, JT8s, J98s", 0.5634f, EntryId::kQT9sJT8sJ98s},                          // 34
    {"QJs", 0.5521f, EntryId::kQJs},                                                // 35
    {"AKs, AQs, AJs", 0.5470f, EntryId::kAKsAQsAJs},                                // 36
    {"KQs, KJs", 0.5345f, EntryId::kKQsKJs},                                        // 37
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},             // 38
    {"Ace", 0.5027f, EntryId::kAce},                                                // 39
    {"KQJ", 0.4903f, EntryId::kKQJ},                                                // 40
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.4797f, EntryId::k3STFL1Gap0HiPlus234s},        // 41
    {"3 STFL, 2 Gaps, 1 Hi", 0.4753f, EntryId::k3STFL2Gaps1Hi},                     // 42
    {"4 ST, Inside, 2 Hi Cards", 0.4681f, EntryId::k4STInside2HiCards},             // 43
    {"QJ", 0.4640f, EntryId::kQJ},                                                  // 44
    {"JTs", 0.4508f, EntryId::kJTs},                                                // 45
    {"KQ, KJ", 0.4482f, EntryId::kKQKJ},                                            // 46
    {"QTs", 0.4326f, EntryId::kQTs},                                                // 47
    {"Jack", 0.4307f, EntryId::kJack},                                              // 48
    {"Queen", 0.4276f, EntryId::kQueen},                                            // 49
    {"KTs", 0.4236f, EntryId::kKTs},                                                // 50
    {"King", 0.4198f, EntryId::kKing},                                              // 51
    {"3 STFL, 2 Gaps, 0 Hi", 0.3811f, EntryId::k3STFL2Gaps0Hi},                     // 52
    {"4 ST, Inside, 0 Hi Cards", 0.3404f, EntryId::k4STInside0HiCards},             // 53
    {"Redraw", 0.3254f, EntryId::kRedraw},                                          // 54
};

// Super Aces Bonus, pay table "7/5": 54 entries.
constexpr StrategyEntry kSuperAces7_5[] = {
    {"", 0.0f, EntryId::kNone},
    {"Pat Royal", 800.0000f, EntryId::kPatRoyal},                                   // 1
    {"Four Aces", 400.0000f, EntryId::kFourAces},                                   // 2
    {"Four 2,3,4", 80.0000f, EntryId::kFour234},                                    // 3
    {"Pat Straight Flush", 60.0000f, EntryId::kPatStraightFlush},                   // 4
    {"Pat Four 5,'s to K's", 50.0000f, EntryId::kPatFour5sToKsComma},               // 5
    {"3 Aces", 20.1415f, EntryId::k3Aces},                                          // 6
    {"4 Royal", 18.2766f, EntryId::k4Royal},                                        // 7
    {"Pat Full House", 7.0000f, EntryId::kPatFullHouse},                            // 8
    {"Three 2,3,4", 6.5245f, EntryId::kThree234},                                   // 9
    {"Three 5's to K's", 5.2479f, EntryId::kThree5sToKs},                           // 10
    {"Pat Flush", 5.0000f, EntryId::kPatFlush},                                     // 11
    {"Pat Straight", 4.0000f, EntryId::kPatStraight},                               // 12
    {"4 STFL, Open, 2345s-9TJQs", 3.7261f, EntryId::k4STFLOpen2345s9TJQs},          // 13
    {"Pair Aces", 2.3983f, EntryId::kPairAces},                                     // 14
    {"4 STFL, Inside", 2.2945f, EntryId::k4STFLInside},                             // 15
    {"Two Pair", 1.5106f, EntryId::kTwoPair},                                       // 16
    {"QJTs", 1.4422f, EntryId::kQJTs},                                              // 17
    {"Pair JJ, QQ, KK", 1.4270f, EntryId::kPairJJQQKK},                             // 18
    {"KQJs, KQTs, KJTs", 1.3511f, EntryId::kKQJsKQTsKJTs},                          // 19
    {"AKQs,AKJs,AKTs,AQJs,AQTs,AJTs", 1.2683f, EntryId::kAKQsAKJsAKTsAQJsAQTsAJTs}, // 20
    {"4 Flush", 1.0532f, EntryId::k4Flush},                                         // 21
    {"TJQK", 0.8723f, EntryId::kTJQK},                                              // 22
    {"9TJQ", 0.7979f, EntryId::k9TJQ},                                              // 23
    {"Pair 22, 33, 44", 0.7961f, EntryId::kPair223344},                             // 24
    {"89TJ", 0.7447f, EntryId::k89TJ},                                              // 25
    {"Pair 55 to TT", 0.7129f, EntryId::kPair55ToTT},                               // 26
    {"JT9s", 0.6910f, EntryId::kJT9s},                                              // 27
    {"QJ9s", 0.6873f, EntryId::kQJ9s},                                              // 28
    {"4 ST, Open, 2345-789T", 0.6809f, EntryId::k4STOpen2345789T},                  // 29
    {"3 STFL, Open, 345s-89Ts", 0.5939f, EntryId::k3STFLOpen345s89Ts},              // 30
    {"AKQJ", 0.5938f, EntryId::kAKQJ},                                              // 31
    {"QJ8s", 0.5784f, EntryId::kQJ8s},                                              // 32
    {"KQ9s, KJ9s", 0.5689f, EntryId::kKQ9sKJ9s},                                    // 33
    {"QT9s, JT8s, J98s", 0.5634f, EntryId::kQT9sJT8sJ98s},                          // 34
    {"QJs", 0.5510f, EntryId::kQJs},                                                // 35
    {"AKs, AQs, AJs", 0.5459f, EntryId::kAKsAQsAJs},                                // 36
    {"KQs, KJs", 0.5334f, EntryId::kKQsKJs},                                        // 37
    {"4 ST, Inside, 3 Hi Cards", 0.5319f, EntryId::k4STInside3HiCards},             // 38
    {"Ace", 0.5011f, EntryId::kAce},                                                // 39
    {"KQJ", 0.4903f, EntryId::kKQJ},                                                // 40
    {"3 STFL, 1 Gap, 0 Hi, +234s", 0.4797f, EntryId::k3STFL1Gap0HiPlus234s},        // 41
    {"3 STFL, 2 Gaps, 1 Hi", 0.4753f, EntryId::k3STFL2Gaps1Hi},                     // 42
    {"4 ST, Inside, 2 Hi Cards", 0.4681f, EntryId::k4STInside2HiCards},             // 43
    {"QJ", 0.4629f, EntryId::kQJ},                                                  // 44
    {"JTs", 0.4497f, EntryId::kJTs},                                                // 45
    {"KQ, KJ", 0.4471f, EntryId::kKQKJ},                                            // 46
    {"QTs", 0.4315f, EntryId::kQTs},                                                // 47
    {"Jack", 0.4291f, EntryId::kJack},                                              // 48
    {"Queen", 0.4259f, EntryId::kQueen},                                            // 49
    {"KTs", 0.4224f, EntryId::kKTs},                                                // 50
    {"King", 0.4182f, EntryId::kKing},                                              // 51
    {"3 STFL, 2 Gaps, 0 Hi", 0.3811f, EntryId::k3STFL2Gaps0Hi},                     // 52
    {"4 ST, Inside, 0 Hi Cards", 0.3404f, EntryId::k4STInside0HiCards},             // 53
    {"Redraw", 0.3241f, EntryId::kRedraw},                                          // 54
};

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

const std::array<std::int32_t, kStrategyListCount> kStrategyCounts{
    45, 45, 51, 58, 47, 47, 51, 54, 53, 56, 56, 54, 53, 53, 61, 60, 54, 54,
};

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
