#include "app_fixture.h"
#include "catalogue_file.h"
#include "id_conversion.h"
#include "string_grid.h"
#include "tform1.h"
#include "tform10.h"
#include "tform2.h"
#include "tform3.h"
#include "tform4.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace skelvora;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {
const int32_t kNow = PackMoment({2026, 12, 11, 14, 5, 7});
const int kLoan = 779046191;  // 15 March 2003, 9:41:30
}

TEST(IdConversion, Table)
{
    struct Case {
        const char* text;
        std::optional<int32_t> id;
    } cases[] = {
        {"7", 7}, {" 7", 7}, {"+7", 7}, {"-3", -3}, {"  +12", 12}, {"0", 0}, {"0012", 12},
        {"$1F", 31}, {"x1f", 31}, {"X10", 16}, {"0x10", 16}, {"0XfF", 255}, {"-$10", -16},
        {"$FFFFFFFF", -1}, {"2147483647", 2147483647}, {"-2147483648", int32_t(-2147483647 - 1)},
        {"", std::nullopt}, {" ", std::nullopt}, {"abc", std::nullopt}, {"7x", std::nullopt},
        {"7 ", std::nullopt}, {"1.5", std::nullopt}, {"0x", std::nullopt}, {"$", std::nullopt},
        {"+", std::nullopt}, {"--1", std::nullopt}, {"2147483648", std::nullopt}, {"$100000000", std::nullopt},
        {"\t7", std::nullopt}, {"12a", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertId(c.text), c.id) << '"' << c.text << '"';
}

class Lending : public AppFixture {
protected:
    void SetUp() override
    {
        WriteBytes(file("database.ocp"), "Zoe\r\nadam\r\nBob\r\n");
        writeCatalogue("films.fmd", {Record(1, "Alien", "Vetrelec"), Record(2, "Brazil", "", "Eva ", kLoan, 0, 1, "Eva "),
                                     Record(3, "Casablanca"), Record(7, "Dune"), Record(7, "Dune copy", "", "Bob ", kLoan)});
        start();
        openCatalogue("films.fmd");
    }
    TForm3& rent() { return *app->Form3; }
    TForm10& revert() { return *app->Form10; }
    TForm4& list() { return *app->Form4; }
    void openRent(int row)
    {
        activateMain();
        select(row);
        main().Rent1->trigger();
    }
    void rentById(const QString& id, const QString& occupier)
    {
        openRent(1);
        rent().RadioButton2->click();
        rent().Edit1->setText(id);
        rent().ComboBox1->setEditText(occupier);
        rent().btnOKf3->click();
    }
    const TCD& rec(int row) const { return *app->cat.Table.at(row); }
    QStringList entries() const
    {
        QStringList out;
        for (int i = 0; i < app->Form3->ComboBox1->count(); ++i)
            out << app->Form3->ComboBox1->itemText(i);
        return out;
    }
};

TEST_F(Lending, RentTheSelectedRecord)
{
    EXPECT_EQ(entries(), QStringList({"adam", "Bob", "Zoe"}));  // sorted without regard to case
    EXPECT_EQ(rent().ComboBox1->currentText(), "Enter occupier");
    app->cat.Modified = false;
    openRent(1);
    EXPECT_TRUE(rent().isVisible());
    EXPECT_EQ(rent().windowTitle(), "Rent film");
    EXPECT_EQ(rent().RadioButton1->text(), "Rent film: Alien ");
    EXPECT_TRUE(rent().RadioButton1->isEnabled());
    EXPECT_TRUE(rent().RadioButton1->isChecked());
    EXPECT_FALSE(rent().Edit1->isEnabled());
    EXPECT_EQ(rent().Edit1->maxLength(), 4);
    EXPECT_TRUE(app->cat.Modified);

    // The target stays while the selection moves on.
    activateMain();
    select(3);
    rent().ComboBox1->setEditText("Martin");
    QTest::keyClick(rent().ComboBox1, Qt::Key_Return);
    EXPECT_EQ(rec(1).Occupier, "Martin");
    EXPECT_EQ(rec(1).LastOccupier, "Martin");
    EXPECT_EQ(rec(1).RentTime, kNow);
    EXPECT_EQ(rec(1).RentCount, 1);
    EXPECT_EQ(rec(3).Occupier, "");
    EXPECT_EQ(app->cat.LentCount, 3);
    EXPECT_FALSE(rent().isVisible());
    EXPECT_EQ(cell(3, 1), "Martin");
    EXPECT_EQ(cell(4, 1), "Friday, 11. December 2026, 14:05:06");
    tick();
    EXPECT_EQ(main().panel(2), "Loan CD: 3");
    EXPECT_EQ(rent().ComboBox1->currentText(), "Martin");  // offered again next time
}

TEST_F(Lending, LentSelectionOpensWithTheIdChoice)
{
    openRent(2);
    EXPECT_FALSE(rent().RadioButton1->isEnabled());
    EXPECT_TRUE(rent().RadioButton2->isChecked());
    EXPECT_TRUE(rent().Edit1->isEnabled());
    rent().RadioButton1->setEnabled(true);
    rent().RadioButton1->click();
    EXPECT_FALSE(rent().Edit1->isEnabled());
    rent().RadioButton2->click();
    EXPECT_TRUE(rent().Edit1->isEnabled());
    // Escape in the ID field closes the dialog.
    QTest::keyClick(rent().Edit1, Qt::Key_Escape);
    EXPECT_FALSE(rent().isVisible());
}

TEST_F(Lending, RentByIdWalksEveryRecordWithThatId)
{
    main().Save1->trigger();  // never-lent occupiers are now single blanks
    ASSERT_EQ(rec(4).Occupier, " ");
    dialogs.clear();
    rentById(" 7", "Ann");
    EXPECT_EQ(rec(4).Occupier, "Ann");
    EXPECT_EQ(rec(5).Occupier, "Bob ");  // already lent
    ASSERT_EQ(dialogs.messages(), QStringList({"CD is rent"}));
    EXPECT_EQ(dialogs.lastMessage()->caption, "Rent CD");
    EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Stop);
    EXPECT_FALSE(rent().isVisible());
    EXPECT_EQ(rent().Edit1->text(), "");
    EXPECT_EQ(app->cat.LentCount, 3);

    struct Case {
        QString id;
        QString message;
    } cases[] = {{"", "Invalid format ID for CD"}, {"abc", "Invalid format ID for CD"}, {"7x", "Invalid format ID for CD"},
                 {"99", "No enter ID for CD or ID is not used"}, {"2", "CD is rent"}};
    for (const auto& c : cases) {
        dialogs.clear();
        rentById(c.id, "Ann");
        EXPECT_EQ(dialogs.messages(), QStringList({c.message})) << c.id.toStdString();
        EXPECT_EQ(dialogs.lastMessage()->caption, "Rent CD");
        EXPECT_FALSE(rent().isVisible());
    }
    EXPECT_EQ(app->cat.LentCount, 3);
    rentById("+3", "Ann");
    EXPECT_EQ(rec(3).Occupier, "Ann");
}

