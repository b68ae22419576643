// Printing a saved document with the print layouts of the settings.
#pragma once

namespace kx {

class Grid;

// Prints the document of the current page `copies` times (0: nothing), asking for the printer
// before each copy. Errors inside are passed over.
void PrintDocument(Grid *grid, int copies);

} // namespace kx
