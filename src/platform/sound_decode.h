// Sound file decoding: Ogg Vorbis through libvorbisfile and WAV through SDL's reader, both
// converted to the mixer's stereo float frames at MIX_RATE, decoded whole at load or (music)
// streamed as it plays. Private to src/platform.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/mixer.h"

// The sound in a file's bytes, told apart by their first bytes; null when they hold no
// complete Ogg Vorbis or WAV sound, or no samples at all. Called by loadSound.
Sound decodeSound(const std::vector<uint8_t>& bytes, bool loop);
// The same sound streamed: an Ogg Vorbis file at MIX_RATE keeps only its bytes and is decoded
// piece by piece by each channel that plays it; any other sound is decoded whole. Null where
// decodeSound gives null, except that damage past the headers of a complete Ogg file shows
// only when playing reaches it (the sound then ends or starts over there).
Sound streamSound(std::vector<uint8_t> bytes, bool loop);
