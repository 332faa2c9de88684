#include "framework/Properties.h"

#include <algorithm>

#include "framework/Object.h"

namespace {

const TPropInfo& Require(const TObject& object, std::string_view name) {
  const TPropInfo* p = FindProperty(object, name);
  if (!p)
    throw EPropertyError(std::string(object.ClassName()) + " has no published property " +
                         std::string(name));
  return *p;
}

[[noreturn]] void WrongKind(const TPropInfo& p) {
  throw EPropertyError("property " + std::string(p.Name) + " is of type " +
                       std::string(p.TypeName));
}

void RequireWritable(const TPropInfo& p) {
  if (!p.Set) throw EPropertyError("property " + std::string(p.Name) + " is read-only");
}

}  // namespace

const TPropInfo* FindProperty(const TObject& object, std::string_view name) {
  return object.ClassInfo().FindProperty(name);
}

bool IsPublishedProp(const TObject& object, std::string_view name) {
  return FindProperty(object, name) != nullptr;
}

std::vector<const TPropInfo*> GetPropList(const TObject& object) {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = &object.ClassInfo(); c; c = c->Parent()) chain.push_back(c);
  std::vector<const TPropInfo*> list;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const TPropInfo& p : (*it)->OwnProperties()) list.push_back(&p);
  return list;
}

std::int64_t GetOrdProp(const TObject& object, std::string_view name) {
  const TPropInfo& p = Require(object, name);
  if (!p.IsOrdinal()) WrongKind(p);
  return std::get<std::int64_t>(p.Get(object));
}

void SetOrdProp(TObject& object, std::string_view name, std::int64_t value) {
  const TPropInfo& p = Require(object, name);
  if (!p.IsOrdinal()) WrongKind(p);
  RequireWritable(p);
  p.Set(object, value);
}

std::string GetEnumProp(const TObject& object, std::string_view name) {
  const TPropInfo& p = Require(object, name);
  if (p.Kind != TTypeKind::Enumeration) WrongKind(p);
  const std::int64_t v = std::get<std::int64_t>(p.Get(object));
  if (v < 0 || v >= static_cast<std::int64_t>(p.EnumNames.size()))
    return std::to_string(v);
  return std::string(p.EnumNames[static_cast<size_t>(v)]);
}

void SetEnumProp(TObject& object, std::string_view name, std::string_view valueName) {
  const TPropInfo& p = Require(object, name);
  if (p.Kind != TTypeKind::Enumeration) WrongKind(p);
  RequireWritable(p);
  auto it = std::find(p.EnumNames.begin(), p.EnumNames.end(), valueName);
  if (it == p.EnumNames.end())
    throw EPropertyError(std::string(valueName) + " is not a value of " + std::string(p.TypeName));
  p.Set(object, static_cast<std::int64_t>(it - p.EnumNames.begin()));
}

std::wstring GetStrProp(const TObject& object, std::string_view name) {
  const TPropInfo& p = Require(object, name);
  if (p.Kind == TTypeKind::WString) return std::get<std::wstring>(p.Get(object));
  if (p.Kind == TTypeKind::String) {
    const std::string s = std::get<std::string>(p.Get(object));
    return std::wstring(s.begin(), s.end());
  }
  WrongKind(p);
}

void SetStrProp(TObject& object, std::string_view name, std::wstring_view value) {
  const TPropInfo& p = Require(object, name);
  RequireWritable(p);
  if (p.Kind == TTypeKind::WString) {
    p.Set(object, std::wstring(value));
  } else if (p.Kind == TTypeKind::String) {
    std::string narrow;
    for (wchar_t c : value) {
      if (c > 0x7F) throw EPropertyError("property " + std::string(p.Name) + " takes ASCII text");
      narrow.push_back(static_cast<char>(c));
    }
    p.Set(object, narrow);
  } else {
    WrongKind(p);
  }
}

void* GetObjectProp(const TObject& object, std::string_view name, std::string_view typeName) {
  const TPropInfo& p = Require(object, name);
  if (p.Kind != TTypeKind::Class || p.TypeName != typeName) WrongKind(p);
  return std::get<void*>(p.Get(object));
}

double GetFloatProp(const TObject& object, std::string_view name) {
  const TPropInfo& p = Require(object, name);
  if (p.Kind != TTypeKind::Float) WrongKind(p);
  return std::get<double>(p.Get(object));
}

void SetFloatProp(TObject& object, std::string_view name, double value) {
  const TPropInfo& p = Require(object, name);
  if (p.Kind != TTypeKind::Float) WrongKind(p);
  RequireWritable(p);
  p.Set(object, value);
}
