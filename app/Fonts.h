#pragma once

#include <QFont>

namespace zentrova {

// Maps the Windows family "宋体" (SimSun) onto the Song-style (Ming) CJK
// fonts found on other systems, falling back to any CJK font, so that the
// Chinese labels don't turn into boxes.
void InstallChineseFontSubstitutes();

// "宋体" at 11.25 points, the font of the main window's greeting and link.
QFont SongTypeface();

}  // namespace zentrova
