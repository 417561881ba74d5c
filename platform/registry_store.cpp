#include "registry_store.h"
#include "safe_file.h"
#include "errors.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace skelvora {

namespace {

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower((unsigned char)a[i]) != std::tolower((unsigned char)b[i]))
            return false;
    return true;
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A quoted .reg string starting at s[0] == '"'; returns the length used.
size_t ParseQuoted(std::string_view s, std::string& out)
{
    out.clear();
    for (size_t i = 1; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\\' && i + 1 < s.size()) {
            out += s[++i];
        } else if (c == '"') {
            return i + 1;
        } else {
            out += c;
        }
    }
    return 0;  // unterminated
}

bool ParseHexBytes(std::string_view s, std::string& out)
{
    out.clear();
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == ','))
            ++i;
        if (i >= s.size())
            break;
        if (i + 1 >= s.size() || !std::isxdigit((unsigned char)s[i]) ||
            !std::isxdigit((unsigned char)s[i + 1]))
            return false;
        out += char(std::stoi(std::string(s.substr(i, 2)), nullptr, 16));
        i += 2;
        if (i < s.size() && s[i] != ',' && s[i] != ' ')
            return false;
    }
    return true;
}

bool NeedsHex(std::string_view s)
{
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

std::string Quote(std::string_view s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string HexString(std::string_view s)
{
    static const char* digits = "0123456789abcdef";
    std::string out = "hex(1):";
    std::string bytes(s);
    bytes += '\0';
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char c = (unsigned char)bytes[i];
        if (i)
            out += ',';
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

const char* RootName(RegistryRoot root)
{
    return root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CLASSES_ROOT";
}

} // namespace

RegistryFile::Value* RegistryFile::Key::find(std::string_view name)
{
    for (auto& v : Values)
        if (SameName(v.Name, name))
            return &v;
    return nullptr;
}

RegistryFile::Value& RegistryFile::Key::set(std::string_view name)
{
    if (Value* v = find(name))
        return *v;
    Value v;
    v.Name = std::string(name);
    Values.push_back(std::move(v));
    return Values.back();
}

RegistryFile::Key* RegistryFile::find(std::string_view path)
{
    for (auto& k : Keys)
        if (SameName(k.Path, path))
            return &k;
    return nullptr;
}

RegistryFile::Key& RegistryFile::findOrCreate(std::string_view path)
{
    if (Key* k = find(path))
        return *k;
    Keys.push_back(Key{std::string(path), {}});
    return Keys.back();
}

RegistryFile RegistryFile::Parse(std::string_view text, const std::string& fileName)
{
    RegistryFile out;
    size_t lineNo = 0, pos = 0;
    bool sawHeader = false;
    Key* key = nullptr;
    auto fail = [&](size_t line, const std::string& what) {
        throw RegistryError("Cannot read the registry file " + fileName + ": line " +
                            std::to_string(line) + " " + what);
    };
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(Trim(text.substr(pos, end - pos)));
        pos = end + 1;
        size_t firstLine = ++lineNo;
        // Long hex values continue on the next line after a backslash.
        while (!line.empty() && line.back() == '\\' && line.find('=') != std::string::npos &&
               line.find("=\"") == std::string::npos && pos <= text.size()) {
            size_t e2 = text.find('\n', pos);
            if (e2 == std::string_view::npos)
                e2 = text.size();
            line.pop_back();
            line += Trim(text.substr(pos, e2 - pos));
            pos = e2 + 1;
            ++lineNo;
        }
        if (line.empty() || line[0] == ';')
            continue;
        if (!sawHeader) {
            if (line != "REGEDIT4")
                fail(firstLine, "is not the REGEDIT4 heading");
            sawHeader = true;
            continue;
        }
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 3 || line[1] == '-')
                fail(firstLine, "is not a key name");
            std::string path = line.substr(1, line.size() - 2);
            if (path.rfind("HKEY_", 0) != 0)
                fail(firstLine, "names no registry root");
            key = &out.findOrCreate(path);
            continue;
        }
        if (!key)
            fail(firstLine, "holds a value outside any key");
        std::string name;
        size_t eq;
        if (line[0] == '@') {
            eq = 1;
        } else if (line[0] == '"') {
            size_t used = ParseQuoted(line, name);
            if (!used)
                fail(firstLine, "has an unterminated value name");
            eq = used;
        } else {
            fail(firstLine, "is not understood");
        }
        std::string_view rest = Trim(std::string_view(line).substr(eq));
        if (rest.empty() || rest[0] != '=')
            fail(firstLine, "has no value");
        rest = Trim(rest.substr(1));
        Value v;
        v.Name = name;
        if (!rest.empty() && rest[0] == '"') {
            size_t used = ParseQuoted(rest, v.Text);
            if (!used || !Trim(rest.substr(used)).empty())
                fail(firstLine, "has a damaged text value");
            v.Type = Value::Kind::String;
        } else if (rest.rfind("dword:", 0) == 0) {
            std::string_view digits = rest.substr(6);
            if (digits.empty() || digits.size() > 8)
                fail(firstLine, "has a damaged DWORD value");
            for (char c : digits)
                if (!std::isxdigit((unsigned char)c))
                    fail(firstLine, "has a damaged DWORD value");
            v.Type = Value::Kind::Dword;
            v.Dword = uint32_t(std::stoul(std::string(digits), nullptr, 16));
        } else if (rest.rfind("hex(1):", 0) == 0) {
            std::string bytes;
            if (!ParseHexBytes(rest.substr(7), bytes))
                fail(firstLine, "has damaged hexadecimal data");
            v.Type = Value::Kind::String;
            v.Text = bytes;
        } else if (rest.rfind("hex", 0) == 0 && rest.find(':') != std::string_view::npos) {
            std::string bytes;
            if (!ParseHexBytes(rest.substr(rest.find(':') + 1), bytes))
                fail(firstLine, "has damaged hexadecimal data");
            v.Type = Value::Kind::Other;
            v.Text = std::string(rest);
        } else {
            fail(firstLine, "has a value of unknown form");
        }
        // A text value ends at its first NUL, whichever way it was written.
        if (v.Type == Value::Kind::String)
            if (auto nul = v.Text.find('\0'); nul != std::string::npos)
                v.Text.resize(nul);
        key->set(v.Name) = v;
    }
    return out;
}

