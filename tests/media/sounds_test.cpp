// The wave sounds and the player's rules.

#include <QFile>
#include <QtTest>

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
    void effectsAndTonesPlayTheirWavesAndToneZeroStops();
    void qtBackendIsQuietWithoutADevice();
};

void SoundsTest::effectsAndTonesPlayTheirWavesAndToneZeroStops() {
    RecordingBackend rec;
    SoundPlayer player(rec);
    player.PlayEffect(2);
    player.PlayEffect(5);
    player.PlayTone(1);
    player.PlayTone(18);
    player.PlayTone(0);
    QVERIFY(rec.calls == (std::vector<std::string>{"SND4", "SND12", "BASE01", "BASE18", "stop"}));
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
