// A small automation layer (Qt-free): components are created by programmatic identifier, and their
// objects are driven by late-bound calls — property put, property get and method call —
// with members found by name at run time, as a spreadsheet application is driven from
// another program. Names are matched without regard to letter case. An object defines its
// members in a table (DefineProperty, DefineMethod), or takes the calls itself (the Windows
// component that passes them on to the system's automation).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace climate::automation {

class Object;
using ObjectPtr = std::shared_ptr<Object>;
using Value = std::variant<std::monostate, bool, int32_t, double, std::string, ObjectPtr>;
using Args = std::vector<Value>;

// Every failing call raises this error; its text says what went wrong.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;

  // object.member(args) = value
  virtual void Put(const std::string &member, const Args &args, const Value &value);
  void Put(const std::string &member, const Value &value) { Put(member, {}, value); }
  // object.member(args), read as a property
  virtual Value Get(const std::string &member, const Args &args = {});
  // object.member(args), called as a method
  virtual Value Call(const std::string &member, const Args &args = {});

 protected:
  explicit Object(std::string type_name) : type_name_(std::move(type_name)) {}

  // The object's type, as its errors name it.
  const std::string &type_name() const { return type_name_; }
  // Raises the error for a member the object does not have.
  [[noreturn]] void UnknownMember(const std::string &member) const;

  using Getter = std::function<Value(const Args &)>;
  using Putter = std::function<void(const Args &, const Value &)>;
  void DefineProperty(const std::string &name, Getter get, Putter put = nullptr);
  void DefineMethod(const std::string &name, Getter call);

  // Typed access to arguments, raising Error for a missing or mistyped one.
  int32_t IntArg(const std::string &member, const Args &args, std::size_t index) const;
  std::string StringArg(const std::string &member, const Args &args, std::size_t index) const;

 private:
  struct Member {
    Getter get;
    Putter put;
    Getter call;
  };
  const Member &Find(const std::string &member) const;
  std::string type_name_;
  std::map<std::string, Member> members_;  // by lower-case name
};

// Reads a value as an object, raising Error when it is none.
ObjectPtr AsObject(const Value &value, const std::string &what);

using Factory = std::function<ObjectPtr()>;

// The components that can be created, by programmatic identifier.
void RegisterComponent(const std::string &prog_id, Factory factory);
void UnregisterComponent(const std::string &prog_id);

// Creates an instance of a registered component; raises Error for an unknown identifier or
// when the component cannot start.
ObjectPtr CreateObject(const std::string &prog_id);

}  // namespace climate::automation
