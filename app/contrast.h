// Colours that stay readable on any palette (Qt): the contrast of two colours and the nearest
// colour that keeps a given contrast against a background.
#pragma once

#include <QColor>

namespace climate {

// Contrast ratio of two colours, from 1 (the same luminance) to 21 (black on white), by
// the relative luminance of their sRGB values.
double ContrastRatio(const QColor &a, const QColor &b);

// The contrast every coloured text keeps against the background it is drawn on.
inline constexpr double kTextContrast = 4.5;

// The contrast a focus frame keeps against the background it is drawn on.
inline constexpr double kFocusContrast = 3.0;

// `preferred` when it reaches `minimum` contrast against `background`; otherwise the
// nearest blend of it towards white (on a dark background) or black (on a light one) that
// does.
QColor ReadableColour(const QColor &preferred, const QColor &background,
                      double minimum = kTextContrast);

}  // namespace climate
