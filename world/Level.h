#pragma once

#include "platform/Vector4.h"

#include <memory>
#include <string>

namespace NVolant {

class Arena;
class CollitionCircles;
class Enemies;
class Terrain;

// One numbered level: its terrain and enemies, and the arena's shots, bonuses and effects it drives
// while it runs. The one place through which the game field advances, positions, draws and queries
// the world. Leaves the arena without shots, bonuses or effects when it goes.
class Level final {
public:
    static constexpr int kFirstLevel = 1;
    static constexpr int kLastLevel = 30;

    // "levels/%02d/" with the number.
    static std::string folderFor(int levelNumber);

    // Loads folder + "level.xml" (required: a missing or broken one is a broken installation),
    // "enemies.dat" and "bonuses.dat" (a missing list gives a level without them), and starts the
    // level's statistics, in the game's arena.
    Level(Arena& arena, const std::string& folder);
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;
    ~Level();

    // Terrain, effects, shots, bonuses, enemies, then the scores, in this order.
    void update(float dtMs);
    // Every part of the world looks through the same camera: the plane's.
    void setCamera(const Vector4& camera);
    // Terrain, ground effects, enemies, middle effects, shots.
    // Shifted (logical pixels down) when a frame is drawn between two steps.
    void drawGround(float terrainShift = 0.0f, float shift = 0.0f);
    // Bonuses, top effects, floating score texts.
    void drawTop(float shift = 0.0f);

    // Ramming damage first; only when nothing rams, what the enemy shots do.
    int collidePlayer(const CollitionCircles& circles);
    // The terrain's position: the start point of a plane.
    Vector4 cameraPosition() const;

    void setCheckpoint(int bridges);
    // Back to the checkpoint for a continued game: fresh shots and effects, the enemy list
    // reloaded past the checkpoint, the terrain at the checkpoint. Bonuses stay as loaded.
    void restartFromCheckpoint();

    // The end of the valley or the last bridge down near the camera.
    bool endReached() const;

    Terrain& terrain() { return *m_terrain; }
    const Terrain& terrain() const { return *m_terrain; }
    Enemies& enemies() { return *m_enemies; }
    const Enemies& enemies() const { return *m_enemies; }
    const std::string& folder() const { return m_folder; }

private:
    class Ground;

    Arena& m_arena;
    std::unique_ptr<Terrain> m_terrain;
    std::unique_ptr<Ground> m_ground;
    std::unique_ptr<Enemies> m_enemies;
    std::string m_folder;
};

} // namespace NVolant
