// Rights that the main computer grants the other computers of the network (AyarIzinler, row 53).
#include "core/rights.h"

#include "core/conversions.h"
#include "core/messages.h"
#include "core/state.h"

namespace kx {

bool HasRight(int column)
{
    const ModuleState &s = state();
    if (s.MainComputer)
        return true;
    return numberValue(settingText(s.AyarRows, AyarIzinler::Id, column)) != 0;
}

bool CheckRight(int column)
{
    if (HasRight(column))
        return true;
    ShowNoPermission();
    return false;
}

} // namespace kx
