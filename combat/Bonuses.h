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
class BonusReceiver;
class GameSounds;

// The bonuses of the running level, placed from its "bonuses.dat" and kept in order of height, so
// the pick-up test can stop at the first one above the screen.
class Bonuses final {
public:
    // One record of "bonuses.dat": a 32-bit count, then per bonus its kind and x, y, z, w
    // (little-endian, 20 bytes; w is not used).
    struct Record {
        std::int32_t kind = 0;
        Vector4 position;
    };
    static constexpr std::size_t kRecordSize = 20;
    // Bonuses are picked up from a little below the screen to well above it.
    static constexpr float kReachBelow = 300.0f;
    static constexpr float kReachAbove = 800.0f;

    // The bonus of a kind number of "bonuses.dat" (1..10); null for any other number.
    static std::unique_ptr<Bonus> createBonus(int kind);
    // The records of a file's bytes, in file order, as far as they are whole: a count larger than
    // the file only yields the records that are there. announced, when given, receives the count
    // the file claims.
    static std::vector<Record> parse(std::span<const std::uint8_t> bytes, std::uint32_t* announced = nullptr);
    // Whether a record names a bonus that can be placed: a kind 1..10 at finite coordinates with
    // x on the screen's width and y between 0 and mapHeight.
    static bool placeable(const Record& record, float mapHeight);

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
