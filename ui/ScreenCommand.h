#pragma once

namespace NControls {

// What a screen or panel asks of its owner when the player has chosen: left by the control after
// an input event, read by the owner (the application, the main menu, a panel) and cleared once
// acted on.
enum class ScreenCommand {
    None,
    MainMenu,        // back to the main menu (also: a panel closes)
    NewGame,         // a new game at level 1
    ContinueGame,    // the game held for continuing, or its end-of-level window
    OpenCustomLevel, // the custom-level panel
    CustomGame,      // a new game at the level chosen there
    ExitGame,        // leave the program
    Continue,        // on from the end-of-level window into the next level
    Ok,              // a message panel's answers
    Cancel,
};

} // namespace NControls
