// The one face of every window's captions and fields.
#include "platform/ui_font.h"

#include <QStringList>

namespace kx {

QFont uiFont()
{
    QFont face;
    // Arial and Nimbus Sans share Liberation Sans's widths; the condensed DejaVu comes close.
    face.setFamilies({ QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                       QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans Condensed"),
                       QStringLiteral("DejaVu Sans") });
    // In pixels, as the layouts are.
    face.setPixelSize(10);
    return face;
}

} // namespace kx
