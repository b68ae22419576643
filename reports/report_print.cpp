// Printing a shown report: its title, its page set-up and the drawing of its shown rows and
// columns on a printer.
#include "reports/report_print.h"

#include "core/conversions.h"
#include "core/messages.h"
#include "core/pages.h"
#include "platform/grid.h"
#include "platform/printer.h"
#include "reports/printer_choice.h"

#include <QHash>
#include <QPrinter>

namespace kx {

namespace {

// One printed title: the page, when it applies, and its text with {names} filled in.
struct TitleRule
{
    int page;
    bool (*applies)(const ReportOptions &);
    const char *text;
};

bool always(const ReportOptions &)
{
    return true;
}

// In the order the titles are tried: each one that applies replaces the one before.
const TitleRule titleRules[] = {
    { Page::AccountStatement, [](const ReportOptions &o) { return o.statementRange; },
      "{company} - {account} - Hesap Ekstresi ({from} - {to})" },
    { Page::AccountStatement, [](const ReportOptions &o) { return !o.statementRange; },
      "{company} - {account} - Hesap Ekstresi" },
    { Page::PriceList, always, "Fiyat Listesi - {today}" },
    { Page::CashReport, [](const ReportOptions &o) { return o.cashMonthly; },
      "Kasa Raporu (Genel)" },
    { Page::CashReport, [](const ReportOptions &o) { return o.cashDaily; },
      "Kasa Raporu ({month})" },
    { Page::CashReport, [](const ReportOptions &o) { return o.cashDayDetail; },
      "Kasa Raporu ({day})" },
    { Page::DebtsAndCredits, [](const ReportOptions &o) { return o.debtorsOnly; },
      "Borç - Alacak Raporu (Sadece Borçlular)" },
    { Page::DebtsAndCredits, [](const ReportOptions &o) { return o.creditorsOnly; },
      "Borç - Alacak Raporu (Sadece Alacaklılar)" },
    { Page::DebtsAndCredits, [](const ReportOptions &o) { return o.withBalanceOnly; },
      "Borç - Alacak Raporu (Sadece Bakiyesi Olanlar)" },
    { Page::DebtsAndCredits, [](const ReportOptions &o) { return o.allAccounts; },
      "Borç - Alacak Raporu (Tüm Cariler)" },
    { Page::VatReport, [](const ReportOptions &o) { return o.vatIncoming; },
      "Fatura - KDV Raporu (Sadece Giriş Faturalaru){range}" },
    { Page::VatReport, [](const ReportOptions &o) { return o.vatOutgoing; },
      "Fatura - KDV Raporu (Sadece Çıkış Faturaları){range}" },
    { Page::VatReport, [](const ReportOptions &o) { return o.vatAll; },
      "Fatura - KDV Raporu (Tüm Faturalar){range}" },
    { Page::StockMovements, always, "Stok Hareketleri ({stock})" },
    { Page::StockInventory, [](const ReportOptions &o) { return o.byPurchasePrice; },
      "Stok Envanter Raporu (Alış Fiyatına Göre)" },
    { Page::StockInventory, [](const ReportOptions &o) { return o.bySalePrice; },
      "Stok Envanter Raporu (Satış Fiyatına Göre)" },
    { Page::StockInventory, [](const ReportOptions &o) { return o.byAverageCost; },
      "Stok Envanter Raporu (Ortalama Maliyete Göre)" },
    { Page::StockInventory, [](const ReportOptions &o) { return o.byLastCost; },
      "Stok Envanter Raporu (Son Maliyete Göre)" },
    { Page::Cheques, [](const ReportOptions &o) { return o.chequesAll; }, "Çek Raporu (Tümü)" },
    { Page::Cheques, [](const ReportOptions &o) { return o.chequesInCash; },
      "Çek Raporu (Sadece Kasadakiler)" },
    { Page::Cheques, [](const ReportOptions &o) { return o.chequesEndorsed; },
      "Çek Raporu (Sadece Ciro Edilenler)" },
    { Page::Cheques, [](const ReportOptions &o) { return o.chequesOut; },
      "Çek Raporu (Sadece Dışarıdakiler)" },
    { Page::Cheques, [](const ReportOptions &o) { return o.chequesCollected; },
      "Çek Raporu (Sadece Tahsil Edilenler)" },
    { Page::Cheques, [](const ReportOptions &o) { return o.chequesPaid; },
      "Çek Raporu (Sadece Ödenenler)" },
};

// The form with every {name} replaced in one pass, so a filled-in text is never read again.
QString fillForm(const QString &form, const QHash<QString, QString> &values)
{
    QString text;
    int i = 0;
    while (i < form.size()) {
        const int open = form.indexOf(QLatin1Char('{'), i);
        const int close = open < 0 ? -1 : form.indexOf(QLatin1Char('}'), open);
        if (close < 0) {
            text += form.mid(i);
            break;
        }
        text += form.mid(i, open - i) + values.value(form.mid(open + 1, close - open - 1));
        i = close + 1;
    }
    return text;
}

constexpr double PointsPerCentimetre = 72.0 / 2.54;
constexpr double PointsPerPixel = 0.75; // the grid's sizes are pixels at 96 per inch
constexpr double CellPadding = 2.0; // points between a cell's edge and its text, at full size

// Draws in points from the sheet's top-left corner on a print surface.
class Sheet
{
public:
    explicit Sheet(PrintSurface &surface)
        : m_surface(surface)
    { }

