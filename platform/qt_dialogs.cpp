#include "qt_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace skelvora {

namespace {
QMessageBox::StandardButton ToQt(MsgAnswer a)
{
    switch (a) {
    case MsgAnswer::Yes: return QMessageBox::Yes;
    case MsgAnswer::No: return QMessageBox::No;
    case MsgAnswer::Cancel: return QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}
} // namespace

MsgAnswer QtDialogs::messageBox(QWidget* parent, const QString& text, const QString& caption,
                                MsgButtons buttons, MsgIcon icon, MsgAnswer defaultButton)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(icon == MsgIcon::Stop          ? QMessageBox::Critical
                : icon == MsgIcon::Information ? QMessageBox::Information
                                               : QMessageBox::Warning);
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(ToQt(defaultButton));
    if (buttons == MsgButtons::YesNoCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons == MsgButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default:
        // Closing the box: Cancel where there is one, else its escape answer.
        return buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel
               : buttons == MsgButtons::YesNo     ? MsgAnswer::No
                                                  : MsgAnswer::Ok;
    }
}

static void Prepare(QFileDialog& dlg, const FileDialogOptions& o)
{
    if (!o.title.isEmpty())
        dlg.setWindowTitle(o.title);
    dlg.setNameFilter(o.filter);
    dlg.setDefaultSuffix(o.defaultSuffix);
    if (!o.initialName.isEmpty())
        dlg.selectFile(o.initialName);
}

std::optional<QString> QtDialogs::openFile(QWidget* parent, const FileDialogOptions& o)
{
    QFileDialog dlg(parent);
    Prepare(dlg, o);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::ReadOnly, false);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles().first();
}

std::optional<QString> QtDialogs::saveFile(QWidget* parent, const FileDialogOptions& o)
{
    QFileDialog dlg(parent);
    Prepare(dlg, o);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !o.confirmOverwrite);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles().first();
}

std::optional<QColor> QtDialogs::chooseColor(QWidget* parent, const QColor& initial)
{
    QColorDialog dlg(initial, parent);
    dlg.setOption(QColorDialog::DontUseNativeDialog, true);  // shows the custom colours
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.selectedColor();
}

bool QtDialogs::printDialog(QWidget* parent, QPrinter& printer)
{
    if (QPrinterInfo::availablePrinters().isEmpty() && printer.outputFileName().isEmpty())
        QMessageBox::warning(parent, QObject::tr("Print"),
                             QObject::tr("No printer is installed. You can still print to a PDF file."));
    printer.setCopyCount(1);
    printer.setCollateCopies(true);
    QPrintDialog dlg(&printer, parent);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dlg.exec() == QDialog::Accepted;
}

bool QtDialogs::printerSetup(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dlg(&printer, parent);
    dlg.setWindowTitle(QObject::tr("Print Setup"));
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dlg.exec() == QDialog::Accepted;
}

} // namespace skelvora
