// The stand-in spreadsheet application (standin.cpp) as the tests use it: loaded from beside
// the test program, registered while this object lives, with its record of
// calls and its switch for a failing SaveAs.
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace standin {

class StandIn {
 public:
  StandIn() {
    wchar_t path[MAX_PATH];
    const DWORD size = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    folder_ = std::filesystem::path(std::wstring(path, size)).parent_path();
    module_ = ::LoadLibraryW((folder_ / L"standin.dll").c_str());
    if (module_ == nullptr) throw std::runtime_error("standin.dll is not beside the test");
    std::filesystem::remove(Log());
    std::filesystem::remove(folder_ / L"fail-saveas");
    if (Entry("DllRegisterServer")() != S_OK) throw std::runtime_error("standin not registered");
  }
  ~StandIn() {
    Unregister();
    std::filesystem::remove(folder_ / L"fail-saveas");
    ::FreeLibrary(module_);
  }
  StandIn(const StandIn &) = delete;
  StandIn &operator=(const StandIn &) = delete;

  void Unregister() { Entry("DllUnregisterServer")(); }
  // From now on every SaveAs fails with the stand-in's own description.
  void FailSaveAs() { std::ofstream(folder_ / L"fail-saveas") << '1'; }
  // Whether no object of the stand-in is left.
  bool NothingLeft() { return Entry("DllCanUnloadNow")() == S_OK; }
  std::filesystem::path Log() const { return folder_ / L"standin.log"; }
  // The calls recorded so far, one line each (UTF-8).
  std::vector<std::string> Calls() const {
    std::vector<std::string> lines;
    std::ifstream in(Log(), std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

 private:
  using EntryPoint = HRESULT(STDAPICALLTYPE *)();
  EntryPoint Entry(const char *name) {
    // An export found by name, through the generic function type the compiler accepts.
    auto *entry =
        reinterpret_cast<EntryPoint>(reinterpret_cast<void (*)()>(::GetProcAddress(module_, name)));
    if (entry == nullptr) throw std::runtime_error(std::string("standin.dll lacks ") + name);
    return entry;
  }

  std::filesystem::path folder_;
  HMODULE module_ = nullptr;
};

}  // namespace standin
