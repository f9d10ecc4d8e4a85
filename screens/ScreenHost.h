#pragma once

#include <string>

namespace NVolant {

// What the menus ask of the application that shows them: the game screen to drop or rebuild
// around a profile change, the menu music, the window mode and the browser. The application
// registers itself as the one host while it exists.
class ScreenHost {
public:
    virtual ~ScreenHost();
    ScreenHost(const ScreenHost&) = delete;
    ScreenHost& operator=(const ScreenHost&) = delete;

    // The registered host, or null (then the menus do without).
    static ScreenHost* instance();

    // Before the current profile changes: the game in hand belongs to the old one.
    virtual void discardGame() = 0;
    // After it changed: the new profile's saved game, if any, becomes continuable.
    virtual void prepareContinue() = 0;
    virtual void restartMenuMusic() = 0;
    virtual bool isFullScreen() const = 0;
    virtual void setFullScreen() = 0;
    virtual void setWindowed() = 0;
    virtual void openWebPage(const std::string& address) = 0;

protected:
    ScreenHost();
};

} // namespace NVolant
