#include "audio/Composer.h"

#include "audio/Random.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace datagen::audio {

namespace {

constexpr double kStep = 0.25; // a sixteenth, in beats

// Length in steps of the note starting at `start`: the start itself plus the holds after it.
int heldLength(const std::string& rhythm, std::size_t start)
{
    int length = 1;
    for (std::size_t i = start + 1; i < rhythm.size() && rhythm[i] == '-'; ++i)
        ++length;
    return length;
}

float hitVelocity(char c)
{
    return c == 'x' ? 1.0f : (c == 'o' ? 0.5f : 0.0f);
}

// First bar of every section, so that the composer can tell sections apart.
std::vector<int> sectionStarts(const TrackStyle& style)
{
    std::vector<int> starts;
    int bar = 0;
    for (const Section& section : style.sections) {
        starts.push_back(bar);
        bar += static_cast<int>(section.chords.size());
    }
    return starts;
}

} // namespace

std::vector<Composer::ChordSpan> Composer::chordTimeline() const
{
    std::vector<ChordSpan> timeline;
    double beat = 0.0;
    for (const Section& section : m_style.sections)
        for (const std::string& bar : section.chords) {
            const std::size_t split = bar.find('|');
            if (split == std::string::npos) {
                timeline.push_back({beat, 4.0, Chord::parse(bar)});
            } else {
                timeline.push_back({beat, 2.0, Chord::parse(bar.substr(0, split))});
                timeline.push_back({beat + 2.0, 2.0, Chord::parse(bar.substr(split + 1))});
            }
            beat += 4.0;
        }
    return timeline;
}

const Composer::ChordSpan& Composer::chordAt(const std::vector<ChordSpan>& timeline, double beat) const
{
    for (const ChordSpan& span : timeline)
        if (beat < span.beat + span.length - 1e-9)
            return span;
    return timeline.back();
}

Composer::Motif Composer::makeMotif(const std::string& rhythm, std::uint64_t seed, bool cadence) const
{
    Random random(seed);
    Motif motif;
    int offset = 4; // start on the fifth, a singable opening
    int direction = random.chance(0.5) ? 1 : -1;
    for (std::size_t i = 0; i < rhythm.size(); ++i) {
        if (rhythm[i] != 'x')
            continue;
        const int step = static_cast<int>(i);
        const bool strong = step % 8 == 0 || heldLength(rhythm, i) >= 4;
        if (motif.empty()) {
            offset = random.chance(0.5) ? 4 : 2;
        } else if (strong) {
            // Land on a chord tone near where the line is heading.
            static const int kChordTones[] = {0, 2, 4, 7, 9};
            int best = offset;
            int bestScore = 1000;
            for (int tone : kChordTones) {
                const int move = tone - offset;
                int score = std::abs(move - 2 * direction) * 2 + random.below(3);
                if (move == 0)
                    score += 3; // avoid repeating the note on a strong beat
                if (score < bestScore) {
                    bestScore = score;
                    best = tone;
                }
            }
            offset = best;
        } else {
            offset += direction * (random.chance(0.7) ? 1 : 2);
        }
        if (offset > 8 || random.chance(0.15))
            direction = -1;
        if (offset < -1 || random.chance(0.15))
            direction = 1;
        offset = std::clamp(offset, -2, 9);
        motif.push_back({step, heldLength(rhythm, i), offset});
    }
    if (cadence && !motif.empty()) {
        // Phrases close on the root, approached from the third or the second above.
        motif.back().offset = 0;
        if (motif.size() > 1)
            motif[motif.size() - 2].offset = random.chance(0.5) ? 2 : 1;
    }
    return motif;
}

int Composer::pitchOf(const Chord& chord, int root, int offset) const
{
    const int octave = offset >= 0 ? offset / 7 : -((-offset + 6) / 7);
    const int within = offset - 7 * octave;
    const std::vector<int>& tones = chord.intervals();
    // Chord tones come from the chord itself (it may borrow notes from outside the scale); the
    // notes between them come from the scale.
    const bool hasThird = tones.size() > 1 && (tones[1] == 3 || tones[1] == 4);
    if (within == 0)
        return root + 12 * octave;
    if (within == 2 && hasThird)
        return root + tones[1] + 12 * octave;
    if (within == 4 && tones.size() > 2 && (tones[2] == 6 || tones[2] == 7))
        return root + tones[2] + 12 * octave;
    const Scale& scale = m_style.scale;
    return scale.note(scale.degreeOf(root) + offset);
}

