// Saving the document entered on a page, and offering its changed prices to the stock cards.
#include "core/document_entry.h"

#include "core/conversions.h"
#include "core/delivery_notes.h"
#include "core/document_kinds.h"
#include "core/document_lines.h"
#include "core/document_panels.h"
#include "core/document_print.h"
#include "core/document_values.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/settings_row_map.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "core/stock_balance.h"
#include "platform/adodb.h"
#include "platform/grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace kx {

namespace {

void refuse(QObject *panel, const QString &message, const char *focus)
{
    ShowSystemMessage(message, IconError);
    if (focus)
        focusField(panel, focus);
}

// The first failing input check, reported; false when one failed.
bool checkInput(const DocumentView &view, QObject *panel)
{
    const ModuleState &s = state();
    Grid *grid = view.Grid1;
    const int account = fieldIndex(panel, "XCCari");
    if (account < 0 || account >= s.CariRows.recordCount() || s.CariVar == QLatin1String("yok")) {
        refuse(panel, QStringLiteral("Cariyi kontrol edip tekrar deneyiniz!"), "XCCari");
        return false;
    }
    if (!IsLetterCode(fieldText(panel, "XTSeriNo"))) {
        setFieldText(panel, "XTSeriNo", QString());
        refuse(panel, QStringLiteral("Geçerli bir seri numarası giriniz!"), "XTSeriNo");
        return false;
    }
    if (amountOf(fieldText(panel, "XTSiraNo")) == 0) {
        refuse(panel, QStringLiteral("Geçerli bir sıra numarası giriniz!"), "XTSiraNo");
        return false;
    }
    if (s.CurrentPage != Page::Invoice && grid->Rows() == 1) {
        refuse(panel, QStringLiteral("Belgeye ürün ekleyiniz!"), "XTAciklama");
        // On to the field after the note.
        if (auto *note = qobject_cast<QWidget *>(panelField(panel, "XTAciklama"))) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(note, &tab);
        }
        return false;
    }
    if (s.CurrentPage == Page::Invoice) {
        bool chosen = false;
        for (int r = 1; r < grid->Rows() && !chosen; ++r)
            chosen = numberValue(grid->Cell(r, 1).Text()) == 1;
        if (!chosen) {
            refuse(panel, QStringLiteral("Belgeye irsaliye ekleyiniz!"), nullptr);
            return false;
        }
    }
    // A line whose quantity was edited in the grid to none or below would move stock (or move
    // it the wrong way) while its amounts show 0,00.
    for (int r = 1; r < grid->Rows(); ++r) {
        if (grid->RowHeight(r) == LineRowHeight
            && amountOf(grid->Cell(r, s.ColMiktar).Text()) <= 0) {
            refuse(panel, QStringLiteral("Ürün miktarını giriniz!"), nullptr);
            return false;
        }
    }
    // An invoice stores the VAT of three rates only: a line at any other rate would lose its
    // VAT from the stored rows, or leave them at odds with the stored total.
    if (isInvoicePage(s.CurrentPage)) {
        for (int r = 1; r < grid->Rows(); ++r) {
            const QString rate = grid->Cell(r, s.ColKdvOrani).Text();
            if (grid->RowHeight(r) != LineRowHeight || isCompanyVatRate(rate))
                continue;
            refuse(panel,
                   grid->Cell(r, s.ColStokAdi).Text()
                       + QStringLiteral(" isimli ürünün KDV oranı (%") + rate
                       + QStringLiteral(") firmanın KDV oranlarından biri değil!"),
                   nullptr);
            return false;
        }
    }
    return true;
}

// The stock card id of a goods line: on the invoice over notes the cell text is the line's
// own id and the card id is the cell's hidden value.
qint64 lineStockId(Grid *grid, int row, int page)
{
    const GridCell cell = grid->Cell(row, 0);
    return qint64(numberValue(page == Page::Invoice ? cell.Data().toString() : cell.Text()));
}

} // namespace

