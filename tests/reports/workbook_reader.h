// Reads back a written .xlsx workbook by unzipping it and parsing its sheet, string and style
// XML: each cell's value, its type and what a Turkish spreadsheet program shows for it.
#pragma once

#include <QColor>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

namespace kxtest {

struct SheetCell
{
    QString text; // the string, or the number as stored in the XML
    bool number = false;
    double value = 0;
    QString numberFormat; // the format code of a number's style
    bool bold = false;
    QColor fill; // invalid: no solid fill
    bool border = false; // any edge drawn
};

struct Sheet
{
    bool read = false; // the archive and its sheet could be read
    QMap<QPair<int, int>, SheetCell> cells; // by (row, column), both from 0
    QStringList merges; // "A5:B5"
    int rows = 0; // one past the last row that holds a cell
    int cols = 0;

    SheetCell cell(int row, int col) const { return cells.value({ row, col }); }
    // What the cell shows in a Turkish spreadsheet program: a number through its format's
    // decimals and grouping, with "." between thousands and "," before the decimals.
    QString shown(int row, int col) const;
};

Sheet readSheet(const QString &workbookPath);

} // namespace kxtest
