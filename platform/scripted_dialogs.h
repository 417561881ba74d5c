#pragma once
#include "dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace skelvora {

// Dialogs for tests: records what was shown and answers from queues. A box
// without a queued answer takes its default button; a file, colour or print
// dialog without one is cancelled.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Open, Save, Color, Print, PrintSetup };
    struct Shown {
        Kind kind;
        QString text;       // the box's text, or the file dialog's title
        QString caption;    // the box's caption
        MsgButtons buttons = MsgButtons::Ok;
        MsgIcon icon = MsgIcon::Information;
        MsgAnswer defaultButton = MsgAnswer::Ok;
        FileDialogOptions file;
    };

    std::vector<Shown> shown;
    std::deque<MsgAnswer> answers;
    std::deque<QString> files;  // an empty name cancels the dialog
    std::deque<std::optional<QColor>> colors;
    std::deque<bool> prints;
    // Runs when a print dialog is confirmed, to choose the output (a PDF file).
    std::function<void(QPrinter&)> onPrint;

    MsgAnswer messageBox(QWidget* parent, const QString& text, const QString& caption,
                         MsgButtons buttons, MsgIcon icon, MsgAnswer defaultButton) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;

    // The texts of the message boxes shown so far.
    QStringList messages() const;
    const Shown* lastMessage() const;
    void clear() { shown.clear(); }

private:
    std::optional<QString> nextFile();
};

} // namespace skelvora
