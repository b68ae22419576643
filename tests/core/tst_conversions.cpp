// Letter fold, amounts, number formats, dates and the card look-up by id.
#include "core/conversions.h"
#include "core/state.h"
#include "tests/support/kxtest.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>

class TestLetterFold : public QObject
{
    Q_OBJECT
private slots:
    void upperAsciiChar_data()
    {
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QChar>("folded");
        QTest::newRow("a") << QChar(u'a') << QChar(u'A');
        QTest::newRow("z") << QChar(u'z') << QChar(u'Z');
        QTest::newRow("i") << QChar(u'i') << QChar(u'I');
        QTest::newRow("dotless i") << QChar(u'\u0131') << QChar(u'I');
        QTest::newRow("dotted capital I") << QChar(u'\u0130') << QChar(u'I');
        QTest::newRow("g breve") << QChar(u'\u011F') << QChar(u'G');
        QTest::newRow("G breve") << QChar(u'\u011E') << QChar(u'G');
        QTest::newRow("u umlaut") << QChar(u'\u00FC') << QChar(u'U');
        QTest::newRow("U umlaut") << QChar(u'\u00DC') << QChar(u'U');
        QTest::newRow("s cedilla") << QChar(u'\u015F') << QChar(u'S');
        QTest::newRow("S cedilla") << QChar(u'\u015E') << QChar(u'S');
        QTest::newRow("c cedilla") << QChar(u'\u00E7') << QChar(u'C');
        QTest::newRow("C cedilla") << QChar(u'\u00C7') << QChar(u'C');
        QTest::newRow("o umlaut") << QChar(u'\u00F6') << QChar(u'O');
        QTest::newRow("O umlaut") << QChar(u'\u00D6') << QChar(u'O');
        // Unchanged: capitals, digits, control keys, other accents, and the Latin-1 letters
        // that share their byte with a Turkish letter in the Turkish code page.
        for (const char16_t c : { u'A', u'5', u'\b', u'\r', u'\x1b', u' ', u'\u00E9', u'\u00F0',
                                  u'\u00FD', u'\u00FE', u'\u00D0', u'\u00DD', u'\u00DE' })
            QTest::addRow("unchanged U+%04X", unsigned(c)) << QChar(c) << QChar(c);
    }
    void upperAsciiChar()
    {
        QFETCH(QChar, typed);
        QFETCH(QChar, folded);
        QChar variable = typed;
        QCOMPARE(kx::UpperAsciiChar(variable), folded);
        QCOMPARE(variable, folded);
    }

    void upperAsciiText_data()
    {
        QTest::addColumn<QVariant>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("words") << QVariant("çiğ köfte") << "CIG KOFTE";
        QTest::newRow("capital dotted") << QVariant("İstanbul") << "ISTANBUL";
        QTest::newRow("small") << QVariant("istanbul") << "ISTANBUL";
        QTest::newRow("all turkish") << QVariant("ĞÜŞİÖÇğüşıöç") << "GUSIOCGUSIOC";
        QTest::newRow("empty") << QVariant("") << "";
        QTest::newRow("null") << QVariant() << "";
    }
    void upperAsciiText()
    {
        QFETCH(QVariant, text);
        QFETCH(QString, folded);
        QCOMPARE(kx::UpperAsciiText(text), folded);
    }

    void selectActiveText()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *filled = new QLineEdit(QStringLiteral("1.234,50"));
        auto *empty = new QLineEdit;
        layout->addWidget(filled);
        layout->addWidget(empty);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        filled->setFocus();
        filled->setCursorPosition(3);
        kx::SelectActiveText(&window);
        QCOMPARE(filled->selectedText(), QStringLiteral("1.234,50"));
        empty->setFocus();
        kx::SelectActiveText(&window);
        QVERIFY(!empty->hasSelectedText());
        kx::SelectActiveText(nullptr);

