#include "app_fixture.h"
#include "tform1.h"
#include "tform2.h"
#include "tform6.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>

using namespace skelvora;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {
const int kLoan = 779046191;  // 15 March 2003, 9:41:30
}

class MainWindow : public AppFixture {
protected:
    void startWith(const std::string& lastUsed)
    {
        Settings s;
        s.AutoOpen = true;
        s.LastUsed = lastUsed;
        writeSettings(s);
        start();
    }
};

TEST_F(MainWindow, StartsWithoutCatalogueWhenAutoOpenIsOff)
{
    writeCatalogue("films.fmd", {Record(1, "Alien")});
    Settings s;
    s.LastUsed = file("films.fmd");
    writeSettings(s);
    start();
    EXPECT_EQ(main().windowTitle(), "Skelvora");
    EXPECT_EQ(main().StringGrid1->RowCount(), 2);
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(main().panel(3), "Database is not open");
    EXPECT_EQ(main().panel(4), "Autosave is not active");
    EXPECT_FALSE(app->cat.DatabaseOpen);
    for (QAction* a : {main().Save1, main().Closedatabase1, main().InsertItem1, main().Rent1,
                       main().ToolButton10, main().ToolButton19, main().Properties1})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    for (QAction* a : {main().New1, main().Open1, main().PrintSetup1, main().Settings1, main().About1, main().Exit1})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(MainWindow, AutoOpenShowsTheLastCatalogue)
{
    writeCatalogue("films.fmd", {Record(1, "Alien", "Vetrelec", "Eva", kLoan), Record(2, "Brazil"), Record(3, "Casablanca")});
    startWith(file("films.fmd"));
    EXPECT_TRUE(app->cat.DatabaseOpen);
    EXPECT_EQ(main().StringGrid1->RowCount(), 4);
    EXPECT_EQ(cell(0, 0), "ID");
    EXPECT_EQ(cell(1, 0), "Title ");
    EXPECT_EQ(cell(2, 0), "Original ");
    EXPECT_EQ(cell(3, 0), "Occupier");
    EXPECT_EQ(cell(4, 0), "RentTime");
    EXPECT_EQ(cell(0, 1), "1");
    EXPECT_EQ(cell(1, 1), "Alien ");
    EXPECT_EQ(cell(3, 1), "Eva ");
    EXPECT_EQ(cell(4, 1), "Saturday, 15. March 2003, 9:41:30");
    EXPECT_EQ(cell(4, 2), "");
    EXPECT_EQ(main().panel(3), "Open database is: films.fmd");
    EXPECT_EQ(main().panel(1), "Current Position 1/3");
    EXPECT_EQ(main().ProgressBar1->value(), 3);
    EXPECT_EQ(app->cat.LentCount, 1);
    EXPECT_TRUE(main().InsertItem1->isEnabled());
    EXPECT_TRUE(main().Recordinformation2->isEnabled());
    tick();
    EXPECT_EQ(main().panel(0), "CD in database: 3");
    EXPECT_EQ(main().panel(2), "Loan CD: 1");
    EXPECT_EQ(main().panel(8), "11.December.2026");
    EXPECT_FALSE(main().Save1->isEnabled());  // nothing unsaved yet
    EXPECT_FALSE(main().ToolButton1->isEnabled());
}

TEST_F(MainWindow, DamagedOrMissingLastCatalogueLeavesNoCatalogueOpen)
{
    WriteBytes(file("broken.fmd"), "5 0 1 0 0 1 0 0 0 x \xA4 ");
    for (const std::string& name : {std::string("broken.fmd"), std::string("gone.fmd")}) {
        dialogs.clear();
        startWith(file(name));
        ASSERT_EQ(dialogs.messages().size(), 1) << name;
        EXPECT_TRUE(dialogs.lastMessage()->text.contains(qfile(name))) << dialogs.lastMessage()->text.toStdString();
        EXPECT_EQ(dialogs.lastMessage()->caption, "Skelvora");
        EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Stop);
        EXPECT_FALSE(app->cat.DatabaseOpen);
        EXPECT_EQ(main().panel(3), "Database is not open");
        EXPECT_FALSE(main().InsertItem1->isEnabled());
        app.reset();
    }
}

