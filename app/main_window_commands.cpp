// The main window's command dispatch: pages, card commands, document and report commands.
#include "app/card_editor.h"
#include "app/main_window.h"
#include "app/payment_form.h"
#include "app/ribbon_menu.h"
#include "core/auto_backup.h"
#include "core/cards.h"
#include "core/database.h"
#include "core/document_entry.h"
#include "core/document_panels.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/rights.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "core/version_check.h"
#include "platform/combo_box.h"
#include "platform/grid.h"
#include "platform/ribbon.h"
#include "reports/warranty.h"
#include "settings/about_window.h"
#include "settings/settings_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QHash>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QUrl>

namespace kx {

namespace {

QString cardTable(int kind)
{
    return kind == CardKind::Stock ? state().TblStok : state().TblCari;
}

// The panels' card lists of one kind: stock lists on RA1, RC1 and RX1, account lists on all four.
QList<ComboBox *> cardLists(const DocumentView &view, int kind)
{
    QList<ComboBox *> lists;
    const char *property = kind == CardKind::Stock ? "XCStok" : "XCCari";
    QList<QObject *> panels = { view.RA1, view.RC1, view.RX1 };
    if (kind != CardKind::Stock)
        panels.insert(1, view.RB1);
    for (QObject *panel : panels) {
        if (auto *list = qobject_cast<ComboBox *>(panelField(panel, property)))
            lists.append(list);
    }
    return lists;
}

} // namespace

void FMain::connectEvents()
{
    connect(CMBar, &Ribbon::Execute, this, &FMain::CMBar_Execute);
    // The tabs follow the page: a tab chosen by hand would leave the page's commands acting on
    // the table of another page, so the tab of the current page is put back at once.
    connect(TabX, &QTabWidget::currentChanged, this, &FMain::keepPageTab);
    connectGridEvents();
    connectPanelEvents();
    connectSearch();
    connectChequeEvents();
}

// A page is shown only with its own tab.
void FMain::keepPageTab(int index)
{
    const int pageTab = tabOfPage(state().CurrentPage);
    if (pageTab >= 0 && index != pageTab)
        TabX->setCurrentIndex(pageTab);
}

// The tab conditions: the strip is shown, its selected tab is the page kind's, and the current
// page is one of that kind.
bool FMain::pageTabSelected(PageTab tab) const
{
    return !TabX->isHidden() && TabX->currentIndex() == tab;
}

bool FMain::recordTab() const
{
    return pageTabSelected(RecordsTab) && isListPage(state().CurrentPage);
}

bool FMain::documentTab() const
{
    return documentPageOfTab() != Page::None && isDocumentPage(state().CurrentPage);
}

bool FMain::reportTab() const
{
    return pageTabSelected(ReportTab) && isReportPage(state().CurrentPage);
}

void FMain::CMBar_Execute(int commandId)
{
    ModuleState &s = state();
    if (const int page = pageOfCommand(commandId); page != Page::None) {
        ShowPage(page);
        return;
    }
    switch (commandId) {
    case Command::Payment:
        // Always a new payment: an edit is opened from the saved documents only.
        ShowPaymentForm(this);
        break;
    case Command::WarrantyLookup:
        WarrantyLookup();
        break;
    case Command::Settings:
        if (CheckRight(RightSettings))
            ShowSettingsWindow(this);
        break;
    case Command::About:
        ShowAboutWindow(this);
        break;
    case Command::Help:
        QDesktopServices::openUrl(QUrl(helpAddress()));
        break;
    case Command::NewStock:
    case Command::NewAccount:
    case Command::NewCard:
        newCard(commandId);
        break;
    case Command::EditCard:
        editCard();
        break;
    case Command::DeleteCard:
        deleteCard();
        break;
    case Command::SaveDocument:
        if (documentTab() && CheckRight(RightSaveDocument))
            SaveDocument(documentView());
        break;
    case Command::ClearDocument:
        if (documentTab())
            ResetPanel(documentView());
        break;
    case Command::SavedDocuments:
        if (!documentTab() || !CheckRight(RightSavedDocuments))
            break;
        ShowKayitli();
        // The saved-documents window leaves the flag set unless it handed a document over.
        if (s.ClearAfterKayitli) {
            ResetPanel(documentView());
            s.ClearAfterKayitli = false;
        }
        break;
    case Command::ShowReport:
        if (reportTab())
            ShowReport();
        break;
    case Command::SaveReport:
        if (reportTab())
            saveReport();
        break;
    case Command::PrintReport:
        if (reportTab())
            printReport();
        break;
    case Command::CheckRatesAndVersion:
        if (IsOnline())
            CheckVersionAndRates(1);
        break;
    default:
        break;
    }
}

void FMain::newCard(int commandId)
{
    ModuleState &s = state();
    int kind = commandId == Command::NewStock ? CardKind::Stock : CardKind::Account;
    if (commandId == Command::NewCard) {
        // On the lists only: its kind comes from the page.
        if (!recordTab())
            return;
        kind = cardKindOfPage(s.CurrentPage);
    }
    if (!CheckRight(kind == CardKind::Stock ? RightNewStock : RightNewCari))
        return;
    s.PopKind = kind;
    s.PopMode = QStringLiteral("y");
    const QList<CardChoice> before = cardChoices(kind);
    ShowCardEditor(this, {}, [this, before](int popKind, bool isNew) {
        afterCardSaved(popKind, isNew, before);
    });
}

void FMain::editCard()
{
    ModuleState &s = state();
    if (!recordTab())
        return;
    if (!CheckRight(s.CurrentPage == Page::StockList ? RightEditStock : RightEditCari))
        return;
    const int row = Grid1->CurrentCell().Row();
    if (row < 1) {
        ShowSystemMessage(QStringLiteral("Önce listeden düzenlemek istediğiniz kaydı seçiniz!"),
                          IconError);
        return;
    }
    QStringList card;
    for (int c = 0; c <= 18; ++c)
        card.append(Grid1->Cell(row, c).Text());
    s.PopKind = cardKindOfPage(s.CurrentPage);
    s.PopMode = QStringLiteral("e");
    const QList<CardChoice> before = cardChoices(s.PopKind);
    ShowCardEditor(this, card, [this, before](int popKind, bool isNew) {
        afterCardSaved(popKind, isNew, before);
    });
}

void FMain::deleteCard()
{
    ModuleState &s = state();
    if (!recordTab())
        return;
    const int kind = cardKindOfPage(s.CurrentPage);
    const bool stock = kind == CardKind::Stock;
    if (!CheckRight(stock ? RightDeleteStock : RightDeleteCari))
        return;
    const int row = Grid1->CurrentCell().Row();
    if (row < 1) {
        ShowSystemMessage(QStringLiteral("Önce listeden silmek istediğiniz kaydı seçiniz!"),
                          IconError);
        return;
    }
    if (!AskYesNo(QStringLiteral("Bu kaydı silmek istediğinize emin misiniz?")))
        return;

    const QString id = Grid1->Cell(row, 0).Text();
    const RowArray &rows = stock ? s.StokRows : s.CariRows;
    const QString &listed = stock ? s.StokVar : s.CariVar;
    const auto liveIds
        = [&] { return listed == QLatin1String("var") ? rows.field(0) : QList<QVariant>(); };
    const QList<CardChoice> choices = cardChoices(kind);
    QList<QVariant> expected = liveIds();
    if (row - 1 < expected.size())
        expected.removeAt(row - 1);
    try {
        softDeleteCard(cardTable(kind), id.toLongLong());
        LoadLists(false, stock, !stock);
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Kayıt silinemedi!"), IconError);
        return;
    }

    // Grid rows and list entries come from the same live rows in the same order; cards made or
    // deleted meanwhile on another computer move the rows, and the lists are filled again.
    if (liveIds() == expected) {
        for (ComboBox *list : cardLists(documentView(), kind))
            list->RemoveItem(row - 1);
    } else {
        afterCardSaved(kind, false, choices);
    }
    const bool present = listed == QLatin1String("var");
    // With the last live card gone the list keeps its old rows in memory; the page shows none.
    if (!present)
        Grid1->setVirtualRows(nullptr);
    Grid1->setRows(present ? rows.recordCount() + 1 : 1);
    Grid1->Refresh();
    LabTotal->setText(QStringLiteral("Toplam Kayıt Sayısı : ")
                      + QString::number(Grid1->Rows() - 1));
    ShowSystemMessage(QStringLiteral("Kayıt silindi!"), IconSuccess);

    const int current = qMin(row, Grid1->Rows() - 1);
    if (current >= 1)
        Grid1->Range(current, 0, current, Grid1->Cols() - 1).RangeSelect();
}

QList<FMain::CardChoice> FMain::cardChoices(int kind) const
{
    const ModuleState &s = state();
    const RowArray &rows = kind == CardKind::Stock ? s.StokRows : s.CariRows;
    QList<CardChoice> choices;
    for (ComboBox *list : cardLists(documentView(), kind)) {
        const int index = list->ListIndex();
        choices.append({ index >= 0 ? rows.value(0, index).toLongLong() : 0, list->Text() });
    }
    return choices;
}

// After the card editor saved: the panels' lists and the list page follow the reloaded list.
// Each panel keeps its chosen card, found again by id in the new order, without its event:
// nothing about the chosen card has changed for the page that shows it.
void FMain::afterCardSaved(int popKind, bool isNew, const QList<CardChoice> &before)
{
    ModuleState &s = state();
    const bool stock = popKind == CardKind::Stock;
    const RowArray &rows = stock ? s.StokRows : s.CariRows;
    const bool present = (stock ? s.StokVar : s.CariVar) == QLatin1String("var");
    const QStringList entries = present ? cardEntries(rows) : QStringList();
    QHash<qint64, int> recordOfId;
    if (present) {
        for (int r = 0; r < rows.recordCount(); ++r)
            recordOfId.insert(rows.value(0, r).toLongLong(), r);
    }
    const QList<ComboBox *> lists = cardLists(documentView(), popKind);
    for (int i = 0; i < lists.size(); ++i) {
        ComboBox *list = lists.at(i);
        const CardChoice kept = before.value(i);
        list->Clear();
        list->AddItems(entries);
        const int record = kept.id > 0 ? recordOfId.value(kept.id, -1) : -1;
        if (record >= 0) {
            QSignalBlocker quiet(list);
            list->setListIndex(record);
        } else if (list->isEditable()) {
            list->setText(kept.text);
        }
    }

    if (s.CurrentPage != listPageOfCardKind(popKind))
        return;
    if (isNew && present) {
        // The page may have shown no rows before this first card.
        Grid1->setVirtualRows(stock ? &s.StokRows : &s.CariRows);
        Grid1->setRows(rows.recordCount() + 1);
    }
    Grid1->Refresh();
    if (isNew)
        LabTotal->setText(QStringLiteral("Toplam Kayıt Sayısı : ")
                          + QString::number(Grid1->Rows() - 1));
}

void FMain::closeEvent(QCloseEvent *event)
{
    // A second close while the backup notice waits for its click ends nothing twice.
    if (m_unloading) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        Form_Unload();
}

void FMain::Form_Unload()
{
    ModuleState &s = state();
    // Without a login there is no company's data to close or to back up.
    if (s.FirmaAdi.isEmpty())
        return;
    m_unloading = true;
    if (s.Conn)
        s.Conn->Close();
    const qsizetype shownBefore = messageScript().shown.size();
    RunAutoBackup(databasePath(), backupVolumes ? backupVolumes() : mountedVolumes());
    // The process ends with this window, and the notice with it: a failed backup is told
    // while the window still stands, closed to every command, until the notice is clicked.
    if (messageScript().shown.size() > shownBefore) {
        setEnabled(false);
        keepNoticeUntilSeen(ExitNoticeTime);
    }
    m_unloading = false;
}

} // namespace kx
