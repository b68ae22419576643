// Document lines and totals in both VAT modes, the discount cascade and the typed discount.
#include "core/document_lines.h"
#include "core/document_panels.h"
#include "core/messages.h"
#include "core/pages.h"
#include "core/state.h"
#include "tests/core/document_view.h"
#include "tests/support/kxtest.h"

#include <QTest>

using namespace kxtest;

namespace {

struct LineIn
{
    QString quantity;
    QString price;
    QString rate;
};

// Net unit price, amount and VAT amount of a line.
using LineOut = QStringList;

void putLines(kx::Grid *grid, const QList<LineIn> &lines)
{
    grid->setRows(1 + lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const int r = i + 1;
        grid->setRowHeight(r, 18);
        grid->Cell(r, 1).setText("1");
        grid->Cell(r, 6).setText(lines[i].quantity);
        grid->Cell(r, 9).setText(lines[i].price);
        grid->Cell(r, 12).setText(lines[i].rate);
    }
}

QStringList totalsColumn(kx::Grid *totals)
{
    QStringList values;
    for (int row = 1; row <= 7; ++row)
        values << totals->Cell(row, 3).Text();
    return values;
}

void setRates(const QString &one, const QString &two, const QString &three)
{
    kx::ModuleState &s = kx::state();
    s.KdvOrani1 = one;
    s.KdvOrani2 = two;
    s.KdvOrani3 = three;
}

} // namespace

Q_DECLARE_METATYPE(QList<LineIn>)
Q_DECLARE_METATYPE(QList<LineOut>)

class TestDocumentTotals : public QObject
{
    Q_OBJECT
    std::unique_ptr<DocumentWindow> w;

private slots:
    void init()
    {
        kx::resetState();
        kx::messageScript().clear();
        kx::messageScript().suppressNotices = true;
        kx::SetDocumentColumns();
        kx::state().PriceFormat = QStringLiteral("#,##0.00");
        kx::state().CurrentPage = kx::Page::InvoiceWithLines;
        w = std::make_unique<DocumentWindow>();
        kx::SetGridFooter(w->totals5);
    }
    void cleanup() { w.reset(); }

    void recalc_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("discounts");
        QTest::addColumn<QStringList>("rates");
        QTest::addColumn<QList<LineIn>>("lines");
        QTest::addColumn<QList<LineOut>>("computed");
        QTest::addColumn<QStringList>("totals");
        const QStringList none { "0", "0", "0" };
        const QStringList usual { "1", "8", "18" };

