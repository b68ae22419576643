// Preparing the panels at start-up and putting a page's panel back to a new document.
#include "core/document_panels.h"

#include "core/conversions.h"
#include "core/database.h"
#include "core/document_kinds.h"
#include "core/document_lines.h"
#include "core/settings_row_map.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/grid.h"

#include <QLineEdit>
#include <QWidget>

namespace kx {

namespace {

QString monthEntry(int month, int year)
{
    return MonthName(month).toString() + QLatin1Char(' ') + QString::number(year);
}

void fillCardList(const char *property, const std::initializer_list<QObject *> &panels,
                  const RowArray &rows, bool present)
{
    const QStringList entries = present ? cardEntries(rows) : QStringList();
    for (QObject *panel : panels) {
        clearFieldItems(panel, property);
        // One insertion per combo; item by item costs a model signal for each card.
        if (auto *combo = qobject_cast<ComboBox *>(panelField(panel, property)))
            combo->AddItems(entries);
    }
}

} // namespace

QString cardEntry(const RowArray &rows, int record)
{
    return rows.text(2, record) + QStringLiteral(" (") + rows.text(1, record) + QLatin1Char(')');
}

QStringList cardEntries(const RowArray &rows)
{
    QStringList entries;
    entries.reserve(rows.recordCount());
    for (int r = 0; r < rows.recordCount(); ++r)
        entries << cardEntry(rows, r);
    return entries;
}

void SetDocumentColumns()
{
    ModuleState &s = state();
    s.NumberFormat = QStringLiteral("#,##0.00");
    s.ColBelge = 2;
    s.ColTarih = 3;
    s.ColStokKodu = 4;
    s.ColStokAdi = 5;
    s.ColMiktar = 6;
    s.ColBarkod = 7;
    s.ColSeriNo = 8;
    s.ColFiyat = 9;
    s.ColKdvsizFiyat = 10;
    s.ColTutar = 11;
    s.ColKdvOrani = 12;
    s.ColKdvTutari = 13;
}

QStringList cashMonthEntries(const QVariant &workDate, const QDate &today)
{
    const QString key = DateKeyToText(workDate);
    int month = key.mid(3, 2).toInt();
    int year = key.mid(6, 4).toInt();
    // An empty, zero or broken working date names no month: the list starts at today's,
    // rather than counting up from the year 0.
    if (month < 1 || month > 12 || year < 1) {
        month = today.month();
        year = today.year();
    }
    QStringList entries { monthEntry(month, year) };
    // Bounded by today's month, so a working date after it cannot run the list on forever.
    while (year * 12 + month < today.year() * 12 + today.month()) {
        if (++month == 13) {
            month = 1;
            ++year;
        }
        entries << monthEntry(month, year);
    }
    ModuleState &s = state();
    s.ListMonth = month;
    s.ListYear = year;
    return entries;
}

void FillPanelLists(const DocumentView &view, const QDate &today)
{
    ModuleState &s = state();
    s.ClearAfterKayitli = false;
    s.MainComputer = detectMainComputer();
    if (view.window)
        StyleGrid(view.window);
    s.FieldValues.fill(SkipSlot);
    s.CurrentPage = Page::None;

    s.CurrentMonthText = monthEntry(today.month(), today.year());
    clearFieldItems(view.RX1, "XCKasaAy");
    for (const QString &entry : cashMonthEntries(s.WorkDate, today))
        addFieldItem(view.RX1, "XCKasaAy", entry);
    setFieldIndex(view.RX1, "XCKasaAy", fieldCount(view.RX1, "XCKasaAy") - 1);

    s.KdvOrani1 = settingText(s.AyarRows, AyarGenel::Id, AyarGenel::VatRate1);
    s.KdvOrani2 = settingText(s.AyarRows, AyarGenel::Id, AyarGenel::VatRate2);
    s.KdvOrani3 = settingText(s.AyarRows, AyarGenel::Id, AyarGenel::VatRate3);

    const char *names[]
        = { "CARİ",     "ADRES(1)",    "ADRES(2)", "ADRES(3)",    "VERGİ DAİRESİ",
            "VERGİ NO", "TARİH",       "SAAT",     "SEVK TARİHİ", "SERİ NO",
            "SIRA NO",  "ÜRÜN",        "KODU",     "MİKTARI",     "SERİ NO",
            "AÇIKLAMA", "KUR SEMBOLÜ", "BİRİMİ",   "BARKOD NO",   "GARANTİ SÜRESÜ" };
    for (int i = 0; i < 20; ++i)
        s.PrintFieldNamesUpper[i] = QString::fromUtf8(names[i]);
    const char *totals[] = { "BİRİM FİYATI", "TUTARI",  "KDV ORANI", "KDV TUTARI",
                             "TOPLAM",       "ISKONTO", "ARA TOPLAM" };
    for (int i = 0; i < 7; ++i)
        s.PrintFieldNamesUpper[26 + i] = QString::fromUtf8(totals[i]);
    const QVariant rates[] = { s.KdvOrani1, s.KdvOrani2, s.KdvOrani3 };
    for (int i = 0; i < 3; ++i) {
        s.PrintFieldNamesUpper[33 + i] = QStringLiteral("KDV %") + rates[i].toString();
        s.PrintFieldNamesUpper[36 + i] = QStringLiteral("KDV %") + rates[i].toString();
    }
    const char *closing[]
        = { "KDV TOPLAM", "YEKÜN (RAKAM)", "YEKÜN (YAZI)", "HESAP DURUMU", "İRSALİYELER" };
    for (int i = 0; i < 5; ++i)
        s.PrintFieldNamesUpper[39 + i] = QString::fromUtf8(closing[i]);

    SetDocumentColumns();
    s.PriceFormat = settingText(s.AyarRows, AyarGenel::Id, AyarGenel::PriceFormat);

    fillCardList("XCCari", { view.RA1, view.RB1, view.RC1, view.RX1 }, s.CariRows,
                 s.CariVar != QLatin1String("yok"));
    FillStockLists(view);

    SetGridFooter(view.GridB2);
    SetGridFooter(view.GridB3);
}

void FillStockLists(const DocumentView &view)
{
    const ModuleState &s = state();
    fillCardList("XCStok", { view.RA1, view.RC1, view.RX1 }, s.StokRows,
                 s.StokVar != QLatin1String("yok"));
}

void ResetPanel(const DocumentView &view, const QDate &today)
{
    ModuleState &s = state();
    const int page = s.CurrentPage;
    const QString todayText = today.toString(QStringLiteral("dd.MM.yyyy"));
    const QString yearStart = QStringLiteral("01.01.") + QString::number(today.year());

    if (isListPage(page)) {
        if (auto *search = qobject_cast<QLineEdit *>(view.TBul)) {
            search->setText(QString());
            search->setFocus(Qt::OtherFocusReason);
        }
        return;
    }

    if (isDocumentPage(page)) {
        QObject *panel = view.panelOfPage(page);
        const int kind = documentKindOfPage(page);
        // The position of a panel's list or switch as the last saved document left it.
        const auto storedPosition = [&s](int column) {
            return int(numberValue(settingText(s.AyarRows, AyarGenel::Id, column)));
        };
        setFieldIndex(panel, "XCBelge", 0);
        setFieldText(panel, "XTSeriNo",
                     settingText(s.AyarRows, AyarGenel::Id, AyarGenel::lastSeriesColumn(kind)));
        setFieldText(panel, "XTSiraNo", NextSiraNo(kind, fieldText(panel, "XTSeriNo")));
        setFieldIndex(panel, "XCCari", -1);
        setFieldText(panel, "XCCari", QString());
        setFieldDate(panel, "XDBelge", todayText);
        setFieldDate(panel, "XDSevk", todayText);
        setFieldText(panel, "XTAciklama", QString());
        if (page != Page::DeliveryNote) {
            setFieldText(panel, "XTIsk1", QStringLiteral("0"));
            setFieldText(panel, "XTIsk2", QStringLiteral("0"));
            setFieldText(panel, "XTIsk3", QStringLiteral("0"));
            setFieldIndex(panel, "XCKdv", storedPosition(AyarGenel::VatMode));
        }
        if (page != Page::Invoice) {
            setFieldIndex(panel, "XCBarkod", storedPosition(AyarGenel::BarcodeEntry));
            setFieldIndex(panel, "XCSerial", storedPosition(AyarGenel::SerialEntry));
            setFieldText(panel, "XTBarkod", QString());
            setFieldText(panel, "XTSerial", QString());
            setFieldIndex(panel, "XCStok", -1);
            setFieldText(panel, "XCStok", QString());
            setFieldText(panel, "XTMiktar", QStringLiteral("1"));
        }
        if (page == Page::InvoiceWithLines) {
            setFieldText(panel, "XTFiyat", FormatNumber(0, s.PriceFormat));
            SetGridFooter(view.GridB3);
        }
        if (page == Page::Invoice)
            SetGridFooter(view.GridB2);
        if (view.Grid1)
            view.Grid1->setRows(1);
        setFieldIndex(panel, "XCPrint", 0);
        setFieldText(panel, "XTInfo", QString());
        if (!s.ClearAfterKayitli)
            focusField(panel, "XCBelge");
        return;
    }

    QObject *options = view.RX1;
    switch (page) {
    case Page::AccountStatement:
        setFieldText(options, "XCCari", QString());
        setFieldValue(options, "XBStok", 0);
        setFieldValue(options, "XBTar1", 0);
        setFieldDate(options, "XDTarA1", yearStart);
        setFieldDate(options, "XDTarB1", todayText);
        break;
    case Page::PriceList:
        setFieldValue(options, "XOCikis2", 1);
        setFieldValue(options, "XBArti", 0);
        setFieldValue(options, "XBEksi", 0);
        setFieldText(options, "XTArti", QStringLiteral("0"));
        setFieldText(options, "XTEksi", QStringLiteral("0"));
        break;
    case Page::CashReport:
        setFieldValue(options, "XOAylik", 1);
        setFieldIndex(options, "XCKasaAy", fieldCount(options, "XCKasaAy") - 1);
        setFieldDate(options, "XDTar3", todayText);
        break;
    case Page::DebtsAndCredits:
        setFieldValue(options, "XOTumu4", 1);
        break;
    case Page::VatReport:
        setFieldValue(options, "XOTumu5", 1);
        setFieldValue(options, "XBTar5", 0);
        setFieldDate(options, "XDTarA5", yearStart);
        setFieldDate(options, "XDTarB5", todayText);
        break;
    case Page::StockMovements:
        setFieldText(options, "XCStok", QString());
        setFieldValue(options, "XBTar6", 0);
        setFieldDate(options, "XDTarA6", yearStart);
        setFieldDate(options, "XDTarB6", todayText);
        break;
    case Page::StockInventory:
        setFieldValue(options, "XOSatis", 1);
        break;
    case Page::Cheques:
        setFieldValue(options, "XOTumu8", 1);
        break;
    default:
        break;
    }
}

} // namespace kx
