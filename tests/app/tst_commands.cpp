// Command dispatch of the main window: the rights of other computers and the page-bound commands.
#include "app/card_editor.h"
#include "app/main_window.h"
#include "app/panel_loader.h"
#include "app/ribbon_menu.h"
#include "core/document_panels.h"
#include "core/messages.h"
#include "core/rights.h"
#include "core/state.h"
#include "core/version_check.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/grid.h"
#include "platform/ribbon.h"
#include "platform/zip.h"
#include "tests/app/events_window.h"
#include "tests/core/document_view.h"
#include "tests/support/builders.h"
#include "tests/support/clicking.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"
#include "tests/support/page_server.h"
#include "tests/support/report_checks.h"
#include "tests/support/typing.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace kxtest;

namespace {

const QString NoPermissionText
    = QStringLiteral("Kantarix'nin kurulu olduğu ana bilgisayardaki ayarlara göre;\r\n"
                     "bu menüye erişim izniniz bulunmamaktadır!");

int noPermissionNotices()
{
    int count = 0;
    for (const kx::MessageRecord &record : kx::messageScript().shown)
        count += record.text == NoPermissionText ? 1 : 0;
    return count;
}

// Every row of the documents table, read back: what a refused path must leave.
QStringList documentRows()
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select id, bmod, belgeid, serino, sirano, nakit, yekun, stokid from "
                           "\"1Belge\" order by id"),
            *kx::state().Conn);
    QStringList rows;
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList row;
        for (int c = 0; c < 8; ++c)
            row << rs.Fields(c).toString();
        rows << row.join(u'|');
    }
    return rows;
}

QStringList paymentFields(const kx::FOdeme &form)
{
    return { form.CBelge->Text(), form.TSerino->text(),    form.TSirano->text(),
             form.CCari->Text(),  form.DBelge->DateText(), form.TNakit->text(),
             form.TCek->text(),   form.TYekun->text(),     form.TAciklama->text() };
}

} // namespace

class TestRights : public QObject
{
    Q_OBJECT

private slots:
    void rightOfColumn_data()
    {
        QTest::addColumn<bool>("mainComputer");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("granted");

        QTest::newRow("main computer ignores 0")
            << true << int(kx::RightSaveDocument) << "0" << true;
        QTest::newRow("main computer ignores empty")
            << true << int(kx::RightSettings) << "" << true;
        QTest::newRow("one grants") << false << int(kx::RightNewStock) << "1" << true;
        QTest::newRow("other number grants") << false << int(kx::RightEditCari) << "2,5" << true;
        QTest::newRow("leading blank") << false << int(kx::RightDeleteStock) << " 1" << true;
        QTest::newRow("zero refuses") << false << int(kx::RightSaveDocument) << "0" << false;
        QTest::newRow("zero point zero") << false << int(kx::RightSavedDocuments) << "0.0" << false;
        QTest::newRow("empty refuses") << false << int(kx::RightSettings) << "" << false;
        QTest::newRow("word refuses") << false << int(kx::RightDeleteCari) << "evet" << false;
    }
    void rightOfColumn()
    {
        QFETCH(bool, mainComputer);
        QFETCH(int, column);
        QFETCH(QString, stored);
        QFETCH(bool, granted);

        Fixture fixture;
        fixture.login(1);
        kx::state().Conn->Execute(
            QStringLiteral("update \"1Ayar\" set a%1=? where id=53").arg(column), { stored });
        fixture.loadLists();
        kx::state().MainComputer = mainComputer;

        QCOMPARE(kx::HasRight(column), granted);
        QCOMPARE(noPermissionNotices(), 0);
        QCOMPARE(kx::CheckRight(column), granted);
        QCOMPARE(noPermissionNotices(), granted ? 0 : 1);
    }

    // Each column guards only itself: refusing one leaves its neighbours granted.
    void columnsAreSeparate()
    {
        Fixture fixture;
        fixture.login(1);
        kx::state().Conn->Execute(
            QStringLiteral("update \"1Ayar\" set a1='1',a2='1',a3='1',a4='1',a5='1',a6='1',"
                           "a7='0',a8='1',a9='1' where id=53"));
        fixture.loadLists();
        kx::state().MainComputer = false;
        for (int column = kx::RightNewStock; column <= kx::RightSettings; ++column)
            QCOMPARE(kx::HasRight(column), column != kx::RightSaveDocument);
    }
};

KX_TEST(TestRights)

