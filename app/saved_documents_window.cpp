// FKayitli: layout, listing an account's documents, the pending key and the buttons.
#include "app/saved_documents_window.h"

#include "app/document_search.h"
#include "app/main_window.h"
#include "app/payment_form.h"
#include "core/conversions.h"
#include "core/database.h"
#include "core/document_kinds.h"
#include "core/document_panels.h"
#include "core/document_print.h"
#include "core/document_save.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/rights.h"
#include "core/saved_documents.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/focus.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "platform/ui_font.h"
#include "reports/document_print.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace kx {

namespace {

// The one place that prints for this window: the document loaded in the main window's panel,
// through the main window's printing, on the layout of the current page.
void printLoadedDocument(FMain *main, int copies)
{
    reportPrintFailures(PrintDocument(main->documentView(), copies), copies);
}

QString printRefusal()
{
    return QStringLiteral("Belgeyi yazdırmak için öncelikle cariyi seçip ardından listelenen "
                          "belgelerden yazdırmak istediğinizi işaretleyiniz!");
}

} // namespace

FKayitli::FKayitli(FMain *main, QWidget *parent)
    : QDialog(parent)
    , m_main(main)
{
    ModuleState &s = state();
    setModal(true);
    setWindowTitle(QStringLiteral("Kayıtlı Belgeler"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(twipsSize(11400, 5160));
    showFocusAlways(this);
    setFont(uiFont());

    LabeL = new QLabel(QStringLiteral("Cari --------------------"), this);
    LabeL->setGeometry(twipsRect(150, 165, 1560, 315));
    CCariX = new ComboBox(this, true);
    CCariX->setGeometry(twipsRect(1740, 150, 9510, 345));
    CCariX->setTypedFold(&UpperAsciiChar);
    Grid1 = new Grid(this);
    Grid1->setGeometry(twipsRect(150, 630, 11100, 3840));

    BDel = new QPushButton(QStringLiteral("İptal Et ( Ctrl + P )"), this);
    BDel->setGeometry(twipsRect(150, 4620, 2100, 390));
    BEdit = new QPushButton(QStringLiteral("Düzenle ( Ctrl+ D )"), this);
    BEdit->setGeometry(twipsRect(2340, 4620, 1950, 390));
    BPrint = new QPushButton(QStringLiteral("Yazdır"), this);
    BPrint->setGeometry(twipsRect(4380, 4620, 1140, 390));
    CPrint = new ComboBox(this);
    CPrint->setGeometry(twipsRect(5580, 4650, 1080, 330));
    PrintIrs = new QPushButton(QStringLiteral("İrsaliye Olarak Yazdır"), this);
    PrintIrs->setGeometry(twipsRect(6750, 4620, 2250, 390));
    PushButton1 = new QPushButton(QStringLiteral("Belge No ile Bul"), this);
    PushButton1->setGeometry(twipsRect(9300, 4620, 1950, 390));
    for (QPushButton *button : { BDel, BEdit, BPrint, PrintIrs, PushButton1 }) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    connect(CCariX, &ComboBox::Click, this, [this] {
        if (CCariX->ListIndex() >= 0)
            ListAccountDocuments();
    });
    connect(BDel, &QPushButton::clicked, this, &FKayitli::BDel_Click);
    connect(BEdit, &QPushButton::clicked, this, &FKayitli::BEdit_Click);
    connect(BPrint, &QPushButton::clicked, this, &FKayitli::BPrint_Click);
    connect(PrintIrs, &QPushButton::clicked, this, &FKayitli::PrintIrs_Click);
    connect(PushButton1, &QPushButton::clicked, this, &FKayitli::PushButton1_Click);

    // The load.
    s.ClearAfterKayitli = true;
    for (int i = 1; i <= 5; ++i)
        CPrint->AddItem(QString::number(i) + QStringLiteral(" Kopya"));
    CPrint->setListIndex(0);

    StyleGrid(this);
    Grid1->setRows(1);
    Grid1->setCols(4);
    Grid1->setSelectMode(1);
    Grid1->setColumnWidth(0, 0);
    Grid1->Cell(0, 1).setText(QStringLiteral("İşlem Tarihi"));
    Grid1->Cell(0, 2).setText(QStringLiteral("Belge"));
    Grid1->Cell(0, 3).setText(QStringLiteral("İşlem Değeri"));
    Grid1->setColumnWidth(1, 80);
    Grid1->setColumnWidth(2, 534);
    Grid1->setColumnWidth(3, 100);
    Grid1->setColumnAlignment(3, 14);
    // Picking a row is the row becoming the current one, by mouse, keys or code.
    connect(Grid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &now, const QModelIndex &before) {
                if (m_filling || !now.isValid() || (before.isValid() && before.row() == now.row()))
                    return;
                Grid1_OpenRow(now.row() + 1, now.column());
            });
    // A click on the row that is already picked picks it again: a payment form closed without
    // saving, or a document, opens once more.
    Grid1->viewport()->installEventFilter(this);
    Grid1->installEventFilter(this);
    connect(Grid1, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (!m_filling && index.isValid() && index.row() == m_rowBeforePress)
            Grid1_OpenRow(index.row() + 1, index.column());
    });

    if (s.CariVar != QLatin1String("yok"))
        CCariX->AddItems(cardEntries(s.CariRows));
    CCariX->setText(QString());

    // Centred across, at a fixed height, inside the screen.
    const QRect screen = (main ? main->screen() : this->screen())->availableGeometry();
    const int left = screen.left() + (screen.width() - frameGeometry().width()) / 2;
    const int top
        = qMin(screen.top() + twipsToPixels(6400), screen.bottom() - frameGeometry().height());
    move(left, qMax(screen.top(), top));
}

