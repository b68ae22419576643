// The saved-documents window over the main window: the list, cancelling, opening each kind as it
// was saved, the pending key, printing, closing and the search by number.
#include "app/document_search.h"
#include "app/main_window.h"
#include "app/payment_form.h"
#include "app/ribbon_menu.h"
#include "app/saved_documents_window.h"
#include "core/document_panels.h"
#include "core/document_print.h"
#include "core/document_values.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/grid.h"
#include "tests/app/events_window.h"
#include "tests/support/builders.h"
#include "tests/support/kxtest.h"
#include "tests/support/printing.h"
#include "tests/support/typing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace kxtest;

namespace {

QString key(int kind, qint64 id)
{
    return QString::number(kind) + QString::number(id);
}

int count(const QString &sql, const QVariantList &values = {})
{
    kx::Recordset rs;
    rs.Open(sql, *kx::state().Conn, values);
    return rs.Fields(0).toInt();
}

QVariant column(qint64 id, const QString &name)
{
    kx::Recordset rs;
    rs.Open("select " + name + " from \"1Belge\" where id=?", *kx::state().Conn, { id });
    return rs.Eof() ? QVariant() : rs.Fields(0);
}

int rowOfKey(kx::Grid *grid, const QString &wanted)
{
    for (int r = 1; r < grid->Rows(); ++r)
        if (grid->Cell(r, 0).Text() == wanted)
            return r;
    return -1;
}

// A click on a row of the list, as the user picks it.
void pickRow(kx::Grid *grid, int row)
{
    const QModelIndex at = grid->model()->index(row - 1, 2);
    grid->scrollTo(at);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(at).center());
}

QString text(QObject *panel, const char *name)
{
    return kx::fieldText(panel, name);
}

// Does what the user would with the next modal window once it is up, then closes it unless the
// step closed it already.
void withNextModal(const std::function<void(QWidget *)> &step)
{
    QTimer::singleShot(0, [step] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        QPointer<QWidget> alive(modal);
        step(modal);
        if (alive && alive->isVisible())
            alive->close();
    });
}

QLineEdit *edit(QObject *panel, const char *name)
{
    return qobject_cast<QLineEdit *>(kx::panelField(panel, name));
}

// The record of a live stock card in the panels' stock lists, by name.
int stockRecord(const QString &name)
{
    const kx::RowArray &rows = kx::state().StokRows;
    for (int i = 0; i < rows.recordCount(); ++i)
        if (rows.text(2, i) == name)
            return i;
    return -1;
}

// The stored totals of a document header: iskonto, kdv1, kdv2, kdv3, yekun.
QStringList storedTotals(qint64 id)
{
    QStringList totals;
    for (const char *name : { "iskonto", "kdv1", "kdv2", "kdv3", "yekun" })
        totals << column(id, name).toString();
    return totals;
}

// The values of a totals grid, "Tutar" to "Yekün".
QStringList totalsColumn(kx::Grid *totals)
{
    QStringList cells;
    for (int r = 1; r <= 7; ++r)
        cells << totals->Cell(r, 3).Text();
    return cells;
}

// A click into the field, which selects its whole text, then text typed over it.
void typeOver(QLineEdit *field, const QString &text)
{
    QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(field->selectedText(), field->text());
    typeText(field, text);
    QCOMPARE(field->text(), text);
}

// The combo's list opened by Alt+Down and the entry picked in it: by Enter once the arrow keys
// have moved onto it, or by a click on it.
void pickInOpenList(QComboBox *combo, int entry, bool byClick)
{
    QAbstractItemView *list = combo->view();
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(list->isVisible());
    if (byClick) {
        const QModelIndex at = combo->model()->index(entry, combo->modelColumn());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(at).center());
    } else {
        for (int row = list->currentIndex().row(); row < entry; ++row)
            QTest::keyClick(list, Qt::Key_Down);
        for (int row = list->currentIndex().row(); row > entry; --row)
            QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
    }
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(combo->currentIndex(), entry);
}

// The newest document of a kind.
qint64 newest(int kind)
{
    return count("select max(id) from \"1Belge\" where bmod=?", { kind });
}

// An open delivery note of the account with lines of the cards named: name, quantity, ...
void addNote(qint64 account, const QStringList &lines)
{
    const qint64 note = addDocument({ .bmod = 3, .cariid = account, .sirano = "5" });
    for (int i = 0; i < lines.size(); i += 2) {
        kx::Recordset card;
        card.Open("select id from \"1Stok\" where a2=?", *kx::state().Conn, { lines[i] });
        addLine(note,
                { .stokid = card.Fields(0).toLongLong(),
                  .stokadi = lines[i],
                  .miktar = kx::amountOf(lines[i + 1]) });
    }
}

// The goods of an invoice as the user enters them: on the invoice with lines each card and
// quantity confirmed with Enter in the price field, over notes the account's one note ticked.
void enterGoods(kx::FMain &w, int kind, const QStringList &lines)
{
    if (kind == 4) {
        w.Grid1->Cell(1, 1).setText("1");
        return;
    }
    QObject *panel = w.RC1;
    for (int i = 0; i < lines.size(); i += 2) {
        kx::setFieldIndex(panel, "XCStok", stockRecord(lines[i]));
        kx::setFieldText(panel, "XTMiktar", lines[i + 1]);
        QLineEdit *price = edit(panel, "XTFiyat");
        price->setFocus();
        QTest::keyClick(price, Qt::Key_Return);
    }
}

// Cards of the three company rates (1, 10, 20) with their sale prices.
void addGoods()
{
    addStock("1", "CAY 500 GR", { { 3, "10" }, { 6, "60,00" } });
    addStock("2", "KALEM", { { 3, "20" }, { 6, "10,00" } });
    addStock("3", "EKMEK", { { 3, "1" }, { 6, "7,35" } });
    addStock("4", "DEFTER", { { 3, "20" }, { 6, "33,33" } });
}

// One account with a document of every kind, a second account with one, a third with none.
struct Company
{
    qint64 alici = 0, bayi = 0, ceylan = 0;
    qint64 vida = 0, somun = 0;
    qint64 note1 = 0, note2 = 0, note3 = 0, note4 = 0;
    qint64 invoice4 = 0, invoice5 = 0, payment = 0, bayiNote = 0;

