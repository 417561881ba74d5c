#include "tform1.h"
#include "korvant_app.h"
#include "tform3.h"
#include "tform4.h"
#include "tform6.h"
#include "tform9.h"
#include "about_box.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace skelvora {

namespace {

// Small pictures of our own for the tool buttons without a standard icon.
QIcon GlyphIcon(const QString& glyph, const QColor& color)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color.darker(140), 1.5));
    p.setBrush(color.lighter(170));
    p.drawRoundedRect(QRectF(2.5, 2.5, 27, 27), 5, 5);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(glyph.size() > 2 ? 11 : glyph.size() > 1 ? 14 : 19);
    p.setFont(f);
    p.setPen(color.darker(180));
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, glyph);
    return QIcon(pm);
}

// A printer: paper on top, the body, the printed sheet in front.
QIcon PrinterIcon()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 70), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 3.5, 13, 9));
    p.setBrush(QColor(120, 130, 150));
    p.drawRoundedRect(QRectF(3.5, 11.5, 25, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.5, 18.5, 15, 10));
    p.setPen(QPen(QColor(120, 120, 130), 1));
    p.drawLine(QPointF(11, 22), QPointF(21, 22));
    p.drawLine(QPointF(11, 25), QPointF(19, 25));
    return QIcon(pm);
}

QString Num(long v)
{
    return QString::number(v);
}

} // namespace

TForm1::TForm1(KorvantApp& a) : QMainWindow(nullptr), app(a)
{
    setWindowTitle(QStringLiteral("Skelvora"));
    setObjectName(QStringLiteral("Form1"));

    StringGrid1 = new StringGrid(app.svc.codePage, 5, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    const int widths[5] = {47, 250, 250, 242, 214};
    for (int c = 0; c < 5; ++c)
        StringGrid1->setColumnWidth(c, widths[c]);
    StringGrid1->horizontalHeader()->setStretchLastSection(false);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, kCapacity);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setToolTip(QStringLiteral("Status indicator"));
    ProgressBar1->setFixedHeight(14);
    ProgressLabel = new QLabel(QStringLiteral("Status indicator"), this);

    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addWidget(StringGrid1, 1);
    auto* gauge = new QHBoxLayout;
    gauge->setContentsMargins(6, 0, 6, 2);
    gauge->addWidget(ProgressLabel);
    gauge->addWidget(ProgressBar1, 1);
    v->addLayout(gauge);
    setCentralWidget(central);

    buildMenus();
    buildToolBar();
    buildStatusBar();
    SetCatalogueCommands(false);

    auto& rep = app.reporter;
    connect(StringGrid1, &StringGrid::cellSelected, this, [this](int c, int r) {
        app.reporter.run([&] { StringGrid1SelectCell(c, r); });
    });
    connect(StringGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        showPopup(StringGrid1->viewport()->mapToGlobal(p));
    });
    rep.connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });
}

