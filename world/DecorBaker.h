#pragma once

#include "content/DecorFile.h"
#include "platform/ImageDecoder.h"

#include <cstdint>
#include <vector>

namespace NVolant {

// Paints scenery props into a band of the level once, so that drawing it afterwards is a plain
// copy: a software renderer turns and scales pictures slowly, but copies them fast. The props
// are painted in the order given, each turned and scaled about its centre, sampled smoothly
// from the atlas and multiplied by its colour, exactly as the renderer would draw it.
class DecorBaker final {
public:
    // The atlas is kept premultiplied for smooth sampling.
    explicit DecorBaker(const DecodedImage& atlas);

    // A band `width` x `height` pixels whose top edge lies at level height `top`; RGBA rows from
    // the top, straight alpha.
    std::vector<std::uint8_t> bake(const std::vector<const DecorProp*>& props, const std::vector<DecorPiece>& pieces,
                                   int width, int height, float top) const;

private:
    // The premultiplied texel at (x, y) of the atlas, clear outside the piece.
    void texel(const DecorPiece& piece, int x, int y, float out[4]) const;
    void paint(const DecorProp& prop, const DecorPiece& piece, std::vector<float>& band, int width, int height,
               float top) const;

    int m_width = 0;
    int m_height = 0;
    std::vector<float> m_premultiplied; // 0..1
};

} // namespace NVolant