    Company()
    {
        alici = addAccount("1", "ALICI");
        bayi = addAccount("2", "BAYİ");
        ceylan = addAccount("3", "CEYLAN");
        vida = addStock("10", "VIDA", { { 3, "20" }, { 6, "2,50" }, { 11, "869001" } });
        somun = addStock("11", "SOMUN", { { 3, "10" }, { 6, "1,00" } });
        // A note whose text holds "Tahsilat" is a delivery note all the same; one of its lines
        // names a card that is not loaded.
        note1 = addDocument({ .bmod = 3,
                              .cariid = alici,
                              .sirano = "1",
                              .btarihi = 20260302,
                              .aciklama = "Tahsilat" });
        addLine(note1, { .stokid = vida, .stokadi = "VIDA", .miktar = 10 });
        addLine(note1, { .stokid = 9999, .stokadi = "ESKİ KART", .miktar = 1, .serial = "X9" });
        note2 = addDocument({ .bmod = 3, .cariid = alici, .sirano = "2" });
        addLine(note2, { .stokid = vida, .stokadi = "VIDA", .miktar = 4 });
        note3 = addDocument({ .bmod = 3, .cariid = alici, .sirano = "3" });
        addLine(note3, { .stokid = somun, .stokadi = "SOMUN", .miktar = 6 });
        note4 = addDocument({ .bmod = 3, .cariid = alici, .sirano = "4" });
        addLine(note4, { .stokid = vida, .stokadi = "VIDA", .miktar = 1 });
        invoice4 = addDocument(
            { .bmod = 4, .cariid = alici, .serino = "F", .sirano = "1", .yekun = "18,60" });
        for (qint64 note : { note2, note3 })
            kx::state().Conn->Execute("update \"1Belge\" set ftrdrm=? where id=?",
                                      { invoice4, note });
        invoice5 = addDocument({ .bmod = 5,
                                 .cariid = alici,
                                 .serino = "F",
                                 .sirano = "2",
                                 .btarihi = 20260305,
                                 .aciklama = "Mart",
                                 .kdvdh = 1,
                                 .kdv2 = "4,80",
                                 .kdv3 = "38,40",
                                 .iskonto = "10,00",
                                 .yekun = "283,20" });
        addLine(invoice5,
                { .stokid = vida,
                  .stokadi = "VIDA",
                  .miktar = 2,
                  .birimfiyat = "100,00",
                  .kdvoran = "20" });
        addLine(invoice5,
                { .stokid = somun,
                  .stokadi = "SOMUN",
                  .miktar = 1,
                  .birimfiyat = "50,00",
                  .kdvoran = "10",
                  .serial = "S1" });
        payment = addDocument({ .bmod = 6,
                                .cariid = alici,
                                .serino = "T",
                                .sirano = "1",
                                .yekun = "500,00",
                                .nakit = "500,00" });
        bayiNote = addDocument({ .bmod = 3, .cariid = bayi, .serino = "B", .sirano = "1" });
    }
};

} // namespace

class TestSavedDocuments : public QObject
{
    Q_OBJECT
    std::unique_ptr<EventsWindow> m_env;
    std::unique_ptr<Company> m_company;
    std::unique_ptr<kx::FKayitli> m_window;
    kx::FMain *m_main = nullptr;
    // What the main window's printing was asked for: copies, and the page it printed as.
    QList<QPair<int, int>> m_printed;
    int m_failing = 0;

    // In place of the main window's printing: records each print, fails m_failing copies.
    void recordPrints()
    {
        m_printed.clear();
        kx::setDocumentPrinter([this](const kx::DocumentView &, int copies) {
            m_printed << qMakePair(copies, kx::state().CurrentPage);
            return qMin(copies, m_failing);
        });
    }

    // The main window on a delivery note, and the saved-documents window open beside it.
    kx::FKayitli &open()
    {
        m_env = std::make_unique<EventsWindow>();
        m_company = std::make_unique<Company>();
        m_main = &m_env->start();
        m_main->ShowPage(kx::Page::DeliveryNote);
        m_window = std::make_unique<kx::FKayitli>(m_main);
        m_window->show();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qWarning("the saved-documents window did not become active");
        recordPrints();
        kx::messageScript().clear();
        kx::messageScript().suppressNotices = true;
        return *m_window;
    }

    int pick(kx::FKayitli &window, qint64 id, int kind)
    {
        const int row = rowOfKey(window.Grid1, key(kind, id));
        if (row > 0) {
            if (kind == 6)
                EventsWindow::closeNextModal();
            pickRow(window.Grid1, row);
        }
        return row;
    }

    // ALICI and the goods, and for an invoice over notes an open note of the lines; the main
    // window is not started yet.
    void companyWithGoods(int kind, const QStringList &lines)
    {
        m_env = std::make_unique<EventsWindow>();
        const qint64 alici = addAccount("1", "ALICI");
        addGoods();
        if (kind == 4)
            addNote(alici, lines);
    }

    // A new invoice of the kind for ALICI on its page, with the goods entered.
    kx::FMain &newInvoiceWithGoods(int kind, const QStringList &goods)
    {
        companyWithGoods(kind, goods);
        kx::FMain &w = m_env->start();
        kx::messageScript().suppressNotices = true;
        w.ShowPage(kind);
        kx::setFieldIndex(w.documentView().panelOfPage(kind), "XCCari", 0);
        enterGoods(w, kind, goods);
        return w;
    }

    // The main window started, the invoice entered on its page (the percentages typed) and
    // saved, then picked from the saved-documents list: *invoice is the saved one's id.
    void saveAndReopen(int kind, int vatMode, const QStringList &percentages,
                       const QString &typedDiscount, const QStringList &lines, qint64 *invoice)
    {
        kx::FMain &w = m_env->start();
        m_main = &w;
        kx::messageScript().suppressNotices = true;
        w.ShowPage(kind);
        QObject *panel = w.documentView().panelOfPage(kind);
        kx::setFieldIndex(panel, "XCCari", 0);
        kx::setFieldIndex(panel, "XCKdv", vatMode);
        const char *percentageFields[] = { "XTIsk1", "XTIsk2", "XTIsk3" };
        for (int i = 0; i < 3; ++i)
            typeOver(edit(panel, percentageFields[i]), percentages[i]);
        enterGoods(w, kind, lines);
        // On the invoice over notes the note's own row stands above its lines.
        QCOMPARE(w.Grid1->Rows(), lines.size() / 2 + (kind == 4 ? 2 : 1));
        if (!typedDiscount.isEmpty())
            w.documentView().totalsOfPage(kind)->Cell(2, 3).setText(typedDiscount);
        w.CMBar_Execute(kx::Command::SaveDocument);
        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Belge kaydedildi..."));
        *invoice = newest(kind);

        w.ShowPage(kx::Page::DeliveryNote);
        m_window = std::make_unique<kx::FKayitli>(&w);
        m_window->show();
        m_window->CCariX->setListIndex(0);
        pickRow(m_window->Grid1, rowOfKey(m_window->Grid1, key(kind, *invoice)));
        QCOMPARE(kx::state().CurrentPage, kind);
    }

    // "Düzenle": the document stays in the main window, which is active again.
    void editInMainWindow()
    {
        m_window->BEdit_Click();
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
    }

    // Ctrl+K from the focused field and "Evet" to the older record of the same number: the
    // invoice is stored again, under a new id, with the saved totals.
    void resavedWithTotals(int kind, qint64 invoice, const QStringList &saved)
    {
        kx::messageScript().clear();
        kx::messageScript().suppressNotices = true;
        kx::messageScript().answers = { kx::AnswerYes };
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Belge kaydedildi..."));
        const qint64 again = newest(kind);
        QVERIFY(again != invoice);
        QCOMPARE(storedTotals(again), saved);
    }

private slots:
    void cleanup()
    {
        kx::setDocumentPrinter({});
        m_failing = 0;
        m_window.reset();
        m_company.reset();
        m_env.reset();
        m_main = nullptr;
    }