std::string RegistryFile::Serialize() const
{
    std::string out = "REGEDIT4\r\n";
    for (const auto& k : Keys) {
        out += "\r\n[" + k.Path + "]\r\n";
        for (const auto& v : k.Values) {
            out += v.Name.empty() ? std::string("@") : Quote(v.Name);
            out += '=';
            switch (v.Type) {
            case Value::Kind::Dword: {
                char buf[16];
                std::snprintf(buf, sizeof buf, "dword:%08x", v.Dword);
                out += buf;
                break;
            }
            case Value::Kind::String:
                out += NeedsHex(v.Text) ? HexString(v.Text) : Quote(v.Text);
                break;
            case Value::Kind::Other:
                out += v.Text;
                break;
            }
            out += "\r\n";
        }
    }
    return out;
}

std::string DefaultRegistryPath()
{
    if (const char* p = std::getenv("SKELVORA_REGISTRY"); p && *p)
        return p;
    std::string base;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x)
        base = x;
    else if (const char* h = std::getenv("HOME"); h && *h)
        base = std::string(h) + "/.config";
    else
        base = ".config";
    return base + "/Skelvora/registry.reg";
}

Registry::Registry(std::string filePath) : path_(std::move(filePath)) {}

Registry::~Registry() = default;

void Registry::OpenKey(RegistryRoot root, std::string_view subKey, bool canCreate)
{
    open_ = false;
    dirty_ = false;
    struct stat st;
    if (stat(path_.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
        file_ = RegistryFile();
    } else {
        std::string text;
        try {
            text = ReadWholeFile(path_);
        } catch (const FileError& e) {
            throw RegistryError(e.what());
        }
        file_ = RegistryFile::Parse(text, path_);
    }
    keyPath_ = std::string(RootName(root)) + "\\" + std::string(subKey);
    if (!file_.find(keyPath_)) {
        if (!canCreate)
            throw RegistryError("The registry key " + keyPath_ + " does not exist");
        file_.findOrCreate(keyPath_);
    }
    open_ = true;
}

RegistryFile::Key& Registry::current() const
{
    if (!open_)
        throw RegistryError("No registry key is open");
    return *const_cast<RegistryFile&>(file_).find(keyPath_);
}

void Registry::CloseKey()
{
    if (open_ && dirty_) {
        std::error_code ec;
        auto slash = path_.find_last_of('/');
        if (slash != std::string::npos && slash > 0)
            std::filesystem::create_directories(path_.substr(0, slash), ec);
        try {
            WriteFileAtomically(path_, file_.Serialize());
        } catch (const FileError& e) {
            open_ = dirty_ = false;
            throw RegistryError(e.what());
        }
    }
    open_ = dirty_ = false;
}

int32_t Registry::ReadInteger(std::string_view name) const
{
    const auto* v = current().find(name);
    if (!v)
        throw RegistryError("The registry value \"" + std::string(name) + "\" of " + keyPath_ +
                            " is missing");
    if (v->Type != RegistryFile::Value::Kind::Dword)
        throw RegistryError("The registry value \"" + std::string(name) + "\" of " + keyPath_ +
                            " is not a DWORD value");
    return int32_t(v->Dword);
}

std::string Registry::ReadString(std::string_view name) const
{
    const auto* v = current().find(name);
    if (!v)
        return std::string();
    if (v->Type != RegistryFile::Value::Kind::String)
        throw RegistryError("The registry value \"" + std::string(name) + "\" of " + keyPath_ +
                            " is not a text value");
    return v->Text;
}

void Registry::WriteInteger(std::string_view name, int32_t value)
{
    auto& v = current().set(name);
    v.Type = RegistryFile::Value::Kind::Dword;
    v.Dword = uint32_t(value);
    v.Text.clear();
    dirty_ = true;
}

void Registry::WriteString(std::string_view name, std::string_view value)
{
    auto& v = current().set(name);
    v.Type = RegistryFile::Value::Kind::String;
    v.Text = std::string(value);
    dirty_ = true;
}

} // namespace skelvora
