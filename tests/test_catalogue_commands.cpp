#include "app_fixture.h"
#include "catalogue_file.h"
#include "sorting.h"
#include "tform1.h"
#include "tform2.h"
#include "tform8.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

using namespace skelvora;
using testsupport::ReadBytes;

namespace {
const int32_t kNowPacked = PackMoment({2026, 12, 11, 14, 5, 7});
}

class Commands : public AppFixture {
protected:
    void SetUp() override { start(); }

    // File > New with two titles, saved as name.
    void newCatalogue(const std::string& name, const QString& primary = "Film", const QString& secondary = "Orig")
    {
        main().New1->trigger();
        app->Form8->Edit1->setText(primary);
        app->Form8->Edit2->setText(secondary);
        dialogs.files.push_back(qfile(name));
        app->Form8->btnOKf8->click();
    }
    // Edit > Add Record, filled and confirmed.
    void add(const QString& primary, const QString& secondary = "", int type = 0)
    {
        activateMain();
        main().InsertItem1->trigger();
        app->Form2->Edit1->setText(primary);
        app->Form2->Edit2->setText(secondary);
        app->Form2->SetMediaTypeIndex(type);
        app->Form2->btnOKf2->click();
    }
    void removeRow(int row, MsgAnswer answer = MsgAnswer::Yes)
    {
        activateMain();
        select(row);
        dialogs.answers.push_back(answer);
        main().RemoveRecord1->trigger();
    }
    std::vector<int> ids() const
    {
        std::vector<int> out;
        for (int k = 1; k < app->cat.RowCount; ++k)
            out.push_back(app->cat.Table.at(k)->ID);
        return out;
    }
};

TEST_F(Commands, NewCatalogueIsOnDiskAtOnceAndReopensWithItsTitles)
{
    main().New1->trigger();
    EXPECT_TRUE(app->Form8->isVisible());
    EXPECT_EQ(app->Form8->Edit1->text(), "Primary name");
    EXPECT_EQ(app->Form8->Edit2->text(), "Secondary name");
    app->Form8->Edit1->setText("Film");
    app->Form8->Edit2->setText("Orig");
    dialogs.files.push_back(qfile("new.fmd"));
    app->Form8->btnOKf8->click();

    const auto& save = dialogs.shown.back();
    EXPECT_EQ(save.kind, ScriptedDialogs::Kind::Save);
    EXPECT_EQ(save.file.initialName, "NONAME");
    EXPECT_EQ(save.file.defaultSuffix, "fmd");
    EXPECT_EQ(save.file.filter, "Film database (*.fmd)");
    EXPECT_TRUE(save.file.confirmOverwrite);
    EXPECT_FALSE(app->Form8->isVisible());
    EXPECT_TRUE(app->cat.DatabaseOpen);
    EXPECT_FALSE(app->cat.Modified);
    EXPECT_EQ(main().panel(3), "Open database is: new.fmd");
    EXPECT_EQ(main().panel(1), "Current Position 1/1");
    EXPECT_EQ(cell(4, 0), "Rent time");
    EXPECT_TRUE(main().InsertItem1->isEnabled());
    EXPECT_EQ(ReadBytes(file("new.fmd")),
              "2 " + std::to_string(kNowPacked) + " 1 16777215 -16777208 0 0 0 0 "
              "Film \xA4 Orig \xA4 RentTime \xA4 Last_occupier \xA4   \xA4   \xA4   \xA4   \xA4 ");

    main().Closedatabase1->trigger();
    EXPECT_EQ(main().panel(3), "Database is not open");
    EXPECT_EQ(cell(1, 0), "");
    openCatalogue("new.fmd");
    EXPECT_EQ(main().StringGrid1->RowCount(), 2);
    EXPECT_EQ(cell(1, 0), "Film ");
    EXPECT_EQ(cell(2, 0), "Orig ");
    EXPECT_EQ(cell(0, 1), "0");
    EXPECT_EQ(app->cat.CreatedTime, kNowPacked);
    EXPECT_EQ(app->cat.LastID, 1);
}

