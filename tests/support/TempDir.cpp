#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "skyvane-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

void TempDir::write(const std::string& relative, const std::string& content) const
{
    const fs::path path = file(relative);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

void TempDir::write(const std::string& relative, const std::vector<std::uint8_t>& content) const
{
    write(relative, std::string(content.begin(), content.end()));
}

std::string TempDir::read(const std::string& relative) const
{
    std::ifstream in(file(relative), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
