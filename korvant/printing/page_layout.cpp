#include "page_layout.h"
#include "print_canvas.h"

#include <algorithm>

namespace skelvora {

const char* const kCreditLines[3] = {
    "Skelvora media catalogue - the Skelvora team",
    "dev@skelvora.eu",
    "Tel. 555 0147",
};

PrintedList LentListLayout()
{
    PrintedList l;
    l.kind = QStringLiteral("Loan film list");
    l.titles = {QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Occupier"), QStringLiteral("Rent time")};
    l.titleX = {180, 450, 2250, 3600};
    l.rowX = {150, 400, 2150, 3400};
    return l;
}

PrintedList CatalogueListLayout()
{
    PrintedList l;
    l.kind = QStringLiteral("Skelvora list");
    l.titleX = {180, 450, 2250};
    l.rowX = {150, 400, 2150};
    return l;
}

void PrintPageFooter(PrintCanvas& c)
{
    const int w = c.pageWidth(), h = c.pageHeight();
    c.textOut(w - 2052, h - 400, QString::fromLatin1(kCreditLines[0]));
    c.textOut(w - 682, h - 320, QString::fromLatin1(kCreditLines[1]));
    c.textOut(w - 637, h - 240, QString::fromLatin1(kCreditLines[2]));
    c.textOut(w / 2 - 200, h - 320, "Page " + QString::number(c.pageNumber()));
}

void PrintList(PrintCanvas& c, const PrintedList& l)
{
    c.setTitle(l.jobTitle);
    c.beginDoc();
    const int w = c.pageWidth();
    c.textOut(150, 100, l.name);
    c.textOut(1800, 100, l.kind);
    // The long date would run off a narrow page at 3800: there it moves left
    // just enough to end inside the right margin.
    c.textOut(std::min(3800, w - 100 - c.textWidth(l.printedAt)), 100, l.printedAt);
    c.setPenWidth(3);
    c.hLine(100, w - 100, 180);
    c.hLine(100, w - 100, 188);
    for (qsizetype i = 0; i < l.titles.size() && i < qsizetype(l.titleX.size()); ++i)
        c.textOut(l.titleX[size_t(i)], 300, l.titles[i]);
    c.setPenWidth(2);
    c.hLine(100, w - 100, 380);

    int y = 450;
    for (const QStringList& row : l.rows) {
        for (qsizetype i = 0; i < row.size() && i < qsizetype(l.rowX.size()); ++i)
            c.textOut(l.rowX[size_t(i)], y, row[i]);
        y += 150;
        if (y > 6150) {
            y = 100;
            PrintPageFooter(c);
            c.newPage();
        }
    }
    PrintPageFooter(c);
    c.endDoc();
}

} // namespace skelvora
