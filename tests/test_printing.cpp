#include "app_fixture.h"
#include "page_layout.h"
#include "print_canvas.h"
#include "string_grid.h"
#include "tform1.h"
#include "tform4.h"
#include "tform7.h"

#include <QComboBox>
#include <QPageLayout>
#include <QProcess>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

using namespace skelvora;
using testsupport::WriteBytes;

namespace {

// Records what a print job draws.
class RecordingCanvas : public PrintCanvas {
public:
    static constexpr int W = 4800, H = 6800;
    std::vector<std::string> calls;
    int page = 0;

    void setTitle(const QString& t) override { calls.push_back("title " + t.toStdString()); }
    void beginDoc() override
    {
        page = 1;
        calls.push_back("begin");
    }
    void endDoc() override { calls.push_back("end"); }
    void newPage() override
    {
        ++page;
        calls.push_back("page");
    }
    int pageNumber() const override { return page; }
    int pageWidth() const override { return W; }
    int pageHeight() const override { return H; }
    void setPenWidth(int w) override { calls.push_back("pen " + std::to_string(w)); }
    void textOut(int x, int y, const QString& t) override
    {
        calls.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " " + t.toStdString());
    }
    int textWidth(const QString& t) const override { return int(t.size()) * 20; }
    void hLine(int x1, int x2, int y) override
    {
        calls.push_back("line " + std::to_string(x1) + "-" + std::to_string(x2) + "," + std::to_string(y));
    }
    // The texts drawn at y on each page, and the pages' numbers.
    int pages() const { return page; }
    bool has(const std::string& call) const { return std::find(calls.begin(), calls.end(), call) != calls.end(); }
};

std::vector<std::string> Footer(int page)
{
    using std::to_string;
    const int W = RecordingCanvas::W, H = RecordingCanvas::H;
    return {"text " + to_string(W - 2052) + "," + to_string(H - 400) + " " + kCreditLines[0],
            "text " + to_string(W - 682) + "," + to_string(H - 320) + " " + kCreditLines[1],
            "text " + to_string(W - 637) + "," + to_string(H - 240) + " " + kCreditLines[2],
            "text " + to_string(W / 2 - 200) + "," + to_string(H - 320) + " Page " + to_string(page)};
}

} // namespace

TEST(PageLayout, ShortLentListDrawsExactlyTheLayout)
{
    PrintedList l = LentListLayout();
    l.jobTitle = "Skelvora - films.fmd";
    l.name = "All lent CD";
    l.printedAt = "Friday, 11. December 2026, 14:05:07";
    l.rows = {{"1", "Alien ", "Eva ", "Saturday, 15. March 2003, 9:41:30"}, {"7", "Dune", "Bob", ""}};
    RecordingCanvas c;
    PrintList(c, l);
    std::vector<std::string> expected = {
        "title Skelvora - films.fmd", "begin",
        "text 150,100 All lent CD", "text 1800,100 Loan film list", "text 3800,100 Friday, 11. December 2026, 14:05:07",
        "pen 3", "line 100-4700,180", "line 100-4700,188",
        "text 180,300 ID", "text 450,300 Name", "text 2250,300 Occupier", "text 3600,300 Rent time",
        "pen 2", "line 100-4700,380",
        "text 150,450 1", "text 400,450 Alien ", "text 2150,450 Eva ", "text 3400,450 Saturday, 15. March 2003, 9:41:30",
        "text 150,600 7", "text 400,600 Dune", "text 2150,600 Bob", "text 3400,600 ",
    };
    for (const auto& f : Footer(1))
        expected.push_back(f);
    expected.push_back("end");
    EXPECT_EQ(c.calls, expected);

    // On a page too narrow for the date at 3800 it ends inside the margin.
    struct Narrow : RecordingCanvas {
        int textWidth(const QString& t) const override { return int(t.size()) * 40; }
    } narrow;
    PrintList(narrow, l);
    EXPECT_TRUE(narrow.has("text " + std::to_string(4700 - 35 * 40) + ",100 " + l.printedAt.toStdString()));
}

