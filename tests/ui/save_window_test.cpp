// The save window: the text file and the workbook written from the selection windows.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/app.h"
#include "balance/aervik.h"
#include "report/automation.h"
#include "report/save.h"
#include "report/xlsx_component.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"
#include "tests/ui/ui_harness.h"

using namespace testing_ui;

namespace {

// Windows-1251 bytes of the two headings used below.
const QByteArray kHeaterHeading = QByteArray::fromHex("CEE1EEE3F0E5E220E2EEE7E4F3F5E03A");
const QByteArray kFanHeading = QByteArray::fromHex("C2E5EDF2E8EBFFF2EEF0FB20E2EEE7E4F3F5E03A");

QByteArray Read(const QString &file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll();
}

// Opens the save window from the total-specification button and runs `action` in it; the
// window is closed if the action leaves it open. False when the test has failed.
[[nodiscard]] bool InSaveWindow(const std::function<void()> &action) {
  Gaervik->Total_spec->setEnabled(true);
  return InModalWindow(
      save_form, [] { Click(Gaervik->Total_spec); }, action);
}

QStringList ReadWorkbook(const QString &file) {
  QProcess reader;
  reader.start("/usr/bin/python3", {READ_XLSX_SCRIPT, file});
  reader.waitForFinished();
  return QString::fromUtf8(reader.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

}  // namespace

class SaveWindowTest : public WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    WindowTest::init();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void cleanup() {
    WindowTest::cleanup();
    dir_.reset();
  }

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
    Gaervik->heat = 2;
    Gaervik->vent = 1;
    heat_form->Memo1->setText("HK-V400 x 1\r\nTK-CO x 1");
    vent_form->Memo1->setText("FK-270-230 x 1\r\nnote 中 €");  // typed by the user
    cool_form->Memo1->setText("not needed");
    const QString base = dir_->filePath("spec.txt");  // gets a second extension
    Messages().file_names.enqueue(base);
    QVERIFY(InSaveWindow([] { Click(save_form->Button1); }));

    QVERIFY(!save_form->isVisible());
    QCOMPARE(Messages().dialogs, QStringList{"SaveTextFileDialog1"});
    QCOMPARE(Read(base + ".txt"), kHeaterHeading + "\r\nHK-V400 x 1\r\nTK-CO x 1\r\n\r\n" +
                                      kFanHeading + "\r\nFK-270-230 x 1\r\nnote ? \x88\r\n");
    QVERIFY(!QFile::exists(base));
  }

  void heaterAloneEndsInEmptyLinesAndReplacesTheFile() {
    Gaervik->heat = 2;
    heat_form->Memo1->setText("HK-P1200T x 1\r\n");
    const QString base = dir_->filePath("alone");
    QFile old(base + ".txt");
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older and much longer specification file");
    old.close();
    Messages().file_names.enqueue(base);
    QVERIFY(InSaveWindow([] { Click(save_form->Button1); }));
    QCOMPARE(Read(base + ".txt"), kHeaterHeading + "\r\nHK-P1200T x 1\r\n\r\n\r\n\r\n");
  }

  void cancelledDialogsWriteNothing() {
    Gaervik->heat = 1;
    bool stayed_open = false;
    QVERIFY(InSaveWindow([&] {
      Click(save_form->Button1);  // the queue is empty: the dialog is cancelled
      Click(save_form->Button2);
      stayed_open = save_form->isVisible();
      save_form->close();
    }));
    QVERIFY(stayed_open);
    QCOMPARE(Messages().dialogs, (QStringList{"SaveTextFileDialog1", "SaveTextFileDialog2"}));
    QVERIFY(QDir(dir_->path()).isEmpty());
    QVERIFY(Messages().errors.isEmpty());
  }

  void failedWriteNamesTheFileAndKeepsTheWindowOpen() {
    Gaervik->vent = 1;
    vent_form->Memo1->setText("FK-015-230 x 1");
    const QString base = dir_->filePath("missing-folder/spec");
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
    QCOMPARE(Gaervik->vent, 1);
  }

  void workbookFromTheItemFields() {
    Gaervik->heat = 2;
    Gaervik->vent = 1;
    heat_form->heat_code = "HK-V400";
    heat_form->heat_name = "Обогреватель";
    heat_form->heat_qnt = "1";
    heat_form->q_mem = 1;
    heat_form->heat_code_2 = "HK-V250";  // left from an earlier two-model selection
    heat_form->term_code = "TK-CO";
    heat_form->term_name = "Термостат";
    heat_form->term_qnt = "1";
    heat_form->gigro_code = "HG-CO";
    heat_form->gigro_name = "Гигростат";
    heat_form->gigro_qnt = "1";
    heat_form->Memo1->setText("edited by the user, not in the workbook");
    vent_form->vent_code = "FK-270-230";
    vent_form->vent_name = "Вентилятор";
    vent_form->vent_qnt = "1";
    vent_form->vent_code_2 = "GK-270";
    vent_form->vent_name_2 = "Решётка";
    vent_form->vent_qnt_2 = "1";
    vent_form->term_code = "TK-NO";
    const QString file = dir_->filePath("book");
    Messages().file_names.enqueue(file);
    QVERIFY(InSaveWindow([] { Click(save_form->Button2); }));

    QVERIFY(!save_form->isVisible());
    QCOMPARE(ReadWorkbook(file + ".xlsx"),
             (QStringList{R"(["Код", "Наименование", "Количество"])",
                          R"(["HK-V400", "Обогреватель", 1])", R"(["FK-270-230", "Вентилятор", 1])",
                          R"(["GK-270", "Решётка", 1])", R"(["TK-CO", "Термостат", 1])",
                          R"(["HG-CO", "Гигростат", 1])"}));
  }

  void withoutTheComponentTheWorkbookButtonStaysDisabled() {
    climate::automation::UnregisterComponent(climate::automation::kSpreadsheetProgId);
    QVERIFY(InSaveWindow([] {
      QVERIFY(!save_form->Button2->isEnabled());
      save_form->close();
    }));
    climate::automation::RegisterSpreadsheetComponent();
    QVERIFY(InSaveWindow([] {
      QVERIFY(!save_form->Button2->isEnabled());
      save_form->close();
    }));
  }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
};

UI_TEST_MAIN(SaveWindowTest)
#include "save_window_test.moc"
