#include "settings.h"

namespace skelvora {

void ReadSettings(Registry& reg, Settings& s)
{
    reg.OpenKey(RegistryRoot::LocalMachine, kSettingsKey, true);
    s.AutoSave = reg.ReadBool("AutoSave");
    s.Time = reg.ReadInteger("Time");
    s.Hint = reg.ReadBool("Hint");
    s.ShortCut = reg.ReadBool("ShortCut");
    s.AutoOpen = reg.ReadBool("AutoOpen");
    s.LastUsed = reg.ReadString("LastUsed");
    reg.CloseKey();
}

void WriteSettings(Registry& reg, const Settings& s)
{
    reg.OpenKey(RegistryRoot::LocalMachine, kSettingsKey, true);
    reg.WriteBool("AutoSave", s.AutoSave);
    reg.WriteInteger("Time", s.Time);
    reg.WriteBool("Hint", s.Hint);
    reg.WriteBool("ShortCut", s.ShortCut);
    reg.WriteBool("AutoOpen", s.AutoOpen);
    reg.WriteString("LastUsed", s.LastUsed);
    reg.CloseKey();
}

} // namespace skelvora
