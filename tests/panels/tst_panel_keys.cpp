// The panels' keyboard rules with real key presses: Enter, the tab walk, select-all, the fold,
// the dispatch date, and which events the children raise.
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "tests/panels/panel_fixture.h"
#include "tests/support/clicking.h"
#include "tests/support/kxtest.h"
#include "tests/support/typing.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList DocumentEvents { "CBelgeCL",  "CCariCL",   "CKdvCL",  "CBarkodCL",
                                   "CSerialCL", "CStokCL",   "TIsk1CH", "TIsk2CH",
                                   "TIsk3CH",   "BarkodBul", "UrunEkle" };

// The account and stock combos of every panel, which fold typed letters: panel and property.
const QList<QPair<QString, const char *>> FoldingCombos {
    { "RA", "XCCari" }, { "RA", "XCStok" }, { "RB", "XCCari" }, { "RC", "XCCari" },
    { "RC", "XCStok" }, { "RX", "XCCari" }, { "RX", "XCStok" },
};

QString progId(const QString &panel)
{
    return QStringLiteral("Belgepano.") + panel;
}

// One of FoldingCombos of the hosted panel, with the focus; RX's stock combo is made ready by
// its option page's tab text first.
kx::ComboBox *focusedCombo(HostedPanel &host, const QString &panel, const char *property)
{
    if (panel == u"RX" && QByteArray(property) == "XCStok")
        host.child<QLineEdit>("XTTab")->setText("5");
    auto *combo = host.child<kx::ComboBox>(property);
    combo->setFocus();
    return combo;
}

} // namespace

