// The login window driven by key presses on a real Data.mdb: passwords, pages, save, ways out.
#include "core/login_form.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/version_check.h"
#include "settings/about_window.h"
#include "tests/support/clicking.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace kx;

namespace {

struct Company
{
    int id;
    QString name;
    QString password;
    QString cash;
    double cashValue;
    int date;
};

const QList<Company> Companies = {
    { 2, QStringLiteral("Birinci Firma"), QStringLiteral("Gizli1"), QStringLiteral("1.234,50"),
      1234.5, 20250115 },
    { 3, QStringLiteral("İkinci Firma"), QStringLiteral("ikinci"), QStringLiteral("250,00"), 250,
      20260301 },
    { 4, QStringLiteral("Üçüncü Firma"), QStringLiteral("ucuncu"), QStringLiteral("0,00"), 0,
      20240601 },
};

// Reads one row through a connection of its own, as another program would see the file.
QVariantMap readRow(const QString &path, const QString &table, int id)
{
    Connection check(QStringLiteral("login_check"));
    check.Open(path);
    Recordset rs;
    rs.Open(QStringLiteral("select * from \"%1\" where id=?").arg(table), check, { id });
    QVariantMap row;
    if (!rs.Eof()) {
        for (const QString &name : rs.fieldNames())
            row.insert(name, rs.Fields(name));
    }
    rs.Close();
    check.Close();
    return row;
}

void pressOnFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key, modifiers);
}

