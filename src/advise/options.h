#pragma once
// The options every mode of quintaro-advise reads alike: the game, the pay table
// (--table T, a built-in table, or --pays P1,P2,..., any pay row), the coins bet
// and five cards; the usage text and the message for a bad option.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/pay_analysis.h"
#include "core/card.h"
#include "core/pay_table.h"

namespace quintaro {

extern const char* const kUsage;

// Writes the message and the usage to standard error; gives exit status 2.
int Fail(const std::string& message);

// A game 0..8 or one of its short names; a built-in pay table 0/1 or its name.
std::optional<int> ParseGame(std::string_view text);
std::optional<int> ParseTable(int game, std::string_view text);

struct HandOptions {
    int game = 0;
    int choice = 0; // the built-in table, or -1 for a row of --pays
    PaySchedule pays{};
    std::string tableName; // "9/6", or the --pays text
    int coins = 5;
    std::array<Card, 5> cards{};
    bool BuiltIn() const { return choice >= 0; }
};

// Reads --game, --table or --pays, --coins and, when wanted, five cards.
// Returns 0, or the exit status after a message.
int ReadHandOptions(const std::vector<std::string_view>& args, bool wantCards, HandOptions& out);

// Takes --bankroll, --hands, --cashback and --lines out of args for --analyse.
// Returns 0, or the exit status after a message.
int ReadBankrollOptions(std::vector<std::string_view>& args, analysis::BankrollInputs& out);

} // namespace quintaro
