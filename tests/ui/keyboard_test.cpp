// The program driven from the keyboard alone: the Tab route through every window, Enter on
// buttons and suggestion texts, Delete in the number fields, and a whole journey from the
// empty main window to a saved specification without a mouse.
#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/a_SW.h"
#include "app/contrast.h"
#include "balance/aervik.h"
#include "report/save.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"
#include "tests/ui/dark_palette.h"
#include "tests/ui/journey.h"
#include "tests/ui/ui_harness.h"

using namespace testing_ui;

namespace {

const Enclosure kHeaterAloneHumid{"2000", "800", "600", 0, 0, "100", 20, -20, 50, 40, 10};

// A key pressed and released where the keyboard focus is, as the keyboard delivers it.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget *target = QApplication::focusWidget();
  QVERIFY2(target, "no widget has the keyboard focus");
  QTest::keyPress(target, key, modifiers);
  // The release goes wherever the focus went.
  if (QWidget *now = QApplication::focusWidget()) QTest::keyRelease(now, key, modifiers);
}

// Characters typed where the focus is.
void TypeKeys(const QString &text) {
  QTest::keyClicks(QApplication::focusWidget(), text);
}

QString Focused() {
  QWidget *w = QApplication::focusWidget();
  return w ? w->objectName() : QString("<none>");
}

// The focus after each of `count` presses of Tab.
QStringList TabRoute(int count) {
  QStringList route;
  for (int i = 0; i < count; ++i) {
    Press(Qt::Key_Tab);
    route << Focused();
  }
  return route;
}

// Makes `window` the active one, as the window manager does with a window that opens (the
// headless platform leaves that to the program).
void Activate(QWidget *window) {
  window->show();
  QApplication::setActiveWindow(window);
  QVERIFY(QTest::qWaitForWindowActive(window));
  QCOMPARE(QApplication::activeWindow(), window);
}

// Presses `key` where the focus is and runs `work` in the selection or save window that the
// key opens. Returns the window that opened, or nullptr when none did; a window that `work`
// leaves open is closed, one that does not close in time fails the test.
QWidget *OpenWithKey(Qt::Key key, const std::function<void(QWidget *)> &work,
                     std::source_location where = std::source_location::current()) {
  QWidget *before = QApplication::activeWindow();
  QWidget *opened = RunModal(
      {heat_form, vent_form, cool_form, save_form}, [key] { Press(key); },
      [&work](QWidget *w) {
        Activate(w);
        work(w);
      },
      kModalTimeout, where);
  // The window manager gives the activation back to the window below; here the test does.
  if (before != nullptr && QApplication::activeWindow() != before) Activate(before);
  return opened;
}

// Every button of the five windows that have buttons.
QList<QPushButton *> AllButtons() {
  return {Gaervik->Button1,   Gaervik->Total_spec, heat_form->Button1, heat_form->Button2,
          vent_form->Button1, vent_form->Button2,  cool_form->Button1, cool_form->Button2,
          save_form->Button1, save_form->Button2};
}

}  // namespace

