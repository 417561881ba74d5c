#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace skelvora {

constexpr const char* kOccupierFileName = "database.ocp";

// Lines of an occupier file in file order: a NUL byte ends the text; CR, LF
// and CR LF end lines; a last line without a line end counts; empty lines
// are kept.
std::vector<std::string> ParseOccupierText(std::string_view bytes);
// Every entry followed by CR LF; an empty list gives no bytes.
std::string EncodeOccupierList(const std::vector<std::string>& entries);

// A missing file is an empty list; one that exists but cannot be read
// throws FileError "Cannot open file <path>".
std::vector<std::string> LoadOccupierFile(const std::string& path);
// Replaces the file safely; throws FileError "Cannot create file <path>".
void SaveOccupierFile(const std::string& path, const std::vector<std::string>& entries);

} // namespace skelvora
