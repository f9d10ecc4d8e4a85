#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen::audio {

// Every sound file of the game by its path in the data tree ("sounds/helic1.ogg", ...): the
// effects first, then the music.
std::vector<std::string> soundFilePaths();

// Renders, masters and encodes one sound file; throws std::invalid_argument for an unknown path.
std::vector<std::uint8_t> makeSoundFile(const std::string& path);

} // namespace datagen::audio
