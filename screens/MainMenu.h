#pragma once

#include "screens/ChangeProfile.h"
#include "screens/CreateProfile.h"
#include "screens/CustomLevel.h"
#include "screens/MainMenuAnims.h"
#include "screens/MessagePanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PlayGamePanel.h"
#include "screens/Top10Panel.h"

#include "ui/Button.h"
#include "ui/Control.h"

#include <memory>
#include <string>

class KGraphic;

namespace NVolant {

// The hub between games: the hangar with its mechanic, the welcome line, the change-profile
// button and the play panel of five buttons that slides in from the right. Each button opens a
// panel on top, which takes all mouse input while the hangar darkens behind it. The menu's command
// ("NEW_GAME", "CONTINUE_GAME", "CUSTOM_GAME", "EXIT_GAME") is read by the application.
class MainMenu final : public NControls::Control {
public:
    // The maker's web page, opened by the more-games button.
    static constexpr const char* kWebPage = "https://github.com/corvidane/skyvane";

    MainMenu();
    ~MainMenu() override;

    void update(float dt) override;
    void draw() override;
    bool onLeftDown(float x, float y) override;
    bool onLeftUp(float x, float y) override;
    bool onRightDown(float x, float y) override;
    bool onRightUp(float x, float y) override;
    bool onMouseMove(float x, float y) override;
    void onCommand(NControls::Control* sender) override;

    void setContinueEnabled(bool enabled);
    // The play panel slides in again, unless the player must first make a profile or is looking
    // at the top ten.
    void replayOpening();
    int customLevelNumber() const { return m_customLevel; }
    bool continueEnabled() const { return m_continueEnabled; }
    MainMenuAnims::Slide slideState() const { return m_anims.slideState(); }
    float dimValue() const { return m_dim; }
    const MainMenuAnims& anims() const { return m_anims; }

    NControls::Button* playButton() const { return m_play; }
    NControls::Button* optionsButton() const { return m_options; }
    NControls::Button* changeProfileButton() const { return m_changeProfile; }
    NControls::Button* topTenButton() const { return m_topTen; }
    NControls::Button* moreGamesButton() const { return m_moreGames; }
    NControls::Button* exitButton() const { return m_exit; }

    OptionsPanel* optionsPanel() const { return m_optionsPanel.get(); }
    CreateProfile* createPanel() const { return m_createPanel.get(); }
    ChangeProfile* changePanel() const { return m_changePanel.get(); }
    Top10Panel* topTenPanel() const { return m_topTenPanel.get(); }
    CustomLevel* customPanel() const { return m_customPanel.get(); }
    MessagePanel* messagePanel() const { return m_messagePanel.get(); }
    PlayGamePanel* playPanel() const { return m_playPanel.get(); }
    // The first open panel in priority order, which takes the mouse; null when none is open.
    NControls::Control* activePanel() const;
    // What the player is told at start when the save file could not be read; keptAs is where it
    // was moved (empty when it could not be).
    static std::string unreadableSaveNotice(const std::string& keptAs);

private:
    NControls::Button* addMenuButton(const std::string& name, const std::string& imagePath);
    void layoutPlayPanel();
    void updatePanels(float dt);
    bool anyPanelOpen() const;
    // The greeting for the current profile, measured once per name.
    void drawWelcome();
    template <class P> void openPanel(std::unique_ptr<P>& slot, std::unique_ptr<P> panel);

    std::unique_ptr<KGraphic> m_background;
    std::unique_ptr<KGraphic> m_playBackground;
    MainMenuAnims m_anims;
    NControls::Button* m_play = nullptr;
    NControls::Button* m_options = nullptr;
    NControls::Button* m_changeProfile = nullptr;
    NControls::Button* m_topTen = nullptr;
    NControls::Button* m_moreGames = nullptr;
    NControls::Button* m_exit = nullptr;
    std::unique_ptr<OptionsPanel> m_optionsPanel;
    std::unique_ptr<CreateProfile> m_createPanel;
    std::unique_ptr<ChangeProfile> m_changePanel;
    std::unique_ptr<Top10Panel> m_topTenPanel;
    std::unique_ptr<CustomLevel> m_customPanel;
    std::unique_ptr<MessagePanel> m_messagePanel;
    std::unique_ptr<PlayGamePanel> m_playPanel;
    float m_dim = 0.0f;
    std::string m_welcomeName;
    std::string m_welcome;
    float m_welcomeX = 0.0f;
    int m_customLevel = 1;
    bool m_continueEnabled = false;
};

} // namespace NVolant