void TForm1::buildMenus()
{
    auto& rep = app.reporter;
    auto item = [&](QMenu* menu, const QString& caption, QKeySequence key, auto handler) {
        auto* a = new QAction(caption, this);
        if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setShortcutContext(Qt::ApplicationShortcut);
        }
        menu->addAction(a);
        rep.connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };

    File1 = menuBar()->addMenu(QStringLiteral("&File"));
    New1 = item(File1, "&New...", QKeySequence(Qt::CTRL | Qt::Key_N), &TForm1::Newdatabase1Click);
    Open1 = item(File1, "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), &TForm1::Open1Click);
    Closedatabase1 = item(File1, "&Close...", {}, &TForm1::Closedatabase1Click);
    Save1 = item(File1, "&Save...", QKeySequence(Qt::CTRL | Qt::Key_S), &TForm1::Save1Click);
    SaveAs1 = item(File1, "S&ave As...", {}, &TForm1::SaveAs1Click);
    File1->addSeparator();
    Printlist1 = item(File1, "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P), &TForm1::Printlist1Click);
    PrintSetup1 = item(File1, "P&rint Setup", {}, &TForm1::PrintSetup1Click);
    PrintSetup1->setToolTip(QStringLiteral("Print setup"));
    File1->addSeparator();
    Properties1 = item(File1, "Prop&erties", QKeySequence(Qt::ALT | Qt::Key_Return), &TForm1::Properties1Click);
    Properties1->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)});
    Properties1->setToolTip(QStringLiteral("Database properties"));
    File1->addSeparator();
    Exit1 = item(File1, "E&xit", QKeySequence(Qt::ALT | Qt::Key_F4), &TForm1::Exit1Click);

    Database1 = menuBar()->addMenu(QStringLiteral("&Edit"));
    InsertItem1 = item(Database1, "&Add Record", QKeySequence(Qt::ALT | Qt::Key_A), &TForm1::InsertItem1Click);
    EditRecond1 = item(Database1, "&Edit Record", QKeySequence(Qt::ALT | Qt::Key_E), &TForm1::EditRecond1Click);
    RemoveRecord1 = item(Database1, "&Remove Record", QKeySequence(Qt::ALT | Qt::Key_R), &TForm1::RemoveRecord1Click);
    Database1->addSeparator();
    SortTitle1 = Database1->addMenu(QStringLiteral("&Sort Title"));
    ByOrigName1 = item(SortTitle1, "By &Primary Name", QKeySequence(Qt::CTRL | Qt::Key_1), &TForm1::ByOrigName1Click);
    BySlovakName1 = item(SortTitle1, "By &Secondary Name", QKeySequence(Qt::CTRL | Qt::Key_2), &TForm1::BySlovakName1Click);
    ByOccupier1 = item(SortTitle1, "By &ID", QKeySequence(Qt::CTRL | Qt::Key_3), &TForm1::ByOccupier1Click);
    ViewLentFilms1 = Database1->addMenu(QStringLiteral("&View Lent Films"));
    Alllent1 = item(ViewLentFilms1, "A&ll Lent Flims", QKeySequence(Qt::Key_F11), &TForm1::Alllent1Click);
    Occupierslist1 = item(ViewLentFilms1, "&Occupiers List", QKeySequence(Qt::Key_F12), &TForm1::Occupierslist1Click);
    Database1->addSeparator();
    Recordinformation1 = item(Database1, "Record &Information", QKeySequence(Qt::CTRL | Qt::Key_I), &TForm1::ToolButton19Click);

    RentRevert1 = menuBar()->addMenu(QStringLiteral("&Action"));
    Rent1 = item(RentRevert1, "R&ent", QKeySequence(Qt::Key_F9), &TForm1::Rent1Click);
    Revert1 = item(RentRevert1, "Re&vert", QKeySequence(Qt::Key_F10), &TForm1::Revert1Click);

    Program1 = menuBar()->addMenu(QStringLiteral("&Program"));
    Settings1 = item(Program1, "&Settings", QKeySequence(Qt::Key_F2), &TForm1::Settings1Click);
    About1 = item(Program1, "&About...", QKeySequence(Qt::Key_F1), &TForm1::About1Click);

    // The pop-up menu names the shortcuts; the main menu owns them.
    PopupMenu1 = new QMenu(this);
    auto pop = [&](QMenu* menu, const QString& caption, const QString& key, auto handler) {
        auto* a = new QAction(key.isEmpty() ? caption : caption + "\t" + key, this);
        menu->addAction(a);
        rep.connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };
    AddRecond1 = pop(PopupMenu1, "&Add Record", "Alt+A", &TForm1::InsertItem1Click);
    EditRecord1 = pop(PopupMenu1, "&Edit Record", "Alt+E", &TForm1::EditRecond1Click);
    RemoveRecord3 = pop(PopupMenu1, "&Remove Record", "Alt+R", &TForm1::RemoveRecord1Click);
    PopupMenu1->addSeparator();
    SortTitle3 = PopupMenu1->addMenu(QStringLiteral("&Sort Title"));
    ByOrigName2 = pop(SortTitle3, "By &Orig Name", "Ctrl+1", &TForm1::ByOrigName1Click);
    BySlovakName2 = pop(SortTitle3, "By &Slovak Name", "Ctrl+2", &TForm1::BySlovakName1Click);
    ByID2 = pop(SortTitle3, "By &ID", "Ctrl+3", &TForm1::ByOccupier1Click);
    PopupMenu1->addSeparator();
    Rent3 = pop(PopupMenu1, "R&ent", "F9", &TForm1::Rent1Click);
    Revert3 = pop(PopupMenu1, "Re&vert", "F10", &TForm1::Revert1Click);
    PopupMenu1->addSeparator();
    Viewlentfilms2 = PopupMenu1->addMenu(QStringLiteral("&View lent films"));
    Alllentflims1 = pop(Viewlentfilms2, "A&ll lent flims", "F11", &TForm1::Alllent1Click);
    Occupierslist2 = pop(Viewlentfilms2, "&Occupiers list", "F12", &TForm1::Occupierslist1Click);
    PopupMenu1->addSeparator();
    Recordinformation2 = pop(PopupMenu1, "Record &information", "Ctrl+I", &TForm1::ToolButton19Click);
}

