// Sound file decoding: Ogg Vorbis and WAV bytes to stereo float frames at the mixer rate.
#include "platform/sound_decode.h"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

namespace {

// Source rates outside this range are refused: a forged header could otherwise ask the
// resampler for an enormous output.
constexpr long MIN_RATE = 4000;
constexpr long MAX_RATE = 192000;
// Longer sounds are refused rather than decoded: the game's longest music lasts a few
// minutes, and a small forged file could otherwise ask for gigabytes of samples.
constexpr long long MAX_SECONDS = 600;

bool startsWith(const std::vector<uint8_t>& bytes, const char* magic) {
    const size_t length = std::strlen(magic);
    return bytes.size() >= length && std::memcmp(bytes.data(), magic, length) == 0;
}

// Converts the first `bytes` bytes of `storage`, interleaved samples in an SDL format, to
// stereo float at MIX_RATE in place, so a long sound is not copied; null when SDL cannot
// convert them or nothing comes out.
Sound convertToMix(SDL_AudioFormat format, int channels, long rate, std::vector<float> storage, size_t bytes,
                   bool loop) {
    const size_t frameBytes = size_t(SDL_AUDIO_BITSIZE(format) / 8) * size_t(channels);
    if (rate < MIN_RATE || rate > MAX_RATE || frameBytes == 0 || bytes < frameBytes) return nullptr;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, format, Uint8(channels), int(rate), AUDIO_F32SYS, 2, MIX_RATE) < 0) {
        return nullptr;
    }
    const size_t whole = bytes - bytes % frameBytes;
    if (whole / frameBytes > size_t(MAX_SECONDS * rate)) return nullptr;
    // SDL converts in a buffer len_mult times the input, sized in ints.
    if (whole > size_t(INT_MAX) / size_t(cvt.len_mult)) return nullptr;
    storage.resize((whole * size_t(cvt.len_mult) + sizeof(float) - 1) / sizeof(float));
    cvt.buf = reinterpret_cast<Uint8*>(storage.data());
    cvt.len = int(whole);
    if (SDL_ConvertAudio(&cvt) != 0) return nullptr;
    storage.resize(size_t(cvt.len_cvt) / sizeof(float) / 2 * 2);
    storage.shrink_to_fit();
    if (storage.empty()) return nullptr;
    return std::make_shared<SoundData>(SoundData{std::move(storage), loop});
}

// --- WAV ---

// True when every chunk after the RIFF header fits in the bytes present. SDL allocates the size
// a chunk claims before reading it, so a forged size would ask for gigabytes.
bool wavChunksFit(const std::vector<uint8_t>& bytes) {
    constexpr size_t HEADER = 8;
    for (size_t offset = 12; offset + HEADER <= bytes.size();) {
        const uint8_t* size = bytes.data() + offset + 4;
        const size_t length = size_t(size[0]) | size_t(size[1]) << 8 | size_t(size[2]) << 16 | size_t(size[3]) << 24;
        if (length > bytes.size() - offset - HEADER) return false;
        offset += HEADER + length + (length & 1);
    }
    return true;
}

