// The save window: the text file and the workbook written from the selection windows.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "app/app.h"
#include "balance/aervik.h"
#include "report/automation.h"
#include "report/file_output.h"
#include "report/save.h"
#include "report/xlsx_component.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"
#include "tests/ui/journey.h"
#include "tests/ui/ui_harness.h"
#ifdef Q_OS_WIN
#include "tests/windows/standin/standin.h"
#endif

using namespace testing_ui;

namespace {

// Windows-1251 bytes of the two headings used below.
const QByteArray kHeaterHeading = QByteArray::fromHex("CEE1EEE3F0E5E220E2EEE7E4F3F5E03A");
const QByteArray kFanHeading = QByteArray::fromHex("C2E5EDF2E8EBFFF2EEF0FB20E2EEE7E4F3F5E03A");

// Opens the save window from the total-specification button and runs `action` in it; the
// window is closed if the action leaves it open. False when the test has failed.
[[nodiscard]] bool InSaveWindow(const std::function<void()> &action) {
  Gaervik->Total_spec->setEnabled(true);
  return InModalWindow(
      save_form, [] { Click(Gaervik->Total_spec); }, action);
}

}  // namespace

class SaveWindowTest : public FolderWindowTest {
  Q_OBJECT

 private slots:
  void textsAreRussianInEveryLanguage() {
    Gaervik->t_lang = 2;
    QVERIFY(InSaveWindow([] {
      QCOMPARE(save_form->windowTitle(), QString("Сохранение отчета"));
      QCOMPARE(save_form->GroupBox6->title(), QString("Сохранить отчет в"));
      QCOMPARE(save_form->Button1->text(), QString("В файл TXT"));
      QCOMPARE(save_form->Button2->text(), QString("В файл EXCEl"));
      QVERIFY(save_form->Button2->isEnabled());
      save_form->close();
    }));
  }

  void heaterAndFanTextFileWithTheUsersEdits() {
    Gaervik->balance.heat = 2;
    Gaervik->balance.vent = 1;
    heat_form->Memo1->setText("HK-V400 x 1\r\nTK-CO x 1");
    vent_form->Memo1->setText("FK-270-230 x 1\r\nnote 中 €");  // typed by the user
    cool_form->Memo1->setText("not needed");
    const QString base = Path("total.txt");  // gets a second extension
    Messages().file_names.enqueue(base);
    QVERIFY(InSaveWindow([] { Click(save_form->Button1); }));

    QVERIFY(!save_form->isVisible());
    QCOMPARE(Messages().dialogs, QStringList{"SaveTextFileDialog1"});
    QCOMPARE(ReadFile(base + ".txt"), kHeaterHeading + "\r\nHK-V400 x 1\r\nTK-CO x 1\r\n\r\n" +
                                          kFanHeading + "\r\nFK-270-230 x 1\r\nnote ? \x88\r\n");
    QVERIFY(!QFile::exists(base));
  }

  void heaterAloneEndsInEmptyLinesAndReplacesTheFile() {
    Gaervik->balance.heat = 2;
    heat_form->Memo1->setText("HK-P1200T x 1\r\n");
    const QString base = Path("alone");
    QFile old(base + ".txt");
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older and much longer specification file");
    old.close();
    Messages().file_names.enqueue(base);
    QVERIFY(InSaveWindow([] { Click(save_form->Button1); }));
    QCOMPARE(ReadFile(base + ".txt"), kHeaterHeading + "\r\nHK-P1200T x 1\r\n\r\n\r\n\r\n");
  }

  void cancelledDialogsWriteNothing() {
    Gaervik->balance.heat = 1;
    bool stayed_open = false;
    QVERIFY(InSaveWindow([&] {
      Click(save_form->Button1);  // the queue is empty: the dialog is cancelled
      Click(save_form->Button2);
      stayed_open = save_form->isVisible();
      save_form->close();
    }));
    QVERIFY(stayed_open);
    QCOMPARE(Messages().dialogs, (QStringList{"SaveTextFileDialog1", "SaveTextFileDialog2"}));
    QVERIFY(QDir(Folder()).isEmpty());
    QVERIFY(Messages().errors.isEmpty());
  }

  void failedWriteNamesTheFileAndKeepsTheWindowOpen() {
    Gaervik->balance.vent = 1;
    vent_form->Memo1->setText("FK-015-230 x 1");
    const QString base = Path("missing-folder/total");
    Messages().file_names.enqueue(base);
    Messages().file_names.enqueue(base);
    bool stayed_open = false;
    QVERIFY(InSaveWindow([&] {
      Click(save_form->Button1);
      Click(save_form->Button2);
      stayed_open = save_form->isVisible();
      save_form->close();
    }));
    QVERIFY(stayed_open);
    QCOMPARE(Messages().errors.size(), 2);
    QVERIFY2(Messages().errors[0].contains(base + ".txt"), qPrintable(Messages().errors[0]));
    QVERIFY2(Messages().errors[1].contains(base + ".xlsx"), qPrintable(Messages().errors[1]));
    QCOMPARE(vent_form->Memo1->text(), QString("FK-015-230 x 1"));
    QCOMPARE(Gaervik->balance.vent, 1);
  }

