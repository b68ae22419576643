// The settings window: what its load shows of the settings rows and what its save writes back.
#include "app/main_window.h"
#include "core/database.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/pages.h"
#include "core/state.h"
#include "core/version_check.h"
#include "platform/grid.h"
#include "settings/link_label.h"
#include "settings/settings_window.h"
#include "tests/settings/settings_seed.h"
#include "tests/settings/url_recorder.h"
#include "tests/support/builders.h"
#include "tests/support/clicking.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace kxtest;

namespace {

const QString SavedText = QStringLiteral("Ayarlar kaydedildi...");
const QString RestartText = QStringLiteral(
    "Kayıt tabloları ile ilgili yapmış olduğunuz değişikliklerin geçerli olabilmesi için "
    "Kantarix'yi kapatıp tekrar açmalısınız!");

const QString SecondSettings = QStringLiteral("2Ayar");

// The first company logged in, both companies' settings rows holding the seeded texts (so
// that their rows 54 agree), and its settings window.
struct SettingsEnv
{
    Fixture fixture;
    std::unique_ptr<kx::FAyar> window;

    explicit SettingsEnv(bool mainComputer = true)
    {
        fixture.login(2);
        seedSettings();
        fixture.login(1);
        seedSettings();
        fixture.loadLists();
        kx::state().MainComputer = mainComputer;
    }

    kx::FAyar &open()
    {
        window = std::make_unique<kx::FAyar>();
        window->show();
        return *window;
    }

    void save() { QTest::mouseClick(window->BKaydet, Qt::LeftButton); }
};

// A grid of the window by number: -1 the list fields, 0..2 the layouts.
kx::Grid *gridOf(kx::FAyar &window, int grid)
{
    return grid < 0 ? window.Grid1 : window.Grid2[grid];
}

// Turns the window to the page of that grid and makes it the active window; null when it
// does not become active.
kx::Grid *showGrid(kx::FAyar &window, int grid)
{
    window.Tab1->setCurrentIndex(grid < 0 ? 0 : 1);
    if (grid >= 0)
        window.Tab2->setCurrentIndex(grid);
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window) ? gridOf(window, grid) : nullptr;
}

// The control that shows column a<column> of row 53 or 54: 1 ticked / 0 clear, or the list
// index of a table choice.
int shownControl(kx::FAyar &window, int row, int column)
{
    if (row == 54 && column <= 4)
        return window.Combo1[column - 1]->currentIndex();
    QCheckBox *box = row == 53 ? window.Check1[column - 1] : window.Check1[column + 4];
    return box->isChecked() ? 1 : 0;
}

// A value of settings row 54 or 53 where the window reads it: a table choice of the second
// company (a3, a4) in both companies' rows, so that they still agree.
void setShownSetting(int row, int column, const QVariant &value)
{
    setSetting(row, column, value);
    if (row == 54 && (column == 3 || column == 4))
        setSetting(row, column, value, SecondSettings);
}

// Types text as key presses into the focused editor; QTest::keyClicks takes Latin-1 only.
void typeText(QWidget *editor, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &release);
    }
}

int countShown(const QString &kind, const QString &text)
{
    int count = 0;
    for (const kx::MessageRecord &record : kx::messageScript().shown)
        count += record.kind == kind && record.text == text ? 1 : 0;
    return count;
}

QString settingsTableOf(int company)
{
    return QStringLiteral("%1Ayar").arg(company);
}

// Row 54 a1..a4 of the company's settings table, as the login last left it loaded.
void storeChoices(int company, const QStringList &choices)
{
    for (int c = 1; c <= 4; ++c)
        setSetting(54, c, choices.at(c - 1), settingsTableOf(company));
}

// What the table-usage lists show, on the page "Diğer" reached by a click on its tab.
QList<int> shownChoices(kx::FAyar &window)
{
    if (window.Tab1->currentIndex() != 3)
        clickTab(window.Tab1, 3);
    QList<int> shown;
    for (QComboBox *combo : window.Combo1)
        shown << combo->currentIndex();
    return shown;
}

QStringList storedChoices(int company)
{
    QStringList stored;
    for (int c = 1; c <= 4; ++c)
        stored << storedSetting(54, c, settingsTableOf(company));
    return stored;
}

QStringList asTexts(const QList<int> &choices)
{
    QStringList texts;
    for (const int choice : choices)
        texts << QString::number(choice);
    return texts;
}