TEST_F(Commands, NewCancelledOrUnwritableLeavesTheDialogAndNoCatalogue)
{
    main().New1->trigger();
    app->Form8->btnOKf8->click();  // the save dialog is cancelled
    EXPECT_TRUE(app->Form8->isVisible());
    EXPECT_FALSE(app->cat.DatabaseOpen);

    dialogs.files.push_back(qfile("no/such/folder/new.fmd"));
    app->Form8->btnOKf8->click();
    EXPECT_TRUE(app->Form8->isVisible());
    EXPECT_FALSE(app->cat.DatabaseOpen);
    EXPECT_TRUE(dialogs.lastMessage()->text.startsWith("Cannot create file " + qfile("no/such/folder/new.fmd")));
    EXPECT_FALSE(main().InsertItem1->isEnabled());
    EXPECT_EQ(cell(1, 0), "");

    // Escape cancels and empties the two titles.
    QTest::keyClick(app->Form8->Edit1, Qt::Key_Escape);
    EXPECT_FALSE(app->Form8->isVisible());
    EXPECT_EQ(app->Form8->Edit1->text(), "");
}

TEST_F(Commands, TitlesThatCannotBeStoredAreRefused)
{
    main().New1->trigger();
    for (QString bad : {QString::fromUtf8("Price \u00A4 list"), QString::fromUtf8("Jiří")}) {
        dialogs.clear();
        app->Form8->Edit1->setText(bad);
        app->Form8->btnOKf8->click();
        ASSERT_EQ(dialogs.messages().size(), 1) << bad.toStdString();
        EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Stop);
        EXPECT_TRUE(app->Form8->isVisible());
        EXPECT_EQ(app->Form8->Edit1->text(), bad);  // kept as typed
        EXPECT_FALSE(app->cat.DatabaseOpen);
    }
}

TEST_F(Commands, SaveQuestionBeforeCloseNewAndOpen)
{
    writeCatalogue("other.fmd", {Record(1, "Other")});
    enum Cmd { Close, New, Open };
    for (Cmd cmd : {Close, New, Open}) {
        for (MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel}) {
            writeCatalogue("films.fmd", {Record(1, "Alien")});
            openCatalogue("films.fmd");
            app->cat.Table.at(1)->PrimaryName = "Changed";
            app->cat.Modified = true;
            dialogs.clear();
            dialogs.answers.push_back(answer);
            if (cmd == Open)
                dialogs.files.push_back(qfile("other.fmd"));
            (cmd == Close ? main().Closedatabase1 : cmd == New ? main().New1 : main().Open1)->trigger();
            ASSERT_GE(dialogs.messages().size(), 1);
            EXPECT_EQ(dialogs.messages()[0], "Database films.fmd was changed. Do you want save it?");
            const bool saved = ReadBytes(file("films.fmd")).find("Changed") != std::string::npos;
            EXPECT_EQ(saved, answer == MsgAnswer::Yes) << cmd << int(answer);
            if (answer == MsgAnswer::Cancel) {
                EXPECT_TRUE(app->CloseCancelled);
                EXPECT_TRUE(app->cat.DatabaseOpen);
                EXPECT_EQ(app->cat.DatabaseName, "films.fmd");
                EXPECT_FALSE(app->Form8->isVisible());
                EXPECT_EQ(dialogs.shown.size(), 1u);  // no further dialog
            } else {
                EXPECT_FALSE(app->CloseCancelled);
                EXPECT_EQ(app->cat.DatabaseOpen, cmd == Open);
                EXPECT_EQ(app->Form8->isVisible(), cmd == New);
                if (cmd == Open) {
                    EXPECT_EQ(app->cat.DatabaseName, "other.fmd");
                }
            }
            app->Form8->Close();
            if (app->cat.DatabaseOpen) {
                app->cat.Modified = false;
                main().CloseStep();
            }
        }
    }
}

TEST_F(Commands, OpenCancelledLeavesTheClosedCatalogueClosed)
{
    writeCatalogue("films.fmd", {Record(1, "Alien", "", "Eva "), Record(2, "B", "", " "), Record(3, "C", "", "Bob ")});
    openCatalogue("films.fmd");
    EXPECT_EQ(app->cat.LentCount, 2);
    main().Open1->trigger();  // cancelled
    EXPECT_EQ(dialogs.shown.back().file.title, "Open database");
    EXPECT_FALSE(app->cat.DatabaseOpen);
    EXPECT_EQ(main().panel(3), "Database is not open");
    EXPECT_EQ(main().StringGrid1->RowCount(), 2);
}

