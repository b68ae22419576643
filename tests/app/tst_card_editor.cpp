// The card editor: new and edited cards of both kinds, refusals, Enter, the fold and the amounts.
#include "app/card_editor.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/state.h"
#include "tests/support/builders.h"
#include "tests/support/clicking.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

constexpr int Stock = 1;
constexpr int Account = 2;

QString tableOf(int kind)
{
    return kind == Stock ? kx::state().TblStok : kx::state().TblCari;
}

// Columns a1 to a18 of a card as stored.
QStringList storedCard(int kind, qint64 id)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select * from \"%1\" where id=?").arg(tableOf(kind)), *kx::state().Conn,
            { id });
    QStringList columns;
    if (rs.RecordCount() == 1) {
        for (int k = 1; k <= kx::CardFieldCount; ++k)
            columns << rs.Fields(QStringLiteral("a%1").arg(k)).toString();
    }
    return columns;
}

// The main grid's row of a card: id, then a1 to a18.
QStringList gridRow(int kind, qint64 id)
{
    return QStringList { QString::number(id) } + storedCard(kind, id);
}

int cardCount(int kind)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select id from \"%1\"").arg(tableOf(kind)), *kx::state().Conn);
    return rs.RecordCount();
}

qint64 newestId(int kind)
{
    kx::Recordset rs;
    rs.Open(QStringLiteral("select max(id) from \"%1\"").arg(tableOf(kind)), *kx::state().Conn);
    return rs.Fields(0).toLongLong();
}

QList<kx::MessageRecord> popups()
{
    return kx::messageScript().popups();
}

// Types text as key presses into the field with the focus, letters beyond Latin-1 included.
void type(const QString &text)
{
    for (const QChar c : text) {
        QWidget *target = QApplication::focusWidget();
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
    }
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

} // namespace

class TestCardEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<kxtest::Fixture> m_fixture;
    std::unique_ptr<kx::F1Pop> m_window;

    // Shows the editor as the ribbon command does, without blocking the test.
    void open(int kind, const QString &mode, const QStringList &selected = {})
    {
        kx::state().PopKind = kind;
        kx::state().PopMode = mode;
        m_window = std::make_unique<kx::F1Pop>(selected);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void focusField(int index)
    {
        m_window->field(index)->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), m_window->field(index));
    }

    // Replaces a field's text by typing, as the user does after entering it.
    void retype(int index, const QString &text)
    {
        focusField(index);
        m_window->Text1(index)->selectAll();
        press(Qt::Key_Backspace);
        type(text);
    }

    void clickSave() { QTest::mouseClick(m_window->Btn1C(), Qt::LeftButton); }

