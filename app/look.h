// How the windows meet the person at the screen: colours that stay readable on any
// palette, the Enter key on buttons, the frame of the main window and the toolkit's own
// texts in the interface language.
#pragma once

#include <QColor>

#include <cstdint>

class QAbstractButton;
class QWidget;

namespace climate {

// Contrast ratio of two colours, from 1 (the same luminance) to 21 (black on white), by
// the relative luminance of their sRGB values.
double ContrastRatio(const QColor &a, const QColor &b);

// The contrast every coloured text keeps against the background it is drawn on.
inline constexpr double kTextContrast = 4.5;

// `preferred` when it reaches `minimum` contrast against `background`; otherwise the
// nearest blend of it towards white (on a dark background) or black (on a light one) that
// does.
QColor ReadableColour(const QColor &preferred, const QColor &background,
                      double minimum = kTextContrast);

// Makes Enter and Return click `button` while it has the keyboard focus. Enter pressed
// anywhere else in the window clicks nothing.
void ClickOnEnter(QAbstractButton *button);

// Puts the outer frame of a top-level window that is being shown, its title bar included, at
// the top-left corner of the screen's available area, below or beside any desktop panel, as
// soon as the window manager has framed it.
void PlaceFrameAtTopLeft(QWidget *window);

// Installs the toolkit's own Russian texts (file dialog, context menus, standard buttons)
// while the interface language is Russian and removes them for any other language.
void UseToolkitTexts(int32_t t_lang);
// Whether the toolkit's Russian texts are installed.
bool ToolkitTextsInstalled();

}  // namespace climate
