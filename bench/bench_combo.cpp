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
    kx::FMain &window = benchMainWindow();
    if (kx::state().StokVar.isEmpty())
        window.startAfterLogin();
    window.ShowPage(3);
    QApplication::processEvents();
    auto *combo = qobject_cast<kx::ComboBox *>(kx::panelField(window.RA1, "XCStok"));
    if (!combo || combo->ListCount() == 0)
        qFatal("kxbench: the stock combo is not filled");
    return combo;
}

// The entry of the card that sorts last: every entry before it is compared first.
QString lastEntry(kx::ComboBox *combo)
{
    return combo->List(combo->ListCount() - 1);
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
    const QString entry = lastEntry(combo);
    return { "combo_complete", [combo, entry] {
                combo->setListIndex(-1);
                combo->setText(QString());
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
    const QString entry = lastEntry(combo);
    return { "combo_popup", [combo, entry] {
                combo->setListIndex(-1);
                combo->setText(entry.left(3));
                combo->showPopup();
                QApplication::processEvents();
                combo->hidePopup();
                QApplication::processEvents();
            } };
}

} // namespace kxbench
