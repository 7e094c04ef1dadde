#pragma once

#include <QRect>

namespace zentrova {

// Positions and sizes are given in twips; Qt works in logical pixels and
// scales those for high-DPI screens itself.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace zentrova
