#pragma once
// Published properties: what a class makes askable by name at run time.
//
// Every framework class lists the properties it publishes (name, type name,
// kind, getter, setter); a lookup walks from the object's class up through
// its ancestors. Code that knows nothing of a control's C++ type (a skin
// painter, a property dump) can ask for "Color", learn that its type is
// "TColor", read it and set it.
//
//   if (const TPropInfo* p = FindProperty(control, "BorderStyle"))
//     if (p->TypeName == "TBorderStyle" && GetOrdProp(control, "BorderStyle") != bsNone) ...
//
// Values travel as TPropValue: ordinal kinds (integers, enumerations,
// booleans, sets as bit masks, colours) as int64, strings as std::string
// (narrow, e.g. Name) or std::wstring (wide captions), objects as a pointer,
// floating-point values (dates and times) as double.
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

class TObject;

enum class TTypeKind {
  Integer,      // int, TColor, TCursor ...
  Enumeration,  // enums and Boolean; EnumNames lists the values' names
  Set,          // bit i = element i of EnumNames
  String,       // narrow text (std::string)
  WString,      // UTF-16 text (std::wstring)
  Class,        // an object owned by the component (TFont, TPicture)
  Float,        // double (TDateTime and the like)
};

using TPropValue = std::variant<std::int64_t, std::string, std::wstring, void*, double>;

struct TPropInfo {
  std::string_view Name;
  std::string_view TypeName;
  TTypeKind Kind = TTypeKind::Integer;
  std::span<const std::string_view> EnumNames;  // Enumeration and Set only
  std::function<TPropValue(const TObject&)> Get;
  std::function<void(TObject&, const TPropValue&)> Set;  // empty: read-only

  bool IsOrdinal() const {
    return Kind == TTypeKind::Integer || Kind == TTypeKind::Enumeration || Kind == TTypeKind::Set;
  }
};

// Raised when a property is missing, read-only or of another kind than
// asked for.
class EPropertyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The published property Name of object's class or an ancestor, or null.
const TPropInfo* FindProperty(const TObject& object, std::string_view name);
bool IsPublishedProp(const TObject& object, std::string_view name);
// Every published property of the object's class, ancestors' first.
std::vector<const TPropInfo*> GetPropList(const TObject& object);

// Typed access by name; each throws EPropertyError on a missing property or
// a kind mismatch.
std::int64_t GetOrdProp(const TObject& object, std::string_view name);
void SetOrdProp(TObject& object, std::string_view name, std::int64_t value);
// The name of an enumeration's value ("bsNone"); SetEnumProp takes a name.
std::string GetEnumProp(const TObject& object, std::string_view name);
void SetEnumProp(TObject& object, std::string_view name, std::string_view valueName);
// Text of a String or WString property, as UTF-16 (narrow text is ASCII).
std::wstring GetStrProp(const TObject& object, std::string_view name);
void SetStrProp(TObject& object, std::string_view name, std::wstring_view value);
void* GetObjectProp(const TObject& object, std::string_view name, std::string_view typeName);
double GetFloatProp(const TObject& object, std::string_view name);
void SetFloatProp(TObject& object, std::string_view name, double value);
template <typename T>
T* GetObjectProp(const TObject& object, std::string_view name, std::string_view typeName) {
  return static_cast<T*>(GetObjectProp(object, name, typeName));
}

// ---- Building property tables -------------------------------------------
namespace prop_detail {
template <typename S>
struct SetterArg;
template <typename C, typename A>
struct SetterArg<void (C::*)(A)> {
  using type = std::remove_cvref_t<A>;
};
template <typename C, typename A>
struct SetterArg<void (C::*)(A) noexcept> {
  using type = std::remove_cvref_t<A>;
};
}  // namespace prop_detail

