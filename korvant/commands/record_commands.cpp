// The main window's record commands: add, edit, remove and the three sorts.
#include "korvant_app.h"
#include "sorting.h"
#include "tform1.h"
#include "tform2.h"
#include "tform3.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace skelvora {

namespace {
void SetLabels(KorvantApp& app)
{
    app.Form2->Label1->setText(app.ui(app.Form1->StringGrid1->Cell(1, 0)) + ":");
    app.Form2->Label2->setText(app.ui(app.Form1->StringGrid1->Cell(2, 0)) + ":");
}
} // namespace

void TForm1::InsertItem1Click()
{
    if (!app.MainWindowActive)
        return;
    auto& cat = app.cat;
    SetLabels(app);
    if (cat.RowCount == kMaxRowCount) {
        app.svc.dialogs.notify(this,
                               "Database " + KorvantApp::pathText(cat.DatabaseName) +
                                   " is full. Please create new database",
                               QStringLiteral("Skelvora"), MsgIcon::Stop);
        return;
    }
    TForm2& dlg = *app.Form2;
    dlg.Edit1->clear();
    dlg.Edit2->clear();
    dlg.setWindowTitle(QStringLiteral("Add Record"));
    app.EditMode = false;
    dlg.Open(nullptr);
    cat.Modified = true;
}

void TForm1::EditRecond1Click()
{
    if (!app.MainWindowActive)
        return;
    auto& cat = app.cat;
    app.EditMode = true;
    cat.Modified = true;
    TCD& target = cat.Table.ensure(app.CurrentRow);
    SetLabels(app);
    TForm2& dlg = *app.Form2;
    dlg.Edit1->setText(app.ui(target.PrimaryName));
    dlg.Edit2->setText(app.ui(target.SecondaryName));
    dlg.SetMediaTypeIndex(target.MediaType);
    dlg.setWindowTitle(QStringLiteral("Edit Record"));
    dlg.Open(&target);
}

void TForm1::RemoveRecord1Click()
{
    if (!app.MainWindowActive)
        return;
    auto& cat = app.cat;
    const int row = app.CurrentRow;
    TCD& victim = cat.Table.ensure(row);
    const MsgAnswer answer = app.svc.dialogs.messageBox(
        this, "Do you really want to remove CD:" + app.ui(victim.PrimaryName), QStringLiteral("Skelvora"),
        MsgButtons::YesNo, MsgIcon::Exclamation, MsgAnswer::No);
    if (answer == MsgAnswer::Yes) {
        if (IsLent(victim))
            cat.LentCount -= 1;
        app.Form2->Forget(&victim);
        app.Form3->Forget(&victim);
        if (cat.RowCount > 2) {
            // Every later record moves up one row, whole, with its own ID.
            std::unique_ptr<TCD> gone = cat.Table.take(row);
            for (int k = row; k < cat.RowCount - 1; ++k)
                cat.Table.put(k, cat.Table.take(k + 1));
            StringGrid1->SetRowCount(cat.RowCount - 1);
            cat.RowCount = StringGrid1->RowCount();
        } else {
            victim.ClearAll();  // the placeholder of an empty catalogue again
        }
        ProgressBar1->setValue(cat.RowCount - 1);
    }
    RefreshGrid();
    cat.Modified = true;
}

void TForm1::RowSort(int key)
{
    if (!app.MainWindowActive)
        return;
    SortRecords(app.cat.Table, app.cat.RowCount, SortKey(key));
    RefreshGrid();
    app.cat.Modified = true;
}

void TForm1::ByOrigName1Click()
{
    RowSort(int(SortKey::PrimaryName));
}

void TForm1::BySlovakName1Click()
{
    RowSort(int(SortKey::SecondaryName));
}

void TForm1::ByOccupier1Click()
{
    RowSort(int(SortKey::ID));
}

} // namespace skelvora
