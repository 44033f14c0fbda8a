// What a person sees: texts that are not cut, colours readable on light and dark palettes,
// pictures inside their frames, message boxes and the toolkit's own texts in the interface
// language, and the figures behind each suggestion.
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "app/Totalsp.h"
#include "app/a_SW.h"
#include "app/abouttervax.h"
#include "app/contrast.h"
#include "app/lang.h"
#include "app/translations.h"
#include "balance/aervik.h"
#include "report/save.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"
#include "tests/ui/dark_palette.h"
#include "tests/ui/journey.h"
#include "tests/ui/ui_harness.h"

using namespace testing_ui;

namespace {

QString Q(const char *utf8) {
  return QString::fromUtf8(utf8);
}

QString Path(const QWidget *w) {
  return w->window()->objectName() + "/" + w->objectName();
}

// Where `text` (in `w`'s coordinates) is hidden: beyond `area`, beyond an ancestor, or under
// a widget drawn later over it. Empty when the whole text shows.
QString HiddenPart(const QWidget *w, const QRect &area, const QRect &text) {
  if (text.width() > area.width() || text.height() > area.height()) {
    return QString("needs %1x%2, has %3x%4")
        .arg(text.width())
        .arg(text.height())
        .arg(area.width())
        .arg(area.height());
  }
  // Up to the window: each ancestor clips, and each later sibling on the way covers.
  QRect r = text.intersected(area);
  const QWidget *level = w;
  while (!level->isWindow()) {
    const QWidget *parent = level->parentWidget();
    r.translate(level->pos());
    if (!parent->rect().contains(r)) return "cut by " + parent->objectName();
    bool later = false;
    for (const QObject *o : parent->children()) {
      if (o == level) {
        later = true;
        continue;
      }
      const auto *sibling = qobject_cast<const QWidget *>(o);
      if (!later || sibling == nullptr || sibling->isWindow() || !sibling->isVisibleTo(parent)) {
        continue;
      }
      if (sibling->geometry().intersects(r)) return "covered by " + sibling->objectName();
    }
    level = parent;
  }
  return {};
}

// The texts of a window that do not show whole, each as "window/control: why".
QStringList CutTexts(QWidget *window) {
  QStringList cut;
  auto check = [&cut](const QWidget *w, const QRect &area, const QRect &text, const QString &s) {
    const QString hidden = HiddenPart(w, area, text);
    if (!hidden.isEmpty()) cut << Path(w) + " \"" + s + "\": " + hidden;
  };
  for (QWidget *w : window->findChildren<QWidget *>()) {
    if (!w->isVisibleTo(window) || w->objectName().startsWith("qt_")) continue;
    const QFontMetrics fm = w->fontMetrics();
    if (auto *label = qobject_cast<QLabel *>(w)) {
      QString text = label->text();
      text.replace('\r', '\n');
      if (text.isEmpty() || label->objectName() == "Status_dew") continue;  // never on screen
      const QRect area = label->contentsRect();
      int flags = static_cast<int>(label->alignment());
      if (label->wordWrap()) flags |= Qt::TextWordWrap;
      check(label, area, fm.boundingRect(area, flags, text), text);
    } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
      QStyleOptionButton opt;
      opt.initFrom(box);
      opt.text = box->text();
      const QRect area = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, box);
      check(box, area, fm.boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter, box->text()),
            box->text());
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
      QStyleOptionButton opt;
      opt.initFrom(button);
      opt.text = button->text();
      const QRect area =
          button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
      check(button, area, fm.boundingRect(area, Qt::AlignCenter, button->text()), button->text());
    } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
      QStyleOptionGroupBox opt;
      opt.initFrom(group);
      opt.text = group->title();
      opt.textAlignment = group->alignment();
      opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
      opt.lineWidth = 1;
      const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &opt,
                                                         QStyle::SC_GroupBoxLabel, group);
      check(group, group->rect(), title, group->title());
      // The group's own controls are drawn over its title.
      for (QWidget *child : group->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(group) && child->geometry().intersects(title)) {
          cut << Path(group) + " \"" + group->title() + "\": covered by " + child->objectName();
        }
      }
    } else if (auto *list = qobject_cast<QComboBox *>(w)) {
      // Closed, the list shows the chosen item: every item has to fit.
      QStyleOptionComboBox opt;
      opt.initFrom(list);
      opt.editable = list->isEditable();
      const QRect area =
          list->style()
              ->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, list)
              .adjusted(1, 0, -1, 0);
      for (int i = 0; i < list->count(); ++i) {
        const QString item = list->itemText(i);
        check(list, area, fm.boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter, item), item);
      }
    }
  }
  return cut;
}

