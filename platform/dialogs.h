#pragma once
#include <QColor>
#include <QString>
#include <optional>

class QWidget;
class QPrinter;

namespace skelvora {

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { Stop, Information, Exclamation };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct FileDialogOptions {
    QString title;          // empty: the platform's own title
    QString filter;         // "Film database (*.fmd);;All files (*)"
    QString defaultSuffix;  // "fmd"
    QString initialName;    // file name or path to start with
    bool confirmOverwrite = false;
};

// Every box and standard dialog the programs show goes through here, so that
// tests can answer them from a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer messageBox(QWidget* parent, const QString& text, const QString& caption,
                                 MsgButtons buttons, MsgIcon icon, MsgAnswer defaultButton) = 0;
    virtual std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // Confirmed: the printer holds the user's choices.
    virtual bool printDialog(QWidget* parent, QPrinter& printer) = 0;
    virtual bool printerSetup(QWidget* parent, QPrinter& printer) = 0;

    void notify(QWidget* parent, const QString& text, const QString& caption, MsgIcon icon)
    {
        messageBox(parent, text, caption, MsgButtons::Ok, icon, MsgAnswer::Ok);
    }
};

} // namespace skelvora
