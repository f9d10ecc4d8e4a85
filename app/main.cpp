#include "app/GameApp.h"

#include "content/BrokenInstallation.h"
#include "platform/KClock.h"
#include "platform/KShell.h"
#include "platform/Log.h"

#include <cstdio>

int main()
{
    // A start-up that fails says so in one line on stderr (below); the details go to the log
    // files in the save folder.
    setLogEcho(false);
    try {
        NVolant::GameApp app;
        if (!app.started()) {
            std::fprintf(stderr, "skyvane: cannot open the game window (is a display available?): %s\n",
                         lastLoggedError().c_str());
            return 1;
        }
        setLogEcho(true);
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
