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
// The year part takes two digits as 2000 plus them ("27" is 2027), and up to four while they
// are typed. Digits and dots typed since the field was entered or last clicked are also read
// as one date, as d.M.yyyy, d.M.yy, ddMMyyyy or ddMMyy, whichever part the caret was in: a
// four-digit year at the keystroke that completes it, a two-digit one when the field is read.
// Fewer parts change only the parts they reach. Any other key ends that reading until the next
// entry or click, and so does a date set through the field (by the program or a pick in the
// calendar), the held date too.
//
// The field is read when it is left, on Enter, before an arrow key steps a part, and by every
// getter: the typed date decides first, then the parts' text; a text that is no date puts the
// held date back on the screen, so that the field never shows a date it does not give.
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

public slots:
    // Hides QDateEdit's own (the calendar's pick calls it by name too), so that the held date
    // set again, which Qt does not signal, also ends the reading of typed keys. Through a
    // QDateEdit pointer it is Qt's own.
    void setDate(QDate date);

signals:
    void LostFocus();

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    QDateTime dateTimeFromText(const QString &text) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void typeIntoParts(QKeyEvent *event);
    void startWholeDate();
    QDate typedWholeDate() const;
    // A date of the field's range that the text reads as (see dateOfText).
    QDate readText(const QString &text, bool shortYear = true) const;
    void takeTypedText() const;

    // The digits and dots typed since the field was entered or clicked, while no other key
    // has ended the reading.
    QString m_typedDate;
    bool m_readingWholeDate = false;
    // While a key is being typed, a two-digit year is unfinished: more digits may follow.
    bool m_typing = false;
};

} // namespace kx
