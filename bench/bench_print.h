// The figure of document printing: the print items of an open invoice.
#pragma once

namespace kx {
struct DocumentView;
}

namespace kxbench {

// Switches every field of the invoice-with-lines layout on, then times the print items of the
// invoice open in the view (snapshot, balance query and items); the median of `runs`.
double printInvoiceMs(const kx::DocumentView &view, int runs);

} // namespace kxbench
