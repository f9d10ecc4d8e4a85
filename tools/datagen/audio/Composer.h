#pragma once

#include "audio/Harmony.h"
#include "audio/Song.h"
#include "audio/TrackStyle.h"

#include <vector>

namespace datagen::audio {

// Writes the notes of a piece from its style: the chord timeline of all sections, a bass line, a
// voice-led pad, a rhythmic accompaniment, arpeggios, drums with fills, and two themes. A theme is
// a two-bar motif stored as scale steps above the chord root, so each time it comes back it
// follows the harmony under it while keeping its shape: the same chords give the same tune.
class Composer final {
public:
    explicit Composer(const TrackStyle& style) : m_style(style) {}

    Song compose() const;

    struct ChordSpan {
        double beat;
        double length;
        Chord chord;
    };
    // The chords of the whole piece in order.
    std::vector<ChordSpan> chordTimeline() const;

private:
    struct MotifNote {
        int step;   // sixteenth inside the two bars
        int length; // in sixteenths
        int offset; // scale steps above the chord root
    };
    using Motif = std::vector<MotifNote>;

    Motif makeMotif(const std::string& rhythm, std::uint64_t seed, bool cadence) const;
    const ChordSpan& chordAt(const std::vector<ChordSpan>& timeline, double beat) const;
    int pitchOf(const Chord& chord, int root, int offset) const;

    void writeMelody(SongPart& lead, SongPart& harmony, const std::vector<ChordSpan>& timeline) const;
    void writeBass(SongPart& bass, const std::vector<ChordSpan>& timeline) const;
    void writePad(SongPart& pad, const std::vector<ChordSpan>& timeline) const;
    void writeComp(SongPart& comp, const std::vector<ChordSpan>& timeline) const;
    void writeArp(SongPart& arp, const std::vector<ChordSpan>& timeline) const;
    void writeDrums(Song& song) const;

    const TrackStyle& m_style;
};

} // namespace datagen::audio
