#include "media/qt_audio_backend.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <cstdio>

namespace quintaro {

namespace {

// Qt's audio layer reports a missing sound server or device with a warning on every probe.
// A machine without sound is an expected case for this program (it then plays silently),
// so those reports are held back while the back end probes and plays; every other message
// goes on to the handler that was installed before.
QtMessageHandler g_previousHandler = nullptr;

void HoldBackAudioNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool audioNoise =
        text.startsWith(QLatin1String("PulseAudioService")) ||
        (context.category && qstrncmp(context.category, "qt.multimedia", 13) == 0);
    if (audioNoise && type != QtFatalMsg) return;
    if (g_previousHandler)
        g_previousHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

int g_quietDepth = 0;

class QuietAudio {
public:
    QuietAudio() {
        if (g_quietDepth++ == 0) g_previousHandler = qInstallMessageHandler(HoldBackAudioNoise);
    }
    ~QuietAudio() {
        if (--g_quietDepth == 0) qInstallMessageHandler(g_previousHandler);
    }
    QuietAudio(const QuietAudio&) = delete;
    QuietAudio& operator=(const QuietAudio&) = delete;
};

} // namespace

QtAudioBackend::QtAudioBackend(QObject* parent) : QObject(parent) {
    QuietAudio quiet;
    UpdateDevice();
    // Decode every wave up front so the first click of a deal is not late.
    if (hasDevice_)
        for (int i = 0; i < sounds::kSoundCount; ++i) EffectFor(sounds::SoundAt(i).resource);
    auto* devices = new QMediaDevices(this);
    connect(devices, &QMediaDevices::audioOutputsChanged, this, [this] {
        QuietAudio quiet;
        UpdateDevice();
    });
}

QtAudioBackend::~QtAudioBackend() = default;

QString QtAudioBackend::ResourceUrl(std::string_view resource) {
    return QStringLiteral("qrc:/quintaro/sounds/") +
           QString::fromLatin1(resource.data(), static_cast<int>(resource.size())) +
           QStringLiteral(".wav");
}

void QtAudioBackend::UpdateDevice() {
    const bool had = hasDevice_;
    hasDevice_ = !QMediaDevices::audioOutputs().isEmpty();
    if (had && !hasDevice_) {
        // The device went away: drop the effects bound to it, quietly.
        for (QSoundEffect*& e : effects_) {
            delete e;
            e = nullptr;
        }
        playing_ = nullptr;
    }
}

QSoundEffect* QtAudioBackend::EffectFor(std::string_view resource) {
    for (int i = 0; i < sounds::kSoundCount; ++i) {
        if (sounds::SoundAt(i).resource != resource) continue;
        if (!effects_[i]) {
            // Made on first use and kept, so each wave is decoded once.
            auto* effect = new QSoundEffect(QMediaDevices::defaultAudioOutput(), this);
            effect->setSource(QUrl(ResourceUrl(resource)));
            effects_[i] = effect;
        }
        return effects_[i];
    }
    return nullptr;
}

void QtAudioBackend::Play(std::string_view resource) {
    if (!hasDevice_) return;
    QuietAudio quiet;
    QSoundEffect* effect = EffectFor(resource);
    if (!effect) return;
    if (playing_ && playing_ != effect) playing_->stop();
    effect->stop();
    effect->play();
    playing_ = effect;
}

void QtAudioBackend::Stop() {
    QuietAudio quiet;
    if (playing_) playing_->stop();
    playing_ = nullptr;
}

SoundPlayer& ProgramSoundPlayer() {
    static QtAudioBackend* backend = new QtAudioBackend(QCoreApplication::instance());
    static SoundPlayer player(*backend);
    return player;
}

} // namespace quintaro
