#include "audio/Composer.h"
#include "audio/Harmony.h"
#include "audio/MusicCatalogue.h"
#include "audio/MusicTracks.h"
#include "audio/Sequencer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

using namespace datagen::audio;

namespace {

std::vector<int> pitchClasses(const std::vector<int>& notes)
{
    std::vector<int> classes;
    for (int n : notes)
        classes.push_back(n % 12);
    return classes;
}

const SongPart* findPart(const Song& song, const std::string& name)
{
    for (const SongPart& part : song.parts)
        if (part.name == name)
            return &part;
    return nullptr;
}

} // namespace

TEST(Harmony, ScalesAndChordSymbols)
{
    const Scale aMinor = Scale::minor(57);
    EXPECT_EQ(aMinor.note(0), 57);
    EXPECT_EQ(aMinor.note(7), 69);
    EXPECT_EQ(aMinor.note(-1), 55);
    EXPECT_EQ(aMinor.degreeOf(60), 2);
    EXPECT_EQ(aMinor.degreeOf(56), -1); // G# is not in the scale: the G below it

    EXPECT_EQ(pitchClasses(Chord::parse("bVI").notesFrom(aMinor, 60)), (std::vector<int>{5, 9, 0})); // F A C
    EXPECT_EQ(pitchClasses(Chord::parse("V7").notesFrom(aMinor, 60)),
              (std::vector<int>{4, 8, 11, 2})); // E G# B D
    EXPECT_EQ(pitchClasses(Chord::parse("iv").notesFrom(aMinor, 60)), (std::vector<int>{2, 5, 9})); // D F A
    EXPECT_EQ(Chord::parse("i").notesFrom(aMinor, 58).front(), 69);
    EXPECT_TRUE(Chord::parse("V").hasTone(aMinor, 68));
    EXPECT_EQ(Chord::parse("bIII").rootNear(aMinor, 50, 36, 47), 36);
    EXPECT_EQ(Chord::parse("bIII").rootNear(aMinor, 50, 36, 48), 48);
    EXPECT_THROW(Chord::parse("X"), std::invalid_argument);
    EXPECT_THROW(Chord::parse("iV"), std::invalid_argument);
}

TEST(Harmony, VoiceLeadingMovesVoicesLittle)
{
    const Scale cMajor = Scale::major(60);
    VoiceLeader leader(62, 4);
    std::vector<int> previous = leader.voice(cMajor, Chord::parse("I"));
    for (const char* symbol : {"V", "vi", "IV", "I", "bVII", "ii7"}) {
        const std::vector<int> next = leader.voice(cMajor, Chord::parse(symbol));
        ASSERT_EQ(next.size(), 4u);
        int moved = 0;
        for (std::size_t v = 0; v < next.size(); ++v)
            moved += std::abs(next[v] - previous[v]);
        EXPECT_LE(moved, 12) << symbol;
        EXPECT_TRUE(std::is_sorted(next.begin(), next.end()));
        for (int note : next)
            EXPECT_TRUE(Chord::parse(symbol).hasTone(cMajor, note)) << symbol;
        previous = next;
    }
}

// Every piece: its length, sections, parts and notes in range, and the notes that start a bar are
// tones of the chord under them. No two pieces share a tempo, a key or a bass rhythm.
TEST(Composer, EveryPieceIsWellFormedInTuneAndItsOwn)
{
    std::set<double> tempos;
    std::set<int> keys;
    std::set<std::string> bassLines;
    for (const MusicRecipe& recipe : musicCatalogue()) {
        SCOPED_TRACE(recipe.path);
        const TrackStyle style = recipe.style();
        tempos.insert(style.bpm);
        keys.insert(style.scale.tonic % 12);
        bassLines.insert(style.bassRhythm);
        const Composer composer(style);
        const Song song = composer.compose();
        for (const char* name : {"bass", "pad", "arp"})
            EXPECT_NE(findPart(song, name), nullptr) << name;
        EXPECT_GT(song.drums.size(), 200u);
        const SongPart* lead = findPart(song, "lead");
        ASSERT_NE(lead, nullptr);
        // Every note lies inside the piece (its release may ring over the loop point).
        for (const SongPart& part : song.parts)
            for (const NoteEvent& note : part.notes) {
                ASSERT_GE(note.beat, 0.0);
                ASSERT_LT(note.beat, song.beatsTotal());
                ASSERT_GT(note.length, 0.0);
                ASSERT_GE(note.midi, 24);
                ASSERT_LE(note.midi, 100);
            }
        // Notes that start a bar are tones of the chord under them.
        const std::vector<Composer::ChordSpan> timeline = composer.chordTimeline();
        int onBar = 0;
        int chordTones = 0;
        for (const NoteEvent& note : lead->notes) {
            if (std::fmod(note.beat, 4.0) != 0.0)
                continue;
            ++onBar;
            for (const Composer::ChordSpan& span : timeline)
                if (note.beat >= span.beat && note.beat < span.beat + span.length &&
                    span.chord.hasTone(style.scale, note.midi))
                    ++chordTones;
        }
        ASSERT_GT(onBar, 8);
        EXPECT_GE(chordTones * 10, onBar * 9);
    }
    EXPECT_EQ(tempos.size(), musicCatalogue().size());
    EXPECT_EQ(keys.size(), musicCatalogue().size());
    EXPECT_EQ(bassLines.size(), musicCatalogue().size());
}

TEST(Sequencer, LoopIsExactAndTheLastBarRingsIntoTheFirst)
{
    TrackStyle style = menuTheme();
    style.sections.resize(2); // keep the test short
    Song song = Composer(style).compose();
    const Sequencer sequencer(song);
    EXPECT_EQ(sequencer.loopFrames(), samplesFor(song.beatsTotal() * song.secondsPerBeat()));

    // A single long note at the very end: its release and reverb must appear at the start.
    Song tail;
    tail.bpm = 120.0;
    tail.bars = 2;
    SongPart part{"pad", style.pad, style.padMix, {{7.0, 1.0, 60, 1.0f}}};
    tail.parts.push_back(part);
    const StereoBuffer out = Sequencer(tail).render();
    ASSERT_EQ(out.frames(), samplesFor(4.0));
    float startLevel = 0.0f;
    for (std::size_t i = 0; i < samplesFor(0.2); ++i)
        startLevel = std::max(startLevel, std::fabs(out.left[i]));
    EXPECT_GT(startLevel, 0.001f);
}
