// Writing and deleting documents: rows, links, replacement, refusals and the all-or-nothing rule.
#include "core/document_save.h"
#include "core/messages.h"
#include "core/state.h"
#include "platform/adodb.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QTest>

using namespace kxtest;

namespace {

kx::Connection &conn()
{
    return *kx::state().Conn;
}

const QString table = QStringLiteral("1Belge");

// All columns of one row, by name.
QVariantMap row(qint64 id)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select * from \"1Belge\" where id=?"), conn(), { id });
    QVariantMap values;
    if (rs.Eof())
        return values;
    for (const QString &name : rs.fieldNames())
        values.insert(name, rs.Fields(name));
    return values;
}

QList<QVariantMap> linesOf(qint64 documentId)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select id from \"1Belge\" where belgeid=? order by id"), conn(),
            { documentId });
    QList<QVariantMap> lines;
    for (; !rs.Eof(); rs.MoveNext())
        lines << row(rs.Fields(0).toLongLong());
    return lines;
}

int rowCount()
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select count(*) from \"1Belge\""), conn());
    return rs.Fields(0).toInt();
}

} // namespace

class TestDocumentSave : public QObject
{
    Q_OBJECT
    std::unique_ptr<Fixture> fixture;
    qint64 account = 0;
    qint64 vida = 0;
    qint64 somun = 0;

    kx::DocumentInput document(int kind, int direction = 0)
    {
        kx::DocumentInput input;
        input.kind = kind;
        input.accountId = account;
        input.direction = direction;
        input.series = QStringLiteral("A");
        input.number = QStringLiteral("7");
        input.documentDate = 20260210;
        input.dispatchDate = 20260211;
        return input;
    }

    // Three open outgoing notes with one line each; the second line is priced already.
    QList<qint64> openNotes(QList<qint64> *lines)
    {
        QList<qint64> notes;
        for (int i = 1; i <= 3; ++i) {
            const qint64 note = addDocument(
                { .bmod = 3, .gircik = 0, .cariid = account, .sirano = QString::number(i) });
            lines->append(addLine(note,
                                  { .stokid = vida,
                                    .stokadi = "VIDA",
                                    .miktar = double(i),
                                    .birimfiyat = i == 2 ? "9,00" : "" }));
            notes << note;
        }
        return notes;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<Fixture>();
        fixture->login(1);
        account = addAccount("1", "ALICI");
        vida = addStock("10", "VIDA");
        somun = addStock("11", "SOMUN");
    }
    void cleanup() { fixture.reset(); }

