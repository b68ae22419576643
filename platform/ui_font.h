// The one face of every window's captions and fields.
#pragma once

#include <QFont>

namespace kx {

// Liberation Sans (or a face of its widths) at 10 pixels: the size at which every caption and
// value fits the places that the panels and forms were laid out in (15 twips a pixel), from
// "Seri No Durum ---" in its 1215 twips to a 13-digit barcode in its field.
QFont uiFont();

} // namespace kx
