// The Enter key on the program's buttons (Qt).
#pragma once

class QAbstractButton;

namespace climate {

// Makes Enter and Return click `button` while it has the keyboard focus, once for a held key.
// Enter pressed anywhere else in the window clicks nothing.
void ClickOnEnter(QAbstractButton *button);

}  // namespace climate
