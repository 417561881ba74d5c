#include "tform2.h"
#include "korvant_app.h"
#include "tform1.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace skelvora {

TForm2::TForm2(KorvantApp& a) : SkForm(a, QString(), true)
{
    Label1 = new QLabel(this);
    Label2 = new QLabel(this);
    Edit1 = new QLineEdit(this);
    Edit2 = new QLineEdit(this);
    Edit1->setMinimumWidth(320);
    RadioGroup1 = new QGroupBox(QStringLiteral("Type"), this);
    RadioItems = new QButtonGroup(this);
    auto* rg = new QGridLayout(RadioGroup1);
    for (int i = 0; i < kMediaTypeCount; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(MediaTypeName(i)), RadioGroup1);
        RadioItems->addButton(b, i);
        // Three columns, filled column by column.
        rg->addWidget(b, i % 3, i / 3);
    }
    RadioItems->button(0)->setChecked(true);
    btnOKf2 = new QPushButton(QStringLiteral("&OK"), this);
    btnCANCELf2 = new QPushButton(QStringLiteral("&Cancel"), this);

    auto* g = new QGridLayout(this);
    g->addWidget(Label1, 0, 0);
    g->addWidget(Edit1, 0, 1);
    g->addWidget(Label2, 1, 0);
    g->addWidget(Edit2, 1, 1);
    g->addWidget(RadioGroup1, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOKf2);
    buttons->addWidget(btnCANCELf2);
    g->addLayout(buttons, 3, 0, 1, 2);
    app.reporter.connect(btnOKf2, &QPushButton::clicked, this, [this] { btnOKf2Click(); });
    app.reporter.connect(btnCANCELf2, &QPushButton::clicked, this, [this] { btnCANCELf2Click(); });
}

int TForm2::MediaTypeIndex() const
{
    return RadioItems->checkedId();
}

void TForm2::SetMediaTypeIndex(int index)
{
    if (auto* b = RadioItems->button(index))
        b->setChecked(true);
}

bool TForm2::FormKeyPress(QWidget*, QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        btnCANCELf2Click();
        return true;
    }
    return false;
}

void TForm2::Open(TCD* record)
{
    target_ = record;
    ShowModeless();
    Edit1->setFocus();
}

void TForm2::Forget(const TCD* record)
{
    if (!record || target_ == record)
        target_ = nullptr;
}

void TForm2::btnOKf2Click()
{
    auto& cat = app.cat;
    TForm1& main = *app.Form1;
    auto primary = app.storableText(this, Edit1->text(), Label1->text().chopped(1));
    if (!primary)
        return;
    auto secondary = app.storableText(this, Edit2->text(), Label2->text().chopped(1));
    if (!secondary)
        return;

    TCD* target = nullptr;
    if (app.EditMode) {
        // The edit follows its record wherever sorting or removing moved it.
        if (!cat.DatabaseOpen || !cat.Shows(target_)) {
            Close();
            return;
        }
        target = target_;
    } else {
        if (!cat.DatabaseOpen) {
            Close();
            return;
        }
        const TCD* first = cat.Table.at(1);
        // Only the placeholder of an empty catalogue is filled; a record with
        // blank names is never overwritten.
        const bool placeholder = cat.RowCount == 2 && first && IsEmptyText(first->PrimaryName) &&
                                 IsEmptyText(first->SecondaryName) && !IsLent(*first) &&
                                 first->ID == 0 && first->RentCount == 0;
        if (placeholder) {
            target = cat.Table.at(1);
        } else {
            if (cat.RowCount >= kMaxRowCount) {
                app.svc.dialogs.notify(this,
                                       "Database " + KorvantApp::pathText(cat.DatabaseName) +
                                           " is full. Please create new database",
                                       QStringLiteral("Skelvora"), MsgIcon::Stop);
                return;
            }
            main.StringGrid1->SetRowCount(cat.RowCount + 1);
            cat.RowCount = main.StringGrid1->RowCount();
            const int row = cat.RowCount - 1;
            target = &cat.Table.reset(row);
            target->ClearAll();
            main.ProgressBar1->setValue(row);
            cat.LastID += 1;
        }
        target->ID = cat.LastID;
    }
    target->PrimaryName = *primary;
    target->SecondaryName = *secondary;
    target->MediaType = MediaTypeIndex();
    main.RefreshGrid();
    Close();
}

void TForm2::btnCANCELf2Click()
{
    Close();
}

} // namespace skelvora
