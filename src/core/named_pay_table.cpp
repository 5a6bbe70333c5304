#include "core/named_pay_table.h"

#include <algorithm>

namespace quintaro {

namespace {

struct CatalogueRow {
    int game;
    std::string_view name;
    std::string_view fiveCoinPays; // per coin at five coins, the lowest paying hand first
};

// Tables found on casino floors, each given as it pays at five coins.
constexpr CatalogueRow kCatalogue[] = {
    {kJacksOrBetter, "9/5", "1,2,3,4,5,9,25,50,800"},
    {kJacksOrBetter, "8/6", "1,2,3,4,6,8,25,50,800"},
    {kJacksOrBetter, "7/5", "1,2,3,4,5,7,25,50,800"},
    {kJacksOrBetter, "6/5", "1,2,3,4,5,6,25,50,800"},
    {kBonusPoker, "7/5", "1,2,3,4,5,7,25,40,80,50,800"},
    {kBonusPoker, "6/5", "1,2,3,4,5,6,25,40,80,50,800"},
    {kBonusPoker, "5/5", "1,2,3,4,5,5,25,40,80,50,800"},
    {kBonusDeluxe, "9/6", "1,1,3,4,6,9,80,50,800"},
    {kBonusDeluxe, "9/5", "1,1,3,4,5,9,80,50,800"},
    {kBonusDeluxe, "7/5", "1,1,3,4,5,7,80,50,800"},
    {kBonusDeluxe, "6/5", "1,1,3,4,5,6,80,50,800"},
    {kDeucesWild, "Full Pay", "1,2,2,3,5,9,15,25,200,800"},
    {kDeucesWild, "Double Deuces", "1,2,2,3,4,10,16,25,400,800"},
    {kDeucesWild, "Loose Deuces", "1,2,2,3,4,10,15,25,500,800"},
    {kDeucesWild, "Illinois Deuces", "1,2,3,4,4,9,15,25,200,800"},
    {kDoubleBonus, "9/7", "1,1,3,5,7,9,50,80,160,50,800"},
    {kDoubleBonus, "10/6", "1,1,3,5,6,10,50,80,160,50,800"},
    {kDoubleBonus, "9/5", "1,1,3,5,5,9,50,80,160,50,800"},
    {kDoubleBonus, "10/7/80", "1,1,3,5,7,10,50,80,160,80,800"},
    {kDoubleDoubleBonus, "10/6", "1,1,3,4,6,10,50,80,160,160,400,50,800"},
    {kDoubleDoubleBonus, "8/5", "1,1,3,4,5,8,50,80,160,160,400,50,800"},
    {kDoubleDoubleBonus, "7/5", "1,1,3,4,5,7,50,80,160,160,400,50,800"},
    {kSuperDoubleBonus, "7/5", "1,1,3,4,5,7,50,80,120,160,80,800"},
    {kSuperDoubleBonus, "6/5", "1,1,3,4,5,6,50,80,120,160,80,800"},
    {kSuperDoubleBonus, "9/6", "1,1,3,4,6,9,50,80,120,160,80,800"},
    {kTripleDoubleBonus, "9/5", "1,1,2,4,5,9,50,50,80,160,400,800,800"},
    {kTripleDoubleBonus, "8/5", "1,1,2,4,5,8,50,50,80,160,400,800,800"},
    {kTripleDoubleBonus, "7/5", "1,1,2,4,5,7,50,50,80,160,400,800,800"},
    {kSuperAces, "8/6", "1,1,3,4,6,8,50,80,400,60,800"},
    {kSuperAces, "6/5", "1,1,3,4,5,6,50,80,400,60,800"},
    {kSuperAces, "5/5", "1,1,3,4,5,5,50,80,400,60,800"},
};

std::vector<NamedPayTable> BuildCatalogue() {
    std::vector<NamedPayTable> tables;
    for (const CatalogueRow& row : kCatalogue) {
        std::string error;
        const auto pays = ParseFiveCoinPays(row.game, row.fiveCoinPays, error);
        if (pays) tables.push_back({row.game, std::string(row.name), *pays});
    }
    return tables;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

} // namespace

std::vector<HandCategory> FiveCoinRows(int game) {
    const PaySchedule builtIn = BuiltInSchedule(game, 0);
    std::vector<HandCategory> rows;
    for (int c = 1; c < kPayRowSize; ++c)
        if (builtIn.belowFive[c] != builtIn.atFive[c]) rows.push_back(c);
    return rows;
}

bool IsFiveCoinRow(int game, HandCategory row) {
    const auto rows = FiveCoinRows(game);
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

std::string PayTableNameProblem(std::string_view name) {
    if (name.empty()) return "a pay table needs a name";
    if (name.size() > kMaxPayTableName)
        return "a name has at most " + std::to_string(kMaxPayTableName) + " characters";
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return "a name cannot hold a line break or a control character";
    if (name.front() == ' ' || name.back() == ' ') return "a name cannot start or end with a blank";
    if (name.front() == '[' || name.find(']') != std::string_view::npos)
        return "a name cannot hold ']' or start with '['";
    return {};
}

std::string PayScheduleProblem(int game, const PaySchedule& pays) {
    if (!IsValidGame(game)) return "there is no game " + std::to_string(game);
    if (std::string why = FiveCoinPaysProblem(game, pays.belowFive); !why.empty())
        return "at one to four coins: " + why;
    if (std::string why = FiveCoinPaysProblem(game, pays.atFive); !why.empty())
        return "at five coins: " + why;
    for (int c = 1; c < kPayRowSize; ++c)
        if (pays.belowFive[c] != pays.atFive[c] && !IsFiveCoinRow(game, c))
            return "category " + std::to_string(c) + " pays the same per coin at every bet";
    return {};
}

std::string NamedPayTableProblem(const NamedPayTable& table) {
    if (std::string why = PayTableNameProblem(table.name); !why.empty()) return why;
    return PayScheduleProblem(table.game, table.pays);
}

PaySchedule ScheduleFromPerCoinPays(int game, const PayRow& belowFive) {
    const PaySchedule builtIn = BuiltInSchedule(game, 0);
    PaySchedule s{belowFive, belowFive};
    for (const HandCategory row : FiveCoinRows(game))
        if (belowFive[row] == builtIn.belowFive[row]) s.atFive[row] = builtIn.atFive[row];
    return s;
}

std::span<const NamedPayTable> PayCatalogue() {
    static const std::vector<NamedPayTable> tables = BuildCatalogue();
    return tables;
}

std::vector<const NamedPayTable*> CatalogueTablesFor(int game) {
    std::vector<const NamedPayTable*> out;
    for (const NamedPayTable& t : PayCatalogue())
        if (t.game == game) out.push_back(&t);
    return out;
}

const NamedPayTable* FindCatalogueTable(int game, std::string_view name) {
    for (const NamedPayTable& t : PayCatalogue())
        if (t.game == game && EqualNoCase(t.name, name)) return &t;
    return nullptr;
}

bool IsBuiltInTableName(int game, std::string_view name) {
    for (int choice = 0; choice < 2; ++choice)
        if (EqualNoCase(PayTableMenuCaption(game, choice), name) ||
            EqualNoCase(PayTableShortName(game, choice), name))
            return true;
    return FindCatalogueTable(game, name) != nullptr;
}

} // namespace quintaro
