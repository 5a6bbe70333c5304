#include "shell/settings.h"

#include "core/game_variant.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace quintaro {
namespace {

std::filesystem::path FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return {};
    std::filesystem::path p(value);
    // Relative values are invalid for the XDG variables and are ignored.
    return p.is_absolute() ? p : std::filesystem::path{};
}

std::filesystem::path HomeDirectory() {
#ifdef _WIN32
    if (auto p = FromEnvironment("USERPROFILE"); !p.empty()) return p;
#endif
    if (auto p = FromEnvironment("HOME"); !p.empty()) return p;
    return std::filesystem::current_path();
}

std::filesystem::path XdgDirectory(const char* variable, const char* fallback) {
#ifdef _WIN32
    (void)variable;
    (void)fallback;
    if (auto p = FromEnvironment("APPDATA"); !p.empty()) return p / "Quintaro";
    return HomeDirectory() / "AppData" / "Roaming" / "Quintaro";
#else
    if (auto p = FromEnvironment(variable); !p.empty()) return p / "Quintaro";
    return HomeDirectory() / fallback / "Quintaro";
#endif
}

std::string_view GameSection(int game) {
    return GameInfoFor(game).settingsSection;
}

// Splits at commas and reads each part as a decimal integer.
bool ParseIntegerList(std::string_view text, std::vector<std::int32_t>& out) {
    out.clear();
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view part = text.substr(0, comma);
        const auto n = ParseWholeInteger(part);
        // Only decimal digits count here; "$" and "0x" forms are for colours.
        if (!n || part.find_first_of("$xX") != std::string_view::npos) return false;
        out.push_back(*n);
        if (comma == std::string_view::npos) return true;
        text.remove_prefix(comma + 1);
    }
}

} // namespace

std::filesystem::path UserConfigDirectory() {
    return XdgDirectory("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path UserDataDirectory() {
    return XdgDirectory("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path DefaultSettingsPath() {
    return UserConfigDirectory() / kSettingsFileName;
}

bool ParseLastHand(std::string_view drawn, std::string_view held, std::array<Card, 5>& cards,
                   std::array<bool, 5>& flags) {
    std::vector<std::int32_t> c, h;
    if (!ParseIntegerList(drawn, c) || !ParseIntegerList(held, h)) return false;
    if (c.size() != 5 || h.size() != 5) return false;
    for (std::size_t i = 0; i < 5; ++i) {
        if (!IsValidCard(c[i])) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (c[j] == c[i]) return false;
    }
    for (std::size_t i = 0; i < 5; ++i) {
        cards[i] = c[i];
        flags[i] = h[i] != 0;
    }
    return true;
}

std::string FormatLastDrawn(const std::array<Card, 5>& cards) {
    std::string out;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (i) out += ',';
        out += std::to_string(cards[i]);
    }
    return out;
}

std::string FormatLastHeld(const std::array<bool, 5>& flags) {
    std::string out;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (i) out += ',';
        out += flags[i] ? '1' : '0';
    }
    return out;
}

MenuSettings ReadMenuSettings(const IniDocument& ini) {
    MenuSettings m;
    const MenuSettings d;
    m.Credits = ini.ReadInteger(kMenuSection, "Credits", d.Credits);
    if (m.Credits < 0) m.Credits = d.Credits;
    m.WhichSpeed = ini.ReadInteger(kMenuSection, "WhichSpeed", d.WhichSpeed);
    m.CreditValue = ini.ReadInteger(kMenuSection, "CreditValue", d.CreditValue);
    m.LastGame = ini.ReadInteger(kMenuSection, "LastGame", d.LastGame);
    m.Sound = ini.ReadBool(kMenuSection, "Sound", d.Sound);
    m.FastCredits = ini.ReadBool(kMenuSection, "FastCredits", d.FastCredits);
    m.AutoHold = ini.ReadBool(kMenuSection, "AutoHold", d.AutoHold);
    m.ShowMistakes = ini.ReadBool(kMenuSection, "ShowMistakes", d.ShowMistakes);
    m.PerfectPlay = ini.ReadBool(kMenuSection, "PerfectPlay", d.PerfectPlay);
    m.SchemeName = ini.ReadString(kMenuSection, "SchemeName", d.SchemeName);
    return m;
}

