#include "app/placement.h"

#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace climate {

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

}  // namespace climate
