// The panels' late-bound interface: property dispatch ids, children, event numbers, set-up.
#include "app/panel_loader.h"
#include "platform/check_option.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "tests/panels/panel_fixture.h"
#include "tests/support/kxtest.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct PropertyRow
{
    const char *panel;
    const char *property;
    int dispatchId;
};

// Every property of the four panels with the dispatch id the host binds to.
const PropertyRow Properties[] = {
    { "RA", "XTInfo", 0x6803000E },     { "RA", "XTSeriNo", 0x6803000D },
    { "RA", "XTSiraNo", 0x6803000C },   { "RA", "XCCari", 0x6803000B },
    { "RA", "XTAciklama", 0x6803000A }, { "RA", "XTBarkod", 0x68030009 },
    { "RA", "XTSerial", 0x68030008 },   { "RA", "XCStok", 0x68030007 },
    { "RA", "XTMiktar", 0x68030006 },   { "RA", "XCBelge", 0x68030005 },
    { "RA", "XCBarkod", 0x68030004 },   { "RA", "XCSerial", 0x68030003 },
    { "RA", "XDBelge", 0x68030002 },    { "RA", "XDSevk", 0x68030001 },
    { "RA", "XCPrint", 0x68030000 },    { "RB", "XTInfo", 0x6803000C },
    { "RB", "XTSeriNo", 0x6803000B },   { "RB", "XTSiraNo", 0x6803000A },
    { "RB", "XCCari", 0x68030009 },     { "RB", "XTIsk1", 0x68030008 },
    { "RB", "XTIsk2", 0x68030007 },     { "RB", "XTIsk3", 0x68030006 },
    { "RB", "XTAciklama", 0x68030005 }, { "RB", "XCBelge", 0x68030004 },
    { "RB", "XCKdv", 0x68030003 },      { "RB", "XDBelge", 0x68030002 },
    { "RB", "XDSevk", 0x68030001 },     { "RB", "XCPrint", 0x68030000 },
    { "RC", "XTInfo", 0x68030013 },     { "RC", "XTSeriNo", 0x68030012 },
    { "RC", "XTSiraNo", 0x68030011 },   { "RC", "XCCari", 0x68030010 },
    { "RC", "XTIsk1", 0x6803000F },     { "RC", "XTIsk2", 0x6803000E },
    { "RC", "XTIsk3", 0x6803000D },     { "RC", "XTAciklama", 0x6803000C },
    { "RC", "XTBarkod", 0x6803000B },   { "RC", "XTSerial", 0x6803000A },
    { "RC", "XCStok", 0x68030009 },     { "RC", "XTMiktar", 0x68030008 },
    { "RC", "XTFiyat", 0x68030007 },    { "RC", "XCBelge", 0x68030006 },
    { "RC", "XCKdv", 0x68030005 },      { "RC", "XCBarkod", 0x68030004 },
    { "RC", "XCSerial", 0x68030003 },   { "RC", "XDBelge", 0x68030002 },
    { "RC", "XDSevk", 0x68030001 },     { "RC", "XCPrint", 0x68030000 },
    { "RX", "XTTab", 0x68030028 },      { "RX", "XODisarida", 0x68030027 },
    { "RX", "XOKasada", 0x68030026 },   { "RX", "XOCiro", 0x68030025 },
    { "RX", "XOTahsil", 0x68030024 },   { "RX", "XOTumu8", 0x68030023 },
    { "RX", "XOOdenen", 0x68030022 },   { "RX", "XOMaliyet", 0x68030021 },
    { "RX", "XOOrtMal", 0x68030020 },   { "RX", "XOAlis", 0x6803001F },
    { "RX", "XOSatis", 0x6803001E },    { "RX", "XBTar6", 0x6803001D },
    { "RX", "XCStok", 0x6803001C },     { "RX", "XDTarA6", 0x6803001B },
    { "RX", "XDTarB6", 0x6803001A },    { "RX", "XOGiris5", 0x68030019 },
    { "RX", "XOCikis5", 0x68030018 },   { "RX", "XOTumu5", 0x68030017 },
    { "RX", "XBTar5", 0x68030016 },     { "RX", "XDTarA5", 0x68030015 },
    { "RX", "XDTarB5", 0x68030014 },    { "RX", "XOBorclu", 0x68030013 },
    { "RX", "XOAlacakli", 0x68030012 }, { "RX", "XOBakiyeli", 0x68030011 },
    { "RX", "XOTumu4", 0x68030010 },    { "RX", "XOAylik", 0x6803000F },
    { "RX", "XOGunluk", 0x6803000E },   { "RX", "XOGunDetay", 0x6803000D },
    { "RX", "XCKasaAy", 0x6803000C },   { "RX", "XDTar3", 0x6803000B },
    { "RX", "XTArti", 0x6803000A },     { "RX", "XOGiris2", 0x68030009 },
    { "RX", "XOCikis2", 0x68030008 },   { "RX", "XBArti", 0x68030007 },
    { "RX", "XBEksi", 0x68030006 },     { "RX", "XTEksi", 0x68030005 },
    { "RX", "XBTar1", 0x68030004 },     { "RX", "XCCari", 0x68030003 },
    { "RX", "XBStok", 0x68030002 },     { "RX", "XDTarA1", 0x68030001 },
    { "RX", "XDTarB1", 0x68030000 },
};

