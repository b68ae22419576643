// The cheque page: the report options panel's buttons that add, remove and save cheques, and
// the main grid's events on the page's cells.
#include "app/main_window.h"
#include "app/panel_loader.h"
#include "core/conversions.h"
#include "core/document_panels.h"
#include "core/messages.h"
#include "core/state.h"
#include "platform/grid.h"
#include "reports/cheques.h"
#include "reports/report.h"

#include <QDate>

namespace kx {

void FMain::connectChequeEvents()
{
    ConnectPanelEvent(RX1, QStringLiteral("CekYeni"), this, [this] { RX1_CekYeni(); });
    ConnectPanelEvent(RX1, QStringLiteral("CekSil"), this, [this] { RX1_CekSil(); });
    ConnectPanelEvent(RX1, QStringLiteral("CekKaydet"), this, [this] { RX1_CekKaydet(); });
}

void FMain::RX1_CekYeni()
{
    if (state().CurrentPage != Page::Cheques)
        return;
    // The new cheque goes on top, above the older ones.
    if (Grid1->Rows() != 1)
        Grid1->InsertRow(1, 1);
    else
        Grid1->setRows(2);
    Grid1->setRowTag(1, int(ReportRowKind::Data));
    for (int col : { ChequeColumn::Giver, ChequeColumn::Receiver, ChequeColumn::State })
        Grid1->Cell(1, col).setCellType(CellTypeComboBox);
    Grid1->Cell(1, ChequeColumn::DueDate)
        .setText(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    Grid1->Cell(1, ChequeColumn::Amount).setText(QStringLiteral("0,00"));
    Grid1->Cell(1, ChequeColumn::State).setText(ChequeState::InCash);
    // The cheque number is typed next: the grid takes the focus from the button.
    Grid1->Cell(1, ChequeColumn::Number).Select();
    Grid1->setFocus(Qt::OtherFocusReason);
}

void FMain::RX1_CekSil()
{
    if (state().CurrentPage != Page::Cheques)
        return;
    // Only cheques that can be seen go: a filtered-out cheque or the totals row stays.
    QList<int> rows;
    if (Grid1->CurrentCell().Row() >= 1) {
        const GridRange selected = Grid1->SelectionRange();
        for (int row = selected.FirstRow(); row <= selected.LastRow(); ++row) {
            if (isChequeRow(Grid1, row) && Grid1->RowHeight(row) > 0)
                rows.prepend(row);
        }
    }
    if (rows.isEmpty()) {
        ShowSystemMessage(QStringLiteral("Önce silmek istediğiniz çeki seçiniz!"), IconError);
        return;
    }
    for (int row : rows)
        Grid1->RemoveRow(row);
}

void FMain::RX1_CekKaydet()
{
    if (state().CurrentPage != Page::Cheques)
        return;
    // Every cheque row, hidden ones included; the totals row is no cheque.
    QList<ChequeRow> cheques;
    for (int row = 1; row < Grid1->Rows(); ++row) {
        if (!isChequeRow(Grid1, row))
            continue;
        cheques.append(chequeRowOf(Grid1, row));
    }
    // Until the list is shown the grid holds only the cheques typed since: the stored ones,
    // never seen, stay.
    const QString refusal = SaveCheques(cheques, m_reportPage == Page::Cheques);
    if (!refusal.isEmpty()) {
        // The rows stay as typed, so that they can be mended and saved again.
        ShowSystemMessage(refusal, IconError);
        return;
    }
    ShowReport();
}

void FMain::Grid1_OpenRow(int row, int col)
{
    // Emptied before each filling, so that the items do not pile up.
    if (state().CurrentPage == Page::Cheques
        && Grid1->Cell(row, col).CellType() == CellTypeComboBox)
        Grid1->ComboList().Clear();
}

void FMain::Grid1_ComboDropDown(int row, int col)
{
    Q_UNUSED(row);
    const ModuleState &s = state();
    if (s.CurrentPage != Page::Cheques)
        return;
    GridComboList &list = Grid1->ComboList();
    if ((col == ChequeColumn::Giver || col == ChequeColumn::Receiver)
        && s.CariVar != QLatin1String("yok")) {
        for (int i = 0; i < s.CariRows.recordCount(); ++i)
            list.AddItem(cardEntry(s.CariRows, i));
    } else if (col == ChequeColumn::State) {
        for (const QString &name : ChequeStates)
            list.AddItem(name);
    }
}

void FMain::leaveChequeCell(int row, int col)
{
    // Only a cheque's amount: the totals row keeps its one text.
    if (col != ChequeColumn::Amount || !isChequeRow(Grid1, row))
        return;
    GridCell cell = Grid1->Cell(row, ChequeColumn::Amount);
    cell.setText(reformattedAmount(cell.Text(), state().NumberFormat));
}

void FMain::reformatChequeAmounts()
{
    for (int r = 1; r < Grid1->Rows(); ++r) {
        if (!isChequeRow(Grid1, r))
            continue;
        GridCell cell = Grid1->Cell(r, ChequeColumn::Amount);
        cell.setText(reformattedAmount(cell.Text(), state().NumberFormat));
    }
}

} // namespace kx
