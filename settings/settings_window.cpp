// The settings window FAyar: list fields, print layouts, backup page, rights and table usage.
#include "settings/settings_window.h"

#include "core/database.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/version_check.h"
#include "platform/grid.h"
#include "settings/layout_editing.h"
#include "settings/link_label.h"
#include "settings/title_rows_header.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace kx {

namespace {

FAyar::BackupPageBuilder &backupPageBuilder()
{
    static FAyar::BackupPageBuilder builder;
    return builder;
}

constexpr int ListGridRows = 20;
constexpr int FirstListRow = 2;
constexpr int FirstFreeRow = 14; // rows 14..19: the free fields a13..a18
constexpr int LayoutGridCols = 14;
constexpr int FirstCardFieldRow = 18; // print fields 17..26 come from the stock card
constexpr int LastCardFieldRow = 27;

const QColor TitleCellColour(0xF1, 0xF2, 0xF4);
const QColor CardFieldColour(0xFF, 0xF8, 0xE3);

const char *const StockFieldNames[] = {
    "Stok Kodu",        "Stok Adı",
    "KDV Oranı (%)",    "Alış Fiyatı",
    "Uyarı Seviyesi",   "Satış Fiyatı",
    "Kur Sembolü",      "Birimi",
    "D.B.Stok Miktarı", "D.B.Stok Envanter Değeri",
    "Barkod No",        "Garanti Süresi",
};
const char *const CariFieldNames[] = {
    "Cari Kodu",        "Cari Adı",         "Cari Cinsi",  "Adres Satırı (1)",
    "Adres Satırı (2)", "Adres Satırı (3)", "E-Posta",     "Vergi Dairesi",
    "Vergi Numarası",   "D.B.Borcu",        "D.B.Alacağı", "İskonto (%)",
};

// Print fields 1..20; 21..26 are the free stock fields, named by the list load.
const char *const LeadingPrintNames[] = {
    "Cari Adı",         "Adres Satırı (1)", "Adres Satırı (2)", "Adres Satırı (3)",
    "Vergi Dairesi",    "Vergi Numarası",   "Belge Tarih",      "Belge Saat",
    "Sevk Tarihi",      "Belge Seri No",    "Belge Sıra No",    "Ürün Adı",
    "Ürün Kodu",        "Ürün Miktarı",     "Ürün Seri No",     "Açıklama",
    "Ürün Kur Sembolü", "Ürün Birimi",      "Ürün Barkod No",   "Ürün Garanti Süresi",
};
// Print fields 27..44.
const char *const TrailingPrintNames[] = {
    "Ürün Birim Fiyatı",  "Ürün Tutarı",           "Ürün Kdv Oranı",
    "Ürün Kdv Tutarı",    "Belge Toplam",          "Belge İskonto",
    "Belge Ara Toplam",   "1. Kdv Oranı",          "2. Kdv Oranı",
    "3. Kdv Oranı",       "1. Kdv Tutarı",         "2. Kdv Tutarı",
    "3. Kdv Tutarı",      "Kdv Tutarları Toplamı", "Belge Yekün (Rakam)",
    "Belge Yekün (Yazı)", "Hesap Durumu",          "Faturadaki İrsaliyeler",
};

const char *const ShiftChoices[] = {
    "Toplu olarak düzenlenecek sütun : Değer (S)",  "Toplu olarak düzenlenecek sütun : Değer (Ü)",
    "Toplu olarak düzenlenecek sütun : Değer (B)",  "Toplu olarak düzenlenecek sütun : Başlık (S)",
    "Toplu olarak düzenlenecek sütun : Başlık (Ü)", "Toplu olarak düzenlenecek sütun : Başlık (B)",
};

const char *const RightCaptions[] = {
    "Yeni stok ekleyebilirler",
    "Kayıtlı stokların bilgilerini güncelleyebilirler",
    "Stok silebilirler",
    "Yeni cari ekleyebilirler",
    "Kayıtlı carilerin bilgilerini güncelleyebilirler",
    "Cari silebilirler",
    "\"Belgeyi Kaydet\" butonunu kullanabilirler (Belge oluşturmak veya değiştirmek için)",
    "Kayıtlı belgelere ulaşabilirler",
    "Ayarlar penceresine ulaşabilirler",
};

const QString ExplanationText = QStringLiteral(
    "1) Stok ve cari formlarındaki listelerde görünmesini istediğiniz etiketleri <b>Listele</b> "
    "sütununa işaret<br>"
    "koyarak seçiniz ve bu listedeki genişlik değerlerini giriniz.<br>"
    "<br>"
    "2) Hem stok hem de cari formları için ilk 12 değer sabit, son 6 değer değişkendir. Bu "
    "değerleri<br>"
    "değiştirmek için <b>Değer Etiketi</b> sütununda değişiklikler yapabilir, formları kendinize "
    "özel<br>"
    "olarak dizayn edebilirsiniz.");

const QString RestartText = QStringLiteral(
    "Kayıt tabloları ile ilgili yapmış olduğunuz değişikliklerin geçerli olabilmesi için "
    "Kantarix'yi kapatıp tekrar açmalısınız!");

QStringList tableChoiceItems(int company, const char *table)
{
    QStringList items;
    for (int owner = 1; owner <= 2; ++owner) {
        items << QStringLiteral("%1. firma ile giriş yaptığımda %2. firmanın %3 tablosunu kullan")
                     .arg(company)
                     .arg(owner)
                     .arg(QString::fromUtf8(table));
    }
    return items;
}

Grid *newSettingsGrid(int rows, int cols, QWidget *parent)
{
    auto *grid = new Grid(parent);
    grid->setCols(cols);
    grid->setRows(rows);
    new TitleRowsHeader(grid);
    return grid;
}

TitleRowsHeader *titleRows(Grid *grid)
{
    return qobject_cast<TitleRowsHeader *>(grid->horizontalHeader());
}

} // namespace

