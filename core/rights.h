// Rights that the main computer grants the other computers of the network (settings row 53).
#pragma once

namespace kx {

// The columns a1..a9 of the rights row, by what they guard.
enum RightColumn {
    RightNewStock = 1,
    RightEditStock = 2,
    RightDeleteStock = 3,
    RightNewCari = 4,
    RightEditCari = 5,
    RightDeleteCari = 6,
    RightSaveDocument = 7,
    RightSavedDocuments = 8,
    RightSettings = 9,
};

// Always true on the main computer; elsewhere true when the column's text reads as a number
// other than 0 (a missing row or an empty text refuses).
bool HasRight(int column);
// HasRight, with the no-permission notice when the right is refused.
bool CheckRight(int column);

} // namespace kx
