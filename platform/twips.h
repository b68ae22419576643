// Twips, the unit of the layouts the windows and panels were drawn in, to pixels.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kx {

constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + (twips >= 0 ? TwipsPerPixel / 2 : -TwipsPerPixel / 2)) / TwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

} // namespace kx
