// The report and cheque options panel.
#pragma once

#include "panels/default_value.h"
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
    // The host binds these, get and put alike, by name or by dispatch id, which counts from the
    // last one up: the order is part of the interface.
    Q_PROPERTY(QObject *XTTab READ XTTab WRITE setXTTab)
    Q_PROPERTY(QObject *XODisarida READ XODisarida WRITE setXODisarida)
    Q_PROPERTY(QObject *XOKasada READ XOKasada WRITE setXOKasada)
    Q_PROPERTY(QObject *XOCiro READ XOCiro WRITE setXOCiro)
    Q_PROPERTY(QObject *XOTahsil READ XOTahsil WRITE setXOTahsil)
    Q_PROPERTY(QObject *XOTumu8 READ XOTumu8 WRITE setXOTumu8)
    Q_PROPERTY(QObject *XOOdenen READ XOOdenen WRITE setXOOdenen)
    Q_PROPERTY(QObject *XOMaliyet READ XOMaliyet WRITE setXOMaliyet)
    Q_PROPERTY(QObject *XOOrtMal READ XOOrtMal WRITE setXOOrtMal)
    Q_PROPERTY(QObject *XOAlis READ XOAlis WRITE setXOAlis)
    Q_PROPERTY(QObject *XOSatis READ XOSatis WRITE setXOSatis)
    Q_PROPERTY(QObject *XBTar6 READ XBTar6 WRITE setXBTar6)
    Q_PROPERTY(QObject *XCStok READ XCStok WRITE setXCStok)
    Q_PROPERTY(QObject *XDTarA6 READ XDTarA6 WRITE setXDTarA6)
    Q_PROPERTY(QObject *XDTarB6 READ XDTarB6 WRITE setXDTarB6)
    Q_PROPERTY(QObject *XOGiris5 READ XOGiris5 WRITE setXOGiris5)
    Q_PROPERTY(QObject *XOCikis5 READ XOCikis5 WRITE setXOCikis5)
    Q_PROPERTY(QObject *XOTumu5 READ XOTumu5 WRITE setXOTumu5)
    Q_PROPERTY(QObject *XBTar5 READ XBTar5 WRITE setXBTar5)
    Q_PROPERTY(QObject *XDTarA5 READ XDTarA5 WRITE setXDTarA5)
    Q_PROPERTY(QObject *XDTarB5 READ XDTarB5 WRITE setXDTarB5)
    Q_PROPERTY(QObject *XOBorclu READ XOBorclu WRITE setXOBorclu)
    Q_PROPERTY(QObject *XOAlacakli READ XOAlacakli WRITE setXOAlacakli)
    Q_PROPERTY(QObject *XOBakiyeli READ XOBakiyeli WRITE setXOBakiyeli)
    Q_PROPERTY(QObject *XOTumu4 READ XOTumu4 WRITE setXOTumu4)
    Q_PROPERTY(QObject *XOAylik READ XOAylik WRITE setXOAylik)
    Q_PROPERTY(QObject *XOGunluk READ XOGunluk WRITE setXOGunluk)
    Q_PROPERTY(QObject *XOGunDetay READ XOGunDetay WRITE setXOGunDetay)
    Q_PROPERTY(QObject *XCKasaAy READ XCKasaAy WRITE setXCKasaAy)
    Q_PROPERTY(QObject *XDTar3 READ XDTar3 WRITE setXDTar3)
    Q_PROPERTY(QObject *XTArti READ XTArti WRITE setXTArti)
    Q_PROPERTY(QObject *XOGiris2 READ XOGiris2 WRITE setXOGiris2)
    Q_PROPERTY(QObject *XOCikis2 READ XOCikis2 WRITE setXOCikis2)
    Q_PROPERTY(QObject *XBArti READ XBArti WRITE setXBArti)
    Q_PROPERTY(QObject *XBEksi READ XBEksi WRITE setXBEksi)
    Q_PROPERTY(QObject *XTEksi READ XTEksi WRITE setXTEksi)
    Q_PROPERTY(QObject *XBTar1 READ XBTar1 WRITE setXBTar1)
    Q_PROPERTY(QObject *XCCari READ XCCari WRITE setXCCari)
    Q_PROPERTY(QObject *XBStok READ XBStok WRITE setXBStok)
    Q_PROPERTY(QObject *XDTarA1 READ XDTarA1 WRITE setXDTarA1)
    Q_PROPERTY(QObject *XDTarB1 READ XDTarB1 WRITE setXDTarB1)

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

    // The put form: the child takes the given object's default value.
    void setXTTab(QObject *value) { PutDefaultValue(TTab, value); }
    void setXODisarida(QObject *value) { PutDefaultValue(ODisarida, value); }
    void setXOKasada(QObject *value) { PutDefaultValue(OKasada, value); }
    void setXOCiro(QObject *value) { PutDefaultValue(OCiro, value); }
    void setXOTahsil(QObject *value) { PutDefaultValue(OTahsil, value); }
    void setXOTumu8(QObject *value) { PutDefaultValue(OTumu8, value); }
    void setXOOdenen(QObject *value) { PutDefaultValue(OOdenen, value); }
    void setXOMaliyet(QObject *value) { PutDefaultValue(OMaliyet, value); }
    void setXOOrtMal(QObject *value) { PutDefaultValue(OOrtMal, value); }
    void setXOAlis(QObject *value) { PutDefaultValue(OAlis, value); }
    void setXOSatis(QObject *value) { PutDefaultValue(OSatis, value); }
    void setXBTar6(QObject *value) { PutDefaultValue(BTar6, value); }
    void setXCStok(QObject *value) { PutDefaultValue(CStok, value); }
    void setXDTarA6(QObject *value) { PutDefaultValue(DTarA6, value); }
    void setXDTarB6(QObject *value) { PutDefaultValue(DTarB6, value); }
    void setXOGiris5(QObject *value) { PutDefaultValue(OGiris5, value); }
    void setXOCikis5(QObject *value) { PutDefaultValue(OCikis5, value); }
    void setXOTumu5(QObject *value) { PutDefaultValue(OTumu5, value); }
    void setXBTar5(QObject *value) { PutDefaultValue(BTar5, value); }
    void setXDTarA5(QObject *value) { PutDefaultValue(DTarA5, value); }
    void setXDTarB5(QObject *value) { PutDefaultValue(DTarB5, value); }
    void setXOBorclu(QObject *value) { PutDefaultValue(OBorclu, value); }
    void setXOAlacakli(QObject *value) { PutDefaultValue(OAlacakli, value); }
    void setXOBakiyeli(QObject *value) { PutDefaultValue(OBakiyeli, value); }
    void setXOTumu4(QObject *value) { PutDefaultValue(OTumu4, value); }
    void setXOAylik(QObject *value) { PutDefaultValue(OAylik, value); }
    void setXOGunluk(QObject *value) { PutDefaultValue(OGunluk, value); }
    void setXOGunDetay(QObject *value) { PutDefaultValue(OGunDetay, value); }
    void setXCKasaAy(QObject *value) { PutDefaultValue(CKasaAy, value); }
    void setXDTar3(QObject *value) { PutDefaultValue(DTar3, value); }
    void setXTArti(QObject *value) { PutDefaultValue(TArti, value); }
    void setXOGiris2(QObject *value) { PutDefaultValue(OGiris2, value); }
    void setXOCikis2(QObject *value) { PutDefaultValue(OCikis2, value); }
    void setXBArti(QObject *value) { PutDefaultValue(BArti, value); }
    void setXBEksi(QObject *value) { PutDefaultValue(BEksi, value); }
    void setXTEksi(QObject *value) { PutDefaultValue(TEksi, value); }
    void setXBTar1(QObject *value) { PutDefaultValue(BTar1, value); }
    void setXCCari(QObject *value) { PutDefaultValue(CCari, value); }
    void setXBStok(QObject *value) { PutDefaultValue(BStok, value); }
    void setXDTarA1(QObject *value) { PutDefaultValue(DTarA1, value); }
    void setXDTarB1(QObject *value) { PutDefaultValue(DTarB1, value); }

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
