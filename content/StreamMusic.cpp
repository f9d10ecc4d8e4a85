#include "content/StreamMusic.h"

#include "content/AudioSystem.h"
#include "platform/Log.h"

#include <cstdlib>
#include <ctime>
#include <set>
#include <utility>

namespace NAudio {

namespace {

void reportOnce(const std::string& path)
{
    static std::set<std::string> reported;
    if (reported.insert(path).second)
        LOG_ERROR("music %s is missing or does not decode; it is skipped", path.c_str());
}

} // namespace

StreamMusic::~StreamMusic()
{
    stop();
    // A stream still open (no system left to stop it) belongs to a closed output; the bytes go.
    m_data.clear();
}

void StreamMusic::add(const std::string& path)
{
    m_tracks.push_back(path);
}

void StreamMusic::clear()
{
    stop();
    m_tracks.clear();
    m_index = -1;
}

void StreamMusic::shuffle()
{
    const int count = static_cast<int>(m_tracks.size());
    if (count == 0)
        return;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const int swaps = count + std::rand() % count;
    for (int i = 0; i < swaps; ++i)
        std::swap(m_tracks[0], m_tracks[std::rand() % count]);
}

void StreamMusic::playNext()
{
    AudioSystem* system = AudioSystem::existing();
    if (!system || !system->deviceOk() || !system->streamsEnabled() || m_tracks.empty())
        return;
    const int count = static_cast<int>(m_tracks.size());
    for (int tried = 0; tried < count; ++tried) {
        m_index = m_index + 1 >= count ? 0 : m_index + 1;
        stop();
        m_playing = true;
        const std::string& path = m_tracks[m_index];
        NLib::ResourceArchive* archive = NLib::ResourceArchive::instance();
        m_data = archive ? archive->readFile(path) : NLib::ByteBuffer{};
        m_stream = m_data.empty() ? 0 : system->createStream(m_data.data(), m_data.size());
        if (m_stream && system->playStream(m_stream, true))
            return;
        reportOnce(path);
    }
    // Nothing in the list plays: silence instead of retrying every frame.
    stop();
    m_data.clear();
}

void StreamMusic::stop()
{
    AudioSystem* system = AudioSystem::existing();
    if (!system || !system->deviceOk())
        return;
    m_playing = false;
    if (m_stream) {
        system->stopStream(m_stream);
        system->freeStream(m_stream);
    }
    m_stream = 0;
}

void StreamMusic::update()
{
    AudioSystem* system = AudioSystem::existing();
    if (!system || !m_playing)
        return;
    if (!system->streamsEnabled())
        stop();
    else if (!system->isStreamPlaying(m_stream))
        playNext();
}

} // namespace NAudio
