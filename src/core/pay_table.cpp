#include "core/pay_table.h"

#include <charconv>

namespace quintaro {

namespace {

// First tables, one-coin values. Categories follow each game's own order.
const std::array<PayTableSet, kGameCount> kSets{{
    // Jacks or Better
    {{0, 1, 2, 3, 4, 5, 8, 25, 50, 250},
     {{{5, 5, 6}, {6, 8, 9}}},
     2,
     {"8/5", "9/6"},
     {"8/5", "9/6"}},
    // Bonus Poker
    {{0, 1, 2, 3, 4, 5, 8, 25, 40, 80, 50, 250},
     {{{2, 2, 1}, {4, 4, 5}, {5, 5, 8}, {6, 8, 10}}},
     4,
     {"8/5/4/3/2", "10/8/5/3/1"},
     {"8/5", "10/8"}},
    // Bonus Deluxe
    {{0, 1, 1, 3, 4, 6, 8, 80, 50, 250}, {{{5, 6, 5}}}, 1, {"8/6", "8/5"}, {"8/6", "8/5"}},
    // Deuces Wild
    {{0, 1, 2, 2, 3, 4, 10, 16, 25, 200, 250},
     {{{3, 2, 3}, {4, 3, 4}}},
     2,
     {"3/2", "4/3"},
     {"3/2", "4/3"}},
    // Double Bonus
    {{0, 1, 1, 3, 5, 6, 9, 50, 80, 160, 50, 250},
     {{{5, 6, 7}, {6, 9, 10}}},
     2,
     {"9/6", "10/7"},
     {"9/6", "10/7"}},
    // Double Double Bonus
    {{0, 1, 1, 3, 4, 6, 9, 50, 80, 160, 160, 400, 50, 250},
     {{{5, 6, 5}}},
     1,
     {"9/6", "9/5"},
     {"9/6", "9/5"}},
    // Super Double Bonus
    {{0, 1, 1, 3, 4, 5, 9, 50, 80, 120, 160, 80, 250},
     {{{6, 9, 8}}},
     1,
     {"9/5", "8/5"},
     {"9/5", "8/5"}},
    // Triple Double Bonus
    {{0, 1, 1, 2, 4, 7, 9, 50, 50, 80, 160, 400, 400, 400},
     {{{5, 7, 6}}},
     1,
     {"9/7", "9/6"},
     {"9/7", "9/6"}},
    // Super Aces
    {{0, 1, 1, 3, 4, 5, 8, 50, 80, 400, 60, 250}, {{{6, 8, 7}}}, 1, {"8/5", "7/5"}, {"8/5", "7/5"}},
}};

int TopCategory(int game) {
    return CategoryCount(GameInfoFor(game).family) - 1;
}

} // namespace

const PayTableSet& PayTableSetFor(int game) {
    return kSets[static_cast<std::size_t>(game)];
}

std::string_view PayTableMenuCaption(int game, int choice) {
    return PayTableSetFor(game).menuCaptions[choice ? 1 : 0];
}

std::string_view PayTableShortName(int game, int choice) {
    return PayTableSetFor(game).shortNames[choice ? 1 : 0];
}

PayTables::PayTables() {
    for (int g = 0; g < kGameCount; ++g) rows_[g] = kSets[g].firstTable;
}

ChangedRows PayTables::Apply(int game, int choice) {
    const PayTableSet& set = PayTableSetFor(game);
    if (named_[game]) {
        named_[game].reset();
        rows_[game] = set.firstTable;
    }
    ChangedRows changed;
    for (int i = 0; i < set.differenceCount; ++i) {
        const PayDifference& d = set.differences[i];
        rows_[game][d.category] = choice ? d.second : d.first;
        changed.rows[changed.count++] = d.category;
    }
    return changed;
}

void PayTables::ApplySchedule(int game, const PaySchedule& pays) {
    named_[game] = pays;
    rows_[game] = pays.belowFive;
}

void PayTables::ApplyRoyalRule(int game, int coins) {
    if (named_[game]) {
        rows_[game] = named_[game]->PerCoin(coins);
        return;
    }
    const bool fiveCoins = coins == 5;
    PayRow& row = rows_[game];
    if (game == kTripleDoubleBonus) {
        row[13] = fiveCoins ? 800 : 400;
        row[12] = fiveCoins ? 800 : 400;
    } else {
        row[TopCategory(game)] = fiveCoins ? 800 : 250;
    }
}

std::int32_t PayTables::Payout(int game, HandCategory category, int coins) const {
    if (category < 0 || category >= kPayRowSize) return 0;
    return rows_[game][category] * coins;
}

PayTables& ThePayTables() {
    static PayTables tables;
    return tables;
}

PaySchedule BuiltInSchedule(int game, int choice) {
    PayTables tables;
    tables.Apply(game, choice);
    PaySchedule s;
    tables.ApplyRoyalRule(game, 1);
    s.belowFive = tables.Row(game);
    tables.ApplyRoyalRule(game, 5);
    s.atFive = tables.Row(game);
    return s;
}

PaySchedule ScheduleFromFiveCoinPays(int game, const PayRow& atFive) {
    // The royal rule of a fresh table gives the top rows below five coins.
    PayTables tables;
    tables.ApplyRoyalRule(game, 1);
    PaySchedule s;
    s.atFive = atFive;
    s.belowFive = atFive;
    const PayRow& royal = tables.Row(game);
    const PayRow& fiveCoinRoyal = BuiltInSchedule(game, 0).atFive;
    for (int c = 0; c < kPayRowSize; ++c)
        if (royal[c] != fiveCoinRoyal[c]) s.belowFive[c] = royal[c];
    return s;
}

int PayingCategoryCount(int game) {
    return CategoryCount(GameInfoFor(game).family) - 1;
}

std::string FiveCoinPaysProblem(int game, const PayRow& atFive) {
    bool pays = false;
    for (int c = 1; c <= PayingCategoryCount(game); ++c) {
        if (atFive[c] < 0 || atFive[c] > kMaxPayPerCoin)
            return "payout " + std::to_string(atFive[c]) + " of category " + std::to_string(c) +
                   " is not a whole number from 0 to " + std::to_string(kMaxPayPerCoin);
        pays = pays || atFive[c] > 0;
    }
    for (int c = PayingCategoryCount(game) + 1; c < kPayRowSize; ++c)
        if (atFive[c] != 0) return "category " + std::to_string(c) + " does not exist in this game";
    if (atFive[0] != 0) return "a hand that wins nothing cannot pay";
    if (!pays) return "no hand pays anything";
    return {};
}

std::optional<PaySchedule> ParseFiveCoinPays(int game, std::string_view text, std::string& error) {
    const int wanted = PayingCategoryCount(game);
    PayRow row{};
    int count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item =
            text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
        std::int64_t value = -1;
        const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (item.empty() || ec != std::errc() || end != item.data() + item.size() || value < 0 ||
            value > kMaxPayPerCoin) {
            error = "'" + std::string(item) +
                    "' is not a payout: each is a whole number from 0 to " +
                    std::to_string(kMaxPayPerCoin);
            return std::nullopt;
        }
        if (++count <= wanted) row[count] = static_cast<std::int32_t>(value);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (count != wanted) {
        error = std::string(GameInfoFor(game).name) + " has " + std::to_string(wanted) +
                " paying hands, " + std::to_string(count) + " payouts given";
        return std::nullopt;
    }
    error = FiveCoinPaysProblem(game, row);
    if (!error.empty()) return std::nullopt;
    return ScheduleFromFiveCoinPays(game, row);
}

std::string FiveCoinPaysText(int game, const PayRow& atFive) {
    std::string text;
    for (int c = 1; c <= PayingCategoryCount(game); ++c) {
        if (c > 1) text += ',';
        text += std::to_string(atFive[c]);
    }
    return text;
}

} // namespace quintaro
