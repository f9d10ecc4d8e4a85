#include "app/AutopilotRun.h"
#include "app/CommandLine.h"
#include "app/GameApp.h"
#include "app/ReplayRun.h"

#include "content/BrokenInstallation.h"
#include "platform/KClock.h"
#include "platform/KRendererChoice.h"
#include "platform/KShell.h"
#include "platform/Log.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const NVolant::CommandLine line =
        NVolant::CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.error.empty()) {
        std::fprintf(stderr, "skyvane: %s\nTry 'skyvane --help' for more.\n", line.error.c_str());
        return 2;
    }
    if (line.help) {
        std::fputs(NVolant::CommandLine::usage().c_str(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("Skyvane %s\n", SKYVANE_VERSION);
        return 0;
    }
    if (!line.renderer.empty()) {
        if (!KRendererChoice::isValidName(line.renderer)) {
            std::fprintf(stderr, "skyvane: no renderer called %s here\n", line.renderer.c_str());
            return 2;
        }
        KRendererChoice::request(line.renderer);
    }
    if (line.headless) {
        // No window and no sound device: SDL's dummy drivers, drawn in software.
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    // A start-up that fails says so in one line on stderr (below); the details go to the log
    // files in the save folder.
    setLogEcho(false);
    try {
        if (line.autopilot)
            return NVolant::AutopilotRun::run(line);
        if (!line.replayPath.empty())
            return NVolant::ReplayRun::run(line);
        NVolant::AppOptions options;
        options.windowed = line.windowed;
        NVolant::GameApp app(NVolant::makeDefaultScreenKit(), options);
        if (!app.started()) {
            std::fprintf(stderr, "skyvane: cannot open the game window (is a display available?): %s\n",
                         lastLoggedError().c_str());
            return 1;
        }
        setLogEcho(true);
        if (!line.renderer.empty()) {
            std::printf("skyvane: drawing with the %s renderer\n", KRendererChoice::inUse().c_str());
            std::fflush(stdout);
        }
        KWindow* window = app.platformWindow();
        while (window && !window->isQuitRequested()) {
            app.frame();
            sleepMilliseconds(1);
        }
        return 0;
    } catch (const NLib::BrokenInstallation& e) {
        // Content the game cannot run without is missing or damaged: say which file, then leave.
        setLogEcho(false);
        LOG_FATAL("broken installation: %s", e.what());
        std::fprintf(stderr, "skyvane: broken installation: %s\n", e.what());
        showMessage("Skyvane", "The game's data is damaged or incomplete:\n" + e.file() +
                                   "\n\nPlease reinstall Skyvane.");
        return 2;
    }
}
