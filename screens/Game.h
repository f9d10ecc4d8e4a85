#pragma once

#include "screens/HintWindow.h"
#include "world/GameField.h"

#include "ui/Control.h"

#include <functional>
#include <memory>

namespace NVolant {

class ProfileLink;

// The in-game screen: owns the game field and, at the start of a game, the hint window; hands
// the player's controls to the field, the mouse to the hint window; Escape leaves for the main
// menu ("MAIN_MENU").
class Game final : public NControls::Control {
public:
    static constexpr int kEscape = 27;

    // How hint windows are made; without a maker there is no hint window.
    using HintMaker = std::function<std::unique_ptr<HintWindow>(ProfileLink*)>;
    static void setHintMaker(HintMaker maker);

    // The hint window is shown when hints are allowed and the profile (if any) wants them.
    Game(bool hintsAllowed, ProfileLink* profile);
    ~Game() override;

    // A frame without input.
    void update(float dt) override;
    void update(float dt, const PlayerControls& controls);
    void draw() override;
    bool onLeftDown(float x, float y) override;
    bool onLeftUp(float x, float y) override;
    bool onRightDown(float x, float y) override;
    bool onRightUp(float x, float y) override;
    bool onMouseMove(float x, float y) override;
    void onKeyDown(int key, int flags) override;

    void newGame() { m_field.newGame(); }
    void setLevel(int levelNumber) { m_field.setLevel(levelNumber); }
    void startLevel() { m_field.startLevel(); }
    void nextLevel() { m_field.nextLevel(); }
    void pause() { m_field.pause(); }
    void loadSaved() { m_field.loadSaved(); }
    bool hasLevel() const { return m_field.hasLevel(); }
    FieldStatus fieldStatus() const { return m_field.status(); }

    GameField& field() { return m_field; }
    const GameField& field() const { return m_field; }
    HintWindow* hintWindow() const { return m_hint.get(); }

private:
    void closeHint();

    GameField m_field;
    std::unique_ptr<HintWindow> m_hint;
};

} // namespace NVolant
