#include "registry_store.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace skelvora;
using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

namespace {
const char* kKey = "SOFTWARE\\Skelvora";
}

TEST(Registry, WritesPlainRegeditFileInWriteOrder)
{
    TempDir dir;
    Registry reg(dir.file("sub/dir/registry.reg"));  // folders are created on demand
    reg.OpenKey(RegistryRoot::LocalMachine, kKey, true);
    reg.WriteBool("AutoSave", false);
    reg.WriteInteger("Time", 10);
    reg.WriteBool("Hint", true);
    reg.WriteString("LastUsed", "C:\\films\\\"best\".fmd");
    reg.CloseKey();
    EXPECT_EQ(ReadBytes(dir.file("sub/dir/registry.reg")),
              "REGEDIT4\r\n"
              "\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\r\n"
              "\"AutoSave\"=dword:00000000\r\n"
              "\"Time\"=dword:0000000a\r\n"
              "\"Hint\"=dword:00000001\r\n"
              "\"LastUsed\"=\"C:\\\\films\\\\\\\"best\\\".fmd\"\r\n");

    Registry again(dir.file("sub/dir/registry.reg"));
    again.OpenKey(RegistryRoot::LocalMachine, kKey, false);
    EXPECT_EQ(again.ReadInteger("Time"), 10);
    EXPECT_EQ(again.ReadString("LastUsed"), "C:\\films\\\"best\".fmd");
    EXPECT_FALSE(again.ReadBool("AutoSave"));
    EXPECT_TRUE(again.ReadBool("hint"));  // names compare without case
    again.CloseKey();
}