void Composer::writeMelody(SongPart& lead, SongPart& harmony, const std::vector<ChordSpan>& timeline) const
{
    const Motif themes[2] = {makeMotif(m_style.themeRhythmA, m_style.seed * 31 + 1, false),
                             makeMotif(m_style.themeRhythmB, m_style.seed * 31 + 2, false)};
    const Motif cadences[2] = {makeMotif(m_style.cadenceRhythm, m_style.seed * 31 + 3, true),
                               makeMotif(m_style.cadenceRhythm, m_style.seed * 31 + 4, true)};
    const std::vector<int> starts = sectionStarts(m_style);
    Random random(m_style.seed * 31 + 5);
    for (std::size_t s = 0; s < m_style.sections.size(); ++s) {
        const Section& section = m_style.sections[s];
        if (section.melody == 0)
            continue;
        const int theme = section.melody - 1;
        const int bars = static_cast<int>(section.chords.size());
        int previousRoot = m_style.melodyCentre - 5;
        for (int pair = 0; pair * 2 < bars; ++pair) {
            const bool closing = (pair * 2 + 2) % 8 == 0 || pair * 2 + 2 >= bars;
            const Motif& motif = closing ? cadences[theme] : themes[theme];
            const double pairBeat = (starts[s] + pair * 2) * 4.0;
            int barOfRoot = -1;
            int root = previousRoot;
            for (const MotifNote& note : motif) {
                const double beat = pairBeat + note.step * kStep;
                const ChordSpan& span = chordAt(timeline, beat);
                const int bar = note.step / 16;
                if (bar != barOfRoot || std::abs(span.beat - beat) < 1e-9) {
                    root = span.chord.rootNear(m_style.scale, previousRoot, m_style.melodyCentre - 9,
                                               m_style.melodyCentre + 3);
                    previousRoot = root;
                    barOfRoot = bar;
                }
                const int pitch = pitchOf(span.chord, root, note.offset) + 12 * section.melodyOctave;
                const float accent = note.step % 4 == 0 ? 1.0f : 0.85f;
                const float velocity =
                    section.intensity * accent * static_cast<float>(0.92 + 0.08 * random.unit());
                const double length = note.length * kStep * 0.92;
                lead.notes.push_back({beat, length, pitch, velocity});
                if (section.harmony) {
                    const int below = m_style.scale.contains(pitch)
                                          ? m_style.scale.note(m_style.scale.degreeOf(pitch) - 2)
                                          : pitch - 4;
                    harmony.notes.push_back({beat, length, below, velocity * 0.8f});
                }
            }
        }
    }
}

void Composer::writeBass(SongPart& bass, const std::vector<ChordSpan>& timeline) const
{
    const std::string& rhythm = m_style.bassRhythm;
    const std::vector<int> starts = sectionStarts(m_style);
    int previous = (m_style.bassLow + m_style.bassHigh) / 2;
    for (std::size_t s = 0; s < m_style.sections.size(); ++s) {
        const Section& section = m_style.sections[s];
        if (!section.bass)
            continue;
        for (int bar = 0; bar < static_cast<int>(section.chords.size()); ++bar) {
            const double barBeat = (starts[s] + bar) * 4.0;
            for (std::size_t i = 0; i < rhythm.size(); ++i) {
                const char c = rhythm[i];
                if (c == '-' || c == '.')
                    continue;
                const double beat = barBeat + static_cast<double>(i) * kStep;
                const ChordSpan& span = chordAt(timeline, beat);
                const int root =
                    span.chord.rootNear(m_style.scale, previous, m_style.bassLow, m_style.bassHigh);
                if (std::abs(span.beat - beat) < 1e-9 || c == 'r')
                    previous = root;
                int pitch = root;
                const std::vector<int>& tones = span.chord.intervals();
                if (c == 'f')
                    pitch = root + (tones.size() > 2 ? tones[2] % 12 : 7);
                else if (c == 'o')
                    pitch = root + 12;
                else if (c == 't')
                    pitch = root + tones[1] % 12;
                else if (c == 'a') {
                    const ChordSpan& next = chordAt(timeline, span.beat + span.length);
                    const int target =
                        next.chord.rootNear(m_style.scale, root, m_style.bassLow, m_style.bassHigh);
                    pitch = target == root ? root + 7 : target + (target > root ? -1 : 1);
                }
                const float accent = i % 4 == 0 ? 1.0f : 0.8f;
                bass.notes.push_back(
                    {beat, heldLength(rhythm, i) * kStep * 0.9, pitch, accent * section.intensity});
            }
        }
    }
}

