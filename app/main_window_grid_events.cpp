// The main window's handling of its grids: document lines, widths, drill-downs and the discount
// cell of the totals grids. The cheque page's cells are handled beside its buttons
// (main_window_cheques.cpp).
#include "app/main_window.h"
#include "app/ribbon_menu.h"
#include "core/conversions.h"
#include "core/database.h"
#include "core/delivery_notes.h"
#include "core/document_kinds.h"
#include "core/document_lines.h"
#include "core/document_panels.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/rights.h"
#include "core/settings_row_map.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/grid.h"
#include "reports/report.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSet>

#include <functional>

namespace kx {

namespace {

// Chooses the first item whose text equals text exactly; no match keeps the old choice.
void chooseItem(QObject *panel, const char *property, const QString &text)
{
    auto *list = qobject_cast<ComboBox *>(panelField(panel, property));
    if (!list)
        return;
    for (int i = 0; i < list->ListCount(); ++i) {
        if (list->List(i) == text) {
            list->setListIndex(i);
            return;
        }
    }
}

// "05 Ocak 2024" (day, separator, month name, separator, year) as 05.01.2024; empty when the
// text holds no month name there.
QString dayRowDate(const QString &text)
{
    if (text.size() < 9)
        return {};
    const QVariant month = MonthNumber(text.mid(3, text.size() - 8));
    if (month.isNull() || month.toString().isEmpty())
        return {};
    return text.left(2) + QLatin1Char('.') + month.toString() + QLatin1Char('.') + text.right(4);
}

// The header reports every pixel of a drag, and each stored width is a write to the database
// (on a network folder too): a dragged column's width is handed on once, when the mouse lets
// go. Widths set without a drag pass at once.
class ColumnDragWatch : public QObject
{
public:
    ColumnDragWatch(QHeaderView *header, std::function<void(int)> resized)
        : QObject(header)
        , m_resized(std::move(resized))
    {
        header->viewport()->installEventFilter(this);
    }
    void columnResized(int col)
    {
        if (m_pressed)
            m_dragged.insert(col);
        else
            m_resized(col);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_pressed = false;
            const QSet<int> dragged = std::exchange(m_dragged, {});
            for (int col : dragged)
                m_resized(col);
        }
        return false;
    }

private:
    std::function<void(int)> m_resized;
    QSet<int> m_dragged;
    bool m_pressed = false;
};

} // namespace

void FMain::connectGridEvents()
{
    connect(Grid1, &Grid::CellChange, this, &FMain::Grid1_CellChange);
    auto *drag = new ColumnDragWatch(Grid1->horizontalHeader(),
                                     [this](int col) { Grid1_ColumnResize(col); });
    connect(Grid1, &Grid::ColumnResize, drag, &ColumnDragWatch::columnResized);
    connect(Grid1, &Grid::OpenRow, this, &FMain::Grid1_OpenRow);
    connect(Grid1, &Grid::ComboDropDown, this, &FMain::Grid1_ComboDropDown);
    connect(Grid1, &Grid::DblClick, this, &FMain::Grid1_DblClick);
    connect(Grid1, &Grid::LeaveCell, this, &FMain::Grid1_LeaveCell);
    connect(Grid1, &Grid::LostFocus, this, &FMain::Grid1_LostFocus);
    for (Grid *totals : { GridB2, GridB3 }) {
        connect(totals, &Grid::CellChange, this,
                [this, totals](int row, int col) { GridB_CellChange(totals, row, col); });
        connect(totals, &Grid::LeaveCell, this,
                [this, totals](int row, int col) { GridB_LeaveCell(totals, row, col); });
        connect(totals, &Grid::LostFocus, this, [this, totals] { GridB_LostFocus(totals); });
    }
}

void FMain::Grid1_CellChange(int row, int col)
{
    const ModuleState &s = state();
    const int page = s.CurrentPage;
    const bool byUser = Grid1->AutoRedraw();

    // A delivery note ticked or unticked on the invoice page brings or takes its lines.
    if (page == Page::Invoice && byUser && col == 1 && row >= 1)
        LoadDocumentLines(documentView(), row, col);

    if (byUser && (col == s.ColMiktar || col == s.ColFiyat)) {
        if (isInvoicePage(page))
            RecalcDocument(documentView());
        Grid1->setEditCaret(int(Grid1->Cell(row, col).Text().size()));
    }

    // A line unticked: remove exactly that row, or put the tick back.
    if ((page == Page::DeliveryNote || page == Page::InvoiceWithLines) && col == 1 && row >= 1
        && row < Grid1->Rows() && numberValue(Grid1->Cell(row, col).Text()) == 0) {
        if (AskYesNo(QStringLiteral("Bu ürünü listeden kaldırmak istediğinize emin misiniz?"))) {
            Grid1->RemoveRow(row);
            if (page == Page::InvoiceWithLines)
                RecalcDocument(documentView());
        } else {
            Grid1->Cell(row, col).setText(QStringLiteral("1"));
        }
    }
}