        QTest::newRow("excluded VAT")
            << 1 << none << usual << QList<LineIn> { { "2", "100,00", "18" } }
            << QList<LineOut> { { "100,00", "200,00", "36,00" } }
            << QStringList { "200,00", "0,00", "200,00", "0,00", "0,00", "36,00", "236,00" };
        QTest::newRow("included VAT")
            << 0 << none << usual << QList<LineIn> { { "2", "118,00", "18" } }
            << QList<LineOut> { { "100,00", "200,00", "36,00" } }
            << QStringList { "200,00", "0,00", "200,00", "0,00", "0,00", "36,00", "236,00" };
        QTest::newRow("cascading discounts 10 and 10")
            << 1 << QStringList { "10", "10", "0" } << QStringList { "18", "8", "1" }
            << QList<LineIn> { { "10", "100,00", "18" } }
            << QList<LineOut> { { "100,00", "1.000,00", "180,00" } }
            << QStringList { "1.000,00", "190,00", "810,00", "145,80", "0,00", "0,00", "955,80" };
        QTest::newRow("three rates and a zero quantity")
            << 1 << none << usual
            << QList<LineIn> { { "1", "50,00", "1" },
                               { "0", "80,00", "8" },
                               { "-2", "10,00", "18" },
                               { "3", "10,00", "8" } }
            << QList<LineOut> { { "50,00", "50,00", "0,50" },
                                { "0,00", "0,00", "0,00" },
                                { "0,00", "0,00", "0,00" },
                                { "10,00", "30,00", "2,40" } }
            << QStringList { "80,00", "0,00", "80,00", "0,50", "2,40", "0,00", "82,90" };
        QTest::newRow("equal company rates count once")
            << 1 << none << QStringList { "18", "18", "8" }
            << QList<LineIn> { { "1", "100,00", "18" } }
            << QList<LineOut> { { "100,00", "100,00", "18,00" } }
            << QStringList { "100,00", "0,00", "100,00", "18,00", "0,00", "0,00", "118,00" };
        QTest::newRow("rate outside the company's still in the grand total")
            << 1 << QStringList { "10", "0", "0" } << usual
            << QList<LineIn> { { "1", "100,00", "20" }, { "1", "100,00", "18" } }
            << QList<LineOut> { { "100,00", "100,00", "20,00" }, { "100,00", "100,00", "18,00" } }
            << QStringList { "200,00", "20,00", "180,00", "0,00", "0,00", "16,20", "214,20" };
        QTest::newRow("cascading discounts 10 and 10, VAT included")
            << 0 << QStringList { "10", "10", "0" } << QStringList { "18", "8", "1" }
            << QList<LineIn> { { "10", "118,00", "18" } }
            << QList<LineOut> { { "100,00", "1.000,00", "180,00" } }
            << QStringList { "1.000,00", "190,00", "810,00", "145,80", "0,00", "0,00", "955,80" };
        QTest::newRow("zero and negative quantities, VAT included")
            << 0 << none << usual
            << QList<LineIn> { { "0", "118,00", "18" },
                               { "-1", "118,00", "18" },
                               { "1", "108,00", "8" } }
            << QList<LineOut> { { "0,00", "0,00", "0,00" },
                                { "0,00", "0,00", "0,00" },
                                { "100,00", "100,00", "8,00" } }
            << QStringList { "100,00", "0,00", "100,00", "0,00", "8,00", "0,00", "108,00" };
        QTest::newRow("equal company rates count once, VAT included")
            << 0 << none << QStringList { "8", "18", "18" }
            << QList<LineIn> { { "2", "59,00", "18" } }
            << QList<LineOut> { { "50,00", "100,00", "18,00" } }
            << QStringList { "100,00", "0,00", "100,00", "0,00", "18,00", "0,00", "118,00" };
        QTest::newRow("rate outside the company's, VAT included")
            << 0 << QStringList { "10", "0", "0" } << usual
            << QList<LineIn> { { "1", "120,00", "20" } }
            << QList<LineOut> { { "100,00", "100,00", "20,00" } }
            << QStringList { "100,00", "10,00", "90,00", "0,00", "0,00", "0,00", "108,00" };
        QTest::newRow("included VAT rounds the net price to the price format")
            << 0 << none << usual << QList<LineIn> { { "3", "10,00", "18" } }
            << QList<LineOut> { { "8,47", "25,42", "4,58" } }
            << QStringList { "25,42", "0,00", "25,42", "0,00", "0,00", "4,58", "30,00" };
    }
    void recalc()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, discounts);
        QFETCH(QStringList, rates);
        QFETCH(QList<LineIn>, lines);
        QFETCH(QList<LineOut>, computed);
        QFETCH(QStringList, totals);
        setRates(rates[0], rates[1], rates[2]);
        combo(w->rc, "XCKdv")->setListIndex(mode);
        edit(w->rc, "XTIsk1")->setText(discounts[0]);
        edit(w->rc, "XTIsk2")->setText(discounts[1]);
        edit(w->rc, "XTIsk3")->setText(discounts[2]);
        putLines(w->grid, lines);

        kx::RecalcDocument(w->view);
        for (int i = 0; i < computed.size(); ++i) {
            const LineOut got { w->grid->Cell(i + 1, 10).Text(), w->grid->Cell(i + 1, 11).Text(),
                                w->grid->Cell(i + 1, 13).Text() };
            QCOMPARE(got, computed[i]);
        }
        QCOMPARE(totalsColumn(w->totals5), totals);
        QVERIFY(w->grid->AutoRedraw());
        QVERIFY(w->totals5->AutoRedraw());
    }

    // Only rows of line height count; the note rows of the invoice page stay as they are.
    void noteRowsAndBulkFillLeftAlone()
    {
        setRates("1", "8", "18");
        kx::state().CurrentPage = kx::Page::Invoice;
        combo(w->rb, "XCKdv")->setListIndex(1);
        putLines(w->grid, { { "2", "100,00", "18" }, { "5", "5,00", "18" } });
        w->grid->setRowHeight(1, 17);
        kx::RecalcDocument(w->view);
        QCOMPARE(w->grid->Cell(1, 11).Text(), QString());
        QCOMPARE(w->totals4->Cell(1, 3).Text(), QStringLiteral("25,00"));

        w->grid->setAutoRedraw(false);
        w->grid->Cell(2, 6).setText("6");
        kx::RecalcDocument(w->view);
        QCOMPARE(w->totals4->Cell(1, 3).Text(), QStringLiteral("25,00"));
        QVERIFY(!w->grid->AutoRedraw());
    }

    void typedDiscount_data()
    {
        QTest::addColumn<QStringList>("rates");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QStringList>("totals");
        QTest::newRow("100 off 1.000,00")
            << QStringList { "18", "8", "1" } << "1.000,00"
            << "100"
            << QStringList { "1.000,00", "100", "900,00", "162,00", "0,00", "0,00", "1.062,00" };
        QTest::newRow("nothing to share the discount over")
            << QStringList { "18", "8", "1" } << "0,00"
            << "50" << QStringList { "0,00", "50", "-50,00", "180,00", "0,00", "0,00", "130,00" };
        QTest::newRow("equal rates count once")
            << QStringList { "18", "18", "1" } << "1.000,00"
            << "100"
            << QStringList { "1.000,00", "100", "900,00", "162,00", "0,00", "0,00", "1.062,00" };
    }
    void typedDiscount()
    {
        QFETCH(QStringList, rates);
        QFETCH(QString, total);
        QFETCH(QString, discount);
        QFETCH(QStringList, totals);
        setRates(rates[0], rates[1], rates[2]);
        putLines(w->grid, { { "10", "100,00", "18" } });
        w->grid->Cell(1, 13).setText("180,00");
        w->totals5->Cell(1, 3).setText(total);
        w->totals5->Cell(2, 3).setText(discount);
        kx::RecalcFooter(w->view, w->totals5);
        QCOMPARE(totalsColumn(w->totals5), totals);
    }

    void footerLayout()
    {
        setRates("1", "8", "18");
        kx::SetGridFooter(w->totals4);
        QStringList labels;
        for (int row = 1; row <= 7; ++row) {
            labels << w->totals4->Cell(row, 1).Text();
            QCOMPARE(w->totals4->Cell(row, 2).Text(), QStringLiteral(":"));
            QCOMPARE(w->totals4->Cell(row, 3).Text(), QStringLiteral("0,00"));
            QCOMPARE(w->totals4->Cell(row, 3).Locked(), row != 2);
        }
        QCOMPARE(labels,
                 (QStringList { "Tutar", "İskonto", "Ara Toplam", "KDV (%1)", "KDV (%8)",
                                "KDV (%18)", "Yekün" }));
        QCOMPARE(w->totals4->RowHeight(0), 0);
        QCOMPARE(w->totals4->ColumnWidth(0), 0);
    }
};

KX_TEST(TestDocumentTotals)
#include "tst_document_lines.moc"
