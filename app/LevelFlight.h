#pragma once

#include "gameplay/PlayerControls.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace NVolant {

class GameApp;
class GameField;

// What one flown level came to.
struct FlightReport {
    int level = 0;
    // Who flew, when the computer did ("ace", "expert", ...), and with which seed.
    std::string pilot;
    std::uint32_t seed = 0;
    // "complete", "game_over", "stuck" (the level did not end in the frames allowed),
    // "aborted" (the window was closed), "ended" (a replay's input ran out) or "error".
    std::string result;
    int score = 0;
    int kills = 0;
    int bridges = 0;
    int bonuses = 0;
    int extraLives = 0;
    int shotsFired = 0;
    int shotsHit = 0;
    int livesLost = 0;
    int lives = 0;
    int status = 0;
    int frames = 0;
    std::uint32_t checksum = 0;
    double updateUsP50 = 0.0;
    double updateUsP99 = 0.0;
    double frameMsP99 = 0.0;
    double rssMb = 0.0;
    // Resident memory once the level is released again (0: not measured): what a flight leaves.
    double rssAfterMb = 0.0;
    // Where the plane was (level coordinates) each time a life was lost.
    std::vector<std::pair<float, float>> deaths;

    // One line of JSON.
    std::string json() const;
};

// Flies one level in the running application: a new game at the level's start (or a saved game),
// the world's random generators set to the seed, each frame's controls from the pilot handed to
// the application in place of the player's, then the application's own frame. Ends when the level ends,
// when the pilot has no more input, or after maxFrames.
class LevelFlight final {
public:
    // The next frame's controls, or nothing: the recording has ended.
    using Pilot = std::function<std::optional<PlayerControls>(const GameField&)>;
    struct Start {
        int level = 1;
        std::uint32_t seed = 0;
        int continueAtBridge = -1;
        int continueLives = 3;
    };

    explicit LevelFlight(GameApp& app) : m_app(app) {}
    FlightReport fly(const Start& start, const Pilot& pilot, int maxFrames);

    // Resident memory of this process in MB.
    static double residentMb();
    // The same once the allocator has handed freed memory back to the system.
    static double settledResidentMb();

private:
    GameApp& m_app;
};

} // namespace NVolant
