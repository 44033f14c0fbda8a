// The heater window driven as a user drives it, opened modally over the main window.
#include <QTest>

#include <functional>

#include "app/app.h"
#include "balance/aervik.h"
#include "balance/heat_balance.h"
#include "balance/workflow.h"
#include "selection/heat.h"
#include "tests/ui/ui_harness.h"

using namespace testing_ui;

namespace {

// A heat balance that needs 65 W with constant operation and 165 W with periodic.
void SetHeaterBalance(int32_t vent, int32_t cooler) {
  Gaervik->balance.K = 5.5f;
  Gaervik->balance.S = 1;
  Gaervik->balance.TENMIN = 10;
  Gaervik->balance.TEMIN = -20;
  Gaervik->balance.PHG = 100;
  Gaervik->balance.heat = 1;
  Gaervik->balance.vent = vent;
  Gaervik->balance.cooler = cooler;
}

}  // namespace

class HeatWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void captionsFollowTheLanguageAtEveryShowing() {
    SetHeaterBalance(0, 0);
    Gaervik->t_lang = 2;
    QVERIFY(InModalWindow(
        heat_form, [] { heat_form->ShowModal(); },
        [] {
          QCOMPARE(heat_form->windowTitle(), QString("Choosing of heater"));
          QCOMPARE(heat_form->box1->itemText(1), QString("Cycling"));
          QCOMPARE(heat_form->Button2->text(), QString("Save into report"));
          QVERIFY(!heat_form->Button2->isEnabled());
          QCOMPARE(heat_form->box1->currentIndex(), -1);
          Choose(heat_form->box1, 1);
          Tick(heat_form->check_compact);
          Click(heat_form->Button1);
        }));
    QCOMPARE(Gaervik->balance.heat, 1);  // closed with the close box: nothing recorded

    const QString english_list = heat_form->Memo1->text();
    QVERIFY(english_list.endsWith("x 1 pcs."));
    Gaervik->t_lang = 1;
    QVERIFY(InModalWindow(
        heat_form, [] { heat_form->ShowModal(); },
        [&english_list] {
          QCOMPARE(heat_form->windowTitle(), QString("Подбор обогрева"));
          QCOMPARE(heat_form->check_compact->text(),
                   QString("Использовать компактные обогреватели"));
          // Choices and list stay as they were, the list in its own language.
          QCOMPARE(heat_form->box1->currentIndex(), 1);
          QVERIFY(heat_form->check_compact->isChecked());
          QCOMPARE(heat_form->Memo1->text(), english_list);
          QVERIFY(heat_form->Button2->isEnabled());
        }));
  }

  void photographComesBackAfterThePictureHidingReset() {
    SetHeaterBalance(0, 0);
    Gaervik->sw_heat = 1;
    ResetSelectionWindows(SelectionReset::PictureHiding);
    QVERIFY(heat_form->Image1->isHidden());
    QVERIFY(InModalWindow(
        heat_form, [] { heat_form->ShowModal(); },
        [] { QVERIFY(heat_form->Image1->isVisible()); }));
  }

  void modeAndOptionsEmptyTheList() {
    SetHeaterBalance(0, 0);
    QVERIFY(InModalWindow(
        heat_form, [] { heat_form->ShowModal(); },
        [] {
          Choose(heat_form->box1, 0);
          QVERIFY(heat_form->Button1->isEnabled());
          QVERIFY(!heat_form->Button2->isEnabled());
          Click(heat_form->Button1);
          QVERIFY(heat_form->Button2->isEnabled());
          QVERIFY(heat_form->Memo1->text().startsWith("HK-T080 - "));

          // An option ticked after a selection empties the list and disables export.
          Tick(heat_form->check_compact);
          QCOMPARE(heat_form->Memo1->text(), QString());
          QVERIFY(!heat_form->Button2->isEnabled());
          QCOMPARE(QString::fromStdString(heat_form->fields.heat_code),
                   QString("HK-T080"));  // the fields keep the selection

          Tick(heat_form->check_termo);
          Click(heat_form->Button1);
          QVERIFY(heat_form->Memo1->text().startsWith("HK-F075 - "));

          // Choosing a mode again, even the same one, unticks both options.
          Choose(heat_form->box1, 0);
          QVERIFY(!heat_form->check_compact->isChecked());
          QVERIFY(!heat_form->check_termo->isChecked());
          QCOMPARE(heat_form->Memo1->text(), QString());
          QVERIFY(!heat_form->Button2->isEnabled());
        }));
  }

  void exportOfAHeaterAlone() {
    SetHeaterBalance(0, 0);
    Gaervik->Image2->FillAndDraw(climate::ButtonFace(), *Gaervik->ImageList1, climate::kPicHeaters);
    int result = -1;
    QVERIFY(InModalWindow(
        heat_form, [&result] { result = heat_form->ShowModal(); },
        [] {
          Choose(heat_form->box1, 1);
          Tick(heat_form->check_compact);
          Click(heat_form->Button1);
          QCOMPARE(
              heat_form->Memo1->text(),
              QString("HK-F230 - Компактный обогреватель с кабелем и вентилятором, P=230W x 1 "
                      "шт.\r\n"
                      "TK-NC - Термостат, диапазон -10 ~ +80 градусов С, контакт NC (нормально "
                      "закрытый) x 1 шт.\r\n"
                      "HG-CO - Гигростат, перекидной контакт x 1 шт."));
          Click(heat_form->Button2);
        }));
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(heat_form->fields.PCOM_HEAT, 165.0f);
    QCOMPARE(Gaervik->balance.heat, 2);
    QVERIFY(Gaervik->Total_spec->isEnabled());
    QCOMPARE(Gaervik->Image2->pictureIndex(), int(climate::kPicHeatersDone));
    QCOMPARE(Gaervik->Image2->brushColour(), climate::ButtonFace());
  }

  void exportWithAFanOrCoolerLeavesTotalSpecDisabled() {
    for (const auto &[vent, cooler] : {std::pair{1, 0}, std::pair{0, 1}}) {
      SetHeaterBalance(vent, cooler);
      Gaervik->Total_spec->setEnabled(false);
      QVERIFY(InModalWindow(
          heat_form, [] { heat_form->ShowModal(); },
          [] {
            Choose(heat_form->box1, 0);
            Click(heat_form->Button1);
            Click(heat_form->Button2);
          }));
      QCOMPARE(QString::fromStdString(heat_form->fields.term_code),
               QString(vent ? "TK-CO" : "TK-NC"));
      QCOMPARE(Gaervik->balance.heat, 2);
      QVERIFY(!Gaervik->Total_spec->isEnabled());
      QCOMPARE(Gaervik->Image2->pictureIndex(), int(climate::kPicHeatersDone));
    }
  }
};

UI_TEST_CLASS(HeatWindowTest)
#include "heat_window_test.moc"
