#include "screens/MainMenu.h"

#include "platform/KGraphic.h"
#include "content/BitmapText.h"
#include "platform/KPointer.h"
#include "platform/Screen.h"
#include "score/Profiles.h"
#include "screens/ScreenHost.h"
#include "screens/ShadowText.h"
#include "ui/WidgetImage.h"

#include <algorithm>
#include <cstdlib>

namespace NVolant {

namespace {

constexpr TextColour kWelcome{0.894f, 0.894f, 0.745f, 1.0f};

} // namespace

MainMenu::MainMenu()
    : m_background(NControls::loadWidgetImage("menu\\bg_main_menu.jpg")),
      m_playBackground(NControls::loadWidgetImage("menu\\bg_play_game.png"))
{
    setSize(kScreenWidth, kScreenHeight);
    setPosition(0, 0);
    m_play = addMenuButton("NEW_GAME", "menu\\play_game_btn.png");
    m_options = addMenuButton("OPTIONS", "menu\\options_btn.png");
    m_changeProfile = addMenuButton("CHANGE_PROFILE", "menu\\if_this_not_btn.png");
    m_topTen = addMenuButton("TOP10", "menu\\top10_btn.png");
    m_moreGames = addMenuButton("MORE_GAMES", "menu\\more_games_btn.png");
    m_exit = addMenuButton("EXIT", "menu\\exit_btn.png");
    m_changeProfile->setPosition(static_cast<float>((kScreenWidth - m_changeProfile->getWidth()) / 2), 50);
    layoutPlayPanel();

    Profiles* profiles = Profiles::instance();
    if (!profiles->currentProfile()) {
        openPanel(m_createPanel, std::make_unique<CreateProfile>(this));
        m_anims.slideOut();
    }
    // Told once, over whatever else the menu opens with.
    if (profiles->takeUnreadableNotice())
        openPanel(m_messagePanel,
                  std::make_unique<MessagePanel>(unreadableSaveNotice(profiles->keptAsidePath()), this,
                                                 MessagePanel::Kind::Notice));
}

std::string MainMenu::unreadableSaveNotice(const std::string& keptAs)
{
    if (keptAs.empty())
        return "Your saved progress could not be\nread, nor kept aside. The game\nstarts afresh.";
    // The home folder as players write it, so that the path fits the panel.
    std::string shown = keptAs;
    const char* home = std::getenv("HOME");
    const std::string homeFolder = home ? std::string(home) + "/" : std::string();
    if (homeFolder.size() > 1 && shown.rfind(homeFolder, 0) == 0)
        shown = "~/" + shown.substr(homeFolder.size());
    const std::size_t slash = shown.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : shown.substr(0, slash);
    const std::string file = slash == std::string::npos ? shown : shown.substr(slash + 1);
    return "Your saved progress could not be\nread. The game starts afresh; the\nold file is kept as " +
           file + "\nin " + folder;
}

MainMenu::~MainMenu()
{
    m_optionsPanel.reset();
    m_createPanel.reset();
    m_changePanel.reset();
    m_topTenPanel.reset();
    m_customPanel.reset();
    m_messagePanel.reset();
    m_playPanel.reset();
    releaseChildren();
}

NControls::Button* MainMenu::addMenuButton(const std::string& name, const std::string& imagePath)
{
    return add(std::make_unique<NControls::Button>(name, imagePath, this));
}

template <class P> void MainMenu::openPanel(std::unique_ptr<P>& slot, std::unique_ptr<P> panel)
{
    slot = std::move(panel);
    const int dx = static_cast<int>(static_cast<float>(m_width - slot->getWidth()) * 0.5f);
    const int dy = static_cast<int>(static_cast<float>(m_height - slot->getHeight()) * 0.5f);
    slot->setPosition(static_cast<float>(dx), static_cast<float>(dy));
}

NControls::Control* MainMenu::activePanel() const
{
    // The message panel is drawn over the others and takes the mouse first.
    NControls::Control* const slots[] = {m_messagePanel.get(), m_optionsPanel.get(), m_createPanel.get(),
                                         m_changePanel.get(),  m_topTenPanel.get(),  m_customPanel.get(),
                                         m_playPanel.get()};
    for (NControls::Control* panel : slots)
        if (panel)
            return panel;
    return nullptr;
}

bool MainMenu::anyPanelOpen() const
{
    return activePanel() != nullptr;
}

void MainMenu::layoutPlayPanel()
{
    const Vector4& at = m_anims.panelPosition();
    const float w = m_playBackground->getWidth();
    NControls::Button* const column[] = {m_play, m_options, m_topTen, m_moreGames, m_exit};
    const float offsets[] = {40, 100, 160, 220, 280};
    for (int i = 0; i < 5; ++i)
        column[i]->setPosition(at.x + (w - static_cast<float>(column[i]->getWidth())) * 0.5f,
                               at.y + offsets[i]);
}

void MainMenu::updatePanels(float dt)
{
    // Each slot: update, then close it on the results that finish it.
    const auto serve = [&](auto& slot, auto closes) {
        if (!slot)
            return;
        slot->update(dt);
        const NControls::ScreenCommand result = slot->getCommand();
        if (result == NControls::ScreenCommand::MainMenu) {
            slot.reset();
            replayOpening();
        } else if (closes(result)) {
            slot.reset();
        }
    };
    const auto none = [](NControls::ScreenCommand) { return false; };
    serve(m_optionsPanel, none);
    serve(m_createPanel, none);
    serve(m_changePanel, none);
    serve(m_topTenPanel, none);
    serve(m_customPanel,
          [](NControls::ScreenCommand r) { return r == NControls::ScreenCommand::CustomGame; });
    if (m_messagePanel) {
        m_messagePanel->update(dt);
        const NControls::ScreenCommand result = m_messagePanel->getCommand();
        if (result == NControls::ScreenCommand::MainMenu) {
            m_messagePanel.reset();
            replayOpening();
        } else if (result == NControls::ScreenCommand::Ok) {
            m_messagePanel.reset();
        } else if (result == NControls::ScreenCommand::Cancel) {
            m_messagePanel.reset();
            replayOpening();
        }
    }
    serve(m_playPanel, [](NControls::ScreenCommand r) {
        return r == NControls::ScreenCommand::NewGame || r == NControls::ScreenCommand::ContinueGame ||
               r == NControls::ScreenCommand::OpenCustomLevel;
    });
}

void MainMenu::update(float dt)
{
    showCursor();
    updatePanels(dt);
    if (anyPanelOpen())
        m_dim = std::min(0.7f, m_dim + 0.0009f * dt);
    else
        m_dim = std::max(0.0f, m_dim - 0.0009f * dt);
    m_anims.update(dt);
    layoutPlayPanel();
}

void MainMenu::draw()
{
    m_background->putImageRect(0, 0, m_background->getWidth(), m_background->getHeight(), 0, 0);
    m_anims.draw();
    const Vector4& at = m_anims.panelPosition();
    m_playBackground->blendImageRect(0, 0, m_playBackground->getWidth(), m_playBackground->getHeight(), at.x,
                                     at.y);
    Control::draw();

    drawWelcome();

    // The menu darkens under an open panel: a dark veil, a plain fill.
    if (m_dim > 0.0f)
        m_background->fillSolidRect(0, 0, m_background->getWidth(), m_background->getHeight(), 0, 0, 0,
                                    m_dim);

    if (m_anims.slideState() == MainMenuAnims::SlidingOut)
        return;
    NControls::Control* const slots[] = {m_optionsPanel.get(), m_createPanel.get(), m_changePanel.get(),
                                         m_topTenPanel.get(),  m_customPanel.get(), m_messagePanel.get(),
                                         m_playPanel.get()};
    for (NControls::Control* panel : slots)
        if (panel)
            panel->draw();
}

void MainMenu::drawWelcome()
{
    const Profile* profile = Profiles::instance()->currentProfile();
    const NLib::BitmapText* font = menuFont();
    if (!profile || !font)
        return;
    if (m_welcome.empty() || profile->name() != m_welcomeName) {
        m_welcomeName = profile->name();
        m_welcome = "Welcome to Skyvane, " + m_welcomeName;
        m_welcomeX = (static_cast<float>(kScreenWidth) - font->measureText(m_welcome, 20)) / 2.0f;
    }
    drawShadowText(font, m_welcome, 20, m_welcomeX, 30, kWelcome);
}

bool MainMenu::onLeftDown(float x, float y)
{
    if (NControls::Control* panel = activePanel())
        return panel->onLeftDown(x, y);
    return Control::onLeftDown(x, y);
}

bool MainMenu::onLeftUp(float x, float y)
{
    if (NControls::Control* panel = activePanel())
        return panel->onLeftUp(x, y);
    return Control::onLeftUp(x, y);
}

bool MainMenu::onRightDown(float x, float y)
{
    if (NControls::Control* panel = activePanel())
        return panel->onRightDown(x, y);
    return Control::onRightDown(x, y);
}

bool MainMenu::onRightUp(float x, float y)
{
    if (NControls::Control* panel = activePanel())
        return panel->onRightUp(x, y);
    return Control::onRightUp(x, y);
}

bool MainMenu::onMouseMove(float x, float y)
{
    if (NControls::Control* panel = activePanel())
        return panel->onMouseMove(x, y);
    return Control::onMouseMove(x, y);
}

void MainMenu::onCommand(NControls::Control* sender)
{
    clearCommand();
    if (sender == m_play) {
        m_anims.slideOut();
        m_playPanel.reset();
        openPanel(m_playPanel, std::make_unique<PlayGamePanel>(this, m_continueEnabled));
    } else if (sender == m_playPanel.get() && m_playPanel) {
        setCommand(m_playPanel->getCommand());
        if (getCommand() == NControls::ScreenCommand::OpenCustomLevel) {
            m_customPanel.reset();
            openPanel(m_customPanel, std::make_unique<CustomLevel>(this));
            clearCommand();
        }
    } else if (sender == m_options) {
        m_anims.slideOut();
        openPanel(m_optionsPanel, std::make_unique<OptionsPanel>(this));
    } else if (sender == m_changeProfile) {
        m_anims.slideOut();
        openPanel(m_changePanel, std::make_unique<ChangeProfile>(this));
    } else if (sender == m_topTen) {
        m_anims.slideOut();
        openPanel(m_topTenPanel, std::make_unique<Top10Panel>());
    } else if (sender == m_customPanel.get() && m_customPanel) {
        m_customLevel = m_customPanel->shownLevel();
        setCommand(NControls::ScreenCommand::CustomGame);
    } else if (sender == m_moreGames) {
        if (ScreenHost* host = ScreenHost::instance()) {
            if (host->isFullScreen())
                host->setWindowed();
            host->openWebPage(kWebPage);
        }
    } else if (sender == m_exit) {
        m_messagePanel.reset();
        openPanel(m_messagePanel,
                  std::make_unique<MessagePanel>("Are you sure you want to\n     quit the game?", this));
        m_anims.slideOut();
    } else if (sender == m_messagePanel.get() && m_messagePanel) {
        if (!m_messagePanel->isNotice() && m_messagePanel->getCommand() == NControls::ScreenCommand::Ok)
            setCommand(NControls::ScreenCommand::ExitGame);
    }
}

void MainMenu::setContinueEnabled(bool enabled)
{
    m_continueEnabled = enabled;
    Profiles* profiles = Profiles::instance();
    if (profiles->topTenChanged) {
        profiles->topTenChanged = false;
        onCommand(m_topTen);
        m_anims.setSlide(MainMenuAnims::SlideIdle, 0.0f);
    }
}

void MainMenu::replayOpening()
{
    if (!m_createPanel && !m_topTenPanel)
        m_anims.slideIn();
}

} // namespace NVolant
