// The warranty lookup: what a serial finds and shows, and the service note it adds.
#include "app/main_window.h"
#include "app/ribbon_menu.h"
#include "core/messages.h"
#include "core/state.h"
#include "reports/warranty.h"
#include "tests/app/events_window.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QRegularExpression>
#include <QTest>

using namespace kxtest;

namespace {

const QString NotFound = QStringLiteral("Aranan kayıt bulunamadı!");
const QString Question = QStringLiteral("Yeni bir işlem açıklaması girmek istiyor musunuz?");
const QString EarlierLog = QStringLiteral("\r\n02.01.2026 10:00:00 - kutu açıldı");

void setLog(qint64 line, const QVariant &log)
{
    kx::state().Conn->Execute(QStringLiteral("update \"1Belge\" set islem=? where id=?"),
                              { log, line });
}

QVariant logOf(qint64 line)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select islem from \"1Belge\" where id=?"), *kx::state().Conn, { line });
    return rs.Fields(0);
}

// The expected log with "@" where the time of the new note stands.
bool logMatches(const QVariant &log, const QString &expected)
{
    if (expected.isNull())
        return log.isNull();
    QString pattern = QRegularExpression::escape(expected);
    pattern.replace(QRegularExpression::escape(QStringLiteral("@")),
                    QStringLiteral("\\d{2}\\.\\d{2}\\.\\d{4} \\d{2}:\\d{2}:\\d{2}"));
    return QRegularExpression(QStringLiteral("\\A") + pattern + QStringLiteral("\\z"))
        .match(log.toString())
        .hasMatch();
}

// Runs the lookup with the typed texts and Yes/No answers queued.
void runLookup(const QStringList &inputs, const QList<int> &answers = {})
{
    kx::messageScript().shown.clear();
    kx::messageScript().inputs = inputs;
    kx::messageScript().answers = answers;
    kx::WarrantyLookup();
}

} // namespace

class TestWarrantyLookup : public QObject
{
    Q_OBJECT
    std::unique_ptr<Fixture> fixture;
    qint64 first = 0, second = 0, otherCase = 0, noSerial = 0;

private slots:
    void init()
    {
        fixture = std::make_unique<Fixture>();
        fixture->login(1);
        const qint64 buyer = addAccount("120", "ALICI A.Ş.");
        const qint64 gone = addAccount("121", "ESKİ MÜŞTERİ", {}, true);
        const qint64 tv = addStock("TV1", "TELEVIZYON", { { 12, "2 Yıl" } });
        const qint64 radio = addStock("RD1", "RADYO", { { 12, "Ömür Boyu" } }, true);

        const qint64 sale = addDocument(
            { .bmod = 5, .gircik = 0, .cariid = buyer, .btarihi = 20260115, .kdvdh = 0 });
        first = addLine(sale,
                        { .stokid = tv,
                          .stokadi = "TELEVIZYON",
                          .birimfiyat = "1.250,00",
                          .kdvoran = "18",
                          .serial = "SN-2" });
        noSerial = addLine(sale, { .stokid = tv, .stokadi = "TELEVIZYON" });
        // A later sale of the same serial, and a serial that differs only in case.
        const qint64 resale = addDocument(
            { .bmod = 5, .gircik = 2, .cariid = gone, .btarihi = 20260301, .kdvdh = 1 });
        second = addLine(
            resale, { .stokid = radio, .birimfiyat = "99,90", .kdvoran = "8", .serial = "SN-2" });
        otherCase = addLine(resale, { .stokid = tv, .serial = "sn-2" });
        setLog(first, EarlierLog);
        setLog(otherCase, QStringLiteral("başka ürün"));

        const qint64 note
            = addDocument({ .bmod = 3, .gircik = 0, .cariid = gone, .btarihi = 20260210 });
        addLine(note, { .stokid = radio, .serial = "D'1" });
        addLine(987654,
                { .stokid = 55555, .birimfiyat = "5,00", .kdvoran = "1", .serial = "YETİM" });
        fixture->loadLists();
    }
    void cleanup() { fixture.reset(); }

    void shown_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("shown"); // the question's text; empty: not found

