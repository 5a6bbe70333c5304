#include "shell/settings.h"

#include "core/game_variant.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quintaro {
namespace {

using testing::ReadFile;
using testing::ScratchDir;
using testing::WriteFile;

TEST(SettingsLocation, FollowsXdgConfigHomeThenHome) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string savedXdg = oldXdg ? oldXdg : "";
    const std::string savedHome = oldHome ? oldHome : "";

    setenv("XDG_CONFIG_HOME", "/tmp/xdg-here", 1);
    EXPECT_EQ(DefaultSettingsPath(), std::filesystem::path("/tmp/xdg-here/Quintaro/Quintaro.ini"));
    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    setenv("HOME", "/home/player", 1);
    EXPECT_EQ(DefaultSettingsPath(),
              std::filesystem::path("/home/player/.config/Quintaro/Quintaro.ini"));
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultSettingsPath(),
              std::filesystem::path("/home/player/.config/Quintaro/Quintaro.ini"));
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserDataDirectory(), std::filesystem::path("/home/player/.local/share/Quintaro"));
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(UserDataDirectory(), std::filesystem::path("/data/Quintaro"));
    unsetenv("XDG_DATA_HOME");

    if (oldXdg) setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    if (oldHome) setenv("HOME", savedHome.c_str(), 1);
}

// The default values themselves are checked through the session's first start.
TEST(MenuSettings, FirstStartWithoutAFileHasTheDefaults) {
    ScratchDir dir;
    SettingsFile file(dir / "Quintaro.ini");
    const MenuSettings m = file.LoadMenu();
    EXPECT_TRUE(file.LastReadError());
    EXPECT_EQ(m.Credits, 150);
    EXPECT_EQ(m.SchemeName, "default");
    EXPECT_FALSE(std::filesystem::exists(dir / "Quintaro.ini"));
}

TEST(MenuSettings, NegativeCreditsAndUnreadableValuesReadAsDefaults) {
    struct Case {
        const char* value;
        std::int32_t expected;
    };
    const Case cases[] = {{"-5", 150},
                          {"-1", 150},
                          {"0", 0},
                          {"abc", 150},
                          {"99999999999", 150},
                          {"$10", 16},
                          {"1234567", 1234567},
                          {"250 ; my note", 250},
                          {"650credits", 650},
                          {"; 250", 150},
                          {"-5 ; debt", 150}};
    for (const Case& c : cases) {
        const IniDocument ini(std::string("[Menu]\nCredits=") + c.value + "\n");
        EXPECT_EQ(ReadMenuSettings(ini).Credits, c.expected) << c.value;
    }
}

TEST(MenuSettings, IsWrittenInItsKeyOrder) {
    ScratchDir dir;
    SettingsFile file(dir / "cfg" / "Quintaro.ini");
    MenuSettings m;
    m.Credits = 321;
    m.AutoHold = true;
    m.ShowMistakes = false;
    m.SchemeName = "Blue";
    ASSERT_TRUE(file.SaveMenu(m));
    EXPECT_EQ(ReadFile(file.Path()), "[Menu]\nCredits=321\nWhichSpeed=2\nCreditValue=1\n"
                                     "LastGame=0\nSound=1\nFastCredits=0\nAutoHold=1\n"
                                     "ShowMistakes=0\nPerfectPlay=0\nSchemeName=Blue\n");
    const MenuSettings back = file.LoadMenu();
    EXPECT_EQ(back.Credits, 321);
    EXPECT_TRUE(back.AutoHold);
    EXPECT_FALSE(back.ShowMistakes);
    EXPECT_EQ(back.SchemeName, "Blue");
}

TEST(MenuSettings, SaveKeepsOtherSectionsUnknownKeysAndComments) {
    ScratchDir dir;
    const auto path = dir / "Quintaro.ini";
    WriteFile(path, "; hand-written\r\n[menu]\r\ncredits=5\r\nColour=$FF\r\n\r\n"
                    "[DrawPoker]\r\nAltPayTable=1\r\nLastBet=3\r\n");
    SettingsFile file(path);
    MenuSettings m = file.LoadMenu();
    EXPECT_EQ(m.Credits, 5);
    m.Credits = 6;
    ASSERT_TRUE(file.SaveMenu(m));
    EXPECT_EQ(ReadFile(path), "; hand-written\r\n[menu]\r\ncredits=6\r\nColour=$FF\r\n"
                              "WhichSpeed=2\r\nCreditValue=1\r\nLastGame=0\r\nSound=1\r\n"
                              "FastCredits=0\r\nAutoHold=0\r\nShowMistakes=1\r\n"
                              "PerfectPlay=0\r\nSchemeName=default\r\n\r\n"
                              "[DrawPoker]\r\nAltPayTable=1\r\nLastBet=3\r\n");
}

