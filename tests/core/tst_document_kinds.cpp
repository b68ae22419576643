// Document kind labels and the month names both ways.
#include "core/document_kinds.h"
#include "platform/grid.h"
#include "tests/support/kxtest.h"

#include <QTest>

class TestDocumentKinds : public QObject
{
    Q_OBJECT
private slots:
    void kindName_data()
    {
        QTest::addColumn<QVariant>("bmod");
        QTest::addColumn<QVariant>("gircik");
        QTest::addColumn<QString>("label");
        const char *labels[] = { "İrsaliye (Çıkış)",
                                 "İrsaliye (Giriş)",
                                 "A. Fatura (Çıkış)",
                                 "A. Fatura (Giriş)",
                                 "K. Fatura (Çıkış)",
                                 "K. Fatura (Giriş)",
                                 "A. İrs. Fatura (Çıkış)",
                                 "A. İrs. Fatura (Giriş)",
                                 "K. İrs. Fatura (Çıkış)",
                                 "K. İrs. Fatura (Giriş)",
                                 "Tahsilat",
                                 "Tediye" };
        const int pairs[][2] = { { 3, 0 }, { 3, 1 }, { 4, 0 }, { 4, 1 }, { 4, 2 }, { 4, 3 },
                                 { 5, 0 }, { 5, 1 }, { 5, 2 }, { 5, 3 }, { 6, 0 }, { 6, 1 } };
        for (int i = 0; i < 12; ++i)
            QTest::addRow("%d,%d", pairs[i][0], pairs[i][1])
                << QVariant(pairs[i][0]) << QVariant(pairs[i][1]) << QString::fromUtf8(labels[i]);
        QTest::newRow("numbers as text")
            << QVariant("5") << QVariant("3") << QStringLiteral("K. İrs. Fatura (Giriş)");
        QTest::newRow("note with a cash direction") << QVariant(3) << QVariant(2) << QString();
        QTest::newRow("payment with a cash direction") << QVariant(6) << QVariant(2) << QString();
        QTest::newRow("no kind") << QVariant(0) << QVariant(0) << QString();
        QTest::newRow("null direction")
            << QVariant(4) << QVariant(QMetaType(QMetaType::Int)) << QString();
    }
    void kindName()
    {
        QFETCH(QVariant, bmod);
        QFETCH(QVariant, gircik);
        QFETCH(QString, label);
        QCOMPARE(kx::DocumentKindName(bmod, gircik), label);
    }

    void monthName_data()
    {
        QTest::addColumn<QVariant>("month");
        QTest::addColumn<QVariant>("name");
        QTest::newRow("1") << QVariant(1) << QVariant(QStringLiteral("Ocak"));
        QTest::newRow("text with a leading zero") << QVariant("03") << QVariant("Mart");
        QTest::newRow("8") << QVariant(8) << QVariant(QStringLiteral("Ağustos"));
        QTest::newRow("12") << QVariant(12) << QVariant(QStringLiteral("Aralık"));
        QTest::newRow("0") << QVariant(0) << QVariant();
        QTest::newRow("13") << QVariant(13) << QVariant();
        QTest::newRow("not a number") << QVariant("Mart") << QVariant();
    }
    void monthName()
    {
        QFETCH(QVariant, month);
        QFETCH(QVariant, name);
        QCOMPARE(kx::MonthName(month), name);
    }

    void monthNumber_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("number");
        QTest::newRow("Ocak") << QStringLiteral("Ocak") << QVariant("01");
        QTest::newRow("Ağustos") << QStringLiteral("Ağustos") << QVariant("08");
        QTest::newRow("Aralık") << QStringLiteral("Aralık") << QVariant("12");
        QTest::newRow("lower-case first letter") << QStringLiteral("ağustos") << QVariant();
        QTest::newRow("trailing blank") << QStringLiteral("Mart ") << QVariant();
        QTest::newRow("empty") << QString() << QVariant();
    }
    void monthNumber()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, number);
        QCOMPARE(kx::MonthNumber(name), number);
    }

    void columnSum_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<double>("sum");
        QTest::newRow("amounts, a negative and an empty cell") << 1 << 3 << 1224.5;
        QTest::newRow("one row") << 2 << 2 << -10.0;
        QTest::newRow("first after last") << 3 << 1 << 0.0;
        QTest::newRow("text without digits counts 0") << 3 << 4 << 0.0;
    }
    void columnSum()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(double, sum);
        kx::Grid grid;
        grid.setCols(3);
        grid.setRows(5);
        const QStringList texts { "1.234,50", "-10,00", "", "yok" };
        for (int r = 1; r <= 4; ++r) {
            grid.Cell(r, 2).setText(texts[r - 1]);
            grid.Cell(r, 1).setText("999");
        }
        QCOMPARE(kx::SumGridColumn(&grid, 2, first, last), sum);
    }

    // Every name goes back to its own number.
    void roundTrip()
    {
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(kx::MonthNumber(kx::MonthName(m)).toInt(), m);
    }
};

KX_TEST(TestDocumentKinds)
#include "tst_document_kinds.moc"
