#pragma once

#include <optional>

// Where the frame being drawn stands between the world's last two steps (see KFramePacer), for
// whatever draws moving things. None while frames and steps go one to one: the newest step is
// drawn exactly as it is, as it always was.
namespace KDrawBlend {

std::optional<float> current();
void set(std::optional<float> blend);

} // namespace KDrawBlend
