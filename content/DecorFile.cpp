#include "content/DecorFile.h"

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

#include <algorithm>
#include <cmath>

namespace NVolant {

namespace {

DecorPiece readPiece(ByteReader& in)
{
    DecorPiece p;
    p.x = in.i32();
    p.y = in.i32();
    p.width = in.i32();
    p.height = in.i32();
    return p;
}

DecorProp readProp(ByteReader& in)
{
    DecorProp p;
    p.piece = in.i32();
    p.layer = in.i32();
    p.x = in.f32();
    p.y = in.f32();
    p.angle = in.f32();
    p.scale = in.f32();
    p.colour = in.u32();
    return p;
}

// How many whole records of this size follow, at most the count the file claims.
std::size_t wholeRecords(const ByteReader& in, std::uint32_t declared, std::size_t size)
{
    return std::min<std::size_t>(declared, in.remaining() / size);
}

bool sane(float v, float limit)
{
    return std::isfinite(v) && std::fabs(v) <= limit;
}

} // namespace

bool DecorFile::usable(const DecorPiece& piece)
{
    return piece.x >= 0 && piece.y >= 0 && piece.width > 0 && piece.height > 0 && piece.x <= kMaxPieceSize &&
           piece.y <= kMaxPieceSize && piece.width <= kMaxPieceSize && piece.height <= kMaxPieceSize;
}

bool DecorFile::usable(const DecorProp& prop, const std::vector<DecorPiece>& pieces)
{
    return prop.piece >= 0 && static_cast<std::size_t>(prop.piece) < pieces.size() &&
           usable(pieces[static_cast<std::size_t>(prop.piece)]) && prop.layer >= 0 && prop.layer < kLayers &&
           sane(prop.x, kFarAway) && sane(prop.y, kFarAway) && sane(prop.angle, 360.0f) && prop.scale > 0.0f &&
           prop.scale <= kMaxScale;
}

Decor DecorFile::read(std::span<const std::uint8_t> bytes, Report* report)
{
    Report local;
    Report& r = report ? *report : local;
    r = Report{};
    Decor decor;
    ByteReader in(bytes);
    const std::uint32_t version = in.u32();
    const std::uint32_t pieceCount = in.u32();
    if (!in.ok() || version != kVersion) {
        r.refused = true;
        return decor;
    }
    const std::size_t pieces = wholeRecords(in, pieceCount, kPieceRecordSize);
    decor.pieces.reserve(pieces);
    for (std::size_t i = 0; i < pieces; ++i) {
        DecorPiece piece = readPiece(in);
        decor.pieces.push_back(usable(piece) ? piece : DecorPiece{});
    }
    r.pieces = pieces;
    if (pieces < pieceCount)
        return decor; // the props would be read from the middle of the piece table

    const std::uint32_t propCount = in.u32();
    if (!in.ok())
        return decor;
    const std::size_t props = wholeRecords(in, propCount, kPropRecordSize);
    decor.props.reserve(props);
    for (std::size_t i = 0; i < props; ++i) {
        const DecorProp prop = readProp(in);
        if (usable(prop, decor.pieces))
            decor.props.push_back(prop);
        else
            ++r.dropped;
    }
    r.props = props;
    return decor;
}

bool DecorFile::decode(std::span<const std::uint8_t> bytes, Decor& out)
{
    out = Decor{};
    ByteReader in(bytes);
    const std::uint32_t version = in.u32();
    const std::uint32_t pieceCount = in.u32();
    if (!in.ok() || version != kVersion || in.remaining() / kPieceRecordSize < pieceCount)
        return false;
    for (std::uint32_t i = 0; i < pieceCount; ++i)
        out.pieces.push_back(readPiece(in));
    const std::uint32_t propCount = in.u32();
    if (!in.ok() || in.remaining() != static_cast<std::uint64_t>(propCount) * kPropRecordSize)
        return false;
    for (std::uint32_t i = 0; i < propCount; ++i)
        out.props.push_back(readProp(in));
    return in.ok() && in.atEnd();
}

std::vector<std::uint8_t> DecorFile::encode(const Decor& decor)
{
    ByteWriter w(12 + decor.pieces.size() * kPieceRecordSize + decor.props.size() * kPropRecordSize);
    w.u32(kVersion);
    w.u32(static_cast<std::uint32_t>(decor.pieces.size()));
    for (const DecorPiece& p : decor.pieces) {
        w.i32(p.x);
        w.i32(p.y);
        w.i32(p.width);
        w.i32(p.height);
    }
    w.u32(static_cast<std::uint32_t>(decor.props.size()));
    for (const DecorProp& p : decor.props) {
        w.i32(p.piece);
        w.i32(p.layer);
        w.f32(p.x);
        w.f32(p.y);
        w.f32(p.angle);
        w.f32(p.scale);
        w.u32(p.colour);
    }
    return w.take();
}

} // namespace NVolant
