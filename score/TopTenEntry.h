#pragma once

#include <cstdint>
#include <string>

namespace NVolant {

// One row of the merged top ten: whose score it is and the score.
struct TopTenEntry {
    std::string name;
    std::uint32_t score = 0;
};

} // namespace NVolant