TEST_F(MainWindow, BrokenSettingsStoreIsReportedOnceAndDefaultsApply)
{
    WriteBytes(file("registry.reg"), "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\r\n\"AutoSave\"=dword:00000001\r\n");
    start();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.lastMessage()->text.contains("\"Time\"")) << dialogs.lastMessage()->text.toStdString();
    EXPECT_EQ(app->settings.Time, 10);
    EXPECT_FALSE(app->settings.AutoSave);
    EXPECT_EQ(main().panel(3), "Database is not open");
    EXPECT_EQ(main().panel(4), "Autosave is not active");
}

TEST_F(MainWindow, StatusPanelsFollowTheCatalogue)
{
    writeCatalogue("one.fmd", {Record(1, "Alien")});
    writeCatalogue("empty.fmd", {});
    startWith(file("empty.fmd"));
    tick();
    EXPECT_EQ(main().panel(0), "Empty database");
    EXPECT_EQ(main().panel(2), "");
    main().Save1Click();  // the placeholder's name is now a single blank
    EXPECT_EQ(app->cat.Table.at(1)->PrimaryName, " ");
    tick();
    EXPECT_EQ(main().panel(0), "Empty database");

    openCatalogue("one.fmd");
    tick();
    EXPECT_EQ(main().panel(0), "CD in database: 1");
    EXPECT_EQ(main().panel(2), "Loan CD: 0");
    EXPECT_FALSE(main().Save1->isEnabled());
    app->cat.Modified = true;
    tick();
    EXPECT_TRUE(main().Save1->isEnabled());
    EXPECT_TRUE(main().ToolButton1->isEnabled());

    std::vector<TCD> full;
    for (int i = 1; i <= kCapacity; ++i)
        full.push_back(Record(i, "Item " + std::to_string(i)));
    writeCatalogue("full.fmd", full);
    dialogs.answers.push_back(MsgAnswer::No);
    openCatalogue("full.fmd");
    tick();
    EXPECT_EQ(main().panel(0), "Full database");
    EXPECT_EQ(main().panel(1), "Current Position 1/1999");
}

TEST_F(MainWindow, SelectingACell)
{
    start();
    select(1, 2);
    EXPECT_EQ(app->CurrentRow, 1);
    EXPECT_EQ(main().panel(1), "");  // no catalogue: nothing changes

    writeCatalogue("films.fmd", {Record(1, "A"), Record(2, "B"), Record(3, "C")});
    openCatalogue("films.fmd");
    select(3, 2);
    EXPECT_EQ(app->CurrentRow, 3);
    EXPECT_EQ(app->CurrentColumn, 2);
    EXPECT_EQ(main().panel(1), "Current Position 3/3");

    // A smaller catalogue keeps the selection on an existing row.
    writeCatalogue("small.fmd", {Record(1, "A")});
    openCatalogue("small.fmd");
    EXPECT_EQ(app->CurrentRow, 1);
}

TEST_F(MainWindow, CloseQuestionAnswers)
{
    writeCatalogue("films.fmd", {Record(1, "Alien")});
    const std::string before = ReadBytes(file("films.fmd"));

    startWith(file("films.fmd"));
    main().close();
    EXPECT_TRUE(dialogs.messages().isEmpty());  // nothing unsaved: nothing asked
    app.reset();

    for (MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::No, MsgAnswer::Yes}) {
        dialogs.clear();
        startWith(file("films.fmd"));
        app->cat.Table.at(1)->PrimaryName = "Changed";
        app->cat.Modified = true;
        dialogs.answers.push_back(answer);
        const bool closed = main().close();
        ASSERT_EQ(dialogs.messages().size(), 1);
        const auto* box = dialogs.lastMessage();
        EXPECT_EQ(box->text, "Database films.fmd was changed. Do you want save it?");
        EXPECT_EQ(box->buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(box->icon, MsgIcon::Exclamation);
        EXPECT_EQ(box->defaultButton, MsgAnswer::Yes);
        EXPECT_EQ(closed, answer != MsgAnswer::Cancel);
        if (answer == MsgAnswer::Yes)
            EXPECT_NE(ReadBytes(file("films.fmd")).find("Changed"), std::string::npos);
        else
            EXPECT_EQ(ReadBytes(file("films.fmd")), before);
        app.reset();
    }
}

