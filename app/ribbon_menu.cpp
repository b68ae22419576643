// The main window's ribbon: groups, commands and shortcuts as the program offers them.
#include "app/ribbon_menu.h"

#include "core/state.h"
#include "core/version_check.h"
#include "platform/ribbon.h"

#include <QIcon>

#include <span>

namespace kx {

namespace {

struct RibbonCommand
{
    int group; // 1 to 7, 0 on the tab row
    int kind;
    int id;
    const char *caption;
    int parentId; // the drop-down whose list holds the item, 0 for a control of the group
};

// The groups' controls in the order they are built.
const RibbonCommand mainCommands[] = {
    { 1, ControlSplitButton, Command::StockList, "Stoklar", 0 },
    { 1, ControlButton, Command::NewStock, "Yeni Stok", Command::StockList },
    { 1, ControlSplitButton, Command::AccountList, "Cariler", 0 },
    { 1, ControlButton, Command::NewAccount, "Yeni Cari", Command::AccountList },
    { 2, ControlButton, Command::DeliveryNote, "İrsaliye  ( F4 )", 0 },
    { 2, ControlButton, Command::Invoice, "Fatura  ( F5 )", 0 },
    { 2, ControlButton, Command::InvoiceWithLines, "İrs. Fatura  ( F6 )", 0 },
    { 2, ControlButton, Command::Payment, "Ödeme  ( F7 )", 0 },
    { 3, ControlPopup, Command::ReportList, "&Raporlar", 0 },
    { 3, ControlButton, Command::AccountStatement, "Hesap Ekstresi", Command::ReportList },
    { 3, ControlButton, Command::PriceList, "Fiyat Listesi", Command::ReportList },
    { 3, ControlButton, Command::CashReport, "Kasa Raporu", Command::ReportList },
    { 3, ControlButton, Command::DebtsAndCredits, "Borç / Alacak", Command::ReportList },
    { 3, ControlButton, Command::VatReport, "Kdv Raporu", Command::ReportList },
    { 3, ControlButton, Command::StockMovements, "Stok Hareket", Command::ReportList },
    { 3, ControlButton, Command::StockInventory, "Stok Envanter", Command::ReportList },
    { 3, ControlButton, Command::Cheques, "Çekler", Command::ReportList },
    { 4, ControlButton, Command::Settings, "Ayarlar", 0 },
    { 4, ControlButton, Command::Help, "Yardım", 0 },
    { 4, ControlButton, Command::About, "Hakkında", 0 },
};

// The context groups' controls, for the page kind shown: one group at a time.
const RibbonCommand contextCommands[] = {
    { 5, ControlButton, Command::NewCard, "   Yeni", 0 },
    { 5, ControlButton, Command::EditCard, "   ( ctrl + D )     Düzenle", 0 },
    { 5, ControlButton, Command::DeleteCard, "   ( ctrl + S )     Sil", 0 },
    { 6, ControlButton, Command::SaveDocument, "   ( ctrl + K )     Kaydet", 0 },
    { 6, ControlButton, Command::ClearDocument, "   ( ctrl + T )     Temizle", 0 },
    { 6, ControlButton, Command::SavedDocuments, "   ( ctrl + B )     Kayıtlı Belgeler", 0 },
    { 7, ControlButton, Command::ShowReport, "   ( ctrl + G )     Göster", 0 },
    { 7, ControlButton, Command::SaveReport, "   ( ctrl + R )     Kaydet", 0 },
    { 7, ControlButton, Command::PrintReport, "   ( ctrl + Y )     Yazdır", 0 },
};

// The controls of the tab row, beside the tab's caption; the rate check sits at its right end.
const RibbonCommand tabRowCommands[] = {
    { 0, ControlButton, Command::WarrantyLookup, "Garanti Takibi", 0 },
    { 0, ControlButton, Command::CheckRatesAndVersion, "Döviz Kuru / Yeni Sürüm Kontrol", 0 },
};

const char *const groupCaptions[]
    = { "",      "Kayıtlar",        "İşlemler",        "Raporlar",
        "Diğer", "Kayıt İşlemleri", "Belge İşlemleri", "Rapor İşlemleri" };

struct Shortcut
{
    int flags;
    int keyCode;
    int id;
};

const Shortcut shortcuts[] = {
    { KeyCtrl, 49, Command::NewStock },        { KeyCtrl, 50, Command::NewAccount },
    { KeyAlt, 49, Command::AccountStatement }, { KeyAlt, 50, Command::PriceList },
    { KeyAlt, 51, Command::CashReport },       { KeyAlt, 52, Command::DebtsAndCredits },
    { KeyAlt, 53, Command::VatReport },        { KeyAlt, 54, Command::StockMovements },
    { KeyAlt, 55, Command::StockInventory },   { KeyAlt, 56, Command::Cheques },
    { 0, 115, Command::DeliveryNote },         { 0, 116, Command::Invoice },
    { 0, 117, Command::InvoiceWithLines },     { 0, 118, Command::Payment },
    { KeyCtrl, 68, Command::EditCard },        { KeyCtrl, 83, Command::DeleteCard },
    { KeyCtrl, 75, Command::SaveDocument },    { KeyCtrl, 84, Command::ClearDocument },
    { KeyCtrl, 66, Command::SavedDocuments },  { KeyCtrl, 71, Command::ShowReport },
    { KeyCtrl, 82, Command::SaveReport },      { KeyCtrl, 89, Command::PrintReport },
};

// Adds the commands in table order, each with its drawn icon, which its control or list item
// takes when it is made.
void addCommands(Ribbon *ribbon, RibbonTab *tab, std::span<const RibbonCommand> commands,
                 bool hideGroups)
{
    RibbonGroup *group = nullptr;
    for (const RibbonCommand &command : commands) {
        ribbon->setCommandIcon(command.id, commandIcon(command.id));
        const QString caption = QString::fromUtf8(command.caption);
        if (!group || group->Id() != command.group) {
            if (group && hideGroups)
                group->setVisible(false);
            group = tab->AddGroup(QString::fromUtf8(groupCaptions[command.group]), command.group);
        }
        if (command.parentId != 0)
            ribbon->CommandById(command.parentId)->AddItem(command.id, caption);
        else
            group->AddControl(command.kind, command.id, caption);
    }
    if (group && hideGroups)
        group->setVisible(false);
}

// The controls of the table, not the items of their lists: a width and no hover hint.
void setControlWidths(Ribbon *ribbon, std::span<const RibbonCommand> commands, double width)
{
    for (const RibbonCommand &command : commands) {
        if (command.parentId != 0)
            continue;
        RibbonControl *control = ribbon->CommandById(command.id);
        control->setWidth(width);
        control->setDescriptionText(QString());
    }
}

} // namespace

void BuildMenu(Ribbon *CMBar, RibbonStatusBar *statusBar)
{
    state().RibbonBar = CMBar;
    RibbonTab *tab = CMBar->InsertTab(0, QStringLiteral("Menü"));

    statusBar->setVisible(true);
    statusBar->AddPane(1);
    statusBar->setPaneText(0, QStringLiteral("Sürüm : ") + programVersion().toString());
    statusBar->setPaneWidth(0, 85);
    statusBar->AddPane(2);
    statusBar->setPaneText(1, RatePlaceholder);
    statusBar->setPaneStyle(1, 0x8000000);
    statusBar->AddPane(3);
    statusBar->setPaneText(2, QString());
    statusBar->setPaneStyle(2, 0x8000000);

    addCommands(CMBar, tab, mainCommands, false);
    setControlWidths(CMBar, mainCommands, 67.5);
    addCommands(CMBar, tab, contextCommands, true);
    for (int group = 5; group <= 7; ++group)
        CMBar->FindGroup(group)->setCompact(true);
    setControlWidths(CMBar, contextCommands, 170);

    for (const RibbonCommand &command : tabRowCommands) {
        CMBar->setCommandIcon(command.id, commandIcon(command.id));
        RibbonControl *control
            = CMBar->AddTabRowControl(command.kind, command.id, QString::fromUtf8(command.caption));
        control->setDescriptionText(QString());
        control->setDisplayStyle(3);
    }
    CMBar->CommandById(Command::CheckRatesAndVersion)->setFlags(1);

    for (const Shortcut &shortcut : shortcuts)
        CMBar->AddShortcut(shortcut.flags, shortcut.keyCode, shortcut.id);
}

void ShowContextTab(int n)
{
    auto *ribbon = qobject_cast<Ribbon *>(state().RibbonBar.data());
    if (!ribbon)
        return;
    for (int i = 5; i <= 7; ++i) {
        if (i != n)
            ribbon->FindGroup(i)->setVisible(false);
    }
    if (RibbonGroup *group = ribbon->FindGroup(n))
        group->setVisible(true);
}

} // namespace kx
