// quintaro-advise --batch on any bytes: one output line per input line, each
// either an error naming its line or five well-formed fields, and the result
// says whether any line failed.

#include "advise/batch.h"
#include "fuzz_check.h"

#include <string>

using namespace quintaro;

namespace {

bool IsNumber(std::string_view s) {
    return ParseSmallInt(s).has_value();
}

bool IsHold(std::string_view s) {
    return s.size() == 5 && s.find_first_not_of("01") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::AsText(data, size);
    std::string output;
    const bool allRead = AdviseBatch(input, [&](std::string_view text) { output += text; });

    std::size_t inputLines = 0;
    for (std::string_view rest = input; !rest.empty(); fuzz::TakeLine(rest)) ++inputLines;

    bool anyError = false;
    std::size_t lineNumber = 0;
    std::string_view rest = output;
    FUZZ_CHECK(output.empty() || output.back() == '\n');
    while (!rest.empty()) {
        const std::string_view line = fuzz::TakeLine(rest);
        ++lineNumber;
        const std::string errorStart = "error\tline " + std::to_string(lineNumber) + ": ";
        if (line.substr(0, errorStart.size()) == errorStart) {
            anyError = true;
            FUZZ_CHECK(line.size() > errorStart.size());
            continue;
        }
        std::string_view fields = line;
        std::string_view parts[5];
        for (int i = 0; i < 4; ++i) {
            const std::size_t tab = fields.find('\t');
            FUZZ_CHECK(tab != std::string_view::npos);
            parts[i] = fields.substr(0, tab);
            fields.remove_prefix(tab + 1);
        }
        parts[4] = fields;
        FUZZ_CHECK(IsNumber(parts[0]) && IsNumber(parts[1]));
        FUZZ_CHECK(IsHold(parts[2]));
        FUZZ_CHECK(parts[3] == "-" || IsHold(parts[3]));
        FUZZ_CHECK(!parts[4].empty() && parts[4].find('\t') == std::string_view::npos);
    }
    FUZZ_CHECK(lineNumber == inputLines);
    FUZZ_CHECK(allRead == !anyError);

    // A line that reads gives the same hand when written out plainly again.
    std::string_view first = input;
    first = fuzz::TakeLine(first);
    if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
    int game = -1;
    int choice = -1;
    std::array<Card, 5> cards{};
    if (ReadBatchLine(first, game, choice, cards).empty()) {
        std::string plain = std::to_string(game) + " " + std::to_string(choice);
        for (Card c : cards) plain += " " + std::to_string(c);
        int game2 = -1;
        int choice2 = -1;
        std::array<Card, 5> cards2{};
        FUZZ_CHECK(ReadBatchLine(plain, game2, choice2, cards2).empty());
        FUZZ_CHECK(game2 == game && choice2 == choice && cards2 == cards);
    }
    return 0;
}
