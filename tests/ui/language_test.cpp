// Russian and English texts: the main window's two switches and the rule every other window
// follows when it opens.
#include <QAbstractButton>
#include <QAction>
#include <QTest>

#include "app/app.h"
#include "app/lang.h"
#include "balance/aervik.h"
#include "report/save.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"
#include "tests/ui/journey.h"
#include "tests/ui/ui_harness.h"

using namespace testing_ui;
using climate::TextEntry;

namespace {

// The text a control of a window shows for an entry of its table.
QString Shown(QWidget *window, const TextEntry &e) {
  const QString control = QString::fromUtf8(e.control);
  if (control == "caption") return window->windowTitle();
  if (auto *box = window->findChild<QComboBox *>(control)) return box->itemText(e.item);
  if (auto *group = window->findChild<QGroupBox *>(control)) return group->title();
  if (auto *button = window->findChild<QAbstractButton *>(control)) return button->text();
  if (auto *label = window->findChild<QLabel *>(control)) return label->text();
  if (auto *action = window->findChild<QAction *>(control)) return action->text();
  return "<no control " + control + ">";
}

// The entries of a window's table whose shown text differs from the column of `lang`.
template <std::size_t N>
QStringList Differences(QWidget *window, const std::array<TextEntry, N> &table, int lang) {
  QStringList out;
  for (const TextEntry &e : table) {
    const QString expected = QString::fromUtf8(lang == 1 ? e.text.ru : e.text.en);
    if (Shown(window, e) != expected) out << QString::fromUtf8(e.control) + ": " + Shown(window, e);
  }
  return out;
}

QStringList Differences(int lang) {
  return Differences(Gaervik, climate::main_texts::kSwitchTable, lang);
}

const Enclosure kPolycarbonateInANiche{"2000", "800", "600", 1, 4, "500", 35, -5, 50, 40, 10};

}  // namespace

class LanguageTest : public WindowTest {
  Q_OBJECT

 private slots:
  void designTextsDifferFromTheRussianColumnInTwoPlaces() {
    QCOMPARE(Differences(1), (QStringList{"caption: Конфигуратор \"Norda aervik\" - Tervax - RU",
                                          "GroupBox4: 4. Температура внутри шкафа"}));
    Gaervik->lang_m_2_1Click();
    QCOMPARE(Differences(1), QStringList());
    QCOMPARE(Gaervik->t_lang, 1);
  }

  // Before a dialog is first opened it shows its design texts: the Russian column of its
  // table, with no exception.
  void everyDialogsDesignTextsAreTheRussianColumn() {
    QCOMPARE(Differences(heat_form, climate::heat_texts::kCaptionTable, 1), QStringList());
    QCOMPARE(Differences(vent_form, climate::vent_texts::kActivationTable, 1), QStringList());
    QCOMPARE(Differences(cool_form, climate::cool_texts::kActivationTable, 1), QStringList());
    QCOMPARE(Differences(save_form, climate::save_texts::kActivationTable, 1), QStringList());
    QCOMPARE(cool_form->Volt_cool->count(), 3);
    QCOMPARE(cool_form->Volt_cool->itemText(0), QString("~ 230 В"));
    QCOMPARE(cool_form->Volt_cool->itemText(2), QString("~ 400/440 В, 3 фазы"));
    QCOMPARE(heat_form->box1->count(), 2);
    QCOMPARE(vent_form->Point_sea->count(), 5);
    QCOMPARE(Gaervik->box2->count(), 7);
    QCOMPARE(Gaervik->N1->iconText(), QString("О программе"));  // shown without its mnemonic mark
  }

  void theMenuIsHiddenAndItsItemsDoNothing() {
    QVERIFY(!Gaervik->Lang_m_1->menuAction()->isVisible());
    QCOMPARE(Gaervik->Lang_m_2_1->text(), QString("Русский"));
    QVERIFY(!Gaervik->Lang_m_2_1->icon().isNull());
    QVERIFY(!Gaervik->Lang_m_2_2->icon().isNull());
    Gaervik->Lang_m_2_2->trigger();
    QCOMPARE(Gaervik->t_lang, 1);
    QCOMPARE(Differences(1).size(), 2);
  }

