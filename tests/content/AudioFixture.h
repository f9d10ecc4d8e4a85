#pragma once

#include "ToneFiles.h"
#include "support/DiskAudio.h"
#include "support/TempDir.h"

#include "content/AudioSystem.h"
#include "content/ResourceArchive.h"

#include <gtest/gtest.h>

// The audio output on SDL's disk driver, with the archive reading loose files from a fresh folder
// that each test fills with the sounds it needs.
class ListeningTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NLib::ResourceArchive::create()->setLooseFolder(files.path());
        audio = NAudio::AudioSystem::create();
        ASSERT_TRUE(audio->deviceOk());
    }
    void TearDown() override
    {
        NAudio::AudioSystem::destroy();
        NLib::ResourceArchive::destroy();
    }

    DiskAudio disk;
    TempDir files;
    NAudio::AudioSystem* audio = nullptr;
};
