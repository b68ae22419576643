// The date field of the panels and forms.
#include "platform/date_field.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QScopedValueRollback>

namespace kx {

namespace {

const QString DisplayFormat = QStringLiteral("dd.MM.yyyy");

// A year of two digits is one of this century: "27" is 2027, "99" 2099.
int yearOf(const QString &digits)
{
    return digits.size() == 2 ? 2000 + digits.toInt() : digits.toInt();
}

// Digits and dots that read as one date: d.M.yyyy, d.M.yy, ddMMyyyy or ddMMyy. The two-digit
// forms only when shortYear is set, so that "15.01.20" on the way to 15.01.2027 is not taken.
QDate dateOfText(const QString &text, bool shortYear)
{
    static const QRegularExpression Dotted(
        QStringLiteral("^([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{4}|[0-9]{2})$"));
    static const QRegularExpression Digits(
        QStringLiteral("^([0-9]{2})([0-9]{2})([0-9]{4}|[0-9]{2})$"));
    QRegularExpressionMatch match = Dotted.match(text);
    if (!match.hasMatch())
        match = Digits.match(text);
    if (!match.hasMatch() || (match.captured(3).size() == 2 && !shortYear))
        return {};
    return QDate(yearOf(match.captured(3)), match.captured(2).toInt(), match.captured(1).toInt());
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
    // A date set otherwise than by typing (a read, a step) ends the reading of typed keys as
    // one date: they are no longer what the field shows.
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!m_typing)
            m_readingWholeDate = false;
    });
}

void DateField::setDate(QDate date)
{
    m_readingWholeDate = false;
    QDateEdit::setDate(date);
}

QString DateField::DateText() const
{
    takeTypedText();
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
    takeTypedText();
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

QDate DateField::readText(const QString &text, bool shortYear) const
{
    const QDate read = dateOfText(text, shortYear);
    return read >= minimumDate() && read <= maximumDate() ? read : QDate();
}

QDate DateField::typedWholeDate() const
{
    return m_readingWholeDate ? readText(m_typedDate) : QDate();
}

void DateField::takeTypedText() const
{
    // The getters give the held date; what is typed but not yet taken is read first, so that
    // a save from inside the field stores what the field shows.
    const QDate typed = typedWholeDate();
    if (lineEdit()->text() != date().toString(DisplayFormat)
        || (typed.isValid() && typed != date()))
        const_cast<DateField *>(this)->interpretText();
}

QValidator::State DateField::validate(QString &input, int &pos) const
{
    const QString typed = input;
    const int typedPos = pos;
    const QValidator::State state = QDateEdit::validate(input, pos);
    // A read (leaving, Enter, an arrow, a getter): the typed date decides first, then the
    // parts' text with a year of two digits; dateTimeFromText gives the date.
    if (!m_typing && (typedWholeDate().isValid() || readText(typed).isValid())) {
        input = typed;
        pos = typedPos;
        return QValidator::Acceptable;
    }
    // Qt's year part refuses, or pads with zeros, digits that can grow into no year from the
    // minimum's on ("15" could only become 15xx); one or two are a year of this century once
    // read, and stay as typed.
    static const QRegularExpression ShortYear(
        QStringLiteral("^([0-9]{2})\\.([0-9]{2})\\.([0-9]{1,2})$"));
    const QRegularExpressionMatch match = ShortYear.match(typed);
    if ((state == QValidator::Invalid || input != typed) && match.hasMatch()
        && QDate(2000 + match.captured(3).toInt(), match.captured(2).toInt(),
                 match.captured(1).toInt())
               .isValid()) {
        input = typed;
        pos = typedPos;
        return QValidator::Intermediate;
    }
    return state;
}

QDateTime DateField::dateTimeFromText(const QString &text) const
{
    if (!m_typing) {
        QDate read = typedWholeDate();
        if (!read.isValid())
            read = readText(text);
        if (read.isValid()) {
            QDateTime value = dateTime();
            value.setDate(read);
            return value;
        }
    }
    return QDateEdit::dateTimeFromText(text);
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
    takeTypedText();
    QDateEdit::focusOutEvent(event);
    emit LostFocus();
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    const bool dateCharacter = plain && typed.size() == 1
        && ((typed.at(0) >= u'0' && typed.at(0) <= u'9') || typed.at(0) == u'.');
    // Enter takes the date and an arrow steps it: both act on the date the user sees.
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        takeTypedText();
        break;
    default:
        break;
    }
    if (!dateCharacter && !isModifierKey(event->key()))
        m_readingWholeDate = false;

    const QScopedValueRollback typing(m_typing, true);
    typeIntoParts(event);

    // The parts have taken the key as they can; a whole date with a four-digit year replaces
    // the date at the keystroke that completes it, so a save right after reads it without
    // leaving the field.
    if (dateCharacter && m_readingWholeDate) {
        m_typedDate += typed;
        const QDate whole = readText(m_typedDate, false);
        if (whole.isValid()) {
            // Typed, not set: the reading of the keys goes on.
            QDateEdit::setDate(whole);
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
