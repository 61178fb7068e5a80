// Ogg Vorbis and WAV encoding of the synthesiser's buffers.
#include "encode.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace audio {

namespace {

constexpr int OGG_SERIAL = 0x50454e44;  // fixed, so the same sound always gives the same bytes
constexpr size_t BLOCK = 4096;          // samples per channel handed to the encoder at a time

// libvorbis state for one stream, released in the right order on every path.
class VorbisStream {
public:
    VorbisStream(int channels, float quality) {
        vorbis_info_init(&info_);
        if (vorbis_encode_init_vbr(&info_, channels, RATE, quality) != 0) {
            vorbis_info_clear(&info_);
            throw std::runtime_error("vorbis encoder refused the settings");
        }
        vorbis_comment_init(&comment_);
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, OGG_SERIAL);
    }
    ~VorbisStream() {
        ogg_stream_clear(&stream_);
        vorbis_block_clear(&block_);
        vorbis_dsp_clear(&dsp_);
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    VorbisStream(const VorbisStream&) = delete;
    VorbisStream& operator=(const VorbisStream&) = delete;

    // The three header packets, flushed onto pages of their own.
    void writeHeaders(tools::Bytes& out) {
        ogg_packet id, comments, codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &id, &comments, &codebooks);
        ogg_stream_packetin(&stream_, &id);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &codebooks);
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) append(out, page);
    }

    // Hands `frames` samples per channel from `first` on to the encoder; 0 frames ends the stream.
    void feed(const std::vector<const Samples*>& channels, size_t first, size_t frames, tools::Bytes& out) {
        if (frames > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp_, int(frames));
            for (size_t c = 0; c < channels.size(); ++c) {
                for (size_t i = 0; i < frames; ++i) buffer[c][i] = std::clamp((*channels[c])[first + i], -1.0f, 1.0f);
            }
        }
        vorbis_analysis_wrote(&dsp_, int(frames));
        drain(out);
    }

private:
    void drain(tools::Bytes& out) {
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
                ogg_stream_packetin(&stream_, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream_, &page) != 0) append(out, page);
            }
        }
        ogg_page page;
        if (stream_.e_o_s) {
            while (ogg_stream_flush(&stream_, &page) != 0) append(out, page);
        }
    }

    static void append(tools::Bytes& out, const ogg_page& page) {
        out.insert(out.end(), page.header, page.header + page.header_len);
        out.insert(out.end(), page.body, page.body + page.body_len);
    }

    vorbis_info info_;
    vorbis_comment comment_;
    vorbis_dsp_state dsp_;
    vorbis_block block_;
    ogg_stream_state stream_;
};

void put16(tools::Bytes& out, uint16_t value) {
    out.push_back(uint8_t(value & 0xFF));
    out.push_back(uint8_t(value >> 8));
}

void put32(tools::Bytes& out, uint32_t value) {
    put16(out, uint16_t(value & 0xFFFF));
    put16(out, uint16_t(value >> 16));
}

void putText(tools::Bytes& out, const char* text) {
    for (; *text != '\0'; ++text) out.push_back(uint8_t(*text));
}

}  // namespace

tools::Bytes encodeOgg(const std::vector<const Samples*>& channels, float quality) {
    if (channels.empty() || channels.size() > 2) throw std::runtime_error("ogg: one or two channels");
    const size_t length = channels.front()->size();
    for (const Samples* channel : channels) {
        if (channel->size() != length) throw std::runtime_error("ogg: channels differ in length");
    }
    VorbisStream stream(int(channels.size()), quality);
    tools::Bytes out;
    stream.writeHeaders(out);
    for (size_t first = 0; first < length; first += BLOCK) {
        stream.feed(channels, first, std::min(BLOCK, length - first), out);
    }
    stream.feed(channels, length, 0, out);
    return out;
}

tools::Bytes encodeWav(const Samples& mono) {
    const uint32_t dataSize = uint32_t(mono.size() * 2);
    tools::Bytes out;
    putText(out, "RIFF");
    put32(out, 36 + dataSize);
    putText(out, "WAVEfmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, RATE);
    put32(out, RATE * 2);
    put16(out, 2);
    put16(out, 16);
    putText(out, "data");
    put32(out, dataSize);
    for (float x : mono) {
        const long value = std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f);
        put16(out, uint16_t(int16_t(value)));
    }
    return out;
}

}  // namespace audio
