#pragma once
// The settings file Quintaro.ini: the shared "Menu" section, read when the
// session starts and written when it ends, and one section per game, read
// when the game's screen opens and written when it closes.
//
// Every load and every save opens the file afresh, as the profile services do,
// so a save changes only its own keys and keeps everything else that is in the
// file at that moment.

#include "core/card.h"
#include "core/game_section.h"
#include "shell/ini_file.h"
#include "table/game_section_store.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace quintaro {

inline constexpr std::string_view kSettingsFileName = "Quintaro.ini";
inline constexpr std::string_view kMenuSection = "Menu";
inline constexpr std::string_view kDefaultSchemeName = "default";

// The user's configuration folder for the program: $XDG_CONFIG_HOME/Quintaro,
// else ~/.config/Quintaro (on Windows %APPDATA%\Quintaro).
std::filesystem::path UserConfigDirectory();
// The user's data folder for the program: $XDG_DATA_HOME/Quintaro, else
// ~/.local/share/Quintaro (on Windows %APPDATA%\Quintaro).
std::filesystem::path UserDataDirectory();
// UserConfigDirectory() / "Quintaro.ini".
std::filesystem::path DefaultSettingsPath();

// The values of the "Menu" section as read, before the session's own repairs
// (ValidateSettings); only a negative Credits is repaired while reading.
struct MenuSettings {
    std::int32_t Credits = 150;
    std::int32_t WhichSpeed = 2;
    std::int32_t CreditValue = 1;
    std::int32_t LastGame = 0;
    bool Sound = true;
    bool FastCredits = false;
    bool AutoHold = false;
    bool ShowMistakes = true;
    // Auto Hold and Show Mistakes judge by the exact values instead of the list.
    bool PerfectPlay = false;
    std::string SchemeName = std::string(kDefaultSchemeName);
};

// Parses a LastDrawn/LastHeld pair: five distinct cards 0..51 and five flags
// (non-zero means held), each a decimal integer between commas. Returns false
// and leaves the outputs alone when either string does not fit.
bool ParseLastHand(std::string_view drawn, std::string_view held, std::array<Card, 5>& cards,
                   std::array<bool, 5>& flags);
// "9,22,35,48,10" and "1,0,0,1,1".
std::string FormatLastDrawn(const std::array<Card, 5>& cards);
std::string FormatLastHeld(const std::array<bool, 5>& flags);

// Reads the Menu section from a document (no file access).
MenuSettings ReadMenuSettings(const IniDocument& ini);
void WriteMenuSettings(IniDocument& ini, const MenuSettings& menu);
// Reads the section of game `game` (0..8); an invalid index reads as defaults.
GameSettings ReadGameSettings(const IniDocument& ini, int game);
// Writes AltPayTable and PayTableName always, and LastBet, LastDrawn and LastHeld only when a
// hand was started during this visit to the game (coinsBet above 0). coinsBet
// is written clamped into 1..5.
void WriteGameSettings(IniDocument& ini, int game, bool altPayTable, std::int32_t coinsBet,
                       const std::array<Card, 5>& drawn, const std::array<bool, 5>& held,
                       std::string_view payTableName = {});

// The settings file at one place on disk; the store of the game rounds' sections.
class SettingsFile : public GameSectionStore {
public:
    explicit SettingsFile(std::filesystem::path path = DefaultSettingsPath())
        : path_(std::move(path)) {}

    const std::filesystem::path& Path() const { return path_; }

    // A file that cannot be read reads as defaults; the reason is kept in
    // LastReadError() so the caller can mention it.
    MenuSettings LoadMenu();
    GameSettings LoadGame(int game) override;

    // Both save the whole file atomically. When the existing file cannot be
    // read, nothing is written (so nothing in it is lost) and the reason is
    // returned.
    FileResult SaveMenu(const MenuSettings& menu);
    FileResult SaveGame(int game, bool altPayTable, std::int32_t coinsBet,
                        const std::array<Card, 5>& drawn, const std::array<bool, 5>& held,
                        std::string_view payTableName = {}) override;

    const FileResult& LastReadError() const { return lastRead_; }

private:
    IniDocument Read();
    template <typename Change> FileResult Update(Change change);

    std::filesystem::path path_;
    FileResult lastRead_;
};

} // namespace quintaro