TEST_F(MainWindow, YesWithAFailingSaveKeepsTheProgramOpen)
{
    writeCatalogue("films.fmd", {Record(1, "Alien")});
    startWith(file("films.fmd"));
    app->cat.Modified = true;
    std::filesystem::remove(file("films.fmd"));
    std::filesystem::create_directory(file("films.fmd"));  // the save cannot replace a folder
    dialogs.answers.push_back(MsgAnswer::Yes);
    EXPECT_FALSE(main().close());
    EXPECT_TRUE(app->cat.Modified);
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_TRUE(dialogs.messages()[1].startsWith("Cannot create file " + qfile("films.fmd")));
    EXPECT_TRUE(main().isVisible());
}

TEST_F(MainWindow, SettingsAreWrittenAtTheEnd)
{
    writeCatalogue("films.fmd", {Record(1, "Alien")});
    start();
    openCatalogue("films.fmd");
    app->settings.Time = 25;
    main().close();
    Registry reg(file("registry.reg"));
    Settings s;
    ReadSettings(reg, s);
    EXPECT_EQ(s.LastUsed, file("films.fmd"));
    EXPECT_EQ(s.Time, 25);
    EXPECT_EQ(app->cat.Table.at(1), nullptr);  // records discarded
}

TEST_F(MainWindow, GuardedShortcutDoesNothingWhileADialogIsActive)
{
    writeCatalogue("films.fmd", {Record(1, "Alien")});
    startWith(file("films.fmd"));
    QTest::keyClick(main().StringGrid1, Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(app->Form2->isVisible());
    EXPECT_EQ(app->Form2->windowTitle(), "Add Record");
    activate(app->Form2.get());
    EXPECT_FALSE(app->MainWindowActive);
    app->Form2->Edit1->setText("typed");
    QTest::keyClick(app->Form2->Edit1, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(app->Form2->Edit1->text(), "typed");  // not a second, fresh Add
    // Ctrl+1 from the dialog does not sort either.
    app->cat.Modified = false;
    QTest::keyClick(app->Form2->Edit1, Qt::Key_1, Qt::ControlModifier);
    EXPECT_FALSE(app->cat.Modified);
    activateMain();
    EXPECT_TRUE(app->MainWindowActive);
    QTest::keyClick(main().StringGrid1, Qt::Key_1, Qt::ControlModifier);
    EXPECT_TRUE(app->cat.Modified);
}

TEST_F(MainWindow, LockIndicatorsFollowPreviewedKeys)
{
    start();
    EXPECT_EQ(main().panel(5), "");
    locks.current = {true, true, false};
    QTest::keyClick(main().StringGrid1, Qt::Key_Down);
    EXPECT_EQ(main().panel(5), "ABC");
    EXPECT_EQ(main().panel(6), "123");
    EXPECT_EQ(main().panel(7), "");

    // The record dialog previews: a key in its edit box counts.
    locks.current = {false, false, true};
    app->Form2->show();
    QTest::keyClick(app->Form2->Edit1, Qt::Key_X);
    EXPECT_EQ(main().panel(7), "SCRL");
    EXPECT_EQ(main().panel(5), "");

    // The settings dialog does not: a key its spin box takes is not seen.
    locks.current = {true, false, false};
    app->Form6->show();
    app->Form6->CSpinEdit1->setEnabled(true);
    QTest::keyClick(app->Form6->CSpinEdit1, Qt::Key_Up);
    EXPECT_EQ(main().panel(5), "");
    QTest::keyClick(app->Form6.get(), Qt::Key_F5);
    EXPECT_EQ(main().panel(5), "ABC");
}

TEST_F(MainWindow, EveryCommandIsInItsMenuWithItsShortcut)
{
    start();
    struct Item {
        QAction* action;
        const char* caption;
        const char* shortcut;
    } items[] = {
        {main().New1, "&New...", "Ctrl+N"}, {main().Open1, "&Open...", "Ctrl+O"},
        {main().Closedatabase1, "&Close...", ""}, {main().Save1, "&Save...", "Ctrl+S"},
        {main().SaveAs1, "S&ave As...", ""}, {main().Printlist1, "&Print...", "Ctrl+P"},
        {main().PrintSetup1, "P&rint Setup", ""}, {main().Properties1, "Prop&erties", "Alt+Return"},
        {main().Exit1, "E&xit", "Alt+F4"}, {main().InsertItem1, "&Add Record", "Alt+A"},
        {main().EditRecond1, "&Edit Record", "Alt+E"}, {main().RemoveRecord1, "&Remove Record", "Alt+R"},
        {main().ByOrigName1, "By &Primary Name", "Ctrl+1"}, {main().BySlovakName1, "By &Secondary Name", "Ctrl+2"},
        {main().ByOccupier1, "By &ID", "Ctrl+3"}, {main().Alllent1, "A&ll Lent Flims", "F11"},
        {main().Occupierslist1, "&Occupiers List", "F12"}, {main().Recordinformation1, "Record &Information", "Ctrl+I"},
        {main().Rent1, "R&ent", "F9"}, {main().Revert1, "Re&vert", "F10"},
        {main().Settings1, "&Settings", "F2"}, {main().About1, "&About...", "F1"},
    };
    for (const auto& i : items) {
        EXPECT_EQ(i.action->text(), i.caption);
        EXPECT_EQ(i.action->shortcut().toString(), i.shortcut) << i.caption;
        if (*i.shortcut) {
            EXPECT_EQ(i.action->shortcutContext(), Qt::ApplicationShortcut) << i.caption;
        }
    }
    QStringList menus;
    for (QAction* a : main().menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Action", "&Program"}));

    QStringList tools;
    for (QAction* a : main().ToolBar1->actions())
        tools << (a->isSeparator() ? "|" : a->toolTip().isEmpty() ? "_" : a->toolTip());
    EXPECT_EQ(tools, QStringList({"New database", "Open database", "Save database", "_", "Print...", "|",
                                  "Add record", "Remove record", "|", "Sort by primary name",
                                  "Sort by secondary name", "Sort by ID", "|", "Rent film", "Revert film", "_",
                                  "All lent films", "Record information"}));

    QStringList popup;
    for (QAction* a : main().PopupMenu1->actions())
        if (!a->isSeparator())
            popup << a->text();
    EXPECT_EQ(popup, QStringList({"&Add Record\tAlt+A", "&Edit Record\tAlt+E", "&Remove Record\tAlt+R",
                                  "&Sort Title", "R&ent\tF9", "Re&vert\tF10", "&View lent films",
                                  "Record &information\tCtrl+I"}));
    EXPECT_EQ(main().ProgressBar1->toolTip(), "Status indicator");
}

TEST_F(MainWindow, PopupItemsFollowTheOpenCatalogue)
{
    start();
    main().PopupMenu1Popup();
    EXPECT_FALSE(main().AddRecond1->isEnabled());
    EXPECT_FALSE(main().Alllentflims1->isEnabled());
    writeCatalogue("films.fmd", {Record(1, "A")});
    openCatalogue("films.fmd");
    main().PopupMenu1Popup();
    EXPECT_TRUE(main().AddRecond1->isEnabled());
    EXPECT_TRUE(main().ByID2->isEnabled());
    // While another window is active the items keep their state.
    main().CloseStep();
    app->MainWindowActive = false;
    main().PopupMenu1Popup();
    EXPECT_TRUE(main().AddRecond1->isEnabled());
}

TEST_F(MainWindow, DamagedStoredDateShowsEmptyWithoutFailingTheGrid)
{
    writeCatalogue("films.fmd", {Record(1, "Alien", "", "Eva", 1), Record(2, "Brazil", "", "Bob", kLoan)});
    startWith(file("films.fmd"));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(cell(4, 1), "");
    EXPECT_EQ(cell(4, 2), "Saturday, 15. March 2003, 9:41:30");
}
