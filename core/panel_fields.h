// Reaching a panel's child fields by property name, and the few members the document code uses.
#pragma once

#include <QObject>
#include <QString>

namespace kx {

class Grid;

// The child that the panel's property hands out (XCCari, XTSeriNo, ...); nullptr when the
// panel has no such property.
QObject *panelField(QObject *panel, const char *property);

// Text of an edit field or combo.
QString fieldText(QObject *panel, const char *property);
void setFieldText(QObject *panel, const char *property, const QString &text);
// List index of a combo; -1 when none is chosen.
int fieldIndex(QObject *panel, const char *property);
// Sets a combo's list index as a user's choice would (the combo raises its click).
void setFieldIndex(QObject *panel, const char *property, int index);
int fieldCount(QObject *panel, const char *property);
void addFieldItem(QObject *panel, const char *property, const QString &text);
QString fieldItem(QObject *panel, const char *property, int index);
void clearFieldItems(QObject *panel, const char *property);
// Date fields: the date key yyyymmdd, and the date as day.month.year text.
int fieldDateKey(QObject *panel, const char *property);
void setFieldDate(QObject *panel, const char *property, const QString &dayMonthYear);
// Check boxes (0/1) and option buttons (0 false, 1 true).
int fieldValue(QObject *panel, const char *property);
void setFieldValue(QObject *panel, const char *property, int value);
void focusField(QObject *panel, const char *property);

// Everything on the main window that the document routines read and write.
struct DocumentView
{
    Grid *Grid1 = nullptr;
    Grid *GridB2 = nullptr;
    Grid *GridB3 = nullptr;
    QObject *RA1 = nullptr;
    QObject *RB1 = nullptr;
    QObject *RC1 = nullptr;
    QObject *RX1 = nullptr;
    QObject *TBul = nullptr; // search box of the list pages
    QWidget *window = nullptr; // the main window, for the common grid look

    // The panel of a document or report page; nullptr for the list pages.
    QObject *panelOfPage(int page) const;
    // The totals grid of an invoice page; nullptr elsewhere.
    Grid *totalsOfPage(int page) const;
};

} // namespace kx
