#include "advise/batch.h"

#include "core/evaluation.h"
#include "core/game_variant.h"
#include "strategy/classifier.h"

#include <cctype>
#include <cstdio>

namespace quintaro {
namespace {

// Collects output and passes it on in large pieces.
class Output {
public:
    explicit Output(const std::function<void(std::string_view)>& write) : write_(write) {}
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
        if (!buffer_.empty()) write_(buffer_);
        buffer_.clear();
    }

private:
    static constexpr std::size_t kLimit = 1 << 20;
    const std::function<void(std::string_view)>& write_;
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

} // namespace

std::optional<int> ParseSmallInt(std::string_view s) {
    if (s.empty() || s.size() > 9) return std::nullopt;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

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
    std::array<Card, 5> read{};
    for (int k = 0; k < 5; ++k) {
        const int c = values[k + 2];
        if (!IsValidCard(c)) return "bad card (0..51): " + std::to_string(c);
        for (int m = 0; m < k; ++m)
            if (read[static_cast<std::size_t>(m)] == c)
                return "repeated card: " + std::to_string(c);
        read[static_cast<std::size_t>(k)] = c;
    }
    game = values[0];
    choice = values[1];
    cards = read;
    return {};
}

bool RunBatch(std::string_view input, const std::function<void(std::string_view)>& write,
              const BatchAnswer& answer) {
    Output out(write);
    std::string answered;
    bool anyFailed = false;
    long lineNumber = 0;
    std::size_t pos = 0;
    while (pos < input.size()) {
        std::size_t end = input.find('\n', pos);
        if (end == std::string_view::npos) end = input.size();
        std::string_view line = input.substr(pos, end - pos);
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
        answered.clear();
        answer(game, choice, cards, answered);
        out.Add(answered);
    }
    return !anyFailed;
}

bool AdviseBatch(std::string_view input, const std::function<void(std::string_view)>& write) {
    HandAnalysis a;
    Recommendation r;
    return RunBatch(input, write,
                    [&](int game, int choice, const std::array<Card, 5>& cards, std::string& out) {
                        AdviseHand(game, choice, cards, a, r);
                        out += std::to_string(CategoryFor(GameInfoFor(game).family, a));
                        out += '\t';
                        out += std::to_string(r.strategyIndex);
                        out += '\t';
                        for (int k = 0; k < 5; ++k)
                            out += r.hold[static_cast<std::size_t>(k)] ? '1' : '0';
                        out += '\t';
                        if (r.altValid) {
                            for (int k = 0; k < 5; ++k)
                                out += r.altHolds[static_cast<std::size_t>(k)] ? '1' : '0';
                        } else {
                            out += '-';
                        }
                        out += '\t';
                        out += StrategyListFor(game, choice).Entry(r.strategyIndex).name;
                        out += '\n';
                    });
}

} // namespace quintaro
