#include "platform/KWindowSDL.h"

#include "platform/Angles.h"
#include "platform/KClock.h"
#include "platform/KInput.h"
#include "platform/KQuadBuilder.h"
#include "platform/KRendererChoice.h"
#include "platform/KRenderContext.h"
#include "platform/KeyTable.h"
#include "platform/Log.h"
#include "platform/Paths.h"
#include "platform/PngWriter.h"

#include <cmath>
#include <cstring>
#include <filesystem>

namespace {

KWindowSDL* g_current = nullptr;

bool isHeadlessDriver()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
}

// Tests and headless runs ask for the dummy or offscreen driver by name.
bool headlessDriverRequested()
{
    const char* requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    const char* driver = SDL_GetCurrentVideoDriver();
    return requested && driver && SDL_strcasestr(requested, driver) != nullptr;
}

std::uint8_t toByte(float v)
{
    return v <= 0 ? 0 : v >= 1 ? 255 : static_cast<std::uint8_t>(v * 255.0f);
}

int gameButton(std::uint8_t sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return K_BUTTON_LEFT;
    case SDL_BUTTON_RIGHT:
        return K_BUTTON_RIGHT;
    case SDL_BUTTON_MIDDLE:
        return K_BUTTON_MIDDLE;
    default:
        return K_BUTTON_NONE;
    }
}

} // namespace

KWindow* KWindow::current()
{
    return g_current;
}

std::unique_ptr<KWindow> createWindow(int, bool)
{
    getApplicationFolder();
    getMilliseconds();
    return std::make_unique<KWindowSDL>();
}

KWindowSDL::KWindowSDL() = default;

KWindowSDL::~KWindowSDL()
{
    KRenderContext::get().detach();
    m_frame.detach();
    if (m_window)
        SDL_DestroyWindow(m_window);
    if (g_current == this)
        g_current = nullptr;
    KInputState::releaseAll();
    m_gamepad.reset();
    if (m_ownsVideo)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

KWindowSDL* KWindowSDL::currentSDL()
{
    return g_current;
}

bool KWindowSDL::openWindow(int width, int height, int depth, bool windowed, const std::string& title)
{
    if (m_window)
        return false;
    if (!m_ownsVideo) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            LOG_ERROR("cannot start SDL video: %s", SDL_GetError());
            return false;
        }
        m_ownsVideo = true;
    }
    if (isHeadlessDriver() && !headlessDriverRequested()) {
        // SDL falls back to drawing off screen when there is no display: a game nobody can see.
        LOG_ERROR("cannot open a window: no display (SDL could only start its %s driver)",
                  SDL_GetCurrentVideoDriver());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        m_ownsVideo = false;
        return false;
    }
    if (!m_gamepad)
        m_gamepad = std::make_unique<KGamepad>();
    m_width = width;
    m_height = height;
    m_depth = depth < 1 ? 16 : depth;
    m_title = title;
    m_fullScreen = !windowed;
    // Hidden until its renderer is chosen: trying OpenGL makes SDL build the window anew (and
    // the choice may then fall back to software), which a shown window would flash on screen.
    const std::uint32_t flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI |
                                (windowed ? 0u : std::uint32_t{SDL_WINDOW_FULLSCREEN_DESKTOP});
    const SDL_Point size = KWindowFrame::openingSize(width, height);
    m_window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, size.x, size.y,
                                flags);
    if (!m_window) {
        LOG_ERROR("cannot open the window: %s", SDL_GetError());
        return false;
    }
    SDL_SetWindowMinimumSize(m_window, width / 4, height / 4);
    m_frame.attach(m_window, width, height);
    if (!createRenderer()) {
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
        return false;
    }
    SDL_ShowWindow(m_window);
    g_current = this;
    m_focused = true;
    m_minimised = false;
    m_quit = false;
    m_lastFrameEnd = getMilliseconds();
    setViewTransform(0, 0, 0, 1, true);
    return true;
}

