#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "media/sound_table.h"
#include "raster.h"

namespace quintaro::artwork {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A stereo buffer of samples in [-1, 1].
struct Signal {
    int rate;
    std::vector<double> left;
    std::vector<double> right;

    Signal(int sampleRate, double seconds)
        : rate(sampleRate), left(static_cast<std::size_t>(std::lround(sampleRate * seconds)), 0.0),
          right(left.size(), 0.0) {}
    std::size_t size() const { return left.size(); }
    double t(std::size_t i) const { return static_cast<double>(i) / rate; }
};

// Attack and release ramps (raised cosine) so nothing clicks at the start or end.
void Fade(Signal& s, double attack, double release) {
    const std::size_t n = s.size();
    const auto a = static_cast<std::size_t>(attack * s.rate);
    const auto r = static_cast<std::size_t>(release * s.rate);
    for (std::size_t i = 0; i < n; ++i) {
        double g = 1.0;
        if (a > 0 && i < a) g *= 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(a));
        if (r > 0 && i + r >= n)
            g *= 0.5 - 0.5 * std::cos(std::numbers::pi * double(n - 1 - i) / double(r));
        s.left[i] *= g;
        s.right[i] *= g;
    }
}

void Normalise(Signal& s, double peak) {
    double m = 1e-9;
    for (std::size_t i = 0; i < s.size(); ++i)
        m = std::max({m, std::abs(s.left[i]), std::abs(s.right[i])});
    for (std::size_t i = 0; i < s.size(); ++i) {
        s.left[i] *= peak / m;
        s.right[i] *= peak / m;
    }
}

// A struck bell or glockenspiel bar: a few partials with their own decays.
void AddBell(Signal& s, double start, double freq, double gain, double pan, double decay) {
    struct Partial {
        double ratio, amp, decayScale;
    };
    static const Partial partials[] = {
        {1.0, 1.0, 1.0}, {2.0, 0.45, 0.6}, {3.0, 0.18, 0.4}, {4.2, 0.10, 0.25}, {5.4, 0.05, 0.18}};
    const double gl = gain * std::cos(pan * std::numbers::pi / 2);
    const double gr = gain * std::sin(pan * std::numbers::pi / 2);
    const auto first = static_cast<std::size_t>(start * s.rate);
    for (std::size_t i = first; i < s.size(); ++i) {
        const double t = s.t(i) - start;
        const double attack = std::min(1.0, t / 0.003);
        double v = 0;
        for (const Partial& p : partials) {
            if (freq * p.ratio > s.rate * 0.45) continue;
            v += p.amp * std::exp(-t / (decay * p.decayScale)) *
                 std::sin(kTwoPi * freq * p.ratio * t);
        }
        v *= attack;
        s.left[i] += v * gl;
        s.right[i] += v * gr;
    }
}

// Band-limited-ish noise burst: white noise through a simple resonant filter.
void AddNoiseBurst(Signal& s, double start, double length, double centre, double q, double gain,
                   double decay, std::uint64_t seed, double pan = 0.5) {
    Rng rng(seed);
    const double w = kTwoPi * centre / s.rate;
    const double r = std::exp(-w / (2 * q));
    const double a1 = 2 * r * std::cos(w);
    const double a2 = -r * r;
    double y1 = 0, y2 = 0;
    const auto first = static_cast<std::size_t>(start * s.rate);
    const auto last = std::min(s.size(), first + static_cast<std::size_t>(length * s.rate));
    const double gl = gain * std::cos(pan * std::numbers::pi / 2);
    const double gr = gain * std::sin(pan * std::numbers::pi / 2);
    for (std::size_t i = first; i < last; ++i) {
        const double t = s.t(i) - start;
        const double x = rng.Uniform() * 2 - 1;
        const double y = (1 - r) * x + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = y;
        const double env = std::min(1.0, t / 0.0005) * std::exp(-t / decay);
        s.left[i] += y * env * gl;
        s.right[i] += y * env * gr;
    }
}

