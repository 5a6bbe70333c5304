#include <gtest/gtest.h>

#include <sys/stat.h>

#include "shell/pay_table_file.h"
#include "shell/settings.h"
#include "test_files.h"

namespace quintaro {
namespace {

using testing::ReadFile;
using testing::ScratchDir;
using testing::WriteFile;

NamedPayTable Table(int game, std::string name, PayRow perCoin) {
    return {game, std::move(name), ScheduleFromPerCoinPays(game, perCoin)};
}

const NamedPayTable kMine = Table(kJacksOrBetter, "Lucky 9/6", {0, 1, 2, 3, 4, 6, 9, 25, 50, 250});
const NamedPayTable kBig = Table(kDeucesWild, "Big", {0, 1, 2, 2, 3, 5, 9, 15, 25, 99'999, 4000});

// Tables saved are read back exactly, by a fresh book as by the one that saved
// them; a rename replaces, a removal removes, and a name is never taken twice.
TEST(PayTableFile, SavedTablesReadBack) {
    ScratchDir dir;
    PayTableBook book(dir / "PayTables.ini");
    book.Load();
    EXPECT_TRUE(book.LastReadError());
    ASSERT_TRUE(book.Save(kMine));
    ASSERT_TRUE(book.Save(kBig));
    EXPECT_FALSE(book.Save(Table(kJacksOrBetter, "lucky 9/6", kMine.pays.belowFive)));
    EXPECT_FALSE(book.Save(Table(kJacksOrBetter, "9/6", kMine.pays.belowFive)));
    EXPECT_FALSE(book.Save(Table(kJacksOrBetter, "7/5", kMine.pays.belowFive)));

    PayTableBook again(dir / "PayTables.ini");
    again.Load();
    ASSERT_EQ(again.Own(), (std::vector{kMine, kBig}));
    EXPECT_TRUE(again.TakeMessages().empty());
    EXPECT_EQ(again.Find(kJacksOrBetter, "LUCKY 9/6"), &again.Own()[0]);
    EXPECT_NE(again.Find(kJacksOrBetter, "7/5"), nullptr) << "the catalogue's tables are found too";
    EXPECT_FALSE(again.IsOwn(kJacksOrBetter, "7/5"));

    NamedPayTable renamed = kMine;
    renamed.name = "Corner bar";
    ASSERT_TRUE(again.Save(renamed, kMine.name));
    ASSERT_TRUE(again.Remove(kDeucesWild, "big"));
    PayTableBook third(dir / "PayTables.ini");
    third.Load();
    EXPECT_EQ(third.Own(), std::vector{renamed});

    ASSERT_TRUE(PayTableBook::Export(kBig, dir / "export.ini"));
    const auto imported = third.Import(dir / "export.ini");
    ASSERT_TRUE(imported.table) << imported.error;
    EXPECT_EQ(*imported.table, kBig);
    ASSERT_TRUE(PayTableBook::Export(renamed, dir / "same.ini"));
    EXPECT_EQ(third.Import(dir / "same.ini").table->name, "Corner bar (2)");
    EXPECT_FALSE(third.Import(dir / "missing.ini").table);
}

// A bad table is skipped with a message naming it; the good ones are read, and
// saving keeps the bad lines as they were. The settings file is never touched.
TEST(PayTableFile, BadTablesAreSkippedAndKept) {
    const std::string good = PayTablesFileText({kMine});
    struct Case {
        const char* what;
        std::string section;
        const char* message;
    };
    const Case cases[] = {
        {"value", "[Pay Table]\nGame=DrawPoker\nName=Bad\nPays=1,2,3,4,6,9,25,50,100000\n",
         "not a payout"},
        {"count", "[Pay Table]\nGame=DrawPoker\nName=Short\nPays=1,2,3\n", "9 paying hands"},
        {"duplicate", good, "already"},
        {"built-in name", "[Pay Table]\nGame=DrawPoker\nName=8/5\nPays=1,2,3,4,5,8,25,50,250\n",
         "comes with the game"},
        {"game", "[Pay Table]\nGame=Pinochle\nName=X\nPays=1\n", "no game"},
        {"five coins",
         "[Pay Table]\nGame=DrawPoker\nName=F\nPays=1,2,3,4,5,8,25,50,250\n"
         "FiveCoins=1,2,3,4,5,9,25,50,800\n",
         "same per coin"},
        {"nothing pays", "[Pay Table]\nGame=DrawPoker\nName=Z\nPays=0,0,0,0,0,0,0,0,0\n",
         "no hand pays"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        const std::string text = "; mine\n" + good + c.section;
        WriteFile(dir / "PayTables.ini", text);
        WriteFile(dir / "Quintaro.ini", "[Menu]\nCredits=77\n");
        PayTableBook book(dir / "PayTables.ini");
        book.Load();
        EXPECT_EQ(book.Own(), std::vector{kMine}) << c.what;
        const auto messages = book.TakeMessages();
        ASSERT_EQ(messages.size(), 1u) << c.what;
        EXPECT_NE(messages[0].find("table 2"), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find(c.message), std::string::npos) << c.what << ": " << messages[0];
        ASSERT_TRUE(book.Save(kBig)) << c.what;
        const std::string saved = ReadFile(dir / "PayTables.ini");
        EXPECT_NE(saved.find(c.section), std::string::npos) << c.what << " kept:\n" << saved;
        EXPECT_EQ(saved.rfind("; mine\n", 0), 0u);
        EXPECT_EQ(ParsePayTables(saved).tables, (std::vector{kMine, kBig})) << c.what;
        EXPECT_EQ(ReadFile(dir / "Quintaro.ini"), "[Menu]\nCredits=77\n");
    }
}

// A file that is not a regular file or is too large is not read and never
// replaced: the tables stay on disk for a later run.
TEST(PayTableFile, UnreadableFilesAreLeftAlone) {
    struct Case {
        const char* what;
        void (*make)(const std::filesystem::path&);
    };
    const Case cases[] = {
        {"huge",
         [](const std::filesystem::path& p) {
             WriteFile(p, PayTablesFileText({kMine}) + std::string(kMaxPayTablesBytes, ';'));
         }},
        {"fifo", [](const std::filesystem::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"folder", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        const auto path = dir / "PayTables.ini";
        c.make(path);
        const auto type = std::filesystem::symlink_status(path).type();
        const auto size =
            std::filesystem::is_regular_file(path) ? std::filesystem::file_size(path) : 0;
        PayTableBook book(path);
        book.Load();
        EXPECT_FALSE(book.LastReadError()) << c.what;
        EXPECT_TRUE(book.Own().empty()) << c.what;
        EXPECT_EQ(book.TakeMessages().size(), 1u) << c.what;
        EXPECT_FALSE(book.Save(kBig)) << c.what;
        EXPECT_EQ(std::filesystem::symlink_status(path).type(), type) << c.what;
        if (size) {
            EXPECT_EQ(std::filesystem::file_size(path), size);
        }
    }
}

// The game's section keeps AltPayTable as it was; the name of a table in force
// goes beside it, and a file that never had one does not get one.
TEST(PayTableFile, SettingsKeyBesideAltPayTable) {
    IniDocument ini("[DrawPoker]\nAltPayTable=1\n");
    EXPECT_EQ(ReadGameSettings(ini, kJacksOrBetter).PayTableName, "");
    WriteGameSettings(ini, kJacksOrBetter, true, 0, {}, {});
    EXPECT_EQ(ini.Text(), "[DrawPoker]\nAltPayTable=1\n");
    WriteGameSettings(ini, kJacksOrBetter, true, 0, {}, {}, "Lucky 9/6");
    const GameSettings g = ReadGameSettings(ini, kJacksOrBetter);
    EXPECT_TRUE(g.AltPayTable);
    EXPECT_EQ(g.PayTableName, "Lucky 9/6");
    WriteGameSettings(ini, kJacksOrBetter, false, 0, {}, {});
    EXPECT_EQ(ReadGameSettings(ini, kJacksOrBetter).PayTableName, "");
}

} // namespace
} // namespace quintaro
