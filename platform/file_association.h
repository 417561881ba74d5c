#pragma once
#include "registry_store.h"

#include <string>

namespace skelvora {

// Registers a file type with a program: the HKEY_CLASSES_ROOT entries in the
// registry store, and on the free desktops a shared-mime-info package and a
// desktop entry under $XDG_DATA_HOME, followed by the desktop's cache tools.
class FileAssociation {
public:
    std::string Extension;          // ".fmd"
    std::string ExtDescription;     // the class key's name
    std::string FileDescription;    // the type's display name
    bool ReadOnly = false;
    int IconIndex = 0;
    std::string IconFile;
    std::string OpenCommand;

    std::string MimeType = "application/x-skelvora-catalogue";
    std::string DesktopFileName = "skelvora-korvant.desktop";
    std::string ApplicationName = "Korvant";

    // Returns whether every entry was written.
    bool WriteAssociation(Registry& registry);

    // The folder the desktop files go to: $XDG_DATA_HOME or ~/.local/share.
    static std::string DataHome();
    std::string MimePackageText() const;
    std::string DesktopEntryText() const;
};

// A path quoted for the Exec key of a desktop entry.
std::string QuoteDesktopExec(const std::string& path);

} // namespace skelvora
