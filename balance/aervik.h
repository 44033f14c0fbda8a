// The main window `Gaervik` (Qt): the enclosure inputs, the heat balance and the workflow state.
//
// How a calculation flows: the eleven inputs (groups 1 to 4) → the select button `Button1`
// reads them (ReadEnclosure) → the core computes the balance (balance/heat_balance.*) → the
// window keeps it in `balance` and shows the decision as up to two suggestions, each a
// picture and a text (ShowDecision) → a click on a suggestion text opens a selection window
// (balance/workflow.*) → its export marks the kind done here and may enable `Total_spec` →
// `Total_spec` opens the save window (report/save.*). Any input change hides the
// suggestions and resets the selection windows opened from the first one.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

#include <cstdint>
#include <optional>

#include "app/labels.h"
#include "app/pictures.h"
#include "balance/heat_balance.h"

class TGaervik : public QMainWindow {
  Q_OBJECT

 public:
  explicit TGaervik(QWidget *parent = nullptr);

  // Menu.
  QMenuBar *mainmenu1;
  QMenu *Lang_m_1;      // language menu, hidden
  QAction *Lang_m_2_1;  // Russian, no action bound
  QAction *Lang_m_2_2;  // English, no action bound
  QAction *N1;          // "О программе": the about window

  // Logos.
  climate::TImage *Image5;  // the product's logo
  climate::TImage *Image4;  // the maker's logo

  // 1. Enclosure: dimensions, material, installation. Each labelN is the caption of the input
  // below it.
  QGroupBox *GroupBox1;
  QLabel *label2;
  QLineEdit *Edit1;  // height, mm
  QLabel *label3;
  QLineEdit *Edit2;  // width, mm
  QLabel *label4;
  QLineEdit *Edit3;  // depth, mm
  QLabel *label5;
  QComboBox *box1;  // material: steel, stainless steel, polycarbonate
  QLabel *label6;
  QComboBox *box2;              // installation: which sides are free
  climate::TImage *Image_inst;  // plan of the installation chosen
  climate::TImageList *Image1;  // installation plans, by installation index

  // 2. Heat dissipation.
  QGroupBox *GroupBox2;
  QLabel *label8;
  QLineEdit *Edit4;  // heat dissipated inside, W

  // 3. Ambient air.
  QGroupBox *GroupBox3;
  QLabel *label9;
  QComboBox *box3;  // maximum ambient temperature, °C; row of the dew-point table
  QLabel *label10;
  QComboBox *box4;  // minimum ambient temperature, °C
  QLabel *label11;
  QComboBox *box5;  // relative humidity, %; column of the dew-point table

  // 4. Inside the enclosure.
  QGroupBox *GroupBox4;
  QLabel *label14;
  QComboBox *box6;  // maximum inside temperature, °C
  QLabel *label15;
  QComboBox *box7;  // minimum inside temperature, °C

  // 5. Equipment type.
  QGroupBox *GroupBox6;
  QPushButton *Button1;           // the select button: runs the calculation
  climate::TImage *Image2;        // picture of the first suggestion
  climate::TLinkLabel *name_p1;   // text of the first suggestion
  climate::TImage *Image3;        // picture of the second suggestion
  climate::TLinkLabel *name_p2;   // text of the second suggestion
  QPushButton *Total_spec;        // the total specification: opens the save window
  climate::TLabel *Status_alarm;  // no-solution text
  QLabel *Status_dew;  // inside minimum and dew point; lies below the client area, never seen

  climate::TImageList *ImageList1;  // equipment pictures

  // Heat balance of the last complete calculation and the counters of the equipment needed
  // (heat, vent, cooler).
  climate::BalanceFields balance;

  // Workflow: which windows were opened from the first suggestion.
  int32_t sw_heat = 0;
  int32_t sw_vent = 0;
  int32_t sw_cool = 0;

  // Language number: 1 Russian, 2 English.
  int32_t t_lang = 0;

  // Handlers.
  void FormCreate();
  void FormActivate();
  bool Edit1KeyPress(QKeyEvent *event);  // true when the character is discarded
  void box1Change();
  void box2Change();
  void box7Change();
  void Button1Click();
  void name_p1Click();
  void name_p2Click();
  void Total_specClick();
  void N1Click();
  void lang_m_2_1Click();
  void lang_m_2_2Click();

  // Shows each suggestion text as a link exactly while a click on it opens a window: it has
  // a text and the counters name a window for it.
  void RefreshSuggestionLinks();

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void showEvent(QShowEvent *event) override;

 private:
  void BuildInputs(QWidget *client);
  void BuildResults(QWidget *client);
  void InputChanged(bool hide_pictures);
  // The select button's steps: the inputs read (nothing when one is missing or the surface
  // is zero, after the message), then the decision shown.
  std::optional<climate::EnclosureInput> ReadEnclosure();
  void ShowDecision(const climate::HeatBalance &result);
  void ApplyLanguage(int32_t t_lang);
  bool activated_ = false;
  QPointer<QWidget> last_focus_;  // the last input or button that had the keyboard focus
};

extern TGaervik *Gaervik;
