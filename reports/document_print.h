// Printing the open document on the current printer, with the printer choice before each copy.
#pragma once

#include "reports/document_print_items.h"

#include <functional>

namespace kx {

class PrintSurface;

// What a print run talks to. The standard ones are the printer choice "Yazıcı Seçimi" and the
// current printer; tests put a scripted choice and a recording surface in their place.
struct PrintDevices
{
    // Shown before each copy.
    std::function<void()> choosePrinter;
    // The surface of the printer that is current after the choice; nullptr when there is none.
    std::function<PrintSurface *()> surface;
};

PrintDevices standardPrintDevices();

// Draws one copy: one document on the surface, each item in "Courier New" at its place.
// False when the document could not be started or sent.
bool renderPrintItems(const QList<PrintItem> &items, PrintSurface &surface);

// Prints the open document `copies` times (nothing below 1): before each copy the printer
// choice, then the copy on the printer current after it. Returns the number of copies that
// the printer could not take; says nothing about them.
int printCopies(const DocumentView &view, int copies, const PrintKinds &kinds,
                const PrintDevices &devices = standardPrintDevices());

// The same, reporting copies that did not print once, after the last, with the error icon.
void PrintDocument(const DocumentView &view, int copies, const PrintKinds &kinds,
                   const PrintDevices &devices = standardPrintDevices());

// Tells the user, with the error icon, that `failed` of `copies` copies did not print; nothing
// when all printed.
void reportPrintFailures(int failed, int copies);

} // namespace kx