struct EventRow
{
    const char *panel;
    QStringList events;
};

const EventRow Events[] = {
    { "RA",
      { "CBelgeCL", "CCariCL", "CBarkodCL", "CSerialCL", "CStokCL", "BarkodBul", "UrunEkle" } },
    { "RB", { "CBelgeCL", "CCariCL", "CKdvCL", "TIsk1CH", "TIsk2CH", "TIsk3CH" } },
    { "RC",
      { "CBelgeCL", "CCariCL", "CKdvCL", "CBarkodCL", "CSerialCL", "CStokCL", "TIsk1CH", "TIsk2CH",
        "TIsk3CH", "BarkodBul", "UrunEkle" } },
    { "RX", { "CekYeni", "CekSil", "CekKaydet" } },
};

QString progId(const char *panel)
{
    return QStringLiteral("Belgepano.") + QLatin1String(panel);
}

std::unique_ptr<QWidget> makePanel(const QString &panel)
{
    return std::unique_ptr<QWidget>(kx::CreatePanel(progId(panel.toLatin1().constData())));
}

// What the host can read of a child through its own members, as one comparable text.
QString childState(const QObject *child)
{
    if (const auto *date = qobject_cast<const kx::DateField *>(child))
        return QStringLiteral("date %1").arg(date->RValue());
    if (const auto *combo = qobject_cast<const kx::ComboBox *>(child))
        return QStringLiteral("combo %1 %2").arg(combo->ListIndex()).arg(combo->Text());
    if (const auto *field = qobject_cast<const QLineEdit *>(child))
        return QStringLiteral("text ") + field->text();
    if (const auto *check = qobject_cast<const kx::CheckBox *>(child))
        return QStringLiteral("check %1").arg(check->Value());
    if (const auto *option = qobject_cast<const kx::OptionButton *>(child))
        return QStringLiteral("option %1").arg(option->Value() ? 1 : 0);
    return QStringLiteral("unknown");
}

// Every child of the panel, by property.
QMap<QString, QString> panelState(const QWidget *panel, const QString &name)
{
    QMap<QString, QString> state;
    for (const PropertyRow &row : Properties) {
        if (name == row.panel)
            state.insert(row.property, childState(kx::PanelChild(panel, row.property)));
    }
    return state;
}

// The same start for every panel of a put: the host's lists filled, no option selected.
void prepareForPut(QWidget *panel)
{
    for (kx::ComboBox *combo : panel->findChildren<kx::ComboBox *>()) {
        if (combo->ListCount() == 0)
            combo->AddItems({ QStringLiteral("OCAK 2026"), QStringLiteral("ŞUBAT 2026") });
    }
    for (kx::OptionButton *option : panel->findChildren<kx::OptionButton *>())
        option->setValue(false);
}

