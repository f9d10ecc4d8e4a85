#pragma once

#include <stdexcept>
#include <string>

namespace NLib {

// Content that must exist and parse did not: the installation is broken. Carries the file's name
// so the one message the player sees can say which file is at fault. Only the entry function
// catches it.
class BrokenInstallation final : public std::runtime_error {
public:
    BrokenInstallation(const std::string& file, const std::string& reason)
        : std::runtime_error(file + ": " + reason), m_file(file)
    {
    }

    const std::string& file() const { return m_file; }

private:
    std::string m_file;
};

} // namespace NLib
