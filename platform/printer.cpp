// Printers: the installed ones, the program's one current printer, and the surface that
// documents draw on.
#include "platform/printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace kx {

PainterSurface::PainterSurface(QPrinter *printer)
    : m_printer(printer)
{ }

PainterSurface::~PainterSurface()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

bool PainterSurface::beginDocument()
{
    if (!m_printer)
        return false;
    // Positions count from the sheet's corner, as on the pre-printed forms.
    m_printer->setFullPage(true);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer)) {
        m_painter.reset();
        return false;
    }
    m_dotsPerTwip = m_printer->resolution() / 1440.0;
    return true;
}

void PainterSurface::setFont(const QString &family, double pointSize, bool bold)
{
    if (!m_painter || pointSize <= 0)
        return;
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    m_painter->setFont(font);
}

void PainterSurface::drawText(double x, double y, const QString &text)
{
    if (!m_painter)
        return;
    // QPainter puts the baseline at the point; the position is the top of the text.
    const double ascent = QFontMetricsF(m_painter->font(), m_printer).ascent();
    m_painter->drawText(QPointF(x * m_dotsPerTwip, y * m_dotsPerTwip + ascent), text);
}

bool PainterSurface::endDocument()
{
    if (!m_painter)
        return false;
    const bool sent = m_painter->end();
    m_painter.reset();
    return sent && m_printer->printerState() != QPrinter::Error
        && m_printer->printerState() != QPrinter::Aborted;
}

bool RecordingSurface::beginDocument()
{
    ++begun;
    m_open.clear();
    return !refuseBegin;
}

void RecordingSurface::setFont(const QString &family, double pointSize, bool bold)
{
    m_family = family;
    m_size = pointSize;
    m_bold = bold;
}

void RecordingSurface::drawText(double x, double y, const QString &text)
{
    m_open.append({ text, x, y, m_family, m_size, m_bold });
}

bool RecordingSurface::endDocument()
{
    documents.append(m_open);
    m_open.clear();
    return true;
}

namespace {

std::unique_ptr<QPrinter> &printerSlot()
{
    static std::unique_ptr<QPrinter> printer;
    return printer;
}

bool defaultLooked = false;

} // namespace

QStringList Printers::deviceNames() const
{
    QStringList names;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        names << info.printerName();
    return names;
}

QString Printers::currentName() const
{
    QPrinter *printer = currentPrinter();
    return printer ? printer->printerName() : QString();
}

void Printers::makeCurrent(int index)
{
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (index < 0 || index >= printers.size())
        return;
    setCurrentPrinter(std::make_unique<QPrinter>(printers.at(index), QPrinter::HighResolution));
}

Printers &systemPrinters()
{
    static Printers printers;
    return printers;
}

QPrinter *currentPrinter()
{
    std::unique_ptr<QPrinter> &printer = printerSlot();
    if (!printer && !defaultLooked) {
        defaultLooked = true;
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (!info.isNull())
            printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    return printer.get();
}

void setCurrentPrinter(std::unique_ptr<QPrinter> printer)
{
    defaultLooked = printer != nullptr;
    printerSlot() = std::move(printer);
}

} // namespace kx
