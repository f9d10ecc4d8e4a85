#pragma once

namespace NVolant {

class CollitionPoints;

// What boats and helicopters ask of the ground under them: does an outline touch any map tile,
// does it touch any water tile. The level hands its terrain to the enemy manager through this.
class GroundQuery {
public:
    virtual ~GroundQuery() = default;
    virtual bool anyTile(const CollitionPoints& points) const = 0;
    virtual bool anyWater(const CollitionPoints& points) const = 0;
};

} // namespace NVolant