    void fill(const QRectF &rect, const QColor &color) { m_surface.fillRect(twips(rect), color); }

    void line(const QPointF &from, const QPointF &to, double width, const QColor &color)
    {
        m_surface.drawLine(from * TwipsPerPoint, to * TwipsPerPoint, width * TwipsPerPoint, color);
    }

    void setFont(const QFont &font)
    {
        m_surface.setFont(font.family(), font.pointSizeF(), font.bold(), font.stretch());
    }

    // In the current font.
    double width(const QString &text) const { return m_surface.textWidth(text) / TwipsPerPoint; }
    double lineHeight() const { return m_surface.lineHeight() / TwipsPerPoint; }

    // The text in one line inside the rectangle less padding on either side, cut with "…"
    // where it does not fit.
    void text(const QRectF &rect, const QString &text, const QFont &font, Qt::Alignment align,
              double padding)
    {
        setFont(font);
        const QRectF inner = rect.adjusted(padding, 0, -padding, 0);
        const QString shown = elided(text, inner.width());
        const double width = this->width(shown);
        double x = inner.left();
        if (align & Qt::AlignRight)
            x = inner.right() - width;
        else if (align & Qt::AlignHCenter)
            x = inner.left() + (inner.width() - width) / 2;
        const double y = align & Qt::AlignTop ? inner.top()
                                              : inner.top() + (inner.height() - lineHeight()) / 2;
        m_surface.drawText(x * TwipsPerPoint, y * TwipsPerPoint, shown);
    }

private:
    static QRectF twips(const QRectF &points)
    {
        return QRectF(points.topLeft() * TwipsPerPoint, points.size() * TwipsPerPoint);
    }

    // The longest start of text that fits with "…" after it, as a grid cuts a cell.
    QString elided(const QString &text, double room) const
    {
        if (width(text) <= room)
            return text;
        const QString ellipsis(QChar(0x2026));
        qsizetype fits = 0, fails = text.size();
        while (fails - fits > 1) {
            const qsizetype middle = (fits + fails) / 2;
            if (width(text.left(middle) + ellipsis) <= room)
                fits = middle;
            else
                fails = middle;
        }
        if (fits == 0 && width(ellipsis) > room)
            return QString();
        return text.left(fits) + ellipsis;
    }

