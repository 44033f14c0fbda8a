// The cooling-unit window driven as a user drives it, from the main window's heat balance
// to the exported unit.
#include <QTest>

#include <functional>

#include "app/app.h"
#include "balance/aervik.h"
#include "balance/workflow.h"
#include "selection/cool.h"
#include "tests/ui/ui_harness.h"

using namespace testing_ui;

namespace {

// Main-window balance whose cooling power is `phg` + 5.5 · 2 · (`temax` − `tenmax`).
void SetCoolerBalance(float phg, float temax, float tenmax, int32_t t_lang = 1) {
  Gaervik->balance.PHG = phg;
  Gaervik->balance.K = 5.5f;
  Gaervik->balance.S = 2.0f;
  Gaervik->balance.TEMAX = temax;
  Gaervik->balance.TENMAX = tenmax;
  Gaervik->t_lang = t_lang;
  Gaervik->balance.cooler = 1;
}

QStringList Items(const QComboBox *box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

}  // namespace

class CoolWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void activationSetsPowerTextsAndVoltageList() {
    SetCoolerBalance(500, 40, 35);
    QVERIFY(InModalWindow(
        cool_form, [] { cool_form->ShowModal(); },
        [] {
          QCOMPARE(cool_form->fields.PCOM_COOL, 555.0f);
          QCOMPARE(Items(cool_form->Volt_cool), QStringList({"~230 В", "~400 В, 2 фазы"}));
          QCOMPARE(cool_form->Volt_cool->currentIndex(), -1);
          QCOMPARE(cool_form->windowTitle(), QString("Подбор кондиционера"));
          QCOMPARE(cool_form->Label2->text(), QString("Тип кондиционера:"));
        }));

    // English, 2445 + 55 = 2500 W: one voltage.
    SetCoolerBalance(2445, 40, 35, 2);
    QVERIFY(InModalWindow(
        cool_form, [] { cool_form->ShowModal(); },
        [] {
          QCOMPARE(Items(cool_form->Volt_cool), QStringList{"~400/440 Vac, 3 ph"});
          QCOMPARE(cool_form->windowTitle(), QString("Choosing of cooler"));
          QCOMPARE(cool_form->GroupBox6->title(), QString("Basic parametrs"));
          QCOMPARE(Items(cool_form->Type_cool), QStringList({"Wall", "Roof"}));
        }));

    // Above 4000 W and without need of cooling the list stays as it was.
    for (float phg : {3946.0f, 0.0f}) {
      SetCoolerBalance(phg, phg > 0 ? 40 : 30, 35, 2);
      QVERIFY(InModalWindow(
          cool_form, [] { cool_form->ShowModal(); },
          [] { QCOMPARE(Items(cool_form->Volt_cool), QStringList{"~400/440 Vac, 3 ph"}); }));
    }
  }

  void createAndExportTheWorkedExample_data() {
    QTest::addColumn<int>("heat");
    QTest::newRow("cooling alone") << 0;
    QTest::newRow("with a heater") << 1;
  }
  void createAndExportTheWorkedExample() {
    QFETCH(int, heat);
    SetCoolerBalance(500, 40, 35);
    Gaervik->balance.heat = heat;
    bool exported = false;
    QVERIFY(InModalWindow(
        cool_form, [] { cool_form->ShowModal(); },
        [&exported] {
          QVERIFY(!cool_form->Button1->isEnabled());
          Choose(cool_form->Type_cool, 0);
          QVERIFY(cool_form->Image1->isVisible());
          QCOMPARE(cool_form->Image1->pictureIndex(), 1);
          QCOMPARE(cool_form->Image1->pictureList(), cool_form->ImageList1);
          Choose(cool_form->Volt_cool, 1);
          QVERIFY(cool_form->Button1->isEnabled());
          QVERIFY(!cool_form->Button2->isEnabled());
          Click(cool_form->Button1);
          QCOMPARE(cool_form->Memo1->text(),
                   QString("CK-W0800-2 - Навесной кондиционер 800 Вт, 400В (2 фазы) x 1 шт."));
          QCOMPARE(QString::fromStdString(cool_form->fields.cool_code), QString("CK-W0800-2"));
          QCOMPARE(QString::fromStdString(cool_form->fields.cool_qnt), QString("1"));
          QVERIFY(cool_form->Button2->isEnabled());
          QVERIFY(!Gaervik->Total_spec->isEnabled());
          Click(cool_form->Button2);
          exported = !cool_form->isVisible();
        }));
    QVERIFY(exported);
    QVERIFY(Gaervik->Total_spec->isEnabled());
    climate::TImage *slot = heat > 0 ? Gaervik->Image3 : Gaervik->Image2;
    climate::TImage *other = heat > 0 ? Gaervik->Image2 : Gaervik->Image3;
    QCOMPARE(slot->pictureIndex(), 6);
    QCOMPARE(slot->pictureList(), Gaervik->ImageList1);
    QCOMPARE(other->pictureIndex(), -1);
    QCOMPARE(Gaervik->balance.heat, heat);
  }

