#pragma once

#include "content/DecorFile.h"
#include "levels/Image.h"

#include <vector>

namespace datagen::levels::decor_art {

// The pieces of the decor atlas. Ways run along the piece's x axis with ends that fade, so that
// a chain of them overlapping by half a piece shows no joint. Everything that stands up (trees,
// roofs, boulders) carries its own shadow to the lower right and is meant to be drawn unturned.
enum class Piece : int {
    Asphalt,
    Track,
    Street,
    Wheat,
    GreenCrop,
    Rape,
    Plough,
    Meadow,
    Hedge,
    ClumpGreen,
    ClumpAutumn,
    TreeGreen,
    TreeAutumn,
    Bush,
    Boulder,
    Scree,
    Drift,
    Pine,
    RoofRed,
    RoofSlate,
    RoofRedTall, // ridge running up the screen
    Yard,
    Reeds,
    SandBank,
    Shrub,
    Dune,
    Patch,
    PatchLong,
    Count
};

inline constexpr const char* kAtlasPath = "levels/terrain/decor.png";
inline constexpr const char* kCloudsPath = "levels/terrain/clouds.png";
inline constexpr int kAtlasSize = 1024;

// Where each piece lies in the atlas, indexed by Piece; the same on every run.
const std::vector<NVolant::DecorPiece>& layout();
inline const NVolant::DecorPiece& rect(Piece p)
{
    return layout()[static_cast<std::size_t>(p)];
}

Image atlas();
// One soft cloud shadow: white, its density in the alpha, transparent at the borders.
Image clouds();

} // namespace datagen::levels::decor_art
