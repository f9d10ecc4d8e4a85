#pragma once

#include "levels/LevelData.h"
#include "levels/Rng.h"
#include "levels/UnitCatalog.h"

#include <optional>
#include <string>
#include <vector>

namespace datagen::levels {

// One fight of a level as placed: where it lies and how much it hurts.
struct Encounter {
    float y0 = 0, y1 = 0;
    float threat = 0;
    std::string label;
};

// Places the bridges and the enemies of a level on its finished tile map, stretch by stretch
// between the checkpoints: a calm start, fights whose kinds and sizes follow the level's plan,
// a pause before each bridge (guarded from mid levels on). May turn inland cells into flat
// water tiles where a helicopter patrols over land.
class UnitPlacer final {
public:
    UnitPlacer(LevelData& level, const UnitCatalog& catalog, Rng& rng);

    void placeAll();
    const std::vector<Encounter>& encounters() const { return m_encounters; }

private:
    struct Disc {
        float x, y, r;
    };
    enum class Fight { Boats, Convoy, Camp, Town, Battery, HeliHover, HeliPatrol, HeliLand, Planes };

    void placeBridges();
    void placeStretch(float y0, float y1, bool first);
    bool placeFight(Fight f, float yc, float span);
    void guardBridge(float by);

    bool boats(float yc, float span, Encounter& e);
    bool convoy(float yc, float span, Encounter& e);
    bool groundGroup(float yc, float span, int tanks, int buildings, bool flak, float radius, Encounter& e);
    bool battery(float yc, float span, Encounter& e);
    bool heliHover(float yc, float span, Encounter& e);
    bool heliPatrol(float yc, float span, Encounter& e);
    bool heliLand(float yc, float span, Encounter& e);
    bool planes(float yc, float span, Encounter& e);

    bool placeGround(int type, float x, float y, int group, int range, Encounter& e);
    bool freeOf(float x, float y, float r) const;
    bool offRoads(float y, float halfHeight) const;
    int armedRange(float extraChance = 0);
    int boatModel();
    int tankModel(bool flak);
    int buildingModel(bool large);
    int speedClass(int lo);
    void add(const EnemyRecord& r, float radius, Encounter& e);

    LevelData& m_level;
    const UnitCatalog& m_catalog;
    Rng& m_rng;
    std::vector<Disc> m_taken;
    std::vector<Encounter> m_encounters;
    std::vector<int> m_rocketTanks, m_flakTanks, m_smallBuildings, m_largeBuildings;
    std::optional<Fight> m_newFight; // the threat this level introduces
    std::optional<Fight> m_lastFight;
    float m_planeCarry = 0; // a share of a formation due, carried to the next stretch
    bool m_opening = false; // placing the level's first fight
};

// Heights of the level's bridges: every 30 to 60 s of flight, the last a few seconds before the
// end of the map.
std::vector<float> bridgeHeights(float endScroll, Rng& rng);

} // namespace datagen::levels
