// Printers: the installed ones, the program's one current printer, and the surface that
// documents and reports draw on.
#include "platform/printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace kx {

namespace {

constexpr double TwipsPerInch = 1440;
// What the program's printers print at (QPrinter::HighResolution).
constexpr int PrinterResolution = 1200;

// Both surfaces make their fonts and measure them the same way, on a device of the
// printer's resolution.
QFont printFont(const QString &family, double pointSize, bool bold, int stretch)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStretch(stretch);
    return font;
}

double widthOn(const QFont &font, const QString &text, const QPaintDevice *device)
{
    return QFontMetricsF(font, device).horizontalAdvance(text) * TwipsPerInch
        / device->logicalDpiY();
}

double lineHeightOn(const QFont &font, const QPaintDevice *device)
{
    return QFontMetricsF(font, device).height() * TwipsPerInch / device->logicalDpiY();
}

} // namespace

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
    m_dotsPerTwip = m_printer->resolution() / TwipsPerInch;
    return true;
}

bool PainterSurface::newPage()
{
    return m_painter && m_printer->newPage();
}

QSizeF PainterSurface::pageSize() const
{
    if (!m_printer)
        return {};
    return m_printer->pageLayout().fullRect(QPageLayout::Point).size() * TwipsPerPoint;
}

void PainterSurface::setFont(const QString &family, double pointSize, bool bold, int stretch)
{
    if (!m_painter || pointSize <= 0)
        return;
    m_font = printFont(family, pointSize, bold, stretch);
    m_painter->setFont(m_font);
}

double PainterSurface::textWidth(const QString &text) const
{
    return m_painter ? widthOn(m_font, text, m_printer) : 0;
}

double PainterSurface::lineHeight() const
{
    return m_painter ? lineHeightOn(m_font, m_printer) : 0;
}

void PainterSurface::drawText(double x, double y, const QString &text)
{
    if (!m_painter)
        return;
    // QPainter puts the baseline at the point; the position is the top of the text.
    const double ascent = QFontMetricsF(m_painter->font(), m_printer).ascent();
    // Texts are black whatever colour the last line had.
    m_painter->setPen(Qt::black);
    m_painter->drawText(QPointF(x * m_dotsPerTwip, y * m_dotsPerTwip + ascent), text);
}

void PainterSurface::fillRect(const QRectF &rect, const QColor &color)
{
    if (!m_painter)
        return;
    m_painter->fillRect(QRectF(rect.topLeft() * m_dotsPerTwip, rect.size() * m_dotsPerTwip), color);
}

void PainterSurface::drawLine(const QPointF &from, const QPointF &to, double width,
                              const QColor &color)
{
    if (!m_painter)
        return;
    m_painter->setPen(QPen(color, width * m_dotsPerTwip, Qt::SolidLine, Qt::FlatCap));
    m_painter->drawLine(from * m_dotsPerTwip, to * m_dotsPerTwip);
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

RecordingSurface::RecordingSurface()
    : sheet(QPageSize(QPageSize::A4).size(QPageSize::Point) * TwipsPerPoint)
    , m_measure(1, 1, QImage::Format_ARGB32)
{
    const int dotsPerMetre = qRound(PrinterResolution / 0.0254);
    m_measure.setDotsPerMeterX(dotsPerMetre);
    m_measure.setDotsPerMeterY(dotsPerMetre);
}

bool RecordingSurface::beginDocument()
{
    ++begun;
    m_open.clear();
    m_page = 0;
    return !refuseBegin;
}

bool RecordingSurface::newPage()
{
    ++m_page;
    return true;
}

QSizeF RecordingSurface::pageSize() const
{
    return sheet;
}

void RecordingSurface::setFont(const QString &family, double pointSize, bool bold, int stretch)
{
    if (pointSize > 0)
        m_font = printFont(family, pointSize, bold, stretch);
    m_family = family;
    m_size = pointSize;
    m_bold = bold;
    m_stretch = stretch;
}

double RecordingSurface::textWidth(const QString &text) const
{
    return widthOn(m_font, text, &m_measure);
}

double RecordingSurface::lineHeight() const
{
    return lineHeightOn(m_font, &m_measure);
}

void RecordingSurface::drawText(double x, double y, const QString &text)
{
    m_open.append({ text, x, y, m_family, m_size, m_bold, m_stretch, m_page });
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
