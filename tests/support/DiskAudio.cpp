#include "support/DiskAudio.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace {

double rms(const std::vector<float>& samples)
{
    if (samples.empty())
        return 0.0;
    double sum = 0.0;
    for (float s : samples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / samples.size());
}

} // namespace

DiskAudio::DiskAudio() : m_file(m_dir.file("output.raw"))
{
    if (const char* old = std::getenv("SDL_AUDIODRIVER")) {
        m_hadDriver = true;
        m_oldDriver = old;
    }
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", m_file.c_str(), 1);
    // Milliseconds per 1024-frame buffer: about four times real time, so short sounds stay short.
    setenv("SDL_DISKAUDIODELAY", "5", 1);
}

DiskAudio::~DiskAudio()
{
    if (m_hadDriver)
        setenv("SDL_AUDIODRIVER", m_oldDriver.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_DISKAUDIODELAY");
}

std::size_t DiskAudio::mark() const
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(m_file, ec);
    return ec ? 0 : static_cast<std::size_t>(size / 4);
}

std::vector<std::int16_t> DiskAudio::readFrames(std::size_t from, std::size_t count) const
{
    std::vector<std::int16_t> frames(count * 2);
    std::FILE* f = std::fopen(m_file.c_str(), "rb");
    if (!f)
        throw std::runtime_error("no audio output file " + m_file);
    std::fseek(f, static_cast<long>(from * 4), SEEK_SET);
    const std::size_t got = std::fread(frames.data(), 4, count, f);
    std::fclose(f);
    frames.resize(got * 2);
    return frames;
}

DiskAudio::Clip DiskAudio::listen(std::size_t mark, double seconds, double skip) const
{
    const std::size_t from = mark + static_cast<std::size_t>(skip * kRate);
    const std::size_t count = static_cast<std::size_t>(seconds * kRate);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (this->mark() < from + count) {
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("the audio output stopped growing");
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const std::vector<std::int16_t> frames = readFrames(from, count);
    Clip clip;
    for (std::size_t i = 0; i + 1 < frames.size(); i += 2) {
        clip.left.push_back(frames[i] / 32768.0f);
        clip.right.push_back(frames[i + 1] / 32768.0f);
    }
    return clip;
}

double DiskAudio::Clip::leftLevel() const
{
    return rms(left);
}

double DiskAudio::Clip::rightLevel() const
{
    return rms(right);
}

double DiskAudio::Clip::level() const
{
    return std::sqrt((leftLevel() * leftLevel() + rightLevel() * rightLevel()) / 2.0);
}

double DiskAudio::Clip::frequency() const
{
    const std::vector<float>& side = leftLevel() >= rightLevel() ? left : right;
    if (side.size() < 2)
        return 0.0;
    int crossings = 0;
    for (std::size_t i = 1; i < side.size(); ++i)
        if ((side[i - 1] < 0.0f) != (side[i] < 0.0f))
            ++crossings;
    return crossings / 2.0 / (static_cast<double>(side.size()) / kRate);
}

double decibels(double a, double b)
{
    if (a <= 0.0 || b <= 0.0)
        return -200.0;
    return 20.0 * std::log10(a / b);
}
