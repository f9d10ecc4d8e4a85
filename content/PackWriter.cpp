#include "content/PackWriter.h"

#include "content/Scramble.h"

#include <cstdio>

namespace NLib {

namespace {

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

} // namespace

void PackWriter::add(const std::string& name, std::vector<std::uint8_t> content, bool scrambled)
{
    if (scrambled)
        scrambleBuffer(content.data(), content.size(), m_password);
    m_entries.push_back({name, std::move(content), scrambled});
}

std::vector<std::uint8_t> PackWriter::bytes() const
{
    std::vector<std::uint8_t> out = {'L', 'B'};
    putU32(out, static_cast<std::uint32_t>(m_entries.size()));
    for (const Entry& e : m_entries) {
        putU32(out, static_cast<std::uint32_t>(e.name.size()));
        out.insert(out.end(), e.name.begin(), e.name.end());
        putU32(out, static_cast<std::uint32_t>(e.content.size()));
        out.push_back(e.scrambled ? 'y' : 'n');
        out.insert(out.end(), e.content.begin(), e.content.end());
    }
    return out;
}

bool PackWriter::write(const std::string& path) const
{
    const std::vector<std::uint8_t> data = bytes();
    const std::string temp = path + ".tmp";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

} // namespace NLib
