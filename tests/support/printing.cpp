// What printing tests share: a printed PDF read back, the printer choice answered.
#include "tests/support/printing.h"

#include "core/sql_builders.h"
#include "core/state.h"
#include "reports/printer_choice.h"

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace kxtest {

void placeField(int page, int field, const QString &x, const QString &y, bool caption)
{
    kx::ModuleState &s = kx::state();
    const QStringList cells { "1", x, y, "0", "0", "10" };
    const int first = 17 + 12 * (page - 3) + (caption ? 6 : 0);
    for (int i = 0; i < 6; ++i) {
        s.FieldValues[field] = cells[i];
        kx::ExecUpdate(s.TblAyar, first + i);
    }
}

std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

QList<PdfWord> pdfWords(const QString &pdfPath)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               { QStringLiteral("-bbox"), pdfPath, QStringLiteral("-") });
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        qWarning("pdftotext failed: %s", tool.readAllStandardError().constData());
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());

    static const QRegularExpression item(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    int page = -1;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(5).isNull() && m.captured(1).isNull()) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.append({ page, text, m.captured(1).toDouble(), m.captured(2).toDouble(),
                       m.captured(3).toDouble(), m.captured(4).toDouble() });
    }
    return words;
}

QList<QStringList> pdfLines(const QString &pdfPath)
{
    QList<PdfWord> words = pdfWords(pdfPath);
    QList<QStringList> pages;
    for (const PdfWord &word : words) {
        while (pages.size() <= word.page)
            pages.append(QStringList());
    }
    std::stable_sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
        return a.page != b.page ? a.page < b.page : a.top < b.top;
    });
    int start = 0;
    while (start < words.size()) {
        int end = start + 1;
        while (end < words.size() && words[end].page == words[start].page
               && words[end].top - words[start].top <= 2.0)
            ++end;
        QList<PdfWord> line = words.mid(start, end - start);
        std::sort(line.begin(), line.end(),
                  [](const PdfWord &a, const PdfWord &b) { return a.left < b.left; });
        QStringList texts;
        for (const PdfWord &word : line)
            texts << word.text;
        pages[words[start].page] << texts.join(QLatin1Char(' '));
        start = end;
    }
    return pages;
}

PrinterChoiceAnswers::PrinterChoiceAnswers()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (auto *dialog = qobject_cast<kx::FPrint *>(kx::state().FPrint.data())) {
            ++m_count;
            QTest::mouseClick(dialog->Btn1, Qt::LeftButton);
        }
    });
    m_timer.start(10);
}

} // namespace kxtest
