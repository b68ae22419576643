// The delivery-note panel.
#pragma once

#include "panels/default_value.h"
#include "panels/panel_base.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"

#include <QLabel>
#include <QLineEdit>

namespace kx::belgepano {

class RA : public PanelBase
{
    Q_OBJECT
    // The host binds these, get and put alike, by name or by dispatch id, which counts from the
    // last one up: the order is part of the interface.
    Q_PROPERTY(QObject *XTInfo READ XTInfo WRITE setXTInfo)
    Q_PROPERTY(QObject *XTSeriNo READ XTSeriNo WRITE setXTSeriNo)
    Q_PROPERTY(QObject *XTSiraNo READ XTSiraNo WRITE setXTSiraNo)
    Q_PROPERTY(QObject *XCCari READ XCCari WRITE setXCCari)
    Q_PROPERTY(QObject *XTAciklama READ XTAciklama WRITE setXTAciklama)
    Q_PROPERTY(QObject *XTBarkod READ XTBarkod WRITE setXTBarkod)
    Q_PROPERTY(QObject *XTSerial READ XTSerial WRITE setXTSerial)
    Q_PROPERTY(QObject *XCStok READ XCStok WRITE setXCStok)
    Q_PROPERTY(QObject *XTMiktar READ XTMiktar WRITE setXTMiktar)
    Q_PROPERTY(QObject *XCBelge READ XCBelge WRITE setXCBelge)
    Q_PROPERTY(QObject *XCBarkod READ XCBarkod WRITE setXCBarkod)
    Q_PROPERTY(QObject *XCSerial READ XCSerial WRITE setXCSerial)
    Q_PROPERTY(QObject *XDBelge READ XDBelge WRITE setXDBelge)
    Q_PROPERTY(QObject *XDSevk READ XDSevk WRITE setXDSevk)
    Q_PROPERTY(QObject *XCPrint READ XCPrint WRITE setXCPrint)

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

    // The put form: the child takes the given object's default value.
    void setXTInfo(QObject *value) { PutDefaultValue(TInfo, value); }
    void setXTSeriNo(QObject *value) { PutDefaultValue(TSeriNo, value); }
    void setXTSiraNo(QObject *value) { PutDefaultValue(TSiraNo, value); }
    void setXCCari(QObject *value) { PutDefaultValue(CCari, value); }
    void setXTAciklama(QObject *value) { PutDefaultValue(TAciklama, value); }
    void setXTBarkod(QObject *value) { PutDefaultValue(TBarkod, value); }
    void setXTSerial(QObject *value) { PutDefaultValue(TSerial, value); }
    void setXCStok(QObject *value) { PutDefaultValue(CStok, value); }
    void setXTMiktar(QObject *value) { PutDefaultValue(TMiktar, value); }
    void setXCBelge(QObject *value) { PutDefaultValue(CBelge, value); }
    void setXCBarkod(QObject *value) { PutDefaultValue(CBarkod, value); }
    void setXCSerial(QObject *value) { PutDefaultValue(CSerial, value); }
    void setXDBelge(QObject *value) { PutDefaultValue(DBelge, value); }
    void setXDSevk(QObject *value) { PutDefaultValue(DSevk, value); }
    void setXCPrint(QObject *value) { PutDefaultValue(CPrint, value); }

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
