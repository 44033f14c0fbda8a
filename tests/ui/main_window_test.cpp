// The main window driven as a user drives it: inputs, the select button and its results.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <functional>
#include <initializer_list>
#include <utility>

#include "app/Totalsp.h"
#include "app/a_SW.h"
#include "app/abouttervax.h"
#include "app/app.h"
#include "balance/aervik.h"
#include "report/save.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"
#include "tests/ui/journey.h"
#include "tests/ui/ui_harness.h"

using namespace testing_ui;

namespace {

void Fill(const Enclosure &e) {
  FillEnclosure(e);
}

}  // namespace

class MainWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  // Painting never throws through the toolkit: a picture that cannot be drawn leaves the
  // box empty, and errors the user can meet speak the interface's language.
  void aPictureThatCannotBeDrawnIsLoggedNotThrown() {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.svg");
    // The artwork as SVG, and as the build without Qt SVG holds it, rendered.
    for (const QString &name : {broken, dir.filePath("broken@1x.png")}) {
      QFile file(name);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("not a picture");
    }
    climate::TImage box(Gaervik->centralWidget(), "broken", QRect(0, 0, 20, 20));
    box.SetPicture(broken);
    box.show();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Не найдена картинка: .*broken.svg"));
    box.repaint();
    Gaervik->lang_m_2_2Click();
    try {
      climate::TImage missing(Gaervik->centralWidget(), "missing", QRect(0, 0, 20, 20));
      missing.SetPicture(dir.filePath("missing.svg"));
      QFAIL("a missing picture was accepted");
    } catch (const std::exception &e) {
      QVERIFY2(QString::fromUtf8(e.what()).startsWith("Picture not found: "), e.what());
    }
  }

  void startsWithEightWindowsOnlyTheMainOneShown() {
    const QList<QWidget *> windows{Gaervik,    heat_form,  vent_form, cool_form,
                                   total_form, about_form, save_form, about_SW};
    const QStringList names{"Gaervik",    "heat_form",  "vent_form", "cool_form",
                            "total_form", "about_form", "save_form", "about_SW"};
    for (int i = 0; i < windows.size(); ++i) {
      QVERIFY(windows[i]);
      QCOMPARE(windows[i]->objectName(), names[i]);
      QCOMPARE(windows[i]->isVisible(), i == 0);
    }
    // Dialogs belong to the main window: no taskbar button of their own.
    for (int i = 1; i < windows.size(); ++i) QCOMPARE(windows[i]->parentWidget(), Gaervik);

    QCOMPARE(Gaervik->centralWidget()->size(), QSize(674, 488));
    // The flame icon, drawn from its SVG for every window.
    for (QWidget *w : windows) QVERIFY(!w->windowIcon().pixmap(32, 32).isNull());
    QCOMPARE(Gaervik->windowTitle(), QString("Конфигуратор \"Norda aervik\" - Tervax - RU"));
    QCOMPARE(Gaervik->GroupBox4->title(), QString("4. Температура внутри шкафа"));
    QCOMPARE(Gaervik->t_lang, 1);
    QCOMPARE(Gaervik->sw_heat + Gaervik->sw_vent + Gaervik->sw_cool, 0);
    QVERIFY(!Gaervik->Total_spec->isEnabled());
    QVERIFY(!Gaervik->Image2->isVisible());
    QVERIFY(!Gaervik->Image3->isVisible());
    QCOMPARE(Gaervik->name_p1->text(), QString());
    QCOMPARE(Gaervik->name_p2->text(), QString());
    QVERIFY(Gaervik->Edit1->hasFocus());
    QVERIFY(!Gaervik->Lang_m_1->menuAction()->isVisible());
    for (QComboBox *box : {Gaervik->box1, Gaervik->box2, Gaervik->box3, Gaervik->box4,
                           Gaervik->box5, Gaervik->box6, Gaervik->box7}) {
      QCOMPARE(box->currentIndex(), -1);
    }
    QCOMPARE(Gaervik->box3->count(), 16);
    QCOMPARE(Gaervik->box4->itemText(16), QString("-50"));
    QCOMPARE(Gaervik->box7->count(), 12);
  }

  void numericFieldsTakeOnlyFourDigits() {
    QLineEdit *e = Gaervik->Edit1;
    PressKeys(e, "1a-2., 3");
    QCOMPARE(e->text(), QString("123"));
    PressKeys(e, "45");
    QCOMPARE(e->text(), QString("1234"));
    QTest::keyClick(e, Qt::Key_Backspace);
    QCOMPARE(e->text(), QString("123"));

    // A fifth digit typed is refused without a word, as before.
    QTest::keyClicks(e, "45");
    QCOMPARE(e->text(), QString("1234"));
    QVERIFY(!QToolTip::isVisible());

    // Text pasted from the clipboard, as a spreadsheet cell or a document gives it: white space
    // and digit-group spaces go; anything else leaves the field as it was and says so.
    const struct {
      const char *pasted;
      const char *taken;  // nullptr: refused
    } pastes[] = {{"1200\r\n", "1200"}, {"1200\n", "1200"},     {"1 200", "1200"},
                  {" 800", "800"},      {"1\u00A0200", "1200"}, {"\t0042 ", "0042"},
                  {"12345", nullptr},   {"12a", nullptr},       {"-5", nullptr},
                  {"1 200 5", nullptr}, {"1,5", nullptr}};
    for (const auto &paste : pastes) {
      e->setText("7");
      e->selectAll();  // pasted over the number the field holds
      QToolTip::hideText();
      QGuiApplication::clipboard()->setText(QString::fromUtf8(paste.pasted));
      QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(e->text(), QString(paste.taken ? paste.taken : "7"));
      QCOMPARE(QToolTip::isVisible(), paste.taken == nullptr);
    }
  }

  void missingInputsAreListedInOrder() {
    Click(Gaervik->Button1);
    QCOMPARE(Messages().information.size(), 1);
    QCOMPARE(Messages().information[0],
             QString("Не заполненно поле: \r---> Высота (В, мм):\r---> Ширина (Ш, мм):"
                     "\r---> Глубина (Г, мм):\r---> Материал:\r---> Установка:"
                     "\r---> Мощность тепловыделения (Вт.):\r---> Макс. темп-ра окр. среды (С):"
                     "\r---> Мин. темп-ра окр. среды (С):\r---> Ср. относ-я влаж-ть (%):"
                     "\r---> Макс. темп-ра в шкафу (С):\r---> Мин. темп-ра в шкафу (С):"));
    // The user goes on at the first input the message names.
    QCOMPARE(Gaervik->focusWidget(), Gaervik->Edit1);

    Fill(kHeaterAndFan);
    Gaervik->Edit3->clear();
    Gaervik->box5->setCurrentIndex(-1);
    Messages().Clear();
    Click(Gaervik->Button1);
    QCOMPARE(Messages().information, QStringList{"Не заполненно поле: \r---> Глубина (Г, мм):"
                                                 "\r---> Ср. относ-я влаж-ть (%):"});
    QCOMPARE(Gaervik->focusWidget(), Gaervik->Edit3);
    QCOMPARE(Gaervik->balance.heat, 0);
    QCOMPARE(Gaervik->balance.S, 0.0f);
  }

  void insideMinimumAboveMaximumIsRefused() {
    // No maximum chosen yet: nothing to compare with.
    Choose(Gaervik->box7, IndexOfValue(Gaervik->box7, 55));
    QVERIFY(Messages().information.isEmpty());

    Choose(Gaervik->box6, IndexOfValue(Gaervik->box6, 40));
    Choose(Gaervik->box7, IndexOfValue(Gaervik->box7, 40));
    QVERIFY(Messages().information.isEmpty());
    Choose(Gaervik->box7, IndexOfValue(Gaervik->box7, 45));
    QCOMPARE(Messages().information,
             QStringList{"Минимальная температура внутри шкафа не может быть больше "
                         "максимальной, измените пожалуйста!"});
    QCOMPARE(Gaervik->box7->currentIndex(), -1);
    QCOMPARE(Gaervik->focusWidget(), Gaervik->box7);

    // A maximum chosen afterwards below the minimum is not checked.
    Messages().Clear();
    Choose(Gaervik->box7, IndexOfValue(Gaervik->box7, 30));
    Choose(Gaervik->box6, IndexOfValue(Gaervik->box6, 10));
    QVERIFY(Messages().information.isEmpty());
  }

  void heaterAndFanAreSuggested() {
    Fill(kHeaterAndFan);
    Click(Gaervik->Button1);
    QVERIFY(Messages().information.isEmpty());
    QCOMPARE(Gaervik->balance.heat, 1);
    QCOMPARE(Gaervik->balance.vent, 1);
    QCOMPARE(Gaervik->balance.cooler, 0);
    QCOMPARE(Gaervik->balance.K, 5.5f);
    QVERIFY(qAbs(Gaervik->balance.S - 5.712f) < 1e-5f);
    QCOMPARE(Gaervik->balance.PHG, 500.0f);
    QCOMPARE(Gaervik->balance.TEMAX, 35.0f);
    QCOMPARE(Gaervik->balance.TEMIN, -5.0f);
    QCOMPARE(Gaervik->balance.TENMAX, 40.0f);
    QCOMPARE(Gaervik->balance.TENMIN, 21.0f);
    QCOMPARE(Gaervik->Status_dew->text(), QString("21 21"));
    QVERIFY(Gaervik->Image2->isVisible());
    QCOMPARE(Gaervik->Image2->pictureIndex(), 4);
    QVERIFY(Gaervik->Image3->isVisible());
    QCOMPARE(Gaervik->Image3->pictureIndex(), 3);
    QCOMPARE(Gaervik->name_p1->text(), QString("Выбрать обогреватель"));
    QCOMPARE(Gaervik->name_p2->text(), QString("Выбрать вентилятор"));
    QCOMPARE(Gaervik->Status_alarm->text(), QString());
    QVERIFY(!Gaervik->Total_spec->isEnabled());
  }

  void coolingUnitIsSuggestedFirst() {
    Fill(kCoolerAlone);
    Click(Gaervik->Button1);
    QCOMPARE(Gaervik->balance.cooler, 1);
    QCOMPARE(Gaervik->balance.heat + Gaervik->balance.vent, 0);
    QCOMPARE(Gaervik->balance.S, 3.9f);
    QCOMPARE(Gaervik->balance.TENMIN, 20.0f);
    QCOMPARE(Gaervik->Status_dew->text(), QString("20 36"));
    QCOMPARE(Gaervik->Image2->pictureIndex(), 2);
    QVERIFY(!Gaervik->Image3->isVisible());
    QCOMPARE(Gaervik->name_p1->text(), QString("Выбрать кондиционер"));
    QCOMPARE(Gaervik->name_p2->text(), QString());
  }

  void noEquipmentShowsTheBadgeOnWhite() {
    Fill(kNothing);
    Click(Gaervik->Button1);
    QCOMPARE(Gaervik->balance.heat + Gaervik->balance.vent + Gaervik->balance.cooler, 0);
    QCOMPARE(Gaervik->Image2->pictureIndex(), 0);
    QCOMPARE(Gaervik->Image2->brushColour(), QColor(Qt::white));
    QVERIFY(Gaervik->Image2->isVisible());
    QVERIFY(Gaervik->Image3->isVisible());
    QCOMPARE(Gaervik->Image3->pictureIndex(), -1);
    QCOMPARE(Gaervik->Image3->brushColour(), climate::ButtonFace());
    QCOMPARE(Gaervik->name_p1->text(), QString("оборудование микроклимата\rне требуется!!"));
    QCOMPARE(Gaervik->Status_dew->text(), QString());
  }

  void noSolutionTextThenInputChangeKeepsIt() {
    Fill(kNoSolution);
    Click(Gaervik->Button1);
    const QString alarm(
        "Для указанного условия\rрешение в ассортименте Тервакс\rпока отстуствует!");
    QCOMPARE(Gaervik->Status_alarm->text(), alarm);
    QCOMPARE(Gaervik->name_p1->text(), QString());
    QCOMPARE(Gaervik->name_p2->text(), QString());

    // A new calculation that succeeds clears it; an input change does not. Each input
    // changes for real, and the change is seen: it disables the total-specification button.
    const auto changes = std::initializer_list<std::pair<const char *, std::function<void()>>>{
        {"dissipation",
         [] {
           Gaervik->Edit4->setFocus();
           Gaervik->Edit4->end(false);
           QTest::keyClick(Gaervik->Edit4, Qt::Key_Backspace);
         }},
        {"height",
         [] {
           Gaervik->Edit1->setFocus();
           Gaervik->Edit1->selectAll();
           Type(Gaervik->Edit1, "1200");
         }},
        {"material", [] { Choose(Gaervik->box1, 1); }},
        {"installation", [] { Choose(Gaervik->box2, 3); }},
        {"inside minimum", [] { Choose(Gaervik->box7, IndexOfValue(Gaervik->box7, 5)); }},
    };
    for (const auto &[what, change] : changes) {
      Gaervik->Total_spec->setEnabled(true);
      change();
      QVERIFY2(!Gaervik->Total_spec->isEnabled(), what);
      QCOMPARE(Gaervik->Status_alarm->text(), alarm);
    }
    QCOMPARE(Gaervik->Edit4->text(), QString("275"));
    QCOMPARE(Gaervik->Edit1->text(), QString("1200"));
    QCOMPARE(Gaervik->box7->currentText(), QString("5"));
    QCOMPARE(Gaervik->balance.PHG, 2750.0f);
  }

  void inputChangeHidesTheSuggestions() {
    Fill(kHeaterAndFan);
    Click(Gaervik->Button1);
    Gaervik->Total_spec->setEnabled(true);
    Choose(Gaervik->box1, 2);
    QVERIFY(!Gaervik->Image2->isVisible());
    QVERIFY(!Gaervik->Image3->isVisible());
    QCOMPARE(Gaervik->name_p1->text(), QString());
    QCOMPARE(Gaervik->name_p2->text(), QString());
    QVERIFY(!Gaervik->Total_spec->isEnabled());
    // The results stay until the next calculation.
    QCOMPARE(Gaervik->balance.heat, 1);
    QCOMPARE(Gaervik->balance.K, 5.5f);
  }

  void installationPictureFollowsTheChoice() {
    Choose(Gaervik->box2, 6);
    QCOMPARE(Gaervik->Image_inst->pictureIndex(), 6);
    QCOMPARE(Gaervik->Image_inst->pictureList(), Gaervik->Image1);
    QCOMPARE(Gaervik->Image_inst->brushColour(), QColor(Qt::white));
    Choose(Gaervik->box2, 0);
    QCOMPARE(Gaervik->Image_inst->pictureIndex(), 0);
  }

  void zeroSurfaceIsRefusedBeforeCalculating() {
    Fill({"600", "0", "0", 0, 0, "500", 35, -5, 50, 40, 10});
    Click(Gaervik->Button1);
    QCOMPARE(Messages().information.size(), 1);
    QCOMPARE(Gaervik->focusWidget(), Gaervik->Edit2);  // the first dimension entered as 0
    QVERIFY(Messages().information[0].startsWith("Площадь поверхности шкафа"));
    QCOMPARE(Gaervik->balance.S, 0.0f);
    QCOMPARE(Gaervik->balance.heat + Gaervik->balance.vent + Gaervik->balance.cooler, 0);
    QVERIFY(!Gaervik->Image2->isVisible());
  }

  void anUnhandledErrorIsShownAndTheProgramGoesOn() {
    Fill(kHeaterAndFan);
    Gaervik->Edit1->setText("x");  // text no user can enter
    Messages().Clear();
    Click(Gaervik->Button1);
    QCOMPARE(Messages().errors.size(), 1);
    QVERIFY(Messages().errors[0].contains("x"));
    Gaervik->Edit1->setText("2000");
    Click(Gaervik->Button1);
    QCOMPARE(Gaervik->balance.heat, 1);
  }

  void everyControlCanBeFoundByAScreenReader() {
    // Each input is announced by its caption.
    for (QLabel *label : Gaervik->findChildren<QLabel *>(QRegularExpression("^label\\d+$"))) {
      QVERIFY2(label->buddy(), qPrintable(label->objectName()));
    }
    QList<QWidget *> named{Gaervik->name_p1, Gaervik->name_p2};
    for (QWidget *window :
         std::initializer_list<QWidget *>{Gaervik, heat_form, vent_form, cool_form, save_form}) {
      for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (!b->objectName().startsWith("qt_")) named << b;  // not Qt's own hidden ones
      }
      for (QWidget *memo : window->findChildren<QWidget *>("Memo1")) named << memo;
    }
    for (QWidget *w : named) {
      QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
      QVERIFY(a);
      QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
    }
  }

  void aboutWindowOpensModally() {
    QVERIFY(InModalWindow(
        about_SW, [] { Gaervik->N1->trigger(); }, [] { about_SW->close(); }));
    QVERIFY(!about_SW->isVisible());
    QCOMPARE(about_SW->StaticText1->text(),
             QString("Все предложенные комбинации и спецификации оборудования являются только "
                     "рекомендациями."));
  }
};

UI_TEST_CLASS(MainWindowTest)
#include "main_window_test.moc"
