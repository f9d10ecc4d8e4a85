#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace NVolant {

// A level's scenery, "decor.dat": roads, fields, hedges, trees, boulders, roofs, reeds and the
// like, drawn over the ground and under every unit. Nothing of it can be shot and the game never
// asks it anything; a level without it plays exactly the same.
//
// Little-endian: a version (1), a table of pieces (rectangles of one shared atlas picture: x, y,
// width, height as 32-bit integers), then the props that place them (piece, layer, x, y, angle,
// scale as below, and an RGBA colour the piece is multiplied by, red in the lowest byte). Each
// table starts with its count.

// Layers are drawn in this order; within a layer, from the bottom of the level up.
enum DecorLayer : std::int32_t {
    kGroundDecor = 0, // soil and meadow patches, fields, sand
    kWayDecor = 1,    // roads, tracks, streets
    kEdgeDecor = 2,   // hedges, reeds, scree, drifts
    kTallDecor = 3,   // trees, boulders, pines, roofs: with their shadows painted in
};

struct DecorPiece {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const DecorPiece&) const = default;
};

struct DecorProp {
    std::int32_t piece = 0;
    std::int32_t layer = kGroundDecor;
    float x = 0.0f; // the centre, in level coordinates (y up from the level's bottom edge)
    float y = 0.0f;
    float angle = 0.0f; // degrees, counter-clockwise on screen
    float scale = 1.0f;
    std::uint32_t colour = 0xFFFFFFFFu;
    bool operator==(const DecorProp&) const = default;
};

struct Decor {
    std::vector<DecorPiece> pieces;
    std::vector<DecorProp> props;
    bool operator==(const Decor&) const = default;
};

class DecorFile final {
public:
    static constexpr std::uint32_t kVersion = 1;
    static constexpr int kLayers = 4;
    static constexpr std::size_t kPieceRecordSize = 16;
    static constexpr std::size_t kPropRecordSize = 28;
    // An atlas piece larger than this, or a prop scaled beyond kMaxScale, is damage.
    static constexpr std::int32_t kMaxPieceSize = 4096;
    static constexpr float kMaxScale = 16.0f;
    static constexpr float kFarAway = 1.0e6f;

    struct Report {
        std::size_t pieces = 0;      // whole piece records read
        std::size_t props = 0;       // whole prop records read
        std::size_t dropped = 0;     // props left out: a bad piece, layer, place, angle or scale
        bool refused = false;        // unknown version or no header: nothing read
    };

    // The game's reader: counts are trusted only as far as the bytes go, a piece that cannot be a
    // rectangle of a picture is kept empty, and a prop that names no usable piece, no layer, or
    // lies, turns or scales absurdly is left out. Never reads outside the bytes.
    static Decor read(std::span<const std::uint8_t> bytes, Report* report = nullptr);
    // The tools' reader: the version, both counts and the file size must agree exactly.
    static bool decode(std::span<const std::uint8_t> bytes, Decor& out);
    static std::vector<std::uint8_t> encode(const Decor& decor);

    // Whether the game's reader keeps a piece or a prop as they are.
    static bool usable(const DecorPiece& piece);
    static bool usable(const DecorProp& prop, const std::vector<DecorPiece>& pieces);
};

} // namespace NVolant
