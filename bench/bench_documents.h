// Figures of the document logic: stock on hand, account status, open notes, an invoice save.
#pragma once

#include "bench/generator_documents.h"

#include <functional>

namespace kxbench {

// Adds the documents to the benchmark company, then measures each figure `runs` times and
// hands its median to print: stock_on_hand, account_status, open_notes, save_invoice_100,
// print_invoice_100.
// Needs a QApplication (the panels and the grid are widgets). Returns what it added.
GeneratedDocuments runDocumentFigures(const DocumentSizes &sizes, int runs,
                                      const std::function<void(const char *, double)> &print);

} // namespace kxbench
