#include "content/PackFile.h"

#include "platform/ByteReader.h"

#include <algorithm>

namespace NLib {

namespace {

bool readExact(std::FILE* file, void* out, std::size_t count)
{
    return std::fread(out, 1, count, file) == count;
}

bool readU32(std::FILE* file, std::uint32_t& value)
{
    std::uint8_t raw[4];
    if (!readExact(file, raw, 4))
        return false;
    value = ByteReader(raw, 4).u32();
    return true;
}

} // namespace

bool PackFile::readIndex(std::FILE* file, std::vector<PackEntry>& entries)
{
    if (!file || std::fseek(file, 0, SEEK_END) != 0)
        return false;
    const long end = std::ftell(file);
    if (end < 0 || std::fseek(file, 0, SEEK_SET) != 0)
        return false;
    const auto fileSize = static_cast<std::uint64_t>(end);

    char magic[2];
    if (!readExact(file, magic, 2) || magic[0] != 'L' || magic[1] != 'B')
        return false;

    entries.clear();
    std::uint32_t count = 0;
    if (!readU32(file, count))
        return true;

    // The count is not trusted for allocation: the walk stops where the file does.
    std::uint64_t pos = 6;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t nameLength = 0;
        if (!readU32(file, nameLength) || nameLength > kMaxNameLength || nameLength > fileSize - pos - 4)
            break;
        PackEntry entry;
        entry.name.resize(nameLength);
        if (!readExact(file, entry.name.data(), nameLength))
            break;
        std::uint32_t size = 0;
        std::uint8_t flag = 0;
        if (!readU32(file, size) || !readExact(file, &flag, 1))
            break;
        entry.offset = pos + 4 + nameLength + 5;
        entry.scrambled = flag == 'y';
        const std::uint64_t available = fileSize - entry.offset;
        entry.size = static_cast<std::uint32_t>(std::min<std::uint64_t>(size, available));
        entries.push_back(std::move(entry));
        pos = entries.back().offset + size;
        if (pos >= fileSize || std::fseek(file, static_cast<long>(pos), SEEK_SET) != 0)
            break;
    }
    return true;
}

bool PackFile::readIndex(const std::string& path, std::vector<PackEntry>& entries)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    const bool ok = readIndex(file, entries);
    std::fclose(file);
    return ok;
}

std::vector<std::uint8_t> PackFile::readContent(std::FILE* file, const PackEntry& entry)
{
    std::vector<std::uint8_t> data;
    if (!file || std::fseek(file, static_cast<long>(entry.offset), SEEK_SET) != 0)
        return data;
    data.resize(entry.size);
    data.resize(std::fread(data.data(), 1, data.size(), file));
    return data;
}

} // namespace NLib
