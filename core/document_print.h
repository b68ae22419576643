// The document save's way to the printer: the program registers the printing, the save calls it.
#pragma once

#include <functional>

namespace kx {

struct DocumentView;

// Printing lives above the core; the program puts its printer of documents in place here. It
// returns the number of copies that could not be printed, and says nothing about them.
using DocumentPrinter = std::function<int(const DocumentView &view, int copies)>;
void setDocumentPrinter(DocumentPrinter printer);

// Prints the open document of the main window `copies` times (nothing below 1) through the
// registered printer; without one nothing is printed. Returns the copies not printed.
int PrintDocument(const DocumentView &view, int copies);

} // namespace kx
