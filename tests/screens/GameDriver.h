#pragma once

#include "screens/FrameInput.h"
#include "screens/Game.h"

#include "combat/Bonus.h"
#include "combat/Bonuses.h"
#include "combat/Effects.h"
#include "combat/Shot.h"
#include "combat/Shots.h"
#include "content/Random.h"
#include "enemies/EBridge.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "platform/KInjection.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/Level.h"

#include "support/HeadlessPlatform.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

using NVolant::FrameInput;

// Plays a game screen as the application does: input goes through the real event pump (the plane
// reads the held state from it) and to the screen's handlers, then the world takes one step.
class GameDriver {
public:
    static constexpr float kStep = 16.666666f;

    GameDriver(HeadlessPlatform& platform, NVolant::Game& game) : m_platform(platform), m_game(game) {}

    void step(const FrameInput& in)
    {
        if (in.x != m_held.x || in.y != m_held.y) {
            KInjection::mouseMove(in.x, in.y);
            m_game.onMouseMove(static_cast<float>(in.x), static_cast<float>(in.y));
        }
        if (in.left != m_held.left) {
            KInjection::mouseButton(1, in.left, in.x, in.y);
            if (in.left)
                m_game.onLeftDown(static_cast<float>(in.x), static_cast<float>(in.y));
            else
                m_game.onLeftUp(static_cast<float>(in.x), static_cast<float>(in.y));
        }
        if (in.right != m_held.right) {
            KInjection::mouseButton(2, in.right, in.x, in.y);
            if (in.right)
                m_game.onRightDown(static_cast<float>(in.x), static_cast<float>(in.y));
            else
                m_game.onRightUp(static_cast<float>(in.x), static_cast<float>(in.y));
        }
        for (const int key : m_held.keys)
            if (!std::binary_search(in.keys.begin(), in.keys.end(), key))
                KInjection::key(key, false);
        for (const int key : in.keys)
            if (!std::binary_search(m_held.keys.begin(), m_held.keys.end(), key)) {
                KInjection::key(key, true);
                m_game.onKeyDown(key, 0);
            }
        m_platform.pump();
        m_held = in;
        m_game.update(kStep);
    }

    // A key pressed and let go within one frame (typing).
    void type(int key)
    {
        KInjection::key(key, true);
        m_game.onKeyDown(key, 0);
        KInjection::key(key, false);
    }

    Frame draw()
    {
        m_platform.beginFrame();
        m_game.draw();
        return m_platform.readFrame();
    }

    const FrameInput& held() const { return m_held; }

private:
    HeadlessPlatform& m_platform;
    NVolant::Game& m_game;
    FrameInput m_held;
};
