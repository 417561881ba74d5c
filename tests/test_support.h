#pragma once
// Small helpers shared by the tests: temporary folders and file bytes.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    explicit TempDir(const std::string& tag = "skelvora")
    {
        std::string templ = (std::filesystem::temp_directory_path() / (tag + "-XXXXXX")).string();
        char* made = mkdtemp(templ.data());
        path_ = made ? made : templ;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace testsupport
