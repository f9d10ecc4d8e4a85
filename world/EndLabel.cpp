#include "world/EndLabel.h"

#include "content/ResourceArchive.h"
#include "content/Sprite.h"

namespace NVolant {

std::unique_ptr<EndLabel> EndLabel::gameOver()
{
    return std::make_unique<EndLabel>("menu/labels/game_over/over_label.xml", kGameOverTime);
}

std::unique_ptr<EndLabel> EndLabel::victory()
{
    return std::make_unique<EndLabel>("menu/labels/congratulations/cong_label.xml", kVictoryTime);
}

EndLabel::EndLabel(const std::string& spritePath, float showTimeMs)
    : m_countdown(showTimeMs),
      m_sprite(std::make_unique<NLib::Sprite>(*NLib::ResourceArchive::instance(), spritePath))
{
}

EndLabel::~EndLabel() = default;

void EndLabel::update(float dtMs)
{
    m_countdown -= dtMs;
    // The animation plays once and holds its last picture.
    if (m_sprite->getFrame() != m_sprite->frameCount - 1)
        m_sprite->update(dtMs);
}

void EndLabel::draw()
{
    m_sprite->draw(Vector4(400.0f, 250.0f, 0.0f, 1.0f));
}

} // namespace NVolant
