#pragma once
// What the common controls share: loading the platform's classes, and the
// stages and item states of custom drawing as NM_CUSTOMDRAW reports them.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string_view>
#include <vector>

#include "framework/Component.h"
#include "framework/Properties.h"

// Registers the platform's classes of the families named by classes
// (ICC_BAR_CLASSES, ICC_DATE_CLASSES, ...); each family once per process.
void InitCommonControlClasses(DWORD classes);

// The moment of a custom-draw notification.
enum TCustomDrawStage { cdPrePaint, cdPostPaint, cdPreErase, cdPostErase };
inline constexpr std::string_view kCustomDrawStageNames[] = {"cdPrePaint", "cdPostPaint", "cdPreErase",
                                                             "cdPostErase"};
// The stage of a draw stage code (CDDS_PREPAINT, CDDS_ITEMPOSTERASE, ...).
TCustomDrawStage CustomDrawStage(DWORD drawStage) noexcept;

// The state of the item being drawn: the CDIS_* flags, a set.
enum TCustomDrawStateFlag : unsigned {
  cdsSelected = CDIS_SELECTED,
  cdsGrayed = CDIS_GRAYED,
  cdsDisabled = CDIS_DISABLED,
  cdsChecked = CDIS_CHECKED,
  cdsFocused = CDIS_FOCUS,
  cdsDefault = CDIS_DEFAULT,
  cdsHot = CDIS_HOT,
  cdsMarked = CDIS_MARKED,
  cdsIndeterminate = CDIS_INDETERMINATE,
};
using TCustomDrawState = unsigned;

// The entries every windowed common control publishes first (Left, Top,
// Width, Height, Align, Anchors, Enabled, Visible, Hint), then own.
std::vector<TPropInfo> WithCommonProperties(std::initializer_list<TPropInfo> own);

// Points field at value and asks value for a free notification; false when
// it pointed there already. The former value's notification stays until
// either goes (harmless: notifications are compared with the fields).
template <typename T>
bool SetReference(TComponent& self, T*& field, T* value) {
  if (field == value) return false;
  field = value;
  if (value) self.FreeNotification(value);
  return true;
}

// A published reference to another component (an image list, a menu, the
// associate of an up-down), from a getter returning the pointer and a
// setter taking it; the value travels as void* of the declared type.
template <typename C, typename G, typename S>
TPropInfo RefProp(std::string_view name, std::string_view typeName, G getter, S setter) {
  TPropInfo p;
  p.Name = name;
  p.TypeName = typeName;
  p.Kind = TTypeKind::Class;
  p.Get = [getter](const TObject& o) -> TPropValue {
    auto& self = const_cast<C&>(static_cast<const C&>(o));
    return static_cast<void*>((self.*getter)());
  };
  using Arg = typename prop_detail::SetterArg<S>::type;
  p.Set = [setter](TObject& o, const TPropValue& v) {
    (static_cast<C&>(o).*setter)(static_cast<Arg>(std::get<void*>(v)));
  };
  return p;
}
