// The payment form: the checks in their order, the fields while typing, the save, the duplicate
// question, and editing a stored payment.
#include "app/main_window.h"
#include "app/payment_form.h"
#include "app/ribbon_menu.h"
#include "core/document_panels.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/grid.h"
#include "reports/report.h"
#include "tests/app/events_window.h"
#include "tests/support/builders.h"
#include "tests/support/clicking.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"
#include "tests/support/typing.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace kxtest;

namespace {

struct StoredRow
{
    qint64 id;
    QString series, number, cash, cheque, total, note;
    int direction;
    qint64 account;
};

QList<StoredRow> payments()
{
    kx::Recordset rs;
    rs.Open("select id, serino, sirano, nakit, cek, yekun, aciklama, gircik, cariid from "
            "\"1Belge\" where bmod=6 order by id",
            *kx::state().Conn);
    QList<StoredRow> rows;
    for (; !rs.Eof(); rs.MoveNext())
        rows << StoredRow { rs.Fields(0).toLongLong(), rs.Fields(1).toString(),
                            rs.Fields(2).toString(),   rs.Fields(3).toString(),
                            rs.Fields(4).toString(),   rs.Fields(5).toString(),
                            rs.Fields(6).toString(),   rs.Fields(7).toInt(),
                            rs.Fields(8).toLongLong() };
    return rows;
}

QList<qint64> paymentIds()
{
    QList<qint64> ids;
    for (const StoredRow &row : payments())
        ids << row.id;
    return ids;
}

int questions()
{
    int count = 0;
    for (const kx::MessageRecord &record : kx::messageScript().shown)
        count += record.kind == QLatin1String("question") ? 1 : 0;
    return count;
}

void retype(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    typeText(field, text);
}

const QString Saved = QStringLiteral("Belge kaydedildi...");

} // namespace

class TestPaymentForm : public QObject
{
    Q_OBJECT
    std::unique_ptr<Fixture> m_fixture;
    std::unique_ptr<kx::FOdeme> m_form;
    qint64 m_alici = 0;
    qint64 m_bayi = 0;

    kx::FOdeme &open(qint64 editId = 0)
    {
        m_form = std::make_unique<kx::FOdeme>();
        if (editId != 0)
            m_form->loadPayment(editId);
        m_form->show();
        if (!QTest::qWaitForWindowActive(m_form.get()))
            qWarning("the payment form did not become active");
        kx::messageScript().clear();
        kx::messageScript().suppressNotices = true;
        return *m_form;
    }

    qint64 stored(const QString &number, const QString &series = QStringLiteral("A"))
    {
        return addDocument({ .bmod = 6,
                             .cariid = m_alici,
                             .serino = series,
                             .sirano = number,
                             .yekun = "10,00",
                             .nakit = "10,00" });
    }

    void fill(kx::FOdeme &form, int account, const QString &number, const QString &cash)
    {
        form.CCari->setListIndex(account);
        form.TSerino->setText(QStringLiteral("A"));
        form.TSirano->setText(number);
        form.TNakit->setText(cash);
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<Fixture>();
        m_fixture->login(1);
        m_alici = addAccount("1", "ALICI", { { 10, "100,00" } });
        m_bayi = addAccount("2", "BAYİ");
        m_fixture->loadLists();
        kx::SetDocumentColumns();
    }
    void cleanup()
    {
        m_form.reset();
        m_fixture.reset();
    }

