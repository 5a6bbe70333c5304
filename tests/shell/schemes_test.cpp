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
}

TEST(ScanSchemes, CurrentDirectoryWinsOverTheUserDataFolder) {
    ScratchDir dir;
    const auto here = dir / "cwd" / "Schemes";
    const auto user = dir / "data" / "Schemes";
    WriteFile(here / "Blue" / "Scheme.ini", "");
    WriteFile(user / "BLUE" / "Scheme.ini", "");
    WriteFile(user / "Amber" / "Scheme.ini", "");
    const SchemeListType list = ScanSchemes({here, user, dir / "missing" / "Schemes"});
    EXPECT_EQ(Names(list), (std::vector<std::string>{"default", "Amber", "Blue"}));
    EXPECT_EQ(list[1].directory, user / "Amber");
    EXPECT_EQ(list[2].directory, here / "Blue");
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
    EXPECT_EQ(empty.exitPanelColour, 128);
    EXPECT_EQ(empty.gameTypeNameFontColour, 65535);
    EXPECT_FALSE(empty.link.enabled); // a scheme's link is off unless it asks
    EXPECT_FALSE(empty.link.hintOn);

    const MenuScheme m = ReadMenuScheme(IniDocument(
        "[Menu_Data]\nMenuString=Hello there\nExitPnlClr=$00FF00\nExitBtnFntClr=0x0000FF\n"
        "GameTypeNamesVisible=0\nGameTypeNameFontColor=1\nShowCreditBorder=0\n"));
    EXPECT_EQ(m.menuString, "Hello there");
    EXPECT_EQ(m.exitPanelColour, 0x00FF00);
    EXPECT_EQ(m.exitButtonFontColour, 0xFF);
    EXPECT_FALSE(m.gameTypeNamesVisible);
    EXPECT_EQ(m.gameTypeNameFontColour, 65535); // not read while the labels are hidden
    EXPECT_FALSE(m.showCreditBorder);
    EXPECT_EQ(ReadMenuScheme(IniDocument("[Menu_Data]\nGameTypeNameFontColor=7\n"))
                  .gameTypeNameFontColour,
              7);
}

TEST(MenuScheme, WebLinkAreaRules) {
    struct Case {
        const char* keys;
        bool enabled;
        std::int32_t left, top, width, height;
        bool hintOn;
    };
    const Case cases[] = {
        {"URLAreaActive=1\nURLAreaRectangle=10,20,50,30\nURLAreaAddress=https://a.example/\n"
         "URLAreaHintText=Visit us",
         true, 10, 20, 50, 30, true},
        {"URLAreaActive=1\nURLAreaRectangle=10,20,50,30\nURLAreaAddress=http://a.example\n", true,
         10, 20, 50, 30, false},
        {"URLAreaActive=1\nURLAreaRectangle=x, 20 ,y,30,99\nURLAreaAddress=mailto:me@a.example\n",
         true, 0, 20, 0, 30, false},
        {"URLAreaActive=0\nURLAreaRectangle=10,20,50,30\nURLAreaAddress=https://a.example/\n"
         "URLAreaHintText=Visit us",
         false, 593, 76, 171, 44, false},
        {"URLAreaActive=1\nURLAreaRectangle=10,10,50\nURLAreaAddress=https://a.example/\n"
         "URLAreaHintText=Visit us",
         false, 593, 76, 171, 44, false},
        {"URLAreaActive=1\nURLAreaAddress=https://a.example/\n", false, 593, 76, 171, 44, false},
        {"URLAreaActive=1\nURLAreaRectangle=10,20,50,30\nURLAreaAddress=\nURLAreaHintText=Hi",
         false, 593, 76, 171, 44, false},
        {"URLAreaActive=1\nURLAreaRectangle=10,20,50,30\nURLAreaAddress=file:///bin/sh\n"
         "URLAreaHintText=Hi",
         false, 593, 76, 171, 44, false},
        {"URLAreaActive=1\nURLAreaRectangle=1,2,-3,-4\nURLAreaAddress=HTTPS://A.EXAMPLE\n", true, 1,
         2, 0, 0, false},
        // Rectangle texts longer than a short string's inline buffer.
        {"URLAreaActive=1\nURLAreaRectangle=\" 593, 76, 171, "
         "44\"\nURLAreaAddress=https://a.example/\n"
         "URLAreaHintText=Visit us",
         true, 593, 76, 171, 44, true},
        {"URLAreaActive=1\nURLAreaRectangle=  00000000593 , 0000076 , 00000171 , 00000044 ; px\n"
         "URLAreaAddress=https://a.example/\n",
         true, 593, 76, 171, 44, false},
    };
    for (const Case& c : cases) {
        const MenuScheme m = ReadMenuScheme(IniDocument(std::string("[Menu_Data]\n") + c.keys));
        SCOPED_TRACE(c.keys);
        EXPECT_EQ(m.link.enabled, c.enabled);
        EXPECT_EQ(m.link.hintOn, c.hintOn);
        if (c.enabled) {
            EXPECT_EQ(m.link.left, c.left);
            EXPECT_EQ(m.link.top, c.top);
            EXPECT_EQ(m.link.width, c.width);
            EXPECT_EQ(m.link.height, c.height);
        }
    }
}

TEST(IsSafeWebAddress, AcceptsOnlyWebAndMailAddresses) {
    for (const char* good : {"http://a.example", "https://a.example/path?q=1#x", "HTTP://A.EXAMPLE",
                             "mailto:someone@a.example", "MailTo:x@y"})
        EXPECT_TRUE(IsSafeWebAddress(good)) << good;
    for (const char* bad : {"",
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
                            "shell:startup"})
        EXPECT_FALSE(IsSafeWebAddress(bad)) << bad;
}

} // namespace
} // namespace quintaro