TEST_F(Commands, SaveKeepsAndSaveAsRenewsTheCreationTime)
{
    writeCatalogue("films.fmd", {Record(1, "Alien")});
    openCatalogue("films.fmd");
    const int32_t created = app->cat.CreatedTime;
    ASSERT_NE(created, kNowPacked);
    app->cat.Modified = true;
    main().Save1->trigger();
    EXPECT_FALSE(app->cat.Modified);
    EXPECT_EQ(ParseCatalogue(ReadBytes(file("films.fmd")), "x").Header.CreatedTime, created);

    dialogs.files.push_back(qfile("copy.fmd"));
    main().SaveAs1->trigger();
    EXPECT_EQ(app->cat.DatabaseName, "copy.fmd");
    EXPECT_EQ(main().panel(3), "Open database is: copy.fmd");
    EXPECT_EQ(app->cat.SavePrompt, "Database copy.fmd was changed. Do you want save it?");
    EXPECT_EQ(ParseCatalogue(ReadBytes(file("copy.fmd")), "x").Header.CreatedTime, kNowPacked);
    EXPECT_EQ(app->settings.LastUsed, file("copy.fmd"));
    // The save dialog starts with the name it last held.
    main().SaveAs1->trigger();
    EXPECT_EQ(dialogs.shown.back().file.initialName, qfile("copy.fmd"));

    // A Save As that fails keeps the old name, creation time and Modified.
    app->cat.Modified = true;
    dialogs.files.push_back(qfile("missing/x.fmd"));
    main().SaveAs1->trigger();
    EXPECT_EQ(app->cat.DatabaseName, "copy.fmd");
    EXPECT_EQ(app->cat.DatabasePath, file("copy.fmd"));
    EXPECT_TRUE(app->cat.Modified);
    EXPECT_EQ(app->settings.LastUsed, file("copy.fmd"));
}

TEST_F(Commands, FirstAndSecondAddInANewCatalogue)
{
    newCatalogue("new.fmd");
    EXPECT_EQ(main().ProgressBar1->value(), 0);
    add("Alien", "Vetrelec", 2);
    EXPECT_EQ(ids(), std::vector<int>({1}));
    EXPECT_EQ(app->cat.LastID, 1);
    EXPECT_EQ(main().ProgressBar1->value(), 0);  // the first Add fills the placeholder
    EXPECT_EQ(cell(1, 1), "Alien");
    EXPECT_EQ(app->cat.Table.at(1)->MediaType, 2);
    add("Brazil");
    EXPECT_EQ(ids(), std::vector<int>({1, 2}));
    EXPECT_EQ(app->cat.LastID, 2);
    EXPECT_EQ(main().ProgressBar1->value(), 2);
    EXPECT_EQ(cell(0, 2), "2");
    EXPECT_FALSE(app->Form2->isVisible());
    // The dialog's labels follow the titles, with a colon.
    EXPECT_EQ(app->Form2->Label1->text(), "Film:");
    EXPECT_EQ(app->Form2->Label2->text(), "Orig:");
    EXPECT_EQ(app->Form2->windowTitle(), "Add Record");
}

TEST_F(Commands, AddUpToCapacity)
{
    std::vector<TCD> records;
    for (int i = 1; i <= kCapacity - 1; ++i)
        records.push_back(Record(i, "Item"));
    writeCatalogue("big.fmd", records);
    openCatalogue("big.fmd");
    add("Last one");
    EXPECT_EQ(app->cat.RowCount, kMaxRowCount);
    EXPECT_EQ(ids().back(), kCapacity);
    app->cat.Modified = false;
    dialogs.clear();
    activateMain();
    main().InsertItem1->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.lastMessage()->text, "Database big.fmd is full. Please create new database");
    EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Stop);
    EXPECT_FALSE(app->Form2->isVisible());
    EXPECT_FALSE(app->cat.Modified);
}

TEST_F(Commands, RemovingRecordsKeepsIdsAndTheCounter)
{
    writeCatalogue("films.fmd", {Record(1, "A", "a", "Eva", 779046191, 3, 2, "Eva"), Record(2, "B", "b"),
                                 Record(3, "C", "c", "Bob", 779046191, 5, 1, "Bob"), Record(4, "D")});
    openCatalogue("films.fmd");
    ASSERT_EQ(app->cat.LentCount, 2);
    dialogs.clear();
    removeRow(2);
    EXPECT_EQ(dialogs.lastMessage()->text, "Do you really want to remove CD:B ");
    EXPECT_EQ(dialogs.lastMessage()->buttons, MsgButtons::YesNo);
    EXPECT_EQ(dialogs.lastMessage()->defaultButton, MsgAnswer::No);
    EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Exclamation);
    EXPECT_EQ(ids(), std::vector<int>({1, 3, 4}));
    const TCD& moved = *app->cat.Table.at(2);
    EXPECT_EQ(moved.Occupier, "Bob ");
    EXPECT_EQ(moved.MediaType, 5);
    EXPECT_EQ(moved.RentCount, 1);
    EXPECT_EQ(cell(1, 2), "C ");
    EXPECT_EQ(main().StringGrid1->RowCount(), 4);
    EXPECT_EQ(main().ProgressBar1->value(), 3);
    EXPECT_EQ(app->cat.LastID, 4);

    removeRow(1);  // a lent record
    EXPECT_EQ(app->cat.LentCount, 1);
    add("E");
    EXPECT_EQ(ids(), std::vector<int>({3, 4, 5}));

    app->cat.Modified = false;
    removeRow(1, MsgAnswer::No);
    EXPECT_EQ(ids(), std::vector<int>({3, 4, 5}));
    EXPECT_TRUE(app->cat.Modified);
}