// Shows every window in the language `t_lang` and collects the texts that are cut, also the
// texts the windows show only in some situations.
QStringList CutTextsEverywhere(int32_t t_lang) {
  if (t_lang == climate::kEnglish) Gaervik->lang_m_2_2Click();
  QStringList cut = CutTexts(Gaervik);

  // The suggestion texts: the links bold and underlined, the no-equipment text plain.
  namespace M = climate::main_texts;
  const QString no_equipment = Q(t_lang == 1 ? M::kNoEquipment.ru : M::kNoEquipment.en);
  for (climate::TLinkLabel *label : {Gaervik->name_p1, Gaervik->name_p2}) {
    for (const climate::Text &t : {M::kChooseHeater, M::kChooseFan, M::kChooseCooler}) {
      label->setText(Q(t_lang == 1 ? t.ru : t.en));
      label->SetActive(true);
      cut << CutTexts(Gaervik);
    }
    label->SetActive(false);
    label->setText(no_equipment);
    cut << CutTexts(Gaervik);
    label->setText(QString());
  }
  Gaervik->Status_alarm->setText(Q(M::kNoSolution));
  cut << CutTexts(Gaervik);

  for (QWidget *w : std::initializer_list<QWidget *>{heat_form, vent_form, cool_form, save_form,
                                                     about_SW, about_form, total_form}) {
    w->show();  // sets its texts in the language of the moment
    cut << CutTexts(w);
    if (w == cool_form) {
      // Every voltage item the window can offer.
      for (const climate::Text &t : climate::cool_texts::kVoltage) {
        cool_form->Volt_cool->addItem(Q(t_lang == 1 ? t.ru : t.en));
      }
      cut << CutTexts(w);
    }
    w->hide();
  }
  cut.removeDuplicates();
  return cut;
}

// The windows' Tahoma as it is where only the mandatory fonts are installed: the regular
// width DejaVu Sans instead of the condensed one.
void UseOnlyMandatoryFonts() {
  for (QWidget *w : QApplication::topLevelWidgets()) {
    if (w->font().family() == "Tahoma") w->setFont(QFont("DejaVu Sans", w->font().pointSize()));
  }
}

// Puts a palette on the whole application for the life of the object.
class ApplicationPalette {
 public:
  explicit ApplicationPalette(const QPalette &palette) : saved_(QApplication::palette()) {
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();  // the windows take it up
  }
  ~ApplicationPalette() {
    QApplication::setPalette(saved_);
    QCoreApplication::processEvents();
  }

 private:
  QPalette saved_;
};

// Share of the pixels of `image` that stand out from the logos' dark artwork enough to read
// it (contrast 4.5 or more against it).
double LightShare(const QImage &image) {
  const QColor ink(0x2B, 0x35, 0x40);
  int light = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (climate::ContrastRatio(image.pixelColor(x, y), ink) >= 4.5) ++light;
    }
  }
  return double(light) / (image.width() * image.height());
}

// Whether `image` has a pixel within `tolerance` of `colour` in every channel.
bool HasPixel(const QImage &image, const QColor &colour, int tolerance = 8) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (qAbs(c.red() - colour.red()) <= tolerance &&
          qAbs(c.green() - colour.green()) <= tolerance &&
          qAbs(c.blue() - colour.blue()) <= tolerance) {
        return true;
      }
    }
  }
  return false;
}

// The message box shown while `show` runs: its font, or an invalid font when none came. The
// box is closed as soon as it is seen.
QFont MessageBoxFont(const std::function<void()> &show) {
  QFont seen;
  bool found = false;
  QTimer watch;
  watch.setInterval(1);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
      if (!found) seen = box->font();
      found = true;
      box->done(0);
    }
  });
  watch.start();
  climate::MessagePresenter *recorder = climate::SetMessagePresenter(nullptr);
  show();
  climate::SetMessagePresenter(recorder);
  watch.stop();
  return found ? seen : QFont(QString(), -1);
}

}  // namespace

class LookTest : public WindowTest {
  Q_OBJECT

 private slots:
  void theWindowsUseTheShippedFaces() {
    // The Tahoma windows are drawn in Tahoma where the system has it (on Windows), otherwise
    // in the condensed face where it is installed; the Verdana ones in Verdana, or the regular
    // face.
    const QString tahoma = QFontInfo(heat_form->font()).family();
    QVERIFY2(tahoma == "Tahoma" || tahoma == "DejaVu Sans Condensed", qPrintable(tahoma));
    const QString verdana = QFontInfo(Gaervik->font()).family();
    QVERIFY2(verdana == "Verdana" || verdana == "DejaVu Sans", qPrintable(verdana));
  }

