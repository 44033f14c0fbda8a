#include "report/xlsx_component.h"

#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <utility>

#include "report/automation.h"

namespace climate::automation {

namespace {

constexpr int32_t kMaxRow = 1048576;
constexpr int32_t kMaxColumn = 16384;

// The cells of a workbook's only worksheet, by row and column counted from 1.
struct WorkbookData {
  std::map<std::pair<int32_t, int32_t>, std::string> cells;
};

struct ApplicationState {
  bool visible = false;
  bool quit = false;
  std::vector<std::shared_ptr<WorkbookData>> workbooks;
  std::shared_ptr<WorkbookData> active;

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

// Writes the workbook next to its destination under a temporary name, forces it to disk and
// only then puts it in place, so that a failed save leaves no half-written file and an
// existing file of the name stays intact.
void WriteXlsx(const WorkbookData &data, const std::string &file) {
  std::string temp = file + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) throw Error(SaveError(file, std::strerror(errno)));
  close(fd);
  auto fail = [&](const std::string &cause) {
    std::remove(temp.c_str());
    throw Error(SaveError(file, cause));
  };

  lxw_workbook *workbook = workbook_new(temp.c_str());
  if (!workbook) fail("недостаточно памяти");
  lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
  for (const auto &[at, text] : data.cells) {
    const lxw_row_t row = static_cast<lxw_row_t>(at.first - 1);
    const lxw_col_t col = static_cast<lxw_col_t>(at.second - 1);
    const lxw_error written =
        IsWholeNumber(text)
            ? worksheet_write_number(sheet, row, col, std::strtod(text.c_str(), nullptr), nullptr)
            : worksheet_write_string(sheet, row, col, text.c_str(), nullptr);
    if (written != LXW_NO_ERROR) {
      // Nothing of a refused workbook is written; the temporary file goes with it.
      workbook_close(workbook);
      fail("ячейка (" + std::to_string(at.first) + ", " + std::to_string(at.second) +
           "): " + lxw_strerror(written));
    }
  }
  const lxw_error closed = workbook_close(workbook);
  if (closed != LXW_NO_ERROR) fail(lxw_strerror(closed));

  const int sync_fd = open(temp.c_str(), O_RDONLY);
  if (sync_fd < 0 || fsync(sync_fd) != 0) {
    const std::string cause = std::strerror(errno);
    if (sync_fd >= 0) close(sync_fd);
    fail(cause);
  }
  close(sync_fd);
  if (std::rename(temp.c_str(), file.c_str()) != 0) fail(std::strerror(errno));
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
      // A name without an extension gets the workbook extension.
      if (std::filesystem::path(file).extension().empty()) file += ".xlsx";
      WriteXlsx(*book_, file);
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
  Application() : Object("Application"), app_(std::make_shared<ApplicationState>()) {
    DefineProperty(
        "Visible", [this](const Args &) -> Value { return app_->visible; },
        [this](const Args &, const Value &value) {
          app_->CheckRunning();
          const auto *b = std::get_if<bool>(&value);
          if (!b) throw Error("Свойство «Visible» принимает только логическое значение");
          app_->visible = *b;
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

void RegisterSpreadsheetComponent() {
  RegisterComponent(kSpreadsheetProgId, [] { return std::make_shared<Application>(); });
}

}  // namespace climate::automation
