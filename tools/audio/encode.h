// Sound file writing: Ogg Vorbis through libvorbisenc and 16-bit PCM WAV, both from
// float samples at 44.1 kHz. Equal samples give equal bytes (fixed stream serial).
#pragma once

#include <vector>

#include "common/image_io.h"
#include "dsp.h"

namespace audio {

// Encodes one (mono) or two (left, right) equally long channels as Ogg Vorbis at a
// variable-bit-rate quality from -0.1 to 1.0. Samples beyond ±1 are clamped.
tools::Bytes encodeOgg(const std::vector<const Samples*>& channels, float quality);
// Encodes a mono 16-bit PCM WAV file.
tools::Bytes encodeWav(const Samples& mono);

}  // namespace audio