TEST(PageLayout, PagingRule)
{
    struct Case {
        int rows, pages;
    } cases[] = {{1, 1}, {38, 1}, {39, 2}, {40, 2}, {79, 2}, {80, 3}, {81, 3}};
    for (const auto& cs : cases) {
        PrintedList l = CatalogueListLayout();
        for (int i = 1; i <= cs.rows; ++i)
            l.rows.push_back({QString::number(i), "Name", "Other"});
        RecordingCanvas c;
        PrintList(c, l);
        EXPECT_EQ(c.pages(), cs.pages) << cs.rows;
        // Every page ends with its footer right before the page break or the end.
        for (int p = 1; p <= c.pages(); ++p)
            EXPECT_TRUE(c.has(Footer(p).back())) << cs.rows << " page " << p;
        if (cs.rows >= 40) {
            EXPECT_TRUE(c.has("text 150,100 40")) << cs.rows;
        }
        if (cs.rows >= 39) {
            EXPECT_TRUE(c.has("text 150,6150 39")) << cs.rows;
        }
    }
    // 39 rows: the second page carries only the footer.
    PrintedList l = CatalogueListLayout();
    for (int i = 1; i <= 39; ++i)
        l.rows.push_back({QString::number(i), "n", "s"});
    RecordingCanvas c;
    PrintList(c, l);
    auto pageBreak = std::find(c.calls.begin(), c.calls.end(), "page");
    ASSERT_NE(pageBreak, c.calls.end());
    std::vector<std::string> rest(pageBreak + 1, c.calls.end());
    std::vector<std::string> onlyFooter = Footer(2);
    onlyFooter.push_back("end");
    EXPECT_EQ(rest, onlyFooter);
}

class Printing : public AppFixture {
protected:
    void SetUp() override
    {
        WriteBytes(file("database.ocp"), "Zoe\r\nEva\r\nadam\r\n");
        writeCatalogue("films.fmd", {Record(1, "Alien", "Vetrelec", "Eva ", 779046191), Record(2, "Brazil"),
                                     Record(3, "Casablanca", "", "Eva", 779046191), Record(4, "Dune", "", "eva ", 779046191)});
        start();
        app->canvasFactory = [this](QPrinter&) {
            auto c = std::make_unique<RecordingCanvas>();
            canvas = c.get();
            jobs.push_back(std::move(c));
            return std::unique_ptr<PrintCanvas>(new Forward(*jobs.back()));
        };
        openCatalogue("films.fmd");
    }
    // Hands the calls on to the recording canvas the test keeps.
    struct Forward : PrintCanvas {
        explicit Forward(RecordingCanvas& c) : r(c) {}
        RecordingCanvas& r;
        void setTitle(const QString& t) override { r.setTitle(t); }
        void beginDoc() override { r.beginDoc(); }
        void endDoc() override { r.endDoc(); }
        void newPage() override { r.newPage(); }
        int pageNumber() const override { return r.pageNumber(); }
        int pageWidth() const override { return r.pageWidth(); }
        int pageHeight() const override { return r.pageHeight(); }
        void setPenWidth(int w) override { r.setPenWidth(w); }
        void textOut(int x, int y, const QString& t) override { r.textOut(x, y, t); }
        void hLine(int a, int b, int y) override { r.hLine(a, b, y); }
        int textWidth(const QString& t) const override { return r.textWidth(t); }
    };
    TForm7& dlg() { return *app->Form7; }
    TForm4& list() { return *app->Form4; }
    void printRequest(QRadioButton* choice, const QString& occupier = {})
    {
        activateMain();
        main().Printlist1->trigger();
        choice->setChecked(true);
        if (!occupier.isNull())
            dlg().ComboBox1->setEditText(occupier);
        dlg().btnPrintf7->click();
    }
    RecordingCanvas* canvas = nullptr;
    std::vector<std::unique_ptr<RecordingCanvas>> jobs;
};

