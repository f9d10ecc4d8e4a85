// Replay files are given on the command line and may have been edited or damaged anywhere.
#include "pilots/ReplayFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<NVolant::ReplayFile> replay = NVolant::ReplayFile::parse(text);
    if (!replay)
        return 0;
    // Whatever was accepted is in range, and writes back to text that reads the same.
    NVolant::ReplayCursor cursor(*replay);
    int frames = 0;
    while (!cursor.atEnd()) {
        const NVolant::PlayerControls in = cursor.next();
        if ((in.steer && (in.steer->x < 0 || in.steer->x > 799 || in.steer->y < 0 || in.steer->y > 599)) ||
            in.typed.size() > NVolant::ReplayFile::kMaxKeys)
            std::abort();
        ++frames;
    }
    if (frames != replay->frameCount)
        std::abort();
    const std::optional<NVolant::ReplayFile> again = NVolant::ReplayFile::parse(replay->text());
    if (!again || again->changes != replay->changes || again->level != replay->level ||
        again->seed != replay->seed)
        std::abort();
    return 0;
}
