// The about window: its five lines in their places, the program's version, and every line
// readable in full in the window's font.
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include "app/a_SW.h"
#include "app/version.h"
#include "tests/ui/ui_harness.h"

using namespace testing_ui;

namespace {

QList<QLabel *> Lines() {
  return {about_SW->StaticText1, about_SW->StaticText2, about_SW->StaticText3,
          about_SW->StaticText4, about_SW->StaticText5};
}

}  // namespace

class AboutWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void linesKeepTheirPlaces_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QRect>("geometry");
    // The places as designed; the four wrapping lines are one pixel taller than designed,
    // room for the descenders of their second line.
    QTest::newRow("StaticText1") << 0 << QRect(8, 16, 466, 26);
    QTest::newRow("StaticText2") << 1 << QRect(8, 47, 466, 26);
    QTest::newRow("StaticText3") << 2 << QRect(8, 78, 466, 26);
    QTest::newRow("StaticText4") << 3 << QRect(8, 109, 466, 26);
    QTest::newRow("StaticText5") << 4 << QRect(377, 140, 97, 18);
  }
  void linesKeepTheirPlaces() {
    QFETCH(int, line);
    QFETCH(QRect, geometry);
    QLabel *label = Lines()[line];
    QCOMPARE(label->objectName(), QString(QTest::currentDataTag()));
    QCOMPARE(label->parentWidget(), about_SW);
    QCOMPARE(label->geometry(), geometry);
  }

  void firstLineIsTheRecommendationNote() {
    QCOMPARE(about_SW->StaticText1->text(),
             QString("Все предложенные комбинации и спецификации оборудования являются только "
                     "рекомендациями."));
    QCOMPARE(about_SW->size(), QSize(482, 160));
    QCOMPARE(about_SW->windowTitle(), QString("О программе"));
  }

  // The version is the project's, written into the window as digits, in Russian words.
  void showsTheProgramsVersion() {
    const QString version = QString::fromUtf8(climate::kVersion);
    QVERIFY2(QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(version).hasMatch(),
             qPrintable(version));
    QString shown;
    for (QLabel *label : Lines()) {
      if (label->text().contains(version)) shown = label->text();
      QVERIFY2(!label->text().contains("%"), qPrintable(label->text()));
    }
    QVERIFY2(shown.contains("версии " + version), qPrintable(shown));
  }

  // Each line is shown whole in its area in the window's font, Tahoma 8 pt or the condensed
  // DejaVu face that stands in for it: the text is drawn as the label draws it, wrapped at the
  // label's width, into an unbounded canvas, and every inked pixel must lie inside the area.
  void everyLineFitsItsArea_data() {
    QTest::addColumn<int>("line");
    for (int i = 0; i < 5; ++i) QTest::newRow(qPrintable(QString("StaticText%1").arg(i + 1))) << i;
  }
  void everyLineFitsItsArea() {
    QFETCH(int, line);
    QLabel *label = Lines()[line];
    const QFontInfo info(label->font());
    QVERIFY2(info.family() == "Tahoma" || info.family() == "DejaVu Sans Condensed",
             qPrintable(info.family()));
    QCOMPARE(info.pointSize(), 8);
    const QRect area = label->contentsRect();
    const QRect ink = InkedArea(label->font(), area.width(), label->alignment(), label->text());
    QVERIFY(!ink.isEmpty());
    QVERIFY2(QRect(QPoint(0, 0), area.size()).contains(ink),
             qPrintable(QString("text inks %1 x %2 px at %3, %4; the area is %5 x %6")
                            .arg(ink.width())
                            .arg(ink.height())
                            .arg(ink.x())
                            .arg(ink.y())
                            .arg(area.width())
                            .arg(area.height())));
  }

 private:
  // The smallest rectangle holding every pixel that `text` inks when drawn with `font`
  // wrapped at `width` pixels, from the top, with the label's horizontal alignment.
  static QRect InkedArea(const QFont &font, int width, Qt::Alignment alignment,
                         const QString &text) {
    QImage canvas(width + 200, 400, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
      QPainter painter(&canvas);
      painter.setFont(font);
      painter.setPen(Qt::black);
      painter.drawText(
          QRect(0, 0, width, canvas.height()),
          int(Qt::TextWordWrap | Qt::AlignTop | (alignment & Qt::AlignHorizontal_Mask)), text);
    }
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
      for (int x = 0; x < canvas.width(); ++x) {
        if (qAlpha(canvas.pixel(x, y)) != 0) ink |= QRect(x, y, 1, 1);
      }
    }
    return ink;
  }
};

UI_TEST_CLASS(AboutWindowTest)
#include "about_window_test.moc"
