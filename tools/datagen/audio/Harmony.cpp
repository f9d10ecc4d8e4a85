#include "audio/Harmony.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace datagen::audio {

namespace {

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int pitchClass(int midi)
{
    return ((midi % 12) + 12) % 12;
}

} // namespace

int Scale::note(int degree) const
{
    const int octave = floorDiv(degree, 7);
    return tonic + 12 * octave + steps[static_cast<std::size_t>(degree - 7 * octave)];
}

int Scale::degreeOf(int midi) const
{
    const int relative = midi - tonic;
    const int octave = floorDiv(relative, 12);
    const int within = relative - 12 * octave;
    int best = 0;
    for (int d = 0; d < 7; ++d)
        if (steps[static_cast<std::size_t>(d)] <= within)
            best = d;
    return best + 7 * octave;
}

bool Scale::contains(int midi) const
{
    const int within = pitchClass(midi - tonic);
    return std::find(steps.begin(), steps.end(), within) != steps.end();
}

Chord Chord::parse(const std::string& symbol)
{
    Chord chord;
    chord.m_symbol = symbol;
    std::size_t pos = 0;
    int accidental = 0;
    if (pos < symbol.size() && (symbol[pos] == 'b' || symbol[pos] == '#')) {
        accidental = symbol[pos] == 'b' ? -1 : 1;
        ++pos;
    }
    static const char* const kNumerals[] = {"VII", "VI", "IV", "V", "III", "II", "I"};
    static const int kDegrees[] = {11, 9, 5, 7, 4, 2, 0};
    bool found = false;
    bool minor = false;
    for (std::size_t k = 0; k < 7 && !found; ++k) {
        const std::string numeral = kNumerals[k];
        std::string text = symbol.substr(pos, numeral.size());
        std::string upper = text;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char c) { return static_cast<char>(std::toupper(c)); });
        if (upper == numeral && text.size() == numeral.size() &&
            (std::all_of(text.begin(), text.end(), ::isupper) ||
             std::all_of(text.begin(), text.end(), ::islower))) {
            minor = std::islower(static_cast<unsigned char>(text[0])) != 0;
            chord.m_root = kDegrees[k] + accidental;
            pos += numeral.size();
            found = true;
        }
    }
    if (!found)
        throw std::invalid_argument("bad chord symbol " + symbol);
    const std::string suffix = symbol.substr(pos);
    const int third = minor ? 3 : 4;
    if (suffix.empty())
        chord.m_intervals = {0, third, 7};
    else if (suffix == "7")
        chord.m_intervals = {0, third, 7, 10};
    else if (suffix == "maj7")
        chord.m_intervals = {0, third, 7, 11};
    else if (suffix == "sus4")
        chord.m_intervals = {0, 5, 7};
    else if (suffix == "sus2")
        chord.m_intervals = {0, 2, 7};
    else if (suffix == "dim")
        chord.m_intervals = {0, 3, 6};
    else if (suffix == "5")
        chord.m_intervals = {0, 7, 12};
    else if (suffix == "add9")
        chord.m_intervals = {0, third, 7, 14};
    else
        throw std::invalid_argument("bad chord suffix " + symbol);
    return chord;
}

std::vector<int> Chord::notesFrom(const Scale& scale, int floor) const
{
    int root = scale.tonic + m_root;
    root += 12 * floorDiv(floor - root + 11, 12);
    std::vector<int> notes;
    for (int interval : m_intervals)
        notes.push_back(root + interval);
    return notes;
}

int Chord::rootNear(const Scale& scale, int target, int low, int high) const
{
    const int pc = pitchClass(scale.tonic + m_root);
    int best = low;
    int bestDistance = std::numeric_limits<int>::max();
    for (int n = low; n <= high; ++n)
        if (pitchClass(n) == pc && std::abs(n - target) < bestDistance) {
            best = n;
            bestDistance = std::abs(n - target);
        }
    return best;
}

bool Chord::hasTone(const Scale& scale, int midi) const
{
    const int root = scale.tonic + m_root;
    return std::any_of(m_intervals.begin(), m_intervals.end(),
                       [&](int interval) { return pitchClass(root + interval) == pitchClass(midi); });
}

std::vector<int> VoiceLeader::voice(const Scale& scale, const Chord& chord)
{
    // Candidate voicings: the chord's tones stacked from each inversion, spread to m_voices notes.
    std::vector<int> tones;
    for (int interval : chord.intervals())
        if (interval < 12)
            tones.push_back(interval);
    const int root = scale.tonic + chord.rootOffset();
    std::vector<int> best;
    int bestCost = std::numeric_limits<int>::max();
    for (std::size_t inversion = 0; inversion < tones.size(); ++inversion) {
        for (int octave = -2; octave <= 2; ++octave) {
            std::vector<int> voicing;
            int last = std::numeric_limits<int>::min();
            for (int v = 0; v < m_voices; ++v) {
                const std::size_t k = (inversion + static_cast<std::size_t>(v)) % tones.size();
                int note = root + tones[k] + 12 * octave;
                while (note <= last)
                    note += 12;
                voicing.push_back(note);
                last = note;
            }
            int cost = 0;
            if (m_previous.size() == voicing.size())
                for (std::size_t v = 0; v < voicing.size(); ++v)
                    cost += std::abs(voicing[v] - m_previous[v]);
            const int middle = (voicing.front() + voicing.back()) / 2;
            cost += 2 * std::abs(middle - m_centre);
            if (cost < bestCost) {
                bestCost = cost;
                best = voicing;
            }
        }
    }
    m_previous = best;
    return best;
}

} // namespace datagen::audio
