#pragma once

#include <string>

// The build's generated data pack opened as the game opens it: the process-wide archive with the
// game's password, loose files from looseFolder, and images read through the archive. False when
// the pack is missing. closeGeneratedData() undoes it.
bool openGeneratedData(const std::string& looseFolder = "/nonexistent");
void closeGeneratedData();
