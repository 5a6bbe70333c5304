#pragma once
// The wave sounds of the program: which resource each effect and tone number plays, and the
// format every resource is made in. Plain C++ (no Qt).

#include <array>
#include <string_view>

#include "core/sound_numbers.h"

namespace quintaro::sounds {

struct SoundInfo {
    std::string_view resource; // resource name, also the file name without ".wav"
    int channels;
    int sampleRate;
    int bitsPerSample;
    double seconds; // nominal length
};

inline constexpr int kEffectCount = 6; // effect numbers 0..5; 0 and 1 have no sound
// Tone numbers 1..kToneCount; 0 has no sound.

// Effects 2 to 5: winning deal, card click, mistake buzz, button press.
inline constexpr std::array<SoundInfo, 4> kEffects{{
    {"SND4", 2, 44100, 16, 1.05},
    {"SND5", 1, 22050, 16, 0.23},
    {"SND6", 1, 22050, 8, 0.45},
    {"SND12", 2, 22050, 16, 0.18},
}};

// Tones 1 to 18 of the win count-up, rising in pitch; the higher ones are a little shorter.
inline constexpr std::array<SoundInfo, kToneCount> kTones{{
    {"BASE01", 1, 22050, 16, 0.160},
    {"BASE02", 1, 22050, 16, 0.158},
    {"BASE03", 1, 22050, 16, 0.155},
    {"BASE04", 1, 22050, 16, 0.153},
    {"BASE05", 1, 22050, 16, 0.151},
    {"BASE06", 1, 22050, 16, 0.148},
    {"BASE07", 1, 22050, 16, 0.146},
    {"BASE08", 1, 22050, 16, 0.144},
    {"BASE09", 1, 22050, 16, 0.141},
    {"BASE10", 1, 22050, 16, 0.139},
    {"BASE11", 1, 22050, 16, 0.136},
    {"BASE12", 1, 22050, 16, 0.134},
    {"BASE13", 1, 22050, 16, 0.132},
    {"BASE14", 1, 22050, 16, 0.129},
    {"BASE15", 1, 22050, 16, 0.127},
    {"BASE16", 1, 22050, 16, 0.125},
    {"BASE17", 1, 22050, 16, 0.122},
    {"BASE18", 1, 22050, 16, 0.120},
}};

// The resource of effect n, or empty when n plays nothing (0, 1 and anything out of range).
constexpr std::string_view EffectResource(int n) {
    return (n >= 2 && n <= 5) ? kEffects[n - 2].resource : std::string_view{};
}

// The resource of tone n, or empty when n plays nothing (0 and anything out of range).
constexpr std::string_view ToneResource(int n) {
    return (n >= 1 && n <= kToneCount) ? kTones[n - 1].resource : std::string_view{};
}

// All 22 sounds, effects first.
inline constexpr int kSoundCount = 22;
constexpr const SoundInfo& SoundAt(int i) {
    return i < 4 ? kEffects[i] : kTones[i - 4];
}

} // namespace quintaro::sounds
