// The print items of a document snapshot: switches, places, alignment, lines, units, the parts
// each kind prints, and the wordings of the total and the balance.
#include "reports/document_print_items.h"
#include "tests/support/kxtest.h"
#include "tests/support/printing.h"

#include <QSet>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(kx::LayoutCells)

using kxtest::itemsOf;

namespace {

// A placement at (x, y) with the other cells as given; switched on unless said otherwise.
kx::LayoutCells placed(const QString &x, const QString &y, const QString &print = "1",
                       const QString &right = "0", const QString &bold = "0",
                       const QString &size = "10")
{
    return { print, x, y, right, bold, size };
}

// A card as StokAllRows holds it: id, a1 code, a2 name, then the columns given.
QStringList card(const QString &code, const QString &name, const QMap<int, QString> &columns = {})
{
    QStringList fields(19);
    fields[0] = QStringLiteral("1");
    fields[1] = code;
    fields[2] = name;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it)
        fields[it.key()] = it.value();
    return fields;
}

// An invoice with lines and everything filled, no field switched on.
kx::PrintSnapshot snapshot(int document = 5, int layout = 5)
{
    kx::PrintSnapshot s;
    s.kinds = { document, layout };
    for (int n = 1; n <= kx::PrintFieldCount; ++n)
        s.captions << QStringLiteral("CAPTION %1").arg(n);
    s.account = card("100", "AHMET", { { 4, "ADRES 1" }, { 8, "KADIKÖY" }, { 9, "123" } });
    s.documentDate = QStringLiteral("10.02.2026");
    s.dispatchDate = QStringLiteral("11.02.2026");
    s.series = QStringLiteral("A");
    s.number = QStringLiteral("7");
    s.note = QStringLiteral("NOT");
    s.time = QStringLiteral("12:34:56");
    kx::PrintLine line;
    line.name = QStringLiteral("VIDA");
    line.code = QStringLiteral("1024");
    line.quantity = QStringLiteral("2");
    line.netPrice = QStringLiteral("8,47");
    line.amount = QStringLiteral("16,95");
    line.vatRate = QStringLiteral("18");
    line.vatAmount = QStringLiteral("3,05");
    line.card = card("1024", "VIDA",
                     { { 7, "TL" },
                       { 8, "Adet" },
                       { 11, "869001" },
                       { 12, "2 YIL" },
                       { 13, "K1" },
                       { 14, "K2" },
                       { 15, "K3" },
                       { 16, "K4" },
                       { 17, "K5" },
                       { 18, "K6" } });
    s.lines << line;
    s.totals = QStringList { "16,95", "0,00", "16,95", "0,00", "0,00", "3,05", "20,00" };
    s.vatRates = QStringList { "1", "8", "18" };
    s.deliveryNotes = QStringList { "A1", "A3" };
    s.balance = QStringLiteral("20,00");
    return s;
}

} // namespace

class TestPrintItems : public QObject
{
    Q_OBJECT
private slots:
    // Only a switch that reads exactly 1 prints, for a value as for a caption.
    void printSwitch_data()
    {
        QTest::addColumn<QString>("print");
        QTest::addColumn<bool>("caption");
        QTest::addColumn<bool>("printed");
        for (const bool caption : { false, true }) {
            const char *kind = caption ? "caption" : "value";
            QTest::addRow("%s 0", kind) << "0" << caption << false;
            QTest::addRow("%s 2", kind) << "2" << caption << false;
            QTest::addRow("%s empty", kind) << "" << caption << false;
            QTest::addRow("%s 1", kind) << "1" << caption << true;
        }
    }
    void printSwitch()
    {
        QFETCH(QString, print);
        QFETCH(bool, caption);
        QFETCH(bool, printed);
        kx::PrintSnapshot s = snapshot();
        (caption ? s.layout.captions : s.layout.values)[10] = placed("30", "40", print);
        const QList<kx::PrintItem> items = itemsOf(kx::buildPrintItems(s), 10, caption);
        QCOMPARE(items.size(), printed ? 1 : 0);
        if (printed) {
            QCOMPARE(items[0].text, caption ? QStringLiteral("CAPTION 10") : QStringLiteral("A"));
            QCOMPARE(items[0].x, 30.0);
            QCOMPARE(items[0].y, 40.0);
        }
    }