        const QString crlf = QStringLiteral("\r\n");
        const QString ask = crlf + crlf + crlf + crlf + Question;
        QTest::newRow("first of two lines, with its log")
            << "SN-2"
            << "Cari : ALICI A.Ş.\r\n\r\nİşlem Tarihi : 15.01.2026\r\n\r\nÜrün : TELEVIZYON\r\n"
               "Ürün Fiyatı : 1.250,00(%18 Kdv Dahil)\r\nStok Kartı Garanti Süresi : 2 Yıl"
               "\r\n\r\nYapılan İşlemler: \r\n\r\n"
                + EarlierLog + ask;
        QTest::newRow("unpriced delivery-note line, deleted account and card, apostrophe")
            << "D'1"
            << "Cari : ESKİ MÜŞTERİ\r\n\r\nİşlem Tarihi : 10.02.2026\r\n\r\nÜrün : RADYO\r\n"
               "Ürün Fiyatı : (% Kdv Hariç)\r\nStok Kartı Garanti Süresi : Ömür Boyu"
                + ask;
        QTest::newRow("missing document and card show empty texts")
            << "YETİM"
            << "Cari : \r\n\r\nİşlem Tarihi : \r\n\r\nÜrün : \r\nÜrün Fiyatı : 5,00(%1 Kdv "
               "Hariç)\r\nStok Kartı Garanti Süresi : "
                + ask;
        QTest::newRow("differs only in case") << "Sn-2" << QString();
        QTest::newRow("lower case is its own serial") << "sn-2"
                                                      << "Cari : ESKİ MÜŞTERİ";
        QTest::newRow("not found") << "SN-3" << QString();
        QTest::newRow("trailing blank is not trimmed") << "SN-2 " << QString();
        QTest::newRow("empty") << "" << QString();
        QTest::newRow("blank") << "   " << QString();
    }
    void shown()
    {
        QFETCH(QString, serial);
        QFETCH(QString, shown);

        runLookup({ serial }, { kx::AnswerNo });
        const QStringList questions = kx::messageScript().textsOf(QStringLiteral("question"));
        const QStringList popups = kx::messageScript().textsOf(QStringLiteral("popup"));
        if (shown.isEmpty()) {
            QCOMPARE(questions, QStringList());
            QCOMPARE(popups, QStringList { NotFound });
        } else {
            QCOMPARE(popups, QStringList());
            QCOMPARE(questions.size(), 1);
            if (shown.endsWith(Question))
                QCOMPARE(questions.first(), shown);
            else
                QVERIFY2(questions.first().startsWith(shown), qPrintable(questions.first()));
        }
        // Only a note changes a log.
        QVERIFY(logMatches(logOf(first), EarlierLog));
        QVERIFY(logMatches(logOf(second), QString()));
        QVERIFY(logMatches(logOf(noSerial), QString()));
    }

    void note_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("firstLog");
        QTest::addColumn<QString>("secondLog");

        const QList<int> yes { kx::AnswerYes };
        QTest::newRow("each line keeps its own log") << QStringList { "SN-2", "ekran değişti" }
                                                     << yes << EarlierLog + "\r\n@ - ekran değişti"
                                                     << "\r\n@ - ekran değişti";
        QTest::newRow("apostrophes round-trip")
            << QStringList { "SN-2", "Ali'nin notu: 'tamam'" } << yes
            << EarlierLog + "\r\n@ - Ali'nin notu: 'tamam'"
            << "\r\n@ - Ali'nin notu: 'tamam'";
        QTest::newRow("No keeps the logs")
            << QStringList { "SN-2" } << QList<int> { kx::AnswerNo } << EarlierLog << QString();
        QTest::newRow("cancelled note keeps the logs")
            << QStringList { "SN-2", "CancelX" } << yes << EarlierLog << QString();
        QTest::newRow("cancelled serial asks nothing more")
            << QStringList { "CancelX" } << yes << EarlierLog << QString();
    }
    void note()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QList<int>, answers);
        QFETCH(QString, firstLog);
        QFETCH(QString, secondLog);

        runLookup(inputs, answers);
        QVERIFY2(logMatches(logOf(first), firstLog), qPrintable(logOf(first).toString()));
        QVERIFY2(logMatches(logOf(second), secondLog), qPrintable(logOf(second).toString()));
        // The other serials' lines are never touched: not the one that differs in case, not
        // the lines stored without a serial.
        QCOMPARE(logOf(otherCase).toString(), QStringLiteral("başka ürün"));
        QVERIFY(logOf(noSerial).isNull());
        QCOMPARE(kx::messageScript().textsOf(QStringLiteral("popup")), QStringList());
        QVERIFY(kx::messageScript().inputs.isEmpty());
        if (inputs.first() == QLatin1String("CancelX"))
            QCOMPARE(kx::messageScript().textsOf(QStringLiteral("question")), QStringList());
    }

    void noteLineForm()
    {
        const kx::WarrantyRecord record = kx::FindSerial(QStringLiteral("D'1"));
        QCOMPARE(record.lineIds.size(), 1);
        QCOMPARE(kx::AddServiceNote(record, QStringLiteral("pil"),
                                    QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9))),
                 1);
        QCOMPARE(logOf(record.lineIds.first()).toString(),
                 QStringLiteral("\r\n05.03.2026 14:07:09 - pil"));
    }
};

KX_TEST(TestWarrantyLookup)

class TestWarrantyCommand : public QObject
{
    Q_OBJECT

private slots:
    // "Garanti Takibi" on the ribbon asks for the serial, on any page.
    void ribbonAsksForTheSerial()
    {
        EventsWindow env;
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::DeliveryNote);
        kx::messageScript().shown.clear();
        kx::messageScript().inputs = { QStringLiteral("CancelX") };
        w.CMBar_Execute(kx::Command::WarrantyLookup);
        QCOMPARE(kx::messageScript().textsOf(QStringLiteral("input")),
                 QStringList { QStringLiteral("Garanti durumunu sorgulamak istediğiniz ürünün seri "
                                              "numarasını giriniz...") });
        QCOMPARE(kx::state().InputTitle, QStringLiteral("Garanti Takibi"));
    }
};

KX_TEST(TestWarrantyCommand)

#include "tst_warranty.moc"
