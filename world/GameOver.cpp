#include "world/GameOver.h"

#include "content/ResourceArchive.h"
#include "content/Sprite.h"

namespace NVolant {

GameOver::GameOver()
    : m_sprite(std::make_unique<NLib::Sprite>(*NLib::ResourceArchive::instance(),
                                              "menu/labels/game_over/over_label.xml"))
{
}

GameOver::~GameOver() = default;

void GameOver::update(float dtMs)
{
    m_countdown -= dtMs;
    // The animation plays once and holds its last picture.
    if (m_sprite->getFrame() != m_sprite->frameCount - 1)
        m_sprite->update(dtMs);
}

void GameOver::draw()
{
    m_sprite->draw(Vector4(400.0f, 250.0f, 0.0f, 1.0f));
}

} // namespace NVolant