// Receives the addresses that the program opens with the desktop services.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestCommandDispatch : public QObject
{
    Q_OBJECT

    QStringList accounts = { "ALI", "BEKIR", "CEMAL", "DURSUN", "ERKAN" };

    void addCards(int accountCount = 5)
    {
        for (int i = 0; i < accountCount; ++i)
            addAccount(QString::number(i + 1), accounts.at(i));
        addStock("1", "VIDA");
        addStock("2", "SOMUN");
    }
    static int countWhere(const QString &sql)
    {
        kx::Recordset rs;
        rs.Open(sql, *kx::state().Conn);
        return rs.RecordCount();
    }
    static QList<kx::ComboBox *> accountLists(kx::FMain &w)
    {
        QList<kx::ComboBox *> lists;
        for (QObject *panel : { static_cast<QObject *>(w.RA1), static_cast<QObject *>(w.RB1),
                                static_cast<QObject *>(w.RC1), static_cast<QObject *>(w.RX1) })
            lists << qobject_cast<kx::ComboBox *>(kx::panelField(panel, "XCCari"));
        return lists;
    }

    // The ribbon's new-card command, the editor filled with the name and saved, no further card.
    static void saveNewCard(kx::FMain &w, int command, const QString &name)
    {
        const bool stock = command == 121;
        kx::messageScript().answers = { kx::AnswerNo };
        QTimer::singleShot(0, [name, stock] {
            auto *editor = qobject_cast<kx::F1Pop *>(QApplication::activeModalWidget());
            if (!editor)
                return;
            editor->Text1(stock ? 1 : 19)->setText(name);
            editor->Btn1C_Click();
        });
        w.CMBar_Execute(command);
    }
    // The panels with a stock list, or with an account list.
    static QList<QObject *> panelsListing(kx::FMain &w, bool stock)
    {
        QList<QObject *> panels = { w.RA1, w.RC1, w.RX1 };
        if (!stock)
            panels << w.RB1;
        return panels;
    }

private slots:
    void init() { kx::messageScript().clear(); }

    // Each guarded command, refused when its own column is 0 and run when it is 1 (all other
    // columns then 0), off the main computer.
    void rights_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("editorKind"); // the card editor's kind when granted, else 0

        QTest::newRow("121 new stock on the account list") << 121 << 2 << 1 << 1;
        QTest::newRow("122 new account on the stock list") << 122 << 1 << 4 << 2;
        QTest::newRow("141 new on the stock list") << 141 << 1 << 1 << 1;
        QTest::newRow("141 new on the account list") << 141 << 2 << 4 << 2;
        QTest::newRow("142 edit stock") << 142 << 1 << 2 << 1;
        QTest::newRow("142 edit account") << 142 << 2 << 5 << 2;
        QTest::newRow("143 delete stock") << 143 << 1 << 3 << 0;
        QTest::newRow("143 delete account") << 143 << 2 << 6 << 0;
        QTest::newRow("151 save a delivery note") << 151 << 3 << 7 << 0;
        QTest::newRow("151 save an invoice") << 151 << 5 << 7 << 0;
        QTest::newRow("153 saved documents") << 153 << 4 << 8 << 0;
        QTest::newRow("108 settings") << 108 << 1 << 9 << 0;
    }
    void rights()
    {
        QFETCH(int, command);
        QFETCH(int, page);
        QFETCH(int, column);
        QFETCH(int, editorKind);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(page);
        const int liveAccounts = countWhere("select id from \"1Cari\" where silindi=0");
        const int liveStock = countWhere("select id from \"1Stok\" where silindi=0");

        // Refused: the notice and nothing else; no question, no window, nothing written.
        env.setRights({ column });
        kx::messageScript().clear();
        kx::messageScript().answers = { kx::AnswerYes };
        kx::state().PopKind = 0;
        w.CMBar_Execute(command);
        QCOMPARE(env.shownTexts(), QStringList { NoPermissionText });
        QCOMPARE(kx::messageScript().answers.size(), 1);
        QCOMPARE(kx::state().PopKind, 0);
        QCOMPARE(countWhere("select id from \"1Cari\" where silindi=0"), liveAccounts);
        QCOMPARE(countWhere("select id from \"1Stok\" where silindi=0"), liveStock);
        QCOMPARE(countWhere("select id from \"1Belge\""), 0);

        // Granted by its own column alone.
        QList<int> others;
        for (int c = 1; c <= 9; ++c)
            if (c != column)
                others << c;
        env.setRights(others);
        kx::messageScript().clear();
        kx::messageScript().answers = { kx::AnswerNo };
        // The card editor, the settings and the saved documents are modal windows.
        if (editorKind || command == 108 || command == 153)
            env.closeNextModal();
        w.CMBar_Execute(command);
        QCOMPARE(noPermissionNotices(), 0);
        QCOMPARE(kx::state().PopKind, editorKind);
    }

    // The other ways to the saved documents and to saving or removing a document ask the same
    // rights as the commands: refused, only the notice, with the report, the form or the list
    // left as they were and nothing stored or deleted; granted, the path works.
    void guardedPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("column");

        QTest::newRow("drill-down, account statement") << "statement" << 8;
        QTest::newRow("drill-down, VAT report") << "vat" << 8;
        QTest::newRow("drill-down, stock movements") << "movements" << 8;
        QTest::newRow("payment form, new, same number as a stored one") << "payment" << 7;
        QTest::newRow("payment form, a saved payment") << "saved payment" << 7;
        QTest::newRow("İptal Et in Kayıtlı Belgeler") << "cancel" << 7;
    }
    void guardedPaths()
    {
        QFETCH(QString, path);
        QFETCH(int, column);
        EventsWindow env;
        const qint64 stock = addStock("1", "VIDA");
        const qint64 account = addAccount("1", "ALICI");
        const qint64 invoice = addDocument({ .bmod = 5,
                                             .cariid = account,
                                             .serino = "F",
                                             .sirano = "7",
                                             .kdv1 = "69,15",
                                             .yekun = "414,90" });
        for (const char *price : { "100,00", "245,75" })
            addLine(invoice, { .stokid = stock, .stokadi = "VIDA", .birimfiyat = price });
        // As another program may have stored it: the form shows it unformatted.
        const qint64 payment = addDocument({ .bmod = 6,
                                             .cariid = account,
                                             .serino = "T",
                                             .sirano = "1",
                                             .yekun = "10",
                                             .nakit = "10",
                                             .cek = "0,00" });
        const QString invoiceKey = QStringLiteral("5") + QString::number(invoice);
        kx::FMain &w = env.start();

        const bool drillDown = column == kx::RightSavedDocuments;
        if (path == QLatin1String("statement")) {
            w.ShowPage(kx::Page::AccountStatement);
            combo(w.RX1, "XCCari")->setListIndex(0);
        } else if (path == QLatin1String("vat")) {
            w.ShowPage(kx::Page::VatReport);
        } else if (path == QLatin1String("movements")) {
            w.ShowPage(kx::Page::StockMovements);
            combo(w.RX1, "XCStok")->setListIndex(0);
        } else if (path != QLatin1String("payment")) {
            w.ShowPage(kx::Page::DeliveryNote);
        }
        if (drillDown)
            w.CMBar_Execute(kx::Command::ShowReport);
        const int page = kx::state().CurrentPage;
        int reportRow = -1;
        for (int r = 1; drillDown && r < w.Grid1->Rows(); ++r)
            if (w.Grid1->Cell(r, 0).Text() == invoiceKey)
                reportRow = r;
        QVERIFY(!drillDown || reportRow > 0);

        for (const bool granted : { false, true }) {
            env.setRights(granted ? QList<int>() : QList<int> { column });
            kx::messageScript().clear();
            kx::messageScript().answers = { kx::AnswerYes };
            const QStringList rowsBefore = documentRows();
            const QStringList gridBefore = gridTexts(w.Grid1);
            QStringList opened;
            QStringList formBefore, formAfter;
            bool formOpenAfter = false;
            int listRowsBefore = -1, listRowsAfter = -1;
            int panelAccount = -1;

            // In the payment form once it is up: its fields, Kaydet clicked, its fields.
            const auto saveInForm = [&] {
                QTimer::singleShot(0, [&] {
                    auto *form = qobject_cast<kx::FOdeme *>(QApplication::activeModalWidget());
                    if (!form)
                        return;
                    opened << QStringLiteral("FOdeme");
                    if (form->editedId() == 0) {
                        form->CCari->setListIndex(0);
                        form->TSerino->setFocus(Qt::TabFocusReason);
                        form->TSerino->selectAll();
                        typeText(form->TSerino, QStringLiteral("T"));
                        QTest::keyClick(form->TSerino, Qt::Key_Tab);
                        form->TSirano->selectAll();
                        typeText(form->TSirano, QStringLiteral("1"));
                        form->TNakit->setFocus(Qt::TabFocusReason);
                        form->TNakit->selectAll();
                        typeText(form->TNakit, QStringLiteral("25"));
                        QTest::keyClick(form->TNakit, Qt::Key_Tab);
                    }
                    formBefore = paymentFields(*form);
                    QTest::mouseClick(form->BKaydet, Qt::LeftButton);
                    formOpenAfter = form->isVisible();
                    formAfter = paymentFields(*form);
                    if (formOpenAfter)
                        form->close();
                });
            };

            if (drillDown) {
                opened = env.closeOpenedWindows([&] { doubleClickCell(w.Grid1, reportRow, 2); });
            } else if (path == QLatin1String("payment")) {
                saveInForm();
                w.CMBar_Execute(kx::Command::Payment);
            } else {
                QTimer::singleShot(0, [&] {
                    auto *list = qobject_cast<kx::FKayitli *>(QApplication::activeModalWidget());
                    if (!list)
                        return;
                    list->CCariX->setListIndex(0);
                    const QString key = path == QLatin1String("cancel")
                        ? invoiceKey
                        : QStringLiteral("6") + QString::number(payment);
                    int row = -1;
                    for (int r = 1; r < list->Grid1->Rows(); ++r)
                        if (list->Grid1->Cell(r, 0).Text() == key)
                            row = r;
                    if (path == QLatin1String("saved payment"))
                        saveInForm();
                    clickCell(list->Grid1, row, 2);
                    if (path == QLatin1String("cancel")) {
                        listRowsBefore = list->Grid1->Rows();
                        QTest::mouseClick(list->BDel, Qt::LeftButton);
                        listRowsAfter = list->Grid1->Rows();
                        panelAccount = kx::fieldIndex(w.RC1, "XCCari");
                    }
                    list->close();
                });
                w.CMBar_Execute(kx::Command::SavedDocuments);
            }

            const QStringList questions = kx::messageScript().textsOf(QStringLiteral("question"));
            if (!granted) {
                QCOMPARE(env.shownTexts(), QStringList { NoPermissionText });
                QCOMPARE(kx::messageScript().answers.size(), 1);
                QCOMPARE(documentRows(), rowsBefore);
                QVERIFY(kx::state().PendingDocKey.isEmpty());
                if (drillDown) {
                    QVERIFY(opened.isEmpty());
                    QCOMPARE(kx::state().CurrentPage, page);
                    QCOMPARE(gridTexts(w.Grid1), gridBefore);
                } else if (path == QLatin1String("cancel")) {
                    QCOMPARE(listRowsAfter, listRowsBefore);
                    QCOMPARE(panelAccount, 0); // the picked invoice stays in its panel
                } else {
                    QCOMPARE(opened, QStringList { "FOdeme" });
                    QVERIFY(formOpenAfter);
                    QCOMPARE(formAfter, formBefore);
                }
                continue;
            }

            QCOMPARE(noPermissionNotices(), 0);
            if (drillDown) {
                QCOMPARE(opened, QStringList { "FKayitli " + invoiceKey });
            } else if (path == QLatin1String("cancel")) {
                QCOMPARE(questions,
                         QStringList { "Seçili belgeyi iptal etmek istediğinize emin misiniz?" });
                QCOMPARE(listRowsAfter, listRowsBefore - 1);
                QCOMPARE(countWhere(QStringLiteral("select id from \"1Belge\" where id=%1 or "
                                                   "belgeid=%1")
                                        .arg(invoice)),
                         0);
            } else {
                QCOMPARE(kx::messageScript().lastPopupText(),
                         QStringLiteral("Belge kaydedildi..."));
                // The new payment took the stored one's number and replaced it, after the
                // question; the edited one is written anew and its form closes.
                const bool edited = path == QLatin1String("saved payment");
                QCOMPARE(questions.size(), edited ? 0 : 1);
                QCOMPARE(formOpenAfter, !edited);
                QCOMPARE(countWhere(
                             QStringLiteral("select id from \"1Belge\" where id=%1").arg(payment)),
                         0);
                QCOMPARE(countWhere(QStringLiteral("select id from \"1Belge\" where bmod=6 and "
                                                   "nakit='%1'")
                                        .arg(edited ? "10,00" : "25,00")),
                         1);
            }
        }
    }

    // "Döviz Kuru / Yeni Sürüm Kontrol" with the rate file missing on the web host: online, the
    // report names the failure and the rate pane keeps its placeholder; offline, nothing.
    void rateCheckCommand_data()
    {
        QTest::addColumn<bool>("online");
        QTest::newRow("online") << true;
        QTest::newRow("offline") << false;
    }
    void rateCheckCommand()
    {
        QFETCH(bool, online);
        EventsWindow env;
        kx::FMain &w = env.start();
        PageServer server;
        server.setPage(QStringLiteral("/kx3/kxver.html"), "un = a/un pw = b/pw vrs = 0!");
        qputenv("KANTARIX_WEB_HOST", server.host().toUtf8());
        qputenv("KANTARIX_RATE_HOST", server.host().toUtf8());
        kx::messageScript().clear();
        kx::messageScript().suppressNotices = true;
        kx::onlineOverride() = online;
        w.CMBar_Execute(kx::Command::CheckRatesAndVersion);
        kx::onlineOverride().reset();
        QCOMPARE(env.shownTexts(),
                 online
                     ? QStringList { "Döviz bilgileri alınamadı!\r\nEn güncel sürüm kullanımda..." }
                     : QStringList());
        QCOMPARE(server.requests(QStringLiteral("/kurlar/today.xml")), online ? 1 : 0);
        QCOMPARE(w.findChild<kx::RibbonStatusBar *>()->PaneText(1), kx::RatePlaceholder);
        QVERIFY(kx::state().RateUsdBuy.isEmpty());
    }

    // Record, document and report commands off their own page do nothing and say nothing,
    // rights not even asked.
    void pageBoundOffTheirPage_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("page");

        QTest::newRow("141 on a delivery note") << 141 << 3;
        QTest::newRow("142 on a report") << 142 << 6;
        QTest::newRow("143 on an invoice") << 143 << 4;
        QTest::newRow("143 on the cheques") << 143 << 13;
        QTest::newRow("151 on the stock list") << 151 << 1;
        QTest::newRow("151 on a report") << 151 << 9;
        QTest::newRow("152 on the account list") << 152 << 2;
        QTest::newRow("153 on the stock list") << 153 << 1;
        QTest::newRow("161 on a delivery note") << 161 << 3;
        QTest::newRow("163 on the account list") << 163 << 2;
    }
    void pageBoundOffTheirPage()
    {
        QFETCH(int, command);
        QFETCH(int, page);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(page);
        env.setRights({ 1, 2, 3, 4, 5, 6, 7, 8, 9 });
        kx::messageScript().clear();
        kx::messageScript().answers = { kx::AnswerYes };
        kx::state().PopKind = 0;
        const int rows = w.Grid1->Rows();

        w.CMBar_Execute(command);
        QVERIFY(kx::messageScript().shown.isEmpty());
        QCOMPARE(kx::messageScript().answers.size(), 1);
        QCOMPARE(kx::state().PopKind, 0);
        QCOMPARE(kx::state().CurrentPage, page);
        QCOMPARE(w.Grid1->Rows(), rows);
    }

    // The tabs follow the page: a tab clicked by hand is put back, so a delete on the account
    // list cannot reach another table, and a delivery note's commands stay off the list.
    void tabClickedByHand()
    {
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::DeliveryNote);
        QTabBar *tabs = w.TabX->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        QCOMPARE(w.TabX->currentIndex(), 1);
        kx::messageScript().answers = { kx::AnswerYes };
        w.CMBar_Execute(kx::Command::DeleteCard);
        QCOMPARE(kx::messageScript().answers.size(), 1);
        QCOMPARE(countWhere("select id from \"1Cari\" where silindi=1"), 0);

        w.ShowPage(kx::Page::AccountList);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(w.TabX->currentIndex(), 0);
        w.TabX->setCurrentIndex(4);
        QCOMPARE(w.TabX->currentIndex(), 0);
        kx::messageScript().clear();
        w.CMBar_Execute(kx::Command::SaveDocument);
        QVERIFY(kx::messageScript().shown.isEmpty());
    }

    // Ctrl+S on the account list: the chosen account is soft-deleted and leaves the grid and
    // the four panels' account lists at the same place; the stock lists stay.
    void softDeleteAccount_data()
    {
        QTest::addColumn<int>("accountCount");
        QTest::addColumn<int>("row");

        QTest::newRow("third of five") << 5 << 3;
        QTest::newRow("fifth of five, the last row") << 5 << 5;
        QTest::newRow("first of five") << 5 << 1;
        QTest::newRow("the only account") << 1 << 1;
    }
    void softDeleteAccount()
    {
        QFETCH(int, accountCount);
        QFETCH(int, row);
        EventsWindow env;
        addCards(accountCount);
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::AccountList);
        w.Grid1->Range(row, 0, row, 18).RangeSelect();
        const QString id = w.Grid1->Cell(row, 0).Text();
        QCOMPARE(w.Grid1->Cell(row, 2).Text(), accounts.at(row - 1));
        const int stockEntries = kx::fieldCount(w.RA1, "XCStok");
        kx::messageScript().clear();
        kx::messageScript().answers = { kx::AnswerYes };

        QTest::keyClick(w.Grid1, Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(kx::messageScript().shown.first().text,
                 QStringLiteral("Bu kaydı silmek istediğinize emin misiniz?"));
        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Kayıt silindi!"));
        QCOMPARE(countWhere("select id from \"1Cari\" where silindi=1 and id=" + id), 1);
        const QStringList left
            = accounts.mid(0, accountCount)
                  .filter(QRegularExpression("^(?!" + accounts.at(row - 1) + "$)"));
        QCOMPARE(w.Grid1->Rows(), accountCount);
        QCOMPARE(w.LabTotal->text(),
                 QStringLiteral("Toplam Kayıt Sayısı : ") + QString::number(accountCount - 1));
        for (int r = 1; r < w.Grid1->Rows(); ++r)
            QCOMPARE(w.Grid1->Cell(r, 2).Text(), left.at(r - 1));
        for (kx::ComboBox *list : accountLists(w)) {
            QVERIFY(list);
            QCOMPARE(list->ListCount(), accountCount - 1);
            for (int i = 0; i < list->ListCount(); ++i)
                QVERIFY(list->List(i).startsWith(left.at(i) + " ("));
        }
        QCOMPARE(kx::fieldCount(w.RA1, "XCStok"), stockEntries);
        if (accountCount > 1)
            QCOMPARE(w.Grid1->CurrentCell().Row(), qMin(row, accountCount - 1));
    }

    // An account made meanwhile on another computer moves the reloaded rows: after the delete
    // every panel's entry i is still row i, the account that choosing it takes.
    void softDeleteAfterCardMadeElsewhere()
    {
        EventsWindow env;
        addCards(3);
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::AccountList);
        w.Grid1->Range(2, 0, 2, 18).RangeSelect();
        addAccount("9", "AAA YENI");
        kx::messageScript().answers = { kx::AnswerYes };

        QTest::keyClick(w.Grid1, Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Kayıt silindi!"));
        const QStringList entries = kx::cardEntries(kx::state().CariRows);
        QCOMPARE(entries.size(), 3);
        QVERIFY(entries.first().startsWith("AAA YENI"));
        for (kx::ComboBox *list : accountLists(w)) {
            QStringList shown;
            for (int i = 0; i < list->ListCount(); ++i)
                shown << list->List(i);
            QCOMPARE(shown, entries);
        }
        QCOMPARE(w.Grid1->Rows(), 4);
    }

    void deleteAnsweredNo()
    {
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::StockList);
        w.Grid1->Range(2, 0, 2, 18).RangeSelect();
        kx::messageScript().answers = { kx::AnswerNo };
        w.CMBar_Execute(kx::Command::DeleteCard);
        QCOMPARE(countWhere("select id from \"1Stok\" where silindi=1"), 0);
        QCOMPARE(w.Grid1->Rows(), 3);
        QCOMPARE(kx::fieldCount(w.RC1, "XCStok"), 2);
    }

    // A new card saved from the editor lands in the list page and in every panel list at its
    // place in name order, so that choosing an entry still picks the card it names.
    void newCardFollowsIntoListsAndPanels_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("place");

        QTest::newRow("account sorting first") << 122 << 2 << "AAA FIRMA" << 0;
        QTest::newRow("account sorting in between") << 141 << 2 << "CAN" << 2;
        QTest::newRow("stock from the account list") << 121 << 2 << "PUL" << 0;
    }
    void newCardFollowsIntoListsAndPanels()
    {
        QFETCH(int, command);
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(int, place);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(page);
        const bool stock = command == 121;
        const int rowsBefore = w.Grid1->Rows();
        saveNewCard(w, command, name);

        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Kayıt oluşturuldu..."));
        const char *property = stock ? "XCStok" : "XCCari";
        const QList<QObject *> panels = panelsListing(w, stock);
        const kx::RowArray &rows = stock ? kx::state().StokRows : kx::state().CariRows;
        for (QObject *panel : panels) {
            QCOMPARE(kx::fieldCount(panel, property), rows.recordCount());
            QVERIFY(kx::fieldItem(panel, property, place).startsWith(name + " ("));
            for (int i = 0; i < rows.recordCount(); ++i)
                QVERIFY(kx::fieldItem(panel, property, i).startsWith(rows.text(2, i) + " ("));
        }
        // The account list on screen grows only by an account.
        QCOMPARE(w.Grid1->Rows(), rowsBefore + (stock ? 0 : 1));
        QCOMPARE(w.LabTotal->text(),
                 QStringLiteral("Toplam Kayıt Sayısı : ") + QString::number(w.Grid1->Rows() - 1));
        if (!stock)
            QCOMPARE(w.Grid1->Cell(place + 1, 2).Text(), name);
    }

    // An account renamed through the ribbon's edit moves to its new place in name order: the
    // list page and every panel list follow, and the count stays.
    void editedCardFollowsIntoListsAndPanels()
    {
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::AccountList);
        w.Grid1->Range(1, 0, 1, 18).RangeSelect();
        const QString total = w.LabTotal->text();
        QTimer::singleShot(0, [] {
            auto *editor = qobject_cast<kx::F1Pop *>(QApplication::activeModalWidget());
            if (!editor)
                return;
            editor->Text1(19)->setText(QStringLiteral("ZEKI"));
            editor->Btn1C_Click();
        });
        w.CMBar_Execute(kx::Command::EditCard);

        QCOMPARE(kx::messageScript().lastPopupText(),
                 QStringLiteral("Değişiklikler kaydedildi..."));
        QVERIFY(kx::state().F1Pop.isNull());
        const int last = w.Grid1->Rows() - 1;
        QCOMPARE(last, accounts.size());
        QCOMPARE(w.Grid1->Cell(1, 2).Text(), QStringLiteral("BEKIR"));
        QCOMPARE(w.Grid1->Cell(last, 2).Text(), QStringLiteral("ZEKI"));
        QCOMPARE(w.LabTotal->text(), total);
        for (kx::ComboBox *list : accountLists(w)) {
            QCOMPARE(list->ListCount(), accounts.size());
            QCOMPARE(list->List(0), QStringLiteral("BEKIR (2)"));
            QCOMPARE(list->List(last - 1), QStringLiteral("ZEKI (1)"));
        }
    }

    // Edit and delete need a chosen row: without one they say so and change nothing.
    void editOrDeleteWithoutARow_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("emptyList");
        QTest::addColumn<QString>("message");
        const QString edit = QStringLiteral("Önce listeden düzenlemek istediğiniz kaydı seçiniz!");
        const QString remove = QStringLiteral("Önce listeden silmek istediğiniz kaydı seçiniz!");
        QTest::newRow("edit, no stock card at all") << 142 << 1 << true << edit;
        QTest::newRow("edit, no account row chosen") << 142 << 2 << false << edit;
        QTest::newRow("delete, no stock card at all") << 143 << 1 << true << remove;
        QTest::newRow("delete, no account row chosen") << 143 << 2 << false << remove;
    }
    void editOrDeleteWithoutARow()
    {
        QFETCH(int, command);
        QFETCH(int, page);
        QFETCH(bool, emptyList);
        QFETCH(QString, message);
        EventsWindow env;
        if (!emptyList)
            addCards();
        kx::FMain &w = env.start();
        w.ShowPage(page);
        w.Grid1->selectionModel()->clear();
        QCOMPARE(w.Grid1->CurrentCell().Row(), 0);
        const int rows = w.Grid1->Rows();
        kx::messageScript().clear();
        kx::messageScript().answers = { kx::AnswerYes };
        kx::state().PopKind = 0;
        w.CMBar_Execute(command);
        QCOMPARE(env.shownTexts(), QStringList { message });
        QCOMPARE(kx::messageScript().shown.first().icon, int(kx::IconError));
        QCOMPARE(kx::messageScript().answers.size(), 1);
        QCOMPARE(kx::state().PopKind, 0);
        QCOMPARE(w.Grid1->Rows(), rows);
        QCOMPARE(countWhere("select id from \"1Cari\" where silindi=1"), 0);
        QCOMPARE(countWhere("select id from \"1Stok\" where silindi=1"), 0);
    }

    // A card saved from the ribbon while a document or report page is open: the refilled
    // panel lists keep their chosen cards (found again by id), and a typed text with no choice,
    // without raising their events again.
    void newCardKeepsThePanelsChoices_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("name");
        QTest::newRow("account sorting first, on a delivery note") << 3 << 122 << "AAA";
        QTest::newRow("account sorting in between, on an invoice") << 4 << 122 << "CAN";
        QTest::newRow("stock sorting first, on an invoice with lines") << 5 << 121 << "AHSAP";
        QTest::newRow("stock, on the stock movements report") << 11 << 121 << "ZIMBA";
    }
    void newCardKeepsThePanelsChoices()
    {
        QFETCH(int, page);
        QFETCH(int, command);
        QFETCH(QString, name);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(page);
        const bool stock = command == 121;
        const char *property = stock ? "XCStok" : "XCCari";
        const QList<QObject *> panels = panelsListing(w, stock);
        const kx::RowArray &before = stock ? kx::state().StokRows : kx::state().CariRows;
        // Every list chooses another card; RA's list holds a typed text instead.
        QMap<QObject *, qint64> chosen;
        for (int i = 0; i < panels.size(); ++i) {
            auto *list = qobject_cast<kx::ComboBox *>(kx::panelField(panels.at(i), property));
            if (panels.at(i) == w.RA1) {
                list->setText(QStringLiteral("YAZILAN"));
                continue;
            }
            const int record = (i + 1) % list->ListCount();
            list->setListIndex(record);
            chosen.insert(panels.at(i), before.value(0, record).toLongLong());
        }
        int events = 0;
        for (QObject *panel : panels)
            kx::ConnectPanelEvent(panel, stock ? "CStokCL" : "CCariCL", &w, [&] { ++events; });
        saveNewCard(w, command, name);

        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Kayıt oluşturuldu..."));
        const kx::RowArray &after = stock ? kx::state().StokRows : kx::state().CariRows;
        for (QObject *panel : panels) {
            auto *list = qobject_cast<kx::ComboBox *>(kx::panelField(panel, property));
            QCOMPARE(list->ListCount(), after.recordCount());
            if (panel == w.RA1) {
                QCOMPARE(list->ListIndex(), -1);
                QCOMPARE(list->Text(), QStringLiteral("YAZILAN"));
                continue;
            }
            QVERIFY(list->ListIndex() >= 0);
            QCOMPARE(after.value(0, list->ListIndex()).toLongLong(), chosen.value(panel));
            QCOMPARE(list->Text(), list->List(list->ListIndex()));
        }
        QCOMPARE(events, 0);
    }

    // Closing the main window with the backup drive present writes the exit backup of the
    // closed database; a backup that fails is told, on a window that takes no more commands.
    void closingMakesTheExitBackup_data()
    {
        QTest::addColumn<bool>("blocked");
        QTest::newRow("drive present") << false;
        QTest::newRow("backup folder blocked") << true;
    }
    void closingMakesTheExitBackup()
    {
        QFETCH(bool, blocked);
        EventsWindow env;
        addCards();
        QTemporaryDir drive;
        QVERIFY(drive.isValid());
        if (blocked) {
            QFile file(drive.filePath(QStringLiteral("Yedekler")));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        kx::FMain &w = env.start();
        w.backupVolumes = [&drive] {
            return QList<kx::Volume> { { drive.path(), QStringLiteral("KANTARIX") } };
        };
        kx::messageScript().clear();
        w.close();
        QVERIFY(!kx::state().Conn->IsOpen());
        const QStringList archives
            = QDir(drive.filePath(QStringLiteral("Yedekler"))).entryList({ "*.zip" }, QDir::Files);
        if (blocked) {
            QVERIFY(archives.isEmpty());
            QCOMPARE(kx::messageScript().shown.size(), 1);
            QCOMPARE(kx::messageScript().shown.first().icon, int(kx::IconError));
            QVERIFY(!w.isEnabled());
            return;
        }
        QCOMPARE(archives.size(), 1);
        QVERIFY(kx::messageScript().shown.isEmpty());
        QVERIFY(kx::zipEntryNames(drive.filePath("Yedekler/" + archives.first()))
                    .contains(QStringLiteral("Data.mdb")));
    }

    // Closing the main window closes the connection; without a backup drive nothing is shown.
    void closingTheWindow()
    {
        EventsWindow env;
        kx::FMain &w = env.start();
        QVERIFY(kx::state().Conn->IsOpen());
        w.close();
        QVERIFY(!kx::state().Conn->IsOpen());
        QVERIFY(kx::messageScript().shown.isEmpty());
    }

    void helpOpensTheProductPage()
    {
        EventsWindow env;
        kx::FMain &w = env.start();
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("http", &catcher, "open");
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        w.CMBar_Execute(kx::Command::Help);
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened.first().path(), QStringLiteral("/yardim.asp"));
        QCOMPARE(catcher.opened.first().host(), QStringLiteral("127.0.0.1"));
    }

    // Settings and about come up modally into their instance slots; the command returns once
    // they have closed.
    void settingsAndAboutWindows_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("window");

        QTest::newRow("108 settings") << 108 << "kx::FAyar";
        QTest::newRow("110 about") << 110 << "kx::FHakkinda";
    }
    void settingsAndAboutWindows()
    {
        QFETCH(int, command);
        QFETCH(QString, window);
        EventsWindow env;
        kx::FMain &w = env.start();
        QString shown;
        bool inSlot = false;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            shown = QString::fromLatin1(modal->metaObject()->className());
            inSlot = modal == kx::state().FAyar || modal == kx::state().FHakkinda;
            modal->close();
        });
        w.CMBar_Execute(command);
        QCOMPARE(shown, window);
        QVERIFY(inSlot);
        QTRY_VERIFY(!kx::state().FAyar && !kx::state().FHakkinda);
    }
};

KX_TEST(TestCommandDispatch)

#include "tst_commands.moc"
