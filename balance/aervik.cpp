#include "balance/aervik.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QShowEvent>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/a_SW.h"
#include "app/controls.h"
#include "app/errors.h"
#include "app/interface_language.h"
#include "app/lang.h"
#include "app/messages.h"
#include "app/placement.h"
#include "app/qt_text.h"
#include "app/translations.h"
#include "app/window_texts.h"
#include "balance/heat_balance.h"
#include "balance/suggestion_tooltips.h"
#include "balance/workflow.h"
#include "report/save.h"

TGaervik *Gaervik = nullptr;

using climate::EmptyItems;
using climate::Handler;
using climate::TImage;
using climate::TImageList;
namespace MT = climate::main_texts;

using climate::Q;
using climate::U;

namespace {

template <std::size_t N>
QStringList NumberItems(const std::array<int, N> &values) {
  QStringList items;
  for (int v : values) items << QString::number(v);
  return items;
}

QStringList Resources(const char *stem, int count) {
  QStringList list;
  for (int i = 0; i < count; ++i) list << QStringLiteral(":/assets/%1_%2.svg").arg(stem).arg(i);
  return list;
}

QLabel *Caption(QWidget *parent, const char *name, int x, int y, int width) {
  return climate::MakeLabel(parent, Q(name), QRect(x, y, width, 16));
}

QLineEdit *NumberField(QWidget *parent, const char *name, int x, int y) {
  return new climate::TNumberField(parent, Q(name), QRect(x, y, 60, 21));
}

QComboBox *List(QWidget *parent, const char *name, const QRect &geometry,
                const QStringList &items) {
  QComboBox *box = climate::MakeList(parent, Q(name), geometry, items);
  box->setMaxVisibleItems(17);
  return box;
}

QGroupBox *Group(QWidget *parent, const char *name, const QRect &geometry) {
  return climate::MakeGroup(parent, Q(name), geometry);
}

// Value of a numeric field: its digits read as a decimal number.
int32_t FieldValue(const QLineEdit *edit) {
  bool ok = false;
  const int value = edit->text().toInt(&ok);
  if (!ok || value < 0 || value > 9999) {
    throw std::runtime_error(
        U(climate::InterfaceText(climate::error_texts::kBadNumber) + edit->text()));
  }
  return value;
}

}  // namespace

