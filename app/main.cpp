#include "app/GameApp.h"

#include "platform/KClock.h"

int main()
{
    int status = 0;
    {
        NVolant::GameApp app;
        if (!app.started())
            status = 1;
        KWindow* window = app.platformWindow();
        while (status == 0 && window && !window->isQuitRequested()) {
            app.frame();
            sleepMilliseconds(1);
        }
    }
    return status;
}
