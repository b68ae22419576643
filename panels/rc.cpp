// The invoice-with-lines panel.
#include "panels/rc.h"

#include "platform/combo_box.h"
#include "platform/date_field.h"

#include <QLabel>
#include <QLineEdit>

namespace kx::belgepano {

RC::RC(QWidget *parent)
    : PanelBase(7815, 3555, parent)
{
    CBelge = place(new ComboBox(this), "CBelge", 0, 1320, 0, 1215, 315);
    CPrint = place(new ComboBox(this), "CPrint", 1, 2640, 0, 2535, 315);
    TSeriNo = place(new QLineEdit(this), "TSeriNo", 2, 6600, 0, 375, 315);
    TSiraNo = place(new QLineEdit(this), "TSiraNo", 3, 6960, 0, 855, 315);
    CCari = place(new ComboBox(this, true), "CCari", 4, 1320, 360, 6495, 315);
    DBelge = place(new DateField(this), "DBelge", 5, 1320, 720, 1215, 315);
    DSevk = place(new DateField(this), "DSevk", 6, 6600, 720, 1215, 315);
    TIsk1 = place(new QLineEdit(this), "TIsk1", 7, 1320, 1080, 375, 315);
    TIsk2 = place(new QLineEdit(this), "TIsk2", 8, 1740, 1080, 375, 315);
    TIsk3 = place(new QLineEdit(this), "TIsk3", 9, 2160, 1080, 375, 315);
    CKdv = place(new ComboBox(this), "CKdv", 10, 6600, 1080, 1215, 315);
    CBarkod = place(new ComboBox(this), "CBarkod", 11, 1320, 1440, 1215, 315);
    CSerial = place(new ComboBox(this), "CSerial", 12, 6600, 1440, 1215, 315);
    TAciklama = place(new QLineEdit(this), "TAciklama", 13, 1320, 1800, 6495, 315);
    TBarkod = place(new QLineEdit(this), "TBarkod", 14, 1320, 2160, 1215, 315);
    TSerial = place(new QLineEdit(this), "TSerial", 15, 6600, 2160, 1215, 315);
    CStok = place(new ComboBox(this, true), "CStok", 16, 1320, 2520, 6495, 315);
    TMiktar = place(new QLineEdit(this), "TMiktar", 17, 1320, 2880, 1215, 315);
    TFiyat = place(new QLineEdit(this), "TFiyat", 18, 6600, 2880, 1215, 315);
    TInfo = place(new QLineEdit(this), "TInfo", 19, 2640, 720, 135, 135);
    LabInfo = place(new QLabel(this), "LabInfo", 20, 1320, 3240, 6495, 315);

    addDocumentCaptions({ { 0, "Belge -----------------", CaptionLeftColumn, 0 },
                          { 1, "Belge No -----------", CaptionRightColumn, 0 },
                          { 2, "Cari --------------------", CaptionLeftColumn, 360 },
                          { 3, "Belge Tarihi -------", CaptionLeftColumn, 720 },
                          { 4, "Sevk Tarihi --------", CaptionRightColumn, 720 },
                          { 5, "% İskonto  ---------", CaptionLeftColumn, 1080 },
                          { 6, "Kdv -------------------", CaptionRightColumn, 1080 },
                          { 7, "Barkod Durum ---", CaptionLeftColumn, 1440 },
                          { 8, "Seri No Durum ---", CaptionRightColumn, 1440 },
                          { 9, "Açıklama -----------", CaptionLeftColumn, 1800 },
                          { 10, "Barkod No ---------", CaptionLeftColumn, 2160 },
                          { 11, "Seri No --------------", CaptionRightColumn, 2160 },
                          { 12, "Stok ------------------", CaptionLeftColumn, 2520 },
                          { 13, "Miktar ----------------", CaptionLeftColumn, 2880 },
                          { 14, "Fiyat ------------------", CaptionRightColumn, 2880 } },
                        3240);

    for (const char *direction : { "Açık Çıkış", "Açık Giriş", "Kapalı Çıkış", "Kapalı Giriş" })
        CBelge->AddItem(QString::fromUtf8(direction));
    fillPrintCopies(CPrint);
    for (ComboBox *entrySwitch : { CBarkod, CSerial }) {
        entrySwitch->AddItem(QStringLiteral("Açık"));
        entrySwitch->AddItem(QStringLiteral("Kapalı"));
    }
    CKdv->AddItem(QStringLiteral("Dahil"));
    CKdv->AddItem(QStringLiteral("Hariç"));

    selectAllOnFocus(
        { TSeriNo, TSiraNo, TIsk1, TIsk2, TIsk3, TAciklama, TBarkod, TSerial, TMiktar, TFiyat });
    foldWhileTyping({ CCari, CStok });
    setEnterRule(18, QStringLiteral("TFiyat"), QStringLiteral("TBarkod"));
    followDocumentDate(DBelge, DSevk);
    mirrorInfo(TInfo, LabInfo);

    connect(CBelge, &ComboBox::Click, this, &RC::CBelgeCL);
    connect(CCari, &ComboBox::Click, this, &RC::CCariCL);
    connect(CKdv, &ComboBox::Click, this, &RC::CKdvCL);
    connect(CBarkod, &ComboBox::Click, this, &RC::CBarkodCL);
    connect(CSerial, &ComboBox::Click, this, &RC::CSerialCL);
    connect(CStok, &ComboBox::Click, this, &RC::CStokCL);
    connect(TIsk1, &QLineEdit::textChanged, this, &RC::TIsk1CH);
    connect(TIsk2, &QLineEdit::textChanged, this, &RC::TIsk2CH);
    connect(TIsk3, &QLineEdit::textChanged, this, &RC::TIsk3CH);
    finishSetUp();
}

void RC::addFieldEntered()
{
    emit UrunEkle();
}

void RC::barcodeEntered()
{
    emit BarkodBul();
}

} // namespace kx::belgepano