        // While another window is active, the window's own field is the one selected.
        filled->setFocus();
        filled->deselect();
        QWidget other;
        auto *otherEdit = new QLineEdit(QStringLiteral("başka"), &other);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        otherEdit->setFocus();
        kx::SelectActiveText(&window);
        QCOMPARE(filled->selectedText(), QStringLiteral("1.234,50"));
        QVERIFY(!otherEdit->hasSelectedText());
    }
};

class TestAmounts : public QObject
{
    Q_OBJECT
private slots:
    void parseAmount_data()
    {
        QTest::addColumn<QVariant>("input");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("grouped") << QVariant("1.234,56") << QVariant(1234.56);
        QTest::newRow("negative") << QVariant("-1.234,56") << QVariant(-1234.56);
        QTest::newRow("decimal comma") << QVariant("12,5") << QVariant(12.5);
        QTest::newRow("point is thousands") << QVariant("1.5") << QVariant(15.0);
        QTest::newRow("leading comma") << QVariant(",5") << QVariant(0.5);
        QTest::newRow("second comma stops") << QVariant("1,2,3") << QVariant(1.2);
        QTest::newRow("currency word") << QVariant("12,50 TL") << QVariant(12.5);
        QTest::newRow("percent") << QVariant("%18") << QVariant(18.0);
        QTest::newRow("letters dropped") << QVariant("1a2") << QVariant(12.0);
        QTest::newRow("blank before minus") << QVariant(" -5") << QVariant(5.0);
        QTest::newRow("minus after") << QVariant("5-") << QVariant(5.0);
        QTest::newRow("only minus") << QVariant("-") << QVariant(0.0);
        QTest::newRow("trailing comma") << QVariant("7,") << QVariant(7.0);
        QTest::newRow("empty") << QVariant("") << QVariant(0.0);
        QTest::newRow("letters") << QVariant("abc") << QVariant(0.0);
        QTest::newRow("number passes") << QVariant(1234.5) << QVariant(1234.5);
        QTest::newRow("integer passes") << QVariant(42) << QVariant(42.0);
        QTest::newRow("null") << QVariant() << QVariant();
        QTest::newRow("database null") << QVariant(QMetaType(QMetaType::QString)) << QVariant();
    }
    void parseAmount()
    {
        QFETCH(QVariant, input);
        QFETCH(QVariant, expected);
        const QVariant result = kx::ParseAmount(input);
        QCOMPARE(result.isNull(), expected.isNull());
        QCOMPARE(result.toDouble(), expected.toDouble());
    }

    void ratioAmount_data()
    {
        QTest::addColumn<QVariant>("a");
        QTest::addColumn<QVariant>("b");
        QTest::addColumn<QVariant>("c");
        QTest::addColumn<double>("expected");
        QTest::newRow("same") << QVariant("118") << QVariant("118") << QVariant("18") << 18.0;
        QTest::newRow("amount text")
            << QVariant("1.000,00") << QVariant("100") << QVariant("18") << 180.0;
        QTest::newRow("zero divisor") << QVariant("5") << QVariant("0,00") << QVariant("18") << 0.0;
        QTest::newRow("empty divisor") << QVariant("5") << QVariant() << QVariant("18") << 0.0;
    }
    void ratioAmount()
    {
        QFETCH(QVariant, a);
        QFETCH(QVariant, b);
        QFETCH(QVariant, c);
        QFETCH(double, expected);
        const double result = kx::RatioAmount(a, b, c);
        QVERIFY(std::isfinite(result));
        QCOMPARE(result, expected);
    }

