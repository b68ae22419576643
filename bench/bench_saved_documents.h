// Figures of the saved documents: an account's list, and an invoice opened again in its page.
#pragma once

#include "bench/generator_documents.h"

#include <functional>

namespace kxbench {

// saved_documents_list: the saved-documents window lists the account with 2,000 documents.
// open_invoice_100: the main window opens the saved 100-line invoice in its page, totals
// included. Needs the documents of addDocuments and a QApplication.
void runSavedDocumentFigures(const GeneratedDocuments &made, int runs,
                             const std::function<void(const char *, double)> &print);

} // namespace kxbench
