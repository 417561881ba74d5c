#pragma once
// The whole catalogue program, offscreen, with scripted dialogs and lock
// keys, a fixed clock, English names and a program folder and registry file
// of its own.
#include "korvant_app.h"
#include "scripted_dialogs.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <memory>

namespace skelvora {
class TForm1;
}

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

class AppFixture : public ::testing::Test {
protected:
    AppFixture();
    ~AppFixture() override;

    // The registry as the setup utility leaves it, changed by the caller.
    void writeSettings(const skelvora::Settings& s);
    // Creates the windows, shows the main window and makes it active.
    void start();
    void activate(QWidget* w);
    void activateMain();
    void tick();  // one step of the status timer
    skelvora::TForm1& main() const;
    std::string file(const std::string& name) const { return dir.file(name); }
    QString qfile(const std::string& name) const { return QString::fromStdString(dir.file(name)); }
    // Writes a catalogue file with the given records (names etc. as bytes).
    void writeCatalogue(const std::string& name, const std::vector<skelvora::TCD>& records,
                        const std::string& primaryTitle = "Title", const std::string& secondaryTitle = "Original");
    // Opens a catalogue through File > Open.
    void openCatalogue(const std::string& name);
    void select(int row, int column = 1);
    std::string cell(int column, int row) const;

    testsupport::TempDir dir{"skelvora-gui"};
    skelvora::ScriptedDialogs dialogs;
    skelvora::FixedClock clock{skelvora::Moment{2026, 12, 11, 14, 5, 7}};
    skelvora::ScriptedLockKeys locks;
    skelvora::CodePage codePage{"WINDOWS-1252"};
    std::unique_ptr<skelvora::KorvantApp> app;
};

skelvora::TCD Record(int id, const std::string& primary, const std::string& secondary = "",
                     const std::string& occupier = "", int rentTime = 0, int mediaType = 0,
                     int rentCount = 0, const std::string& last = "");
