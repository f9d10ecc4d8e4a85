#include "screens/Game.h"

#include "platform/KPointer.h"
#include "player/Plane.h"
#include "world/ProfileLink.h"

namespace NVolant {

namespace {

Game::HintMaker& hintMaker()
{
    static Game::HintMaker maker;
    return maker;
}

} // namespace

void Game::setHintMaker(HintMaker maker)
{
    hintMaker() = std::move(maker);
}

Game::Game(bool hintsAllowed, ProfileLink* profile)
{
    setSize(800, 600);
    setPosition(0, 0);
    if (hintsAllowed && (!profile || profile->showHints()) && hintMaker())
        m_hint = hintMaker()(profile);
}

Game::~Game() = default;

void Game::closeHint()
{
    m_hint.reset();
    // Play takes over from where the pointer now is: on the plane.
    m_field.placeCursorOnPlane();
}

void Game::update(float dt)
{
    update(dt, PlayerControls{});
}

void Game::update(float dt, const PlayerControls& controls)
{
    if (m_hint) {
        showCursor();
        // Keys reach the field behind the hints (any key starts play; the cheat).
        for (const int key : controls.typed)
            m_field.onKey(key);
        m_hint->update(dt);
        if (m_hint->isClosed())
            closeHint();
        return;
    }
    hideCursor();
    m_field.update(dt, controls);
}

void Game::draw()
{
    if (m_hint) {
        m_hint->draw();
        return;
    }
    m_field.draw();
    Control::draw();
}

bool Game::onLeftDown(float x, float y)
{
    if (m_hint)
        m_hint->onLeftDown(x, y);
    return Control::onLeftDown(x, y);
}

bool Game::onLeftUp(float x, float y)
{
    if (m_hint)
        m_hint->onLeftUp(x, y);
    return Control::onLeftUp(x, y);
}

bool Game::onRightDown(float x, float y)
{
    if (m_hint)
        m_hint->onRightDown(x, y);
    return Control::onRightDown(x, y);
}

bool Game::onRightUp(float x, float y)
{
    if (m_hint)
        m_hint->onRightUp(x, y);
    return Control::onRightUp(x, y);
}

bool Game::onMouseMove(float x, float y)
{
    if (m_hint)
        m_hint->onMouseMove(x, y);
    return Control::onMouseMove(x, y);
}

void Game::onKeyDown(int key, int flags)
{
    if (m_hint) {
        if (key == kEscape) {
            // Escape only closes the hints; the game stays.
            m_hint.reset();
            return;
        }
    } else if (key == kEscape) {
        setCommand(NControls::ScreenCommand::MainMenu);
        m_field.pause();
        // As any key, Escape wakes the field it has just paused: Continue goes straight on.
        m_field.onKey(key);
    }
    Control::onKeyDown(key, flags);
}

} // namespace NVolant
