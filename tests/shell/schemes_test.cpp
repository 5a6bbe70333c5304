#include "shell/schemes.h"

#include "test_files.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

using testing::ScratchDir;
using testing::WriteFile;

std::vector<std::string> Names(const SchemeListType& list) {
    std::vector<std::string> names;
    for (const SchemeEntry& e : list) names.push_back(e.name);
    return names;
}

TEST(ScanSchemes, ListsFoldersWithSchemeIniSortedWithoutCaseDefaultFirst) {
    ScratchDir dir;
    const auto root = dir / "Schemes";
    WriteFile(root / "gamma" / "Scheme.ini", "");
    WriteFile(root / "Alpha" / "scheme.INI", ""); // file name in another case
    WriteFile(root / "beta" / "SCHEME.INI", "");
    WriteFile(root / ".hidden" / "Scheme.ini", ""); // dot folder
    WriteFile(root / "NoIni" / "credits.bmp", "");  // not a scheme
    WriteFile(root / "Empty" / "Scheme.ini.bak", "");
    WriteFile(root / "Default" / "Scheme.ini", "");                      // reserved name
    WriteFile(root / "AFile", "");                                       // not a folder
    std::filesystem::create_directories(root / "Folder" / "Scheme.ini"); // folder, not a file
    const SchemeListType list = ScanSchemes({root});
    EXPECT_EQ(Names(list), (std::vector<std::string>{"default", "Alpha", "beta", "gamma"}));
    EXPECT_TRUE(list[0].directory.empty());
    EXPECT_EQ(list[1].directory, root / "Alpha");
    // A scheme of the first root (the current directory) wins over one of the same
    // name, in any case, in a later root (the user data folder); missing roots are skipped.
    const auto user = dir / "data" / "Schemes";
    WriteFile(user / "GAMMA" / "Scheme.ini", "");
    WriteFile(user / "Amber" / "Scheme.ini", "");
    const SchemeListType both = ScanSchemes({root, user, dir / "missing" / "Schemes"});
    EXPECT_EQ(Names(both),
              (std::vector<std::string>{"default", "Alpha", "Amber", "beta", "gamma"}));
    EXPECT_EQ(both[2].directory, user / "Amber");
    EXPECT_EQ(both[4].directory, root / "gamma");
}

TEST(SchemePictures, SchemeFileWhenPresentElseResource) {
    ScratchDir dir;
    const auto scheme = dir / "Blue";
    WriteFile(scheme / "CREDITS.BMP", "bmp");
    WriteFile(scheme / "Scheme.ini", "[Menu_Data]\nName=Deep Blue\n");
    EXPECT_EQ(ResolveSchemePicture(scheme, "credits.bmp"), scheme / "CREDITS.BMP");
    EXPECT_FALSE(ResolveSchemePicture(scheme, "Games.bmp").has_value());
    EXPECT_FALSE(ResolveSchemePicture(std::nullopt, "credits.bmp").has_value());
    EXPECT_EQ(SchemeCaption(LoadSchemeIni(scheme), "Blue"), "Deep Blue");
    EXPECT_EQ(SchemeCaption(IniDocument("[Menu_Data]\nName=\n"), "Blue"), "Blue");
    EXPECT_EQ(LoadSchemeIni(dir / "missing").Text(), "");
}

TEST(MenuScheme, ReadsKeysWithTheirDefaults) {
    const MenuScheme empty = ReadMenuScheme(IniDocument{});
    EXPECT_FALSE(empty.link.enabled); // a scheme's link is off unless it asks
    const MenuScheme m = ReadMenuScheme(IniDocument(
        "[Menu_Data]\nMenuString=Hello there\nExitPnlClr=$00FF00\nExitBtnFntClr=0x0000FF\n"
        "GameTypeNamesVisible=0\nGameTypeNameFontColor=1\nShowCreditBorder=0\n"));
    EXPECT_EQ(m.menuString, "Hello there");
    EXPECT_EQ(m.exitPanelColour, 0x00FF00);
    EXPECT_EQ(m.exitButtonFontColour, 0xFF);
    EXPECT_FALSE(m.gameTypeNamesVisible);
    EXPECT_EQ(m.gameTypeNameFontColour, empty.gameTypeNameFontColour); // not read while hidden
    EXPECT_FALSE(m.showCreditBorder);
    const IniDocument shown("[Menu_Data]\nGameTypeNameFontColor=7\n");
    EXPECT_EQ(ReadMenuScheme(shown).gameTypeNameFontColour, 7);
}

