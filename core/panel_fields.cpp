// Reaching a panel's child fields by property name, and the few members the document code uses.
#include "core/panel_fields.h"

#include "core/pages.h"
#include "platform/check_option.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"

#include <QLineEdit>
#include <QVariant>
#include <QWidget>

namespace kx {

QObject *panelField(QObject *panel, const char *property)
{
    if (!panel)
        return nullptr;
    return panel->property(property).value<QObject *>();
}

QString fieldText(QObject *panel, const char *property)
{
    QObject *field = panelField(panel, property);
    if (auto *combo = qobject_cast<ComboBox *>(field))
        return combo->Text();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        return edit->text();
    if (auto *date = qobject_cast<DateField *>(field))
        return date->DateText();
    return field ? field->property("text").toString() : QString();
}

void setFieldText(QObject *panel, const char *property, const QString &text)
{
    QObject *field = panelField(panel, property);
    if (auto *combo = qobject_cast<ComboBox *>(field))
        combo->setText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->setText(text);
    else if (field)
        field->setProperty("text", text);
}

int fieldIndex(QObject *panel, const char *property)
{
    auto *combo = qobject_cast<ComboBox *>(panelField(panel, property));
    return combo ? combo->ListIndex() : -1;
}

void setFieldIndex(QObject *panel, const char *property, int index)
{
    if (auto *combo = qobject_cast<ComboBox *>(panelField(panel, property)))
        combo->setListIndex(index);
}

int fieldCount(QObject *panel, const char *property)
{
    auto *combo = qobject_cast<ComboBox *>(panelField(panel, property));
    return combo ? combo->ListCount() : 0;
}

void addFieldItem(QObject *panel, const char *property, const QString &text)
{
    if (auto *combo = qobject_cast<ComboBox *>(panelField(panel, property)))
        combo->AddItem(text);
}

QString fieldItem(QObject *panel, const char *property, int index)
{
    auto *combo = qobject_cast<ComboBox *>(panelField(panel, property));
    return combo ? combo->List(index) : QString();
}

void clearFieldItems(QObject *panel, const char *property)
{
    if (auto *combo = qobject_cast<ComboBox *>(panelField(panel, property)))
        combo->Clear();
}

int fieldDateKey(QObject *panel, const char *property)
{
    auto *date = qobject_cast<DateField *>(panelField(panel, property));
    return date ? date->RValue() : 0;
}

void setFieldDate(QObject *panel, const char *property, const QString &dayMonthYear)
{
    if (auto *date = qobject_cast<DateField *>(panelField(panel, property)))
        date->setDateText(dayMonthYear);
}

int fieldValue(QObject *panel, const char *property)
{
    QObject *field = panelField(panel, property);
    if (auto *box = qobject_cast<CheckBox *>(field))
        return box->Value();
    if (auto *option = qobject_cast<OptionButton *>(field))
        return option->Value() ? 1 : 0;
    return 0;
}

void setFieldValue(QObject *panel, const char *property, int value)
{
    QObject *field = panelField(panel, property);
    if (auto *box = qobject_cast<CheckBox *>(field))
        box->setValue(value);
    else if (auto *option = qobject_cast<OptionButton *>(field))
        option->setValue(value != 0);
}

void focusField(QObject *panel, const char *property)
{
    if (auto *widget = qobject_cast<QWidget *>(panelField(panel, property)))
        widget->setFocus(Qt::OtherFocusReason);
}

QObject *DocumentView::panelOfPage(int page) const
{
    switch (page) {
    case Page::DeliveryNote:
        return RA1;
    case Page::Invoice:
        return RB1;
    case Page::InvoiceWithLines:
        return RC1;
    default:
        return isReportPage(page) ? RX1 : nullptr;
    }
}

Grid *DocumentView::totalsOfPage(int page) const
{
    return page == Page::Invoice ? GridB2 : page == Page::InvoiceWithLines ? GridB3 : nullptr;
}

} // namespace kx