TEST_F(Lending, EmptyOrPlaceholderOccupierIsRefused)
{
    for (QString occupier : {QString("Enter occupier"), QString(""), QString(" ")}) {
        dialogs.clear();
        openRent(1);
        rent().ComboBox1->setEditText(occupier);
        rent().btnOKf3->click();
        ASSERT_EQ(dialogs.messages(), QStringList({"No occupier selected"})) << occupier.toStdString();
        EXPECT_EQ(dialogs.lastMessage()->caption, "Rent CD");
        EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Stop);
        EXPECT_TRUE(rent().isVisible());
        EXPECT_EQ(rec(1).RentCount, 0);
        EXPECT_EQ(app->cat.LentCount, 2);
    }
    dialogs.clear();
    rent().ComboBox1->setEditText(QString::fromUtf8("a \u00A4 b"));
    rent().btnOKf3->click();
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(rec(1).RentCount, 0);
    // Closed without renting: still marked modified.
    rent().hide();
    EXPECT_TRUE(app->cat.Modified);
}

TEST_F(Lending, AddAndRemoveOccupiers)
{
    rent().ComboBox1->setEditText("Enter occupier");
    rent().btnADDOCf3->click();
    EXPECT_EQ(dialogs.lastMessage()->text, "No occupier to save.");
    EXPECT_EQ(dialogs.lastMessage()->caption, "Enter occupier");
    EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Information);
    rent().btnREMOCCf3->click();
    EXPECT_EQ(dialogs.lastMessage()->text, "No occupier selected");
    EXPECT_EQ(dialogs.lastMessage()->caption, "Enter occupier");

    rent().ComboBox1->setEditText("Bob");
    rent().btnADDOCf3->click();
    rent().btnADDOCf3->click();
    EXPECT_EQ(entries(), QStringList({"adam", "Bob", "Bob", "Bob", "Zoe"}));
    EXPECT_EQ(ReadBytes(file("database.ocp")), "adam\r\nBob\r\nBob\r\nBob\r\nZoe\r\n");

    // A typed name is not looked up: nothing was picked, nothing goes.
    rent().ComboBox1->setEditText("Zoe");
    rent().btnREMOCCf3->click();
    EXPECT_EQ(entries().size(), 5);
    emit rent().ComboBox1->activated(4);  // the user picks "Zoe" from the list
    rent().btnREMOCCf3->click();
    EXPECT_EQ(entries(), QStringList({"adam", "Bob", "Bob", "Bob"}));
    EXPECT_EQ(ReadBytes(file("database.ocp")), "adam\r\nBob\r\nBob\r\nBob\r\nZoe\r\n");  // not written yet
    main().Save1->trigger();
    EXPECT_EQ(ReadBytes(file("database.ocp")), "adam\r\nBob\r\nBob\r\nBob\r\n");
}

