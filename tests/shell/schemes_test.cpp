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

TEST(ScanSchemes, FindsTheSchemesFolderInAnyCaseAndCopesWithNone) {
    ScratchDir dir;
    WriteFile(dir / "schemes" / "Night" / "Scheme.ini", "");
    EXPECT_EQ(Names(ScanSchemes({dir / "Schemes"})),
              (std::vector<std::string>{"default", "Night"}));
    EXPECT_EQ(Names(ScanSchemes({dir / "Nowhere" / "Schemes"})),
              (std::vector<std::string>{"default"}));
    EXPECT_EQ(Names(ScanSchemes({})), (std::vector<std::string>{"default"}));
}

TEST(FindScheme, ComparesWithoutCase) {
    const SchemeListType list = {{"default", {}}, {"Blue", "/x/Blue"}};
    EXPECT_EQ(FindScheme(list, "DEFAULT"), 0);
    EXPECT_EQ(FindScheme(list, "blue"), 1);
    EXPECT_EQ(FindScheme(list, "Red"), -1);
    EXPECT_EQ(FindScheme(list, ""), -1);
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

TEST(Colours, AreBgrWithRedInTheLowByte) {
    EXPECT_EQ(ColourToRgb(255), (RgbColour{255, 0, 0}));
    EXPECT_EQ(ColourToRgb(65280), (RgbColour{0, 255, 0}));
    EXPECT_EQ(ColourToRgb(0xFF0000), (RgbColour{0, 0, 255}));
    EXPECT_EQ(ColourToRgb(128), (RgbColour{128, 0, 0}));
    EXPECT_EQ(ColourToRgb(static_cast<std::int32_t>(0xFF123456)), (RgbColour{0x56, 0x34, 0x12}));
    for (std::int32_t c : {0, 255, 65535, 0x00ABCDEF, 40960, 184})
        EXPECT_EQ(RgbToColour(ColourToRgb(c)), c);
}

TEST(MenuScheme, BuiltInLook) {
    const MenuScheme m = BuiltInMenuScheme("https://configured.example/");
    EXPECT_EQ(m.menuString, "");
    EXPECT_EQ(m.exitPanelColour, 128);
    EXPECT_EQ(m.exitButtonFontColour, 255);
    EXPECT_TRUE(m.gameTypeNamesVisible);
    EXPECT_EQ(m.gameTypeNameFontColour, 65535);
    EXPECT_TRUE(m.showCreditBorder);
    EXPECT_TRUE(m.link.enabled);
    EXPECT_EQ(m.link.left, 593);
    EXPECT_EQ(m.link.top, 76);
    EXPECT_EQ(m.link.width, 171);
    EXPECT_EQ(m.link.height, 44);
    EXPECT_TRUE(m.link.hintOn);
    EXPECT_EQ(m.link.hint, "Go to Ostrelwyn Web Site");
    EXPECT_EQ(m.link.address, "https://configured.example/");
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

TEST(SchemeLooks, PositionZeroAndMissingFoldersGiveTheBuiltInLook) {
    ScratchDir dir;
    WriteFile(dir / "Schemes" / "Red" / "SCHEME.INI",
              "[Menu_Data]\nExitPnlClr=1\n[Game_Data]\nHoldFontColor=$0000FF\n");
    const SchemeListType list = ScanSchemes({dir / "Schemes"});
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(LoadMenuScheme(list, 0).exitPanelColour, 128);
    EXPECT_TRUE(LoadMenuScheme(list, 0).link.enabled);
    EXPECT_EQ(LoadMenuScheme(list, 5).exitPanelColour, 128);
    EXPECT_EQ(LoadMenuScheme(list, 1).exitPanelColour, 1);
    EXPECT_FALSE(LoadMenuScheme(list, 1).link.enabled);
    EXPECT_EQ(LoadGameScheme(list[1].directory).holdFontColour, 0xFF);
    EXPECT_FALSE(LoadGameScheme(std::nullopt).holdFontColour);
    EXPECT_TRUE(LoadGameScheme(std::nullopt).centreWinPanel);
    // Only Scheme.ini: colours change, every picture is the built-in one.
    for (const SchemePicture& p : kGamePictures)
        EXPECT_FALSE(ResolveSchemePicture(list[1].directory, p.file)) << p.file;
}

TEST(GameScheme, MissingColoursStayAsDesigned) {
    const GameScheme none = ReadGameScheme(IniDocument{});
    EXPECT_FALSE(none.payPanelShapeColour);
    EXPECT_TRUE(none.centreWinPanel);
    EXPECT_FALSE(none.winPanelFontColour);
    EXPECT_FALSE(none.holdFontColour);

    const GameScheme g = ReadGameScheme(
        IniDocument("[Game_Data]\nShpPysPnlClr=$FF0000\nPysPnlFntClr=255\n"
                    "PysPnlFntShdwClr=0\nHoldFontColor=red\nHoldShadowFontColor=65535\n"));
    EXPECT_EQ(g.payPanelShapeColour, 0xFF0000);
    EXPECT_EQ(g.winPanelFontColour, 255);
    EXPECT_EQ(g.winPanelShadowColour, 0);
    EXPECT_FALSE(g.holdFontColour); // not a number
    EXPECT_EQ(g.holdShadowColour, 65535);

    const GameScheme off =
        ReadGameScheme(IniDocument("[Game_Data]\nCntrPnlVis=0\nPysPnlFntClr=255\n"
                                   "PysPnlFntShdwClr=0\nHoldFontColor=1\n"));
    EXPECT_FALSE(off.centreWinPanel);
    EXPECT_FALSE(off.winPanelFontColour);
    EXPECT_FALSE(off.winPanelShadowColour);
    EXPECT_EQ(off.holdFontColour, 1);
}

} // namespace
} // namespace quintaro
