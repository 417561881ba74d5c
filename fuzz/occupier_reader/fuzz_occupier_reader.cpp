// Any bytes as an occupier file: the entries hold no line break, and writing
// them and reading them back gives the same entries.
#include "occupier_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace skelvora;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto entries = ParseOccupierText(bytes);
    for (const auto& e : entries)
        if (e.find_first_of("\r\n") != std::string::npos || e.find('\0') != std::string::npos)
            std::abort();
    if (ParseOccupierText(EncodeOccupierList(entries)) != entries)
        std::abort();
    return 0;
}
