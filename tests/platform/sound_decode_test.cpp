// Loading sounds: WAV and Ogg Vorbis files written here become stereo float at the mixer
// rate with their length and level intact; missing, empty and damaged files load as none.
#include <gtest/gtest.h>
#include <unistd.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "platform/decode_ahead.h"
#include "platform/mixer.h"

namespace {

namespace fs = std::filesystem;

// A sine of `hz` at `amplitude` on the left and half that on the right (or mono), as floats.
std::vector<float> sine(int rate, int channels, int frames, float hz, float amplitude) {
    std::vector<float> samples;
    for (int i = 0; i < frames; ++i) {
        const float value = amplitude * std::sin(2.0f * std::numbers::pi_v<float> * hz * float(i) / float(rate));
        samples.push_back(value);
        if (channels == 2) samples.push_back(value / 2);
    }
    return samples;
}

// A second of white noise, which fills many Ogg pages.
std::vector<float> noise(int rate) {
    std::vector<float> samples;
    uint32_t state = 12345;
    for (int i = 0; i < rate; ++i) {
        state = state * 1664525u + 1013904223u;
        samples.push_back(float(state >> 8) / float(1 << 24) - 0.5f);
    }
    return samples;
}

void put16(std::string& out, uint16_t value) {
    out += char(value & 0xFF);
    out += char(value >> 8);
}

void put32(std::string& out, uint32_t value) {
    put16(out, uint16_t(value & 0xFFFF));
    put16(out, uint16_t(value >> 16));
}

// A 16-bit PCM WAV file.
std::string wavBytes(int rate, int channels, const std::vector<float>& samples) {
    const uint32_t dataSize = uint32_t(samples.size() * 2);
    std::string out = "RIFF";
    put32(out, 36 + dataSize);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);
    put16(out, uint16_t(channels));
    put32(out, uint32_t(rate));
    put32(out, uint32_t(rate * channels * 2));
    put16(out, uint16_t(channels * 2));
    put16(out, 16);
    out += "data";
    put32(out, dataSize);
    for (float sample : samples) put16(out, uint16_t(int16_t(std::lround(sample * 32767.0f))));
    return out;
}

void appendPage(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), size_t(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), size_t(page.body_len));
}

// Feeds one block of samples (none at the end) to the encoder and collects the pages it makes.
void encodeBlock(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream, std::string& out,
                 const float* samples, int channels, int frames) {
    if (frames > 0) {
        float** buffer = vorbis_analysis_buffer(&dsp, frames);
        for (int i = 0; i < frames; ++i) {
            for (int c = 0; c < channels; ++c) buffer[c][i] = samples[i * channels + c];
        }
    }
    vorbis_analysis_wrote(&dsp, frames);
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            while (ogg_stream_pageout(&stream, &page)) appendPage(out, page);
        }
    }
}

