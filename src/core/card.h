#pragma once
// Cards are numbered 0..51. Rank and suit come from one fixed table built by the
// rule rank = n mod 13, suit = n mod 4; since 13 and 4 are coprime every
// (rank, suit) pair has exactly one card number.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quintaro {

using Card = std::int32_t;

inline constexpr int kCardCount = 52;

// Rank codes: Ace is 0 and sorts below the Two everywhere.
enum Rank : std::int32_t {
    kAce = 0,
    kTwo = 1,
    kThree = 2,
    kFour = 3,
    kFive = 4,
    kSix = 5,
    kSeven = 6,
    kEight = 7,
    kNine = 8,
    kTen = 9,
    kJack = 10,
    kQueen = 11,
    kKing = 12,
};

// Suit codes; hearts and diamonds are the red suits.
enum Suit : std::int32_t {
    kHearts = 0,
    kDiamonds = 1,
    kClubs = 2,
    kSpades = 3,
};

struct CardFace {
    std::int32_t rank;
    std::int32_t suit;
};

namespace detail {
constexpr std::array<CardFace, kCardCount> BuildCardTable() {
    std::array<CardFace, kCardCount> table{};
    for (int n = 0; n < kCardCount; ++n) table[n] = CardFace{n % 13, n % 4};
    return table;
}
} // namespace detail

inline constexpr std::array<CardFace, kCardCount> kCardTable = detail::BuildCardTable();

constexpr std::int32_t RankOf(Card c) {
    return kCardTable[static_cast<std::size_t>(c)].rank;
}
constexpr std::int32_t SuitOf(Card c) {
    return kCardTable[static_cast<std::size_t>(c)].suit;
}
constexpr bool IsValidCard(Card c) {
    return c >= 0 && c < kCardCount;
}

// High cards are Ace, Jack, Queen and King.
constexpr bool IsHighRank(std::int32_t rank) {
    return rank == kAce || rank >= kJack;
}
constexpr bool IsRedSuit(std::int32_t suit) {
    return suit == kHearts || suit == kDiamonds;
}

// The card number holding a given rank and suit.
constexpr Card CardOf(std::int32_t rank, std::int32_t suit) {
    for (int n = 0; n < kCardCount; ++n)
        if (kCardTable[n].rank == rank && kCardTable[n].suit == suit) return n;
    return -1;
}

// Short names such as "Ah", "Td", "2s".
std::string CardName(Card c);
// Accepts a card number 0..51 or a name: rank A 2-9 T 10 J Q K, suit h d c s,
// case-insensitive. Returns nothing for anything else.
std::optional<Card> ParseCard(std::string_view text);

// Texts of a card for the windows: "A", "2" ... "10", "J", "Q", "K" by rank code; the
// suit symbol as UTF-8 (heart, diamond, club, spade by suit code).
std::string_view RankText(std::int32_t rank);
std::string_view SuitSymbol(std::int32_t suit);

} // namespace quintaro
