#include "audio/Sequencer.h"

#include "audio/Delay.h"
#include "audio/Mixer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace datagen::audio {

namespace {

constexpr double kTailSeconds = 4.0;

// The buses every sound is mixed into: the dry mix and the reverb and echo sends. Both effects
// take a mono input, so the sends are mono.
struct Buses {
    StereoBuffer dry;
    Signal reverb;
    Signal echo;
};

// Adds one sound to the buses at an equal-power pan; with a ducking curve (of loop length) the
// sound is pushed down under the kick drum.
void addSound(Buses& buses, const Signal& sound, std::size_t offset, float gain, float pan,
              const PartMix& mix, const std::vector<float>* duck)
{
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * std::numbers::pi / 4.0;
    const auto left = static_cast<float>(std::cos(angle) * std::numbers::sqrt2) * gain;
    const auto right = static_cast<float>(std::sin(angle) * std::numbers::sqrt2) * gain;
    const std::size_t count =
        std::min(sound.size(), buses.dry.frames() - std::min(offset, buses.dry.frames()));
    for (std::size_t i = 0; i < count; ++i) {
        float x = sound[i];
        if (duck != nullptr)
            x *= (*duck)[(offset + i) % duck->size()];
        const float l = x * left;
        const float r = x * right;
        const std::size_t k = offset + i;
        buses.dry.left[k] += l;
        buses.dry.right[k] += r;
        buses.reverb[k] += (l + r) * mix.reverb;
        buses.echo[k] += (l + r) * mix.echo;
    }
}

} // namespace

std::size_t Sequencer::loopFrames() const
{
    return samplesFor(m_song.beatsTotal() * m_song.secondsPerBeat());
}

std::size_t Sequencer::sampleOf(double beat) const
{
    // Swing delays the second and fourth sixteenth of every beat.
    const double sixteenth = beat * 4.0;
    const double whole = std::floor(sixteenth + 1e-9);
    if (std::fabs(sixteenth - whole) < 1e-6 && static_cast<long long>(whole) % 2 == 1)
        beat += m_song.swing * 0.25;
    return samplesFor(beat * m_song.secondsPerBeat());
}

std::vector<float> Sequencer::duckingCurve(std::size_t frames) const
{
    std::vector<float> curve(frames, 1.0f);
    const std::size_t length = samplesFor(0.25);
    for (const DrumEvent& hit : m_song.drums) {
        if (hit.drum != Drum::Kick)
            continue;
        const std::size_t start = sampleOf(hit.beat);
        for (std::size_t i = 0; i < length; ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double attack = std::min(1.0, t / 0.004);
            const float gain =
                1.0f - m_song.duckDepth * static_cast<float>(hit.velocity * attack * std::exp(-t / 0.09));
            // The position wraps: a kick at the very end ducks the start of the loop.
            float& value = curve[(start + i) % frames];
            value = std::min(value, gain);
        }
    }
    return curve;
}

StereoBuffer Sequencer::render() const
{
    const std::size_t loop = loopFrames();
    const std::size_t frames = loop + samplesFor(kTailSeconds);
    Buses buses{StereoBuffer(frames), Signal(frames, 0.0f), Signal(frames, 0.0f)};

    const DrumKit kit(m_song.kit);
    for (const DrumEvent& hit : m_song.drums) {
        // Hats and cymbals sit a little off centre, like a real kit seen from the stool.
        float pan = 0.0f;
        switch (hit.drum) {
        case Drum::ClosedHat:
        case Drum::OpenHat:
        case Drum::Shaker:
            pan = 0.3f;
            break;
        case Drum::Crash:
            pan = -0.35f;
            break;
        case Drum::TomHigh:
            pan = 0.2f;
            break;
        case Drum::TomLow:
            pan = -0.25f;
            break;
        default:
            break;
        }
        addSound(buses, kit.sound(hit.drum), sampleOf(hit.beat), hit.velocity * m_song.drumMix.gain, pan,
                 m_song.drumMix, nullptr);
    }

    const std::vector<float> duck = m_song.duckDepth > 0.0f ? duckingCurve(loop) : std::vector<float>{};
    const double spb = m_song.secondsPerBeat();
    Signal sound;
    for (std::size_t p = 0; p < m_song.parts.size(); ++p) {
        const SongPart& part = m_song.parts[p];
        const std::vector<float>* ducking = part.mix.ducked && !duck.empty() ? &duck : nullptr;
        for (std::size_t n = 0; n < part.notes.size(); ++n) {
            const NoteEvent& note = part.notes[n];
            const std::uint64_t seed = m_song.seed * 1000003ULL + p * 7919ULL + n;
            renderNote(part.patch, note.midi, note.length * spb, note.velocity, seed, sound);
            const float side = part.mix.spread * (n % 2 == 0 ? 1.0f : -1.0f);
            addSound(buses, sound, sampleOf(note.beat), part.mix.gain, part.mix.pan + side, part.mix,
                     ducking);
        }
    }

    // Ping-pong echo: left and right repeat at different times, the repeats darken.
    const double echoSeconds = m_song.echoBeats * spb;
    Echo left(echoSeconds, m_song.echoFeedback, 0.35f);
    Echo right(echoSeconds * 1.5, m_song.echoFeedback, 0.35f);
    StereoBuffer& dry = buses.dry;
    for (std::size_t i = 0; i < frames; ++i) {
        const float l = left.process(0.5f * buses.echo[i]);
        const float r = right.process(0.5f * buses.echo[i]);
        dry.left[i] += l;
        dry.right[i] += r;
        buses.reverb[i] += 0.5f * (l + r);
    }

    Reverb reverb(m_song.reverb);
    reverb.process(buses.reverb, dry, 1.0f);
    wrapTail(dry, loop);
    return std::move(dry);
}

} // namespace datagen::audio
