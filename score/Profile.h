#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace Xml {
class CXmlNode;
}

namespace NVolant {

// One player: name, saved game, progress, options and best scores. A plain value; the profiles
// object keeps them in creation order.
class Profile final {
public:
    static constexpr std::size_t kMaxNameLength = 14;
    static constexpr std::size_t kSavedScores = 10;
    static constexpr std::uint32_t kLastLevel = 30;
    // A saved game is a few hundred bytes of XML as hex; anything far longer is not one.
    static constexpr std::size_t kMaxSaveLength = 64 * 1024;

    explicit Profile(std::string name);

    const std::string& name() const { return m_name; }

    // Inserts the score before the first smaller one, so it goes after all equal ones; a score no
    // entry is smaller than is not recorded. The list may grow past ten; only ten are saved.
    void addScore(std::uint32_t score);

    // The "profile" element of the save file, appended to parent.
    void write(Xml::CXmlNode& parent) const;
    // A profile read from one child of "profiles", repaired where a player would expect it
    // (see the source); none when nothing usable is left of its name.
    static std::optional<Profile> read(const Xml::CXmlNode& node);

    // Names the name keyboard can make: 1 to 14 of "0"-"9" and "A"-"Z".
    static bool isValidName(const std::string& name);

    // Best scores, highest first.
    std::deque<std::uint32_t> scores;
    // The saved game as uppercase hex; empty when there is nothing to continue.
    std::string m_save;
    std::uint32_t m_levelMax = 1;
    std::int32_t m_customLevelNum = 1;
    bool m_isShowHints = true;

private:
    std::string m_name;
};

} // namespace NVolant
