// The main window's lending commands: rent, revert and the two lent lists.
#include "korvant_app.h"
#include "tform1.h"
#include "tform10.h"
#include "tform3.h"
#include "tform4.h"

#include <QLineEdit>
#include <QRadioButton>

namespace skelvora {

void TForm1::Rent1Click()
{
    if (!app.MainWindowActive)
        return;
    TForm3& dlg = *app.Form3;
    TCD& target = app.cat.Table.ensure(app.CurrentRow);
    dlg.SetTarget(&target);
    dlg.RadioButton1->setText("Rent film: " + app.ui(target.PrimaryName));
    if (!IsLent(target)) {
        dlg.RadioButton1->setEnabled(true);
        dlg.RadioButton1->setChecked(true);
        dlg.Edit1->setEnabled(false);
    } else {
        dlg.RadioButton1->setEnabled(false);
        dlg.RadioButton2->setChecked(true);
        dlg.Edit1->setEnabled(true);
    }
    dlg.ShowModeless();
    app.cat.Modified = true;
}

void TForm1::Revert1Click()
{
    auto& cat = app.cat;
    if (app.MainWindowActive) {
        TForm10& dlg = *app.Form10;
        TCD& r = cat.Table.ensure(app.CurrentRow);
        const QString question = "Do you want revert CD: " + app.ui(r.PrimaryName) + " from " + app.ui(r.Occupier);
        bool showDialog = true;
        if (IsLent(r)) {
            if (app.svc.dialogs.messageBox(this, question, QStringLiteral("Revert CD"), MsgButtons::YesNo,
                                           MsgIcon::Information, MsgAnswer::Yes) == MsgAnswer::Yes) {
                r.ClearLoan();
                cat.LentCount -= 1;
                showDialog = false;
            }
        }
        if (showDialog) {
            dlg.ShowModeless();
            dlg.Edit1->setFocus();
        }
    }
    RefreshGrid();
    cat.Modified = true;
}

void TForm1::Alllent1Click()
{
    if (!app.MainWindowActive)
        return;
    if (app.cat.LentCount <= 0) {
        app.svc.dialogs.notify(this, QStringLiteral("No loan CD"), QStringLiteral("Loan CD"), MsgIcon::Information);
        return;
    }
    TForm4& list = *app.Form4;
    list.ShowModeless();
    list.setWindowTitle(QStringLiteral("All lent CD"));
    list.Fill([](const TCD& r) { return IsLent(r); });
}

void TForm1::Occupierslist1Click()
{
    if (!app.MainWindowActive)
        return;
    const std::string occupier = app.cat.Table.ensure(app.CurrentRow).Occupier;
    if (IsEmptyText(occupier)) {
        app.svc.dialogs.notify(this, QStringLiteral("No occupier selected"), QStringLiteral("Skelvora"),
                               MsgIcon::Information);
        return;
    }
    TForm4& list = *app.Form4;
    list.ShowModeless();
    list.setWindowTitle("Occupier: " + app.ui(occupier));
    list.Fill([&occupier](const TCD& r) { return r.Occupier == occupier; });
}

} // namespace skelvora
