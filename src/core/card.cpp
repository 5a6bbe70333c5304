#include "core/card.h"

#include <array>
#include <cctype>

namespace quintaro {

namespace {
constexpr char kRankLetters[] = "A23456789TJQK";
constexpr char kSuitLetters[] = "hdcs";
} // namespace

std::string CardName(Card c) {
    if (!IsValidCard(c)) return "??";
    return {kRankLetters[RankOf(c)], kSuitLetters[SuitOf(c)]};
}

std::optional<Card> ParseCard(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    bool allDigits = true;
    for (char ch : text) allDigits = allDigits && std::isdigit(static_cast<unsigned char>(ch));
    if (allDigits) {
        int n = 0;
        for (char ch : text) n = n * 10 + (ch - '0');
        if (n < kCardCount) return n;
        if (text != "10") return std::nullopt;
    }
    std::string_view rankText = text.substr(0, text.size() - 1);
    char suitChar = static_cast<char>(std::tolower(static_cast<unsigned char>(text.back())));
    int suit = -1;
    for (int s = 0; s < 4; ++s)
        if (kSuitLetters[s] == suitChar) suit = s;
    if (suit < 0) return std::nullopt;
    int rank = -1;
    if (rankText == "10") {
        rank = kTen;
    } else if (rankText.size() == 1) {
        char r = static_cast<char>(std::toupper(static_cast<unsigned char>(rankText[0])));
        for (int i = 0; i < 13; ++i)
            if (kRankLetters[i] == r) rank = i;
    }
    if (rank < 0) return std::nullopt;
    return CardOf(rank, suit);
}

std::string_view RankText(std::int32_t rank) {
    static constexpr std::array<std::string_view, 13> kRanks{"A", "2", "3",  "4", "5", "6", "7",
                                                             "8", "9", "10", "J", "Q", "K"};
    return rank >= 0 && rank < 13 ? kRanks[static_cast<std::size_t>(rank)] : std::string_view();
}

std::string_view SuitSymbol(std::int32_t suit) {
    // Heart, diamond, club, spade: the suit codes' order.
    static constexpr std::array<std::string_view, 4> kSuits{"\u2665", "\u2666", "\u2663", "\u2660"};
    return suit >= 0 && suit < 4 ? kSuits[static_cast<std::size_t>(suit)] : std::string_view();
}

} // namespace quintaro