TEST(Registry, ReadingRules)
{
    TempDir dir;
    WriteBytes(dir.file("r.reg"),
               "REGEDIT4\n\n"
               "; written by hand\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\n"
               "\"AutoOpen\"=dword:00000002\n"
               "\"Time\"=dword:ffffffff\n"
               "\"Text\"=\"10\"\n"
               "\"Binary\"=hex:01,02,\\\n"
               "  03\n");
    Registry reg(dir.file("r.reg"));
    reg.OpenKey(RegistryRoot::LocalMachine, kKey, true);
    EXPECT_TRUE(reg.ReadBool("AutoOpen"));       // any non-zero is true
    EXPECT_EQ(reg.ReadInteger("Time"), -1);      // DWORDs are signed integers here
    EXPECT_EQ(reg.ReadString("LastUsed"), "");   // a missing string is empty
    struct Bad {
        const char* name;
        const char* mentions;
    } bad[] = {{"Missing", "is missing"}, {"Text", "not a DWORD"}, {"Binary", "not a DWORD"}};
    for (const auto& b : bad) {
        try {
            reg.ReadInteger(b.name);
            ADD_FAILURE() << b.name;
        } catch (const RegistryError& e) {
            EXPECT_NE(std::string(e.what()).find(b.name), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(b.mentions), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(reg.ReadString("Time"), RegistryError);
    reg.CloseKey();

    Registry other(dir.file("r.reg"));
    EXPECT_THROW(other.OpenKey(RegistryRoot::ClassesRoot, ".fmd", false), RegistryError);
}

TEST(Registry, WritingKeepsOtherKeysAndValues)
{
    TempDir dir;
    WriteBytes(dir.file("r.reg"),
               "REGEDIT4\r\n\r\n"
               "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
               "\"Keep\"=\"me\"\r\n"
               "\"Blob\"=hex:de,ad\r\n\r\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\r\n"
               "\"Extra\"=dword:00000007\r\n"
               "\"Time\"=dword:00000003\r\n");
    Registry reg(dir.file("r.reg"));
    reg.OpenKey(RegistryRoot::LocalMachine, kKey, true);
    reg.WriteInteger("Time", 25);
    reg.WriteString("LastUsed", "/films/a.fmd");
    reg.CloseKey();
    reg.OpenKey(RegistryRoot::ClassesRoot, "Skelvora file\\shell\\open", true);
    reg.WriteDefault("");
    reg.CloseKey();

    EXPECT_EQ(ReadBytes(dir.file("r.reg")),
              "REGEDIT4\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
              "\"Keep\"=\"me\"\r\n"
              "\"Blob\"=hex:de,ad\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\r\n"
              "\"Extra\"=dword:00000007\r\n"
              "\"Time\"=dword:00000019\r\n"
              "\"LastUsed\"=\"/films/a.fmd\"\r\n\r\n"
              "[HKEY_CLASSES_ROOT\\Skelvora file\\shell\\open]\r\n"
              "@=\"\"\r\n");
}

TEST(Registry, TextsWithLineBreaksSurviveAsHexStrings)
{
    TempDir dir;
    Registry reg(dir.file("r.reg"));
    reg.OpenKey(RegistryRoot::LocalMachine, kKey, true);
    reg.WriteString("LastUsed", "/odd\nname.fmd");
    reg.CloseKey();
    EXPECT_NE(ReadBytes(dir.file("r.reg")).find("\"LastUsed\"=hex(1):2f,6f,64,64,0a"), std::string::npos);
    reg.OpenKey(RegistryRoot::LocalMachine, kKey, false);
    EXPECT_EQ(reg.ReadString("LastUsed"), "/odd\nname.fmd");
    reg.CloseKey();
}

TEST(Registry, DamagedFileIsRefusedAndNeverOverwritten)
{
    const char* damaged[] = {
        "Hello\r\n",
        "REGEDIT4\r\n\"Orphan\"=dword:1\r\n",
        "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\r\n\"Time\"=dword:xyz\r\n",
        "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\r\n\"Time\"=\"open\r\n",
        "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora\r\n",
        "REGEDIT4\r\n[NOT_A_ROOT\\x]\r\n",
    };
    for (const char* text : damaged) {
        TempDir dir;
        WriteBytes(dir.file("r.reg"), text);
        Registry reg(dir.file("r.reg"));
        try {
            reg.OpenKey(RegistryRoot::LocalMachine, kKey, true);
            ADD_FAILURE() << text;
        } catch (const RegistryError& e) {
            EXPECT_NE(std::string(e.what()).find(dir.file("r.reg")), std::string::npos);
            EXPECT_NE(std::string(e.what()).find("line "), std::string::npos) << e.what();
        }
        EXPECT_THROW(reg.WriteInteger("Time", 1), RegistryError);  // no key is open
        reg.CloseKey();
        EXPECT_EQ(ReadBytes(dir.file("r.reg")), text);
    }
}

TEST(Registry, UnwritablePathIsAnErrorAndLeavesNothingBehind)
{
    TempDir dir;
    WriteBytes(dir.file("file"), "x");
    Registry reg(dir.file("file/registry.reg"));  // its folder is a file
    reg.OpenKey(RegistryRoot::LocalMachine, kKey, true);
    reg.WriteInteger("Time", 10);
    EXPECT_THROW(reg.CloseKey(), RegistryError);
    EXPECT_EQ(ReadBytes(dir.file("file")), "x");
}

TEST(Registry, DefaultPathFollowsTheEnvironment)
{
    setenv("SKELVORA_REGISTRY", "/tmp/own.reg", 1);
    EXPECT_EQ(DefaultRegistryPath(), "/tmp/own.reg");
    unsetenv("SKELVORA_REGISTRY");
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(DefaultRegistryPath(), "/cfg/Skelvora/registry.reg");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/eva", 1);
    EXPECT_EQ(DefaultRegistryPath(), "/home/eva/.config/Skelvora/registry.reg");
}

// Found by the fuzzer: a text with a NUL inside was written as hex and came
// back shorter. A text value now ends at its first NUL either way.
TEST(Registry, TextsEndAtTheirFirstNul)
{
    const std::string fixture = testsupport::ReadBytes(SKELVORA_TEST_DATA "/fuzz_registry_nul.reg");
    RegistryFile f = RegistryFile::Parse(fixture, "fixture");
    const std::string once = f.Serialize();
    EXPECT_EQ(RegistryFile::Parse(once, "again").Serialize(), once);

    RegistryFile g = RegistryFile::Parse(std::string("REGEDIT4\r\n[HKEY_CLASSES_ROOT\\x]\r\n\"a\"=\"one\0two\"\r\n"
                                                     "\"b\"=hex(1):41,00,42,00\r\n", 72),
                                         "x");
    ASSERT_NE(g.find("HKEY_CLASSES_ROOT\\x"), nullptr);
    EXPECT_EQ(g.find("HKEY_CLASSES_ROOT\\x")->find("a")->Text, "one");
    EXPECT_EQ(g.find("HKEY_CLASSES_ROOT\\x")->find("b")->Text, "A");
}
