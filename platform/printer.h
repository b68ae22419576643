// Printers: the installed ones, the program's one current printer, and the surface that
// documents draw on.
#pragma once

#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;

namespace kx {

constexpr double TwipsPerMillimetre = 1440 / 25.4;

// What printed documents draw on: texts placed in twips from the page's top-left corner.
class PrintSurface
{
public:
    virtual ~PrintSurface() = default;
    // Starts one printed document (one job of one page); false when it cannot start.
    virtual bool beginDocument() = 0;
    virtual void setFont(const QString &family, double pointSize, bool bold) = 0;
    // Draws text with the top-left corner of its first character at (x, y).
    virtual void drawText(double x, double y, const QString &text) = 0;
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
    void setFont(const QString &family, double pointSize, bool bold) override;
    void drawText(double x, double y, const QString &text) override;
    bool endDocument() override;

private:
    QPrinter *m_printer = nullptr;
    std::unique_ptr<QPainter> m_painter;
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
};

// Keeps what is drawn, one entry per ended document; tests read it.
class RecordingSurface : public PrintSurface
{
public:
    QList<QList<RecordedText>> documents;
    int begun = 0;
    // Stands for a printer whose job cannot start.
    bool refuseBegin = false;

    bool beginDocument() override;
    void setFont(const QString &family, double pointSize, bool bold) override;
    void drawText(double x, double y, const QString &text) override;
    bool endDocument() override;

private:
    QList<RecordedText> m_open;
    QString m_family;
    double m_size = 0;
    bool m_bold = false;
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