FAyar::FAyar(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Ayarlar"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *layout = new QVBoxLayout(this);
    Tab1 = new QTabWidget(this);
    layout->addWidget(Tab1);
    auto *listPage = new QWidget;
    auto *printerPage = new QWidget;
    m_backupPage = new QWidget;
    auto *otherPage = new QWidget;
    Tab1->addTab(listPage, QStringLiteral("Stoklar / Cariler"));
    Tab1->addTab(printerPage, QStringLiteral("Yazıcı"));
    Tab1->addTab(m_backupPage, QStringLiteral("Yedekleme"));
    Tab1->addTab(otherPage, QStringLiteral("Diğer"));
    buildListPage(listPage);
    buildPrinterPage(printerPage);
    buildOtherPage(otherPage);

    BKaydet = new QPushButton(QStringLiteral("Ayarları Kaydet"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BKaydet);
    layout->addLayout(buttons);

    // Enter belongs to the grids and fields: it must never reset a layout or save by itself.
    for (QPushButton *button : { BKaydet, PushButton1 })
        button->setAutoDefault(false);

    connect(BKaydet, &QPushButton::clicked, this, &FAyar::BKaydet_Click);
    connect(PushButton1, &QPushButton::clicked, this, &FAyar::PushButton1_Click);
    connect(VScroll1, &QScrollBar::valueChanged, this, &FAyar::VScroll1_Change);
    connect(Label4, &LinkLabel::clicked, this, &FAyar::Label4_Click);

    Form_Load();
    resize(700, 640);
}

void FAyar::buildListPage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    Grid1 = newSettingsGrid(ListGridRows, 7, page);
    Grid1->setScrollBarsShown(0);
    layout->addWidget(Grid1, 0, Qt::AlignHCenter);
    RLabel1 = new QLabel(ExplanationText, page);
    RLabel1->setTextFormat(Qt::RichText);
    layout->addSpacing(8);
    layout->addWidget(RLabel1);
    layout->addStretch();
}

