#include "app/pictures.h"

#include <QApplication>
#include <QFile>
#include <QPainter>

#include <algorithm>

#if AERVIK_SVG_ARTWORK
#include <QSvgRenderer>
#endif

#include "app/contrast.h"
#include "app/errors.h"

namespace climate {

namespace {

// The program's artwork is SVG. With Qt SVG it is rendered for each box at the screen's own
// resolution. A build without Qt SVG (the Windows build) holds the pictures rendered when it
// was built (assets/render_artwork.cpp), each at its own size and at 1.5 and 2 times it,
// under the SVG's name with "@1x.png", "@1.5x.png" or "@2x.png" for ".svg"; the least of
// them that is as fine as the box needs is drawn, scaled down where it is finer.
#if AERVIK_SVG_ARTWORK
bool ArtworkExists(const QString &resource) {
  return QFile::exists(resource);
}
#else
// The scales the pictures are rendered at, least first.
constexpr const char *kRenderedScales[] = {"@1x", "@1.5x", "@2x"};

QString Rendered(const QString &resource, const char *scale) {
  return resource.chopped(4) + QLatin1String(scale) + QStringLiteral(".png");
}

bool ArtworkExists(const QString &resource) {
  return resource.endsWith(QLatin1String(".svg")) &&
         QFile::exists(Rendered(resource, kRenderedScales[0]));
}
#endif

// The picture `resource` for a box of `size`, centred and scaled proportionally as far as the
// box allows, on a transparent ground, for `scale` device pixels per pixel.
QImage RenderArtwork(const QString &resource, QSize size, qreal scale) {
  QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  image.setDevicePixelRatio(scale);
  QPainter painter(&image);
#if AERVIK_SVG_ARTWORK
  QSvgRenderer renderer(resource);
  if (!renderer.isValid()) throw Failure(error_texts::kPictureNotFound, resource);
  renderer.setAspectRatioMode(Qt::KeepAspectRatio);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
#else
  QImage picture;
  for (const char *rendered : kRenderedScales) {
    if (!picture.load(Rendered(resource, rendered))) break;
    const QSizeF fits = QSizeF(picture.size()).scaled(QSizeF(size) * scale, Qt::KeepAspectRatio);
    if (picture.width() >= fits.width() - 0.5) break;
  }
  if (picture.isNull()) throw Failure(error_texts::kPictureNotFound, resource);
  const QSizeF fits = QSizeF(picture.size()).scaled(QSizeF(size), Qt::KeepAspectRatio);
  const QRectF box(QPointF((size.width() - fits.width()) / 2, (size.height() - fits.height()) / 2),
                   fits);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(box, picture);
#endif
  return image;
}

}  // namespace

TImageList::TImageList(QObject *parent, const QString &name, const QStringList &resources,
                       QSize size)
    : QObject(parent), resources_(resources), size_(size) {
  setObjectName(name);
  for (const QString &r : resources_) {
    if (!ArtworkExists(r)) throw Failure(error_texts::kPictureNotFound, r);
  }
  images_.resize(resources_.size());
}

QImage TImageList::picture(int index, qreal scale) const {
  if (index < 0 || index >= count()) throw Failure(error_texts::kNoPicture, QString::number(index));
  if (scale != 1.0) return RenderArtwork(resources_[index], size_, scale);
  if (images_[index].isNull()) images_[index] = RenderArtwork(resources_[index], size_, 1.0);
  return images_[index];
}

TImage::TImage(QWidget *parent, const QString &name, const QRect &geometry) : QWidget(parent) {
  setObjectName(name);
  setGeometry(geometry);
}

void TImage::EnsureCanvas() {
  pending_.clear();
  if (!canvas_.isNull()) return;
  const qreal scale = devicePixelRatioF();
  canvas_ = QImage(size() * scale, QImage::Format_ARGB32_Premultiplied);
  canvas_.setDevicePixelRatio(scale);
  canvas_.fill(Qt::transparent);
}

void TImage::Fill(const QColor &colour) {
  brush_ = colour;
  EnsureCanvas();
  // The style may draw a frame's interior in a shade of its own: a box filled with the
  // window background lets that interior show, so the box does not stand out as a square.
  canvas_.fill(colour == ButtonFace() ? QColor(Qt::transparent) : colour);
  picture_ = -1;
  list_ = nullptr;
  update();
}

void TImage::Draw(const TImageList &list, int index) {
  EnsureCanvas();
  const QImage picture = list.picture(index, canvas_.devicePixelRatio());
  QPainter painter(&canvas_);
  painter.drawImage(QPointF(0, 0), picture);
  picture_ = index;
  list_ = &list;
  update();
}

void TImage::FillAndDraw(const QColor &colour, const TImageList &list, int index) {
  Fill(colour);
  Draw(list, index);
}

void TImage::Clear() {
  pending_.clear();
  canvas_ = QImage();
  picture_ = -1;
  list_ = nullptr;
  update();
}

void TImage::SetPicture(const QString &resource) {
  if (!ArtworkExists(resource)) throw Failure(error_texts::kPictureNotFound, resource);
  canvas_ = QImage();
  pending_ = resource;
  picture_ = -1;
  list_ = nullptr;
  update();
}

namespace {

// Darkest colour of the logos' artwork.
const QColor kLogoInk(0x2B, 0x35, 0x40);
const QColor kPlate(0xF4, 0xF4, 0xF4);

// The part of `image` that is not transparent, in device-independent pixels.
QRectF Drawn(const QImage &image) {
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(line[x]) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  const qreal scale = image.devicePixelRatio();
  return QRectF(left / scale, top / scale, (right - left + 1) / scale, (bottom - top + 1) / scale);
}

}  // namespace

void TImage::paintEvent(QPaintEvent *) {
  if (!pending_.isEmpty()) {
    // Painting must not throw through the toolkit: a picture that cannot be drawn leaves the
    // box empty and is logged.
    try {
      canvas_ = RenderArtwork(pending_, size(), devicePixelRatioF());
    } catch (const std::exception &e) {
      qWarning("%s", e.what());
      canvas_ = QImage();
    }
    pending_.clear();
  }
  if (canvas_.isNull()) return;
  QPainter painter(this);
  if (plate_ && ContrastRatio(kLogoInk, palette().color(QPalette::Window)) < kTextContrast) {
    const QRectF drawn = Drawn(canvas_);
    if (!drawn.isEmpty()) {
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(Qt::NoPen);
      painter.setBrush(kPlate);
      painter.drawRoundedRect(drawn.adjusted(-4, -3, 4, 3).intersected(QRectF(rect())), 4, 4);
    }
  }
  painter.drawImage(QPointF(0, 0), canvas_);
}

TImageList *MakeSelectionPictures(QObject *parent) {
  QStringList pictures;
  for (int i = 0; i <= 4; ++i) pictures << QStringLiteral(":/assets/equip_%1.svg").arg(i);
  return new TImageList(parent, QStringLiteral("ImageList1"), pictures, QSize(100, 100));
}

QColor ButtonFace() {
  return QApplication::palette().color(QPalette::Window);
}

QIcon ArtworkIcon(const QString &resource) {
#if AERVIK_SVG_ARTWORK
  // The SVG icon engine renders each size when it is asked for.
  return QIcon(resource);
#else
  QIcon sizes;
  for (const char *rendered : kRenderedScales) sizes.addFile(Rendered(resource, rendered));
  return sizes;
#endif
}

QIcon WindowIcon() {
  static const QIcon icon = ArtworkIcon(QStringLiteral(":/assets/icon.svg"));
  return icon;
}

}  // namespace climate
