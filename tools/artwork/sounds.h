#pragma once
// The program's 22 wave sounds, synthesised.

#include <QByteArray>
#include <string_view>

namespace quintaro::artwork {

// The complete wave file (RIFF, PCM) of a sound resource ("SND4", "BASE07", ...), in the
// format of the sound table. Empty for an unknown name.
QByteArray SynthesiseWave(std::string_view resource);

} // namespace quintaro::artwork
