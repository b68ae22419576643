// Whole amounts in Turkish words, and the inputs that cannot be written.
#include "reports/amount_in_words.h"
#include "tests/support/kxtest.h"

#include <QTest>

class TestAmountInWords : public QObject
{
    Q_OBJECT
private slots:
    void words_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("words");

        const QString nines = QStringLiteral("DokuzYüzDoksanDokuz");
        QTest::newRow("0") << QVariant(0) << "Sıfır";
        QTest::newRow("1") << QVariant(1) << "Bir";
        QTest::newRow("10") << QVariant(10) << "On";
        QTest::newRow("11") << QVariant(11) << "OnBir";
        QTest::newRow("100") << QVariant(100) << "Yüz";
        QTest::newRow("101") << QVariant(101) << "YüzBir";
        QTest::newRow("200") << QVariant(200) << "İkiYüz";
        QTest::newRow("999") << QVariant(999) << nines;
        QTest::newRow("1000 drops its Bir") << QVariant(1000) << "Bin";
        QTest::newRow("1001") << QVariant(1001) << "BinBir";
        QTest::newRow("2000") << QVariant(2000) << "İkiBin";
        QTest::newRow("100000") << QVariant(100000) << "YüzBin";
        QTest::newRow("1234") << QVariant(1234) << "BinİkiYüzOtuzDört";
        QTest::newRow("a million keeps its Bir") << QVariant(1000000) << "BirMilyon";
        QTest::newRow("1001000") << QVariant(1001000) << "BirMilyonBin";
        QTest::newRow("a billion") << QVariant(qint64(1000000000)) << "BirMilyar";
        QTest::newRow("a trillion") << QVariant(qint64(1000000000000)) << "BirTrilyon";
        QTest::newRow("fifteen nines")
            << QVariant(qint64(999999999999999))
            << nines + "Trilyon" + nines + "Milyar" + nines + "Milyon" + nines + "Bin" + nines;
        QTest::newRow("16 digits") << QVariant(qint64(1000000000000000)) << "Hata";
        QTest::newRow("16 digits as a double") << QVariant(1e15) << "Hata";
        QTest::newRow("-5") << QVariant(-5) << "EksiBeş";
        QTest::newRow("-1000") << QVariant(-1000) << "EksiBin";
        QTest::newRow("12.5 has a fraction") << QVariant(12.5) << "Hata";
        QTest::newRow("a whole double") << QVariant(20.0) << "Yirmi";
        QTest::newRow("kuruş text 05") << QVariant("05") << "Beş";
        QTest::newRow("kuruş text 00") << QVariant("00") << "Sıfır";
        QTest::newRow("lira text with a thousands point")
            << QVariant("1.234") << "BinİkiYüzOtuzDört";
        QTest::newRow("negative lira text") << QVariant("-12.345") << "EksiOnİkiBinÜçYüzKırkBeş";
        QTest::newRow("text with zero decimals") << QVariant("7,00") << "Yedi";
        QTest::newRow("text with a fraction") << QVariant("7,50") << "Hata";
        QTest::newRow("letters") << QVariant("12a") << "Hata";
        QTest::newRow("point not between thousands") << QVariant("12.5") << "Hata";
        QTest::newRow("empty text") << QVariant("") << "Hata";
        QTest::newRow("no value") << QVariant() << "Hata";
    }
    void words()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, words);
        QCOMPARE(kx::AmountInWords(value), words);
    }
};

KX_TEST(TestAmountInWords)
#include "tst_amount_in_words.moc"
