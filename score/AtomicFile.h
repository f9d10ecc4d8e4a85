#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace NVolant {

// Replaces the file at path so that, whatever happens meanwhile (a full disk, a crash, a killed
// process, a power cut), it holds either the old bytes or the new ones, never a mix: the bytes go
// to path + ".tmp" in the same folder, are flushed to the disk and renamed over the file. A
// failure is logged with its reason, leaves the old file as it was and returns false.
bool writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

enum class FileReadResult {
    Read,
    Missing,
    NotAFile,   // a folder, a device
    Unreadable, // there, but cannot be opened or read (no permission, a link loop, a disk error)
    TooLarge,   // more than the limit; nothing is read
};

// The whole file at path, if it is at most maxBytes long.
FileReadResult readFileLimited(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out);

} // namespace NVolant