    // The cells as the settings window stores them: amounts with a decimal comma, empty cells
    // as 0, the switches of bold and alignment as 1 or anything else.
    void cells_data()
    {
        QTest::addColumn<kx::LayoutCells>("cells");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<double>("size");
        QTest::newRow("plain") << placed("30", "40") << 30.0 << 40.0 << false << 10.0;
        QTest::newRow("decimal comma")
            << placed("12,5", "7,25", "1", "0", "1", "11,5") << 12.5 << 7.25 << true << 11.5;
        QTest::newRow("empty places are 0")
            << placed("", "", "1", "", "", "9") << 0.0 << 0.0 << false << 9.0;
        QTest::newRow("bold 2 is not bold")
            << placed("1", "2", "1", "0", "2", "10") << 1.0 << 2.0 << false << 10.0;
    }
    void cells()
    {
        QFETCH(kx::LayoutCells, cells);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(bool, bold);
        QFETCH(double, size);
        kx::PrintSnapshot s = snapshot();
        s.layout.values[11] = cells;
        const QList<kx::PrintItem> items = itemsOf(kx::buildPrintItems(s), 11);
        QCOMPARE(items.size(), 1);
        QCOMPARE(items[0].x, x);
        QCOMPARE(items[0].y, y);
        QCOMPARE(items[0].bold, bold);
        QCOMPARE(items[0].size, size);
    }

    // A field whose size reads as none cannot be drawn; nothing else of the copy is lost.
    void noSize()
    {
        kx::PrintSnapshot s = snapshot();
        s.layout.values[10] = placed("30", "40", "1", "0", "0", "");
        s.layout.values[11] = placed("30", "45");
        const QList<kx::PrintItem> items = kx::buildPrintItems(s);
        QVERIFY(itemsOf(items, 10).isEmpty());
        QCOMPARE(itemsOf(items, 11).size(), 1);
    }

    // Right alignment counts a fixed width per character, whatever the size: the text ends at
    // the layout's X.
    void rightAlignment_data()
    {
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("x");
        QTest::newRow("size 10") << "1"
                                 << "10"
                                 << "ABCDEFGHIJ" << 100 - 21.16669;
        QTest::newRow("size 14") << "1"
                                 << "14"
                                 << "ABCDEFGHIJ" << 100 - 21.16669;
        QTest::newRow("Turkish letters count once") << "1"
                                                    << "10"
                                                    << "ĞÜŞİÖÇğüşı" << 100 - 21.16669;
        QTest::newRow("off") << "0"
                             << "14"
                             << "ABCDEFGHIJ" << 100.0;
    }
    void rightAlignment()
    {
        QFETCH(QString, right);
        QFETCH(QString, size);
        QFETCH(QString, text);
        QFETCH(double, x);
        kx::PrintSnapshot s = snapshot();
        s.note = text;
        s.layout.values[16] = placed("100", "40", "1", right, "0", size);
        const QList<kx::PrintItem> items = itemsOf(kx::buildPrintItems(s), 16);
        QCOMPARE(items.size(), 1);
        QVERIFY(qAbs(items[0].x - x) < 1e-9);
        QCOMPARE(items[0].rightAligned, right == "1");
    }