TEST_F(Lending, RevertTheSelectedRecord)
{
    activateMain();
    select(2);
    dialogs.answers.push_back(MsgAnswer::Yes);
    main().Revert1->trigger();
    ASSERT_EQ(dialogs.messages(), QStringList({"Do you want revert CD: Brazil  from Eva "}));
    const auto* q = dialogs.lastMessage();
    EXPECT_EQ(q->caption, "Revert CD");
    EXPECT_EQ(q->buttons, MsgButtons::YesNo);
    EXPECT_EQ(q->defaultButton, MsgAnswer::Yes);
    EXPECT_EQ(q->icon, MsgIcon::Information);
    EXPECT_TRUE(IsEmptyText(rec(2).Occupier));
    EXPECT_EQ(rec(2).RentTime, 0);
    EXPECT_EQ(rec(2).LastOccupier, "Eva ");
    EXPECT_EQ(rec(2).RentCount, 1);
    EXPECT_EQ(app->cat.LentCount, 1);
    EXPECT_EQ(cell(3, 2), "");
    EXPECT_EQ(cell(4, 2), "");
    EXPECT_FALSE(revert().isVisible());
}

TEST_F(Lending, RevertAnsweredNoThenById)
{
    activateMain();
    select(5);
    dialogs.answers.push_back(MsgAnswer::No);
    main().Revert1->trigger();
    EXPECT_TRUE(revert().isVisible());
    EXPECT_EQ(revert().windowTitle(), "Revert CD");
    EXPECT_EQ(rec(5).Occupier, "Bob ");
    revert().Edit1->setText("7");
    QTest::keyClick(revert().Edit1, Qt::Key_Return);  // Enter anywhere is OK
    EXPECT_TRUE(IsEmptyText(rec(5).Occupier));
    // Record 4 has the same ID and is not lent.
    EXPECT_EQ(dialogs.messages().last(), "Film is no lent");
    EXPECT_EQ(dialogs.lastMessage()->caption, "Revert film");
    EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Information);
    EXPECT_FALSE(revert().isVisible());
    EXPECT_EQ(revert().Edit1->text(), "");
    EXPECT_EQ(app->cat.LentCount, 1);

    struct Case {
        QString id, message, caption;
        MsgIcon icon;
    } cases[] = {{"", "Invalid format ID for CD", "Rent film", MsgIcon::Stop},
                 {"99", "No enter ID for CD or ID is not used", "Revert film", MsgIcon::Stop},
                 {"1", "Film is no lent", "Revert film", MsgIcon::Information}};
    for (const auto& c : cases) {
        dialogs.clear();
        activateMain();
        select(1);  // not lent: the dialog opens without a question
        main().Revert1->trigger();
        EXPECT_TRUE(revert().isVisible());
        revert().Edit1->setText(c.id);
        revert().btnOKf10->click();
        ASSERT_EQ(dialogs.messages(), QStringList({c.message})) << c.id.toStdString();
        EXPECT_EQ(dialogs.lastMessage()->caption, c.caption);
        EXPECT_EQ(dialogs.lastMessage()->icon, c.icon);
    }
}

TEST_F(Lending, RevertFromAnInactiveMainWindowOnlyRefreshesAndModifies)
{
    app->cat.Modified = false;
    app->cat.Table.at(1)->PrimaryName = "Renamed";
    activate(app->Form2.get());
    ASSERT_FALSE(app->MainWindowActive);
    main().Revert1Click();
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_FALSE(revert().isVisible());
    EXPECT_TRUE(app->cat.Modified);
    EXPECT_EQ(cell(1, 1), "Renamed");

    // Revert, answer No, then Cancel: modified, nothing changed.
    app->cat.Modified = false;
    activateMain();
    select(2);
    dialogs.answers.push_back(MsgAnswer::No);
    main().Revert1->trigger();
    revert().btnCANCELf10->click();
    EXPECT_TRUE(app->cat.Modified);
    EXPECT_EQ(rec(2).Occupier, "Eva ");
}

