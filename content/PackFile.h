#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace NLib {

// One entry of an "LB" pack as it stands in the file.
struct PackEntry {
    std::string name;         // as stored (case and separators untouched)
    std::uint32_t size = 0;   // content bytes actually present in the file
    std::uint64_t offset = 0; // where the content starts
    bool scrambled = false;   // flag byte 'y'
};

// Reads the table of contents of an "LB" pack: magic "LB", a 32-bit entry count, then per entry
// a 32-bit name length, the name, a 32-bit size, a flag byte 'y' or 'n' and the content. All
// integers little-endian.
class PackFile final {
public:
    // Longest name accepted; anything longer is a damaged or hostile file.
    static constexpr std::uint32_t kMaxNameLength = 4096;

    // Walks the entries of an open file. False when the magic is wrong. A pack cut short keeps
    // every entry whose header is complete; an entry whose content runs past the end of the file
    // keeps the part that is there.
    static bool readIndex(std::FILE* file, std::vector<PackEntry>& entries);
    static bool readIndex(const std::string& path, std::vector<PackEntry>& entries);

    // The content of one entry, still scrambled if it was stored so.
    static std::vector<std::uint8_t> readContent(std::FILE* file, const PackEntry& entry);
};

} // namespace NLib
