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
    void numbersMapToTheirSounds();
    void countUpWrapsAndEndsWithStop();
    void qtBackendIsQuietWithoutADevice();
};

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
