// A saved invoice printed through the main window onto a PDF printer, read back with pdftotext.
#include "app/main_window.h"
#include "app/ribbon_menu.h"
#include "core/document_lines.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/printer.h"
#include "tests/app/events_window.h"
#include "tests/core/document_view.h"
#include "tests/support/builders.h"
#include "tests/support/kxtest.h"
#include "tests/support/printing.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace kxtest;

namespace {

// Switches on a value of page 5's layout: X, Y, right alignment, size.
void placeValue(int field, const QString &x, const QString &y, const QString &right)
{
    kx::ModuleState &s = kx::state();
    const QStringList cells { "1", x, y, right, "0", "10" };
    for (int i = 0; i < 6; ++i) {
        s.FieldValues[field] = cells[i];
        kx::ExecUpdate(s.TblAyar, 41 + i);
    }
}

// A word of the PDF's text with its box in millimetres.
struct Word
{
    QString text;
    double left = 0;
    double top = 0;
    double right = 0;
};

QList<Word> wordsOf(const QString &pdf)
{
    QList<Word> words;
    const double millimetres = 25.4 / 72;
    for (const PdfWord &word : pdfWords(pdf))
        words.append({ word.text, word.left * millimetres, word.top * millimetres,
                       word.right * millimetres });
    return words;
}

Word findWord(const QList<Word> &words, const QString &text)
{
    for (const Word &word : words) {
        if (word.text == text)
            return word;
    }
    return { QStringLiteral("(missing: %1)").arg(text) };
}

// The invoice-with-lines page of a started main window with one priced line, to be printed
// `copies` times on the printer put in place; "Tamam" is pressed in every printer choice.
struct InvoiceToPrint
{
    EventsWindow w;
    int choices = 0;

    void saveWith(std::unique_ptr<QPrinter> printer, int copies)
    {
        const qint64 account = addAccount("100", "AHMET");
        addStock("1024", "VIDA", { { 3, "18" }, { 6, "1.234,56" } });
        kx::state().Conn->Execute("update \"1Ayar\" set a4='1', a5='8', a6='18' where id=3");
        kx::LoadLists(true, false, false);
        placeValue(42, "30", "200", "0");
        placeValue(41, "190", "190", "1");
        placeValue(12, "20", "100", "0");
        kx::LoadLists(true, false, false);
        kx::setCurrentPrinter(std::move(printer));

        kx::FMain &window = w.start();
        window.CMBar_Execute(kx::Command::InvoiceWithLines);
        QObject *panel = window.RC1;
        combo(panel, "XCCari")->setListIndex(kx::accountRecordById(account, false));
        combo(panel, "XCStok")->setListIndex(0);
        edit(panel, "XTFiyat")->setText("1.234,56");
        kx::AddDocumentLine(window.documentView());
        combo(panel, "XCPrint")->setListIndex(copies);
        kx::messageScript().answers = { kx::AnswerNo };

        PrinterChoiceAnswers tamam;
        window.CMBar_Execute(kx::Command::SaveDocument);
        choices = tamam.count();
    }
};

} // namespace

class TestDocumentPrintPdf : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { kx::setCurrentPrinter(nullptr); }

    void savedInvoice()
    {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("belge.pdf"));
        InvoiceToPrint invoice;
        invoice.saveWith(pdfPrinter(pdf), 1);

        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Belge kaydedildi..."));
        QCOMPARE(invoice.choices, 1);
        QVERIFY(QFile::exists(pdf));
        const QList<Word> words = wordsOf(pdf);

        // The words start where the layout puts them: X across, Y the top of the text.
        const Word words42 = findWord(words, QStringLiteral("Yalnız"));
        QVERIFY2(qAbs(words42.left - 30) <= 0.5, qPrintable(QString::number(words42.left)));
        QVERIFY2(words42.top >= 200 - 0.5 && words42.top <= 201,
                 qPrintable(QString::number(words42.top)));
        QCOMPARE(findWord(words, QStringLiteral("BinİkiYüzOtuzDört")).text,
                 QStringLiteral("BinİkiYüzOtuzDört"));
        const Word name = findWord(words, QStringLiteral("VIDA"));
        QVERIFY2(qAbs(name.left - 20) <= 0.5 && name.top >= 99.5 && name.top <= 101,
                 qPrintable(QStringLiteral("%1 %2").arg(name.left).arg(name.top)));
        // The right-aligned grand total ends at its X.
        const Word total = findWord(words, QStringLiteral("1.234,56"));
        QVERIFY2(qAbs(total.right - 190) <= 0.5, qPrintable(QString::number(total.right)));
    }

    // A printer whose job cannot start: the document stays saved, each copy is offered its
    // printer choice, and one notice says that it was saved but not printed.
    void printerFails()
    {
        InvoiceToPrint invoice;
        invoice.saveWith(pdfPrinter(QStringLiteral("/nonexistent-folder/belge.pdf")), 2);
        QCOMPARE(invoice.choices, 2);
        QStringList notices;
        for (const kx::MessageRecord &record : kx::messageScript().shown)
            notices << QString::number(record.icon) + " " + record.text;
        QCOMPARE(notices,
                 (QStringList { "1 Belge kaydedildi...",
                                "2 Belge kaydedildi, ancak yazdırılamadı! Yazıcıyı kontrol "
                                "ediniz." }));
        kx::Recordset rs;
        rs.Open(QStringLiteral("select count(*) from \"1Belge\" where bmod=5"), *kx::state().Conn);
        QCOMPARE(rs.Fields(0).toInt(), 1);
    }
};

KX_TEST(TestDocumentPrintPdf)
#include "tst_document_print_pdf.moc"
