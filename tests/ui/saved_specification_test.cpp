// The saved specification belongs to the calculation on screen: after inputs change, new
// calculations, choices changed after a create and windows closed without export, the
// workbook lists exactly the items the selection windows' lists show, and the text file
// agrees with it.
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

#include <memory>

#include "app/app.h"
#include "balance/aervik.h"
#include "report/save.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"
#include "tests/ui/journey.h"

using namespace testing_ui;

namespace {

// A heater alone: about 528 W with the heat inside credited, so HK-V400 and HK-V250.
const Enclosure kTwoHeaters{"2000", "800", "600", 0, 0, "100", 20, -10, 10, 40, 10};
// A heater alone that needs about 2727 W: more than any heater of the range gives.
const Enclosure kTooCold{"2000", "800", "600", 0, 0, "100", 20, -50, 10, 40, 40};

const QString kHeader = QStringLiteral("Код|Наименование|Количество");

// One row of a sheet or one specification line, as "code|name|quantity".
using Rows = QStringList;

// The rows of a workbook as the reader printed them, after the header.
Rows SheetRowsOf(const QStringList &lines, QString *header = nullptr) {
  Rows rows;
  for (const QString &line : lines) {
    QStringList cells;
    for (const QJsonValue &cell : QJsonDocument::fromJson(line.toUtf8()).array()) {
      cells << (cell.isDouble() ? QString::number(cell.toDouble()) : cell.toString());
    }
    rows << cells.join('|');
  }
  if (rows.isEmpty()) return {QStringLiteral("<no header>")};
  const QString first = rows.takeFirst();
  if (header) *header = first;
  return rows;
}

// The rows of the workbook after its header, read back by the independent reader.
Rows WorkbookRows(const QString &file, QString *header = nullptr) {
  return SheetRowsOf(ReadWorkbook(file), header);
}

// The specification lines of a list text: "code - name x quantity unit".
Rows ListItems(const QString &list) {
  static const QRegularExpression line(QStringLiteral("^(\\S+) - (.*) x (\\S+) (шт\\.|pcs\\.)$"));
  Rows rows;
  for (const QString &text : list.split(QStringLiteral("\r\n"))) {
    const QRegularExpressionMatch m = line.match(text);
    if (m.hasMatch()) rows << m.captured(1) + '|' + m.captured(2) + '|' + m.captured(3);
  }
  return rows;
}

Rows WithPrefix(const Rows &rows, const QString &prefix) {
  Rows out;
  for (const QString &row : rows) {
    if (row.startsWith(prefix)) out << row;
  }
  return out;
}

// The accessories of the heater window, as the catalogue names them.
QString HeaterThermostat(bool with_fan, int32_t t_lang) {
  if (with_fan) {
    return t_lang == 1
               ? "TK-CO|Термостат, диапазон +5 ~ +60 градусов С, перекидной контакт (NO/NC)|1"
               : "TK-CO|Termostat, range +5 ~ +60\u0421, NO/NC|1";
  }
  return t_lang == 1
             ? "TK-NC|Термостат, диапазон -10 ~ +80 градусов С, контакт NC (нормально закрытый)|1"
             : "TK-NC|Termostat, range -10 ~ +80\u0421, NC|1";
}
QString Hygrostat(int32_t t_lang) {
  return t_lang == 1 ? "HG-CO|Гигростат, перекидной контакт|1" : "HG-CO|Gigrostat, NO/NC|1";
}

// The rows the workbook must hold for what the windows' lists show now, in sheet order.
// `heater_lang` is the language of the heater window's last create: the two cases in which
// the heater window's accessories are in the workbook without a line in its list take
// their names from it.
Rows ExpectedRows(int32_t heater_lang) {
  const Rows heater = Gaervik->balance.heat > 0 ? ListItems(heat_form->Memo1->text()) : Rows{};
  const Rows cooler = Gaervik->balance.cooler > 0 ? ListItems(cool_form->Memo1->text()) : Rows{};
  const Rows fan = Gaervik->balance.vent > 0 ? ListItems(vent_form->Memo1->text()) : Rows{};
  Rows rows = WithPrefix(heater, "HK-") + cooler + WithPrefix(fan, "FK-") + WithPrefix(fan, "GK-");
  if (Gaervik->balance.heat > 0) {
    Rows accessories = WithPrefix(heater, "TK-") + WithPrefix(heater, "HG-");
    const QString list = heat_form->Memo1->text();
    // A heater with its own thermostat lists no accessories, and a create without a heater
    // keeps them for the fan; the workbook has them in both cases.
    const bool own_thermostat = heater.size() == 1 && heater[0].section('|', 0, 0).endsWith('T');
    const bool none_for_the_fan = !list.isEmpty() && heater.isEmpty() && Gaervik->balance.vent > 0;
    if (own_thermostat || none_for_the_fan) {
      accessories = {HeaterThermostat(Gaervik->balance.vent > 0, heater_lang),
                     Hygrostat(heater_lang)};
    }
    // They switch a heater or a fan: with neither in the workbook they have no row.
    if (!WithPrefix(heater, "HK-").isEmpty() || !WithPrefix(fan, "FK-").isEmpty()) {
      rows += accessories;
    }
  } else if (Gaervik->balance.vent > 0) {
    rows += WithPrefix(fan, "TK-") + WithPrefix(fan, "HG-");
  }
  return rows;
}

// The text file as the report's layout gives it for the lists shown now.
QString ExpectedText() {
  QString text;
  if (Gaervik->balance.heat > 0)
    text += "Обогрев воздуха:\r\n" + heat_form->Memo1->text() + "\r\n\r\n";
  if (Gaervik->balance.cooler > 0) text += "Кондиционер воздуха:\r\n" + cool_form->Memo1->text();
  if (Gaervik->balance.vent > 0) text += "Вентиляторы воздуха:\r\n" + vent_form->Memo1->text();
  return text + "\r\n";
}

// The text of Windows-1251 bytes, as the system reads them: through ICU on Linux, and on
// Windows (whose Qt has no ICU) through the system's own converter for the code page.
QString FromWindows1251(const QByteArray &bytes) {
#ifdef Q_OS_WIN
  const int size = static_cast<int>(bytes.size());
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  const int length = ::MultiByteToWideChar(1251, 0, bytes.constData(), size, text.data(), size);
  return QString::fromWCharArray(text.data(), length);
#else
  QStringDecoder decode("windows-1251");
  return decode(bytes);
#endif
}

}  // namespace

