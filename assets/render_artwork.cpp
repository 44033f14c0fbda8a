// Renders the program's SVG artwork into PNG pictures for a build without Qt SVG (the Windows
// build), on the build machine and with the renderer the Linux build draws with at run time:
// each picture at its own size and at 1.5 and 2 times it, and the window icon also as a
// Windows icon file of the sizes a desktop asks for.
//
//   aervik_render_artwork OUTPUT-FOLDER SVG...
//
// For name.svg it writes name@1x.png, name@1.5x.png and name@2x.png, and for icon.svg
// icon.ico besides.
#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

QImage Render(QSvgRenderer &svg, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  svg.setAspectRatioMode(Qt::KeepAspectRatio);
  svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

// A Windows icon file holding `images`, each stored as PNG (which icon files may hold since
// Windows Vista): a header, one directory entry per image, then the images.
bool SaveIcon(const QList<QImage> &images, const QString &file) {
  QByteArray header;
  QDataStream out(&header, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out << quint16(0) << quint16(1) << quint16(images.size());
  QList<QByteArray> pngs;
  for (const QImage &image : images) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "png")) return false;
    pngs << png;
  }
  quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
  for (qsizetype i = 0; i < images.size(); ++i) {
    // A side of 256 is written as 0.
    out << quint8(images[i].width() & 0xFF) << quint8(images[i].height() & 0xFF) << quint8(0)
        << quint8(0) << quint16(1) << quint16(32) << quint32(pngs[i].size()) << offset;
    offset += static_cast<quint32>(pngs[i].size());
  }
  QFile ico(file);
  if (!ico.open(QIODevice::WriteOnly)) return false;
  ico.write(header);
  for (const QByteArray &png : pngs) ico.write(png);
  return ico.flush();
}

bool Save(const QImage &image, const QString &file, const char *format) {
  QImageWriter writer(file, format);
  if (writer.write(image)) return true;
  std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(writer.errorString()));
  return false;
}

}  // namespace

int main(int argc, char **argv) {
  // No display is needed: the pictures are painted into images.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT-FOLDER SVG...\n", argv[0]);
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const QString svg_file = QString::fromLocal8Bit(argv[i]);
    QSvgRenderer svg(svg_file);
    if (!svg.isValid()) {
      std::fprintf(stderr, "%s: not a picture\n", argv[i]);
      return 1;
    }
    const QString name = QFileInfo(svg_file).completeBaseName();
    const QSize size = svg.defaultSize();
    for (const auto &[scale, suffix] : {std::pair{1.0, "@1x"}, {1.5, "@1.5x"}, {2.0, "@2x"}}) {
      const QSize pixels(static_cast<int>(std::lround(size.width() * scale)),
                         static_cast<int>(std::lround(size.height() * scale)));
      if (!Save(Render(svg, pixels), out + '/' + name + suffix + ".png", "png")) return 1;
    }
    if (name == QLatin1String("icon")) {
      QList<QImage> sizes;
      for (int side : {16, 24, 32, 48, 64, 128, 256}) sizes << Render(svg, QSize(side, side));
      if (!SaveIcon(sizes, out + "/icon.ico")) {
        std::fprintf(stderr, "%s/icon.ico: not written\n", qPrintable(out));
        return 1;
      }
    }
  }
  return 0;
}
