// The print items of a document: its snapshot, the print layout of the settings, and the texts
// placed by them, without any printer.
#include "reports/document_print_items.h"

#include "core/conversions.h"
#include "core/delivery_notes.h"
#include "core/document_kinds.h"
#include "core/document_values.h"
#include "core/panel_fields.h"
#include "core/settings_row_map.h"
#include "platform/date_field.h"
#include "platform/grid.h"
#include "reports/amount_in_words.h"

#include <QTime>

namespace kx {

namespace {

// The texts of fields 0 to 18 of one record (an id and the card columns a1 to a18).
QStringList cardFields(const RowArray &rows, int record)
{
    QStringList fields;
    fields.reserve(19);
    for (int f = 0; f <= 18; ++f)
        fields << rows.text(f, record);
    return fields;
}

// The item that is not a goods item: code and name both "BARKOD".
bool isBarcodeCard(const QStringList &card)
{
    return card.size() > 2 && card.at(1) == QLatin1String("BARKOD")
        && card.at(2) == QLatin1String("BARKOD");
}

QString captionText(QString caption)
{
    caption.remove(QStringLiteral("Belge "));
    caption.remove(QStringLiteral("Ürün "));
    return caption;
}

// The "Value" of a panel's date field, day.month.year.
QString dateText(QObject *panel, const char *property)
{
    auto *date = qobject_cast<DateField *>(panelField(panel, property));
    return date ? date->Value() : QString();
}

bool isOne(const QString &text)
{
    return numberValue(text) == 1;
}

} // namespace

PrintLayout readPrintLayout(const RowArray &settingsRows, int page)
{
    PrintLayout layout;
    for (int n = 1; n <= PrintFieldCount; ++n) {
        // The six attributes of field n, from the rows of six layout columns in a row.
        const auto cells = [&](int firstColumn) {
            const auto cell = [&](int attribute) {
                return settingText(settingsRows, printLayoutRow(page, firstColumn + attribute), n);
            };
            return LayoutCells { cell(0), cell(1), cell(2), cell(3), cell(4), cell(5) };
        };
        layout.values[n] = cells(LayoutFirstColumn);
        layout.captions[n] = cells(LayoutCaptionColumn);
    }
    return layout;
}

PrintSnapshot snapshotDocument(const DocumentView &view, const PrintKinds &kinds)
{
    const ModuleState &s = state();
    PrintSnapshot snapshot;
    snapshot.kinds = kinds;
    snapshot.layout = readPrintLayout(s.AyarRows, kinds.layout);
    for (int i = 0; i < PrintFieldCount; ++i)
        snapshot.captions << s.PrintFieldNamesUpper[i].toString();
    snapshot.vatRates
        = QStringList { s.KdvOrani1.toString(), s.KdvOrani2.toString(), s.KdvOrani3.toString() };
    if (!s.NumberFormat.isEmpty())
        snapshot.numberFormat = s.NumberFormat;
    snapshot.time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));

    QObject *panel = isDocumentPage(kinds.document) ? view.panelOfPage(kinds.document) : nullptr;
    if (!panel)
        return snapshot;
    const int account = fieldIndex(panel, "XCCari");
    if (account >= 0 && account < s.CariRows.recordCount() && s.CariVar != QLatin1String("yok"))
        snapshot.account = cardFields(s.CariRows, account);
    snapshot.documentDate = dateText(panel, "XDBelge");
    snapshot.dispatchDate = dateText(panel, "XDSevk");
    snapshot.series = fieldText(panel, "XTSeriNo");
    snapshot.number = fieldText(panel, "XTSiraNo");
    snapshot.note = fieldText(panel, "XTAciklama");

    if (Grid *grid = view.Grid1) {
        // The rows say what they are: a delivery note's row, a goods line, or a hidden row.
        // Lines under a note belong to it and print only when it is ticked.
        bool noteTicked = true;
        for (int r = 1; r < grid->Rows(); ++r) {
            const int height = grid->RowHeight(r);
            if (height == NoteRowHeight) {
                noteTicked = numberValue(grid->Cell(r, 1).Text()) == 1;
                if (noteTicked)
                    snapshot.deliveryNotes << grid->Cell(r, s.ColBelge).Text();
                continue;
            }
            if (height != LineRowHeight || !noteTicked)
                continue;
            PrintLine line;
            line.name = grid->Cell(r, s.ColStokAdi).Text();
            line.code = grid->Cell(r, s.ColStokKodu).Text();
            line.quantity = grid->Cell(r, s.ColMiktar).Text();
            line.serial = grid->Cell(r, s.ColSeriNo).Text();
            line.netPrice = grid->Cell(r, s.ColKdvsizFiyat).Text();
            line.amount = grid->Cell(r, s.ColTutar).Text();
            line.vatRate = grid->Cell(r, s.ColKdvOrani).Text();
            line.vatAmount = grid->Cell(r, s.ColKdvTutari).Text();
            // A delivery note's line keeps its card id beside the line id it shows.
            const GridCell idCell = grid->Cell(r, 0);
            const QVariant hidden = idCell.Data();
            const QVariant card
                = FindListIndex(QStringLiteral("S"), hidden.isValid() ? hidden : idCell.Text());
            if (!card.isNull())
                line.card = cardFields(s.StokAllRows, card.toInt());
            snapshot.lines << line;
        }
    }
    if (Grid *totals = view.totalsOfPage(kinds.document)) {
        for (int row = 1; row <= 7; ++row)
            snapshot.totals << totals->Cell(row, 3).Text();
    }

    if (kinds.layout != Page::DeliveryNote && !snapshot.account.isEmpty()) {
        try {
            snapshot.balance = ComputeAccountBalance(snapshot.account.at(0).toLongLong(), true, 0);
        } catch (const DatabaseError &) {
            // Printed without the balance.
        }
    }
    return snapshot;
}

