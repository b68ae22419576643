// The date field of the panels and forms.
#include "platform/date_field.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

namespace kx {

namespace {

const QString DisplayFormat = QStringLiteral("dd.MM.yyyy");

// Typed digits and dots that read as day.month.year with a four-digit year.
QDate dateOfText(const QString &text)
{
    static const QRegularExpression Whole(QStringLiteral("^[0-9]{1,2}\\.[0-9]{1,2}\\.[0-9]{4}$"));
    if (!Whole.match(text).hasMatch())
        return {};
    return QDate::fromString(text, QStringLiteral("d.M.yyyy"));
}

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt
        || key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

} // namespace

DateField::DateField(QWidget *parent)
    : QDateEdit(QDate::currentDate(), parent)
{
    setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    setDisplayFormat(DisplayFormat);
    // The fields are drawn narrow (ten characters); buttons would hide the year.
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    // A click lands on the inner edit, not on this field.
    lineEdit()->installEventFilter(this);
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

void DateField::startWholeDate()
{
    m_typedDate.clear();
    m_readingWholeDate = true;
}

bool DateField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit()
        && (event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonDblClick))
        startWholeDate();
    return QDateEdit::eventFilter(watched, event);
}

void DateField::focusInEvent(QFocusEvent *event)
{
    startWholeDate();
    QDateEdit::focusInEvent(event);
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
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    const bool dateCharacter = plain && typed.size() == 1
        && ((typed.at(0) >= u'0' && typed.at(0) <= u'9') || typed.at(0) == u'.');
    if (!dateCharacter && !isModifierKey(event->key()))
        m_readingWholeDate = false;

    typeIntoParts(event);

    // The parts have taken the key as they can; a whole date typed replaces the date at the
    // keystroke that completes it, so a save right after reads it without leaving the field.
    if (dateCharacter && m_readingWholeDate) {
        m_typedDate += typed;
        const QDate whole = dateOfText(m_typedDate);
        if (whole.isValid()) {
            setDate(whole);
            lineEdit()->setCursorPosition(int(lineEdit()->text().size()));
        }
    }
}

void DateField::typeIntoParts(QKeyEvent *event)
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
