#pragma once

class QWidget;

namespace zentrova {

// The fixed dialog frame every window of the program has: a caption and a
// close box, no minimize or maximize button, a client area that can't be
// resized. A window with a parent stays off the task bar.
void ApplyFixedDialogFrame(QWidget& window, int clientWidthTwips, int clientHeightTwips);

}  // namespace zentrova
