#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace skelvora {

// A typed record number: leading blanks, an optional sign, then decimal
// digits or hexadecimal digits after "$", "x", "X", "0x" or "0X", and nothing
// after the digits. nullopt for anything else, the empty text included.
std::optional<int32_t> ConvertId(std::string_view text);

} // namespace skelvora
