// The fan window worked as a user works it, opened modally over the main window.
#include <QTest>

#include <functional>

#include "app/app.h"
#include "balance/aervik.h"
#include "selection/venti.h"
#include "tests/ui/ui_harness.h"

using namespace testing_ui;

namespace {

// The balance of the worked example: 245 W to carry out over 10 K.
void SetFanBalance(int heat, int t_lang = 1) {
  Gaervik->balance.PHG = 300;
  Gaervik->balance.K = 5.5f;
  Gaervik->balance.S = 1.0f;
  Gaervik->balance.TEMAX = 30;
  Gaervik->balance.TENMAX = 40;
  Gaervik->balance.heat = heat;
  Gaervik->t_lang = t_lang;
}

void ChooseAndCreate(int altitude, int voltage) {
  Choose(vent_form->Point_sea, altitude);
  Choose(vent_form->Volt_vent, voltage);
  Click(vent_form->Button1);
}

int LineCount(const QString &text) {
  return static_cast<int>(text.split(QStringLiteral("\r\n")).size());
}

}  // namespace

class VentWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void activationDrawsThePictureAndSetsRussianTexts() {
    SetFanBalance(0, 2);
    vent_form->setWindowTitle("x");
    vent_form->Volt_vent->setItemText(1, "x");
    vent_form->Image1->hide();  // as a picture-hiding reset leaves it
    QVERIFY(InModalWindow(
        vent_form, [] { vent_form->ShowModal(); },
        [] {
          QVERIFY(vent_form->Image1->isVisible());
          QCOMPARE(vent_form->Image1->pictureIndex(), 3);
          QCOMPARE(vent_form->Image1->pictureList(), vent_form->ImageList1);
          QCOMPARE(vent_form->Image1->brushColour(), climate::ButtonFace());
          QCOMPARE(vent_form->fields.PCOM_VENT, 245.0f);
          QCOMPARE(vent_form->windowTitle(), QString("Подбор вентилятора"));
          QCOMPARE(vent_form->Volt_vent->itemText(1), QString("~115 В"));
          QCOMPARE(vent_form->Point_sea->currentIndex(), -1);
          QVERIFY(!vent_form->Button1->isEnabled());
          QVERIFY(!vent_form->Button2->isEnabled());
          // A voltage alone enables create, which then asks for the altitude.
          Choose(vent_form->Volt_vent, 0);
          Click(vent_form->Button1);
          QCOMPARE(vent_form->Memo1->text(),
                   QString("Please, choose the altitude above sea level!"));
          QVERIFY(!vent_form->Button2->isEnabled());
        }));
    QVERIFY(Messages().errors.isEmpty());
    QCOMPARE(vent_form->fields.VFP, 0.0f);
    QCOMPARE(QString::fromStdString(vent_form->fields.vent_code), QString());
    QCOMPARE(QString::fromStdString(vent_form->fields.qnt_pv), QString());
  }

  void createTwiceThenExportWithoutHeater() {
    SetFanBalance(0);
    QString first;
    int result = -1;
    QVERIFY(InModalWindow(
        vent_form, [&result] { result = vent_form->ShowModal(); },
        [&first] {
          Choose(vent_form->Point_sea, 0);
          QVERIFY(!vent_form->Button1->isEnabled());
          Choose(vent_form->Volt_vent, 0);
          QVERIFY(vent_form->Button1->isEnabled());
          QVERIFY(!vent_form->Button2->isEnabled());
          Click(vent_form->Button1);
          first = vent_form->Memo1->text();
          Click(vent_form->Button1);
          QCOMPARE(vent_form->Memo1->text(), first);
          QVERIFY(vent_form->Button2->isEnabled());
          Click(vent_form->Button2);
        }));
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(LineCount(first), 4);
    QVERIFY(first.startsWith("FK-270-230 - "));
    QCOMPARE(QString::fromStdString(vent_form->fields.term_code), QString("TK-NO"));
    QCOMPARE(QString::fromStdString(vent_form->fields.gigro_name),
             QString("Гигростат, перекидной контакт"));
    QVERIFY(Gaervik->Total_spec->isEnabled());
    QCOMPARE(Gaervik->Image2->pictureIndex(), 7);
  }

  void withHeaterListsTwoEnglishLinesAndExportsToTheSecondSlot() {
    SetFanBalance(1, 2);
    vent_form->fields.term_name = "earlier";
    QVERIFY(InModalWindow(
        vent_form, [] { vent_form->ShowModal(); },
        [] {
          ChooseAndCreate(0, 1);
          QCOMPARE(LineCount(vent_form->Memo1->text()), 2);
          QVERIFY(vent_form->Memo1->text().startsWith("FK-270-115 - Fan filter, 230/270 m3/hour"));
          Click(vent_form->Button2);
        }));
    QCOMPARE(QString::fromStdString(vent_form->fields.qnt_pv), QString("pcs."));
    QCOMPARE(QString::fromStdString(vent_form->fields.term_name), QString("earlier"));
    QCOMPARE(QString::fromStdString(vent_form->fields.term_code), QString());
    QCOMPARE(Gaervik->Image3->pictureIndex(), 7);
    QVERIFY(Gaervik->Image2->pictureIndex() != 7);
  }

  void altitudeChangeClearsVoltageAndList() {
    SetFanBalance(0);
    QVERIFY(InModalWindow(
        vent_form, [] { vent_form->ShowModal(); },
        [] {
          ChooseAndCreate(0, 0);
          Choose(vent_form->Point_sea, 1);
          QCOMPARE(vent_form->Volt_vent->currentIndex(), -1);
          QCOMPARE(vent_form->Memo1->text(), QString());
          QVERIFY(!vent_form->Button2->isEnabled());
          QVERIFY(vent_form->Button1->isEnabled());
          // Create now takes the 115 V fan of the band.
          Click(vent_form->Button1);
          QCOMPARE(QString::fromStdString(vent_form->fields.vent_code), QString("FK-270-115"));
          QCOMPARE(vent_form->fields.F, 3.2f);
        }));
  }

  void closeBoxKeepsChoicesAndListThenNoSolutionEmptiesItems() {
    SetFanBalance(0);
    int result = -1;
    QVERIFY(InModalWindow(
        vent_form, [&result] { result = vent_form->ShowModal(); }, [] { ChooseAndCreate(0, 0); }));
    QCOMPARE(result, int(QDialog::Rejected));
    const QString list = vent_form->Memo1->text();
    QVERIFY(!Gaervik->Total_spec->isEnabled());
    // A heavier load, seen by the next activation: 3.1 · 1945 / 10 = 602.95 m³/h.
    Gaervik->balance.PHG = 2000;
    QVERIFY(InModalWindow(
        vent_form, [] { vent_form->ShowModal(); },
        [&list] {
          QCOMPARE(vent_form->Point_sea->currentIndex(), 0);
          QCOMPARE(vent_form->Volt_vent->currentIndex(), 0);
          QCOMPARE(vent_form->Memo1->text(), list);
          QVERIFY(vent_form->Button2->isEnabled());
          Click(vent_form->Button1);
          QCOMPARE(vent_form->Memo1->text(),
                   QString("Для воздушного потока в 603 решение отсутствует!"));
          QVERIFY(vent_form->Button2->isEnabled());
        }));
    QCOMPARE(QString::fromStdString(vent_form->fields.vent_code), QString());
    QCOMPARE(QString::fromStdString(vent_form->fields.term_code), QString());
  }
};

UI_TEST_CLASS(VentWindowTest)
#include "vent_window_test.moc"