TGaervik::TGaervik(QWidget *parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Gaervik"));
  setWindowIcon(climate::WindowIcon());
  setFont(QFont(QStringLiteral("Verdana"), 8));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);

  mainmenu1 = new QMenuBar(this);
  mainmenu1->setObjectName(QStringLiteral("mainmenu1"));
  setMenuBar(mainmenu1);
  Lang_m_1 = new QMenu(mainmenu1);
  Lang_m_1->setObjectName(QStringLiteral("Lang_m_1"));
  Lang_m_1->menuAction()->setObjectName(QStringLiteral("Lang_m_1"));
  Lang_m_2_1 =
      Lang_m_1->addAction(climate::ArtworkIcon(QStringLiteral(":/assets/flag_ru.svg")), QString());
  Lang_m_2_1->setObjectName(QStringLiteral("Lang_m_2_1"));
  Lang_m_2_2 =
      Lang_m_1->addAction(climate::ArtworkIcon(QStringLiteral(":/assets/flag_gb.svg")), QString());
  Lang_m_2_2->setObjectName(QStringLiteral("Lang_m_2_2"));
  mainmenu1->addMenu(Lang_m_1);
  // The language menu is hidden and its items carry no action; the interface runs in Russian.
  Lang_m_1->menuAction()->setVisible(false);
  N1 = mainmenu1->addAction(QString());
  N1->setObjectName(QStringLiteral("N1"));

  auto *client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(674, 488);
  setCentralWidget(client);

  Image5 = new TImage(client, QStringLiteral("Image5"), QRect(8, 7, 172, 50));
  Image5->SetPicture(QStringLiteral(":/assets/logo_product.svg"));
  Image5->SetPlateOnDark(true);
  Image4 = new TImage(client, QStringLiteral("Image4"), QRect(466, -8, 200, 73));
  Image4->SetPicture(QStringLiteral(":/assets/logo_maker.svg"));
  Image4->SetPlateOnDark(true);

  Image1 = new TImageList(this, QStringLiteral("Image1"), Resources("inst", 7), QSize(100, 100));
  ImageList1 =
      new TImageList(this, QStringLiteral("ImageList1"), Resources("equip", 8), QSize(100, 100));

  BuildInputs(client);
  BuildResults(client);

  Status_dew = new QLabel(client);
  Status_dew->setObjectName(QStringLiteral("Status_dew"));
  Status_dew->setGeometry(8, 488, 120, 13);

  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, Edit3);
  setTabOrder(Edit3, box1);
  setTabOrder(box1, box2);
  setTabOrder(box2, Edit4);
  setTabOrder(Edit4, box3);
  setTabOrder(box3, box4);
  setTabOrder(box4, box5);
  setTabOrder(box5, box6);
  setTabOrder(box6, box7);
  setTabOrder(box7, Button1);
  // The suggestion texts take the focus only while they open a window.
  setTabOrder(Button1, name_p1);
  setTabOrder(name_p1, name_p2);
  setTabOrder(name_p2, Total_spec);

  for (QLineEdit *edit : {Edit1, Edit2, Edit3, Edit4}) {
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, Handler([this] { box1Change(); }));
  }
  for (QComboBox *box : {box1, box3, box4, box5, box6}) {
    connect(box, &QComboBox::activated, this, Handler([this] { box1Change(); }));
  }
  connect(box2, &QComboBox::activated, this, Handler([this] { box2Change(); }));
  connect(box7, &QComboBox::activated, this, Handler([this] { box7Change(); }));
  connect(Button1, &QPushButton::clicked, this, Handler([this] { Button1Click(); }));
  connect(Total_spec, &QPushButton::clicked, this, Handler([this] { Total_specClick(); }));
  connect(name_p1, &climate::TLinkLabel::clicked, this, Handler([this] { name_p1Click(); }));
  connect(name_p2, &climate::TLinkLabel::clicked, this, Handler([this] { name_p2Click(); }));
  connect(N1, &QAction::triggered, this, Handler([this] { N1Click(); }));

  // The design texts: the Russian column of the language table, but for the caption and
  // the title of group 4, which the Russian switch writes differently.
  climate::SetRussianTexts(this, MT::kSwitchTable);
  setWindowTitle(Q(MT::kDesignCaption));
  GroupBox4->setTitle(Q(MT::kDesignGroupBox4));
  N1->setText(Q(MT::kDesignMenuAbout));

  // Where the keyboard was last among the inputs and buttons, to go back to from the menu bar.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
    if (now != nullptr && centralWidget()->isAncestorOf(now)) last_focus_ = now;
  });

  layout()->setSizeConstraint(QLayout::SetFixedSize);
  move(0, 0);
  FormCreate();
}

