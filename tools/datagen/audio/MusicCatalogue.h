#pragma once

#include "audio/AudioBuffer.h"
#include "audio/TrackStyle.h"

#include <functional>
#include <string>
#include <vector>

namespace datagen::audio {

struct MusicRecipe {
    std::string path;
    std::function<TrackStyle()> style;
};

// The menu theme and the four game tracks, in the order the game numbers them.
const std::vector<MusicRecipe>& musicCatalogue();

// Integrated loudness the pieces are mastered to, and their sample ceiling.
constexpr double kMusicLoudness = -16.0;
constexpr double kMusicCeilingDb = -2.0;

// Composes, plays and masters a piece: exactly loop-length, at the target loudness, peaks held
// under the ceiling by a limiter that treats the piece as the loop it is.
StereoBuffer renderMusic(const TrackStyle& style);

} // namespace datagen::audio
