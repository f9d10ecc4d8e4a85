#pragma once

#include <string>

namespace datagen::art {

// Draws every sprite of the art (every group and frame) with its collision circles (red), outline
// points (yellow) and shot origins (cyan) overlaid, then every menu picture, on pages of at most
// 1600 x 2400 pixels: FILE.png, FILE_2.png, ... Returns the number of pages written.
int writeArtSheet(const std::string& pngPath);

} // namespace datagen::art