Sound decodeWav(const std::vector<uint8_t>& bytes, bool loop) {
    // A data chunk shorter than its header claims is refused rather than played clipped; a
    // wrong RIFF size, which some writers leave behind, is tolerated.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    if (bytes.size() > size_t(INT_MAX) || !wavChunksFit(bytes)) return nullptr;
    SDL_AudioSpec wavFormat{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    if (!source || !SDL_LoadWAV_RW(source, 1, &wavFormat, &data, &length)) return nullptr;
    if (length == 0) {
        SDL_FreeWAV(data);
        return nullptr;
    }
    std::vector<float> storage((length + sizeof(float) - 1) / sizeof(float));
    std::memcpy(storage.data(), data, length);
    SDL_FreeWAV(data);
    return convertToMix(wavFormat.format, wavFormat.channels, wavFormat.freq, std::move(storage), length, loop);
}

// --- Ogg Vorbis ---

// libvorbisfile reads the bytes through these callbacks.
struct MemoryFile {
    const std::vector<uint8_t>& bytes;
    size_t position = 0;
};

size_t readMemory(void* out, size_t size, size_t count, void* source) {
    auto& file = *static_cast<MemoryFile*>(source);
    if (size == 0) return 0;
    const size_t items = std::min(count, (file.bytes.size() - file.position) / size);
    std::memcpy(out, file.bytes.data() + file.position, items * size);
    file.position += items * size;
    return items;
}

int seekMemory(void* source, ogg_int64_t offset, int whence) {
    auto& file = *static_cast<MemoryFile*>(source);
    const ogg_int64_t base = whence == SEEK_SET   ? 0
                             : whence == SEEK_CUR ? ogg_int64_t(file.position)
                                                  : ogg_int64_t(file.bytes.size());
    if (offset < -base || base + offset > ogg_int64_t(file.bytes.size())) return -1;
    file.position = size_t(base + offset);
    return 0;
}

long tellMemory(void* source) { return long(static_cast<MemoryFile*>(source)->position); }

// True when the bytes are a run of whole Ogg pages ending with an end-of-stream page. A file
// cut short fails this and loads as nothing rather than as a clipped sound.
bool oggComplete(const std::vector<uint8_t>& bytes) {
    constexpr size_t HEADER = 27;
    size_t offset = 0;
    bool endOfStream = false;
    while (offset < bytes.size()) {
        const uint8_t* page = bytes.data() + offset;
        if (bytes.size() - offset < HEADER || std::memcmp(page, "OggS", 4) != 0) return false;
        const size_t segments = page[26];
        size_t end = offset + HEADER + segments;
        if (end > bytes.size()) return false;
        for (size_t i = 0; i < segments; ++i) end += page[HEADER + i];
        if (end > bytes.size()) return false;
        endOfStream = (page[5] & 0x04) != 0;
        offset = end;
    }
    return endOfStream;
}

// Appends one block of planar samples as interleaved frames.
void appendInterleaved(std::vector<float>& samples, float** planes, int channels, long frames) {
    for (long frame = 0; frame < frames; ++frame) {
        for (int channel = 0; channel < channels; ++channel) samples.push_back(planes[channel][frame]);
    }
}

// Interleaved float samples of the whole file; false on a decoding error, when the channel
// count or rate is not the mono or stereo one of the first section throughout, or when the
// sound is longer than MAX_SECONDS.
bool readVorbis(OggVorbis_File& file, std::vector<float>& samples, int channels, long rate) {
    const size_t limit = size_t(MAX_SECONDS * std::clamp(rate, MIN_RATE, MAX_RATE) * channels);
    while (samples.size() <= limit) {
        float** planes = nullptr;
        int section = 0;
        const long frames = ov_read_float(&file, &planes, 4096, &section);
        if (frames == 0) return true;
        if (frames == OV_HOLE) continue;  // a gap in the data; decoding goes on after it
        if (frames < 0) return false;
        const vorbis_info* info = ov_info(&file, section);
        if (!info || info->channels != channels || info->rate != rate) return false;
        appendInterleaved(samples, planes, channels, frames);
    }
    return false;
}

Sound decodeOgg(const std::vector<uint8_t>& bytes, bool loop) {
    if (!oggComplete(bytes)) return nullptr;
    MemoryFile memory{bytes};
    OggVorbis_File file;
    const ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
    if (ov_open_callbacks(&memory, &file, nullptr, 0, callbacks) != 0) return nullptr;
    const vorbis_info* info = ov_info(&file, -1);
    const int channels = info ? info->channels : 0;
    const long rate = info ? info->rate : 0;
    std::vector<float> samples;
    // The game's sounds are mono or stereo; more channels would need a downmix we never use.
    const bool ok = (channels == 1 || channels == 2) && readVorbis(file, samples, channels, rate);
    ov_clear(&file);
    if (!ok) return nullptr;
    const size_t sampleBytes = samples.size() * sizeof(float);
    return convertToMix(AUDIO_F32SYS, channels, rate, std::move(samples), sampleBytes, loop);
}

}  // namespace

Sound decodeSound(const std::vector<uint8_t>& bytes, bool loop) {
    if (startsWith(bytes, "OggS")) return decodeOgg(bytes, loop);
    if (startsWith(bytes, "RIFF")) return decodeWav(bytes, loop);
    return nullptr;
}
