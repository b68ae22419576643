// The combo figures: a card completed from the typed start, and the open list, on the stock
// combo of the delivery-note panel holding the whole stock list.
#include "bench/bench_support.h"

#include "app/main_window.h"
#include "core/panel_fields.h"
#include "core/state.h"
#include "platform/combo_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace kxbench {

namespace {

kx::ComboBox *stockCombo()
{
    auto *combo = qobject_cast<kx::ComboBox *>(kx::panelField(benchMainWindow().RA1, "XCStok"));
    if (!combo)
        qFatal("kxbench: no stock combo");
    return combo;
}

// Brings the delivery note up with its filled stock combo. Figures are all made before any
// runs, so this happens in the first run of a figure and not when it is made: the median
// leaves that run out.
void showNotePage(kx::ComboBox *combo)
{
    if (combo->isVisible() && combo->ListCount() > 0)
        return;
    kx::FMain &window = benchMainWindow();
    if (combo->ListCount() == 0)
        window.startAfterLogin();
    window.ShowPage(3);
    window.activateWindow();
    QApplication::processEvents();
    if (combo->ListCount() == 0)
        qFatal("kxbench: the stock combo is not filled");
}

void typeKey(QWidget *target, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

} // namespace

// "combo_complete": the first three letters of the last card typed one by one, in lower case
// through the panel's fold, each completed from the list, then Enter choosing it.
Figure comboCompleteFigure()
{
    kx::ComboBox *combo = stockCombo();
    return { "combo_complete", [combo] {
                showNotePage(combo);
                // The card that sorts last: every entry before it is compared first.
                const QString entry = combo->List(combo->ListCount() - 1);
                combo->setListIndex(-1);
                combo->setText(QString());
                combo->setFocus(Qt::OtherFocusReason);
                for (const QChar letter : entry.left(3).toLower())
                    typeKey(combo, QString(letter));
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(combo, &enter);
                if (combo->ListIndex() < 0 || combo->Text() != combo->List(combo->ListIndex()))
                    qFatal("combo_complete: the typed card was not chosen");
            } };
}

// "combo_popup": the list opened on the entry that the typed start completes, then closed.
Figure comboPopupFigure()
{
    kx::ComboBox *combo = stockCombo();
    return { "combo_popup", [combo] {
                showNotePage(combo);
                const QString entry = combo->List(combo->ListCount() - 1);
                combo->setListIndex(-1);
                combo->setText(entry.left(3));
                combo->showPopup();
                QApplication::processEvents();
                combo->hidePopup();
                QApplication::processEvents();
            } };
}

} // namespace kxbench
