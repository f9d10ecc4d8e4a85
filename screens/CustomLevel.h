#pragma once

#include "screens/Panel.h"

namespace NVolant {

// A grid of the 30 level numbers, ten to a row; the current profile may start at any level it has
// reached. OK leaves "CUSTOM_GAME" (told to the owner) with the chosen level kept in the profile;
// CANCEL leaves "MAIN_MENU".
class CustomLevel final : public Panel {
public:
    static constexpr int kLevels = 30;

    explicit CustomLevel(NControls::Control* owner);

    void update(float dt) override;
    void draw() override;
    bool onLeftDown(float x, float y) override;
    bool onMouseMove(float x, float y) override;
    void onCommand(NControls::Control* sender) override;

    int selectedLevel() const { return m_selected; }
    int shownLevel() const { return m_shown; }
    int highestLevel() const { return m_highest; }
    // The level whose cell holds the point (absolute), or the selected one.
    int levelAt(float x, float y);
    NControls::Button* okButton() const { return m_ok; }
    NControls::Button* cancelButton() const { return m_cancel; }

private:
    void placeGrid();

    NControls::Button* m_ok = nullptr;
    NControls::Button* m_cancel = nullptr;
    int m_selected = 1;
    int m_shown = 1;
    int m_highest = 1;
    int m_gridX = 0;
    int m_gridY = 0;
    int m_cellW = 45;
    int m_cellH = 40;
};

} // namespace NVolant
