#include "platform/KBareX11.h"

#include <SDL_syswm.h>

#include <dlfcn.h>
#include <string>

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

template <typename Fn> Fn* xlib(const char* name)
{
    // Only the copy SDL loaded: never loads one itself.
    static void* const library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    return library ? reinterpret_cast<Fn*>(dlsym(library, name)) : nullptr;
}

} // namespace

bool KBareX11::coverIfUnmanaged(SDL_Window* window, int width, int height)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    auto* internAtom = xlib<decltype(XInternAtom)>("XInternAtom");
    auto* selectionOwner = xlib<decltype(XGetSelectionOwner)>("XGetSelectionOwner");
    auto* moveResize = xlib<decltype(XMoveResizeWindow)>("XMoveResizeWindow");
    auto* defaultScreen = xlib<decltype(XDefaultScreen)>("XDefaultScreen");
    auto* flush = xlib<decltype(XFlush)>("XFlush");
    if (!internAtom || !selectionOwner || !moveResize || !defaultScreen || !flush)
        return false;
    Display* display = info.info.x11.display;
    // Every ICCCM window manager owns the WM_Sn selection of the screen it manages.
    const std::string selection = "WM_S" + std::to_string(defaultScreen(display));
    const Atom manager = internAtom(display, selection.c_str(), False);
    if (manager == 0 || selectionOwner(display, manager) != 0)
        return false;
    moveResize(display, info.info.x11.window, 0, 0, static_cast<unsigned>(width),
               static_cast<unsigned>(height));
    flush(display);
    return true;
}

#else

bool KBareX11::coverIfUnmanaged(SDL_Window*, int, int)
{
    return false;
}

#endif
