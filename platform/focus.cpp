// Focus rules every window shares.
#include "platform/focus.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace kx {

namespace {

class SelectAllOnFocus : public QObject
{
public:
    explicit SelectAllOnFocus(QLineEdit *field)
        : QObject(field)
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *field = static_cast<QLineEdit *>(watched);
        if (focusEntered(event) && !field->text().isEmpty())
            field->selectAll();
        return false;
    }
};

// Qt drops the window's keyboard-focus flag each time the window is shown.
class KeepFocusShown : public QObject
{
public:
    explicit KeepFocusShown(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
        window->setAttribute(Qt::WA_KeyboardFocusChange);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent())
            static_cast<QWidget *>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
        return false;
    }
};

} // namespace

bool focusEntered(const QEvent *event)
{
    if (!event || event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void selectAllOnFocus(QLineEdit *field)
{
    if (field)
        new SelectAllOnFocus(field);
}

void showFocusAlways(QWidget *window)
{
    // Qt draws the focus mark of combos, buttons and boxes only once the keyboard has moved
    // the focus in that window; Enter walks and the focus set by code would show nothing.
    if (window)
        new KeepFocusShown(window);
}

} // namespace kx
