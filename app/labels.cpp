#include "app/labels.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include "app/contrast.h"
#include "app/interface_language.h"
#include "app/keys.h"

namespace climate {

TLabel::TLabel(QWidget *parent, const QString &name, const QRect &geometry, const QString &text)
    : QLabel(text, parent) {
  setObjectName(name);
  setGeometry(geometry);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TLabel::SetAccent(const QColor &colour) {
  accent_ = colour;
  update();
}

QColor TLabel::TextColour() const {
  const QColor accent = Accent();
  if (!accent.isValid()) return palette().color(foregroundRole());
  return ReadableColour(accent, palette().color(QPalette::Window));
}

QString TLabel::ShownText() const {
  QString shown = text();
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

void TLabel::paintEvent(QPaintEvent *) {
  QPalette colours = palette();
  colours.setColor(foregroundRole(), TextColour());
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), colours,
                        isEnabled(), ShownText(), foregroundRole());
}

namespace {

// A suggestion text as a screen reader meets it: a link that can be pressed while a click on it
// opens a window, plain text otherwise; named by the words it shows, described by the figures
// behind it (its accessible description).
class LinkLabelAccessible final : public QAccessibleWidget {
 public:
  explicit LinkLabelAccessible(TLinkLabel *label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  QAccessible::Role role() const override {
    return Label()->IsActive() ? QAccessible::Link : QAccessible::StaticText;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = Label()->IsActive();
    return state;
  }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return Label()->SpokenName();
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (Label()->IsActive()) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString &action) override {
    if (action == pressAction()) {
      if (Label()->IsActive()) emit Label()->clicked();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  TLinkLabel *Label() const { return static_cast<TLinkLabel *>(widget()); }
};

QAccessibleInterface *AccessibleLinkLabels(const QString &class_name, QObject *object) {
  if (class_name == QLatin1String(TLinkLabel::staticMetaObject.className())) {
    return new LinkLabelAccessible(static_cast<TLinkLabel *>(object));
  }
  return nullptr;
}

}  // namespace

TLinkLabel::TLinkLabel(QWidget *parent, const QString &name, const QRect &geometry,
                       const Text &empty_name)
    : TLabel(parent, name, geometry), empty_name_(empty_name) {
  static const bool accessible = (QAccessible::installFactory(AccessibleLinkLabels), true);
  Q_UNUSED(accessible);
  SetActive(false);
}

QString TLinkLabel::SpokenName() const {
  const QString shown = ShownText().simplified();
  return shown.isEmpty() ? InterfaceText(empty_name_) : shown;
}

void TLinkLabel::SetActive(bool active) {
  const bool changed = active != active_;
  active_ = active;
  if (changed) {
    QAccessible::State states;
    states.linked = true;
    states.focusable = true;
    QAccessibleStateChangeEvent event(this, states);
    QAccessible::updateAccessibility(&event);
  }
  QFont f = font();
  f.setBold(active);
  f.setUnderline(active);
  setFont(f);
  if (active) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
  } else {
    unsetCursor();
    setFocusPolicy(Qt::NoFocus);
    // A text that opens nothing hands the focus on, so that the keyboard is never left on it.
    if (QWidget *top = window(); top->focusWidget() == this) {
      if (!focusNextPrevChild(true)) clearFocus();
    }
  }
  update();
}

QColor TLinkLabel::Accent() const {
  return active_ ? palette().color(QPalette::Link) : TLabel::Accent();
}

void TLinkLabel::keyPressEvent(QKeyEvent *event) {
  const bool opens = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                     event->key() == Qt::Key_Space;
  if (active_ && opens && !HeldRepeat(event) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    emit clicked();
    return;
  }
  TLabel::keyPressEvent(event);
}

void TLinkLabel::keyReleaseEvent(QKeyEvent *event) {
  // Reached with Tab: the figures behind the suggestion show as they do under the mouse. The
  // release of the key that brought the focus would close a tooltip shown any earlier.
  const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
  if (tab && hasFocus() && !toolTip().isEmpty()) {
    QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
  }
  TLabel::keyReleaseEvent(event);
}

void TLinkLabel::paintEvent(QPaintEvent *event) {
  TLabel::paintEvent(event);
  if (!hasFocus()) return;
  // The focus frame: a solid line two pixels wide round the text, in the palette's highlight
  // colour or the nearest one that stands out from the background by the focus contrast.
  // (The style's own dotted frame all but vanishes on some palettes.)
  const QRect text =
      fontMetrics().boundingRect(contentsRect(), static_cast<int>(alignment()), ShownText());
  const QRect frame = text.adjusted(-3, -2, 3, 2).intersected(rect());
  const QColor colour = ReadableColour(palette().color(QPalette::Highlight),
                                       palette().color(QPalette::Window), kFocusContrast);
  QPainter painter(this);
  painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(frame).adjusted(1, 1, -1, -1));
}

void Announce(QWidget *widget) {
  QAccessibleEvent event(widget, QAccessible::Alert);
  QAccessible::updateAccessibility(&event);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent *event) {
  if (active_ && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace climate
