#pragma once

#include "levels/Image.h"
#include "levels/Progression.h"

#include <optional>
#include <string>

namespace datagen::levels {

// One page per landscape for judging its ground by eye: every variant of the pool enlarged, a
// screen of full land composed and drawn as the game does it (twelve variants cycled over the
// blocks, random full-land tiles) and a screen of the same ground along a winding river.
Image terrainReviewPage(Landscape landscape);

// The landscape of that name ("grass", "rock", ...), none for an unknown name.
std::optional<Landscape> landscapeNamed(const std::string& name);

} // namespace datagen::levels
