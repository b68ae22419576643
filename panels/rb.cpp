// The invoice header panel.
#include "panels/rb.h"

#include "platform/combo_box.h"
#include "platform/date_field.h"

#include <QLabel>
#include <QLineEdit>

namespace kx::belgepano {

RB::RB(QWidget *parent)
    : PanelBase(7815, 2115, parent)
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
    TAciklama = place(new QLineEdit(this), "TAciklama", 11, 1320, 1440, 6495, 315);
    TInfo = place(new QLineEdit(this), "TInfo", 12, 2640, 720, 135, 135);
    LabInfo = place(new QLabel(this), "LabInfo", 13, 1320, 1800, 6495, 315);

    addDocumentCaptions({ { 0, "Belge -----------------", CaptionLeftColumn, 0 },
                          { 1, "Belge No -----------", CaptionRightColumn, 0 },
                          { 2, "Cari --------------------", CaptionLeftColumn, 360 },
                          { 3, "Belge Tarihi -------", CaptionLeftColumn, 720 },
                          { 4, "Sevk Tarihi --------", CaptionRightColumn, 720 },
                          { 5, "% İskonto  ---------", CaptionLeftColumn, 1080 },
                          { 6, "Kdv -------------------", CaptionRightColumn, 1080 },
                          { 7, "Açıklama -----------", CaptionLeftColumn, 1440 } },
                        1800);

    for (const char *direction : { "Açık Çıkış", "Açık Giriş", "Kapalı Çıkış", "Kapalı Giriş" })
        CBelge->AddItem(QString::fromUtf8(direction));
    fillPrintCopies(CPrint);
    CKdv->AddItem(QStringLiteral("Dahil"));
    CKdv->AddItem(QStringLiteral("Hariç"));

    selectAllOnFocus({ TSeriNo, TSiraNo, TIsk1, TIsk2, TIsk3, TAciklama });
    foldWhileTyping({ CCari });
    setEnterRule(11, QString(), QString());
    followDocumentDate(DBelge, DSevk);
    mirrorInfo(TInfo, LabInfo);

    connect(CBelge, &ComboBox::Click, this, &RB::CBelgeCL);
    connect(CCari, &ComboBox::Click, this, &RB::CCariCL);
    connect(CKdv, &ComboBox::Click, this, &RB::CKdvCL);
    connect(TIsk1, &QLineEdit::textChanged, this, &RB::TIsk1CH);
    connect(TIsk2, &QLineEdit::textChanged, this, &RB::TIsk2CH);
    connect(TIsk3, &QLineEdit::textChanged, this, &RB::TIsk3CH);
    finishSetUp();
}

} // namespace kx::belgepano
