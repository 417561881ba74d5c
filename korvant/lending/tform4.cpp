#include "tform4.h"
#include "korvant_app.h"
#include "string_grid.h"
#include "tform1.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace skelvora {

TForm4::TForm4(KorvantApp& a) : SkForm(a, QString(), true)
{
    StringGrid1 = new StringGrid(app.svc.codePage, 5, this);
    const int widths[5] = {47, 220, 200, 180, 214};
    for (int c = 0; c < 5; ++c)
        StringGrid1->setColumnWidth(c, widths[c]);
    StringGrid1->setMinimumSize(900, 360);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    StringGrid1->gridModel()->setFixedFirstColumn(true);
    btnPrintf4 = new QPushButton(QStringLiteral("&Print"), this);
    btnClosef4 = new QPushButton(QStringLiteral("&Close"), this);
    auto* v = new QVBoxLayout(this);
    v->addWidget(StringGrid1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPrintf4);
    buttons->addWidget(btnClosef4);
    v->addLayout(buttons);
    fixSize();
    app.reporter.connect(btnPrintf4, &QPushButton::clicked, this, [this] { btnPrintf4Click(); });
    app.reporter.connect(btnClosef4, &QPushButton::clicked, this, [this] { btnClosef4Click(); });
    // The main window's pop-up menu serves this grid too; it opens by itself
    // only while the main window is active.
    connect(StringGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        if (app.Form1->PopupAutoPopup)
            app.Form1->PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(p));
    });
}

void TForm4::FormCreate()
{
    // At start-up the last catalogue was read before this window existed.
    if (app.settings.AutoOpen)
        StringGrid1->SetColors(app.cat.GridColor, app.cat.FontColor);
}

void TForm4::FormActivate()
{
    app.LentListActive = true;
}

void TForm4::FormDeactivate()
{
    app.LentListActive = false;
    if (!HoldOpen)
        btnClosef4Click();
}

void TForm4::btnClosef4Click()
{
    if (closing_)
        return;
    closing_ = true;
    hide();
    RestState();
    closing_ = false;
}

void TForm4::hideEvent(QHideEvent* event)
{
    SkForm::hideEvent(event);
    RestState();
}

void TForm4::RestState()
{
    StringGrid1->BeginUpdate();
    for (int r = 1; r < StringGrid1->RowCount(); ++r)
        for (int c = 0; c < 5; ++c)
            StringGrid1->SetCell(c, r, "");
    StringGrid1->EndUpdate();
    StringGrid1->SetRowCount(2);
}

bool TForm4::InRestState() const
{
    if (StringGrid1->RowCount() != 2)
        return false;
    for (int c = 0; c < 5; ++c)
        if (!StringGrid1->Cell(c, 1).empty())
            return false;
    return true;
}

int TForm4::Fill(const std::function<bool(const TCD&)>& take)
{
    const auto& cat = app.cat;
    StringGrid& main = *app.Form1->StringGrid1;
    StringGrid1->BeginUpdate();
    for (int c = 0; c < 5; ++c)
        StringGrid1->SetCell(c, 0, main.Cell(c, 0));
    int taken = 0;
    for (int k = 1; k < cat.RowCount; ++k) {
        const TCD* r = cat.Table.at(k);
        if (!r || !take(*r))
            continue;
        const int row = StringGrid1->RowCount() - 1;
        StringGrid1->SetCell(0, row, std::to_string(r->ID));
        StringGrid1->SetCell(1, row, r->PrimaryName);
        StringGrid1->SetCell(2, row, r->SecondaryName);
        StringGrid1->SetCell(3, row, r->Occupier);
        StringGrid1->SetCell(4, row, RentTimeTextOrEmpty(r->RentTime, app.svc.names));
        StringGrid1->SetRowCount(StringGrid1->RowCount() + 1);
        ++taken;
    }
    StringGrid1->SetRowCount(StringGrid1->RowCount() - 1);
    StringGrid1->EndUpdate();
    return taken;
}

} // namespace skelvora
