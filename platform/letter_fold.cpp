// Text pasted or dropped into a field whose letters are kept folded.
#include "platform/letter_fold.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace kx {

namespace {

// Watches the field (and a combo's edit) for every way text comes in but a typed key.
class PastedTextFold : public QObject
{
public:
    PastedTextFold(QWidget *field, QLineEdit *edit, LetterFold fold)
        : QObject(field)
        , m_edit(edit)
        , m_fold(fold)
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Only these bring text in; the others may come while the edit is being destroyed.
        const QEvent::Type type = event->type();
        if ((type != QEvent::KeyPress && type != QEvent::MouseButtonRelease
             && type != QEvent::ContextMenu && type != QEvent::Drop)
            || m_edit->isReadOnly())
            return false;
        if (type == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (!key->matches(QKeySequence::Paste))
                return false;
            // KDE's Ctrl+Shift+Insert pastes the selection, as the edit itself would.
            const bool selection = key->key() == Qt::Key_Insert
                && key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
            return paste(selection ? QClipboard::Selection : QClipboard::Clipboard);
        }
        if (type == QEvent::MouseButtonRelease) {
            // The press has put the caret where the button went down.
            if (watched != m_edit || static_cast<QMouseEvent *>(event)->button() != Qt::MiddleButton
                || !QGuiApplication::clipboard()->supportsSelection()
                || !differs(QGuiApplication::clipboard()->text(QClipboard::Selection)))
                return false;
            m_edit->deselect();
            return paste(QClipboard::Selection);
        }
        if (type == QEvent::ContextMenu) {
            // A combo's edit leaves its menu to the combo, which shows the edit's.
            if (static_cast<QWidget *>(watched)->contextMenuPolicy() != Qt::DefaultContextMenu)
                return false;
            showMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        return watched == m_edit && drop(static_cast<QDropEvent *>(event));
    }

private:
    bool differs(const QString &text) const { return foldedText(text, m_fold) != text; }

    // Puts the clipboard's text in folded, in place of the selection; false when the fold
    // changes nothing, so that the edit pastes it itself.
    bool paste(QClipboard::Mode mode)
    {
        const QString text = QGuiApplication::clipboard()->text(mode);
        if (!differs(text))
            return false;
        m_edit->insert(foldedText(text, m_fold));
        return true;
    }

    // The edit's own menu, whose "Paste" folds.
    void showMenu(const QPoint &at)
    {
        QMenu *menu = m_edit->createStandardContextMenu();
        for (QAction *action : menu->actions()) {
            // The edit wires its "Paste" by name in some Qt versions, by member in others.
            if (QObject::disconnect(action, SIGNAL(triggered()), m_edit, SLOT(paste()))
                || QObject::disconnect(action, &QAction::triggered, m_edit, &QLineEdit::paste))
                QObject::connect(action, &QAction::triggered, m_edit, [this] {
                    if (!paste(QClipboard::Clipboard))
                        m_edit->paste();
                });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    }

    // The drop handed on with the folded text; the edit places and selects it as its own.
    bool drop(QDropEvent *event)
    {
        const QMimeData *data = event->mimeData();
        if (!data || !data->hasText() || !differs(data->text()))
            return false;
        QMimeData folded;
        folded.setText(foldedText(data->text(), m_fold));
        QDropEvent copy(event->position(), event->possibleActions(), &folded, event->buttons(),
                        event->modifiers());
        copy.setDropAction(event->dropAction());
        QCoreApplication::sendEvent(m_edit, &copy);
        event->setDropAction(copy.dropAction());
        event->setAccepted(copy.isAccepted());
        return true;
    }

    QLineEdit *m_edit;
    LetterFold m_fold;
};

} // namespace

QString foldedText(QString text, LetterFold fold)
{
    if (fold) {
        for (QChar &character : text)
            fold(character);
    }
    return text;
}

void foldPastedText(QWidget *field, LetterFold fold)
{
    auto *combo = qobject_cast<QComboBox *>(field);
    QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(field);
    if (!edit || !fold)
        return;
    auto *watch = new PastedTextFold(field, edit, fold);
    field->installEventFilter(watch);
    if (edit != field)
        edit->installEventFilter(watch);
}

} // namespace kx
