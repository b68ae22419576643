// Keyboard and focus on the main window and the forms: the Tab walk of the document pages, the
// totals' one focus cell, Enter on a report page, the visible focus, and the caret kept when a
// window is activated again.
#include "app/card_editor.h"
#include "app/main_window.h"
#include "core/cards.h"
#include "core/document_lines.h"
#include "core/input_dialog.h"
#include "core/login_form.h"
#include "core/panel_fields.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/grid.h"
#include "tests/app/events_window.h"
#include "tests/support/builders.h"
#include "tests/support/clicking.h"
#include "tests/support/kxtest.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleOption>
#include <QTest>

#include <functional>
#include <memory>

using namespace kxtest;

namespace {

// The grid or panel field that holds the focus, by name.
QString focusedName()
{
    for (QWidget *widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (qobject_cast<kx::Grid *>(widget) || widget->property("TabIndex").isValid())
            return widget->objectName();
    }
    return QString();
}

void addCards()
{
    addStock("1", "VIDA");
    addStock("2", "SOMUN");
    addAccount("1", "ALI");
    addAccount("2", "BEKIR");
    addAccount("3", "CEMAL");
}

// True when the widget draws its focus mark: it holds the focus and its window lets the style
// show it.
bool showsFocus(QWidget *widget)
{
    QStyleOption option;
    option.initFrom(widget);
    return (option.state & QStyle::State_HasFocus)
        && (option.state & QStyle::State_KeyboardFocusChange);
}

} // namespace

class TestKeyboardAndFocus : public QObject
{
    Q_OBJECT

private slots:
    void init() { kx::messageScript().clear(); }

