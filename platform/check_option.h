// Check box and option button with the numeric and true/false values the host code reads.
#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace kx {

// Value() is 0 unchecked, 1 checked. Click() is raised by the user's click only, not by
// setValue(), so that one box's handler can clear another without setting off a chain.
class CheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit CheckBox(const QString &caption = QString(), QWidget *parent = nullptr);

    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }

signals:
    void Click();
};

// Value() is true when selected. Options are exclusive within the button group they are added
// to (QButtonGroup); setValue(false) clears even the selected option of an exclusive group.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit OptionButton(const QString &caption = QString(), QWidget *parent = nullptr);

    bool Value() const { return isChecked(); }
    void setValue(bool value);
};

} // namespace kx
