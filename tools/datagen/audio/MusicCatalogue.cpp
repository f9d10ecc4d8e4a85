#include "audio/MusicCatalogue.h"

#include "audio/Composer.h"
#include "audio/Dynamics.h"
#include "audio/Filters.h"
#include "audio/Loudness.h"
#include "audio/Mixer.h"
#include "audio/MusicTracks.h"
#include "audio/Sequencer.h"

namespace datagen::audio {

namespace {

// A touch of low-end cleanup and air, the same for every piece.
void equalise(StereoBuffer& buffer)
{
    for (Signal* channel : {&buffer.left, &buffer.right}) {
        Biquad rumble;
        rumble.highpass(28.0, 0.7);
        Biquad air;
        air.highShelf(9000.0, 1.5);
        for (float& x : *channel)
            x = air.process(rumble.process(x));
    }
}

} // namespace

const std::vector<MusicRecipe>& musicCatalogue()
{
    static const std::vector<MusicRecipe> catalogue{
        {"sounds/music_menu1.ogg", menuTheme},  {"sounds/music_game1.ogg", riverRock},
        {"sounds/music_game2.ogg", synthChase}, {"sounds/music_game3.ogg", breakbeatFunk},
        {"sounds/music_game4.ogg", skyAnthem},
    };
    return catalogue;
}

StereoBuffer renderMusic(const TrackStyle& style)
{
    const Song song = Composer(style).compose();
    StereoBuffer buffer = Sequencer(song).render();
    equalise(buffer);
    LimiterSettings limiter;
    limiter.ceiling = static_cast<float>(fromDecibels(kMusicCeilingDb));
    limiter.lookahead = 0.003;
    limiter.release = 0.15;
    limiter.circular = true;
    // Limiting lowers the loudness a little; a second pass brings it back to the target.
    for (int pass = 0; pass < 2; ++pass) {
        applyGain(buffer, static_cast<float>(fromDecibels(kMusicLoudness - loudnessOf(buffer))));
        limit(buffer, limiter);
    }
    return buffer;
}

} // namespace datagen::audio
