#pragma once

#include "content/Singleton.h"
#include "score/Profile.h"
#include "score/TopTenEntry.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace Xml {
class CXmlNode;
}

namespace NVolant {

// Everything kept between runs: the players' profiles, which one is current, and the global
// settings, stored in the scrambled "save.dat". The file is rewritten whenever something worth
// keeping changes (a profile made, deleted or chosen here; progress and settings by their owners
// through save()), always atomically, so a crash loses at most what happened since.
class Profiles final : public NLib::Singleton<Profiles> {
public:
    // The current index when no profile is current.
    static constexpr std::uint32_t kNoProfile = 0xFFFFFFFFu;
    static constexpr const char* kSaveKey = "pq8wn3rz5tk1vm7xc4hd9fj2bg6ys0le5ua8qw";
    // Far beyond any real save file; a bigger "save.dat" is not one of ours.
    static constexpr std::size_t kMaxFileBytes = 64u << 20;

    Profiles() = default;
    ~Profiles() = default;
    Profiles(const Profiles&) = delete;
    Profiles& operator=(const Profiles&) = delete;

    // Replaces the settings and appends the profiles of the file at path, which save() writes to
    // from now on. False when the file cannot be read (nothing changes). A file that is not a save
    // file, or one that is there but cannot be opened, is moved aside to path + ".bad" (replacing
    // an older one) and the defaults take over.
    bool load(const std::string& path);
    // Writes everything to path atomically, the settings as the settings source has them now;
    // false (logged) when that fails, the old file intact.
    bool save(const std::string& path);
    // Writes to the path of load(); false when there is none or the write fails.
    bool save();
    const std::string& savePath() const { return m_path; }

    // The file's content without the file: false when the bytes are not a save file, in which
    // case the settings take their defaults and no profile is added.
    bool loadBytes(std::vector<std::uint8_t> bytes, std::string* problem = nullptr);
    // The exact text of the file before scrambling, and the file's bytes.
    std::string toText() const;
    std::vector<std::uint8_t> toBytes() const;

    // False when the name is taken or is not one the name keyboard can make. The new profile is
    // appended; the current one stays.
    bool addProfile(const std::string& name);
    // Removes the profile of that name if any. The current profile stays current; when it is the
    // one removed, the next one in the list takes over (the last when it was last, none when
    // there is none).
    void deleteProfile(const std::string& name);
    bool selectProfile(const std::string& name);
    Profile* findProfile(const std::string& name);
    Profile* currentProfile();
    const Profile* currentProfile() const;
    Profile* profileAt(std::size_t index);
    std::size_t profileCount() const { return m_profiles.size(); }

    // The ten best scores of all profiles together, highest first; among equal scores, profiles
    // keep their list order.
    void collectTopTen(std::vector<TopTenEntry>& list) const;

    // True once after load() found a file it could not read, so the player can be told.
    bool takeUnreadableNotice();
    // Where that file was kept; empty when it could not be moved aside.
    const std::string& keptAsidePath() const { return m_keptAside; }

    // Whoever holds the live settings (the application: volumes, stereo swap, window mode) copies
    // them into the fields below before every write, so that no write carries stale ones.
    void setSettingsSource(std::function<void(Profiles&)> source) { m_settingsSource = std::move(source); }

    // Settings, read and written directly by the options and the application; save() afterwards.
    std::int32_t m_soundVolume = 100;
    std::int32_t m_musicVolume = 50;
    std::int32_t m_invertStereo = 0;
    std::int32_t m_isWindowed = 0;
    // Set when a finished game's score entered the top ten; the main menu reads and clears it.
    bool topTenChanged = false;

private:
    void readTree(const Xml::CXmlNode& root);
    void keepAside(const std::string& path, const std::string& problem);

    std::deque<Profile> m_profiles;
    std::uint32_t m_profileCurrent = 0;
    std::string m_path;
    std::function<void(Profiles&)> m_settingsSource;
    bool m_unreadable = false;
    std::string m_keptAside;
};

} // namespace NVolant
