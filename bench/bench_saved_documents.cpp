// Figures of the saved documents: an account's list, and an invoice opened again in its page.
#include "bench/bench_saved_documents.h"
#include "bench/bench_support.h"

#include "app/main_window.h"
#include "app/saved_documents_window.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/saved_documents.h"
#include "core/state.h"
#include "platform/combo_box.h"

#include <QApplication>

namespace kxbench {

void runSavedDocumentFigures(const GeneratedDocuments &made, int runs,
                             const std::function<void(const char *, double)> &print)
{
    kx::FMain &window = benchMainWindow();
    window.startAfterLogin();
    kx::messageScript().clear();
    kx::messageScript().suppressNotices = true;

    kx::FKayitli list(&window);
    list.show();
    list.CCariX->setListIndex(kx::accountRecordById(made.listedAccount, false));
    print("saved_documents_list", medianMs(runs, [&] {
              list.ListAccountDocuments();
              QApplication::processEvents();
          }));

    const QString key = kx::documentKey(5, made.bigInvoice);
    print("open_invoice_100", medianMs(runs, [&] {
              if (!window.OpenSavedDocument(key))
                  qFatal("kxbench: the invoice did not open: %s",
                         qPrintable(kx::messageScript().lastPopupText()));
              window.repaint();
              QApplication::processEvents();
          }));
    kx::state().ClearAfterKayitli = false;
}

} // namespace kxbench