    // Lines lie 5 mm apart, counted from 0 in both passes; the BARKOD line prints its name and
    // nothing more, but takes its place.
    void lines_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("y"); // -1: not printed
        QTest::newRow("first line's name") << 12 << "VIDA" << 50.0;
        QTest::newRow("BARKOD line's name") << 12 << "BARKOD" << 55.0;
        QTest::newRow("third line's name 10 mm down") << 12 << "SOMUN" << 60.0;
        QTest::newRow("third line's code") << 13 << "1025" << 60.0;
        QTest::newRow("BARKOD line's quantity") << 14 << "3" << -1.0;
        QTest::newRow("BARKOD line's price") << 27 << "0,50" << -1.0;
        QTest::newRow("third line's price, second pass") << 27 << "1,00" << 60.0;
        QTest::newRow("VAT rate with its sign") << 29 << "8%" << 60.0;
    }
    void lines()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(double, y);
        kx::PrintSnapshot s = snapshot();
        kx::PrintLine barcode;
        barcode.name = QStringLiteral("BARKOD");
        barcode.code = QStringLiteral("BARKOD");
        barcode.quantity = QStringLiteral("3");
        barcode.netPrice = QStringLiteral("0,50");
        barcode.card = card("BARKOD", "BARKOD");
        kx::PrintLine somun;
        somun.name = QStringLiteral("SOMUN");
        somun.code = QStringLiteral("1025");
        somun.quantity = QStringLiteral("1");
        somun.netPrice = QStringLiteral("1,00");
        somun.vatRate = QStringLiteral("8");
        somun.card = card("1025", "SOMUN");
        s.lines << barcode << somun;
        for (int n : { 12, 13, 14, 27, 29 })
            s.layout.values[n] = placed(QString::number(n * 5), "50");

        QList<double> found;
        for (const kx::PrintItem &item : itemsOf(kx::buildPrintItems(s), field)) {
            if (item.text == text)
                found << item.y;
        }
        QCOMPARE(found, y < 0 ? QList<double>() : QList<double> { y });
    }

    // Field 18 abbreviates five units by their exact text.
    void units_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("printed"); // empty: nothing printed
        QTest::newRow("Metre") << "Metre"
                               << "MT";
        QTest::newRow("Adet") << "Adet"
                              << "AD";
        QTest::newRow("Litre") << "Litre"
                               << "LT";
        QTest::newRow("Paket") << "Paket"
                               << "PKT";
        QTest::newRow("Koli") << "Koli"
                              << "KL";
        QTest::newRow("KG stays") << "KG"
                                  << "KG";
        QTest::newRow("other case stays") << "koli"
                                          << "koli";
        QTest::newRow("no unit") << ""
                                 << "";
    }
    void units()
    {
        QFETCH(QString, unit);
        QFETCH(QString, printed);
        kx::PrintSnapshot s = snapshot();
        s.lines[0].card[8] = unit;
        s.layout.values[18] = placed("20", "50");
        const QList<kx::PrintItem> items = itemsOf(kx::buildPrintItems(s), 18);
        QCOMPARE(items.size(), printed.isEmpty() ? 0 : 1);
        if (!printed.isEmpty())
            QCOMPARE(items[0].text, printed);
    }

    // With every field switched on: the tab's kind gives the captions, the layout's kind the
    // invoice parts; a delivery-note layout never prints fields 27 to 44.
    void kinds_data()
    {
        QTest::addColumn<int>("document");
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("lastCaption");
        QTest::addColumn<int>("lastValue");
        QTest::newRow("delivery note") << 3 << 3 << 26 << 26;
        QTest::newRow("invoice over delivery notes") << 4 << 4 << 44 << 44;
        QTest::newRow("invoice with lines") << 5 << 5 << 43 << 43;
        QTest::newRow("invoice on the delivery-note layout") << 4 << 3 << 44 << 26;
        QTest::newRow("invoice with lines on the delivery-note layout") << 5 << 3 << 43 << 26;
        QTest::newRow("no document tab") << 0 << 3 << 0 << 0;
    }
    void kinds()
    {
        QFETCH(int, document);
        QFETCH(int, layout);
        QFETCH(int, lastCaption);
        QFETCH(int, lastValue);
        kx::PrintSnapshot s = snapshot(document, layout);
        for (int n = 1; n <= kx::PrintFieldCount; ++n) {
            s.layout.values[n] = placed("10", QString::number(n));
            s.layout.captions[n] = placed("5", QString::number(n));
        }
        QSet<int> captions;
        QSet<int> values;
        for (const kx::PrintItem &item : kx::buildPrintItems(s))
            (item.caption ? captions : values).insert(item.field);
        QCOMPARE(captions.size(), lastCaption);
        QCOMPARE(captions.isEmpty() ? 0 : *std::max_element(captions.begin(), captions.end()),
                 lastCaption);
        QCOMPARE(values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end()), lastValue);
        if (lastValue == 26)
            QVERIFY(values.contains(12) && !values.contains(27));
    }

    // Field 42 writes the grand total in words, field 43 the balance in its three wordings,
    // field 44 the ticked notes' numbers.
    void wordings_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("printed"); // empty: nothing printed
        QTest::newRow("1.234,56 in words") << 42 << "1.234,56"
                                           << "Yalnız BinİkiYüzOtuzDört TL ElliAltı KRŞ";
        QTest::newRow("0,05 in words") << 42 << "0,05"
                                       << "Yalnız Sıfır TL Beş KRŞ";
        QTest::newRow("a million in words") << 42 << "1.000.000,00"
                                            << "Yalnız BirMilyon TL Sıfır KRŞ";
        QTest::newRow("a total shorter than three characters") << 42 << "12"
                                                               << "";
        QTest::newRow("debit balance") << 43 << "1.250,00"
                                       << "Bu belge sonrası borcunuz : 1.250,00";
        QTest::newRow("credit balance") << 43 << "-1.234,50"
                                        << "Bu belge sonrası alacağınız : 1.234,50";
        QTest::newRow("zero balance") << 43 << "0,00"
                                      << "Bu belge dahil bakiyeniz : 0,00";
        QTest::newRow("balance rounding to zero") << 43 << "-0,00"
                                                  << "Bu belge dahil bakiyeniz : 0,00";
        QTest::newRow("balance not known") << 43 << ""
                                           << "";
        QTest::newRow("two notes") << 44 << "A1|A3"
                                   << "A1, A3";
        QTest::newRow("one note, no separator") << 44 << "B12"
                                                << "B12";
        QTest::newRow("no note") << 44 << ""
                                 << "";
    }
    void wordings()
    {
        QFETCH(int, field);
        QFETCH(QString, input);
        QFETCH(QString, printed);
        kx::PrintSnapshot s = snapshot(4, 4);
        if (field == 42)
            s.totals[6] = input;
        else if (field == 43)
            s.balance = input;
        else
            s.deliveryNotes = input.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        s.layout.values[field] = placed("20", "200");
        const QList<kx::PrintItem> items = itemsOf(kx::buildPrintItems(s), field);
        QCOMPARE(items.size(), printed.isEmpty() ? 0 : 1);
        if (!printed.isEmpty())
            QCOMPARE(items[0].text, printed);
    }

    // Captions lose every exact "Belge " and "Ürün ", and nothing else.
    void captions_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("printed");
        QTest::newRow("user field named with Belge") << "ÜRÜN Belge Tipi"
                                                     << "ÜRÜN Tipi";
        QTest::newRow("both words, twice") << "Ürün Belge Ürün Kodu"
                                           << "Kodu";
        QTest::newRow("no blank after it") << "ÜRÜN BelgeNo"
                                           << "ÜRÜN BelgeNo";
        QTest::newRow("other case stays") << "ÜRÜN belge Tipi"
                                          << "ÜRÜN belge Tipi";
    }
    void captions()
    {
        QFETCH(QString, entry);
        QFETCH(QString, printed);
        kx::PrintSnapshot s = snapshot();
        s.captions[20] = entry;
        s.layout.captions[21] = placed("20", "30");
        const QList<kx::PrintItem> items = itemsOf(kx::buildPrintItems(s), 21, true);
        QCOMPARE(items.size(), 1);
        QCOMPARE(items[0].text, printed);
    }

    // Without an account its six fields are left out; the rest of the copy prints.
    void noAccount()
    {
        kx::PrintSnapshot s = snapshot();
        s.account.clear();
        for (int n = 1; n <= 7; ++n)
            s.layout.values[n] = placed("20", QString::number(n * 10));
        const QList<kx::PrintItem> items = kx::buildPrintItems(s);
        QCOMPARE(items.size(), 1);
        QCOMPARE(items[0].field, 7);
    }
};

KX_TEST(TestPrintItems)
#include "tst_print_items.moc"
