#pragma once
#include "catalogue_file.h"
#include "clock.h"
#include "code_page.h"
#include "dialogs.h"
#include "error_report.h"
#include "errors.h"
#include "lock_keys.h"
#include "occupier_file.h"
#include "settings.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace skelvora {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TAboutBox;
class PrintCanvas;

// What the program takes from its surroundings; tests pass scripted ones.
struct Services {
    Dialogs& dialogs;
    Clock& clock;
    LockKeys& lockKeys;
    CodePage& codePage;
    LocaleNames names;
    std::string programDir;    // with its trailing separator
    std::string registryPath;
};

// The process-wide state of the catalogue program and its eleven windows,
// created once in a fixed order and kept until the program ends.
class KorvantApp : public QObject {
    Q_OBJECT
public:
    explicit KorvantApp(Services services);
    ~KorvantApp() override;

    void CreateWindows();

    Services svc;
    ErrorReporter reporter;

    Catalogue cat;
    Settings settings;
    bool MainWindowActive = false;
    bool LentListActive = false;
    bool CloseCancelled = false;
    bool EditMode = false;
    int CurrentRow = 1;
    int CurrentColumn = 0;
    bool ShowHints = true;

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TForm4> Form4;
    std::unique_ptr<TForm6> Form6;
    std::unique_ptr<TForm7> Form7;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TForm8> Form8;
    std::unique_ptr<TForm9> Form9;
    std::unique_ptr<TForm10> Form10;
    std::unique_ptr<TForm11> Form11;

    // The one printer object; Print Setup chooses it for later jobs.
    QPrinter& printer();
    // The canvas a print job draws on; tests record the calls instead.
    std::function<std::unique_ptr<PrintCanvas>(QPrinter&)> canvasFactory;
    std::unique_ptr<PrintCanvas> makeCanvas(QPrinter& printer);

    // Record texts to and from the widgets.
    QString ui(std::string_view bytes) const { return svc.codePage.toUnicode(bytes); }
    // A typed text as code-page bytes for the catalogue file. A text the
    // file cannot hold is refused with a message (and nullopt).
    std::optional<std::string> storableText(QWidget* parent, const QString& text, const QString& what);
    // A path as the file system spells it, and back.
    static QString pathText(const std::string& path);
    static std::string pathBytes(const QString& path);

    std::string occupierFilePath() const { return svc.programDir + kOccupierFileName; }
    std::string nowText(std::string_view pattern) const;

    // The one key-down step of every window.
    void UpdateLockIndicators();

    // Sees every event once before its receiver; true when it used it up.
    bool preview(QObject* receiver, QEvent* event);

signals:
    // The main window was closed: the program ends.
    void programEnds();

private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace skelvora