    // The checks stop at the first failing one, in the order account, series, number,
    // amount; each names its field and sends the focus there, and nothing is written.
    void checkOrder_data()
    {
        QTest::addColumn<int>("account");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("cheque");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        const QString account = "Cariyi kontrol edip tekrar deneyiniz!";
        const QString series = "Geçerli bir seri numarası giriniz!";
        const QString number = "Geçerli bir sıra numarası giriniz!";
        const QString amount = "Ödeme miktarı sıfır olmamalıdır!";
        QTest::newRow("no account, all else wrong") << -1 << "ABC"
                                                    << "0"
                                                    << "0"
                                                    << "0" << account << "CCari";
        QTest::newRow("three letters") << 0 << "ABC"
                                       << "0"
                                       << "0"
                                       << "0" << series << "TSerino";
        QTest::newRow("a digit") << 0 << "1"
                                 << "0"
                                 << "0"
                                 << "0" << series << "TSerino";
        QTest::newRow("empty series") << 0 << ""
                                      << "5"
                                      << "9"
                                      << "0" << series << "TSerino";
        QTest::newRow("number 0") << 0 << "AB"
                                  << "0"
                                  << "0"
                                  << "0" << number << "TSirano";
        QTest::newRow("number without digit") << 0 << "a"
                                              << "abc"
                                              << "5"
                                              << "0" << number << "TSirano";
        QTest::newRow("both amounts zero") << 1 << "A"
                                           << "3"
                                           << "0,00"
                                           << "0,00" << amount << "TNakit";
        QTest::newRow("amounts below a cent") << 1 << "A"
                                              << "3"
                                              << "0,004"
                                              << "0" << amount << "TNakit";
    }
    void checkOrder()
    {
        QFETCH(int, account);
        QFETCH(QString, series);
        QFETCH(QString, number);
        QFETCH(QString, cash);
        QFETCH(QString, cheque);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        kx::FOdeme &form = open();
        form.CCari->setListIndex(account);
        form.TSerino->setText(series);
        form.TSirano->setText(number);
        form.TNakit->setText(cash);
        form.TCek->setText(cheque);
        form.TAciklama->setFocus();

        QTest::mouseClick(form.BKaydet, Qt::LeftButton);
        QCOMPARE(kx::messageScript().textsOf("popup"), QStringList { message });
        QCOMPARE(kx::messageScript().shown.last().icon, int(kx::IconError));
        const QMap<QString, QWidget *> fields = { { "CCari", form.CCari },
                                                  { "TSerino", form.TSerino },
                                                  { "TSirano", form.TSirano },
                                                  { "TNakit", form.TNakit } };
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused == fields.value(focus) || focused->parentWidget() == fields.value(focus));
        // Only the series check empties its field.
        QCOMPARE(form.TSerino->text(), focus == "TSerino" ? QString() : series);
        QVERIFY(payments().isEmpty());
        QVERIFY(form.isVisible());
    }

    // After a click into "Cari", the arrow keys move from the account that the typed letters
    // complete to, and choose: the chosen account's status shows.
    void cariKeysMoveFromTheCompletion_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("be, Down") << "be" << QList<int> { Qt::Key_Down } << "CAGLAR INSAAT (5)";
        QTest::newRow("al, Down, Down")
            << "al" << QList<int> { Qt::Key_Down, Qt::Key_Down } << "BAYİ (2)";
        QTest::newRow("ga, Up") << "ga" << QList<int> { Qt::Key_Up } << "CAGLAR INSAAT (5)";
    }
    void cariKeysMoveFromTheCompletion()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        QFETCH(QString, chosen);
        addAccount("3", "ALFA TICARET");
        addAccount("4", "BETA LTD");
        addAccount("5", "CAGLAR INSAAT");
        addAccount("6", "GAMA AS");
        addAccount("7", "ISIK GIDA");
        m_fixture->loadLists();
        kx::FOdeme &form = open();
        QTest::mouseClick(form.CCari->lineEdit(), Qt::LeftButton);
        QCOMPARE(kx::ComboBox::of(QApplication::focusWidget()), form.CCari);
        typeText(QApplication::focusWidget(), typed);
        for (int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(form.CCari->Text(), chosen);
        QCOMPARE(form.CCari->List(form.CCari->ListIndex()), chosen);
        QVERIFY(form.LabInfo->text().startsWith(QStringLiteral("Cari Hesap Durumu")));
    }

    // A series pasted into its field is folded as a typed one is.
    void pastedSeriesIsFolded()
    {
        kx::FOdeme &form = open();
        QTest::mouseClick(form.TSerino, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form.TSerino));
        form.TSerino->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("çi"));
        QTest::keyClick(form.TSerino, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form.TSerino->text(), QStringLiteral("CI"));
    }

    // Typing: series letters upper-case, Enter walks on, an amount re-formats when left and
    // the total follows cash and cheque. The save stores what is shown, remembers the series,
    // and leaves the form ready for the next payment of that series.
    void typedPaymentIsStoredAsShown()
    {
        kx::FOdeme &form = open();
        QCOMPARE(form.TSerino->text(), QStringLiteral("A"));
        QCOMPARE(form.TSirano->text(), QStringLiteral("1"));
        form.CBelge->setListIndex(1);
        // The account typed in part, in lower case, and taken with Enter.
        form.CCari->setFocus(Qt::TabFocusReason);
        typeText(QApplication::focusWidget(), QStringLiteral("al"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(form.CCari->ListIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), form.DBelge);
        QCOMPARE(form.LabInfo->text(), QStringLiteral("Cari Hesap Durumu : 100,00 borçludur"));

        retype(form.TSerino, QStringLiteral("şb"));
        QCOMPARE(form.TSerino->text(), QStringLiteral("SB"));
        QTest::keyClick(form.TSerino, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form.TSirano);
        retype(form.TNakit, QStringLiteral("0"));
        retype(form.TCek, QStringLiteral("250"));
        QCOMPARE(form.TYekun->text(), QStringLiteral("250,00"));
        QTest::keyClick(form.TCek, Qt::Key_Return);
        QCOMPARE(form.TCek->text(), QStringLiteral("250,00"));
        QCOMPARE(QApplication::focusWidget(), form.TAciklama);
        typeText(form.TAciklama, QStringLiteral("çek ile"));
        QVERIFY(form.TYekun->isReadOnly());

        QTest::mouseClick(form.BKaydet, Qt::LeftButton);
        QCOMPARE(kx::messageScript().textsOf("popup"), QStringList { Saved });
        const QList<StoredRow> rows = payments();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].series, QStringLiteral("SB"));
        QCOMPARE(rows[0].number, QStringLiteral("1"));
        QCOMPARE(rows[0].cash, QStringLiteral("0,00"));
        QCOMPARE(rows[0].cheque, QStringLiteral("250,00"));
        QCOMPARE(rows[0].total, QStringLiteral("250,00"));
        QCOMPARE(rows[0].note, QStringLiteral("çek ile"));
        QCOMPARE(rows[0].direction, 1);
        QCOMPARE(rows[0].account, m_alici);

        QCOMPARE(form.TSerino->text(), QStringLiteral("SB"));
        QCOMPARE(form.TSirano->text(), QStringLiteral("2"));
        QCOMPARE(form.CCari->ListIndex(), -1);
        QCOMPARE(form.CBelge->ListIndex(), 0);
        QCOMPARE(form.TCek->text(), QStringLiteral("0,00"));
        QCOMPARE(form.TYekun->text(), QStringLiteral("0,00"));
        QVERIFY(form.isVisible());
        // The next form proposes the series and its next number.
        kx::FOdeme &next = open();
        QCOMPARE(next.TSerino->text(), QStringLiteral("SB"));
        QCOMPARE(next.TSirano->text(), QStringLiteral("2"));
    }

    // Clicked into as a user does: a click anywhere in an amount selects it, so the typed
    // amount replaces it; a click on any part of the date, then a whole date, takes that date.
    // "Kaydet" stores both as typed.
    void clickedFieldsTakeWhatIsTyped_data()
    {
        QTest::addColumn<int>("cashCursor");
        QTest::addColumn<int>("dateCursor");
        QTest::addColumn<QString>("date");
        QTest::newRow("left of the amount, day") << 0 << 1 << "15.01.2027";
        QTest::newRow("middle, month") << 2 << 4 << "15.01.2027";
        QTest::newRow("end, year") << 4 << 8 << "15.01.2027";
        QTest::newRow("two-digit year, day") << 0 << 1 << "15.01.27";
    }
    void clickedFieldsTakeWhatIsTyped()
    {
        QFETCH(int, cashCursor);
        QFETCH(int, dateCursor);
        QFETCH(QString, date);
        kx::FOdeme &form = open();
        form.CCari->setListIndex(0);
        form.DBelge->setDateValue(20261211);
        QCOMPARE(form.TNakit->text(), QStringLiteral("0,00"));

        clickAtCursor(form.TNakit, cashCursor);
        typeText(form.TNakit, QStringLiteral("300"));
        QCOMPARE(form.TNakit->text(), QStringLiteral("300"));
        QCOMPARE(form.TYekun->text(), QStringLiteral("300,00"));
        clickAtCursor(innerEdit(form.DBelge), dateCursor);
        QTest::keyClicks(form.DBelge, date);
        QCOMPARE(innerEdit(form.DBelge)->text(), date);
        // A four-digit year is taken at its last keystroke; a two-digit one when the field is
        // read, here by the click on "Kaydet".
        if (date.size() == 10)
            QCOMPARE(form.DBelge->DateText(), date);

        QTest::mouseClick(form.BKaydet, Qt::LeftButton);
        QCOMPARE(kx::messageScript().textsOf("popup"), QStringList { Saved });
        const QList<StoredRow> rows = payments();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].cash, QStringLiteral("300,00"));
        QCOMPARE(rows[0].total, QStringLiteral("300,00"));
        kx::Recordset rs;
        rs.Open("select btarihi from \"1Belge\" where id=?", *kx::state().Conn, { rows[0].id });
        QCOMPARE(rs.Fields(0).toInt(), 20270115);
    }

    // A new payment on a number that payments already hold: No writes nothing, Yes replaces
    // the first of them only. Other kinds' numbers are no duplicates.
    void duplicateNumber_data()
    {
        QTest::addColumn<QList<int>>("olderKinds"); // documents numbered A5 before the save
        QTest::addColumn<int>("answer"); // 0: no question expected
        QTest::addColumn<QList<bool>>("kept"); // per older document
        QTest::addColumn<bool>("saved");

        QTest::newRow("No") << QList<int> { 6 } << int(kx::AnswerNo) << QList<bool> { true }
                            << false;
        QTest::newRow("Yes replaces the first of two")
            << QList<int> { 6, 6 } << int(kx::AnswerYes) << QList<bool> { false, true } << true;
        QTest::newRow("a delivery note's number")
            << QList<int> { 3, 5 } << 0 << QList<bool> { true, true } << true;
    }
    void duplicateNumber()
    {
        QFETCH(QList<int>, olderKinds);
        QFETCH(int, answer);
        QFETCH(QList<bool>, kept);
        QFETCH(bool, saved);
        QList<qint64> older;
        for (int kind : olderKinds)
            older << addDocument({ .bmod = kind,
                                   .cariid = m_alici,
                                   .serino = "A",
                                   .sirano = "5",
                                   .yekun = "10,00" });
        kx::FOdeme &form = open();
        fill(form, 1, QStringLiteral("5"), QStringLiteral("40"));
        if (answer)
            kx::messageScript().answers = { answer };

        QTest::mouseClick(form.BKaydet, Qt::LeftButton);
        QCOMPARE(questions(), answer ? 1 : 0);
        QCOMPARE(kx::messageScript().textsOf("popup"),
                 saved ? QStringList { Saved } : QStringList {});
        kx::Recordset rs;
        for (int i = 0; i < older.size(); ++i) {
            rs.Open("select id from \"1Belge\" where id=?", *kx::state().Conn, { older[i] });
            QCOMPARE(!rs.Eof(), kept[i]);
        }
        rs.Open("select count(*) from \"1Belge\" where bmod=6 and cariid=?", *kx::state().Conn,
                { m_bayi });
        QCOMPARE(rs.Fields(0).toInt(), saved ? 1 : 0);
        // No leaves the entered payment on the form.
        if (!saved)
            QCOMPARE(form.TNakit->text(), QStringLiteral("40,00"));
    }

    // An edited payment is replaced by the saved one, whatever its number now; a number that
    // another payment holds asks, and Yes replaces that one too.
    void editReplaces_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("answer"); // 0: no question expected
        QTest::addColumn<QStringList>("numbersAfter");

        QTest::newRow("own number") << "5" << 0 << QStringList { "9", "5" };
        QTest::newRow("free number") << "6" << 0 << QStringList { "9", "6" };
        QTest::newRow("another's number, Yes") << "9" << int(kx::AnswerYes) << QStringList { "9" };
        QTest::newRow("another's number, No")
            << "9" << int(kx::AnswerNo) << QStringList { "5", "9" };
    }
    void editReplaces()
    {
        QFETCH(QString, number);
        QFETCH(int, answer);
        QFETCH(QStringList, numbersAfter);
        const qint64 edited = stored("5");
        stored("9");
        kx::FOdeme &form = open(edited);
        QCOMPARE(form.editedId(), edited);
        QCOMPARE(form.CCari->ListIndex(), 0);
        QCOMPARE(form.TNakit->text(), QStringLiteral("10,00"));
        QCOMPARE(form.TYekun->text(), QStringLiteral("10,00"));
        form.TSirano->setText(number);
        form.TNakit->setText(QStringLiteral("75,00"));
        if (answer)
            kx::messageScript().answers = { answer };

        QTest::mouseClick(form.BKaydet, Qt::LeftButton);
        QCOMPARE(questions(), answer ? 1 : 0);
        QStringList numbers;
        for (const StoredRow &row : payments())
            numbers << row.number;
        QCOMPARE(numbers, numbersAfter);
        const bool saved = answer != int(kx::AnswerNo);
        QCOMPARE(form.savedEdit(), saved);
        QCOMPARE(form.isVisible(), !saved);
        QCOMPARE(paymentIds().contains(edited), !saved);
        if (saved)
            QCOMPARE(payments().last().cash, QStringLiteral("75,00"));
    }

    // A payment that another computer deleted meanwhile opens no form and says so.
    void editOfVanishedPayment()
    {
        const qint64 gone = stored("5");
        kx::state().Conn->Execute("delete from \"1Belge\" where id=?", { gone });
        kx::messageScript().clear();
        QVERIFY(!kx::ShowPaymentForm(nullptr, gone));
        QCOMPARE(kx::messageScript().textsOf("popup"),
                 QStringList { "Seçilen belge bulunamadı! Listeyi yenileyip tekrar deneyiniz." });
    }
};

