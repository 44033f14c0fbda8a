// Smoke test of Qt for Windows as scripts/windows-qt.sh builds it, run under Wine with the
// offscreen platform: a label with Cyrillic text, seen through the accessibility framework
// and painted; PNG written and read back; a compressed resource; Qt's Russian translation;
// the native style; and the windows platform plugin loadable with everything it links to.
#include <QAccessible>
#include <QBuffer>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLibrary>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTranslator>

namespace {
const char kCyrillic[] = "Обогреватель для шкафа: 20 °C";
}

class SmokeTest : public QObject {
  Q_OBJECT

 private slots:
  void OffscreenPlatform() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
  }

  void CyrillicLabel() {
    QLabel label(QString::fromUtf8(kCyrillic));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QCOMPARE(label.text().size(), 29);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&label);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::StaticText);
    QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(kCyrillic));
    // A font with Cyrillic letters is found (Ж, U+0416), and the text is painted: the grabbed
    // label has pixels of the text colour.
    QVERIFY(QFontMetrics(label.font()).inFontUcs4(0x0416));
    const QImage image = label.grab().toImage();
    const QRgb background = image.pixel(0, 0);
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) painted += image.pixel(x, y) != background;
    QVERIFY2(painted > 50, qPrintable(QString::number(painted)));
  }

  void PngRoundTrip() {
    QImage image(24, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(4, 4, 8, 8, QColor(200, 30, 40));
    painter.end();
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(image.save(&buffer, "PNG"));
    QImage back;
    QVERIFY(back.loadFromData(buffer.data(), "PNG"));
    QCOMPARE(back.convertToFormat(QImage::Format_ARGB32), image);
  }

  // rcc compressed it (with zlib: see CMakeLists.txt).
  void CompressedResource() {
    QFile file(QStringLiteral(":/lines.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4000);
    QCOMPARE(lines.last(), QString::fromUtf8(kCyrillic));
  }

  // Qt's own Russian texts (Debian's qt6-translations-l10n), put beside the program.
  void RussianTranslation() {
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("qtbase_ru"), QCoreApplication::applicationDirPath() +
                                                             QStringLiteral("/translations")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QMessageBox box(QMessageBox::Question, QStringLiteral("?"), QString::fromUtf8(kCyrillic),
                    QMessageBox::Yes | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8("Отмена"));
    QCoreApplication::removeTranslator(&translator);
  }

  void NativeStyle() {
    QVERIFY2(QStyleFactory::keys().contains(QStringLiteral("windowsvista"), Qt::CaseInsensitive),
             qPrintable(QStyleFactory::keys().join(u' ')));
    QScopedPointer<QStyle> style(QStyleFactory::create(QStringLiteral("windowsvista")));
    QVERIFY(style);
  }

  // The windows platform plugin is not used under Wine without a display, but it must load:
  // every DLL it imports is there and it is a Qt plugin.
  void WindowsPluginLoads() {
    QLibrary plugin(QCoreApplication::applicationDirPath() +
                    QStringLiteral("/platforms/qwindows.dll"));
    QVERIFY2(plugin.load(), qPrintable(plugin.errorString()));
    QVERIFY(plugin.resolve("qt_plugin_instance") != nullptr);
  }
};

QTEST_MAIN(SmokeTest)
#include "smoke_test.moc"
