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
    EXPECT_EQ(std::tie(back.Credits, back.AutoHold, back.ShowMistakes, back.SchemeName),
              std::make_tuple(321, true, false, std::string("Blue")));
}

// A file too large and a folder where the file should be: the defaults are
// used, no read error is reported, and no save replaces them.
TEST(MenuSettings, AnUnreadableFileIsNeverOverwritten) {
    ScratchDir dir;
    const auto path = dir / "Quintaro.ini";
    std::string big = "[Menu]\nCredits=12\n";
    big.resize(kMaxIniFileBytes + 100, ';');
    for (const bool folder : {false, true}) {
        if (folder) {
            std::filesystem::remove(path);
            std::filesystem::create_directories(path);
        } else {
            WriteFile(path, big);
        }
        SettingsFile file(path);
        EXPECT_EQ(file.LoadMenu().Credits, 150);
        EXPECT_FALSE(file.LastReadError());
        const FileResult saved = file.SaveMenu(MenuSettings{});
        EXPECT_FALSE(saved);
        EXPECT_FALSE(file.SaveGame(0, true, 1, kBuiltInLastDrawn, kBuiltInLastHeld));
        if (folder) {
            EXPECT_TRUE(std::filesystem::is_directory(path));
        } else {
            EXPECT_NE(saved.error.find("too large"), std::string::npos);
            EXPECT_EQ(ReadFile(path), big);
        }
    }
}

TEST(GameSettings, ABadLastHandFallsBackToTheBuiltInHand) {
    // Four or six cards, a card twice, out of the deck, negative, not a number,
    // an empty part, a trailing comma, not decimal, no cards; then bad flags.
    std::vector<std::pair<std::string, std::string>> bad;
    for (const char* drawn : {"1,2,3,4", "1,2,3,4,5,6", "1,2,3,4,4", "1,2,3,4,52", "-1,2,3,4,5",
                              "1,2,x,4,5", "1,2,,4,5", "1,2,3,4,5,", "$1,2,3,4,5", ""})
        bad.emplace_back(drawn, "1,1,1,1,1");
    for (const char* held : {"1,1,1,1", "", "1,1,y,1,1"}) bad.emplace_back("1,2,3,4,5", held);
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

} // namespace
} // namespace quintaro
