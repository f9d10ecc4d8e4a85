#include "audio/Filters.h"

#include "audio/AudioBuffer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace datagen::audio {

namespace {

double clampFrequency(double frequency)
{
    return std::clamp(frequency, 5.0, 0.49 * kSampleRate);
}

} // namespace

void Biquad::set(double b0, double b1, double b2, double a1, double a2)
{
    m_b0 = b0;
    m_b1 = b1;
    m_b2 = b2;
    m_a1 = a1;
    m_a2 = a2;
}

void Biquad::lowpass(double frequency, double q)
{
    const double w = 2.0 * std::numbers::pi * clampFrequency(frequency) / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    set((1.0 - c) / 2.0 / a0, (1.0 - c) / a0, (1.0 - c) / 2.0 / a0, -2.0 * c / a0, (1.0 - alpha) / a0);
}

void Biquad::highpass(double frequency, double q)
{
    const double w = 2.0 * std::numbers::pi * clampFrequency(frequency) / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    set((1.0 + c) / 2.0 / a0, -(1.0 + c) / a0, (1.0 + c) / 2.0 / a0, -2.0 * c / a0, (1.0 - alpha) / a0);
}

void Biquad::bandpass(double frequency, double q)
{
    const double w = 2.0 * std::numbers::pi * clampFrequency(frequency) / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    set(alpha / a0, 0.0, -alpha / a0, -2.0 * c / a0, (1.0 - alpha) / a0);
}

void Biquad::peak(double frequency, double q, double gainDb)
{
    const double a = std::pow(10.0, gainDb / 40.0);
    const double w = 2.0 * std::numbers::pi * clampFrequency(frequency) / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha / a;
    set((1.0 + alpha * a) / a0, -2.0 * c / a0, (1.0 - alpha * a) / a0, -2.0 * c / a0, (1.0 - alpha / a) / a0);
}

void Biquad::lowShelf(double frequency, double gainDb)
{
    const double a = std::pow(10.0, gainDb / 40.0);
    const double w = 2.0 * std::numbers::pi * clampFrequency(frequency) / kSampleRate;
    const double c = std::cos(w);
    const double beta = std::sin(w) * std::sqrt(a) / 0.7071; // shelf slope 1
    const double a0 = (a + 1.0) + (a - 1.0) * c + beta;
    set(a * ((a + 1.0) - (a - 1.0) * c + beta) / a0, 2.0 * a * ((a - 1.0) - (a + 1.0) * c) / a0,
        a * ((a + 1.0) - (a - 1.0) * c - beta) / a0, -2.0 * ((a - 1.0) + (a + 1.0) * c) / a0,
        ((a + 1.0) + (a - 1.0) * c - beta) / a0);
}

void Biquad::highShelf(double frequency, double gainDb)
{
    const double a = std::pow(10.0, gainDb / 40.0);
    const double w = 2.0 * std::numbers::pi * clampFrequency(frequency) / kSampleRate;
    const double c = std::cos(w);
    const double beta = std::sin(w) * std::sqrt(a) / 0.7071;
    const double a0 = (a + 1.0) - (a - 1.0) * c + beta;
    set(a * ((a + 1.0) + (a - 1.0) * c + beta) / a0, -2.0 * a * ((a - 1.0) + (a + 1.0) * c) / a0,
        a * ((a + 1.0) + (a - 1.0) * c - beta) / a0, 2.0 * ((a - 1.0) - (a + 1.0) * c) / a0,
        ((a + 1.0) - (a - 1.0) * c - beta) / a0);
}

void OnePole::setCutoff(double frequency)
{
    m_coefficient =
        static_cast<float>(1.0 - std::exp(-2.0 * std::numbers::pi * clampFrequency(frequency) / kSampleRate));
}

void StateVariableFilter::set(double frequency, double q)
{
    m_g = std::tan(std::numbers::pi * clampFrequency(frequency) / kSampleRate);
    m_k = 1.0 / std::max(q, 0.05);
    m_a1 = 1.0 / (1.0 + m_g * (m_g + m_k));
    m_a2 = m_g * m_a1;
    m_a3 = m_g * m_a2;
}

StateVariableFilter::Outputs StateVariableFilter::process(float x)
{
    const double v3 = x - m_ic2;
    const double v1 = m_a1 * m_ic1 + m_a2 * v3;
    const double v2 = m_ic2 + m_a2 * m_ic1 + m_a3 * v3;
    m_ic1 = 2.0 * v1 - m_ic1;
    m_ic2 = 2.0 * v2 - m_ic2;
    const double high = x - m_k * v1 - v2;
    return {static_cast<float>(v2), static_cast<float>(v1), static_cast<float>(high)};
}

} // namespace datagen::audio
