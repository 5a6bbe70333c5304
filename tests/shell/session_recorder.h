#pragma once
// Records everything a session asks of the outside world, one line per request,
// in order, so a test reads like the sequence the player sees and hears.

#include "shell/session.h"

#include <deque>
#include <string>
#include <vector>

namespace quintaro::testing {

class SessionRecorder : public SoundSink,
                        public Pacing,
                        public CreditMeterDisplay,
                        public WinMeterDisplay,
                        public ButtonBarDisplay,
                        public SessionDialogs,
                        public SessionArtwork {
public:
    std::vector<std::string> log;
    // Answers of EscapePressed, one per call; false when used up.
    std::deque<bool> escapeAnswers;
    // Answer of the bills dialog.
    std::optional<std::int32_t> billsAnswer;

    SessionServices Services() { return {this, this, this, this}; }
    void AttachAll(TVantaSession& s) { s.AttachDisplays(this, this, this); }
    void Clear() { log.clear(); }

    void PlayEffect(int effect) override { log.push_back("effect " + std::to_string(effect)); }
    void PlayTone(int tone) override { log.push_back("tone " + std::to_string(tone)); }
    void Pause(int ms) override { log.push_back("pause " + std::to_string(ms)); }
    bool EscapePressed() override {
        log.push_back("escape?");
        if (escapeAnswers.empty()) return false;
        const bool answer = escapeAnswers.front();
        escapeAnswers.pop_front();
        return answer;
    }
    void ProcessPendingEvents() override { log.push_back("events"); }
    void DrawCreditMeter(std::int32_t credits) override {
        log.push_back("credits " + std::to_string(credits));
    }
    void DrawWinMeter(std::int32_t amount) override {
        log.push_back("win " + std::to_string(amount));
    }
    void DrawButtonBar(int state, const BarRow& tiles) override {
        std::string line = "bar " + std::to_string(state) + ":";
        for (std::int32_t t : tiles) line += " " + std::to_string(t);
        log.push_back(line);
    }
    void DrawBarSlot(int slot, int tile, bool pressed) override {
        log.push_back("slot " + std::to_string(slot) + " = " + std::to_string(tile) +
                      (pressed ? " pressed" : ""));
    }
    void ShowNotice(std::string_view caption, std::string_view text) override {
        log.push_back("notice " + std::string(caption) + ": " + std::string(text));
    }
    std::optional<std::int32_t> AskForBills() override {
        log.push_back("bills dialog");
        return billsAnswer;
    }
    void ShowAbout() override { log.push_back("about"); }
    void ShowStatistics() override { log.push_back("statistics"); }
    void ShowHandBuilder() override { log.push_back("hand builder"); }
    void ShowGameHelp() override { log.push_back("game help"); }
    void LoadSessionBitmaps(const SessionSheetFiles& files) override {
        log.push_back("sheets " + (files.digits ? files.digits->filename().string() : "-") + " " +
                      (files.buttons ? files.buttons->filename().string() : "-"));
    }
};

} // namespace quintaro::testing
