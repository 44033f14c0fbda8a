#include "app/contrast.h"

#include <algorithm>
#include <cmath>

namespace climate {
namespace {

double Channel(int value) {
  const double c = value / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor &colour) {
  const QColor c = colour.toRgb();
  return 0.2126 * Channel(c.red()) + 0.7152 * Channel(c.green()) + 0.0722 * Channel(c.blue());
}

QColor Blend(const QColor &from, const QColor &to, double t) {
  auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  const QColor f = from.toRgb();
  const QColor g = to.toRgb();
  return QColor(mix(f.red(), g.red()), mix(f.green(), g.green()), mix(f.blue(), g.blue()));
}

}  // namespace

double ContrastRatio(const QColor &a, const QColor &b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableColour(const QColor &preferred, const QColor &background, double minimum) {
  if (ContrastRatio(preferred, background) >= minimum) return preferred.toRgb();
  const QColor target = ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background)
                            ? QColor(Qt::white)
                            : QColor(Qt::black);
  for (int step = 1; step <= 20; ++step) {
    const QColor blended = Blend(preferred, target, step / 20.0);
    if (ContrastRatio(blended, background) >= minimum) return blended;
  }
  return target;
}

}  // namespace climate
