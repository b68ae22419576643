// The cheques report by status, and the save that rewrites the cheque table.
#include "core/document_panels.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/grid.h"
#include "reports/cheques.h"
#include "reports/report.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"
#include "tests/support/report_checks.h"

#include <QTest>

using namespace kxtest;
using kx::ChequeRow;
using kx::ReportOptions;
using kx::ReportRowKind;

namespace {

// The stored cheques, one "vade|cekno|banka|veren|alan|tutar|cdurum" text each, in id order.
QStringList storedCheques()
{
    kx::Recordset rs;
    rs.Open("select vade, cekno, banka, veren, alan, tutar, cdurum from "
                + kx::sqlTable(kx::state().TblCek) + " order by id",
            *kx::state().Conn);
    QStringList rows;
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList cells;
        for (int f = 0; f < 7; ++f)
            cells << rs.Fields(f).toString();
        rows << cells.join(u'|');
    }
    return rows;
}

ReportOptions chequeOption(int option)
{
    return chequeStatusOption(option, QDate(2025, 3, 15));
}

const QColor Red(255, 0, 0);

} // namespace

class TestCheques : public QObject
{
    Q_OBJECT

    std::unique_ptr<Fixture> m_fixture;

private slots:
    void init()
    {
        m_fixture = std::make_unique<Fixture>();
        m_fixture->login(1);
        kx::SetDocumentColumns();
    }
    void cleanup() { m_fixture.reset(); }

