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
#include "platform/KInjection.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/Level.h"

#include "support/HeadlessPlatform.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

// What a player does in one frame: where the pointer is, which buttons and keys are held.
struct FrameInput {
    int x = 400;
    int y = 500;
    bool left = false;
    bool right = false;
    std::vector<int> keys; // held virtual keys, ascending

    bool operator==(const FrameInput&) const = default;
};

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

// A fingerprint of everything that moves in the world: two runs of the same input must agree on
// it bit for bit. Identifiers are left out (their counters run on across games in one process).
class WorldChecksum {
public:
    static std::uint32_t of(const NVolant::Game& game)
    {
        WorldChecksum sum;
        const NVolant::GameField& field = game.field();
        sum.add(static_cast<int>(field.status()));
        sum.add(field.lives());
        sum.add(field.levelNumber());
        sum.add(field.titleFade());
        sum.add(static_cast<int>(NLib::rndSeed()));
        if (const NVolant::Scores* scores = NVolant::Scores::existing()) {
            sum.add(scores->score());
            sum.add(scores->shotsCount());
            sum.add(scores->shotsHittedCount());
            sum.add(scores->boatsKilled() * 7 + scores->helicsKilled() * 131 + scores->planesKilled() * 1031);
        }
        if (const NVolant::Plane* plane = field.plane()) {
            sum.add(static_cast<int>(plane->state()));
            sum.add(plane->position());
            sum.add(plane->cameraOffset());
            sum.add(plane->hull());
            sum.add(plane->speed());
            sum.add(plane->alpha());
        }
        if (const NVolant::Level* level = field.level()) {
            for (const auto& e : level->enemies().all()) {
                sum.add(e->type());
                sum.add(e->position());
                sum.add(e->hull());
                sum.add(e->finished() ? 1 : 0);
            }
            for (const NVolant::EBridge* b : level->enemies().bridges())
                sum.add(b->destroyed() ? 1 : 0);
        }
        if (const NVolant::Shots* shots = NVolant::Shots::existing()) {
            for (const auto& s : shots->playerShots())
                sum.add(s->position());
            for (const auto& s : shots->enemyShots())
                sum.add(s->position());
        }
        if (const NVolant::Bonuses* bonuses = NVolant::Bonuses::existing())
            for (const auto& b : bonuses->bonuses()) {
                sum.add(b->position());
                sum.add(b->collected() ? 1 : 0);
            }
        if (const NVolant::Effects* effects = NVolant::Effects::existing()) {
            sum.add(static_cast<int>(effects->animationCount()));
            sum.add(static_cast<int>(effects->trailCount()));
            sum.add(static_cast<int>(effects->burnerCount()));
        }
        return sum.m_hash;
    }

private:
    void addBytes(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            m_hash ^= bytes[i];
            m_hash *= 16777619u;
        }
    }
    void add(int value) { addBytes(&value, sizeof value); }
    void add(float value) { addBytes(&value, sizeof value); }
    void add(const Vector4& v)
    {
        add(v.x);
        add(v.y);
        add(v.z);
    }

    std::uint32_t m_hash = 2166136261u;
};
