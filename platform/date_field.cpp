// The date field of the panels and forms.
#include "platform/date_field.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace kx {

namespace {
const QString DisplayFormat = QStringLiteral("dd.MM.yyyy");
}

DateField::DateField(QWidget *parent)
    : QDateEdit(QDate::currentDate(), parent)
{
    setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    setDisplayFormat(DisplayFormat);
    // The fields are drawn narrow (ten characters); buttons would hide the year.
    setButtonSymbols(QAbstractSpinBox::NoButtons);
}

QString DateField::DateText() const
{
    return date().toString(DisplayFormat);
}

bool DateField::setDateText(const QString &text)
{
    // One-digit days and months ("1.2.2026") are dates too.
    const QDate parsed = QDate::fromString(text.trimmed(), QStringLiteral("d.M.yyyy"));
    if (!parsed.isValid())
        return false;
    setDate(parsed);
    return true;
}

int DateField::RValue() const
{
    const QDate day = date();
    return day.year() * 10000 + day.month() * 100 + day.day();
}

bool DateField::setRValue(int dateKey)
{
    const QDate parsed(dateKey / 10000, dateKey / 100 % 100, dateKey % 100);
    if (!parsed.isValid())
        return false;
    setDate(parsed);
    return true;
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    // The typed text is taken over first, so that the handler reads the date the user sees.
    QDateEdit::focusOutEvent(event);
    emit LostFocus();
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    // The dot ends a part and goes on to the next one; Tab alone leaves the field. A part
    // that is selected whole was just reached, by a full part before it: the dot is spent.
    if (typed == QStringLiteral(".") && !(event->modifiers() & ~Qt::KeypadModifier)) {
        const Section part = currentSection();
        const bool reached = lineEdit()->selectedText() == sectionText(part);
        if (!reached && (part == DaySection || part == MonthSection))
            setSelectedSection(part == DaySection ? MonthSection : YearSection);
        event->accept();
        return;
    }
    // A click leaves the cursor inside a part that is already full, where the edit takes no
    // further digit: the digit starts that part anew, as it does when the part is selected.
    // With the whole date selected it starts the day.
    if (typed.size() == 1 && typed.at(0).isDigit()) {
        const QLineEdit *edit = lineEdit();
        const Section part = currentSection();
        const int width = part == YearSection ? 4 : 2;
        if (edit->hasSelectedText() && edit->selectedText() == edit->text())
            setSelectedSection(DaySection);
        else if (!edit->hasSelectedText() && part != NoSection && sectionText(part).size() >= width)
            setSelectedSection(part);
    }
    QDateEdit::keyPressEvent(event);
}

bool DateField::focusNextPrevChild(bool next)
{
    // Tab walks the form's fields, as in every other field of the forms.
    return QWidget::focusNextPrevChild(next);
}

} // namespace kx
