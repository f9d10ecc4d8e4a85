#pragma once

#include "combat/TargetLookup.h"
#include "platform/Vector4.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace NVolant {

class Arena;
class CollitionCircles;
class EBridge;
class Enemy;
class GroundQuery;
struct EnemyRecord;

// All enemies of the running level, sorted by height. Only those whose start height lies in a
// band around the camera are alive each frame: updated, drawn, tested against the plane and
// offered as targets. Destroyed bridges are the level's checkpoints; the last one ends it.
class Enemies final : public TargetLookup {
public:
    // The enemies act in the game's arena and are its targets while they live.
    explicit Enemies(Arena& arena);
    Enemies(const Enemies&) = delete;
    Enemies& operator=(const Enemies&) = delete;
    ~Enemies() override;

    // The level's ground for boats and helicopters; may be null.
    void setGround(const GroundQuery* ground) { m_ground = ground; }
    // The ground the enemies stay over, or null (no terrain).
    const GroundQuery* ground() const { return m_ground; }
    Arena& arena() const { return m_arena; }

    // Builds the enemies of a level file read through the archive. A missing file gives none.
    void load(const std::string& path);
    // The same from the file's bytes (bad records are skipped and logged).
    void load(std::span<const std::uint8_t> bytes);
    void load(const std::vector<EnemyRecord>& records);
    void clear();

    void setCamera(const Vector4& camera);
    void update(float dtMs);
    void draw();
    // Ramming damage of the first active enemy touching the player's circles, or 0.
    int collideWithPlayer(const CollitionCircles& circles);

    // The first suitable enemy in the cone of angleDeg ahead of p (the aim sight).
    Enemy* findTarget(const Vector4& p, float angleDeg) const;
    // Every target at least 100 units ahead of p (the missile salvo), in list order.
    std::vector<Enemy*> targetsAhead(const Vector4& p) const;
    // The active enemy with that identifier (homing missiles); null for id < 1 or none.
    Enemy* findById(int id) const;

    // The same three questions as the weapons ask them.
    std::optional<TargetInfo> targetById(int id) const override;
    std::optional<TargetInfo> targetInCone(const Vector4& point, float coneDegrees) const override;
    std::vector<int> targetsAheadOf(const Vector4& point) const override;

    // How many bridges lie behind the checkpoint (the saved game's bridge count).
    int bridgesPassed() const { return m_lastBridge + 1; }
    // Makes bridges 0..n-1 destroyed (a saved game is continued).
    void setCheckpoint(int n);
    // Moves the camera to the checkpoint; the level then clears and reloads the list, which
    // skips what lies before the checkpoint.
    void restartFromCheckpoint();
    // True once after the checkpoint moved.
    bool takeCheckpointChanged();
    bool levelEndReached() const { return m_levelEndReached; }

    const std::deque<std::unique_ptr<Enemy>>& all() const { return m_all; }
    const std::deque<Enemy*>& active() const { return m_active; }
    const std::deque<EBridge*>& bridges() const { return m_bridges; }
    const Vector4& camera() const { return m_camera; }
    const Vector4& checkpointPosition() const { return m_checkpointPosition; }
    int checkpointEntry() const { return m_checkpointEntry; }
    int lastBridge() const { return m_lastBridge; }

    // The kind a level-file type code names, or null for a code outside the table.
    std::unique_ptr<Enemy> create(int type);

private:
    void insertSorted(std::unique_ptr<Enemy> enemy);
    void rebuildActive();
    bool belowWindow(const Enemy& e) const;
    bool aboveWindow(const Enemy& e) const;

    std::deque<std::unique_ptr<Enemy>> m_all;
    std::deque<Enemy*> m_active;
    std::deque<EBridge*> m_bridges;
    Vector4 m_camera{0.0f, 0.0f, 0.0f, 1.0f};
    Vector4 m_checkpointPosition{400.0f, 0.0f, 0.0f, 1.0f};
    int m_checkpointEntry = 0;
    int m_lastBridge = -1;
    bool m_levelEndReached = false;
    bool m_checkpointChanged = false;
    const GroundQuery* m_ground = nullptr;
    Arena& m_arena;
};

} // namespace NVolant
