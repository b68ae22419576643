// Printers: the installed ones, the program's one current printer, and the surface that
// documents and reports draw on.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;

namespace kx {

constexpr double TwipsPerMillimetre = 1440 / 25.4;
constexpr double TwipsPerPoint = 20;

// What printed documents and reports draw on: texts, fills and lines placed in twips from the
// page's top-left corner.
class PrintSurface
{
public:
    virtual ~PrintSurface() = default;
    // Starts one printed document (one job, of one page until newPage); false when it cannot
    // start.
    virtual bool beginDocument() = 0;
    // Ends the page and starts another; false when the printer refused.
    virtual bool newPage() = 0;
    // The whole sheet, in twips.
    virtual QSizeF pageSize() const = 0;
    // stretch: the face's width in percent of its normal width, as QFont::Stretch has it.
    virtual void setFont(const QString &family, double pointSize, bool bold,
                         int stretch = QFont::Unstretched)
        = 0;
    // Width of text and the height of a line in the current font, in twips.
    virtual double textWidth(const QString &text) const = 0;
    virtual double lineHeight() const = 0;
    // Draws text with the top-left corner of its first character at (x, y).
    virtual void drawText(double x, double y, const QString &text) = 0;
    virtual void fillRect(const QRectF &rect, const QColor &color) = 0;
    // A line of the given width in twips.
    virtual void drawLine(const QPointF &from, const QPointF &to, double width, const QColor &color)
        = 0;
    // Ends the document, which sends it; false when it could not be sent.
    virtual bool endDocument() = 0;
};

// Draws with QPainter on a QPrinter; the whole sheet is the page.
class PainterSurface : public PrintSurface
{
public:
    explicit PainterSurface(QPrinter *printer = nullptr);
    ~PainterSurface() override;
    void setPrinter(QPrinter *printer) { m_printer = printer; }

    bool beginDocument() override;
    bool newPage() override;
    QSizeF pageSize() const override;
    void setFont(const QString &family, double pointSize, bool bold,
                 int stretch = QFont::Unstretched) override;
    double textWidth(const QString &text) const override;
    double lineHeight() const override;
    void drawText(double x, double y, const QString &text) override;
    void fillRect(const QRectF &rect, const QColor &color) override;
    void drawLine(const QPointF &from, const QPointF &to, double width,
                  const QColor &color) override;
    bool endDocument() override;

private:
    QPrinter *m_printer = nullptr;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    double m_dotsPerTwip = 0;
};

// One text as a recording surface kept it.
struct RecordedText
{
    QString text;
    double x = 0; // twips
    double y = 0;
    QString family;
    double size = 0;
    bool bold = false;
    int stretch = QFont::Unstretched;
    int page = 0; // from 0, within its document
};

// Keeps the texts drawn, one entry per ended document; tests read it. Texts are measured as on
// a printer of 1200 dots an inch, the resolution the program prints at.
class RecordingSurface : public PrintSurface
{
public:
    RecordingSurface();

    QList<QList<RecordedText>> documents;
    int begun = 0;
    // Stands for a printer whose job cannot start.
    bool refuseBegin = false;
    // The sheet, A4 upright unless a test sets another.
    QSizeF sheet;

    bool beginDocument() override;
    bool newPage() override;
    QSizeF pageSize() const override;
    void setFont(const QString &family, double pointSize, bool bold,
                 int stretch = QFont::Unstretched) override;
    double textWidth(const QString &text) const override;
    double lineHeight() const override;
    void drawText(double x, double y, const QString &text) override;
    void fillRect(const QRectF &, const QColor &) override { }
    void drawLine(const QPointF &, const QPointF &, double, const QColor &) override { }
    bool endDocument() override;

private:
    QList<RecordedText> m_open;
    QString m_family;
    double m_size = 0;
    bool m_bold = false;
    int m_stretch = QFont::Unstretched;
    QFont m_font; // what texts are measured in
    int m_page = 0;
    // The printer's resolution without a printer, to measure on.
    QImage m_measure;
};

// The printers the system lists and the choice of the current one.
class Printers
{
public:
    virtual ~Printers() = default;
    // Device names of the installed printers, in the system's order.
    virtual QStringList deviceNames() const;
    // Device name of the current printer; empty when there is none.
    virtual QString currentName() const;
    // Makes the installed printer at index of deviceNames() the current printer.
    virtual void makeCurrent(int index);
};

// The system's printers, as CUPS lists them.
Printers &systemPrinters();

// The current printer of the whole program: the system's default printer at first, later the
// one chosen last; nullptr when none is installed and none was put in place.
QPrinter *currentPrinter();
// Puts a printer of the caller's in place as the current one (a PDF file printer in tests);
// nullptr drops it, and the next use looks for the system's default again.
void setCurrentPrinter(std::unique_ptr<QPrinter> printer);

} // namespace kx
