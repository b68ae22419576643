// FMain, the main window: ribbon, page tabs with the panels, the main grid and the start-up.
#pragma once

#include "core/pages.h"
#include "core/panel_fields.h"
#include "platform/drive_label.h"
#include "reports/report.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <functional>

class QLabel;
class QLineEdit;
class QTabWidget;

namespace kx {

class Grid;
class Ribbon;
class RibbonStatusBar;

// The tabs of TabX, by their index: the window adds them in this order.
enum PageTab {
    RecordsTab, // "Kayıtlar", both lists
    DeliveryNoteTab, // "İrsaliye"
    InvoiceTab, // "Fatura"
    InvoiceWithLinesTab, // "İrsaliyeli Fatura"
    ReportTab, // "Hesap Ekstresi", every report
};

// The PageTab that holds a page's panel; -1 for no page.
int tabOfPage(int page);

class FMain : public QMainWindow
{
    Q_OBJECT

public:
    // The load: builds the ribbon, the tabs, the grids and the panels; shows no page yet.
    explicit FMain(QWidget *parent = nullptr);
    ~FMain() override;

    Ribbon *CMBar = nullptr;
    RibbonStatusBar *StatusBar = nullptr;
    QTabWidget *TabX = nullptr;
    Grid *Grid1 = nullptr;
    Grid *GridB2 = nullptr;
    Grid *GridB3 = nullptr;
    QWidget *RA1 = nullptr;
    QWidget *RB1 = nullptr;
    QWidget *RC1 = nullptr;
    QWidget *RX1 = nullptr;
    QLineEdit *TBul = nullptr;
    QLabel *LabeL = nullptr;
    QLabel *LabTotal = nullptr;

    // What the document routines work on.
    DocumentView documentView() const;
    // The document page of the selected document tab; Page::None when no document tab is
    // selected.
    int documentPageOfTab() const;

    // Switches the main grid to a page (Page::StockList to Page::Cheques) and rebuilds it
    // completely.
    void ShowPage(int page);

    // Builds the report of the current report page into Grid1 from RX1's options; on any
    // other page it leaves the grid at its title row.
    void ShowReport();

    // Start-up after a successful login: stock-name clean-up, settings, table choice, lists,
    // panel preparation and the silent version check; then, on a shown window, the notice of
    // panels that could not be made. Throws DatabaseError.
    void startAfterLogin();

    // The saved-documents window, modal; on opening it selects the document of PendingDocKey
    // when that holds a key (a report drill-down puts one there). Returns when it has closed;
    // the panel stays as the window left it.
    void ShowKayitli();
    // Brings the saved delivery note or invoice of a document key back into its page, as it
    // was saved; false, with a message, when it or its account is gone.
    bool OpenSavedDocument(const QString &key);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // On a document page Tab walks the panel's fields, then the lines grid, then the totals.
    bool focusNextPrevChild(bool next) override;

private:
    void Form_Activate();
    void placeGrid();
    void keepMaximised();
    bool insideDocumentPanel(const QObject *object) const;
    void tellPanelsNotMade();

    QWidget *m_client = nullptr;
    bool m_startupRunning = false;
    // The panels the library could not give, to be told to the user once.
    QStringList m_panelsNotMade;

    // Handlers of the commands, grids, panels and search box (app/main_window_*.cpp).
public:
    // Connects the handlers below; the constructor calls it once.
    void connectEvents();
    void CMBar_Execute(int commandId);
    void Grid1_CellChange(int row, int col);
    void Grid1_ColumnResize(int col);
    void Grid1_OpenRow(int row, int col);
    void Grid1_ComboDropDown(int row, int col);
    void Grid1_DblClick();
    void Grid1_LeaveCell(int row, int col, int newRow, int newCol);
    void Grid1_LostFocus();
    void GridB_CellChange(Grid *totals, int row, int col);
    void GridB_LeaveCell(Grid *totals, int row, int col);
    void GridB_LostFocus(Grid *totals);
    void Panel_CCariCL(QObject *panel);
    void Panel_CStokCL(QObject *panel);
    void Panel_BarkodBul(QObject *panel);
    // The VAT mode and the percentages recalculate the document only when they changed.
    void Panel_CKdvCL(QObject *panel);
    void Panel_TIskCH(QObject *panel, const char *field);
    void Panel_EntrySwitch(QObject *panel, const char *switchField, const char *entryField,
                           int column);
    // Width in pixels stored in settings row id `row`, column a<column>, bounded to what the
    // grid can hold.
    static int storedColumnWidth(int row, int column);
    void TBul_Change(const QString &text);
    // The cheque page's buttons on RX1: a new cheque on top, removal of the chosen ones, and
    // the save of every cheque row followed by the report.
    void RX1_CekYeni();
    void RX1_CekSil();
    void RX1_CekKaydet();
    // The orderly end: closes Conn, then the backup on the drive labelled "KANTARIX".
    void Form_Unload();
    // Where the exit backup looks for its drive: the system's volumes.
    std::function<QList<Volume>()> backupVolumes = mountedVolumes;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectGridEvents();
    void connectPanelEvents();
    void connectSearch();
    void connectChequeEvents();
    // The cheque page's share of Grid1_LeaveCell and Grid1_LostFocus: the amounts shown in the
    // number format, the left cell's or every cheque's.
    void leaveChequeCell(int row, int col);
    void reformatChequeAmounts();
    void keepPageTab(int index);
    bool pageTabSelected(PageTab tab) const;
    bool recordTab() const;
    bool documentTab() const;
    bool reportTab() const;
    void newCard(int commandId);
    void editCard();
    void deleteCard();
    // What one panel card list held before the card editor reloaded the lists.
    struct CardChoice
    {
        qint64 id = 0; // the chosen card, 0 none
        QString text;
    };
    QList<CardChoice> cardChoices(int kind) const;
    void afterCardSaved(int popKind, bool isNew, const QList<CardChoice> &before);
    void sendEnter();
    // The shown report saved as a workbook, and printed.
    void saveReport();
    void printReport();
    bool m_unloading = false;
    // What the invoice panels' VAT modes (by panel) and percentages (by field) last were: the
    // panels raise their events also for an edit that leaves them so.
    QHash<const QObject *, int> m_lastVatIndex;
    QHash<const QObject *, double> m_lastPercentage;
    // The page and options of the report that the grid shows (Page::None for none), so that its
    // printed title says what it was built with.
    int m_reportPage = Page::None;
    ReportOptions m_reportOptions;
};

} // namespace kx
