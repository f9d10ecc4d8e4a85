#pragma once

#include <array>
#include <string>
#include <vector>

namespace datagen::audio {

// Scales and chords for the music sequencer. Pitches are MIDI note numbers (60 = middle C).

struct Scale {
    int tonic = 57;                                 // a MIDI note of the key's tonic
    std::array<int, 7> steps{0, 2, 3, 5, 7, 8, 10}; // semitones above the tonic (natural minor)

    static Scale minor(int tonic) { return {tonic, {0, 2, 3, 5, 7, 8, 10}}; }
    static Scale major(int tonic) { return {tonic, {0, 2, 4, 5, 7, 9, 11}}; }
    static Scale dorian(int tonic) { return {tonic, {0, 2, 3, 5, 7, 9, 10}}; }
    static Scale mixolydian(int tonic) { return {tonic, {0, 2, 4, 5, 7, 9, 10}}; }

    // The note of a scale degree counted from the tonic (0-based; negative and >= 7 wrap into
    // other octaves).
    int note(int degree) const;
    // The scale degree whose pitch class is nearest to the given note, below it on a tie.
    int degreeOf(int midi) const;
    bool contains(int midi) const;
};

// A chord written as in a lead sheet relative to the key: a Roman numeral (upper case major,
// lower case minor) with an optional flat or sharp before it and a suffix: "7", "maj7", "sus4",
// "sus2", "dim", "5" (power chord), "add9". Examples: "i", "bVI", "V7", "ii7", "IVmaj7", "bVII5".
class Chord final {
public:
    static Chord parse(const std::string& symbol);

    int rootOffset() const { return m_root; } // semitones above the tonic
    // Chord tones as semitones above the root, lowest first (root, third, fifth[, seventh]).
    const std::vector<int>& intervals() const { return m_intervals; }
    // Chord tones of the chord placed in the octave starting at or above `floor`.
    std::vector<int> notesFrom(const Scale& scale, int floor) const;
    // The root nearest to `target` inside [low, high].
    int rootNear(const Scale& scale, int target, int low, int high) const;
    // Whether a note is one of the chord's tones (any octave).
    bool hasTone(const Scale& scale, int midi) const;
    const std::string& symbol() const { return m_symbol; }

private:
    std::string m_symbol;
    int m_root = 0;
    std::vector<int> m_intervals;
};

// Keeps the accompaniment's chord voicings close to each other: each chord is voiced with its
// tones in the register around `centre`, choosing the inversion that moves the voices least.
class VoiceLeader final {
public:
    VoiceLeader(int centre, int voices) : m_centre(centre), m_voices(voices) {}
    std::vector<int> voice(const Scale& scale, const Chord& chord);

private:
    int m_centre;
    int m_voices;
    std::vector<int> m_previous;
};

} // namespace datagen::audio
