// Saving a shown report as an .xlsx workbook through libxlsxwriter.
#include "reports/report_export.h"

#include "core/conversions.h"
#include "core/messages.h"
#include "core/pages.h"
#include "platform/grid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kx {

namespace {

// The cells of the report pages that hold amounts, prices or quantities, by row kind and grid
// column. Every other cell stays text.
struct NumberCells
{
    int page;
    QList<ReportRowKind> kinds;
    QList<int> columns;
};

const NumberCells numberCells[] = {
    // Statement: debit, credit and both balances; a goods line's unit price under "Borç/Fiyat"
    // (its quantity "5 X " in column 1 stays text).
    { Page::AccountStatement,
      { ReportRowKind::Opening, ReportRowKind::Data, ReportRowKind::Total },
      { 3, 4, 5, 6 } },
    { Page::AccountStatement, { ReportRowKind::GoodsLine }, { 3 } },
    { Page::PriceList, { ReportRowKind::Data }, { 5 } }, // price list: unit price
    // Cash: debit, credit, balance.
    { Page::CashReport, { ReportRowKind::Opening, ReportRowKind::Data }, { 3, 4, 5 } },
    { Page::DebtsAndCredits, { ReportRowKind::Data }, { 2, 3 } }, // debts and credits
    // VAT: the six VAT columns and both net amounts, and their sums.
    { Page::VatReport, { ReportRowKind::Data, ReportRowKind::Total }, { 3, 4, 5, 6, 7, 8, 9, 10 } },
    // Stock movements: quantity, unit price.
    { Page::StockMovements, { ReportRowKind::Data }, { 4, 5 } },
    // Inventory: quantity, unit value, stock value.
    { Page::StockInventory, { ReportRowKind::Data }, { 2, 3, 4 } },
    { Page::Cheques, { ReportRowKind::Data }, { 6 } }, // cheques: amount
};

// Excel's number format for a number shown with its grouping and decimals.
QString numberFormat(const ShownNumber &number)
{
    QString format = number.grouped ? QStringLiteral("#,##0") : QStringLiteral("0");
    if (number.decimals > 0)
        format += QLatin1Char('.') + QString(number.decimals, QLatin1Char('0'));
    return format;
}

// One format per combination of the looks a sheet uses.
class Formats
{
public:
    explicit Formats(lxw_workbook *workbook)
        : m_workbook(workbook)
    { }

    // number: the cell's number, or none for a text cell.
    lxw_format *of(const ShownCell &cell, const std::optional<ShownNumber> &number)
    {
        int align = 0;
        if (cell.alignment & Qt::AlignRight)
            align = 1;
        else if (cell.alignment & Qt::AlignHCenter)
            align = 2;
        quint64 key = quint64(align) | quint64(cell.bold) << 2;
        for (int edge = 0; edge < 4; ++edge)
            key |= quint64(cell.borders[edge] & 3) << (3 + 2 * edge);
        if (cell.backColor.isValid())
            key |= (quint64(1) << 11) | quint64(cell.backColor.rgb() & 0xFFFFFF) << 12;
        const QString numbers = number ? numberFormat(*number) : QString();
        const QPair<quint64, QString> look { key, numbers };
        if (lxw_format *found = m_formats.value(look))
            return found;

        lxw_format *format = workbook_add_format(m_workbook);
        if (number)
            format_set_num_format(format, numbers.toLatin1().constData());
        format_set_align(format,
                         align == 1       ? LXW_ALIGN_RIGHT
                             : align == 2 ? LXW_ALIGN_CENTER
                                          : LXW_ALIGN_LEFT);
        format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
        if (cell.bold)
            format_set_bold(format);
        const auto border = [](int style) {
            return uint8_t(style >= 2       ? LXW_BORDER_MEDIUM
                               : style == 1 ? LXW_BORDER_THIN
                                            : LXW_BORDER_NONE);
        };
        format_set_left(format, border(cell.borders[0]));
        format_set_top(format, border(cell.borders[1]));
        format_set_right(format, border(cell.borders[2]));
        format_set_bottom(format, border(cell.borders[3]));
        if (cell.backColor.isValid())
            format_set_bg_color(format, cell.backColor.rgb() & 0xFFFFFF);
        m_formats.insert(look, format);
        return format;
    }

    bool hasLook(const ShownCell &cell) const
    {
        return cell.bold || cell.backColor.isValid() || cell.borders != std::array<int, 4> {};
    }

private:
    lxw_workbook *m_workbook;
    QHash<QPair<quint64, QString>, lxw_format *> m_formats;
};

void writeSheet(lxw_workbook *workbook, const ShownReport &report, int page)
{
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, "Rapor");
    Formats formats(workbook);