class TestPanelKeys : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    }

    void enter_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("focusAfter");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("barcodes");
        const int none = Qt::NoModifier;
        QTest::newRow("RA quantity adds the line") << "RA"
                                                   << "TMiktar" << none << "TMiktar" << 1 << 0;
        QTest::newRow("RA quantity, Shift")
            << "RA"
            << "TMiktar" << int(Qt::ShiftModifier) << "TMiktar" << 1 << 0;
        QTest::newRow("RA quantity, Ctrl")
            << "RA"
            << "TMiktar" << int(Qt::ControlModifier) << "TMiktar" << 1 << 0;
        QTest::newRow("RA quantity, Alt")
            << "RA"
            << "TMiktar" << int(Qt::AltModifier) << "TMiktar" << 1 << 0;
        QTest::newRow("RA barcode searches, moves on") << "RA"
                                                       << "TBarkod" << none << "TSerial" << 0 << 1;
        QTest::newRow("RA barcode, Shift")
            << "RA"
            << "TBarkod" << int(Qt::ShiftModifier) << "TSerial" << 0 << 1;
        QTest::newRow("RA direction") << "RA"
                                      << "CBelge" << none << "CPrint" << 0 << 0;
        QTest::newRow("RA account") << "RA"
                                    << "CCari" << none << "DBelge" << 0 << 0;
        QTest::newRow("RA document date") << "RA"
                                          << "DBelge" << none << "DSevk" << 0 << 0;
        QTest::newRow("RA description") << "RA"
                                        << "TAciklama" << none << "TBarkod" << 0 << 0;
        QTest::newRow("RA stock") << "RA"
                                  << "CStok" << none << "TMiktar" << 0 << 0;
        QTest::newRow("RB VAT mode") << "RB"
                                     << "CKdv" << none << "TAciklama" << 0 << 0;
        QTest::newRow("RB last field keeps the focus")
            << "RB"
            << "TAciklama" << none << "TAciklama" << 0 << 0;
        QTest::newRow("RB last field, Ctrl")
            << "RB"
            << "TAciklama" << int(Qt::ControlModifier) << "TAciklama" << 0 << 0;
        QTest::newRow("RB third discount") << "RB"
                                           << "TIsk3" << none << "CKdv" << 0 << 0;
        QTest::newRow("RC quantity moves to the price") << "RC"
                                                        << "TMiktar" << none << "TFiyat" << 0 << 0;
        QTest::newRow("RC price adds the line") << "RC"
                                                << "TFiyat" << none << "TFiyat" << 1 << 0;
        QTest::newRow("RC barcode") << "RC"
                                    << "TBarkod" << none << "TSerial" << 0 << 1;
        QTest::newRow("RC serial") << "RC"
                                   << "TSerial" << none << "CStok" << 0 << 0;
        QTest::newRow("RC description") << "RC"
                                        << "TAciklama" << none << "TBarkod" << 0 << 0;
    }
    void enter()
    {
        QFETCH(QString, panel);
        QFETCH(QString, start);
        QFETCH(int, modifiers);
        QFETCH(QString, focusAfter);
        QFETCH(int, added);
        QFETCH(int, barcodes);
        HostedPanel host(progId(panel));
        QVERIFY(host.ready);
        host.countEvents(DocumentEvents);
        auto *field = host.child(("X" + start).toLatin1().constData());
        field->setFocus();
        QCOMPARE(host.focusedName(), start);
        // The child itself never sees the Enter.
        auto *edit = qobject_cast<QLineEdit *>(field);
        QSignalSpy returns(edit ? edit : host.after, &QLineEdit::returnPressed);
        HostedPanel::press(Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(host.focusedName(), focusAfter);
        QCOMPARE(host.raised.value("UrunEkle"), added);
        QCOMPARE(host.raised.value("BarkodBul"), barcodes);
        QCOMPARE(host.raised.size(), (added ? 1 : 0) + (barcodes ? 1 : 0));
        QCOMPARE(returns.count(), 0);
    }

    void keypadEnterIsEnter()
    {
        HostedPanel host(progId("RA"));
        host.countEvents(DocumentEvents);
        host.child("XTMiktar")->setFocus();
        HostedPanel::press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(host.raised.value("UrunEkle"), 1);
        QCOMPARE(host.focusedName(), QStringLiteral("TMiktar"));
    }

    // The walk goes to the next field that can take the focus.
    void enterSkipsADisabledField()
    {
        HostedPanel host(progId("RA"));
        host.child("XTSerial")->setEnabled(false);
        host.child("XTBarkod")->setFocus();
        HostedPanel::press(Qt::Key_Return);
        QCOMPARE(host.focusedName(), QStringLiteral("CStok"));
    }

    // The active child is read anew after each event: a handler that moves the focus into the
    // barcode field makes the same Enter search the barcode and move on.
    void handlerMovingTheFocus_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("addField");
        QTest::newRow("RA") << "RA"
                            << "XTMiktar";
        QTest::newRow("RC") << "RC"
                            << "XTFiyat";
    }
    void handlerMovingTheFocus()
    {
        QFETCH(QString, panel);
        QFETCH(QString, addField);
        HostedPanel host(progId(panel));
        QStringList order;
        kx::ConnectPanelEvent(host.panel, "UrunEkle", host.window.get(), [&] {
            order << "UrunEkle";
            host.child("XTBarkod")->setFocus();
        });
        kx::ConnectPanelEvent(host.panel, "BarkodBul", host.window.get(),
                              [&] { order << "BarkodBul:" + host.focusedName(); });
        host.child(addField.toLatin1().constData())->setFocus();
        HostedPanel::press(Qt::Key_Return);
        QCOMPARE(order, (QStringList { "UrunEkle", "BarkodBul:TBarkod" }));
        QCOMPARE(host.focusedName(), QStringLiteral("TSerial"));
    }

    // Tab (and so Enter) walks the fields in their tab order and then leaves the panel.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("walk");
        QTest::newRow("RA") << "RA"
                            << "" << QStringList { "CBelge",  "CPrint",    "TSeriNo",   "TSiraNo",
                                                   "CCari",   "DBelge",    "DSevk",     "CBarkod",
                                                   "CSerial", "TAciklama", "TBarkod",   "TSerial",
                                                   "CStok",   "TMiktar",   "AfterPanel" };
        QTest::newRow("RB") << "RB"
                            << ""
                            << QStringList { "CBelge", "CPrint",    "TSeriNo",   "TSiraNo", "CCari",
                                             "DBelge", "DSevk",     "TIsk1",     "TIsk2",   "TIsk3",
                                             "CKdv",   "TAciklama", "AfterPanel" };
        QTest::newRow("RC") << "RC"
                            << ""
                            << QStringList { "CBelge",  "CPrint",    "TSeriNo", "TSiraNo",
                                             "CCari",   "DBelge",    "DSevk",   "TIsk1",
                                             "TIsk2",   "TIsk3",     "CKdv",    "CBarkod",
                                             "CSerial", "TAciklama", "TBarkod", "TSerial",
                                             "CStok",   "TMiktar",   "TFiyat",  "AfterPanel" };
        QTest::newRow("RX account statement")
            << "RX"
            << "0" << QStringList { "CCari", "BStok", "BTar1", "DTarA1", "DTarB1", "AfterPanel" };
        QTest::newRow("RX cheques")
            << "RX"
            << "7" << QStringList { "ODisarida", "BYeni", "BSil", "BKaydet", "AfterPanel" };
    }
    void tabOrder()
    {
        QFETCH(QString, panel);
        QFETCH(QString, page);
        QFETCH(QStringList, walk);
        HostedPanel host(progId(panel));
        if (!page.isEmpty())
            host.child<QLineEdit>("XTTab")->setText(page);
        host.child(("X" + walk.first()).toLatin1().constData())->setFocus();
        QStringList visited { host.focusedName() };
        while (visited.size() < walk.size()) {
            HostedPanel::press(Qt::Key_Tab);
            visited << host.focusedName();
        }
        QCOMPARE(visited, walk);
    }

    // Whole text selected on focus, however the focus came; an empty field stays as it is.
    void selectAllOnFocus_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("text");
        QTest::newRow("RA series") << "RA"
                                   << "XTSeriNo"
                                   << "A";
        QTest::newRow("RA quantity") << "RA"
                                     << "XTMiktar"
                                     << "1,5";
        QTest::newRow("RA empty barcode") << "RA"
                                          << "XTBarkod"
                                          << "";
        QTest::newRow("RB discount") << "RB"
                                     << "XTIsk2"
                                     << "10";
        QTest::newRow("RC price") << "RC"
                                  << "XTFiyat"
                                  << "12,50";
        QTest::newRow("RX up percent") << "RX"
                                       << "XTArti"
                                       << "0";
        QTest::newRow("RX down percent") << "RX"
                                         << "XTEksi"
                                         << "15";
    }
    void selectAllOnFocus()
    {
        QFETCH(QString, panel);
        QFETCH(QString, property);
        QFETCH(QString, text);
        HostedPanel host(progId(panel));
        if (panel == u"RX")
            host.child<QLineEdit>("XTTab")->setText("1");
        auto *field = host.child<QLineEdit>(property.toLatin1().constData());
        field->setText(text);
        field->setCursorPosition(0);
        host.after->setFocus();
        field->setFocus();
        QCOMPARE(field->selectedText(), text);
        QCOMPARE(field->hasSelectedText(), !text.isEmpty());
        // A click anywhere in the text selects it too, so typing replaces it.
        for (const int cursor : { 0, int(text.size() / 2), int(text.size()) }) {
            host.after->setFocus();
            kxtest::clickAtCursor(field, cursor);
            QVERIFY(field->hasFocus());
            QCOMPARE(field->selectedText(), text);
        }
        kxtest::typeText(field, QStringLiteral("7"));
        QCOMPARE(field->text(), QStringLiteral("7"));
    }

    // A click on any part of a panel's date field, then a whole date typed, takes that date
    // at once; a year alone changes the year.
    void dateAfterAClick_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("RA date, day") << "RA"
                                      << "XDBelge" << 1 << "15.01.2027"
                                      << "15.01.2027";
        QTest::newRow("RB date, month") << "RB"
                                        << "XDBelge" << 4 << "15.01.2027"
                                        << "15.01.2027";
        QTest::newRow("RC dispatch, year") << "RC"
                                           << "XDSevk" << 8 << "15.01.2027"
                                           << "15.01.2027";
        QTest::newRow("RX VAT range, year") << "RX"
                                            << "XDTarA5" << 8 << "10.12.2026"
                                            << "10.12.2026";
        QTest::newRow("RX VAT range, middle") << "RX"
                                              << "XDTarA5" << 5 << "10.12.2026"
                                              << "10.12.2026";
        QTest::newRow("RX VAT range, year alone") << "RX"
                                                  << "XDTarA5" << 8 << "2027"
                                                  << "01.01.2027";
    }
    void dateAfterAClick()
    {
        QFETCH(QString, panel);
        QFETCH(QString, property);
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        HostedPanel host(progId(panel));
        if (panel == u"RX")
            host.child<QLineEdit>("XTTab")->setText("4");
        auto *date = host.child<kx::DateField>(property.toLatin1().constData());
        QVERIFY(date && date->isVisible());
        QVERIFY(date->setDateText(QStringLiteral("01.01.2026")));
        host.after->setFocus();
        kxtest::clickAtCursor(kxtest::innerEdit(date), cursor);
        QVERIFY(date->hasFocus());
        QTest::keyClicks(date, typed);
        QCOMPARE(date->DateText(), shown);
        QTest::keyClick(date, Qt::Key_Tab);
        QVERIFY(!date->hasFocus());
        QCOMPARE(date->DateText(), shown);
    }

    // Coming back to the window from another program leaves the caret where it was: the next
    // key must not replace the whole text.
    void activationKeepsTheCaret_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("property");
        QTest::newRow("RA note") << "RA"
                                 << "XTAciklama";
        QTest::newRow("RB series") << "RB"
                                   << "XTSeriNo";
        QTest::newRow("RC price") << "RC"
                                  << "XTFiyat";
    }
    void activationKeepsTheCaret()
    {
        QFETCH(QString, panel);
        QFETCH(QString, property);
        HostedPanel host(progId(panel));
        auto *field = host.child<QLineEdit>(property.toLatin1().constData());
        field->setText(QStringLiteral("12,50 TL"));
        field->setFocus();
        field->setCursorPosition(2);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        host.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(host.window.get()));
        QCOMPARE(QApplication::focusWidget(), field);
        QVERIFY(!field->hasSelectedText());
        QCOMPARE(field->cursorPosition(), 2);
    }

    // Enter in a combo's open list takes the highlighted entry with the combo's event, as a
    // click there does; the panel's Enter rule is for its fields, not for the list.
    void enterInTheOpenListChooses_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("event");
        QTest::newRow("RA account") << "RA"
                                    << ""
                                    << "XCCari"
                                    << "CCariCL";
        QTest::newRow("RA stock") << "RA"
                                  << ""
                                  << "XCStok"
                                  << "CStokCL";
        QTest::newRow("RA direction list") << "RA"
                                           << ""
                                           << "XCBelge"
                                           << "CBelgeCL";
        QTest::newRow("RB account") << "RB"
                                    << ""
                                    << "XCCari"
                                    << "CCariCL";
        QTest::newRow("RC stock") << "RC"
                                  << ""
                                  << "XCStok"
                                  << "CStokCL";
        QTest::newRow("RX account") << "RX"
                                    << "0"
                                    << "XCCari"
                                    << "";
        QTest::newRow("RX stock") << "RX"
                                  << "5"
                                  << "XCStok"
                                  << "";
    }
    void enterInTheOpenListChooses()
    {
        QFETCH(QString, panel);
        QFETCH(QString, page);
        QFETCH(QString, property);
        QFETCH(QString, event);
        HostedPanel host(progId(panel));
        QVERIFY(host.ready);
        if (!page.isEmpty())
            host.child<QLineEdit>("XTTab")->setText(page);
        auto *combo = host.child<kx::ComboBox>(property.toLatin1().constData());
        if (combo->isEditable())
            combo->AddItems({ "ALFA (1)", "BETA (2)", "GAMA (3)" });
        if (!event.isEmpty())
            host.countEvents({ event });
        combo->setFocus();
        const QString focusedBefore = host.focusedName();
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        // The open list stands on its first entry; one step down is the second.
        QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QTRY_VERIFY(!combo->view()->isVisible());
        QCOMPARE(combo->ListIndex(), 1);
        if (!event.isEmpty())
            QCOMPARE(host.raised.value(event), 1);
        // The choice only: the walk to the next field is Enter's in the field, not in the list.
        QCOMPARE(host.focusedName(), focusedBefore);
    }

    // A completed entry is chosen, with its event, before the Enter rule walks on: the host's
    // handler already reads the choice.
    void enterChoosesTheCompletedEntryFirst_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("RA account") << "RA"
                                    << "XCCari"
                                    << "CCariCL"
                                    << "be" << 1 << "DBelge";
        QTest::newRow("RB account, Turkish letters") << "RB"
                                                     << "XCCari"
                                                     << "CCariCL"
                                                     << "çi" << 3 << "DBelge";
        QTest::newRow("RC stock") << "RC"
                                  << "XCStok"
                                  << "CStokCL"
                                  << "ga" << 2 << "TMiktar";
        QTest::newRow("RA stock, no entry") << "RA"
                                            << "XCStok"
                                            << "CStokCL"
                                            << "x" << -1 << "TMiktar";
    }
    void enterChoosesTheCompletedEntryFirst()
    {
        QFETCH(QString, panel);
        QFETCH(QString, property);
        QFETCH(QString, event);
        QFETCH(QString, typed);
        QFETCH(int, chosen);
        QFETCH(QString, focusAfter);
        HostedPanel host(progId(panel));
        QVERIFY(host.ready);
        auto *combo = host.child<kx::ComboBox>(property.toLatin1().constData());
        combo->AddItems({ "ALFA (1)", "BETA (2)", "GAMA (3)", "Çini Ağa (4)" });
        QList<int> seen;
        kx::ConnectPanelEvent(host.panel, event, host.window.get(),
                              [&] { seen << combo->ListIndex(); });
        combo->setFocus();
        for (const QChar character : typed)
            HostedPanel::type(QString(character));
        HostedPanel::press(Qt::Key_Return);
        QCOMPARE(combo->ListIndex(), chosen);
        QCOMPARE(seen, chosen >= 0 ? QList<int> { chosen } : QList<int>());
        QCOMPARE(host.focusedName(), focusAfter);
    }

    void fold_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("i") << "i"
                           << "I";
        QTest::newRow("dotless ı") << "ı"
                                   << "I";
        QTest::newRow("dotted İ") << "İ"
                                  << "I";
        QTest::newRow("ş") << "ş"
                           << "S";
        QTest::newRow("Ş") << "Ş"
                           << "S";
        QTest::newRow("ğ") << "ğ"
                           << "G";
        QTest::newRow("Ğ") << "Ğ"
                           << "G";
        QTest::newRow("ü") << "ü"
                           << "U";
        QTest::newRow("Ü") << "Ü"
                           << "U";
        QTest::newRow("ç") << "ç"
                           << "C";
        QTest::newRow("Ç") << "Ç"
                           << "C";
        QTest::newRow("ö") << "ö"
                           << "O";
        QTest::newRow("Ö") << "Ö"
                           << "O";
        QTest::newRow("a") << "a"
                           << "A";
        QTest::newRow("z") << "z"
                           << "Z";
        QTest::newRow("upper Q") << "Q"
                                 << "Q";
        QTest::newRow("digit") << "7"
                               << "7";
        QTest::newRow("blank") << " "
                               << " ";
        QTest::newRow("Latin-1 eth") << "ð"
                                     << "ð";
        QTest::newRow("Latin-1 y acute") << "ý"
                                         << "ý";
        QTest::newRow("Latin-1 thorn") << "þ"
                                       << "þ";
        QTest::newRow("e acute") << "é"
                                 << "é";
    }
    // Every account and stock combo of every panel folds what is typed into it.
    void fold()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        for (const auto &[panel, property] : FoldingCombos) {
            HostedPanel host(progId(panel));
            kx::ComboBox *combo = focusedCombo(host, panel, property);
            HostedPanel::type(typed);
            HostedPanel::type(typed);
            QVERIFY2(combo->Text() == shown + shown, qPrintable(panel + "." + property));
        }
    }

    // Text pasted into an account or stock combo, with Ctrl+V or by its context menu, comes
    // in folded as typed letters do.
    void pastedTextIsFolded_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Ctrl+V") << false;
        QTest::newRow("context menu") << true;
    }
    void pastedTextIsFolded()
    {
        QFETCH(bool, byMenu);
        QApplication::clipboard()->setText(QStringLiteral("çağrı ltd. şti."));
        for (const auto &[panel, property] : FoldingCombos) {
            HostedPanel host(progId(panel));
            kx::ComboBox *combo = focusedCombo(host, panel, property);
            if (byMenu) {
                kxtest::pasteByContextMenu(combo->lineEdit(), 0);
            } else {
                HostedPanel::press(Qt::Key_V, Qt::ControlModifier);
            }
            QVERIFY2(combo->Text() == QStringLiteral("CAGRI LTD. STI."),
                     qPrintable(panel + "." + property + ": " + combo->Text()));
        }
    }

    // The arrow keys move from the entry that the typed letters complete to, and choose it
    // with its event.
    void arrowKeysMoveFromTheCompletion_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("chosen");
        QTest::newRow("be, Down") << "be" << QList<int> { Qt::Key_Down } << 2;
        QTest::newRow("al, Down, Down") << "al" << QList<int> { Qt::Key_Down, Qt::Key_Down } << 2;
        QTest::newRow("ga, Up") << "ga" << QList<int> { Qt::Key_Up } << 2;
    }
    void arrowKeysMoveFromTheCompletion()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        QFETCH(int, chosen);
        HostedPanel host(progId("RA"));
        QVERIFY(host.ready);
        auto *combo = host.child<kx::ComboBox>("XCCari");
        combo->AddItems({ "ALFA TICARET (1)", "BETA LTD (2)", "CAGLAR INSAAT (4)", "GAMA AS (3)",
                          "ISIK GIDA (5)" });
        QList<int> seen;
        kx::ConnectPanelEvent(host.panel, "CCariCL", host.window.get(),
                              [&] { seen << combo->ListIndex(); });
        combo->setFocus();
        for (const QChar character : typed)
            HostedPanel::type(QString(character));
        for (int key : keys)
            HostedPanel::press(Qt::Key(key));
        QCOMPARE(combo->ListIndex(), chosen);
        QCOMPARE(combo->Text(), combo->List(chosen));
        QVERIFY(!seen.isEmpty());
        QCOMPARE(seen.last(), chosen);
    }

    // Only the account and stock combos fold.
    void otherFieldsKeepWhatIsTyped()
    {
        HostedPanel host(progId("RC"));
        auto *description = host.child<QLineEdit>("XTAciklama");
        description->setFocus();
        for (const QString &letter :
             { QStringLiteral("ş"), QStringLiteral("i"), QStringLiteral("ç") })
            HostedPanel::type(letter);
        QCOMPARE(description->text(), QStringLiteral("şiç"));
    }

    // Leaving the document date always overwrites the dispatch date, also unchanged.
    void dispatchDateFollows_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("RA by Tab") << "RA" << false;
        QTest::newRow("RB by Enter") << "RB" << true;
        QTest::newRow("RC by Tab") << "RC" << false;
    }
    void dispatchDateFollows()
    {
        QFETCH(QString, panel);
        QFETCH(bool, byEnter);
        HostedPanel host(progId(panel));
        auto *document = host.child<kx::DateField>("XDBelge");
        auto *dispatch = host.child<kx::DateField>("XDSevk");
        document->setDateText("01.02.2026");
        dispatch->setDateText("05.03.2026");
        document->setFocus();
        HostedPanel::press(byEnter ? Qt::Key_Return : Qt::Key_Tab);
        QCOMPARE(dispatch->DateText(), QStringLiteral("01.02.2026"));
        // A dispatch date entered after it is overwritten on the next pass.
        dispatch->setDateText("09.09.2026");
        document->setFocus();
        host.after->setFocus();
        QCOMPARE(dispatch->DateText(), QStringLiteral("01.02.2026"));
        QCOMPARE(document->DateText(), QStringLiteral("01.02.2026"));
    }

    // Which child raises which event; typing, focus walks and the fixed lists raise none.
    void childEvents_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("event");
        QTest::newRow("RA direction by key") << "RA"
                                             << "XCBelge"
                                             << "key"
                                             << "CBelgeCL";
        QTest::newRow("RA account by code") << "RA"
                                            << "XCCari"
                                            << "code"
                                            << "CCariCL";
        QTest::newRow("RA barcode switch by key") << "RA"
                                                  << "XCBarkod"
                                                  << "key"
                                                  << "CBarkodCL";
        QTest::newRow("RA serial switch by code") << "RA"
                                                  << "XCSerial"
                                                  << "code"
                                                  << "CSerialCL";
        QTest::newRow("RA stock by code") << "RA"
                                          << "XCStok"
                                          << "code"
                                          << "CStokCL";
        QTest::newRow("RA account typed") << "RA"
                                          << "XCCari"
                                          << "type"
                                          << "";
        QTest::newRow("RA account cleared") << "RA"
                                            << "XCCari"
                                            << "clear"
                                            << "";
        QTest::newRow("RB VAT by key") << "RB"
                                       << "XCKdv"
                                       << "key"
                                       << "CKdvCL";
        QTest::newRow("RB discount typed") << "RB"
                                           << "XTIsk1"
                                           << "type"
                                           << "TIsk1CH";
        QTest::newRow("RB discount by host") << "RB"
                                             << "XTIsk2"
                                             << "text"
                                             << "TIsk2CH";
        QTest::newRow("RB third discount by host") << "RB"
                                                   << "XTIsk3"
                                                   << "text"
                                                   << "TIsk3CH";
        QTest::newRow("RB description typed") << "RB"
                                              << "XTAciklama"
                                              << "type"
                                              << "";
        QTest::newRow("RC VAT by code") << "RC"
                                        << "XCKdv"
                                        << "code"
                                        << "CKdvCL";
        QTest::newRow("RC barcode switch by key") << "RC"
                                                  << "XCBarkod"
                                                  << "key"
                                                  << "CBarkodCL";
        QTest::newRow("RC stock by code") << "RC"
                                          << "XCStok"
                                          << "code"
                                          << "CStokCL";
        QTest::newRow("RC first discount typed") << "RC"
                                                 << "XTIsk1"
                                                 << "type"
                                                 << "TIsk1CH";
        QTest::newRow("RC price typed") << "RC"
                                        << "XTFiyat"
                                        << "type"
                                        << "";
        QTest::newRow("RC copies by key") << "RC"
                                          << "XCPrint"
                                          << "key"
                                          << "";
    }
    void childEvents()
    {
        QFETCH(QString, panel);
        QFETCH(QString, property);
        QFETCH(QString, action);
        QFETCH(QString, event);
        HostedPanel host(progId(panel));
        host.countEvents(DocumentEvents);
        QWidget *child = host.child(property.toLatin1().constData());
        auto *combo = qobject_cast<kx::ComboBox *>(child);
        if (combo && combo->isEditable())
            combo->AddItem("ACME TİCARET (120.01)");
        child->setFocus();
        if (action == u"key") {
            HostedPanel::press(Qt::Key_Down);
        } else if (action == u"code") {
            QVERIFY(combo->setListIndex(0));
        } else if (action == u"clear") {
            combo->setListIndex(-1);
            combo->setText(QString());
        } else if (action == u"type") {
            HostedPanel::type("5");
        } else if (action == u"text") {
            qobject_cast<QLineEdit *>(child)->setText("10");
        }
        QMap<QString, int> expected;
        if (!event.isEmpty())
            expected.insert(event, 1);
        QCOMPARE(host.raised, expected);
    }

private:
    QTemporaryDir configHome;
};

KX_TEST(TestPanelKeys)
#include "tst_panel_keys.moc"
