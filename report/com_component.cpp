#include "report/com_component.h"

#include <windows.h>

#include <oaidl.h>
#include <oleauto.h>

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace climate::automation {
namespace {

// The format of SaveAs for a workbook of the Office Open XML format (xlOpenXMLWorkbook).
constexpr int32_t kOpenXmlWorkbook = 51;

std::wstring Wide(const std::string &utf8) {
  if (utf8.empty()) return {};
  const int size =
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
  return text;
}

std::string Utf8(const wchar_t *text, int length) {
  if (text == nullptr || length == 0) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
  return out;
}

std::string Utf8(BSTR text) {
  return text == nullptr ? std::string() : Utf8(text, static_cast<int>(::SysStringLen(text)));
}

// Whether a member's name is `name`: the application's names are not case-sensitive.
bool EqualNames(const std::string &member, const char *name) {
  return ::_stricmp(member.c_str(), name) == 0;
}

// The system's text for `code`; where it has none (Wine knows few of automation's), the code.
std::string CodeText(HRESULT code) {
  wchar_t *text = nullptr;
  const DWORD size = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
  std::string message = Utf8(text, static_cast<int>(size));
  if (text != nullptr) ::LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == ' ' || message.back() == '.')) {
    message.pop_back();
  }
  if (!message.empty()) return message;
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(code));
  return std::string("ошибка автоматизации ") + hex;
}

// COM initialised on the thread that uses it, for the life of the objects of one instance of
// the application, and released with them.
class Apartment {
 public:
  Apartment() {
    const HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: already initialised on this thread, by the toolkit for one, which counts too.
    // RPC_E_CHANGED_MODE: initialised otherwise; usable, and not this object's to release.
    initialised_ = SUCCEEDED(result);
  }
  ~Apartment() {
    if (initialised_) ::CoUninitialize();
  }
  Apartment(const Apartment &) = delete;
  Apartment &operator=(const Apartment &) = delete;

 private:
  bool initialised_ = false;
};

// What the objects of one instance of the application share.
struct Session {
  Apartment apartment;  // first made, last gone
  FileWriter put_in_place;
  FolderMaker make_folder;
};

// A VARIANT cleared with the object.
class Variant {
 public:
  Variant() { ::VariantInit(&v_); }
  ~Variant() { ::VariantClear(&v_); }
  Variant(const Variant &) = delete;
  Variant &operator=(const Variant &) = delete;
  VARIANT *get() { return &v_; }

 private:
  VARIANT v_;
};

// VARIANTs cleared when the object goes.
struct ClearedOnExit {
  explicit ClearedOnExit(std::vector<VARIANT> &v) : variants(v) {}
  ClearedOnExit(const ClearedOnExit &) = delete;
  ClearedOnExit &operator=(const ClearedOnExit &) = delete;
  ~ClearedOnExit() {
    for (VARIANT &v : variants) ::VariantClear(&v);
  }
  std::vector<VARIANT> &variants;
};

// An object of the application: every call goes to it by member name through IDispatch.
class Dispatch : public Object {
 public:
  Dispatch(std::shared_ptr<Session> session, IDispatch *object, std::string type)
      : Object(std::move(type)), session_(std::move(session)), object_(object) {}
  ~Dispatch() override { object_->Release(); }
  Dispatch(const Dispatch &) = delete;
  Dispatch &operator=(const Dispatch &) = delete;

  using Object::Put;
  void Put(const std::string &member, const Args &args, const Value &value) override {
    Args all = args;
    all.push_back(value);
    Invoke(member, DISPATCH_PROPERTYPUT, all);
  }
  Value Get(const std::string &member, const Args &args) override {
    return Invoke(member, DISPATCH_PROPERTYGET, args);
  }
  Value Call(const std::string &member, const Args &args) override {
    return Invoke(member, DISPATCH_METHOD, args);
  }

 protected:
  // The object a call returned, as this layer's object; `member` names the call.
  virtual ObjectPtr Wrap(IDispatch *object, const std::string &member) {
    return std::make_shared<Dispatch>(session_, object, member);
  }

