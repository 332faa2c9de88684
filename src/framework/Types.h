#pragma once
// Value types and event signatures shared by the controls.
#include <windows.h>

#include <functional>
#include <string_view>

class TObject;

// Placement inside the parent's client area (see TWinControl::AlignControls).
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
inline constexpr std::string_view kAlignNames[] = {"alNone",  "alTop",   "alBottom",
                                                   "alLeft",  "alRight", "alClient"};

// Edges of the parent that a control keeps its distance to when the parent
// is resized. A set: an OR of the flags.
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
inline constexpr std::string_view kAnchorNames[] = {"akLeft", "akTop", "akRight", "akBottom"};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
inline constexpr std::string_view kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};

enum TTextLayout { tlTop, tlCenter, tlBottom };
inline constexpr std::string_view kTextLayoutNames[] = {"tlTop", "tlCenter", "tlBottom"};

// Borders of forms; panels use the first two values only (TBorderStyle).
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
inline constexpr std::string_view kFormBorderStyleNames[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                                             "bsDialog", "bsToolWindow", "bsSizeToolWin"};
inline constexpr std::string_view kBorderStyleNames[] = {"bsNone", "bsSingle"};

// Which edges of a windowed control show a bevel border (a set).
enum TBevelEdge : unsigned { beLeft = 1, beTop = 2, beRight = 4, beBottom = 8 };
using TBevelEdges = unsigned;
inline constexpr std::string_view kBevelEdgeNames[] = {"beLeft", "beTop", "beRight", "beBottom"};

// Which of its own scroll bars a scrolling control shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
inline constexpr std::string_view kScrollStyleNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};

// Mouse cursors. Negative values are the platform's shared cursors;
// crDefault means "ask the parent".
enum TCursor : int {
  crDefault = 0,
  crNone = -1,
  crArrow = -2,
  crCross = -3,
  crIBeam = -4,
  crSizeAll = -5,
  crSizeNESW = -6,
  crSizeNS = -7,
  crSizeNWSE = -8,
  crSizeWE = -9,
  crUpArrow = -10,
  crHourGlass = -11,
  crNo = -12,
  crAppStart = -13,
  crHelp = -14,
  crHandPoint = -15,
};
// The platform cursor for a TCursor (null for crNone and crDefault).
HCURSOR CursorHandle(TCursor cursor) noexcept;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,
};
using TShiftState = unsigned;
// From the MK_* flags of a mouse message, plus the Alt key's state.
TShiftState ShiftStateFromMouse(WPARAM keys) noexcept;
// From the keyboard's current state.
TShiftState ShiftStateFromKeyboard() noexcept;

// State of an owner-drawn item: menu items, list and combo box items
// (the ODS_* flags).
enum TOwnerDrawStateFlag : unsigned {
  odSelected = ODS_SELECTED,
  odGrayed = ODS_GRAYED,
  odDisabled = ODS_DISABLED,
  odChecked = ODS_CHECKED,
  odFocused = ODS_FOCUS,
  odDefault = ODS_DEFAULT,
  odHotLight = ODS_HOTLIGHT,
  odInactive = ODS_INACTIVE,
  odNoAccel = ODS_NOACCEL,
  odNoFocusRect = ODS_NOFOCUSRECT,
  odComboBoxEdit = ODS_COMBOBOXEDIT,
};
using TOwnerDrawState = unsigned;

// Events. The sender is the control (or component) that raises the event.
using TNotifyEvent = std::function<void(TObject& sender)>;
using TMouseEvent =
    std::function<void(TObject& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject& sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject& sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject& sender, wchar_t& key)>;
