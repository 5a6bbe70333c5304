#pragma once
// Playing the program's sounds by number. The player decides what to play (and whether to
// play at all); an AudioBackend makes the noise. Plain C++ so a test can run the player's
// rules against a recording back end.

#include <functional>
#include <string>
#include <string_view>

namespace quintaro {

// Where sounds go. Play starts the named sound at once without waiting for it to end,
// cutting off whatever is playing; Stop silences the one playing.
class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    virtual void Play(std::string_view resource) = 0;
    virtual void Stop() = 0;
};

// A back end that plays nothing (no audio device, or sound not wanted at all).
class SilentAudioBackend final : public AudioBackend {
public:
    void Play(std::string_view) override {}
    void Stop() override {}
};

class SoundPlayer {
public:
    explicit SoundPlayer(AudioBackend& backend) : backend_(backend) {}

    // The Sound option. Either a fixed flag, or a function that reads the live option (for
    // example the session's Sound field); the function wins when set.
    void SetSoundOn(bool on) { soundOn_ = on; }
    void SetSoundOnSource(std::function<bool()> source) { soundOnSource_ = std::move(source); }
    bool SoundOn() const { return soundOnSource_ ? soundOnSource_() : soundOn_; }

    // Effects 2 to 5 play SND4, SND5, SND6, SND12; tones 1 to 18 play BASE01 to BASE18.
    // A number without a sound (0, effect 1, out of range) stops the sound playing.
    // Nothing at all happens while the Sound option is off.
    void PlayEffect(int n);
    void PlayTone(int n);

private:
    void PlayResource(std::string_view resource);

    AudioBackend& backend_;
    bool soundOn_ = true;
    std::function<bool()> soundOnSource_;
};

} // namespace quintaro