    void linesAndDirection_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("inout");
        QTest::newRow("note out") << 3 << 0 << "o";
        QTest::newRow("note in") << 3 << 1 << "i";
        QTest::newRow("invoice open sale") << 5 << 0 << "o";
        QTest::newRow("invoice open purchase") << 5 << 1 << "i";
        QTest::newRow("invoice cash sale") << 5 << 2 << "o";
        QTest::newRow("invoice cash purchase") << 5 << 3 << "i";
    }
    void linesAndDirection()
    {
        QFETCH(int, kind);
        QFETCH(int, direction);
        QFETCH(QString, inout);
        kx::DocumentInput input = document(kind, direction);
        input.note = QStringLiteral("Ali'nin siparişi");
        input.vatMode = 1;
        input.kdv1 = QStringLiteral("36,00");
        input.grandTotal = QStringLiteral("236,00");
        input.discount = QStringLiteral("0,00");
        input.lines = { { vida, "VIDA", 2, "100,00", "18", "S'N-1" },
                        { somun, "SOMUN 'M8'", 1.5, "4,00", "8", "" } };
        const kx::SaveOutcome outcome = kx::writeDocument(conn(), table, input, 0);
        QVERIFY2(outcome.saved, qPrintable(outcome.refusal));

        const QVariantMap header = row(outcome.documentId);
        QCOMPARE(header.value("bmod").toInt(), kind);
        QCOMPARE(header.value("gircik").toInt(), direction);
        QCOMPARE(header.value("cariid").toLongLong(), account);
        QCOMPARE(header.value("serino").toString(), QStringLiteral("A"));
        QCOMPARE(header.value("sirano").toString(), QStringLiteral("7"));
        QCOMPARE(header.value("btarihi").toInt(), 20260210);
        QCOMPARE(header.value("fstarihi").toInt(), 20260211);
        QCOMPARE(header.value("aciklama").toString(), QStringLiteral("Ali'nin siparişi"));
        if (kind == 3) {
            QCOMPARE(header.value("ftrdrm").toInt(), 0);
            QVERIFY(header.value("yekun").isNull());
        } else {
            QCOMPARE(header.value("kdvdh").toInt(), 1);
            QCOMPARE(header.value("kdv1").toString(), QStringLiteral("36,00"));
            QCOMPARE(header.value("yekun").toString(), QStringLiteral("236,00"));
        }

        const QList<QVariantMap> lines = linesOf(outcome.documentId);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].value("stokid").toLongLong(), vida);
        QCOMPARE(lines[0].value("serial").toString(), QStringLiteral("S'N-1"));
        QCOMPARE(lines[1].value("stokadi").toString(), QStringLiteral("SOMUN 'M8'"));
        QCOMPARE(lines[1].value("miktar").toDouble(), 1.5);
        for (const QVariantMap &line : lines) {
            QCOMPARE(line.value("inout").toString(), inout);
            QVERIFY(line.value("bmod").isNull());
            // Only invoices price their lines.
            QCOMPARE(line.value("birimfiyat").isNull(), kind == 3);
        }
    }

    void duplicateLookup()
    {
        const qint64 older = addDocument({ .bmod = 5, .serino = "A", .sirano = "12" });
        addDocument({ .bmod = 3, .serino = "A", .sirano = "13" });
        QCOMPARE(kx::findDuplicateDocument(conn(), table, 5, "A", "12"), older);
        QCOMPARE(kx::findDuplicateDocument(conn(), table, 3, "A", "12"), 0);
        // The typed texts are compared: 012 is another number.
        QCOMPARE(kx::findDuplicateDocument(conn(), table, 5, "A", "012"), 0);
        QCOMPARE(kx::findDuplicateDocument(conn(), table, 5, "B", "12"), 0);
    }

    void replaceDeletesOldRows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("delivery note") << 3;
        QTest::newRow("invoice with lines") << 5;
    }
    void replaceDeletesOldRows()
    {
        QFETCH(int, kind);
        const qint64 older = addDocument({ .bmod = kind, .cariid = account, .sirano = "7" });
        const qint64 oldLine = addLine(older, { .stokid = somun, .stokadi = "SOMUN" });
        kx::DocumentInput input = document(kind);
        input.lines = { { vida, "VIDA", 3, "1,00", "18", "" } };
        const kx::SaveOutcome outcome = kx::writeDocument(conn(), table, input, older);
        QVERIFY(outcome.saved);
        QVERIFY(row(older).isEmpty());
        QVERIFY(row(oldLine).isEmpty());
        QCOMPARE(linesOf(outcome.documentId).size(), 1);
        QCOMPARE(rowCount(), 2);
    }

    // A failure after the old document's delete leaves the file exactly as it was.
    void failureRollsBackEverything()
    {
        const qint64 older = addDocument({ .bmod = 5, .cariid = account, .sirano = "7" });
        addLine(older, { .stokid = somun, .stokadi = "SOMUN" });
        conn().Execute("create trigger refuse before insert on \"1Belge\" when "
                       "new.stokadi='BOZUK' begin select raise(abort, 'refused'); end");
        const QByteArray before = fixture->databaseBytes();

        kx::DocumentInput input = document(5);
        input.lines
            = { { vida, "VIDA", 1, "1,00", "18", "" }, { vida, "BOZUK", 1, "1,00", "18", "" } };
        const kx::SaveOutcome outcome = kx::writeDocument(conn(), table, input, older);
        QVERIFY(!outcome.saved);
        QCOMPARE(outcome.refusal, QStringLiteral("Belge kaydedilemedi!"));
        QVERIFY(!conn().InTransaction());
        QCOMPARE(fixture->databaseBytes(), before);
        QCOMPARE(linesOf(older).size(), 1);
    }

    // Two of three open notes are taken over: exactly those are linked and priced.
    void invoiceOverNotesAndItsDelete()
    {
        QList<qint64> noteLines;
        const QList<qint64> notes = openNotes(&noteLines);
        kx::DocumentInput input = document(4);
        input.grandTotal = QStringLiteral("59,00");
        input.deliveryNotes = { notes[0], notes[2] };
        input.lines = { { vida, "VIDA UZUN", 1, "10,00", "18", "X1", noteLines[0], notes[0] },
                        { vida, "VIDA", 3, "12,50", "18", "", noteLines[2], notes[2] } };
        const kx::SaveOutcome outcome = kx::writeDocument(conn(), table, input, 0);
        QVERIFY2(outcome.saved, qPrintable(outcome.refusal));
        const qint64 invoice = outcome.documentId;

        QCOMPARE(row(notes[0]).value("ftrdrm").toLongLong(), invoice);
        QCOMPARE(row(notes[1]).value("ftrdrm").toLongLong(), 0);
        QCOMPARE(row(notes[2]).value("ftrdrm").toLongLong(), invoice);
        QCOMPARE(row(noteLines[0]).value("stokadi").toString(), QStringLiteral("VIDA UZUN"));
        QCOMPARE(row(noteLines[0]).value("serial").toString(), QStringLiteral("X1"));
        QCOMPARE(row(noteLines[2]).value("birimfiyat").toString(), QStringLiteral("12,50"));
        QCOMPARE(row(noteLines[2]).value("miktar").toDouble(), 3.0);
        QVERIFY(row(noteLines[1]).value("stokinftr").isNull());
        QCOMPARE(row(noteLines[1]).value("birimfiyat").toString(), QStringLiteral("9,00"));
        QVERIFY(linesOf(invoice).isEmpty());

        QCOMPARE(kx::deleteDocumentRows(conn(), table, invoice, 4), QString());
        QVERIFY(row(invoice).isEmpty());
        for (const qint64 note : notes)
            QCOMPARE(row(note).value("ftrdrm").toLongLong(), 0);
        QCOMPARE(row(noteLines[0]).value("stokinftr").toLongLong(), invoice);
        QCOMPARE(row(noteLines[2]).value("stokinftr").toLongLong(), invoice);
        QCOMPARE(row(noteLines[2]).value("birimfiyat").toString(), QStringLiteral("12,50"));
        QCOMPARE(row(noteLines[2]).value("kdvoran").toString(), QStringLiteral("18"));
    }

    void replacingAnInvoiceFreesItsNotes()
    {
        QList<qint64> noteLines;
        const QList<qint64> notes = openNotes(&noteLines);
        kx::DocumentInput first = document(4);
        first.deliveryNotes = { notes[0], notes[1] };
        const qint64 older = kx::writeDocument(conn(), table, first, 0).documentId;

        kx::DocumentInput second = document(4);
        second.deliveryNotes = { notes[1], notes[2] };
        const kx::SaveOutcome outcome = kx::writeDocument(conn(), table, second, older);
        QVERIFY2(outcome.saved, qPrintable(outcome.refusal));
        QCOMPARE(row(notes[0]).value("ftrdrm").toLongLong(), 0);
        QCOMPARE(row(notes[1]).value("ftrdrm").toLongLong(), outcome.documentId);
        QCOMPARE(row(notes[2]).value("ftrdrm").toLongLong(), outcome.documentId);
    }

    // Links that are no longer sound refuse the whole save.
    void unsoundLinkRefused_data()
    {
        QTest::addColumn<int>("noteDirection");
        QTest::addColumn<bool>("takenMeanwhile");
        QTest::addColumn<bool>("otherAccount");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("taken by another invoice since listed")
            << 0 << true << false
            << "A2 numaralı irsaliye başka bir faturaya aktarılmış! Listeyi yenileyip tekrar "
               "deneyiniz.";
        QTest::newRow("incoming note on a sale")
            << 1 << false << false
            << "A2 numaralı irsaliye bu faturanın cari ve yönüyle uyuşmuyor!";
        QTest::newRow("another account's note")
            << 0 << false << true << "A2 numaralı irsaliye bu faturanın cari ve yönüyle uyuşmuyor!";
    }
    void unsoundLinkRefused()
    {
        QFETCH(int, noteDirection);
        QFETCH(bool, takenMeanwhile);
        QFETCH(bool, otherAccount);
        QFETCH(QString, refusal);
        const qint64 good
            = addDocument({ .bmod = 3, .gircik = 0, .cariid = account, .sirano = "1" });
        const qint64 other = otherAccount ? addAccount("2", "BASKA") : account;
        const qint64 bad = addDocument({ .bmod = 3,
                                         .gircik = noteDirection,
                                         .cariid = other,
                                         .sirano = "2",
                                         .ftrdrm = takenMeanwhile ? 999 : 0 });
        const int rowsBefore = rowCount();
        kx::DocumentInput input = document(4);
        input.deliveryNotes = { good, bad };
        const kx::SaveOutcome outcome = kx::writeDocument(conn(), table, input, 0);
        QVERIFY(!outcome.saved);
        QCOMPARE(outcome.refusal, refusal);
        QCOMPARE(rowCount(), rowsBefore);
        QCOMPARE(row(good).value("ftrdrm").toLongLong(), 0);
    }

    void takenOverNoteIsKept()
    {
        const qint64 invoice
            = addDocument({ .bmod = 4, .cariid = account, .serino = "F", .sirano = "31" });
        const qint64 note
            = addDocument({ .bmod = 3, .cariid = account, .sirano = "7", .ftrdrm = int(invoice) });
        const qint64 line = addLine(note, { .stokid = vida, .stokinftr = invoice });
        const QString refusal = QStringLiteral(
            "Bu irsaliye F31 numaralı faturaya aktarılmış! Önce faturayı siliniz.");

        QCOMPARE(kx::deleteDocumentRows(conn(), table, note, 3), refusal);
        // The saved-documents window's cancel tells the user why.
        QVERIFY(!kx::DeleteDocument(note, 3));
        QCOMPARE(kx::messageScript().lastPopupText(), refusal);
        QCOMPARE(kx::messageScript().shown.last().icon, 2);
        kx::DocumentInput input = document(3);
        input.lines = { { vida, "VIDA", 1 } };
        const kx::SaveOutcome outcome = kx::writeDocument(conn(), table, input, note);
        QVERIFY(!outcome.saved);
        QCOMPARE(outcome.refusal, refusal);
        QVERIFY(!row(note).isEmpty());
        QVERIFY(!row(line).isEmpty());
        QCOMPARE(rowCount(), 3);
    }

    void deleteOwnLines_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("free delivery note") << 3;
        QTest::newRow("invoice with lines") << 5;
        QTest::newRow("payment") << 6;
    }
    void deleteOwnLines()
    {
        QFETCH(int, kind);
        const qint64 document = addDocument({ .bmod = kind, .cariid = account });
        if (kind != 6)
            addLine(document, { .stokid = vida });
        const qint64 keep = addDocument({ .bmod = 3, .cariid = account, .sirano = "2" });
        const qint64 keptLine = addLine(keep, { .stokid = vida });
        QCOMPARE(kx::deleteDocumentRows(conn(), table, document, kind), QString());
        QVERIFY(linesOf(document).isEmpty());
        QVERIFY(row(document).isEmpty());
        QVERIFY(!row(keptLine).isEmpty());
        QCOMPARE(rowCount(), 2);
    }
};

KX_TEST(TestDocumentSave)
#include "tst_document_save.moc"
