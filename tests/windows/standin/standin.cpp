// A stand-in for the spreadsheet application, for the tests of the Windows build under Wine: an
// in-process automation server that registers itself with the system under
// "Excel.Application" and answers the calls of the program's export with an object model of
// its own: Application (Visible, DisplayAlerts, WorkBooks, Cells, ActiveWorkbook, Quit),
// Workbooks (Add), Workbook (SaveAs, Close) and Range (Value). It records every call in standin.log
// beside its DLL, one line each: the object, the member, the kind and each argument with its
// type ("Application Cells get VT_I4=1 VT_I4=2"), and when an application object is made and
// when the last reference to it goes. SaveAs writes the cells with libxlsxwriter; it fails
// with an exception of the automation, described "Стенд: книга не сохранена", while a file
// fail-saveas lies beside the DLL.
#include <windows.h>

#include <oaidl.h>
#include <oleauto.h>
#include <olectl.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// {6F4C8C1A-3B7E-4C52-9D2B-7A1E5C3F9B10}, the stand-in's own class.
constexpr CLSID kClass{
    0x6f4c8c1a, 0x3b7e, 0x4c52, {0x9d, 0x2b, 0x7a, 0x1e, 0x5c, 0x3f, 0x9b, 0x10}};
constexpr wchar_t kClassText[] = L"{6F4C8C1A-3B7E-4C52-9D2B-7A1E5C3F9B10}";
constexpr wchar_t kProgId[] = L"Excel.Application";

HMODULE g_module = nullptr;
std::atomic<long> g_objects{0};

std::wstring Beside(const wchar_t *name) {
  wchar_t path[MAX_PATH];
  const DWORD size = ::GetModuleFileNameW(g_module, path, MAX_PATH);
  std::wstring folder(path, size);
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

std::string Utf8(const std::wstring &text) {
  if (text.empty()) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
  return out;
}

void Log(const std::string &line) {
  std::ofstream(std::filesystem::path(Beside(L"standin.log")), std::ios::app | std::ios::binary)
      << line << '\n';
}

std::string Describe(const VARIANT &v) {
  switch (v.vt) {
    case VT_BOOL:
      return std::string("VT_BOOL=") + (v.boolVal != VARIANT_FALSE ? "true" : "false");
    case VT_I4:
      return "VT_I4=" + std::to_string(v.lVal);
    case VT_R8:
      return "VT_R8=" + std::to_string(v.dblVal);
    case VT_BSTR:
      return "VT_BSTR=" + Utf8(std::wstring(v.bstrVal, ::SysStringLen(v.bstrVal)));
    case VT_DISPATCH:
      return "VT_DISPATCH";
    default:
      return "VT_" + std::to_string(v.vt);
  }
}

// The kind of a call as its flags say: "get", "put", "call", or several joined by "|".
std::string Kind(WORD flags) {
  std::string kind;
  const std::pair<WORD, const char *> names[] = {{DISPATCH_PROPERTYGET, "get"},
                                                 {DISPATCH_PROPERTYPUT, "put"},
                                                 {DISPATCH_PROPERTYPUTREF, "putref"},
                                                 {DISPATCH_METHOD, "call"}};
  for (const auto &[flag, name] : names) {
    if ((flags & flag) == 0) continue;
    if (!kind.empty()) kind += '|';
    kind += name;
  }
  return kind;
}

// The cells of the workbook the application holds.
struct Book {
  std::map<std::pair<long, long>, std::wstring> cells;
};

// An object of the stand-in: its members by name, each call recorded.
class Object : public IDispatch {
 public:
  explicit Object(std::string type) : type_(std::move(type)) { ++g_objects; }
  virtual ~Object() { --g_objects; }
  Object(const Object &) = delete;
  Object &operator=(const Object &) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **out) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
      *out = static_cast<IDispatch *>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID,
                                          DISPID *ids) override {
    if (count != 1) return DISP_E_UNKNOWNNAME;
    for (std::size_t i = 0; i < Members().size(); ++i) {
      if (::_wcsicmp(Members()[i], names[0]) == 0) {
        ids[0] = static_cast<DISPID>(i + 1);
        return S_OK;
      }
    }
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS *parameters,
                                   VARIANT *result, EXCEPINFO *exception, UINT *) override {
    if (id < 1 || static_cast<std::size_t>(id) > Members().size()) return DISP_E_MEMBERNOTFOUND;
    const std::wstring member = Members()[static_cast<std::size_t>(id) - 1];
    // The arguments as given, first to last.
    std::vector<VARIANT> args(parameters->rgvarg, parameters->rgvarg + parameters->cArgs);
    std::reverse(args.begin(), args.end());
    std::string line = type_ + " " + Utf8(member) + " " + Kind(kind);
    for (const VARIANT &v : args) {
      line += ' ';
      line += Describe(v);
    }
    Log(line);
    if (result != nullptr) ::VariantInit(result);
    return Handle(member, args, result, exception);
  }

 protected:
  virtual const std::vector<const wchar_t *> &Members() const = 0;
  virtual HRESULT Handle(const std::wstring &member, const std::vector<VARIANT> &args,
                         VARIANT *result, EXCEPINFO *exception) = 0;

  static HRESULT Return(VARIANT *result, IDispatch *object) {
    if (result == nullptr) {
      object->Release();
      return S_OK;
    }
    result->vt = VT_DISPATCH;
    result->pdispVal = object;
    return S_OK;
  }

 private:
  std::atomic<ULONG> refs_{1};
  std::string type_;
};

class Range final : public Object {
 public:
  Range(std::shared_ptr<Book> book, long row, long column)
      : Object("Range"), book_(std::move(book)), at_(row, column) {}

