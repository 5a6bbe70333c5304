#include "shell/ini_file.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quintaro {
namespace {

using testing::ReadFile;
using testing::ScratchDir;
using testing::WriteFile;
using namespace std::string_view_literals;

TEST(ParseProfileInteger, ReadsTheLeadingDecimalOrPrefixedHexNumberWithin32Bits) {
    // The profile services read the number a value starts with; a list of
    // numbers (a stored hand) wants each part to be a number and nothing else.
    using Number = std::pair<const char*, std::int32_t>;
    const Number whole[] = {{"150", 150},
                            {"  -5 ", -5},
                            {"+7", 7},
                            {"0", 0},
                            {"007", 7},
                            {"$FF", 255},
                            {"$ff", 255},
                            {"0x00FF00", 65280},
                            {"0X10", 16},
                            {"$FFFFFFFF", -1},
                            {"$80000000", INT32_MIN},
                            {"2147483647", INT32_MAX},
                            {"-2147483648", INT32_MIN}};
    for (const auto& [text, value] : whole) {
        EXPECT_EQ(ParseProfileInteger(text), value) << text;
        EXPECT_EQ(ParseWholeInteger(text), value) << text;
    }
    // A number followed by something else ("0x" is a zero and the letter x).
    const Number leading[] = {
        {"250 ; my note", 250}, {"250;note", 250}, {"12abc", 12}, {"1.5", 1}, {"1 2", 1},
        {"$FFzz", 255},         {"0x", 0},         {"0xg", 0}};
    for (const auto& [text, value] : leading) {
        EXPECT_EQ(ParseProfileInteger(text), value) << text;
        EXPECT_EQ(ParseWholeInteger(text), std::nullopt) << text;
    }
    // No number, or one beyond 32 bits.
    for (const char* text :
         {"2147483648", "-2147483649", "99999999999999999999999", "$100000000", "0x1FFFFFFFF", "",
          "   ", "$", "$G0", "--1", "-", "- 1", "true", "; 250", "x250"}) {
        EXPECT_EQ(ParseProfileInteger(text), std::nullopt) << text;
        EXPECT_EQ(ParseWholeInteger(text), std::nullopt) << text;
    }
}

// Booleans are integers, any non-zero one true; a value that is no number reads
// as the default. Section and key names ignore case, values are trimmed and
// unquoted; a write changes one line and keeps every other byte, and a value
// cannot add lines.
TEST(IniDocument, ReadsAndWritesAsProfilesDo) {
    const IniDocument ini("[Menu]\nCredits=250 ; my note\nWhichSpeed=1 (slow)\n"
                          "Sound=0 off\nAutoHold=1;on\nLastGame=none\nFastCredits=yes 1\n"
                          "c=-3\nd=$10\nf=\n");
    EXPECT_EQ(ini.ReadInteger("Menu", "Credits", 150), 250);
    EXPECT_FALSE(ini.ReadBool("Menu", "Sound", true));
    EXPECT_TRUE(ini.ReadBool("Menu", "AutoHold", false));
    EXPECT_EQ(ini.ReadInteger("Menu", "LastGame", 4), 4); // no leading number: the default
    EXPECT_TRUE(ini.ReadBool("Menu", "FastCredits", true));
    EXPECT_FALSE(ini.ReadBool("Menu", "FastCredits", false));
    EXPECT_TRUE(ini.ReadBool("Menu", "c", false));
    EXPECT_TRUE(ini.ReadBool("Menu", "d", false));
    EXPECT_TRUE(ini.ReadBool("Menu", "f", true));

    const IniDocument cased("[menu]\n  CREDITS  =   42   \nschemename= Blue Sky \n"
                            "[ Spaced ]\nKey=\"quoted value\"\nSingle='x'\nHalf=\"open\n");
    EXPECT_EQ(cased.ReadInteger("Menu", "Credits", 0), 42);
    EXPECT_EQ(cased.ReadString("MENU", "SchemeName", ""), "Blue Sky");
    EXPECT_EQ(cased.ReadString("spaced", "key", ""), "quoted value");
    EXPECT_EQ(cased.ReadString("spaced", "single", ""), "x");
    EXPECT_EQ(cased.ReadString("spaced", "half", ""), "\"open");

    IniDocument written("; my notes\n\n[Menu]\n  credits = 7 ; old\nExtra=keep me\n"
                        "\n[DrawPoker]\nAltPayTable=1\n");
    written.WriteInteger("MENU", "Credits", 300);
    EXPECT_EQ(written.Text(), "; my notes\n\n[Menu]\ncredits=300\nExtra=keep me\n"
                              "\n[DrawPoker]\nAltPayTable=1\n");
    EXPECT_EQ(written.ReadInteger("Menu", "Credits", 0), 300);
    written.WriteString("Menu", "SchemeName", "evil\n[Menu]\r\nCredits=999999");
    EXPECT_EQ(written.ReadInteger("Menu", "Credits", 150), 300);
    EXPECT_EQ(written.ReadString("Menu", "SchemeName", ""), "evil [Menu]  Credits=999999");
}

int CountFiles(const std::filesystem::path& folder) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        (void)e;
        ++n;
    }
    return n;
}

