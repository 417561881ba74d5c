#include "tform7.h"
#include "korvant_app.h"
#include "occupier_file.h"
#include "page_layout.h"
#include "print_canvas.h"
#include "string_grid.h"
#include "tform1.h"
#include "tform4.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace skelvora {

namespace {
const QString kPlaceholder = QStringLiteral("Enter occupier");
}

TForm7::TForm7(KorvantApp& a) : SkForm(a, QStringLiteral("Print list"), true)
{
    GroupBox1 = new QGroupBox(QStringLiteral("Choose list"), this);
    RadioButton3 = new QRadioButton(QStringLiteral("Skelvora"), GroupBox1);
    RadioButton1 = new QRadioButton(QStringLiteral("All lent films list"), GroupBox1);
    RadioButton2 = new QRadioButton(QStringLiteral("Occupiers list"), GroupBox1);
    auto* g = new QVBoxLayout(GroupBox1);
    g->addWidget(RadioButton3);
    g->addWidget(RadioButton1);
    g->addWidget(RadioButton2);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setEditText(kPlaceholder);
    ComboBox1->setMinimumWidth(240);
    btnPrintf7 = new QPushButton(QStringLiteral("&Print"), this);
    btnClosef7 = new QPushButton(QStringLiteral("&Cancel"), this);
    auto* v = new QVBoxLayout(this);
    v->addWidget(GroupBox1);
    v->addWidget(ComboBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPrintf7);
    buttons->addWidget(btnClosef7);
    v->addLayout(buttons);
    fixSize();

    auto& rep = app.reporter;
    // Only a choice that becomes selected runs its handler.
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            app.reporter.run([this] { RadioButton1Click(); });
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            app.reporter.run([this] { RadioButton2Click(); });
    });
    rep.connect(btnPrintf7, &QPushButton::clicked, this, [this] { btnPrintf7Click(); });
    rep.connect(btnClosef7, &QPushButton::clicked, this, [this] { btnClosef7Click(); });
}

void TForm7::RadioButton1Click()
{
    ComboBox1->setEditText(QString());
    ComboBox1->setEnabled(false);
}

void TForm7::RadioButton2Click()
{
    ComboBox1->setEnabled(true);
    ComboBox1->setEditText(kPlaceholder);
    // This copy of the list keeps the file's order and is never written back.
    auto entries = LoadOccupierFile(app.occupierFilePath());
    ComboBox1->clear();
    for (const auto& e : entries)
        ComboBox1->addItem(app.ui(e), QByteArray::fromStdString(e));
    ComboBox1->setEditText(kPlaceholder);
}

void TForm7::btnPrintf7Click()
{
    auto& dialogs = app.svc.dialogs;
    TForm4& list = *app.Form4;
    const QString typed = ComboBox1->currentText();
    // An empty occupier would print the items nobody holds as a loan list.
    if (RadioButton2->isChecked() && (typed == kPlaceholder || typed.isEmpty() || typed == QLatin1String(" "))) {
        dialogs.notify(this, QStringLiteral("Occupier is not enter, please select him"), QStringLiteral("Print list"),
                       MsgIcon::Stop);
        Close();
        return;
    }
    if (RadioButton3->isChecked()) {
        Close();
        PrintCatalogueList();
        return;
    }
    int taken = 0;
    try {
        if (RadioButton1->isChecked()) {
            list.setWindowTitle(QStringLiteral("All lent CD"));
            taken = list.Fill([](const TCD& r) { return IsLent(r); });
            if (taken == 0)
                dialogs.notify(this, QStringLiteral("No loan CD."), QStringLiteral("Print list"), MsgIcon::Information);
        } else if (RadioButton2->isChecked()) {
            auto bytes = app.svc.codePage.fromUnicode(typed);
            const std::string occupier = bytes ? *bytes : std::string();
            list.setWindowTitle("Occupier: " + typed);
            taken = bytes ? list.Fill([&occupier](const TCD& r) {
                return r.Occupier == occupier || r.Occupier == occupier + " ";
            })
                          : 0;
            if (taken == 0)
                dialogs.notify(this, QStringLiteral("No loan CD for select occupier."), QStringLiteral("Print list"),
                               MsgIcon::Information);
        }
        Close();
        if (taken > 0)
            app.Form1->PrintLentList();
    } catch (...) {
        list.RestState();
        Close();
        throw;
    }
    list.RestState();
}

void TForm7::PrintCatalogueList()
{
    auto& cat = app.cat;
    QPrinter& printer = app.printer();
    if (!app.svc.dialogs.printDialog(app.Form1.get(), printer))
        return;
    PrintedList l = CatalogueListLayout();
    const QString file = KorvantApp::pathText(cat.DatabaseName);
    l.jobTitle = "Skelvora - " + file;
    l.name = "Database: " + file;
    l.printedAt = app.ui(app.nowText(kLongMomentPattern));  // after the dialog was confirmed
    const StringGrid& grid = *app.Form1->StringGrid1;
    l.titles = {QStringLiteral("ID"), app.ui(grid.Cell(1, 0)), app.ui(grid.Cell(2, 0))};
    for (int k = 1; k < cat.RowCount; ++k) {
        const TCD& r = cat.Table.ensure(k);
        l.rows.push_back({QString::number(r.ID), app.ui(r.PrimaryName), app.ui(r.SecondaryName)});
    }
    auto canvas = app.makeCanvas(printer);
    PrintList(*canvas, l);
}

void TForm1::PrintLentList()
{
    TForm4& list = *app.Form4;
    QPrinter& printer = app.printer();
    // The print dialog over the list window must not empty it.
    list.HoldOpen = true;
    struct Release {
        TForm4& list;
        ~Release()
        {
            list.HoldOpen = false;
            list.btnClosef4Click();
        }
    } release{list};
    if (!app.svc.dialogs.printDialog(this, printer))
        return;
    PrintedList l = LentListLayout();
    l.jobTitle = "Skelvora - " + KorvantApp::pathText(app.cat.DatabaseName);
    l.name = list.windowTitle();
    l.printedAt = app.ui(app.nowText(kLongMomentPattern));
    const StringGrid& t = *list.StringGrid1;
    for (int r = 1; r < t.RowCount(); ++r)
        l.rows.push_back({app.ui(t.Cell(0, r)), app.ui(t.Cell(1, r)), app.ui(t.Cell(3, r)), app.ui(t.Cell(4, r))});
    auto canvas = app.makeCanvas(printer);
    PrintList(*canvas, l);
}

void TForm4::btnPrintf4Click()
{
    app.Form1->PrintLentList();
}

void TForm1::Printlist1Click()
{
    TForm7& dlg = *app.Form7;
    dlg.ShowModeless();
    dlg.RadioButton1->setChecked(true);
    dlg.ComboBox1->setEnabled(false);
}

void TForm1::PrintSetup1Click()
{
    app.svc.dialogs.printerSetup(this, app.printer());
}

} // namespace skelvora
