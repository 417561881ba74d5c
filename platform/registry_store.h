#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace skelvora {

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The registry stand-in: one REGEDIT4 ".reg" text file holding keys and
// their values. Keys and value names compare without regard to case, as
// the Windows registry does; everything the program does not touch is kept.
class RegistryFile {
public:
    struct Value {
        enum class Kind { Dword, String, Other };
        std::string Name;      // empty for the key's default value
        Kind Type = Kind::String;
        uint32_t Dword = 0;
        std::string Text;      // String: the text; Other: the value as written
    };
    struct Key {
        std::string Path;      // "HKEY_LOCAL_MACHINE\SOFTWARE\Skelvora"
        std::vector<Value> Values;
        Value* find(std::string_view name);
        Value& set(std::string_view name);  // found, or appended
    };

    // Throws RegistryError naming fileName and the line it cannot understand.
    static RegistryFile Parse(std::string_view text, const std::string& fileName);
    std::string Serialize() const;

    Key* find(std::string_view path);
    Key& findOrCreate(std::string_view path);

    std::vector<Key> Keys;
};

enum class RegistryRoot { LocalMachine, ClassesRoot };

// $SKELVORA_REGISTRY, else $XDG_CONFIG_HOME/Skelvora/registry.reg, else
// ~/.config/Skelvora/registry.reg.
std::string DefaultRegistryPath();

// What the programs need of a registry: open a key (creation allowed),
// read and write DWORD, boolean and string values, close. The file is read
// when a key is opened and replaced atomically when a key that was written
// to is closed; a file that could not be read is never written.
class Registry {
public:
    explicit Registry(std::string filePath = DefaultRegistryPath());
    ~Registry();

    void OpenKey(RegistryRoot root, std::string_view subKey, bool canCreate);
    void CloseKey();

    // A missing value or one of another type is an error naming the value.
    int32_t ReadInteger(std::string_view name) const;
    bool ReadBool(std::string_view name) const { return ReadInteger(name) != 0; }
    // A missing string reads as the empty text.
    std::string ReadString(std::string_view name) const;

    void WriteInteger(std::string_view name, int32_t value);
    void WriteBool(std::string_view name, bool value) { WriteInteger(name, value ? 1 : 0); }
    void WriteString(std::string_view name, std::string_view value);
    // The key's default (unnamed) value.
    void WriteDefault(std::string_view value) { WriteString("", value); }

    const std::string& FilePath() const { return path_; }

private:
    RegistryFile::Key& current() const;
    std::string path_;
    RegistryFile file_;
    std::string keyPath_;
    bool open_ = false;
    bool dirty_ = false;
};

} // namespace skelvora