    // The list of one account: every kind with its key, date, number, label, note and value,
    // in the order saved; another account's documents and the lines never show.
    void listEveryKind()
    {
        kx::FKayitli &window = open();
        const Company &c = *m_company;
        QCOMPARE(window.CCariX->ListCount(), 3);
        QCOMPARE(window.CCariX->Text(), QString());
        window.CCariX->setListIndex(0);
        const QList<QStringList> expected = {
            { key(3, c.note1), "02.03.2026", "A1 - İrsaliye (Çıkış) - Tahsilat", "-----" },
            { key(3, c.note2), "01.01.2026", "A2 - İrsaliye (Çıkış) - ", "-----" },
            { key(3, c.note3), "01.01.2026", "A3 - İrsaliye (Çıkış) - ", "-----" },
            { key(3, c.note4), "01.01.2026", "A4 - İrsaliye (Çıkış) - ", "-----" },
            { key(4, c.invoice4), "01.01.2026", "F1 - A. Fatura (Çıkış) - ", "18,60" },
            { key(5, c.invoice5), "05.03.2026", "F2 - A. İrs. Fatura (Çıkış) - Mart", "283,20" },
            { key(6, c.payment), "01.01.2026", "T1 - Tahsilat - ", "500,00" },
        };
        QCOMPARE(window.Grid1->Rows(), int(expected.size()) + 1);
        for (int r = 1; r < window.Grid1->Rows(); ++r) {
            QStringList row;
            for (int col = 0; col < 4; ++col)
                row << window.Grid1->Cell(r, col).Text();
            QCOMPARE(row, expected.at(r - 1));
        }
        QCOMPARE(window.Grid1->Cell(0, 1).Text(), QStringLiteral("İşlem Tarihi"));
        QCOMPARE(window.Grid1->ColumnWidth(0), 0);
        // Listing picks nothing, so nothing is opened.
        QCOMPARE(window.Grid1->CurrentCell().Row(), 0);
        QCOMPARE(kx::fieldIndex(m_main->RA1, "XCCari"), -1);

        window.CCariX->setListIndex(2);
        QCOMPARE(window.Grid1->Rows(), 1);
        window.CCariX->setListIndex(1);
        QCOMPARE(window.Grid1->Rows(), 2);
        QCOMPARE(window.Grid1->Cell(1, 0).Text(), key(3, c.bayiNote));
    }

    // Cancelling the picked document: its rows go by its kind and the panel is cleared; a note
    // that an invoice took over is refused, and No changes nothing: row and panel then stay.
    void cancel_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rowsGone"); // rows of the documents table
        QTest::addColumn<int>("notesFreed");
        QTest::addColumn<QString>("refusal");

