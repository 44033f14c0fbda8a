// Where the main window appears (Qt).
#pragma once

class QWidget;

namespace climate {

// Puts the outer frame of a top-level window that is being shown, its title bar included, at
// the top-left corner of the screen's available area, below or beside any desktop panel, as
// soon as the window manager has framed it.
void PlaceFrameAtTopLeft(QWidget *window);

}  // namespace climate
