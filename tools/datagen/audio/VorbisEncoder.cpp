#include "audio/VorbisEncoder.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <stdexcept>

namespace datagen::audio {

namespace {

// Owns the libvorbis and libogg state of one encoding run.
class EncoderState final {
public:
    EncoderState(int channels, float quality, int serial)
    {
        vorbis_info_init(&m_info);
        if (vorbis_encode_init_vbr(&m_info, channels, kSampleRate, quality) != 0) {
            vorbis_info_clear(&m_info);
            throw std::runtime_error("vorbis encoder rejected its settings");
        }
        vorbis_comment_init(&m_comment);
        vorbis_comment_add_tag(&m_comment, "ENCODER", "skyvane datagen");
        vorbis_analysis_init(&m_dsp, &m_info);
        vorbis_block_init(&m_dsp, &m_block);
        ogg_stream_init(&m_stream, serial);
    }
    ~EncoderState()
    {
        ogg_stream_clear(&m_stream);
        vorbis_block_clear(&m_block);
        vorbis_dsp_clear(&m_dsp);
        vorbis_comment_clear(&m_comment);
        vorbis_info_clear(&m_info);
    }
    EncoderState(const EncoderState&) = delete;
    EncoderState& operator=(const EncoderState&) = delete;

    void writeHeaders(std::vector<std::uint8_t>& out)
    {
        ogg_packet identification;
        ogg_packet comments;
        ogg_packet codebooks;
        vorbis_analysis_headerout(&m_dsp, &m_comment, &identification, &comments, &codebooks);
        ogg_stream_packetin(&m_stream, &identification);
        ogg_stream_packetin(&m_stream, &comments);
        ogg_stream_packetin(&m_stream, &codebooks);
        // The audio starts on a fresh page, as the Ogg Vorbis mapping asks.
        ogg_page page;
        while (ogg_stream_flush(&m_stream, &page) != 0)
            append(out, page);
    }

    void write(const std::vector<const Signal*>& channels, std::size_t frames, std::vector<std::uint8_t>& out)
    {
        constexpr std::size_t kChunk = 4096;
        for (std::size_t start = 0; start < frames; start += kChunk) {
            const std::size_t count = std::min(kChunk, frames - start);
            float** buffer = vorbis_analysis_buffer(&m_dsp, static_cast<int>(count));
            for (std::size_t c = 0; c < channels.size(); ++c)
                std::copy_n(channels[c]->data() + start, count, buffer[c]);
            vorbis_analysis_wrote(&m_dsp, static_cast<int>(count));
            drain(out);
        }
        vorbis_analysis_wrote(&m_dsp, 0); // end of stream
        drain(out);
    }

private:
    static void append(std::vector<std::uint8_t>& out, const ogg_page& page)
    {
        out.insert(out.end(), page.header, page.header + page.header_len);
        out.insert(out.end(), page.body, page.body + page.body_len);
    }

    void drain(std::vector<std::uint8_t>& out)
    {
        while (vorbis_analysis_blockout(&m_dsp, &m_block) == 1) {
            vorbis_analysis(&m_block, nullptr);
            vorbis_bitrate_addblock(&m_block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&m_dsp, &packet) != 0) {
                ogg_stream_packetin(&m_stream, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&m_stream, &page) != 0)
                    append(out, page);
            }
        }
        ogg_page page;
        if (ogg_stream_eos(&m_stream) != 0)
            while (ogg_stream_flush(&m_stream, &page) != 0)
                append(out, page);
    }

    vorbis_info m_info{};
    vorbis_comment m_comment{};
    vorbis_dsp_state m_dsp{};
    vorbis_block m_block{};
    ogg_stream_state m_stream{};
};

} // namespace

VorbisEncoder::VorbisEncoder(float quality, int serial) : m_quality(quality), m_serial(serial)
{
}

std::vector<std::uint8_t> VorbisEncoder::encode(const Signal& mono) const
{
    return encodeChannels({&mono});
}

std::vector<std::uint8_t> VorbisEncoder::encode(const StereoBuffer& stereo) const
{
    if (stereo.left.size() != stereo.right.size())
        throw std::runtime_error("stereo channels of different lengths");
    return encodeChannels({&stereo.left, &stereo.right});
}

std::vector<std::uint8_t> VorbisEncoder::encodeChannels(const std::vector<const Signal*>& channels) const
{
    EncoderState state(static_cast<int>(channels.size()), m_quality, m_serial);
    std::vector<std::uint8_t> out;
    state.writeHeaders(out);
    state.write(channels, channels.front()->size(), out);
    return out;
}

} // namespace datagen::audio