// The main window's command opens a new payment whatever window came before it.
class TestPaymentCommand : public QObject
{
    Q_OBJECT

private slots:
    void newPaymentAfterDrillDown()
    {
        EventsWindow env;
        const qint64 account = addAccount("1", "ALICI");
        const qint64 paid = addDocument({ .bmod = 6,
                                          .cariid = account,
                                          .serino = "T",
                                          .sirano = "4",
                                          .yekun = "10,00",
                                          .nakit = "10,00" });
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::AccountStatement);
        w.Grid1->setRows(3);
        w.Grid1->Cell(2, 0).setText("6" + QString::number(paid));
        w.Grid1->Cell(2, 2).setText("T4 - Tahsilat");
        w.Grid1->setRowTag(2, int(kx::ReportRowKind::Data));

        // The drill-down opens the saved documents, which open the payment for editing.
        w.Grid1->Range(2, 0, 2, 2).RangeSelect();
        QCOMPARE(env.closeOpenedWindows([&] { w.Grid1_DblClick(); }),
                 (QStringList { "FOdeme " + QString::number(paid), "FKayitli " }));

        qint64 editedNext = -1;
        QString number;
        QTimer::singleShot(0, [&] {
            if (auto *form = qobject_cast<kx::FOdeme *>(QApplication::activeModalWidget())) {
                editedNext = form->editedId();
                number = form->TSirano->text();
                form->close();
            }
        });
        w.CMBar_Execute(kx::Command::Payment);
        QCOMPARE(editedNext, qint64(0));
        QCOMPARE(number, QStringLiteral("1"));
    }
};

KX_TEST(TestPaymentForm)
KX_TEST(TestPaymentCommand)
#include "tst_payment_form.moc"
