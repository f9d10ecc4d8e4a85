#pragma once

#include "levels/LevelData.h"
#include "levels/ThreatProfile.h"
#include "levels/UnitCatalog.h"

#include <vector>

namespace datagen::levels {

// Evens out the danger of a placed level, so that the curve over the levels is the plan's and
// not the luck of one layout: first no screen of the valley may bunch up more threat than the
// plan allows (a spot where everybody dies), then the level as a whole is brought to the
// plan's threat. It only changes how far units fire and how fast they move, within the plan's
// ranges and speed classes, and draws nothing at random: the layout stays as placed.
class ThreatBalancer final {
public:
    ThreatBalancer(LevelData& level, const UnitCatalog& catalog);

    void balance();

    // The most threat one screen of the level may hold.
    static float screenCap(const LevelPlan& plan);

private:
    struct Step {
        EnemyRecord* unit = nullptr;
        int range = 0, speed = 0;
        float change = 0; // in threat
    };

    std::vector<Step> steps(EnemyRecord& unit, bool up) const;
    // One step down in the worst screen that has one, or up (by no more than room) in the
    // quietest.
    bool stepScreens(const ThreatProfile& profile, bool down, float room);
    bool calmer(float y0, float y1); // the biggest step down there
    // The smallest step up there, no bigger than room, that keeps every screen in its cap.
    bool fiercer(float y0, float y1, float room);
    static bool take(const Step& step); // false when there was no step to take

    LevelData& m_level;
    const UnitCatalog& m_catalog;
};

} // namespace datagen::levels
