#include "content/AudioSystem.h"

#include <algorithm>

namespace NAudio {

AudioSystem::AudioSystem() : m_output(createAudio())
{
    m_deviceOk = m_output->open();
}

AudioSystem::~AudioSystem() = default;

void AudioSystem::update()
{
    m_output->update();
}

void AudioSystem::pause()
{
    m_output->pause();
}

void AudioSystem::resume()
{
    m_output->resume();
}

bool AudioSystem::isPaused() const
{
    return m_output->isPaused();
}

void AudioSystem::setSoundVolume(int volume)
{
    m_soundVolume = std::clamp(volume, 0, 100);
}

void AudioSystem::setStreamVolume(int volume)
{
    m_streamVolume = std::clamp(volume, 0, 100);
    if (m_currentStream)
        m_output->setStreamVolume(m_currentStream, m_streamVolume);
}

KSample AudioSystem::loadSample(const void* data, std::size_t size, int maxInstances)
{
    return m_output->loadSample(data, size, maxInstances);
}

void AudioSystem::freeSample(KSample sample)
{
    if (sample)
        m_output->freeSample(sample);
}

void AudioSystem::playChannel(KChannel channel, bool restart)
{
    if (channel && m_soundsEnabled)
        m_output->playChannel(channel, restart);
}

void AudioSystem::stopSample(KSample sample)
{
    m_output->stopSample(sample);
}

KStream AudioSystem::createStream(const void* data, std::size_t size)
{
    return m_output->createStream(data, size);
}

bool AudioSystem::playStream(KStream stream, bool restart)
{
    if (!stream || !m_streamsEnabled)
        return false;
    m_currentStream = stream;
    m_output->setStreamVolume(stream, m_streamVolume);
    return m_output->playStream(stream, restart);
}

void AudioSystem::stopStream(KStream stream)
{
    m_output->stopStream(stream);
    m_currentStream = 0;
}

void AudioSystem::freeStream(KStream stream)
{
    if (stream == m_currentStream)
        m_currentStream = 0;
    m_output->freeStream(stream);
}

bool AudioSystem::isStreamPlaying(KStream stream) const
{
    return m_currentStream != 0 && m_output->isStreamPlaying(stream);
}

} // namespace NAudio
