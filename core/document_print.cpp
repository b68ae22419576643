// Printing a saved document with the print layouts of the settings.
#include "core/document_print.h"

namespace kx {

// The print layouts and the printer choice come with the printing work; until then a saved
// document prints nothing.
void PrintDocument(Grid *, int) { }

} // namespace kx