// Turkish letters have no key of their own in QTest; they arrive as typed text.
void typeOnFocus(const QString &text)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(focus, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class TestLoginForm : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<kxtest::Fixture> fixture;
    std::unique_ptr<FGiris> form;

    void showForm()
    {
        form = std::make_unique<FGiris>();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->Text);
    }

    // Company 0 or 1 by the arrow keys, a further one from the list, then the password.
    void logIn(int company, const QString &password, Qt::KeyboardModifiers modifiers)
    {
        if (company == 1)
            QTest::keyClick(form->Text, Qt::Key_Down);
        else if (company > 1)
            form->Combo->setCurrentIndex(company);
        QTest::keyClicks(form->Text, password);
        QTest::keyClick(form->Text, Qt::Key_Return, modifiers);
    }

    void openSettingsPage(int company)
    {
        showForm();
        logIn(company, Companies[company].password, Qt::ControlModifier);
        QCOMPARE(form->TabX->currentIndex(), 1);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<kxtest::Fixture>();
        Connection setup(QStringLiteral("login_setup"));
        setup.Open(fixture->databasePath());
        setup.Execute(QStringLiteral("insert into firmalar (id, firma) values (4, 'x')"));
        for (const Company &c : Companies) {
            setup.Execute(QStringLiteral("update firmalar set firma=?, parola=?, kasa=?, tarih=? "
                                         "where id=?"),
                          { c.name, c.password, c.cash, c.date, c.id });
        }
        setup.Close();
    }
    void cleanup()
    {
        form.reset();
        fixture.reset();
    }

    void loadListsCompaniesAndOpensConn()
    {
        showForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("Giriş"));
        QStringList names;
        for (int i = 0; i < form->Combo->count(); ++i)
            names << form->Combo->itemText(i);
        QCOMPARE(names, QStringList({ Companies[0].name, Companies[1].name, Companies[2].name }));
        QCOMPARE(form->Combo->currentIndex(), 0);
        QCOMPARE(form->TabX->currentIndex(), 0);
        QCOMPARE(form->LabVer->text(),
                 QStringLiteral("Sürüm : ") + QStringLiteral(KANTARIX_VERSION));

        const ModuleState &s = state();
        QVERIFY(s.Conn && s.Conn->IsOpen());
        QVERIFY(s.Conn2 && !s.Conn2->IsOpen());
        QVERIFY(s.Rs && s.Rs2 && !s.Rs2->IsOpen());
        QCOMPARE(s.FirmaRows.recordCount(), 4);
        QVERIFY(s.FirmaAdi.isEmpty());
        QVERIFY(s.TblStok.isEmpty());

        for (int i = 0; i < 3; ++i) {
            QCOMPARE(form->Combo1[i]->count(), 51);
            QCOMPARE(form->Combo1[i]->itemText(18), QStringLiteral("%18"));
        }
        QCOMPARE(form->Combo1[3]->count(), 4);
        QCOMPARE(form->Combo1[3]->itemText(3),
                 QStringLiteral("Kuruş hanesinde virgülden sonra 5 basamak - ##,#####"));
    }

    void login_data()
    {
        QTest::addColumn<int>("company");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("outcome");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("first company, Enter") << 0 << "Gizli1" << none << "closed";
        QTest::newRow("second company by Down arrow") << 1 << "ikinci" << none << "closed";
        QTest::newRow("third company uses the second tables") << 2 << "ucuncu" << none << "closed";
        QTest::newRow("Shift+Enter") << 0 << "Gizli1" << int(Qt::ShiftModifier) << "closed";
        QTest::newRow("Ctrl+Shift+Enter")
            << 1 << "ikinci" << int(Qt::ControlModifier | Qt::ShiftModifier) << "closed";
        QTest::newRow("Ctrl+Alt+Enter")
            << 0 << "Gizli1" << int(Qt::ControlModifier | Qt::AltModifier) << "closed";
        QTest::newRow("Ctrl+Enter, first company") << 0 << "Gizli1" << ctrl << "settings";
        QTest::newRow("Ctrl+Enter, second company") << 1 << "ikinci" << ctrl << "settings";
        QTest::newRow("letter case differs") << 0 << "gizli1" << none << "wrong";
        QTest::newRow("other company's password") << 0 << "ikinci" << none << "wrong";
        QTest::newRow("empty password") << 1 << "" << none << "wrong";
        QTest::newRow("trailing blank") << 0 << "Gizli1 " << none << "wrong";
        QTest::newRow("Ctrl+Enter, wrong password") << 0 << "GIZLI1" << ctrl << "wrong";
    }
    void login()
    {
        QFETCH(int, company);
        QFETCH(QString, typed);
        QFETCH(int, modifiers);
        QFETCH(QString, outcome);
        showForm();
        logIn(company, typed, Qt::KeyboardModifiers(modifiers));
        const ModuleState &s = state();
        const Company &c = Companies[company];

        if (outcome == QLatin1String("wrong")) {
            QVERIFY(form->isVisible());
            QCOMPARE(form->TabX->currentIndex(), 0);
            QVERIFY(form->Text->text().isEmpty());
            QCOMPARE(QApplication::focusWidget(), form->Text);
            QCOMPARE(messageScript().shown.size(), 1);
            QCOMPARE(messageScript().shown.last().text,
                     QStringLiteral("Hatalı şifre girişi yaptınız! Lütfen tekrar deneyiniz..."));
            QCOMPARE(messageScript().shown.last().icon, int(IconError));
            QVERIFY(s.FirmaAdi.isEmpty());
            QVERIFY(s.TblStok.isEmpty());
            return;
        }

        const QString prefix = company == 0 ? QStringLiteral("1") : QStringLiteral("2");
        QCOMPARE(s.FirmaAdi, c.name);
        QCOMPARE(s.FirmaParola, c.password);
        QCOMPARE(s.FirmaId, company + 2);
        QCOMPARE(s.WorkDate.toInt(), c.date);
        QCOMPARE(s.KasaAmount, c.cashValue);
        QCOMPARE(s.TblStok, prefix + "Stok");
        QCOMPARE(s.TblCari, prefix + "Cari");
        QCOMPARE(s.TblBelge, prefix + "Belge");
        QCOMPARE(s.TblCek, prefix + "Cek");
        QCOMPARE(s.TblAyar, prefix + "Ayar");
        QVERIFY(messageScript().shown.isEmpty());

        if (outcome == QLatin1String("closed")) {
            QVERIFY(!form->isVisible());
            QCOMPARE(form->result(), int(QDialog::Accepted));
            QVERIFY(!form->EndRequested);
            return;
        }
        QVERIFY(form->isVisible());
        QCOMPARE(form->TabX->currentIndex(), 1);
        QCOMPARE(form->Text1[0]->text(), c.name);
        QCOMPARE(form->Text1[1]->text(), c.password);
        QCOMPARE(form->Text1[2]->text(), c.cash);
        QCOMPARE(form->Date1->DateValue(), c.date);
        // The delivered settings row 3: rates 1, 10 and 20, two decimals.
        QCOMPARE(form->Combo1[0]->currentIndex(), 1);
        QCOMPARE(form->Combo1[1]->currentIndex(), 10);
        QCOMPARE(form->Combo1[2]->currentIndex(), 20);
        QCOMPARE(form->Combo1[3]->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), form->Text1[0]);
        QCOMPARE(form->Text1[0]->selectedText(), c.name);
        QVERIFY(!s.Rs2->IsOpen());
    }

    void arrowKeysChooseCompany_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("position");
        QTest::newRow("Down") << QList<int> { Qt::Key_Down } << 1;
        QTest::newRow("Down twice stays on the second")
            << QList<int> { Qt::Key_Down, Qt::Key_Down } << 1;
        QTest::newRow("Down then Up") << QList<int> { Qt::Key_Down, Qt::Key_Up } << 0;
        QTest::newRow("Up from the third") << QList<int> { -2, Qt::Key_Up } << 0;
        QTest::newRow("Down from the third") << QList<int> { -2, Qt::Key_Down } << 1;
    }
    void arrowKeysChooseCompany()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, position);
        showForm();
        QTest::keyClicks(form->Text, QStringLiteral("ab"));
        for (int key : keys) {
            if (key < 0)
                form->Combo->setCurrentIndex(-key); // picked from the list
            else
                QTest::keyClick(form->Text, Qt::Key(key));
        }
        QCOMPARE(form->Combo->currentIndex(), position);
        QCOMPARE(form->Text->text(), QStringLiteral("ab"));
        QCOMPARE(QApplication::focusWidget(), form->Text);
    }

    void cashFieldIsFormattedWhenLeft_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("decimal comma") << "1234,5"
                                       << "1.234,50";
        QTest::newRow("negative") << "-12,3"
                                  << "-12,30";
        QTest::newRow("currency word") << "12,50 TL"
                                       << "12,50";
        QTest::newRow("no digits") << "abc"
                                   << "0,00";
        QTest::newRow("rounds to kuruş") << "1.234.567,895"
                                         << "1.234.567,90";
    }
    void cashFieldIsFormattedWhenLeft()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        openSettingsPage(0);
        pressOnFocus(Qt::Key_Tab);
        pressOnFocus(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Text1[2]);
        // Entering the field selected its text, so typing replaces it.
        typeOnFocus(typed);
        QCOMPARE(form->Text1[2]->text(), typed);
        pressOnFocus(Qt::Key_Tab);
        QCOMPARE(form->Text1[2]->text(), shown);
    }

    // A click anywhere in a settings field selects its text, so typing replaces it.
    void clickIntoSettingsFieldSelects_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("left") << "left";
        QTest::newRow("middle") << "middle";
        QTest::newRow("end") << "end";
    }
    void clickIntoSettingsFieldSelects()
    {
        QFETCH(QString, where);
        openSettingsPage(0);
        QLineEdit *cash = form->Text1[2];
        const QString shown = cash->text();
        QVERIFY(shown.size() >= 4);
        const int cursor = where == u"left" ? 0
            : where == u"middle"            ? int(shown.size() / 2)
                                            : int(shown.size());
        kxtest::clickAtCursor(cash, cursor);
        QCOMPARE(QApplication::focusWidget(), cash);
        QCOMPARE(cash->selectedText(), shown);
        typeOnFocus(QStringLiteral("25"));
        QCOMPARE(cash->text(), QStringLiteral("25"));
        pressOnFocus(Qt::Key_Tab);
        QCOMPARE(cash->text(), QStringLiteral("25,00"));
    }

    void settingsSave_data()
    {
        QTest::addColumn<int>("company");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("format");
        QTest::newRow("first company, five decimals") << 0 << 3 << "#,##0.00000";
        QTest::newRow("second company, three decimals") << 1 << 1 << "#,##0.000";
        QTest::newRow("no decimals chosen") << 1 << -1 << "";
    }
    void settingsSave()
    {
        QFETCH(int, company);
        QFETCH(int, decimals);
        QFETCH(QString, format);
        const QString ownAyar = company == 0 ? QStringLiteral("1Ayar") : QStringLiteral("2Ayar");
        const QString otherAyar = company == 0 ? QStringLiteral("2Ayar") : QStringLiteral("1Ayar");
        const int otherId = company == 0 ? 3 : 2;
        const QVariantMap otherCompanyBefore
            = readRow(fixture->databasePath(), "firmalar", otherId);
        const QVariantMap otherAyarBefore = readRow(fixture->databasePath(), otherAyar, 3);
        openSettingsPage(company);

        const QString name = QStringLiteral("Ali'nin Dükkânı");
        typeOnFocus(name);
        pressOnFocus(Qt::Key_Tab);
        typeOnFocus(QStringLiteral("ş'fre 2"));
        pressOnFocus(Qt::Key_Tab);
        typeOnFocus(QStringLiteral("1234,5"));
        pressOnFocus(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Date1);
        QVERIFY(form->Date1->setDateText(QStringLiteral("05.03.2027")));
        form->Combo1[0]->setCurrentIndex(18);
        form->Combo1[1]->setCurrentIndex(8);
        form->Combo1[2]->setCurrentIndex(0);
        form->Combo1[3]->setCurrentIndex(decimals);
        pressOnFocus(Qt::Key_Return, Qt::ControlModifier);

        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(messageScript().shown.last().text,
                 QStringLiteral("Firma bilgileriniz ve ayarlarınız kaydedildi..."));
        QCOMPARE(messageScript().shown.last().icon, int(IconSuccess));

        const QVariantMap row = readRow(fixture->databasePath(), "firmalar", company + 2);
        QCOMPARE(row.value("firma").toString(), name);
        QCOMPARE(row.value("parola").toString(), QStringLiteral("ş'fre 2"));
        QCOMPARE(row.value("kasa").toString(), QStringLiteral("1.234,50"));
        QCOMPARE(row.value("tarih").toInt(), 20270305);
        const QVariantMap ayar = readRow(fixture->databasePath(), ownAyar, 3);
        QCOMPARE(ayar.value("a4").toString(), QStringLiteral("18"));
        QCOMPARE(ayar.value("a5").toString(), QStringLiteral("8"));
        QCOMPARE(ayar.value("a6").toString(), QStringLiteral("0"));
        QCOMPARE(ayar.value("a7").toString(), format);
        QCOMPARE(ayar.value("nedir"),
                 readRow(fixture->databasePath(), otherAyar, 3).value("nedir"));
        QCOMPARE(readRow(fixture->databasePath(), "firmalar", otherId), otherCompanyBefore);
        QCOMPARE(readRow(fixture->databasePath(), otherAyar, 3), otherAyarBefore);

        const ModuleState &s = state();
        QCOMPARE(s.FirmaAdi, name);
        QCOMPARE(s.KasaAmount, 1234.5);
        QCOMPARE(s.WorkDate.toInt(), 20270305);
        // The password in memory stays the one of the login.
        QCOMPARE(s.FirmaParola, Companies[company].password);
        QCOMPARE(s.FirmaId, company + 2);
    }

    // A stored rate that the list cannot show (above 50, negative) shows no entry
    // and is saved back as it was; a rate the user picks is saved as the pick.
    void storedRatesOutsideTheList_data()
    {
        QTest::addColumn<QStringList>("stored"); // a4, a5, a6
        QTest::addColumn<int>("picked"); // Combo1(1) set to this position; -1 none
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<QStringList>("saved");
        QTest::newRow("all outside")
            << QStringList { "60", "51", "-1" } << -1 << QList<int> { -1, -1, -1 }
            << QStringList { "60", "51", "-1" };
        QTest::newRow("one outside, one picked")
            << QStringList { "18", "75", "8" } << 10 << QList<int> { 18, -1, 8 }
            << QStringList { "18", "10", "8" };
    }
    void storedRatesOutsideTheList()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, picked);
        QFETCH(QList<int>, shown);
        QFETCH(QStringList, saved);
        {
            Connection setup(QStringLiteral("rates_setup"));
            setup.Open(fixture->databasePath());
            setup.Execute(QStringLiteral("update \"1Ayar\" set a4=?, a5=?, a6=? where id=3"),
                          { stored.at(0), stored.at(1), stored.at(2) });
            setup.Close();
        }
        openSettingsPage(0);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(form->Combo1[i]->currentIndex(), shown.at(i));
        if (picked >= 0)
            form->Combo1[1]->setCurrentIndex(picked);
        pressOnFocus(Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(!form->isVisible());
        const QVariantMap ayar = readRow(fixture->databasePath(), "1Ayar", 3);
        QCOMPARE((QStringList { ayar.value("a4").toString(), ayar.value("a5").toString(),
                                ayar.value("a6").toString() }),
                 saved);
    }

    void enterOnSettingsPageMovesToNextField()
    {
        openSettingsPage(0);
        const QVariantMap before = readRow(fixture->databasePath(), "firmalar", 2);
        const QList<QWidget *> expected
            = { form->Text1[1], form->Text1[2], form->Date1, form->Combo1[0] };
        for (QWidget *next : expected) {
            pressOnFocus(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QCOMPARE(form->Text1[1]->text(), Companies[0].password);
        QVERIFY(form->isVisible());
        QCOMPARE(readRow(fixture->databasePath(), "firmalar", 2), before);
        QVERIFY(messageScript().shown.isEmpty());
    }

    void escape_data()
    {
        QTest::addColumn<bool>("settingsPage");
        QTest::newRow("login page: nothing happens") << false;
        QTest::newRow("settings page: leaves without saving") << true;
    }
    void escape()
    {
        QFETCH(bool, settingsPage);
        if (settingsPage) {
            openSettingsPage(0);
            typeOnFocus(QStringLiteral("Yeni Ad"));
        } else {
            showForm();
            QTest::keyClicks(form->Text, QStringLiteral("Giz"));
        }
        pressOnFocus(Qt::Key_Escape);

        QCOMPARE(form->isVisible(), !settingsPage);
        QVERIFY(!form->EndRequested);
        QCOMPARE(readRow(fixture->databasePath(), "firmalar", 2).value("firma").toString(),
                 Companies[0].name);
        if (settingsPage) {
            QCOMPARE(form->result(), int(QDialog::Accepted));
            QCOMPARE(state().FirmaAdi, Companies[0].name);
            QCOMPARE(state().TblStok, QStringLiteral("1Stok"));
        } else {
            QCOMPARE(form->Text->text(), QStringLiteral("Giz"));
            QVERIFY(state().FirmaAdi.isEmpty());
        }
    }

    void closeBoxEndsProgram_data()
    {
        QTest::addColumn<bool>("settingsPage");
        QTest::newRow("login page") << false;
        QTest::newRow("settings page, after the login") << true;
    }
    void closeBoxEndsProgram()
    {
        QFETCH(bool, settingsPage);
        if (settingsPage)
            openSettingsPage(1);
        else
            showForm();
        QSignalSpy ends(form.get(), &FGiris::endProgram);
        const QVariantMap before = readRow(fixture->databasePath(), "firmalar", 3);
        QVERIFY(form->close());
        QCOMPARE(ends.size(), 1);
        QVERIFY(form->EndRequested);
        QCOMPARE(form->result(), FGiris::EndProgram);
        QVERIFY(!form->isVisible());
        QCOMPARE(readRow(fixture->databasePath(), "firmalar", 3), before);
    }

    void failedSaveKeepsEverything()
    {
        openSettingsPage(0);
        // The settings table goes away under the open page, so the second update fails.
        state().Conn->Execute(QStringLiteral("drop table \"1Ayar\""));
        typeOnFocus(QStringLiteral("Başka Ad"));
        pressOnFocus(Qt::Key_Return, Qt::ControlModifier);

        QVERIFY(form->isVisible());
        QCOMPARE(messageScript().shown.last().icon, int(IconError));
        QCOMPARE(readRow(fixture->databasePath(), "firmalar", 2).value("firma").toString(),
                 Companies[0].name);
        QCOMPARE(state().FirmaAdi, Companies[0].name);
        QVERIFY(!state().Conn->InTransaction());
    }
};

// Catches what QDesktopServices would hand to the browser or the mail program.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestLoginLinks : public QObject
{
    Q_OBJECT
private slots:
    // The links lead where the main window's help and the about window lead, on the
    // configured web host.
    void initTestCase()
    {
        m_webHost = qgetenv("KANTARIX_WEB_HOST");
        qputenv("KANTARIX_WEB_HOST", "127.0.0.1:8123");
    }
    void cleanupTestCase()
    {
        if (m_webHost.isEmpty())
            qunsetenv("KANTARIX_WEB_HOST");
        else
            qputenv("KANTARIX_WEB_HOST", m_webHost);
    }

    void linksOpenTheirAddresses_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QUrl>("address");
        QTest::newRow("help") << "LinkHELP" << QUrl(kx::helpAddress());
        QTest::newRow("mail") << "LinkINFO" << QUrl("mailto:" + FHakkinda::contactMail());
        QTest::newRow("maker") << "LinkMAKER" << QUrl(FHakkinda::makerAddress());
        QTest::newRow("product") << "LinkKX" << QUrl(FHakkinda::productAddress());
    }
    void linksOpenTheirAddresses()
    {
        QFETCH(QString, link);
        QFETCH(QUrl, address);
        QVERIFY(FGiris::helpAddress().endsWith(QStringLiteral("/yardim.asp")));
        kxtest::Fixture fixture;
        UrlCatcher catcher;
        for (const char *scheme : { "http", "https", "mailto" })
            QDesktopServices::setUrlHandler(scheme, &catcher, "open");
        FGiris form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QLabel *label = link == "LinkHELP" ? form.LinkHELP
            : link == "LinkINFO"           ? form.LinkINFO
            : link == "LinkMAKER"          ? form.LinkMAKER
                                           : form.LinkKX;
        // A point on the link's text, whichever side the label aligns it to.
        const int x = label->alignment() & Qt::AlignRight ? label->width() - 4 : 4;
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(x, label->height() / 2));
        for (const char *scheme : { "http", "https", "mailto" })
            QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(catcher.opened, QList<QUrl> { address });
    }

private:
    QByteArray m_webHost;
};

KX_TEST(TestLoginForm)
KX_TEST(TestLoginLinks)
#include "tst_login.moc"