    // By due date (cheques of one date in the order they were entered); the other statuses
    // stay in the grid hidden and out of the total; a cheque due today or earlier that is
    // still held or out is red, a settled one never is, nor a hidden one.
    void chequesByStatus_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QList<int>>("redRows");
        const QString c5 = "|01.02.2025|C5||||50,00|Tahsil Edildi";
        const QString c2 = "|01.03.2025|C2||||500,00|Ciro Edildi";
        const QString c7 = "|01.03.2025|C7||||10,00|Ödendi";
        const QString c1 = "|10.03.2025|C1||||1.000,00|Kasada";
        const QString c3 = "|15.03.2025|C3||||250,00|Dışarıda";
        const QString c4 = "|16.03.2025|C4||||100,00|Kasada";
        const QString c6 = "|20.03.2025|C6||||yok|";
        const auto hidden = [](const QStringList &rows, const QList<int> &shownRows) {
            QStringList out;
            for (int i = 0; i < rows.size(); ++i)
                out << (shownRows.contains(i + 1) ? QString() : QStringLiteral("(h)")) + rows.at(i);
            return out;
        };
        const QStringList all { c5, c2, c7, c1, c3, c4, c6 };
        const auto total = [](const QString &amount) {
            return "|Görüntülenen Çekler Toplam Tutarı : " + amount + "||||||";
        };
        QTest::newRow(" Tümü ") << 0
                                << hidden(all, { 1, 2, 3, 4, 5, 6, 7 })
                + QStringList { total("1.910,00") }
                                << QList<int> { 4, 5 };
        QTest::newRow(" Kasadakiler ")
            << 1 << hidden(all, { 4, 6 }) + QStringList { total("1.100,00") } << QList<int> { 4 };
        QTest::newRow(" Dışarıdakiler ")
            << 2 << hidden(all, { 5 }) + QStringList { total("250,00") } << QList<int> { 5 };
        QTest::newRow(" Ciro Edilenler ")
            << 3 << hidden(all, { 2 }) + QStringList { total("500,00") } << QList<int> {};
        QTest::newRow(" Tahsil Edilenler ")
            << 4 << hidden(all, { 1 }) + QStringList { total("50,00") } << QList<int> {};
        QTest::newRow(" Ödenenler ")
            << 5 << hidden(all, { 3 }) + QStringList { total("10,00") } << QList<int> {};
    }
    void chequesByStatus()
    {
        QFETCH(int, option);
        QFETCH(QStringList, expected);
        QFETCH(QList<int>, redRows);
        addCheque(20250310, "C1", "1.000,00", "Kasada");
        addCheque(20250301, "C2", "500,00", "Ciro Edildi");
        addCheque(20250315, "C3", "250,00", "Dışarıda");
        addCheque(20250316, "C4", "100,00", "Kasada");
        addCheque(20250201, "C5", "50,00", "Tahsil Edildi");
        addCheque(20250320, "C6", "yok", "");
        addCheque(20250301, "C7", "10,00", "Ödendi");

        kx::Grid grid;
        grid.setCols(8);
        kx::WriteReportRows(&grid, kx::BuildReport(13, chequeOption(option)).rows);
        QCOMPARE(reportGridTexts(grid), expected);
        for (int r = 1; r < grid.Rows() - 1; ++r) {
            QCOMPARE(kx::reportRowKind(&grid, r), ReportRowKind::Data);
            for (int c = 1; c < 8; ++c)
                QCOMPARE(grid.Cell(r, c).BackColor(), redRows.contains(r) ? Red : QColor());
            // Giver, taker and status open their lists; the rest are typed.
            for (int c = 1; c < 8; ++c)
                QCOMPARE(grid.Cell(r, c).CellType() == kx::CellTypeComboBox,
                         c == 4 || c == 5 || c == 7);
        }
        const int total = grid.Rows() - 1;
        QCOMPARE(kx::reportRowKind(&grid, total), ReportRowKind::Total);
        QCOMPARE(grid.Cell(total, 1).CellType(), int(kx::CellTypeText));
        QCOMPARE(grid.Cell(total, 1).BackColor(), QColor(255, 255, 0));
        QVERIFY(grid.Cell(total, 1).FontBold());
    }

    // With every cheque filtered out the totals row still comes, with 0,00; with no cheque
    // at all there is no row.
    void allHiddenOrNone()
    {
        kx::Grid grid;
        grid.setCols(8);
        QVERIFY(kx::BuildReport(13, chequeOption(1)).rows.isEmpty());
        addCheque(20250301, "C2", "500,00", "Ciro Edildi");
        kx::WriteReportRows(&grid, kx::BuildReport(13, chequeOption(1)).rows);
        QCOMPARE(reportGridTexts(grid),
                 QStringList({ "(h)|01.03.2025|C2||||500,00|Ciro Edildi",
                               "|Görüntülenen Çekler Toplam Tutarı : 0,00||||||" }));
    }

    // The save replaces the table with exactly the rows given, the due date as its key and
    // every other value as typed (quotes included); an empty list empties the table.
    void saveReplacesTheTable()
    {
        addCheque(20250101, "OLD", "1,00", "Kasada");
        const QList<ChequeRow> rows {
            { 1, "05.04.2025", "N'1", "Banka / Şube", "ALICI (1)", "BAYI (2)", "1.500,00",
              "Dışarıda" },
            { 2, "01.04.2025", "N2", "", "", "", "0,00", "Kasada" },
        };
        QCOMPARE(kx::SaveCheques(rows), QString());
        QCOMPARE(storedCheques(),
                 QStringList({ "20250405|N'1|Banka / Şube|ALICI (1)|BAYI (2)|1.500,00|Dışarıda",
                               "20250401|N2||||0,00|Kasada" }));
        QCOMPARE(kx::SaveCheques({}), QString());
        QCOMPARE(storedCheques(), QStringList());
    }

    // A refused or failing save keeps every stored cheque: a due date that is no calendar
    // date is refused, naming its row and cheque, before anything is deleted; an insert that
    // fails halfway rolls the whole save back.
    void failedSaveKeepsTheOldCheques_data()
    {
        QTest::addColumn<QString>("badDate");
        QTest::addColumn<QString>("message");
        const QString refused = "3. satırdaki çekin (Çek No: BAD, Banka: HALK / MERKEZ) vade "
                                "tarihi geçerli bir tarih değil!";
        QTest::newRow("31 February") << "31.02.2025" << refused;
        QTest::newRow("empty") << "" << refused;
        QTest::newRow("short form") << "1.3.2025" << refused;
        QTest::newRow("insert fails") << "01.03.2025"
                                      << "Çekler kaydedilemedi!";
    }
    void failedSaveKeepsTheOldCheques()
    {
        QFETCH(QString, badDate);
        QFETCH(QString, message);
        addCheque(20250101, "OLD1", "1,00", "Kasada");
        addCheque(20250102, "OLD2", "2,00", "Ödendi");
        const QStringList before = storedCheques();
        kx::state().Conn->Execute("create trigger refuse before insert on "
                                  + kx::sqlTable(kx::state().TblCek)
                                  + " when new.cekno='BAD' begin select raise(abort, 'no'); end");
        const QList<ChequeRow> rows {
            { 1, "05.04.2025", "N1", "", "", "", "1,00", "Kasada" },
            { 3, badDate, "BAD", "HALK / MERKEZ", "", "", "2,00", "Kasada" },
        };
        QCOMPARE(kx::SaveCheques(rows), message);
        QCOMPARE(storedCheques(), before);
        QVERIFY(!kx::state().Conn->InTransaction());
    }

    // A stored due date that is no date to the grid (0, Null, month 13) goes back as it was,
    // value and type, while its row keeps the text it was shown with, also hidden under a
    // status filter; the cheques beside it save as usual.
    void unreadableDueDateSavedAsStored_data()
    {
        QTest::addColumn<QVariant>("vade");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("stored");
        for (const UnreadableDueDate &c : unreadableDueDates()) {
            QTest::addRow("%s shown", c.name) << c.vade << 0 << c.stored;
            QTest::addRow("%s hidden", c.name) << c.vade << 1 << c.stored;
        }
    }
    void unreadableDueDateSavedAsStored()
    {
        QFETCH(QVariant, vade);
        QFETCH(int, option);
        QFETCH(QString, stored);
        addCheque(vade, "ODD", "5,00", "Ödendi");
        addCheque(20250310, "C1", "1,00", "Kasada");
        kx::Grid grid;
        grid.setCols(8);
        kx::WriteReportRows(&grid, kx::BuildReport(13, chequeOption(option)).rows);
        QList<ChequeRow> rows;
        for (int r = 1; r < grid.Rows(); ++r) {
            if (kx::isChequeRow(&grid, r))
                rows << kx::chequeRowOf(&grid, r);
        }
        QCOMPARE(rows.size(), 2);
        const int odd = rows.at(0).cekno == "ODD" ? rows.at(0).row : rows.at(1).row;
        QCOMPARE(grid.RowHeight(odd) == 0, option == 1);
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(kx::SaveCheques(rows), QString());
            QCOMPARE(storedChequeVade("ODD"), stored);
            QCOMPARE(storedChequeVade("C1"), QStringLiteral("integer:20250310"));
        }
    }

    // A due date typed over a stored one is a date like any typed: stored as its key, or,
    // when it is no date, refused with the cheque named before anything is deleted.
    void dueDateTypedOverAStoredOne_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        const QString refused = "1. satırdaki çekin (Çek No: ODD, Banka: ZIRAAT) vade tarihi "
                                "geçerli bir tarih değil!";
        QTest::newRow("a date") << "01.04.2025" << QString() << "integer:20250401";
        QTest::newRow("31 February") << "31.02.2025" << refused << "integer:0";
        QTest::newRow("emptied") << "" << refused << "integer:0";
    }
    void dueDateTypedOverAStoredOne()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        const qint64 id = addCheque(0, "ODD", "5,00", "Kasada");
        kx::state().Conn->Execute("update " + kx::sqlTable(kx::state().TblCek)
                                      + " set banka = 'ZIRAAT' where id = ?",
                                  { id });
        addCheque(20250310, "C1", "1,00", "Kasada");
        kx::Grid grid;
        grid.setCols(8);
        kx::WriteReportRows(&grid, kx::BuildReport(13, chequeOption(0)).rows);
        QCOMPARE(grid.Cell(1, 2).Text(), QStringLiteral("ODD"));
        grid.Cell(1, 1).setText(typed);
        const QString before = storedCheques().join(u'/');
        QCOMPARE(kx::SaveCheques({ kx::chequeRowOf(&grid, 1), kx::chequeRowOf(&grid, 2) }),
                 message);
        QCOMPARE(storedChequeVade("ODD"), stored);
        if (!message.isEmpty())
            QCOMPARE(storedCheques().join(u'/'), before);
    }

    // The second company's cheques go to its own table; the first company's stay.
    void secondCompanySavesToItsOwnTable()
    {
        addCheque(20250101, "FIRST", "1,00", "Kasada");
        kx::state().Conn->Close();
        m_fixture->login(2);
        QCOMPARE(kx::state().TblCek, QStringLiteral("2Cek"));
        QCOMPARE(kx::SaveCheques({ { 1, "02.02.2025", "SECOND", "", "", "", "2,00", "Kasada" } }),
                 QString());
        QCOMPARE(storedCheques(), QStringList({ "20250202|SECOND||||2,00|Kasada" }));
        kx::Recordset rs;
        rs.Open("select cekno from \"1Cek\"", *kx::state().Conn);
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(rs.Fields(0).toString(), QStringLiteral("FIRST"));
    }
};

KX_TEST(TestCheques)

#include "tst_cheques.moc"
