// The main window's ribbon: its tab, groups, commands, status panes and shortcuts.
#pragma once

#include "core/pages_and_commands.h"

#include <QIcon>
#include <QString>

namespace kx {

class Ribbon;
class RibbonStatusBar;

// The rate pane's text before the first check.
inline const QString RatePlaceholder
    = QStringLiteral("($) : 0,0000 / 0,0000      (€) : 0,0000 / 0,0000");

// Builds the ribbon CMBar and the status bar once, when the main window loads; sets RibbonBar.
void BuildMenu(Ribbon *CMBar, RibbonStatusBar *statusBar);

// Shows context group n (5, 6 or 7) and hides the other two.
void ShowContextTab(int n);

// The program's own drawn icon of a command id.
QIcon commandIcon(int id);

} // namespace kx