bool KWindowSDL::createRenderer()
{
    SDL_Renderer* renderer = KRendererChoice::create(m_window, m_frameLimit >= 0, isHeadlessDriver());
    if (!renderer) {
        LOG_ERROR("cannot make a renderer: %s", SDL_GetError());
        return false;
    }
    if (!KRenderContext::get().attach(renderer, m_width, m_height))
        return false;
    m_frame.refresh();
    return true;
}

bool KWindowSDL::isSoftwareRenderer() const
{
    SDL_RendererInfo info;
    SDL_Renderer* renderer = KRenderContext::get().renderer();
    return renderer && SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

bool KWindowSDL::recreateRenderer()
{
    if (!m_window)
        return false;
    KRenderContext::get().detach();
    return createRenderer();
}

void KWindowSDL::resetView()
{
    setViewTransform(0, 0, 0, 1, false);
}

void KWindowSDL::setViewTransform(float x, float y, float angle, float zoom, bool clear)
{
    KRenderContext& context = KRenderContext::get();
    const float radians = degToRad(angle);
    KAffine view;
    view.a = zoom * std::cos(radians);
    view.b = zoom * std::sin(radians);
    view.c = -zoom * std::sin(radians);
    view.d = zoom * std::cos(radians);
    view.tx = x;
    view.ty = y;
    context.setView(view);
    if (clear && context.beginPicture()) {
        SDL_SetRenderDrawColor(context.renderer(), m_clear.r, m_clear.g, m_clear.b, m_clear.a);
        SDL_RenderClear(context.renderer());
    }
}

void KWindowSDL::setClearColor(float r, float g, float b, float a)
{
    m_clear = {toByte(r), toByte(g), toByte(b), toByte(a)};
}

bool KWindowSDL::switchDisplayMode(bool fullScreen)
{
    if (!m_window || fullScreen == m_fullScreen)
        return m_fullScreen;
    if (!m_frame.setFullScreen(fullScreen))
        return m_fullScreen;
    m_fullScreen = fullScreen;
    m_quit = false;
    return true;
}

void KWindowSDL::setCaption(const std::string& text)
{
    m_title = text;
    if (m_window)
        SDL_SetWindowTitle(m_window, text.c_str());
}

bool KWindowSDL::setIcon(const std::vector<std::uint8_t>& rgba, int width, int height)
{
    if (!m_window || width <= 0 || height <= 0 ||
        rgba.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)
        return false;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(rgba.data()), width,
                                                              height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) {
        LOG_ERROR("cannot make the window icon: %s", SDL_GetError());
        return false;
    }
    SDL_SetWindowIcon(m_window, surface);
    SDL_FreeSurface(surface);
    return true;
}

void KWindowSDL::setFrameRateCap(int fps)
{
    m_frameLimit = fps > 0 ? 1000 / fps : fps == 0 ? 0 : -1;
    // Without a display (headless) there is no refresh to wait for; SDL would only imitate one.
    if (SDL_Renderer* renderer = KRenderContext::get().renderer())
        SDL_RenderSetVSync(renderer, m_frameLimit >= 0 && !isHeadlessDriver() ? 1 : 0);
}

int KWindowSDL::pacingRefreshRate() const
{
    SDL_Renderer* renderer = KRenderContext::get().renderer();
    SDL_RendererInfo info;
    if (!m_window || !renderer || isHeadlessDriver() || SDL_GetRendererInfo(renderer, &info) != 0 ||
        (info.flags & SDL_RENDERER_SOFTWARE) || !(info.flags & SDL_RENDERER_PRESENTVSYNC))
        return 0;
    SDL_DisplayMode mode;
    const int display = SDL_GetWindowDisplayIndex(m_window);
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0 || mode.refresh_rate <= 0)
        return 60;
    return mode.refresh_rate;
}

