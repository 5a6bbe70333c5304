#pragma once
// The player's own pay tables, kept in PayTables.ini beside the settings file,
// one section per table:
//
//   [Pay Table]
//   Game=DrawPoker            the game's settings section
//   Name=9/6 at the Lucky
//   Pays=1,2,3,4,6,9,25,50,250     per coin at one to four coins
//   FiveCoins=1,2,3,4,6,9,25,50,800  per coin at five coins
//
// A table that cannot be played (a bad value, a name used twice) is skipped
// with a message; its lines are kept and written back as they were, so a bad
// line loses nothing. The file is read and written with the settings file's
// care: regular files only, a size limit, atomic replacement, and nothing
// written when the file on disk cannot be read.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/named_pay_table.h"
#include "shell/ini_file.h"
#include "table/named_table_book.h"

namespace quintaro {

inline constexpr std::string_view kPayTablesFileName = "PayTables.ini";
inline constexpr std::size_t kMaxPayTablesBytes = 1024 * 1024;

// UserConfigDirectory() / "PayTables.ini".
std::filesystem::path DefaultPayTablesPath();

// The tables a text holds, the messages about the ones skipped, and the text of
// everything that is not a good table (comments before the first table, the
// sections skipped), to be written back unchanged.
struct PayTablesText {
    std::vector<NamedPayTable> tables;
    std::vector<std::string> messages;
    std::string kept;
};
PayTablesText ParsePayTables(std::string_view text, std::string_view fileName = kPayTablesFileName);
// The text of the tables, after the kept text.
std::string PayTablesFileText(const std::vector<NamedPayTable>& tables, std::string_view kept = {});

// Why a table of one's own cannot be called so among the others of its game:
// the name's own problem, a built-in or catalogue name, or a name taken.
// `replacing` is the name of the table being renamed (it may keep its name).
std::string OwnTableNameProblem(const std::vector<NamedPayTable>& own, int game,
                                std::string_view name, std::string_view replacing = {});

// The player's tables at one place on disk, with the catalogue beside them;
// the book the game rounds look their named tables up in.
class PayTableBook : public NamedTableBook {
public:
    explicit PayTableBook(std::filesystem::path path = DefaultPayTablesPath())
        : path_(std::move(path)) {}

    const std::filesystem::path& Path() const { return path_; }

    // Reads the file; a file that cannot be read leaves no tables, and the
    // reason in LastReadError(). Messages about skipped tables accumulate.
    void Load();
    const FileResult& LastReadError() const { return lastRead_; }
    // The messages not yet shown, emptied by the call.
    std::vector<std::string> TakeMessages();

    const std::vector<NamedPayTable>& Own() const { return own_; }
    std::vector<const NamedPayTable*> OwnFor(int game) const;
    // A table of a game by name: the player's first, then the catalogue's.
    const NamedPayTable* Find(int game, std::string_view name) const override;
    bool IsOwn(int game, std::string_view name) const;

    // Adds a table, or replaces the one called `replacing` (a rename, or new
    // pays), and saves the file. Refuses a table that cannot be played or whose
    // name is taken, and writes nothing when the file cannot be read.
    FileResult Save(const NamedPayTable& table, std::string_view replacing = {});
    FileResult Remove(int game, std::string_view name);

    // One table in a file of its own, in the same form.
    static FileResult Export(const NamedPayTable& table, const std::filesystem::path& path);
    // The first good table of a file, renamed when its name is taken here.
    struct Imported {
        std::optional<NamedPayTable> table;
        std::string error;
    };
    Imported Import(const std::filesystem::path& path) const;

private:
    template <typename Change> FileResult Update(Change change);

    std::filesystem::path path_;
    FileResult lastRead_;
    std::vector<NamedPayTable> own_;
    std::vector<std::string> messages_;
};

// The program's book, loaded when first asked for.
PayTableBook& ThePayTableBook();

} // namespace quintaro
