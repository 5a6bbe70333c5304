// The settings file on any bytes: what is read is already repaired where the
// reading repairs (credits never negative, a stored hand always five distinct
// cards), a session started on the file repairs the rest, and what a session
// writes is what the next one reads.

#include "fuzz_check.h"
#include "shell/session.h"
#include "shell/settings.h"

#include <fstream>
#include <string>
#include <unistd.h>

using namespace quintaro;

namespace {

void CheckHand(const GameSettings& g) {
    FUZZ_CHECK(g.LastBet >= 1 && g.LastBet <= 5);
    for (std::size_t i = 0; i < 5; ++i) {
        FUZZ_CHECK(IsValidCard(g.LastDrawn[i]));
        for (std::size_t j = 0; j < i; ++j) FUZZ_CHECK(g.LastDrawn[i] != g.LastDrawn[j]);
    }
    if (!g.storedHand) {
        FUZZ_CHECK(g.LastBet == kBuiltInLastBet);
        FUZZ_CHECK(g.LastDrawn == kBuiltInLastDrawn && g.LastHeld == kBuiltInLastHeld);
    }
}

bool SameNumbers(const MenuSettings& a, const MenuSettings& b) {
    return a.Credits == b.Credits && a.WhichSpeed == b.WhichSpeed &&
           a.CreditValue == b.CreditValue && a.LastGame == b.LastGame && a.Sound == b.Sound &&
           a.FastCredits == b.FastCredits && a.AutoHold == b.AutoHold &&
           a.ShowMistakes == b.ShowMistakes;
}

// One scratch folder per process for the session's settings file, removed at
// exit; in memory where the system offers it, since every save syncs to disk.
std::filesystem::path ScratchRoot() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

struct ScratchFolder {
    std::filesystem::path dir =
        ScratchRoot() / ("quintaro-fuzz-settings-" + std::to_string(::getpid()));
    ScratchFolder() { std::filesystem::create_directories(dir); }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

std::filesystem::path ScratchFile() {
    static const ScratchFolder folder;
    return folder.dir / "Quintaro.ini";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(fuzz::AsText(data, size));
    IniDocument ini(input);

    const MenuSettings menu = ReadMenuSettings(ini);
    FUZZ_CHECK(menu.Credits >= 0);
    for (int game : {-1, kGameCount}) {
        const GameSettings g = ReadGameSettings(ini, game);
        CheckHand(g);
        FUZZ_CHECK(!g.storedHand);
    }

    // What is written is read back: the menu's values, and each game's hand.
    IniDocument written = ini;
    WriteMenuSettings(written, menu);
    std::array<GameSettings, kGameCount> before;
    std::array<std::array<bool, 5>, kGameCount> held;
    for (int game = 0; game < kGameCount; ++game) {
        const auto g = static_cast<std::size_t>(game);
        before[g] = ReadGameSettings(ini, game);
        CheckHand(before[g]);
        held[g] = before[g].LastHeld;
        held[g][g % 5] = !held[g][g % 5];
        WriteGameSettings(written, game, !before[g].AltPayTable, before[g].LastBet,
                          before[g].LastDrawn, held[g]);
    }
    const IniDocument reread(written.Text());
    FUZZ_CHECK(SameNumbers(menu, ReadMenuSettings(reread)));
    for (int game = 0; game < kGameCount; ++game) {
        const auto g = static_cast<std::size_t>(game);
        const GameSettings after = ReadGameSettings(reread, game);
        FUZZ_CHECK(after.storedHand && after.AltPayTable == !before[g].AltPayTable);
        FUZZ_CHECK(after.LastBet == before[g].LastBet && after.LastDrawn == before[g].LastDrawn &&
                   after.LastHeld == held[g]);
    }

    // A session started on the file repairs what the reading left, and saves
    // what it holds.
    { std::ofstream(ScratchFile(), std::ios::binary | std::ios::trunc) << input; }
    MenuSettings saved;
    {
        TVantaSession session(SessionConfig{ScratchFile(), {}});
        FUZZ_CHECK(session.Credits >= 0);
        FUZZ_CHECK(session.WhichSpeed >= 0 && session.WhichSpeed <= 2);
        FUZZ_CHECK(session.CreditValue >= kNickel && session.CreditValue <= kDollar);
        FUZZ_CHECK(IsValidGame(session.LastGame));
        FUZZ_CHECK(!(session.AutoHold && session.ShowMistakes));
        FUZZ_CHECK(session.SchemeName == kDefaultSchemeName);
        FUZZ_CHECK(session.Close().ok);
        saved.Credits = session.Credits;
        saved.WhichSpeed = session.WhichSpeed;
        saved.CreditValue = session.CreditValue;
        saved.LastGame = session.LastGame;
        saved.Sound = session.Sound;
        saved.FastCredits = session.FastCredits;
        saved.AutoHold = session.AutoHold;
        saved.ShowMistakes = session.ShowMistakes;
    }
    SettingsFile file(ScratchFile());
    FUZZ_CHECK(SameNumbers(file.LoadMenu(), saved));
    FUZZ_CHECK(file.LastReadError().ok);
    return 0;
}
