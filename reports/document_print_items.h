// The print items of a document: its snapshot, the print layout of the settings, and the texts
// placed by them, without any printer.
#pragma once

#include "core/state.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace kx {

struct DocumentView;

// Which document is printed, and on which layout.
struct PrintKinds
{
    // The open document's page (3 delivery note, 4 invoice over delivery notes, 5 invoice with
    // lines): its panel, its totals grid and the range of captions printed.
    int document = 0;
    // The page whose layout rows place the texts (3, 4 or 5); on 3 no price, total, words or
    // balance field prints.
    int layout = 0;
};

// A document printed as it is.
constexpr PrintKinds printedAsItIs(int page)
{
    return { page, page };
}

// The six stored cells of one placement (a field's value or its caption), as texts.
struct LayoutCells
{
    QString print; // "Y": prints only when it reads exactly 1
    QString x; // "S": millimetres from the left edge
    QString y; // "Ü": millimetres from the top edge to the top of the text
    QString rightAlign; // "-->": 1 = the text ends at x
    QString bold; // "K"
    QString size; // "B": points
};

constexpr int PrintFieldCount = 44;

// The placements of one document kind, index = print field 1 to 44 (index 0 unused).
struct PrintLayout
{
    std::array<LayoutCells, PrintFieldCount + 1> values;
    std::array<LayoutCells, PrintFieldCount + 1> captions;
};

// The layout of page 3, 4 or 5 from the settings rows (AyarRows: its rows of AyarYazdirma).
// Missing rows or cells read as empty texts.
PrintLayout readPrintLayout(const RowArray &settingsRows, int page);

// One goods line of the document.
struct PrintLine
{
    // From the grid: fields 12 to 15 and, on invoices, 27 to 30.
    QString name;
    QString code;
    QString quantity;
    QString serial;
    QString netPrice;
    QString amount;
    QString vatRate;
    QString vatAmount;
    // The line's stock card as StokAllRows holds it (field 0 id, 1..18 columns a1..a18);
    // empty when the card is not in the list.
    QStringList card;
};

// Everything a printed copy is made of, read once from the open document and the module state.
struct PrintSnapshot
{
    PrintKinds kinds;
    PrintLayout layout;
    // Captions of fields 1 to 44 as the caption list holds them (PrintFieldNamesUpper 0..43).
    QStringList captions;
    // The chosen account as CariRows holds it (field 0 id, 1..18 a1..a18); empty when none.
    QStringList account;
    QString documentDate;
    QString dispatchDate;
    QString series;
    QString number;
    QString note;
    QString time; // time of printing, hh:mm:ss
    QList<PrintLine> lines;
    QStringList totals; // totals grid column 3, rows 1 to 7; empty on a delivery note
    QStringList vatRates; // the company's three rates
    QStringList deliveryNotes; // numbers of the ticked delivery notes, in grid order
    // The account's balance after this document as signed amount text; empty when it was not
    // computed (delivery-note layout, no account, or the query failed).
    QString balance;
    QString numberFormat = QStringLiteral("#,##0.00");
};

// Reads the open document of kinds.document from the view's panel, Grid1 and totals grid, the
// account and cards from the loaded lists, the layout of kinds.layout from the settings rows,
// and, for the invoice layouts, the account's balance (a query on its own connection).
// Goods lines are the grid rows of goods-line height; under delivery-note rows only those of
// ticked notes; each takes its card id from the row (hidden value or text).
PrintSnapshot snapshotDocument(const DocumentView &view, const PrintKinds &kinds);

// One text placed on the page.
struct PrintItem
{
    QString text;
    double x = 0; // millimetres from the left edge to the start of the text
    double y = 0; // millimetres from the top edge to the top of the text
    double size = 0; // points
    bool bold = false;
    bool rightAligned = false; // x moved left so that the text ends at the layout's X
    int field = 0; // print field 1 to 44
    bool caption = false; // the field's caption rather than its value
};

// The fixed character width that right alignment counts with, whatever the size.
constexpr double PrintCharacterWidth = 2.116669;
// Document lines lie this far apart.
constexpr double PrintLineSpacing = 5;

// The items of one copy: captions, header, lines, and on the invoice layouts the line prices,
// totals, the grand total in words, the balance and (layout 4) the delivery notes. Fields
// whose switch is off, whose text is empty or whose size reads as no size give no item.
QList<PrintItem> buildPrintItems(const PrintSnapshot &snapshot);

// Field 18's abbreviations of the common units; any other unit unchanged.
QString printedUnit(const QString &unit);
// Field 42: "Yalnız <lira> TL <kuruş> KRŞ" from the grand total text; empty for a text
// shorter than three characters.
QString amountInWordsLine(const QString &grandTotal);
// Field 43's wording of a signed balance text.
QString balanceLine(const QString &balance, const QString &numberFormat);

} // namespace kx
