// The printer choice "Yazıcı Seçimi": the list, the preselected printer, "Tamam" and closing.
#include "core/pages.h"
#include "core/panel_fields.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "reports/document_print.h"
#include "reports/printer_choice.h"
#include "tests/support/kxtest.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Printers by name; makeCurrent is recorded.
class FakePrinters : public kx::Printers
{
public:
    QStringList names;
    int current = -1;
    QList<int> made;

    QStringList deviceNames() const override { return names; }
    QString currentName() const override { return names.value(current); }
    void makeCurrent(int index) override
    {
        current = index;
        made << index;
    }
};

// Shows the dialog modally; once it is up, notes its chosen entry and acts on it.
int showAndAct(FakePrinters &printers, const std::function<void(kx::FPrint *)> &act)
{
    int chosen = -2;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<kx::FPrint *>(kx::state().FPrint.data());
        if (!dialog || !dialog->isVisible()) {
            qWarning("the printer choice is not shown");
            return;
        }
        chosen = dialog->Combo1->ListIndex();
        act(dialog);
    });
    kx::ShowPrinterChoice(printers);
    return chosen;
}

void pressTamam(kx::FPrint *dialog)
{
    QTest::mouseClick(dialog->Btn1, Qt::LeftButton);
}

} // namespace

class TestPrinterChoice : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { kx::resetState(); }

    void layout()
    {
        FakePrinters printers;
        printers.names = QStringList { "A", "B" };
        kx::FPrint dialog(printers);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Yazıcı Seçimi"));
        QCOMPARE(dialog.Label1->text(), QStringLiteral("Yazıcı Seçiniz :"));
        QCOMPARE(dialog.Btn1->text(), QStringLiteral("Tamam"));
        QCOMPARE(dialog.Combo1->ListCount(), 2);
        QCOMPARE(dialog.Combo1->List(1), QStringLiteral("B"));
    }

    // The current printer is chosen on opening; "Tamam" makes the chosen one current, closing
    // otherwise keeps it.
    void choice_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("preselected");
        QTest::addColumn<QString>("action"); // "down+tamam", "tamam", "escape"
        QTest::addColumn<QList<int>>("made");
        QTest::newRow("C chosen instead of B")
            << QStringList { "A", "B", "C" } << 1 << 1 << "down+tamam" << QList<int> { 2 };
        QTest::newRow("Tamam without a change")
            << QStringList { "A", "B", "C" } << 1 << 1 << "tamam" << QList<int> { 1 };
        QTest::newRow("closed without Tamam")
            << QStringList { "A", "B", "C" } << 1 << 1 << "down+escape" << QList<int> {};
        QTest::newRow("equal names: the last one")
            << QStringList { "A", "B", "A" } << 0 << 2 << "tamam" << QList<int> { 2 };
        QTest::newRow("current printer not listed")
            << QStringList { "A", "B" } << -1 << -1 << "tamam" << QList<int> {};
        QTest::newRow("no printer installed")
            << QStringList {} << -1 << -1 << "tamam" << QList<int> {};
    }
    void choice()
    {
        QFETCH(QStringList, names);
        QFETCH(int, current);
        QFETCH(int, preselected);
        QFETCH(QString, action);
        QFETCH(QList<int>, made);
        FakePrinters printers;
        printers.names = names;
        printers.current = current;
        const int chosen = showAndAct(printers, [&](kx::FPrint *dialog) {
            if (action.startsWith("down"))
                QTest::keyClick(dialog->Combo1, Qt::Key_Down);
            if (action.endsWith("tamam"))
                pressTamam(dialog);
            else
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QCOMPARE(chosen, preselected);
        QCOMPARE(printers.made, made);
        // Unloaded when closed.
        QVERIFY(kx::state().FPrint.isNull());
    }

    // The choice lasts: the next opening, for the next copy, starts from it.
    void nextOpeningPreselectsTheChoice()
    {
        FakePrinters printers;
        printers.names = QStringList { "A", "B", "C" };
        printers.current = 1;
        showAndAct(printers, [](kx::FPrint *dialog) {
            QTest::keyClick(dialog->Combo1, Qt::Key_Down);
            pressTamam(dialog);
        });
        QCOMPARE(showAndAct(printers, pressTamam), 2);
    }

    // Three copies: the dialog before each, "Tamam" each time, all three on the same printer.
    void threeCopies()
    {
        FakePrinters printers;
        printers.names = QStringList { "A", "B", "C" };
        printers.current = 1;
        kx::RecordingSurface surface;
        int shown = 0;
        kx::PrintDevices devices;
        devices.choosePrinter = [&] {
            QTimer::singleShot(0, [] {
                if (auto *dialog = qobject_cast<kx::FPrint *>(kx::state().FPrint.data()))
                    pressTamam(dialog);
            });
            ++shown;
            kx::ShowPrinterChoice(printers);
        };
        devices.surface = [&]() -> kx::PrintSurface * { return &surface; };
        kx::PrintDocument(kx::DocumentView {}, 3, kx::printedAsItIs(kx::Page::InvoiceWithLines),
                          devices);
        QCOMPARE(shown, 3);
        QCOMPARE(printers.made, (QList<int> { 1, 1, 1 }));
        QCOMPARE(surface.documents.size(), 3);
    }
};

KX_TEST(TestPrinterChoice)
#include "tst_printer_choice.moc"
