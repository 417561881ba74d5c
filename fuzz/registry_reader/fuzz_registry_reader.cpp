// Any bytes as a registry file: refused with its error, or parsed into keys
// whose written form parses again to the same written form.
#include "registry_store.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace skelvora;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        RegistryFile f = RegistryFile::Parse(text, "fuzz.reg");
        const std::string once = f.Serialize();
        RegistryFile again = RegistryFile::Parse(once, "again.reg");
        if (again.Serialize() != once)
            std::abort();
    } catch (const RegistryError&) {
    }
    return 0;
}
