// Check box and option button.
#include "platform/check_option.h"

#include <QButtonGroup>

namespace kx {

CheckBox::CheckBox(const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::clicked, this, &CheckBox::Click);
}

OptionButton::OptionButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{ }

void OptionButton::setValue(bool value)
{
    if (value || !isChecked()) {
        setChecked(value);
        return;
    }
    // Qt refuses to clear the selected button of an exclusive group; an option may be cleared.
    QButtonGroup *buttons = group();
    if (buttons && buttons->exclusive()) {
        buttons->setExclusive(false);
        setChecked(false);
        buttons->setExclusive(true);
    } else if (autoExclusive()) {
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
    } else {
        setChecked(false);
    }
}

} // namespace kx
