#include "halvent_form.h"
#include "registry_store.h"
#include "scripted_dialogs.h"
#include "settings.h"
#include "test_support.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

using namespace skelvora;
using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

namespace {

struct HalventRun {
    int exitCode = -1;
    bool finished = false;
};

HalventRun RunHalvent(const std::string& registry, const std::string& dataHome)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SKELVORA_REGISTRY", QString::fromStdString(registry));
    env.insert("XDG_DATA_HOME", QString::fromStdString(dataHome));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(SKELVORA_BIN_DIR "/Halvent"), {});
    HalventRun r;
    r.finished = p.waitForFinished(30000);
    r.exitCode = p.exitCode();
    return r;
}

} // namespace

TEST(Halvent, RunsByItselfAndWritesDefaultsAssociationAndDesktopFiles)
{
    TempDir dir("skelvora halvent");  // a folder with a blank in its path
    const std::string reg = dir.file("config/registry.reg");
    const std::string data = dir.file("data home");
    HalventRun run = RunHalvent(reg, data);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);

    const std::string program = std::string(SKELVORA_BIN_DIR) + "/Korvant";
    const std::string expected =
        "REGEDIT4\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\r\n"
        "\"AutoSave\"=dword:00000000\r\n"
        "\"Time\"=dword:0000000a\r\n"
        "\"Hint\"=dword:00000001\r\n"
        "\"ShortCut\"=dword:00000000\r\n"
        "\"AutoOpen\"=dword:00000000\r\n"
        "\"LastUsed\"=\"\"\r\n\r\n"
        "[HKEY_CLASSES_ROOT\\.fmd]\r\n@=\"Skelvora file\"\r\n\r\n"
        "[HKEY_CLASSES_ROOT\\Skelvora file]\r\n@=\"Skelvora file\"\r\n\r\n"
        "[HKEY_CLASSES_ROOT\\Skelvora file\\DefaultIcon]\r\n@=\"" + program + ",0\"\r\n\r\n"
        "[HKEY_CLASSES_ROOT\\Skelvora file\\shell\\open]\r\n@=\"\"\r\n\r\n"
        "[HKEY_CLASSES_ROOT\\Skelvora file\\shell\\open\\command]\r\n@=\"" + program + "\"\r\n";
    EXPECT_EQ(ReadBytes(reg), expected);

    const std::string mime = ReadBytes(data + "/mime/packages/skelvora.xml");
    EXPECT_NE(mime.find("<mime-type type=\"application/x-skelvora-catalogue\">"), std::string::npos);
    EXPECT_NE(mime.find("<glob pattern=\"*.fmd\"/>"), std::string::npos);
    EXPECT_NE(mime.find("<comment>Skelvora file</comment>"), std::string::npos);
    const std::string desktop = ReadBytes(data + "/applications/skelvora-korvant.desktop");
    EXPECT_NE(desktop.find("MimeType=application/x-skelvora-catalogue;\n"), std::string::npos);
    EXPECT_NE(desktop.find("Exec=\"" + program + "\"\n"), std::string::npos) << desktop;

    // A second run gives the same files.
    const std::string firstMime = mime, firstDesktop = desktop;
    ASSERT_TRUE(RunHalvent(reg, data).finished);
    EXPECT_EQ(ReadBytes(reg), expected);
    EXPECT_EQ(ReadBytes(data + "/mime/packages/skelvora.xml"), firstMime);
    EXPECT_EQ(ReadBytes(data + "/applications/skelvora-korvant.desktop"), firstDesktop);

    // And the catalogue program reads the defaults from it.
    Registry r(reg);
    Settings s;
    s.AutoSave = s.ShortCut = s.AutoOpen = true;
    s.Hint = false;
    s.Time = 99;
    s.LastUsed = "x";
    ReadSettings(r, s);
    EXPECT_FALSE(s.AutoSave);
    EXPECT_EQ(s.Time, 10);
    EXPECT_TRUE(s.Hint);
    EXPECT_FALSE(s.ShortCut);
    EXPECT_FALSE(s.AutoOpen);
    EXPECT_EQ(s.LastUsed, "");
}

TEST(Halvent, DesktopExecQuotesAwkwardPaths)
{
    EXPECT_EQ(QuoteDesktopExec("/opt/my apps/Korvant"), "\"/opt/my apps/Korvant\"");
    EXPECT_EQ(QuoteDesktopExec("/a\"b/$x/100%/K"), "\"/a\\\\\"b/\\\\$x/100%%/K\"");
}

TEST(Halvent, UnwritableRegistryIsReportedAndNothingIsHalfWritten)
{
    TempDir dir;
    WriteBytes(dir.file("blocker"), "a file where a folder should be");
    setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
    ScriptedDialogs dialogs;
    halvent::TForm1 form(dialogs, dir.path() + "/", dir.file("blocker/registry.reg"));
    EXPECT_FALSE(form.FormCreate());
    ASSERT_EQ(dialogs.messages().size(), 1);
    const auto* box = dialogs.lastMessage();
    EXPECT_EQ(box->caption, "Skelvora");
    EXPECT_EQ(box->icon, MsgIcon::Stop);
    EXPECT_TRUE(box->text.startsWith("Cannot create file " + QString::fromStdString(dir.file("blocker/registry.reg"))));
    EXPECT_TRUE(box->text.endsWith("."));
    EXPECT_EQ(form.windowTitle(), "Form1");
    // The association steps did not run.
    EXPECT_FALSE(std::filesystem::exists(dir.file("data")));
    EXPECT_EQ(ReadBytes(dir.file("blocker")), "a file where a folder should be");
    unsetenv("XDG_DATA_HOME");
}

TEST(SettingsStore, ReadingRules)
{
    TempDir dir;
    WriteBytes(dir.file("r.reg"),
               "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\r\n"
               "\"AutoSave\"=dword:00000001\r\n\"Time\"=dword:00000019\r\n\"Hint\"=dword:00000000\r\n"
               "\"ShortCut\"=dword:00000001\r\n\"AutoOpen\"=dword:00000002\r\n");
    Registry reg(dir.file("r.reg"));
    Settings s;
    s.LastUsed = "stale";
    ReadSettings(reg, s);
    EXPECT_TRUE(s.AutoSave);
    EXPECT_EQ(s.Time, 25);
    EXPECT_FALSE(s.Hint);
    EXPECT_TRUE(s.ShortCut);
    EXPECT_TRUE(s.AutoOpen);  // any non-zero is true
    EXPECT_EQ(s.LastUsed, "");  // missing string reads empty

    WriteBytes(dir.file("r.reg"),
               "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\r\n\"AutoSave\"=dword:00000001\r\n");
    try {
        ReadSettings(reg, s);
        ADD_FAILURE();
    } catch (const RegistryError& e) {
        EXPECT_NE(std::string(e.what()).find("\"Time\""), std::string::npos);
    }
}

TEST(SettingsStore, WritesTheSixValuesInOrder)
{
    TempDir dir;
    Registry reg(dir.file("r.reg"));
    Settings s;
    s.AutoSave = true;
    s.Time = 25;
    s.LastUsed = "/films/a.fmd";
    WriteSettings(reg, s);
    EXPECT_EQ(ReadBytes(dir.file("r.reg")),
              "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\r\n"
              "\"AutoSave\"=dword:00000001\r\n\"Time\"=dword:00000019\r\n\"Hint\"=dword:00000001\r\n"
              "\"ShortCut\"=dword:00000000\r\n\"AutoOpen\"=dword:00000000\r\n\"LastUsed\"=\"/films/a.fmd\"\r\n");
}