    // Tab leaves the panel's last field for the lines, the lines for the totals, the totals
    // for the first field; Shift+Tab goes the same way back.
    void documentPageTabWalk_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QStringList>("walk");
        QTest::newRow("note") << 3 << "XTMiktar" << true << QStringList { "Grid1", "CBelge" };
        QTest::newRow("invoice") << 4 << "XTAciklama" << true
                                 << QStringList { "Grid1", "GridB2", "CBelge" };
        QTest::newRow("invoice with lines")
            << 5 << "XTFiyat" << true << QStringList { "Grid1", "GridB3", "CBelge" };
        QTest::newRow("invoice with lines, back")
            << 5 << "XCBelge" << false << QStringList { "GridB3", "Grid1", "TFiyat" };
        QTest::newRow("note, back")
            << 3 << "XCBelge" << false << QStringList { "Grid1", "TMiktar" };
    }
    void documentPageTabWalk()
    {
        QFETCH(int, page);
        QFETCH(QString, start);
        QFETCH(bool, forward);
        QFETCH(QStringList, walk);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(page);
        auto *first = qobject_cast<QWidget *>(
            kx::panelField(w.documentView().panelOfPage(page), start.toLatin1().constData()));
        first->setFocus(Qt::OtherFocusReason);
        QStringList visited;
        for (int step = 0; step < walk.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab);
            visited << focusedName();
            if (kx::Grid *totals = w.documentView().totalsOfPage(page);
                totals && visited.last() == totals->objectName()) {
                QCOMPARE(totals->CurrentCell().Row(), 2);
                QCOMPARE(totals->CurrentCell().Col(), 3);
            }
        }
        QCOMPARE(visited, walk);
    }

    // Tab from a discount being typed keeps the typed value, closes the editor and goes on
    // as Tab from the cell itself does: on to the panel, or with Shift back to the lines.
    void tabFromTheDiscountEditor_data()
    {
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QString>("next");
        QTest::newRow("Tab") << true << "CBelge";
        QTest::newRow("Shift+Tab") << false << "Grid1";
    }
    void tabFromTheDiscountEditor()
    {
        QFETCH(bool, forward);
        QFETCH(QString, next);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::InvoiceWithLines);
        kx::Grid *totals = w.GridB3;
        totals->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(totals, QStringLiteral("5"));
        QCOMPARE(kx::Grid::editorOwner(QApplication::focusWidget()), totals);
        QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab);
        QCOMPARE(focusedName(), next);
        QVERIFY(!kx::Grid::editorOwner(QApplication::focusWidget()));
        QCOMPARE(totals->Cell(2, 3).Text(), QStringLiteral("5,00"));
    }

    // A click on a label or a sum of the totals brings the focus to the discount cell; the
    // arrow keys keep it there.
    void totalsFocusOnlyTheDiscount_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("a label") << 1 << 1;
        QTest::newRow("the grand total") << 7 << 3;
        QTest::newRow("the discount itself") << 2 << 3;
    }
    void totalsFocusOnlyTheDiscount()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::InvoiceWithLines);
        kx::Grid *totals = w.GridB3;
        const QModelIndex cell = totals->model()->index(row - 1, col);
        QTest::mouseClick(totals->viewport(), Qt::LeftButton, {},
                          totals->visualRect(cell).center());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(totals));
        QCOMPARE(totals->CurrentCell().Row(), 2);
        QCOMPARE(totals->CurrentCell().Col(), 3);
        for (Qt::Key key : { Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Down })
            QTest::keyClick(totals, key);
        QCOMPARE(totals->CurrentCell().Row(), 2);
        QCOMPARE(totals->CurrentCell().Col(), 3);
    }

    // On a report page Enter chooses the account or card that the typed start completed
    // before the page reads the options.
    void reportEnterChoosesTheCompletedEntry_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("account statement") << 6 << "XCCari"
                                           << "be"
                                           << "BEKIR (2)";
        QTest::newRow("stock movements") << 11 << "XCStok"
                                         << "so"
                                         << "SOMUN (2)";
    }
    void reportEnterChoosesTheCompletedEntry()
    {
        QFETCH(int, page);
        QFETCH(QString, property);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(page);
        auto *combo
            = qobject_cast<kx::ComboBox *>(kx::panelField(w.RX1, property.toLatin1().constData()));
        combo->setFocus(Qt::OtherFocusReason);
        for (const QChar character : typed)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                QString(character), Qt::NoModifier);
        QCOMPARE(combo->ListIndex(), -1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(combo->ListIndex() >= 0);
        QCOMPARE(combo->Text(), chosen);
    }

    // The focused control shows its focus mark also when the focus came by Enter or by code,
    // after a mouse click as well.
    void focusIsShown_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("fresh document page") << "page";
        QTest::newRow("fresh page after a click elsewhere") << "click";
        QTest::newRow("card editor, Enter onto a list") << "editor";
    }
    void focusIsShown()
    {
        QFETCH(QString, how);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        if (how == u"editor") {
            kx::state().PopKind = kx::CardKind::Stock;
            kx::state().PopMode = QStringLiteral("y");
            kx::F1Pop editor;
            editor.show();
            editor.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&editor));
            editor.field(1)->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(editor.field(1), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(editor.Combo1(2)));
            QVERIFY(showsFocus(editor.Combo1(2)));
            return;
        }
        if (how == u"click") {
            w.ShowPage(kx::Page::StockList);
            QTest::mouseClick(w.TBul, Qt::LeftButton);
        }
        w.ShowPage(kx::Page::DeliveryNote);
        auto *direction = qobject_cast<QWidget *>(kx::panelField(w.RA1, "XCBelge"));
        QCOMPARE(QApplication::focusWidget(), direction);
        QVERIFY(showsFocus(direction));
    }

    // The main window destroyed while a grid holds the focus with an open cell editor: nothing
    // it connected runs on the half-destroyed window (the test build's sanitizers watch).
    void destroyedWhileAGridEdits_data()
    {
        QTest::addColumn<bool>("totals");
        QTest::newRow("lines") << false;
        QTest::newRow("totals") << true;
    }
    void destroyedWhileAGridEdits()
    {
        QFETCH(bool, totals);
        EventsWindow env;
        addCards();
        kx::FMain &w = env.start();
        w.ShowPage(kx::Page::InvoiceWithLines);
        qobject_cast<kx::ComboBox *>(kx::panelField(w.RC1, "XCStok"))->setListIndex(0);
        kx::setFieldText(w.RC1, "XTFiyat", QStringLiteral("10"));
        kx::AddDocumentLine(w.documentView());
        QCOMPARE(w.Grid1->Rows(), 2);
        kx::Grid *grid = totals ? w.GridB3 : w.Grid1;
        grid->setFocus(Qt::OtherFocusReason);
        grid->Cell(totals ? 2 : 1, totals ? 3 : kx::state().ColMiktar).Select();
        QTest::keyClick(grid, Qt::Key_5);
        QVERIFY(kx::Grid::editorOwner(QApplication::focusWidget()) == grid);
        env.window.reset();
        QVERIFY(kx::state().FMain.isNull());
    }

    // A whole date typed after a click on the year of the document date is the date that
    // Ctrl+K saves, pressed in the date field without leaving it.
    void dateTypedAfterAClickIsSaved_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("whole date in the year") << "15.01.2027" << 20270115;
        QTest::newRow("two-digit year") << "27" << 20271211;
    }
    void dateTypedAfterAClickIsSaved()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        EventsWindow env;
        addStock("1", "VIDA", { { 3, "20" }, { 6, "10,00" } });
        addAccount("1", "ALI");
        kx::FMain &w = env.start();
        kx::messageScript().suppressNotices = true;
        w.ShowPage(kx::Page::InvoiceWithLines);
        QObject *panel = w.RC1;
        kx::setFieldIndex(panel, "XCCari", 0);
        kx::setFieldIndex(panel, "XCStok", 0);
        auto *price = qobject_cast<QLineEdit *>(kx::panelField(panel, "XTFiyat"));
        price->setFocus();
        QTest::keyClick(price, Qt::Key_Return);
        QCOMPARE(w.Grid1->Rows(), 2);
        auto *date = qobject_cast<kx::DateField *>(kx::panelField(panel, "XDBelge"));
        QVERIFY(date->setDateText(QStringLiteral("11.12.2026")));

        clickAtCursor(innerEdit(date), 8);
        QTest::keyClicks(date, typed);
        QVERIFY(date->hasFocus());
        QTest::keyClick(date, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(kx::messageScript().lastPopupText(), QStringLiteral("Belge kaydedildi..."));
        kx::Recordset rs;
        rs.Open("select btarihi from \"1Belge\" where bmod=5", *kx::state().Conn);
        QVERIFY(!rs.Eof());
        QCOMPARE(rs.Fields(0).toInt(), stored);
    }

    // Select-all happens when the focus moves into a field, not when its window is activated
    // again: the next key must not replace the whole text.
    void activationKeepsTheCaret_data()
    {
        QTest::addColumn<QString>("form");
        QTest::newRow("card editor") << "editor";
        QTest::newRow("login settings page") << "login";
        QTest::newRow("input dialog") << "input";
    }
    void activationKeepsTheCaret()
    {
        QFETCH(QString, form);
        EventsWindow env;
        std::unique_ptr<QWidget> window;
        QLineEdit *field = nullptr;
        if (form == u"editor") {
            kx::state().PopKind = kx::CardKind::Account;
            kx::state().PopMode = QStringLiteral("y");
            auto *editor = new kx::F1Pop;
            window.reset(editor);
            field = editor->Text1(19);
        } else if (form == u"login") {
            auto *login = new kx::FGiris;
            window.reset(login);
            field = login->Text1[0];
            login->TabX->setCurrentIndex(1);
        } else {
            kx::state().InputDefault = QString();
            auto *input = new kx::FInputbox;
            window.reset(input);
            field = input->Text1;
        }
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        field->setFocus(Qt::TabFocusReason);
        field->setText(QStringLiteral("KARA KEDI"));
        field->setCursorPosition(4);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(field));
        QVERIFY(!field->hasSelectedText());
        QTest::keyClicks(field, QStringLiteral("X"));
        QCOMPARE(field->text(), QStringLiteral("KARAX KEDI"));
    }
};

KX_TEST(TestKeyboardAndFocus)

#include "tst_keyboard.moc"