// The link is on only with URLAreaActive=1, a safe address and a rectangle of
// four numbers (each read as a leading number, negative sizes as zero).
TEST(MenuScheme, WebLinkAreaRules) {
    using Area = std::array<std::int32_t, 4>;
    struct Case {
        const char* active;
        const char* rect; // nullptr: no rectangle key
        const char* address;
        const char* hint;         // "": no hint key
        std::optional<Area> area; // none: the link is off
    };
    const char* web = "https://a.example/";
    const Case cases[] = {
        {"1", "10,20,50,30", web, "Visit us", Area{10, 20, 50, 30}},
        {"1", "10,20,50,30", "http://a.example", "", Area{10, 20, 50, 30}},
        {"1", "x, 20 ,y,30,99", "mailto:me@a.example", "", Area{0, 20, 0, 30}},
        {"0", "10,20,50,30", web, "Visit us", {}},
        {"1", "10,10,50", web, "Visit us", {}},
        {"1", nullptr, web, "", {}},
        {"1", "10,20,50,30", "", "Hi", {}},
        {"1", "10,20,50,30", "file:///bin/sh", "Hi", {}},
        {"1", "1,2,-3,-4", "HTTPS://A.EXAMPLE", "", Area{1, 2, 0, 0}},
        // Rectangle texts longer than a short string's inline buffer.
        {"1", "\" 593, 76, 171, 44\"", web, "Visit us", Area{593, 76, 171, 44}},
        {"1", "  00000000593 , 0000076 , 00000171 , 00000044 ; px", web, "",
         Area{593, 76, 171, 44}},
    };
    for (const Case& c : cases) {
        std::string keys = std::string("[Menu_Data]\nURLAreaActive=") + c.active +
                           "\nURLAreaAddress=" + c.address + "\n";
        if (c.rect) keys += std::string("URLAreaRectangle=") + c.rect + "\n";
        if (*c.hint) keys += std::string("URLAreaHintText=") + c.hint + "\n";
        SCOPED_TRACE(keys);
        const MenuScheme m = ReadMenuScheme(IniDocument(keys));
        EXPECT_EQ(m.link.enabled, c.area.has_value());
        EXPECT_EQ(m.link.hintOn, c.area && *c.hint);
        if (c.area) {
            EXPECT_EQ((Area{m.link.left, m.link.top, m.link.width, m.link.height}), *c.area);
        }
    }
}

TEST(IsSafeWebAddress, AcceptsOnlyWebAndMailAddresses) {
    for (const char* good : {"http://a.example", "https://a.example/path?q=1#x", "HTTP://A.EXAMPLE",
                             "mailto:someone@a.example", "MailTo:x@y"})
        EXPECT_TRUE(IsSafeWebAddress(good)) << good;
    const char* const bad[] = {"",
                               "file:///etc/passwd",
                               "FILE://C:/Windows/System32/calc.exe",
                               "C:\\Windows\\calc.exe",
                               "\\\\server\\share\\run.exe",
                               "/usr/bin/xterm",
                               "calc.exe",
                               "javascript:alert(1)",
                               "ftp://a.example",
                               "http://",
                               "https:///path",
                               "http:a.example",
                               "mailto:",
                               "http://a.example/\nx",
                               "http://a.example/ x",
                               "ms-settings:",
                               "smb://host/share",
                               " https://a.example",
                               "data:text/html,hi",
                               "shell:startup"};
    for (const char* address : bad) EXPECT_FALSE(IsSafeWebAddress(address)) << address;
}

} // namespace
} // namespace quintaro
