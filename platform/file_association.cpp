#include "file_association.h"
#include "safe_file.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace skelvora {

namespace {

std::string XmlEscape(const std::string& s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// Runs a tool found on PATH with its output discarded; a missing or failing
// tool is not an error, the association files are in place either way.
void RunQuietly(const char* tool, const std::string& arg)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string a0 = tool;
    char* argv[] = {a0.data(), const_cast<char*>(arg.c_str()), nullptr};
    pid_t pid;
    if (posix_spawnp(&pid, tool, &actions, nullptr, argv, environ) == 0) {
        int status;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

std::string QuoteDesktopExec(const std::string& path)
{
    // Quoting rules of the Exec key first, then the escapes of a string value.
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';
    std::string out;
    for (char c : quoted) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string FileAssociation::DataHome()
{
    if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x)
        return x;
    if (const char* h = std::getenv("HOME"); h && *h)
        return std::string(h) + "/.local/share";
    return ".local/share";
}

std::string FileAssociation::MimePackageText() const
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" + XmlEscape(MimeType) + "\">\n"
           "    <comment>" + XmlEscape(FileDescription) + "</comment>\n"
           "    <glob pattern=\"*" + XmlEscape(Extension) + "\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string FileAssociation::DesktopEntryText() const
{
    // The catalogue program takes no file argument, so Exec names none.
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" + ApplicationName + "\n"
           "GenericName=Media catalogue\n"
           "Comment=" + FileDescription + "\n"
           "Exec=" + QuoteDesktopExec(OpenCommand) + "\n"
           "MimeType=" + MimeType + ";\n"
           "Terminal=false\n"
           "Categories=Office;\n";
}

bool FileAssociation::WriteAssociation(Registry& registry)
{
    bool ok = true;
    const std::string classKey = ExtDescription;
    auto put = [&](const std::string& key, const std::string& value) {
        registry.OpenKey(RegistryRoot::ClassesRoot, key, true);
        registry.WriteDefault(value);
        registry.CloseKey();
    };
    try {
        put(Extension, ExtDescription);
        put(classKey, FileDescription);
        put(classKey + "\\DefaultIcon", IconFile + "," + std::to_string(IconIndex));
        put(classKey + "\\shell\\open", "");
        put(classKey + "\\shell\\open\\command", OpenCommand);
    } catch (const std::exception&) {
        ok = false;
    }

    const std::string data = DataHome();
    const std::string mimeDir = data + "/mime";
    const std::string appsDir = data + "/applications";
    try {
        std::filesystem::create_directories(mimeDir + "/packages");
        std::filesystem::create_directories(appsDir);
        WriteFileAtomically(mimeDir + "/packages/skelvora.xml", MimePackageText());
        WriteFileAtomically(appsDir + "/" + DesktopFileName, DesktopEntryText());
    } catch (const std::exception&) {
        return false;
    }
    RunQuietly("update-mime-database", mimeDir);
    RunQuietly("update-desktop-database", appsDir);
    return ok;
}

} // namespace skelvora
