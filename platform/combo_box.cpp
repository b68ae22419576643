// The combo of the panels and forms.
#include "platform/combo_box.h"

#include <QAbstractItemModel>
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
    // Qt chooses the first item of a list that was empty, whichever call filled it (AddItem or
    // QComboBox's own addItems); here only the host or the user chooses.
    connect(model(), &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        if (count() == 0 && isEditable())
            textBeforeFill = lineEdit()->text();
    });
    connect(model(), &QAbstractItemModel::rowsInserted, this, &ComboBox::undoChoiceOfFirstFill);
}

void ComboBox::AddItem(const QString &text, int index)
{
    if (index < 0 || index > count())
        index = count();
    insertItem(index, text);
}

void ComboBox::AddItems(const QStringList &texts)
{
    insertItems(count(), texts);
}

void ComboBox::RemoveItem(int index)
{
    if (index < 0 || index >= count())
        return;
    const bool chosen = index == currentIndex();
    const QString shown = Text();
    removeItem(index);
    // Qt would move the choice to a neighbour, a card the user never chose.
    if (chosen) {
        QSignalBlocker block(this);
        setCurrentIndex(-1);
        if (isEditable())
            lineEdit()->setText(shown);
    }
}

void ComboBox::undoChoiceOfFirstFill(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid() || first != 0 || last + 1 != count() || currentIndex() < 0)
        return;
    QSignalBlocker block(this);
    setCurrentIndex(-1);
    if (isEditable())
        lineEdit()->setText(textBeforeFill);
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
