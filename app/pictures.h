// Pictures of the windows (Qt): picture lists drawn from the program's SVG artwork, picture
// boxes that can be filled with a colour and drawn into, and the window icon.
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>
#include <QWidget>

namespace climate {

// A list of pictures of one size, drawn from the program's SVG artwork.
class TImageList : public QObject {
 public:
  TImageList(QObject *parent, const QString &name, const QStringList &resources, QSize size);
  int count() const { return static_cast<int>(resources_.size()); }
  // The picture at `index` with transparent background, rendered for `scale` device pixels.
  // Pictures are rendered when first drawn, which keeps start-up short.
  QImage picture(int index, qreal scale = 1.0) const;

 private:
  QStringList resources_;
  QSize size_;
  mutable QVector<QImage> images_;  // rendered at scale 1, by index; null until first use
};

// A picture box with a canvas: it can be filled with a colour, pictures of a list can be
// drawn over the fill, and the picture can be removed, leaving the window behind visible.
class TImage : public QWidget {
 public:
  TImage(QWidget *parent, const QString &name, const QRect &geometry);

  // Fills the whole box with `colour` and remembers it as the brush colour. The window
  // background colour fills the box with what lies behind it, the exact colour of the
  // frame's interior the box sits in.
  void Fill(const QColor &colour);
  // Draws picture `index` of `list` over what the canvas holds.
  void Draw(const TImageList &list, int index);
  // Fills with the brush colour, then draws the picture.
  void FillAndDraw(const QColor &colour, const TImageList &list, int index);
  // Removes the picture: the box shows nothing until it is filled or drawn again.
  void Clear();
  // Shows a scalable picture centred and scaled proportionally over a transparent canvas.
  // It is rendered when the box is first painted.
  void SetPicture(const QString &resource);
  // Lays a light plate under the picture whenever the window background is too dark for its
  // dark artwork, so that a logo stays readable on a dark palette.
  void SetPlateOnDark(bool plate) {
    plate_ = plate;
    update();
  }

  QColor brushColour() const { return brush_; }
  // The last picture drawn since the box was last cleared or filled, or -1.
  int pictureIndex() const { return picture_; }
  // The list the last picture came from.
  const TImageList *pictureList() const { return list_; }

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  void EnsureCanvas();
  QImage canvas_;
  QString pending_;  // a picture set but not yet rendered
  QColor brush_;
  int picture_ = -1;
  QPointer<const TImageList> list_;
  bool plate_ = false;
};

// The five pictures of a selection window: check badge, wall and roof cooling units, filter
// fan, heater.
TImageList *MakeSelectionPictures(QObject *parent);

// The window background colour (the button-face colour of the system palette), the fill
// colour of picture boxes.
QColor ButtonFace();

// The artwork `resource` (":/assets/name.svg") as an icon of any size.
QIcon ArtworkIcon(const QString &resource);

// The program's window icon.
QIcon WindowIcon();

}  // namespace climate