// A value that no prepared panel's child holds.
void giveDistinctValue(QObject *child)
{
    if (auto *date = qobject_cast<kx::DateField *>(child)) {
        QVERIFY(date->setDateText(QStringLiteral("29.02.2028")));
    } else if (auto *combo = qobject_cast<kx::ComboBox *>(child)) {
        if (combo->isEditable())
            combo->setText(QStringLiteral("ÇAĞLAR İŞ MAKİNALARI"));
        else
            QVERIFY(combo->setListIndex(combo->ListCount() - 1));
    } else if (auto *field = qobject_cast<QLineEdit *>(child)) {
        field->setText(QStringLiteral("Iğdır 42,5 öşü"));
    } else if (auto *check = qobject_cast<kx::CheckBox *>(child)) {
        check->setValue(1);
    } else if (auto *option = qobject_cast<kx::OptionButton *>(child)) {
        option->setValue(true);
    }
}

} // namespace

class TestPanelInterface : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // No registration: the loader takes the library beside the test program.
        QVERIFY(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
        for (const char *panel : { "RA", "RB", "RC", "RX" }) {
            hosted.insert(panel, std::make_shared<HostedPanel>(progId(panel)));
            QVERIFY2(hosted.value(panel)->ready, panel);
        }
    }
    void cleanupTestCase() { hosted.clear(); }

    void propertyDispatchIds_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("dispatchId");
        for (const PropertyRow &row : Properties)
            QTest::addRow("%s.%s", row.panel, row.property)
                << QString::fromLatin1(row.panel) << QString::fromLatin1(row.property)
                << row.dispatchId;
    }
    void propertyDispatchIds()
    {
        QFETCH(QString, panel);
        QFETCH(QString, property);
        QFETCH(int, dispatchId);
        QWidget *host = hosted.value(panel)->panel;
        QCOMPARE(kx::PanelDispatchId(host->metaObject(), property), dispatchId);
        QObject *byName = kx::PanelChild(host, property);
        QVERIFY(byName);
        QCOMPARE(kx::PanelChild(host, dispatchId), byName);
        QCOMPARE(byName->objectName(), property.mid(1));
        QVERIFY(host->isAncestorOf(qobject_cast<QWidget *>(byName)));
    }

    // The put form of every property: the child takes the default value of an object of its
    // own kind, whether the host puts by name or by dispatch id, and refuses what it cannot
    // hold without any other child changing.
    void putCopiesDefaultValue_data() { propertyDispatchIds_data(); }
    void putCopiesDefaultValue()
    {
        QFETCH(QString, panel);
        QFETCH(QString, property);
        QFETCH(int, dispatchId);
        const auto byName = makePanel(panel);
        const auto byId = makePanel(panel);
        const auto source = makePanel(panel);
        QVERIFY(byName && byId && source);
        for (QWidget *made : { byName.get(), byId.get(), source.get() })
            prepareForPut(made);
        QObject *given = kx::PanelChild(source.get(), property);
        giveDistinctValue(given);
        const QMap<QString, QString> before = panelState(byName.get(), panel);
        QCOMPARE(panelState(byId.get(), panel), before);
        QVERIFY(before.value(property) != childState(given));

        QVERIFY(kx::PutPanelChild(byName.get(), property, given));
        QVERIFY(kx::PutPanelChild(byId.get(), dispatchId, given));
        QMap<QString, QString> expected = before;
        expected[property] = childState(given);
        QCOMPARE(panelState(byName.get(), panel), expected);
        QCOMPARE(panelState(byId.get(), panel), expected);

        // Refused: no object, an object without a default value, and for a date field a text
        // that is no date, for a check box or option a text that is no number.
        QLabel label(QStringLiteral("01.01.2027"));
        QLineEdit refusedText;
        if (qobject_cast<kx::DateField *>(given))
            refusedText.setText(QStringLiteral("30.02.2027"));
        else if (qobject_cast<kx::CheckBox *>(given) || qobject_cast<kx::OptionButton *>(given))
            refusedText.setText(QStringLiteral("evet"));
        QList<QObject *> refused { nullptr, &label };
        if (!refusedText.text().isEmpty())
            refused << &refusedText;
        for (QObject *value : refused) {
            QVERIFY(kx::PutPanelChild(byName.get(), property, value));
            QVERIFY(kx::PutPanelChild(byId.get(), dispatchId, value));
        }
        QCOMPARE(panelState(byName.get(), panel), expected);
        QCOMPARE(panelState(byId.get(), panel), expected);
    }

    // An object of another kind gives its default value in the child's terms.
    void putTakesOtherKinds_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        struct Case
        {
            const char *name, *panel, *property, *kind, *value, *expected;
        };
        const Case cases[] = {
            { "any non-zero number checks", "RX", "XBArti", "text", " 2 ", "check 1" },
            { "zero leaves unchecked", "RX", "XBStok", "text", "0", "check 0" },
            { "a checked box selects", "RX", "XOGiris2", "check", "1", "option 1" },
            { "zero clears the selected option", "RX", "XOCikis2", "text", "0", "option 0" },
            { "selected option checks", "RX", "XBTar5", "option", "1", "check 1" },
            { "one-digit day and month", "RA", "XDBelge", "text", "1.3.2026", "date 20260301" },
            { "date into text", "RB", "XTAciklama", "date", "29.02.2028", "text 29.02.2028" },
            { "check value into text", "RX", "XTArti", "check", "1", "text 1" },
            { "text chooses a fixed item", "RC", "XCKdv", "text", "Hariç", "combo 1 Hariç" },
            { "date into an account combo", "RB", "XCCari", "date", "05.06.2026",
              "combo -1 05.06.2026" },
        };
        for (const Case &row : cases)
            QTest::newRow(row.name)
                << QString::fromUtf8(row.panel) << QString::fromUtf8(row.property)
                << QString::fromUtf8(row.kind) << QString::fromUtf8(row.value)
                << QString::fromUtf8(row.expected);
    }
    void putTakesOtherKinds()
    {
        QFETCH(QString, panel);
        QFETCH(QString, property);
        QFETCH(QString, kind);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const auto target = makePanel(panel);
        QVERIFY(target);
        QLineEdit text(value);
        kx::CheckBox check;
        check.setValue(value.toInt());
        kx::OptionButton option;
        option.setValue(value.toInt() != 0);
        kx::DateField date;
        if (kind == u"date")
            QVERIFY(date.setDateText(value));
        const QMap<QString, QObject *> sources {
            { "text", &text }, { "check", &check }, { "option", &option }, { "date", &date }
        };
        QVERIFY(kx::PutPanelChild(target.get(), property, sources.value(kind)));
        QCOMPARE(childState(kx::PanelChild(target.get(), property)), expected);
    }

    // Nothing but the listed properties: the ids of all others would shift.
    void propertyCounts_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<int>("count");
        QTest::newRow("RA") << "RA" << 15;
        QTest::newRow("RB") << "RB" << 13;
        QTest::newRow("RC") << "RC" << 20;
        QTest::newRow("RX") << "RX" << 41;
    }
    void propertyCounts()
    {
        QFETCH(QString, panel);
        QFETCH(int, count);
        const QMetaObject *meta = hosted.value(panel)->panel->metaObject();
        QCOMPARE(meta->propertyCount() - meta->propertyOffset(), count);
        QVERIFY(!kx::PanelChild(hosted.value(panel)->panel, 0x68030000 + count));
        QVERIFY(!kx::PanelChild(hosted.value(panel)->panel, 0x68030000 - 1));
        QVERIFY(!kx::PanelChild(hosted.value(panel)->panel, QStringLiteral("XLabInfo")));
        QLineEdit given(QStringLiteral("1"));
        QVERIFY(!kx::PutPanelChild(hosted.value(panel)->panel, 0x68030000 + count, &given));
        QVERIFY(!kx::PutPanelChild(hosted.value(panel)->panel, QStringLiteral("XLabInfo"), &given));
        QVERIFY(
            !kx::PutPanelChild(hosted.value(panel)->panel, QStringLiteral("objectName"), &given));
        QCOMPARE(kx::PanelDispatchId(meta, QStringLiteral("objectName")), -1);
    }

    // The host casts the children to the shared control classes across the library boundary;
    // the prefix of a child's name tells its kind.
    void childKinds_data() { propertyDispatchIds_data(); }
    void childKinds()
    {
        QFETCH(QString, panel);
        QFETCH(QString, property);
        QObject *child = kx::PanelChild(hosted.value(panel)->panel, property);
        const QChar kind = property.at(1);
        const QString name = property.mid(1);
        if (kind == u'T') {
            QVERIFY(qobject_cast<QLineEdit *>(child));
        } else if (kind == u'C') {
            auto *combo = qobject_cast<kx::ComboBox *>(child);
            QVERIFY(combo);
            QCOMPARE(combo->isEditable(), name == u"CCari" || name == u"CStok");
        } else if (kind == u'D') {
            QVERIFY(qobject_cast<kx::DateField *>(child));
        } else if (kind == u'O') {
            QVERIFY(qobject_cast<kx::OptionButton *>(child));
        } else if (kind == u'B') {
            QVERIFY(qobject_cast<kx::CheckBox *>(child));
        } else {
            QFAIL("unknown kind");
        }
    }

    void eventNumbers_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("event");
        QTest::addColumn<int>("number");
        for (const EventRow &row : Events) {
            for (int k = 0; k < row.events.size(); ++k)
                QTest::addRow("%s.%s", row.panel, qPrintable(row.events.at(k)))
                    << QString::fromLatin1(row.panel) << row.events.at(k) << k + 1;
        }
    }
    void eventNumbers()
    {
        QFETCH(QString, panel);
        QFETCH(QString, event);
        QFETCH(int, number);
        const QMetaObject *meta = hosted.value(panel)->panel->metaObject();
        QCOMPARE(kx::PanelEventNumber(meta, event), number);
        int signalCount = 0;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
            signalCount += meta->method(i).methodType() == QMetaMethod::Signal ? 1 : 0;
        const auto row = std::find_if(std::begin(Events), std::end(Events),
                                      [&](const EventRow &r) { return panel == r.panel; });
        QCOMPARE(signalCount, int(row->events.size()));
    }

    void unknownEventIsRefused()
    {
        QWidget *host = hosted.value("RA")->panel;
        bool called = false;
        QVERIFY(
            !kx::ConnectPanelEvent(host, QStringLiteral("CKdvCL"), host, [&] { called = true; }));
        QVERIFY(!kx::ConnectPanelEvent(host, QStringLiteral("destroyed"), host,
                                       [&] { called = true; }));
        QCOMPARE(kx::PanelEventNumber(host->metaObject(), QStringLiteral("destroyed")), 0);
    }

    // A fresh panel has its fixed lists, no choice, and has raised nothing while the host fills
    // and resets it the way start-up does.
    void setUpRaisesNothing_data()
    {
        QTest::addColumn<QString>("panel");
        for (const EventRow &row : Events)
            QTest::newRow(row.panel) << QString::fromLatin1(row.panel);
    }
    void setUpRaisesNothing()
    {
        QFETCH(QString, panel);
        HostedPanel fresh(progId(panel.toLatin1().constData()));
        QVERIFY(fresh.ready);
        const auto row = std::find_if(std::begin(Events), std::end(Events),
                                      [&](const EventRow &r) { return panel == r.panel; });
        fresh.countEvents(row->events);
        auto *account = fresh.child<kx::ComboBox>("XCCari");
        account->AddItem(QStringLiteral("ACME TİCARET (120.01)"));
        account->setText(QString());
        if (auto *info = fresh.child<QLineEdit>("XTInfo"))
            info->setText(QString());
        for (QObject *child : fresh.panel->findChildren<kx::ComboBox *>()) {
            auto *combo = static_cast<kx::ComboBox *>(child);
            QVERIFY2(combo->ListIndex() == -1, qPrintable(combo->objectName()));
        }
        QVERIFY(fresh.raised.isEmpty());
    }

    void fixedLists_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QStringList>("items");
        const QStringList copies { "Yazıcı kopya sayısı : 0", "Yazıcı kopya sayısı : 1",
                                   "Yazıcı kopya sayısı : 2", "Yazıcı kopya sayısı : 3",
                                   "Yazıcı kopya sayısı : 4", "Yazıcı kopya sayısı : 5" };
        const QStringList invoice { "Açık Çıkış", "Açık Giriş", "Kapalı Çıkış", "Kapalı Giriş" };
        const QStringList onOff { "Açık", "Kapalı" };
        const QStringList vat { "Dahil", "Hariç" };
        QTest::newRow("RA direction") << "RA"
                                      << "XCBelge" << QStringList { "Çıkış", "Giriş" };
        QTest::newRow("RA copies") << "RA"
                                   << "XCPrint" << copies;
        QTest::newRow("RA barcode") << "RA"
                                    << "XCBarkod" << onOff;
        QTest::newRow("RA serial") << "RA"
                                   << "XCSerial" << onOff;
        QTest::newRow("RA accounts") << "RA"
                                     << "XCCari" << QStringList();
        QTest::newRow("RB direction") << "RB"
                                      << "XCBelge" << invoice;
        QTest::newRow("RB copies") << "RB"
                                   << "XCPrint" << copies;
        QTest::newRow("RB vat") << "RB"
                                << "XCKdv" << vat;
        QTest::newRow("RC direction") << "RC"
                                      << "XCBelge" << invoice;
        QTest::newRow("RC copies") << "RC"
                                   << "XCPrint" << copies;
        QTest::newRow("RC barcode") << "RC"
                                    << "XCBarkod" << onOff;
        QTest::newRow("RC serial") << "RC"
                                   << "XCSerial" << onOff;
        QTest::newRow("RC vat") << "RC"
                                << "XCKdv" << vat;
        QTest::newRow("RC stock") << "RC"
                                  << "XCStok" << QStringList();
        QTest::newRow("RX months") << "RX"
                                   << "XCKasaAy" << QStringList();
    }
    void fixedLists()
    {
        QFETCH(QString, panel);
        QFETCH(QString, property);
        QFETCH(QStringList, items);
        HostedPanel fresh(progId(panel.toLatin1().constData()));
        auto *combo = fresh.child<kx::ComboBox>(property.toLatin1().constData());
        QVERIFY(combo);
        QStringList actual;
        for (int i = 0; i < combo->ListCount(); ++i)
            actual << combo->List(i);
        QCOMPARE(actual, items);
        QCOMPARE(combo->ListIndex(), -1);
    }

    // The caption labels with their leaders, blanks and hyphens exactly.
    void captionLabels_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("captions");
        const QStringList head { "Belge -----------------", "Belge No -----------",
                                 "Cari --------------------", "Belge Tarihi -------",
                                 "Sevk Tarihi --------" };
        const QStringList lines { "Barkod No ---------", "Seri No --------------",
                                  "Stok ------------------", "Miktar ----------------" };
        const QStringList switches { "Barkod Durum ---", "Seri No Durum ---" };
        const QStringList discounts { "% İskonto  ---------", "Kdv -------------------" };
        QTest::newRow("RA") << "RA"
                            << head + switches + QStringList { "Açıklama -----------" } + lines
                + QStringList { "Bilgi -------------------" };
        QTest::newRow("RB") << "RB"
                            << head + discounts
                + QStringList { "Açıklama -----------", "Bilgi -------------------" };
        QTest::newRow("RC") << "RC"
                            << head + discounts + switches + QStringList { "Açıklama -----------" }
                + lines + QStringList { "Fiyat ------------------", "Bilgi -------------------" };
        QTest::newRow("RX") << "RX" << QStringList { "Cari -", "Stok -" };
    }
    void captionLabels()
    {
        QFETCH(QString, panel);
        QFETCH(QStringList, captions);
        QMap<int, QString> byIndex;
        for (QLabel *label :
             hosted.value(panel)->panel->findChildren<QLabel *>(QStringLiteral("LabeL")))
            byIndex.insert(label->property("Index").toInt(), label->text());
        QCOMPARE(byIndex.values(), captions);
        if (panel != u"RX")
            QCOMPARE(byIndex.lastKey(), 99);
    }

    // Fields of one page never overlap one another (neighbours may share a border pixel) and
    // stay inside the panel.
    void layoutFits_data() { setUpRaisesNothing_data(); }
    void layoutFits()
    {
        QFETCH(QString, panel);
        QWidget *host = hosted.value(panel)->panel;
        auto *pageSwitch = qobject_cast<QLineEdit *>(kx::PanelChild(host, QStringLiteral("XTTab")));
        const int pages = pageSwitch ? 8 : 1;
        for (int page = 0; page < pages; ++page) {
            if (pageSwitch)
                pageSwitch->setText(QString::number(page));
            QList<QWidget *> fields;
            for (QWidget *widget : host->findChildren<QWidget *>()) {
                if (widget->property("TabIndex").isValid() && widget->isVisible())
                    fields << widget;
            }
            QVERIFY(fields.size() > 3);
            for (QWidget *field : fields) {
                const QRect area(field->mapTo(host, QPoint(0, 0)), field->size());
                QVERIFY2(host->rect().contains(area), qPrintable(field->objectName()));
                for (QWidget *other : fields) {
                    if (other == field || other->isAncestorOf(field) || field->isAncestorOf(other))
                        continue;
                    const QRect otherArea(other->mapTo(host, QPoint(0, 0)), other->size());
                    QVERIFY2(!area.adjusted(1, 1, -1, -1).intersects(otherArea),
                             qPrintable(field->objectName() + " / " + other->objectName()));
                }
            }
        }
        if (pageSwitch)
            pageSwitch->setText(QStringLiteral("0"));
    }

    // The host cannot stretch or shrink a panel.
    void fixedSize_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QSize>("size");
        QTest::newRow("RA") << "RA" << QSize(521, 213);
        QTest::newRow("RB") << "RB" << QSize(521, 141);
        QTest::newRow("RC") << "RC" << QSize(521, 237);
        QTest::newRow("RX") << "RX" << QSize(700, 66);
    }
    void fixedSize()
    {
        QFETCH(QString, panel);
        QFETCH(QSize, size);
        QWidget *host = hosted.value(panel)->panel;
        QCOMPARE(host->size(), size);
        host->resize(100, 40);
        QCOMPARE(host->size(), size);
        host->setGeometry(0, 0, 1200, 900);
        QCOMPARE(host->size(), size);
        hosted.value(panel)->window->resize(1500, 1000);
        QCOMPARE(host->size(), size);
    }

    void infoLineMirrorsTheHiddenField_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::newRow("RA") << "RA";
        QTest::newRow("RB") << "RB";
        QTest::newRow("RC") << "RC";
    }
    void infoLineMirrorsTheHiddenField()
    {
        QFETCH(QString, panel);
        HostedPanel &host = *hosted.value(panel);
        auto *info = host.child<QLineEdit>("XTInfo");
        auto *line = host.panel->findChild<QLabel *>(QStringLiteral("LabInfo"));
        QVERIFY(info && line);
        QVERIFY(!info->isVisible());
        QVERIFY(line->font().bold());
        QCOMPARE(line->palette().color(QPalette::WindowText), QColor(Qt::red));
        info->setText(QStringLiteral("Cari Hesap Durumu : 1.234,50 borçludur"));
        QCOMPARE(line->text(), QStringLiteral("Cari Hesap Durumu : 1.234,50 borçludur"));
        info->setText(QString());
        QCOMPARE(line->text(), QString());
    }

private:
    QTemporaryDir configHome;
    QMap<QString, std::shared_ptr<HostedPanel>> hosted;
};

KX_TEST(TestPanelInterface)
#include "tst_panel_interface.moc"
