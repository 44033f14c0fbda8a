// The main window: the enclosure inputs, the heat balance and the workflow state.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <cstdint>
#include <optional>

#include "app/widgets.h"
#include "balance/heat_balance.h"

class TGaervik : public QMainWindow {
  Q_OBJECT

 public:
  explicit TGaervik(QWidget *parent = nullptr);

  // Menu.
  QMenuBar *mainmenu1;
  QMenu *Lang_m_1;
  QAction *Lang_m_2_1;
  QAction *Lang_m_2_2;
  QAction *N1;

  // Logos.
  climate::TImage *Image5;
  climate::TImage *Image4;

  // 1. Enclosure: dimensions, material, installation.
  QGroupBox *GroupBox1;
  QLabel *label2;
  QLineEdit *Edit1;
  QLabel *label3;
  QLineEdit *Edit2;
  QLabel *label4;
  QLineEdit *Edit3;
  QLabel *label5;
  QComboBox *box1;
  QLabel *label6;
  QComboBox *box2;
  climate::TImage *Image_inst;
  climate::TImageList *Image1;  // installation plans, by installation index

  // 2. Heat dissipation.
  QGroupBox *GroupBox2;
  QLabel *label8;
  QLineEdit *Edit4;

  // 3. Ambient air.
  QGroupBox *GroupBox3;
  QLabel *label9;
  QComboBox *box3;
  QLabel *label10;
  QComboBox *box4;
  QLabel *label11;
  QComboBox *box5;

  // 4. Inside the enclosure.
  QGroupBox *GroupBox4;
  QLabel *label14;
  QComboBox *box6;
  QLabel *label15;
  QComboBox *box7;

  // 5. Equipment type.
  QGroupBox *GroupBox6;
  QPushButton *Button1;
  climate::TImage *Image2;
  climate::TLinkLabel *name_p1;
  climate::TImage *Image3;
  climate::TLinkLabel *name_p2;
  QPushButton *Total_spec;
  climate::TLabel *Status_alarm;
  QLabel *Status_dew;  // lies below the client area and is never seen

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
};

extern TGaervik *Gaervik;