int FKayitli::pickedRow()
{
    const int row = Grid1->CurrentCell().Row();
    return row >= 1 && row < Grid1->Rows() ? row : 0;
}

// No document row stays picked.
void FKayitli::noRowPicked()
{
    Grid1->selectionModel()->clearSelection();
    Grid1->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void FKayitli::clearList()
{
    m_filling = true;
    Grid1->setRows(1);
    noRowPicked();
    m_filling = false;
}

void FKayitli::ListAccountDocuments()
{
    const ModuleState &s = state();
    clearList();
    const int record = CCariX->ListIndex();
    if (record < 0)
        return;
    RowArray documents;
    try {
        documents = accountDocuments(s.CariRows.value(0, record).toLongLong());
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Belgeler okunamadı!"), IconError);
        return;
    }
    m_filling = true;
    Grid1->setAutoRedraw(false);
    const int count = documents.recordCount();
    Grid1->setRows(count + 1);
    for (int i = 0; i < count; ++i) {
        for (int c = 0; c < SavedListFields; ++c)
            Grid1->Cell(i + 1, c).setText(documents.text(c, i));
    }
    noRowPicked();
    Grid1->setAutoRedraw(true);
    Grid1->Refresh();
    m_filling = false;
}

void FKayitli::Form_Activate()
{
    ModuleState &s = state();
    const QString key = s.PendingDocKey;
    if (key.isEmpty())
        return;
    // Emptied whatever comes of it.
    s.PendingDocKey.clear();
    qint64 account = -1;
    try {
        account = documentAccount(parseDocumentKey(key).id);
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Belge okunamadı!"), IconError);
        return;
    }
    if (account < 0) {
        ShowSystemMessage(missingDocumentMessage(), IconError);
        return;
    }
    const int record = accountRecordById(account, false);
    if (record < 0 || record >= CCariX->ListCount()) {
        ShowSystemMessage(missingAccountMessage(), IconError);
        return;
    }
    // Choosing the account lists its documents; selecting the row opens the document.
    CCariX->setListIndex(record);
    for (int r = 1; r < Grid1->Rows(); ++r) {
        if (Grid1->Cell(r, 0).Text() == key) {
            Grid1->Range(r, 0, r, Grid1->Cols() - 1).RangeSelect();
            Grid1->scrollTo(Grid1->model()->index(r - 1, 1));
            break;
        }
    }
}

void FKayitli::Grid1_OpenRow(int row, int col)
{
    Q_UNUSED(col);
    if (row < 1 || row >= Grid1->Rows())
        return;
    const QString key = Grid1->Cell(row, 0).Text();
    const DocumentKey parsed = parseDocumentKey(key);
    // The kind digit tells a payment, never a word in the row's text.
    if (parsed.kind == DocumentKind::Payment) {
        // The click's own selection comes only after this handler: show the row as picked
        // while its form is open.
        Grid1->Range(row, 0, row, Grid1->Cols() - 1).RangeSelect();
        if (ShowPaymentForm(this, parsed.id)) {
            CCariX->setListIndex(-1);
            CCariX->setText(QString());
            clearList();
        }
        return;
    }
    m_loadedKey.clear();
    if (m_main && m_main->OpenSavedDocument(key))
        m_loadedKey = key;
}

void FKayitli::BDel_Click()
{
    // Removing a document is guarded as saving one is.
    if (!CheckRight(RightSaveDocument))
        return;
    const int row = pickedRow();
    if (row < 1) {
        ShowSystemMessage(QStringLiteral("Önce iptal etmek istediğiniz belgeyi listeden seçiniz!"),
                          IconError);
        return;
    }
    if (!AskYesNo(QStringLiteral("Seçili belgeyi iptal etmek istediğinize emin misiniz?")))
        return;
    const DocumentKey key = parseDocumentKey(Grid1->Cell(row, 0).Text());
    // A refusal (a delivery note an invoice has taken over) or a failure keeps the row and the
    // panel as they are; DeleteDocument has said why.
    if (!DeleteDocument(key.id, key.kind))
        return;
    m_filling = true;
    Grid1->RemoveRow(row);
    noRowPicked();
    m_filling = false;
    m_loadedKey.clear();
    if (m_main)
        ResetPanel(m_main->documentView());
}

void FKayitli::BEdit_Click()
{
    if (pickedRow() < 1) {
        ShowSystemMessage(QStringLiteral("Önce düzenlemek istediğiniz belgeyi listeden seçiniz!"),
                          IconError);
        return;
    }
    state().ClearAfterKayitli = false;
    m_closingByCode = true;
    close();
}

// The picked row may be printed: it is the document loaded in the panel, and no payment.
bool FKayitli::printable(QString *key)
{
    const int row = pickedRow();
    *key = row >= 1 ? Grid1->Cell(row, 0).Text() : QString();
    if (row < 1 || parseDocumentKey(*key).kind == DocumentKind::Payment || *key != m_loadedKey
        || !m_main) {
        ShowSystemMessage(printRefusal(), IconError);
        return false;
    }
    return true;
}

void FKayitli::BPrint_Click()
{
    QString key;
    if (printable(&key))
        printLoadedDocument(m_main, CPrint->ListIndex() + 1);
}

void FKayitli::PrintIrs_Click()
{
    QString key;
    if (!printable(&key))
        return;
    const int kind = parseDocumentKey(key).kind;
    if (kind != DocumentKind::Invoice && kind != DocumentKind::InvoiceWithLines)
        return;
    // The invoice's panel and tab stay; what the printing decides by the page follows the
    // delivery note.
    ModuleState &s = state();
    s.CurrentPage = Page::DeliveryNote;
    printLoadedDocument(m_main, CPrint->ListIndex() + 1);
    s.CurrentPage = pageOfDocumentKind(kind);
}

void FKayitli::PushButton1_Click()
{
    ShowDocumentSearch(this);
    Form_Activate();
}

bool FKayitli::eventFilter(QObject *watched, QEvent *event)
{
    // Coming in by the keyboard, the list makes its first cell current without showing it;
    // that is no pick: nothing opens, and cancel or print would not act on an unseen row.
    if (watched == Grid1 && event->type() == QEvent::FocusIn && !m_enteringFocus
        && !Grid1->currentIndex().isValid()) {
        m_enteringFocus = true;
        m_filling = true;
        QCoreApplication::sendEvent(Grid1, event);
        m_filling = false;
        m_enteringFocus = false;
        if (Grid1->currentIndex().isValid())
            noRowPicked();
        return true;
    }
    if (watched == Grid1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QModelIndex current = Grid1->currentIndex();
        m_rowBeforePress = current.isValid() ? current.row() : -1;
    }
    return QDialog::eventFilter(watched, event);
}

void FKayitli::closeEvent(QCloseEvent *event)
{
    // The close box leaves the flag set, so that the main window clears its panel; a close
    // from code (Düzenle) keeps the document.
    state().ClearAfterKayitli = !m_closingByCode;
    QDialog::closeEvent(event);
}

void ShowSavedDocuments(FMain *main)
{
    auto *window = new FKayitli(main, main);
    window->setAttribute(Qt::WA_DeleteOnClose);
    state().FKayitli = window;
    // Shown first, so that a document opened for the pending key has the window behind it.
    window->show();
    window->Form_Activate();
    window->exec();
}

} // namespace kx