    lxw_format *titleFormat = workbook_add_format(workbook);
    format_set_bold(titleFormat);
    format_set_align(titleFormat, LXW_ALIGN_CENTER);
    format_set_bottom(titleFormat, LXW_BORDER_THIN);
    for (int c = 0; c < report.columns.size(); ++c) {
        // About seven pixels to a character of the sheet's default font.
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), qMax(1.0, report.widths[c] / 7.0),
                             nullptr);
        worksheet_write_string(sheet, 0, lxw_col_t(c), report.titles[c].toUtf8().constData(),
                               titleFormat);
    }
    worksheet_freeze_panes(sheet, 1, 0);

    for (int r = 0; r < report.rows.size(); ++r) {
        const lxw_row_t row = lxw_row_t(r + 1);
        const QList<ShownCell> &cells = report.rows[r].cells;
        for (int c = 0; c < cells.size(); ++c) {
            const ShownCell &cell = cells[c];
            if (cell.span == 0)
                continue;
            const std::optional<ShownNumber> number
                = isNumberCell(page, report.rows[r].kind, report.columns[c])
                ? shownNumber(cell.text)
                : std::nullopt;
            lxw_format *format = formats.of(cell, number);
            const QByteArray text = cell.text.toUtf8();
            const lxw_col_t col = lxw_col_t(c);
            if (cell.span > 1)
                worksheet_merge_range(sheet, row, col, row, lxw_col_t(c + cell.span - 1),
                                      number ? "" : text.constData(), format);
            if (number)
                worksheet_write_number(sheet, row, col, number->value, format);
            else if (cell.span > 1)
                continue;
            else if (!text.isEmpty())
                worksheet_write_string(sheet, row, col, text.constData(), format);
            else if (formats.hasLook(cell))
                worksheet_write_blank(sheet, row, col, format);
        }
    }
}

} // namespace

QString DefaultReportFileName(const QDate &today)
{
    return QStringLiteral("Rapor ") + today.toString(QStringLiteral("dd-MM-yyyy"))
        + QStringLiteral(".xlsx");
}

std::optional<ShownNumber> shownNumber(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("\\A-?(?:0|[1-9][0-9]*|[1-9][0-9]{0,2}(?:\\.[0-9]{3})+)(?:,([0-9]+))?\\z"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    ShownNumber number;
    number.grouped = text.contains(QLatin1Char('.'));
    number.decimals = int(match.capturedLength(1));
    QString plain = text;
    plain.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    number.value = plain.toDouble(&ok);
    // A spreadsheet shows fifteen digits at most; and the format must give the text back
    // (a negative zero shows without its sign).
    qsizetype digits = 0;
    for (const QChar c : plain.remove(QLatin1Char('-')).remove(QLatin1Char('.')))
        digits += digits > 0 || c != QLatin1Char('0') ? 1 : 0;
    if (!ok || digits > 15 || FormatNumber(number.value, numberFormat(number)) != text)
        return std::nullopt;
    return number;
}

bool isNumberCell(int page, ReportRowKind kind, int gridColumn)
{
    for (const NumberCells &cells : numberCells) {
        if (cells.page == page && cells.kinds.contains(kind) && cells.columns.contains(gridColumn))
            return true;
    }
    return false;
}

bool WriteReportWorkbook(const QString &path, const ShownReport &report, int page, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QFileInfo target(path);
    if (path.isEmpty() || target.fileName().isEmpty() || target.isDir())
        return fail(QStringLiteral("not a file name"));
    if (!QFileInfo(target.absolutePath()).isDir())
        return fail(QStringLiteral("no such folder"));

    // Beside the target, in the same folder, so the rename cannot cross file systems.
    const QString temporary = target.absolutePath() + QStringLiteral("/.") + target.fileName()
        + QLatin1Char('.') + QString::number(QRandomGenerator::global()->generate64(), 36)
        + QStringLiteral(".part");
    const QByteArray temporaryName = QFile::encodeName(temporary);
    lxw_workbook *workbook = workbook_new(temporaryName.constData());
    if (!workbook)
        return fail(QStringLiteral("the workbook could not be made"));
    writeSheet(workbook, report, page);
    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR) {
        QFile::remove(temporary);
        return fail(QString::fromUtf8(lxw_strerror(closed)));
    }
    if (std::rename(temporaryName.constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData())
        != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        return fail(reason);
    }
    return true;
}

void SaveReportToExcel(Grid *grid, int page, const QString &folder)
{
    if (grid->Rows() <= 1) {
        ShowSystemMessage(QStringLiteral("Raporda bilgi yok!"), IconError);
        return;
    }
    const QString path = ShowSaveFileDialog(ReportFileDialogTitle, ReportFileFilter,
                                            QDir(folder).filePath(DefaultReportFileName()));
    if (path.isEmpty())
        return;
    if (!WriteReportWorkbook(path, shownReport(grid), page))
        ShowSystemMessage(QStringLiteral("Rapor dosyası kaydedilemedi!"), IconError);
}

} // namespace kx
