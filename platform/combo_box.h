// The combo of the panels and forms: list members by the names the host code uses.
#pragma once

#include "platform/letter_fold.h"

#include <QComboBox>
#include <QPersistentModelIndex>
#include <QStringList>

namespace kx {

// A QComboBox with the members the host code calls it by.
//
// Click() is raised for every choice: the user picking an item (mouse, arrow keys, wheel, Enter
// in the open list) and setListIndex() with a valid index (0 .. ListCount() - 1) by code, so
// that a document loaded by the program fires the same handlers as a user's choice. Clearing the
// choice (-1) and changes of the text alone raise no Click.
//
// An editable combo drops its choice (ListIndex() becomes -1) as soon as its text, typed or set,
// no longer equals the chosen item; the typed text stays. That keeps a line from being saved
// with the card that was chosen before the user typed over it.
//
// The entry that an editable combo's text names in full (compared as Enter compares, below) is
// the list's current entry, the one the arrow keys, the wheel and the open list move from;
// none is current while the text names none, and Down then gives the first. Such an entry is
// no choice until a pick, Enter or leaving the field makes it one. The text and its selection
// stay as they are.
//
// Typing at the end of an editable combo's text completes it to the first entry that begins
// with the typed text, the rest selected, so that the next letter types on over it. Enter, or
// leaving the field, makes the entry that the text names the choice, with Click; a text that
// names no entry leaves no choice. Texts are compared after the typed-letter fold, when one is
// set (the panels' upper-case rule), so that "ahmet c" finds "Ahmet Çelik".
//
// Filling a list, by AddItem(), AddItems() or QComboBox's own calls, chooses nothing.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    // The fold of one typed character, changed in place and returned.
    using Fold = LetterFold;

    explicit ComboBox(QWidget *parent = nullptr, bool editable = false);

    // Appends the item, or inserts it before position index (0 .. ListCount()).
    void AddItem(const QString &text, int index = -1);
    // Appends the items in one insertion: the card lists hold thousands of entries.
    void AddItems(const QStringList &texts);
    // Removes the item at index; an index outside the list changes nothing. Removing the chosen
    // item leaves no choice (an editable combo keeps its text).
    void RemoveItem(int index);
    // Removes every item and, for an editable combo, the text.
    void Clear();

    int ListCount() const { return count(); }
    // The text of item index; empty outside the list.
    QString List(int index) const;

    // The chosen item, -1 for none (an entry that the text only leads to is none).
    int ListIndex() const;
    // Chooses item index (-1: none). Returns false and changes nothing for an index outside
    // -1 .. ListCount() - 1.
    bool setListIndex(int index);

    QString Text() const { return currentText(); }
    // Editable: sets the text. Drop-down list: chooses the item with exactly this text, or none.
    // Raises no Click.
    void setText(const QString &text);

    // The fold that typed text and entries go through before completion and choice compare
    // them; none compares them as they stand.
    void setTypedFold(Fold fold);

    // Editable: makes the entry that the text names the choice and raises Click, unless that
    // entry is chosen already. Exact text first, else the first entry equal after the fold.
    // A text that names no entry leaves no choice. Returns ListIndex().
    int chooseTypedEntry();

    // The entry that text names: the first with exactly this text, else the first equal to it
    // after the fold; -1 for none.
    int entryNamed(const QString &text) const;

    // The combo that widget is or whose line edit it is; null for any other widget.
    static ComboBox *of(QWidget *widget);

    // With typed text that names no entry the open list starts at the first entry that the
    // text begins.
    void showPopup() override;

signals:
    void Click();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void textEditedByUser();
    void followText();
    void undoChoiceOfFirstFill(const QModelIndex &parent, int first, int last);
    QString folded(QString text) const;
    const QStringList &foldedEntries() const;
    int entryBeginning(const QString &text) const;

    QString textBeforeFill;
    Fold typedFold = nullptr;
    // The entry that the text made current, while it is no choice.
    QPersistentModelIndex textEntry;
    mutable QStringList foldCache;
    mutable bool foldCacheValid = false;
    bool editedByKey = false;
};

} // namespace kx
