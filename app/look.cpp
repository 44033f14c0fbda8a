#include "app/look.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QPointer>
#include <QScreen>
#include <QTranslator>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "app/lang.h"

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

// Clicks the focused button on Enter or Return, the keypad's Enter included. A button that
// is disabled takes no focus, and so no Enter either. A held key clicks once: its repeats
// would otherwise press the focused button of the window the first press opened.
class EnterClicks final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (key->isAutoRepeat()) return true;
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (button == nullptr || !button->isEnabled()) return false;
    button->click();
    return true;
  }
};

QPointer<QTranslator> g_toolkit_texts;
bool g_toolkit_texts_installed = false;

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

void ClickOnEnter(QAbstractButton *button) {
  static QPointer<EnterClicks> filter;
  if (!filter) filter = new EnterClicks(QCoreApplication::instance());
  button->installEventFilter(filter);
}

namespace {

// Moves the frame of a window to the top-left corner of the screen's available area (the
// screen less the panels a desktop keeps along its edges) once the window manager has put a
// frame round it. A position given earlier places the client area at the corner and leaves
// the title bar above the screen; the frame's size is known only after the window manager has
// framed the window, which it does in its own time after the window is shown.
class FrameToCorner final : public QObject {
 public:
  FrameToCorner(QWidget *window, QWindow *handle) : QObject(handle), window_(window) {}

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (done_ || (event->type() != QEvent::Expose && event->type() != QEvent::Move)) {
      return false;
    }
    const QMargins frame = static_cast<QWindow *>(watched)->frameMargins();
    if (frame.isNull() || !window_) return false;  // not framed yet: no window manager so far
    done_ = true;
    const QRect area = window_->screen()->availableGeometry();
    window_->setGeometry(
        QRect(area.topLeft() + QPoint(frame.left(), frame.top()), window_->size()));
    deleteLater();
    return false;
  }

 private:
  QPointer<QWidget> window_;
  bool done_ = false;
};

}  // namespace

void PlaceFrameAtTopLeft(QWidget *window) {
  if (QWindow *handle = window->windowHandle()) {
    handle->installEventFilter(new FrameToCorner(window, handle));
  }
}

namespace {

// The toolkit's texts that its own Russian translation lacks (the file dialog's type column,
// for one), from the program's table.
class MissingToolkitTexts final : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char *context, const char *source, const char *, int) const override {
    for (const ToolkitText &text : kToolkitTexts) {
      if (qstrcmp(context, text.context) == 0 && qstrcmp(source, text.english) == 0) {
        return QString::fromUtf8(text.russian);
      }
    }
    return {};
  }
};

QPointer<QTranslator> g_missing_texts;

// Installs or removes `translator`; it stays installed only while `russian`.
void Use(QTranslator *translator, bool russian, bool &installed) {
  if (russian && !installed) {
    installed = QCoreApplication::installTranslator(translator);
  } else if (!russian && installed) {
    QCoreApplication::removeTranslator(translator);
    installed = false;
  }
}

bool g_missing_texts_installed = false;

}  // namespace

void UseToolkitTexts(int32_t t_lang) {
  QCoreApplication *app = QCoreApplication::instance();
  if (app == nullptr) return;
  // Translators that went with an earlier application object.
  if (!g_toolkit_texts) g_toolkit_texts_installed = false;
  if (!g_missing_texts) g_missing_texts_installed = false;
  const bool russian = t_lang == kRussian;
  if (russian && !g_missing_texts) g_missing_texts = new MissingToolkitTexts(app);
  Use(g_missing_texts, russian, g_missing_texts_installed);
  if (russian && !g_toolkit_texts) {
    g_toolkit_texts = new QTranslator(app);
    // Without the translations installed the toolkit keeps its English texts.
    if (!g_toolkit_texts->load(QStringLiteral("qtbase_ru"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      delete g_toolkit_texts;
      return;
    }
  }
  if (g_toolkit_texts) Use(g_toolkit_texts, russian, g_toolkit_texts_installed);
}

bool ToolkitTextsInstalled() {
  return g_toolkit_texts_installed && g_toolkit_texts;
}

}  // namespace climate
