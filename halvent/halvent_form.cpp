#include "halvent_form.h"
#include "program_dir.h"

namespace halvent {

using namespace skelvora;

TForm1::TForm1(Dialogs& dialogs, std::string programDir, std::string registryPath)
    : reporter_(dialogs), programDir_(std::move(programDir)), registryPath_(std::move(registryPath))
{
    setWindowTitle(QStringLiteral("Form1"));
    resize(320, 200);
    abfFileAssociation1.Extension = ".fmd";
    abfFileAssociation1.ExtDescription = "Skelvora file";
    abfFileAssociation1.FileDescription = "Skelvora file";
    abfFileAssociation1.ReadOnly = false;
    abfFileAssociation1.IconIndex = 0;
}

bool TForm1::FormCreate()
{
    return reporter_.run([this] {
        Registry reg(registryPath_);
        reg.OpenKey(RegistryRoot::LocalMachine, "SOFTWARE\\Skelvora", true);
        reg.WriteBool("AutoSave", false);
        reg.WriteInteger("Time", 10);
        reg.WriteBool("Hint", true);
        reg.WriteBool("ShortCut", false);
        reg.WriteBool("AutoOpen", false);
        reg.WriteString("LastUsed", "");
        reg.CloseKey();

        abfFileAssociation1.IconFile = programDir_ + kKorvantExecutable;
        abfFileAssociation1.OpenCommand = programDir_ + kKorvantExecutable;
        // A failing association is not reported.
        (void)abfFileAssociation1.WriteAssociation(reg);
    });
}

} // namespace halvent