TEST_F(Commands, RemovingTheOnlyRecordLeavesThePlaceholder)
{
    writeCatalogue("films.fmd", {Record(7, "Only", "", "Eva")});
    openCatalogue("films.fmd");
    app->cat.LastID = 7;
    removeRow(1);
    EXPECT_EQ(main().StringGrid1->RowCount(), 2);
    EXPECT_EQ(app->cat.Table.at(1)->ID, 0);
    EXPECT_EQ(app->cat.Table.at(1)->PrimaryName, "");
    EXPECT_EQ(app->cat.LentCount, 0);
    EXPECT_EQ(cell(0, 1), "0");
    add("Again");
    EXPECT_EQ(ids(), std::vector<int>({7}));  // the counter was not advanced
    EXPECT_EQ(app->cat.LastID, 7);
}

TEST_F(Commands, EditingThePlaceholderAndCancelledCommandsStillModify)
{
    newCatalogue("new.fmd");
    activateMain();
    main().EditRecond1->trigger();
    EXPECT_EQ(app->Form2->windowTitle(), "Edit Record");
    EXPECT_TRUE(app->cat.Modified);
    app->Form2->Edit1->setText("Named");
    app->Form2->btnOKf2->click();
    EXPECT_EQ(ids(), std::vector<int>({0}));
    add("Next");
    EXPECT_EQ(ids(), std::vector<int>({0, 2}));  // appended, not filled

    main().Save1->trigger();
    ASSERT_FALSE(app->cat.Modified);
    main().InsertItem1->trigger();
    QTest::keyClick(app->Form2->Edit1, Qt::Key_Escape);
    EXPECT_FALSE(app->Form2->isVisible());
    EXPECT_TRUE(app->cat.Modified);
    EXPECT_EQ(ids(), std::vector<int>({0, 2}));

    app->cat.Modified = false;
    activateMain();
    main().EditRecond1->trigger();
    app->Form2->btnCANCELf2->click();
    EXPECT_TRUE(app->cat.Modified);
    EXPECT_EQ(app->cat.Table.at(1)->PrimaryName, "Named");
}

TEST_F(Commands, AddNeverOverwritesABlankFirstRowThatOthersFollow)
{
    newCatalogue("new.fmd");
    add("");   // fills the placeholder with a record without names
    add("Zulu");
    activateMain();
    main().ByOrigName1->trigger();
    add("Alpha");
    EXPECT_EQ(ids(), std::vector<int>({1, 2, 3}));
    EXPECT_EQ(app->cat.Table.at(3)->PrimaryName, "Alpha");
}

TEST_F(Commands, EditFollowsItsRecordAcrossSortAndRemoval)
{
    writeCatalogue("films.fmd", {Record(1, "Zulu"), Record(2, "Alpha"), Record(3, "Mike")});
    openCatalogue("films.fmd");
    select(1);
    main().EditRecond1->trigger();  // Zulu
    activateMain();
    main().ByOrigName1->trigger();  // Zulu moves to row 3
    app->Form2->Edit1->setText("Zulu edited");
    app->Form2->btnOKf2->click();
    EXPECT_EQ(app->cat.Table.at(3)->PrimaryName, "Zulu edited");
    EXPECT_EQ(app->cat.Table.at(1)->PrimaryName, "Alpha ");

    activateMain();
    select(2);
    main().EditRecond1->trigger();  // Mike
    removeRow(2);
    app->Form2->Edit1->setText("lost");
    app->Form2->btnOKf2->click();
    EXPECT_FALSE(app->Form2->isVisible());
    for (int k = 1; k < app->cat.RowCount; ++k)
        EXPECT_NE(app->cat.Table.at(k)->PrimaryName, "lost");
}

