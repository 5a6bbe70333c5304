// quintaro-advise: the expert hold for a five-card hand, for players and for
// bulk checks.
//
//   quintaro-advise --game G --table T [--coins C] CARD CARD CARD CARD CARD
//   quintaro-advise --batch < lines of "G T c0 c1 c2 c3 c4"
//   quintaro-advise --record [--game G] [--file PATH]
//
// Exit status: 0 success, 1 when a batch line could not be read, 2 for bad
// options or arguments.

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/card.h"
#include "core/evaluation.h"
#include "core/game_variant.h"
#include "core/hand_names.h"
#include "core/pay_table.h"
#include "quintaro_version.h"
#include "record/training_record.h"
#include "shell/settings.h"
#include "strategy/classifier.h"

namespace quintaro {
namespace {

constexpr const char* kUsage =
    "usage: quintaro-advise --game G --table T [--coins C] CARD CARD CARD CARD CARD\n"
    "       quintaro-advise --batch\n"
    "       quintaro-advise --record [--game G] [--file PATH]\n"
    "       quintaro-advise --help | --version\n"
    "\n"
    "G: game 0..8 or jacks, bonus, deluxe, deuces, double, ddb, sdb, tdb, aces\n"
    "T: pay table 0 or 1, or its name (8/5, 9/6, ...)\n"
    "C: coins bet, 1..5 (default 5)\n"
    "CARD: a number 0..51 or a name such as Ah, Td, 10c, 2s\n"
    "\n"
    "--batch reads lines \"G T c0 c1 c2 c3 c4\" (integers) from standard input and\n"
    "writes per line: category, rank, hold, alternative hold (or -), entry name,\n"
    "separated by tabs; a line that cannot be read gives \"error\" and a message.\n"
    "\n"
    "--record prints the training record's grades per game: decisions, mistakes,\n"
    "credits lost to mistakes and accuracy (value of the holds drawn over the value\n"
    "of the best holds), table decisions only. The record is read from PATH, else\n"
    "from $QUINTARO_RECORD, else from $XDG_DATA_HOME/Quintaro/training.sqlite3\n"
    "(~/.local/share/Quintaro/training.sqlite3). Exit status 1 when it cannot be read.\n";

std::string Lower(std::string_view s) {
    std::string out;
    for (char c : s)
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '/')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<int> ParseSmallInt(std::string_view s) {
    if (s.empty() || s.size() > 9) return std::nullopt;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
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

class Output {
public:
    ~Output() { Flush(); }
    void Add(const char* s, std::size_t n) {
        if (buffer_.size() + n > kLimit) Flush();
        buffer_.append(s, n);
    }
    void Add(std::string_view s) { Add(s.data(), s.size()); }
    void Add(char c) { buffer_.push_back(c); }
    void AddInt(int n) {
        char digits[12];
        const int len = std::snprintf(digits, sizeof digits, "%d", n);
        Add(digits, static_cast<std::size_t>(len));
    }
    void Flush() {
        if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
        buffer_.clear();
    }

private:
    static constexpr std::size_t kLimit = 1 << 20;
    std::string buffer_;
};

// A word of the input as it may be shown in a message: control and other
// non-printing bytes become '?', and a long word is cut short.
std::string Printable(std::string_view word) {
    std::string out;
    for (char c : word.substr(0, 24)) out += std::isprint(static_cast<unsigned char>(c)) ? c : '?';
    if (word.size() > 24) out += "...";
    return out;
}

// Reads one line "G T c0 c1 c2 c3 c4"; returns an empty text or what was wrong.
std::string ReadBatchLine(std::string_view line, int& game, int& choice,
                          std::array<Card, 5>& cards) {
    int values[7];
    int n = 0;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
        const std::string_view word = line.substr(i, j - i);
        const auto v = ParseSmallInt(word);
        if (!v) return "not a whole number: '" + Printable(word) + "'";
        if (n == 7) return "more than 7 numbers";
        values[n++] = *v;
        i = j;
    }
    if (n == 0) return "empty line";
    if (n < 7) return "expected 7 numbers (game, table, five cards), found " + std::to_string(n);
    if (!IsValidGame(values[0])) return "game out of range (0..8): " + std::to_string(values[0]);
    if (values[1] > 1) return "pay table out of range (0..1): " + std::to_string(values[1]);
    game = values[0];
    choice = values[1];
    for (int k = 0; k < 5; ++k) {
        const int c = values[k + 2];
        if (!IsValidCard(c)) return "bad card (0..51): " + std::to_string(c);
        for (int m = 0; m < k; ++m)
            if (cards[static_cast<std::size_t>(m)] == c)
                return "repeated card: " + std::to_string(c);
        cards[static_cast<std::size_t>(k)] = c;
    }
    return {};
}

int Batch() {
    std::string input;
    {
        char chunk[1 << 16];
        std::size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) input.append(chunk, got);
    }
    Output out;
    HandAnalysis a;
    Recommendation r;
    bool anyFailed = false;
    long lineNumber = 0;
    std::size_t pos = 0;
    while (pos < input.size()) {
        std::size_t end = input.find('\n', pos);
        if (end == std::string::npos) end = input.size();
        std::string_view line(input.data() + pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        int game = 0;
        int choice = 0;
        std::array<Card, 5> cards{};
        const std::string problem = ReadBatchLine(line, game, choice, cards);
        if (!problem.empty()) {
            anyFailed = true;
            out.Add("error\tline ");
            out.AddInt(static_cast<int>(lineNumber));
            out.Add(": ");
            out.Add(problem);
            out.Add('\n');
            continue;
        }
        AdviseHand(game, choice, cards, a, r);
        out.AddInt(CategoryFor(GameInfoFor(game).family, a));
        out.Add('\t');
        out.AddInt(r.strategyIndex);
        out.Add('\t');
        char flags[6] = {};
        for (int k = 0; k < 5; ++k) flags[k] = r.hold[static_cast<std::size_t>(k)] ? '1' : '0';
        out.Add(flags, 5);
        out.Add('\t');
        if (r.altValid) {
            for (int k = 0; k < 5; ++k)
                flags[k] = r.altHolds[static_cast<std::size_t>(k)] ? '1' : '0';
            out.Add(flags, 5);
        } else {
            out.Add('-');
        }
        out.Add('\t');
        out.Add(StrategyListFor(game, choice).Entry(r.strategyIndex).name);
        out.Add('\n');
    }
    out.Flush();
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "quintaro-advise: cannot write the output\n");
        return 2;
    }
    return anyFailed ? 1 : 0;
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
    if (!args.empty() && args[0] == "--batch") {
        if (args.size() > 1) return quintaro::Fail("--batch takes no other arguments");
        return quintaro::Batch();
    }
    if (!args.empty() && args[0] == "--record") return quintaro::RecordSummary(args);
    if (args.empty()) return quintaro::Fail("no arguments");
    return quintaro::AdviseOne(args);
}
