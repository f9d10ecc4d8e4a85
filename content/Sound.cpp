#include "content/Sound.h"

#include "content/AudioSystem.h"
#include "content/ResourceArchive.h"
#include "platform/Log.h"

#include <algorithm>
#include <set>
#include <utility>

namespace NAudio {

namespace {

// A broken file is reported once, however often it is asked for (two slots share some files).
void reportOnce(const std::string& path, const char* problem)
{
    static std::set<std::string> reported;
    if (reported.insert(path).second)
        LOG_ERROR("sound %s %s; it stays silent", path.c_str(), problem);
}

} // namespace

std::unique_ptr<Sound> Sound::load(const std::string& path, int maxInstances)
{
    AudioSystem* system = AudioSystem::existing();
    if (!system || !system->deviceOk())
        return nullptr;
    NLib::ResourceArchive* archive = NLib::ResourceArchive::instance();
    const NLib::ByteBuffer bytes = archive ? archive->readFile(path) : NLib::ByteBuffer{};
    if (bytes.empty()) {
        reportOnce(path, "is missing");
        return nullptr;
    }
    const KSample sample = system->loadSample(bytes.data(), bytes.size(), maxInstances);
    if (!sample) {
        reportOnce(path, "does not decode");
        return nullptr;
    }
    KAudio& output = system->output();
    const int max = output.sampleMaxInstances(sample);
    return std::make_unique<Sound>(sample, output.sampleLooping(sample), max > 0 ? max : 1);
}

Sound::Sound(KSample sample, bool looping, int maxInstances)
    : m_sample(sample), m_looping(looping), m_maxInstances(maxInstances)
{
    if (m_maxInstances == 1)
        if (AudioSystem* system = AudioSystem::existing())
            m_channel = system->output().sampleChannel(m_sample, false);
}

Sound::~Sound()
{
    if (AudioSystem* system = AudioSystem::existing())
        system->freeSample(m_sample);
}

void Sound::setLooping(bool looping)
{
    if (looping == m_looping)
        return;
    m_looping = looping;
    if (AudioSystem* system = AudioSystem::existing())
        system->output().setSampleLooping(m_sample, looping);
}

void Sound::applyVolume(KChannel channel, int volume)
{
    AudioSystem* system = AudioSystem::existing();
    if (!system)
        return;
    // The effect's own level under the player's effect volume.
    const int applied = std::clamp(volume, 0, 100) * system->soundVolume() / 100;
    system->output().setChannelVolume(channel, applied);
}

void Sound::applyPan(KChannel channel, int pan)
{
    AudioSystem* system = AudioSystem::existing();
    if (!system)
        return;
    pan = std::clamp(pan, -100, 100);
    if (system->invertStereo())
        pan = -pan;
    system->output().setChannelPan(channel, pan);
}

void Sound::play(bool restart, bool loop, int volume)
{
    AudioSystem* system = AudioSystem::existing();
    if (!system)
        return;
    KAudio& output = system->output();
    if (loop != m_looping) {
        setLooping(loop);
        output.stopChannel(m_channel);
        m_channel = output.sampleChannel(m_sample, false);
    }
    if (restart)
        m_channel = output.sampleChannel(m_sample, false);
    // A fresh channel keeps the placement the sound was given.
    output.setChannelPan(m_channel, m_pan);
    applyVolume(m_channel, volume < 0 ? 100 : volume);
    system->playChannel(m_channel, restart);
}

void Sound::setVolume(int volume)
{
    applyVolume(m_channel, volume);
}

void Sound::setPan(int pan)
{
    AudioSystem* system = AudioSystem::existing();
    if (!system)
        return;
    pan = std::clamp(pan, -100, 100);
    m_pan = system->invertStereo() ? -pan : pan;
    system->output().setChannelPan(m_channel, m_pan);
}

bool Sound::isPlaying() const
{
    AudioSystem* system = AudioSystem::existing();
    return system && m_channel && system->output().isChannelPlaying(m_channel);
}

void Sound::stop()
{
    if (AudioSystem* system = AudioSystem::existing())
        system->stopSample(m_sample);
    // Owners still refreshing get fresh instances, rather than holding on to silent ones.
    m_instances.clear();
}

const Sound::Instance* Sound::find(std::uint32_t key) const
{
    const auto it = std::find_if(m_instances.begin(), m_instances.end(),
                                 [key](const Instance& instance) { return instance.key == key; });
    return it == m_instances.end() ? nullptr : &*it;
}

Sound::Instance* Sound::find(std::uint32_t key)
{
    return const_cast<Instance*>(std::as_const(*this).find(key));
}

bool Sound::acquire(std::uint32_t key, int keepAlive)
{
    AudioSystem* system = AudioSystem::existing();
    if (!system)
        return false;
    Instance* existing = find(key);
    if (static_cast<int>(m_instances.size()) < m_maxInstances && m_maxInstances > 1 && !existing) {
        const KChannel channel = system->output().sampleChannel(m_sample, true);
        if (channel) {
            m_instances.push_back({key, channel, keepAlive});
            return true;
        }
    } else if (existing) {
        existing->keepAlive = keepAlive;
    }
    return false;
}

bool Sound::hasInstance(std::uint32_t key) const
{
    return find(key) != nullptr;
}

void Sound::playInstance(std::uint32_t key, bool restart)
{
    AudioSystem* system = AudioSystem::existing();
    if (!system)
        return;
    if (m_maxInstances < 2) {
        play(restart, m_looping);
        return;
    }
    const Instance* instance = find(key);
    if (!instance || !instance->channel)
        return;
    // Starts centred at the effect volume; the owner places it right after.
    system->output().setChannelVolume(instance->channel, system->soundVolume());
    system->output().setChannelPan(instance->channel, 0);
    system->playChannel(instance->channel, restart);
}

void Sound::setInstancePan(std::uint32_t key, int pan)
{
    if (const Instance* instance = find(key))
        applyPan(instance->channel, pan);
}

void Sound::setInstanceVolume(std::uint32_t key, int volume)
{
    if (const Instance* instance = find(key))
        applyVolume(instance->channel, volume);
}

bool Sound::isInstancePlaying(std::uint32_t key) const
{
    AudioSystem* system = AudioSystem::existing();
    const Instance* instance = find(key);
    return system && instance && system->output().isChannelPlaying(instance->channel);
}

void Sound::stopInstance(std::uint32_t key)
{
    const auto it = std::find_if(m_instances.begin(), m_instances.end(),
                                 [key](const Instance& instance) { return instance.key == key; });
    if (it == m_instances.end())
        return;
    if (AudioSystem* system = AudioSystem::existing())
        system->output().stopChannel(it->channel);
    m_instances.erase(it);
}

void Sound::tick()
{
    AudioSystem* system = AudioSystem::existing();
    std::erase_if(m_instances, [system](Instance& instance) {
        if (--instance.keepAlive >= 1)
            return false;
        if (system)
            system->output().stopChannel(instance.channel);
        return true;
    });
}

} // namespace NAudio
