#pragma once

#include <string>
#include <vector>

namespace arttest {

// "07" for 7: the numbering of unit folders.
inline std::string num2(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// The art the build generated when the build's data folder is there (the normal case), otherwise
// made afresh by the generator.
const std::string& artTree();
// A generation of the art into a fresh folder, for the determinism check.
const std::string& freshArtTree();

std::vector<unsigned char> readBytes(const std::string& relative);

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned> argb; // premultiplied, row-major
    int alpha(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return 0;
        return static_cast<int>(argb[static_cast<std::size_t>(y) * width + x] >> 24);
    }
};
// Decodes a PNG of the tree; an empty picture when it is missing or broken.
Picture loadPng(const std::string& relative);

// A sprite description read with the game's XML reader: a strip (one sheet cut into frames and
// groups) or framed (one picture per cell). ok when every cell is there and of the same size.
struct SpriteInfo {
    bool ok = false;
    int frames = 0, groups = 0;
    int frameWidth = 0, frameHeight = 0;
    std::vector<std::vector<std::string>> framePaths; // framed sprites
    std::string texture;                              // strip sprites
    std::string error;
};
SpriteInfo loadSprite(const std::string& xmlPath);
// One cell of a sprite as its own picture.
Picture spriteCell(const std::string& xmlPath, int frame, int group);

} // namespace arttest