// The names a list page shows in its name column, top to bottom.
QStringList listedNames(kx::FMain &main, int page)
{
    main.ShowPage(page);
    QStringList names;
    for (int r = 1; r < main.Grid1->Rows(); ++r)
        names << main.Grid1->Cell(r, 2).Text();
    return names;
}

} // namespace

class TestSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { QApplication::processEvents(); }

    // Load and an unchanged save: every settings row stays byte for byte as it was, the
    // columns the window does not show included, and the window reports and closes.
    void unchangedSaveKeepsEveryRow()
    {
        SettingsEnv env;
        const QMap<QString, QString> before = settingsSnapshot();
        env.open();
        QCOMPARE(settingsSnapshot(), before); // the load writes nothing
        kx::messageScript().shown.clear();

        const QMap<QString, QString> otherBefore = settingsSnapshot(SecondSettings);
        env.save();
        QCOMPARE(settingsSnapshot(SecondSettings), otherBefore);
        const QMap<QString, QString> after = settingsSnapshot();
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
        QCOMPARE(countShown(QStringLiteral("notice"), RestartText), 0);
        QCOMPARE(kx::messageScript().lastPopupText(), SavedText);
        QCOMPARE(env.window->result(), int(QDialog::Accepted));
        QVERIFY(!env.window->isVisible());
    }

    // Cells at the edges of each block: the load shows the stored text there, and a text put
    // there is saved into that row and column and nowhere else.
    void cellMapping_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("settingsRow");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");

        QTest::newRow("stock shown, first") << -1 << 2 << 1 << 1 << 1 << "7";
        QTest::newRow("stock shown, last") << -1 << 19 << 1 << 1 << 18 << "7";
        QTest::newRow("stock width, first") << -1 << 2 << 2 << 4 << 1 << "77";
        QTest::newRow("stock width, last") << -1 << 19 << 2 << 4 << 18 << "77";
        QTest::newRow("stock caption, first") << -1 << 14 << 3 << 1 << 19 << "Renk";
        QTest::newRow("stock caption, last") << -1 << 19 << 3 << 1 << 24 << "Beden";
        QTest::newRow("account shown, first") << -1 << 2 << 4 << 2 << 1 << "7";
        QTest::newRow("account shown, last") << -1 << 19 << 4 << 2 << 18 << "7";
        QTest::newRow("account width, first") << -1 << 2 << 5 << 5 << 1 << "77";
        QTest::newRow("account width, last") << -1 << 19 << 5 << 5 << 18 << "77";
        QTest::newRow("account caption, first") << -1 << 14 << 6 << 2 << 19 << "Bölge";
        QTest::newRow("account caption, last") << -1 << 19 << 6 << 2 << 24 << "Temsilci";
        QTest::newRow("delivery note, first value cell") << 0 << 2 << 2 << 17 << 1 << "x";
        QTest::newRow("delivery note, last value cell") << 0 << 27 << 7 << 22 << 26 << "x";
        QTest::newRow("delivery note, first caption cell") << 0 << 2 << 8 << 23 << 1 << "x";
        QTest::newRow("delivery note, last caption cell") << 0 << 27 << 13 << 28 << 26 << "x";
        QTest::newRow("invoice, first cell") << 1 << 2 << 2 << 29 << 1 << "x";
        QTest::newRow("invoice, last cell") << 1 << 45 << 13 << 40 << 44 << "x";
        QTest::newRow("invoice with lines, first cell") << 2 << 2 << 2 << 41 << 1 << "x";
        QTest::newRow("invoice with lines, last cell") << 2 << 44 << 13 << 52 << 43 << "x";
    }
    void cellMapping()
    {
        QFETCH(int, grid);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, settingsRow);
        QFETCH(int, column);
        QFETCH(QString, typed);
        SettingsEnv env;
        kx::FAyar &w = env.open();
        kx::Grid *shown = gridOf(w, grid);
        QCOMPARE(shown->Cell(row, col).Text(), seededText(settingsRow, column));

        QMap<QString, QString> expected = settingsSnapshot();
        shown->Cell(row, col).setText(typed);
        env.save();
        expected[QStringLiteral("%1/a%2").arg(settingsRow).arg(column)]
            = QStringLiteral("QString:") + typed;
        QCOMPARE(settingsSnapshot(), expected);
    }

    // The rights, the table usage and the two switches, each by its own control.
    void controlMapping_data()
    {
        QTest::addColumn<int>("settingsRow");
        QTest::addColumn<int>("column");

        for (int column = 1; column <= 9; ++column)
            QTest::addRow("right a%d", column) << 53 << column;
        for (int column = 1; column <= 6; ++column)
            QTest::addRow("row 54 a%d", column) << 54 << column;
    }
    void controlMapping()
    {
        QFETCH(int, settingsRow);
        QFETCH(int, column);
        SettingsEnv env;
        // Every control of the page off but this one.
        for (int c = 1; c <= (settingsRow == 53 ? 9 : 6); ++c)
            setShownSetting(settingsRow, c, QStringLiteral("0"));
        setShownSetting(settingsRow, column, QStringLiteral("1"));
        kx::LoadLists(true, false, false);
        kx::FAyar &w = env.open();
        for (int c = 1; c <= (settingsRow == 53 ? 9 : 6); ++c)
            QCOMPARE(shownControl(w, settingsRow, c), c == column ? 1 : 0);

        // Turned off again, it alone changes.
        if (settingsRow == 54 && column <= 4)
            w.Combo1[column - 1]->setCurrentIndex(0);
        else
            (settingsRow == 53 ? w.Check1[column - 1] : w.Check1[column + 4])->setChecked(false);
        QMap<QString, QString> expected = settingsSnapshot();
        env.save();
        expected[QStringLiteral("%1/a%2").arg(settingsRow).arg(column)]
            = QStringLiteral("QString:0");
        QCOMPARE(settingsSnapshot(), expected);
    }

    void gridShapes_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastName");

        QTest::newRow("list fields") << -1 << 20 << "Alan'1.24 ü";
        QTest::newRow("İrsaliye") << 0 << 28 << "Ürün Alan'1.24 ü";
        QTest::newRow("Fatura") << 1 << 46 << "Faturadaki İrsaliyeler";
        QTest::newRow("İrsaliyeli Fatura") << 2 << 45 << "Hesap Durumu";
    }
    void gridShapes()
    {
        QFETCH(int, grid);
        QFETCH(int, rows);
        QFETCH(QString, lastName);
        SettingsEnv env;
        kx::FAyar &w = env.open();
        kx::Grid *shown = gridOf(w, grid);
        QCOMPARE(shown->Rows(), rows);
        const int last = rows - 1;
        if (grid < 0) {
            QCOMPARE(shown->Cols(), 7);
            QCOMPARE(shown->Cell(last, 3).Text(), lastName);
            QCOMPARE(shown->Cell(13, 6).Text(), QStringLiteral("İskonto (%)"));
            // Fixed names are locked, the free captions are not.
            QVERIFY(shown->Cell(13, 3).Locked());
            QVERIFY(!shown->Cell(14, 3).Locked());
            QCOMPARE(shown->ColumnCellType(1), int(kx::CellTypeCheckBox));
            QCOMPARE(shown->ColumnCellType(2), int(kx::CellTypeText));
            return;
        }
        QCOMPARE(shown->Cols(), 14);
        QCOMPARE(shown->Cell(last, 0).Text(), QString::number(rows - 2));
        QCOMPARE(shown->Cell(last, 1).Text(), lastName);
        QCOMPARE(shown->Cell(2, 1).Text(), QStringLiteral("Cari Adı"));
        QVERIFY(shown->Cell(last, 1).Locked());
        QStringList titles;
        for (int c = 1; c < 14; ++c)
            titles << shown->Cell(1, c).Text();
        QCOMPARE(titles.join(u' '), QStringLiteral("İsim Y S Ü --> K B Y S Ü --> K B"));
        QCOMPARE(shown->Cell(0, 2).Text(), QStringLiteral("Değer"));
        QCOMPARE(shown->Cell(0, 8).Text(), QStringLiteral("Başlık"));
        for (int c = 2; c < 14; ++c)
            QCOMPARE(shown->ColumnCellType(c) == kx::CellTypeCheckBox, isLayoutCheckColumn(c));
    }

    // Off the main computer the page "Diğer" cannot be reached but shows the stored values,
    // and a save writes them back unchanged, with no restart notice.
    void otherComputer()
    {
        SettingsEnv env(false);
        kx::FAyar &w = env.open();
        QVERIFY(!w.Tab1->isTabEnabled(3));
        for (int tab = 0; tab < 3; ++tab)
            QVERIFY(w.Tab1->isTabEnabled(tab));
        for (int column = 1; column <= 9; ++column)
            QCOMPARE(shownControl(w, 53, column), seededText(53, column).toInt());
        for (int column = 1; column <= 6; ++column)
            QVERIFY2(shownControl(w, 54, column) == seededText(54, column).toInt(),
                     qPrintable(QString::number(column)));

        const QMap<QString, QString> before = settingsSnapshot();
        env.save();
        QCOMPARE(settingsSnapshot(), before);
        QCOMPARE(countShown(QStringLiteral("notice"), RestartText), 0);
        QCOMPARE(kx::messageScript().lastPopupText(), SavedText);
    }

    // Stored values no control can show as they are: the window opens, shows what the program
    // does with them, and an unchanged save keeps their meaning.
    void unusualStoredValues_data()
    {
        QTest::addColumn<int>("settingsRow");
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("saved");

        const QVariant null;
        QTest::newRow("right Null") << 53 << 2 << null << 0 << "0";
        QTest::newRow("right abc") << 53 << 3 << QVariant("abc") << 0 << "0";
        QTest::newRow("right 2 grants") << 53 << 9 << QVariant("2") << 1 << "1";
        QTest::newRow("right 0.5 grants") << 53 << 5 << QVariant("0.5") << 1 << "1";
        QTest::newRow("table Null") << 54 << 1 << null << -1 << "<null>";
        QTest::newRow("table abc") << 54 << 2 << QVariant("abc") << -1 << "abc";
        QTest::newRow("table 2") << 54 << 3 << QVariant("2") << 1 << "1";
        QTest::newRow("switch 2 is off") << 54 << 5 << QVariant("2") << 0 << "0";
        QTest::newRow("switch Null") << 54 << 6 << null << 0 << "0";
    }
    void unusualStoredValues()
    {
        QFETCH(int, settingsRow);
        QFETCH(int, column);
        QFETCH(QVariant, stored);
        QFETCH(int, shown);
        QFETCH(QString, saved);
        SettingsEnv env;
        setShownSetting(settingsRow, column, stored);
        kx::LoadLists(true, false, false);
        kx::FAyar &w = env.open();
        QCOMPARE(shownControl(w, settingsRow, column), shown);

        env.save();
        QCOMPARE(storedSetting(settingsRow, column), saved);
        QCOMPARE(countShown(QStringLiteral("notice"), RestartText), 0);
        QCOMPARE(kx::messageScript().lastPopupText(), SavedText);
    }

    // What the save makes of a typed cell.
    void savedConversions_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("settingsRow");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("saved");

        QTest::newRow("width with a decimal comma") << -1 << 2 << 2 << "12,5" << 4 << 1 << "12";
        QTest::newRow("empty width") << -1 << 19 << 5 << "" << 5 << 18 << "0";
        QTest::newRow("width without a number") << -1 << 7 << 2 << "geniş" << 4 << 6 << "0";
        QTest::newRow("width with blanks") << -1 << 9 << 5 << " 140 " << 5 << 8 << "140";
        QTest::newRow("caption with an apostrophe")
            << -1 << 15 << 3 << "Müşteri'nin Notu" << 1 << 20 << "Müşteri'nin Notu";
        QTest::newRow("layout text as typed") << 1 << 10 << 3 << "12,5'" << 30 << 9 << "12,5'";
    }
    void savedConversions()
    {
        QFETCH(int, grid);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(int, settingsRow);
        QFETCH(int, column);
        QFETCH(QString, saved);
        SettingsEnv env;
        kx::FAyar &w = env.open();
        kx::Grid *shown = showGrid(w, grid);
        QVERIFY(shown);
        shown->Cell(row, col).Select();
        shown->setFocus();
        // F2 opens the cell with its text selected; what is typed replaces it.
        QTest::keyClick(shown, Qt::Key_F2);
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(editor && editor != shown);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Backspace);
        typeText(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(shown->Cell(row, col).Text(), typed);

        env.save();
        QCOMPARE(storedSetting(settingsRow, column), saved);
    }

    // Escape in a cell puts back what it held, though the cell took each typed key: the save
    // stores the old value.
    void escapeKeepsTheStoredValue_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("settingsRow");
        QTest::addColumn<int>("column");
        QTest::newRow("width") << -1 << 2 << 2 << 4 << 1;
        QTest::newRow("caption") << -1 << 15 << 3 << 1 << 20;
        QTest::newRow("layout") << 1 << 10 << 3 << 30 << 9;
    }
    void escapeKeepsTheStoredValue()
    {
        QFETCH(int, grid);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, settingsRow);
        QFETCH(int, column);
        SettingsEnv env;
        const QString before = storedSetting(settingsRow, column);
        kx::FAyar &w = env.open();
        kx::Grid *shown = showGrid(w, grid);
        QVERIFY(shown);
        const QString held = shown->Cell(row, col).Text();
        shown->Cell(row, col).Select();
        shown->setFocus();
        // A key typed on the cell opens its editor with that key.
        typeText(shown, QStringLiteral("9"));
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(editor && editor != shown);
        typeText(editor, QStringLiteral("99"));
        QCOMPARE(shown->Cell(row, col).Text(), QStringLiteral("999"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(shown->Cell(row, col).Text(), held);

        env.save();
        QCOMPARE(storedSetting(settingsRow, column), before);
    }

    // A click on a "Listele" cell turns it over; the save stores "1" or "0".
    void listTicks_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("saved");

        QTest::newRow("stock ticked to clear") << 1 << "1"
                                               << "0";
        QTest::newRow("stock clear to ticked") << 1 << "0"
                                               << "1";
        QTest::newRow("account ticked to clear") << 4 << "1"
                                                 << "0";
        QTest::newRow("account 2 (shown clear) to ticked") << 4 << "2"
                                                           << "1";
    }
    void listTicks()
    {
        QFETCH(int, col);
        QFETCH(QString, stored);
        QFETCH(QString, saved);
        SettingsEnv env;
        const int settingsRow = col == 1 ? 1 : 2;
        setSetting(settingsRow, 5, stored);
        kx::LoadLists(true, false, false);
        kx::FAyar &w = env.open();
        const QModelIndex index = w.Grid1->model()->index(5, col); // grid row 6: column a5
        const QRect cell = w.Grid1->visualRect(index);
        QTest::mouseClick(w.Grid1->viewport(), Qt::LeftButton, {}, cell.center());

        env.save();
        QCOMPARE(storedSetting(settingsRow, 5), saved);
    }

    // The restart notice comes exactly when a choice names another table than the stored one,
    // before the saved notice.
    void restartNotice_data()
    {
        QTest::addColumn<QList<int>>("choices"); // list index per Combo1, -2 untouched
        QTest::addColumn<int>("notices");

        QTest::newRow("nothing changed") << QList<int> { -2, -2, -2, -2 } << 0;
        QTest::newRow("2nd company's stock from 2 to 1") << QList<int> { -2, -2, 0, -2 } << 1;
        QTest::newRow("1st company's account from 2 to 1") << QList<int> { -2, 0, -2, -2 } << 1;
        QTest::newRow("two changed, one notice") << QList<int> { 1, -2, -2, 1 } << 1;
        QTest::newRow("chosen again as stored") << QList<int> { 0, 1, 1, 0 } << 0;
    }
    void restartNotice()
    {
        QFETCH(QList<int>, choices);
        QFETCH(int, notices);
        SettingsEnv env;
        kx::FAyar &w = env.open();
        for (int i = 0; i < 4; ++i) {
            if (choices.at(i) != -2)
                w.Combo1[i]->setCurrentIndex(choices.at(i));
        }
        kx::messageScript().shown.clear();
        kx::state().MsgResult = 0;
        env.save();
        QCOMPARE(countShown(QStringLiteral("notice"), RestartText), notices);
        const QList<kx::MessageRecord> &shown = kx::messageScript().shown;
        QCOMPARE(shown.last().text, SavedText);
        if (notices) {
            QCOMPARE(shown.first().text, RestartText);
            QCOMPARE(shown.first().title, QStringLiteral("Ayarlar"));
            QCOMPARE(kx::state().MsgResult, 1);
        }
        for (int i = 0; i < 4; ++i) {
            const QString expected
                = choices.at(i) == -2 ? seededText(54, i + 1) : QString::number(choices.at(i));
            QCOMPARE(storedSetting(54, i + 1), expected);
        }
        // The table in use waits for the next start.
        QCOMPARE(kx::state().TblStok, QStringLiteral("1Stok"));
    }

    // One statement fails: no row changes, the window stays open with what was typed, says
    // so and reloads nothing; once the fault is gone the same window saves.
    void failedSaveChangesNothing()
    {
        SettingsEnv env;
        kx::ModuleState &s = kx::state();
        s.Conn->Execute(QStringLiteral("create trigger refuse40 before update on \"1Ayar\" "
                                       "when new.id = 40 begin select raise(abort, 'no'); end"));
        const QMap<QString, QString> before = settingsSnapshot();
        kx::FAyar &w = env.open();
        w.Grid1->Cell(14, 3).setText(QStringLiteral("Yeni Başlık"));
        w.Grid2[0]->Cell(2, 3).setText(QStringLiteral("55"));
        w.Check1[0]->setChecked(!w.Check1[0]->isChecked());
        kx::messageScript().shown.clear();

        env.save();
        QCOMPARE(settingsSnapshot(), before);
        QVERIFY(w.isVisible());
        QCOMPARE(w.Grid1->Cell(14, 3).Text(), QStringLiteral("Yeni Başlık"));
        QCOMPARE(w.Grid2[0]->Cell(2, 3).Text(), QStringLiteral("55"));
        QCOMPARE(kx::messageScript().shown.size(), 1);
        QCOMPARE(kx::messageScript().shown.first().icon, int(kx::IconError));
        QCOMPARE(s.AyarRows.text(20, 0), seededText(1, 19));
        for (int k = 1; k <= 50; ++k)
            QCOMPARE(s.FieldValues[k].toString(), kx::SkipSlot);

        s.Conn->Execute(QStringLiteral("drop trigger refuse40"));
        env.save();
        QCOMPARE(storedSetting(1, 19), QStringLiteral("Yeni Başlık"));
        QCOMPARE(storedSetting(18, 1), QStringLiteral("55"));
        QCOMPARE(s.AyarRows.text(20, 0), QStringLiteral("Yeni Başlık"));
        QVERIFY(!w.isVisible());
    }

    // A choice made in one company's window for the other company lands in that company's
    // row 54, where its login reads it, even before its first login; its switches and every
    // other column stay its own.
    void choiceForTheOtherCompany_data()
    {
        QTest::addColumn<int>("company"); // whose window
        QTest::addColumn<bool>("otherLoggedIn"); // the other company has its row 54
        QTest::addColumn<int>("combo");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("stock"); // the other company's tables at its next login
        QTest::addColumn<QString>("accounts");

        QTest::newRow("1st sets 2nd's accounts, 2nd never logged in")
            << 1 << false << 3 << 0 << "2Stok"
            << "1Cari";
        QTest::newRow("2nd sets 1st's stock, 1st never logged in")
            << 2 << false << 0 << 1 << "2Stok"
            << "1Cari";
        QTest::newRow("1st sets 2nd's stock, 2nd's switches off") << 1 << true << 2 << 0 << "1Stok"
                                                                  << "2Cari";
        QTest::newRow("2nd sets 1st's accounts, 1st's switches off")
            << 2 << true << 1 << 1 << "1Stok"
            << "2Cari";
    }
    void choiceForTheOtherCompany()
    {
        QFETCH(int, company);
        QFETCH(bool, otherLoggedIn);
        QFETCH(int, combo);
        QFETCH(int, entry);
        QFETCH(QString, stock);
        QFETCH(QString, accounts);
        const int other = 3 - company;
        const QString otherTable = settingsTableOf(other);
        Fixture fixture;
        kx::onlineOverride() = false; // the start-up fetches nothing
        fixture.login(1);
        addStock(QStringLiteral("S1"), QStringLiteral("BIRINCI STOK"));
        addAccount(QStringLiteral("C1"), QStringLiteral("BIRINCI CARI"));
        fixture.login(2);
        addStock(QStringLiteral("S2"), QStringLiteral("IKINCI STOK"));
        addAccount(QStringLiteral("C2"), QStringLiteral("IKINCI CARI"));
        if (otherLoggedIn) {
            fixture.login(other);
            kx::LoadLists(true, false, false);
            setSetting(54, 5, QStringLiteral("0"));
            setSetting(54, 6, QStringLiteral("0"));
            setSetting(54, 7, QStringLiteral("kendi"));
        }
        QMap<QString, QString> expected = settingsSnapshot(otherTable);
        fixture.login(company);
        fixture.loadLists();
        kx::state().MainComputer = true;

        {
            kx::FAyar window;
            window.show();
            // Every company on its own tables, the one never logged in as its login will set it.
            QList<int> shown = shownChoices(window);
            QCOMPARE(shown, (QList<int> { 0, 0, 1, 1 }));
            pickByClicks(window.Combo1[combo], entry);
            shown[combo] = entry;
            kx::messageScript().shown.clear();
            QTest::mouseClick(window.BKaydet, Qt::LeftButton);
            QCOMPARE(countShown(QStringLiteral("notice"), RestartText), 1);
            QCOMPARE(kx::messageScript().lastPopupText(), SavedText);
            QVERIFY(!window.isVisible());

            // Own row 54 as the window showed it; of the other's only a1..a4, its row 54
            // added first as its login's upgrade adds it.
            QCOMPARE(storedChoices(company), asTexts(shown));
            if (!otherLoggedIn) {
                expected[QStringLiteral("54/nedir")]
                    = QStringLiteral("QString:stok ve cari tablolari");
                for (int c = 1; c <= 50; ++c) {
                    expected[QStringLiteral("54/a%1").arg(c)]
                        = c <= 6 ? QStringLiteral("QString:1") : QStringLiteral("<null>");
                }
            }
            for (int c = 1; c <= 4; ++c)
                expected[QStringLiteral("54/a%1").arg(c)]
                    = QStringLiteral("QString:%1").arg(shown[c - 1]);
            QCOMPARE(settingsSnapshot(otherTable), expected);
            expected = settingsSnapshot(otherTable);

            // The other company's login takes the tables chosen for it and its window shows
            // the same choices; the login changes nothing of its row 54.
            fixture.login(other);
            kx::FMain main;
            main.startAfterLogin();
            QCOMPARE(kx::state().TblStok, stock);
            QCOMPARE(kx::state().TblCari, accounts);
            const auto namesIn = [](const QString &table, const char *kind) {
                return QStringList { QStringLiteral("%1 %2").arg(
                    table.startsWith(u'1') ? QStringLiteral("BIRINCI") : QStringLiteral("IKINCI"),
                    QString::fromLatin1(kind)) };
            };
            QCOMPARE(listedNames(main, kx::Page::StockList), namesIn(stock, "STOK"));
            QCOMPARE(listedNames(main, kx::Page::AccountList), namesIn(accounts, "CARI"));
            QCOMPARE(settingsSnapshot(otherTable), expected);

            kx::FAyar otherWindow;
            otherWindow.show();
            QCOMPARE(shownChoices(otherWindow), shown);
        }
        kx::onlineOverride().reset();
    }

    // The two companies' rows 54 apart: either window shows each choice where that company's
    // login reads it, and a save that changes none (or one and back again) asks for no restart
    // and writes nothing into the other table.
    void unchangedChoicesStayHome_data()
    {
        QTest::addColumn<int>("company");
        QTest::addColumn<bool>("changeAndBack");

        QTest::newRow("1st company's window") << 1 << false;
        QTest::newRow("2nd company's window") << 2 << false;
        QTest::newRow("1st company's window, changed and back") << 1 << true;
        QTest::newRow("2nd company's window, changed and back") << 2 << true;
    }
    void unchangedChoicesStayHome()
    {
        QFETCH(int, company);
        QFETCH(bool, changeAndBack);
        const int other = 3 - company;
        Fixture fixture;
        for (const int c : { 1, 2 }) {
            fixture.login(c);
            kx::LoadLists(true, false, false);
        }
        storeChoices(1, { "0", "1", "1", "0" });
        storeChoices(2, { "1", "0", "0", "1" });
        fixture.login(company);
        fixture.loadLists();
        kx::state().MainComputer = true;
        const QMap<QString, QString> before = settingsSnapshot(settingsTableOf(other));

        kx::FAyar window;
        window.show();
        const QList<int> shown { 0, 1, 0, 1 }; // a1, a2 of "1Ayar", a3, a4 of "2Ayar"
        QCOMPARE(shownChoices(window), shown);
        if (changeAndBack) {
            QComboBox *othersStock = window.Combo1[2 * (other - 1)];
            pickByClicks(othersStock, 1);
            pickByClicks(othersStock, 0);
        }
        kx::messageScript().shown.clear();
        QTest::mouseClick(window.BKaydet, Qt::LeftButton);
        QCOMPARE(countShown(QStringLiteral("notice"), RestartText), 0);
        QCOMPARE(kx::messageScript().lastPopupText(), SavedText);
        QCOMPARE(settingsSnapshot(settingsTableOf(other)), before);
        QCOMPARE(storedChoices(company), asTexts(shown));
    }

    // A second company's table with neither row 54 nor its 53 rows: its choices show none and
    // nothing reaches it, while the first company's own choices are saved.
    void otherTableWithoutItsRows()
    {
        Fixture fixture;
        fixture.login(2);
        kx::state().Conn->Execute(QStringLiteral("delete from \"2Ayar\" where id=53"));
        fixture.login(1);
        fixture.loadLists();
        kx::state().MainComputer = true;
        const QMap<QString, QString> before = settingsSnapshot(SecondSettings);

        kx::FAyar window;
        window.show();
        QCOMPARE(shownChoices(window), (QList<int> { 0, 0, -1, -1 }));
        pickByClicks(window.Combo1[0], 1);
        pickByClicks(window.Combo1[3], 0);
        kx::messageScript().shown.clear();
        QTest::mouseClick(window.BKaydet, Qt::LeftButton);
        QCOMPARE(countShown(QStringLiteral("notice"), RestartText), 1);
        QCOMPARE(settingsSnapshot(SecondSettings), before);
        QCOMPARE(storedChoices(1), (QStringList { "1", "0", "1", "0" }));
    }

    // The other table refuses the write: nothing of the save stays, in either table, and the
    // window stays open with the choice made.
    void refusedWriteToTheOtherTable_data()
    {
        QTest::addColumn<bool>("otherLoggedIn");
        QTest::addColumn<QString>("refused");

        QTest::newRow("row 54 to be added") << false << "insert";
        QTest::newRow("row 54 stored") << true << "update";
    }
    void refusedWriteToTheOtherTable()
    {
        QFETCH(bool, otherLoggedIn);
        QFETCH(QString, refused);
        Fixture fixture;
        if (otherLoggedIn) {
            fixture.login(2);
            kx::LoadLists(true, false, false);
        }
        fixture.login(1);
        fixture.loadLists();
        kx::ModuleState &s = kx::state();
        s.MainComputer = true;
        s.Conn->Execute(QStringLiteral("create trigger refuse before %1 on \"2Ayar\" "
                                       "begin select raise(abort, 'no'); end")
                            .arg(refused));
        const QMap<QString, QString> ownBefore = settingsSnapshot();
        const QMap<QString, QString> otherBefore = settingsSnapshot(SecondSettings);

        kx::FAyar window;
        window.show();
        shownChoices(window);
        pickByClicks(window.Combo1[3], 0);
        kx::messageScript().shown.clear();
        QTest::mouseClick(window.BKaydet, Qt::LeftButton);
        QCOMPARE(settingsSnapshot(), ownBefore);
        QCOMPARE(settingsSnapshot(SecondSettings), otherBefore);
        QVERIFY(window.isVisible());
        QCOMPARE(window.Combo1[3]->currentIndex(), 0);
        QCOMPARE(kx::messageScript().shown.size(), 1);
        QCOMPARE(kx::messageScript().shown.first().icon, int(kx::IconError));
    }

    // While a transfer runs the window neither saves nor closes.
    void transferHoldsTheWindow()
    {
        SettingsEnv env;
        kx::FAyar &w = env.open();
        const QMap<QString, QString> before = settingsSnapshot();
        w.Grid1->Cell(14, 3).setText(QStringLiteral("Yeni"));
        w.setTransferRunning(true);
        w.BKaydet_Click();
        w.close();
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        QCOMPARE(settingsSnapshot(), before);

        w.setTransferRunning(false);
        w.close();
        QVERIFY(!w.isVisible());
    }

    // The help line of the "Yazıcı" page opens the help page on the web host.
    void helpLink()
    {
        SettingsEnv env;
        qputenv("KANTARIX_WEB_HOST", "127.0.0.1:8123");
        kx::FAyar &w = env.open();
        w.Tab1->setCurrentIndex(1);
        UrlRecorder recorder;
        QTest::mouseClick(w.Label4, Qt::LeftButton);
        qunsetenv("KANTARIX_WEB_HOST");
        QCOMPARE(recorder.opened,
                 QList<QUrl> { QUrl(QStringLiteral("http://127.0.0.1:8123/yardim.asp")) });
    }

    // The builder of the backup page runs with every load, on the "Yedekleme" page.
    void backupPageBuilder()
    {
        SettingsEnv env;
        kx::FAyar *builtFor = nullptr;
        QWidget *builtOn = nullptr;
        kx::FAyar::setBackupPageBuilder([&](kx::FAyar &window, QWidget *page) {
            builtFor = &window;
            builtOn = page;
        });
        kx::FAyar &w = env.open();
        kx::FAyar::setBackupPageBuilder({});
        QCOMPARE(builtFor, &w);
        QCOMPARE(builtOn, w.backupPage());
        QCOMPARE(w.Tab1->indexOf(w.backupPage()), 2);
        QCOMPARE(w.Tab1->tabText(2), QStringLiteral("Yedekleme"));
    }
};

KX_TEST(TestSettingsWindow)

#include "tst_settings_window.moc"