  Value Invoke(const std::string &member, WORD kind, const Args &args) {
    std::wstring name = Wide(member);
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
      UnknownMember(member);
    }
    // The arguments go last to first.
    std::vector<VARIANT> arguments(args.size());
    for (VARIANT &v : arguments) ::VariantInit(&v);
    // Cleared on every way out, an argument that cannot be passed included.
    const ClearedOnExit cleared{arguments};
    for (std::size_t i = 0; i < args.size(); ++i)
      ToVariant(args[i], arguments[args.size() - 1 - i]);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    if (kind == DISPATCH_PROPERTYPUT) {
      parameters.rgdispidNamedArgs = &named;
      parameters.cNamedArgs = 1;
    }
    Variant result;
    EXCEPINFO exception{};
    UINT wrong = 0;
    const HRESULT outcome =
        object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters,
                        kind == DISPATCH_PROPERTYPUT ? nullptr : result.get(), &exception, &wrong);
    if (FAILED(outcome)) Fail(member, outcome, exception);
    return FromVariant(*result.get(), member);
  }

 private:
  void ToVariant(const Value &value, VARIANT &v) const {
    if (const auto *b = std::get_if<bool>(&value)) {
      v.vt = VT_BOOL;
      v.boolVal = *b ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const auto *i = std::get_if<int32_t>(&value)) {
      v.vt = VT_I4;
      v.lVal = *i;
    } else if (const auto *d = std::get_if<double>(&value)) {
      v.vt = VT_R8;
      v.dblVal = *d;
    } else if (const auto *s = std::get_if<std::string>(&value)) {
      const std::wstring text = Wide(*s);
      v.vt = VT_BSTR;
      v.bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    } else if (const auto *o = std::get_if<ObjectPtr>(&value)) {
      const auto *d2 = dynamic_cast<const Dispatch *>(o->get());
      if (d2 == nullptr) throw Error("Объект этого вызова не принадлежит приложению");
      v.vt = VT_DISPATCH;
      v.pdispVal = d2->object_;
      v.pdispVal->AddRef();
    }
  }

  Value FromVariant(VARIANT &v, const std::string &member) {
    switch (v.vt) {
      case VT_EMPTY:
      case VT_NULL:
        return {};
      case VT_BOOL:
        return v.boolVal != VARIANT_FALSE;
      case VT_I2:
        return static_cast<int32_t>(v.iVal);
      case VT_I4:
        return static_cast<int32_t>(v.lVal);
      case VT_R8:
        return v.dblVal;
      case VT_BSTR:
        return Utf8(v.bstrVal);
      case VT_DISPATCH: {
        if (v.pdispVal == nullptr) return {};
        IDispatch *object = v.pdispVal;
        object->AddRef();
        return Wrap(object, member);
      }
      default: {
        // Anything else as text, as the application would show it.
        Variant text;
        if (SUCCEEDED(::VariantChangeType(text.get(), &v, 0, VT_BSTR))) {
          return Utf8(text.get()->bstrVal);
        }
        return {};
      }
    }
  }

  [[noreturn]] void Fail(const std::string &member, HRESULT outcome, EXCEPINFO &exception) const {
    std::string cause;
    if (outcome == DISP_E_EXCEPTION) {
      if (exception.pfnDeferredFillIn != nullptr) exception.pfnDeferredFillIn(&exception);
      cause = Utf8(exception.bstrDescription);
      const HRESULT code = exception.scode != 0 ? exception.scode : outcome;
      if (cause.empty()) cause = CodeText(code);
    } else {
      cause = CodeText(outcome);
    }
    ::SysFreeString(exception.bstrSource);
    ::SysFreeString(exception.bstrDescription);
    ::SysFreeString(exception.bstrHelpFile);
    throw Error("«" + type_name() + "." + member + "»: " + cause);
  }

 protected:
  std::shared_ptr<Session> session_;

 private:
  IDispatch *object_;
};

// The workbook the application makes: SaveAs writes into a fresh name in a private folder, and
// the program's own writer puts the bytes in place under the name chosen, which takes the
// workbook's extension when it has none, as the application gives it.
class Workbook final : public Dispatch {
 public:
  using Dispatch::Dispatch;

  Value Call(const std::string &member, const Args &args) override {
    if (!EqualNames(member, "SaveAs")) return Dispatch::Call(member, args);
    const auto *chosen = args.empty() ? nullptr : std::get_if<std::string>(&args[0]);
    if (chosen == nullptr || chosen->empty()) {
      throw Error("«Workbook.SaveAs»: имя файла не задано");
    }
    const WorkFolder folder = session_->make_folder();
    const std::string saved = folder.path + "\\book.xlsx";
    Dispatch::Call(member, {saved, kOpenXmlWorkbook});
    std::string bytes;
    try {
      bytes = ReadAll(Utf8Path(saved));
    } catch (const std::exception &) {
      throw Error("«Workbook.SaveAs»: приложение не записало книгу в «" + saved + "»");
    }
    // The application keeps a saved workbook open, and its file with it: closed, the private
    // folder can go at once. Should it refuse, the folder goes later as an abandoned one.
    try {
      Dispatch::Call("Close", {false});
    } catch (const Error &) {
    }
    session_->put_in_place(WorkbookFileName(*chosen), std::move(bytes));
    return {};
  }
};

// The application object: its active workbook is the one whose SaveAs the program takes over.
// An instance let go without Quit (the save window's probe, an error on the way) is told to
// quit, so that no hidden instance stays running.
class Application final : public Dispatch {
 public:
  using Dispatch::Dispatch;
  ~Application() override {
    if (quit_) return;
    try {
      Dispatch::Call("Quit", {});
    } catch (...) {
      // Already gone: nothing is left running.
    }
  }
  Application(const Application &) = delete;
  Application &operator=(const Application &) = delete;

  Value Call(const std::string &member, const Args &args) override {
    if (EqualNames(member, "Quit")) quit_ = true;
    return Dispatch::Call(member, args);
  }

 protected:
  ObjectPtr Wrap(IDispatch *object, const std::string &member) override {
    if (EqualNames(member, "ActiveWorkbook")) {
      return std::make_shared<Workbook>(session_, object, member);
    }
    return Dispatch::Wrap(object, member);
  }

 private:
  bool quit_ = false;
};

}  // namespace

ObjectPtr CreateSystemObject(const std::string &prog_id, const FileWriter &put_in_place,
                             const FolderMaker &make_folder) {
  auto session = std::make_shared<Session>();
  session->put_in_place = put_in_place;
  session->make_folder = make_folder;
  CLSID id;
  if (FAILED(::CLSIDFromProgID(Wide(prog_id).c_str(), &id))) return nullptr;
  IDispatch *application = nullptr;
  if (FAILED(::CoCreateInstance(id, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER,
                                IID_IDispatch, reinterpret_cast<void **>(&application))) ||
      application == nullptr) {
    return nullptr;
  }
  return std::make_shared<Application>(std::move(session), application, "Application");
}

}  // namespace climate::automation
