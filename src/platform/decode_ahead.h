// Decoding ahead: a worker thread reads and decodes the files named by decodeAhead, and the
// loading calls take its results. The worker touches only file bytes and the decoders, never
// SDL video or the mixer. Private to src/platform.
#pragma once

#include "platform/graphics.h"
#include "platform/mixer.h"

// The picture in a game file, decoded ahead or (not named, or not finished by the worker) read
// and decoded now; a null pixmap when the
// file is missing or holds no picture, as decodePicture(readWholeFile(file)).
DecodedPicture decodePictureFile(const String& file);
// The sound in a game file, decoded whole, likewise; null as decodeSound gives.
Sound decodeSoundFile(const String& file, bool loop);

// What the cache holds: results decoded and not yet taken, and their bytes.
struct DecodeAheadHeld {
    int results = 0;
    size_t bytes = 0;
};
DecodeAheadHeld decodeAheadHeld();
// Loads since the last decodeAhead that took a result decoded ahead.
int decodeAheadTaken();
// Waits until the worker has nothing left that it may start (for tests and measurements).
void waitForDecodeAhead();
// Releases everything and ends the worker; at shutdown.
void stopDecodeAhead();
