#include "shell/pay_table_file.h"

#include <utility>

#include "shell/settings.h"

namespace quintaro {

namespace {

constexpr std::string_view kSection = "Pay Table";

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::optional<int> GameOfKey(std::string_view key) {
    for (int g = 0; g < kGameCount; ++g)
        if (EqualsNoCase(GameInfoFor(g).settingsSection, key) ||
            EqualsNoCase(GameInfoFor(g).name, key))
            return g;
    return std::nullopt;
}

// Reads one section's text into a table, or says why not.
std::optional<NamedPayTable> ReadTable(std::string_view block, std::string& why) {
    const IniDocument ini{std::string(block)};
    const auto gameKey = ini.Find(kSection, "Game");
    if (!gameKey) {
        why = "no Game";
        return std::nullopt;
    }
    const auto game = GameOfKey(*gameKey);
    if (!game) {
        why = "there is no game \"" + *gameKey + "\"";
        return std::nullopt;
    }
    NamedPayTable t;
    t.game = *game;
    t.name = ini.ReadString(kSection, "Name", "");
    if (why = PayTableNameProblem(t.name); !why.empty()) return std::nullopt;
    const auto pays = ini.Find(kSection, "Pays");
    if (!pays) {
        why = "no Pays";
        return std::nullopt;
    }
    const auto below = ParseFiveCoinPays(t.game, *pays, why);
    if (!below) {
        why = "Pays: " + why;
        return std::nullopt;
    }
    t.pays = ScheduleFromPerCoinPays(t.game, below->atFive);
    if (const auto five = ini.Find(kSection, "FiveCoins")) {
        const auto atFive = ParseFiveCoinPays(t.game, *five, why);
        if (!atFive) {
            why = "FiveCoins: " + why;
            return std::nullopt;
        }
        t.pays.atFive = atFive->atFive;
    }
    why = PayScheduleProblem(t.game, t.pays);
    if (!why.empty()) return std::nullopt;
    return t;
}

} // namespace

std::filesystem::path DefaultPayTablesPath() {
    return UserConfigDirectory() / kPayTablesFileName;
}

std::string OwnTableNameProblem(const std::vector<NamedPayTable>& own, int game,
                                std::string_view name, std::string_view replacing) {
    if (std::string why = PayTableNameProblem(name); !why.empty()) return why;
    if (IsBuiltInTableName(game, name))
        return "\"" + std::string(name) + "\" is the name of a table that comes with the game";
    if (!replacing.empty() && EqualsNoCase(name, replacing)) return {};
    for (const NamedPayTable& t : own)
        if (t.game == game && EqualsNoCase(t.name, name))
            return "there is a table called \"" + std::string(name) + "\" already";
    return {};
}

PayTablesText ParsePayTables(std::string_view text, std::string_view fileName) {
    PayTablesText out;
    // Split into the text before the first section and one block per section.
    std::vector<std::string_view> blocks;
    std::size_t blockStart = 0;
    bool inBlock = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = Trim(text.substr(at, end - at));
        if (!line.empty() && line.front() == '[') {
            if (inBlock)
                blocks.push_back(text.substr(blockStart, at - blockStart));
            else
                out.kept += text.substr(0, at);
            blockStart = at;
            inBlock = true;
        }
        at = end + 1;
    }
    if (inBlock)
        blocks.push_back(text.substr(blockStart));
    else
        out.kept += text;

    int number = 0;
    for (const std::string_view block : blocks) {
        ++number;
        std::string why;
        auto table = ReadTable(block, why);
        if (table && OwnTableNameProblem(out.tables, table->game, table->name).size())
            why = OwnTableNameProblem(out.tables, table->game, table->name);
        if (table && why.empty()) {
            out.tables.push_back(std::move(*table));
            continue;
        }
        out.messages.push_back(std::string(fileName) + ", table " + std::to_string(number) +
                               (table ? " (\"" + table->name + "\")" : std::string()) + ": " + why +
                               ". The table is skipped.");
        out.kept += block;
        if (!block.empty() && block.back() != '\n') out.kept += '\n';
    }
    return out;
}

std::string PayTablesFileText(const std::vector<NamedPayTable>& tables, std::string_view kept) {
    std::string text(kept);
    if (!text.empty() && text.back() != '\n') text += '\n';
    for (const NamedPayTable& t : tables) {
        IniDocument ini;
        ini.WriteString(kSection, "Game", GameInfoFor(t.game).settingsSection);
        ini.WriteString(kSection, "Name", t.name);
        ini.WriteString(kSection, "Pays", FiveCoinPaysText(t.game, t.pays.belowFive));
        ini.WriteString(kSection, "FiveCoins", FiveCoinPaysText(t.game, t.pays.atFive));
        if (!text.empty() && text.back() == '\n' && text.size() > 1 &&
            text[text.size() - 2] != '\n')
            text += '\n';
        text += ini.Text();
        if (text.back() != '\n') text += '\n';
    }
    return text;
}