void TGaervik::BuildInputs(QWidget *client) {
  GroupBox1 = Group(client, "GroupBox1", QRect(8, 64, 329, 169));
  // The material list is wide enough for "Поликарбонат" and "Polycarbonate"; the fields
  // line up with it, and the installation picture sits inside the frame.
  label2 = Caption(GroupBox1, "label2", 8, 23, 100);
  Edit1 = NumberField(GroupBox1, "Edit1", 110, 20);
  label3 = Caption(GroupBox1, "label3", 8, 48, 100);
  Edit2 = NumberField(GroupBox1, "Edit2", 110, 45);
  label4 = Caption(GroupBox1, "label4", 8, 73, 100);
  Edit3 = NumberField(GroupBox1, "Edit3", 110, 70);
  label5 = Caption(GroupBox1, "label5", 8, 98, 100);
  box1 = List(GroupBox1, "box1", QRect(110, 95, 112, 21), EmptyItems(MT::kSwitchTable, "box1"));
  Image_inst = new TImage(GroupBox1, QStringLiteral("Image_inst"), QRect(224, 24, 100, 100));
  label6 = Caption(GroupBox1, "label6", 8, 123, 200);
  box2 = List(GroupBox1, "box2", QRect(8, 141, 313, 21), EmptyItems(MT::kSwitchTable, "box2"));
  box2->view()->setMinimumWidth(300);

  GroupBox2 = Group(client, "GroupBox2", QRect(8, 239, 329, 50));
  label8 = Caption(GroupBox2, "label8", 8, 24, 240);
  Edit4 = NumberField(GroupBox2, "Edit4", 261, 21);

  GroupBox3 = Group(client, "GroupBox3", QRect(8, 295, 329, 105));
  label9 = Caption(GroupBox3, "label9", 8, 24, 245);
  box3 = List(GroupBox3, "box3", QRect(261, 21, 60, 21), NumberItems(climate::kAmbientMaxItems));
  label10 = Caption(GroupBox3, "label10", 8, 51, 245);
  box4 = List(GroupBox3, "box4", QRect(261, 48, 60, 21), NumberItems(climate::kAmbientMinItems));
  label11 = Caption(GroupBox3, "label11", 8, 78, 245);
  box5 = List(GroupBox3, "box5", QRect(261, 75, 60, 21), NumberItems(climate::kHumidityItems));

  GroupBox4 = Group(client, "GroupBox4", QRect(8, 406, 329, 76));
  label14 = Caption(GroupBox4, "label14", 8, 24, 245);
  box6 = List(GroupBox4, "box6", QRect(261, 21, 60, 21), NumberItems(climate::kInsideMaxItems));
  label15 = Caption(GroupBox4, "label15", 8, 51, 245);
  box7 = List(GroupBox4, "box7", QRect(261, 48, 60, 21), NumberItems(climate::kInsideMinItems));

  const std::pair<QLabel *, QWidget *> buddies[] = {
      {label2, Edit1}, {label3, Edit2}, {label4, Edit3}, {label5, box1},
      {label6, box2},  {label8, Edit4}, {label9, box3},  {label10, box4},
      {label11, box5}, {label14, box6}, {label15, box7}};
  for (const auto &[label, input] : buddies) label->setBuddy(input);
}

void TGaervik::BuildResults(QWidget *client) {
  GroupBox6 = Group(client, "GroupBox6", QRect(343, 62, 324, 420));
  Button1 = climate::MakeButton(GroupBox6, QStringLiteral("Button1"), QRect(16, 22, 289, 35));
  Image2 = new TImage(GroupBox6, QStringLiteral("Image2"), QRect(16, 74, 100, 100));
  Image2->hide();
  name_p1 = new climate::TLinkLabel(GroupBox6, QStringLiteral("name_p1"), QRect(122, 108, 196, 60),
                                    MT::kFirstSuggestionName);
  name_p1->setText(QStringLiteral("name_p1"));
  Image3 = new TImage(GroupBox6, QStringLiteral("Image3"), QRect(16, 180, 100, 100));
  Image3->hide();
  name_p2 = new climate::TLinkLabel(GroupBox6, QStringLiteral("name_p2"), QRect(122, 222, 196, 40),
                                    MT::kSecondSuggestionName);
  name_p2->setText(QStringLiteral("name_p2"));
  Total_spec =
      climate::MakeButton(GroupBox6, QStringLiteral("Total_spec"), QRect(16, 298, 289, 38));
  Total_spec->setEnabled(false);
  Status_alarm =
      new climate::TLabel(GroupBox6, QStringLiteral("Status_alarm"), QRect(24, 360, 292, 54));
  Status_alarm->SetAccent(QColor(0xC0, 0x00, 0x00));
}

void TGaervik::FormCreate() {
  // The design texts of the suggestion labels are placeholders.
  name_p1->setText(QString());
  name_p2->setText(QString());
  RefreshSuggestionLinks();
}

void TGaervik::RefreshSuggestionLinks() {
  name_p1->SetActive(!name_p1->text().isEmpty() && FirstSuggestionWindow() != nullptr);
  name_p2->SetActive(!name_p2->text().isEmpty() && SecondSuggestionWindow() != nullptr);
  RefreshSuggestionTooltips(*this);
}

