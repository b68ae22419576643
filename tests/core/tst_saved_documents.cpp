// Finding a document by its series and number, in the logged-in company only.
#include "core/login_form.h"
#include "core/saved_documents.h"
#include "core/state.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QTest>

using namespace kxtest;

class TestDocumentSearch : public QObject
{
    Q_OBJECT

private slots:
    void search_data()
    {
        QTest::addColumn<int>("company");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("found"); // which document's key, "" for none
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("total");

        QTest::newRow("invoice") << 1 << "F"
                                 << "7"
                                 << "invoice"
                                 << "ALICI (1)"
                                 << "05.03.2026"
                                 << "1.180,00";
        QTest::newRow("note stores no total") << 1 << "A"
                                              << "1"
                                              << "note"
                                              << "ALICI (1)"
                                              << "02.03.2026"
                                              << "0,00";
        QTest::newRow("payment saved last of two kinds") << 1 << "T"
                                                         << "3"
                                                         << "payment"
                                                         << "ALICI (1)"
                                                         << "09.03.2026"
                                                         << "50,00";
        QTest::newRow("account card gone") << 1 << "G"
                                           << "1"
                                           << "orphan"
                                           << "Bulunamadı"
                                           << "10.03.2026"
                                           << "5,00";
        QTest::newRow("miss") << 1 << "F"
                              << "8"
                              << ""
                              << "Bulunamadı"
                              << "Bulunamadı"
                              << "Bulunamadı";
        QTest::newRow("number compared as typed") << 1 << "F"
                                                  << "07"
                                                  << ""
                                                  << "Bulunamadı"
                                                  << "Bulunamadı"
                                                  << "Bulunamadı";
        QTest::newRow("second company's own") << 2 << "F"
                                              << "7"
                                              << "second"
                                              << "İKİNCİ (9)"
                                              << "11.03.2026"
                                              << "99,00";
        QTest::newRow("second company misses the first's") << 2 << "A"
                                                           << "1"
                                                           << ""
                                                           << "Bulunamadı"
                                                           << "Bulunamadı"
                                                           << "Bulunamadı";
    }
    void search()
    {
        QFETCH(int, company);
        QFETCH(QString, series);
        QFETCH(QString, number);
        QFETCH(QString, found);
        QFETCH(QString, account);
        QFETCH(QString, date);
        QFETCH(QString, total);

        Fixture fixture;
        QMap<QString, QString> keys;
        fixture.login(1);
        kx::ChooseCompany(1);
        const qint64 other = addAccount("9", "İKİNCİ");
        keys["second"] = "5"
            + QString::number(addDocument({ .bmod = 5,
                                            .cariid = other,
                                            .serino = "F",
                                            .sirano = "7",
                                            .btarihi = 20260311,
                                            .yekun = "99,00" }));
        kx::ChooseCompany(0);
        const qint64 alici = addAccount("1", "ALICI");
        keys["invoice"] = "5"
            + QString::number(addDocument({ .bmod = 5,
                                            .cariid = alici,
                                            .serino = "F",
                                            .sirano = "7",
                                            .btarihi = 20260305,
                                            .yekun = "1.180,00" }));
        const qint64 note = addDocument(
            { .bmod = 3, .cariid = alici, .serino = "A", .sirano = "1", .btarihi = 20260302 });
        keys["note"] = "3" + QString::number(note);
        addDocument({ .bmod = 5, .cariid = alici, .serino = "T", .sirano = "3", .yekun = "1,00" });
        keys["payment"] = "6"
            + QString::number(addDocument({ .bmod = 6,
                                            .cariid = alici,
                                            .serino = "T",
                                            .sirano = "3",
                                            .btarihi = 20260309,
                                            .yekun = "50,00" }));
        keys["orphan"] = "6"
            + QString::number(addDocument({ .bmod = 6,
                                            .cariid = 777,
                                            .serino = "G",
                                            .sirano = "1",
                                            .btarihi = 20260310,
                                            .yekun = "5,00" }));
        kx::ChooseCompany(company - 1);

        const kx::FoundDocument result = kx::findDocumentByNumber(series, number);
        QCOMPARE(result.key, keys.value(found));
        QCOMPARE(result.account, account);
        QCOMPARE(result.date, date);
        QCOMPARE(result.total, total);
    }
};

KX_TEST(TestDocumentSearch)
#include "tst_saved_documents.moc"