// An Ogg Vorbis file of the interleaved samples.
std::string oggBytes(int rate, int channels, const std::vector<float>& samples) {
    vorbis_info info;
    vorbis_info_init(&info);
    EXPECT_EQ(vorbis_encode_init_vbr(&info, channels, rate, 0.5f), 0);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    ogg_packet headers[3];
    vorbis_analysis_headerout(&dsp, &comment, &headers[0], &headers[1], &headers[2]);
    for (ogg_packet& header : headers) ogg_stream_packetin(&stream, &header);
    std::string out;
    ogg_page page;
    while (ogg_stream_flush(&stream, &page)) appendPage(out, page);
    const int frames = int(samples.size()) / channels;
    for (int start = 0; start < frames; start += 1024) {
        encodeBlock(dsp, block, stream, out, samples.data() + start * channels, channels,
                    std::min(1024, frames - start));
    }
    encodeBlock(dsp, block, stream, out, nullptr, channels, 0);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

float peak(const SoundData& sound, int side) {
    float result = 0;
    for (size_t i = size_t(side); i < sound.samples.size(); i += 2) {
        result = std::max(result, std::abs(sound.samples[i]));
    }
    return result;
}

class SoundFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("pendrel-sound-" + std::to_string(getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Writes the bytes to a file in the test folder; its name as the game passes it.
    String write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return toString16((folder / name).string());
    }

    fs::path folder;
};

TEST_F(SoundFiles, WavIsConvertedToStereoAtTheMixRate) {
    // Half a second of mono at 22050 Hz becomes half a second at 44100 Hz, alike on both sides.
    const Sound mono = loadSound(write("mono.wav", wavBytes(22050, 1, sine(22050, 1, 11025, 441, 0.5f))), 1);
    ASSERT_TRUE(mono);
    EXPECT_TRUE(mono->loop);
    EXPECT_NEAR(double(mono->frames()), MIX_RATE / 2, 64);
    EXPECT_NEAR(peak(*mono, 0), 0.5f, 0.02f);
    EXPECT_NEAR(peak(*mono, 1), 0.5f, 0.02f);
    EXPECT_FLOAT_EQ(mono->samples[2001], mono->samples[2000]);
    // Stereo at the mix rate keeps its sides and samples.
    const std::vector<float> samples = sine(MIX_RATE, 2, 4410, 441, 0.8f);
    const Sound stereo = loadSound(write("stereo.wav", wavBytes(MIX_RATE, 2, samples)), 0);
    ASSERT_TRUE(stereo);
    EXPECT_FALSE(stereo->loop);
    ASSERT_EQ(stereo->frames(), 4410u);
    for (size_t i = 0; i < samples.size(); i += 97) EXPECT_NEAR(stereo->samples[i], samples[i], 1e-4) << i;
}

TEST_F(SoundFiles, OggIsDecodedAndResampled) {
    // A quarter second of stereo at 48000 Hz.
    const Sound sound = loadSound(write("tone.ogg", oggBytes(48000, 2, sine(48000, 2, 12000, 440, 0.5f))), 0);
    ASSERT_TRUE(sound);
    EXPECT_NEAR(double(sound->frames()), MIX_RATE / 4, 64);
    EXPECT_NEAR(peak(*sound, 0), 0.5f, 0.05f);
    EXPECT_NEAR(peak(*sound, 1), 0.25f, 0.03f);
}

TEST_F(SoundFiles, MissingEmptyAndDamagedFilesLoadAsNone) {
    const std::string wav = wavBytes(22050, 1, sine(22050, 1, 2205, 441, 0.5f));
    const std::string ogg = oggBytes(22050, 1, noise(22050));
    const std::pair<const char*, std::string> broken[] = {
        {"empty.wav", ""},
        {"empty.ogg", ""},
        {"half.wav", wav.substr(0, wav.size() / 2)},
        {"header.wav", wav.substr(0, 44)},
        {"nodata.wav", wavBytes(22050, 1, {})},
        {"half.ogg", ogg.substr(0, ogg.size() / 2)},
        {"short.ogg", ogg.substr(0, ogg.size() - 1)},
        {"pages.ogg", ogg.substr(0, ogg.rfind("OggS"))},  // whole pages, but not the last
        {"magic.ogg", "OggS"},
        {"noise.ogg", std::string(5000, '\x5A')},
    };
    for (const auto& [name, bytes] : broken) EXPECT_FALSE(loadSound(write(name, bytes), 0)) << name;
    EXPECT_FALSE(loadSound(toString16((folder / "missing.ogg").string()), 0));
    EXPECT_FALSE(loadSound(toString16(folder.string()), 0));  // a folder, not a file
    EXPECT_TRUE(loadSound(write("whole.ogg", ogg), 0));
}

// A tone with noise on it, so that every sample differs and a shifted stream shows.
std::vector<float> music(int channels, int frames) {
    std::vector<float> samples = sine(MIX_RATE, channels, frames, 330, 0.4f);
    const std::vector<float> hiss = noise(frames * channels);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] += 0.2f * hiss[i];
    return samples;
}

// `total` frames of one channel playing the sound from its start, mixed in pieces of `piece`.
std::vector<float> played(const Sound& sound, size_t total, int piece) {
    Mixer mixer;
    mixer.play(sound, {}, false);
    std::vector<float> out(2 * total);
    for (size_t done = 0; done < total; done += size_t(piece))
        mixer.mix(out.data() + 2 * done, int(std::min(size_t(piece), total - done)));
    return out;
}

