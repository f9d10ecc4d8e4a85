#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempDir final {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& relative) const { return m_path + "/" + relative; }

    // Writes a file below the folder, making its parent folders.
    void write(const std::string& relative, const std::string& content) const;
    void write(const std::string& relative, const std::vector<std::uint8_t>& content) const;
    std::string read(const std::string& relative) const;

private:
    std::string m_path;
};
