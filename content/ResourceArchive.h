#pragma once

#include "content/Singleton.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace NLib {

using ByteBuffer = std::vector<std::uint8_t>;

// Every content file is read through this one archive: first from the pack "data.pk", then as
// a loose file below the data folder, so the game also runs from an unpacked data tree.
class ResourceArchive final : public Singleton<ResourceArchive> {
public:
    // The game's own archive password.
    static constexpr const char* kGamePassword = "k7mq2vx9tr4wz8nd3hp6cfj5bg1ys";

    ResourceArchive() = default;
    ResourceArchive(const ResourceArchive&) = delete;
    ResourceArchive& operator=(const ResourceArchive&) = delete;

    void setPassword(const std::string& password) { m_password = password; }
    // Folder that loose files are read from; empty means the working directory.
    void setLooseFolder(const std::string& folder);

    // Reads the pack's table of contents. False when the file is missing or not a pack; the
    // entries are then left as they were.
    bool open(const std::string& path);

    // The named file's content, or an empty buffer when neither the pack nor the disk has it.
    ByteBuffer readFile(const std::string& name) const;
    bool contains(const std::string& name) const;

    // Lower case, "/" separators: the form in which names are looked up.
    static std::string normaliseName(const std::string& name);
    // The key a stored entry name is filed under: lower case, separators untouched, so a name
    // stored with "\" can never be asked for.
    static std::string entryKey(const std::string& storedName);

    std::size_t entryCount() const { return m_entries.size(); }

private:
    struct Entry {
        std::uint32_t size = 0;
        std::uint64_t offset = 0;
        bool scrambled = false;
    };

    std::string m_path;
    std::string m_password;
    std::string m_looseFolder;
    std::map<std::string, Entry> m_entries;
};

} // namespace NLib
