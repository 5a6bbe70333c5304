// quintaro-advise: the expert hold for a five-card hand, for players and for
// bulk checks.
//
//   quintaro-advise --game G (--table T | --pays P1,P2,...) [--coins C] CARD CARD CARD CARD CARD
//   quintaro-advise --batch < lines of "G T c0 c1 c2 c3 c4"
//   quintaro-advise --exact --game G --table T [--coins C] CARD CARD CARD CARD CARD
//   quintaro-advise --exact --batch [--coins C] < lines of "G T c0 c1 c2 c3 c4"
//   quintaro-advise --return --game G --table T [--coins C]
//   quintaro-advise --generate --game G (--table T | --pays P1,P2,...) [--coins C]
//   quintaro-advise --analyse --game G (--table T | --pays P) [--coins C] [--bankroll B]
//                   [--hands N] [--cashback X] [--lines L]
//   quintaro-advise --record [--game G] [--file PATH]
//
// Exit status: 0 success, 1 when a batch line could not be read, 2 for bad
// options or arguments.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "advise/batch.h"
#include "advise/options.h"
#include "analysis/pay_analysis.h"
#include "core/card.h"
#include "core/evaluation.h"
#include "core/game_variant.h"
#include "core/hand_names.h"
#include "core/pay_table.h"
#include "exact/exact_analysis.h"
#include "generate/generated_list.h"
#include "generate/list_return.h"
#include "quintaro_version.h"
#include "record/training_record.h"
#include "shell/settings.h"
#include "strategy/classifier.h"

