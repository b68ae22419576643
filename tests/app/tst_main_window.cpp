// Tests of the main window: start-up, stock-name clean-up, table choice, pages, Enter, resize.
#include "app/main_window.h"
#include "core/cards.h"
#include "core/lists.h"
#include "core/login_form.h"
#include "core/messages.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "panels/type_library.h"
#include "platform/class_registry.h"
#include "platform/grid.h"
#include "platform/ribbon.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace kx;

namespace {

// Points the version check at a port where nothing listens, so a start-up fetches nothing.
void closeTheWeb()
{
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const QByteArray host = "127.0.0.1:" + QByteArray::number(closed.serverPort());
    qputenv("KANTARIX_WEB_HOST", host);
    qputenv("KANTARIX_RATE_HOST", host);
}

QString cardText(const QString &table, qint64 id, const char *column)
{
    Recordset rs;
    rs.Open(QStringLiteral("select %1 from %2 where id=?").arg(column, sqlTable(table)),
            *state().Conn, { id });
    return rs.Fields(0).toString();
}

void setSetting(int row, int column, const QString &value)
{
    state().FieldValues[column] = value;
    ExecUpdate(state().TblAyar, row);
}

// Counts the Enter presses that reach an object.
class EnterCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return)
            ++count;
        return false;
    }
};

// The login is modal: timer answers each one from the event loop with an Enter in its password
// field, running answering first.
void answerLogins(QTimer &timer, const std::function<void()> &answering)
{
    QObject::connect(&timer, &QTimer::timeout, [answering] {
        auto *login = qobject_cast<FGiris *>(QApplication::activeModalWidget());
        if (!login || !login->isVisible() || login->property("answered").toBool())
            return;
        login->setProperty("answered", true);
        answering();
        QTest::keyClick(login->Text, Qt::Key_Return);
    });
    timer.start(10);
}

// Points the class registry at a folder of its own for as long as it lives.
class OwnClassRegistry
{
public:
    OwnClassRegistry()
        : m_before(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", m_folder.path().toLocal8Bit());
    }
    ~OwnClassRegistry() { qputenv("XDG_CONFIG_HOME", m_before); }
    QString path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    QByteArray m_before;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<kxtest::Fixture> m_fixture;

private slots:
    void init()
    {
        m_fixture = std::make_unique<kxtest::Fixture>();
        closeTheWeb();
    }
    void cleanup()
    {
        m_fixture.reset();
        qunsetenv("KANTARIX_WEB_HOST");
        qunsetenv("KANTARIX_RATE_HOST");
    }

    void loadBuildsAnEmptyWindow()
    {
        FMain window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Kantarix"));
        QCOMPARE(state().FMain.data(), &window);
        QVERIFY(window.Grid1->isHidden());
        QVERIFY(window.TabX->isHidden());
        const QStringList tabs { "Kayıtlar", "İrsaliye", "Fatura", "İrsaliyeli Fatura",
                                 "Hesap Ekstresi" };
        for (int i = 0; i < tabs.size(); ++i)
            QCOMPARE(window.TabX->tabText(i), tabs.at(i));
        QCOMPARE(window.LabTotal->text(), QStringLiteral("Toplam Kayıt Sayısı : 0"));
        QCOMPARE(window.LabeL->text(), QStringLiteral("Arama ----"));
    }

    void startUpFoldsStockNamesOnce()
    {
        m_fixture->login(1);
        const qint64 sugar = kxtest::addStock(QStringLiteral("çiğ-1"), QStringLiteral("çiğ şeker"));
        const qint64 plain = kxtest::addStock(QStringLiteral("K2"), QStringLiteral("TUZ"));
        kxtest::addAccount(QStringLiteral("C1"), QStringLiteral("Ali"));
        FMain window;
        window.startAfterLogin();
        QCOMPARE(cardText(QStringLiteral("1Stok"), sugar, "a1"), QStringLiteral("CIG-1"));
        QCOMPARE(cardText(QStringLiteral("1Stok"), sugar, "a2"), QStringLiteral("CIG SEKER"));
        QCOMPARE(cardText(QStringLiteral("1Stok"), plain, "a2"), QStringLiteral("TUZ"));
        QCOMPARE(state().StokVar, QStringLiteral("var"));
        QCOMPARE(state().CariVar, QStringLiteral("var"));
        QCOMPARE(state().StokRows.recordCount(), 2);
        QCOMPARE(state().CurrentPage, 0);
        QVERIFY(window.Grid1->isHidden());
        // The next start finds nothing to change and writes nothing.
        QCOMPARE(cleanStockNames(state().TblStok), 0);
    }

