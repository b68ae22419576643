// The default value of a panel child.
#include "panels/default_value.h"

#include "platform/check_option.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"

#include <QLineEdit>
#include <QVariant>

#include <optional>

namespace kx::belgepano {

namespace {

QVariant defaultValueOf(const QObject *control)
{
    if (const auto *date = qobject_cast<const DateField *>(control))
        return date->DateText();
    if (const auto *combo = qobject_cast<const ComboBox *>(control))
        return combo->Text();
    if (const auto *field = qobject_cast<const QLineEdit *>(control))
        return field->text();
    if (const auto *check = qobject_cast<const CheckBox *>(control))
        return check->Value();
    if (const auto *option = qobject_cast<const OptionButton *>(control))
        return option->Value();
    return QVariant();
}

// A check box or option takes a truth value or a number; any other text would be a guess.
std::optional<bool> truthOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    const QString text = value.toString().trimmed();
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    if (isNumber)
        return number != 0;
    if (text.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

} // namespace

bool PutDefaultValue(QObject *child, const QObject *value)
{
    const QVariant given = defaultValueOf(value);
    if (!given.isValid())
        return false;
    if (auto *date = qobject_cast<DateField *>(child))
        return date->setDateText(given.toString());
    if (auto *combo = qobject_cast<ComboBox *>(child)) {
        combo->setText(given.toString());
        return true;
    }
    if (auto *field = qobject_cast<QLineEdit *>(child)) {
        field->setText(given.toString());
        return true;
    }
    const std::optional<bool> truth = truthOf(given);
    if (auto *check = qobject_cast<CheckBox *>(child); check && truth) {
        check->setValue(*truth ? 1 : 0);
        return true;
    }
    if (auto *option = qobject_cast<OptionButton *>(child); option && truth) {
        option->setValue(*truth);
        return true;
    }
    return false;
}

} // namespace kx::belgepano
