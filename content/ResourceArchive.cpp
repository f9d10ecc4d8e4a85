#include "content/ResourceArchive.h"

#include "content/PackFile.h"
#include "content/Scramble.h"
#include "platform/FileBytes.h"

#include <cstdio>

namespace NLib {

void ResourceArchive::setLooseFolder(const std::string& folder)
{
    m_looseFolder = folder;
    if (!m_looseFolder.empty() && m_looseFolder.back() != '/')
        m_looseFolder += '/';
}

std::string ResourceArchive::entryKey(const std::string& storedName)
{
    std::string out = storedName;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string ResourceArchive::normaliseName(const std::string& name)
{
    std::string out = entryKey(name);
    for (char& c : out)
        if (c == '\\')
            c = '/';
    return out;
}

bool ResourceArchive::open(const std::string& path)
{
    std::vector<PackEntry> found;
    if (!PackFile::readIndex(path, found))
        return false;
    m_path = path;
    m_entries.clear();
    for (const PackEntry& e : found)
        m_entries[entryKey(e.name)] = Entry{e.size, e.offset, e.scrambled}; // the last one wins
    return true;
}

bool ResourceArchive::contains(const std::string& name) const
{
    return m_entries.count(normaliseName(name)) != 0;
}

ByteBuffer ResourceArchive::readFile(const std::string& name) const
{
    const std::string key = normaliseName(name);
    const auto it = m_entries.find(key);
    if (it == m_entries.end())
        return readFileBytes(m_looseFolder + key);

    ByteBuffer data;
    std::FILE* file = std::fopen(m_path.c_str(), "rb");
    if (!file)
        return data;
    PackEntry entry;
    entry.offset = it->second.offset;
    entry.size = it->second.size;
    data = PackFile::readContent(file, entry);
    std::fclose(file);
    if (it->second.scrambled)
        scrambleBuffer(data.data(), data.size(), m_password);
    return data;
}

} // namespace NLib