  void noTextIsCut_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("mandatoryFontsOnly");
    QTest::newRow("Russian, shipped fonts") << 1 << false;
    QTest::newRow("English, shipped fonts") << 2 << false;
    QTest::newRow("Russian, mandatory fonts only") << 1 << true;
    QTest::newRow("English, mandatory fonts only") << 2 << true;
  }

  void noTextIsCut() {
    QFETCH(int, language);
    QFETCH(bool, mandatoryFontsOnly);
#ifdef Q_OS_WIN
    if (mandatoryFontsOnly) QSKIP("Windows always has Tahoma: no face stands in for it");
#endif
    if (mandatoryFontsOnly) UseOnlyMandatoryFonts();
    const QStringList cut = CutTextsEverywhere(language);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("\n")));
  }

  void contrastRatiosOfKnownColours_data() {
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("white on white") << QColor(Qt::white) << QColor(Qt::white) << 1.0;
    QTest::newRow("#777 on white, just short of 4.5")
        << QColor("#777777") << QColor(Qt::white) << 4.48;
    QTest::newRow("#767676 on white, just enough")
        << QColor("#767676") << QColor(Qt::white) << 4.54;
    QTest::newRow("order does not matter") << QColor(Qt::white) << QColor("#767676") << 4.54;
  }

  void contrastRatiosOfKnownColours() {
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(climate::ContrastRatio(a, b) - ratio) < 0.01,
             qPrintable(QString::number(climate::ContrastRatio(a, b))));
  }

  void colouredTextsStayReadable_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light palette") << false;
    QTest::newRow("dark palette") << true;
  }

  void colouredTextsStayReadable() {
    QFETCH(bool, dark);
    ApplicationPalette palette(dark ? DarkPalette() : QApplication::style()->standardPalette());
    Select(kHeaterAndFan);
    Gaervik->Status_alarm->setText(Q(climate::main_texts::kNoSolution));
    const QColor background = Gaervik->palette().color(QPalette::Window);
    for (climate::TLabel *label : std::initializer_list<climate::TLabel *>{
             Gaervik->name_p1, Gaervik->name_p2, Gaervik->Status_alarm}) {
      const QColor text = label->TextColour();
      const double ratio = climate::ContrastRatio(text, background);
      qInfo("%s: %s on %s, %.2f:1", qPrintable(label->objectName()), qPrintable(text.name()),
            qPrintable(background.name()), ratio);
      QVERIFY2(ratio >= 4.5, qPrintable(label->objectName()));
      // The text is drawn in that colour.
      QVERIFY2(HasPixel(label->grab().toImage(), text), qPrintable(label->objectName()));
    }
    // The links take the palette's link colour where it is readable.
    if (climate::ContrastRatio(Gaervik->palette().color(QPalette::Link), background) >= 4.5) {
      QCOMPARE(Gaervik->name_p1->TextColour(), Gaervik->palette().color(QPalette::Link));
    }
  }

  void logosAreReadableOnADarkPalette() {
    // Dark artwork on transparency: on the light palette it stands on the window itself, on
    // the dark one on a light plate.
    for (climate::TImage *logo : {Gaervik->Image4, Gaervik->Image5}) {
      QVERIFY2(LightShare(logo->grab().toImage()) > 0.5, qPrintable(logo->objectName()));
    }
    ApplicationPalette palette(DarkPalette());
    for (climate::TImage *logo : {Gaervik->Image4, Gaervik->Image5}) {
      QVERIFY2(LightShare(logo->grab().toImage()) > 0.3, qPrintable(logo->objectName()));
    }
  }

  void suggestionBoxesHaveTheColourOfTheirFrame_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light palette") << false;
    QTest::newRow("dark palette") << true;
  }

  void suggestionBoxesHaveTheColourOfTheirFrame() {
    QFETCH(bool, dark);
    ApplicationPalette palette(dark ? DarkPalette() : QApplication::style()->standardPalette());
    Select(kHeaterAndFan);
    QCOMPARE(Gaervik->Image2->brushColour(), climate::ButtonFace());
    // The corners of the boxes hold no artwork: there the box shows its fill. Next to each
    // box lies the frame's interior.
    const QImage group = Gaervik->GroupBox6->grab().toImage();
    for (climate::TImage *box : {Gaervik->Image2, Gaervik->Image3}) {
      const QPoint corner = box->geometry().topLeft() + QPoint(1, 1);
      const QPoint beside = box->geometry().topLeft() + QPoint(-3, 1);
      QCOMPARE(group.pixelColor(corner), group.pixelColor(beside));
    }
  }

  void theInstallationPictureSitsInsideItsFrame() {
    // The frame of group 1 as the style draws it, without its controls: its top and right
    // border lines are the first rows and columns, from the top and from the right, that
    // differ from the corner beyond the frame, along the picture's middle.
    QGroupBox *group = Gaervik->GroupBox1;
    QImage frame(group->size(), QImage::Format_ARGB32);
    frame.fill(Qt::transparent);
    group->render(&frame, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const QRect picture = Gaervik->Image_inst->geometry();
    const QColor outside = frame.pixelColor(frame.width() - 1, 0);
    int top = 0;
    while (top < frame.height() && frame.pixelColor(picture.center().x(), top) == outside) ++top;
    int right = frame.width() - 1;
    while (right > 0 && frame.pixelColor(right, picture.center().y()) == outside) --right;
    QVERIFY2(picture.top() > top && picture.right() < right,
             qPrintable(QString("border lines at top %1, right %2").arg(top).arg(right)));
    // Clear of every other control of the group.
    for (QWidget *w : group->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
      if (w != Gaervik->Image_inst) {
        QVERIFY2(!w->geometry().intersects(picture), qPrintable(w->objectName()));
      }
    }
  }

  void messageBoxesUseTheWindowsFontSize() {
    const QFont main = MessageBoxFont([] { climate::ShowInformation(Gaervik, "x"); });
    QCOMPARE(main.pointSize(), 8);
    QCOMPARE(main.family(), Gaervik->font().family());
    const QFont heater = MessageBoxFont([] { climate::ShowError(heat_form, "x"); });
    QCOMPARE(heater.pointSize(), 8);
    QCOMPARE(heater.family(), heat_form->font().family());
    const QFont none = MessageBoxFont([] { climate::ShowError(nullptr, "x"); });
    QCOMPARE(none.pointSize(), 8);
  }

  void theToolkitSpeaksRussianWhileTheInterfaceDoes() {
    // The translations the package depends on are where the toolkit looks for them.
    QVERIFY(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm"));
    auto texts = [] {
      return QStringList{QCoreApplication::translate("QFileDialog", "Save As"),
                         QCoreApplication::translate("QPlatformTheme", "Cancel"),
                         QCoreApplication::translate("QLineEdit", "&Copy")};
    };
    const QStringList russian{"Сохранить как", "Отмена", "&Копировать"};
    const QStringList english{"Save As", "Cancel", "&Copy"};
    QCOMPARE(Gaervik->t_lang, 1);
    QVERIFY(climate::ToolkitTextsInstalled());
    QCOMPARE(texts(), russian);
    Gaervik->lang_m_2_2Click();
    QCOMPARE(texts(), english);
    Gaervik->lang_m_2_1Click();
    QCOMPARE(texts(), russian);
    // The standard buttons of the message boxes as well.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Отмена"));
  }

  void theFileDialogSpeaksTheInterfaceLanguage() {
    // The user's folder, holding a folder of drawings, in the dialog's detail view.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("чертежи"));
    const RealDialogs real;
    auto show = [&dir] {
      climate::AskSaveFileName(Gaervik, "SaveTextFileDialog1", dir.filePath("отчёт"));
    };
    // The texts of the dialog that come from the toolkit rather than from the user's files.
    auto toolkit_texts = [](QFileDialog *dialog, QStringList &texts) {
      dialog->setViewMode(QFileDialog::Detail);
      auto *files = dialog->findChild<QTreeView *>("treeView");
      QTRY_COMPARE(files->model()->rowCount(files->rootIndex()), 1);
      texts << dialog->windowTitle();
      for (int column = 0; column < files->model()->columnCount(); ++column) {
        texts << files->model()->headerData(column, Qt::Horizontal).toString();
      }
      texts << files->model()->index(0, 2, files->rootIndex()).data().toString();  // its type
      for (QLabel *label : dialog->findChildren<QLabel *>()) texts << label->text();
      for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        texts << button->text() << button->toolTip();
      }
    };
    QStringList russian;
    RunModal({}, show, [&](QWidget *w) { toolkit_texts(qobject_cast<QFileDialog *>(w), russian); });
    QCOMPARE(russian.value(0), QString("Сохранить как"));
    QCOMPARE(russian.filter(QRegularExpression("[A-Za-z]")), QStringList());
    Gaervik->lang_m_2_2Click();
    QString english;
    RunModal({}, show, [&](QWidget *w) { english = w->windowTitle(); });
    QCOMPARE(english, QString("Save As"));
  }

  void suggestionTooltipsGiveTheFiguresBehindTheDecision() {
    // The first worked example: S = 1.8·2·1.4 + 1.4·0.8·0.6 = 5.712 m², K = 5.5, hot case
    // 500/31.416 + 35 = 50.92 °C, cold case 10.92 °C, dew point 21 °C raising the inside
    // minimum to 21; heating 31.416·26 = 816.8 W cycling, 316.8 W regular; heat to remove
    // 500 − 31.416·5 = 342.9 W.
    Select(kHeaterAndFan);
    const QString common =
        "Эффективная площадь поверхности S: 5,71 м²\n"
        "Коэффициент теплопередачи K: 5,5 Вт/(м²·К)\n"
        "В шкафу без оборудования при 35 °С снаружи: 50,9 °С\n"
        "В шкафу без оборудования при -5 °С снаружи: 10,9 °С\n"
        "Точка росы: 21 °С\n"
        "Требуется в шкафу: от 21 до 40 °С\n";
    QCOMPARE(Gaervik->name_p1->toolTip(),
             common + "Нужна мощность обогрева: 317 Вт постоянно, 817 Вт периодически");
    QCOMPARE(Gaervik->name_p2->toolTip(), common + "Нужно отвести тепло: 343 Вт");
    QCOMPARE(Gaervik->name_p1->accessibleDescription(), Gaervik->name_p1->toolTip());

    // In the language of the moment; the suggestion texts themselves stay as they are.
    Gaervik->lang_m_2_2Click();
    QCOMPARE(Gaervik->name_p1->text(), QString("Выбрать обогреватель"));
    QCOMPARE(Gaervik->name_p2->toolTip(),
             QString("Effective surface S: 5.71 m²\n"
                     "Heat-transfer coefficient K: 5.5 W/(m²·K)\n"
                     "Inside without equipment at 35 °C ambient: 50.9 °C\n"
                     "Inside without equipment at -5 °C ambient: 10.9 °C\n"
                     "Dew point: 21 °C\n"
                     "To hold inside: 21 to 40 °C\n"
                     "Heat to remove: 343 W"));
    Gaervik->lang_m_2_1Click();

    // An input change empties the texts and their tooltips.
    Type(Gaervik->Edit4, "0");
    QCOMPARE(Gaervik->name_p1->toolTip(), QString());
    QCOMPARE(Gaervik->name_p2->toolTip(), QString());
  }

  void tooltipsOfTheCoolingUnitAndOfNoEquipment() {
    // The second worked example: S = 3.9 m², hot case 800/21.45 + 45 = 82.30 °C, cold case
    // 42.30 °C, dew point 36 (not below the maximum 35: no correction); heat to remove
    // 800 + 21.45·10 = 1014.5 W, a power needed in full: 1015.
    Select(kCoolerAlone);
    QCOMPARE(Gaervik->name_p1->toolTip(),
             QString("Эффективная площадь поверхности S: 3,90 м²\n"
                     "Коэффициент теплопередачи K: 5,5 Вт/(м²·К)\n"
                     "В шкафу без оборудования при 45 °С снаружи: 82,3 °С\n"
                     "В шкафу без оборудования при 5 °С снаружи: 42,3 °С\n"
                     "Точка росы: 36 °С\n"
                     "Требуется в шкафу: от 20 до 35 °С\n"
                     "Нужно отвести тепло: 1015 Вт"));
    QCOMPARE(Gaervik->name_p2->toolTip(), QString());  // no text, no tooltip

    // No equipment: the figures without a power.
    Select(kNothing);
    QCOMPARE(Gaervik->name_p1->toolTip().split('\n').size(), 6);
    QVERIFY(Gaervik->name_p1->toolTip().contains("Точка росы: -12 °С"));
  }

  void theCutTextCheckFindsACutCaption() {
    // The check itself: a caption one pixel too narrow is reported.
    QLabel *caption = Gaervik->label5;
    caption->resize(caption->fontMetrics().horizontalAdvance(caption->text()) - 1,
                    caption->height());
    QVERIFY(CutTexts(Gaervik).join("\n").contains("Gaervik/label5"));
  }
};

UI_TEST_CLASS(LookTest)
#include "look_test.moc"
