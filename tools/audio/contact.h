// Listen-free review of a music loop: a picture with the waveform on top and a
// spectrogram (log frequency, 40 Hz to 16 kHz) below, with a tick at every bar.
#pragma once

#include "common/image_io.h"
#include "dsp.h"

namespace audio {

// Draws the sheet of a loop that is `beats` long (bars of four beats).
tools::RgbaImage contactSheet(const Stereo& loop, int beats);

}  // namespace audio
