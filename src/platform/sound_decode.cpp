// Sound file decoding: Ogg Vorbis and WAV bytes to stereo float frames at the mixer rate.
#include "platform/sound_decode.h"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <mutex>

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

Sound makeSound(std::vector<float> samples, bool loop) {
    if (samples.empty()) return nullptr;
    auto sound = std::make_shared<SoundData>();
    sound->samples = std::move(samples);
    sound->loop = loop;
    return sound;
}

// Sounds are decoded on the decode-ahead worker and the game thread at once; SDL's converter
// is not known to be safe for that, so one conversion runs at a time.
std::mutex conversionLock;

// Converts the first `bytes` bytes of `storage`, interleaved samples in an SDL format, to
// stereo float at MIX_RATE in place, so a long sound is not copied; null when SDL cannot
// convert them or nothing comes out.
Sound convertToMix(SDL_AudioFormat format, int channels, long rate, std::vector<float> storage, size_t bytes,
                   bool loop) {
    std::lock_guard guard(conversionLock);
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
    return makeSound(std::move(storage), loop);
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

// Appends one block of planar samples as frames of `outChannels` interleaved samples; a mono
// source spread to stereo gives both sides the same sample.
void appendInterleaved(std::vector<float>& samples, float** planes, int channels, int outChannels, long frames) {
    for (long frame = 0; frame < frames; ++frame) {
        for (int channel = 0; channel < outChannels; ++channel) samples.push_back(planes[channel % channels][frame]);
    }
}

bool sameFormat(OggVorbis_File& file, int section, int channels, long rate) {
    const vorbis_info* info = ov_info(&file, section);
    return info && info->channels == channels && info->rate == rate;
}

// The channel count and rate of the first section when they are the game's mono or stereo
// (more channels would need a downmix we never use); false otherwise.
bool readFormat(OggVorbis_File& file, int& channels, long& rate) {
    const vorbis_info* info = ov_info(&file, -1);
    channels = info ? info->channels : 0;
    rate = info ? info->rate : 0;
    return channels == 1 || channels == 2;
}

// Interleaved float samples of the whole file, `outChannels` a frame; false on a decoding
// error, when the channel count or rate is not the first section's throughout, or when the
// sound is longer than MAX_SECONDS.
bool readVorbis(OggVorbis_File& file, std::vector<float>& samples, int channels, int outChannels, long rate) {
    const size_t limit = size_t(MAX_SECONDS * std::clamp(rate, MIN_RATE, MAX_RATE) * outChannels);
    while (samples.size() <= limit) {
        float** planes = nullptr;
        int section = 0;
        const long frames = ov_read_float(&file, &planes, 4096, &section);
        if (frames == 0) return true;
        if (frames == OV_HOLE) continue;  // a gap in the data; decoding goes on after it
        if (frames < 0 || !sameFormat(file, section, channels, rate)) return false;
        appendInterleaved(samples, planes, channels, outChannels, frames);
    }
    return false;
}

// An open Vorbis decoder over bytes in memory; the bytes must outlive it.
class VorbisFile {
public:
    explicit VorbisFile(const std::vector<uint8_t>& bytes) : memory{bytes} {
        const ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
        opened = ov_open_callbacks(&memory, &file, nullptr, 0, callbacks) == 0;
    }
    ~VorbisFile() {
        if (opened) ov_clear(&file);
    }
    VorbisFile(const VorbisFile&) = delete;
    VorbisFile& operator=(const VorbisFile&) = delete;

    MemoryFile memory;
    OggVorbis_File file;
    bool opened = false;
};

Sound decodeOgg(const std::vector<uint8_t>& bytes, bool loop) {
    if (!oggComplete(bytes)) return nullptr;
    VorbisFile vorbis(bytes);
    int channels = 0;
    long rate = 0;
    if (!vorbis.opened || !readFormat(vorbis.file, channels, rate)) return nullptr;
    // At the mix rate the samples only need spreading to stereo, done here without SDL.
    const int outChannels = rate == MIX_RATE ? 2 : channels;
    std::vector<float> samples;
    if (!readVorbis(vorbis.file, samples, channels, outChannels, rate)) return nullptr;
    if (rate == MIX_RATE) return makeSound(std::move(samples), loop);
    const size_t sampleBytes = samples.size() * sizeof(float);
    return convertToMix(AUDIO_F32SYS, channels, rate, std::move(samples), sampleBytes, loop);
}

// One playing of a streamed Ogg Vorbis sound at the mix rate. It decodes with the same calls
// as decodeOgg, so it gives the same samples.
class VorbisStream : public SoundStream {
public:
    explicit VorbisStream(std::shared_ptr<const std::vector<uint8_t>> bytes) : bytes(std::move(bytes)) {}

    bool ready() { return vorbis.opened && readFormat(vorbis.file, channels, rate) && rate == MIX_RATE; }
    long long frames() { return ov_pcm_total(&vorbis.file, -1); }

    size_t read(float* stereoOut, size_t frames) override {
        size_t done = 0;
        while (done < frames) {
            float** planes = nullptr;
            int section = 0;
            const long got = ov_read_float(&vorbis.file, &planes, int(frames - done), &section);
            if (got == OV_HOLE) continue;
            if (got <= 0 || !sameFormat(vorbis.file, section, channels, rate)) break;
            for (long frame = 0; frame < got; ++frame, ++done) {
                stereoOut[2 * done] = planes[0][frame];
                stereoOut[2 * done + 1] = planes[channels - 1][frame];
            }
        }
        return done;
    }

    bool seek(size_t frame) override { return ov_pcm_seek(&vorbis.file, ogg_int64_t(frame)) == 0; }

private:
    std::shared_ptr<const std::vector<uint8_t>> bytes;
    VorbisFile vorbis{*bytes};
    int channels = 0;
    long rate = 0;
};

std::unique_ptr<VorbisStream> openVorbisStream(const std::shared_ptr<const std::vector<uint8_t>>& bytes) {
    auto stream = std::make_unique<VorbisStream>(bytes);
    if (!stream->ready()) return nullptr;
    return stream;
}

}  // namespace

Sound decodeSound(const std::vector<uint8_t>& bytes, bool loop) {
    if (startsWith(bytes, "OggS")) return decodeOgg(bytes, loop);
    if (startsWith(bytes, "RIFF")) return decodeWav(bytes, loop);
    return nullptr;
}

Sound streamSound(std::vector<uint8_t> bytes, bool loop) {
    if (!startsWith(bytes, "OggS")) return decodeSound(bytes, loop);
    if (!oggComplete(bytes)) return nullptr;
    auto file = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    const std::unique_ptr<VorbisStream> probe = openVorbisStream(file);
    // Another rate needs SDL's resampler over the whole sound.
    if (!probe) return decodeOgg(*file, loop);
    const long long frames = probe->frames();
    if (frames <= 0 || frames > MAX_SECONDS * MIX_RATE) return nullptr;
    auto sound = std::make_shared<SoundData>();
    sound->loop = loop;
    sound->streamFrames = size_t(frames);
    sound->openStream = [file]() -> std::unique_ptr<SoundStream> { return openVorbisStream(file); };
    return sound;
}
