#include "report/xlsx_component.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <utility>

#include "report/automation.h"

#ifdef _WIN32
#include "report/com_component.h"
#endif

namespace climate::automation {

namespace {

namespace fs = std::filesystem;

constexpr int32_t kMaxRow = 1048576;
constexpr int32_t kMaxColumn = 16384;

// The cells of a workbook's only worksheet, by row and column counted from 1.
struct WorkbookData {
  std::map<std::pair<int32_t, int32_t>, std::string> cells;
};

struct ApplicationState {
  bool visible = false;
  bool alerts = true;
  bool quit = false;
  std::vector<std::shared_ptr<WorkbookData>> workbooks;
  std::shared_ptr<WorkbookData> active;
  FileWriter put_in_place;
  FolderMaker make_folder;

  void CheckRunning() const {
    if (quit) throw Error("Приложение электронных таблиц уже завершено");
  }
};

// A text that reads as a whole number is stored as a number, as the spreadsheet application
// does with a typed entry; everything else stays text.
bool IsWholeNumber(const std::string &text) {
  if (text.empty() || text.size() > 15) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::string SaveError(const std::string &file, const std::string &cause) {
  return "Не удалось сохранить книгу в файл «" + file + "»: " + cause;
}

// The library writes the workbook's own numbers (the page margins, numeric cells) with the C
// library's printf, which follows the numeric locale: on a desktop that writes decimal commas
// the file would read "0,7" where its format wants "0.7", and spreadsheet readers refuse it.
// While a workbook is written the numeric locale is "C"; afterwards it is the caller's again.
class CNumbers {
 public:
  CNumbers() {
    if (const char *current = std::setlocale(LC_NUMERIC, nullptr)) previous_ = current;
    std::setlocale(LC_NUMERIC, "C");
  }
  ~CNumbers() {
    if (!previous_.empty()) std::setlocale(LC_NUMERIC, previous_.c_str());
  }
  CNumbers(const CNumbers &) = delete;
  CNumbers &operator=(const CNumbers &) = delete;

 private:
  std::string previous_;
};

// A whole number written in decimal digits, read without regard to any locale.
double WholeNumber(const std::string &digits) {
  double value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

// Assembles the workbook in the private folder `folder` (a UTF-8 path) and returns its bytes.
std::string WorkbookBytes(const WorkbookData &data, const std::string &folder) {
  const CNumbers c_numbers;
  // The library reads its file names as UTF-8 (on Windows through the project's patch).
  const std::string book = folder + "/book.xlsx";
  std::string tmpdir = folder;
  lxw_workbook_options options{};
  options.tmpdir = tmpdir.data();  // the library's own scratch files go there too

  lxw_workbook *workbook = workbook_new_opt(book.c_str(), &options);
  if (!workbook) throw std::runtime_error("недостаточно памяти");
  lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
  for (const auto &[at, text] : data.cells) {
    const lxw_row_t row = static_cast<lxw_row_t>(at.first - 1);
    const lxw_col_t col = static_cast<lxw_col_t>(at.second - 1);
    const lxw_error written =
        IsWholeNumber(text) ? worksheet_write_number(sheet, row, col, WholeNumber(text), nullptr)
                            : worksheet_write_string(sheet, row, col, text.c_str(), nullptr);
    if (written != LXW_NO_ERROR) {
      // Nothing of a refused workbook is kept.
      workbook_close(workbook);
      throw std::runtime_error("ячейка (" + std::to_string(at.first) + ", " +
                               std::to_string(at.second) + "): " + lxw_strerror(written));
    }
  }
  errno = 0;
  const lxw_error closed = workbook_close(workbook);
  if (closed != LXW_NO_ERROR) {
    // The library reports a failed file operation by its own code; the system's cause, when
    // there is one, says more.
    const std::string cause = errno != 0 ? std::strerror(errno) : lxw_strerror(closed);
    throw std::runtime_error("временная папка «" + folder + "»: " + cause);
  }
  // From a UTF-8 path: on Windows a path made from a narrow string would read it in the ANSI
  // code page.
  return ReadAll(Utf8Path(book));
}

class Cell : public Object {
 public:
  Cell(std::shared_ptr<WorkbookData> book, int32_t row, int32_t column)
      : Object("Range"), book_(std::move(book)), at_(row, column) {
    DefineProperty(
        "Value",
        [this](const Args &) -> Value {
          auto it = book_->cells.find(at_);
          return it == book_->cells.end() ? Value{} : Value{it->second};
        },
        [this](const Args &, const Value &value) {
          if (const auto *s = std::get_if<std::string>(&value)) {
            book_->cells[at_] = *s;
          } else if (const auto *i = std::get_if<int32_t>(&value)) {
            book_->cells[at_] = std::to_string(*i);
          } else if (std::holds_alternative<std::monostate>(value)) {
            book_->cells.erase(at_);
          } else {
            throw Error("В ячейку можно записать только текст или целое число");
          }
        });
  }

 private:
  std::shared_ptr<WorkbookData> book_;
  std::pair<int32_t, int32_t> at_;
};

class Workbook : public Object {
 public:
  Workbook(std::shared_ptr<ApplicationState> app, std::shared_ptr<WorkbookData> book)
      : Object("Workbook"), app_(std::move(app)), book_(std::move(book)) {
    DefineMethod("SaveAs", [this](const Args &args) -> Value {
      app_->CheckRunning();
      std::string file = StringArg("SaveAs", args, 0);
      if (file.empty()) throw Error(SaveError(file, "имя файла не задано"));
      file = WorkbookFileName(std::move(file));
      std::string bytes;
      try {
        // The folder goes as soon as the bytes are read back, before the file is written.
        const WorkFolder folder = app_->make_folder();
        bytes = WorkbookBytes(*book_, folder.path);
      } catch (const std::exception &e) {
        throw Error(SaveError(file, e.what()));
      }
      // The writer names the file and the cause of a failure itself.
      try {
        app_->put_in_place(file, bytes);
      } catch (const std::exception &e) {
        throw Error(e.what());
      }
      return {};
    });
  }

 private:
  std::shared_ptr<ApplicationState> app_;
  std::shared_ptr<WorkbookData> book_;
};

class Workbooks : public Object {
 public:
  explicit Workbooks(std::shared_ptr<ApplicationState> app)
      : Object("Workbooks"), app_(std::move(app)) {
    DefineMethod("Add", [this](const Args &) -> Value {
      app_->CheckRunning();
      auto book = std::make_shared<WorkbookData>();
      app_->workbooks.push_back(book);
      app_->active = book;
      return std::make_shared<Workbook>(app_, book);
    });
    DefineProperty("Count", [this](const Args &) -> Value {
      return static_cast<int32_t>(app_->workbooks.size());
    });
  }

 private:
  std::shared_ptr<ApplicationState> app_;
};

class Application : public Object {
 public:
  Application(FileWriter put_in_place, FolderMaker make_folder)
      : Object("Application"), app_(std::make_shared<ApplicationState>()) {
    app_->put_in_place = std::move(put_in_place);
    app_->make_folder = std::move(make_folder);
    DefineProperty(
        "Visible", [this](const Args &) -> Value { return app_->visible; },
        [this](const Args &, const Value &value) {
          app_->CheckRunning();
          const auto *b = std::get_if<bool>(&value);
          if (!b) throw Error("Свойство «Visible» принимает только логическое значение");
          app_->visible = *b;
        });
    // This component asks nothing: whether it may is taken and kept, as the application would.
    DefineProperty(
        "DisplayAlerts", [this](const Args &) -> Value { return app_->alerts; },
        [this](const Args &, const Value &value) {
          const auto *b = std::get_if<bool>(&value);
          if (!b) throw Error("Свойство «DisplayAlerts» принимает только логическое значение");
          app_->alerts = *b;
        });
    DefineProperty("WorkBooks", [this](const Args &) -> Value {
      app_->CheckRunning();
      return std::make_shared<Workbooks>(app_);
    });
    DefineProperty("Cells", [this](const Args &args) -> Value {
      app_->CheckRunning();
      const int32_t row = IntArg("Cells", args, 0);
      const int32_t column = IntArg("Cells", args, 1);
      if (row < 1 || row > kMaxRow || column < 1 || column > kMaxColumn) {
        throw Error("Ячейка (" + std::to_string(row) + ", " + std::to_string(column) +
                    ") лежит вне листа");
      }
      return std::make_shared<Cell>(ActiveBook(), row, column);
    });
    DefineProperty("ActiveWorkbook", [this](const Args &) -> Value {
      app_->CheckRunning();
      return std::make_shared<Workbook>(app_, ActiveBook());
    });
    DefineMethod("Quit", [this](const Args &) -> Value {
      app_->quit = true;
      app_->workbooks.clear();
      app_->active.reset();
      return {};
    });
  }

 private:
  std::shared_ptr<WorkbookData> ActiveBook() const {
    if (!app_->active) throw Error("Нет активной книги");
    return app_->active;
  }
  std::shared_ptr<ApplicationState> app_;
};

}  // namespace

fs::path Utf8Path(const std::string &name) {
  return fs::path(std::u8string(name.begin(), name.end()));
}

std::string ReadAll(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  if (!in || !(bytes << in.rdbuf()))
    throw std::runtime_error("не удалось прочитать собранную книгу");
  return std::move(bytes).str();
}

std::string WorkbookFileName(std::string file) {
  if (Utf8Path(file).extension().empty()) file += ".xlsx";
  return file;
}

void RegisterSpreadsheetComponent(const FileWriter &put_in_place, const FolderMaker &make_folder) {
  RegisterComponent(kSpreadsheetProgId, [put_in_place, make_folder]() -> ObjectPtr {
#ifdef _WIN32
    // The user's own spreadsheet application where the system has it and it starts.
    if (ObjectPtr installed = CreateSystemObject(kSpreadsheetProgId, put_in_place, make_folder)) {
      return installed;
    }
#endif
    return std::make_shared<Application>(put_in_place, make_folder);
  });
}

}  // namespace climate::automation
