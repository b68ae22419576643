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
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
};

} // namespace kx