TEST(MenuSettings, ANoteAfterANumberKeepsTheNumberThroughASave) {
    ScratchDir dir;
    const auto path = dir / "Quintaro.ini";
    WriteFile(path, "[Menu]\nCredits=250 ; my note\nSound=0 ; quiet please\n");
    SettingsFile file(path);
    const MenuSettings m = file.LoadMenu();
    EXPECT_EQ(m.Credits, 250);
    EXPECT_FALSE(m.Sound);
    ASSERT_TRUE(file.SaveMenu(m));
    EXPECT_EQ(file.LoadMenu().Credits, 250);
    EXPECT_FALSE(file.LoadMenu().Sound);
}

TEST(MenuSettings, AFileTooLargeIsUnreadableAndLeftAlone) {
    ScratchDir dir;
    const auto path = dir / "Quintaro.ini";
    std::string big = "[Menu]\nCredits=12\n";
    big.resize(kMaxIniFileBytes + 100, ';');
    WriteFile(path, big);
    SettingsFile file(path);
    EXPECT_EQ(file.LoadMenu().Credits, 150);
    EXPECT_FALSE(file.LastReadError());
    const FileResult saved = file.SaveMenu(MenuSettings{});
    EXPECT_FALSE(saved);
    EXPECT_NE(saved.error.find("too large"), std::string::npos);
    EXPECT_FALSE(file.SaveGame(0, true, 1, kBuiltInLastDrawn, kBuiltInLastHeld));
    EXPECT_EQ(ReadFile(path), big);
}

TEST(MenuSettings, AnUnreadableFileIsNeverOverwritten) {
    ScratchDir dir;
    const auto path = dir / "Quintaro.ini";
    std::filesystem::create_directories(path); // a folder where the file should be
    SettingsFile file(path);
    EXPECT_EQ(file.LoadMenu().Credits, 150);
    EXPECT_FALSE(file.LastReadError());
    EXPECT_FALSE(file.SaveMenu(MenuSettings{}));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(GameSettings, MissingSectionGivesTheBuiltInRoyalFlush) {
    for (int game = 0; game < kGameCount; ++game) {
        const GameSettings g = ReadGameSettings(IniDocument{}, game);
        EXPECT_FALSE(g.AltPayTable);
        EXPECT_EQ(g.LastBet, 5);
        EXPECT_EQ(g.LastDrawn, (std::array<Card, 5>{39, 51, 11, 23, 35}));
        EXPECT_EQ(g.LastHeld, (std::array<bool, 5>{true, true, true, true, true}));
        EXPECT_FALSE(g.storedHand);
    }
    // The built-in hand is the Ace, King, Queen, Jack and Ten of spades.
    const Rank ranks[] = {kAce, kKing, kQueen, kJack, kTen};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(RankOf(kBuiltInLastDrawn[i]), ranks[i]);
        EXPECT_EQ(SuitOf(kBuiltInLastDrawn[i]), kSpades);
    }
}

TEST(GameSettings, ReadsAStoredHandFromItsOwnSection) {
    const IniDocument ini("[DrawPoker]\nLastDrawn=1,2,3,4,5\nLastHeld=1,1,1,1,1\n"
                          "[deucespoker]\nAltPayTable=1\nLastBet=3\n"
                          "LastDrawn= 9, 22,35,48,10\nLastHeld=1,0,0,-1,7\n");
    const GameSettings g = ReadGameSettings(ini, kDeucesWild);
    EXPECT_TRUE(g.storedHand);
    EXPECT_TRUE(g.AltPayTable);
    EXPECT_EQ(g.LastBet, 3);
    EXPECT_EQ(g.LastDrawn, (std::array<Card, 5>{9, 22, 35, 48, 10}));
    EXPECT_EQ(g.LastHeld, (std::array<bool, 5>{true, false, false, true, true}));
}

TEST(GameSettings, LastBetIsClampedIntoOneToFive) {
    const std::pair<const char*, int> cases[] = {{"0", 1}, {"-4", 1}, {"1", 1}, {"4", 4},
                                                 {"5", 5}, {"9", 5},  {"x", 5}};
    for (const auto& [value, expected] : cases) {
        const IniDocument ini(std::string("[BonusPoker]\nLastBet=") + value +
                              "\nLastDrawn=0,1,2,3,4\nLastHeld=0,0,0,0,0\n");
        EXPECT_EQ(ReadGameSettings(ini, kBonusPoker).LastBet, expected) << value;
    }
}

