// A main-window stand-in for the document routines: grids and panels whose children are
// reached by property name, as the real panels hand them out.
#pragma once

#include "core/panel_fields.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/grid.h"

#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace kxtest {

class PanelStandIn : public QWidget
{
public:
    // Children by property name: "XC…" combos (XCCari and XCStok editable), "XD…" date fields,
    // every other name an edit field.
    explicit PanelStandIn(const QStringList &fields, QWidget *parent = nullptr)
        : QWidget(parent)
    {
        for (const QString &name : fields) {
            QWidget *child = nullptr;
            if (name.startsWith(QLatin1String("XC")))
                child = new kx::ComboBox(this, name == "XCCari" || name == "XCStok");
            else if (name.startsWith(QLatin1String("XD")))
                child = new kx::DateField(this);
            else
                child = new QLineEdit(this);
            child->setObjectName(name);
            setProperty(name.toLatin1().constData(), QVariant::fromValue<QObject *>(child));
        }
    }
    kx::ComboBox *combo(const char *name) const
    {
        return qobject_cast<kx::ComboBox *>(property(name).value<QObject *>());
    }
    QLineEdit *edit(const char *name) const
    {
        return qobject_cast<QLineEdit *>(property(name).value<QObject *>());
    }
};

// The three document panels with their lists, the grids, and a view over them.
struct DocumentWindow
{
    QWidget window;
    kx::Grid *grid = new kx::Grid(&window);
    kx::Grid *totals4 = new kx::Grid(&window);
    kx::Grid *totals5 = new kx::Grid(&window);
    PanelStandIn *ra;
    PanelStandIn *rb;
    PanelStandIn *rc;
    PanelStandIn *rx;
    QLineEdit *search = new QLineEdit(&window);
    kx::DocumentView view;

    DocumentWindow()
    {
        const QStringList common{"XTInfo", "XTSeriNo", "XTSiraNo", "XCCari", "XTAciklama",
                                 "XCBelge", "XDBelge", "XDSevk", "XCPrint"};
        const QStringList goods{"XCStok", "XTMiktar", "XTBarkod", "XTSerial", "XCBarkod",
                                "XCSerial"};
        const QStringList invoice{"XTIsk1", "XTIsk2", "XTIsk3", "XCKdv"};
        ra = new PanelStandIn(common + goods, &window);
        rb = new PanelStandIn(common + invoice, &window);
        rc = new PanelStandIn(common + goods + invoice + QStringList{"XTFiyat"}, &window);
        rx = new PanelStandIn({"XCCari", "XCStok", "XCKasaAy"}, &window);
        for (PanelStandIn *panel : {ra, rb, rc}) {
            for (int copies = 0; copies <= 5; ++copies)
                panel->combo("XCPrint")->AddItem(
                    QStringLiteral("Yazıcı kopya sayısı : %1").arg(copies));
        }
        for (const char *item : {"Çıkış", "Giriş"})
            ra->combo("XCBelge")->AddItem(QString::fromUtf8(item));
        for (PanelStandIn *panel : {rb, rc}) {
            for (const char *item : {"Açık Çıkış", "Açık Giriş", "Kapalı Çıkış", "Kapalı Giriş"})
                panel->combo("XCBelge")->AddItem(QString::fromUtf8(item));
            panel->combo("XCKdv")->AddItem(QStringLiteral("Dahil"));
            panel->combo("XCKdv")->AddItem(QStringLiteral("Hariç"));
        }
        for (PanelStandIn *panel : {ra, rc}) {
            for (const char *name : {"XCBarkod", "XCSerial"}) {
                panel->combo(name)->AddItem(QStringLiteral("Açık"));
                panel->combo(name)->AddItem(QStringLiteral("Kapalı"));
            }
        }
        grid->setCols(14);
        for (kx::Grid *totals : {totals4, totals5}) {
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