  void englishKeepsEveryChoiceAndResult() {
    FillEnclosure(kPolycarbonateInANiche);
    Click(Gaervik->Button1);
    const QString alarm = Gaervik->Status_alarm->text();
    const QString dew = Gaervik->Status_dew->text();
    const QString first = Gaervik->name_p1->text();

    Gaervik->lang_m_2_2Click();
    QCOMPARE(Gaervik->t_lang, 2);
    QCOMPARE(Differences(2), QStringList());
    QCOMPARE(Gaervik->box1->currentIndex(), 1);
    QCOMPARE(Gaervik->box1->currentText(), QString("INOX"));
    QCOMPARE(Gaervik->box2->currentText(), QString("Ground-mounted middle enclosure"));
    QCOMPARE(Gaervik->box3->currentText(), QString("35"));
    // The switch leaves the suggestions, the status texts and the results alone.
    QCOMPARE(Gaervik->name_p1->text(), first);
    QCOMPARE(Gaervik->Status_alarm->text(), alarm);
    QCOMPARE(Gaervik->Status_dew->text(), dew);
    QCOMPARE(Gaervik->balance.heat, 1);
    QVERIFY(Gaervik->Image2->isVisible());

    Gaervik->lang_m_2_1Click();
    QCOMPARE(Gaervik->box1->currentText(), QString("Нержавейка"));
  }

  void englishMessagesAndSuggestions() {
    Gaervik->lang_m_2_2Click();
    FillEnclosure(kPolycarbonateInANiche);
    Click(Gaervik->Button1);
    QCOMPARE(Gaervik->name_p1->text(), QString("Choose heater"));
    QCOMPARE(Gaervik->name_p2->text(), QString("Choose fan"));

    Gaervik->Edit3->clear();
    Click(Gaervik->Button1);
    QCOMPARE(Messages().information, QStringList{"Please, choosing: \r---> Depth (D, mm):"});

    Messages().Clear();
    Choose(Gaervik->box7, IndexOfValue(Gaervik->box7, 45));
    QCOMPARE(Messages().information,
             QStringList{"Minimal temperature in enclosure could not more than maximum "
                         "temterature, please change!"});
  }

  void selectionWindowsOpenInTheLanguageOfTheMoment() {
    Gaervik->lang_m_2_2Click();
    QString heater, cooler, fan, save;
    QVERIFY(InModalWindow(
        heat_form, [] { heat_form->ShowModal(); },
        [&] {
          heater = heat_form->windowTitle() + "|" + heat_form->box1->itemText(1) + "|" +
                   heat_form->Button2->text();
        }));
    QVERIFY(InModalWindow(
        cool_form, [] { cool_form->ShowModal(); },
        [&] { cooler = cool_form->windowTitle() + "|" + cool_form->GroupBox6->title(); }));
    QVERIFY(InModalWindow(
        vent_form, [] { vent_form->ShowModal(); },
        [&] { fan = vent_form->windowTitle() + "|" + vent_form->Button2->text(); }));
    QVERIFY(InModalWindow(
        save_form, [] { save_form->ShowModal(); }, [&] { save = save_form->windowTitle(); }));
    QCOMPARE(heater, QString("Choosing of heater|Cycling|Save into report"));
    QCOMPARE(cooler, QString("Choosing of cooler|Basic parametrs"));
    QCOMPARE(fan, QString("Подбор вентилятора|Экспорт в отчет"));
    QCOMPARE(save, QString("Сохранение отчета"));

    // Back in Russian, the next opening follows.
    Gaervik->lang_m_2_1Click();
    QVERIFY(InModalWindow(
        heat_form, [] { heat_form->ShowModal(); }, [&] { heater = heat_form->windowTitle(); }));
    QCOMPARE(heater, QString("Подбор обогрева"));
  }
};

UI_TEST_CLASS(LanguageTest)
#include "language_test.moc"