void TGaervik::showEvent(QShowEvent *event) {
  QMainWindow::showEvent(event);
  if (!activated_ && !event->spontaneous()) {
    activated_ = true;
    climate::PlaceFrameAtTopLeft(this);
    climate::Guarded([this] { FormActivate(); });
  }
}

void TGaervik::FormActivate() {
  Edit1->setFocus();
  t_lang = climate::kRussian;
  climate::UseToolkitTexts(t_lang);
  sw_heat = 0;
  sw_vent = 0;
  sw_cool = 0;
}

bool TGaervik::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress &&
      (watched == Edit1 || watched == Edit2 || watched == Edit3 || watched == Edit4)) {
    return Edit1KeyPress(static_cast<QKeyEvent *>(event));
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TGaervik::Edit1KeyPress(QKeyEvent *event) {
  // Only digits and Backspace reach a numeric field. Keys that type no character (arrows,
  // Delete) and shortcuts with Ctrl pass on; the field's validator refuses anything else.
  // Under X11 the Delete key carries the character 0x7F: it is a key, not a typed character.
  const QString typed = event->text();
  if (typed.size() != 1 || (event->modifiers() & Qt::ControlModifier)) return false;
  const char16_t c = typed.at(0).unicode();
  const bool kept = c == 8 || (c >= u'0' && c <= u'9');
  return !kept && c >= 0x20 && c != 0x7F;
}

void TGaervik::InputChanged(bool hide_pictures) {
  Image2->hide();
  Image3->hide();
  name_p1->setText(QString());
  name_p2->setText(QString());
  Total_spec->setEnabled(false);
  RefreshSuggestionLinks();
  ResetSelectionWindows(hide_pictures ? SelectionReset::PictureHiding : SelectionReset::Plain);
}

void TGaervik::box1Change() {
  InputChanged(false);
}

void TGaervik::box2Change() {
  Image_inst->Fill(Qt::white);
  Image_inst->Draw(*Image1, box2->currentIndex());
  InputChanged(true);
}

void TGaervik::box7Change() {
  InputChanged(true);
  // With no maximum chosen there is nothing to compare with.
  if (box7->currentIndex() < 0 || box6->currentIndex() < 0) return;
  if (box7->currentText().toInt() > box6->currentText().toInt()) {
    std::string message;
    climate::SetText(t_lang, MT::kMinAboveMax, message);
    climate::ShowInformation(this, Q(message));
    box7->setCurrentIndex(-1);
    box7->setFocus(Qt::OtherFocusReason);  // the input to choose again
  }
}

void TGaervik::Button1Click() {
  // However the calculation ends, the suggestion texts then react as the new counters say.
  struct Refresh {
    TGaervik *window;
    ~Refresh() { window->RefreshSuggestionLinks(); }
  } refresh{this};

  ResetSelectionWindows(SelectionReset::Full);
  Total_spec->setEnabled(false);
  balance = climate::BalanceFields{};
  const std::optional<climate::EnclosureInput> enclosure = ReadEnclosure();
  if (!enclosure) return;
  const climate::HeatBalance result = climate::ComputeBalance(*enclosure);
  balance = result;
  ShowDecision(result);
}

std::optional<climate::EnclosureInput> TGaervik::ReadEnclosure() {
  // Completeness: every input filled, in the order of the inputs.
  const std::pair<QWidget *, QLabel *> inputs[] = {
      {Edit1, label2}, {Edit2, label3}, {Edit3, label4}, {box1, label5},
      {box2, label6},  {Edit4, label8}, {box3, label9},  {box4, label10},
      {box5, label11}, {box6, label14}, {box7, label15}};
  std::vector<std::string> missing;
  QWidget *first_missing = nullptr;
  for (const auto &[input, label] : inputs) {
    const auto *edit = qobject_cast<QLineEdit *>(input);
    const bool empty =
        edit ? edit->text().isEmpty() : static_cast<QComboBox *>(input)->currentIndex() < 0;
    if (!empty) continue;
    missing.push_back(U(label->text()));
    if (first_missing == nullptr) first_missing = input;
  }
  if (auto message = climate::MissingInputsMessage(missing, t_lang)) {
    climate::ShowInformation(this, Q(*message));
    // The user goes on where the message sends them.
    first_missing->setFocus(Qt::OtherFocusReason);
    return std::nullopt;
  }

  climate::EnclosureInput in;
  in.height_mm = FieldValue(Edit1);
  in.width_mm = FieldValue(Edit2);
  in.depth_mm = FieldValue(Edit3);
  in.material = box1->currentIndex();
  in.installation = box2->currentIndex();
  in.dissipation_w = FieldValue(Edit4);
  in.ambient_max = box3->currentIndex();
  in.ambient_min = box4->currentIndex();
  in.humidity = box5->currentIndex();
  in.inside_max = box6->currentIndex();
  in.inside_min = box7->currentIndex();

  // A zero surface leaves the inside temperatures undefined: refuse before calculating.
  if (climate::EffectiveSurface(in.installation, in.height_mm, in.width_mm, in.depth_mm) == 0) {
    std::string message;
    climate::SetText(t_lang, MT::kZeroSurface, message);
    climate::ShowInformation(this, Q(message));
    // The first dimension entered as 0 is one of those to correct.
    const std::pair<QLineEdit *, int32_t> dimensions[] = {
        {Edit1, in.height_mm}, {Edit2, in.width_mm}, {Edit3, in.depth_mm}};
    for (const auto &[field, value] : dimensions) {
      if (value == 0) {
        field->setFocus(Qt::OtherFocusReason);
        break;
      }
    }
    return std::nullopt;
  }
  return in;
}

void TGaervik::ShowDecision(const climate::HeatBalance &result) {
  if (result.status_dew) Status_dew->setText(Q(*result.status_dew));
  Image2->Clear();
  Image3->Clear();
  Status_alarm->setText(QString());

  const climate::SuggestionPlan plan = climate::PlanSuggestions(result, t_lang);
  auto apply = [this](TImage *box, const climate::SlotPlan &slot) {
    if (slot.fill == climate::Fill::White) box->Fill(Qt::white);
    if (slot.fill == climate::Fill::Background) box->Fill(climate::ButtonFace());
    if (slot.picture >= 0) box->Draw(*ImageList1, slot.picture);
    if (slot.show) box->show();
  };
  apply(Image2, plan.image2);
  apply(Image3, plan.image3);
  if (plan.name_p1) name_p1->setText(Q(*plan.name_p1));
  if (plan.name_p2) name_p2->setText(Q(*plan.name_p2));
  Status_alarm->setText(Q(plan.status_alarm));

  // A screen reader reads out the outcome: the suggestions, or that the range has none.
  for (QLabel *outcome : {static_cast<QLabel *>(name_p1), static_cast<QLabel *>(name_p2),
                          static_cast<QLabel *>(Status_alarm)}) {
    if (!outcome->text().isEmpty()) climate::Announce(outcome);
  }
}

void TGaervik::name_p1Click() {
  OpenFromFirstSuggestion();
}

void TGaervik::name_p2Click() {
  OpenFromSecondSuggestion();
}

void TGaervik::Total_specClick() {
  save_form->ShowModal();
}

void TGaervik::N1Click() {
  const QPointer<QWidget> back = last_focus_;
  about_SW->ShowModal();
  // Opened from the menu bar with the keyboard, the focus would stay on the menu bar: it goes
  // back to the input or button the user left.
  if (back != nullptr && back->isEnabled()) back->setFocus(Qt::OtherFocusReason);
}

void TGaervik::ApplyLanguage(int32_t lang) {
  t_lang = lang;
  climate::UseToolkitTexts(t_lang);
  climate::SetTexts(this, MT::kSwitchTable, t_lang);
  RefreshSuggestionTooltips(*this);  // the figures in the new language
}

void TGaervik::lang_m_2_1Click() {
  ApplyLanguage(climate::kRussian);
}

void TGaervik::lang_m_2_2Click() {
  ApplyLanguage(climate::kEnglish);
}
