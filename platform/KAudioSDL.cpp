#include "platform/KAudioSDL.h"

#include "platform/Log.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// Handles count up for the whole process, so one from a closed output never names a new object.
std::uint32_t nextHandle()
{
    static std::uint32_t counter = 0;
    if (++counter == 0)
        ++counter;
    return counter;
}

int clampVolume(int volume)
{
    return std::clamp(volume, 0, 100);
}

// Only Ogg Vorbis goes to the decoders: every sound of the game is one, and nothing else of
// SDL_mixer's format zoo ever sees a modified data file.
bool isOgg(const void* data, std::size_t size)
{
    return data && size >= 4 && size <= static_cast<std::size_t>(INT_MAX) &&
           std::memcmp(data, "OggS", 4) == 0;
}

} // namespace

std::unique_ptr<KAudio> createAudio()
{
    return std::make_unique<KAudioSDL>();
}

KAudioSDL::~KAudioSDL()
{
    close();
}

bool KAudioSDL::open()
{
    if (m_open)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        LOG_ERROR("no audio (%s); the game runs silently", SDL_GetError());
        return false;
    }
    if ((Mix_Init(MIX_INIT_OGG) & MIX_INIT_OGG) == 0)
        LOG_ERROR("no Ogg Vorbis decoder in SDL_mixer (%s)", Mix_GetError());
    // No format changes allowed: SDL converts for the device, and the mix is always 16-bit stereo.
    if (Mix_OpenAudioDevice(kFrequency, AUDIO_S16SYS, 2, 1024, nullptr, 0) != 0) {
        LOG_ERROR("no audio output device (%s); the game runs silently", Mix_GetError());
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(kMixerChannels);
    m_owner.assign(kMixerChannels, 0);
    m_open = true;
    m_paused = false;
    return true;
}

void KAudioSDL::close()
{
    if (!m_open)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (auto& [handle, sample] : m_samples)
        Mix_FreeChunk(sample.chunk);
    for (auto& [handle, stream] : m_streams)
        Mix_FreeMusic(stream.music);
    m_samples.clear();
    m_voices.clear();
    m_streams.clear();
    m_currentStream = 0;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_open = false;
}

void KAudioSDL::pause()
{
    if (!m_open || m_paused)
        return;
    Mix_Pause(-1);
    Mix_PauseMusic();
    m_paused = true;
}

void KAudioSDL::resume()
{
    if (!m_open || !m_paused)
        return;
    Mix_Resume(-1);
    Mix_ResumeMusic();
    m_paused = false;
}

KSample KAudioSDL::loadSample(const void* data, std::size_t size, int maxInstances)
{
    if (!m_open || !isOgg(data, size))
        return 0;
    SDL_RWops* bytes = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (!bytes)
        return 0;
    // Closed here rather than by the loader, which forgets to on some broken files.
    Mix_Chunk* chunk = Mix_LoadWAV_RW(bytes, 0);
    SDL_RWclose(bytes);
    if (!chunk)
        return 0;
    const KSample handle = nextHandle();
    SampleData& sample = m_samples[handle];
    sample.chunk = chunk;
    sample.maxInstances = std::max(1, maxInstances);
    return handle;
}

void KAudioSDL::freeSample(KSample handle)
{
    const auto it = m_samples.find(handle);
    if (it == m_samples.end())
        return;
    stopSample(handle);
    for (KChannel voice : it->second.voices)
        m_voices.erase(voice);
    Mix_FreeChunk(it->second.chunk);
    m_samples.erase(it);
}

int KAudioSDL::sampleMaxInstances(KSample handle) const
{
    const auto it = m_samples.find(handle);
    return it == m_samples.end() ? 0 : it->second.maxInstances;
}

bool KAudioSDL::sampleLooping(KSample handle) const
{
    const auto it = m_samples.find(handle);
    return it != m_samples.end() && it->second.looping;
}

void KAudioSDL::setSampleLooping(KSample handle, bool looping)
{
    const auto it = m_samples.find(handle);
    if (it != m_samples.end())
        it->second.looping = looping;
}

void KAudioSDL::dropVoice(KChannel handle)
{
    const auto it = m_voices.find(handle);
    if (it == m_voices.end())
        return;
    const int channel = heldChannel(handle, it->second);
    if (channel >= 0) {
        Mix_HaltChannel(channel);
        m_owner[channel] = 0;
    }
    const auto sample = m_samples.find(it->second.sample);
    if (sample != m_samples.end())
        std::erase(sample->second.voices, handle);
    m_voices.erase(it);
}

KChannel KAudioSDL::sampleChannel(KSample handle, bool onlyFree)
{
    const auto it = m_samples.find(handle);
    if (it == m_samples.end())
        return 0;
    SampleData& sample = it->second;

    // Voices that played and fell silent are free again.
    std::vector<KChannel> finished;
    for (KChannel voice : sample.voices) {
        const Voice& v = m_voices.at(voice);
        if (v.started && !sounding(voice, v))
            finished.push_back(voice);
    }
    for (KChannel voice : finished)
        dropVoice(voice);

    if (static_cast<int>(sample.voices.size()) >= sample.maxInstances) {
        if (onlyFree)
            return 0;
        // The one that has sounded longest gives way (one not yet started counts as oldest).
        const auto oldest =
            std::min_element(sample.voices.begin(), sample.voices.end(), [this](KChannel a, KChannel b) {
                return m_voices.at(a).startedAt < m_voices.at(b).startedAt;
            });
        dropVoice(*oldest);
    }
    const KChannel voice = nextHandle();
    m_voices[voice].sample = handle;
    sample.voices.push_back(voice);
    return voice;
}

