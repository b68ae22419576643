// Reads back a printed PDF with pdftotext -bbox: its words with their boxes, page by page.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kxtest {

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

} // namespace kxtest
