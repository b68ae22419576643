// The rows of a report as its builder returns them, and the options read once from RX.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QObject;

namespace kx {

class Grid;

// What a report row is. Drill-down, the cheque save, export and print decide by this, never by
// a colour, a height or a word in a cell. None marks a grid row that no report wrote.
enum class ReportRowKind { None = 0, Data, GoodsLine, Opening, Total, Footer };

// Totals rows are yellow, goods lines light yellow.
inline const QColor ReportYellow = QColor(255, 255, 0);
inline const QColor ReportLightYellow = QColor(255, 255, 192);

// Columns first to last joined into one shown cell; last -1 is the grid's last column.
struct ReportMerge
{
    int first = 1;
    int last = -1;
};

// What one cell has beside its text: an alignment code, a cell type, a thick border all round
// (-1: the column's), and a value kept with the cell unseen (invalid: none).
struct ReportCellStyle
{
    int col = 0;
    int alignment = -1;
    int cellType = -1;
    bool border = false;
    QVariant data;
};

struct ReportRow
{
    ReportRowKind kind = ReportRowKind::Data;
    QStringList cells; // column 0 on; missing columns stay empty
    QColor backColor; // columns 1 to the last, when valid
    bool bold = false; // columns 1 to the last
    int height = 0; // 0: the grid's default
    bool hidden = false; // kept in the grid with height 0, as a filtered-out row
    QList<ReportMerge> merges;
    QList<ReportCellStyle> styles;
};

struct Report
{
    QList<ReportRow> rows;
    // A required choice is missing: the message to show, and the RX field to focus.
    QString missing;
    QByteArray missingField;
};

// Appends the closing totals row: columns 1 to the last merged into one yellow, bold, centred
// cell with a thick border, holding text; column 0 stays empty, so it leads nowhere.
void AddReportTotalRow(Report &report, const QString &text);

// Everything the report tabs of RX hold, read once when a report runs.
struct ReportOptions
{
    QDate today; // the day the report runs

    // "Hesap Ekstresi"
    int account = -1; // XCCari: record of CariRows, -1 none
    QString accountText; // XCCari's text, for the printed title
    bool statementRange = false; // XBTar1
    int statementFrom = 0; // XDTarA1, yyyymmdd
    int statementTo = 0; // XDTarB1
    bool stockDetail = false; // XBStok

    // "Fiyat Listesi"
    bool purchasePrice = false; // XOGiris2; otherwise the sale price
    bool raise = false; // XBArti
    QString raiseText; // XTArti
    bool reduce = false; // XBEksi
    QString reduceText; // XTEksi

    // "Kasa Raporu"
    bool cashMonthly = false; // XOAylik
    bool cashDaily = false; // XOGunluk
    bool cashDayDetail = false; // XOGunDetay
    QStringList cashMonths; // XCKasaAy's items, "Ocak 2024"
    QString cashMonth; // XCKasaAy's text
    int cashDay = 0; // XDTar3, yyyymmdd

    // "Borç / Alacak"
    bool debtorsOnly = false; // XOBorclu
    bool creditorsOnly = false; // XOAlacakli
    bool withBalanceOnly = false; // XOBakiyeli
    bool allAccounts = false; // XOTumu4

    // "Kdv Raporu"
    bool vatAll = false; // XOTumu5
    bool vatOutgoing = false; // XOCikis5
    bool vatIncoming = false; // XOGiris5
    bool vatRange = false; // XBTar5
    int vatFrom = 0; // XDTarA5
    int vatTo = 0; // XDTarB5

    // "Stok Hareket"
    int stock = -1; // XCStok: record of StokRows, -1 none
    QString stockText; // XCStok's text, for the printed title
    bool movementRange = false; // XBTar6
    int movementFrom = 0; // XDTarA6
    int movementTo = 0; // XDTarB6

    // "Stok Envanter"
    bool byPurchasePrice = false; // XOAlis
    bool bySalePrice = false; // XOSatis
    bool byLastCost = false; // XOMaliyet
    bool byAverageCost = false; // XOOrtMal

    // "Çekler"
    bool chequesInCash = false; // XOKasada
    bool chequesOut = false; // XODisarida
    bool chequesEndorsed = false; // XOCiro
    bool chequesCollected = false; // XOTahsil
    bool chequesPaid = false; // XOOdenen
    bool chequesAll = false; // XOTumu8
};

ReportOptions ReadReportOptions(QObject *rx, const QDate &today = QDate::currentDate());

// The report of a report page (6 to 13) from the options; an empty report for a page without
// one. Throws DatabaseError.
Report BuildReport(int page, const ReportOptions &options);

// Appends the rows under what the grid holds, with their kinds, looks and merges. The grid's
// columns are the page's; cells past them are dropped.
void WriteReportRows(Grid *grid, const QList<ReportRow> &rows);
// The kind a report gave grid row row; None for the title row and rows no report wrote.
ReportRowKind reportRowKind(const Grid *grid, int row);

} // namespace kx
