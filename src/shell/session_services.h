#pragma once
// What the session asks of the outside world. The windows implement these
// (sound player, event-loop pauses, the meters and the button bar on screen,
// message boxes and dialogs); tests implement them to record what was asked,
// in order. Every pointer handed to the session may be null, which means
// "nothing to show / hear / wait for".

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace quintaro {

// One row of the button-bar table: a tile number per slot, 0 = blank.
using BarRow = std::array<std::int32_t, 7>;

// Sounds by number: effects 2..5 and tones 1..18; 0 (and effect 1) plays
// nothing and stops the sound playing. A new sound cuts off the one playing.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    virtual void PlayEffect(int effect) = 0;
    virtual void PlayTone(int tone) = 0;
};

// Time and the keyboard during the session's short animations.
class Pacing {
public:
    virtual ~Pacing() = default;
    // Waits so many milliseconds (the windows keep repainting meanwhile).
    virtual void Pause(int milliseconds) = 0;
    // True when Escape was pressed since the last call; every call clears it.
    virtual bool EscapePressed() = 0;
    // Lets window messages that are waiting run.
    virtual void ProcessPendingEvents() = 0;
};

// The seven-digit credit meter of the menu or of a game screen.
class CreditMeterDisplay {
public:
    virtual ~CreditMeterDisplay() = default;
    virtual void DrawCreditMeter(std::int32_t credits) = 0;
};

// The win meter of a game screen.
class WinMeterDisplay {
public:
    virtual ~WinMeterDisplay() = default;
    virtual void DrawWinMeter(std::int32_t amount) = 0;
};

// The seven-slot button bar of a game screen.
class ButtonBarDisplay {
public:
    virtual ~ButtonBarDisplay() = default;
    // The whole bar in a state (row of the button-bar table).
    virtual void DrawButtonBar(int state, const BarRow& tiles) = 0;
    // One slot (0..6) with a tile in its normal or pressed look.
    virtual void DrawBarSlot(int slot, int tile, bool pressed) = 0;
};

// Message boxes and the shared dialogs the session opens, all modal.
class SessionDialogs {
public:
    virtual ~SessionDialogs() = default;
    // An information box.
    virtual void ShowNotice(std::string_view caption, std::string_view text) = 0;
    // The bills dialog: the total in whole dollars when closed with OK,
    // nothing when cancelled.
    virtual std::optional<std::int32_t> AskForBills() = 0;
    virtual void ShowAbout() = 0;
    virtual void ShowStatistics() = 0;
    virtual void ShowHandBuilder() = 0;
    virtual void ShowGameHelp() = 0;
};

// Where the session's two sheets come from: a scheme's file, or the program's
// own picture when the path is empty.
struct SessionSheetFiles {
    std::optional<std::filesystem::path> digits;  // digitals.bmp, else DigitalNumbers
    std::optional<std::filesystem::path> buttons; // VantaBtns.bmp, else VantaBtns
};

// Loads the meter digits and the button-bar tiles (and recolours the digits
// working copy for the meters shown).
class SessionArtwork {
public:
    virtual ~SessionArtwork() = default;
    virtual void LoadSessionBitmaps(const SessionSheetFiles& files) = 0;
};

struct SessionServices {
    SoundSink* sound = nullptr;
    Pacing* pacing = nullptr;
    SessionDialogs* dialogs = nullptr;
    SessionArtwork* artwork = nullptr;
};

} // namespace quintaro