DocumentInput readDocument(const DocumentView &view)
{
    const ModuleState &s = state();
    const int page = s.CurrentPage;
    QObject *panel = view.panelOfPage(page);
    Grid *grid = view.Grid1;
    DocumentInput input;
    input.kind = documentKindOfPage(page);
    input.accountId = s.CariRows.value(0, fieldIndex(panel, "XCCari")).toLongLong();
    input.direction = fieldIndex(panel, "XCBelge");
    input.series = fieldText(panel, "XTSeriNo");
    input.number = fieldText(panel, "XTSiraNo");
    input.documentDate = fieldDateKey(panel, "XDBelge");
    input.dispatchDate = fieldDateKey(panel, "XDSevk");
    input.note = fieldText(panel, "XTAciklama");
    if (Grid *totals = view.totalsOfPage(page)) {
        input.vatMode = fieldIndex(panel, "XCKdv");
        input.kdv1 = totals->Cell(4, 3).Text();
        input.kdv2 = totals->Cell(5, 3).Text();
        input.kdv3 = totals->Cell(6, 3).Text();
        input.discount = FormatNumber(amountOf(totals->Cell(2, 3).Text()), s.NumberFormat);
        input.grandTotal = totals->Cell(7, 3).Text();
    }

    qint64 note = 0;
    for (int r = 1; r < grid->Rows(); ++r) {
        if (page == Page::Invoice) {
            const int height = grid->RowHeight(r);
            if (height == NoteRowHeight) {
                note = qint64(numberValue(grid->Cell(r, 0).Text()));
                if (numberValue(grid->Cell(r, 1).Text()) == 1)
                    input.deliveryNotes << note;
                continue;
            }
            if (height != LineRowHeight)
                continue;
        }
        DocumentLine line;
        line.stockId = lineStockId(grid, r, page);
        line.stockName = grid->Cell(r, s.ColStokAdi).Text();
        line.quantity = amountOf(grid->Cell(r, s.ColMiktar).Text());
        line.price = grid->Cell(r, s.ColFiyat).Text();
        line.vatRate = grid->Cell(r, s.ColKdvOrani).Text();
        line.serial = grid->Cell(r, s.ColSeriNo).Text();
        if (page == Page::Invoice) {
            line.lineId = qint64(numberValue(grid->Cell(r, 0).Text()));
            line.noteId = note;
        }
        input.lines << line;
    }
    return input;
}

