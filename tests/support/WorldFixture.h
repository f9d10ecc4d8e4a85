#pragma once

#include "content/ResourceArchive.h"

#include "support/HeadlessPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A headless window and an archive reading loose files from a temporary data folder; images load
// through the archive as in the game.
class WorldFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // An RGBA picture written as a PNG file below the data folder.
    void writePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba);
    // A picture of one colour.
    static std::vector<std::uint8_t> solid(int width, int height, std::uint8_t r, std::uint8_t g,
                                           std::uint8_t b, std::uint8_t a = 255);

    TempDir data;
    std::unique_ptr<HeadlessPlatform> platform;
    NLib::ResourceArchive* archive = nullptr;
};
