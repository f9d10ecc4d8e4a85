#include "app/ControlsBuilder.h"

#include "platform/KClock.h"
#include "platform/KGamepad.h"
#include "platform/KInput.h"
#include "platform/KWindowSDL.h"
#include "platform/KeyTable.h"
#include "platform/Screen.h"

#include <algorithm>

namespace NVolant {

namespace {

// Game key codes.
constexpr int kKeyLeft = 0, kKeyUp = 1, kKeyDown = 2, kKeyRight = 3, kKeySpace = 4;
constexpr int kKeyRightCtrl = 8, kKeyLeftCtrl = 9;
constexpr int kKeyA = 25, kKeyD = 28, kKeyS = 43, kKeyW = 47;
constexpr std::size_t kMostTyped = 16;

// Keys by their place, so W A S D are the same four keys on every layout.
bool held(int gameKey)
{
    return isKeyDownAtPosition(gameKey);
}

} // namespace

void ControlsBuilder::keyPressed(int virtualKey)
{
    // Escape is the game screen's command, not a control.
    if (virtualKey != VKey::Escape && m_typed.size() < kMostTyped)
        m_typed.push_back(virtualKey);
}

PlayerControls ControlsBuilder::build(SteeringPoint from, float steerSpeed)
{
    PlayerControls c;
    int dx = 0, dy = 0;
    takePointerMotion(dx, dy, &c.pointerMoves);
    SteeringPoint point{std::clamp(from.x + dx, 0, kScreenWidth - 1),
                        std::clamp(from.y + dy, 0, kScreenHeight - 1)};
    if (KWindowSDL* window = KWindowSDL::currentSDL())
        if (KGamepad* pad = window->gamepad()) {
            KGamepad::setSteerSpeed(steerSpeed);
            std::vector<KPadAction> moves;
            pad->tick(getMilliseconds(), false, point.x, point.y, kScreenWidth, kScreenHeight, moves);
            for (const KPadAction& move : moves)
                if (move.kind == KPadAction::Kind::Pointer)
                    point = {move.x, move.y};
        }
    if (!(point == from))
        c.steer = point;
    c.steerRight = held(kKeyRight) || held(kKeyD);
    c.steerLeft = held(kKeyLeft) || held(kKeyA);
    c.steerUp = held(kKeyUp) || held(kKeyW);
    c.steerDown = held(kKeyDown) || held(kKeyS);
    c.cannon = isLeftButtonDown() || held(kKeyRightCtrl) || held(kKeyLeftCtrl);
    c.missiles = isRightButtonDown() || held(kKeySpace);
    c.click = m_click;
    c.typed.swap(m_typed);
    m_typed.clear();
    m_click = false;
    return c;
}

void ControlsBuilder::discard()
{
    int dx = 0, dy = 0;
    takePointerMotion(dx, dy);
    m_typed.clear();
    m_click = false;
}

} // namespace NVolant
