#include "framework/Object.h"

TClassInfo::TClassInfo(std::string_view name, const TClassInfo* parent, PropertiesFn properties)
    : name_(name), parent_(parent), propertiesFn_(properties) {
  // A class that does not declare PublishedProperties inherits its parent's
  // function; those properties are found through the parent already.
  if (properties && !(parent && parent->propertiesFn_ == properties)) properties_ = properties();
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const noexcept {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

bool TClassInfo::InheritsFrom(std::string_view className) const noexcept {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (c->name_ == className) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const noexcept {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TPropInfo& p : c->properties_)
      if (p.Name == name) return &p;
  return nullptr;
}

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info("TObject", nullptr, nullptr);
  return info;
}
