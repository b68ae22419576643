// What printing tests share: the print items of one field, a printed PDF read back with
// pdftotext -bbox, and the printer choice answered with "Tamam".
#pragma once

#include "reports/document_print_items.h"

#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace kxtest {

// The items that print field's value, or its caption.
inline QList<kx::PrintItem> itemsOf(const QList<kx::PrintItem> &items, int field,
                                    bool caption = false)
{
    QList<kx::PrintItem> found;
    for (const kx::PrintItem &item : items) {
        if (item.field == field && item.caption == caption)
            found << item;
    }
    return found;
}

// Switches on print field n's value (or caption) in the stored layout of page at (x, y),
// size 10; LoadLists(true, ...) then brings it into the settings rows.
void placeField(int page, int field, const QString &x, const QString &y, bool caption = false);

// A printer that writes an A4 PDF file at path.
std::unique_ptr<QPrinter> pdfPrinter(const QString &path);

// A word and its box in points from the page's top-left corner.
struct PdfWord
{
    int page = 0; // from 0
    QString text;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

QList<PdfWord> pdfWords(const QString &pdfPath);

// Each page's text line by line, top to bottom: the words whose tops lie within two points of
// each other, left to right, joined with one blank.
QList<QStringList> pdfLines(const QString &pdfPath);

// While it lives, presses "Tamam" on every printer choice "Yazıcı Seçimi" that comes up, and
// counts them.
class PrinterChoiceAnswers
{
public:
    PrinterChoiceAnswers();
    int count() const { return m_count; }

private:
    QTimer m_timer;
    int m_count = 0;
};

} // namespace kxtest