 protected:
  const std::vector<const wchar_t *> &Members() const override {
    static const std::vector<const wchar_t *> members{L"Value"};
    return members;
  }
  HRESULT Handle(const std::wstring &, const std::vector<VARIANT> &args, VARIANT *,
                 EXCEPINFO *) override {
    if (args.size() != 1 || args[0].vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
    book_->cells[at_] = std::wstring(args[0].bstrVal, ::SysStringLen(args[0].bstrVal));
    return S_OK;
  }

 private:
  std::shared_ptr<Book> book_;
  std::pair<long, long> at_;
};

class Workbook final : public Object {
 public:
  explicit Workbook(std::shared_ptr<Book> book) : Object("Workbook"), book_(std::move(book)) {}

 protected:
  const std::vector<const wchar_t *> &Members() const override {
    static const std::vector<const wchar_t *> members{L"SaveAs", L"Close"};
    return members;
  }
  HRESULT Handle(const std::wstring &member, const std::vector<VARIANT> &args, VARIANT *,
                 EXCEPINFO *exception) override {
    if (member == L"Close") return S_OK;
    if (args.empty() || args[0].vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
    if (::GetFileAttributesW(Beside(L"fail-saveas").c_str()) != INVALID_FILE_ATTRIBUTES) {
      if (exception != nullptr) {
        *exception = EXCEPINFO{};
        exception->bstrSource = ::SysAllocString(L"Стенд");
        exception->bstrDescription = ::SysAllocString(L"Стенд: книга не сохранена");
        exception->scode = E_FAIL;
      }
      return DISP_E_EXCEPTION;
    }
    const std::string file = Utf8(std::wstring(args[0].bstrVal, ::SysStringLen(args[0].bstrVal)));
    lxw_workbook *workbook = workbook_new(file.c_str());
    if (workbook == nullptr) return E_FAIL;
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    for (const auto &[at, text] : book_->cells) {
      worksheet_write_string(sheet, static_cast<lxw_row_t>(at.first - 1),
                             static_cast<lxw_col_t>(at.second - 1), Utf8(text).c_str(), nullptr);
    }
    return workbook_close(workbook) == LXW_NO_ERROR ? S_OK : E_FAIL;
  }

 private:
  std::shared_ptr<Book> book_;
};

class Workbooks final : public Object {
 public:
  explicit Workbooks(std::shared_ptr<Book> book) : Object("Workbooks"), book_(std::move(book)) {}

 protected:
  const std::vector<const wchar_t *> &Members() const override {
    static const std::vector<const wchar_t *> members{L"Add"};
    return members;
  }
  HRESULT Handle(const std::wstring &, const std::vector<VARIANT> &, VARIANT *result,
                 EXCEPINFO *) override {
    book_->cells.clear();
    return Return(result, new Workbook(book_));
  }

 private:
  std::shared_ptr<Book> book_;
};

class Application final : public Object {
 public:
  Application() : Object("Application"), book_(std::make_shared<Book>()) {
    Log("Application created");
  }
  ~Application() override { Log("Application released"); }

 protected:
  const std::vector<const wchar_t *> &Members() const override {
    static const std::vector<const wchar_t *> members{L"Visible", L"DisplayAlerts",  L"WorkBooks",
                                                      L"Cells",   L"ActiveWorkbook", L"Quit"};
    return members;
  }
  HRESULT Handle(const std::wstring &member, const std::vector<VARIANT> &args, VARIANT *result,
                 EXCEPINFO *) override {
    if (::_wcsicmp(member.c_str(), L"WorkBooks") == 0) return Return(result, new Workbooks(book_));
    if (::_wcsicmp(member.c_str(), L"ActiveWorkbook") == 0) {
      return Return(result, new Workbook(book_));
    }
    if (::_wcsicmp(member.c_str(), L"Cells") == 0) {
      if (args.size() != 2 || args[0].vt != VT_I4 || args[1].vt != VT_I4) {
        return DISP_E_TYPEMISMATCH;
      }
      return Return(result, new Range(book_, args[0].lVal, args[1].lVal));
    }
    return S_OK;  // Visible, DisplayAlerts and Quit are taken as they come
  }

 private:
  std::shared_ptr<Book> book_;
};

class Factory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **out) override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = static_cast<IClassFactory *>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID iid, void **out) override {
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    auto *application = new Application();
    const HRESULT result = application->QueryInterface(iid, out);
    application->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

Factory g_factory;

bool SetValue(const std::wstring &key, const wchar_t *name, const std::wstring &value) {
  HKEY handle = nullptr;
  if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result =
      ::RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(handle);
  return result == ERROR_SUCCESS;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  return TRUE;
}

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID id, REFIID iid, void **out) {
  if (id != kClass) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, out);
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return g_objects == 0 ? S_OK : S_FALSE;
}

// Registers the stand-in with the system's classes, as regsvr32 would. (Wine 8 does not look
// at the current user's own classes when it finds a class by programmatic identifier.)
HRESULT STDAPICALLTYPE DllRegisterServer() {
  const std::wstring cls = std::wstring(L"CLSID\\") + kClassText;
  const bool done = SetValue(std::wstring(kProgId) + L"\\CLSID", nullptr, kClassText) &&
                    SetValue(cls, nullptr, L"Stand-in spreadsheet application") &&
                    SetValue(cls + L"\\ProgID", nullptr, kProgId) &&
                    SetValue(cls + L"\\InprocServer32", nullptr, Beside(L"standin.dll")) &&
                    SetValue(cls + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
  return done ? S_OK : SELFREG_E_CLASS;
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
  ::RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
  ::RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + kClassText).c_str());
  return S_OK;
}

}  // extern "C"
