#pragma once

// Fits the world's fixed 60 steps a second to a display that shows frames at a rate of its own.
// Given the display time of each frame it says how many world steps are due before drawing, so
// that the newest step is at or just after the frame's time, and where the frame's time falls
// between the last two steps: the picture is drawn from there and moves evenly on any refresh
// rate. On a 60 Hz display that is one step a frame, drawn as it is.
class KFramePacer final {
public:
    static constexpr double kStepMs = 1000.0 / 60.0;
    // Beyond this much owed time (a stall, a pause) the world does not race to catch up.
    static constexpr int kMostStepsAtOnce = 4;

    struct Tick {
        int steps = 1;
        // 0: the picture is the step before the newest, 1: the newest.
        float blend = 1.0f;
    };

    Tick advance(double displayMs);
    // The next frame starts the count anew (after a pause).
    void restart() { m_started = false; }

private:
    bool m_started = false;
    double m_worldMs = 0.0;
};