  void mountingChangeStartsTheChoiceOver() {
    SetCoolerBalance(500, 40, 35);
    ResetSelectionWindows(SelectionReset::Full);
    QVERIFY(cool_form->Image1->isHidden());
    QVERIFY(InModalWindow(
        cool_form, [] { cool_form->ShowModal(); },
        [] {
          Choose(cool_form->Type_cool, 0);
          Choose(cool_form->Volt_cool, 0);
          Click(cool_form->Button1);
          QCOMPARE(cool_form->Memo1->text(),
                   QString("CK-W0800-1 - Навесной кондиционер 800 Вт, 230В (1 фаза) x 1 шт."));

          Choose(cool_form->Type_cool, 1);
          QVERIFY(cool_form->Image1->isVisible());
          QCOMPARE(cool_form->Image1->pictureIndex(), 2);
          QCOMPARE(cool_form->Volt_cool->currentIndex(), -1);
          QCOMPARE(cool_form->Memo1->text(), QString());
          QVERIFY(!cool_form->Button1->isEnabled());
          QVERIFY(!cool_form->Button2->isEnabled());
        }));
  }

  void reopeningClearsTheVoltageButNotCreate() {
    SetCoolerBalance(500, 40, 35);
    QVERIFY(InModalWindow(
        cool_form, [] { cool_form->ShowModal(); },
        [] {
          Choose(cool_form->Type_cool, 0);
          Choose(cool_form->Volt_cool, 0);
          Click(cool_form->Button1);
        }));
    // Without a voltage, create takes the last variant of the band: 2 up to 1000 W, 3 above.
    const struct {
      float phg;
      const char *code;
    } reopenings[] = {{500, "CK-W0800-2"}, {1145, "CK-W1500-3"}};
    for (const auto &r : reopenings) {
      SetCoolerBalance(r.phg, 40, 35);
      QVERIFY(InModalWindow(
          cool_form, [] { cool_form->ShowModal(); },
          [&r] {
            QCOMPARE(cool_form->Volt_cool->currentIndex(), -1);
            QVERIFY(cool_form->Button1->isEnabled());
            QCOMPARE(cool_form->Type_cool->currentIndex(), 0);
            Click(cool_form->Button1);
            QCOMPARE(QString::fromStdString(cool_form->fields.cool_code), QString(r.code));
          }));
    }
  }

  // A power no unit covers lists no unit, and the unit of the earlier create is gone from the
  // fields the workbook is written from.
  void powerWithoutUnitListsNoUnit() {
    SetCoolerBalance(500, 40, 35);
    QVERIFY(InModalWindow(
        cool_form, [] { cool_form->ShowModal(); },
        [] {
          Choose(cool_form->Type_cool, 0);
          Choose(cool_form->Volt_cool, 0);
          Click(cool_form->Button1);
        }));
    const struct {
      float phg, temax;
      const char *text;
    } cases[] = {
        {4445.5f, 40, "Для мощности в 4500 Вт, решение отсутствует!"},  // 4500.5 W
        {0, 30, "Для мощности в -55 Вт, решение отсутствует!"},
    };
    for (const auto &c : cases) {
      SetCoolerBalance(c.phg, c.temax, 35);
      QVERIFY(InModalWindow(
          cool_form, [] { cool_form->ShowModal(); },
          [&c] {
            Click(cool_form->Button1);
            QCOMPARE(cool_form->Memo1->text(), QString(c.text));
            QVERIFY(cool_form->Button2->isEnabled());
            QCOMPARE(QString::fromStdString(cool_form->fields.cool_code), QString());
            QCOMPARE(QString::fromStdString(cool_form->fields.cool_name), QString());
            QCOMPARE(QString::fromStdString(cool_form->fields.cool_qnt), QString());
          }));
    }
  }
};

UI_TEST_CLASS(CoolWindowTest)
#include "cool_window_test.moc"
