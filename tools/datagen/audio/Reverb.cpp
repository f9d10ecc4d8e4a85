#include "audio/Reverb.h"

#include <algorithm>

namespace datagen::audio {

namespace {

constexpr std::array<int, 8> kCombTuning{1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<int, 4> kAllPassTuning{556, 441, 341, 225};
constexpr int kStereoSpread = 23;
constexpr float kInputGain = 0.015f;

} // namespace

float Reverb::Comb::process(float x, float feedback, float damping)
{
    const float out = buffer[index];
    store = out * (1.0f - damping) + store * damping;
    buffer[index] = x + store * feedback;
    if (++index == buffer.size())
        index = 0;
    return out;
}

float Reverb::AllPass::process(float x)
{
    const float delayed = buffer[index];
    buffer[index] = x + delayed * 0.5f;
    if (++index == buffer.size())
        index = 0;
    return delayed - x;
}

float Reverb::Side::process(float x, float feedback, float damping)
{
    float sum = 0.0f;
    for (Comb& comb : combs)
        sum += comb.process(x, feedback, damping);
    for (AllPass& allPass : allPasses)
        sum = allPass.process(sum);
    return sum;
}

Reverb::Reverb(const Settings& settings) : m_settings(settings)
{
    for (std::size_t i = 0; i < kCombTuning.size(); ++i) {
        m_left.combs[i].buffer.assign(static_cast<std::size_t>(kCombTuning[i]), 0.0f);
        m_right.combs[i].buffer.assign(static_cast<std::size_t>(kCombTuning[i] + kStereoSpread), 0.0f);
    }
    for (std::size_t i = 0; i < kAllPassTuning.size(); ++i) {
        m_left.allPasses[i].buffer.assign(static_cast<std::size_t>(kAllPassTuning[i]), 0.0f);
        m_right.allPasses[i].buffer.assign(static_cast<std::size_t>(kAllPassTuning[i] + kStereoSpread), 0.0f);
    }
}

void Reverb::process(const StereoBuffer& input, StereoBuffer& output, float wet)
{
    Signal mono(input.frames());
    for (std::size_t i = 0; i < mono.size(); ++i)
        mono[i] = input.left[i] + input.right[i];
    process(mono, output, wet);
}

void Reverb::process(const Signal& input, StereoBuffer& output, float wet)
{
    const float feedback = 0.7f + 0.28f * m_settings.roomSize;
    const float damping = 0.4f * m_settings.damping;
    const float wet1 = wet * (0.5f + 0.5f * m_settings.width);
    const float wet2 = wet * (0.5f - 0.5f * m_settings.width);
    const std::size_t frames = std::min(input.size(), output.frames());
    for (std::size_t i = 0; i < frames; ++i) {
        const float x = input[i] * kInputGain;
        const float l = m_left.process(x, feedback, damping);
        const float r = m_right.process(x, feedback, damping);
        output.left[i] += l * wet1 + r * wet2;
        output.right[i] += r * wet1 + l * wet2;
    }
}

} // namespace datagen::audio
