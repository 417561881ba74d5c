// The main window's file commands: New, Open, Close, Save, Save As.
#include "korvant_app.h"
#include "tform1.h"
#include "tform10.h"
#include "tform2.h"
#include "tform3.h"
#include "tform8.h"

#include <QLineEdit>
#include <QProgressBar>

namespace skelvora {

namespace {
FileDialogOptions OpenOptions()
{
    FileDialogOptions o;
    o.title = QStringLiteral("Open database");
    o.filter = QStringLiteral("Film database (*.fmd);;All files (*)");
    o.defaultSuffix = QStringLiteral("fmd");
    return o;
}
} // namespace

bool TForm1::CloseStep()
{
    auto& cat = app.cat;
    if (cat.Modified) {
        switch (app.svc.dialogs.messageBox(this, KorvantApp::pathText(cat.SavePrompt),
                                           QStringLiteral("Skelvora"), MsgButtons::YesNoCancel,
                                           MsgIcon::Exclamation, MsgAnswer::Yes)) {
        case MsgAnswer::Yes:
            WriteCatalogue();  // a failing save throws: the catalogue stays open
            break;
        case MsgAnswer::No:
            break;
        default:
            app.CloseCancelled = true;
            return false;
        }
    }
    app.CloseCancelled = false;
    StringGrid1->BeginUpdate();
    for (int r = 0; r < StringGrid1->RowCount(); ++r)
        for (int c = 0; c < 5; ++c)
            StringGrid1->SetCell(c, r, "");
    StringGrid1->EndUpdate();
    StringGrid1->SetRowCount(2);
    cat.RowCount = 2;
    SetCatalogueCommands(false);
    cat.Modified = false;
    cat.DatabaseOpen = false;
    cat.DatabasePath.clear();
    setPanel(0, QString());
    setPanel(1, QString());
    setPanel(2, QString());
    setPanel(3, QStringLiteral("Database is not open"));
    ProgressBar1->setValue(0);
    // Dialogs that were working on this catalogue go with it.
    app.Form2->Forget(nullptr);
    app.Form2->Close();
    app.Form3->Forget(nullptr);
    app.Form3->Close();
    app.Form10->Close();
    cat.Table.DiscardAll();
    return true;
}

void TForm1::Closedatabase1Click()
{
    CloseStep();
}

void TForm1::Newdatabase1Click()
{
    auto& cat = app.cat;
    if (cat.DatabaseOpen && !CloseStep())
        return;
    app.Form8->Edit1->setText(QStringLiteral("Primary name"));
    app.Form8->Edit2->setText(QStringLiteral("Secondary name"));
    cat.LentCount = 0;
    cat.LastID = 1;
    cat.Table.reset(0).ClearAll();
    cat.Table.reset(1).ClearAll();
    app.Form8->ShowModeless();
}

void TForm1::Open1Click()
{
    auto& cat = app.cat;
    if (cat.DatabaseOpen && !CloseStep())
        return;
    app.Form8->Close();  // a pending New gives way to the opened catalogue
    auto chosen = app.svc.dialogs.openFile(this, OpenOptions());
    if (!chosen)
        return;
    cat.SetDatabasePath(KorvantApp::pathBytes(*chosen));
    setPanel(3, "Open database is: " + KorvantApp::pathText(cat.DatabaseName));
    cat.LentCount = 0;
    try {
        app.Form3->LoadOccupiers(app.occupierFilePath());
        ReadCatalogue(ReadMode::Open);
    } catch (...) {
        // A file that cannot be read leaves no catalogue open.
        cat.SetDatabasePath("");
        setPanel(3, QStringLiteral("Database is not open"));
        throw;
    }
    RefreshGrid();
    ProgressBar1->setValue(cat.RowCount - 1);
    cat.DatabaseOpen = true;
    cat.CountLent();
    clampCurrentRow();
}

void TForm1::Save1Click()
{
    WriteCatalogue();
}

void TForm1::SaveAs1Click()
{
    auto& cat = app.cat;
    FileDialogOptions o;
    o.filter = QStringLiteral("Film database (*.fmd)");
    o.defaultSuffix = QStringLiteral("fmd");
    o.initialName = SaveDialog1FileName;
    o.confirmOverwrite = true;
    auto chosen = app.svc.dialogs.saveFile(this, o);
    if (!chosen)
        return;
    SaveDialog1FileName = *chosen;
    const std::string oldPath = cat.DatabasePath;
    const int32_t oldCreated = cat.CreatedTime;
    cat.DatabasePath = KorvantApp::pathBytes(*chosen);
    cat.CreatedTime = PackMoment(app.svc.clock.now());
    const unsigned writesBefore = CataloguesWritten;
    try {
        WriteCatalogue();
    } catch (...) {
        if (CataloguesWritten == writesBefore) {
            // Not saved under the new name: the catalogue stays what it was.
            cat.DatabasePath = oldPath;
            cat.CreatedTime = oldCreated;
        } else {
            // Only the occupier list failed; the catalogue has its new name.
            cat.SetDatabasePath(cat.DatabasePath);
            setPanel(3, "Open database is: " + KorvantApp::pathText(cat.DatabaseName));
        }
        throw;
    }
    cat.SetDatabasePath(cat.DatabasePath);
    setPanel(3, "Open database is: " + KorvantApp::pathText(cat.DatabaseName));
}

} // namespace skelvora
