#pragma once
#include "dialogs.h"

namespace skelvora {

// The real dialogs of the desktop.
class QtDialogs : public Dialogs {
public:
    MsgAnswer messageBox(QWidget* parent, const QString& text, const QString& caption,
                         MsgButtons buttons, MsgIcon icon, MsgAnswer defaultButton) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
};

} // namespace skelvora