bool SaveDocument(const DocumentView &view)
{
    ModuleState &s = state();
    const int page = s.CurrentPage;
    QObject *panel = view.panelOfPage(page);
    if (!isDocumentPage(page) || !panel || !view.Grid1)
        return false;
    if (!checkInput(view, panel))
        return false;

    const DocumentInput input = readDocument(view);
    SaveOutcome outcome;
    try {
        const qint64 older
            = findDuplicateDocument(*s.Conn, s.TblBelge, input.kind, input.series, input.number);
        if (older != 0
            && !AskYesNo(QStringLiteral("Aynı belge numaralı daha eski bir kayıt tespit "
                                        "edildi!\nDevam ederek eski kaydı silip yerine bu "
                                        "belgeyi kaydetmek istiyor musunuz?")))
            return false;
        outcome = writeDocument(*s.Conn, s.TblBelge, input, older);
    } catch (const DatabaseError &) {
        outcome.refusal = QStringLiteral("Belge kaydedilemedi!");
    }
    if (!outcome.saved) {
        ShowSystemMessage(outcome.refusal, IconError);
        return false;
    }
    s.LastBelgeId = outcome.documentId;

    // What needs the saved rows comes after the commit; the document stays saved whatever
    // happens here.
    try {
        if (page != Page::Invoice) {
            const bool incoming = stockDirection(input) == QLatin1String("i");
            QList<StockLine> lines;
            for (const DocumentLine &line : input.lines)
                lines << StockLine { line.stockId, line.quantity, incoming };
            s.Conn2->Open(s.Conn->path());
            WarnLowStock(lines);
            s.Conn2->Close();
        }
        CheckDocumentPrices(view);

        if (page != Page::DeliveryNote)
            s.FieldValues[AyarGenel::VatMode] = QString::number(fieldIndex(panel, "XCKdv"));
        if (page != Page::Invoice) {
            s.FieldValues[AyarGenel::BarcodeEntry] = QString::number(fieldIndex(panel, "XCBarkod"));
            s.FieldValues[AyarGenel::SerialEntry] = QString::number(fieldIndex(panel, "XCSerial"));
        }
        s.FieldValues[AyarGenel::lastSeriesColumn(input.kind)] = input.series;
        ExecUpdate(s.TblAyar, AyarGenel::Id);
        LoadLists(true, false, false);
    } catch (const DatabaseError &) {
        if (s.Conn2)
            s.Conn2->Close();
        s.FieldValues.fill(SkipSlot);
        ShowSystemMessage(QStringLiteral("Belge kaydedildi, ancak ayarlar güncellenemedi!"),
                          IconError);
    }

    ShowSystemMessage(QStringLiteral("Belge kaydedildi..."), IconSuccess);
    const int copies = fieldIndex(panel, "XCPrint");
    // The notice of the save would be replaced by the printer's: this one says both.
    if (const int failed = PrintDocument(view, copies); failed > 0)
        ShowSystemMessage(failed == copies
                              ? QStringLiteral("Belge kaydedildi, ancak yazdırılamadı! Yazıcıyı "
                                               "kontrol ediniz.")
                              : QStringLiteral("Belge kaydedildi, ancak %1 kopyası "
                                               "yazdırılamadı! Yazıcıyı kontrol ediniz.")
                                    .arg(failed),
                          IconError);
    ResetPanel(view);
    return true;
}

void CheckDocumentPrices(const DocumentView &view)
{
    ModuleState &s = state();
    const int page = s.CurrentPage;
    if (numberValue(settingText(s.AyarRows, AyarTablolar::Id, AyarTablolar::PriceWriteBack)) != 1
        || !isInvoicePage(page))
        return;
    Grid *grid = view.Grid1;
    const int direction = fieldIndex(view.panelOfPage(page), "XCBelge");
    // Sales compare with the sale price a6, purchases with the purchase price a4.
    const int column = direction == 0 || direction == 2 ? 6 : 4;
    bool written = false;
    for (int r = 1; r < grid->Rows(); ++r) {
        if (grid->RowHeight(r) != LineRowHeight)
            continue;
        const QString priceText = grid->Cell(r, s.ColFiyat).Text();
        const qint64 stockId = lineStockId(grid, r, page);
        const QVariant card = FindListIndex(QStringLiteral("S"), stockId);
        if (card.isNull())
            continue;
        if (amountOf(s.StokAllRows.value(column, card.toInt())) == amountOf(priceText))
            continue;
        if (!AskYesNo(grid->Cell(r, s.ColStokAdi).Text()
                      + QStringLiteral(" isimli ürünün stok kartındaki fiyati ile bu belgedeki "
                                       "fiyatı aynı değildir.\nBelgedeki fiyatı (")
                      + priceText + QStringLiteral(") stok kartına kaydetmek ister misiniz?")))
            continue;
        s.FieldValues[column] = priceText;
        ExecUpdate(s.TblStok, stockId);
        written = true;
    }
    // Only a written price needs the stock lists read again; a whole reload per save costs
    // more than the save itself on a large company.
    if (!written)
        return;
    // A card made or deleted meanwhile on another computer moves the reloaded rows; an entry's
    // index is its card's row, so the panels' lists must move with them.
    const auto liveIds = [&s] {
        return s.StokVar == QLatin1String("var") ? s.StokRows.field(0) : QList<QVariant>();
    };
    const QList<QVariant> before = liveIds();
    LoadLists(false, true, false);
    if (liveIds() != before)
        FillStockLists(view);
}

} // namespace kx
