// The report and cheque options panel.
#include "panels/rx.h"

#include "platform/check_option.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/tab_strip.h"
#include "platform/twips.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx::belgepano {

namespace {

// The page number at the start of the text ("3", " 3", "3x"); 0 when there is none.
int leadingNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    int end = 0;
    if (end < trimmed.size() && (trimmed.at(end) == u'-' || trimmed.at(end) == u'+'))
        ++end;
    while (end < trimmed.size() && trimmed.at(end).isDigit() && trimmed.at(end).unicode() < 128)
        ++end;
    bool ok = false;
    const int number = trimmed.left(end).toInt(&ok);
    return ok ? number : 0;
}

} // namespace

RX::RX(QWidget *parent)
    : PanelBase(10500, 990, parent)
{
    TabX = place(new TabStrip(this), "TabX", 43, 0, 0, 10500, 975);
    const char *pageCaptions[]
        = { "Hesap Ekstresi", "Fiyat Listesi", "Kasa Raporu",   "Borç / Alacak",
            "Kdv Raporu",     "Stok Hareket",  "Stok Envanter", "Çekler" };
    for (const char *caption : pageCaptions)
        TabX->AddPage(QString::fromUtf8(caption));

    // Every child lies directly in the strip; each page's options form one group of their own.
    auto onPage = [this](int page, auto *child, const char *name, int tabIndex, int left, int top,
                         int width, int height) {
        place(child, name, tabIndex, left, top, width, height);
        TabX->AddChild(page, child);
        return child;
    };
    QButtonGroup *groups[8];
    for (QButtonGroup *&group : groups)
        group = new QButtonGroup(this);
    auto option = [&](int page, const char *caption, const char *name, int tabIndex, int left,
                      int top, int width, int height) {
        auto *button = onPage(page, new OptionButton(QString::fromUtf8(caption), TabX), name,
                              tabIndex, left, top, width, height);
        groups[page]->addButton(button);
        return button;
    };
    auto check = [&](int page, const char *caption, const char *name, int tabIndex, int left,
                     int top, int width, int height) {
        return onPage(page, new CheckBox(QString::fromUtf8(caption), TabX), name, tabIndex, left,
                      top, width, height);
    };
    auto dateField = [&](int page, const char *name, int tabIndex, int left) {
        return onPage(page, new DateField(TabX), name, tabIndex, left, 480, 975, 315);
    };
    auto caption = [&](int page, int index, const char *text, int width) {
        TabX->AddChild(page,
                       addCaption(TabX, index, QString::fromUtf8(text), 120, 510, width, 195));
    };

    caption(0, 0, "Cari -", 360);
    CCari = onPage(0, new ComboBox(TabX, true), "CCari", 0, 600, 480, 5655, 315);
    BStok = check(0, " Stok Detay ", "BStok", 1, 6600, 495, 1155, 255);
    BTar1 = check(0, "", "BTar1", 2, 7995, 495, 195, 255);
    DTarA1 = dateField(0, "DTarA1", 3, 8280);
    DTarB1 = dateField(0, "DTarB1", 4, 9360);

    OGiris2 = option(1, " Giriş ", "OGiris2", 5, 120, 495, 735, 255);
    OCikis2 = option(1, " Çıkış ", "OCikis2", 6, 1200, 495, 735, 255);
    BArti = check(1, " + (%) ", "BArti", 7, 7560, 495, 675, 255);
    TArti = onPage(1, new QLineEdit(QStringLiteral("0"), TabX), "TArti", 8, 8280, 480, 375, 315);
    BEksi = check(1, " - (%) ", "BEksi", 9, 9240, 495, 675, 255);
    TEksi = onPage(1, new QLineEdit(QStringLiteral("0"), TabX), "TEksi", 10, 9960, 480, 375, 315);

    OAylik = option(2, " Aylık ", "OAylik", 11, 120, 495, 735, 255);
    OGunluk = option(2, " Günlük ", "OGunluk", 12, 3480, 495, 855, 255);
    CKasaAy = onPage(2, new ComboBox(TabX), "CKasaAy", 13, 4335, 480, 1815, 315);
    OGunDetay = option(2, " Gün Detayları ", "OGunDetay", 14, 8040, 495, 1335, 255);
    DTar3 = onPage(2, new DateField(TabX), "DTar3", 15, 9375, 480, 975, 315);

    OBorclu = option(3, " Sadece Borçlular ", "OBorclu", 16, 120, 480, 1575, 255);
    OAlacakli = option(3, " Sadece Alacaklılar ", "OAlacakli", 17, 2880, 480, 1695, 255);
    OBakiyeli = option(3, " Sadece Bakiyesi Olanlar ", "OBakiyeli", 18, 5760, 480, 2055, 255);
    OTumu4 = option(3, " Tüm Cariler ", "OTumu4", 19, 9120, 480, 1095, 255);

    OGiris5 = option(4, " Sadece Giriş Faturaları ", "OGiris5", 20, 120, 495, 1935, 255);
    OCikis5 = option(4, " Sadece Çıkış Faturaları ", "OCikis5", 21, 3000, 495, 1935, 255);
    OTumu5 = option(4, " Tüm Faturalar ", "OTumu5", 22, 5760, 495, 1335, 255);
    BTar5 = check(4, "", "BTar5", 23, 7995, 495, 195, 255);
    DTarA5 = dateField(4, "DTarA5", 24, 8280);
    DTarB5 = dateField(4, "DTarB5", 25, 9360);

    caption(5, 1, "Stok -", 420);
    CStok = onPage(5, new ComboBox(TabX, true), "CStok", 26, 600, 480, 5655, 315);
    BTar6 = check(5, "", "BTar6", 27, 7995, 495, 195, 255);
    DTarA6 = dateField(5, "DTarA6", 28, 8280);
    DTarB6 = dateField(5, "DTarB6", 29, 9360);

    OMaliyet = option(6, " Son Maliyete Göre ", "OMaliyet", 30, 120, 480, 2055, 255);
    OOrtMal = option(6, " Ortalama Maliyete Göre ", "OOrtMal", 31, 2640, 480, 2055, 255);
    OAlis = option(6, " S.K. Alış Fiyatına Göre ", "OAlis", 32, 5520, 480, 2055, 255);
    OSatis = option(6, " S.K. Satış Fiyatına Göre ", "OSatis", 33, 8280, 480, 2055, 255);

    ODisarida = option(7, " Dışarıdakiler ", "ODisarida", 34, 120, 525, 1215, 255);
    OKasada = option(7, " Kasadakiler ", "OKasada", 35, 1440, 525, 1215, 255);
    OCiro = option(7, " Ciro Edilenler ", "OCiro", 36, 2760, 525, 1215, 255);
    OTahsil = option(7, " Tahsil Edilenler ", "OTahsil", 37, 4080, 525, 1455, 255);
    OOdenen = option(7, " Ödenenler ", "OOdenen", 38, 5640, 525, 1095, 255);
    OTumu8 = option(7, " Tümü ", "OTumu8", 39, 6960, 525, 735, 255);
    BYeni = onPage(7, new QPushButton(QStringLiteral("Yeni"), TabX), "BYeni", 40, 7920, 480, 735,
                   375);
    BSil = onPage(7, new QPushButton(QStringLiteral("Sil"), TabX), "BSil", 41, 8760, 480, 735, 375);
    BKaydet = onPage(7, new QPushButton(QStringLiteral("Kaydet"), TabX), "BKaydet", 42, 9600, 480,
                     735, 375);

    TTab = place(new QLineEdit(QStringLiteral("0"), this), "TTab", 46, 3240, 2400, 1335, 375);
    TTab->hide();

    OCikis2->setValue(true);

    // Only the selected page shows its caption; the others are kept here.
    for (int page = 0; page < TabX->TabCount(); ++page)
        TabCaptions.append(TabX->TabCaption(page));
    for (int page = 1; page < TabX->TabCount(); ++page) {
        TabX->setTabCaption(page, QString());
        TabX->setTabShown(page, false);
    }

    selectAllOnFocus({ TArti, TEksi });
    foldWhileTyping({ CCari, CStok });

    connect(TTab, &QLineEdit::textChanged, this,
            [this](const QString &text) { TabX->setSelectedIndex(leadingNumber(text)); });
    connect(TabX, &TabStrip::SelectedChanged, this, [this] {
        const int selected = TabX->SelectedIndex();
        // The empty tabs are hidden too: the user neither sees nor clicks another page.
        for (int page = 0; page < TabCaptions.size(); ++page) {
            TabX->setTabCaption(page, page == selected ? TabCaptions.at(page) : QString());
            TabX->setTabShown(page, page == selected);
        }
    });
    // Only the host chooses the page.
    connect(TabX, &TabStrip::SelectedChanging, this, [](int, bool *cancel) { *cancel = true; });
    // Up or down by a percentage, never both.
    connect(BArti, &CheckBox::Click, this, [this] {
        if (BEksi->Value() == 1)
            BEksi->setValue(0);
    });
    connect(BEksi, &CheckBox::Click, this, [this] {
        if (BArti->Value() == 1)
            BArti->setValue(0);
    });
    connect(BYeni, &QPushButton::clicked, this, &RX::CekYeni);
    connect(BSil, &QPushButton::clicked, this, &RX::CekSil);
    connect(BKaydet, &QPushButton::clicked, this, &RX::CekKaydet);
    finishSetUp();
}

} // namespace kx::belgepano
