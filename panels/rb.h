// The invoice header panel.
#pragma once

#include "panels/panel_base.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"

#include <QLabel>
#include <QLineEdit>

namespace kx::belgepano {

class RB : public PanelBase
{
    Q_OBJECT
    // The host binds these by name or by dispatch id, which counts from the last one up: the
    // order is part of the interface.
    Q_PROPERTY(QObject *XTInfo READ XTInfo)
    Q_PROPERTY(QObject *XTSeriNo READ XTSeriNo)
    Q_PROPERTY(QObject *XTSiraNo READ XTSiraNo)
    Q_PROPERTY(QObject *XCCari READ XCCari)
    Q_PROPERTY(QObject *XTIsk1 READ XTIsk1)
    Q_PROPERTY(QObject *XTIsk2 READ XTIsk2)
    Q_PROPERTY(QObject *XTIsk3 READ XTIsk3)
    Q_PROPERTY(QObject *XTAciklama READ XTAciklama)
    Q_PROPERTY(QObject *XCBelge READ XCBelge)
    Q_PROPERTY(QObject *XCKdv READ XCKdv)
    Q_PROPERTY(QObject *XDBelge READ XDBelge)
    Q_PROPERTY(QObject *XDSevk READ XDSevk)
    Q_PROPERTY(QObject *XCPrint READ XCPrint)

public:
    explicit RB(QWidget *parent = nullptr);

    QObject *XTInfo() const { return TInfo; }
    QObject *XTSeriNo() const { return TSeriNo; }
    QObject *XTSiraNo() const { return TSiraNo; }
    QObject *XCCari() const { return CCari; }
    QObject *XTIsk1() const { return TIsk1; }
    QObject *XTIsk2() const { return TIsk2; }
    QObject *XTIsk3() const { return TIsk3; }
    QObject *XTAciklama() const { return TAciklama; }
    QObject *XCBelge() const { return CBelge; }
    QObject *XCKdv() const { return CKdv; }
    QObject *XDBelge() const { return DBelge; }
    QObject *XDSevk() const { return DSevk; }
    QObject *XCPrint() const { return CPrint; }

signals:
    // The host knows these by number, in this order.
    void CBelgeCL();
    void CCariCL();
    void CKdvCL();
    void TIsk1CH();
    void TIsk2CH();
    void TIsk3CH();

private:
    ComboBox *CBelge;
    ComboBox *CPrint;
    QLineEdit *TSeriNo;
    QLineEdit *TSiraNo;
    ComboBox *CCari;
    DateField *DBelge;
    DateField *DSevk;
    QLineEdit *TIsk1;
    QLineEdit *TIsk2;
    QLineEdit *TIsk3;
    ComboBox *CKdv;
    QLineEdit *TAciklama;
    QLineEdit *TInfo;
    QLabel *LabInfo;
};

} // namespace kx::belgepano
