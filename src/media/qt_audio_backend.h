#pragma once
// The audio back end of the running program: the embedded wave resources played through
// Qt Multimedia. Without an audio output device it stays silent.

#include <QObject>

#include <array>
#include <memory>
#include <string_view>

#include "media/sound_player.h"
#include "media/sound_table.h"

class QSoundEffect;

namespace quintaro {

class QtAudioBackend final : public QObject, public AudioBackend {
    Q_OBJECT
public:
    explicit QtAudioBackend(QObject* parent = nullptr);
    ~QtAudioBackend() override;

    void Play(std::string_view resource) override;
    void Stop() override;

    // Whether an output device was found; without one every call is a no-op.
    bool HasDevice() const { return hasDevice_; }

    // The qrc URL of a sound resource ("qrc:/quintaro/sounds/SND4.wav").
    static QString ResourceUrl(std::string_view resource);

private:
    void UpdateDevice();
    QSoundEffect* EffectFor(std::string_view resource);

    bool hasDevice_ = false;
    std::array<QSoundEffect*, sounds::kSoundCount> effects_{};
    QSoundEffect* playing_ = nullptr;
};

// The program-wide player over the program-wide Qt back end (created on first use; needs a
// QCoreApplication).
SoundPlayer& ProgramSoundPlayer();

} // namespace quintaro
