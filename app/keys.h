// The Enter key on the program's buttons (Qt).
#pragma once

class QAbstractButton;
class QKeyEvent;

namespace climate {

// Whether a key press is a repeat of a key held down since its last press. The platform marks
// a press a repeat when it saw no release of the key since its last press, which is not always
// so: under Wine, when the window that took the release closed with it, the next press of the
// key seconds later comes marked. Here only a marked press that follows the last press of the
// same key within a second counts, as the repeats of a held key do.
bool HeldRepeat(const QKeyEvent *event);

// Makes Enter and Return click `button` while it has the keyboard focus, once for a held key.
// Enter pressed anywhere else in the window clicks nothing.
void ClickOnEnter(QAbstractButton *button);

}  // namespace climate
