#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace skelvora {

class PrintCanvas;

// One printed list: the first page's header, the column titles and the rows.
struct PrintedList {
    QString jobTitle;     // "Skelvora - " + file name
    QString name;         // x 150
    QString kind;         // x 1800: "Loan film list" or "Skelvora list"
    QString printedAt;    // x 3800
    QStringList titles;
    std::vector<int> titleX;
    std::vector<int> rowX;
    std::vector<QStringList> rows;
};

// Column positions of the two kinds of list.
PrintedList LentListLayout();
PrintedList CatalogueListLayout();

// The footer's three credit lines.
extern const char* const kCreditLines[3];

// Draws the whole document: header on page 1, rows from y = 450 (100 on
// later pages) 150 apart, a new page once y passes 6150, a footer on every page.
void PrintList(PrintCanvas& canvas, const PrintedList& list);
void PrintPageFooter(PrintCanvas& canvas);

} // namespace skelvora
