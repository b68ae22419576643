// The report and cheque options panel.
#pragma once

#include "panels/panel_base.h"
#include "platform/check_option.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/tab_strip.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace kx::belgepano {

class RX : public PanelBase
{
    Q_OBJECT
    // The host binds these by name or by dispatch id, which counts from the last one up: the
    // order is part of the interface.
    Q_PROPERTY(QObject *XTTab READ XTTab)
    Q_PROPERTY(QObject *XODisarida READ XODisarida)
    Q_PROPERTY(QObject *XOKasada READ XOKasada)
    Q_PROPERTY(QObject *XOCiro READ XOCiro)
    Q_PROPERTY(QObject *XOTahsil READ XOTahsil)
    Q_PROPERTY(QObject *XOTumu8 READ XOTumu8)
    Q_PROPERTY(QObject *XOOdenen READ XOOdenen)
    Q_PROPERTY(QObject *XOMaliyet READ XOMaliyet)
    Q_PROPERTY(QObject *XOOrtMal READ XOOrtMal)
    Q_PROPERTY(QObject *XOAlis READ XOAlis)
    Q_PROPERTY(QObject *XOSatis READ XOSatis)
    Q_PROPERTY(QObject *XBTar6 READ XBTar6)
    Q_PROPERTY(QObject *XCStok READ XCStok)
    Q_PROPERTY(QObject *XDTarA6 READ XDTarA6)
    Q_PROPERTY(QObject *XDTarB6 READ XDTarB6)
    Q_PROPERTY(QObject *XOGiris5 READ XOGiris5)
    Q_PROPERTY(QObject *XOCikis5 READ XOCikis5)
    Q_PROPERTY(QObject *XOTumu5 READ XOTumu5)
    Q_PROPERTY(QObject *XBTar5 READ XBTar5)
    Q_PROPERTY(QObject *XDTarA5 READ XDTarA5)
    Q_PROPERTY(QObject *XDTarB5 READ XDTarB5)
    Q_PROPERTY(QObject *XOBorclu READ XOBorclu)
    Q_PROPERTY(QObject *XOAlacakli READ XOAlacakli)
    Q_PROPERTY(QObject *XOBakiyeli READ XOBakiyeli)
    Q_PROPERTY(QObject *XOTumu4 READ XOTumu4)
    Q_PROPERTY(QObject *XOAylik READ XOAylik)
    Q_PROPERTY(QObject *XOGunluk READ XOGunluk)
    Q_PROPERTY(QObject *XOGunDetay READ XOGunDetay)
    Q_PROPERTY(QObject *XCKasaAy READ XCKasaAy)
    Q_PROPERTY(QObject *XDTar3 READ XDTar3)
    Q_PROPERTY(QObject *XTArti READ XTArti)
    Q_PROPERTY(QObject *XOGiris2 READ XOGiris2)
    Q_PROPERTY(QObject *XOCikis2 READ XOCikis2)
    Q_PROPERTY(QObject *XBArti READ XBArti)
    Q_PROPERTY(QObject *XBEksi READ XBEksi)
    Q_PROPERTY(QObject *XTEksi READ XTEksi)
    Q_PROPERTY(QObject *XBTar1 READ XBTar1)
    Q_PROPERTY(QObject *XCCari READ XCCari)
    Q_PROPERTY(QObject *XBStok READ XBStok)
    Q_PROPERTY(QObject *XDTarA1 READ XDTarA1)
    Q_PROPERTY(QObject *XDTarB1 READ XDTarB1)

public:
    explicit RX(QWidget *parent = nullptr);

    QObject *XTTab() const { return TTab; }
    QObject *XODisarida() const { return ODisarida; }
    QObject *XOKasada() const { return OKasada; }
    QObject *XOCiro() const { return OCiro; }
    QObject *XOTahsil() const { return OTahsil; }
    QObject *XOTumu8() const { return OTumu8; }
    QObject *XOOdenen() const { return OOdenen; }
    QObject *XOMaliyet() const { return OMaliyet; }
    QObject *XOOrtMal() const { return OOrtMal; }
    QObject *XOAlis() const { return OAlis; }
    QObject *XOSatis() const { return OSatis; }
    QObject *XBTar6() const { return BTar6; }
    QObject *XCStok() const { return CStok; }
    QObject *XDTarA6() const { return DTarA6; }
    QObject *XDTarB6() const { return DTarB6; }
    QObject *XOGiris5() const { return OGiris5; }
    QObject *XOCikis5() const { return OCikis5; }
    QObject *XOTumu5() const { return OTumu5; }
    QObject *XBTar5() const { return BTar5; }
    QObject *XDTarA5() const { return DTarA5; }
    QObject *XDTarB5() const { return DTarB5; }
    QObject *XOBorclu() const { return OBorclu; }
    QObject *XOAlacakli() const { return OAlacakli; }
    QObject *XOBakiyeli() const { return OBakiyeli; }
    QObject *XOTumu4() const { return OTumu4; }
    QObject *XOAylik() const { return OAylik; }
    QObject *XOGunluk() const { return OGunluk; }
    QObject *XOGunDetay() const { return OGunDetay; }
    QObject *XCKasaAy() const { return CKasaAy; }
    QObject *XDTar3() const { return DTar3; }
    QObject *XTArti() const { return TArti; }
    QObject *XOGiris2() const { return OGiris2; }
    QObject *XOCikis2() const { return OCikis2; }
    QObject *XBArti() const { return BArti; }
    QObject *XBEksi() const { return BEksi; }
    QObject *XTEksi() const { return TEksi; }
    QObject *XBTar1() const { return BTar1; }
    QObject *XCCari() const { return CCari; }
    QObject *XBStok() const { return BStok; }
    QObject *XDTarA1() const { return DTarA1; }
    QObject *XDTarB1() const { return DTarB1; }

signals:
    // The host knows these by number, in this order.
    void CekYeni();
    void CekSil();
    void CekKaydet();

private:
    TabStrip *TabX;
    ComboBox *CCari;
    CheckBox *BStok;
    CheckBox *BTar1;
    DateField *DTarA1;
    DateField *DTarB1;
    OptionButton *OGiris2;
    OptionButton *OCikis2;
    CheckBox *BArti;
    QLineEdit *TArti;
    CheckBox *BEksi;
    QLineEdit *TEksi;
    OptionButton *OAylik;
    OptionButton *OGunluk;
    ComboBox *CKasaAy;
    OptionButton *OGunDetay;
    DateField *DTar3;
    OptionButton *OBorclu;
    OptionButton *OAlacakli;
    OptionButton *OBakiyeli;
    OptionButton *OTumu4;
    OptionButton *OGiris5;
    OptionButton *OCikis5;
    OptionButton *OTumu5;
    CheckBox *BTar5;
    DateField *DTarA5;
    DateField *DTarB5;
    ComboBox *CStok;
    CheckBox *BTar6;
    DateField *DTarA6;
    DateField *DTarB6;
    OptionButton *OMaliyet;
    OptionButton *OOrtMal;
    OptionButton *OAlis;
    OptionButton *OSatis;
    OptionButton *ODisarida;
    OptionButton *OKasada;
    OptionButton *OCiro;
    OptionButton *OTahsil;
    OptionButton *OOdenen;
    OptionButton *OTumu8;
    QPushButton *BYeni;
    QPushButton *BSil;
    QPushButton *BKaydet;
    QLineEdit *TTab;
    // The page captions, kept for the panel's lifetime; only the selected page shows its own.
    QStringList TabCaptions;
};

} // namespace kx::belgepano
