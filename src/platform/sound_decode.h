// Sound file decoding: Ogg Vorbis through libvorbisfile and WAV through SDL's reader, both
// decoded whole at load and converted to the mixer's stereo float frames at MIX_RATE.
// Private to src/platform.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/mixer.h"

// The sound in a file's bytes, told apart by their first bytes; null when they hold no
// complete Ogg Vorbis or WAV sound, or no samples at all. Called by loadSound.
Sound decodeSound(const std::vector<uint8_t>& bytes, bool loop);