  // The text file and the workbook are put in place alike: a failed write, a write-protected
  // file, a symbolic link and a name as long as the file system allows.
  void bothExportsGuardTheFileAlike_data() {
    QTest::addColumn<bool>("workbook");
    QTest::addColumn<QString>("situation");
    for (const char *situation : {"write fails", "write-protected", "symbolic link", "long name"}) {
      QTest::addRow("text file, %s", situation) << false << QString(situation);
      QTest::addRow("workbook, %s", situation) << true << QString(situation);
    }
  }
  void bothExportsGuardTheFileAlike() {
    QFETCH(bool, workbook);
    QFETCH(QString, situation);
    Gaervik->balance.heat = 2;
    heat_form->Memo1->setText("HK-V400 x 1");
    const QString extension = workbook ? ".xlsx" : ".txt";
    const QString stem = situation == "long name" ? QString(255 - 4 - (workbook ? 1 : 0), 'n')
                                                  : QStringLiteral("total");
    const QString file = Path(stem + extension);  // the file the export writes
    QString target = file;
    if (situation == "symbolic link") {
#ifdef Q_OS_WIN
      QSKIP("Wine 8 makes no symbolic links; the Windows build follows them as the system does");
#endif
      target = Path("real" + extension);
      QVERIFY(QFile::link(target, file));
    }
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    if (situation == "write-protected") QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
    if (situation == "write fails") {
      climate::InjectFileFault(
          climate::FileFault{climate::FileStep::Write, "No space left on device"});
    }
    const QStringList before = QDir(Folder()).entryList(QDir::AllEntries | QDir::Hidden);

    Messages().file_names.enqueue(workbook ? file : Path(stem));
    bool stayed_open = false;
    const bool shown = InSaveWindow([&] {
      Click(workbook ? save_form->Button2 : save_form->Button1);
      stayed_open = save_form->isVisible();
      if (stayed_open) save_form->close();
    });
    climate::InjectFileFault(std::nullopt);
    QVERIFY(shown);

    QCOMPARE(QDir(Folder()).entryList(QDir::AllEntries | QDir::Hidden), before);
    if (situation == "write fails" || situation == "write-protected") {
      QVERIFY(stayed_open);
      QCOMPARE(Messages().errors.size(), 1);
      const QString cause =
          situation == "write fails" ? "No space left on device" : "защищён от записи";
      QVERIFY2(Messages().errors[0].contains(file) && Messages().errors[0].contains(cause),
               qPrintable(Messages().errors[0]));
      QCOMPARE(ReadFile(target), QByteArray("old contents"));
    } else {
      QVERIFY(!stayed_open);
      QVERIFY2(Messages().errors.isEmpty(), qPrintable(Messages().errors.join('\n')));
      QVERIFY(ReadFile(target).startsWith(workbook ? QByteArray("PK") : kHeaterHeading));
      if (situation == "symbolic link") QVERIFY(QFileInfo(file).isSymLink());
    }
  }

  void workbookFromTheItemFields() {
    // A heater and a fan, both created and exported; then the user edits the heater list.
    Select(Enclosure{"2000", "800", "600", 0, 0, "500", 35, -5, 50, 40, 10});
    QCOMPARE(ClickSuggestion(Gaervik->name_p1, Export), heat_form);
    QCOMPARE(ClickSuggestion(Gaervik->name_p2, Export), vent_form);
    heat_form->Memo1->setText("edited by the user, not in the workbook");
    const QString file = Path("book");
    Messages().file_names.enqueue(file);
    QVERIFY(InSaveWindow([] { Click(save_form->Button2); }));

    QVERIFY(!save_form->isVisible());
    QCOMPARE(
        ReadWorkbook(file + ".xlsx"),
        (QStringList{
            R"(["Код", "Наименование", "Количество"])",
            R"(["HK-V400", "Обогреватель с клеммной колодкой и вентилятором, б/кабеля P=400W", 1])",
            R"(["FK-270-230", "Вентилятор c решёткой и фильтром, 230/270  м3/час, 230В", 1])",
            R"(["GK-270", "Вентиляционная решётка с фильтром, 250 x 250 мм", 1])",
            R"x(["TK-CO", "Термостат, диапазон +5 ~ +60 градусов С, перекидной контакт (NO/NC)", 1])x",
            R"(["HG-CO", "Гигростат, перекидной контакт", 1])"}));
  }

#ifdef Q_OS_WIN
  // With a spreadsheet application on the system (the stand-in) the workbook goes through it;
  // its failed SaveAs reaches the user in an error box with its own words, the window stays
  // open, nothing is written and no instance is left, the probe's included.
  void theApplicationsFailureReachesTheUser() {
    standin::StandIn standin;
    standin.FailSaveAs();
    Gaervik->balance.heat = 2;
    Messages().file_names.enqueue(Path("book"));
    bool stayed_open = false;
    QVERIFY(InSaveWindow([&] {
      Click(save_form->Button2);
      stayed_open = save_form->isVisible();
      if (stayed_open) save_form->close();
    }));
    QVERIFY(stayed_open);
    QCOMPARE(Messages().errors.size(), 1);
    QVERIFY2(Messages().errors[0].contains("Стенд: книга не сохранена"),
             qPrintable(Messages().errors[0]));
    const std::vector<std::string> calls = standin.Calls();
    QCOMPARE(std::count(calls.begin(), calls.end(), "Application created"), 2);
    QCOMPARE(std::count(calls.begin(), calls.end(), "Application Quit call"), 2);
    QCOMPARE(calls.back(), std::string("Application released"));
    QVERIFY(standin.NothingLeft());
    QVERIFY(QDir(Folder()).isEmpty());
  }
#endif

  void withoutTheComponentTheWorkbookButtonStaysDisabled() {
    climate::automation::UnregisterComponent(climate::automation::kSpreadsheetProgId);
    QVERIFY(InSaveWindow([] {
      QVERIFY(!save_form->Button2->isEnabled());
      save_form->close();
    }));
    climate::automation::RegisterSpreadsheetComponent(climate::PutFileInPlaceUtf8,
                                                      climate::MakePrivateFolder);
    QVERIFY(InSaveWindow([] {
      QVERIFY(!save_form->Button2->isEnabled());
      save_form->close();
    }));
  }
};

UI_TEST_CLASS(SaveWindowTest)
#include "save_window_test.moc"
