#include "media/sound_player.h"

#include "media/sound_table.h"

namespace quintaro {

void SoundPlayer::PlayEffect(int n) {
    if (!SoundOn()) return;
    PlayResource(sounds::EffectResource(n));
}

void SoundPlayer::PlayTone(int n) {
    if (!SoundOn()) return;
    PlayResource(sounds::ToneResource(n));
}

void SoundPlayer::PlayResource(std::string_view resource) {
    if (resource.empty())
        backend_.Stop();
    else
        backend_.Play(resource);
}

} // namespace quintaro
