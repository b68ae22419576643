// The combo of the panels and forms.
#include "platform/combo_box.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace kx {

ComboBox::ComboBox(QWidget *parent, bool editable)
    : QComboBox(parent)
{
    setEditable(editable);
    if (editable) {
        // Typed text must never turn into a new item or be completed behind the user's back.
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
        connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::dropChoiceIfTextDiffers);
    }
    setCurrentIndex(-1);
    connect(this, qOverload<int>(&QComboBox::activated), this, &ComboBox::Click);
}

void ComboBox::AddItem(const QString &text, int index)
{
    const bool keepText = isEditable();
    const QString typed = keepText ? lineEdit()->text() : QString();
    if (index < 0 || index > count())
        index = count();
    insertItem(index, text);
    // The first item of a list must not become chosen by itself.
    if (count() == 1 && currentIndex() == 0) {
        QSignalBlocker block(this);
        setCurrentIndex(-1);
    }
    if (keepText && lineEdit()->text() != typed)
        lineEdit()->setText(typed);
}

void ComboBox::RemoveItem(int index)
{
    if (index >= 0 && index < count())
        removeItem(index);
}

void ComboBox::Clear()
{
    clear();
    if (isEditable())
        lineEdit()->clear();
}

QString ComboBox::List(int index) const
{
    return index >= 0 && index < count() ? itemText(index) : QString();
}

bool ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= count())
        return false;
    setCurrentIndex(index);
    if (index >= 0)
        emit Click();
    return true;
}

void ComboBox::setText(const QString &text)
{
    if (!isEditable()) {
        setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        return;
    }
    lineEdit()->setText(text);
    dropChoiceIfTextDiffers(text);
}

void ComboBox::dropChoiceIfTextDiffers(const QString &text)
{
    if (currentIndex() < 0 || itemText(currentIndex()) == text)
        return;
    QLineEdit *edit = lineEdit();
    const int cursor = edit->cursorPosition();
    setCurrentIndex(-1);
    // Dropping the choice clears the edit; the user's text stays.
    if (edit->text() != text) {
        edit->setText(text);
        edit->setCursorPosition(cursor);
    }
}

} // namespace kx
