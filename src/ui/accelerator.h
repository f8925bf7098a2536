#pragma once
// Keyboard accelerators that leave the controls' captions as they are: a key
// of the window that acts on one control as a click or a focus would.

#include <QKeySequence>

class QWidget;

namespace anagrove::ui {

// While window is active, keys focuses control and, for a button, check box or
// option button, clicks it; a text box has its text selected. A disabled
// control ignores the key. The control's tool tip names the key.
void AddAccelerator(QWidget& window, const QKeySequence& keys, QWidget& control);

} // namespace anagrove::ui