// A save replaces the file, creating its folder, and leaves no temporary file;
// in a read-only folder it fails, naming the file and why, and changes nothing.
TEST(SaveFileAtomically, ReplacesTheFileOrFailsCleanly) {
    ScratchDir dir;
    const auto folder = dir / "a" / "ro";
    const auto path = folder / "Quintaro.ini";
    ASSERT_TRUE(SaveFileAtomically(path, "second"));
    ASSERT_TRUE(SaveFileAtomically(path, "[Menu]\nCredits=77\n"));
    EXPECT_EQ(ReadFile(path), "[Menu]\nCredits=77\n");
    EXPECT_EQ(CountFiles(folder), 1);
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                    std::filesystem::perms::group_read | std::filesystem::perms::group_exec |
                    std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    EXPECT_EQ(testing::AsOrdinaryUser([&] {
                  const FileResult r = SaveFileAtomically(path, "[Menu]\nCredits=0\n");
                  if (r) return 1;
                  if (r.error.find("Quintaro.ini") == std::string::npos) return 2;
                  return r.error.find("ermission") == std::string::npos ? 4 : 0;
              }),
              0);
    EXPECT_EQ(ReadFile(path), "[Menu]\nCredits=77\n");
    EXPECT_EQ(CountFiles(folder), 1);
}

// Files that are not regular files: a device reached through a link, a pipe
// (which would block a plain open until someone writes to it), a link to a
// pipe, a socket-like special file, a folder, and a file over the size limit.
// None is read, none blocks, none is replaced by a save.
TEST(SpecialFiles, AreNeitherReadNorReplaced) {
    ScratchDir dir;
    alarm(20); // a read that blocks on a pipe ends the test program instead of hanging it
    const auto fifo = dir / "pipe.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir / "zero.ini");
    std::filesystem::create_symlink("/dev/null", dir / "null.ini");
    std::filesystem::create_symlink(fifo, dir / "to-pipe.ini");
    std::filesystem::create_directories(dir / "folder.ini");
    const auto big = dir / "big.ini";
    {
        WriteFile(big, "[Menu]\nCredits=12\n");
        std::filesystem::resize_file(big, kMaxIniFileBytes + 1);
    }
    WriteFile(dir / "limit.ini", "[Menu]\nCredits=13\n");
    std::filesystem::resize_file(dir / "limit.ini", kMaxIniFileBytes);

    struct Case {
        const char* name;
        const char* reason; // part of the reason given
    };
    const Case cases[] = {
        {"zero.ini", "not a regular file"}, {"null.ini", "not a regular file"},
        {"pipe.ini", "not a regular file"}, {"to-pipe.ini", "not a regular file"},
        {"folder.ini", "folder"},           {"big.ini", "too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = dir / c.name;
        const IniLoad load = LoadIniFile(path);
        EXPECT_FALSE(load.result);
        EXPECT_TRUE(load.existed);
        EXPECT_NE(load.result.error.find(c.reason), std::string::npos) << load.result.error;
        EXPECT_NE(load.result.error.find(c.name), std::string::npos) << load.result.error;
        EXPECT_EQ(load.document.Text(), "");
        // A large regular file may be replaced (the settings never do so
        // unless they could read it first); nothing else may.
        if (std::string(c.name) != "big.ini") {
            EXPECT_FALSE(SaveFileAtomically(path, "[Menu]\nCredits=1\n"));
        }
    }
    alarm(0);
    // Everything is as it was: the links still point where they pointed.
    EXPECT_EQ(std::filesystem::read_symlink(dir / "null.ini"), "/dev/null");
    EXPECT_EQ(std::filesystem::read_symlink(dir / "zero.ini"), "/dev/zero");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "to-pipe.ini"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.ini"));
    EXPECT_EQ(std::filesystem::file_size(big), kMaxIniFileBytes + 1);
    // A file of exactly the limit is read.
    EXPECT_EQ(LoadIniFile(dir / "limit.ini").document.ReadInteger("Menu", "Credits", 0), 13);
    // A link whose target does not exist yet creates the target and stays a link.
    std::filesystem::create_symlink(dir / "later" / "real.ini", dir / "dangling.ini");
    ASSERT_TRUE(SaveFileAtomically(dir / "dangling.ini", "x"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "dangling.ini"));
    EXPECT_EQ(ReadFile(dir / "later" / "real.ini"), "x");
}

} // namespace
} // namespace quintaro