void FAyar::buildPrinterPage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    auto *tools = new QHBoxLayout;
    ComboX = new QComboBox(page);
    for (const char *choice : ShiftChoices)
        ComboX->addItem(QString::fromUtf8(choice));
    PushButton1 = new QPushButton(QStringLiteral("Bu Listeyi Sıfırla"), page);
    tools->addWidget(ComboX, 1);
    tools->addWidget(PushButton1);
    layout->addLayout(tools);

    auto *grids = new QHBoxLayout;
    Tab2 = new QTabWidget(page);
    const QString kinds[] = { QStringLiteral("İrsaliye"), QStringLiteral("Fatura"),
                              QStringLiteral("İrsaliyeli Fatura") };
    for (int k = 0; k < LayoutKindCount; ++k) {
        Grid2[k] = newSettingsGrid(layoutFieldCount(k) + 2, LayoutGridCols, nullptr);
        Tab2->addTab(Grid2[k], kinds[k]);
    }
    grids->addWidget(Tab2);
    // Room on both sides of the start: positions and sizes move either way. It stands apart
    // from the grids' own scroll bars.
    VScroll1 = new QScrollBar(Qt::Vertical, page);
    VScroll1->setRange(-300, 300);
    VScroll1->setValue(0);
    VScroll1->setPageStep(10);
    VScroll1->setFixedHeight(240);
    VScroll1->setToolTip(QStringLiteral("Seçili sütunu tüm satırlarda birlikte kaydırır"));
    grids->addSpacing(24);
    grids->addWidget(VScroll1, 0, Qt::AlignVCenter);
    grids->addStretch();
    layout->addLayout(grids, 1);

    Label4 = new LinkLabel(
        QStringLiteral("Yazıcı ayarları hakkında detaylı bilgi için tıklayınız..."), page);
    layout->addWidget(Label4);
}

void FAyar::buildOtherPage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    Frame2 = new QGroupBox(QStringLiteral("Ağ üzerindeki diğer bilgisayarların erişim izinleri"),
                           page);
    auto *rights = new QVBoxLayout(Frame2);
    for (int i = 0; i < RightCount; ++i) {
        Check1[i] = new QCheckBox(QString::fromUtf8(RightCaptions[i]), Frame2);
        rights->addWidget(Check1[i]);
    }
    layout->addWidget(Frame2);

    Frame3 = new QGroupBox(QStringLiteral("Girişte seçilen firmaya göre kullanılacak tablo düzeni"),
                           page);
    auto *tables = new QVBoxLayout(Frame3);
    for (int i = 0; i < TableChoiceCount; ++i) {
        Combo1[i] = new QComboBox(Frame3);
        Combo1[i]->addItems(tableChoiceItems(i / 2 + 1, i % 2 == 0 ? "stok" : "cari"));
        tables->addWidget(Combo1[i]);
    }
    layout->addWidget(Frame3);

    Check1[9]
        = new QCheckBox(QStringLiteral("Alış / Satış fiyatlarını otomatik olarak güncelle"), page);
    Check1[10]
        = new QCheckBox(QStringLiteral("Stok miktarı uyarı limiti altına düştüğünde uyar"), page);
    layout->addWidget(Check1[9]);
    layout->addWidget(Check1[10]);
    layout->addStretch();
}

void FAyar::Form_Load()
{
    ModuleState &s = state();
    // Another computer may not reach the rights, the table usage or the two switches; their
    // controls are filled all the same, so that a save writes them back unchanged.
    if (!s.MainComputer)
        Tab1->setTabEnabled(3, false);
    StyleGrid(this);
    ComboX->setCurrentIndex(0);
    setupListGrid();
    for (Grid *grid : Grid2)
        SetupPrintGrid(grid);
    SettingsValues values = readSettingsValues(s.AyarRows);
    readOtherCompanyChoices(values);
    m_openedChoices = values.tableChoices;
    showValues(values);
    if (backupPageBuilder())
        backupPageBuilder()(*this, m_backupPage);
}

void FAyar::setupListGrid()
{
    Grid &grid = *Grid1;
    grid.setAutoRedraw(false);
    const int widths[] = { 0, 36, 44, 140, 36, 44, 140 };
    for (int c = 0; c < 7; ++c)
        grid.setColumnWidth(c, widths[c]);
    grid.setColumnCellType(1, CellTypeCheckBox);
    grid.setColumnCellType(4, CellTypeCheckBox);
    grid.setColumnAlignment(2, 12);

    grid.Cell(0, 1).setText(QStringLiteral("Stok Listesi"));
    grid.Cell(0, 4).setText(QStringLiteral("Cari Listesi"));
    titleRows(&grid)->mergeTop(1, 3);
    titleRows(&grid)->mergeTop(4, 6);
    for (int side = 0; side < 2; ++side) {
        grid.Cell(1, 1 + 3 * side).setText(QStringLiteral("Listele"));
        grid.Cell(1, 2 + 3 * side).setText(QStringLiteral("Genişlik"));
        grid.Cell(1, 3 + 3 * side).setText(QStringLiteral("Değer Etiketi"));
    }
    grid.setColumnAlignment(5, 12);
    for (int r = FirstListRow; r < FirstFreeRow; ++r) {
        grid.Cell(r, 3).setText(QString::fromUtf8(StockFieldNames[r - FirstListRow]));
        grid.Cell(r, 6).setText(QString::fromUtf8(CariFieldNames[r - FirstListRow]));
    }
    for (const int c : { 3, 6 }) {
        GridRange fixedNames = grid.Range(FirstListRow, c, FirstFreeRow - 1, c);
        fixedNames.setLocked(true);
        fixedNames.setBackColor(TitleCellColour);
    }
    grid.setAutoRedraw(true);
    // The whole list in view: no scrolling.
    const int frame = 2 * grid.frameWidth();
    grid.setFixedSize(grid.horizontalHeader()->length() + frame,
                      grid.horizontalHeader()->height() + grid.verticalHeader()->length() + frame);
}