    PrintSurface &m_surface;
};

// The edges of a cell: thin grid lines when asked for, then its own borders over them.
void drawEdges(Sheet &sheet, const QRectF &r, const std::array<int, 4> &borders, bool gridLines)
{
    const QPointF corners[4][2] = {
        { r.topLeft(), r.bottomLeft() },
        { r.topLeft(), r.topRight() },
        { r.topRight(), r.bottomRight() },
        { r.bottomLeft(), r.bottomRight() },
    };
    for (int edge = 0; edge < 4; ++edge) {
        const int style = borders[edge];
        if (style >= 2)
            sheet.line(corners[edge][0], corners[edge][1], 1.5, Qt::black);
        else if (style == 1)
            sheet.line(corners[edge][0], corners[edge][1], 0.5, Qt::black);
        else if (gridLines)
            sheet.line(corners[edge][0], corners[edge][1], 0.4, QColor(0x60, 0x60, 0x60));
    }
}

} // namespace

QString ReportTitle(int page, const ReportOptions &options, const QString &company,
                    const QDate &today)
{
    const QHash<QString, QString> values {
        { QStringLiteral("company"), company },
        { QStringLiteral("account"), options.accountText },
        { QStringLiteral("from"), DateKeyToText(options.statementFrom) },
        { QStringLiteral("to"), DateKeyToText(options.statementTo) },
        { QStringLiteral("today"), today.toString(QStringLiteral("dd.MM.yyyy")) },
        { QStringLiteral("month"), options.cashMonth },
        { QStringLiteral("day"), DateKeyToText(options.cashDay) },
        { QStringLiteral("range"),
          options.vatRange ? QStringLiteral(" - (") + DateKeyToText(options.vatFrom)
                  + QStringLiteral(" - ") + DateKeyToText(options.vatTo) + QStringLiteral(")")
                           : QString() },
        { QStringLiteral("stock"), options.stockText },
    };
    QString title;
    for (const TitleRule &rule : titleRules) {
        if (rule.page == page && rule.applies(options))
            title = fillForm(QString::fromUtf8(rule.text), values);
    }
    return title;
}

ReportPageSetup ReportPrintSetup(const QString &title)
{
    ReportPageSetup setup;
    setup.leftMargin = 0.5;
    setup.topMargin = 1.5;
    setup.bottomMargin = 1.0;
    setup.rightMargin = 0.5;
    setup.gridLines = true;
    setup.titlesOnEveryPage = true;
    setup.title = title;
    setup.titleMargin = 1.0;
    setup.orientation = 1;
    return setup;
}

bool PrintShownReport(const ShownReport &report, const ReportPageSetup &setup,
                      PrintSurface &surface)
{
    if (report.columns.isEmpty() || !surface.beginDocument())
        return false;
    Sheet sheet(surface);

    const QSizeF paper = surface.pageSize() / TwipsPerPoint;
    const double left = setup.leftMargin * PointsPerCentimetre;
    const double top = setup.topMargin * PointsPerCentimetre;
    const double bottom = paper.height() - setup.bottomMargin * PointsPerCentimetre;
    const double available = paper.width() - left - setup.rightMargin * PointsPerCentimetre;

    double tableWidth = 0;
    for (const int width : report.widths)
        tableWidth += width * PointsPerPixel;
    const double scale = tableWidth > available ? available / tableWidth : 1.0;
    QList<double> x { left };
    for (const int width : report.widths)
        x << x.last() + width * PointsPerPixel * scale;

    // The grid's own face, titles and cells alike, scaled with the columns, so that a text the
    // grid shows whole in its column prints whole.
    QFont font = gridFont();
    font.setPointSizeF(font.pointSizeF() * scale);
    QFont bold = font;
    bold.setBold(true);
    const double padding = CellPadding * scale;
    // The title stands over the table; one longer than the table (the company, the account
    // and the dates of a statement) spans the page between the margins, in a smaller face
    // where it must, so that it prints whole.
    QFont titleFont(QStringLiteral("Sans Serif"));
    titleFont.setBold(true);
    const auto titleFits = [&](double width) {
        sheet.setFont(titleFont);
        return sheet.width(setup.title) <= width - 2 * CellPadding;
    };
    titleFont.setPointSizeF(11);
    const double titleWidth = titleFits(x.last() - left) ? x.last() - left : available;
    for (double size = 11; size > 6 && !titleFits(titleWidth); size -= 0.5)
        titleFont.setPointSizeF(size - 0.5);
    sheet.setFont(bold);
    const double lineHeight = sheet.lineHeight();
    const auto rowHeight
        = [&](int pixels) { return qMax(pixels * PointsPerPixel * scale, lineHeight + 2); };

    const auto drawHeading = [&](double y) {
        const double height = rowHeight(18);
        for (int c = 0; c < report.columns.size(); ++c) {
            const QRectF rect(x[c], y, x[c + 1] - x[c], height);
            sheet.fill(rect, QColor(0xE4, 0xE6, 0xEA));
            sheet.text(rect, report.titles[c], font, Qt::AlignHCenter, padding);
            drawEdges(sheet, rect, { 1, 1, 1, 1 }, true);
        }
        return y + height;
    };
    const auto startPage = [&](bool first) {
        if (!setup.title.isEmpty()) {
            const double y = setup.titleMargin * PointsPerCentimetre;
            sheet.text(QRectF(left, y, titleWidth, top - y), setup.title, titleFont,
                       Qt::AlignHCenter | Qt::AlignTop, CellPadding);
        }
        return first || setup.titlesOnEveryPage ? drawHeading(top) : top;
    };

    double y = startPage(true);
    bool rowsOnPage = false;
    for (const ShownRow &row : report.rows) {
        const double height = rowHeight(row.height);
        if (rowsOnPage && y + height > bottom) {
            if (!surface.newPage()) {
                surface.endDocument();
                return false;
            }
            y = startPage(false);
            rowsOnPage = false;
        }
        for (int c = 0; c < row.cells.size(); ++c) {
            const ShownCell &cell = row.cells[c];
            if (cell.span == 0)
                continue;
            const int last = qMin(int(row.cells.size()), c + cell.span);
            const QRectF rect(x[c], y, x[last] - x[c], height);
            if (cell.backColor.isValid())
                sheet.fill(rect, cell.backColor);
            if (!cell.text.isEmpty())
                sheet.text(rect, cell.text, cell.bold ? bold : font, cell.alignment, padding);
            drawEdges(sheet, rect, cell.borders, setup.gridLines);
        }
        y += height;
        rowsOnPage = true;
    }
    return surface.endDocument();
}

bool PrintShownReport(const ShownReport &report, const ReportPageSetup &setup, QPrinter *printer)
{
    if (!printer)
        return false;
    printer->setPageOrientation(setup.orientation == 2 ? QPageLayout::Landscape
                                                       : QPageLayout::Portrait);
    PainterSurface surface(printer);
    return PrintShownReport(report, setup, surface);
}

ReportPrinter standardReportPrinter()
{
    return { [] { ShowPrinterChoice(); }, [] { return currentPrinter(); } };
}

void PrintReport(Grid *grid, const QString &title, const ReportPrinter &printer)
{
    if (grid->Rows() <= 1) {
        ShowSystemMessage(QStringLiteral("Raporda bilgi yok!"), IconError);
        return;
    }
    if (printer.choose)
        printer.choose();
    QPrinter *chosen = printer.printer ? printer.printer() : nullptr;
    if (!PrintShownReport(shownReport(grid), ReportPrintSetup(title), chosen))
        ShowSystemMessage(QStringLiteral("Rapor yazdırılamadı! Yazıcıyı kontrol ediniz."),
                          IconError);
}

} // namespace kx