    void numberValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("digits then letter") << "12A" << 12.0;
        QTest::newRow("point decimal") << "1.5" << 1.5;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma stops") << "12,5" << 12.0;
        QTest::newRow("leading blank") << " 5" << 5.0;
        QTest::newRow("sign") << "-3" << -3.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("only minus") << "-" << 0.0;
    }
    void numberValue()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(kx::numberValue(text), expected);
    }

    void formatNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        const QString two = QStringLiteral("#,##0.00");
        QTest::newRow("grouped") << 1234.5 << two << "1.234,50";
        QTest::newRow("zero") << 0.0 << two << "0,00";
        QTest::newRow("millions") << 1234567.0 << two << "1.234.567,00";
        QTest::newRow("negative") << -1234.567 << two << "-1.234,57";
        QTest::newRow("tiny negative is zero") << -0.004 << two << "0,00";
        QTest::newRow("half up 1,005") << 1.005 << two << "1,01";
        QTest::newRow("half up 2,675") << 2.675 << two << "2,68";
        QTest::newRow("half away negative") << -2.675 << two << "-2,68";
        QTest::newRow("carry into thousands") << 999.995 << two << "1.000,00";
        QTest::newRow("three") << 1234567.891 << "#,##0.000"
                               << "1.234.567,891";
        QTest::newRow("four") << 0.00005 << "#,##0.0000"
                              << "0,0001";
        QTest::newRow("five") << 12.5 << "#,##0.00000"
                              << "12,50000";
        QTest::newRow("below one") << 0.5 << two << "0,50";
        QTest::newRow("not a number") << std::nan("") << two << "0,00";
    }
    void formatNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QCOMPARE(kx::FormatNumber(value, pattern), text);
        // What is shown reads back as the rounded value.
        if (std::isfinite(value)) {
            const int decimals = int(pattern.size() - pattern.indexOf('.') - 1);
            QCOMPARE(kx::ParseAmount(text).toDouble(), kx::roundNumber(value, decimals));
        }
    }

    void plainNumberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("fraction") << 2.5 << "2,5";
        QTest::newRow("whole") << 3.0 << "3";
        QTest::newRow("negative") << -0.25 << "-0,25";
        QTest::newRow("binary noise") << 0.1 + 0.2 << "0,3";
        QTest::newRow("thousands not grouped") << 1500.0 << "1500";
        QTest::newRow("zero") << 0.0 << "0";
    }
    void plainNumberText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(kx::plainNumberText(value), text);
        QCOMPARE(kx::ParseAmount(text).toDouble(), kx::roundNumber(value, 10));
    }
};

class TestCodesAndDates : public QObject
{
    Q_OBJECT
private slots:
    void isLetterCode_data()
    {
        QTest::addColumn<QVariant>("series");
        QTest::addColumn<bool>("letters");
        for (const char *yes : { "A", "z", "AB", "aZ", "[", "]", "\\" })
            QTest::newRow(yes) << QVariant(yes) << true;
        for (const char *no : { "A1", "1", "ABC", "@", "^", "`", "{", "1A" })
            QTest::newRow(no) << QVariant(no) << false;
        QTest::newRow("turkish letter") << QVariant("Ç") << false;
        QTest::newRow("empty") << QVariant("") << false;
        QTest::newRow("null") << QVariant() << false;
    }
    void isLetterCode()
    {
        QFETCH(QVariant, series);
        QFETCH(bool, letters);
        QCOMPARE(kx::IsLetterCode(series), letters);
    }

    void dateKey_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::newRow("end of january") << "31.01.2024" << 20240131;
        QTest::newRow("first of february") << "01.02.2024" << 20240201;
        QTest::newRow("no calendar check") << "31.02.2025" << 20250231;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
    }
    void dateKey()
    {
        QFETCH(QString, text);
        QFETCH(int, key);
        QCOMPARE(kx::DateKey(text), key);
        if (key > 10000000)
            QCOMPARE(kx::DateKeyToText(key), text);
    }

    void dateWithoutLeadingZerosIsNoKey()
    {
        const int key = kx::DateKey(QStringLiteral("1.2.2024"));
        QVERIFY(key != 20240201);
        QVERIFY(key < 10000000);
    }

    void dateKeyToText_data()
    {
        QTest::addColumn<QVariant>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("number") << QVariant(20240131) << "31.01.2024";
        QTest::newRow("text") << QVariant("20240131") << "31.01.2024";
        QTest::newRow("floating number") << QVariant(20240131.0) << "31.01.2024";
        QTest::newRow("empty") << QVariant("") << "..";
        QTest::newRow("null") << QVariant() << "..";
    }
    void dateKeyToText()
    {
        QFETCH(QVariant, key);
        QFETCH(QString, text);
        QCOMPARE(kx::DateKeyToText(key), text);
    }
};