bool KWindowSDL::isAccelerated() const
{
    SDL_Renderer* renderer = KRenderContext::get().renderer();
    SDL_RendererInfo info;
    return renderer && SDL_GetRendererInfo(renderer, &info) == 0 && !(info.flags & SDL_RENDERER_SOFTWARE) &&
           (info.flags & SDL_RENDERER_ACCELERATED);
}

void KWindowSDL::showNormal()
{
    if (m_window)
        SDL_RestoreWindow(m_window);
}

void KWindowSDL::showMinimized()
{
    if (m_window)
        SDL_MinimizeWindow(m_window);
}

KLetterbox KWindowSDL::letterbox() const
{
    return m_frame.letterbox();
}

void KWindowSDL::warpPointer(int x, int y)
{
    if (!m_window)
        return;
    const KLetterbox box = letterbox();
    SDL_WarpMouseInWindow(m_window, box.toWindowX(x), box.toWindowY(y));
}

void KWindowSDL::present()
{
    KRenderContext& context = KRenderContext::get();
    SDL_Renderer* renderer = context.renderer();
    if (!renderer || !context.picture())
        return;
    if (m_fade < 1.0f) {
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, toByte(1.0f - m_fade));
        SDL_RenderFillRect(renderer, nullptr);
    }
    if (!context.isDirect()) {
        SDL_SetRenderTarget(renderer, nullptr);
        m_frame.refresh();
        const KLetterbox box = m_frame.letterbox();
        // The bars take the frame's own clear colour, so the picture's dark edge runs on into them.
        SDL_SetRenderDrawColor(renderer, m_clear.r, m_clear.g, m_clear.b, 255);
        SDL_RenderClear(renderer);
        const SDL_FRect dest{box.offsetX, box.offsetY, box.drawnWidth(), box.drawnHeight()};
        SDL_SetTextureBlendMode(context.picture(), SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(context.picture(),
                                box.isWholeScale() ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
        SDL_RenderCopyF(renderer, context.picture(), nullptr, &dest);
    }
    if (m_screenshotPending) {
        m_screenshotPending = false;
        takeScreenshot();
    }
    SDL_RenderPresent(renderer);
    // A window of exactly the picture's size is drawn into directly; only a scaled one needs the
    // picture drawn first and copied over (one whole pass more per frame).
    m_frame.refresh();
    context.setDirect(m_frame.outputWidth() == m_width && m_frame.outputHeight() == m_height);
    context.beginPicture();
}

void KWindowSDL::presentFrame(bool pauseWhenInactive, bool resetViewAfter)
{
    present();
    if (resetViewAfter)
        resetView();
    pumpMessages();

    if (m_frameLimit > 0) {
        const double elapsed = getMilliseconds() - m_lastFrameEnd;
        if (elapsed < m_frameLimit)
            sleepPrecise(m_frameLimit - elapsed);
    }
    m_lastFrameEnd = getMilliseconds();

    if (pauseWhenInactive && !isForeground() && m_window) {
        KEvent away;
        away.type = K_EVENT_DEACTIVATED;
        deliver(away);
        waitWhileInactive();
        KEvent back;
        back.type = K_EVENT_ACTIVATED;
        deliver(back);
        resetClock();
        m_lastFrameEnd = getMilliseconds();
    }
}

void KWindowSDL::waitWhileInactive()
{
    while (!isForeground() && !m_quit && m_window) {
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, 50))
            processEvent(event);
    }
}

void KWindowSDL::pumpMessages()
{
    // Peeking rather than polling takes everything queued, also what was pushed after SDL's
    // poll sentinel (scripted input arrives that way).
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        processEvent(event);
    // The stick moves the visible pointer by the time passed, once the queued input is in; in play
    // (the pointer hidden) it steers through the player's controls instead.
    if (m_gamepad && isForeground() && SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE) {
        m_gamepad->tick(getMilliseconds(), true, getMouseX(), getMouseY(), m_width, m_height, m_padActions);
        applyPadActions();
    }
    // A minimised window is not in front: the next presentFrame pauses (with events 101 and 100,
    // so the audio pauses too) rather than blocking here unannounced.
    if (m_deviceLost && !m_quit) {
        m_deviceLost = false;
        KRenderContext::get().rebuildTextures();
    }
}

