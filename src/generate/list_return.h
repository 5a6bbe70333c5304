#pragma once
// The built-in strategy lists' holds as hold masks, and their returns computed
// exactly through the exact engine's classes of deals.
//
// The classifiers find the same entry whatever the suits are called, but where
// two cards of one rank could serve they pick by suit, so a deal and the same
// deal with its suits renamed may keep different cards. The list's hold is
// therefore the classifier's hold of the deal with its suits named in a fixed
// order (by the ranks each suit holds), which every renaming of the deal shares.

#include <array>

#include "core/card.h"
#include "exact/exact_analysis.h"

namespace quintaro {

// Five cards with their suits renamed in the fixed order, positions kept.
std::array<Card, 5> CanonicalSuits(const std::array<Card, 5>& cards);

// The built-in list's hold for five cards in hand-position order (the
// classifier's first hold of the renamed deal) as a mask: bit i = hand
// position i held.
exact::HoldMask ListHold(int game, int choice, const std::array<Card, 5>& cards);

// The optimal return and the built-in list's return of a built-in pay table
// (choice 0 or 1) at a bet. threads: 0 = as many as the machine has.
exact::PayTableReturn ListReturn(int game, int choice, int coins, int threads = 0);

} // namespace quintaro