TEST_F(Commands, RecordTextsThatCannotBeStoredKeepTheDialogOpen)
{
    newCatalogue("new.fmd");
    activateMain();
    main().InsertItem1->trigger();
    app->Form2->Edit1->setText(QString::fromUtf8("Alone \u00A4 mark"));
    app->Form2->btnOKf2->click();
    EXPECT_TRUE(app->Form2->isVisible());
    EXPECT_EQ(app->Form2->Edit1->text(), QString::fromUtf8("Alone \u00A4 mark"));
    EXPECT_TRUE(IsEmptyText(app->cat.Table.at(1)->PrimaryName));
    app->Form2->Edit1->setText(QString::fromUtf8("Am\u00E9lie 5\u00A4"));  // inside a word it is fine
    app->Form2->btnOKf2->click();
    EXPECT_FALSE(app->Form2->isVisible());
    EXPECT_EQ(app->cat.Table.at(1)->PrimaryName, "Am\xE9lie 5\xA4");
}

TEST_F(Commands, ClosingHidesTheRecordDialog)
{
    newCatalogue("new.fmd");
    activateMain();
    main().InsertItem1->trigger();
    main().Closedatabase1->trigger();
    EXPECT_FALSE(app->Form2->isVisible());
}

TEST(Sorting, StableByteOrderAndSignedIds)
{
    RecordTable t;
    const std::vector<std::pair<int, std::string>> rows = {
        {5, "banana"}, {-2, "Banana"}, {0, " space"}, {3, "\xE9" "clair"}, {7, "apple"}, {1, ""}, {4, "Banana"}, {2, "zebra"}};
    for (size_t i = 0; i < rows.size(); ++i) {
        TCD& r = t.reset(int(i) + 1);
        r.ID = rows[i].first;
        r.PrimaryName = rows[i].second;
        r.SecondaryName = i % 2 ? "same" : "other";
    }
    const int rowCount = int(rows.size()) + 1;
    auto order = [&] {
        std::vector<int> out;
        for (int k = 1; k < rowCount; ++k)
            out.push_back(t.at(k)->ID);
        return out;
    };
    SortRecords(t, rowCount, SortKey::ID);
    EXPECT_EQ(order(), std::vector<int>({-2, 0, 1, 2, 3, 4, 5, 7}));
    SortRecords(t, rowCount, SortKey::PrimaryName);
    // Empty, blank, upper case, lower case, bytes of 128 and up; ties keep the ID order.
    EXPECT_EQ(order(), std::vector<int>({1, 0, -2, 4, 7, 5, 2, 3}));
    SortRecords(t, rowCount, SortKey::SecondaryName);
    // Ties keep the order of the sort before.
    EXPECT_EQ(order(), std::vector<int>({0, 4, 7, 5, 1, -2, 2, 3}));
}

TEST_F(Commands, SortsRefreshAndModifyEvenWhenNothingMoves)
{
    writeCatalogue("films.fmd", {Record(3, "B", "y"), Record(1, "A", "z"), Record(2, "C", "x")});
    openCatalogue("films.fmd");
    activateMain();
    main().ByOccupier1->trigger();
    EXPECT_EQ(ids(), std::vector<int>({1, 2, 3}));
    EXPECT_EQ(cell(0, 1), "1");
    main().BySlovakName1->trigger();
    EXPECT_EQ(ids(), std::vector<int>({2, 3, 1}));
    main().ByOrigName1->trigger();
    EXPECT_EQ(ids(), std::vector<int>({1, 3, 2}));
    main().Save1->trigger();
    main().ByOrigName1->trigger();
    EXPECT_TRUE(app->cat.Modified);
    EXPECT_EQ(app->cat.LastID, 3);
}

TEST_F(Commands, FullCatalogueBuiltThroughTheCommandsReadsBackEqual)
{
    newCatalogue("full.fmd", "Name", "Other");
    for (int i = 1; i <= kCapacity; ++i)
        add(QString("Item %1").arg(i), i % 3 ? QString("Sub %1").arg(i) : QString(), i % kMediaTypeCount);
    main().Save1->trigger();
    CatalogueImage img = ReadCatalogueFile(file("full.fmd"));
    ASSERT_EQ(img.Header.RowCount, kMaxRowCount);
    EXPECT_EQ(img.Header.LastID, kCapacity);
    for (int k = 1; k < kMaxRowCount; ++k) {
        const TCD& a = *img.Table.at(k);
        const TCD& b = *app->cat.Table.at(k);
        ASSERT_EQ(a.ID, b.ID);
        ASSERT_EQ(a.PrimaryName, b.PrimaryName + " ");
        ASSERT_EQ(a.MediaType, b.MediaType);
        ASSERT_EQ(a.SecondaryName, IsEmptyText(b.SecondaryName) ? "" : b.SecondaryName + " ");
    }
}
