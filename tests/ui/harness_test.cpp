// The window-test helpers themselves: a modal window that does not open, does not open
// modally, or whose action does not finish fails the test; and whatever went wrong, the
// next test starts clean. Each failure here is expected (QEXPECT_FAIL) and is the proof.
#include <QApplication>
#include <QTest>

#include <chrono>

#include "app/a_SW.h"
#include "app/app.h"
#include "balance/aervik.h"
#include "report/save.h"
#include "selection/heat.h"
#include "tests/ui/ui_harness.h"

using namespace testing_ui;
using namespace std::chrono_literals;

class HarnessTest : public WindowTest {
  Q_OBJECT

 private slots:
  void aWindowThatDoesNotOpenFailsTheTest() {
    QVERIFY(!Gaervik->Total_spec->isEnabled());  // the click cannot open the save window
    bool acted = false;
    QEXPECT_FAIL("", "the save window does not open", Continue);
    const bool ok = InModalWindow(
        save_form, [] { Click(Gaervik->Total_spec); }, [&acted] { acted = true; });
    QVERIFY(!ok);
    QVERIFY(!acted);
  }

  void aWindowThatNeverOpensWhileTheUserIsHeldElsewhereFailsAfterTheTimeLimit() {
    // The click opens another modal window, which nobody closes.
    QEXPECT_FAIL("", "the about window opens instead of the save window", Continue);
    QWidget *shown = RunModal(
        {save_form}, [] { about_SW->ShowModal(); }, [](QWidget *) {}, 200ms);
    QCOMPARE(shown, nullptr);
    QVERIFY(!about_SW->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  void anActionThatDoesNotFinishFailsAndEveryWindowIsClosed() {
    // The action is held in a modal window of its own that nobody closes.
    QEXPECT_FAIL("", "the action waits for the about window", Continue);
    QWidget *shown = RunModal(
        {heat_form}, [] { heat_form->ShowModal(); }, [](QWidget *) { about_SW->ShowModal(); },
        200ms);
    QCOMPARE(shown, heat_form);
    QVERIFY(!heat_form->isVisible());
    QVERIFY(!about_SW->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  void aWindowShownWithoutAModalRunFailsAndIsClosed() {
    bool acted = false;
    QEXPECT_FAIL("", "the about window is shown, not modally", Continue);
    QWidget *shown = RunModal(
        {about_SW}, [] { about_SW->show(); }, [&acted](QWidget *) { acted = true; });
    QCOMPARE(shown, about_SW);
    QVERIFY(!acted);
    QVERIFY(!about_SW->isVisible());
  }

  void aFailedCheckInsideTheWindowEndsTheActionAndClosesTheWindow() {
    bool after_the_check = false;
    QEXPECT_FAIL("", "a check inside the heater window fails", Abort);
    const bool ok = InModalWindow(
        heat_form, [] { heat_form->ShowModal(); },
        [&after_the_check] {
          QCOMPARE(heat_form->windowTitle(), QString("not the heater window's title"));
          after_the_check = true;
        });
    Q_UNUSED(ok);  // an expected failure does not fail the test
    QVERIFY(!after_the_check);
    QVERIFY(!heat_form->isVisible());
  }

  // Runs after all the failed runs above: a timer or action left over from any of them
  // would act on this test's new windows (or on the destroyed ones) and show up here, under
  // the sanitizers as a use after free.
  void theNextTestStartsClean() {
    int runs = 0;
    QVERIFY(InModalWindow(
        heat_form, [] { heat_form->ShowModal(); }, [&runs] { ++runs; }));
    QVERIFY(InModalWindow(
        heat_form, [] { heat_form->ShowModal(); }, [&runs] { ++runs; }));
    QTest::qWait(50);
    QCOMPARE(runs, 2);
  }

  void keysAFieldRefusesFailTheTest() {
    Type(Gaervik->Edit4, "2750");
    QEXPECT_FAIL("", "a fifth digit is refused", Continue);
    Type(Gaervik->Edit4, "0");
    QCOMPARE(Gaervik->Edit4->text(), QString("2750"));
  }

  void anItemThatCannotBeChosenFailsTheTest() {
    QEXPECT_FAIL("", "the material list has three items", Continue);
    Choose(Gaervik->box1, 3);
    QCOMPARE(Gaervik->box1->currentIndex(), -1);
  }
};

UI_TEST_CLASS(HarnessTest)
#include "harness_test.moc"