TEST_F(Printing, CatalogueListThroughTheDialog)
{
    activateMain();
    main().Printlist1->trigger();
    EXPECT_TRUE(dlg().isVisible());
    EXPECT_EQ(dlg().windowTitle(), "Print list");
    EXPECT_TRUE(dlg().RadioButton1->isChecked());
    EXPECT_FALSE(dlg().ComboBox1->isEnabled());
    dlg().RadioButton3->setChecked(true);
    dialogs.prints.push_back(true);
    dialogs.onPrint = [this](QPrinter&) { clock.moment = {2026, 12, 11, 15, 30, 0}; };
    dlg().btnPrintf7->click();
    ASSERT_NE(canvas, nullptr);
    EXPECT_FALSE(dlg().isVisible());
    const auto& c = canvas->calls;
    ASSERT_GE(c.size(), 14u);
    EXPECT_EQ(c[0], "title Skelvora - films.fmd");
    EXPECT_EQ(c[2], "text 150,100 Database: films.fmd");
    EXPECT_EQ(c[3], "text 1800,100 Skelvora list");
    EXPECT_EQ(c[4], "text 3800,100 Friday, 11. December 2026, 15:30:00");  // read after the dialog
    EXPECT_EQ(c[8], "text 180,300 ID");
    EXPECT_EQ(c[9], "text 450,300 Title ");
    EXPECT_EQ(c[10], "text 2250,300 Original ");
    EXPECT_EQ(c[13], "text 150,450 1");
    EXPECT_EQ(c[14], "text 400,450 Alien ");
    EXPECT_EQ(c[15], "text 2150,450 Vetrelec ");
    EXPECT_TRUE(canvas->has("text 400,900 Dune "));
    EXPECT_TRUE(list().InRestState());  // the catalogue list never touches the lent-list table
    EXPECT_EQ(list().StringGrid1->Cell(1, 0), "");
}

TEST_F(Printing, LentListsAndOccupierMatching)
{
    dialogs.prints = {true, true};
    printRequest(dlg().RadioButton1);
    ASSERT_NE(canvas, nullptr);
    EXPECT_TRUE(canvas->has("text 150,100 All lent CD"));
    EXPECT_TRUE(canvas->has("text 1800,100 Loan film list"));
    EXPECT_TRUE(canvas->has("text 400,450 Alien "));
    EXPECT_TRUE(canvas->has("text 400,750 Dune "));
    EXPECT_TRUE(canvas->has("text 3400,450 Saturday, 15. March 2003, 9:41:30"));
    EXPECT_TRUE(list().InRestState());

    activateMain();
    main().Printlist1->trigger();
    dlg().RadioButton2->setChecked(true);
    EXPECT_TRUE(dlg().ComboBox1->isEnabled());
    EXPECT_EQ(dlg().ComboBox1->currentText(), "Enter occupier");
    ASSERT_EQ(dlg().ComboBox1->count(), 3);
    EXPECT_EQ(dlg().ComboBox1->itemText(0), "Zoe");  // file order
    dlg().ComboBox1->setEditText("Eva");
    dlg().btnPrintf7->click();
    EXPECT_TRUE(canvas->has("text 150,100 Occupier: Eva"));
    EXPECT_TRUE(canvas->has("text 400,450 Alien "));       // "Eva " matches "Eva" and a blank
    EXPECT_TRUE(canvas->has("text 400,600 Casablanca "));  // "Eva" exactly
    EXPECT_FALSE(canvas->has("text 400,750 Dune "));       // "eva " differs in case
    EXPECT_TRUE(list().InRestState());
}

TEST_F(Printing, MessagesLeaveTheTableAtRest)
{
    printRequest(dlg().RadioButton2, "Enter occupier");
    EXPECT_EQ(dialogs.lastMessage()->text, "Occupier is not enter, please select him");
    EXPECT_EQ(dialogs.lastMessage()->caption, "Print list");
    EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Stop);
    EXPECT_FALSE(dlg().isVisible());
    printRequest(dlg().RadioButton2, "");  // an empty name is no occupier either
    EXPECT_EQ(dialogs.lastMessage()->text, "Occupier is not enter, please select him");

    printRequest(dlg().RadioButton2, "Nobody");
    EXPECT_EQ(dialogs.lastMessage()->text, "No loan CD for select occupier.");
    EXPECT_EQ(dialogs.lastMessage()->icon, MsgIcon::Information);
    EXPECT_TRUE(list().InRestState());

    for (int row : {1, 3, 4}) {
        activateMain();
        select(row);
        dialogs.answers.push_back(MsgAnswer::Yes);
        main().Revert1->trigger();
    }
    printRequest(dlg().RadioButton1);
    EXPECT_EQ(dialogs.lastMessage()->text, "No loan CD.");
    EXPECT_EQ(dialogs.lastMessage()->caption, "Print list");
    EXPECT_TRUE(list().InRestState());
    EXPECT_EQ(canvas, nullptr);
    EXPECT_FALSE(std::any_of(dialogs.shown.begin(), dialogs.shown.end(),
                             [](const auto& s) { return s.kind == ScriptedDialogs::Kind::Print; }));
}