void TForm1::buildToolBar()
{
    auto& rep = app.reporter;
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(24, 24));
    auto button = [&](const QIcon& icon, const QString& hint, QAction* twin, auto handler) {
        auto* a = ToolBar1->addAction(icon, hint);
        a->setToolTip(hint);
        rep.connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        toolHints_.push_back({a, twin});
        return a;
    };
    auto gap = [&] {
        auto* w = new QWidget(ToolBar1);
        w->setFixedWidth(8);
        ToolBar1->addWidget(w);
    };
    QStyle* st = style();
    const QColor blue(70, 110, 190), green(60, 150, 80), red(190, 70, 60), amber(200, 140, 40);
    ToolButton11 = button(st->standardIcon(QStyle::SP_FileIcon), "New database", New1, &TForm1::Newdatabase1Click);
    ToolButton12 = button(st->standardIcon(QStyle::SP_DialogOpenButton), "Open database", Open1, &TForm1::Open1Click);
    ToolButton1 = button(st->standardIcon(QStyle::SP_DialogSaveButton), "Save database", Save1, &TForm1::Save1Click);
    gap();
    ToolButton2 = button(PrinterIcon(), "Print...", Printlist1, &TForm1::Printlist1Click);
    ToolBar1->addSeparator();
    ToolButton10 = button(GlyphIcon("+", green), "Add record", InsertItem1, &TForm1::InsertItem1Click);
    ToolButton14 = button(GlyphIcon("\u2212", red), "Remove record", RemoveRecord1, &TForm1::RemoveRecord1Click);
    ToolBar1->addSeparator();
    ToolButton5 = button(GlyphIcon("A\u2193", blue), "Sort by primary name", ByOrigName1, &TForm1::ByOrigName1Click);
    ToolButton7 = button(GlyphIcon("B\u2193", blue), "Sort by secondary name", BySlovakName1, &TForm1::BySlovakName1Click);
    ToolButton9 = button(GlyphIcon("1\u2193", blue), "Sort by ID", ByOccupier1, &TForm1::ByOccupier1Click);
    ToolBar1->addSeparator();
    ToolButton15 = button(GlyphIcon("\u2192", amber), "Rent film", Rent1, &TForm1::Rent1Click);
    ToolButton16 = button(GlyphIcon("\u2190", amber), "Revert film", Revert1, &TForm1::Revert1Click);
    gap();
    ToolButton3 = button(GlyphIcon("\u2261", green), "All lent films", Alllent1, &TForm1::Alllent1Click);
    ToolButton19 = button(GlyphIcon("i", blue), "Record information", Recordinformation1, &TForm1::ToolButton19Click);

    catalogueCommands_ = {ToolButton1, ToolButton2, ToolButton3, ToolButton5, ToolButton7,
                          ToolButton9, ToolButton10, ToolButton14, ToolButton15, ToolButton16,
                          ToolButton19, Closedatabase1, Save1, SaveAs1, Printlist1,
                          Database1->menuAction(), RentRevert1->menuAction(), Properties1,
                          Recordinformation1, Recordinformation2};
    // A disabled menu keeps its items' shortcuts from reaching them.
    for (QAction* a : Database1->actions())
        catalogueCommands_.push_back(a);
    for (QMenu* m : {SortTitle1, ViewLentFilms1})
        for (QAction* a : m->actions())
            catalogueCommands_.push_back(a);
    for (QAction* a : RentRevert1->actions())
        catalogueCommands_.push_back(a);
}