void KAudioSDL::stopSample(KSample handle)
{
    const auto it = m_samples.find(handle);
    if (it == m_samples.end())
        return;
    for (KChannel voice : it->second.voices)
        stopChannel(voice);
}

int KAudioSDL::heldChannel(KChannel handle, const Voice& voice) const
{
    if (voice.mixerChannel < 0 || m_owner[voice.mixerChannel] != handle)
        return -1;
    return voice.mixerChannel;
}

bool KAudioSDL::sounding(KChannel handle, const Voice& voice) const
{
    const int channel = heldChannel(handle, voice);
    return channel >= 0 && Mix_Playing(channel) != 0;
}

int KAudioSDL::freeMixerChannel() const
{
    for (int channel = 0; channel < kMixerChannels; ++channel)
        if (Mix_Playing(channel) == 0)
            return channel;
    return -1;
}

void KAudioSDL::applyVolume(int mixerChannel, int volume) const
{
    Mix_Volume(mixerChannel, clampVolume(volume) * MIX_MAX_VOLUME / 100);
}

void KAudioSDL::applyPan(int mixerChannel, int pan) const
{
    // Balance: the far side fades out, the near side stays at full level.
    pan = std::clamp(pan, -100, 100);
    const int left = pan <= 0 ? 255 : 255 * (100 - pan) / 100;
    const int right = pan >= 0 ? 255 : 255 * (100 + pan) / 100;
    Mix_SetPanning(mixerChannel, static_cast<Uint8>(left), static_cast<Uint8>(right));
}

void KAudioSDL::playChannel(KChannel handle, bool restart)
{
    const auto it = m_voices.find(handle);
    if (it == m_voices.end())
        return;
    Voice& voice = it->second;
    const SampleData& sample = m_samples.at(voice.sample);
    if (sounding(handle, voice) && !restart)
        return;

    int channel = heldChannel(handle, voice);
    if (channel >= 0) {
        // Halting first: a channel restarted in place would lose its panning on the way.
        Mix_HaltChannel(channel);
    } else {
        channel = freeMixerChannel();
    }
    voice.started = true;
    voice.startedAt = ++m_playCount;
    if (channel < 0) {
        // Every mixer channel is busy: this one stays silent.
        voice.mixerChannel = -1;
        return;
    }
    // Level and placement are set while the channel is idle, so no buffer sounds with the last
    // user's settings.
    applyVolume(channel, voice.volume);
    applyPan(channel, voice.pan);
    if (Mix_PlayChannel(channel, sample.chunk, sample.looping ? -1 : 0) < 0) {
        voice.mixerChannel = -1;
        return;
    }
    if (m_paused)
        Mix_Pause(channel);
    m_owner[channel] = handle;
    voice.mixerChannel = channel;
}

void KAudioSDL::stopChannel(KChannel handle)
{
    const auto it = m_voices.find(handle);
    if (it == m_voices.end())
        return;
    const int channel = heldChannel(handle, it->second);
    if (channel >= 0)
        Mix_HaltChannel(channel);
    it->second.started = true;
}

void KAudioSDL::setChannelVolume(KChannel handle, int volume)
{
    const auto it = m_voices.find(handle);
    if (it == m_voices.end())
        return;
    it->second.volume = clampVolume(volume);
    if (sounding(handle, it->second))
        applyVolume(it->second.mixerChannel, it->second.volume);
}

void KAudioSDL::setChannelPan(KChannel handle, int pan)
{
    const auto it = m_voices.find(handle);
    if (it == m_voices.end())
        return;
    it->second.pan = std::clamp(pan, -100, 100);
    if (sounding(handle, it->second))
        applyPan(it->second.mixerChannel, it->second.pan);
}

bool KAudioSDL::isChannelPlaying(KChannel handle) const
{
    const auto it = m_voices.find(handle);
    return it != m_voices.end() && sounding(handle, it->second);
}

KStream KAudioSDL::createStream(const void* data, std::size_t size)
{
    if (!m_open || !isOgg(data, size))
        return 0;
    SDL_RWops* bytes = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (!bytes)
        return 0;
    Mix_Music* music = Mix_LoadMUSType_RW(bytes, MUS_OGG, 1);
    if (!music)
        return 0;
    const KStream handle = nextHandle();
    m_streams[handle].music = music;
    return handle;
}

void KAudioSDL::freeStream(KStream handle)
{
    const auto it = m_streams.find(handle);
    if (it == m_streams.end())
        return;
    stopStream(handle);
    Mix_FreeMusic(it->second.music);
    m_streams.erase(it);
}

bool KAudioSDL::playStream(KStream handle, bool restart)
{
    const auto it = m_streams.find(handle);
    if (it == m_streams.end())
        return false;
    if (!restart && isStreamPlaying(handle))
        return true;
    Mix_VolumeMusic(it->second.volume * MIX_MAX_VOLUME / 100);
    if (Mix_PlayMusic(it->second.music, 0) != 0) {
        m_currentStream = 0;
        return false;
    }
    if (m_paused)
        Mix_PauseMusic();
    m_currentStream = handle;
    return true;
}

void KAudioSDL::stopStream(KStream handle)
{
    if (handle == 0 || handle != m_currentStream)
        return;
    Mix_HaltMusic();
    m_currentStream = 0;
}

void KAudioSDL::setStreamVolume(KStream handle, int volume)
{
    const auto it = m_streams.find(handle);
    if (it == m_streams.end())
        return;
    it->second.volume = clampVolume(volume);
    if (handle == m_currentStream)
        Mix_VolumeMusic(it->second.volume * MIX_MAX_VOLUME / 100);
}

bool KAudioSDL::isStreamPlaying(KStream handle) const
{
    return handle != 0 && handle == m_currentStream && Mix_PlayingMusic() != 0;
}
