#include "score/Profile.h"

#include "content/CXmlNode.h"
#include "platform/Log.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <functional>

namespace NVolant {

namespace {

bool isNameChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
}

// Lower-case letters become capitals, everything the name keyboard cannot type goes, and the
// name is cut to the keyboard's limit.
std::string repairName(const std::string& name)
{
    std::string out;
    for (char c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (isNameChar(c) && out.size() < Profile::kMaxNameLength)
            out += c;
    }
    return out;
}

// The saved game is hex text; anything else could not be continued and, written back as it
// stands, could break the file, so it counts as no saved game.
std::string checkedSave(std::string save)
{
    if (save.size() > Profile::kMaxSaveLength || save.size() % 2 != 0)
        return {};
    for (char& c : save) {
        if (c >= 'a' && c <= 'f')
            c = static_cast<char>(c - 'a' + 'A');
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return {};
    }
    return save;
}

// An unsigned decimal; negative values read as 0 and values past 32 bits as the largest.
std::uint32_t readUnsigned(const Xml::CXmlNode& node, const std::string& name, std::uint32_t fallback)
{
    const std::string text = node.getString(name, "");
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    if (end == begin)
        return fallback;
    if (value < 0)
        return 0;
    if (errno == ERANGE || value > 0xFFFFFFFFLL)
        return 0xFFFFFFFFu;
    return static_cast<std::uint32_t>(value);
}

} // namespace

Profile::Profile(std::string name) : scores(kSavedScores, 0), m_name(std::move(name))
{
}

bool Profile::isValidName(const std::string& name)
{
    return !name.empty() && name.size() <= kMaxNameLength &&
           std::all_of(name.begin(), name.end(), isNameChar);
}

void Profile::addScore(std::uint32_t score)
{
    const auto smaller =
        std::find_if(scores.begin(), scores.end(), [score](std::uint32_t s) { return s < score; });
    if (smaller != scores.end())
        scores.insert(smaller, score);
}

void Profile::write(Xml::CXmlNode& parent) const
{
    Xml::CXmlNode* node = parent.addChild("profile");
    node->setString("m_name", m_name);
    // Only hex goes into the file: other text would not survive being read back.
    node->setString("m_save", checkedSave(m_save));
    node->setUnsigned("m_levelMax", m_levelMax);
    node->setInt("m_customLevelNum", m_customLevelNum);
    node->setString("m_isShowHints", m_isShowHints ? "1" : "0");
    Xml::CXmlNode* list = node->addChild("scores");
    for (std::size_t i = 0; i < kSavedScores; ++i)
        list->addChild("score")->setUnsigned("m_scoresMax", i < scores.size() ? scores[i] : 0);
}

std::optional<Profile> Profile::read(const Xml::CXmlNode& node)
{
    const std::string stored = node.getString("m_name", "");
    const std::string name = repairName(stored);
    if (name.empty()) {
        LOG_INFO("save file: a profile named \"%.40s\" has no usable name and is left out", stored.c_str());
        return std::nullopt;
    }
    if (name != stored)
        LOG_INFO("save file: profile \"%.40s\" is read as \"%s\"", stored.c_str(), name.c_str());

    Profile profile(name);
    profile.m_save = checkedSave(node.getString("m_save", ""));
    profile.m_levelMax = std::clamp(readUnsigned(node, "m_levelMax", 0), 1u, kLastLevel);
    profile.m_customLevelNum =
        std::clamp(node.getInt("m_customLevelNum", 0), 1, static_cast<int>(profile.m_levelMax));
    profile.m_isShowHints = node.getInt("m_isShowHints", 1) != 0;

    // Best scores highest first, ten of them, as the game keeps them: a hand-edited list in any
    // order or of any length still ranks correctly and still takes new scores.
    profile.scores.clear();
    if (const Xml::CXmlNode* list = node.findChild("scores"))
        for (const Xml::CXmlNode* score : list->getChildren())
            profile.scores.push_back(readUnsigned(*score, "m_scoresMax", 0));
    std::stable_sort(profile.scores.begin(), profile.scores.end(), std::greater<>());
    profile.scores.resize(kSavedScores, 0);
    return profile;
}

} // namespace NVolant