void TForm1::buildStatusBar()
{
    const int widths[10] = {130, 130, 90, 180, 215, 35, 30, 40, 100, 50};
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 10; ++i) {
        auto* l = new QLabel(bar);
        l->setObjectName(QStringLiteral("Panel%1").arg(i));
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        // The widths are the least a panel gets; a larger font widens them.
        l->setMinimumWidth(widths[i]);
        l->setAlignment((i >= 5 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        bar->addWidget(l);
        Panels[size_t(i)] = l;
    }
}

QString TForm1::panel(int index) const
{
    return Panels.at(size_t(index))->text();
}

void TForm1::setPanel(int index, const QString& text)
{
    Panels.at(size_t(index))->setText(text);
}

// ---- lifecycle ----------------------------------------------------------

void TForm1::FormCreate()
{
    auto& s = app.settings;
    // A settings store that cannot be read is reported once; the program
    // then goes on with the defaults the setup utility would have written.
    if (!app.reporter.run([&] {
            Registry reg(app.svc.registryPath);
            ReadSettings(reg, s);
        }))
        s = Settings{};

    app.UpdateLockIndicators();

    if (s.AutoOpen) {
        app.cat.SetDatabasePath(s.LastUsed);
        setPanel(3, "Open database is: " + KorvantApp::pathText(app.cat.DatabaseName));
        app.cat.LentCount = 0;
        bool ok = app.reporter.run([&] {
            ReadCatalogue(ReadMode::StartUp);
            RefreshGrid();
            app.cat.RowCount = StringGrid1->RowCount();
            ProgressBar1->setValue(app.cat.RowCount - 1);
            app.cat.DatabaseOpen = true;
            app.cat.CountLent();
        });
        if (!ok) {
            app.cat.SetDatabasePath("");
            setPanel(3, "Database is not open");
        }
    } else {
        setPanel(3, "Database is not open");
    }
    setPanel(4, s.AutoSave ? "Autosave is active" : "Autosave is not active");
}

void TForm1::FormActivate()
{
    app.MainWindowActive = true;
    PopupAutoPopup = true;
}

void TForm1::FormDeactivate()
{
    app.MainWindowActive = false;
    PopupAutoPopup = false;
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        app.reporter.run([this] {
            if (isActiveWindow())
                FormActivate();
            else
                FormDeactivate();
        });
}

bool TForm1::FormCloseQuery()
{
    if (!app.cat.Modified)
        return true;
    switch (app.svc.dialogs.messageBox(this, KorvantApp::pathText(app.cat.SavePrompt),
                                       QStringLiteral("Skelvora"), MsgButtons::YesNoCancel,
                                       MsgIcon::Exclamation, MsgAnswer::Yes)) {
    case MsgAnswer::Yes:
        WriteCatalogue();  // a failing save keeps the program open
        return true;
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

void TForm1::FormClose()
{
    Registry reg(app.svc.registryPath);
    WriteSettings(reg, app.settings);
    app.cat.Table.DiscardAll();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    bool allowed = false;
    app.reporter.run([&] { allowed = FormCloseQuery(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    app.reporter.run([this] { FormClose(); });
    event->accept();
    emit app.programEnds();
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::About1Click()
{
    app.AboutBox->ShowModeless();
}

// ---- grid and status bar -------------------------------------------------

void TForm1::clampCurrentRow()
{
    // The selection always names an existing data row.
    const int last = std::max(1, app.cat.RowCount - 1);
    if (app.CurrentRow > last || app.CurrentRow < 1) {
        app.CurrentRow = std::clamp(app.CurrentRow, 1, last);
        StringGrid1->SelectQuietly(app.CurrentColumn, app.CurrentRow);
    }
}

void TForm1::RefreshGrid()
{
    auto& cat = app.cat;
    cat.RowCount = StringGrid1->RowCount();
    StringGrid1->BeginUpdate();
    for (int k = 1; k < cat.RowCount; ++k) {
        const TCD& r = cat.Table.ensure(k);
        StringGrid1->SetCell(0, k, std::to_string(r.ID));
        StringGrid1->SetCell(1, k, r.PrimaryName);
        StringGrid1->SetCell(2, k, r.SecondaryName);
        StringGrid1->SetCell(3, k, r.Occupier);
        StringGrid1->SetCell(4, k, RentTimeTextOrEmpty(r.RentTime, app.svc.names));
    }
    StringGrid1->EndUpdate();
    if (cat.DatabaseOpen)
        clampCurrentRow();
}

void TForm1::ShowPosition()
{
    setPanel(1, "Current Position " + Num(app.CurrentRow) + "/" + Num(StringGrid1->RowCount() - 1));
}

void TForm1::StringGrid1SelectCell(int column, int row)
{
    if (!app.cat.DatabaseOpen)
        return;
    app.CurrentRow = row;
    app.CurrentColumn = column;
    ShowPosition();
}

void TForm1::StatusTimerStep()
{
    const auto& cat = app.cat;
    if (cat.DatabaseOpen) {
        const TCD* first = cat.Table.at(1);
        if (cat.RowCount == 2 && (!first || IsEmptyText(first->PrimaryName))) {
            setPanel(0, QStringLiteral("Empty database"));
            setPanel(2, QString());
        } else {
            setPanel(0, "CD in database: " + Num(cat.RowCount - 1));
            setPanel(2, "Loan CD: " + Num(cat.LentCount));
        }
        if (cat.RowCount == kMaxRowCount)
            setPanel(0, QStringLiteral("Full database"));
    }
    const Moment now = app.svc.clock.now();
    setPanel(8, app.ui(FormatMoment(now, "d.mmmm.yyyy", app.svc.names)));
    setPanel(9, LongTimeText(now));
    Save1->setEnabled(cat.Modified);
    ToolButton1->setEnabled(cat.Modified);
}

void TForm1::SetCatalogueCommands(bool enabled)
{
    for (QAction* a : catalogueCommands_)
        a->setEnabled(enabled);
}

void TForm1::PopupMenu1Popup()
{
    if (!app.MainWindowActive || app.LentListActive)
        return;
    const bool open = app.cat.DatabaseOpen;
    for (QAction* a : {AddRecond1, EditRecord1, RemoveRecord3, SortTitle3->menuAction(), ByOrigName2,
                       BySlovakName2, ByID2, Rent3, Revert3, Viewlentfilms2->menuAction(),
                       Alllentflims1, Occupierslist2})
        a->setEnabled(open);
}

void TForm1::showPopup(const QPoint& globalPos)
{
    if (PopupAutoPopup)
        PopupMenu1->popup(globalPos);
}

void TForm1::ApplyHints(bool hints, bool withShortcuts)
{
    app.ShowHints = hints;
    for (auto& [button, twin] : toolHints_) {
        QString tip = button->text();
        if (withShortcuts && twin && !twin->shortcut().isEmpty())
            tip += " (" + twin->shortcut().toString(QKeySequence::NativeText) + ")";
        button->setToolTip(tip);
    }
}

// ---- the catalogue file ---------------------------------------------------

void TForm1::ReadCatalogue(ReadMode mode)
{
    auto& cat = app.cat;
    // The whole file is understood before anything changes.
    CatalogueImage img = ReadCatalogueFile(cat.DatabasePath);

    cat.RowCount = img.Header.RowCount;
    cat.CreatedTime = img.Header.CreatedTime;
    cat.LastID = img.Header.LastID;
    cat.GridColor = img.Header.GridColor;
    cat.FontColor = img.Header.FontColor;

    StringGrid1->SetRowCount(cat.RowCount);
    StringGrid1->SetColors(cat.GridColor, cat.FontColor);
    if (mode == ReadMode::Open)
        app.Form4->StringGrid1->SetColors(cat.GridColor, cat.FontColor);

    cat.Table = std::move(img.Table);

    const TCD& head = cat.Table.ensure(0);
    StringGrid1->BeginUpdate();
    StringGrid1->SetCell(0, 0, "ID");
    StringGrid1->SetCell(1, 0, head.PrimaryName);
    StringGrid1->SetCell(2, 0, head.SecondaryName);
    StringGrid1->SetCell(3, 0, "Occupier");
    StringGrid1->SetCell(4, 0, "RentTime");
    StringGrid1->EndUpdate();

    SetCatalogueCommands(true);
    ShowPosition();

    if (mode == ReadMode::Open) {
        app.Form9->SetAccessed(app.ui(app.nowText(kShortMomentPattern)));
        app.settings.LastUsed = cat.DatabasePath;
        app.Form6->CheckBox4->setEnabled(true);
    }
}

void TForm1::WriteCatalogue()
{
    auto& cat = app.cat;
    if (cat.DatabasePath.empty())
        throw CatalogueError("No catalogue is open");
    cat.RowCount = StringGrid1->RowCount();
    CatalogueHeader h;
    h.RowCount = cat.RowCount;
    h.CreatedTime = cat.CreatedTime;
    h.LastID = cat.LastID;
    h.GridColor = cat.GridColor;
    h.FontColor = cat.FontColor;
    // A failing write throws here: Modified and LastUsed stay as they were.
    WriteCatalogueFile(cat.DatabasePath, h, StringGrid1->Cell(1, 0), StringGrid1->Cell(2, 0), cat.Table);
    ++CataloguesWritten;
    cat.Modified = false;
    std::exception_ptr occupierFailure;
    try {
        SaveOccupierFile(app.occupierFilePath(), app.Form3->OccupierEntries());
    } catch (...) {
        occupierFailure = std::current_exception();
    }
    app.Form6->CheckBox4->setEnabled(true);
    app.settings.LastUsed = cat.DatabasePath;
    if (occupierFailure)
        std::rethrow_exception(occupierFailure);
}

} // namespace skelvora
