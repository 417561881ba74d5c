#pragma once
#include <string>

namespace skelvora {

// The running program's own folder with its trailing separator;
// $SKELVORA_HOME overrides it (tests, portable use).
std::string ProgramDirectory();

// The catalogue program's file name on this platform.
#ifdef _WIN32
constexpr const char* kKorvantExecutable = "Korvant.exe";
#else
constexpr const char* kKorvantExecutable = "Korvant";
#endif

} // namespace skelvora
