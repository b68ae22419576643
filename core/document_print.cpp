// The document save's way to the printer: the program registers the printing, the save calls it.
#include "core/document_print.h"

#include <utility>

namespace kx {

namespace {
DocumentPrinter &registered()
{
    static DocumentPrinter printer;
    return printer;
}
} // namespace

void setDocumentPrinter(DocumentPrinter printer)
{
    registered() = std::move(printer);
}

int PrintDocument(const DocumentView &view, int copies)
{
    return copies > 0 && registered() ? registered()(view, copies) : 0;
}

} // namespace kx
