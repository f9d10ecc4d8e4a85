#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace NLib {

// Builds an "LB" pack in memory and writes it out; entries keep the order they were added in.
class PackWriter final {
public:
    explicit PackWriter(std::string password) : m_password(std::move(password)) {}

    // A scrambled entry is stored XORed with the password and flagged 'y'.
    void add(const std::string& name, std::vector<std::uint8_t> content, bool scrambled);
    std::size_t count() const { return m_entries.size(); }

    std::vector<std::uint8_t> bytes() const;
    // Writes through a temporary file and a rename, so a failed write never leaves half a pack.
    bool write(const std::string& path) const;

private:
    struct Entry {
        std::string name;
        std::vector<std::uint8_t> content;
        bool scrambled;
    };

    std::string m_password;
    std::vector<Entry> m_entries;
};

} // namespace NLib
