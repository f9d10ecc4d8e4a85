#include "world/SavedGameText.h"

#include "content/CXmlException.h"
#include "gameplay/FieldStatus.h"
#include "world/Level.h"

#include <algorithm>

namespace NVolant {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

} // namespace

std::string encodeSavedGame(const Xml::CXmlNode& record)
{
    const std::string text = record.toText();
    std::string hex;
    hex.reserve(text.size() * 2);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        hex.push_back(kDigits[byte >> 4]);
        hex.push_back(kDigits[byte & 0x0F]);
    }
    return hex;
}

bool decodeSavedGame(const std::string& text, Xml::CXmlNode& record)
{
    // Half a byte at the end means the text was cut short: nothing trustworthy to continue.
    if (text.empty() || text.size() % 2 != 0)
        return false;
    std::string bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2)
        bytes.push_back(static_cast<char>(digitValue(text[i]) * 16 + digitValue(text[i + 1])));
    Xml::CXmlNode parsed;
    try {
        parsed.load(bytes.data(), bytes.size());
    } catch (const Xml::CXmlException&) {
        return false;
    }
    record = std::move(parsed);
    return true;
}

bool readSavedGame(const std::string& text, SavedGame& game)
{
    Xml::CXmlNode record;
    if (!decodeSavedGame(text, record))
        return false;
    int levelNumber = record.getInt("m_levelNum", 0);
    int bridges = std::max(0, record.getInt("bridgeNum", 0));
    const int lives = record.getInt("m_livesCount", 0);
    // Earlier versions named the level after the last once its last bridge fell: that game stands
    // past the last level's last bridge.
    if (levelNumber == Level::kLastLevel + 1 && bridges == 0) {
        levelNumber = Level::kLastLevel;
        bridges = SavedGame::kAllBridges;
    }
    if (levelNumber < 1 || levelNumber > Level::kLastLevel || lives < 1)
        return false;
    const int status = record.getInt("m_status", 0);
    game.status =
        status == static_cast<int>(FieldStatus::Playing) ? status : static_cast<int>(FieldStatus::Waiting);
    game.levelNumber = levelNumber;
    game.lives = lives;
    game.bridges = bridges;
    game.record = std::move(record);
    return true;
}

} // namespace NVolant
