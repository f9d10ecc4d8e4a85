#pragma once

#include "gameplay/CollitionCircles.h"

namespace NVolant {

// What a bonus needs from the one who picks it up: where it is, and one operation per kind of
// bonus. The player's plane implements it; bonuses sit below the plane and cannot see it.
class BonusReceiver {
public:
    virtual ~BonusReceiver() = default;

    // The collision circles placed in the world, as tested against enemies.
    virtual CollitionCircles collisionCircles() const = 0;

    // One homing missile at every target on screen ahead.
    virtual void launchAtAllTargets() = 0;
    // Cannon bullet kind + 1, at most 2.
    virtual void addDamage() = 0;
    // Two bullets per shot; four missiles off.
    virtual void enableDoubleFire() = 0;
    // Two missiles per launch (only matters while four missiles are off).
    virtual void enableDoubleMissile() = 0;
    // 20000 ms more stealth.
    virtual void addStealth() = 0;
    // Four missiles per launch; double missiles off.
    virtual void enableFourMissiles() = 0;
    // The aim sight aims bullets and missiles.
    virtual void enableAutoAim() = 0;
    // Hull + 50 up to the maximum.
    virtual void repair() = 0;
    // Hull to the maximum.
    virtual void repairAll() = 0;
    // Hull and maximum + 100.
    virtual void addHull() = 0;

protected:
    BonusReceiver() = default;
    BonusReceiver(const BonusReceiver&) = default;
    BonusReceiver& operator=(const BonusReceiver&) = default;
};

} // namespace NVolant
