#include "screens/PlayGamePanel.h"

#include "platform/KPointer.h"
#include "screens/ShadowText.h"

namespace NVolant {

namespace {
bool g_madeBefore = false;
}

bool PlayGamePanel::madeBefore()
{
    return g_madeBefore;
}

void PlayGamePanel::forgetMadeBefore()
{
    g_madeBefore = false;
}

PlayGamePanel::PlayGamePanel(NControls::Control* owner, bool continueAvailable)
    : Panel("menu\\bg_play_game.png", owner)
{
    const float w = static_cast<float>(m_width);
    const auto centred = [w](NControls::Button* b) { return (w - static_cast<float>(b->getWidth())) * 0.5f; };

    m_continue =
        addButton("CONTINUE", g_madeBefore ? "menu\\continue_game_btn.png" : "menu\\continue_saved_btn.png");
    g_madeBefore = true;
    placeAt(*m_continue, centred(m_continue), 60);
    m_continue->setVisible(continueAvailable);
    m_newGame = addButton("NEW_GAME", "menu\\new_game_btn.png");
    placeAt(*m_newGame, centred(m_newGame), 140);
    m_customGame = addButton("CUSTOM_GAME", "menu\\custom_game_btn.png");
    placeAt(*m_customGame, centred(m_customGame), 220);
    m_cancel = addButton("CANCEL", "menu\\cancel_btn.png");
    placeAt(*m_cancel, centred(m_cancel), static_cast<float>(m_height - 70));
}

void PlayGamePanel::update(float dt)
{
    showCursor();
    Panel::update(dt);
}

void PlayGamePanel::draw()
{
    Panel::draw();
    if (!getName().empty())
        drawShadowTextCentred(menuFont(), getName(), 24, m_centre.x, m_position.y + 20);
}

void PlayGamePanel::onCommand(NControls::Control* sender)
{
    clearCommand();
    if (sender == m_newGame) {
        setCommand(NControls::ScreenCommand::NewGame);
        notifyOwner();
    } else if (sender == m_continue) {
        setCommand(NControls::ScreenCommand::ContinueGame);
        notifyOwner();
    } else if (sender == m_customGame) {
        setCommand(NControls::ScreenCommand::OpenCustomLevel);
        notifyOwner();
    } else if (sender == m_cancel) {
        setCommand(NControls::ScreenCommand::MainMenu);
    }
}

} // namespace NVolant
