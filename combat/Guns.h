#pragma once

namespace NVolant {

// The player's two guns take turns across every plane of a game, and the cannon sound alternates
// between its two channels so that rapid fire never cuts itself off.
class Guns final {
public:
    static constexpr float kOffset = 8.0f;

    // The side offset of the gun that fires now; the next shot takes the other.
    float takeSide()
    {
        const float side = m_side;
        m_side = -m_side;
        return side;
    }

    // Whether this shot's sound takes the first channel; the next takes the other.
    bool takeFirstChannel()
    {
        m_firstChannel = !m_firstChannel;
        return m_firstChannel;
    }

private:
    float m_side = kOffset;
    bool m_firstChannel = false;
};

} // namespace NVolant
