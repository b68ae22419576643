// Figures of the document logic: stock on hand, account status, open notes, an invoice save.
#include "bench/bench_documents.h"
#include "bench/bench_print.h"
#include "bench/bench_support.h"

#include "app/panel_loader.h"
#include "core/delivery_notes.h"
#include "core/document_entry.h"
#include "core/document_kinds.h"
#include "core/document_lines.h"
#include "core/document_panels.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/stock_balance.h"
#include "platform/combo_box.h"
#include "platform/grid.h"

#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace kxbench {

namespace {

kx::ComboBox *combo(QObject *panel, const char *name)
{
    return qobject_cast<kx::ComboBox *>(kx::panelField(panel, name));
}

} // namespace

GeneratedDocuments runDocumentFigures(const DocumentSizes &sizes, int runs,
                                      const std::function<void(const char *, double)> &print)
{
    kx::ModuleState &s = kx::state();
    const GeneratedDocuments made = addDocuments(sizes);
    kx::LoadLists(true, true, true);
    // Questions and notices are answered without windows.
    kx::messageScript().clear();
    kx::messageScript().suppressNotices = true;

    QWidget window;
    kx::DocumentView view;
    view.window = &window;
    view.Grid1 = new kx::Grid(&window);
    view.GridB2 = new kx::Grid(&window);
    view.GridB3 = new kx::Grid(&window);
    for (kx::Grid *totals : { view.GridB2, view.GridB3 }) {
        totals->setRows(8);
        totals->setCols(4);
    }
    view.RB1 = kx::CreatePanel(QStringLiteral("Belgepano.RB"), &window);
    view.RC1 = kx::CreatePanel(QStringLiteral("Belgepano.RC"), &window);
    if (!view.RB1 || !view.RC1)
        qFatal("kxbench: the Belgepano panels could not be made");
    kx::FillPanelLists(view);

    s.Conn2->Open(s.Conn->path());
    print("stock_on_hand", medianMs(runs, [&] { kx::StockOnHand(made.someStock, false); }));
    s.Conn2->Close();

    print("account_status", medianMs(runs, [&] { kx::AccountStatusText(made.someAccount); }));

    s.CurrentPage = 4;
    view.Grid1->setCols(14);
    kx::ResetPanel(view);
    combo(view.RB1, "XCCari")->setListIndex(kx::accountRecordById(made.busyAccount, false));
    print("open_notes", medianMs(runs, [&] { kx::LoadOpenDeliveryNotes(view); }));

    // A 100-line invoice entered on the invoice-with-lines page, then saved whole: checks,
    // transaction, stock warnings, price offers (answered No), defaults, reset.
    s.CurrentPage = 5;
    view.Grid1->setRows(1);
    kx::ResetPanel(view);
    const auto enterInvoice = [&] {
        combo(view.RC1, "XCCari")->setListIndex(kx::accountRecordById(made.someAccount, false));
        for (int i = 0; i < 100; ++i) {
            combo(view.RC1, "XCStok")->setListIndex((i * 197) % s.StokRows.recordCount());
            qobject_cast<QLineEdit *>(kx::panelField(view.RC1, "XTMiktar"))->setText("2");
            qobject_cast<QLineEdit *>(kx::panelField(view.RC1, "XTFiyat"))->setText("9,99");
            kx::AddDocumentLine(view);
        }
        kx::messageScript().clear();
        kx::messageScript().suppressNotices = true;
        kx::messageScript().answers = QList<int>(100, kx::AnswerNo);
    };
    print("save_invoice_100", medianMs(runs, [&] {
              if (!kx::SaveDocument(view))
                  qFatal("kxbench: the invoice was not saved: %s",
                         qPrintable(kx::messageScript().lastPopupText()));
          }, enterInvoice));

    enterInvoice();
    print("print_invoice_100", printInvoiceMs(view, runs));
    return made;
}

} // namespace kxbench
