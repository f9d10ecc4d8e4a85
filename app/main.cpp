#include "app/GameApp.h"

#include "content/BrokenInstallation.h"
#include "platform/KClock.h"
#include "platform/KShell.h"
#include "platform/Log.h"

int main()
{
    try {
        int status = 0;
        NVolant::GameApp app;
        if (!app.started())
            status = 1;
        KWindow* window = app.platformWindow();
        while (status == 0 && window && !window->isQuitRequested()) {
            app.frame();
            sleepMilliseconds(1);
        }
        return status;
    } catch (const NLib::BrokenInstallation& e) {
        // Content the game cannot run without is missing or damaged: say which file, then leave.
        LOG_FATAL("broken installation: %s", e.what());
        showMessage("Skyvane", "The game's data is damaged or incomplete:\n" + e.file() +
                                   "\n\nPlease reinstall Skyvane.");
        return 2;
    }
}
