#pragma once

#include "audio/DrumKit.h"
#include "audio/Instrument.h"
#include "audio/Reverb.h"

#include <cstdint>
#include <string>
#include <vector>

namespace datagen::audio {

// A piece of music as the sequencer plays it: timed notes for each instrument and drum hits.
// Times are in beats from the start of the piece.

struct NoteEvent {
    double beat = 0.0;
    double length = 1.0; // beats held (the release rings on after)
    int midi = 60;
    float velocity = 1.0f;
};

struct DrumEvent {
    double beat = 0.0;
    Drum drum = Drum::Kick;
    float velocity = 1.0f;
};

struct PartMix {
    float gain = 1.0f;
    float pan = 0.0f;
    float spread = 0.0f;  // successive notes alternate this far left and right of pan
    float reverb = 0.15f; // send levels
    float echo = 0.0f;
    bool ducked = false; // pushed down by the kick drum
};

struct SongPart {
    std::string name;
    Patch patch;
    PartMix mix;
    std::vector<NoteEvent> notes;
};

struct Song {
    std::uint64_t seed = 1;
    double bpm = 120.0;
    double swing = 0.0; // fraction of a sixteenth by which off-beat sixteenths are late
    int bars = 32;
    std::vector<SongPart> parts;
    std::vector<DrumEvent> drums;
    DrumKitDesign kit;
    PartMix drumMix;
    Reverb::Settings reverb;
    double echoBeats = 0.75;
    float echoFeedback = 0.35f;
    float duckDepth = 0.0f;

    double beatsTotal() const { return bars * 4.0; }
    double secondsPerBeat() const { return 60.0 / bpm; }
};

} // namespace datagen::audio
