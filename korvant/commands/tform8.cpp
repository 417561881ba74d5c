#include "tform8.h"
#include "korvant_app.h"
#include "tform1.h"
#include "tform3.h"
#include "tform9.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace skelvora {

TForm8::TForm8(KorvantApp& a) : SkForm(a, QStringLiteral("New database"), true)
{
    Label1 = new QLabel(QStringLiteral("Primary Name"), this);
    Label2 = new QLabel(QStringLiteral("Secondary Name"), this);
    Edit1 = new QLineEdit(this);
    Edit2 = new QLineEdit(this);
    Edit1->setMinimumWidth(260);
    btnOKf8 = new QPushButton(QStringLiteral("&OK"), this);
    btnCancelf8 = new QPushButton(QStringLiteral("&Cancel"), this);
    auto* g = new QGridLayout(this);
    g->addWidget(Label1, 0, 0);
    g->addWidget(Edit1, 0, 1);
    g->addWidget(Label2, 1, 0);
    g->addWidget(Edit2, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOKf8);
    buttons->addWidget(btnCancelf8);
    g->addLayout(buttons, 2, 0, 1, 2);
    fixSize();
    app.reporter.connect(btnOKf8, &QPushButton::clicked, this, [this] { btnOKf8Click(); });
    app.reporter.connect(btnCancelf8, &QPushButton::clicked, this, [this] { btnCancelf8Click(); });
}

bool TForm8::FormKeyPress(QWidget*, QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        btnCancelf8Click();
        return true;
    }
    return false;
}

void TForm8::btnOKf8Click()
{
    auto& cat = app.cat;
    TForm1& main = *app.Form1;
    auto primary = app.storableText(this, Edit1->text(), QStringLiteral("The primary name"));
    if (!primary)
        return;
    auto secondary = app.storableText(this, Edit2->text(), QStringLiteral("The secondary name"));
    if (!secondary)
        return;

    main.SaveDialog1FileName = QStringLiteral("NONAME");
    FileDialogOptions o;
    o.filter = QStringLiteral("Film database (*.fmd)");
    o.defaultSuffix = QStringLiteral("fmd");
    o.initialName = main.SaveDialog1FileName;
    o.confirmOverwrite = true;
    auto chosen = app.svc.dialogs.saveFile(this, o);
    if (!chosen)
        return;  // the dialog stays open and no catalogue is open
    main.SaveDialog1FileName = *chosen;

    // New prepared the header, the placeholder and LastID; Open hides this
    // dialog, so nothing replaced them since.
    cat.DatabaseOpen = true;
    cat.SetDatabasePath(KorvantApp::pathBytes(*chosen));
    try {
        main.StringGrid1->SetCell(0, 0, "ID");
        main.StringGrid1->SetCell(1, 0, *primary);
        main.StringGrid1->SetCell(2, 0, *secondary);
        main.StringGrid1->SetCell(3, 0, "Occupier");
        main.StringGrid1->SetCell(4, 0, "Rent time");
        // The occupier list lives in the program's folder, for every catalogue.
        app.Form3->LoadOccupiers(app.occupierFilePath());
        cat.CreatedTime = PackMoment(app.svc.clock.now());
        cat.GridColor = main.StringGrid1->GridColor();
        cat.FontColor = main.StringGrid1->FontColor();
        app.Form9->SetAccessed(app.ui(app.nowText(kShortMomentPattern)));
        main.WriteCatalogue();
    } catch (...) {
        // Nothing was created: the dialog stays and no catalogue is open.
        cat.DatabaseOpen = false;
        cat.SetDatabasePath("");
        for (int c = 0; c < 5; ++c)
            main.StringGrid1->SetCell(c, 0, "");
        throw;
    }
    Close();
    main.SetCatalogueCommands(true);
    main.setPanel(3, "Open database is: " + KorvantApp::pathText(cat.DatabaseName));
    main.ShowPosition();
}

void TForm8::btnCancelf8Click()
{
    Edit1->clear();
    Edit2->clear();
    Close();
}

} // namespace skelvora
