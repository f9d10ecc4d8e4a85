#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes "LB" pack bytes field by field, independently of the game's own pack writer, so tests
// can build well-formed, odd and broken packs alike.
class PackBytes final {
public:
    explicit PackBytes(std::uint32_t count)
    {
        bytes = {'L', 'B'};
        u32(count);
    }

    PackBytes& entry(const std::string& name, const std::string& content, char flag = 'n')
    {
        u32(static_cast<std::uint32_t>(name.size()));
        bytes.insert(bytes.end(), name.begin(), name.end());
        u32(static_cast<std::uint32_t>(content.size()));
        bytes.push_back(static_cast<std::uint8_t>(flag));
        bytes.insert(bytes.end(), content.begin(), content.end());
        return *this;
    }

    PackBytes& u32(std::uint32_t v)
    {
        for (int s = 0; s < 32; s += 8)
            bytes.push_back(static_cast<std::uint8_t>(v >> s));
        return *this;
    }

    std::vector<std::uint8_t> bytes;
};