    void cleanUpKeepsNullsAndWritesOnlyChanges()
    {
        m_fixture->login(1);
        const qint64 folded = kxtest::addStock(QStringLiteral("A1"), QStringLiteral("ÇAY"));
        kxtest::addStock(QStringLiteral("B1"), QStringLiteral("SU"));
        state().Conn->Execute(QStringLiteral("update \"1Stok\" set a1=NULL where id=?"),
                              { folded });
        QCOMPARE(cleanStockNames(QStringLiteral("1Stok")), 1);
        Recordset rs;
        rs.Open(QStringLiteral("select a1, a2 from \"1Stok\" where id=?"), *state().Conn,
                { folded });
        QVERIFY(rs.Fields(0).isNull());
        QCOMPARE(rs.Fields(1).toString(), QStringLiteral("CAY"));
        QCOMPARE(cleanStockNames(QStringLiteral("1Stok")), 0);
    }

    void secondCompanyOnTheFirstCompanysCards()
    {
        m_fixture->login(1);
        const qint64 firstCard = kxtest::addStock(QStringLiteral("K1"), QStringLiteral("çay"));
        m_fixture->login(2);
        const qint64 ownCard = kxtest::addStock(QStringLiteral("K9"), QStringLiteral("şeker"));
        LoadLists(true, false, false); // gives the settings row 54
        setSetting(54, 3, QStringLiteral("0"));
        FMain window;
        window.startAfterLogin();
        QCOMPARE(state().TblStok, QStringLiteral("1Stok"));
        QCOMPARE(state().TblCari, QStringLiteral("2Cari"));
        QCOMPARE(state().TblBelge, QStringLiteral("2Belge"));
        // The clean-up ran on the login company's own table only.
        QCOMPARE(cardText(QStringLiteral("2Stok"), ownCard, "a2"), QStringLiteral("SEKER"));
        QCOMPARE(cardText(QStringLiteral("1Stok"), firstCard, "a2"), QStringLiteral("çay"));
        QCOMPARE(state().StokRows.text(2, 0), QStringLiteral("çay"));
    }

    void tableChoice_data()
    {
        QTest::addColumn<int>("firmaId");
        QTest::addColumn<QStringList>("row54"); // a1..a4; empty: the table has no row 54
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("accounts");
        const QStringList upgrade { "0", "0", "1", "1" };
        QTest::newRow("first company, default") << 2 << upgrade << "1Stok"
                                                << "1Cari";
        QTest::newRow("second company, default") << 3 << upgrade << "2Stok"
                                                 << "2Cari";
        QTest::newRow("second on first's stock")
            << 3 << QStringList { "0", "0", "0", "1" } << "1Stok"
            << "2Cari";
        QTest::newRow("first on second's accounts")
            << 2 << QStringList { "0", "2", "1", "1" } << "1Stok"
            << "2Cari";
        QTest::newRow("text values count as 0")
            << 3 << QStringList { "0", "0", "abc", "" } << "1Stok"
            << "1Cari";
        QTest::newRow("no row 54, first company") << 2 << QStringList() << "1Stok"
                                                  << "1Cari";
        QTest::newRow("no row 54, second company") << 3 << QStringList() << "2Stok"
                                                   << "2Cari";
    }
    void tableChoice()
    {
        QFETCH(int, firmaId);
        QFETCH(QStringList, row54);
        RowArray settings(52, row54.isEmpty() ? 53 : 54);
        for (int k = 0; k < row54.size(); ++k)
            settings(k + 2, 53) = row54.at(k);
        state().AyarRows = settings;
        const CardTables tables = chooseCardTables(firmaId);
        QTEST(tables.stock, "stock");
        QTEST(tables.accounts, "accounts");
    }

