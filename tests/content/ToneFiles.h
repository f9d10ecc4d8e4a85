#pragma once

#include <cstdint>
#include <vector>

// Short made-up sounds for the listening tests, encoded as the game's own files are (Ogg Vorbis,
// mono for effects, stereo for music). A sine loops without a click when it holds whole cycles.
std::vector<std::uint8_t> toneOgg(double frequency, double seconds, double amplitude = 0.5,
                                  bool stereo = false);
