#include "audio/VorbisDecoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <cmath>

namespace datagen::audio {

namespace {

struct MemoryFile {
    const std::vector<std::uint8_t>* bytes;
    std::size_t position;
};

std::size_t readMemory(void* destination, std::size_t size, std::size_t count, void* source)
{
    auto* file = static_cast<MemoryFile*>(source);
    const std::size_t wanted = size * count;
    const std::size_t left = file->bytes->size() - file->position;
    const std::size_t taken = std::min(wanted, left);
    std::memcpy(destination, file->bytes->data() + file->position, taken);
    file->position += taken;
    return size == 0 ? 0 : taken / size;
}

int seekMemory(void* source, ogg_int64_t offset, int whence)
{
    auto* file = static_cast<MemoryFile*>(source);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR)
        base = static_cast<ogg_int64_t>(file->position);
    else if (whence == SEEK_END)
        base = static_cast<ogg_int64_t>(file->bytes->size());
    const ogg_int64_t target = base + offset;
    if (target < 0 || target > static_cast<ogg_int64_t>(file->bytes->size()))
        return -1;
    file->position = static_cast<std::size_t>(target);
    return 0;
}

long tellMemory(void* source)
{
    return static_cast<long>(static_cast<MemoryFile*>(source)->position);
}

} // namespace

DecodedAudio decodeVorbis(const std::vector<std::uint8_t>& bytes)
{
    DecodedAudio result;
    MemoryFile file{&bytes, 0};
    OggVorbis_File vf;
    const ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
    if (ov_open_callbacks(&file, &vf, nullptr, 0, callbacks) != 0) {
        result.error = "not an Ogg Vorbis stream";
        return result;
    }
    const vorbis_info* info = ov_info(&vf, -1);
    result.channels = info->channels;
    result.rate = info->rate;
    result.samples.assign(static_cast<std::size_t>(info->channels), {});
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long got = ov_read_float(&vf, &pcm, 4096, &section);
        if (got == 0)
            break;
        if (got < 0) {
            result.error = "corrupt audio data";
            ov_clear(&vf);
            return result;
        }
        for (int c = 0; c < result.channels; ++c)
            result.samples[static_cast<std::size_t>(c)].insert(
                result.samples[static_cast<std::size_t>(c)].end(), pcm[c], pcm[c] + got);
    }
    ov_clear(&vf);
    result.ok = true;
    return result;
}

float DecodedAudio::peak() const
{
    float result = 0.0f;
    for (const std::vector<float>& channel : samples)
        for (float x : channel)
            result = std::max(result, std::fabs(x));
    return result;
}

} // namespace datagen::audio
