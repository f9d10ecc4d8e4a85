#pragma once

#include "support/TempDir.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a player would hear, written to a file: SDL's "disk" audio driver mixes into a raw file of
// 16-bit stereo frames at 44100 Hz, a few times faster than real time. Make one before the audio
// output opens; it puts back the previous driver when it goes.
class DiskAudio final {
public:
    static constexpr int kRate = 44100;

    DiskAudio();
    ~DiskAudio();
    DiskAudio(const DiskAudio&) = delete;
    DiskAudio& operator=(const DiskAudio&) = delete;

    // Frames in the file so far: the point in the output that an action taken now is heard from.
    std::size_t mark() const;

    struct Clip {
        std::vector<float> left;
        std::vector<float> right;

        // Root mean square of each side, 0..1 of full scale.
        double leftLevel() const;
        double rightLevel() const;
        double level() const;
        // Cycles per second of the louder side, from its zero crossings.
        double frequency() const;
    };
    // Waits until the output is heard from mark for at least skip + seconds (skip covers what was
    // already mixed but not yet written when the mark was taken) and returns that stretch.
    Clip listen(std::size_t mark, double seconds, double skip = 0.1) const;

private:
    std::vector<std::int16_t> readFrames(std::size_t from, std::size_t count) const;

    TempDir m_dir;
    std::string m_file;
    std::string m_oldDriver;
    bool m_hadDriver = false;
};

// 20 log10 (a / b).
double decibels(double a, double b);