QString printedUnit(const QString &unit)
{
    static const std::pair<const char *, const char *> units[] = {
        { "Metre", "MT" },  { "Adet", "AD" }, { "Litre", "LT" },
        { "Paket", "PKT" }, { "Koli", "KL" },
    };
    for (const auto &[name, abbreviation] : units) {
        if (unit == QLatin1String(name))
            return QLatin1String(abbreviation);
    }
    return unit;
}

QString amountInWordsLine(const QString &grandTotal)
{
    if (grandTotal.size() < 3)
        return {};
    const QString lira = AmountInWords(grandTotal.left(grandTotal.size() - 3));
    const QString kurus = AmountInWords(grandTotal.right(2));
    return QStringLiteral("Yalnız ") + lira + QStringLiteral(" TL ") + kurus
        + QStringLiteral(" KRŞ");
}

QString balanceLine(const QString &balance, const QString &numberFormat)
{
    const double value = amountOf(balance);
    if (value > 0)
        return QStringLiteral("Bu belge sonrası borcunuz : ") + balance;
    if (value < 0)
        return QStringLiteral("Bu belge sonrası alacağınız : ")
            + FormatNumber(-value, numberFormat);
    return QStringLiteral("Bu belge dahil bakiyeniz : 0,00");
}

QList<PrintItem> buildPrintItems(const PrintSnapshot &snapshot)
{
    QList<PrintItem> items;
    const int document = snapshot.kinds.document;
    const int layout = snapshot.kinds.layout;
    if (!isDocumentPage(document) || !isDocumentPage(layout))
        return items;

    const auto place = [&](int field, bool caption, const QString &text, double dy = 0) {
        const LayoutCells &cells
            = caption ? snapshot.layout.captions[field] : snapshot.layout.values[field];
        if (!isOne(cells.print) || text.isEmpty())
            return;
        const double size = amountOf(cells.size);
        if (size <= 0)
            return;
        PrintItem item;
        item.text = text;
        item.x = amountOf(cells.x);
        item.y = amountOf(cells.y) + dy;
        item.rightAligned = isOne(cells.rightAlign);
        if (item.rightAligned)
            item.x -= text.size() * PrintCharacterWidth;
        item.bold = isOne(cells.bold);
        item.size = size;
        item.field = field;
        item.caption = caption;
        items << item;
    };

    const int lastCaption = document == Page::DeliveryNote ? 26
        : document == Page::Invoice                        ? 44
                                                           : 43;
    for (int n = 1; n <= lastCaption; ++n)
        place(n, true, captionText(snapshot.captions.value(n - 1)));

    const QStringList &account = snapshot.account;
    if (!account.isEmpty()) {
        // Name, the three address lines, tax office and tax number.
        const int columns[] = { 2, 4, 5, 6, 8, 9 };
        for (int i = 0; i < 6; ++i)
            place(1 + i, false, account.value(columns[i]));
    }
    place(7, false, snapshot.documentDate);
    place(8, false, snapshot.time);
    place(9, false, snapshot.dispatchDate);
    place(10, false, snapshot.series);
    place(11, false, snapshot.number);
    place(16, false, snapshot.note);

    for (int i = 0; i < snapshot.lines.size(); ++i) {
        const PrintLine &line = snapshot.lines.at(i);
        const double dy = PrintLineSpacing * i;
        place(12, false, line.name, dy);
        if (isBarcodeCard(line.card))
            continue;
        place(13, false, line.code, dy);
        place(14, false, line.quantity, dy);
        place(15, false, line.serial, dy);
        place(17, false, line.card.value(7), dy);
        place(18, false, printedUnit(line.card.value(8)), dy);
        place(19, false, line.card.value(11), dy);
        place(20, false, line.card.value(12), dy);
        for (int k = 0; k < 6; ++k)
            place(21 + k, false, line.card.value(13 + k), dy);
    }
    if (layout == Page::DeliveryNote)
        return items;

    for (int i = 0; i < snapshot.lines.size(); ++i) {
        const PrintLine &line = snapshot.lines.at(i);
        if (isBarcodeCard(line.card))
            continue;
        const double dy = PrintLineSpacing * i;
        place(27, false, line.netPrice, dy);
        place(28, false, line.amount, dy);
        place(29, false, line.vatRate + QLatin1Char('%'), dy);
        place(30, false, line.vatAmount, dy);
    }

    for (int k = 0; k < 3; ++k)
        place(34 + k, false, snapshot.vatRates.value(k));
    const QStringList &totals = snapshot.totals;
    if (!totals.isEmpty()) {
        for (int k = 0; k < 3; ++k) {
            place(31 + k, false, totals.value(k));
            place(37 + k, false, totals.value(3 + k));
        }
        const double vat
            = amountOf(totals.value(3)) + amountOf(totals.value(4)) + amountOf(totals.value(5));
        place(40, false, FormatNumber(vat, snapshot.numberFormat));
        place(41, false, totals.value(6));
        place(42, false, amountInWordsLine(totals.value(6)));
    }
    if (!snapshot.balance.isEmpty())
        place(43, false, balanceLine(snapshot.balance, snapshot.numberFormat));
    if (layout == Page::Invoice)
        place(44, false, snapshot.deliveryNotes.join(QStringLiteral(", ")));
    return items;
}

} // namespace kx
