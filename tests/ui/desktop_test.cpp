// The program on a real X11 desktop, as many users have it: a window manager, a panel along
// the top of the screen and an accessibility bus that screen readers listen on. Run through
// tests/x11_desktop.sh, which starts Xvfb, openbox and the bus.
#include <QAccessible>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <memory>

#include "balance/aervik.h"
#include "selection/heat.h"
#include "tests/ui/journey.h"
#include "tests/ui/ui_harness.h"

using namespace testing_ui;

namespace {

// What assistive technologies are told of, as the toolkit hands it to them: the names of the
// objects an alert was raised for.
QStringList &Announced() {
  static QStringList announced;
  return announced;
}

void Record(QAccessibleEvent *event) {
  if (event->type() == QAccessible::Alert) {
    Announced() << event->accessibleInterface()->text(QAccessible::Name);
  }
}

}  // namespace

class DesktopTest : public WindowTest {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
             "needs an X11 desktop: run through tests/x11_desktop.sh");
    // A dock window 32 pixels high that reserves the top of the screen, as a desktop panel
    // does.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    panel_ = std::make_unique<QWidget>();
    panel_->setAttribute(Qt::WA_X11NetWmWindowTypeDock);
    panel_->setGeometry(0, 0, screen.width(), 32);
    panel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
    const QString strut =
        QStringLiteral("0, 0, 32, 0, 0, 0, 0, 0, 0, %1, 0, 0").arg(screen.width() - 1);
    QCOMPARE(QProcess::execute(
                 QStringLiteral("xprop"),
                 {QStringLiteral("-id"), QString::number(panel_->winId()), QStringLiteral("-f"),
                  QStringLiteral("_NET_WM_STRUT_PARTIAL"), QStringLiteral("32c"),
                  QStringLiteral("-set"), QStringLiteral("_NET_WM_STRUT_PARTIAL"), strut}),
             0);
    QTRY_COMPARE(QGuiApplication::primaryScreen()->availableGeometry().top(), 32);
    // A screen reader is listening: the toolkit's accessibility is switched on.
    QTRY_VERIFY(QAccessible::isActive());
  }
  void cleanupTestCase() { panel_.reset(); }

  void theMainWindowLiesBelowATopPanel() {
    // The frame, title bar and menu included, at the corner of the area the panel leaves.
    QTRY_COMPARE(Gaervik->frameGeometry().topLeft(), QPoint(0, 32));
  }

  void aScreenReaderMeetsTheSuggestionsAsTheyAre() {
    Announced().clear();
    const auto previous = QAccessible::installUpdateHandler(Record);
    auto as_read = [](QWidget *w) { return QAccessible::queryAccessibleInterface(w); };
    auto actions = [&](QWidget *w) { return as_read(w)->actionInterface()->actionNames(); };
    const QString press = QAccessibleActionInterface::pressAction();

    // A suggestion that opens a window: a link read by its words, described by the figures,
    // pressed by the screen reader as by a click; the outcome read out at once.
    Select(kHeaterAndFan);
    QCOMPARE(Announced(), (QStringList{"Выбрать обогреватель", "Выбрать вентилятор"}));
    QAccessibleInterface *first = as_read(Gaervik->name_p1);
    QCOMPARE(first->role(), QAccessible::Link);
    QCOMPARE(first->text(QAccessible::Name), QString("Выбрать обогреватель"));
    QVERIFY(first->text(QAccessible::Description).contains("Нужна мощность обогрева"));
    QVERIFY(actions(Gaervik->name_p1).contains(press));
    QVERIFY(InModalWindow(
        heat_form, [&] { first->actionInterface()->doAction(press); }, [] {}));

    // Text that opens nothing is plain text; the outcome of the range is read out too.
    Announced().clear();
    Select(kNothing);
    QCOMPARE(as_read(Gaervik->name_p1)->role(), QAccessible::StaticText);
    QVERIFY(!actions(Gaervik->name_p1).contains(press));
    QCOMPARE(Announced(), QStringList{"оборудование микроклимата не требуется!!"});
    Announced().clear();
    Select(kNoSolution);
    QCOMPARE(Announced(), QStringList{Gaervik->Status_alarm->text()});

    // Names in the language of the interface.
    Gaervik->lang_m_2_2Click();
    Select(kHeaterAndFan);
    QCOMPARE(as_read(Gaervik->name_p1)->text(QAccessible::Name), QString("Choose heater"));
    Gaervik->name_p2->clear();
    QCOMPARE(as_read(Gaervik->name_p2)->text(QAccessible::Name), QString("Second suggestion"));
    QVERIFY(InModalWindow(
        heat_form, [] { Click(Gaervik->name_p1); },
        [&] {
          QCOMPARE(as_read(heat_form->Memo1)->text(QAccessible::Name), QString("Specification"));
        }));
    QAccessible::installUpdateHandler(previous);
  }

 private:
  std::unique_ptr<QWidget> panel_;
};

UI_TEST_CLASS(DesktopTest)
#include "desktop_test.moc"