void FAyar::SetupPrintGrid(Grid *grid)
{
    ModuleState &s = state();
    for (int i = 0; i < 20; ++i)
        s.PrintFieldNames[i] = QString::fromUtf8(LeadingPrintNames[i]);
    for (int i = 0; i < 18; ++i)
        s.PrintFieldNames[26 + i] = QString::fromUtf8(TrailingPrintNames[i]);

    grid->setAutoRedraw(false);
    grid->setColumnWidth(0, 20);
    grid->setColumnWidth(1, 142);
    TitleRowsHeader *header = titleRows(grid);
    header->mergeTop(0, 1);
    header->mergeTop(2, 7);
    header->mergeTop(8, 13);
    grid->Cell(0, 2).setText(QStringLiteral("Değer"));
    grid->Cell(0, 8).setText(QStringLiteral("Başlık"));
    grid->Cell(1, 1).setText(QStringLiteral("İsim"));
    for (int c = LayoutFirstColumn; c <= LayoutLastColumn; ++c) {
        static const char *const titles[] = { "K", "B", "Y", "S", "Ü", "-->" };
        // Wide enough for a position such as "120,5" and a size such as "10" in this font.
        static const int widths[] = { 18, 24, 18, 34, 34, 18 };
        const int kind = c % 6;
        grid->Cell(1, c).setText(QString::fromUtf8(titles[kind]));
        grid->setColumnWidth(c, widths[kind]);
        const bool check = kind == 2 || kind == 5 || kind == 0;
        grid->setColumnCellType(c, check ? CellTypeCheckBox : CellTypeText);
        grid->setColumnAlignment(c, 2);
    }
    const int last = grid->Rows() - 1;
    for (int r = 2; r <= last; ++r) {
        grid->Cell(r, 0).setText(QString::number(r - 1));
        grid->Cell(r, 1).setText(s.PrintFieldNames[r - 2].toString());
    }
    // The number and name columns read as titles; the stock card's fields stand apart.
    grid->setColumnAlignment(0, 2);
    GridRange titles = grid->Range(2, 0, last, 1);
    titles.setBackColor(TitleCellColour);
    titles.setLocked(true);
    grid->Range(FirstCardFieldRow, 1, qMin(LastCardFieldRow, last), LayoutLastColumn)
        .setBackColor(CardFieldColour);
    grid->setAutoRedraw(true);
    grid->setFixedWidth(grid->horizontalHeader()->length() + 2 * grid->frameWidth()
                        + grid->verticalScrollBar()->sizeHint().width());
}

void FAyar::showValues(const SettingsValues &values)
{
    Grid1->setAutoRedraw(false);
    for (int i = 0; i < CardListFieldCount; ++i) {
        const int r = FirstListRow + i;
        Grid1->Cell(r, 1).setText(values.stockShown[i]);
        Grid1->Cell(r, 2).setText(values.stockWidths[i]);
        Grid1->Cell(r, 4).setText(values.cariShown[i]);
        Grid1->Cell(r, 5).setText(values.cariWidths[i]);
    }
    for (int i = 0; i < FreeFieldCount; ++i) {
        Grid1->Cell(FirstFreeRow + i, 3).setText(values.stockCaptions[i]);
        Grid1->Cell(FirstFreeRow + i, 6).setText(values.cariCaptions[i]);
    }
    Grid1->setAutoRedraw(true);

    for (int k = 0; k < LayoutKindCount; ++k) {
        Grid *grid = Grid2[k];
        grid->setAutoRedraw(false);
        for (int m = LayoutFirstColumn; m <= LayoutLastColumn; ++m) {
            const QStringList &cells = values.layouts[k][m - LayoutFirstColumn];
            for (int n = 1; n <= layoutFieldCount(k); ++n)
                grid->Cell(n + 1, m).setText(cells.value(n - 1));
        }
        grid->setAutoRedraw(true);
    }

    for (int i = 0; i < RightCount; ++i)
        Check1[i]->setChecked(values.rights[i]);
    for (int i = 0; i < TableChoiceCount; ++i)
        Combo1[i]->setCurrentIndex(values.tableChoices[i]);
    Check1[9]->setChecked(values.priceWriteBack);
    Check1[10]->setChecked(values.lowStockWarning);
}