void Composer::writePad(SongPart& pad, const std::vector<ChordSpan>& timeline) const
{
    VoiceLeader leader(m_style.padCentre, m_style.padVoices);
    const std::vector<int> starts = sectionStarts(m_style);
    for (std::size_t s = 0; s < m_style.sections.size(); ++s) {
        const Section& section = m_style.sections[s];
        const double from = starts[s] * 4.0;
        const double to = from + section.chords.size() * 4.0;
        for (const ChordSpan& span : timeline) {
            if (span.beat < from - 1e-9 || span.beat >= to - 1e-9)
                continue;
            const std::vector<int> voicing = leader.voice(m_style.scale, span.chord);
            if (!section.pad)
                continue;
            for (int note : voicing)
                pad.notes.push_back({span.beat, span.length * 0.97, note, 0.7f * section.intensity});
        }
    }
}

void Composer::writeComp(SongPart& comp, const std::vector<ChordSpan>& timeline) const
{
    const std::string& rhythm = m_style.compRhythm;
    VoiceLeader leader(m_style.compCentre, m_style.compVoices);
    const std::vector<int> starts = sectionStarts(m_style);
    const Chord* voiced = nullptr;
    std::vector<int> voicing;
    for (std::size_t s = 0; s < m_style.sections.size(); ++s) {
        const Section& section = m_style.sections[s];
        if (!section.comp)
            continue;
        for (int bar = 0; bar < static_cast<int>(section.chords.size()); ++bar) {
            for (std::size_t i = 0; i < rhythm.size(); ++i) {
                if (rhythm[i] != 'x')
                    continue;
                const double beat = (starts[s] + bar) * 4.0 + static_cast<double>(i) * kStep;
                const ChordSpan& span = chordAt(timeline, beat);
                if (voiced != &span.chord) {
                    voicing = leader.voice(m_style.scale, span.chord);
                    voiced = &span.chord;
                }
                const float accent = i % 4 == 0 ? 1.0f : 0.85f;
                for (int note : voicing)
                    comp.notes.push_back(
                        {beat, heldLength(rhythm, i) * kStep * 0.8, note, accent * section.intensity});
            }
        }
    }
}

void Composer::writeArp(SongPart& arp, const std::vector<ChordSpan>& timeline) const
{
    const std::string& pattern = m_style.arpPattern;
    const std::vector<int> starts = sectionStarts(m_style);
    for (std::size_t s = 0; s < m_style.sections.size(); ++s) {
        const Section& section = m_style.sections[s];
        if (!section.arp)
            continue;
        for (int bar = 0; bar < static_cast<int>(section.chords.size()); ++bar)
            for (std::size_t i = 0; i < 16; ++i) {
                const char c = pattern[i % pattern.size()];
                if (c < '0' || c > '9')
                    continue;
                const double beat = (starts[s] + bar) * 4.0 + static_cast<double>(i) * kStep;
                const ChordSpan& span = chordAt(timeline, beat);
                std::vector<int> tones = span.chord.notesFrom(m_style.scale, m_style.arpCentre - 7);
                const std::size_t count = tones.size();
                for (std::size_t k = 0; k < count; ++k)
                    tones.push_back(tones[k] + 12);
                const int note = tones[static_cast<std::size_t>(c - '0') % tones.size()];
                const float accent = i % 4 == 0 ? 1.0f : (i % 2 == 0 ? 0.8f : 0.65f);
                arp.notes.push_back({beat, kStep * 0.7, note, accent * section.intensity});
            }
    }
}

