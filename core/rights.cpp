// Rights that the main computer grants the other computers of the network (settings row 53).
#include "core/rights.h"

#include "core/conversions.h"
#include "core/messages.h"
#include "core/state.h"

namespace kx {

namespace {
constexpr int RightsRecord = 52; // settings row id 53
}

bool HasRight(int column)
{
    const ModuleState &s = state();
    if (s.MainComputer)
        return true;
    // Fields are id, nedir, a1, a2, ...: column aK is field K + 1.
    return numberValue(s.AyarRows.text(column + 1, RightsRecord)) != 0;
}

bool CheckRight(int column)
{
    if (HasRight(column))
        return true;
    ShowNoPermission();
    return false;
}

} // namespace kx