TEST_F(SoundFiles, StreamedMusicGivesTheSamplesOfTheWholeDecodeAcrossTheLoop) {
    for (int channels : {1, 2}) {
        const String name = write("music.ogg", oggBytes(MIX_RATE, channels, music(channels, MIX_RATE * 3 / 2)));
        const Sound whole = loadSound(name, SOUND_LOOP);
        const Sound streamed = loadSound(name, SOUND_LOOP | SOUND_STREAM);
        ASSERT_TRUE(whole && streamed) << channels;
        EXPECT_TRUE(streamed->samples.empty());
        EXPECT_TRUE(streamed->loop);
        ASSERT_EQ(streamed->frames(), whole->frames()) << channels;
        EXPECT_NEAR(double(whole->frames()), MIX_RATE * 1.5, 64);
        if (channels == 1) {
            EXPECT_EQ(whole->samples[2001], whole->samples[2000]);
        }
        // Two and a half times through: the first seconds and twice across the loop point.
        const size_t total = whole->frames() * 5 / 2;
        EXPECT_EQ(played(streamed, total, 1024), played(whole, total, 1024)) << channels;
        EXPECT_EQ(played(streamed, total, 333), played(whole, total, 1000)) << channels;
    }
}

TEST_F(SoundFiles, StreamedMusicSkippedSilentlyGoesOnFromTheRightPlaceAndEnds) {
    const String name = write("music.ogg", oggBytes(MIX_RATE, 2, music(2, MIX_RATE)));
    const Sound whole = loadSound(name, SOUND_LOOP);
    const Sound streamed = loadSound(name, SOUND_LOOP | SOUND_STREAM);
    ASSERT_TRUE(whole && streamed);
    Mixer silent, heard;
    silent.play(streamed, {}, false);
    heard.play(whole, {}, false);
    std::vector<float> skipped(2 * whole->frames()), expected(2 * whole->frames());
    for (size_t frames : {size_t(30000), whole->frames() - 100}) {
        silent.skip(frames);
        heard.mix(expected.data(), int(frames));
        silent.mix(skipped.data(), 20000);
        heard.mix(expected.data(), 20000);
        EXPECT_EQ(std::vector<float>(skipped.begin(), skipped.begin() + 40000),
                  std::vector<float>(expected.begin(), expected.begin() + 40000));
    }
    // Played once, the stream ends with its length as the whole sound does.
    const Sound once = loadSound(name, SOUND_STREAM);
    ASSERT_TRUE(once);
    const Channel channel = silent.play(once, {}, false);
    silent.skip(once->frames() - 1);
    EXPECT_TRUE(silent.playing(channel));
    silent.mix(skipped.data(), 2);
    EXPECT_FALSE(silent.playing(channel));
}

TEST_F(SoundFiles, DamagedMusicStreamsAsNothing) {
    const std::string ogg = oggBytes(MIX_RATE, 2, music(2, MIX_RATE / 2));
    EXPECT_FALSE(loadSound(write("half.ogg", ogg.substr(0, ogg.size() / 2)), SOUND_STREAM));
    EXPECT_FALSE(loadSound(write("magic.ogg", "OggS"), SOUND_STREAM));
    EXPECT_FALSE(loadSound(toString16((folder / "missing.ogg").string()), SOUND_STREAM));
    // Another rate is resampled whole, as before.
    const Sound other = loadSound(write("tone.ogg", oggBytes(48000, 1, sine(48000, 1, 4800, 440, 0.5f))), SOUND_STREAM);
    ASSERT_TRUE(other);
    EXPECT_FALSE(other->samples.empty());
}

TEST_F(SoundFiles, NamedSoundsLoadTheSameSamplesEachWithItsOwnLoopFlag) {
    const String ogg = write("effect.ogg", oggBytes(MIX_RATE, 1, music(1, MIX_RATE / 4)));
    const String wav = write("effect.wav", wavBytes(22050, 1, sine(22050, 1, 2205, 441, 0.5f)));
    const Sound plainOgg = loadSound(ogg, 0), plainWav = loadSound(wav, 0);
    decodeAhead({ogg, wav, ogg});
    waitForDecodeAhead();
    const Sound looping = loadSound(ogg, SOUND_LOOP);
    const Sound once = loadSound(ogg, 0);
    const Sound named = loadSound(wav, 0);
    EXPECT_EQ(decodeAheadTaken(), 3);
    ASSERT_TRUE(looping && once && named);
    EXPECT_TRUE(looping->loop);
    EXPECT_FALSE(once->loop);
    EXPECT_NE(looping, once);
    EXPECT_EQ(looping->samples, plainOgg->samples);
    EXPECT_EQ(once->samples, plainOgg->samples);
    EXPECT_EQ(named->samples, plainWav->samples);
}

}  // namespace