private slots:
    void init()
    {
        m_fixture = std::make_unique<kxtest::Fixture>();
        m_fixture->login(1);
        kx::ModuleState &s = kx::state();
        s.PriceFormat = QStringLiteral("#,##0.00");
        s.NumberFormat = QStringLiteral("#,##0.00");
        s.KdvOrani1 = 1;
        s.KdvOrani2 = 10;
        s.KdvOrani3 = 20;
        kx::LoadLists(true, true, true);
    }

    void cleanup()
    {
        m_window.reset();
        m_fixture.reset();
    }

    void layout_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("frameCaption");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("stock") << Stock << QStringLiteral("Stok Bilgileri")
                               << QStringList { "Stok Kodu",         "Stok Adı",
                                                "KDV Oranı (%)",     "Alış Fiyatı",
                                                "Uyarı Seviyesi",    "Satış Fiyatı",
                                                "Kur Sembolü",       "Birimi",
                                                "D.B. Stok Miktarı", "D.B. Envanter Değeri",
                                                "Barkod No",         "Garanti Süresi" };
        QTest::newRow("account") << Account << QStringLiteral("Cari Bilgileri")
                                 << QStringList { "Cari Kodu",        "Cari Adı",
                                                  "Cari Cinsi",       "Adres Satırı (1)",
                                                  "Adres Satırı (2)", "Adres Satırı (3)",
                                                  "E-Posta",          "Vergi Dairesi",
                                                  "Vergi Numarası",   "D.B. Borcu",
                                                  "D.B. Alacağı",     "İskonto (%)" };
    }
    void layout()
    {
        QFETCH(int, kind);
        QFETCH(QString, frameCaption);
        QFETCH(QStringList, captions);
        kx::state().AyarRows(20, kind - 1) = QStringLiteral("Raf");
        kx::state().AyarRows(25, kind - 1) = QStringLiteral("Renk");
        open(kind, QStringLiteral("y"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Yeni Kayıt"));
        QVERIFY(m_window->Frame(kind - 1)->isVisible());
        QVERIFY(!m_window->Frame(2 - kind)->isVisible());
        QCOMPARE(m_window->Frame(kind - 1)->title(), frameCaption);
        const int first = (kind - 1) * kx::CardFieldCount;
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(m_window->Label1(first + i)->text(), captions.at(i));
        QCOMPARE(m_window->Label1(first + 12)->text(), QStringLiteral("Raf"));
        QCOMPARE(m_window->Label1(first + 17)->text(), QStringLiteral("Renk"));
        // Fields stand one under another in field order, tab order following them.
        for (int i = first + 1; i < first + kx::CardFieldCount; ++i)
            QVERIFY(m_window->field(i)->y() > m_window->field(i - 1)->y());
        QCOMPARE(m_window->Btn1C()->text(), QStringLiteral("Kaydet"));
        QCOMPARE(m_window->Btn1D()->text(), QStringLiteral("İptal"));
    }

    void lists_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("VAT rates") << 2 << QStringList { "1", "10", "20" };
        QTest::newRow("currency") << 6 << QStringList { "TL", "USD", "AVRO" };
        QTest::newRow("unit") << 7 << QStringList { "Adet",  "KG",    "M2",   "M3",    "Metre",
                                                    "Litre", "Paket", "Koli", "Çuval", "Sayfa" };
        QTest::newRow("warranty") << 11 << QStringList { "Yok",   "1 Ay",  "2 Ay",   "3 Ay",
                                                         "6 Ay",  "12 Ay", "2 Yıl",  "3 Yıl",
                                                         "4 Yıl", "5 Yıl", "6 Yıl",  "7 Yıl",
                                                         "8 Yıl", "9 Yıl", "10 Yıl", "Ömür Boyu" };
        QTest::newRow("account kind")
            << 20 << QStringList { "Müşteri", "Satıcı", "Banka", "Personel" };
    }
    void lists()
    {
        QFETCH(int, index);
        QFETCH(QStringList, entries);
        open(index < kx::CardFieldCount ? Stock : Account, QStringLiteral("y"));
        QComboBox *combo = m_window->Combo1(index);
        QVERIFY(combo);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        QCOMPARE(shown, entries);
        QCOMPARE(combo->currentIndex(), 0);
    }

    // A new card typed in with the keyboard and saved with the mouse, then No to another.
    void newCard_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("stock") << Stock << QStringLiteral("çiğ şeker")
                               << QStringList { "1",  "CIG SEKER", "1", "0,00", "0", "0,00",
                                                "TL", "Adet",      "0", "0,00", "",  "Yok",
                                                "",   "",          "",  "",     "",  "" };
        QTest::newRow("account") << Account << QStringLiteral("öztürk ltd.")
                                 << QStringList {
                                        "1",    "OZTURK LTD.", "Müşteri", "", "", "", "", "", "",
                                        "0,00", "0,00",        "0",       "", "", "", "", "", ""
                                    };
    }
    void newCard()
    {
        QFETCH(int, kind);
        QFETCH(QString, typedName);
        QFETCH(QStringList, stored);
        open(kind, QStringLiteral("y"));
        QSignalSpy saved(m_window.get(), &kx::F1Pop::cardSaved);
        const int first = (kind - 1) * kx::CardFieldCount;
        QCOMPARE(m_window->Text1(first)->text(), QStringLiteral("1"));

        focusField(first + 1);
        type(typedName);
        press(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), m_window->field(first + 2));
        kx::messageScript().answers = { kx::AnswerNo };
        clickSave();

        QCOMPARE(cardCount(kind), 1);
        QCOMPARE(storedCard(kind, newestId(kind)), stored);
        QCOMPARE(popups().size(), 1);
        QCOMPARE(popups().first().text, QStringLiteral("Kayıt oluşturuldu..."));
        QCOMPARE(popups().first().icon, int(kx::IconSuccess));
        QCOMPARE(kx::messageScript().shown.last().text,
                 QStringLiteral("Başka kayıt eklemek istiyor musunuz?"));
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.first(), (QVariantList { kind, true }));
        const kx::RowArray &live = kind == Stock ? kx::state().StokRows : kx::state().CariRows;
        QCOMPARE(live.text(2, 0), stored.at(1));
        QVERIFY(!m_window->isVisible());
    }

    void editCard_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("stock") << Stock;
        QTest::newRow("account") << Account;
    }
    void editCard()
    {
        QFETCH(int, kind);
        const kxtest::CardFields fields = kind == Stock
            ? kxtest::CardFields { { 3, "10" },   { 4, "12,50" },  { 7, "USD" },
                                   { 8, "Koli" }, { 12, "2 Yıl" }, { 13, "Raf 4" } }
            : kxtest::CardFields {
                  { 3, "Banka" }, { 4, "Cad. 5" }, { 10, "1.500,00" }, { 18, "Not" }
              };
        const qint64 id = kind == Stock ? kxtest::addStock("1024", "VIDA M8", fields)
                                        : kxtest::addAccount("C7", "ACAR TİCARET", fields);
        kx::LoadLists(false, true, true);
        const QStringList before = storedCard(kind, id);
        open(kind, QStringLiteral("e"), gridRow(kind, id));
        QSignalSpy saved(m_window.get(), &kx::F1Pop::cardSaved);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Kayıt Düzenleme"));

        const int first = (kind - 1) * kx::CardFieldCount;
        for (int i = 0; i < kx::CardFieldCount; ++i) {
            QWidget *field = m_window->field(first + i);
            const QString shown = m_window->Text1(first + i)
                ? m_window->Text1(first + i)->text()
                : m_window->Combo1(first + i)->currentText();
            QVERIFY2(shown == before.at(i), qPrintable(field->objectName()));
        }

        retype(first + 1, QStringLiteral("yeni ad"));
        kx::messageScript().answers = { kx::AnswerYes }; // must stay unused after an edit
        clickSave();
        QCOMPARE(kx::messageScript().answers.size(), 1);

        QStringList expected = before;
        expected[1] = QStringLiteral("YENI AD");
        QCOMPARE(storedCard(kind, id), expected);
        QCOMPARE(cardCount(kind), 1);
        QCOMPARE(popups().size(), 1);
        QCOMPARE(popups().first().text, QStringLiteral("Değişiklikler kaydedildi..."));
        QCOMPARE(kx::messageScript().shown.size(), 1); // no question after an edit
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.first(), (QVariantList { kind, false }));
        QVERIFY(!m_window->isVisible());
    }

    // A stored list text that is no longer an entry shows no entry, and a save of other
    // changes keeps it instead of wiping it.
    void editKeepsUnlistedChoice()
    {
        const qint64 id = kxtest::addStock("5", "CIVATA", { { 3, "18" }, { 8, "Düzine" } });
        open(Stock, QStringLiteral("e"), gridRow(Stock, id));
        QCOMPARE(m_window->Combo1(2)->currentIndex(), -1);
        QCOMPARE(m_window->Combo1(7)->currentIndex(), -1);
        retype(10, QStringLiteral("869"));
        clickSave();
        const QStringList stored = storedCard(Stock, id);
        QCOMPARE(stored.at(2), QStringLiteral("18"));
        QCOMPARE(stored.at(7), QStringLiteral("Düzine"));
        QCOMPARE(stored.at(10), QStringLiteral("869"));
    }

    void editSelectsLastEqualEntry()
    {
        kx::state().KdvOrani2 = 20;
        const qint64 id = kxtest::addStock("5", "CIVATA", { { 3, "20" } });
        open(Stock, QStringLiteral("e"), gridRow(Stock, id));
        QCOMPARE(m_window->Combo1(2)->currentIndex(), 2);
    }

    void codeProposal_data()
    {
        QTest::addColumn<QStringList>("liveCodes");
        QTest::addColumn<QStringList>("deletedCodes");
        QTest::addColumn<QString>("proposal");
        QTest::newRow("grouped thousand")
            << QStringList { "7", "12", "A5", "1.000" } << QStringList {} << QStringLiteral("1001");
        QTest::newRow("no digits")
            << QStringList { "ABC", "X-Y" } << QStringList {} << QStringLiteral("1");
        QTest::newRow("deleted not counted")
            << QStringList { "3" } << QStringList { "900" } << QStringLiteral("4");
        QTest::newRow("long numeric code")
            << QStringList { "8690000000001" } << QStringList {} << QStringLiteral("8690000000002");
    }
    void codeProposal()
    {
        QFETCH(QStringList, liveCodes);
        QFETCH(QStringList, deletedCodes);
        QFETCH(QString, proposal);
        for (const QString &code : liveCodes)
            kxtest::addAccount(code, QStringLiteral("CARI ") + code);
        for (const QString &code : deletedCodes)
            kxtest::addAccount(code, QStringLiteral("ESKI ") + code, {}, true);
        open(Account, QStringLiteral("y"));
        QCOMPARE(m_window->Text1(18)->text(), proposal);
    }

    // Each refusal shows its message with the error icon, puts the focus on the field and
    // writes nothing; the window stays open with what was typed.
    void refusals_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focused");
        QTest::newRow("blank name, blank code") << "y"
                                                << " "
                                                << "  "
                                                << "Kayıt adını giriniz!" << 1;
        QTest::newRow("blank code") << "y"
                                    << "   "
                                    << "VIDA"
                                    << "Kayıt kodunu giriniz!" << 0;
        QTest::newRow("code of a live card") << "y"
                                             << "100"
                                             << "VIDA"
                                             << "Kod değeri daha eski bir kayıtta kullanımda!" << 0;
        QTest::newRow("edit to another card's code")
            << "e"
            << "100"
            << "SOMUN"
            << "Kod değeri daha eski bir kayıtta kullanımda!" << 0;
    }
    void refusals()
    {
        QFETCH(QString, mode);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(int, focused);
        kxtest::addStock("100", "PUL");
        const qint64 edited = kxtest::addStock("200", "SOMUN");
        const QStringList before = storedCard(Stock, edited);
        open(Stock, mode, mode == "e" ? gridRow(Stock, edited) : QStringList {});
        retype(0, code);
        retype(1, name);
        kx::messageScript().answers = { kx::AnswerNo }; // must stay unused: nothing was saved
        clickSave();

        QCOMPARE(kx::messageScript().answers.size(), 1);
        QCOMPARE(popups().size(), 1);
        QCOMPARE(popups().first().text, message);
        QCOMPARE(popups().first().icon, int(kx::IconError));
        QCOMPARE(QApplication::focusWidget(), m_window->field(focused));
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->Text1(0)->text(), code);
        QCOMPARE(cardCount(Stock), 2);
        QCOMPARE(storedCard(Stock, edited), before);
    }

    // Codes only live cards hold count: a deleted card's code may be reused, and a card keeps
    // its own code.
    void acceptedCodes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("code");
        QTest::newRow("code of a deleted card") << "y"
                                                << "300";
        QTest::newRow("edit keeping its own code") << "e"
                                                   << "200";
    }
    void acceptedCodes()
    {
        QFETCH(QString, mode);
        QFETCH(QString, code);
        kxtest::addStock("300", "ESKI", {}, true);
        const qint64 edited = kxtest::addStock("200", "SOMUN");
        open(Stock, mode, mode == "e" ? gridRow(Stock, edited) : QStringList {});
        retype(0, code);
        retype(1, QStringLiteral("CIVATA"));
        kx::messageScript().answers = { kx::AnswerNo };
        clickSave();
        QCOMPARE(popups().first().icon, int(kx::IconSuccess));
        QCOMPARE(cardCount(Stock), mode == "e" ? 2 : 3);
    }

    // Yes to another card: the same window loads again, lists once, defaults back, a new
    // proposal that counts the card just saved, the focus on the name.
    void anotherCard()
    {
        kxtest::addStock("41", "KABLO");
        open(Stock, QStringLiteral("y"));
        QCOMPARE(m_window->Text1(0)->text(), QStringLiteral("42"));
        retype(1, QStringLiteral("PRIZ"));
        retype(3, QStringLiteral("7,5"));
        m_window->Combo1(7)->setCurrentIndex(3);
        kx::messageScript().answers = { kx::AnswerYes };
        clickSave();

        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->Text1(0)->text(), QStringLiteral("43"));
        QCOMPARE(m_window->Text1(1)->text(), QString());
        QCOMPARE(m_window->Text1(3)->text(), QStringLiteral("0,00"));
        QCOMPARE(m_window->Combo1(7)->currentIndex(), 0);
        QCOMPARE(m_window->Combo1(7)->count(), 10);
        QCOMPARE(m_window->Combo1(11)->count(), 16);
        QCOMPARE(QApplication::focusWidget(), m_window->field(1));
        QCOMPARE(storedCard(Stock, newestId(Stock)).mid(0, 4),
                 (QStringList { "42", "PRIZ", "1", "7,50" }));
    }

    // Enter in a card field moves on in tab order and neither types nor saves; on the last
    // field it reaches "Kaydet", and there it saves.
    void enterKey_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("stock") << Stock;
        QTest::newRow("account") << Account;
    }
    void enterKey()
    {
        QFETCH(int, kind);
        open(kind, QStringLiteral("y"));
        const int first = (kind - 1) * kx::CardFieldCount;
        focusField(first);
        kx::messageScript().answers = { kx::AnswerNo }; // must stay unused: nothing is saved
        QStringList before;
        for (int i = first; i < first + kx::CardFieldCount; ++i)
            before << (m_window->Text1(i) ? m_window->Text1(i)->text()
                                          : m_window->Combo1(i)->currentText());
        for (int i = first; i < first + kx::CardFieldCount; ++i) {
            QCOMPARE(QApplication::focusWidget(), m_window->field(i));
            press(Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), m_window->Btn1C());
        // Neither button stands as the window's default while the fields were walked.
        QVERIFY(!m_window->Btn1C()->isDefault());
        QVERIFY(!m_window->Btn1D()->isDefault());
        QStringList after;
        for (int i = first; i < first + kx::CardFieldCount; ++i)
            after << (m_window->Text1(i) ? m_window->Text1(i)->text()
                                         : m_window->Combo1(i)->currentText());
        QCOMPARE(after, before);
        QVERIFY(m_window->isVisible());
        QCOMPARE(kx::messageScript().shown.size(), 0);
        QCOMPARE(kx::messageScript().answers.size(), 1);
        QCOMPARE(cardCount(kind), 0);

        // The name is still empty: Enter on the button presses it and the save refuses.
        press(Qt::Key_Return);
        QCOMPARE(popups().size(), 1);
        QCOMPARE(popups().first().text, QStringLiteral("Kayıt adını giriniz!"));

        // Enter on "İptal" presses "İptal": the window closes with nothing saved.
        m_window->Btn1D()->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(cardCount(kind), 0);
    }

    void escapeCloses()
    {
        open(Stock, QStringLiteral("y"));
        focusField(1);
        type(QStringLiteral("VIDA"));
        press(Qt::Key_Escape);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(cardCount(Stock), 0);
    }

    // Codes and names fold while typing; other fields take what is typed.
    void fold_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("stock code") << 0 << "çiğ-1"
                                    << "CIG-1";
        QTest::newRow("stock name") << 1 << "çiğ şeker ıİüö"
                                    << "CIG SEKER IIUO";
        QTest::newRow("account code") << 18 << "ab'c"
                                      << "AB'C";
        QTest::newRow("account name") << 19 << "Ömür Ağa é"
                                      << "OMUR AGA é";
        QTest::newRow("barcode not folded") << 10 << "şa"
                                            << "şa";
        QTest::newRow("address not folded") << 21 << "çiğ"
                                            << "çiğ";
    }
    void fold()
    {
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        open(index < kx::CardFieldCount ? Stock : Account, QStringLiteral("y"));
        focusField(index);
        m_window->Text1(index)->clear();
        type(typed);
        QCOMPARE(m_window->Text1(index)->text(), shown);
    }

    // Text pasted into a code or name goes in folded, as typed text does, and is stored so;
    // other fields keep it as pasted.
    void pastedTextIsFolded_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("stored");
        const QString folded = QStringLiteral("CAGRI LTD. STI.");
        QTest::newRow("stock name, Ctrl+V") << 1 << "Ctrl+V" << folded;
        QTest::newRow("account name, Ctrl+V") << 19 << "Ctrl+V" << folded;
        QTest::newRow("stock code, Shift+Insert") << 0 << "Shift+Insert" << folded;
        QTest::newRow("account code, context menu") << 18 << "context menu" << folded;
        QTest::newRow("barcode, as pasted") << 10 << "Ctrl+V"
                                            << "çağrı ltd. şti.";
    }
    void pastedTextIsFolded()
    {
        QFETCH(int, index);
        QFETCH(QString, how);
        QFETCH(QString, stored);
        const int kind = index < kx::CardFieldCount ? Stock : Account;
        const int first = (kind - 1) * kx::CardFieldCount;
        open(kind, QStringLiteral("y"));
        if (index != first + 1)
            retype(first + 1, QStringLiteral("AD"));
        QApplication::clipboard()->setText(QStringLiteral("çağrı ltd. şti."));
        QLineEdit *edit = m_window->Text1(index);
        // A click into the field selects its text, which the paste replaces.
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edit));
        if (how == u"context menu")
            kxtest::pasteByContextMenu(edit, 0);
        else if (how == u"Shift+Insert")
            press(Qt::Key_Insert, Qt::ShiftModifier);
        else
            press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), stored);

        kx::messageScript().answers = { kx::AnswerNo };
        clickSave();
        QCOMPARE(storedCard(kind, newestId(kind)).value(index - first), stored);
    }

    // Amount fields are written again when the focus leaves them.
    void rewriteOnLeave_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("priceFormat");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("purchase price") << 3 << "#,##0.00"
                                        << "12,5"
                                        << "12,50";
        QTest::newRow("sale price, four decimals") << 5 << "#,##0.0000"
                                                   << "12,5"
                                                   << "12,5000";
        QTest::newRow("empty sale price") << 5 << "#,##0.00"
                                          << ""
                                          << "0,00";
        QTest::newRow("stock value") << 9 << "#,##0.0000"
                                     << "1500"
                                     << "1.500,00";
        QTest::newRow("opening debit") << 27 << "#,##0.00"
                                       << "1234567,891"
                                       << "1.234.567,89";
        QTest::newRow("opening credit") << 28 << "#,##0.00"
                                        << "abc"
                                        << "0,00";
        QTest::newRow("warning level keeps minus") << 4 << "#,##0.00"
                                                   << "-3"
                                                   << "-3";
        QTest::newRow("opening quantity") << 8 << "#,##0.00"
                                          << "1.250,0"
                                          << "1250";
        QTest::newRow("quantity with decimals") << 8 << "#,##0.00"
                                                << "2,5"
                                                << "2,5";
        QTest::newRow("empty discount") << 29 << "#,##0.00"
                                        << ""
                                        << "0";
        QTest::newRow("barcode untouched") << 10 << "#,##0.00"
                                           << "1500"
                                           << "1500";
        QTest::newRow("tax number untouched") << 26 << "#,##0.00"
                                              << "0012,5"
                                              << "0012,5";
    }
    void rewriteOnLeave()
    {
        QFETCH(int, index);
        QFETCH(QString, priceFormat);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        kx::state().PriceFormat = priceFormat;
        open(index < kx::CardFieldCount ? Stock : Account, QStringLiteral("y"));
        retype(index, typed);
        QCOMPARE(m_window->Text1(index)->text(), typed);
        press(Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != m_window->field(index));
        QCOMPARE(m_window->Text1(index)->text(), shown);
    }

    // Entering a field selects its whole text, so typing replaces it; an empty one stays empty.
    // Entering a field selects its whole text, with Tab or with a click anywhere in it, so
    // the typed price replaces it; leaving re-formats it. An empty field selects nothing.
    void selectOnEntry_data()
    {
        QTest::addColumn<int>("cursor"); // -1: Tab
        QTest::newRow("tab") << -1;
        QTest::newRow("click left of the text") << 0;
        QTest::newRow("click in the middle") << 3;
        QTest::newRow("click at the end") << 6;
    }
    void selectOnEntry()
    {
        QFETCH(int, cursor);
        open(Stock, QStringLiteral("y"));
        QLineEdit *price = m_window->Text1(5);
        price->setText(QStringLiteral("125,75"));
        m_window->Text1(12)->clear();
        focusField(4);
        if (cursor < 0)
            press(Qt::Key_Tab);
        else
            kxtest::clickAtCursor(price, cursor);
        QCOMPARE(QApplication::focusWidget(), price);
        QCOMPARE(price->selectedText(), QStringLiteral("125,75"));
        type(QStringLiteral("130"));
        QCOMPARE(price->text(), QStringLiteral("130"));
        kxtest::clickAtCursor(m_window->Text1(12), 0);
        QCOMPARE(price->text(), QStringLiteral("130,00"));
        QVERIFY(!m_window->Text1(12)->hasSelectedText());
    }

    // The code field has the focus as the window opens, with the proposal selected: a code
    // typed at once replaces it.
    void openingSelectsProposedCode_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("stock") << Stock;
        QTest::newRow("account") << Account;
    }
    void openingSelectsProposedCode()
    {
        QFETCH(int, kind);
        const int codeField = kind == Stock ? 0 : kx::CardFieldCount;
        open(kind, QStringLiteral("y"));
        QCOMPARE(QApplication::focusWidget(), m_window->field(codeField));
        QCOMPARE(m_window->Text1(codeField)->selectedText(), QStringLiteral("1"));
        type(QStringLiteral("77"));
        QCOMPARE(m_window->Text1(codeField)->text(), QStringLiteral("77"));
    }

    // A database that refuses the write leaves the window open with the entered values and
    // one error notice, instead of ending the program.
    void refusedWrite_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("new") << "y";
        QTest::newRow("edit") << "e";
    }
    void refusedWrite()
    {
        QFETCH(QString, mode);
        const qint64 id = kxtest::addStock("7", "PUL");
        kx::state().Conn->Execute(
            QStringLiteral("create trigger refuse_insert before insert on \"1Stok\" "
                           "begin select raise(abort, 'kilitli'); end"));
        kx::state().Conn->Execute(
            QStringLiteral("create trigger refuse_update before update on \"1Stok\" "
                           "begin select raise(abort, 'kilitli'); end"));
        open(Stock, mode, mode == "e" ? gridRow(Stock, id) : QStringList {});
        retype(1, QStringLiteral("SOMUN"));
        kx::messageScript().answers = { kx::AnswerNo }; // must stay unused
        clickSave();
        QCOMPARE(popups().size(), 1);
        QCOMPARE(popups().first().text, QStringLiteral("Kayıt yapılamadı!"));
        QCOMPARE(popups().first().icon, int(kx::IconError));
        QCOMPARE(kx::messageScript().answers.size(), 1);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->Text1(1)->text(), QStringLiteral("SOMUN"));
        QCOMPARE(storedCard(Stock, id).at(1), QStringLiteral("PUL"));
        QCOMPARE(cardCount(Stock), 1);
        // The slots are free again for the next statement.
        for (int k = 1; k <= kx::CardFieldCount; ++k)
            QCOMPARE(kx::state().FieldValues[k].toString(), kx::SkipSlot);
    }

    // The ribbon's way in: modal in its instance slot, the main window's follow-up called
    // after the save, the window gone once closed. Editing without a selected card opens nothing.
    void showModally()
    {
        kx::state().PopKind = Stock;
        kx::state().PopMode = QStringLiteral("e");
        kx::ShowCardEditor(nullptr, {});
        QVERIFY(kx::state().F1Pop.isNull());

        kx::state().PopMode = QStringLiteral("y");
        kx::messageScript().answers = { kx::AnswerNo };
        QList<QVariantList> followUps;
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            QPointer<kx::F1Pop> window = qobject_cast<kx::F1Pop *>(kx::state().F1Pop.data());
            if (!window || !QTest::qWaitForWindowActive(window))
                return;
            wasModal = window->isModal();
            window->Text1(1)->setFocus(Qt::TabFocusReason);
            type(QStringLiteral("kablo"));
            QTest::mouseClick(window->Btn1C(), Qt::LeftButton);
            if (window) // a save that went wrong must not leave the test waiting
                window->close();
        });
        kx::ShowCardEditor(nullptr, {}, [&](int kind, bool isNew) {
            followUps << QVariantList { kind, isNew };
            // The lists are already reloaded when the main window is told.
            QCOMPARE(kx::state().StokRows.text(2, 0), QStringLiteral("KABLO"));
        });
        QVERIFY(wasModal);
        QCOMPARE(followUps, (QList<QVariantList> { { Stock, true } }));
        QCOMPARE(storedCard(Stock, newestId(Stock)).at(1), QStringLiteral("KABLO"));
        QTRY_VERIFY(kx::state().F1Pop.isNull());
    }

    void apostropheRoundTrips()
    {
        open(Account, QStringLiteral("y"));
        retype(19, QStringLiteral("o'neil; drop table x"));
        retype(21, QStringLiteral("Kuzey'in Sk. 'A' Blok"));
        kx::messageScript().answers = { kx::AnswerNo };
        clickSave();
        const qint64 id = newestId(Account);
        QStringList stored = storedCard(Account, id);
        QCOMPARE(stored.at(1), QStringLiteral("O'NEIL; DROP TABLE X"));
        QCOMPARE(stored.at(3), QStringLiteral("Kuzey'in Sk. 'A' Blok"));

        // Edited again with its code holding an apostrophe too.
        open(Account, QStringLiteral("e"), gridRow(Account, id));
        retype(18, QStringLiteral("c'1"));
        clickSave();
        stored = storedCard(Account, id);
        QCOMPARE(stored.at(0), QStringLiteral("C'1"));
        QCOMPARE(stored.at(1), QStringLiteral("O'NEIL; DROP TABLE X"));
        QCOMPARE(popups().last().text, QStringLiteral("Değişiklikler kaydedildi..."));
    }
};

KX_TEST(TestCardEditor)
#include "tst_card_editor.moc"
