#include "app/widgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QStyle>
#include <QSvgRenderer>
#include <QToolTip>
#include <QValidator>

#include <algorithm>
#include <stdexcept>

#include "app/look.h"
#include "app/messages.h"

namespace climate {

namespace {

int32_t (*g_language_source)() = nullptr;

// An error whose text is `text` in the interface's language, followed by `detail`.
std::runtime_error Failure(const Text &text, const QString &detail) {
  return std::runtime_error((ErrorText(text) + detail).toStdString());
}

}  // namespace

void SetLanguageSource(int32_t (*source)()) {
  g_language_source = source;
}

QString ErrorText(const Text &text) {
  return QString::fromUtf8(
      InInterfaceLanguage(text, g_language_source ? g_language_source() : kRussian));
}

void ReportError(const std::exception_ptr &error) {
  QString text;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception &e) {
    text = QString::fromUtf8(e.what());
  } catch (...) {
    text = ErrorText(error_texts::kUnknown);
  }
  ShowError(QApplication::activeWindow(), text);
}

namespace {

QImage RenderSvg(const QString &resource, QSize size, qreal scale) {
  QSvgRenderer renderer(resource);
  if (!renderer.isValid()) throw Failure(error_texts::kPictureNotFound, resource);
  QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  image.setDevicePixelRatio(scale);
  QPainter painter(&image);
  renderer.setAspectRatioMode(Qt::KeepAspectRatio);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

}  // namespace

TImageList::TImageList(QObject *parent, const QString &name, const QStringList &resources,
                       QSize size)
    : QObject(parent), resources_(resources), size_(size) {
  setObjectName(name);
  for (const QString &r : resources_) {
    if (!QFile::exists(r)) throw Failure(error_texts::kPictureNotFound, r);
  }
  images_.resize(resources_.size());
}

QImage TImageList::picture(int index, qreal scale) const {
  if (index < 0 || index >= count()) throw Failure(error_texts::kNoPicture, QString::number(index));
  if (scale != 1.0) return RenderSvg(resources_[index], size_, scale);
  if (images_[index].isNull()) images_[index] = RenderSvg(resources_[index], size_, 1.0);
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
  if (!QFile::exists(resource)) {
    throw Failure(error_texts::kPictureNotFound, resource);
  }
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
      canvas_ = RenderSvg(pending_, size(), devicePixelRatioF());
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

TMemo::TMemo(QWidget *parent, const QString &name, const QRect &geometry) : QPlainTextEdit(parent) {
  setObjectName(name);
  setGeometry(geometry);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
}

QString TMemo::text() const {
  QString text = toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

void TMemo::setText(const QString &text) {
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  setPlainText(plain);
}

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
  return shown.isEmpty() ? ErrorText(empty_name_) : shown;
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
  if (active_ && opens && !event->isAutoRepeat() &&
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

namespace {

// Whole numbers of up to four digits. White space anywhere in the text is dropped first: a
// key filter keeps typed spaces out, so only text that arrives at once can bring any.
class FourDigits final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString &input, int &pos) const override {
    QString digits;
    int cursor = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
      const QChar c = input.at(i);
      if (c.isSpace()) {
        if (i < pos) --cursor;
        continue;
      }
      if (c < u'0' || c > u'9') return Invalid;
      digits += c;
    }
    if (digits.size() > 4) return Invalid;
    input = digits;
    pos = cursor;
    return Acceptable;
  }
};

}  // namespace

TNumberField::TNumberField(QWidget *parent, const QString &name, const QRect &geometry)
    : QLineEdit(parent) {
  setObjectName(name);
  setGeometry(geometry);
  setValidator(new FourDigits(this));
  connect(this, &QLineEdit::inputRejected, this, [this] { Refused(); });
}

void TNumberField::keyPressEvent(QKeyEvent *event) {
  // A paste by key is text that arrives at once; every other key is typing.
  typing_ = !event->matches(QKeySequence::Paste);
  QLineEdit::keyPressEvent(event);
  typing_ = false;
}

void TNumberField::Refused() {
  if (typing_) return;
  QApplication::beep();
  QToolTip::showText(mapToGlobal(QPoint(0, height())), ErrorText(kNotANumber), this, rect(), 4000);
}

TForm::TForm(QWidget *parent, const QString &name, QSize client, const QString &font_family,
             bool minimise_box)
    : QDialog(parent) {
  setObjectName(name);
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (minimise_box) flags |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  setFixedSize(client);
  setFont(QFont(font_family, 8));
  setWindowIcon(WindowIcon());
}

int TForm::ShowModal() {
  return exec();
}

void TForm::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  // Opened by someone working with the keyboard: the focused control shows its frame at
  // once, not only after the first Tab in this window.
  const QWidget *opener = parentWidget() ? parentWidget()->window() : nullptr;
  if (opener && opener->testAttribute(Qt::WA_KeyboardFocusChange)) {
    setAttribute(Qt::WA_KeyboardFocusChange);
  }
  if (!event->spontaneous()) Guarded([this] { FormActivate(); });
}

QGroupBox *MakeGroup(QWidget *parent, const QString &name, const QRect &geometry) {
  auto *group = new QGroupBox(parent);
  group->setObjectName(name);
  group->setGeometry(geometry);
  return group;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QRect &geometry) {
  auto *label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  return label;
}

QComboBox *MakeList(QWidget *parent, const QString &name, const QRect &geometry,
                    const QStringList &items) {
  auto *box = new QComboBox(parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  box->addItems(items);
  box->setCurrentIndex(-1);
  return box;
}

TImageList *MakeSelectionPictures(QObject *parent) {
  QStringList pictures;
  for (int i = 0; i <= 4; ++i) pictures << QStringLiteral(":/assets/equip_%1.svg").arg(i);
  return new TImageList(parent, QStringLiteral("ImageList1"), pictures, QSize(100, 100));
}

QPushButton *MakeButton(QWidget *parent, const QString &name, const QRect &geometry) {
  auto *button = new QPushButton(parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  // No button is a default one, so a stray Enter in a field or list presses nothing.
  button->setAutoDefault(false);
  button->setDefault(false);
  ClickOnEnter(button);
  return button;
}

TSaveDialog::TSaveDialog(QObject *parent, const QString &name) : QObject(parent) {
  setObjectName(name);
}

bool TSaveDialog::Execute(QWidget *parent) {
  const std::optional<QString> chosen = AskSaveFileName(parent, objectName(), FileName);
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

void SetControlText(QWidget *window, const TextEntry &entry, const char *utf8) {
  const QString text = QString::fromUtf8(utf8);
  const QString control = QString::fromUtf8(entry.control);
  if (control == QLatin1String("caption")) {
    window->setWindowTitle(text);
  } else if (auto *box = window->findChild<QComboBox *>(control)) {
    box->setItemText(entry.item, text);
  } else if (auto *group = window->findChild<QGroupBox *>(control)) {
    group->setTitle(text);
  } else if (auto *button = window->findChild<QAbstractButton *>(control)) {
    button->setText(text);
  } else if (auto *label = window->findChild<QLabel *>(control)) {
    label->setText(text);
  } else if (auto *action = window->findChild<QAction *>(control)) {
    action->setText(text);
  } else {
    throw Failure(error_texts::kNoControl, control);
  }
}

QColor ButtonFace() {
  return QApplication::palette().color(QPalette::Window);
}

QIcon WindowIcon() {
  // The SVG icon engine renders each size when it is asked for.
  static const QIcon icon(QStringLiteral(":/assets/icon.svg"));
  return icon;
}

}  // namespace climate
