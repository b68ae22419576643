// Printing the open document on the current printer, with the printer choice before each copy.
#include "reports/document_print.h"

#include "core/messages.h"
#include "platform/printer.h"
#include "reports/printer_choice.h"

#include <QTime>

namespace kx {

PrintDevices standardPrintDevices()
{
    PrintDevices devices;
    devices.choosePrinter = [] { ShowPrinterChoice(); };
    devices.surface = []() -> PrintSurface * {
        static PainterSurface surface;
        QPrinter *printer = currentPrinter();
        surface.setPrinter(printer);
        return printer ? &surface : nullptr;
    };
    return devices;
}

bool renderPrintItems(const QList<PrintItem> &items, PrintSurface &surface)
{
    if (!surface.beginDocument())
        return false;
    for (const PrintItem &item : items) {
        surface.setFont(QStringLiteral("Courier New"), item.size, item.bold);
        surface.drawText(item.x * TwipsPerMillimetre, item.y * TwipsPerMillimetre, item.text);
    }
    return surface.endDocument();
}

int printCopies(const DocumentView &view, int copies, const PrintKinds &kinds,
                const PrintDevices &devices)
{
    if (copies < 1)
        return 0;
    PrintSnapshot snapshot = snapshotDocument(view, kinds);
    int failed = 0;
    for (int copy = 1; copy <= copies; ++copy) {
        if (devices.choosePrinter)
            devices.choosePrinter();
        snapshot.time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
        PrintSurface *surface = devices.surface ? devices.surface() : nullptr;
        if (!surface || !renderPrintItems(buildPrintItems(snapshot), *surface))
            ++failed;
    }
    return failed;
}

void PrintDocument(const DocumentView &view, int copies, const PrintKinds &kinds,
                   const PrintDevices &devices)
{
    reportPrintFailures(printCopies(view, copies, kinds, devices), copies);
}

void reportPrintFailures(int failed, int copies)
{
    // Whatever went wrong at the printer, the user learns how many copies are missing.
    if (failed > 0 && failed == copies)
        ShowSystemMessage(QStringLiteral("Belge yazdırılamadı! Yazıcıyı kontrol ediniz."),
                          IconError);
    else if (failed > 0)
        ShowSystemMessage(QStringLiteral("Belgenin %1 kopyası yazdırılamadı! Yazıcıyı kontrol "
                                         "ediniz.")
                              .arg(failed),
                          IconError);
}

} // namespace kx
