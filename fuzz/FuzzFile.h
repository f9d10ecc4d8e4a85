#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// For readers that take a file rather than bytes: the input written to a folder of this process's
// own (parallel fuzzing jobs never share one).
inline const std::string& fuzzFolder()
{
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() / ("skyvane-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(p);
        return p.string();
    }();
    return path;
}

inline std::string writeFuzzFile(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzzFolder() + "/" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}
