// A label that reads as a web link and reports a click.
#include "settings/link_label.h"

#include <QMouseEvent>

namespace kx {

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0x1A, 0x56, 0xB0));
    setPalette(colours);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace kx
