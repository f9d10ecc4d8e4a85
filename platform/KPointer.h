#pragma once

// The pointer the player sees, in logical pixels of the 800 x 600 picture. While it is hidden (in
// play) it is also captured: the mouse reports how far it travels and never runs into the edge
// of the screen.

// Moves the pointer to a logical position (warping the system pointer when a window is open),
// where the game shows the player where play goes on.
void setMousePosition(int x, int y);
void showCursor();
void hideCursor();
bool isCursorVisible();