TEST_F(Lending, AllLentItemsAndOneOccupiersItems)
{
    rentById("1", "Eva");  // after the read, so without the trailing blank
    activateMain();
    main().Alllent1->trigger();
    ASSERT_TRUE(list().isVisible());
    EXPECT_EQ(list().windowTitle(), "All lent CD");
    const StringGrid& t = *list().StringGrid1;
    ASSERT_EQ(t.RowCount(), 4);
    EXPECT_EQ(t.Cell(1, 0), "Title ");
    EXPECT_EQ(t.Cell(4, 0), "RentTime");
    EXPECT_EQ(t.Cell(1, 1), "Alien ");
    EXPECT_EQ(t.Cell(1, 2), "Brazil ");
    EXPECT_EQ(t.Cell(1, 3), "Dune copy ");
    EXPECT_EQ(t.Cell(4, 2), "Saturday, 15. March 2003, 9:41:30");
    // The first column is drawn as a fixed one, the others in the catalogue's colours.
    auto* m = t.gridModel();
    EXPECT_NE(m->data(m->index(0, 0), Qt::BackgroundRole), m->data(m->index(0, 1), Qt::BackgroundRole));
    EXPECT_EQ(m->data(m->index(0, 1), Qt::BackgroundRole).value<QColor>(), ColorFromWindows(app->cat.GridColor));
    activate(&list());
    EXPECT_TRUE(app->LentListActive);
    EXPECT_FALSE(app->MainWindowActive);
    EXPECT_EQ(t.RowCount(), 4);  // the list keeps its rows while it is active

    // Activating the main window hides and empties the list.
    activateMain();
    EXPECT_FALSE(list().isVisible());
    EXPECT_TRUE(list().InRestState());
    EXPECT_FALSE(app->LentListActive);

    // Exact matching: "Eva " from the file and "Eva" typed since are two names.
    select(2);
    main().Occupierslist1->trigger();
    EXPECT_EQ(list().windowTitle(), "Occupier: Eva ");
    EXPECT_EQ(t.RowCount(), 2);
    EXPECT_EQ(t.Cell(1, 1), "Brazil ");
    activateMain();
    select(1);
    main().Occupierslist1->trigger();
    EXPECT_EQ(t.RowCount(), 2);
    EXPECT_EQ(t.Cell(1, 1), "Alien ");
    list().btnClosef4->click();
    EXPECT_FALSE(list().isVisible());
    EXPECT_TRUE(list().InRestState());

    // F11 again rebuilds from the catalogue.
    activateMain();
    main().Alllent1->trigger();
    EXPECT_EQ(t.RowCount(), 4);
}

TEST_F(Lending, NothingToList)
{
    activateMain();
    select(1);
    main().Occupierslist1->trigger();
    EXPECT_EQ(dialogs.lastMessage()->text, "No occupier selected");
    EXPECT_EQ(dialogs.lastMessage()->caption, "Skelvora");
    EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Information);
    EXPECT_FALSE(list().isVisible());

    for (int row : {2, 5}) {
        activateMain();
        select(row);
        dialogs.answers.push_back(MsgAnswer::Yes);
        main().Revert1->trigger();
    }
    ASSERT_EQ(app->cat.LentCount, 0);
    dialogs.clear();
    activateMain();
    main().Alllent1->trigger();
    EXPECT_EQ(dialogs.messages(), QStringList({"No loan CD"}));
    EXPECT_EQ(dialogs.lastMessage()->caption, "Loan CD");
    EXPECT_FALSE(list().isVisible());
}

TEST_F(Lending, ClosingTheCatalogueHidesTheDialogs)
{
    openRent(1);
    activateMain();
    select(1);
    main().Revert1->trigger();
    ASSERT_TRUE(revert().isVisible());
    main().Closedatabase1->trigger();
    EXPECT_FALSE(rent().isVisible());
    EXPECT_FALSE(revert().isVisible());
    EXPECT_EQ(rent().Target(), nullptr);
}

TEST_F(Lending, LoansSurviveSaveAndReopen)
{
    rentById("1", "Ann");
    rentById("3", "Ann");
    openRent(4);
    rent().ComboBox1->setEditText("Petr");
    rent().btnOKf3->click();
    tick();
    EXPECT_EQ(main().panel(2), "Loan CD: 5");
    activateMain();
    select(1);
    dialogs.answers.push_back(MsgAnswer::Yes);
    main().Revert1->trigger();
    main().Save1->trigger();
    main().Closedatabase1->trigger();
    openCatalogue("films.fmd");
    EXPECT_EQ(app->cat.LentCount, 4);
    EXPECT_TRUE(IsEmptyText(rec(1).Occupier));
    EXPECT_EQ(rec(1).LastOccupier, "Ann ");
    EXPECT_EQ(rec(1).RentCount, 1);
    EXPECT_EQ(rec(3).Occupier, "Ann ");
    EXPECT_EQ(rec(4).Occupier, "Petr ");
    EXPECT_EQ(rec(4).RentTime, kNow);
}
