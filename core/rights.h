// Rights that the main computer grants the other computers of the network (AyarIzinler, row 53).
#pragma once

#include "core/settings_row_map.h"

namespace kx {

// Always true on the main computer; elsewhere true when the text of the right's column (a
// RightColumn of AyarIzinler) reads as a number other than 0 (a missing row or an empty text
// refuses).
bool HasRight(int column);
// HasRight, with the no-permission notice when the right is refused.
bool CheckRight(int column);

} // namespace kx
