#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace NLib {

// The password-keyed XOR used for scrambled pack entries and the save file. The same call
// scrambles and unscrambles; an empty key leaves the data as it is.
void scrambleBuffer(std::uint8_t* data, std::size_t length, const std::string& key);

} // namespace NLib
