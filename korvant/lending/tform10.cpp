#include "tform10.h"
#include "id_conversion.h"
#include "korvant_app.h"
#include "tform1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace skelvora {

TForm10::TForm10(KorvantApp& a) : SkForm(a, QStringLiteral("Revert CD"), true)
{
    Label1 = new QLabel(QStringLiteral("Enter ID for CD to revert:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setMaxLength(4);
    Edit1->setFixedWidth(70);
    btnOKf10 = new QPushButton(QStringLiteral("&OK"), this);
    btnCANCELf10 = new QPushButton(QStringLiteral("&Cancel"), this);
    auto* g = new QGridLayout(this);
    g->addWidget(Label1, 0, 0);
    g->addWidget(Edit1, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOKf10);
    buttons->addWidget(btnCANCELf10);
    g->addLayout(buttons, 1, 0, 1, 2);
    fixSize();
    app.reporter.connect(btnOKf10, &QPushButton::clicked, this, [this] { btnOKf10Click(); });
    app.reporter.connect(btnCANCELf10, &QPushButton::clicked, this, [this] { btnCANCELf10Click(); });
}

bool TForm10::FormKeyPress(QWidget*, QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        btnOKf10Click();
        return true;
    }
    return false;
}

void TForm10::btnOKf10Click()
{
    auto& cat = app.cat;
    auto& dialogs = app.svc.dialogs;
    if (auto id = ConvertId(Edit1->text().toStdString())) {
        const int found = cat.ForEachWithId(*id, [&](TCD& r) {
            if (IsLent(r)) {
                r.ClearLoan();
                cat.LentCount -= 1;
            } else {
                dialogs.notify(this, QStringLiteral("Film is no lent"), QStringLiteral("Revert film"),
                               MsgIcon::Information);
            }
        });
        if (found == 0)
            dialogs.notify(this, QStringLiteral("No enter ID for CD or ID is not used"),
                           QStringLiteral("Revert film"), MsgIcon::Stop);
    } else {
        dialogs.notify(this, QStringLiteral("Invalid format ID for CD"), QStringLiteral("Rent film"),
                       MsgIcon::Stop);
    }
    app.Form1->RefreshGrid();
    Edit1->clear();
    Close();
}

void TForm10::btnCANCELf10Click()
{
    Close();
    Edit1->clear();
}

} // namespace skelvora
