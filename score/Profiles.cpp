#include "score/Profiles.h"

#include "content/CXmlException.h"
#include "content/CXmlNode.h"
#include "content/Scramble.h"
#include "platform/Log.h"
#include "score/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unordered_map>

namespace NVolant {

bool Profiles::load(const std::string& path)
{
    m_path = path;
    std::vector<std::uint8_t> bytes;
    switch (readFileLimited(path, kMaxFileBytes, bytes)) {
    case FileReadResult::Missing:
        return false;
    case FileReadResult::NotAFile:
        // A later save cannot replace a folder either; it fails and says so.
        LOG_ERROR("%s is not a file", path.c_str());
        return false;
    case FileReadResult::Unreadable:
        // There but out of reach: moved aside all the same, so that saving this run's progress
        // does not replace it.
        keepAside(path, std::strerror(errno));
        return false;
    case FileReadResult::TooLarge:
        readTree(Xml::CXmlNode());
        keepAside(path, "larger than any save file");
        return true;
    case FileReadResult::Read:
        break;
    }
    std::string problem;
    if (!loadBytes(std::move(bytes), &problem))
        keepAside(path, problem);
    return true;
}

void Profiles::keepAside(const std::string& path, const std::string& problem)
{
    // Kept for the player (or us) to look at; the next save starts afresh.
    m_unreadable = true;
    const std::string bad = path + ".bad";
    m_keptAside.clear();
    if (std::rename(path.c_str(), bad.c_str()) == 0) {
        m_keptAside = bad;
        LOG_ERROR("%s could not be read (%s); kept as %s, starting from the defaults", path.c_str(),
                  problem.c_str(), bad.c_str());
    } else {
        LOG_ERROR("%s could not be read (%s) nor kept as %s (%s); starting from the defaults", path.c_str(),
                  problem.c_str(), bad.c_str(), std::strerror(errno));
    }
}

bool Profiles::loadBytes(std::vector<std::uint8_t> bytes, std::string* problem)
{
    NLib::scrambleBuffer(bytes.data(), bytes.size(), kSaveKey);
    bytes.push_back(0);
    Xml::CXmlNode root;
    std::string why;
    try {
        root.load(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    } catch (const Xml::CXmlException& e) {
        why = e.getMessage();
    }
    // Well-formed but not ours (an empty file parses as an empty document) counts as unreadable
    // too: overwriting it with defaults would lose whatever it is.
    if (why.empty() && root.name() != "save_data")
        why = root.name().empty() ? "no element" : "no \"save_data\" element";
    if (!why.empty())
        root.clear();
    readTree(root);
    if (problem)
        *problem = why;
    return why.empty();
}

void Profiles::readTree(const Xml::CXmlNode& root)
{
    // Settings outside what the options panel can set are brought back into its range.
    m_soundVolume = std::clamp(root.getInt("m_soundVolume", 100), 0, 100);
    m_musicVolume = std::clamp(root.getInt("m_musicVolume", 50), 0, 100);
    m_invertStereo = root.getInt("m_invertStereo", 0) == 1 ? 1 : 0;
    m_isWindowed = root.getInt("m_isWindowed", 0) == 1 ? 1 : 0;
    const int current = root.getInt("m_profileCurrent", 0);

    std::unordered_map<std::string, std::size_t> names;
    for (std::size_t i = 0; i < m_profiles.size(); ++i)
        names.emplace(m_profiles[i].name(), i);

    // The current index follows its profile, wherever profiles before it were left out.
    std::uint32_t resolved = kNoProfile;
    if (const Xml::CXmlNode* list = root.findChild("profiles")) {
        int index = 0;
        for (const Xml::CXmlNode* child : list->getChildren()) {
            std::optional<Profile> profile = Profile::read(*child);
            if (profile) {
                const auto [at, added] = names.emplace(profile->name(), m_profiles.size());
                if (added)
                    m_profiles.push_back(std::move(*profile));
                else
                    LOG_INFO("save file: a second profile \"%s\" is left out", profile->name().c_str());
                if (index == current)
                    resolved = static_cast<std::uint32_t>(at->second);
            }
            ++index;
        }
    }
    // With no profiles at all the first one made becomes current, as on a first start.
    m_profileCurrent = m_profiles.empty() ? 0 : resolved;
}

bool Profiles::save(const std::string& path)
{
    if (m_settingsSource)
        m_settingsSource(*this);
    return writeFileAtomically(path, toBytes());
}

bool Profiles::save()
{
    return !m_path.empty() && save(m_path);
}

std::string Profiles::toText() const
{
    Xml::CXmlNode root;
    root.setName("save_data");
    root.setUnsigned("profilesCount", static_cast<std::uint32_t>(m_profiles.size()));
    root.setUnsigned("m_profileCurrent", m_profileCurrent);
    root.setInt("m_soundVolume", m_soundVolume);
    root.setInt("m_musicVolume", m_musicVolume);
    root.setInt("m_invertStereo", m_invertStereo);
    root.setInt("m_isWindowed", m_isWindowed);
    Xml::CXmlNode* list = root.addChild("profiles");
    for (const Profile& profile : m_profiles)
        profile.write(*list);
    return root.toText();
}

std::vector<std::uint8_t> Profiles::toBytes() const
{
    const std::string text = toText();
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    NLib::scrambleBuffer(bytes.data(), bytes.size(), kSaveKey);
    return bytes;
}

bool Profiles::addProfile(const std::string& name)
{
    if (!Profile::isValidName(name) || findProfile(name))
        return false;
    m_profiles.emplace_back(name);
    save();
    return true;
}

void Profiles::deleteProfile(const std::string& name)
{
    const auto it = std::find_if(m_profiles.begin(), m_profiles.end(),
                                 [&name](const Profile& p) { return p.name() == name; });
    const bool removed = it != m_profiles.end();
    const std::uint32_t before = m_profileCurrent;
    if (removed) {
        // The current player stays the same person when someone listed before them goes.
        if (static_cast<std::uint32_t>(it - m_profiles.begin()) < m_profileCurrent &&
            m_profileCurrent != kNoProfile)
            m_profileCurrent -= 1;
        m_profiles.erase(it);
    }
    // With no profile left this wraps to kNoProfile.
    if (m_profileCurrent >= m_profiles.size())
        m_profileCurrent = static_cast<std::uint32_t>(m_profiles.size()) - 1u;
    if (removed || before != m_profileCurrent)
        save();
}

bool Profiles::selectProfile(const std::string& name)
{
    for (std::size_t i = 0; i < m_profiles.size(); ++i) {
        if (m_profiles[i].name() == name) {
            m_profileCurrent = static_cast<std::uint32_t>(i);
            save();
            return true;
        }
    }
    return false;
}

Profile* Profiles::findProfile(const std::string& name)
{
    for (Profile& profile : m_profiles)
        if (profile.name() == name)
            return &profile;
    return nullptr;
}

Profile* Profiles::currentProfile()
{
    return m_profileCurrent < m_profiles.size() ? &m_profiles[m_profileCurrent] : nullptr;
}

const Profile* Profiles::currentProfile() const
{
    return m_profileCurrent < m_profiles.size() ? &m_profiles[m_profileCurrent] : nullptr;
}

Profile* Profiles::profileAt(std::size_t index)
{
    return index < m_profiles.size() ? &m_profiles[index] : nullptr;
}

void Profiles::collectTopTen(std::vector<TopTenEntry>& list) const
{
    list.clear();
    for (const Profile& profile : m_profiles)
        for (std::uint32_t score : profile.scores)
            list.push_back({profile.name(), score});
    std::stable_sort(list.begin(), list.end(),
                     [](const TopTenEntry& a, const TopTenEntry& b) { return a.score > b.score; });
    if (list.size() > 10)
        list.resize(10);
}

bool Profiles::takeUnreadableNotice()
{
    const bool unreadable = m_unreadable;
    m_unreadable = false;
    return unreadable;
}

} // namespace NVolant