    void pageLayouts_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("selectMode");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("reportTab");
        QTest::addColumn<QStringList>("titles");
        const QStringList documents { "Dahil",    "Belge",   "Tarih",     "Stok Kodu",
                                      "Stok Adı", "Miktarı", "Barkod No", "Seri No" };
        const QStringList invoice = documents
            + QStringList { "Birim Fiyatı", "KDV'siz Fiyat", "Tutar", "Kdv Oranı", "Kdv Değeri" };
        const QStringList userFields { "Özel Alan 1", "Özel Alan 2", "Özel Alan 3",
                                       "Özel Alan 4", "Özel Alan 5", "Özel Alan 6" };
        QTest::newRow("1 stock list")
            << 1 << 0 << 1 << 5 << ""
            << QStringList { "Stok Kodu",           "Stok Adı",       "KDV Oranı (%)",
                             "Alış Fiyatı",         "Uyarı Seviyesi", "Satış Fiyatı",
                             "Kur Sembolü",         "Birimi",         "D.B.Stok Miktarı",
                             "D.B.Envanter Değeri", "Barkod No",      "Garanti Süresi" }
                + userFields;
        QTest::newRow("2 account list")
            << 2 << 0 << 1 << 5 << ""
            << QStringList { "Cari Kodu",        "Cari Adı",         "Cari Tipi",
                             "Adres Satırı (1)", "Adres Satırı (2)", "Adres Satırı (3)",
                             "E-Posta",          "Vergi Dairesi",    "Vergi Numarası",
                             "D.B.Borcu",        "D.B.Alacağı",      "İskonto (%)" }
                + userFields;
        QTest::newRow("3 delivery note") << 3 << 1 << 0 << 6 << "" << documents;
        QTest::newRow("4 invoice") << 4 << 2 << 0 << 6 << "" << invoice;
        QTest::newRow("5 invoice with lines") << 5 << 3 << 0 << 6 << "" << invoice;
        QTest::newRow("6 account statement")
            << 6 << 4 << 1 << 7 << "0"
            << QStringList { "Tarih/Miktar", "Belge/Ürün",  "Borç/Fiyat",
                             "Alacak",       "Borç Bakiye", "Alacak Bakiye" };
        QTest::newRow("7 price list")
            << 7 << 4 << 1 << 7 << "1"
            << QStringList { "Stok Kodu", "Stok Adı", "Birimi", "Kur Sembolü", "Birim Fiyatı" };
        QTest::newRow("8 cash report")
            << 8 << 4 << 1 << 7 << "2"
            << QStringList { "Tarih", "Belge", "Borç", "Alacak", "Bakiye" };
        QTest::newRow("9 debts and credits")
            << 9 << 4 << 1 << 7 << "3" << QStringList { "Cari", "Borcu", "Alacağı" };
        QTest::newRow("10 VAT report")
            << 10 << 4 << 1 << 7
            << "4" << QStringList { "Tarih",           "Belge",          "G.KDV%1",  "G.KDV%10",
                                    "G.KDV%20",        "Ç.KDV%1",        "Ç.KDV%10", "Ç.KDV%20",
                                    "Belge Tutarı(G)", "Belge Tutarı(Ç)" };
        QTest::newRow("11 stock movements")
            << 11 << 4 << 1 << 7 << "5"
            << QStringList { "Tarih", "Belge", "Cari", "Miktar", "Birim Fiyat" };
        QTest::newRow("12 stock inventory")
            << 12 << 4 << 1 << 7 << "6"
            << QStringList { "Stok", "Stok Miktarı", "Birim Fiyatı", "Stok Değeri" };
        QTest::newRow("13 cheques")
            << 13 << 4 << 0 << 7 << "7"
            << QStringList { "Vade", "Çek No", "Banka / Şube", "Veren", "Alan", "Tutar", "Durum" };
    }
    // The window's look must not hand the panels' fields the application font: the panels'
    // captions were laid out for their own face and would be cut.
    void panelFieldsKeepThePanelFace()
    {
        const QFont before = QApplication::font();
        QFont wide = before;
        wide.setPointSizeF(13);
        QApplication::setFont(wide);
        FMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QWidget *panel : { window.RA1, window.RB1, window.RC1, window.RX1 }) {
            for (QWidget *field : panel->findChildren<QWidget *>()) {
                // The panel's own fields; a combo's drop-down list is a window of its own.
                if (field->objectName().isEmpty() || field->window() != &window)
                    continue;
                field->ensurePolished();
                QVERIFY2(field->font().pointSizeF() == panel->font().pointSizeF(),
                         qPrintable(panel->objectName() + u' ' + field->objectName()));
                QCOMPARE(QFontInfo(field->font()).family(), QFontInfo(panel->font()).family());
            }
        }
        QApplication::setFont(before);
    }
    void pageLayouts()
    {
        QFETCH(int, page);
        QFETCH(int, tab);
        QFETCH(int, selectMode);
        QFETCH(int, context);
        QFETCH(QStringList, titles);
        m_fixture->login(1);
        FMain window;
        window.startAfterLogin();
        // Coming from another page: nothing of it may survive.
        window.ShowPage(page == 4 ? 5 : 4);
        window.ShowPage(page);
        Grid *grid = window.Grid1;
        QCOMPARE(state().CurrentPage, page);
        QCOMPARE(grid->Cols(), int(titles.size()) + 1);
        QCOMPARE(grid->Rows(), 1);
        QStringList shown;
        for (int c = 1; c < grid->Cols(); ++c) {
            shown << grid->Cell(0, c).Text();
            QCOMPARE(grid->Cell(0, c).CellAlignment(), 2);
        }
        QCOMPARE(shown, titles);
        QCOMPARE(grid->ColumnWidth(0), 0);
        QCOMPARE(grid->SelectMode(), selectMode);
        QCOMPARE(grid->ScrollBarsShown(), 3);
        QVERIFY(grid->AutoRedraw());
        QVERIFY(!grid->isHidden() && !window.TabX->isHidden());
        QCOMPARE(window.TabX->currentIndex(), tab);
        // At least the drawn height, and the page's panel whole inside its tab page, down to
        // the information line.
        QVERIFY(window.TabX->height() >= (page >= 3 && page <= 5 ? 248 : 80));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *tabPage = window.TabX->currentWidget();
        QVERIFY2(tabPage->childrenRect().bottom() < tabPage->height(),
                 qPrintable(QString::number(tabPage->childrenRect().bottom())));
        QCOMPARE(grid->y(), window.TabX->y() + window.TabX->height() + 7);
        for (int id = 101; id <= 105; ++id)
            QCOMPARE(window.CMBar->CommandById(id)->CommandChecked(), id - 100 == page);
        for (int group = 5; group <= 7; ++group)
            QCOMPARE(window.CMBar->FindGroup(group)->isHidden(), group != context);
        // Report columns: left 6, right 14; the cheques' due date is a date cell.
        if (page == 13) {
            QCOMPARE(grid->ColumnCellType(1), int(CellTypeDate));
            QCOMPARE(grid->ColumnAlignment(6), 14);
        }
        if (page >= 3 && page <= 5) {
            QCOMPARE(grid->ColumnCellType(1), int(CellTypeCheckBox));
            QCOMPARE(grid->ColumnAlignment(6), 14);
            QCOMPARE(grid->ColumnCellType(2), int(CellTypeText));
        }
    }

    // A save prints with the panel of the selected document tab: each page's own tab must give
    // back that page, and no other tab a document page.
    void documentPageOfTheShownTab()
    {
        m_fixture->login(1);
        FMain window;
        window.startAfterLogin();
        QCOMPARE(window.documentPageOfTab(), int(Page::None));
        for (int page = Page::StockList; page <= Page::Cheques; ++page) {
            window.ShowPage(page);
            QCOMPARE(window.documentPageOfTab(), isDocumentPage(page) ? page : int(Page::None));
        }
    }

    void stockListDrawsTheLoadedRows()
    {
        m_fixture->login(1);
        for (const char *name : { "ELMA", "ARMUT", "KİRAZ" })
            kxtest::addStock(QStringLiteral("K-") + QString::fromUtf8(name),
                             QString::fromUtf8(name), { { 5, QStringLiteral("3") } });
        LoadLists(true, false, false);
        setSetting(1, 5, QStringLiteral("0"));
        setSetting(4, 5, QStringLiteral("150"));
        setSetting(4, 2, QStringLiteral("240"));
        // Typed in the settings window: a width past any screen, and one below zero.
        setSetting(4, 3, QStringLiteral("99999999999"));
        setSetting(4, 4, QStringLiteral("-40"));
        FMain window;
        window.startAfterLogin();
        window.ShowPage(kx::Page::StockList);
        Grid *grid = window.Grid1;
        QCOMPARE(grid->Rows(), 4);
        QVERIFY(grid->isVirtual());
        QCOMPARE(window.LabTotal->text(), QStringLiteral("Toplam Kayıt Sayısı : 3"));
        QCOMPARE(grid->CurrentCell().Row(), 1);
        QCOMPARE(grid->Cell(1, 2).Text(), QStringLiteral("ARMUT"));
        QCOMPARE(grid->Cell(3, 2).Text(), QStringLiteral("KIRAZ"));
        QCOMPARE(grid->Cell(1, 0).Text(), state().StokRows.text(0, 0));
        QCOMPARE(grid->ColumnWidth(5), 0);
        QCOMPARE(grid->ColumnWidth(2), 240);
        QCOMPARE(grid->ColumnWidth(3), 32767);
        QCOMPARE(grid->ColumnWidth(4), 0);
        QCOMPARE(grid->ColumnAlignment(3), 12);
        QCOMPARE(grid->ColumnAlignment(1), 4);
    }

    void emptyAccountListAndHiddenUserFields()
    {
        m_fixture->login(1);
        LoadLists(true, false, false);
        for (int c = 13; c <= 18; ++c)
            setSetting(2, c, QStringLiteral("0"));
        for (int c = 19; c <= 24; ++c)
            setSetting(2, c, QString());
        FMain window;
        window.startAfterLogin();
        window.ShowPage(kx::Page::AccountList);
        QCOMPARE(window.Grid1->Rows(), 1);
        QCOMPARE(window.LabTotal->text(), QStringLiteral("Toplam Kayıt Sayısı : 0"));
        for (int c = 13; c <= 18; ++c) {
            QCOMPARE(window.Grid1->Cell(0, c).Text(), QString());
            QCOMPARE(window.Grid1->ColumnWidth(c), 0);
        }
        QVERIFY(window.Grid1->ColumnWidth(12) > 0);
    }

    void barcodeAndSerialSwitches_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("barcode");
        QTest::addColumn<QString>("serial");
        QTest::newRow("3 both off") << 3 << "1"
                                    << "1";
        QTest::newRow("4 barcode on") << 4 << "0"
                                      << "1";
        QTest::newRow("5 both on") << 5 << "0"
                                   << "0";
    }
    void barcodeAndSerialSwitches()
    {
        QFETCH(int, page);
        QFETCH(QString, barcode);
        QFETCH(QString, serial);
        m_fixture->login(1);
        LoadLists(true, false, false);
        setSetting(3, 2, barcode);
        setSetting(3, 3, serial);
        setSetting(page + 3, 7, QStringLiteral("77"));
        setSetting(page + 3, 8, QStringLiteral("88"));
        FMain window;
        window.startAfterLogin();
        window.ShowPage(page);
        QCOMPARE(window.Grid1->ColumnWidth(7), barcode == "1" ? 0 : 77);
        QCOMPARE(window.Grid1->ColumnWidth(8), serial == "1" ? 0 : 88);
    }

    void enterRule_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("reachesGrid");
        QTest::newRow("stock list") << 1 << false;
        QTest::newRow("delivery note") << 3 << false;
        QTest::newRow("report") << 8 << false;
        QTest::newRow("cheques") << 13 << true;
    }
    void enterRule()
    {
        QFETCH(int, page);
        QFETCH(bool, reachesGrid);
        m_fixture->login(1);
        FMain window;
        window.startAfterLogin();
        window.ShowPage(page);
        EnterCounter counter;
        window.Grid1->installEventFilter(&counter);
        QTest::keyClick(window.Grid1, Qt::Key_Return);
        QCOMPARE(counter.count, reachesGrid ? 1 : 0);
        // Other keys pass.
        QTest::keyClick(window.Grid1, Qt::Key_Down);
    }

    void firstActivationLogsInAndStarts()
    {
        m_fixture->login(1);
        const qint64 card = kxtest::addStock(QStringLiteral("k1"), QStringLiteral("şeker"));
        state().Conn->Close();
        state().Conn2->Close();
        resetState(); // as a fresh process: no company chosen yet

        FMain window;
        int loginsShown = 0;
        // The login is modal: answer it from the event loop with an Enter in its password field.
        QTimer answer;
        answerLogins(answer, [&] { ++loginsShown; });
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(state().StokVar == QLatin1String("var"), 10000);
        QCOMPARE(loginsShown, 1);
        QCOMPARE(state().FirmaAdi, QStringLiteral("Birinci Firma"));
        QCOMPARE(cardText(QStringLiteral("1Stok"), card, "a2"), QStringLiteral("SEKER"));
        QCOMPARE(state().CurrentPage, 0);
        // Later activations find the company chosen and show no login.
        window.activateWindow();
        QTest::qWait(50);
        QCOMPARE(loginsShown, 1);
    }

    // Panels that the library cannot give leave empty places; the user is told once, naming
    // them in their order, when the window stands after the login, and the program works on:
    // the stock list shows. Registered to a file that is no library, a panel cannot be made;
    // one not registered comes from the library beside the program.
    void panelsNotMadeAreTold_data()
    {
        QTest::addColumn<QStringList>("broken");
        QTest::addColumn<QString>("names");
        QTest::newRow("no library to load")
            << QStringList { "RA", "RB", "RC", "RX" } << "RA, RB, RC, RX";
        QTest::newRow("two of four") << QStringList { "RB", "RX" } << "RB, RX";
    }
    void panelsNotMadeAreTold()
    {
        QFETCH(QStringList, broken);
        QFETCH(QString, names);
        OwnClassRegistry registry;
        const QString noLibrary = registry.path() + "/libbelgepano.so";
        QFile file(noLibrary);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("no library\n");
        file.close();
        ClassRegistryContents contents;
        for (const belgepano::ControlClassInfo &info : belgepano::ControlClasses) {
            if (broken.contains(QLatin1String(info.name)))
                contents.classes.append({ QLatin1String(info.progId),
                                          QLatin1String(info.classId),
                                          {},
                                          {},
                                          noLibrary,
                                          QLatin1String(belgepano::TypeLibraryId) });
        }
        QVERIFY(writeClassRegistry(contents));

        m_fixture->login(1);
        kxtest::addStock(QStringLiteral("K1"), QStringLiteral("ELMA"));
        state().Conn->Close();
        state().Conn2->Close();
        resetState(); // as a fresh process: no company chosen yet
        messageScript().shown.clear();
        FMain window;
        for (QWidget *panel : { window.RA1, window.RB1, window.RC1, window.RX1 }) {
            const bool made = !broken.contains(panel->objectName().left(2));
            QCOMPARE(panel->metaObject()->className() != QByteArray("QWidget"), made);
        }
        // The first activation logs in (answered with an Enter) and starts; nothing is told
        // while the login is up.
        qsizetype toldBeforeLogin = -1;
        QTimer answer;
        answerLogins(answer, [&] { toldBeforeLogin = messageScript().shown.size(); });
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(state().StokVar == QLatin1String("var"), 10000);
        QCOMPARE(toldBeforeLogin, 0);
        QTRY_COMPARE(messageScript().shown.size(), 1);
        const MessageRecord told = messageScript().shown.first();
        QCOMPARE(told.kind, QStringLiteral("popup"));
        QCOMPARE(told.icon, int(IconError));
        QCOMPARE(told.text,
                 "Belge panelleri oluşturulamadı (" + names
                     + ")! Panel kitaplığını belgepano-register ile kaydedip programı yeniden "
                       "başlatınız.");

        // Once: showing the window again tells nothing more.
        window.hide();
        window.show();
        window.ShowPage(kx::Page::StockList);
        QCOMPARE(window.Grid1->Rows(), 2);
        QCOMPARE(window.Grid1->Cell(1, 2).Text(), QStringLiteral("ELMA"));
        QTest::qWait(20);
        QCOMPARE(messageScript().shown.size(), 1);
    }

    void activationAfterLoginDoesNothing()
    {
        m_fixture->login(1);
        FMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::qWait(20);
        QVERIFY(!window.findChild<QDialog *>());
        QCOMPARE(state().CurrentPage, 0);
    }

    void staysMaximised()
    {
        m_fixture->login(1);
        FMain window;
        window.showNormal();
        QTRY_VERIFY(window.windowState() & Qt::WindowMaximized);
        window.showMinimized();
        window.showNormal();
        QTRY_VERIFY(window.windowState() & Qt::WindowMaximized);
        window.startAfterLogin();
        window.ShowPage(kx::Page::StockList);
        QTRY_COMPARE(window.Grid1->width(), window.width() - 20);
    }
};

KX_TEST(TestMainWindow)

#include "tst_main_window.moc"
