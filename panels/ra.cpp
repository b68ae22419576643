// The delivery-note panel.
#include "panels/ra.h"

#include "platform/combo_box.h"
#include "platform/date_field.h"

#include <QLabel>
#include <QLineEdit>

namespace kx::belgepano {

RA::RA(QWidget *parent)
    : PanelBase(7815, 3195, parent)
{
    CBelge = place(new ComboBox(this), "CBelge", 0, 1320, 0, 1215, 315);
    CPrint = place(new ComboBox(this), "CPrint", 1, 2640, 0, 2535, 315);
    TSeriNo = place(new QLineEdit(this), "TSeriNo", 2, 6600, 0, 375, 315);
    TSiraNo = place(new QLineEdit(this), "TSiraNo", 3, 6960, 0, 855, 315);
    CCari = place(new ComboBox(this, true), "CCari", 4, 1320, 360, 6495, 315);
    DBelge = place(new DateField(this), "DBelge", 5, 1320, 720, 1215, 315);
    DSevk = place(new DateField(this), "DSevk", 6, 6600, 720, 1215, 315);
    CBarkod = place(new ComboBox(this), "CBarkod", 7, 1320, 1080, 1215, 315);
    CSerial = place(new ComboBox(this), "CSerial", 8, 6600, 1080, 1215, 315);
    TAciklama = place(new QLineEdit(this), "TAciklama", 9, 1320, 1440, 6495, 315);
    TBarkod = place(new QLineEdit(this), "TBarkod", 10, 1320, 1800, 1215, 315);
    TSerial = place(new QLineEdit(this), "TSerial", 11, 6600, 1800, 1215, 315);
    CStok = place(new ComboBox(this, true), "CStok", 12, 1320, 2160, 6495, 315);
    TMiktar = place(new QLineEdit(this), "TMiktar", 13, 1320, 2520, 1215, 315);
    LabInfo = place(new QLabel(this), "LabInfo", 14, 1320, 2880, 6495, 315);
    TInfo = place(new QLineEdit(this), "TInfo", 15, 2640, 720, 135, 135);

    addDocumentCaptions({ { 0, "Belge -----------------", CaptionLeftColumn, 0 },
                          { 1, "Belge No -----------", CaptionRightColumn, 0 },
                          { 2, "Cari --------------------", CaptionLeftColumn, 360 },
                          { 3, "Belge Tarihi -------", CaptionLeftColumn, 720 },
                          { 4, "Sevk Tarihi --------", CaptionRightColumn, 720 },
                          { 5, "Barkod Durum ---", CaptionLeftColumn, 1080 },
                          { 6, "Seri No Durum ---", CaptionRightColumn, 1080 },
                          { 7, "Açıklama -----------", CaptionLeftColumn, 1440 },
                          { 8, "Barkod No ---------", CaptionLeftColumn, 1800 },
                          { 9, "Seri No --------------", CaptionRightColumn, 1800 },
                          { 10, "Stok ------------------", CaptionLeftColumn, 2160 },
                          { 11, "Miktar ----------------", CaptionLeftColumn, 2520 } },
                        2880);

    CBelge->AddItem(QStringLiteral("Çıkış"));
    CBelge->AddItem(QStringLiteral("Giriş"));
    fillPrintCopies(CPrint);
    for (ComboBox *entrySwitch : { CBarkod, CSerial }) {
        entrySwitch->AddItem(QStringLiteral("Açık"));
        entrySwitch->AddItem(QStringLiteral("Kapalı"));
    }

    selectAllOnFocus({ TSeriNo, TSiraNo, TAciklama, TBarkod, TSerial, TMiktar });
    foldWhileTyping({ CCari, CStok });
    setEnterRule(13, QStringLiteral("TMiktar"), QStringLiteral("TBarkod"));
    followDocumentDate(DBelge, DSevk);
    mirrorInfo(TInfo, LabInfo);

    connect(CBelge, &ComboBox::Click, this, &RA::CBelgeCL);
    connect(CCari, &ComboBox::Click, this, &RA::CCariCL);
    connect(CBarkod, &ComboBox::Click, this, &RA::CBarkodCL);
    connect(CSerial, &ComboBox::Click, this, &RA::CSerialCL);
    connect(CStok, &ComboBox::Click, this, &RA::CStokCL);
    finishSetUp();
}

void RA::addFieldEntered()
{
    emit UrunEkle();
}

void RA::barcodeEntered()
{
    emit BarkodBul();
}

} // namespace kx::belgepano
