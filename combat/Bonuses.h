#pragma once

#include "platform/Vector4.h"

#include <cstdint>
#include <deque>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace NVolant {

class Bonus;
struct BonusRecord;
class BonusReceiver;
class GameSounds;

// The bonuses of the running level, placed from its "bonuses.dat" and kept in order of height, so
// the pick-up test can stop at the first one above the screen.
class Bonuses final {
public:
    // Bonuses are picked up from a little below the screen to well above it.
    static constexpr float kReachBelow = 300.0f;
    static constexpr float kReachAbove = 800.0f;

    // The bonus of a kind number of "bonuses.dat" (1..10); null for any other number.
    static std::unique_ptr<Bonus> createBonus(int kind);
    // Whether a record names a bonus that can be placed: a kind 1..10 at finite coordinates with
    // x on the screen's width and y between 0 and mapHeight.
    static bool placeable(const BonusRecord& record, float mapHeight);

    // Pick-ups chime through the game's sounds.
    explicit Bonuses(GameSounds& sounds);
    Bonuses(const Bonuses&) = delete;
    Bonuses& operator=(const Bonuses&) = delete;
    virtual ~Bonuses();

    // Replaces the list with the bonuses of a level's file, read through the resource archive. A
    // missing or empty file gives no bonuses; records of unknown kinds or outside the map
    // (mapHeight: the level's length, when the caller knows it) are skipped and logged.
    void load(const std::string& path, float mapHeight = std::numeric_limits<float>::infinity());
    // The same from bytes already read.
    void loadBytes(std::span<const std::uint8_t> bytes, const std::string& name,
                   float mapHeight = std::numeric_limits<float>::infinity());
    // Takes a bonus into its place in the height order (after any of equal height).
    void insert(std::unique_ptr<Bonus> bonus);
    void clear();
    // A new level: no bonuses, the start camera.
    void restart();

    void setCamera(const Vector4& camera) { m_camera = camera; }
    const Vector4& camera() const { return m_camera; }

    // Pulses and fades; deletes the bonuses whose fade has ended.
    void update(float dtMs);
    // Shadows and bodies, in list order.
    void draw();
    // Collects at most one bonus the plane touches, the lowest first; true if one was.
    bool checkPickup(BonusReceiver& plane);

    const std::deque<std::unique_ptr<Bonus>>& bonuses() const { return m_bonuses; }
    std::size_t size() const { return m_bonuses.size(); }

private:
    std::deque<std::unique_ptr<Bonus>> m_bonuses;
    Vector4 m_camera{0.0f, 0.0f, 0.0f, 1.0f};
    GameSounds& m_sounds;
};

} // namespace NVolant
