// Reads back a written .xlsx workbook by unzipping it and parsing its sheet, string and style
// XML.
#include "tests/reports/workbook_reader.h"

#include "platform/zip.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace kxtest {

namespace {

QByteArray entry(const QString &workbook, const QString &name, const QTemporaryDir &dir)
{
    const QString target = dir.filePath(QString(name).replace(QLatin1Char('/'), QLatin1Char('_')));
    if (!kx::unzipEntry(workbook, name, target))
        return {};
    QFile file(target);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "AB12" → (11, 27).
QPair<int, int> position(const QString &reference)
{
    int col = 0, i = 0;
    while (i < reference.size() && reference.at(i).isLetter())
        col = col * 26 + (reference.at(i++).toLatin1() - 'A' + 1);
    return { reference.mid(i).toInt() - 1, col - 1 };
}

// The text of an <si> or <is> element: every <t> inside it, runs included.
QString stringItem(QXmlStreamReader &xml, const QString &end)
{
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("t"))
            text += xml.readElementText();
        else if (xml.isEndElement() && xml.name() == end)
            break;
    }
    return text;
}

struct Style
{
    QString numberFormat;
    bool bold = false;
    QColor fill;
    bool border = false;
};

QList<Style> readStyles(const QByteArray &data)
{
    // The built-in formats that a number style may name without listing them.
    QMap<int, QString> formats { { 0, QString() },
                                 { 1, QStringLiteral("0") },
                                 { 2, QStringLiteral("0.00") },
                                 { 3, QStringLiteral("#,##0") },
                                 { 4, QStringLiteral("#,##0.00") } };
    QList<bool> fonts;
    QList<QColor> fills;
    QList<bool> borders;
    QList<Style> styles;
    QXmlStreamReader xml(data);
    QString section;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        const QXmlStreamAttributes at = xml.attributes();
        if (name == QLatin1String("fonts") || name == QLatin1String("fills")
            || name == QLatin1String("borders") || name == QLatin1String("cellXfs")
            || name == QLatin1String("cellStyleXfs"))
            section = name.toString();
        else if (name == QLatin1String("numFmt"))
            formats[at.value(QLatin1String("numFmtId")).toInt()]
                = at.value(QLatin1String("formatCode")).toString();
        else if (name == QLatin1String("font"))
            fonts << false;
        else if (name == QLatin1String("b") && section == QLatin1String("fonts"))
            fonts.last() = true;
        else if (name == QLatin1String("fill"))
            fills << QColor();
        else if (name == QLatin1String("fgColor") && section == QLatin1String("fills")) {
            const QString rgb = at.value(QLatin1String("rgb")).toString();
            if (rgb.size() == 8)
                fills.last() = QColor(QLatin1Char('#') + rgb.mid(2));
        } else if (name == QLatin1String("border"))
            borders << false;
        else if (section == QLatin1String("borders")
                 && (name == QLatin1String("left") || name == QLatin1String("right")
                     || name == QLatin1String("top") || name == QLatin1String("bottom"))
                 && at.hasAttribute(QLatin1String("style")))
            borders.last() = true;
        else if (name == QLatin1String("xf") && section == QLatin1String("cellXfs")) {
            Style style;
            style.numberFormat = formats.value(at.value(QLatin1String("numFmtId")).toInt());
            style.bold = fonts.value(at.value(QLatin1String("fontId")).toInt());
            style.fill = fills.value(at.value(QLatin1String("fillId")).toInt());
            style.border = borders.value(at.value(QLatin1String("borderId")).toInt());
            styles << style;
        }
    }
    return styles;
}

} // namespace

QString Sheet::shown(int row, int col) const
{
    const SheetCell found = cell(row, col);
    if (!found.number)
        return found.text;
    const int point = found.numberFormat.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(found.numberFormat.size()) - point - 1;
    QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    if (!found.numberFormat.contains(QLatin1Char(',')))
        turkish.setNumberOptions(QLocale::OmitGroupSeparator);
    return turkish.toString(found.value, 'f', decimals);
}

Sheet readSheet(const QString &workbookPath)
{
    Sheet sheet;
    QTemporaryDir dir;
    const QByteArray sheetXml
        = entry(workbookPath, QStringLiteral("xl/worksheets/sheet1.xml"), dir);
    if (sheetXml.isEmpty())
        return sheet;

    QStringList strings;
    QXmlStreamReader shared(entry(workbookPath, QStringLiteral("xl/sharedStrings.xml"), dir));
    while (!shared.atEnd()) {
        shared.readNext();
        if (shared.isStartElement() && shared.name() == QLatin1String("si"))
            strings << stringItem(shared, QStringLiteral("si"));
    }
    const QList<Style> styles
        = readStyles(entry(workbookPath, QStringLiteral("xl/styles.xml"), dir));

    QXmlStreamReader xml(sheetXml);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("mergeCell")) {
            sheet.merges << xml.attributes().value(QLatin1String("ref")).toString();
            continue;
        }
        if (xml.name() != QLatin1String("c"))
            continue;
        const QXmlStreamAttributes at = xml.attributes();
        const QPair<int, int> where = position(at.value(QLatin1String("r")).toString());
        const QString type = at.value(QLatin1String("t")).toString();
        const Style style = styles.value(at.value(QLatin1String("s")).toInt());
        SheetCell cell;
        cell.bold = style.bold;
        cell.fill = style.fill;
        cell.border = style.border;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == QLatin1String("c"))
                break;
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("is")) {
                cell.text = stringItem(xml, QStringLiteral("is"));
            } else if (xml.name() == QLatin1String("v")) {
                const QString value = xml.readElementText();
                if (type == QLatin1String("s")) {
                    cell.text = strings.value(value.toInt());
                } else if (type.isEmpty() || type == QLatin1String("n")) {
                    cell.number = true;
                    cell.text = value;
                    cell.value = value.toDouble();
                    cell.numberFormat = style.numberFormat;
                } else {
                    cell.text = value;
                }
            }
        }
        sheet.cells.insert(where, cell);
        sheet.rows = qMax(sheet.rows, where.first + 1);
        sheet.cols = qMax(sheet.cols, where.second + 1);
    }
    sheet.read = !xml.hasError();
    return sheet;
}

} // namespace kxtest