// A damped sine (the body of a click or a thump), optionally gliding in pitch.
void AddThump(Signal& s, double start, double f0, double f1, double gain, double decay,
              double pan = 0.5) {
    const auto first = static_cast<std::size_t>(start * s.rate);
    double phase = 0;
    const double gl = gain * std::cos(pan * std::numbers::pi / 2);
    const double gr = gain * std::sin(pan * std::numbers::pi / 2);
    for (std::size_t i = first; i < s.size(); ++i) {
        const double t = s.t(i) - start;
        const double f = f1 + (f0 - f1) * std::exp(-t / 0.01);
        phase += kTwoPi * f / s.rate;
        const double env = std::min(1.0, t / 0.001) * std::exp(-t / decay);
        const double v = std::sin(phase) * env;
        s.left[i] += v * gl;
        s.right[i] += v * gr;
    }
}

// The winning deal: a bright rising arpeggio of bells with a sparkle on top.
Signal WinChime(const sounds::SoundInfo& info) {
    Signal s(info.sampleRate, info.seconds);
    const double notes[] = {783.99, 1046.50, 1318.51, 1567.98, 2093.00};
    for (int i = 0; i < 5; ++i)
        AddBell(s, 0.012 + 0.075 * i, notes[i], i == 4 ? 0.9 : 0.7, 0.2 + 0.15 * i,
                i == 4 ? 0.32 : 0.22);
    // A final chord that rings out.
    AddBell(s, 0.40, 1046.50, 0.35, 0.35, 0.30);
    AddBell(s, 0.40, 1318.51, 0.30, 0.5, 0.30);
    AddBell(s, 0.40, 1567.98, 0.30, 0.65, 0.30);
    AddBell(s, 0.40, 2637.02, 0.18, 0.8, 0.20);
    Normalise(s, 0.78);
    Fade(s, 0.004, 0.12);
    return s;
}

// The card click: a crisp short tick with a little body.
Signal Click(const sounds::SoundInfo& info) {
    Signal s(info.sampleRate, info.seconds);
    AddNoiseBurst(s, 0.002, 0.03, 3200, 2.0, 1.0, 0.0025, 5);
    AddThump(s, 0.002, 2400, 1700, 0.55, 0.004);
    AddThump(s, 0.003, 520, 330, 0.35, 0.018);
    Normalise(s, 0.72);
    Fade(s, 0.0005, 0.05);
    return s;
}

// The mistake: two low buzzing notes, falling, with soft edges.
Signal Buzz(const sounds::SoundInfo& info) {
    Signal s(info.sampleRate, info.seconds);
    const double notes[] = {196.0, 146.83};
    const double starts[] = {0.0, 0.21};
    const double lengths[] = {0.19, 0.24};
    for (int n = 0; n < 2; ++n) {
        const auto first = static_cast<std::size_t>(starts[n] * s.rate);
        const auto len = static_cast<std::size_t>(lengths[n] * s.rate);
        for (std::size_t i = 0; i < len && first + i < s.size(); ++i) {
            const double t = double(i) / s.rate;
            // A soft sawtooth: the first harmonics only, so it buzzes without rasping.
            double v = 0;
            for (int k = 1; k <= 9; ++k)
                v += std::sin(kTwoPi * notes[n] * k * t) / k * (k % 2 ? 1.0 : 0.7);
            const double a = std::min(1.0, t / 0.012);
            const double r = std::min(1.0, (double(len - i) / s.rate) / 0.03);
            const double tremolo = 1.0 - 0.15 * (0.5 + 0.5 * std::sin(kTwoPi * 18 * t));
            s.left[first + i] += v * a * r * tremolo;
        }
    }
    s.right = s.left;
    Normalise(s, 0.8);
    Fade(s, 0.003, 0.02);
    return s;
}

