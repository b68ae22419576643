// The combo of the panels and forms.
#include "platform/combo_box.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>

#include <utility>

namespace kx {

ComboBox::ComboBox(QWidget *parent, bool editable)
    : QComboBox(parent)
{
    setEditable(editable);
    if (editable) {
        // Typed text never turns into a new item; completion and choice are this class's own.
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
        QLineEdit *edit = lineEdit();
        // QComboBox would choose a case-blind match on its own when the edit is left, before
        // the fold had its say.
        disconnect(edit, &QLineEdit::editingFinished, this, nullptr);
        disconnect(edit, &QLineEdit::returnPressed, this, nullptr);
        connect(edit, &QLineEdit::textEdited, this, &ComboBox::textEditedByUser);
        // Under a parent's style sheet Qt gives the edit the application's face; the text
        // shows in the combo's own.
        edit->setFont(font());
        // Every entry of a card list is one line of the same face: the list need not measure
        // thousands of them one by one.
        if (auto *list = qobject_cast<QListView *>(view()))
            list->setUniformItemSizes(true);
    }
    setCurrentIndex(-1);
    // A pick makes the entry that the text led to a choice.
    connect(this, qOverload<int>(&QComboBox::activated), this, [this] {
        textEntry = QPersistentModelIndex();
        emit Click();
    });
    // Qt chooses the first item of a list that was empty, whichever call filled it (AddItem or
    // QComboBox's own addItems); here only the host or the user chooses.
    connect(model(), &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        if (count() == 0 && isEditable())
            textBeforeFill = lineEdit()->text();
    });
    connect(model(), &QAbstractItemModel::rowsInserted, this, &ComboBox::undoChoiceOfFirstFill);
    const auto listChanged = [this] { foldCacheValid = false; };
    connect(model(), &QAbstractItemModel::rowsInserted, this, listChanged);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, listChanged);
    connect(model(), &QAbstractItemModel::rowsMoved, this, listChanged);
    connect(model(), &QAbstractItemModel::modelReset, this, listChanged);
    connect(model(), &QAbstractItemModel::layoutChanged, this, listChanged);
    connect(model(), &QAbstractItemModel::dataChanged, this, listChanged);
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

int ComboBox::ListIndex() const
{
    const int current = currentIndex();
    return current >= 0 && textEntry.isValid() && textEntry.row() == current ? -1 : current;
}

bool ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= count())
        return false;
    textEntry = QPersistentModelIndex();
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
    followText();
}

void ComboBox::setTypedFold(Fold fold)
{
    typedFold = fold;
    foldCacheValid = false;
}

int ComboBox::chooseTypedEntry()
{
    if (!isEditable())
        return currentIndex();
    const QString text = lineEdit()->text();
    if (ListIndex() >= 0 && itemText(currentIndex()) == text)
        return currentIndex();
    const int entry = text.isEmpty() ? -1 : entryNamed(text);
    if (entry < 0) {
        followText();
        return -1;
    }
    setListIndex(entry);
    return entry;
}

ComboBox *ComboBox::of(QWidget *widget)
{
    if (!widget)
        return nullptr;
    if (auto *combo = qobject_cast<ComboBox *>(widget))
        return combo;
    auto *combo = qobject_cast<ComboBox *>(widget->parentWidget());
    return combo && combo->lineEdit() == widget ? combo : nullptr;
}

void ComboBox::showPopup()
{
    QComboBox::showPopup();
    if (!isEditable() || currentIndex() >= 0 || lineEdit()->text().isEmpty())
        return;
    // An entry that the text names would be current already.
    const int entry = entryBeginning(lineEdit()->text());
    if (entry < 0)
        return;
    const QModelIndex at = model()->index(entry, modelColumn(), rootModelIndex());
    view()->setCurrentIndex(at);
    view()->scrollTo(at, QAbstractItemView::PositionAtTop);
}

void ComboBox::changeEvent(QEvent *event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::FontChange && lineEdit())
        lineEdit()->setFont(font());
}

void ComboBox::keyPressEvent(QKeyEvent *event)
{
    QLineEdit *edit = lineEdit();
    if (!edit) {
        QComboBox::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        chooseTypedEntry();
    // What stays of the text when the typed key replaces the selected completion.
    const qsizetype kept = edit->text().size() - edit->selectedText().size();
    editedByKey = false;
    QComboBox::keyPressEvent(event);
    const QString typed = edit->text();
    if (!editedByKey || typed.size() <= kept || edit->cursorPosition() != typed.size())
        return;
    const int entry = entryBeginning(typed);
    if (entry < 0)
        return;
    const QString full = itemText(entry);
    edit->setText(full);
    edit->setSelection(int(typed.size()), int(full.size() - typed.size()));
    followText();
}

void ComboBox::focusOutEvent(QFocusEvent *event)
{
    // Its own list opening or another program taking the focus is no leaving of the field.
    const QWidget *now = QApplication::focusWidget();
    const bool toOwnList = view()->isVisible() || (now && now->window() == view()->window());
    if (isEditable() && !toOwnList && event->reason() != Qt::PopupFocusReason
        && event->reason() != Qt::ActiveWindowFocusReason)
        chooseTypedEntry();
    QComboBox::focusOutEvent(event);
}

void ComboBox::textEditedByUser()
{
    editedByKey = true;
    followText();
}

void ComboBox::followText()
{
    QLineEdit *edit = lineEdit();
    const QString text = edit->text();
    // A choice stands while the text is its entry's own.
    if (ListIndex() >= 0 && itemText(currentIndex()) == text)
        return;
    const int entry = entryNamed(text);
    if (entry != currentIndex()) {
        const int start = edit->selectionStart();
        const int length = int(edit->selectedText().size());
        const int cursor = edit->cursorPosition();
        setCurrentIndex(entry);
        // The current entry writes its own text into the edit, or none: the user's text and
        // selection (a completion's rest) stay.
        if (edit->text() != text) {
            edit->setText(text);
            if (length == 0)
                edit->setCursorPosition(cursor);
            else if (cursor == start)
                edit->setSelection(start + length, -length);
            else
                edit->setSelection(start, length);
        }
    }
    textEntry = entry >= 0
        ? QPersistentModelIndex(model()->index(entry, modelColumn(), rootModelIndex()))
        : QPersistentModelIndex();
}

QString ComboBox::folded(QString text) const
{
    return foldedText(std::move(text), typedFold);
}

const QStringList &ComboBox::foldedEntries() const
{
    if (!foldCacheValid) {
        const int entries = count();
        foldCache.clear();
        foldCache.reserve(entries);
        for (int i = 0; i < entries; ++i)
            foldCache.append(folded(itemText(i)));
        foldCacheValid = true;
    }
    return foldCache;
}

int ComboBox::entryNamed(const QString &text) const
{
    // Read at every typed key: only the entries equal after the fold can be equal exactly.
    const QString key = folded(text);
    const QStringList &entries = foldedEntries();
    int first = -1;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i) != key)
            continue;
        if (itemText(int(i)) == text)
            return int(i);
        if (first < 0)
            first = int(i);
    }
    return first;
}

int ComboBox::entryBeginning(const QString &text) const
{
    const QString key = folded(text);
    const QStringList &entries = foldedEntries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).startsWith(key))
            return int(i);
    }
    return -1;
}

} // namespace kx
