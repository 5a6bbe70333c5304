// The wave sounds and the player's rules.

#include <QFile>
#include <QtTest>

#include <cmath>
#include <string>
#include <vector>

#include "media/qt_audio_backend.h"
#include "media/sound_player.h"
#include "media/sound_table.h"

using namespace quintaro;

namespace {

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<double> mono; // first channel, in [-1, 1]
    double seconds() const { return rate ? double(mono.size()) / rate : 0; }
};

quint32 U32(const QByteArray& b, int at) {
    return quint8(b[at]) | (quint8(b[at + 1]) << 8) | (quint8(b[at + 2]) << 16) |
           (quint32(quint8(b[at + 3])) << 24);
}
int U16(const QByteArray& b, int at) {
    return quint8(b[at]) | (quint8(b[at + 1]) << 8);
}

Wave ReadWave(const QString& name) {
    QFile f(QStringLiteral(":/quintaro/sounds/") + name + QStringLiteral(".wav"));
    Wave w;
    if (!f.open(QIODevice::ReadOnly)) return w;
    const QByteArray b = f.readAll();
    if (!b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return w;
    int at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const int size = int(U32(b, at + 4));
        if (id == "fmt ") {
            w.format = U16(b, at + 8);
            w.channels = U16(b, at + 10);
            w.rate = int(U32(b, at + 12));
            w.bits = U16(b, at + 22);
        } else if (id == "data") {
            const int frameBytes = w.channels * w.bits / 8;
            for (int i = at + 8; i + frameBytes <= at + 8 + size && i + frameBytes <= b.size();
                 i += frameBytes)
                w.mono.push_back(w.bits == 8 ? (quint8(b[i]) - 128) / 128.0
                                             : qint16(U16(b, i)) / 32768.0);
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

// Fundamental frequency from upward zero crossings over the loud part of the sound.
double Pitch(const Wave& w) {
    int crossings = 0;
    int first = -1, last = -1;
    const std::size_t end = w.mono.size() * 2 / 3;
    for (std::size_t i = 1; i < end; ++i)
        if (w.mono[i - 1] < 0 && w.mono[i] >= 0) {
            if (first < 0) first = int(i);
            last = int(i);
            ++crossings;
        }
    return crossings > 1 ? (crossings - 1) * double(w.rate) / (last - first) : 0;
}

class RecordingBackend final : public AudioBackend {
public:
    void Play(std::string_view resource) override { calls.push_back(std::string(resource)); }
    void Stop() override { calls.push_back("stop"); }
    std::vector<std::string> calls;
};

} // namespace

class SoundsTest : public QObject {
    Q_OBJECT
private slots:
    void everyWaveHasItsFormatAndLength();
    void wavesStartAndEndSoftly();
    void countUpTonesRiseInPitch();
    void numbersMapToTheirSounds();
    void numbersWithoutASoundStop();
    void nothingPlaysWhileSoundIsOff();
    void countUpWrapsAndEndsWithStop();
    void qtBackendIsQuietWithoutADevice();
};

void SoundsTest::everyWaveHasItsFormatAndLength() {
    for (int i = 0; i < sounds::kSoundCount; ++i) {
        const sounds::SoundInfo& info = sounds::SoundAt(i);
        const QString name = QString::fromLatin1(info.resource.data(), int(info.resource.size()));
        const Wave w = ReadWave(name);
        QVERIFY2(w.format == 1, qPrintable(name)); // uncompressed PCM
        QCOMPARE(w.channels, info.channels);
        QCOMPARE(w.rate, info.sampleRate);
        QCOMPARE(w.bits, info.bitsPerSample);
        QVERIFY2(std::abs(w.seconds() - info.seconds) <= 0.25 * info.seconds, qPrintable(name));
        double peak = 0;
        for (double v : w.mono) peak = std::max(peak, std::abs(v));
        QVERIFY2(peak > 0.3 && peak < 0.99, qPrintable(name)); // audible and not clipped
    }
    QCOMPARE(sounds::kTones.front().seconds, 0.16);
    QCOMPARE(sounds::kTones.back().seconds, 0.12);
}

void SoundsTest::wavesStartAndEndSoftly() {
    for (int i = 0; i < sounds::kSoundCount; ++i) {
        const sounds::SoundInfo& info = sounds::SoundAt(i);
        const Wave w =
            ReadWave(QString::fromLatin1(info.resource.data(), int(info.resource.size())));
        QVERIFY(w.mono.size() > 100);
        const double tolerance = info.bitsPerSample == 8 ? 0.02 : 0.005;
        QVERIFY2(std::abs(w.mono.front()) < tolerance, info.resource.data());
        QVERIFY2(std::abs(w.mono.back()) < tolerance, info.resource.data());
    }
}

void SoundsTest::countUpTonesRiseInPitch() {
    double previous = 0;
    for (int k = 1; k <= sounds::kToneCount; ++k) {
        const QString name = QString::fromLatin1(sounds::ToneResource(k).data());
        const double pitch = Pitch(ReadWave(name));
        QVERIFY2(pitch > previous * 1.04,
                 qPrintable(QStringLiteral("%1: %2 Hz").arg(name).arg(pitch)));
        previous = pitch;
    }
    QVERIFY(previous < 3000);
}

void SoundsTest::numbersMapToTheirSounds() {
    RecordingBackend rec;
    SoundPlayer player(rec);
    player.PlayEffect(2);
    player.PlayEffect(3);
    player.PlayEffect(4);
    player.PlayEffect(5);
    player.PlayTone(1);
    player.PlayTone(10);
    player.PlayTone(18);
    const std::vector<std::string> expected{"SND4",   "SND5",   "SND6",  "SND12",
                                            "BASE01", "BASE10", "BASE18"};
    QVERIFY(rec.calls == expected);
}

void SoundsTest::numbersWithoutASoundStop() {
    RecordingBackend rec;
    SoundPlayer player(rec);
    player.PlayEffect(0);
    player.PlayEffect(1);
    player.PlayTone(0);
    player.PlayTone(19);
    player.PlayEffect(6);
    player.PlayEffect(-1);
    QVERIFY(rec.calls == std::vector<std::string>(6, "stop"));
}

void SoundsTest::nothingPlaysWhileSoundIsOff() {
    RecordingBackend rec;
    SoundPlayer player(rec);
    player.SetSoundOn(false);
    for (int n = 0; n <= 5; ++n) player.PlayEffect(n);
    for (int n = 0; n <= 18; ++n) player.PlayTone(n);
    QVERIFY(rec.calls.empty());
    // The live option wins over the fixed flag.
    bool sound = false;
    player.SetSoundOn(true);
    player.SetSoundOnSource([&sound] { return sound; });
    player.PlayEffect(3);
    QVERIFY(rec.calls.empty());
    sound = true;
    player.PlayEffect(3);
    QVERIFY(rec.calls == std::vector<std::string>{"SND5"});
}

void SoundsTest::countUpWrapsAndEndsWithStop() {
    // The session's count-up: tone 1, 2 ... 18, then 1 again, and tone 0 at the end.
    RecordingBackend rec;
    SoundPlayer player(rec);
    int tone = 1;
    for (int step = 0; step < 20; ++step) {
        player.PlayTone(tone);
        tone = tone == 18 ? 1 : tone + 1;
    }
    player.PlayTone(0);
    QCOMPARE(rec.calls.size(), std::size_t(21));
    QCOMPARE(rec.calls[17], std::string("BASE18"));
    QCOMPARE(rec.calls[18], std::string("BASE01"));
    QCOMPARE(rec.calls[19], std::string("BASE02"));
    QCOMPARE(rec.calls[20], std::string("stop"));
}

void SoundsTest::qtBackendIsQuietWithoutADevice() {
    // Whatever the machine has, playing and stopping must neither crash nor complain.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QtAudioBackend backend;
    SoundPlayer player(backend);
    for (int n = 0; n <= 5; ++n) player.PlayEffect(n);
    for (int n = 0; n <= 18; ++n) player.PlayTone(n);
    player.PlayTone(0);
    QTest::qWait(50);
    QCOMPARE(QtAudioBackend::ResourceUrl("SND4"), QStringLiteral("qrc:/quintaro/sounds/SND4.wav"));
}

QTEST_MAIN(SoundsTest)
#include "sounds_test.moc"
