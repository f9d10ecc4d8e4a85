#pragma once

#include "levels/Image.h"

#include <map>
#include <string>

namespace datagen::levels {

// Frames of the art's sprites, read from a data tree for the previews: frame 0 of a group of a
// strip sprite, or the first frame of a group of a framed one. Missing sprites give null.
class SpriteBook final {
public:
    explicit SpriteBook(std::string treeRoot) : m_root(std::move(treeRoot)) {}

    const Image* frame(const std::string& description, int group);

private:
    struct Sheet {
        bool loaded = false;
        Image image;
        int frames = 0, groups = 0;
        std::map<int, Image> cut;
    };
    std::string m_root;
    std::map<std::string, Sheet> m_sheets;
};

// The sprite description of an enemy type code, "" for none.
std::string spriteOfType(int type);
std::string spriteOfBonus(int kind);

} // namespace datagen::levels
