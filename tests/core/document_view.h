// The document routines' side of the main window: the real panels and grids, without the window.
#pragma once

#include "app/panel_loader.h"
#include "core/panel_fields.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/grid.h"

#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace kxtest {

// The child that a panel property hands out, as its class.
inline kx::ComboBox *combo(QObject *panel, const char *name)
{
    return qobject_cast<kx::ComboBox *>(kx::panelField(panel, name));
}
inline QLineEdit *edit(QObject *panel, const char *name)
{
    return qobject_cast<QLineEdit *>(kx::panelField(panel, name));
}
inline kx::DateField *date(QObject *panel, const char *name)
{
    return qobject_cast<kx::DateField *>(kx::panelField(panel, name));
}

// The four Belgepano panels, the grids, and a view over them, as the main window holds them.
struct DocumentWindow
{
    QWidget window;
    kx::Grid *grid = new kx::Grid(&window);
    kx::Grid *totals4 = new kx::Grid(&window);
    kx::Grid *totals5 = new kx::Grid(&window);
    QWidget *ra = kx::CreatePanel(QStringLiteral("Belgepano.RA"), &window);
    QWidget *rb = kx::CreatePanel(QStringLiteral("Belgepano.RB"), &window);
    QWidget *rc = kx::CreatePanel(QStringLiteral("Belgepano.RC"), &window);
    QWidget *rx = kx::CreatePanel(QStringLiteral("Belgepano.RX"), &window);
    QLineEdit *search = new QLineEdit(&window);
    kx::DocumentView view;

    DocumentWindow()
    {
        if (!ra || !rb || !rc || !rx)
            qFatal("the Belgepano panels could not be made");
        grid->setCols(14);
        grid->setColumnCellType(1, kx::CellTypeCheckBox); // as the document pages lay it out
        for (kx::Grid *totals : { totals4, totals5 }) {
            totals->setRows(8);
            totals->setCols(4);
        }
        view.Grid1 = grid;
        view.GridB2 = totals4;
        view.GridB3 = totals5;
        view.RA1 = ra;
        view.RB1 = rb;
        view.RC1 = rc;
        view.RX1 = rx;
        view.TBul = search;
        view.window = &window;
    }
};

} // namespace kxtest