void Composer::writeDrums(Song& song) const
{
    Random random(m_style.seed * 31 + 9);
    const std::vector<int> starts = sectionStarts(m_style);
    auto add = [&](double beat, Drum drum, float velocity, float intensity) {
        if (velocity <= 0.0f)
            return;
        const float human = static_cast<float>(0.93 + 0.07 * random.unit());
        song.drums.push_back({beat, drum, velocity * intensity * human});
    };
    for (std::size_t s = 0; s < m_style.sections.size(); ++s) {
        const Section& section = m_style.sections[s];
        const int bars = static_cast<int>(section.chords.size());
        if (section.crash)
            add(starts[s] * 4.0, Drum::Crash, 0.8f, 1.0f);
        if (section.drums < 0)
            continue;
        const DrumPattern& pattern = m_style.drumPatterns.at(static_cast<std::size_t>(section.drums));
        for (int bar = 0; bar < bars; ++bar) {
            const double barBeat = (starts[s] + bar) * 4.0;
            const bool fillBar = section.fill && bar == bars - 1;
            for (std::size_t i = 0; i < 16; ++i) {
                const double beat = barBeat + static_cast<double>(i) * kStep;
                if (fillBar && i >= 8) {
                    // A fill over the last two beats: toms stepping down, then a snare roll that
                    // swells into the next section.
                    if (i == 8)
                        add(beat, Drum::Kick, 1.0f, section.intensity);
                    if (i == 8 || i == 9)
                        add(beat, Drum::TomHigh, 0.8f, section.intensity);
                    if (i == 10 || i == 11)
                        add(beat, Drum::TomLow, 0.85f, section.intensity);
                    if (i >= 12)
                        add(beat, Drum::Snare, 0.55f + 0.12f * static_cast<float>(i - 12), section.intensity);
                    continue;
                }
                // Every fourth bar ends with a pickup into the next phrase: an open hi-hat and a
                // ghost snare, so that the groove breathes in four-bar phrases.
                if (bar % 4 == 3 && (i == 14 || i == 15)) {
                    add(beat, i == 14 ? Drum::OpenHat : Drum::Snare, i == 14 ? 0.5f : 0.4f,
                        section.intensity);
                    if (i == 14 &&
                        hitVelocity(pattern.kick.empty() ? '.' : pattern.kick[i % pattern.kick.size()]) >
                            0.0f)
                        add(beat, Drum::Kick, 1.0f, section.intensity);
                    continue;
                }
                auto at = [i](const std::string& line) { return line.empty() ? '.' : line[i % line.size()]; };
                add(beat, Drum::Kick, hitVelocity(at(pattern.kick)), section.intensity);
                add(beat, Drum::Snare, hitVelocity(at(pattern.snare)), section.intensity);
                if (!(section.crash && bar == 0 && i == 0))
                    add(beat, Drum::ClosedHat, hitVelocity(at(pattern.hat)) * 0.7f, section.intensity);
                add(beat, Drum::OpenHat, hitVelocity(at(pattern.openHat)) * 0.6f, section.intensity);
                add(beat, pattern.percDrum, hitVelocity(at(pattern.perc)) * 0.6f, section.intensity);
            }
        }
    }
}

Song Composer::compose() const
{
    const std::vector<ChordSpan> timeline = chordTimeline();
    if (timeline.empty())
        throw std::invalid_argument("a piece needs at least one bar");
    Song song;
    song.seed = m_style.seed;
    song.bpm = m_style.bpm;
    song.swing = m_style.swing;
    song.bars = static_cast<int>(std::lround((timeline.back().beat + timeline.back().length) / 4.0));
    song.kit = m_style.kit;
    song.drumMix = m_style.drumMix;
    song.reverb = m_style.reverb;
    song.echoBeats = m_style.echoBeats;
    song.echoFeedback = m_style.echoFeedback;
    song.duckDepth = m_style.duckDepth;

    SongPart lead{"lead", m_style.lead, m_style.leadMix, {}};
    PartMix harmonyMix = m_style.leadMix;
    harmonyMix.gain *= 0.6f;
    harmonyMix.pan = -0.3f;
    SongPart harmony{"harmony", m_style.lead, harmonyMix, {}};
    SongPart bass{"bass", m_style.bass, m_style.bassMix, {}};
    SongPart pad{"pad", m_style.pad, m_style.padMix, {}};
    SongPart comp{"comp", m_style.comp, m_style.compMix, {}};
    SongPart arp{"arp", m_style.arp, m_style.arpMix, {}};
    writeMelody(lead, harmony, timeline);
    writeBass(bass, timeline);
    writePad(pad, timeline);
    writeComp(comp, timeline);
    writeArp(arp, timeline);
    writeDrums(song);
    for (SongPart* part : {&lead, &harmony, &bass, &pad, &comp, &arp})
        if (!part->notes.empty())
            song.parts.push_back(std::move(*part));
    return song;
}

} // namespace datagen::audio
