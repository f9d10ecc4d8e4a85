#pragma once

#include "content/ResourceArchive.h"

#include "platform/KAudio.h"

#include <string>
#include <vector>

namespace NAudio {

// Background music: a list of OGG files streamed one after the other, back to the first after
// the last. The current track's bytes live here as long as its stream does.
class StreamMusic {
public:
    StreamMusic() = default;
    virtual ~StreamMusic();
    StreamMusic(const StreamMusic&) = delete;
    StreamMusic& operator=(const StreamMusic&) = delete;

    void add(const std::string& path);
    void clear();
    // Mixes the list (the standard generator, seeded from the clock).
    void shuffle();
    // Starts the track after the current one. A track that is missing or does not decode is
    // passed over (and logged once); when none plays, the music stops.
    void playNext();
    void stop();
    // Once per frame: the next track when one ended, silence when music was switched off.
    void update();

    bool isPlaying() const { return m_playing; }
    const std::vector<std::string>& tracks() const { return m_tracks; }
    int index() const { return m_index; }

private:
    bool m_playing = false;
    std::vector<std::string> m_tracks;
    int m_index = -1;
    KStream m_stream = 0;
    NLib::ByteBuffer m_data;
};

} // namespace NAudio
