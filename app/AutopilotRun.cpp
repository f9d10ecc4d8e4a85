#include "app/AutopilotRun.h"

#include "app/CommandLine.h"
#include "app/GameApp.h"
#include "app/LevelFlight.h"
#include "pilots/Autopilot.h"
#include "pilots/PilotHand.h"
#include "pilots/PilotSkill.h"
#include "pilots/ReplayFile.h"
#include "world/MemoryProfile.h"

#include <cstdio>
#include <memory>

namespace NVolant {

namespace {

AppOptions computerRun(const CommandLine& line)
{
    AppOptions options;
    options.windowed = line.windowed >= 0 ? line.windowed : 1;
    options.writeSaveFile = false;
    options.frameCap = !line.headless;
    options.draw = !line.undrawn;
    return options;
}

} // namespace

int AutopilotRun::run(const CommandLine& line)
{
    // The flights record their progress in a profile of their own, never in the player's.
    ProfileLink::install(std::make_unique<MemoryProfile>());
    GameApp app(makeDefaultScreenKit(), computerRun(line));
    if (!app.started()) {
        std::fprintf(stderr, "skyvane: cannot open the game window\n");
        return 1;
    }
    LevelFlight flight(app);
    bool allRan = true;
    // One hand on the mouse for the whole run: where it left the pointer carries over.
    PilotHand hand;
    for (int level = line.firstLevel; level <= line.lastLevel; ++level) {
        Autopilot pilot(line.seed, *PilotSkill::named(line.pilot));
        ReplayFile recording;
        recording.level = level;
        recording.seed = line.seed;
        const bool record = !line.recordPath.empty();
        hand.release();
        FlightReport report = flight.fly(
            {level, line.seed, -1, 3},
            [&](const GameField& field) -> std::optional<PlayerControls> {
                PlayerControls controls = hand.controls(pilot.next(field));
                if (record)
                    recording.append(controls);
                return controls;
            },
            kMaxFrames);
        report.pilot = line.pilot;
        report.seed = line.seed;
        // The level goes before the next is loaded; what stays behind is the memory check's figure.
        app.discardGame();
        report.rssAfterMb = LevelFlight::settledResidentMb();
        std::printf("%s\n", report.json().c_str());
        std::fflush(stdout);
        if (report.result != "complete" && report.result != "game_over")
            allRan = false;
        if (record) {
            recording.expected =
                ReplayFile::Outcome{report.score, report.lives, report.status, report.checksum};
            char what[96];
            std::snprintf(what, sizeof what, "Level %d flown by the autopilot with seed %u.", level,
                          line.seed);
            if (!recording.save(line.recordPath, what)) {
                std::fprintf(stderr, "skyvane: cannot write %s\n", line.recordPath.c_str());
                allRan = false;
            }
        }
        if (KWindow* window = app.platformWindow(); window && window->isQuitRequested()) {
            allRan = false;
            break;
        }
    }
    return allRan ? 0 : 1;
}

} // namespace NVolant