SettingsValues FAyar::shownValues() const
{
    SettingsValues values;
    for (int i = 0; i < CardListFieldCount; ++i) {
        const int r = FirstListRow + i;
        values.stockShown[i] = Grid1->Cell(r, 1).Text();
        values.stockWidths[i] = Grid1->Cell(r, 2).Text();
        values.cariShown[i] = Grid1->Cell(r, 4).Text();
        values.cariWidths[i] = Grid1->Cell(r, 5).Text();
    }
    for (int i = 0; i < FreeFieldCount; ++i) {
        values.stockCaptions[i] = Grid1->Cell(FirstFreeRow + i, 3).Text();
        values.cariCaptions[i] = Grid1->Cell(FirstFreeRow + i, 6).Text();
    }
    for (int k = 0; k < LayoutKindCount; ++k) {
        for (int m = LayoutFirstColumn; m <= LayoutLastColumn; ++m) {
            QStringList &cells = values.layouts[k][m - LayoutFirstColumn];
            for (int n = 1; n <= layoutFieldCount(k); ++n)
                cells.append(Grid2[k]->Cell(n + 1, m).Text());
        }
    }
    for (int i = 0; i < RightCount; ++i)
        values.rights[i] = Check1[i]->isChecked();
    for (int i = 0; i < TableChoiceCount; ++i)
        values.tableChoices[i] = Combo1[i]->currentIndex();
    values.priceWriteBack = Check1[9]->isChecked();
    values.lowStockWarning = Check1[10]->isChecked();
    return values;
}

void FAyar::BKaydet_Click()
{
    if (m_transferRunning)
        return;
    ModuleState &s = state();
    const SettingsValues values = shownValues();
    // Against what the window showed: the two companies' rows 54 may not agree.
    const bool restart = values.tableChoices != m_openedChoices;
    try {
        writeSettingsValues(values, restart);
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Ayarlar kaydedilemedi, hiçbir değişiklik yazılmadı!"),
                          IconError);
        return;
    }
    if (restart) {
        ShowNotice(RestartText, QStringLiteral("Ayarlar"), NoticeInformation);
        s.MsgResult = 1;
    }
    ShowSystemMessage(QStringLiteral("Ayarlar kaydedildi..."), IconSuccess);
    try {
        LoadLists(true, false, false);
    } catch (const DatabaseError &error) {
        ShowSystemMessage(error.message(), IconError);
    }
    accept();
}

void FAyar::PushButton1_Click()
{
    resetLayout(*Grid2[Tab2->currentIndex()]);
}

void FAyar::VScroll1_Change()
{
    const int now = VScroll1->value();
    shiftLayoutColumn(*Grid2[Tab2->currentIndex()], shiftColumnOf(ComboX->currentIndex()),
                      m_scrollMemory - now);
    m_scrollMemory = now;
}

void FAyar::Label4_Click()
{
    QDesktopServices::openUrl(QUrl(helpAddress()));
}

void FAyar::setBackupPageBuilder(BackupPageBuilder builder)
{
    backupPageBuilder() = std::move(builder);
}

void FAyar::setTransferRunning(bool running)
{
    m_transferRunning = running;
    BKaydet->setEnabled(!running);
}

// Esc and the close box come here; a running transfer keeps the window.
void FAyar::reject()
{
    if (!m_transferRunning)
        QDialog::reject();
}

void ShowSettingsWindow(QWidget *parent)
{
    auto *window = new FAyar(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    state().FAyar = window;
    window->exec();
}

} // namespace kx
