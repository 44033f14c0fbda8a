#include "report/automation.h"

#include <algorithm>
#include <cctype>

namespace climate::automation {

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The registered components, by lower-case identifier.
std::map<std::string, Factory> &Components() {
  static std::map<std::string, Factory> components;
  return components;
}

}  // namespace

void Object::DefineProperty(const std::string &name, Getter get, Putter put) {
  Member &m = members_[Lower(name)];
  m.get = std::move(get);
  m.put = std::move(put);
}

void Object::DefineMethod(const std::string &name, Getter call) {
  members_[Lower(name)].call = std::move(call);
}

void Object::UnknownMember(const std::string &member) const {
  throw Error("Объект «" + type_name_ + "» не знает члена «" + member + "»");
}

const Object::Member &Object::Find(const std::string &member) const {
  auto it = members_.find(Lower(member));
  if (it == members_.end()) UnknownMember(member);
  return it->second;
}

void Object::Put(const std::string &member, const Args &args, const Value &value) {
  const Member &m = Find(member);
  if (!m.put) throw Error("Член «" + member + "» объекта «" + type_name_ + "» нельзя присвоить");
  m.put(args, value);
}

Value Object::Get(const std::string &member, const Args &args) {
  const Member &m = Find(member);
  // Like late binding elsewhere, a method without arguments can be read as a property.
  if (m.get) return m.get(args);
  if (m.call) return m.call(args);
  throw Error("Член «" + member + "» объекта «" + type_name_ + "» нельзя прочитать");
}

Value Object::Call(const std::string &member, const Args &args) {
  const Member &m = Find(member);
  if (m.call) return m.call(args);
  if (m.get) return m.get(args);
  throw Error("Член «" + member + "» объекта «" + type_name_ + "» нельзя вызвать");
}

int32_t Object::IntArg(const std::string &member, const Args &args, std::size_t index) const {
  if (index < args.size()) {
    if (const auto *i = std::get_if<int32_t>(&args[index])) return *i;
  }
  throw Error("Член «" + member + "» объекта «" + type_name_ + "»: параметр " +
              std::to_string(index + 1) + " должен быть целым числом");
}

std::string Object::StringArg(const std::string &member, const Args &args,
                              std::size_t index) const {
  if (index < args.size()) {
    if (const auto *s = std::get_if<std::string>(&args[index])) return *s;
  }
  throw Error("Член «" + member + "» объекта «" + type_name_ + "»: параметр " +
              std::to_string(index + 1) + " должен быть строкой");
}

ObjectPtr AsObject(const Value &value, const std::string &what) {
  if (const auto *o = std::get_if<ObjectPtr>(&value); o && *o) return *o;
  throw Error("«" + what + "» не вернул объект");
}

void RegisterComponent(const std::string &prog_id, Factory factory) {
  Components()[Lower(prog_id)] = std::move(factory);
}

void UnregisterComponent(const std::string &prog_id) {
  Components().erase(Lower(prog_id));
}

ObjectPtr CreateObject(const std::string &prog_id) {
  auto it = Components().find(Lower(prog_id));
  if (it == Components().end()) {
    throw Error("Компонент «" + prog_id + "» не найден: неизвестный программный идентификатор");
  }
  ObjectPtr object = it->second();
  if (!object) throw Error("Компонент «" + prog_id + "» не удалось запустить");
  return object;
}

}  // namespace climate::automation
