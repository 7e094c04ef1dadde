#pragma once

#include "calc/Layout.h"

#include <QRect>

namespace zentrova {

// Qt works in logical pixels and scales those for high-DPI screens itself.
constexpr int TwipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace zentrova
