// The search box over the main grid: typed letters folded, the first row whose column 2 begins
// with the text selected.
#include "app/main_window.h"
#include "core/conversions.h"
#include "core/search.h"
#include "platform/grid.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace kx {

namespace {

// Puts every typed character through the letter fold before the field takes it.
class TypedLetterFold : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text();
        if (typed.isEmpty() || !typed.at(0).isPrint())
            return false;
        const QString folded = UpperAsciiText(typed);
        if (folded == typed)
            return false;
        QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), folded,
                           key->isAutoRepeat(), ushort(key->count()));
        QCoreApplication::sendEvent(watched, &replaced);
        return true;
    }
};

} // namespace

void FMain::connectSearch()
{
    TBul->installEventFilter(new TypedLetterFold(TBul));
    connect(TBul, &QLineEdit::textChanged, this, &FMain::TBul_Change);
}

void FMain::TBul_Change(const QString &text)
{
    const int row
        = firstMatchingRow(text, Grid1->Rows(), [this](int r) { return Grid1->Cell(r, 2).Text(); });
    // No match keeps the selection as it was.
    if (row < 1)
        return;
    Grid1->Range(row, 0, row, 18).RangeSelect();
    Grid1->scrollTo(Grid1->model()->index(row - 1, 2));
}

} // namespace kx
