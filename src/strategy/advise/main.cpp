// quintaro-advise: the expert hold for a five-card hand, for players and for
// bulk checks.
//
//   quintaro-advise --game G --table T [--coins C] CARD CARD CARD CARD CARD
//   quintaro-advise --batch < lines of "G T c0 c1 c2 c3 c4"
//
// Exit status: 0 success, 1 when a batch line could not be read, 2 for bad
// options or arguments.

#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/card.h"
#include "core/evaluation.h"
#include "core/game_variant.h"
#include "core/hand_names.h"
#include "core/pay_table.h"
#include "strategy/advise/batch.h"
#include "strategy/classifier.h"

namespace quintaro {
namespace {

constexpr const char* kUsage =
    "usage: quintaro-advise --game G --table T [--coins C] CARD CARD CARD CARD CARD\n"
    "       quintaro-advise --batch\n"
    "\n"
    "G: game 0..8 or jacks, bonus, deluxe, deuces, double, ddb, sdb, tdb, aces\n"
    "T: pay table 0 or 1, or its name (8/5, 9/6, ...)\n"
    "C: coins bet, 1..5 (default 5)\n"
    "CARD: a number 0..51 or a name such as Ah, Td, 10c, 2s\n"
    "\n"
    "--batch reads lines \"G T c0 c1 c2 c3 c4\" (integers) from standard input and\n"
    "writes per line: category, rank, hold, alternative hold (or -), entry name,\n"
    "separated by tabs; a line that cannot be read gives \"error\" and a message.\n";

std::string Lower(std::string_view s) {
    std::string out;
    for (char c : s)
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '/')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<int> ParseGame(std::string_view text) {
    if (const auto n = ParseSmallInt(text)) return IsValidGame(*n) ? n : std::nullopt;
    static constexpr struct {
        const char* alias;
        int game;
    } kAliases[] = {
        {"jacks", kJacksOrBetter},   {"job", kJacksOrBetter},
        {"bonus", kBonusPoker},      {"bp", kBonusPoker},
        {"deluxe", kBonusDeluxe},    {"bd", kBonusDeluxe},
        {"deuces", kDeucesWild},     {"dw", kDeucesWild},
        {"double", kDoubleBonus},    {"db", kDoubleBonus},
        {"ddb", kDoubleDoubleBonus}, {"sdb", kSuperDoubleBonus},
        {"tdb", kTripleDoubleBonus}, {"aces", kSuperAces},
        {"sa", kSuperAces},          {"superacesbonus", kSuperAces},
    };
    const std::string key = Lower(text);
    for (const auto& a : kAliases)
        if (key == a.alias) return a.game;
    for (int g = 0; g < kGameCount; ++g)
        if (key == Lower(GameInfoFor(g).name)) return g;
    return std::nullopt;
}

std::optional<int> ParseTable(int game, std::string_view text) {
    if (const auto n = ParseSmallInt(text)) return *n <= 1 ? n : std::nullopt;
    for (int choice = 0; choice < 2; ++choice)
        if (text == PayTableShortName(game, choice) || text == PayTableMenuCaption(game, choice))
            return choice;
    return std::nullopt;
}

std::string HoldText(const std::array<std::uint8_t, 5>& flags) {
    std::string s(5, '0');
    for (int i = 0; i < 5; ++i)
        if (flags[i]) s[i] = '1';
    return s;
}

std::string HeldCards(const std::array<Card, 5>& cards, const std::array<std::uint8_t, 5>& flags) {
    std::string s;
    for (int i = 0; i < 5; ++i) {
        if (!flags[i]) continue;
        if (!s.empty()) s += ' ';
        s += CardName(cards[i]);
    }
    return s.empty() ? "nothing (draw five new cards)" : s;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "quintaro-advise: %s\n%s", message.c_str(), kUsage);
    return 2;
}

// --- One hand, for people -------------------------------------------------

int AdviseOne(const std::vector<std::string_view>& args) {
    std::optional<int> game;
    std::string_view tableText;
    int coins = 5;
    std::vector<std::string_view> cardTexts;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        auto value = [&](std::string_view& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        std::string_view v;
        if (a == "--game") {
            if (!value(v)) return Fail("--game needs a value");
            game = ParseGame(v);
            if (!game) return Fail("unknown game '" + std::string(v) + "'");
        } else if (a == "--table") {
            if (!value(tableText)) return Fail("--table needs a value");
        } else if (a == "--coins") {
            if (!value(v)) return Fail("--coins needs a value");
            const auto n = ParseSmallInt(v);
            if (!n || *n < 1 || *n > 5)
                return Fail("coins must be 1 to 5, not '" + std::string(v) + "'");
            coins = *n;
        } else if (a.size() > 1 && a[0] == '-' && !std::isdigit(static_cast<unsigned char>(a[1]))) {
            return Fail("unknown option '" + std::string(a) + "'");
        } else {
            cardTexts.push_back(a);
        }
    }
    if (!game) return Fail("--game is required");
    if (tableText.empty()) return Fail("--table is required");
    const auto choice = ParseTable(*game, tableText);
    if (!choice)
        return Fail("unknown pay table '" + std::string(tableText) + "' for " +
                    std::string(GameInfoFor(*game).name));
    if (cardTexts.size() != 5)
        return Fail("five cards are needed, " + std::to_string(cardTexts.size()) + " given");
    std::array<Card, 5> cards{};
    for (int i = 0; i < 5; ++i) {
        const auto c = ParseCard(cardTexts[static_cast<std::size_t>(i)]);
        if (!c)
            return Fail("bad card '" + std::string(cardTexts[static_cast<std::size_t>(i)]) + "'");
        for (int j = 0; j < i; ++j)
            if (cards[static_cast<std::size_t>(j)] == *c)
                return Fail("card " + CardName(*c) + " given twice");
        cards[static_cast<std::size_t>(i)] = *c;
    }

    HandAnalysis a;
    Recommendation r;
    AdviseHand(*game, *choice, cards, a, r);
    const StrategyList& list = StrategyListFor(*game, *choice);
    const HandCategory category = CategoryFor(GameInfoFor(*game).family, a);
    const StrategyEntry& entry = list.Entry(r.strategyIndex);

    std::string hand;
    for (Card c : cards) hand += (hand.empty() ? "" : " ") + CardName(c);
    std::printf(
        "Game:        %s, pay table %s, %d coin%s\n", std::string(GameInfoFor(*game).name).c_str(),
        std::string(PayTableShortName(*game, *choice)).c_str(), coins, coins == 1 ? "" : "s");
    std::printf("Cards:       %s\n", hand.c_str());
    std::printf(
        "Category:    %s\n",
        std::string(CategoryNamesFor(*game)[static_cast<std::size_t>(category)].statisticsName)
            .c_str());
    std::printf("Strategy:    rank %d of %d, \"%s\"\n", r.strategyIndex, list.count, entry.name);
    std::printf("Value:       %s for %d coin%s (%s per coin)\n",
                FormatStrategyValue(EntryValue(list, r.strategyIndex, coins)).c_str(), coins,
                coins == 1 ? "" : "s", FormatStrategyValue(entry.ev).c_str());
    std::printf("Hold:        %s  [%s]\n", HeldCards(cards, r.hold).c_str(),
                HoldText(r.hold).c_str());
    if (r.altValid)
        std::printf("Or hold:     %s  [%s]\n", HeldCards(cards, r.altHolds).c_str(),
                    HoldText(r.altHolds).c_str());
    return 0;
}

// --- Many hands, for machines ---------------------------------------------

int Batch() {
    std::string input;
    {
        char chunk[1 << 16];
        std::size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) input.append(chunk, got);
    }
    const bool allRead = AdviseBatch(
        input, [](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); });
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "quintaro-advise: cannot write the output\n");
        return 2;
    }
    return allRead ? 0 : 1;
}

} // namespace
} // namespace quintaro

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    for (std::string_view a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(quintaro::kUsage, stdout);
            return 0;
        }
    }
    if (!args.empty() && args[0] == "--batch") {
        if (args.size() > 1) return quintaro::Fail("--batch takes no other arguments");
        return quintaro::Batch();
    }
    if (args.empty()) return quintaro::Fail("no arguments");
    return quintaro::AdviseOne(args);
}