void FMain::Grid1_ColumnResize(int col)
{
    ModuleState &s = state();
    const int width = Grid1->ColumnWidth(col);
    // A hidden column keeps its stored width; a bulk fill's widths are not the user's.
    if (width <= 0 || !Grid1->AutoRedraw() || col < 1 || col > 50 || s.CurrentPage < Page::StockList
        || s.CurrentPage > Page::Cheques)
        return;
    s.FieldValues[col] = width;
    try {
        ExecUpdate(s.TblAyar, columnWidthRow(s.CurrentPage));
        LoadLists(true, false, false);
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Sütun genişliği kaydedilemedi!"), IconError);
    }
}

void FMain::Grid1_DblClick()
{
    ModuleState &s = state();
    const int page = s.CurrentPage;
    const int row = Grid1->CurrentCell().Row();
    if (row < 1 || row >= Grid1->Rows())
        return;

    if (isListPage(page)) {
        CMBar_Execute(Command::EditCard);
        return;
    }
    // Only a report's data rows drill down: an opening, goods-line or totals row leads nowhere.
    if (reportRowKind(Grid1, row) != ReportRowKind::Data)
        return;
    if (page == Page::AccountStatement || page == Page::VatReport || page == Page::StockMovements) {
        const QString key = Grid1->Cell(row, 0).Text();
        if (!isDocumentKey(key))
            return;
        // The saved documents are reached here as by their command, with the same right.
        if (!CheckRight(RightSavedDocuments))
            return;
        s.PendingDocKey = key;
        // The drill-down keeps whatever the window leaves in the panel, and no flag of the
        // window outlives it.
        ShowKayitli();
        s.ClearAfterKayitli = false;
        return;
    }
    if (page == Page::DebtsAndCredits) {
        const QString account = Grid1->Cell(row, 1).Text();
        if (account.isEmpty())
            return;
        ShowPage(Page::AccountStatement);
        chooseItem(RX1, "XCCari", account);
        sendEnter();
        return;
    }
    if (page == Page::CashReport) {
        const QString text = Grid1->Cell(row, 1).Text();
        if (fieldValue(RX1, "XOAylik") != 0) {
            setFieldValue(RX1, "XOGunluk", 1);
            chooseItem(RX1, "XCKasaAy", text);
            sendEnter();
        } else if (fieldValue(RX1, "XOGunluk") != 0) {
            const QString date = dayRowDate(text);
            if (date.isEmpty())
                return;
            setFieldValue(RX1, "XOGunDetay", 1);
            setFieldDate(RX1, "XDTar3", date);
            sendEnter();
        }
    }
}

// The Enter key at window level builds the report of a report page.
void FMain::sendEnter()
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(this, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(this, &release);
}

void FMain::Grid1_LeaveCell(int row, int col, int newRow, int newCol)
{
    Q_UNUSED(newRow);
    Q_UNUSED(newCol);
    const ModuleState &s = state();
    if (row < 1 || row >= Grid1->Rows())
        return;
    if (s.CurrentPage == Page::Cheques) {
        leaveChequeCell(row, col);
    } else if (isInvoicePage(s.CurrentPage) && col == s.ColFiyat) {
        GridCell cell = Grid1->Cell(row, col);
        cell.setText(reformattedAmount(cell.Text(), s.PriceFormat));
    }
}

void FMain::Grid1_LostFocus()
{
    const ModuleState &s = state();
    if (s.CurrentPage == Page::Cheques) {
        reformatChequeAmounts();
    } else if (isInvoicePage(s.CurrentPage)) {
        GridCell current = Grid1->CurrentCell();
        if (current.Row() >= 1 && current.Col() == s.ColFiyat)
            current.setText(reformattedAmount(current.Text(), s.PriceFormat));
    }
}

void FMain::GridB_CellChange(Grid *totals, int row, int col)
{
    if (row == 2 && col == 3 && totals->AutoRedraw())
        RecalcFooter(documentView(), totals);
}

void FMain::GridB_LeaveCell(Grid *totals, int row, int col)
{
    if (row == 2 && col == 3)
        GridB_LostFocus(totals);
}

void FMain::GridB_LostFocus(Grid *totals)
{
    GridCell discount = totals->Cell(2, 3);
    discount.setText(reformattedAmount(discount.Text(), state().NumberFormat));
}

} // namespace kx
