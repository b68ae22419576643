// The main window's side of the document panels' events: information lines, prices, barcode
// search, the barcode and serial entry switches, and recalculation on a changed VAT mode or
// percentage.
#include "app/main_window.h"
#include "app/panel_loader.h"
#include "core/conversions.h"
#include "core/database.h"
#include "core/delivery_notes.h"
#include "core/document_kinds.h"
#include "core/document_lines.h"
#include "core/document_values.h"
#include "core/messages.h"
#include "core/settings_row_map.h"
#include "core/state.h"
#include "core/stock_balance.h"
#include "core/stock_choice.h"
#include "platform/grid.h"

#include <QComboBox>
#include <QWidget>

#include <utility>

namespace kx {

void FMain::connectPanelEvents()
{
    const auto on = [this](QObject *panel, const char *event, std::function<void()> handler) {
        ConnectPanelEvent(panel, QString::fromLatin1(event), this, std::move(handler));
    };
    for (QObject *panel :
         { static_cast<QObject *>(RA1), static_cast<QObject *>(RB1), static_cast<QObject *>(RC1) })
        on(panel, "CCariCL", [this, panel] { Panel_CCariCL(panel); });
    for (QObject *panel : { static_cast<QObject *>(RA1), static_cast<QObject *>(RC1) }) {
        on(panel, "CStokCL", [this, panel] { Panel_CStokCL(panel); });
        on(panel, "BarkodBul", [this, panel] { Panel_BarkodBul(panel); });
        on(panel, "CBarkodCL",
           [this, panel] { Panel_EntrySwitch(panel, "XCBarkod", "XTBarkod", state().ColBarkod); });
        on(panel, "CSerialCL",
           [this, panel] { Panel_EntrySwitch(panel, "XCSerial", "XTSerial", state().ColSeriNo); });
        on(panel, "UrunEkle", [this] { AddDocumentLine(documentView()); });
    }
    for (QObject *panel : { static_cast<QObject *>(RB1), static_cast<QObject *>(RC1) }) {
        m_lastVatIndex[panel] = fieldIndex(panel, "XCKdv");
        // Queued: Qt changes the index before the pick's Click, which compares with the old one.
        if (auto *vatMode = qobject_cast<QComboBox *>(panelField(panel, "XCKdv")))
            connect(
                vatMode, &QComboBox::currentIndexChanged, this,
                [this, panel](int index) { m_lastVatIndex[panel] = index; }, Qt::QueuedConnection);
        on(panel, "CKdvCL", [this, panel] { Panel_CKdvCL(panel); });
        const std::pair<const char *, const char *> percentages[]
            = { { "TIsk1CH", "XTIsk1" }, { "TIsk2CH", "XTIsk2" }, { "TIsk3CH", "XTIsk3" } };
        for (const auto &percentage : percentages) {
            const char *field = percentage.second;
            m_lastPercentage[panelField(panel, field)] = amountOf(fieldText(panel, field));
            on(panel, percentage.first, [this, panel, field] { Panel_TIskCH(panel, field); });
        }
    }
}

void FMain::Panel_CKdvCL(QObject *panel)
{
    const int index = fieldIndex(panel, "XCKdv");
    const bool changed = vatExcluded(index) != vatExcluded(m_lastVatIndex.value(panel, -1));
    m_lastVatIndex[panel] = index;
    if (changed)
        RecalcDocument(documentView());
}

void FMain::Panel_TIskCH(QObject *panel, const char *field)
{
    // Kept on every page and for every change, typed or set by the program, so that only an
    // edit that leaves the percentage as it was (a 0 typed over a 0) is spared.
    const double value = amountOf(fieldText(panel, field));
    double &last = m_lastPercentage[panelField(panel, field)];
    const bool changed = value != last;
    last = value;
    // A percentage typed after the lines counts at once, on its own panel's page only.
    if (changed && documentView().panelOfPage(state().CurrentPage) == panel)
        RecalcDocument(documentView());
}

void FMain::Panel_CCariCL(QObject *panel)
{
    const ModuleState &s = state();
    try {
        if (panel == RB1)
            LoadOpenDeliveryNotes(documentView());
        const int record = fieldIndex(panel, "XCCari");
        if (record < 0)
            return;
        // Ids are carried whole: a 16-bit id would wrap above 32767 and name another account.
        const qint64 accountId = s.CariRows.value(0, record).toLongLong();
        setFieldText(panel, "XTInfo", AccountStatusText(accountId));
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Cari hesap durumu okunamadı!"), IconError);
    }
}

void FMain::Panel_CStokCL(QObject *panel)
{
    ModuleState &s = state();
    const int record = fieldIndex(panel, "XCStok");
    if (panel == RC1 && record > -1)
        setFieldText(panel, "XTFiyat", priceForDirection(record, fieldIndex(panel, "XCBelge")));

    try {
        s.Conn2->Open(databasePath());
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Stok miktarı okunamadı!"), IconError);
        return;
    }
    try {
        if (record > -1) {
            const QVariant onHand = StockOnHand(s.StokRows.value(0, record).toLongLong(), false);
            setFieldText(panel, "XTInfo", stockInfoText(record, onHand));
        }
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Stok miktarı okunamadı!"), IconError);
    }
    s.Conn2->Close();
}

void FMain::Panel_BarkodBul(QObject *panel)
{
    setFieldText(panel, "XCStok", QString());
    setFieldIndex(panel, "XCStok", -1);
    if (panel == RC1)
        setFieldText(panel, "XTFiyat", QStringLiteral("0,00"));
    const int record = findBarcodeRecord(fieldText(panel, "XTBarkod"));
    if (record >= 0)
        setFieldIndex(panel, "XCStok", record);
}

void FMain::Panel_EntrySwitch(QObject *panel, const char *switchField, const char *entryField,
                              int column)
{
    const ModuleState &s = state();
    const bool on = fieldIndex(panel, switchField) == 0;
    if (auto *entry = qobject_cast<QWidget *>(panelField(panel, entryField)))
        entry->setEnabled(on);
    // Only the page of this panel has the column; the start-up's panel preparation comes
    // before any page.
    if (documentView().panelOfPage(s.CurrentPage) != panel || column < 1)
        return;
    Grid1->setColumnWidth(column,
                          on ? storedColumnWidth(columnWidthRow(s.CurrentPage), column) : 0);
}

} // namespace kx