TEST_F(Printing, FromTheLentListWindow)
{
    activateMain();
    main().Alllent1->trigger();
    activate(&list());
    dialogs.prints.push_back(false);  // cancelled
    list().btnPrintf4->click();
    EXPECT_EQ(canvas, nullptr);
    EXPECT_FALSE(list().isVisible());
    EXPECT_TRUE(list().InRestState());

    activateMain();
    main().Alllent1->trigger();
    activate(&list());
    dialogs.prints.push_back(true);
    list().btnPrintf4->click();
    ASSERT_NE(canvas, nullptr);
    EXPECT_TRUE(canvas->has("text 150,100 All lent CD"));
    EXPECT_TRUE(canvas->has("text 400,450 Alien "));
    EXPECT_TRUE(canvas->has("text 400,750 Dune "));
    EXPECT_FALSE(list().isVisible());
    EXPECT_TRUE(list().InRestState());
}

TEST_F(Printing, OccupierListLoadFailureKeepsTheChoice)
{
    activateMain();
    main().Printlist1->trigger();
    dlg().RadioButton2->setChecked(true);
    ASSERT_EQ(dlg().ComboBox1->count(), 3);
    dlg().RadioButton1->setChecked(true);
    std::filesystem::remove(file("database.ocp"));
    std::filesystem::create_directory(file("database.ocp"));
    dlg().RadioButton2->setChecked(true);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.lastMessage()->text.startsWith("Cannot open file " + qfile("database.ocp")));
    EXPECT_TRUE(dlg().RadioButton2->isChecked());
    EXPECT_TRUE(dlg().ComboBox1->isEnabled());
    EXPECT_EQ(dlg().ComboBox1->count(), 3);
    EXPECT_EQ(dlg().ComboBox1->currentText(), "Enter occupier");
}

class PdfPrinting : public AppFixture {};

TEST_F(PdfPrinting, CatalogueListLandsWhereTheLayoutPutsIt)
{
    if (QProcess::execute("pdftotext", {"-v"}) < 0)
        GTEST_SKIP() << "pdftotext is not installed";
    writeCatalogue("films.fmd", {Record(1, "Am\xE9lie", "Kolo"), Record(2, "Brazil", "Second")});
    start();
    openCatalogue("films.fmd");
    const QString pdf = qfile("list.pdf");
    QRectF paint;
    dialogs.prints.push_back(true);
    dialogs.onPrint = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        p.setPageSize(QPageSize(QPageSize::A4));
    };
    activateMain();
    main().Printlist1->trigger();
    app->Form7->RadioButton3->setChecked(true);
    app->Form7->btnPrintf7->click();
    paint = app->printer().pageLayout().paintRectPoints();
    ASSERT_TRUE(std::filesystem::exists(file("list.pdf")));

    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    auto wordAt = [&](const QString& word, double& x, double& y) {
        QRegularExpression re("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>" + QRegularExpression::escape(word) + "</word>");
        auto m = re.match(html);
        if (!m.hasMatch())
            return false;
        x = m.captured(1).toDouble();
        y = m.captured(2).toDouble();
        return true;
    };
    // 600 dots per inch: a dot is 72/600 of a point, from the printable area's corner.
    auto expectAt = [&](const QString& word, int dx, int dy) {
        double x = 0, y = 0;
        ASSERT_TRUE(wordAt(word, x, y)) << word.toStdString();
        EXPECT_NEAR(x, paint.left() + dx * 72.0 / 600, 2.0) << word.toStdString();
        EXPECT_NEAR(y, paint.top() + dy * 72.0 / 600, 4.0) << word.toStdString();
    };
    expectAt("Database:", 150, 100);
    expectAt("Skelvora", 1800, 100);
    expectAt("ID", 180, 300);
    expectAt(QString::fromUtf8("Amélie"), 400, 450);
    expectAt("Second", 2150, 600);
    double x = 0, y = 0;
    ASSERT_TRUE(wordAt("Page", x, y));
    EXPECT_NEAR(y, paint.top() + (paint.height() * 600 / 72 - 320) * 72.0 / 600, 4.0);
}
