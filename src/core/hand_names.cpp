#include "core/hand_names.h"

#include <array>

namespace quintaro {

namespace {

constexpr CategoryNames kNoWin{"", "", "No Winner"};
constexpr CategoryNames kJacks{"Jacks or Better", "Jacks or Better", "Jacks or Better"};
constexpr CategoryNames kTwoPair{"Two Pair", "Two Pair", "Two Pair"};
constexpr CategoryNames kTrips{"3 of a Kind", "3 of a Kind", "3 of a Kind"};
constexpr CategoryNames kStraight{"Straight", "Straight", "Straight"};
constexpr CategoryNames kFlush{"Flush", "Flush", "Flush"};
constexpr CategoryNames kFullHouse{"Full House", "Full House", "Full House"};
constexpr CategoryNames kStraightFlush{"Straight Flush", "Straight Flush", "Straight Flush"};
constexpr CategoryNames kRoyal{"ROYAL FLUSH", "ROYAL FLUSH", "Royal Flush"};
constexpr CategoryNames kFivesToKings{"4 - 5's thru King's", "4 - 5's thru King's",
                                      "4-5's thru King's"};
constexpr CategoryNames kTwosToFours{"4 - 2's, 3's, 4's", "4 - 2's, 3's, 4's", "4-2's, 3's, 4's"};
constexpr CategoryNames kAces{"4 - Aces", "4  Aces", "4-Ace's"};
constexpr CategoryNames kTwosToFoursKicker{
    "4 - 2s,3s,4s w/Ace,2,3,4", "4 - 2's,3's,4's w/Ace, 2,3,4", "4-2's,3's,4's w/Ace,2,3,4"};
constexpr CategoryNames kAcesKicker{"4 - Aces w/any 2, 3, 4", "4 Ace's w/Any 2,3,4",
                                    "4-Ace's w/any 2,3,4"};

constexpr std::array<CategoryNames, 10> kNatural{
    kNoWin,         kJacks, kTwoPair,   kTrips,
    kStraight,      kFlush, kFullHouse, {"4 of  a Kind", "4 of a Kind", "4 of a Kind"},
    kStraightFlush, kRoyal};

constexpr std::array<CategoryNames, 12> kBonus{kNoWin,       kJacks, kTwoPair,       kTrips,
                                               kStraight,    kFlush, kFullHouse,     kFivesToKings,
                                               kTwosToFours, kAces,  kStraightFlush, kRoyal};

constexpr std::array<CategoryNames, 13> kSuperDouble{
    kNoWin,
    kJacks,
    kTwoPair,
    kTrips,
    kStraight,
    kFlush,
    kFullHouse,
    {"4 - 5's thru 10's", "4 - 5's thru 10's", "4-5's thru 10's"},
    kTwosToFours,
    {"4 - J's, Q's, K's", "4 - J's, Q's, K's", "4-J's, Q's, K's"},
    {"4 - Aces", "4 - Aces", "4-Ace's"},
    kStraightFlush,
    kRoyal};

constexpr std::array<CategoryNames, 14> kDoubleDouble{
    kNoWin,
    kJacks,
    kTwoPair,
    {"3 of a Kind ", "3 of a Kind", "3 of a Kind"},
    {"Straight  ", "Straight", "Straight"},
    kFlush,
    kFullHouse,
    kFivesToKings,
    kTwosToFours,
    kAces,
    kTwosToFoursKicker,
    kAcesKicker,
    kStraightFlush,
    kRoyal};

constexpr std::array<CategoryNames, 14> kTripleDouble{
    kNoWin,      kJacks,         kTwoPair,      kTrips,       kStraight, kFlush,
    kFullHouse,  kStraightFlush, kFivesToKings, kTwosToFours, kAces,     kTwosToFoursKicker,
    kAcesKicker, kRoyal};

constexpr std::array<CategoryNames, 11> kDeuces{
    kNoWin,
    kTrips,
    kStraight,
    kFlush,
    kFullHouse,
    {"4 of a Kind", "4 of a Kind", "4 of a Kind"},
    kStraightFlush,
    {"5 of  a Kind", "5 of a Kind", "5 of a Kind"},
    {"ROYAL FLUSH w/2's ", "Royal Flush w/2's", "Royal Flush w/Deuce's"},
    {"4 Deuces", "4 Deuces", "4-Deuce's"},
    {"ROYAL FLUSH  no 2's", "ROYAL FLUSH no 2's", "Royal Flush"}};

} // namespace

std::span<const CategoryNames> CategoryNamesFor(int game) {
    switch (GameInfoFor(game).family) {
    case EvaluationFamily::Natural:
        return kNatural;
    case EvaluationFamily::Bonus:
        return kBonus;
    case EvaluationFamily::Deuces:
        return kDeuces;
    case EvaluationFamily::SuperDouble:
        return kSuperDouble;
    case EvaluationFamily::DoubleDouble:
        return kDoubleDouble;
    case EvaluationFamily::TripleDouble:
        return kTripleDouble;
    }
    return {};
}

} // namespace quintaro
