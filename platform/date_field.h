// The date field of the panels and forms: a day.month.year date edit.
#pragma once

#include <QDateEdit>

namespace kx {

// A QDateEdit that shows dd.MM.yyyy, with the members the host code calls it by.
//
// DateText() and Value() give the date as "31.12.2026"; RValue() and DateValue() give the same
// date as the number 20261231. Tab leaves the field (it does not step through the day,
// month and year parts, which the arrow keys and the typed dots reach). Setters take the same
// forms; a text or number that is no valid date leaves the field unchanged and returns false.
// LostFocus() is raised on every focus loss.
//
// Digits and dots typed since the field was entered or last clicked are also read as one date:
// as soon as they read as day.month.year with a four-digit year, that date replaces the whole
// date, whichever part the caret was in. Fewer parts change only the parts they reach. Any
// other key ends that reading until the next entry or click.
class DateField : public QDateEdit
{
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

    QString DateText() const;
    bool setDateText(const QString &text);

    QString Value() const { return DateText(); }
    bool setValue(const QString &text) { return setDateText(text); }

    int RValue() const;
    bool setRValue(int dateKey);

    int DateValue() const { return RValue(); }
    bool setDateValue(int dateKey) { return setRValue(dateKey); }

signals:
    void LostFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void typeIntoParts(QKeyEvent *event);
    void startWholeDate();

    // The digits and dots typed since the field was entered or clicked, while no other key
    // has ended the reading.
    QString m_typedDate;
    bool m_readingWholeDate = false;
};

} // namespace kx
