#include "tests/ui/ui_harness.h"

#include <QAbstractItemView>
#include <QTest>
#include <QTimer>

#include "app/app.h"
#include "balance/aervik.h"

namespace testing_ui {

MessageRecorder &Messages() {
  static MessageRecorder recorder;
  return recorder;
}

void Type(QLineEdit *edit, const QString &text) {
  edit->setFocus();
  QTest::keyClicks(edit, text);
}

void Choose(QComboBox *box, int index) {
  int chosen = -1;
  auto watch = QObject::connect(box, &QComboBox::activated, [&chosen](int i) { chosen = i; });
  box->showPopup();
  QAbstractItemView *view = box->view();
  const QModelIndex item = box->model()->index(index, 0);
  view->scrollTo(item);
  const QRect rect = view->visualRect(item);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    QPoint(rect.left() + 4, rect.center().y()));
  if (view->isVisible()) box->hidePopup();
  QCoreApplication::processEvents();
  QObject::disconnect(watch);
  if (chosen != index) {
    qFatal("could not choose item %d of %s (rect %d,%d %dx%d, viewport %dx%d)", index,
           qPrintable(box->objectName()), rect.x(), rect.y(), rect.width(), rect.height(),
           view->viewport()->width(), view->viewport()->height());
  }
}

int IndexOfValue(QComboBox *box, int value) {
  const int i = box->findText(QString::number(value));
  if (i < 0) qFatal("no list item %d in %s", value, qPrintable(box->objectName()));
  return i;
}

void FillEnclosure(const Enclosure &e) {
  Type(Gaervik->Edit1, e.h);
  Type(Gaervik->Edit2, e.w);
  Type(Gaervik->Edit3, e.d);
  Choose(Gaervik->box1, e.material);
  Choose(Gaervik->box2, e.installation);
  Type(Gaervik->Edit4, e.phg);
  Choose(Gaervik->box3, IndexOfValue(Gaervik->box3, e.temax));
  Choose(Gaervik->box4, IndexOfValue(Gaervik->box4, e.temin));
  Choose(Gaervik->box5, IndexOfValue(Gaervik->box5, e.humidity));
  Choose(Gaervik->box6, IndexOfValue(Gaervik->box6, e.tenmax));
  Choose(Gaervik->box7, IndexOfValue(Gaervik->box7, e.tenmin));
}

void Click(QWidget *widget) {
  QTest::mouseClick(widget, Qt::LeftButton);
}

void WhenShown(QWidget *window, std::function<void()> action) {
  auto *timer = new QTimer;
  timer->setInterval(1);
  QObject::connect(timer, &QTimer::timeout, [timer, window, action] {
    if (!window->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    action();
  });
  timer->start();
}

void WindowTest::init() {
  climate::CreateWindows();
  Gaervik->show();
  QVERIFY(QTest::qWaitForWindowExposed(Gaervik));
  Messages().Clear();
}

void WindowTest::cleanup() {
  climate::DestroyWindows();
}

int RunTests(QObject *tests, int argc, char **argv) {
  climate::TApplication app(argc, argv);
  climate::SetMessagePresenter(&Messages());
  return QTest::qExec(tests, argc, argv);
}

}  // namespace testing_ui
