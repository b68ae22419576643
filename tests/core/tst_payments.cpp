// Payments: which stored payment counts as a duplicate, and the save that is all or nothing.
#include "core/document_panels.h"
#include "core/lists.h"
#include "core/payments.h"
#include "core/state.h"
#include "platform/adodb.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QTest>

using namespace kxtest;

class TestPayments : public QObject
{
    Q_OBJECT
    std::unique_ptr<Fixture> fixture;
    qint64 account = 0;

    qint64 payment(const QString &series, const QString &number, int kind = 6)
    {
        return addDocument({ .bmod = kind,
                             .cariid = account,
                             .serino = series,
                             .sirano = number,
                             .yekun = "10,00" });
    }

private slots:
    void init()
    {
        fixture = std::make_unique<Fixture>();
        fixture->login(1);
        account = addAccount("1", "ALICI");
        fixture->loadLists();
        kx::SetDocumentColumns();
    }
    void cleanup() { fixture.reset(); }

    // The duplicate is another payment with the same series and number: the payment being
    // edited, and documents of other kinds, never count; of two, the older is named.
    void otherPayment()
    {
        const qint64 note = payment("A", "5", 3);
        const qint64 edited = payment("A", "5");
        QCOMPARE(kx::findOtherPayment("A", "5", 0), edited);
        QCOMPARE(kx::findOtherPayment("A", "5", edited), qint64(0));
        QCOMPARE(kx::findOtherPayment("A", "6", 0), qint64(0));
        const qint64 second = payment("A", "5");
        QCOMPARE(kx::findOtherPayment("A", "5", edited), second);
        QCOMPARE(kx::findOtherPayment("A", "5", 0), edited);
        QVERIFY(note < edited);
    }

    // A failure at the last step (the series memory) undoes the deletes and the insert.
    void saveIsAllOrNothing()
    {
        const qint64 edited = payment("A", "5");
        const qint64 replaced = payment("A", "7");
        kx::state().Conn->Execute("create trigger refuse before update on \"1Ayar\" when "
                                  "new.a11='Z' begin select raise(abort, 'refused'); end");
        const QByteArray before = fixture->databaseBytes();

        kx::PaymentInput input { .accountId = account,
                                 .direction = 1,
                                 .series = "Z",
                                 .number = "7",
                                 .date = 20260301,
                                 .note = "",
                                 .cash = "1,00",
                                 .cheque = "0,00" };
        const kx::SaveOutcome outcome = kx::writePayment(input, edited, replaced);
        QVERIFY(!outcome.saved);
        QCOMPARE(outcome.refusal, QStringLiteral("Belge kaydedilemedi!"));
        QVERIFY(!kx::state().Conn->InTransaction());
        QCOMPARE(fixture->databaseBytes(), before);

        // The same save without the failure replaces both and remembers the series.
        input.series = "B";
        const kx::SaveOutcome saved = kx::writePayment(input, edited, replaced);
        QVERIFY(saved.saved);
        kx::Recordset rs;
        rs.Open("select id, serino, sirano, gircik, nakit, cek, yekun from \"1Belge\" "
                "where bmod=6",
                *kx::state().Conn);
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(rs.Fields(0).toLongLong(), saved.documentId);
        QCOMPARE(rs.Fields(4).toString(), QStringLiteral("1,00"));
        QCOMPARE(rs.Fields(6).toString(), QStringLiteral("1,00"));
        rs.Open("select a11 from \"1Ayar\" where id=3", *kx::state().Conn);
        QCOMPARE(rs.Fields(0).toString(), QStringLiteral("B"));
    }
};

KX_TEST(TestPayments)
#include "tst_payments.moc"
