#include "occupier_file.h"
#include "errors.h"
#include "safe_file.h"

#include <cerrno>
#include <sys/stat.h>

namespace skelvora {

std::vector<std::string> ParseOccupierText(std::string_view bytes)
{
    if (auto nul = bytes.find('\0'); nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    std::vector<std::string> out;
    size_t i = 0;
    while (i < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            out.emplace_back(bytes.substr(i));
            break;
        }
        out.emplace_back(bytes.substr(i, end - i));
        i = end + 1;
        if (bytes[end] == '\r' && i < bytes.size() && bytes[i] == '\n')
            ++i;
    }
    return out;
}

std::string EncodeOccupierList(const std::vector<std::string>& entries)
{
    std::string out;
    for (const auto& e : entries) {
        out += e;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> LoadOccupierFile(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0 && errno == ENOENT)
        return {};
    return ParseOccupierText(ReadWholeFile(path));
}

void SaveOccupierFile(const std::string& path, const std::vector<std::string>& entries)
{
    WriteFileAtomically(path, EncodeOccupierList(entries));
}

} // namespace skelvora