// The button press: a clean tactile press, a low thump under a short mechanical click.
Signal Press(const sounds::SoundInfo& info) {
    Signal s(info.sampleRate, info.seconds);
    AddNoiseBurst(s, 0.001, 0.02, 2600, 1.5, 0.7, 0.002, 11, 0.45);
    AddThump(s, 0.001, 900, 180, 0.9, 0.022, 0.5);
    AddThump(s, 0.001, 240, 140, 0.45, 0.035, 0.55);
    // The key coming back up, quieter.
    AddNoiseBurst(s, 0.085, 0.015, 3400, 2.0, 0.22, 0.0015, 12, 0.55);
    AddThump(s, 0.085, 1200, 600, 0.15, 0.004, 0.5);
    Normalise(s, 0.75);
    Fade(s, 0.0005, 0.04);
    return s;
}

// Count-up tone k (1..18): a soft mallet note of a major scale from G4, two and a half
// octaves, so the count-up climbs pleasantly.
Signal Tone(const sounds::SoundInfo& info, int k) {
    static const int steps[] = {0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21, 23, 24, 26, 28, 29};
    const double freq = 392.0 * std::pow(2.0, steps[k - 1] / 12.0);
    Signal s(info.sampleRate, info.seconds);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = s.t(i);
        const double v = std::sin(kTwoPi * freq * t) +
                         0.22 * std::exp(-t / 0.04) * std::sin(kTwoPi * 2 * freq * t) +
                         0.06 * std::exp(-t / 0.02) * std::sin(kTwoPi * 3 * freq * t);
        s.left[i] = v * std::exp(-t / 0.09);
    }
    s.right = s.left;
    Normalise(s, 0.6);
    Fade(s, 0.004, 0.03);
    return s;
}

QByteArray EncodeWave(const Signal& s, const sounds::SoundInfo& info) {
    const int channels = info.channels;
    const int bytesPerSample = info.bitsPerSample / 8;
    const auto frames = static_cast<qint64>(s.size());
    const qint64 dataBytes = frames * channels * bytesPerSample;
    QByteArray b;
    auto put16 = [&b](int v) {
        b.append(char(v & 0xff));
        b.append(char((v >> 8) & 0xff));
    };
    auto put32 = [&b](qint64 v) {
        for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
    };
    b.append("RIFF", 4);
    put32(36 + dataBytes);
    b.append("WAVE", 4);
    b.append("fmt ", 4);
    put32(16);
    put16(1); // PCM
    put16(channels);
    put32(info.sampleRate);
    put32(static_cast<qint64>(info.sampleRate) * channels * bytesPerSample);
    put16(channels * bytesPerSample);
    put16(info.bitsPerSample);
    b.append("data", 4);
    put32(dataBytes);
    // A fixed dither sequence keeps the quantisation noise from turning into tones.
    Rng rng(static_cast<std::uint64_t>(info.sampleRate) * 31 + static_cast<std::uint64_t>(frames));
    for (qint64 i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            const double v = std::clamp(c == 0 ? s.left[i] : s.right[i], -1.0, 1.0);
            const double tpdf = rng.Uniform() - rng.Uniform();
            if (bytesPerSample == 1) {
                const int q = std::clamp(int(std::lround(128 + v * 127 + tpdf)), 0, 255);
                b.append(char(q));
            } else {
                const int q = std::clamp(int(std::lround(v * 32767 + tpdf)), -32768, 32767);
                put16(q & 0xffff);
            }
        }
    }
    return b;
}

} // namespace

QByteArray SynthesiseWave(std::string_view resource) {
    for (int i = 0; i < sounds::kSoundCount; ++i) {
        const sounds::SoundInfo& info = sounds::SoundAt(i);
        if (info.resource != resource) continue;
        Signal s = [&] {
            if (resource == "SND4") return WinChime(info);
            if (resource == "SND5") return Click(info);
            if (resource == "SND6") return Buzz(info);
            if (resource == "SND12") return Press(info);
            return Tone(info, i - 3);
        }();
        return EncodeWave(s, info);
    }
    return {};
}

} // namespace quintaro::artwork
