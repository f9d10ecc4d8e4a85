#include "app/ReplayRun.h"

#include "app/CommandLine.h"
#include "app/GameApp.h"
#include "app/LevelFlight.h"
#include "pilots/ReplayFile.h"
#include "world/MemoryProfile.h"

#include <cstdio>
#include <memory>

namespace NVolant {

int ReplayRun::run(const CommandLine& line)
{
    std::string error;
    const std::optional<ReplayFile> replay = ReplayFile::load(line.replayPath, &error);
    if (!replay) {
        std::fprintf(stderr, "skyvane: %s: %s\n", line.replayPath.c_str(), error.c_str());
        return 2;
    }
    ProfileLink::install(std::make_unique<MemoryProfile>());
    AppOptions options;
    options.windowed = line.windowed >= 0 ? line.windowed : 1;
    options.writeSaveFile = false;
    options.frameCap = !line.headless;
    GameApp app(makeDefaultScreenKit(), options);
    if (!app.started()) {
        std::fprintf(stderr, "skyvane: cannot open the game window\n");
        return 1;
    }
    LevelFlight flight(app);
    ReplayCursor cursor(*replay);
    const FlightReport report = flight.fly(
        {replay->level, replay->seed, replay->continueAtBridge, replay->continueLives},
        [&](const GameField&) -> std::optional<PlayerControls> {
            if (cursor.atEnd())
                return std::nullopt;
            return cursor.next();
        },
        replay->frameCount + 1);
    std::printf("score %d lives %d status %d checksum %08x frames %d\n", report.score, report.lives,
                report.status, report.checksum, report.frames);
    if (!replay->expected)
        return 0;
    const ReplayFile::Outcome got{report.score, report.lives, report.status, report.checksum};
    if (got == *replay->expected) {
        std::printf("as recorded\n");
        return 0;
    }
    std::printf("NOT as recorded: score %d lives %d status %d checksum %08x\n", replay->expected->score,
                replay->expected->lives, replay->expected->status, replay->expected->checksum);
    return 1;
}

} // namespace NVolant
