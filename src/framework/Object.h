#pragma once
// TObject: the root of the framework's classes, with run-time class
// information: a class name, the parent class and the published properties.
//
// Every framework class (and every form class of the program) declares
// itself with FW_CLASS(Class, Parent) as the first line of its body:
//
//   class TFrm_Main : public TForm {
//     FW_CLASS(TFrm_Main, TForm)
//    public:
//     ...
//   };
//
// That gives ClassName() == "TFrm_Main" (a form's window class is registered
// under this name), InheritsFrom("TForm") and the `inherited` alias. A class
// that publishes properties defines
//   static std::vector<TPropInfo> PublishedProperties();
// listing only its own; ancestors' properties are found through the parent.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/Properties.h"

class TClassInfo {
 public:
  using PropertiesFn = std::vector<TPropInfo> (*)();

  TClassInfo(std::string_view name, const TClassInfo* parent, PropertiesFn properties);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  // Attributes
  std::string_view Name() const noexcept { return name_; }
  const TClassInfo* Parent() const noexcept { return parent_; }
  // Properties published by this class itself (not its ancestors).
  const std::vector<TPropInfo>& OwnProperties() const noexcept { return properties_; }

  // Operations
  // True for this class and every class derived from other.
  bool InheritsFrom(const TClassInfo& other) const noexcept;
  bool InheritsFrom(std::string_view className) const noexcept;
  // Searches this class, then its ancestors.
  const TPropInfo* FindProperty(std::string_view name) const noexcept;

 private:
  std::string_view name_;
  const TClassInfo* parent_;
  PropertiesFn propertiesFn_;
  std::vector<TPropInfo> properties_;
};

#define FW_CLASS(Class, Parent)                                                               \
 public:                                                                                      \
  using inherited = Parent;                                                                   \
  static const TClassInfo& StaticClass() {                                                    \
    static const TClassInfo info(#Class, &Parent::StaticClass(), &Class::PublishedProperties); \
    return info;                                                                              \
  }                                                                                           \
  const TClassInfo& ClassInfo() const override { return StaticClass(); }                      \
                                                                                              \
 private:

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClass();
  static std::vector<TPropInfo> PublishedProperties() { return {}; }
  virtual const TClassInfo& ClassInfo() const { return StaticClass(); }

  std::string_view ClassName() const noexcept { return ClassInfo().Name(); }
  bool InheritsFrom(std::string_view className) const noexcept {
    return ClassInfo().InheritsFrom(className);
  }
  bool InheritsFrom(const TClassInfo& cls) const noexcept { return ClassInfo().InheritsFrom(cls); }
  template <typename T>
  bool Is() const noexcept {
    return ClassInfo().InheritsFrom(T::StaticClass());
  }
};

// The framework's general exception and its kinds. Messages are English
// ASCII texts.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EComponentError : public Exception {
 public:
  using Exception::Exception;
};
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};
// An index outside a list, or an operation a list does not allow.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

// Holds a BeginUpdate/EndUpdate pair of a string list or a collection for
// one scope, so an exception in between still ends the update.
template <typename T>
class TUpdateScope {
 public:
  explicit TUpdateScope(T& target) : target_(target) { target_.BeginUpdate(); }
  ~TUpdateScope() noexcept(false) { target_.EndUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

 private:
  T& target_;
};

// Binds an event handler method to its object, for event properties:
//   Lb_Ref->OnClick = EventOf(this, &TFrm_Main::Lb_RefClick);
template <typename C, typename... A>
auto EventOf(C* object, void (C::*method)(A...)) {
  return [object, method](A... args) { (object->*method)(std::forward<A>(args)...); };
}
