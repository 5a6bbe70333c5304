#pragma once
// quintaro-advise's batch mode as a function of its input: each line
// "G T c0 c1 c2 c3 c4" (whole numbers: game 0..8, pay table 0..1, five
// distinct cards 0..51) gives one output line
//   category TAB rank TAB hold TAB alternative hold or "-" TAB entry name
// and a line that cannot be read gives "error<TAB>line N: <what was wrong>".

#include "core/card.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quintaro {

// A whole number of up to nine decimal digits, nothing else.
std::optional<int> ParseSmallInt(std::string_view text);

// Reads one line "G T c0 c1 c2 c3 c4"; returns an empty text or what was
// wrong. The outputs are set only for a line that reads.
std::string ReadBatchLine(std::string_view line, int& game, int& choice,
                          std::array<Card, 5>& cards);

// Appends the answer to one line that reads, ending with a line feed.
using BatchAnswer =
    std::function<void(int game, int choice, const std::array<Card, 5>& cards, std::string& out)>;

// Answers every line of `input` (LF or CRLF endings; a last line without an
// ending counts) with `answer`, or with an error line when it cannot be read,
// and hands the output to `write` in pieces of about a megabyte. Returns true
// when every line could be read.
bool RunBatch(std::string_view input, const std::function<void(std::string_view)>& write,
              const BatchAnswer& answer);

// The strategy's advice for every line.
bool AdviseBatch(std::string_view input, const std::function<void(std::string_view)>& write);

} // namespace quintaro
