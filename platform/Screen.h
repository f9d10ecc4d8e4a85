#pragma once

// The game's picture: every screen, the world's camera and the pointer work in these logical
// pixels, whatever the window's real size.
inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 600;
