#pragma once

#include "audio/TrackStyle.h"

namespace datagen::audio {

// The game's five pieces. The menu theme is calm and broad; the four game tracks are fast and
// each has its own genre, key and tempo so that successive levels sound different.
TrackStyle menuTheme();     // D minor, 96 bpm: pads, bells and a soft lead
TrackStyle riverRock();     // E minor, 150 bpm: distorted chords and a saw lead
TrackStyle synthChase();    // A minor, 164 bpm: four on the floor, pumping bass, arpeggios
TrackStyle breakbeatFunk(); // G dorian, 126 bpm: syncopated bass, clavinet, brass
TrackStyle skyAnthem();     // C major, 140 bpm: galloping bass, strings and brass

} // namespace datagen::audio
