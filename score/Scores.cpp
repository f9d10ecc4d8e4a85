#include "score/Scores.h"

#include "content/BitmapText.h"
#include "content/CXmlNode.h"
#include "gameplay/Images.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace NVolant {

namespace {

constexpr float kTextSize = 16.0f;
constexpr float kTextFade = 0.001f; // alpha per ms: a text lives one second
constexpr float kTextRise = 0.05f;  // world pixels per ms

// Totals never wrap, even from a saved record that starts them near the limit.
int saturatedAdd(int a, int b)
{
    const long long sum = static_cast<long long>(a) + b;
    return static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}

// A count that cannot be negative in a real game.
int readCount(const Xml::CXmlNode& node, const char* name)
{
    return std::max(node.getInt(name, 0), 0);
}

} // namespace

void Scores::addText(const std::string& text, const Vector4& worldPosition, float r, float g, float b)
{
    FloatingText t;
    t.position = worldPosition;
    t.colour = {r, g, b, 1.0f};
    t.text = text;
    m_texts.push_back(std::move(t));
}

void Scores::addScore(int points, const Vector4& worldPosition)
{
    char text[24];
    std::snprintf(text, sizeof text, "+%d", points);
    addText(text, worldPosition, 1.0f, 1.0f, 0.0f);
    m_score = saturatedAdd(m_score, points);
    _levelScores = saturatedAdd(_levelScores, points);
    m_lives = m_score / kPointsPerLife;
}

void Scores::countBoat()
{
    _boatsKilled = saturatedAdd(_boatsKilled, 1);
}

void Scores::countHelic()
{
    _helicsKilled = saturatedAdd(_helicsKilled, 1);
}

void Scores::countPlane()
{
    _planesKilled = saturatedAdd(_planesKilled, 1);
}

void Scores::countShot()
{
    _shotsCount = saturatedAdd(_shotsCount, 1);
}

void Scores::countHit()
{
    _shotsHittedCount = saturatedAdd(_shotsHittedCount, 1);
}

int Scores::checkExtraLife(int lives, const Vector4& worldPosition)
{
    const int earned = m_lives - m_livesUsed;
    const int n = saturatedAdd(lives, earned);
    if (n != lives) {
        char text[24];
        std::snprintf(text, sizeof text, "+%d UP", n - lives);
        addText(text, worldPosition, 1.0f, 0.1f, 0.5f);
    }
    m_livesUsed = m_lives;
    return n;
}

void Scores::resetLevelStats()
{
    _boatsKilled = 0;
    _helicsKilled = 0;
    _planesKilled = 0;
    _bonusLevelScores = 0;
    _levelScores = 0;
    _shotsCount = 0;
    _shotsHittedCount = 0;
}

void Scores::update(float dtMs)
{
    for (FloatingText& t : m_texts) {
        t.colour[3] -= kTextFade * dtMs;
        t.position.y += kTextRise * dtMs;
    }
    std::erase_if(m_texts, [](const FloatingText& t) { return t.colour[3] < 0.0f; });
}

void Scores::draw(const Vector4& camera) const
{
    if (m_texts.empty())
        return;
    const NLib::BitmapText* font = Images::instance()->font.get();
    if (!font)
        return;
    for (const FloatingText& t : m_texts)
        font->drawText(t.text, kTextSize, t.position.x, camera.y + 600.0f - t.position.y, 0.0f, t.colour[0],
                       t.colour[1], t.colour[2], t.colour[3]);
}

int Scores::missedShots() const
{
    return saturatedAdd(_shotsCount, -_shotsHittedCount);
}

int Scores::accuracyPercent() const
{
    if (_shotsCount <= 0)
        return -1;
    return static_cast<int>(static_cast<long long>(_shotsHittedCount) * 100 / _shotsCount);
}

void Scores::write(Xml::CXmlNode& parent, bool withLevelStats) const
{
    Xml::CXmlNode* node = parent.addChild("scores");
    node->setInt("m_score", m_score);
    node->setInt("m_lives", m_lives);
    node->setInt("m_livesUsed", m_livesUsed);
    const auto stat = [withLevelStats](int value) { return withLevelStats ? value : 0; };
    node->setInt("_boatsKilled", stat(_boatsKilled));
    node->setInt("_helicsKilled", stat(_helicsKilled));
    node->setInt("_planesKilled", stat(_planesKilled));
    node->setInt("_bonusLevelScores", stat(_bonusLevelScores));
    node->setInt("_levelScores", stat(_levelScores));
    node->setInt("_shotsCount", stat(_shotsCount));
    node->setInt("_shotsHittedCount", stat(_shotsHittedCount));
}

void Scores::read(const Xml::CXmlNode& parent)
{
    const Xml::CXmlNode* node = parent.findChild("scores");
    if (!node)
        return;
    m_score = readCount(*node, "m_score");
    // The earned lives follow from the score; a record claiming others would hand out lives (or
    // take them away) at the next check.
    m_lives = m_score / kPointsPerLife;
    m_livesUsed = std::min(readCount(*node, "m_livesUsed"), m_lives);
    _boatsKilled = readCount(*node, "_boatsKilled");
    _helicsKilled = readCount(*node, "_helicsKilled");
    _planesKilled = readCount(*node, "_planesKilled");
    _bonusLevelScores = readCount(*node, "_bonusLevelScores");
    _levelScores = readCount(*node, "_levelScores");
    _shotsCount = readCount(*node, "_shotsCount");
    _shotsHittedCount = readCount(*node, "_shotsHittedCount");
}

} // namespace NVolant