namespace quintaro {
namespace {

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

// --- One hand, for people -------------------------------------------------

std::string CoinsText(int coins) {
    return std::to_string(coins) + (coins == 1 ? " coin" : " coins");
}

void PrintGameLine(const HandOptions& o) {
    std::printf("Game:        %s, pay table %s, %s\n",
                std::string(GameInfoFor(o.game).name).c_str(), o.tableName.c_str(),
                CoinsText(o.coins).c_str());
}

int AdviseOne(const std::vector<std::string_view>& args) {
    HandOptions o;
    if (const int status = ReadHandOptions(args, true, o)) return status;
    if (!o.BuiltIn())
        return Fail("the advice of a strategy list needs a built-in --table; --exact takes any "
                    "table");
    const int coins = o.coins;
    const std::array<Card, 5>& cards = o.cards;

    HandAnalysis a;
    Recommendation r;
    AdviseHand(o.game, o.choice, cards, a, r);
    const StrategyList& list = StrategyListFor(o.game, o.choice);
    const HandCategory category = CategoryFor(GameInfoFor(o.game).family, a);
    const StrategyEntry& entry = list.Entry(r.strategyIndex);

    std::string hand;
    for (Card c : cards) hand += (hand.empty() ? "" : " ") + CardName(c);
    PrintGameLine(o);
    std::printf("Cards:       %s\n", hand.c_str());
    std::printf(
        "Category:    %s\n",
        std::string(CategoryNamesFor(o.game)[static_cast<std::size_t>(category)].statisticsName)
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

// --- The exact value of every hold, for people ---------------------------

std::string HeldText(exact::HoldMask mask) {
    std::string s(5, '0');
    for (int i = 0; i < 5; ++i)
        if (mask >> i & 1) s[static_cast<std::size_t>(i)] = '1';
    return s;
}

int ExactOne(const std::vector<std::string_view>& args) {
    HandOptions o;
    if (const int status = ReadHandOptions(args, true, o)) return status;
    const exact::HoldValues v = exact::AnalyseHolds(o.game, o.pays, o.coins, o.cards);
    // A pay row of --pays has no strategy list to mark.
    const int list = o.BuiltIn() ? ListHold(o.game, o.choice, o.cards) : -1;

    std::string hand;
    for (Card c : o.cards) hand += (hand.empty() ? "" : " ") + CardName(c);
    PrintGameLine(o);
    std::printf("Cards:       %s\n\n", hand.c_str());
    const std::string forCoins = "For " + CoinsText(o.coins);
    std::printf("Rank  Hold               Mask      Per coin  %12s     Shortfall\n",
                forCoins.c_str());
    const auto order = exact::RankHolds(v);
    for (int i = 0; i < exact::kHoldCount; ++i) {
        const exact::HoldMask m = order[static_cast<std::size_t>(i)];
        std::array<std::uint8_t, 5> flags{};
        for (int k = 0; k < 5; ++k) flags[static_cast<std::size_t>(k)] = m >> k & 1;
        std::string held = HeldCards(o.cards, flags);
        if (m == 0) held = "nothing";
        std::string note;
        if (v.IsBest(m)) note = "best";
        if (m == list) note += note.empty() ? "list's hold" : ", list's hold";
        std::printf("%4d  %-17s  %s  %12.8f  %12.8f  %12.8f%s%s\n", i + 1, held.c_str(),
                    HeldText(m).c_str(), v.PerCoin(m), v.Credits(m), v.ShortfallPerCoin(m),
                    note.empty() ? "" : "  ", note.c_str());
    }
    return 0;
}

// --- Pay-table returns -----------------------------------------------------

int Return(const std::vector<std::string_view>& args) {
    HandOptions o;
    if (const int status = ReadHandOptions(args, false, o)) return status;
    if (!o.BuiltIn()) {
        std::printf("optimal %.8f\n", exact::ComputeOptimalReturn(o.game, o.pays, o.coins));
        return 0;
    }
    const exact::PayTableReturn r = ListReturn(o.game, o.choice, o.coins);
    std::printf("optimal %.8f\nstrategy %.8f\n", r.optimal, r.strategy);
    return 0;
}

// --- A list made for the pay table -----------------------------------------

int Generate(const std::vector<std::string_view>& args) {
    HandOptions o;
    if (const int status = ReadHandOptions(args, false, o)) return status;
    const GeneratedList g = GenerateStrategyList(o.game, o.pays, 2, o.coins);
    PrintGameLine(o);
    std::printf("\nRank  Entry                                  Per coin\n");
    for (int i = 1; i <= g.Count(); ++i)
        std::printf("%4d  %-36s %10.4f\n", i, g.list.Entry(i).name, g.list.Entry(i).ev);
    std::printf("\noptimal %.8f\ngenerated %.8f\n", g.optimalReturn, g.listReturn);
    return 0;
}

// --- Pay-table figures ------------------------------------------------------

int Analyse(std::vector<std::string_view> args) {
    analysis::BankrollInputs inputs;
    if (const int status = ReadBankrollOptions(args, inputs)) return status;
    HandOptions o;
    if (const int status = ReadHandOptions(args, false, o)) return status;
    const analysis::TableInForce table{o.game, o.choice, o.pays, o.coins};
    const analysis::TableFigures figures = analysis::AnalyseTable(table, 2);
    std::fputs(analysis::FiguresText(table, o.tableName, figures, inputs).c_str(), stdout);
    return 0;
}

// --- Many hands, for machines ---------------------------------------------

std::string ReadStandardInput() {
    std::string input;
    char chunk[1 << 16];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) input.append(chunk, got);
    return input;
}

void WriteOut(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// The exit status of a batch: 2 when the output could not be written, 1 when
// a line could not be read.
int Finish(bool allRead) {
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "quintaro-advise: cannot write the output\n");
        return 2;
    }
    return allRead ? 0 : 1;
}

int Batch() {
    return Finish(AdviseBatch(ReadStandardInput(), WriteOut));
}

// The 32 values per coin of each line's hand, in mask order.
int ExactBatch(int coins) {
    std::array<int, kGameCount> seen{};
    const auto answer = [&](int game, int choice, const std::array<Card, 5>& cards,
                            std::string& out) {
        // A first hand is valued on its own; more hands of a game are valued
        // faster with the game's tables.
        if (++seen[static_cast<std::size_t>(game)] == 2) exact::Prepare(game);
        const exact::HoldValues v = exact::AnalyseHolds(game, choice, coins, cards);
        char number[32];
        for (int m = 0; m < exact::kHoldCount; ++m) {
            const int len = std::snprintf(number, sizeof number, "%.10f",
                                          v.PerCoin(static_cast<exact::HoldMask>(m)));
            if (m) out += '\t';
            out.append(number, static_cast<std::size_t>(len));
        }
        out += '\n';
    };
    return Finish(RunBatch(ReadStandardInput(), WriteOut, answer));
}

// --exact with --batch and maybe --coins: the batch; else one hand.
int Exact(const std::vector<std::string_view>& args) {
    if (std::find(args.begin(), args.end(), std::string_view("--batch")) == args.end())
        return ExactOne(args);
    int coins = 5;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--batch") continue;
        if (args[i] != "--coins") return Fail("--exact --batch takes only --coins");
        if (i + 1 >= args.size()) return Fail("--coins needs a value");
        const std::string_view v = args[++i];
        const auto n = ParseSmallInt(v);
        if (!n || *n < 1 || *n > 5)
            return Fail("coins must be 1 to 5, not '" + std::string(v) + "'");
        coins = *n;
    }
    return ExactBatch(coins);
}

// The grades of the training record, one line per game with decisions.
int RecordSummary(const std::vector<std::string_view>& args) {
    std::optional<int> game;
    std::filesystem::path path;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--game" && i + 1 < args.size()) {
            game = ParseGame(args[++i]);
            if (!game) return Fail("unknown game " + std::string(args[i]));
        } else if (args[i] == "--file" && i + 1 < args.size()) {
            path = std::string(args[++i]);
        } else {
            return Fail("unknown argument " + std::string(args[i]));
        }
    }
    if (path.empty()) {
        const char* env = std::getenv("QUINTARO_RECORD");
        path = env && *env ? std::filesystem::path(env)
                           : UserDataDirectory() / kTrainingRecordFileName;
    }
    if (!std::filesystem::exists(path)) {
        std::fprintf(stderr, "quintaro-advise: no training record at %s\n", path.string().c_str());
        return 1;
    }
    std::string problem;
    TrainingRecord::Options options;
    options.readOnly = true;
    TrainingRecord record(
        path, [&](const std::string& text) { problem = text; }, options);
    if (!record.Usable()) {
        std::fprintf(stderr, "quintaro-advise: %s\n", problem.c_str());
        return 1;
    }
    std::printf("Training record %s\n", path.string().c_str());
    std::printf("%-22s %10s %9s %13s %9s\n", "Game", "Decisions", "Mistakes", "Credits Lost",
                "Accuracy");
    auto line = [](const std::string& name, const Grades& g) {
        std::printf("%-22s %10lld %9lld %13s %9s\n", name.c_str(),
                    static_cast<long long>(g.decisions), static_cast<long long>(g.mistakes),
                    g.CreditsLostText().c_str(), g.AccuracyText().c_str());
    };
    Grades all;
    for (int g = 0; g < kGameCount; ++g) {
        if (game && *game != g) continue;
        RowQuery q;
        q.game = g;
        const Grades grades = record.Grade(q);
        if (grades.decisions == 0 && !game) continue;
        line(std::string(GameInfoFor(g).name), grades);
        all += grades;
    }
    if (!game) line("All games", all);
    return 0;
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
        if (a == "--version") {
            std::puts("quintaro-advise " QUINTARO_VERSION);
            return 0;
        }
    }
    // --exact, --return, --generate and --analyse may stand anywhere; the rest are their options.
    const bool exact = std::find(args.begin(), args.end(), "--exact") != args.end();
    const bool payReturn = std::find(args.begin(), args.end(), "--return") != args.end();
    const bool generate = std::find(args.begin(), args.end(), "--generate") != args.end();
    const bool analyse = std::find(args.begin(), args.end(), "--analyse") != args.end();
    if (exact || payReturn || generate || analyse) {
        if (exact + payReturn + generate + analyse > 1)
            return quintaro::Fail("--exact, --return, --generate and --analyse do not go together");
        std::vector<std::string_view> rest;
        for (std::string_view a : args)
            if (a != "--exact" && a != "--return" && a != "--generate" && a != "--analyse")
                rest.push_back(a);
        if (analyse) return quintaro::Analyse(rest);
        return exact       ? quintaro::Exact(rest)
               : payReturn ? quintaro::Return(rest)
                           : quintaro::Generate(rest);
    }
    if (!args.empty() && args[0] == "--batch") {
        if (args.size() > 1) return quintaro::Fail("--batch takes no other arguments");
        return quintaro::Batch();
    }
    if (!args.empty() && args[0] == "--record") return quintaro::RecordSummary(args);
    if (args.empty()) return quintaro::Fail("no arguments");
    return quintaro::AdviseOne(args);
}
