#pragma once

namespace zentrova {

class CalculationWindow;

// Gives the current- and voltage-loop windows their Bode plot: an action
// "波特图" (Ctrl+B, and in the window's right-click menu) that opens the one
// plot window of the calculation window, which follows each compute. Other
// windows are left as they are.
void AttachLoopPlot(CalculationWindow& window);

}  // namespace zentrova
