// The delivery-note panel.
#pragma once

#include "panels/panel_base.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"

#include <QLabel>
#include <QLineEdit>

namespace kx::belgepano {

class RA : public PanelBase
{
    Q_OBJECT
    // The host binds these by name or by dispatch id, which counts from the last one up: the
    // order is part of the interface.
    Q_PROPERTY(QObject *XTInfo READ XTInfo)
    Q_PROPERTY(QObject *XTSeriNo READ XTSeriNo)
    Q_PROPERTY(QObject *XTSiraNo READ XTSiraNo)
    Q_PROPERTY(QObject *XCCari READ XCCari)
    Q_PROPERTY(QObject *XTAciklama READ XTAciklama)
    Q_PROPERTY(QObject *XTBarkod READ XTBarkod)
    Q_PROPERTY(QObject *XTSerial READ XTSerial)
    Q_PROPERTY(QObject *XCStok READ XCStok)
    Q_PROPERTY(QObject *XTMiktar READ XTMiktar)
    Q_PROPERTY(QObject *XCBelge READ XCBelge)
    Q_PROPERTY(QObject *XCBarkod READ XCBarkod)
    Q_PROPERTY(QObject *XCSerial READ XCSerial)
    Q_PROPERTY(QObject *XDBelge READ XDBelge)
    Q_PROPERTY(QObject *XDSevk READ XDSevk)
    Q_PROPERTY(QObject *XCPrint READ XCPrint)

public:
    explicit RA(QWidget *parent = nullptr);

    QObject *XTInfo() const { return TInfo; }
    QObject *XTSeriNo() const { return TSeriNo; }
    QObject *XTSiraNo() const { return TSiraNo; }
    QObject *XCCari() const { return CCari; }
    QObject *XTAciklama() const { return TAciklama; }
    QObject *XTBarkod() const { return TBarkod; }
    QObject *XTSerial() const { return TSerial; }
    QObject *XCStok() const { return CStok; }
    QObject *XTMiktar() const { return TMiktar; }
    QObject *XCBelge() const { return CBelge; }
    QObject *XCBarkod() const { return CBarkod; }
    QObject *XCSerial() const { return CSerial; }
    QObject *XDBelge() const { return DBelge; }
    QObject *XDSevk() const { return DSevk; }
    QObject *XCPrint() const { return CPrint; }

signals:
    // The host knows these by number, in this order.
    void CBelgeCL();
    void CCariCL();
    void CBarkodCL();
    void CSerialCL();
    void CStokCL();
    void BarkodBul();
    void UrunEkle();

protected:
    void addFieldEntered() override;
    void barcodeEntered() override;

private:
    ComboBox *CBelge;
    ComboBox *CPrint;
    QLineEdit *TSeriNo;
    QLineEdit *TSiraNo;
    ComboBox *CCari;
    DateField *DBelge;
    DateField *DSevk;
    ComboBox *CBarkod;
    ComboBox *CSerial;
    QLineEdit *TAciklama;
    QLineEdit *TBarkod;
    QLineEdit *TSerial;
    ComboBox *CStok;
    QLineEdit *TMiktar;
    QLineEdit *TInfo;
    QLabel *LabInfo;
};

} // namespace kx::belgepano