        QTest::newRow("delivery note with its lines") << "note1" << 6 << 3 << 0 << "";
        QTest::newRow("invoice with its lines") << "invoice5" << 6 << 3 << 0 << "";
        QTest::newRow("invoice frees its notes") << "invoice4" << 6 << 1 << 2 << "";
        QTest::newRow("payment, only its row") << "payment" << 6 << 1 << 0 << "";
        QTest::newRow("note taken over")
            << "note2" << 6 << 0 << 0
            << "Bu irsaliye F1 numaralı faturaya aktarılmış! Önce faturayı siliniz.";
        QTest::newRow("No") << "invoice5" << 7 << 0 << 0 << "";
    }
    void cancel()
    {
        QFETCH(QString, document);
        QFETCH(int, answer);
        QFETCH(int, rowsGone);
        QFETCH(int, notesFreed);
        QFETCH(QString, refusal);
        kx::FKayitli &window = open();
        const Company &c = *m_company;
        const QMap<QString, QPair<int, qint64>> documents = { { "note1", { 3, c.note1 } },
                                                              { "note2", { 3, c.note2 } },
                                                              { "invoice4", { 4, c.invoice4 } },
                                                              { "invoice5", { 5, c.invoice5 } },
                                                              { "payment", { 6, c.payment } } };
        const auto [kind, id] = documents.value(document);
        window.CCariX->setListIndex(0);
        const int listed = window.Grid1->Rows();
        const int row = pick(window, id, kind);
        QVERIFY(row > 0);
        QObject *panel = m_main->documentView().panelOfPage(kx::state().CurrentPage);
        const int rowsBefore = count("select count(*) from \"1Belge\"");
        const int takenBefore = count("select count(*) from \"1Belge\" where ftrdrm<>0");
        kx::messageScript().clear();
        kx::messageScript().answers = { answer };

        QTest::mouseClick(window.BDel, Qt::LeftButton);
        QCOMPARE(kx::messageScript().shown.first().text,
                 QStringLiteral("Seçili belgeyi iptal etmek istediğinize emin misiniz?"));
        QCOMPARE(kx::messageScript().textsOf("popup"),
                 refusal.isEmpty() ? QStringList() : QStringList { refusal });
        QCOMPARE(count("select count(*) from \"1Belge\""), rowsBefore - rowsGone);
        QCOMPARE(count("select count(*) from \"1Belge\" where ftrdrm<>0"),
                 takenBefore - notesFreed);
        const bool gone = rowsGone > 0;
        QCOMPARE(window.Grid1->Rows(), gone ? listed - 1 : listed);
        QCOMPARE(rowOfKey(window.Grid1, key(kind, id)) > 0, !gone);
        if (gone)
            QCOMPARE(window.Grid1->CurrentCell().Row(), 0);
        // The panel is cleared only when the document went.
        if (panel)
            QCOMPARE(kx::fieldIndex(panel, "XCCari"), gone ? -1 : 0);
    }

    // A delivery note opens on its page with its header and lines as saved, also when its text
    // holds "Tahsilat"; a card that is not loaded leaves its cells empty. It prints; as a
    // delivery note it does nothing more.
    void openDeliveryNote()
    {
        kx::FKayitli &window = open();
        const Company &c = *m_company;
        m_main->ShowPage(kx::Page::InvoiceWithLines);
        window.CCariX->setListIndex(0);
        pick(window, c.note1, 3);
        QCOMPARE(window.loadedKey(), key(3, c.note1));
        QCOMPARE(kx::state().CurrentPage, 3);
        QCOMPARE(m_main->TabX->currentIndex(), 1);
        QObject *ra = m_main->RA1;
        QCOMPARE(text(ra, "XTSeriNo"), QStringLiteral("A"));
        QCOMPARE(text(ra, "XTSiraNo"), QStringLiteral("1"));
        QCOMPARE(text(ra, "XDBelge"), QStringLiteral("02.03.2026"));
        QCOMPARE(text(ra, "XTAciklama"), QStringLiteral("Tahsilat"));
        QCOMPARE(kx::fieldIndex(ra, "XCCari"), 0);
        QCOMPARE(text(ra, "XTInfo"), QStringLiteral("Cari Hesap Durumu : 198,20 alacaklıdır"));
        kx::Grid *grid = m_main->Grid1;
        QCOMPARE(grid->Rows(), 3);
        const int s = kx::state().ColStokKodu;
        const QStringList first = { grid->Cell(1, 0).Text(),     grid->Cell(1, 1).Text(),
                                    grid->Cell(1, s).Text(),     grid->Cell(1, s + 1).Text(),
                                    grid->Cell(1, s + 2).Text(), grid->Cell(1, s + 3).Text() };
        QCOMPARE(first,
                 (QStringList { QString::number(c.vida), "1", "10", "VIDA", "10", "869001" }));
        const QStringList second = { grid->Cell(2, s).Text(), grid->Cell(2, s + 1).Text(),
                                     grid->Cell(2, s + 3).Text(), grid->Cell(2, s + 4).Text() };
        QCOMPARE(second, (QStringList { "", "ESKİ KART", "", "X9" }));

        // Three copies as it is; as a delivery note it prints nothing more.
        window.CPrint->setListIndex(2);
        QTest::mouseClick(window.BPrint, Qt::LeftButton);
        QTest::mouseClick(window.PrintIrs, Qt::LeftButton);
        QVERIFY(kx::messageScript().textsOf("popup").isEmpty());
        QCOMPARE(m_printed, (QList<QPair<int, int>> { { 3, 3 } }));
        QCOMPARE(kx::state().CurrentPage, 3);
        // Copies the printer could not take are told.
        m_failing = 1;
        QTest::mouseClick(window.BPrint, Qt::LeftButton);
        QCOMPARE(kx::messageScript().textsOf("popup"),
                 QStringList { "Belgenin 1 kopyası yazdırılamadı! Yazıcıyı kontrol ediniz." });
    }

    // An invoice with lines shows its lines with the prices and rates saved, the computed cells
    // locked, and the totals from the lines and the saved discount.
    void openInvoiceWithLines()
    {
        kx::FKayitli &window = open();
        const Company &c = *m_company;
        window.CCariX->setListIndex(0);
        pick(window, c.invoice5, 5);
        QCOMPARE(kx::state().CurrentPage, 5);
        QCOMPARE(kx::fieldIndex(m_main->RC1, "XCKdv"), 1);
        kx::Grid *grid = m_main->Grid1;
        const kx::ModuleState &s = kx::state();
        QCOMPARE(grid->Rows(), 3);
        QCOMPARE(grid->Cell(1, s.ColFiyat).Text(), QStringLiteral("100,00"));
        QCOMPARE(grid->Cell(2, s.ColKdvOrani).Text(), QStringLiteral("10"));
        QCOMPARE(grid->Cell(2, s.ColSeriNo).Text(), QStringLiteral("S1"));
        QVERIFY(grid->Cell(1, s.ColKdvTutari).Locked());
        QVERIFY(!grid->Cell(1, s.ColFiyat).Locked());
        QStringList totals;
        for (int r = 1; r <= 7; ++r)
            totals << m_main->GridB3->Cell(r, 3).Text();
        QCOMPARE(totals,
                 (QStringList { "250,00", "10,00", "240,00", "0,00", "4,80", "38,40", "283,20" }));

        // As a delivery note it prints on that layout and comes back to its own page.
        QTest::mouseClick(window.PrintIrs, Qt::LeftButton);
        QVERIFY(kx::messageScript().textsOf("popup").isEmpty());
        QCOMPARE(m_printed, (QList<QPair<int, int>> { { 1, 3 } }));
        QCOMPARE(kx::state().CurrentPage, 5);
        QCOMPARE(m_main->TabX->currentIndex(), 3);
    }

    // An invoice over two of three open notes, saved on its page, opens with those two ticked
    // at the top and their lines under them, the third open below; its totals are the saved
    // ones, also after a card's VAT rate changed, and saving it again stores the same total.
    void openInvoiceOverNotes()
    {
        m_env = std::make_unique<EventsWindow>();
        const qint64 alici = addAccount("1", "ALICI");
        const qint64 vida = addStock("10", "VIDA", { { 3, "20" }, { 6, "2,50" } });
        const qint64 somun = addStock("11", "SOMUN", { { 3, "10" }, { 6, "1,00" } });
        QList<qint64> notes;
        for (int i = 1; i <= 3; ++i) {
            notes << addDocument({ .bmod = 3, .cariid = alici, .sirano = QString::number(i) });
            addLine(notes.last(),
                    { .stokid = i == 2 ? somun : vida,
                      .stokadi = i == 2 ? "SOMUN" : "VIDA",
                      .miktar = double(4 * i) });
        }
        kx::FMain &w = m_env->start();
        kx::messageScript().suppressNotices = true;
        w.ShowPage(kx::Page::Invoice);
        kx::Grid *grid = w.Grid1;
        kx::setFieldIndex(w.RB1, "XCCari", 0);
        QCOMPARE(grid->Rows(), 4);
        for (const QString number : { "A1", "A2" }) {
            for (int r = 1; r < grid->Rows(); ++r)
                if (grid->Cell(r, kx::state().ColBelge).Text() == number)
                    grid->Cell(r, 1).setText("1");
        }
        kx::setFieldText(w.RB1, "XTIsk1", "10");
        kx::setFieldIndex(w.RB1, "XCKdv", 1);
        w.CMBar_Execute(kx::Command::SaveDocument);
        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Belge kaydedildi..."));
        const qint64 invoice = count("select max(id) from \"1Belge\" where bmod=4");
        const QString saved = column(invoice, "yekun").toString();
        // 4 x 2,50 at 20 % and 8 x 1,00 at 10 %, less 10 %: 16,20 + 1,80 + 0,72.
        QCOMPARE(saved, QStringLiteral("18,72"));
        const QStringList savedVat
            = { column(invoice, "iskonto").toString(), column(invoice, "kdv2").toString(),
                column(invoice, "kdv3").toString() };

        // Today the card of VIDA carries another rate.
        kx::state().Conn->Execute("update \"1Stok\" set a3='1' where id=?", { vida });
        kx::LoadLists(false, true, false);
        w.ShowPage(kx::Page::DeliveryNote);
        m_window = std::make_unique<kx::FKayitli>(&w);
        m_window->show();
        m_window->CCariX->setListIndex(0);
        pickRow(m_window->Grid1, rowOfKey(m_window->Grid1, key(4, invoice)));
        QCOMPARE(kx::state().CurrentPage, 4);

        const kx::ModuleState &s = kx::state();
        QStringList shape;
        for (int r = 1; r < grid->Rows(); ++r) {
            if (grid->RowHeight(r) == 17)
                shape << grid->Cell(r, s.ColBelge).Text() + ":" + grid->Cell(r, 1).Text();
            else
                shape << grid->Cell(r, s.ColStokAdi).Text() + " "
                        + grid->Cell(r, s.ColMiktar).Text() + " %"
                        + grid->Cell(r, s.ColKdvOrani).Text();
        }
        QCOMPARE(shape, (QStringList { "A2:1", "SOMUN 8 %10", "A1:1", "VIDA 4 %20", "A3:" }));
        QCOMPARE(grid->Cell(2, s.ColFiyat).Text(), QStringLiteral("1,00"));
        QCOMPARE(w.GridB2->Cell(7, 3).Text(), saved);
        QCOMPARE((QStringList { w.GridB2->Cell(2, 3).Text(), w.GridB2->Cell(5, 3).Text(),
                                w.GridB2->Cell(6, 3).Text() }),
                 savedVat);

        // Kept in the panel and saved again in place of itself.
        m_window->BEdit_Click();
        kx::messageScript().clear();
        kx::messageScript().suppressNotices = true;
        kx::messageScript().answers = { kx::AnswerYes };
        w.CMBar_Execute(kx::Command::SaveDocument);
        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Belge kaydedildi..."));
        const qint64 again = count("select max(id) from \"1Belge\" where bmod=4");
        QVERIFY(again != invoice);
        QCOMPARE(count("select count(*) from \"1Belge\" where bmod=4"), 1);
        QCOMPARE(column(again, "yekun").toString(), saved);
        QCOMPARE(column(notes[0], "ftrdrm").toLongLong(), again);
        QCOMPARE(column(notes[1], "ftrdrm").toLongLong(), again);
        QCOMPARE(column(notes[2], "ftrdrm").toLongLong(), qint64(0));
    }

    // Saved again in place of itself, a delivery note or an invoice with lines keeps the
    // service logs of its serials: exact serials only, the first line's log where two share
    // one, no log for an empty serial, and nothing from another document's lines.
    void resaveKeepsServiceLogs_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("delivery note") << 3;
        QTest::newRow("invoice with lines") << 5;
    }
    void resaveKeepsServiceLogs()
    {
        QFETCH(int, kind);
        m_env = std::make_unique<EventsWindow>();
        const qint64 alici = addAccount("1", "ALICI");
        const qint64 vida = addStock("10", "VIDA", { { 3, "20" }, { 6, "2,50" } });
        const QString log = "\r\n01.03.2026 10:00:00 - kutu açıldı\r\n02.03.2026 11:00:00 - "
                            "fan değişti\r\n03.03.2026 12:00:00 - teslim edildi";
        const QList<QPair<QString, QVariant>> stored = {
            { "SN200", log },          { "SN201", QVariant() },
            { "SN300", "eski kayıt" }, { "SN200", "ikinci satır" },
            { "", "seri yok" },
        };
        const qint64 document = addDocument(
            { .bmod = kind, .cariid = alici, .serino = "F", .sirano = "7", .yekun = "12,50" });
        for (const auto &[serial, islem] : stored) {
            const qint64 line = addLine(document,
                                        { .stokid = vida,
                                          .stokadi = "VIDA",
                                          .birimfiyat = kind == 5 ? "2,50" : "",
                                          .kdvoran = kind == 5 ? "20" : "",
                                          .serial = serial });
            kx::state().Conn->Execute("update \"1Belge\" set islem=? where id=?", { islem, line });
        }
        // Another document's line with the second serial and a log of its own.
        const qint64 other = addDocument({ .bmod = 3, .cariid = alici, .sirano = "99" });
        kx::state().Conn->Execute("update \"1Belge\" set islem='başka' where id=?",
                                  { addLine(other, { .stokid = vida, .serial = "SN201" }) });
        kx::FMain &w = m_env->start();
        w.ShowPage(kx::Page::DeliveryNote);
        m_window = std::make_unique<kx::FKayitli>(&w);
        m_window->show();
        m_window->CCariX->setListIndex(0);
        pickRow(m_window->Grid1, rowOfKey(m_window->Grid1, key(kind, document)));
        kx::Grid *grid = w.Grid1;
        QCOMPARE(grid->Rows(), 6);
        // The user retypes the third serial in other letters.
        grid->Cell(3, kx::state().ColSeriNo).setText("sn300");
        m_window->BEdit_Click();

        kx::messageScript().clear();
        kx::messageScript().suppressNotices = true;
        kx::messageScript().answers = { kx::AnswerYes };
        w.CMBar_Execute(kx::Command::SaveDocument);
        QVERIFY(kx::messageScript().shown.first().text.startsWith(
            "Aynı belge numaralı daha eski bir kayıt tespit edildi!"));
        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Belge kaydedildi..."));
        const qint64 again = newest(kind);
        QVERIFY(again != document);
        kx::Recordset rs;
        rs.Open("select serial, islem from \"1Belge\" where belgeid=? order by id",
                *kx::state().Conn, { again });
        QStringList serials;
        QStringList logs;
        for (; !rs.Eof(); rs.MoveNext()) {
            serials << rs.Fields(0).toString();
            logs << (rs.Fields(1).isNull() ? QStringLiteral("<Null>") : rs.Fields(1).toString());
        }
        QCOMPARE(serials, (QStringList { "SN200", "SN201", "sn300", "SN200", "" }));
        QCOMPARE(logs, (QStringList { log, "<Null>", "<Null>", log, "<Null>" }));
        QCOMPARE(count("select count(*) from \"1Belge\" where belgeid=?", { document }), 0);
    }

    // An invoice saved from its page, opened again from the list: the totals grid shows the
    // stored figures over the total of its lines, prints them and the stored total in words,
    // keeps them while the user tabs through the percentage fields, and saving it again
    // unchanged stores the same row.
    void reopenedInvoiceKeepsStoredTotals_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("vatMode"); // 0 Dahil, 1 Hariç
        QTest::addColumn<QStringList>("percentages");
        QTest::addColumn<QString>("typedDiscount"); // into the totals grid, after the lines
        QTest::addColumn<QStringList>("lines"); // card name, quantity
        QTest::addColumn<QString>("grandTotal"); // "" when not pinned

        const QStringList none { "0", "0", "0" };
        const QStringList tea { "CAY 500 GR", "5", "KALEM", "20" };
        const QStringList threeRates { "EKMEK", "2,5", "CAY 500 GR", "0,75", "DEFTER", "3" };
        // The one that rounded a cent away: VAT 24,55 and 450,01 were saved.
        QTest::newRow("lines, VAT included, 10 %")
            << 5 << 0 << QStringList { "10", "0", "0" } << "" << tea << "450,01";
        QTest::newRow("lines, VAT excluded, no discount")
            << 5 << 1 << none << "" << threeRates << "";
        QTest::newRow("lines, VAT included, three percentages")
            << 5 << 0 << QStringList { "10", "5", "2,5" } << "" << threeRates << "";
        QTest::newRow("lines, VAT excluded, typed amount")
            << 5 << 1 << none << "12,34" << threeRates << "";
        QTest::newRow("over notes, VAT included, 10 %")
            << 4 << 0 << QStringList { "10", "0", "0" } << "" << tea << "450,01";
        QTest::newRow("over notes, VAT excluded, three percentages")
            << 4 << 1 << QStringList { "10", "5", "2,5" } << "" << threeRates << "";
        QTest::newRow("over notes, VAT included, typed amount")
            << 4 << 0 << none << "7,77" << threeRates << "";
    }
    void reopenedInvoiceKeepsStoredTotals()
    {
        QFETCH(int, kind);
        QFETCH(int, vatMode);
        QFETCH(QStringList, percentages);
        QFETCH(QString, typedDiscount);
        QFETCH(QStringList, lines);
        QFETCH(QString, grandTotal);
        companyWithGoods(kind, lines);
        // The totals, the total in words and the VAT rows of both invoice layouts print.
        for (int page : { 4, 5 })
            for (int field : { 31, 32, 33, 37, 38, 39, 41, 42 })
                placeField(page, field, "10", QString::number(field * 4));
        qint64 invoice = 0;
        saveAndReopen(kind, vatMode, percentages, typedDiscount, lines, &invoice);
        if (QTest::currentTestFailed())
            return;
        const QStringList saved = storedTotals(invoice);
        if (!grandTotal.isEmpty())
            QCOMPARE(saved.last(), grandTotal);
        if (!typedDiscount.isEmpty())
            QCOMPARE(saved.first(), typedDiscount);

        kx::FMain &w = *m_main;
        QObject *panel = w.documentView().panelOfPage(kind);
        kx::Grid *totals = w.documentView().totalsOfPage(kind);
        kx::Grid *grid = w.Grid1;
        const kx::ModuleState &s = kx::state();
        double lineTotal = 0;
        for (int r = 1; r < grid->Rows(); ++r)
            if (grid->RowHeight(r) == 18)
                lineTotal += kx::amountOf(grid->Cell(r, s.ColTutar).Text());
        const QString tutar = kx::FormatNumber(lineTotal, s.NumberFormat);
        const QString subtotal
            = kx::FormatNumber(lineTotal - kx::amountOf(saved[0]), s.NumberFormat);
        const QStringList shown
            = { tutar, saved[0], subtotal, saved[1], saved[2], saved[3], saved[4] };
        QCOMPARE(totalsColumn(totals), shown);

        QList<kx::PrintItem> items;
        kx::setDocumentPrinter([&items](const kx::DocumentView &view, int) {
            items = kx::buildPrintItems(
                kx::snapshotDocument(view, kx::printedAsItIs(kx::state().CurrentPage)));
            return 0;
        });
        m_window->CPrint->setListIndex(0);
        QTest::mouseClick(m_window->BPrint, Qt::LeftButton);
        QStringList printed;
        for (int field : { 31, 32, 33, 37, 38, 39, 41, 42 })
            for (const kx::PrintItem &item : itemsOf(items, field))
                printed << item.text;
        QCOMPARE(printed, shown + QStringList { kx::amountInWordsLine(saved[4]) });

        // Kept in the main window; the user tabs through the three percentages untouched.
        editInMainWindow();
        edit(panel, "XTIsk1")->setFocus(Qt::TabFocusReason);
        for (const char *next : { "XTIsk2", "XTIsk3" }) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), edit(panel, next));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(totalsColumn(totals), shown);
        resavedWithTotals(kind, invoice, saved);
    }

    // A reopened invoice whose percentages are each typed over with what they show, also in
    // other text of the same value, and whose VAT mode is picked again in its open list, by
    // Enter and by a click, keeps the totals it shows: saved again it stores the same figures.
    void reopenedInvoiceRetypedUnchanged_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("vatMode"); // 0 Dahil, 1 Hariç
        QTest::addColumn<QStringList>("percentages");
        QTest::addColumn<QString>("typedDiscount");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("retyped"); // over each percentage's 0

        const QStringList tea { "CAY 500 GR", "5", "KALEM", "20" };
        const QStringList threeRates { "EKMEK", "2,5", "CAY 500 GR", "0,75", "DEFTER", "3" };
        QTest::newRow("lines, VAT included, 10 %")
            << 5 << 0 << QStringList { "10", "0", "0" } << "" << tea << "0";
        QTest::newRow("over notes, VAT excluded, three percentages")
            << 4 << 1 << QStringList { "10", "5", "2,5" } << "" << threeRates << "0";
        QTest::newRow("lines, VAT excluded, typed amount")
            << 5 << 1 << QStringList { "0", "0", "0" } << "12,34" << threeRates << "0";
        QTest::newRow("lines, VAT included, 10 %, retyped as 0,00")
            << 5 << 0 << QStringList { "10", "0", "0" } << "" << tea << "0,00";
        QTest::newRow("lines, VAT included, 10 %, retyped as 00")
            << 5 << 0 << QStringList { "10", "0", "0" } << "" << tea << "00";
        QTest::newRow("over notes, VAT excluded, typed amount, retyped as 0,00")
            << 4 << 1 << QStringList { "0", "0", "0" } << "7,77" << threeRates << "0,00";
    }
    void reopenedInvoiceRetypedUnchanged()
    {
        QFETCH(int, kind);
        QFETCH(int, vatMode);
        QFETCH(QStringList, percentages);
        QFETCH(QString, typedDiscount);
        QFETCH(QStringList, lines);
        QFETCH(QString, retyped);
        companyWithGoods(kind, lines);
        qint64 invoice = 0;
        saveAndReopen(kind, vatMode, percentages, typedDiscount, lines, &invoice);
        if (QTest::currentTestFailed())
            return;
        const QStringList saved = storedTotals(invoice);
        QObject *panel = m_main->documentView().panelOfPage(kind);
        kx::Grid *totals = m_main->documentView().totalsOfPage(kind);
        const QStringList shown = totalsColumn(totals);
        QCOMPARE(shown.at(1), saved.first());

        editInMainWindow();
        // The percentages are not stored: each shows 0.
        for (const char *field : { "XTIsk1", "XTIsk2", "XTIsk3" }) {
            QCOMPARE(text(panel, field), QStringLiteral("0"));
            typeOver(edit(panel, field), retyped);
        }
        QCOMPARE(totalsColumn(totals), shown);
        auto *vat = qobject_cast<QComboBox *>(kx::panelField(panel, "XCKdv"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), vat);
        QCOMPARE(vat->currentIndex(), vatMode);
        for (bool byClick : { false, true })
            pickInOpenList(vat, vatMode, byClick);
        QCOMPARE(totalsColumn(totals), shown);
        resavedWithTotals(kind, invoice, saved);
    }

    // On a new invoice, a percentage typed over with the value it has, in its own text or in
    // another, or the VAT mode that is chosen picked again in the open list leaves a discount
    // amount typed into the totals, and the save stores it. On the next invoice the other
    // mode picked there recalculates them from the percentages.
    void unchangedHeaderKeepsTypedDiscount_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("byClick");
        QTest::addColumn<QString>("retyped"); // over the percentages' 0
        QTest::newRow("lines, by Enter") << 5 << false << "0";
        QTest::newRow("over notes, by a click") << 4 << true << "0";
        QTest::newRow("lines, by Enter, retyped as 0,00") << 5 << false << "0,00";
        QTest::newRow("over notes, by a click, retyped as 00") << 4 << true << "00";
    }
    void unchangedHeaderKeepsTypedDiscount()
    {
        QFETCH(int, kind);
        QFETCH(bool, byClick);
        QFETCH(QString, retyped);
        const QStringList goods { "KALEM", "1" };
        kx::FMain &w = newInvoiceWithGoods(kind, goods);
        QObject *panel = w.documentView().panelOfPage(kind);
        kx::Grid *totals = w.documentView().totalsOfPage(kind);
        totals->Cell(2, 3).setText("7,77");
        const QStringList typed = totalsColumn(totals);
        QCOMPARE(typed.at(1), QStringLiteral("7,77"));

        for (const char *field : { "XTIsk2", "XTIsk3" }) {
            QCOMPARE(text(panel, field), QStringLiteral("0"));
            typeOver(edit(panel, field), retyped);
        }
        auto *vat = qobject_cast<QComboBox *>(kx::panelField(panel, "XCKdv"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), vat);
        QCOMPARE(vat->currentText(), QStringLiteral("Dahil"));
        pickInOpenList(vat, 0, byClick);
        QCOMPARE(totalsColumn(totals), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Belge kaydedildi..."));
        QCOMPARE(storedTotals(newest(kind)),
                 (QStringList { typed[1], typed[3], typed[4], typed[5], typed[6] }));

        if (kind == 4)
            addNote(count("select id from \"1Cari\" where a2='ALICI'"), goods);
        kx::setFieldIndex(panel, "XCCari", 0);
        enterGoods(w, kind, goods);
        totals->Cell(2, 3).setText("7,77");
        QCOMPARE(totalsColumn(totals), typed);
        // 10,00 without its VAT, 2,00 VAT at 20 %, and no discount from the percentages.
        pickInOpenList(vat, 1, byClick);
        QCOMPARE(totalsColumn(totals),
                 (QStringList { "10,00", "0,00", "10,00", "0,00", "0,00", "2,00", "12,00" }));
    }

    // A percentage typed after the lines, by key presses, counts at once: Ctrl+K straight from
    // the field saves the discounted invoice. The other invoice panel's percentages leave the
    // page shown alone, a typed discount amount included.
    void discountTypedAfterTheLines_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("field");
        QTest::newRow("lines, first percentage") << 5 << "XTIsk1";
        QTest::newRow("lines, third percentage") << 5 << "XTIsk3";
        QTest::newRow("over notes, second percentage") << 4 << "XTIsk2";
    }
    void discountTypedAfterTheLines()
    {
        QFETCH(int, kind);
        QFETCH(QString, field);
        kx::FMain &w = newInvoiceWithGoods(kind, { "KALEM", "1" });
        QObject *panel = w.documentView().panelOfPage(kind);
        QObject *otherPanel = kind == 4 ? w.RC1 : w.RB1;
        kx::Grid *totals = w.documentView().totalsOfPage(kind);
        QCOMPARE(totals->Cell(7, 3).Text(), QStringLiteral("10,00"));
        totals->Cell(2, 3).setText("2,00");
        kx::setFieldText(otherPanel, "XTIsk1", "50");
        QCOMPARE(totals->Cell(2, 3).Text(), QStringLiteral("2,00"));

        QLineEdit *percentage = edit(panel, field.toLatin1());
        percentage->setFocus(Qt::TabFocusReason);
        typeText(percentage, "10");
        QCOMPARE(percentage->text(), QStringLiteral("10"));
        // 10,00 with 20 % VAT in it: 8,33 net, less 0,83, and 1,50 VAT.
        QCOMPARE(totals->Cell(2, 3).Text(), QStringLiteral("0,83"));
        QTest::keyClick(percentage, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Belge kaydedildi..."));
        QCOMPARE(storedTotals(newest(kind)),
                 (QStringList { "0,83", "0,00", "0,00", "1,50", "9,00" }));
    }

    // The VAT mode that the program changes without a pick is kept as well: with no mode stored
    // for new documents, a new invoice after one in "Hariç" starts with no choice, which reads
    // as "Dahil", and picking "Dahil" then leaves a typed discount amount.
    void vatModeClearedByTheProgram()
    {
        const QStringList goods { "KALEM", "1" };
        companyWithGoods(5, goods);
        kx::state().FieldValues[1] = QStringLiteral("-1");
        kx::ExecUpdate(kx::state().TblAyar, 3);
        kx::FMain &w = m_env->start();
        kx::messageScript().suppressNotices = true;
        w.ShowPage(kx::Page::InvoiceWithLines);
        auto *vat = qobject_cast<QComboBox *>(kx::panelField(w.RC1, "XCKdv"));
        pickInOpenList(vat, 1, false);
        w.ShowPage(kx::Page::InvoiceWithLines);
        QCOMPARE(vat->currentIndex(), -1);
        // The event loop turns before the user's next key.
        QCoreApplication::processEvents();
        kx::setFieldIndex(w.RC1, "XCCari", 0);
        enterGoods(w, 5, goods);
        w.GridB3->Cell(2, 3).setText("7,77");
        const QStringList typed = totalsColumn(w.GridB3);
        QCOMPARE(typed.at(1), QStringLiteral("7,77"));
        pickInOpenList(vat, 0, false);
        QCOMPARE(totalsColumn(w.GridB3), typed);
    }

    // A pending key opens the window on the document's account with its row picked and the
    // document loaded; a key whose document or account is gone picks nothing and says so.
    void pendingKey_data()
    {
        QTest::addColumn<QString>("pending");
        QTest::addColumn<int>("account");
        QTest::addColumn<QString>("message");

        QTest::newRow("412") << "412" << 1 << "";
        QTest::newRow("document gone")
            << "499" << -1 << "Seçilen belge bulunamadı! Listeyi yenileyip tekrar deneyiniz.";
        QTest::newRow("account deleted")
            << "313" << -1 << "Belgenin cari kartı bulunamadı! Listeyi yenileyip tekrar deneyiniz.";
    }
    void pendingKey()
    {
        QFETCH(QString, pending);
        QFETCH(int, account);
        QFETCH(QString, message);
        m_env = std::make_unique<EventsWindow>();
        const qint64 alici = addAccount("1", "ALICI");
        const qint64 bayi = addAccount("2", "BAYİ");
        const qint64 gone = addAccount("3", "ESKİ", {}, true);
        for (int i = 1; i <= 11; ++i)
            addDocument({ .bmod = 3, .cariid = alici, .sirano = QString::number(i) });
        QCOMPARE(addDocument(
                     { .bmod = 4, .cariid = bayi, .serino = "F", .sirano = "8", .yekun = "5,00" }),
                 qint64(12));
        QCOMPARE(addDocument({ .bmod = 3, .cariid = gone, .sirano = "12" }), qint64(13));
        kx::FMain &w = m_env->start();
        w.ShowPage(kx::Page::DeliveryNote);
        kx::messageScript().clear();
        kx::messageScript().suppressNotices = true;
        kx::state().PendingDocKey = pending;

        m_window = std::make_unique<kx::FKayitli>(&w);
        m_window->show();
        m_window->Form_Activate();
        QVERIFY(kx::state().PendingDocKey.isEmpty());
        QCOMPARE(kx::messageScript().textsOf("popup"),
                 message.isEmpty() ? QStringList() : QStringList { message });
        QCOMPARE(m_window->CCariX->ListIndex(), account);
        const int picked = m_window->Grid1->CurrentCell().Row();
        QCOMPARE(picked > 0 ? m_window->Grid1->Cell(picked, 0).Text() : QString(),
                 account < 0 ? QString() : pending);
        QCOMPARE(kx::state().CurrentPage, account < 0 ? 3 : 4);
        if (account >= 0)
            QCOMPARE(text(w.RB1, "XTSiraNo"), QStringLiteral("8"));
    }

    // Printing needs a picked row that is the document loaded in the panel, and no payment.
    void printRefused_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QStringList>("messages");

        const QString print = "Belgeyi yazdırmak için öncelikle cariyi seçip ardından listelenen "
                              "belgelerden yazdırmak istediğinizi işaretleyiniz!";
        QTest::newRow("no row picked") << "none" << QStringList { print, print };
        QTest::newRow("payment") << "payment" << QStringList { print, print };
        QTest::newRow("document gone meanwhile")
            << "gone"
            << QStringList { "Seçilen belge bulunamadı! Listeyi yenileyip tekrar deneyiniz.", print,
                             print };
    }
    void printRefused()
    {
        QFETCH(QString, situation);
        QFETCH(QStringList, messages);
        kx::FKayitli &window = open();
        const Company &c = *m_company;
        window.CCariX->setListIndex(0);
        if (situation == "payment") {
            pick(window, c.payment, 6);
            QCOMPARE(kx::state().CurrentPage, 3);
        } else if (situation == "gone") {
            kx::state().Conn->Execute("delete from \"1Belge\" where id=?", { c.invoice5 });
            pick(window, c.invoice5, 5);
            QCOMPARE(kx::state().CurrentPage, 3);
            QVERIFY(window.loadedKey().isEmpty());
        }
        QTest::mouseClick(window.BPrint, Qt::LeftButton);
        QTest::mouseClick(window.PrintIrs, Qt::LeftButton);
        QCOMPARE(kx::messageScript().textsOf("popup"), messages);
        QVERIFY(m_printed.isEmpty());
    }

    // A second click on the picked row picks it again: a payment form closed without saving
    // opens once more, a document loads again as it was.
    void pickSameRowAgain()
    {
        kx::FKayitli &window = open();
        const Company &c = *m_company;
        window.CCariX->setListIndex(0);
        const int paymentRow = rowOfKey(window.Grid1, key(6, c.payment));
        const QStringList opened = EventsWindow::closeOpenedWindows([&] {
            pickRow(window.Grid1, paymentRow);
            pickRow(window.Grid1, paymentRow);
        });
        const QString form = QStringLiteral("FOdeme ") + QString::number(c.payment);
        QCOMPARE(opened, (QStringList { form, form }));

        const int noteRow = rowOfKey(window.Grid1, key(3, c.note1));
        pickRow(window.Grid1, noteRow);
        m_main->ShowPage(kx::Page::DeliveryNote);
        QCOMPARE(kx::fieldText(m_main->RA1, "XTSiraNo"), QStringLiteral("5"));
        pickRow(window.Grid1, noteRow);
        QCOMPARE(kx::fieldText(m_main->RA1, "XTSiraNo"), QStringLiteral("1"));
        QCOMPARE(m_main->Grid1->Rows(), 3);
    }

    // While the payment form of a clicked row is open, the list shows that row as the picked
    // one, not the row picked before.
    void paymentFormOverItsRow()
    {
        kx::FKayitli &window = open();
        const Company &c = *m_company;
        window.CCariX->setListIndex(0);
        pickRow(window.Grid1, rowOfKey(window.Grid1, key(3, c.note1)));
        const int paymentRow = rowOfKey(window.Grid1, key(6, c.payment));
        QList<int> shown;
        withNextModal([&](QWidget *) {
            for (const QModelIndex &index : window.Grid1->selectionModel()->selectedIndexes())
                if (!shown.contains(index.row() + 1))
                    shown << index.row() + 1;
        });
        pickRow(window.Grid1, paymentRow);
        QCOMPARE(shown, QList<int> { paymentRow });
    }

    // Tabbing into the list picks no row: nothing opens and cancel finds nothing picked; the
    // arrow key then picks the first row.
    void tabIntoListPicksNothing()
    {
        kx::FKayitli &window = open();
        const Company &c = *m_company;
        window.CCariX->setListIndex(0);
        window.CCariX->setFocus();
        QTest::keyClick(window.CCariX, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.Grid1);
        QCOMPARE(window.Grid1->CurrentCell().Row(), 0);
        QVERIFY(window.loadedKey().isEmpty());
        QCOMPARE(kx::fieldIndex(m_main->RA1, "XCCari"), -1);

        QTest::mouseClick(window.BDel, Qt::LeftButton);
        QCOMPARE(kx::messageScript().textsOf("popup"),
                 QStringList { "Önce iptal etmek istediğiniz belgeyi listeden seçiniz!" });
        QCOMPARE(count("select count(*) from \"1Belge\" where id=?", { c.note1 }), 1);

        window.Grid1->setFocus();
        QTest::keyClick(window.Grid1, Qt::Key_Down);
        QCOMPARE(window.loadedKey(), key(3, c.note1));
    }

    // Closed by "Düzenle" the document stays in the panel; closed by its close box the panel
    // is cleared for a new document.
    void closing_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::newRow("Düzenle") << true;
        QTest::newRow("close box") << false;
    }
    void closing()
    {
        QFETCH(bool, edit);
        m_env = std::make_unique<EventsWindow>();
        m_company = std::make_unique<Company>();
        kx::FMain &w = m_env->start();
        w.ShowPage(kx::Page::DeliveryNote);
        const qint64 note = m_company->note4;
        withNextModal([edit, note](QWidget *modal) {
            auto *window = qobject_cast<kx::FKayitli *>(modal);
            window->CCariX->setListIndex(0);
            pickRow(window->Grid1, rowOfKey(window->Grid1, key(3, note)));
            if (edit)
                window->BEdit_Click();
        });
        w.CMBar_Execute(kx::Command::SavedDocuments);
        QCOMPARE(text(w.RA1, "XTSiraNo"), edit ? QStringLiteral("4") : QStringLiteral("5"));
        QCOMPARE(kx::fieldIndex(w.RA1, "XCCari"), edit ? 0 : -1);
        QCOMPARE(w.Grid1->Rows(), edit ? 2 : 1);
        QVERIFY(!kx::state().ClearAfterKayitli);
    }

    // A series pasted into "Belge Bul" is folded as a typed one is.
    void pastedSearchSeriesIsFolded()
    {
        kx::FBelgeBul search;
        search.show();
        QVERIFY(QTest::qWaitForWindowActive(&search));
        QTest::mouseClick(search.TSeri, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(search.TSeri));
        QApplication::clipboard()->setText(QStringLiteral("şa"));
        QTest::keyClick(search.TSeri, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(search.TSeri->text(), QStringLiteral("SA"));
    }

    // "Belge No ile Bul": the series is typed upper-case, a miss disables "Aç" again, and "Aç"
    // brings the found document's row and document up in the window.
    void findByNumber()
    {
        kx::FKayitli &window = open();
        const Company &c = *m_company;
        QStringList seen;
        withNextModal([&seen](QWidget *modal) {
            auto *search = qobject_cast<kx::FBelgeBul *>(modal);
            seen << QString::number(search->CAc->isEnabled());
            typeText(search->TSeri, "f");
            typeText(search->TSira, "9");
            QTest::mouseClick(search->CBul, Qt::LeftButton);
            seen << search->TSeri->text() << search->TCari->text() << search->TTarih->text()
                 << search->TTutar->text() << QString::number(search->CAc->isEnabled());
            search->TSira->setText("2");
            QTest::mouseClick(search->CBul, Qt::LeftButton);
            seen << search->TCari->text() << search->TTarih->text() << search->TTutar->text();
            search->TSira->setText("99");
            QTest::mouseClick(search->CBul, Qt::LeftButton);
            seen << search->TCari->text() << QString::number(search->CAc->isEnabled());
            search->TSira->setText("2");
            QTest::mouseClick(search->CBul, Qt::LeftButton);
            QTest::mouseClick(search->CAc, Qt::LeftButton);
        });
        QTest::mouseClick(window.PushButton1, Qt::LeftButton);
        QCOMPARE(seen,
                 (QStringList { "0", "F", "Bulunamadı", "Bulunamadı", "Bulunamadı", "0",
                                "ALICI (1)", "05.03.2026", "283,20", "Bulunamadı", "0" }));
        QVERIFY(kx::state().PendingDocKey.isEmpty());
        QCOMPARE(window.CCariX->ListIndex(), 0);
        QCOMPARE(window.Grid1->Cell(window.Grid1->CurrentCell().Row(), 0).Text(),
                 key(5, c.invoice5));
        QCOMPARE(window.loadedKey(), key(5, c.invoice5));
        QCOMPARE(kx::state().CurrentPage, 5);
    }
};

KX_TEST(TestSavedDocuments)
#include "tst_saved_documents.moc"
