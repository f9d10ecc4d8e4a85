#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace datagen::levels {

// The tiles of every sector graphic. A sector graphic is a 512 x 512 picture of 32-pixel
// blocks numbered column by column; the game refills its colours from the sector's texture, so
// the base picture only contributes the alpha: the shapes of the tiles.
//
//   0          never drawn (empty cell)
//   1 .. 6     flat "water" tiles: opaque, no shadow; helicopters that start over them patrol them
//   7 .. 10    flat land tiles: opaque, no shadow (used inland for variety)
//   11 .. 26   full land, sixteen blocks so that the texture variants mix
//   27 .. 250  shoreline tiles, one per corner configuration (below)
//   251 .. 255 full land that the composition turns into the gradient between two sectors
//
// Shorelines come from the land value at the four corners of a cell, each quantised to 0, 1/3,
// 2/3 or 1 (quarter steps of a signed distance to the shore). Inside the cell the values are
// interpolated bilinearly and the shore is where they cross 1/2, softened over a few pixels.
// Neighbouring cells share two corners, so their alpha matches along the common edge.
namespace tiles {

constexpr int kCell = 32;
constexpr int kPicture = 512;
constexpr int kBlockRows = kPicture / kCell;
constexpr int kFlatWaterFirst = 1, kFlatWaterLast = 6;
constexpr int kFlatLandFirst = 7, kFlatLandLast = 10;
constexpr int kFullFirst = 11, kFullCount = 16;
constexpr int kShoreFirst = kFullFirst + kFullCount;
constexpr int kShoreCount = 224; // configurations with corners on both sides of the shore
constexpr int kGradientFirst = kShoreFirst + kShoreCount, kGradientCount = 5;
constexpr int kLastTile = kGradientFirst + kGradientCount - 1;
constexpr int kLevels = 4; // corner values 0..3 stand for 0, 1/3, 2/3, 1
constexpr int kConfigs = kLevels * kLevels * kLevels * kLevels;

// Corner configuration: bottom-left + 4 x bottom-right + 16 x top-left + 64 x top-right.
constexpr int config(int bl, int br, int tl, int tr)
{
    return bl + 4 * br + 16 * tl + 64 * tr;
}

enum class Shape { Empty, Full, Shore };
Shape shapeOf(int config);
int shoreTile(int config); // tile number of a shoreline configuration, 0 for the others
// The configuration a shoreline tile was made for, -1 for other tiles.
int configOfTile(int tile);

enum class Class { Empty, FlatWater, FlatLand, FullLand, Shore, Gradient, Invalid };
Class classify(int tile);
inline bool isGroundTile(int tile)
{
    const Class c = classify(tile);
    return c == Class::FullLand || c == Class::FlatLand || c == Class::Gradient;
}

// How much land a configuration has at (u, t) of its cell, both 0..1, t from the bottom: the
// corner values interpolated, bent into an irregular bank. On an edge it depends only on the
// edge's two corners, so the cells sharing that edge agree; the shore lies at 1/2.
float landAt(int config, float u, float t);
// Alpha (0..255) of pixel (px, py) of a tile, py counted from the top of the block.
std::uint8_t alphaAt(int tile, int px, int py);
// The base picture: RGBA, kPicture x kPicture, grey with the tile alphas.
std::vector<std::uint8_t> basePicture();

} // namespace tiles

} // namespace datagen::levels