class KeyboardTest : public WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    WindowTest::init();
    Activate(Gaervik);
  }

  void tabReachesTheSuggestionsAfterTheSelectButton() {
    FillEnclosure(kHeaterAndFan);
    Activate(Gaervik);
    Gaervik->Button1->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Return);
    QCOMPARE(Gaervik->balance.heat, 1);
    // Total specification still disabled: after the second suggestion Tab wraps round.
    QCOMPARE(TabRoute(3), (QStringList{"name_p1", "name_p2", "Edit1"}));

    // The order of the inputs stays, and the suggestions come between the select
    // button and the total specification.
    Gaervik->Total_spec->setEnabled(true);
    QCOMPARE(TabRoute(15),
             (QStringList{"Edit2", "Edit3", "box1", "box2", "Edit4", "box3", "box4", "box5", "box6",
                          "box7", "Button1", "name_p1", "name_p2", "Total_spec", "Edit1"}));
  }

  void enterOrSpaceOnASuggestionOpensItsWindow_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
  }

  void enterOrSpaceOnASuggestionOpensItsWindow() {
    QFETCH(int, key);
    Select(kHeaterAndFan);
    Activate(Gaervik);
    Gaervik->name_p1->setFocus(Qt::TabFocusReason);
    QWidget *first = OpenWithKey(Qt::Key(key), [](QWidget *w) { w->close(); });
    QCOMPARE(first, heat_form);
    QCOMPARE(Gaervik->sw_heat, 1);  // as a click records it
    // The focus comes back to the text.
    QCOMPARE(Focused(), QString("name_p1"));
    Press(Qt::Key_Tab);
    QWidget *second = OpenWithKey(Qt::Key(key), [](QWidget *w) { w->close(); });
    QCOMPARE(second, vent_form);
  }

  void textsThatOpenNothingAreNotFocused() {
    // The no-equipment text is plain: no focus, no link style, the arrow cursor.
    Select(kNothing);
    Activate(Gaervik);
    QVERIFY(!Gaervik->name_p1->text().isEmpty());
    QCOMPARE(Gaervik->name_p1->focusPolicy(), Qt::NoFocus);
    QVERIFY(!Gaervik->name_p1->font().underline());
    QCOMPARE(Gaervik->name_p1->cursor().shape(), Qt::ArrowCursor);
    Gaervik->Button1->setFocus(Qt::TabFocusReason);
    QCOMPARE(TabRoute(1), QStringList{"Edit1"});
    // Even with the focus put there, its keys open nothing.
    Gaervik->name_p1->setFocus(Qt::OtherFocusReason);
    Press(Qt::Key_Return);
    Press(Qt::Key_Space);
    QVERIFY(!heat_form->isVisible() && !vent_form->isVisible() && !cool_form->isVisible());
  }

  void anExportedSuggestionHandsTheFocusOn() {
    // A heater alone: once exported its text opens nothing, and the keyboard goes on to the
    // total specification that the export enabled.
    Select(kHeaterAloneHumid);
    Activate(Gaervik);
    QCOMPARE(Gaervik->balance.heat, 1);
    QCOMPARE(Gaervik->balance.vent + Gaervik->balance.cooler, 0);
    Gaervik->name_p1->setFocus(Qt::TabFocusReason);
    QWidget *opened = OpenWithKey(Qt::Key_Return, [](QWidget *w) { Export(w); });
    QCOMPARE(opened, heat_form);
    QCOMPARE(Gaervik->balance.heat, 2);
    QVERIFY(!Gaervik->name_p1->IsActive());
    QCOMPARE(Focused(), QString("Total_spec"));
  }

  void theFocusedSuggestionShowsAFrameThatStandsOut_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::palette();
    QTest::newRow("dark") << DarkPalette();
  }

  void theFocusedSuggestionShowsAFrameThatStandsOut() {
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    Select(kHeaterAndFan);
    Activate(Gaervik);
    Gaervik->Button1->setFocus(Qt::TabFocusReason);
    const QImage plain = Gaervik->name_p1->grab().toImage();
    Press(Qt::Key_Tab);
    QVERIFY(Gaervik->name_p1->hasFocus());
    const QImage framed = Gaervik->name_p1->grab().toImage();
    // The frame is what focus adds; each of its pixels stands out from the background by 3:1.
    const QColor background = palette.color(QPalette::Window);
    int pixels = 0;
    double weakest = 21;
    for (int y = 0; y < framed.height(); ++y) {
      for (int x = 0; x < framed.width(); ++x) {
        if (framed.pixel(x, y) == plain.pixel(x, y)) continue;
        ++pixels;
        weakest = std::min(weakest, climate::ContrastRatio(framed.pixelColor(x, y), background));
      }
    }
    QApplication::setPalette(QPalette());
    QVERIFY(pixels > 0);
    QVERIFY2(weakest >= 3.0, qPrintable(QString::number(weakest)));
    Press(Qt::Key_Tab);
    QCOMPARE(Gaervik->name_p1->grab().toImage(), plain);
  }

  void theAboutWindowFromTheMenuBarGivesTheFocusBack_data() {
    QTest::addColumn<bool>("mnemonic");
    QTest::newRow("Alt, then Enter") << false;
    QTest::newRow("Alt+О") << true;
  }

  void theAboutWindowFromTheMenuBarGivesTheFocusBack() {
    QFETCH(bool, mnemonic);
    Gaervik->Edit3->setFocus(Qt::TabFocusReason);
    QVERIFY(InModalWindow(
        about_SW,
        [mnemonic] {
          if (mnemonic) {
            // The letter as a Russian keyboard layout gives it.
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(u'О'),
                                QStringLiteral("о"), Qt::AltModifier);
          } else {
            Press(Qt::Key_Alt);
            Press(Qt::Key_Return);
          }
        },
        [] { about_SW->close(); }));
    Activate(Gaervik);  // the window manager's part
    QCOMPARE(Focused(), QString("Edit3"));
  }

  void aHeldEnterLeavesTheMessageToBeRead() {
    // Enter on the select button with nothing filled in brings the message; the repeats of
    // the held key reach its OK button and must not close it before it is read.
    const RealDialogs real;
    Gaervik->Button1->setFocus(Qt::TabFocusReason);
    bool stayed = false;
    bool closed = false;
    RunModal(
        {}, [] { Press(Qt::Key_Return); },
        [&](QWidget *box) {
          Activate(box);
          QWidget *ok = QApplication::focusWidget();
          QVERIFY(ok);
          for (int i = 0; i < 3; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
            QApplication::sendEvent(ok, &repeat);
          }
          stayed = box->isVisible();
          QTest::keyClick(ok, Qt::Key_Return);  // pressed anew: read, and closed
          closed = !box->isVisible();
        });
    QVERIFY(stayed);
    QVERIFY(closed);
    Activate(Gaervik);
    QCOMPARE(Focused(), QString("Edit1"));  // the first input the message named
  }

  void enterPressesTheFocusedButtonInEveryWindow_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("key");
    const QStringList names{"main select", "main total",   "heater create", "heater export",
                            "fan create",  "fan export",   "cooler create", "cooler export",
                            "save text",   "save workbook"};
    for (int i = 0; i < names.size(); ++i) {
      QTest::newRow(qPrintable(names[i] + " Return")) << i << int(Qt::Key_Return);
      QTest::newRow(qPrintable(names[i] + " keypad Enter")) << i << int(Qt::Key_Enter);
    }
  }

  void enterPressesTheFocusedButtonInEveryWindow() {
    QFETCH(int, index);
    QFETCH(int, key);
    QPushButton *button = AllButtons().at(index);
    // What the button does is not the point here: only that Enter presses it.
    QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
    Activate(button->window());
    button->setEnabled(true);
    button->setFocus(Qt::TabFocusReason);
    QVERIFY(button->hasFocus());
    QSignalSpy pressed(button, &QPushButton::clicked);
    Press(Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(pressed.count(), 1);
    // A held key presses it once: its repeats are not presses.
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(button, &repeat);
    QCOMPARE(pressed.count(), 1);
    // A disabled button takes nothing.
    button->setEnabled(false);
    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(pressed.count(), 1);
  }

  void aStrayEnterInAFieldOrListPressesNothing_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("main height field") << "Gaervik/Edit1";
    QTest::newRow("main material list") << "Gaervik/box1";
    QTest::newRow("heater mode list") << "heat_form/box1";
    QTest::newRow("heater option") << "heat_form/check_termo";
    QTest::newRow("fan altitude list") << "vent_form/Point_sea";
    QTest::newRow("cooler voltage list") << "cool_form/Volt_cool";
  }

  void aStrayEnterInAFieldOrListPressesNothing() {
    QFETCH(QString, control);
    const QStringList path = control.split('/');
    QWidget *window = nullptr;
    for (QWidget *w : std::initializer_list<QWidget *>{Gaervik, heat_form, vent_form, cool_form}) {
      if (w->objectName() == path[0]) window = w;
    }
    QVERIFY(window);
    QWidget *target = window->findChild<QWidget *>(path[1]);
    QVERIFY(target);
    Activate(window);
    QList<QSignalSpy *> spies;
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
      b->setEnabled(true);
      QObject::disconnect(b, &QPushButton::clicked, nullptr, nullptr);
      spies << new QSignalSpy(b, &QPushButton::clicked);
      // No button waits for a stray Enter as the window's default one.
      QVERIFY2(!b->isDefault() && !b->autoDefault(), qPrintable(b->objectName()));
    }
    target->setFocus(Qt::TabFocusReason);
    QVERIFY(target->hasFocus());
    Press(Qt::Key_Return);
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    for (QSignalSpy *spy : spies) QCOMPARE(spy->count(), 0);
    QVERIFY(window->isVisible());
    qDeleteAll(spies);
  }

  void deleteWorksInTheNumberFields_data() {
    QTest::addColumn<QString>("field");
    for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit4"}) QTest::newRow(name) << name;
  }

  void deleteWorksInTheNumberFields() {
    QFETCH(QString, field);
    auto *edit = Gaervik->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    Type(edit, "1234");
    edit->setCursorPosition(1);
    // Under X11 the Delete key carries the character 0x7F.
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Delete, QString(QChar(0x7F)), Qt::NoModifier);
    QCOMPARE(edit->text(), QString("134"));
    // Backspace as X11 sends it, with the character 8.
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Backspace, QString(QChar(8)), Qt::NoModifier);
    QCOMPARE(edit->text(), QString("34"));
    // Other control and typed characters still do not get in.
    for (const QChar c : {QChar('a'), QChar('-'), QChar(' '), QChar(0x7E)}) {
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QCOMPARE(edit->text(), QString("34"));
  }

  void theHeaterWindowTabsInTheOrderOfTheWork() {
    Activate(heat_form);
    heat_form->Button1->setEnabled(true);
    heat_form->Button2->setEnabled(true);
    heat_form->box1->setFocus(Qt::TabFocusReason);
    QCOMPARE(TabRoute(6),
             (QStringList{"check_compact", "check_termo", "Button1", "Button2", "Memo1", "box1"}));
  }

  void aWholeJourneyWithTheKeyboardAlone() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Messages().file_names.enqueue(dir.filePath("total"));

    // The inputs, from the height on: digits in the fields, arrows in the lists.
    QCOMPARE(Focused(), QString("Edit1"));
    auto next = [] { Press(Qt::Key_Tab); };
    auto pick = [](int index) {
      Press(Qt::Key_Home);
      for (int i = 0; i < index; ++i) Press(Qt::Key_Down);
    };
    TypeKeys("2000");
    next();
    TypeKeys("800");
    next();
    TypeKeys("600");
    next();
    pick(0);  // steel
    next();
    pick(0);  // free on all sides
    next();
    TypeKeys("500");
    next();
    pick(3);  // ambient maximum 35
    next();
    pick(7);  // ambient minimum -5
    next();
    pick(4);  // humidity 50
    next();
    pick(6);  // inside maximum 40
    next();
    pick(2);  // inside minimum 10
    next();
    QCOMPARE(Focused(), QString("Button1"));
    Press(Qt::Key_Return);
    QCOMPARE(Gaervik->balance.heat, 1);
    QCOMPARE(Gaervik->balance.vent, 1);

    // The heater: mode, past the options to create, then export.
    next();
    QWidget *heater = OpenWithKey(Qt::Key_Return, [&](QWidget *) {
      QCOMPARE(Focused(), QString("box1"));
      // Opened from the keyboard, the window shows its focus frame at once.
      QVERIFY(heat_form->testAttribute(Qt::WA_KeyboardFocusChange));
      pick(0);
      next();
      next();
      next();
      QCOMPARE(Focused(), QString("Button1"));
      Press(Qt::Key_Return);
      next();
      Press(Qt::Key_Return);
    });
    QCOMPARE(heater, heat_form);
    QVERIFY(heat_form->Memo1->text().startsWith("HK-V400"));
    QCOMPARE(Gaervik->balance.heat, 2);

    // The fan, from the second suggestion: altitude, voltage, create, export.
    next();
    QCOMPARE(Focused(), QString("name_p2"));
    QWidget *fan = OpenWithKey(Qt::Key_Return, [&](QWidget *) {
      pick(0);
      next();
      pick(0);
      next();
      Press(Qt::Key_Return);
      next();
      Press(Qt::Key_Return);
    });
    QCOMPARE(fan, vent_form);
    QVERIFY(Gaervik->Total_spec->isEnabled());

    // The total specification into a text file.
    next();
    QCOMPARE(Focused(), QString("Total_spec"));
    QWidget *save = OpenWithKey(Qt::Key_Return, [&](QWidget *) {
      QCOMPARE(Focused(), QString("Button1"));
      Press(Qt::Key_Return);
    });
    QCOMPARE(save, save_form);
    QVERIFY(!save_form->isVisible());
    const QByteArray text = ReadFile(dir.filePath("total.txt"));
    QVERIFY2(text.contains("\r\nHK-V400 - ") && text.contains("\r\nFK-270-230 - "),
             text.constData());
  }
};

UI_TEST_CLASS(KeyboardTest)
#include "keyboard_test.moc"
