// Whole user journeys through the main window and the selection windows: which window a
// suggestion opens, how exports combine on the main window, and what resets them.
#include <QTest>

#include <functional>
#include <source_location>

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

const Enclosure kHeaterAlone{"2000", "800", "600", 0, 0, "100", 20, -20, 10, 40, 10};
const Enclosure kHeaterAndCooler{"2000", "800", "600", 0, 0, "100", 45, -30, 10, 35, 10};
const Enclosure kFanAlone{"2000", "800", "600", 0, 0, "800", 30, 10, 10, 40, 5};

}  // namespace

class WorkflowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void heaterAndFanWithTheFanExportedFirst() {
    Select(kHeaterAndFan);
    QCOMPARE(ClickSuggestion(Gaervik->name_p2, Export), vent_form);
    QVERIFY(Gaervik->Total_spec->isEnabled());
    QCOMPARE(Gaervik->Image3->pictureIndex(), 7);
    QCOMPARE(Gaervik->sw_vent, 0);  // the second suggestion records nothing

    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), heat_form);
    QVERIFY(Gaervik->Total_spec->isEnabled());
    QCOMPARE(Gaervik->balance.heat, 2);
    QCOMPARE(Gaervik->sw_heat, 1);
    QCOMPARE(Gaervik->Image2->pictureIndex(), 5);
    QCOMPARE(Gaervik->Image2->brushColour(), climate::ButtonFace());
  }

  void heaterAndFanWithTheHeaterExportedFirst() {
    Select(kHeaterAndFan);
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), heat_form);
    QVERIFY(!Gaervik->Total_spec->isEnabled());
    QCOMPARE(Gaervik->Image2->pictureIndex(), 5);
    QCOMPARE(Gaervik->balance.heat, 2);

    // With the heater done, the first text now opens the fan window.
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), vent_form);
    QCOMPARE(Gaervik->sw_vent, 1);
    QVERIFY(Gaervik->Total_spec->isEnabled());
    QCOMPARE(Gaervik->Image3->pictureIndex(), 7);
    QCOMPARE(Gaervik->Image2->pictureIndex(), 5);
    QCOMPARE(Gaervik->balance.vent, 1);
  }

  void heaterAloneThenTheTextOpensNothing() {
    Select(kHeaterAlone);
    QCOMPARE(Gaervik->balance.heat, 1);
    QCOMPARE(Gaervik->balance.vent + Gaervik->balance.cooler, 0);
    QCOMPARE(ClickSuggestion(Gaervik->name_p2, Export), nullptr);
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), heat_form);
    QVERIFY(Gaervik->Total_spec->isEnabled());
    QCOMPARE(Gaervik->balance.heat, 2);
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), nullptr);
    QCOMPARE(ClickSuggestion(Gaervik->name_p2, Export), nullptr);
  }

  void heaterAndCoolerWithTheHeaterExported() {
    Select(kHeaterAndCooler);
    QCOMPARE(Gaervik->balance.heat, 1);
    QCOMPARE(Gaervik->balance.cooler, 1);
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), heat_form);
    QVERIFY(!Gaervik->Total_spec->isEnabled());
    QCOMPARE(Gaervik->name_p1->text(), QString("Выбрать обогреватель"));
    // The heater text now opens the cooling window, and records it.
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, CloseBox), cool_form);
    QCOMPARE(Gaervik->sw_cool, 1);
    QVERIFY(!Gaervik->Total_spec->isEnabled());
    QCOMPARE(ClickSuggestion(Gaervik->name_p2, Export), cool_form);
    QVERIFY(Gaervik->Total_spec->isEnabled());
    QCOMPARE(Gaervik->Image3->pictureIndex(), 6);
  }

  void fanAloneExportsRepeatedly() {
    Select(kFanAlone);
    QCOMPARE(Gaervik->balance.vent, 1);
    QCOMPARE(Gaervik->balance.heat + Gaervik->balance.cooler, 0);
    QCOMPARE(Gaervik->name_p2->text(), QString());
    for (int i = 0; i < 2; ++i) {
      QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), vent_form);
      QCOMPARE(Gaervik->Image2->pictureIndex(), 7);
      QVERIFY(Gaervik->Total_spec->isEnabled());
      QCOMPARE(Gaervik->balance.vent, 1);
    }
    // The empty second text shows nothing to click and opens nothing.
    QVERIFY(!Gaervik->name_p2->IsActive());
    QCOMPARE(ClickSuggestion(Gaervik->name_p2, CloseBox), nullptr);
  }

  void coolerAloneFromTheFirstText() {
    Select(kCoolerAlone);
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), cool_form);
    QCOMPARE(Gaervik->sw_cool, 1);
    QCOMPARE(Gaervik->Image2->pictureIndex(), 6);
    QVERIFY(Gaervik->Total_spec->isEnabled());
  }

  void closeBoxRecordsNothingButTheFlag() {
    Select(kHeaterAndFan);
    QCOMPARE(ClickSuggestion(Gaervik->name_p1,
                             [](QWidget *w) {
                               Create(w);
                               w->close();
                             }),
             heat_form);
    QCOMPARE(Gaervik->sw_heat, 1);
    QCOMPARE(Gaervik->balance.heat, 1);
    QCOMPARE(Gaervik->Image2->pictureIndex(), 4);
    QVERIFY(!Gaervik->Total_spec->isEnabled());
    // The window shows the same choices at its next showing.
    QCOMPARE(ClickSuggestion(Gaervik->name_p1,
                             [](QWidget *w) {
                               QCOMPARE(heat_form->box1->currentIndex(), 0);
                               QVERIFY(!heat_form->Memo1->text().isEmpty());
                               w->close();
                             }),
             heat_form);
  }

  void fanOpenedOnlyFromTheSecondTextSurvivesAnInputChange() {
    Select(kHeaterAndFan);
    ClickSuggestion(Gaervik->name_p1, [](QWidget *w) {
      Create(w);
      w->close();
    });
    ClickSuggestion(Gaervik->name_p2, [](QWidget *w) {
      Create(w);
      w->close();
    });
    const QString fan_list = vent_form->Memo1->text();
    QVERIFY(!fan_list.isEmpty());

    Gaervik->Edit1->setFocus();
    Gaervik->Edit1->end(false);
    QTest::keyClick(Gaervik->Edit1, Qt::Key_Backspace);  // the height changes
    QCOMPARE(Gaervik->Edit1->text(), QString("200"));
    QCOMPARE(heat_form->box1->currentIndex(), -1);
    QCOMPARE(heat_form->Memo1->text(), QString());
    QVERIFY(!heat_form->Button1->isEnabled());
    QVERIFY(!heat_form->Button2->isEnabled());
    QCOMPARE(vent_form->Point_sea->currentIndex(), 0);
    QCOMPARE(vent_form->Memo1->text(), fan_list);
    QVERIFY(vent_form->Button2->isEnabled());

    // The next select resets every window.
    Click(Gaervik->Button1);
    QCOMPARE(vent_form->Point_sea->currentIndex(), -1);
    QCOMPARE(vent_form->Volt_vent->currentIndex(), -1);
    QCOMPARE(vent_form->Memo1->text(), QString());
    QVERIFY(!vent_form->Button1->isEnabled());
    QVERIFY(!vent_form->Button2->isEnabled());
  }

  void installationAndInsideMinimumHideTheWindowsPictures() {
    Select(kHeaterAndFan);
    ClickSuggestion(Gaervik->name_p1, [](QWidget *w) {
      Create(w);
      heat_form->check_compact->click();  // ticked options are unticked by a reset
      w->close();
    });
    ClickSuggestion(Gaervik->name_p1, CloseBox);  // heat is still 1: the heater again
    Gaervik->sw_vent = 1;                         // as if opened from the first text
    vent_form->Image1->show();

    Choose(Gaervik->box1, 1);  // plain reset: pictures stay
    QVERIFY(!heat_form->Image1->isHidden());
    QVERIFY(!vent_form->Image1->isHidden());
    QVERIFY(!heat_form->check_compact->isChecked());

    Choose(Gaervik->box2, 3);  // picture-hiding reset
    QVERIFY(heat_form->Image1->isHidden());
    QVERIFY(vent_form->Image1->isHidden());

    // The cooling window's picture goes with every reset, even the plain one.
    cool_form->Image1->show();
    Gaervik->sw_cool = 1;
    Choose(Gaervik->box3, 0);
    QVERIFY(cool_form->Image1->isHidden());
    Gaervik->sw_cool = 0;
    cool_form->Image1->show();
    Choose(Gaervik->box3, 1);
    QVERIFY(!cool_form->Image1->isHidden());
    Click(Gaervik->Button1);  // the full reset handles every window
    QVERIFY(cool_form->Image1->isHidden());
  }

  void selectAgainClearsEveryExportEffect() {
    Select(kHeaterAndFan);
    ClickSuggestion(Gaervik->name_p1, Export);
    ClickSuggestion(Gaervik->name_p1, Export);
    QVERIFY(Gaervik->Total_spec->isEnabled());
    QCOMPARE(Gaervik->balance.heat, 2);

    Click(Gaervik->Button1);
    QCOMPARE(Gaervik->balance.heat, 1);
    QCOMPARE(Gaervik->balance.vent, 1);
    QVERIFY(!Gaervik->Total_spec->isEnabled());
    QCOMPARE(Gaervik->Image2->pictureIndex(), 4);
    QCOMPARE(Gaervik->Image3->pictureIndex(), 3);
    QCOMPARE(heat_form->Memo1->text(), QString());
    QCOMPARE(vent_form->Memo1->text(), QString());
    // No item of the last calculation stays for the reports.
    QCOMPARE(QString::fromStdString(heat_form->fields.heat_code + heat_form->fields.term_code +
                                    heat_form->fields.gigro_code),
             QString());
    QCOMPARE(heat_form->fields.q_mem, 0.0f);
    QCOMPARE(QString::fromStdString(vent_form->fields.vent_code + vent_form->fields.vent_code_2),
             QString());
  }

  void totalSpecificationOpensTheSaveWindow() {
    Select(kHeaterAlone);
    ClickSuggestion(Gaervik->name_p1, Export);
    QVERIFY(InModalWindow(
        save_form, [] { Click(Gaervik->Total_spec); }, [] {}));
    QVERIFY(!save_form->isVisible());
  }
};

UI_TEST_CLASS(WorkflowTest)
#include "workflow_test.moc"