class SavedSpecificationTest : public FolderWindowTest {
  Q_OBJECT

 private slots:
  // The items of an earlier calculation never reach the workbook: here a heater of the
  // first calculation, which the second one needs but nobody chose again.
  void anEarlierCalculationsHeaterStaysOut() {
    Select(kTwoHeaters);
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), heat_form);
    QVERIFY(SaveWorkbook(Path("first.xlsx")));
    QCOMPARE(WorkbookRows(Path("first.xlsx")).join(" / ").count("HK-V"), 2);

    Type(Gaervik->Edit4, "");  // the new enclosure: 500 W, 35 and -5 °C, 50 %
    Gaervik->Edit4->clear();
    Type(Gaervik->Edit4, "500");
    Choose(Gaervik->box3, IndexOfValue(Gaervik->box3, 35));
    Choose(Gaervik->box4, IndexOfValue(Gaervik->box4, -5));
    Choose(Gaervik->box5, IndexOfValue(Gaervik->box5, 50));
    Click(Gaervik->Button1);
    QCOMPARE(Gaervik->balance.heat, 1);
    QCOMPARE(Gaervik->balance.vent, 1);
    QCOMPARE(ClickSuggestion(Gaervik->name_p2, Export), vent_form);

    QVERIFY(SaveWorkbook(Path("second.xlsx")));
    QString header;
    QCOMPARE(WorkbookRows(Path("second.xlsx"), &header),
             (Rows{"FK-270-230|Вентилятор c решёткой и фильтром, 230/270  м3/час, 230В|1",
                   "GK-270|Вентиляционная решётка с фильтром, 250 x 250 мм|1"}));
    QCOMPARE(header, kHeader);
    QVERIFY(SaveText(Path("second")));
    QCOMPARE(FromWindows1251(ReadFile(Path("second.txt"))), ExpectedText());
    QVERIFY(
        FromWindows1251(ReadFile(Path("second.txt"))).startsWith("Обогрев воздуха:\r\n\r\n\r\n"));
  }

  // A suggestion text emptied by an input change opens nothing, so no export can enable the
  // total specification for inputs that were never calculated.
  void anEmptiedSuggestionOpensNothing() {
    Select(kTwoHeaters);
    QVERIFY(Gaervik->name_p1->IsActive());
    QCOMPARE(Gaervik->name_p1->cursor().shape(), Qt::PointingHandCursor);
    Gaervik->Edit1->setFocus();
    QTest::keyClick(Gaervik->Edit1, Qt::Key_Backspace);  // the height changes
    QCOMPARE(Gaervik->name_p1->text(), QString());
    QVERIFY(!Gaervik->name_p1->IsActive());
    QCOMPARE(Gaervik->name_p1->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), nullptr);
    QCOMPARE(ClickSuggestion(Gaervik->name_p2, Export), nullptr);
    QVERIFY(!Gaervik->Total_spec->isEnabled());
  }

  // A text is a link only while a click on it opens a window.
  void onlyTextsThatOpenAWindowLookLikeLinks() {
    Select(kHeaterAndFan);
    QVERIFY(Gaervik->name_p1->IsActive() && Gaervik->name_p2->IsActive());
    QVERIFY(Gaervik->name_p1->font().underline());
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), heat_form);
    // The first text now opens the fan window; both stay links.
    QVERIFY(Gaervik->name_p1->IsActive() && Gaervik->name_p2->IsActive());

    Select(kTwoHeaters);
    QVERIFY(!Gaervik->name_p2->IsActive());  // empty
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), heat_form);
    QCOMPARE(Gaervik->name_p1->text(), QString("Выбрать обогреватель"));
    QVERIFY(!Gaervik->name_p1->IsActive());  // the heater is done: nothing to open
    QVERIFY(!Gaervik->name_p1->font().underline());
    QCOMPARE(Gaervik->name_p1->cursor().shape(), Qt::ArrowCursor);
  }

  // Without a heater and without a fan, a thermostat and a hygrostat would switch nothing.
  void aHeaterCreateWithoutAHeaterListsNoAccessories() {
    Select(kTooCold);
    QCOMPARE(Gaervik->balance.vent, 0);
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), heat_form);
    QCOMPARE(heat_form->Memo1->text(), QString("Для мощности 2727 Вт, решение отстутсвует!"));
    QVERIFY(SaveWorkbook(Path("cold.xlsx")));
    QCOMPARE(WorkbookRows(Path("cold.xlsx")), Rows{});
    QVERIFY(SaveText(Path("cold")));
    QCOMPARE(FromWindows1251(ReadFile(Path("cold.txt"))),
             QString("Обогрев воздуха:\r\nДля мощности 2727 Вт, решение отстутсвует!\r\n\r\n\r\n"));
  }

  // An option ticked after a create empties the list: the workbook drops the heater with it.
  void aChoiceChangedAfterTheCreateDropsTheItems() {
    Select(kHeaterAndFan);
    QCOMPARE(ClickSuggestion(Gaervik->name_p2, Export), vent_form);
    QCOMPARE(ClickSuggestion(Gaervik->name_p1,
                             [](QWidget *w) {
                               Create(w);
                               QVERIFY(!heat_form->Memo1->text().isEmpty());
                               Click(heat_form->check_compact);
                               QCOMPARE(heat_form->Memo1->text(), QString());
                               CloseBox(w);
                             }),
             heat_form);
    QVERIFY(SaveWorkbook(Path("book.xlsx")));
    QCOMPARE(WorkbookRows(Path("book.xlsx")),
             (Rows{"FK-270-230|Вентилятор c решёткой и фильтром, 230/270  м3/час, 230В|1",
                   "GK-270|Вентиляционная решётка с фильтром, 250 x 250 мм|1"}));
  }

  // Random journeys: inputs, selects, input changes, the windows worked in any order with
  // choices changed after a create, closed or exported, the language switched, and saves of
  // both kinds. After every save the workbook holds what the lists show and the text file
  // agrees.
  void randomJourneysSaveWhatTheListsShow() {
    const quint32 seed = qEnvironmentVariableIsSet("AERVIK_SEED")
                             ? qEnvironmentVariableIntValue("AERVIK_SEED")
                             : 20261209u;
    qInfo("seed %u (AERVIK_SEED=<n> runs another sequence)", seed);
    QRandomGenerator random(seed);
    auto below = [&random](qsizetype n) {
      return static_cast<int>(random.bounded(static_cast<int>(n)));
    };

    int32_t heater_lang = 1;  // language of the heater window's last create
    int saves = 0;
    QMap<QString, int> kinds;  // the solutions met at saves, to see that the journeys vary
    struct SavedWorkbook {
      QString file;
      Rows expected;
      QString where;
    };
    QList<SavedWorkbook> workbooks;
    for (int episode = 0; episode < 80; ++episode) {
      NewEnclosure(random);
      Click(Gaervik->Button1);
      Messages().Clear();
      const int actions = 3 + below(12);
      for (int action = 0; action < actions; ++action) {
        const QString where =
            QStringLiteral("episode %1, action %2, seed %3").arg(episode).arg(action).arg(seed);
        const int draw = below(20);
        if (draw < 8) {  // a suggestion is followed
          climate::TLinkLabel *label = below(3) == 0 ? Gaervik->name_p2 : Gaervik->name_p1;
          const bool link = label->IsActive();
          QWidget *opened =
              ClickSuggestion(label, [&](QWidget *w) { Work(w, random, heater_lang); });
          QVERIFY2((opened != nullptr) == link, qPrintable(where));
        } else if (draw < 9) {  // one input changes
          ChangeOneInput(random);
        } else if (draw < 10) {
          Click(Gaervik->Button1);
          Messages().Clear();
        } else if (draw < 11) {
          below(2) == 0 ? Gaervik->lang_m_2_1Click() : Gaervik->lang_m_2_2Click();
        } else {  // a save of either kind, checked against the lists
          const QString name = Path(QStringLiteral("save-%1-%2").arg(episode).arg(action));
          if (below(2) == 0) {
            if (!SaveWorkbook(name + ".xlsx")) continue;
            QVERIFY2(Messages().errors.isEmpty(), qPrintable(Messages().errors.join('\n')));
            // Read back all at once at the end: one start of the reader.
            workbooks.append({name + ".xlsx", ExpectedRows(heater_lang), where});
          } else {
            if (!SaveText(name)) continue;
            QVERIFY2(Messages().errors.isEmpty(), qPrintable(Messages().errors.join('\n')));
            const QString text = FromWindows1251(ReadFile(name + ".txt"));
            QVERIFY2(text == ExpectedText(), qPrintable(where + "\n" + text));
            // The items of the text file are the workbook's, but for the accessories of a
            // heater that lists none.
            Rows in_text = ListItems(text);
            Rows expected = ExpectedRows(heater_lang);
            for (const QString &row : Rows(expected)) {
              if (!in_text.contains(row)) expected.removeOne(row);
            }
            in_text.sort();
            expected.sort();
            QVERIFY2(in_text == expected, qPrintable(where));
          }
          ++saves;
          ++kinds[QStringLiteral("heat %1 vent %2 cooler %3")
                      .arg(Gaervik->balance.heat)
                      .arg(Gaervik->balance.vent)
                      .arg(Gaervik->balance.cooler)];
        }
        if (QTest::currentTestFailed()) return;
        // A suggestion text is a link exactly while the counters give it a window to open.
        QCOMPARE(Gaervik->name_p1->IsActive(),
                 !Gaervik->name_p1->text().isEmpty() &&
                     (Gaervik->balance.heat == 1 || Gaervik->balance.vent == 1 ||
                      Gaervik->balance.cooler == 1));
        QCOMPARE(Gaervik->name_p2->IsActive(),
                 !Gaervik->name_p2->text().isEmpty() &&
                     (Gaervik->balance.vent == 1 || Gaervik->balance.cooler == 1));
      }
    }
    QStringList files;
    for (const SavedWorkbook &saved : workbooks) files << saved.file;
    const QList<QStringList> read = ReadWorkbooks(files);
    QCOMPARE(read.size(), workbooks.size());
    for (qsizetype i = 0; i < workbooks.size(); ++i) {
      QString header;
      const Rows rows = SheetRowsOf(read[i], &header);
      QCOMPARE(header, kHeader);
      QVERIFY2(rows == workbooks[i].expected,
               qPrintable(workbooks[i].where + "\nworkbook: " + rows.join(" / ") +
                          "\nexpected: " + workbooks[i].expected.join(" / ")));
    }
    for (auto it = kinds.cbegin(); it != kinds.cend(); ++it) {
      qInfo("%d saves with %s", it.value(), qPrintable(it.key()));
    }
    qInfo("%d saves checked", saves);
    QVERIFY(saves > 40);
    QVERIFY(kinds.size() >= 4);
  }

 private:
  // Fills the main window with a random enclosure: any sizes, material, installation and
  // heat, any ambient, and an inside minimum not above the inside maximum.
  static void NewEnclosure(QRandomGenerator &random) {
    auto below = [&random](qsizetype n) {
      return static_cast<int>(random.bounded(static_cast<int>(n)));
    };
    // Half the journeys start from an enclosure of each kind of solution, including those
    // without a solution in a selection window.
    const Enclosure kinds[] = {
        kTwoHeaters,
        kHeaterAndFan,
        kTooCold,
        {"2000", "800", "600", 0, 0, "100", 45, -30, 10, 35, 10},  // heater and cooling
        {"2000", "800", "600", 0, 0, "800", 30, 10, 10, 40, 5},    // fan alone
        {"2000", "800", "600", 0, 0, "3000", 30, 10, 10, 40, 5},   // no fan large enough
        {"2000", "600", "500", 0, 1, "800", 45, 5, 60, 35, 20},    // cooling alone
        {"2000", "600", "500", 0, 1, "5000", 45, 5, 60, 35, 20},   // no cooling unit either
    };
    for (QLineEdit *edit : {Gaervik->Edit1, Gaervik->Edit2, Gaervik->Edit3, Gaervik->Edit4}) {
      edit->clear();
    }
    if (below(2) == 0) {
      FillEnclosure(kinds[below(static_cast<int>(std::size(kinds)))]);
      return;
    }
    const QStringList sizes{"300", "500", "800", "1200", "2000"};
    const QStringList heat{"0", "50", "150", "300", "500", "800", "1200", "2500"};
    const int tenmax = below(7);
    Enclosure e{sizes[below(sizes.size())],
                sizes[below(sizes.size())],
                sizes[below(sizes.size())],
                below(3),
                below(7),
                heat[below(heat.size())],
                Gaervik->box3->itemText(below(16)).toInt(),
                Gaervik->box4->itemText(below(17)).toInt(),
                Gaervik->box5->itemText(below(10)).toInt(),
                Gaervik->box6->itemText(tenmax).toInt(),
                0};
    // Inside minimum items go up by 5 from 0, inside maximum items by 5 from 10.
    e.tenmin = Gaervik->box7->itemText(below(tenmax + 3)).toInt();
    FillEnclosure(e);
  }

  // Changes one input as a user would: a digit typed or deleted, or another list item.
  static void ChangeOneInput(QRandomGenerator &random) {
    auto below = [&random](qsizetype n) {
      return static_cast<int>(random.bounded(static_cast<int>(n)));
    };
    if (below(2) == 0) {
      QLineEdit *edit = QList<QLineEdit *>{Gaervik->Edit1, Gaervik->Edit2, Gaervik->Edit3,
                                           Gaervik->Edit4}[below(4)];
      if (edit->text().size() >= 4 || below(2) == 0) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Backspace);
      } else {
        Type(edit, QString::number(1 + below(9)));
      }
    } else {
      QComboBox *box =
          QList<QComboBox *>{Gaervik->box1, Gaervik->box2, Gaervik->box3, Gaervik->box4,
                             Gaervik->box5, Gaervik->box6, Gaervik->box7}[below(7)];
      Choose(box, below(box->count()));
    }
    Messages().Clear();
  }

  // Works an open selection window at random: choices, create, choices changed after the
  // create, then export or the close box.
  static void Work(QWidget *w, QRandomGenerator &random, int32_t &heater_lang) {
    auto below = [&random](qsizetype n) {
      return static_cast<int>(random.bounded(static_cast<int>(n)));
    };
    auto choose = [&below](QComboBox *box) {
      if (box->count() > 0) Choose(box, below(box->count()));
    };
    const int steps = 1 + below(6);
    for (int i = 0; i < steps; ++i) {
      if (w == heat_form) {
        switch (below(4)) {
          case 0:
            choose(heat_form->box1);
            break;
          case 1:
            Click(below(2) == 0 ? heat_form->check_compact : heat_form->check_termo);
            break;
          default:
            if (heat_form->Button1->isEnabled()) {
              heater_lang = Gaervik->t_lang;
              Click(heat_form->Button1);
            }
        }
      } else if (w == vent_form) {
        switch (below(4)) {
          case 0:
            choose(vent_form->Point_sea);
            break;
          case 1:
            choose(vent_form->Volt_vent);
            break;
          default:
            if (vent_form->Button1->isEnabled()) Click(vent_form->Button1);
        }
      } else {
        switch (below(4)) {
          case 0:
            choose(cool_form->Type_cool);
            break;
          case 1:
            choose(cool_form->Volt_cool);
            break;
          default:
            if (cool_form->Button1->isEnabled()) Click(cool_form->Button1);
        }
      }
    }
    // Mostly the user then makes the choices a create needs, creates and exports; some
    // leave with the close box, some change a choice after the create first.
    QPushButton *create = w == heat_form   ? heat_form->Button1
                          : w == vent_form ? vent_form->Button1
                                           : cool_form->Button1;
    QPushButton *export_button = w == heat_form   ? heat_form->Button2
                                 : w == vent_form ? vent_form->Button2
                                                  : cool_form->Button2;
    if (below(4) != 0) {
      if (w == heat_form && heat_form->box1->currentIndex() < 0) choose(heat_form->box1);
      if (w == vent_form && vent_form->Volt_vent->currentIndex() < 0) {
        if (below(4) != 0) choose(vent_form->Point_sea);
        choose(vent_form->Volt_vent);
      }
      if (w == cool_form && cool_form->Volt_cool->currentIndex() < 0) {
        if (below(4) != 0) choose(cool_form->Type_cool);
        choose(cool_form->Volt_cool);
      }
      if (w == heat_form) heater_lang = Gaervik->t_lang;
      if (create->isEnabled()) Click(create);
    }
    if (below(5) == 0) {  // a choice changed after the create empties the list
      if (w == heat_form) Click(below(2) == 0 ? heat_form->check_compact : heat_form->check_termo);
      if (w == vent_form) choose(vent_form->Point_sea);
      if (w == cool_form) choose(cool_form->Volt_cool);
    }
    if (below(4) != 0 && export_button->isEnabled()) {
      Click(export_button);
    } else {
      CloseBox(w);
    }
  }
};

UI_TEST_CLASS(SavedSpecificationTest)
#include "saved_specification_test.moc"