KEvent KWindowSDL::pointerEvent(std::int32_t type, int button) const
{
    KEvent e;
    e.type = type;
    e.mouseX = getMouseX();
    e.mouseY = getMouseY();
    e.button = button;
    return e;
}

void KWindowSDL::pressButton(int button, bool down)
{
    KInputState::setButton(button, down);
    if (button != K_BUTTON_NONE)
        deliver(pointerEvent(down ? K_EVENT_MOUSE_DOWN : K_EVENT_MOUSE_UP, button));
}

void KWindowSDL::pressKey(int virtualKey, bool down, bool repeat, int scancode)
{
    KInputState::setKey(virtualKey, down);
    KInputState::setKeyAtPosition(virtualKeyAtScancode(scancode, virtualKey), down);
    KEvent e = pointerEvent(down ? K_EVENT_KEY_DOWN : K_EVENT_KEY_UP, K_BUTTON_NONE);
    e.virtualKey = virtualKey;
    e.gameKey = gameKeyOfVirtualKey(virtualKey);
    e.character = repeat ? 1 : 0;
    e.messageCode = static_cast<std::int32_t>(down ? SDL_KEYDOWN : SDL_KEYUP);
    e.param = scancode;
    if (virtualKey != 0)
        deliver(e);
}

void KWindowSDL::applyPadActions()
{
    // Taken out first: a handler may pump events itself and bring more.
    std::vector<KPadAction> actions;
    actions.swap(m_padActions);
    for (const KPadAction& action : actions) {
        switch (action.kind) {
        case KPadAction::Kind::Pointer:
            KInputState::setPointer(action.x, action.y);
            // The visible pointer goes along (on menus it is the one the player aims with).
            warpPointer(action.x, action.y);
            deliver(pointerEvent(K_EVENT_MOUSE_MOVE, K_BUTTON_NONE));
            break;
        case KPadAction::Kind::Button:
            pressButton(action.code, action.down);
            break;
        case KPadAction::Kind::Key:
            pressKey(action.code, action.down, false, 0);
            break;
        }
    }
}

void KWindowSDL::deliver(const KEvent& event)
{
    if (m_callback)
        m_callback(event);
}

