#include "app/keys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include <map>

namespace climate {
namespace {

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
    if (HeldRepeat(key)) return true;
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (button == nullptr || !button->isEnabled()) return false;
    button->click();
    return true;
  }
};

}  // namespace

bool HeldRepeat(const QKeyEvent *event) {
  // The last press of each key, by the platform's time stamps in milliseconds.
  static std::map<int, quint64> last_press;
  const quint64 now = event->timestamp();
  const auto [last, first] = last_press.try_emplace(event->key(), now);
  const quint64 before = last->second;
  last->second = now;
  return event->isAutoRepeat() && !first && now - before < 1000;
}

void ClickOnEnter(QAbstractButton *button) {
  static QPointer<EnterClicks> filter;
  if (!filter) filter = new EnterClicks(QCoreApplication::instance());
  button->installEventFilter(filter);
}

}  // namespace climate
