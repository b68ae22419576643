// Focus rules every window shares.
#include "platform/focus.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <utility>

namespace kx {

namespace {

class SelectAllOnFocus : public QObject
{
public:
    SelectAllOnFocus(QLineEdit *field, std::function<void()> select)
        : QObject(field)
        , m_field(field)
        , m_select(std::move(select))
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (focusEntered(event)) {
                select();
                // Qt gives the focus before it delivers the press, which then puts the caret
                // where it landed: the click's release selects again.
                m_clickEntered
                    = static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (std::exchange(m_clickEntered, false)
                && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
                && !m_field->hasSelectedText())
                select();
            break;
        case QEvent::FocusOut:
            m_clickEntered = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    void select()
    {
        if (m_select)
            m_select();
        else if (!m_field->text().isEmpty())
            m_field->selectAll();
    }

    QLineEdit *m_field;
    std::function<void()> m_select;
    bool m_clickEntered = false;
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

void selectAllOnFocus(QLineEdit *field, std::function<void()> select)
{
    if (field)
        new SelectAllOnFocus(field, std::move(select));
}

void showFocusAlways(QWidget *window)
{
    // Qt draws the focus mark of combos, buttons and boxes only once the keyboard has moved
    // the focus in that window; Enter walks and the focus set by code would show nothing.
    if (window)
        new KeepFocusShown(window);
}

} // namespace kx