void KWindowSDL::processEvent(const SDL_Event& event)
{
    const KLetterbox box = m_frame.letterbox();
    switch (event.type) {
    case SDL_QUIT:
        m_quit = true;
        break;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            m_quit = true;
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            m_focused = true;
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            m_focused = false;
            // Releases happen in another window now; keys must not stick.
            KInputState::releaseAll();
            if (m_gamepad)
                m_gamepad->forgetHeld();
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            m_frame.refresh();
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            m_minimised = true;
            break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_SHOWN:
            m_minimised = false;
            break;
        default:
            break;
        }
        break;
    case SDL_RENDER_DEVICE_RESET:
        m_deviceLost = true;
        break;
    case SDL_MOUSEMOTION: {
        KInputState::setPointer(box.toLogicalX(static_cast<float>(event.motion.x)),
                                box.toLogicalY(static_cast<float>(event.motion.y)));
        // The distance travelled in logical pixels, as the pointer would have crossed the picture:
        // the same hand movement steers alike in a window and scaled full screen. A motion that
        // travels nowhere is no move.
        if (event.motion.xrel == 0 && event.motion.yrel == 0)
            break;
        KInputState::addMotion(box.toLogicalDistance(static_cast<float>(event.motion.xrel)),
                               box.toLogicalDistance(static_cast<float>(event.motion.yrel)));
        deliver(pointerEvent(K_EVENT_MOUSE_MOVE, K_BUTTON_NONE));
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        const int button = gameButton(event.button.button);
        KInputState::setPointer(box.toLogicalX(static_cast<float>(event.button.x)),
                                box.toLogicalY(static_cast<float>(event.button.y)));
        pressButton(button, down);
        break;
    }
    case SDL_MOUSEWHEEL: {
        const int delta =
            (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y) * 120;
        KInputState::setWheel(delta);
        KEvent e = pointerEvent(K_EVENT_WHEEL, K_BUTTON_NONE);
        e.wheelDelta = static_cast<std::int16_t>(delta);
        deliver(e);
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const bool down = event.type == SDL_KEYDOWN;
        const int vk = virtualKeyOfSdlKey(event.key.keysym.sym);
        const bool leftShiftHeld = isVirtualKeyDown(VKey::LShift);
        pressKey(vk, down, event.key.repeat != 0, event.key.keysym.scancode);
        if (down && !event.key.repeat && vk == VKey::Snapshot && leftShiftHeld) {
            // A window drawn into directly keeps its last frame only with the software renderer;
            // otherwise the shot waits for the next frame, just before it is shown.
            if (KRenderContext::get().isDirect() && !isSoftwareRenderer())
                m_screenshotPending = true;
            else
                takeScreenshot();
        }
        break;
    }
    case SDL_TEXTINPUT: {
        const std::uint32_t cp = firstCodePoint(event.text.text);
        if (cp != 0 && cp <= 0xFFFF) {
            KEvent e = pointerEvent(K_EVENT_CHARACTER, K_BUTTON_NONE);
            e.character = static_cast<std::uint16_t>(cp);
            deliver(e);
        }
        break;
    }
    default:
        if (m_gamepad && m_gamepad->handleEvent(event, isForeground(), m_padActions))
            applyPadActions();
        break;
    }
}

void KWindowSDL::takeScreenshot()
{
    // Numbers already taken by earlier runs are skipped, so no screenshot is ever overwritten.
    const std::string folder = getUserDataFolder();
    std::string path;
    std::error_code ec;
    do {
        ++m_screenshots;
        path = folder + "/screenshot" + std::to_string(m_screenshots) + ".png";
    } while (std::filesystem::exists(path, ec) && m_screenshots < 1000000);
    if (saveScreenshot(path))
        LOG_INFO("screenshot written to %s", path.c_str());
}

bool KWindowSDL::readPicture(std::vector<std::uint8_t>& rgba, int& width, int& height)
{
    KRenderContext& context = KRenderContext::get();
    if (!context.beginPicture())
        return false;
    width = context.logicalWidth();
    height = context.logicalHeight();
    rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
    const SDL_Rect whole{0, 0, width, height};
    return SDL_RenderReadPixels(context.renderer(), &whole, SDL_PIXELFORMAT_RGBA32, rgba.data(), width * 4) ==
           0;
}

bool KWindowSDL::readOutput(std::vector<std::uint8_t>& rgba, int& width, int& height)
{
    KRenderContext& context = KRenderContext::get();
    SDL_Renderer* renderer = context.renderer();
    if (!renderer)
        return false;
    SDL_SetRenderTarget(renderer, nullptr);
    SDL_GetRendererOutputSize(renderer, &width, &height);
    rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
    const bool ok =
        SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGBA32, rgba.data(), width * 4) == 0;
    context.beginPicture();
    return ok;
}

bool KWindowSDL::saveScreenshot(const std::string& path)
{
    std::vector<std::uint8_t> rgba;
    int width = 0, height = 0;
    if (!readPicture(rgba, width, height))
        return false;
    // The picture's alpha is whatever blending left there; a screenshot is opaque.
    for (std::size_t i = 3; i < rgba.size(); i += 4)
        rgba[i] = 255;
    return writePng(path, width, height, rgba);
}

void KWindowSDL::enumerateDisplayModes(const std::function<bool(int, int, int, int)>& fn)
{
    const int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0)
            continue;
        if (!fn(mode.w, mode.h, SDL_BITSPERPIXEL(mode.format), mode.refresh_rate))
            return;
    }
}