TEST(GameSettings, ABadLastHandFallsBackToTheBuiltInHand) {
    const std::pair<const char*, const char*> bad[] = {
        {"1,2,3,4", "1,1,1,1,1"},     // four cards
        {"1,2,3,4,5,6", "1,1,1,1,1"}, // six cards
        {"1,2,3,4,4", "1,1,1,1,1"},   // a card twice
        {"1,2,3,4,52", "1,1,1,1,1"},  // out of the deck
        {"-1,2,3,4,5", "1,1,1,1,1"},  // negative
        {"1,2,x,4,5", "1,1,1,1,1"},   // not a number
        {"1,2,,4,5", "1,1,1,1,1"},    // empty part
        {"1,2,3,4,5,", "1,1,1,1,1"},  // trailing comma
        {"$1,2,3,4,5", "1,1,1,1,1"},  // not decimal
        {"1,2,3,4,5", "1,1,1,1"},     // four flags
        {"1,2,3,4,5", ""},            // no flags
        {"", "1,1,1,1,1"},            // no cards
        {"1,2,3,4,5", "1,1,y,1,1"},   // flag not a number
    };
    for (const auto& [drawn, held] : bad) {
        const IniDocument ini(std::string("[SuperAces]\nLastBet=2\nAltPayTable=1\nLastDrawn=") +
                              drawn + "\nLastHeld=" + held + "\n");
        const GameSettings g = ReadGameSettings(ini, kSuperAces);
        EXPECT_FALSE(g.storedHand) << drawn << " / " << held;
        EXPECT_EQ(g.LastBet, 5);
        EXPECT_EQ(g.LastDrawn, kBuiltInLastDrawn);
        EXPECT_EQ(g.LastHeld, kBuiltInLastHeld);
        EXPECT_TRUE(g.AltPayTable);
    }
}

TEST(GameSettings, LeavingWithoutAHandRewritesOnlyAltPayTable) {
    ScratchDir dir;
    const auto path = dir / "Quintaro.ini";
    const std::string before = "[DoubleBonus]\nAltPayTable=0\nLastBet=2\n"
                               "LastDrawn=9,22,35,48,10\nLastHeld=1,0,0,1,1\n";
    WriteFile(path, before);
    SettingsFile file(path);
    ASSERT_TRUE(file.SaveGame(kDoubleBonus, true, 0, {0, 1, 2, 3, 4}, {}));
    EXPECT_EQ(ReadFile(path), "[DoubleBonus]\nAltPayTable=1\nLastBet=2\n"
                              "LastDrawn=9,22,35,48,10\nLastHeld=1,0,0,1,1\n");
}

TEST(GameSettings, AStartedHandIsWrittenAndReadsBack) {
    ScratchDir dir;
    SettingsFile file(dir / "Quintaro.ini");
    const std::array<Card, 5> cards{9, 22, 35, 48, 10};
    const std::array<bool, 5> held{true, false, false, true, true};
    ASSERT_TRUE(file.SaveGame(kTripleDoubleBonus, false, 3, cards, held));
    EXPECT_EQ(ReadFile(file.Path()), "[TripleDoubleBonus]\nAltPayTable=0\nLastBet=3\n"
                                     "LastDrawn=9,22,35,48,10\nLastHeld=1,0,0,1,1\n");
    const GameSettings g = file.LoadGame(kTripleDoubleBonus);
    EXPECT_TRUE(g.storedHand);
    EXPECT_EQ(g.LastBet, 3);
    EXPECT_EQ(g.LastDrawn, cards);
    EXPECT_EQ(g.LastHeld, held);
    // Other games are not affected.
    EXPECT_FALSE(file.LoadGame(kJacksOrBetter).storedHand);
}

TEST(GameSettings, EverySectionHasItsOwnName) {
    const char* sections[] = {"DrawPoker",        "BonusPoker",        "BonusDeluxe",
                              "DeucesPoker",      "DoubleBonus",       "DoubleDoubleBonus",
                              "SuperDoubleBonus", "TripleDoubleBonus", "SuperAces"};
    for (int game = 0; game < kGameCount; ++game) {
        IniDocument ini;
        WriteGameSettings(ini, game, true, 1, {0, 1, 2, 3, 4}, {});
        EXPECT_TRUE(ini.HasSection(sections[game])) << game;
        EXPECT_TRUE(ReadGameSettings(ini, game).storedHand);
        EXPECT_FALSE(ReadGameSettings(ini, (game + 1) % kGameCount).storedHand);
    }
}

} // namespace
} // namespace quintaro
