// Figures of the VAT report, stock movements, the four inventory valuations and the cheques.
#include "bench/bench_stock_reports.h"
#include "bench/bench_reports.h"
#include "bench/bench_support.h"
#include "bench/generator_documents.h"

#include "app/main_window.h"
#include "core/conversions.h"
#include "core/lists.h"
#include "core/panel_fields.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/grid.h"

#include <QDate>
#include <QRandomGenerator>

namespace kxbench {

namespace {

// A stock card moved by 5,000 lines: notes in and out and invoices with lines over the
// generated years, five lines of the card each.
qint64 addBusyStock()
{
    kx::ModuleState &s = kx::state();
    kx::Connection &conn = *s.Conn;
    const qint64 card = liveCardIds(s.TblStok).value(2);
    const QList<qint64> accounts = liveCardIds(s.TblCari);
    const QString table = kx::sqlTable(s.TblBelge);
    QRandomGenerator random(13);
    conn.BeginTrans();
    for (int i = 0; i < 1000; ++i) {
        const int date = randomDocumentDate(random);
        const int kind = i % 2 ? 5 : 3;
        const int direction = random.bounded(kind == 5 ? 4 : 2);
        conn.Execute("insert into " + table
                         + " (cariid,bmod,gircik,serino,sirano,btarihi,aciklama,yekun) "
                           "values (?,?,?,?,?,?,?,?)",
                     { accounts.at(random.bounded(int(accounts.size()))), kind, direction,
                       QStringLiteral("S"), QString::number(i + 1), date, QString(),
                       kind == 5 ? QVariant(QStringLiteral("100,00")) : QVariant() });
        const qint64 owner = conn.LastInsertId();
        for (int n = 0; n < 5; ++n)
            conn.Execute("insert into " + table
                             + " (belgeid,stokid,stokadi,miktar,birimfiyat,inout) "
                               "values (?,?,?,?,?,?)",
                         { owner, card, QStringLiteral("YOGUN"), double(1 + random.bounded(10)),
                           kind == 5 ? QVariant(QStringLiteral("12,50")) : QVariant(),
                           direction % 2 ? QStringLiteral("i") : QStringLiteral("o") });
    }
    conn.CommitTrans();
    return card;
}

// 5,000 cheques of every status, due over three years around today.
void addCheques()
{
    kx::ModuleState &s = kx::state();
    kx::Connection &conn = *s.Conn;
    const char *const statuses[]
        = { "Kasada", "Dışarıda", "Ciro Edildi", "Tahsil Edildi", "Ödendi" };
    const QDate start = QDate::currentDate().addYears(-2);
    QRandomGenerator random(17);
    conn.BeginTrans();
    for (int i = 0; i < 5000; ++i)
        conn.Execute("insert into " + kx::sqlTable(s.TblCek)
                         + " (vade,cekno,banka,veren,alan,tutar,cdurum) values (?,?,?,?,?,?,?)",
                     { start.addDays(random.bounded(1095)).toString("yyyyMMdd").toInt(),
                       QString::number(100000 + i), QStringLiteral("BANKA / ŞUBE"),
                       QStringLiteral("VEREN"), QStringLiteral("ALAN"),
                       kx::FormatNumber(random.bounded(10000000) / 100.0, "#,##0.00"),
                       QString::fromUtf8(statuses[random.bounded(5)]) });
    conn.CommitTrans();
}

} // namespace

void runStockReportFigures(int runs, const std::function<void(const char *, double)> &print)
{
    const qint64 card = addBusyStock();
    addCheques();
    kx::FMain &window = benchMainWindow();
    window.startAfterLogin();
    QObject *options = window.RX1;

    const auto figure = [&](const char *name, int page, const std::function<void()> &choose) {
        printReportFigure(window, runs, name, page, choose, print);
    };

    figure("report_vat_year", 10, [&] {
        kx::setFieldValue(options, "XOTumu5", 1);
        kx::setFieldValue(options, "XBTar5", 1);
        kx::setFieldDate(options, "XDTarA5", QStringLiteral("01.01.2023"));
        kx::setFieldDate(options, "XDTarB5", QStringLiteral("31.12.2023"));
    });
    figure("report_stock_movements", 11,
           [&] { kx::setFieldIndex(options, "XCStok", kx::stockRecordById(card, false)); });
    const std::pair<const char *, const char *> valuations[] = {
        { "report_inventory_purchase", "XOAlis" },
        { "report_inventory_sale", "XOSatis" },
        { "report_inventory_last", "XOMaliyet" },
        { "report_inventory_average", "XOOrtMal" },
    };
    for (const auto &[name, option] : valuations)
        figure(name, 12, [&] { kx::setFieldValue(options, option, 1); });
    figure("report_cheques", 13, [&] { kx::setFieldValue(options, "XOTumu8", 1); });
}

} // namespace kxbench