void PayTableBook::Load() {
    const IniLoad load = LoadIniFile(path_, kMaxPayTablesBytes);
    lastRead_ = load.result;
    own_.clear();
    if (!load.result) {
        messages_.push_back(path_.filename().string() + " could not be read: " + load.result.error +
                            ". Your pay tables are left alone.");
        return;
    }
    PayTablesText parsed = ParsePayTables(load.document.Text(), path_.filename().string());
    own_ = std::move(parsed.tables);
    for (std::string& m : parsed.messages) messages_.push_back(std::move(m));
}

std::vector<std::string> PayTableBook::TakeMessages() {
    return std::exchange(messages_, {});
}

std::vector<const NamedPayTable*> PayTableBook::OwnFor(int game) const {
    std::vector<const NamedPayTable*> out;
    for (const NamedPayTable& t : own_)
        if (t.game == game) out.push_back(&t);
    return out;
}

const NamedPayTable* PayTableBook::Find(int game, std::string_view name) const {
    for (const NamedPayTable& t : own_)
        if (t.game == game && EqualsNoCase(t.name, name)) return &t;
    return FindCatalogueTable(game, name);
}

bool PayTableBook::IsOwn(int game, std::string_view name) const {
    for (const NamedPayTable& t : own_)
        if (t.game == game && EqualsNoCase(t.name, name)) return true;
    return false;
}

template <typename Change> FileResult PayTableBook::Update(Change change) {
    // The file is read afresh, so tables another copy of the program saved and
    // sections skipped as bad are written back as they are.
    const IniLoad load = LoadIniFile(path_, kMaxPayTablesBytes);
    if (!load.result) return load.result;
    PayTablesText parsed = ParsePayTables(load.document.Text());
    if (FileResult r = change(parsed.tables); !r) return r;
    if (FileResult r = SaveFileAtomically(path_, PayTablesFileText(parsed.tables, parsed.kept)); !r)
        return r;
    own_ = std::move(parsed.tables);
    lastRead_ = FileResult::Success();
    return FileResult::Success();
}

FileResult PayTableBook::Save(const NamedPayTable& table, std::string_view replacing) {
    if (std::string why = NamedPayTableProblem(table); !why.empty())
        return FileResult::Failure(why);
    const std::string old(replacing);
    return Update([&](std::vector<NamedPayTable>& tables) {
        if (std::string why = OwnTableNameProblem(tables, table.game, table.name, old);
            !why.empty())
            return FileResult::Failure(why);
        for (NamedPayTable& t : tables)
            if (!old.empty() && t.game == table.game && EqualsNoCase(t.name, old)) {
                t = table;
                return FileResult::Success();
            }
        tables.push_back(table);
        return FileResult::Success();
    });
}

FileResult PayTableBook::Remove(int game, std::string_view name) {
    return Update([&](std::vector<NamedPayTable>& tables) {
        std::erase_if(tables, [&](const NamedPayTable& t) {
            return t.game == game && EqualsNoCase(t.name, name);
        });
        return FileResult::Success();
    });
}

FileResult PayTableBook::Export(const NamedPayTable& table, const std::filesystem::path& path) {
    if (std::string why = NamedPayTableProblem(table); !why.empty())
        return FileResult::Failure(why);
    return SaveFileAtomically(path, PayTablesFileText({table}));
}

PayTableBook::Imported PayTableBook::Import(const std::filesystem::path& path) const {
    Imported out;
    const IniLoad load = LoadIniFile(path, kMaxPayTablesBytes);
    if (!load.result || !load.existed) {
        out.error = load.existed ? load.result.error : "there is no such file";
        return out;
    }
    PayTablesText parsed = ParsePayTables(load.document.Text(), path.filename().string());
    if (parsed.tables.empty()) {
        out.error =
            parsed.messages.empty() ? "the file holds no pay table" : parsed.messages.front();
        return out;
    }
    NamedPayTable t = parsed.tables.front();
    const std::string base = t.name;
    for (int n = 2; n < 1000 && !OwnTableNameProblem(own_, t.game, t.name).empty(); ++n)
        t.name = base.substr(0, kMaxPayTableName - 5) + " (" + std::to_string(n) + ")";
    out.table = std::move(t);
    return out;
}

PayTableBook& ThePayTableBook() {
    static PayTableBook book = [] {
        PayTableBook b;
        b.Load();
        return b;
    }();
    return book;
}

} // namespace quintaro
