#pragma once
// Helpers of the skin engine for framework forms and controls: published
// properties, work areas, form bounds and lookup, the active state that a
// skinned frame shows, and painting on a control.
#include <windows.h>

#include <string_view>

#include "QELSkinReader.h"
#include "framework/Form.h"
#include "framework/WinControl.h"
#include "graphics/Color.h"

// True when the control's class (or an ancestor) publishes a property Name.
bool HasPublishedProperty(const TObject* Control, std::string_view Name);

// The work area of the monitor holding Window when the application has a
// main form and the monitor is found, else the primary work area; in both
// cases with the bottom one pixel higher.
RECT GetWorkArea(HWND Window);

// Left, top, width and height of Form from Rect.
void SetFormBounds(TCustomForm* Form, const RECT& Rect);

// The application's form whose window is Handle, or null.
TCustomForm* FindFormByHandle(HWND Handle);

// Whether a skinned frame draws Form as active:
//  1. the form's own answer to QM_ISACTIVE decides when it is positive
//     (1 active, anything else inactive);
//  2. without a main form: the form's own active state;
//  3. a multiple-document main form is active;
//  4. while the application is not active: inactive;
//  5. the main form is active, and so is the active child of a
//     multiple-document main form; otherwise the form's own state.
bool IsFormActive(TCustomForm* Form);

// The facts IsFormActive weighs, and its decision from them.
struct TFormActiveFacts {
  LRESULT Answer = 0;  // to QM_ISACTIVE
  bool HasMainForm = false;
  bool MainFormIsMDIFrame = false;
  bool IsMainForm = false;
  bool ApplicationActive = false;
  bool IsActiveMDIChild = false;
  bool FormActive = false;
};
bool DecideFormActive(const TFormActiveFacts& Facts) noexcept;

// On the control's client area: a two-pixel band along all four sides in
// Color, then a one-pixel line at x = 0 over the full height in the skin's
// "SKIN2_CONTROLBORDERCOLOR".
void DrawControlEdge(TWinControl& Control, const TqelSkinReader& Reader, TColor Color);

// DrawWindowBorder for a framework control's window.
void DrawWindowBorder(TWinControl& Control, TColor OuterColor, TColor InnerColor, bool DrawInner);
