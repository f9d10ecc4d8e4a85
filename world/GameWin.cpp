#include "world/GameWin.h"

#include "content/ResourceArchive.h"
#include "content/Sprite.h"

namespace NVolant {

GameWin::GameWin()
    : m_sprite(std::make_unique<NLib::Sprite>(*NLib::ResourceArchive::instance(),
                                              "menu/labels/congratulations/cong_label.xml"))
{
}

GameWin::~GameWin() = default;

void GameWin::update(float dtMs)
{
    m_countdown -= dtMs;
    if (!m_animating)
        return;
    m_sprite->update(dtMs);
    if (m_sprite->getFrame() == m_sprite->frameCount - 1)
        m_animating = false;
}

void GameWin::draw()
{
    m_sprite->draw(Vector4(400.0f, 250.0f, 0.0f, 1.0f));
}

} // namespace NVolant
