#include "advise/options.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "advise/batch.h"
#include "core/game_variant.h"
#include "shell/pay_table_file.h"

namespace quintaro {

const char* const kUsage =
    "usage: quintaro-advise --game G --table T [--coins C] CARD CARD CARD CARD CARD\n"
    "       quintaro-advise --batch\n"
    "       quintaro-advise --exact --game G (--table T | --pays P) [--coins C] CARD CARD CARD "
    "CARD CARD\n"
    "       quintaro-advise --exact --batch [--coins C]\n"
    "       quintaro-advise --return --game G (--table T | --pays P) [--coins C]\n"
    "       quintaro-advise --generate --game G (--table T | --pays P) [--coins C]\n"
    "       quintaro-advise --analyse --game G (--table T | --pays P) [--coins C]\n"
    "                       [--bankroll B] [--hands N] [--cashback X] [--lines L]\n"
    "       quintaro-advise --record [--game G] [--file PATH]\n"
    "       quintaro-advise --help | --version\n"
    "\n"
    "G: game 0..8 or jacks, bonus, deluxe, deuces, double, ddb, sdb, tdb, aces\n"
    "T: pay table 0 or 1, or its name (8/5, 9/6, ...), or the name of a table of\n"
    "   the catalogue (7/5, Full Pay, ...) or of your own (in PayTables.ini)\n"
    "P: instead of --table T, --pays P1,P2,...: the payout per coin of each of the\n"
    "   game's paying hands, lowest first, as paid at five coins (Jacks or Better\n"
    "   9/6: 1,2,3,4,6,9,25,50,800); below five coins the top hands follow the\n"
    "   game's royal rule\n"
    "C: coins bet, 1..5 (default 5)\n"
    "CARD: a number 0..51 or a name such as Ah, Td, 10c, 2s\n"
    "\n"
    "--batch reads lines \"G T c0 c1 c2 c3 c4\" (integers) from standard input and\n"
    "writes per line: category, rank, hold, alternative hold (or -), entry name,\n"
    "separated by tabs; a line that cannot be read gives \"error\" and a message.\n"
    "\n"
    "--exact values every one of the 32 holds exactly, over every draw of the\n"
    "replacements: the holds ranked by value, with the held cards, the value per\n"
    "coin and for the coins bet, the shortfall per coin from the best hold, and\n"
    "the strategy list's hold marked. With --batch it reads the lines --batch\n"
    "reads and writes per line the 32 values per coin of hold masks 0 to 31 in\n"
    "mask order (bit i set = the card at position i held), separated by tabs.\n"
    "\n"
    "--return computes the return per coin of the pay table over all 2,598,960\n"
    "deals at the coins bet: \"optimal R\" (the best hold of every deal) and\n"
    "\"strategy R\" (the strategy list's hold of every deal).\n"
    "\n"
    "--analyse prints the figures of the pay table over all 2,598,960 deals, for\n"
    "perfect play and for the strategy list (the built-in table's, else the list\n"
    "generated for the pay table, as --generate prints it): return, variance and\n"
    "standard deviation per coin bet (ties between best holds go to the hold with\n"
    "the smaller variance), hit frequency, deal variance (the variance of the held\n"
    "hand's value over the deals), and per hand its pay, probability, cycle (\"1 in\")\n"
    "and share of the return. Then for a bankroll of B credits (default 4000),\n"
    "sessions of N hands (default 1000), a cashback of X per cent of each bet\n"
    "(default 0) and L lines dealt at once (1..100, default 1): the variance per\n"
    "unit of the total bet, the lifetime ruin (the probability of ever losing the\n"
    "bankroll), the bankrolls in credits for 1, 5 and 10 % lifetime ruin, the\n"
    "session ruin and the 5th, 50th and 95th percentiles of a session's result in\n"
    "credits. The lifetime ruin is exact for any lines (the lines of a deal draw\n"
    "apart with one hold). A session of one line is followed exactly; of several\n"
    "lines as a Brownian motion of their mean and variance, its ruin held to the\n"
    "exact lifetime ruin. The session figures leave the cashback out.\n"
    "--generate makes a strategy list for the pay table and prints it: rank, entry\n"
    "and the entry's value per coin for the coins bet (the average, over the deals\n"
    "where the entry decides, of the exact value of its hold), then \"optimal R\"\n"
    "and \"generated R\", the returns per coin of the best hold and of the list's\n"
    "hold of every deal, computed over all 2,598,960 deals.\n"
    "\n"
    "--record prints the training record's grades per game: decisions, mistakes,\n"
    "credits lost to mistakes and accuracy (value of the holds drawn over the value\n"
    "of the best holds), table decisions only. The record is read from PATH, else\n"
    "from $QUINTARO_RECORD, else from $XDG_DATA_HOME/Quintaro/training.sqlite3\n"
    "(~/.local/share/Quintaro/training.sqlite3). Exit status 1 when it cannot be read.\n"
    "\n"
    "Exit status: 0 success, 1 when a batch line or the record could not be read,\n"
    "2 for bad options or arguments.\n";

namespace {

std::string Lower(std::string_view s) {
    std::string out;
    for (char c : s)
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '/')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

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

int Fail(const std::string& message) {
    std::fprintf(stderr, "quintaro-advise: %s\n%s", message.c_str(), kUsage);
    return 2;
}

int ReadHandOptions(const std::vector<std::string_view>& args, bool wantCards, HandOptions& out) {
    std::optional<int> game;
    std::string_view tableText;
    std::string_view paysText;
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
        } else if (a == "--pays") {
            if (!value(paysText)) return Fail("--pays needs a value");
        } else if (a == "--coins") {
            if (!value(v)) return Fail("--coins needs a value");
            const auto n = ParseSmallInt(v);
            if (!n || *n < 1 || *n > 5)
                return Fail("coins must be 1 to 5, not '" + std::string(v) + "'");
            coins = *n;
        } else if (a.size() > 1 && a[0] == '-' && !std::isdigit(static_cast<unsigned char>(a[1]))) {
            return Fail("unknown option '" + std::string(a) + "'");
        } else if (!wantCards) {
            return Fail("unexpected argument '" + std::string(a) + "'");
        } else {
            cardTexts.push_back(a);
        }
    }
    if (!game) return Fail("--game is required");
    if (!tableText.empty() && !paysText.empty())
        return Fail("--table and --pays do not go together");
    if (tableText.empty() && paysText.empty()) return Fail("--table or --pays is required");
    out.game = *game;
    out.coins = coins;
    if (!paysText.empty()) {
        std::string problem;
        const auto pays = ParseFiveCoinPays(*game, paysText, problem);
        if (!pays) return Fail("bad --pays: " + problem);
        out.choice = -1;
        out.pays = *pays;
        out.tableName = std::string(paysText);
    } else {
        const auto choice = ParseTable(*game, tableText);
        const NamedPayTable* named =
            choice ? nullptr : ThePayTableBook().Find(*game, std::string(tableText));
        if (named) {
            out.choice = -1;
            out.pays = named->pays;
            out.tableName = named->name;
            for (const std::string& m : ThePayTableBook().TakeMessages())
                std::fprintf(stderr, "quintaro-advise: %s\n", m.c_str());
        } else if (!choice) {
            return Fail("unknown pay table '" + std::string(tableText) + "' for " +
                        std::string(GameInfoFor(*game).name));
        } else {
            out.choice = *choice;
            out.pays = BuiltInSchedule(*game, *choice);
            out.tableName = std::string(PayTableShortName(*game, *choice));
        }
    }
    if (!wantCards) return 0;
    if (cardTexts.size() != 5)
        return Fail("five cards are needed, " + std::to_string(cardTexts.size()) + " given");
    for (int i = 0; i < 5; ++i) {
        const auto c = ParseCard(cardTexts[static_cast<std::size_t>(i)]);
        if (!c)
            return Fail("bad card '" + std::string(cardTexts[static_cast<std::size_t>(i)]) + "'");
        for (int j = 0; j < i; ++j)
            if (out.cards[static_cast<std::size_t>(j)] == *c)
                return Fail("card " + CardName(*c) + " given twice");
        out.cards[static_cast<std::size_t>(i)] = *c;
    }
    return 0;
}

int ReadBankrollOptions(std::vector<std::string_view>& args, analysis::BankrollInputs& out) {
    std::vector<std::string_view> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (a != "--bankroll" && a != "--hands" && a != "--cashback" && a != "--lines") {
            rest.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) return Fail(std::string(a) + " needs a value");
        const std::string v(args[++i]);
        char* end = nullptr;
        const double x = std::strtod(v.c_str(), &end);
        const bool whole = x == static_cast<double>(static_cast<long long>(x));
        if (v.empty() || *end != '\0' || !std::isfinite(x) ||
            (a != "--cashback" && (!whole || std::fabs(x) > 2e9)))
            return Fail("bad value '" + v + "' for " + std::string(a));
        if (a == "--bankroll") out.bankroll = static_cast<std::int64_t>(x);
        if (a == "--hands") out.hands = static_cast<int>(x);
        if (a == "--cashback") out.cashback = x;
        if (a == "--lines") out.lines = static_cast<int>(x);
    }
    if (const std::string problem = analysis::InputsProblem(out); !problem.empty())
        return Fail(problem);
    args = rest;
    return 0;
}

} // namespace quintaro
