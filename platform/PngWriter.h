#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 8-bit RGBA pixels (rows from the top) as a PNG file. False when the file cannot be written.
bool writePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba);
// The same PNG in memory (empty on failure).
std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t>& rgba);
