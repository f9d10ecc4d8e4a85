#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The whole file at path, or nothing when it cannot be read.
std::vector<std::uint8_t> readFileBytes(const std::string& path);