// An ordinal property (Integer, Enumeration, Set) from a getter and an
// optional setter of class C. The value converts with static_cast.
template <typename C, typename G, typename S = std::nullptr_t>
TPropInfo OrdProp(std::string_view name, std::string_view typeName, TTypeKind kind, G getter,
                  S setter = nullptr, std::span<const std::string_view> enumNames = {}) {
  TPropInfo p;
  p.Name = name;
  p.TypeName = typeName;
  p.Kind = kind;
  p.EnumNames = enumNames;
  p.Get = [getter](const TObject& o) -> TPropValue {
    // Getters need not be const (a window's client size asks the window).
    return static_cast<std::int64_t>((const_cast<C&>(static_cast<const C&>(o)).*getter)());
  };
  if constexpr (!std::is_same_v<S, std::nullptr_t>) {
    using Arg = typename prop_detail::SetterArg<S>::type;
    p.Set = [setter](TObject& o, const TPropValue& v) {
      (static_cast<C&>(o).*setter)(static_cast<Arg>(std::get<std::int64_t>(v)));
    };
  }
  return p;
}

// A text property (String or WString) from a getter returning the text and a
// setter taking it.
template <typename C, typename G, typename S = std::nullptr_t>
TPropInfo StrProp(std::string_view name, std::string_view typeName, TTypeKind kind, G getter,
                  S setter = nullptr) {
  TPropInfo p;
  p.Name = name;
  p.TypeName = typeName;
  p.Kind = kind;
  p.Get = [getter](const TObject& o) -> TPropValue {
    C& self = const_cast<C&>(static_cast<const C&>(o));
    using R = std::remove_cvref_t<decltype((self.*getter)())>;
    if constexpr (std::is_constructible_v<std::string, R>)
      return std::string((self.*getter)());
    else
      return std::wstring((self.*getter)());
  };
  if constexpr (!std::is_same_v<S, std::nullptr_t>) {
    using Arg = typename prop_detail::SetterArg<S>::type;
    p.Set = [setter](TObject& o, const TPropValue& v) {
      if constexpr (std::is_constructible_v<Arg, std::string> && !std::is_constructible_v<Arg, std::wstring>)
        (static_cast<C&>(o).*setter)(Arg(std::get<std::string>(v)));
      else
        (static_cast<C&>(o).*setter)(Arg(std::get<std::wstring>(v)));
    };
  }
  return p;
}

// An object property: the getter returns a reference to an object that the
// component owns (its font); a caller changes the object itself.
template <typename C, typename G>
TPropInfo ObjProp(std::string_view name, std::string_view typeName, G getter) {
  TPropInfo p;
  p.Name = name;
  p.TypeName = typeName;
  p.Kind = TTypeKind::Class;
  p.Get = [getter](const TObject& o) -> TPropValue {
    auto& self = const_cast<C&>(static_cast<const C&>(o));
    return static_cast<void*>(&(self.*getter)());
  };
  return p;
}

// Names of the two Boolean values, for Boolean properties.
inline constexpr std::string_view kBooleanNames[] = {"False", "True"};

template <typename C, typename G, typename S = std::nullptr_t>
TPropInfo BoolProp(std::string_view name, G getter, S setter = nullptr) {
  return OrdProp<C>(name, "Boolean", TTypeKind::Enumeration, getter, setter, kBooleanNames);
}

// A floating-point property from a getter and an optional setter of class C.
template <typename C, typename G, typename S = std::nullptr_t>
TPropInfo FloatProp(std::string_view name, std::string_view typeName, G getter, S setter = nullptr) {
  TPropInfo p;
  p.Name = name;
  p.TypeName = typeName;
  p.Kind = TTypeKind::Float;
  p.Get = [getter](const TObject& o) -> TPropValue {
    return static_cast<double>((const_cast<C&>(static_cast<const C&>(o)).*getter)());
  };
  if constexpr (!std::is_same_v<S, std::nullptr_t>) {
    using Arg = typename prop_detail::SetterArg<S>::type;
    p.Set = [setter](TObject& o, const TPropValue& v) {
      (static_cast<C&>(o).*setter)(static_cast<Arg>(std::get<double>(v)));
    };
  }
  return p;
}
