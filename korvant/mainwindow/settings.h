#pragma once
#include "registry_store.h"

#include <cstdint>
#include <string>

namespace skelvora {

// The six user settings, in the order they are read and written.
struct Settings {
    bool AutoSave = false;
    int32_t Time = 10;
    bool Hint = true;
    bool ShortCut = false;
    bool AutoOpen = false;
    std::string LastUsed;
};

constexpr const char* kSettingsKey = "SOFTWARE\\Skelvora";

// A value that cannot be read ends the read there; the values read so far stay.
void ReadSettings(Registry& registry, Settings& settings);
void WriteSettings(Registry& registry, const Settings& settings);

} // namespace skelvora