void WriteMenuSettings(IniDocument& ini, const MenuSettings& m) {
    ini.WriteInteger(kMenuSection, "Credits", m.Credits);
    ini.WriteInteger(kMenuSection, "WhichSpeed", m.WhichSpeed);
    ini.WriteInteger(kMenuSection, "CreditValue", m.CreditValue);
    ini.WriteInteger(kMenuSection, "LastGame", m.LastGame);
    ini.WriteBool(kMenuSection, "Sound", m.Sound);
    ini.WriteBool(kMenuSection, "FastCredits", m.FastCredits);
    ini.WriteBool(kMenuSection, "AutoHold", m.AutoHold);
    ini.WriteBool(kMenuSection, "ShowMistakes", m.ShowMistakes);
    ini.WriteBool(kMenuSection, "PerfectPlay", m.PerfectPlay);
    ini.WriteString(kMenuSection, "SchemeName", m.SchemeName);
}

GameSettings ReadGameSettings(const IniDocument& ini, int game) {
    GameSettings g;
    if (!IsValidGame(game)) return g;
    const std::string_view section = GameSection(game);
    g.AltPayTable = ini.ReadBool(section, "AltPayTable", false);
    g.PayTableName = ini.ReadString(section, "PayTableName", "");
    g.LastBet = std::clamp(ini.ReadInteger(section, "LastBet", kBuiltInLastBet), 1, 5);
    const std::string drawn = ini.ReadString(section, "LastDrawn", "");
    const std::string held = ini.ReadString(section, "LastHeld", "");
    g.storedHand = ParseLastHand(drawn, held, g.LastDrawn, g.LastHeld);
    if (!g.storedHand) {
        g.LastBet = kBuiltInLastBet;
        g.LastDrawn = kBuiltInLastDrawn;
        g.LastHeld = kBuiltInLastHeld;
    }
    return g;
}

void WriteGameSettings(IniDocument& ini, int game, bool altPayTable, std::int32_t coinsBet,
                       const std::array<Card, 5>& drawn, const std::array<bool, 5>& held,
                       std::string_view payTableName) {
    if (!IsValidGame(game)) return;
    const std::string_view section = GameSection(game);
    ini.WriteBool(section, "AltPayTable", altPayTable);
    // Written only when it was, or is, in use, so a file without it stays so.
    if (!payTableName.empty() || ini.Find(section, "PayTableName"))
        ini.WriteString(section, "PayTableName", payTableName);
    if (coinsBet > 0) {
        ini.WriteInteger(section, "LastBet", std::clamp(coinsBet, 1, 5));
        ini.WriteString(section, "LastDrawn", FormatLastDrawn(drawn));
        ini.WriteString(section, "LastHeld", FormatLastHeld(held));
    }
}

IniDocument SettingsFile::Read() {
    IniLoad load = LoadIniFile(path_);
    lastRead_ = load.result;
    return std::move(load.document);
}

MenuSettings SettingsFile::LoadMenu() {
    return ReadMenuSettings(Read());
}

GameSettings SettingsFile::LoadGame(int game) {
    return ReadGameSettings(Read(), game);
}

template <typename Change> FileResult SettingsFile::Update(Change change) {
    IniLoad load = LoadIniFile(path_);
    if (!load.result) return load.result;
    change(load.document);
    return SaveIniFileAtomically(path_, load.document);
}

FileResult SettingsFile::SaveMenu(const MenuSettings& menu) {
    return Update([&](IniDocument& ini) { WriteMenuSettings(ini, menu); });
}

FileResult SettingsFile::SaveGame(int game, bool altPayTable, std::int32_t coinsBet,
                                  const std::array<Card, 5>& drawn, const std::array<bool, 5>& held,
                                  std::string_view payTableName) {
    return Update([&](IniDocument& ini) {
        WriteGameSettings(ini, game, altPayTable, coinsBet, drawn, held, payTableName);
    });
}

} // namespace quintaro
