// The main window's ribbon: groups, commands and shortcuts as the program offers them.
#include "app/ribbon_menu.h"

#include "core/state.h"
#include "core/version_check.h"
#include "platform/ribbon.h"

#include <QIcon>

namespace kx {

namespace {

struct Command
{
    int group;
    int kind;
    int id;
    const char *caption;
    int parentId; // the drop-down whose list holds the item, 0 for a control of the group
};

// The groups' controls in the order they are built.
const Command mainCommands[] = {
    { 1, ControlSplitButton, 101, "Stoklar", 0 },
    { 1, ControlButton, 121, "Yeni Stok", 101 },
    { 1, ControlSplitButton, 102, "Cariler", 0 },
    { 1, ControlButton, 122, "Yeni Cari", 102 },
    { 2, ControlButton, 103, "İrsaliye  ( F4 )", 0 },
    { 2, ControlButton, 104, "Fatura  ( F5 )", 0 },
    { 2, ControlButton, 105, "İrs. Fatura  ( F6 )", 0 },
    { 2, ControlButton, 106, "Ödeme  ( F7 )", 0 },
    { 3, ControlPopup, 107, "&Raporlar", 0 },
    { 3, ControlButton, 131, "Hesap Ekstresi", 107 },
    { 3, ControlButton, 132, "Fiyat Listesi", 107 },
    { 3, ControlButton, 133, "Kasa Raporu", 107 },
    { 3, ControlButton, 134, "Borç / Alacak", 107 },
    { 3, ControlButton, 135, "Kdv Raporu", 107 },
    { 3, ControlButton, 136, "Stok Hareket", 107 },
    { 3, ControlButton, 137, "Stok Envanter", 107 },
    { 3, ControlButton, 138, "Çekler", 107 },
    { 4, ControlButton, 108, "Ayarlar", 0 },
    { 4, ControlButton, 109, "Yardım", 0 },
    { 4, ControlButton, 110, "Hakkında", 0 },
};

const Command contextCommands[] = {
    { 5, ControlButton, 141, "   Yeni", 0 },
    { 5, ControlButton, 142, "   ( ctrl + D )     Düzenle", 0 },
    { 5, ControlButton, 143, "   ( ctrl + S )     Sil", 0 },
    { 6, ControlButton, 151, "   ( ctrl + K )     Kaydet", 0 },
    { 6, ControlButton, 152, "   ( ctrl + T )     Temizle", 0 },
    { 6, ControlButton, 153, "   ( ctrl + B )     Kayıtlı Belgeler", 0 },
    { 7, ControlButton, 161, "   ( ctrl + G )     Göster", 0 },
    { 7, ControlButton, 162, "   ( ctrl + R )     Kaydet", 0 },
    { 7, ControlButton, 163, "   ( ctrl + Y )     Yazdır", 0 },
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
    { KeyCtrl, 49, 121 }, { KeyCtrl, 50, 122 }, { KeyAlt, 49, 131 },  { KeyAlt, 50, 132 },
    { KeyAlt, 51, 133 },  { KeyAlt, 52, 134 },  { KeyAlt, 53, 135 },  { KeyAlt, 54, 136 },
    { KeyAlt, 55, 137 },  { KeyAlt, 56, 138 },  { 0, 115, 103 },      { 0, 116, 104 },
    { 0, 117, 105 },      { 0, 118, 106 },      { KeyCtrl, 68, 142 }, { KeyCtrl, 83, 143 },
    { KeyCtrl, 75, 151 }, { KeyCtrl, 84, 152 }, { KeyCtrl, 66, 153 }, { KeyCtrl, 71, 161 },
    { KeyCtrl, 82, 162 }, { KeyCtrl, 89, 163 },
};

void addCommands(Ribbon *ribbon, RibbonTab *tab, const Command *first, const Command *last,
                 bool hideGroups)
{
    RibbonGroup *group = nullptr;
    for (const Command *command = first; command != last; ++command) {
        const QString caption = QString::fromUtf8(command->caption);
        if (!group || group->Id() != command->group) {
            if (group && hideGroups)
                group->setVisible(false);
            group = tab->AddGroup(QString::fromUtf8(groupCaptions[command->group]), command->group);
        }
        if (command->parentId != 0)
            ribbon->CommandById(command->parentId)->AddItem(command->id, caption);
        else
            group->AddControl(command->kind, command->id, caption);
    }
    if (group && hideGroups)
        group->setVisible(false);
}

} // namespace

void BuildMenu(Ribbon *CMBar, RibbonStatusBar *statusBar)
{
    state().RibbonBar = CMBar;
    for (int id : { 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 121, 122, 141, 142, 143, 151,
                    152, 153, 161, 162, 163, 131, 132, 133, 134, 135, 136, 137, 138, 171, 172 })
        CMBar->setCommandIcon(id, commandIcon(id));

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

    addCommands(CMBar, tab, std::begin(mainCommands), std::end(mainCommands), false);
    for (int id = 101; id <= 110; ++id) {
        RibbonControl *control = CMBar->CommandById(id);
        control->setWidth(67.5);
        control->setDescriptionText(QString());
    }
    addCommands(CMBar, tab, std::begin(contextCommands), std::end(contextCommands), true);
    for (int group = 5; group <= 7; ++group)
        CMBar->FindGroup(group)->setCompact(true);
    for (int i = 0; i < 3; ++i) {
        for (int id : { 141 + i, 151 + i, 161 + i }) {
            CMBar->CommandById(id)->setDescriptionText(QString());
            CMBar->CommandById(id)->setWidth(170);
        }
    }

    RibbonControl *warranty
        = CMBar->AddTabRowControl(ControlButton, 171, QStringLiteral("Garanti Takibi"));
    RibbonControl *check = CMBar->AddTabRowControl(
        ControlButton, 172, QStringLiteral("Döviz Kuru / Yeni Sürüm Kontrol"));
    warranty->setDescriptionText(QString());
    check->setDescriptionText(QString());
    check->setFlags(1);
    warranty->setDisplayStyle(3);
    check->setDisplayStyle(3);

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
