#pragma once

#include "audio/Harmony.h"
#include "audio/Song.h"

#include <cstdint>
#include <string>
#include <vector>

namespace datagen::audio {

// How a piece is written: its key, tempo, instruments, rhythms and the sections it runs through.
// The composer turns it into notes. Rhythm strings have one character per sixteenth note.

// One bar of drums. 'x' a full hit, 'o' a soft (ghost) one, '.' nothing.
struct DrumPattern {
    std::string kick;
    std::string snare;
    std::string hat;
    std::string openHat;
    std::string perc; // played on `percDrum`
    Drum percDrum = Drum::Shaker;
};

struct Section {
    std::string name;
    // One chord per bar, or "a|b" for two chords of half a bar each.
    std::vector<std::string> chords;
    int melody = 0;       // 0 none, 1 the main theme, 2 the second theme
    int melodyOctave = 0; // +1 for the climax
    bool harmony = false; // a second voice a third below the melody
    int drums = 0;        // index into the style's drum patterns, -1 for none
    bool bass = true;
    bool pad = true;
    bool comp = true; // the rhythmic accompaniment
    bool arp = false;
    bool fill = true;  // a drum fill in the last bar
    bool crash = true; // a crash cymbal on the first beat
    float intensity = 1.0f;
};

struct TrackStyle {
    std::uint64_t seed = 1;
    double bpm = 120.0;
    double swing = 0.0;
    Scale scale;
    std::vector<Section> sections;
    std::vector<DrumPattern> drumPatterns;
    DrumKitDesign kit;
    // Bass rhythm over one bar: 'r' root, 'f' fifth, 'o' octave above, 't' third, 'a' approach to
    // the next chord's root (a semitone below it), '-' holds, '.' rests.
    std::string bassRhythm = "r-r-r-r-r-r-r-f-";
    int bassLow = 33; // register of the bass roots
    int bassHigh = 44;
    // Rhythmic accompaniment over one bar: 'x' strikes the chord, '-' holds, '.' rests.
    std::string compRhythm = "..x-..x-..x-..x-";
    int compCentre = 62;
    int compVoices = 3;
    int padCentre = 60;
    int padVoices = 4;
    // Theme rhythms over two bars ('x' starts a note, '-' holds it, '.' rests), and the rhythm of
    // the two bars that close each eight-bar phrase.
    std::string themeRhythmA;
    std::string themeRhythmB;
    std::string cadenceRhythm;
    int melodyCentre = 72;
    std::string arpPattern = "0123210301232103"; // chord-tone indexes, one per sixteenth
    int arpCentre = 72;
    Patch lead;
    Patch bass;
    Patch pad;
    Patch comp;
    Patch arp;
    PartMix leadMix;
    PartMix bassMix;
    PartMix padMix;
    PartMix compMix;
    PartMix arpMix;
    PartMix drumMix;
    Reverb::Settings reverb;
    double echoBeats = 0.75;
    float echoFeedback = 0.3f;
    float duckDepth = 0.0f;
};

} // namespace datagen::audio