class TestFindListIndex : public QObject
{
    Q_OBJECT
private:
    static kx::RowArray cards(const QList<int> &ids)
    {
        kx::RowArray rows(19, int(ids.size()));
        for (int r = 0; r < ids.size(); ++r) {
            rows(0, r) = ids.at(r);
            rows(2, r) = QStringLiteral("card %1").arg(ids.at(r));
        }
        return rows;
    }
private slots:
    void init()
    {
        kx::resetState();
        kx::state().StokAllRows = cards({ 5, 12, 7 });
        kx::state().CariAllRows = cards({ 12, 3 });
    }
    void cleanup() { kx::resetState(); }

    void find_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QVariant>("id");
        QTest::addColumn<QVariant>("record");
        QTest::newRow("stock by number") << "S" << QVariant(12) << QVariant(1);
        QTest::newRow("small s") << "s" << QVariant(7) << QVariant(2);
        QTest::newRow("id as text") << "S" << QVariant("12") << QVariant(1);
        QTest::newRow("id as double") << "S" << QVariant(5.0) << QVariant(0);
        QTest::newRow("account C") << "C" << QVariant(12) << QVariant(0);
        QTest::newRow("any other kind is account") << "X" << QVariant(3) << QVariant(1);
        QTest::newRow("absent") << "S" << QVariant(99) << QVariant();
        QTest::newRow("account id not in stock") << "S" << QVariant(3) << QVariant();
        QTest::newRow("text that is no number") << "S" << QVariant("abc") << QVariant();
        QTest::newRow("fraction") << "S" << QVariant("12.5") << QVariant();
        QTest::newRow("beyond any id") << "S" << QVariant("99999999999999999999999") << QVariant();
        QTest::newRow("huge number") << "C" << QVariant(1e300) << QVariant();
    }
    void find()
    {
        QFETCH(QString, kind);
        QFETCH(QVariant, id);
        QFETCH(QVariant, record);
        const QVariant found = kx::FindListIndex(kind, id);
        QCOMPARE(found.isNull(), record.isNull());
        if (!record.isNull())
            QCOMPARE(found.toInt(), record.toInt());
    }

    // A list replaced after a look-up answers from its new contents.
    void replacedListAnswersAnew()
    {
        QCOMPARE(kx::FindListIndex("S", 7).toInt(), 2);
        kx::state().StokAllRows = cards({ 7, 40 });
        QCOMPARE(kx::FindListIndex("S", 7).toInt(), 0);
        QCOMPARE(kx::FindListIndex("S", 40).toInt(), 1);
        QVERIFY(kx::FindListIndex("S", 12).isNull());
        kx::state().StokAllRows(0, 1) = 41; // changed in place
        QCOMPARE(kx::FindListIndex("S", 41).toInt(), 1);
        QVERIFY(kx::FindListIndex("S", 40).isNull());
    }

    void unloadedListFindsNothing()
    {
        kx::resetState();
        QVERIFY(kx::FindListIndex("S", 1).isNull());
        QVERIFY(kx::FindListIndex("C", 1).isNull());
    }
};

KX_TEST(TestLetterFold)
KX_TEST(TestAmounts)
KX_TEST(TestCodesAndDates)
KX_TEST(TestFindListIndex)
#include "tst_conversions.moc"
