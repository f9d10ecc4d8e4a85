#pragma once

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
#include "gameplay/PlayerControls.h"
#include "pilots/PilotHand.h"
#include "platform/KeyTable.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/Level.h"

#include "support/HeadlessPlatform.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

using NVolant::PlayerControls;

// What a player's hands do in one frame: where the mouse is, its buttons, the keys held (virtual
// keys, each where a US keyboard has it).
struct FrameInput {
    int x = 400;
    int y = 500;
    bool left = false;
    bool right = false;
    std::vector<int> keys; // ascending
};

// Plays a game screen as the application does: each frame's hands become the frame's controls
// (the mouse a steering point when it moves, keys by their place), then the world takes one step.
class GameDriver {
public:
    static constexpr float kStep = 16.666666f;

    GameDriver(HeadlessPlatform& platform, NVolant::Game& game) : m_platform(platform), m_game(game) {}

    // The controls those hands give after the last frame's.
    PlayerControls controls(const FrameInput& in)
    {
        PlayerControls wish;
        wish.steer = NVolant::SteeringPoint{in.x, in.y};
        wish.cannon = in.left;
        PlayerControls c = m_hand.controls(wish);
        const auto held = [&](int key) { return std::binary_search(in.keys.begin(), in.keys.end(), key); };
        c.steerRight = held(VKey::Right) || held('D');
        c.steerLeft = held(VKey::Left) || held('A');
        c.steerUp = held(VKey::Up) || held('W');
        c.steerDown = held(VKey::Down) || held('S');
        c.cannon = in.left || held(VKey::LControl) || held(VKey::RControl);
        c.missiles = in.right || held(VKey::Space);
        for (const int key : in.keys)
            if (key != VKey::Escape && !std::binary_search(m_held.keys.begin(), m_held.keys.end(), key))
                c.typed.push_back(key);
        c.typed.insert(c.typed.end(), m_typed.begin(), m_typed.end());
        m_typed.clear();
        m_held = in;
        return c;
    }

    void step(const FrameInput& in) { m_game.update(kStep, controls(in)); }
    void step(const PlayerControls& c) { m_game.update(kStep, c); }

    // A key pressed and let go within the next frame (typing).
    void type(int key) { m_typed.push_back(key); }

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
    NVolant::PilotHand m_hand;
    FrameInput m_held;
    std::vector<int> m_typed;
};
