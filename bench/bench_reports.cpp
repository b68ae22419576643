// Figures of the money reports: statement, price list, cash by month and by day, debts.
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

#include <QApplication>
#include <QRandomGenerator>

namespace kxbench {

namespace {

// The statement account: 2,000 documents over the generated years, as a busy customer has
// them: invoices with their own lines, invoices over a delivery note, cash sales, payments.
qint64 addStatementAccount()
{
    kx::ModuleState &s = kx::state();
    kx::Connection &conn = *s.Conn;
    const qint64 account = liveCardIds(s.TblCari).value(1);
    const QList<qint64> stock = liveCardIds(s.TblStok);
    const QString table = kx::sqlTable(s.TblBelge);
    QRandomGenerator random(11);
    const auto money = [&] {
        return kx::FormatNumber(random.bounded(5000000) / 100.0, QStringLiteral("#,##0.00"));
    };
    const auto header = [&](int kind, int direction, int date, qint64 takenBy) {
        conn.Execute("insert into " + table
                         + " (cariid,bmod,gircik,serino,sirano,btarihi,aciklama,ftrdrm,yekun) "
                           "values (?,?,?,?,?,?,?,?,?)",
                     { account, kind, direction, QStringLiteral("E"),
                       QString::number(random.bounded(1000000)), date, QString(),
                       kind == 3 ? QVariant(takenBy) : QVariant(),
                       kind == 3 ? QVariant() : QVariant(money()) });
        return conn.LastInsertId();
    };
    const auto lines = [&](qint64 owner, qint64 takenBy) {
        for (int i = 0; i < 5; ++i) {
            const qint64 card = stock.at(random.bounded(int(stock.size())));
            conn.Execute("insert into " + table
                             + " (belgeid,stokid,stokadi,miktar,birimfiyat,inout,stokinftr) "
                               "values (?,?,?,?,?,?,?)",
                         { owner, card, QStringLiteral("STOK %1").arg(card),
                           double(1 + random.bounded(10)), money(), QStringLiteral("o"),
                           takenBy ? QVariant(takenBy) : QVariant() });
        }
    };
    conn.BeginTrans();
    for (int i = 0; i < 2000; ++i) {
        const int date = randomDocumentDate(random);
        switch (i % 4) {
        case 0:
            lines(header(5, random.bounded(4), date, 0), 0);
            break;
        case 1: {
            const qint64 invoice = header(4, random.bounded(4), date, 0);
            lines(header(3, 0, date, invoice), invoice);
            break;
        }
        case 2:
            lines(header(5, 0, date, 0), 0);
            break;
        default:
            header(6, random.bounded(2), date, 0);
            break;
        }
    }
    conn.CommitTrans();
    return account;
}

} // namespace

void printReportFigure(kx::FMain &window, int runs, const char *name, int page,
                       const std::function<void()> &choose,
                       const std::function<void(const char *, double)> &print)
{
    window.ShowPage(page);
    choose();
    print(name, medianMs(runs, [&] {
              window.ShowReport();
              window.repaint();
              QApplication::processEvents();
          }));
    if (window.Grid1->Rows() < 2)
        qFatal("kxbench: %s made no rows", name);
}

void runReportFigures(int runs, const std::function<void(const char *, double)> &print)
{
    kx::ModuleState &s = kx::state();
    const qint64 account = addStatementAccount();
    // The month list then runs from the first generated month to today's.
    s.WorkDate = 20200101;
    kx::FMain &window = benchMainWindow();
    window.startAfterLogin();
    QObject *options = window.RX1;

    const auto figure = [&](const char *name, int page, const std::function<void()> &choose) {
        printReportFigure(window, runs, name, page, choose, print);
    };

    figure("report_statement", 6, [&] {
        kx::setFieldIndex(options, "XCCari", kx::accountRecordById(account, false));
        kx::setFieldValue(options, "XBStok", 1);
    });
    figure("report_price_list", 7, [] {});
    figure("report_cash_month", 8, [&] { kx::setFieldValue(options, "XOAylik", 1); });
    figure("report_cash_day", 8, [&] {
        kx::setFieldValue(options, "XOGunluk", 1);
        kx::setFieldIndex(options, "XCKasaAy", kx::fieldCount(options, "XCKasaAy") / 2);
    });
    figure("report_debts", 9, [&] { kx::setFieldValue(options, "XOTumu4", 1); });
}

} // namespace kxbench
