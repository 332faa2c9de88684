#pragma once
// TCustomFrame / TFrame: a piece of a form to embed in forms and panels.
//
// A frame class is written like a form class: its constructor runs in the
// loading state, creates the frame's controls (owned by the frame and, as
// a rule, parented to it) and sets their properties. The form or panel
// that shows the frame owns and parents the frame itself:
//
//   class TAddressFrame : public TFrame {
//     FW_CLASS(TAddressFrame, TFrame)
//    public:
//     explicit TAddressFrame(TComponent* owner) : TFrame(owner) {
//       SetBounds(0, 0, 240, 60);
//       Street = Create<TPanel>();
//       Street->SetParent(this);
//       Street->SetAlign(alTop);
//     }
//     TPanel* Street = nullptr;
//   };
//   Frame1 = form->Create<TAddressFrame>();
//   Frame1->SetParent(form);
//
// A frame made while its owner loads (inside a form's constructor) loads
// with the form; one made later loads by itself, so its Loaded runs once
// its constructor is done. Its colour is its parent's unless set.
#include "framework/WinControl.h"

class TCustomFrame : public TWinControl {
  FW_CLASS(TCustomFrame, TWinControl)
 public:
  explicit TCustomFrame(TComponent* owner);
  void AfterConstruction() override;
};

class TFrame : public TCustomFrame {
  FW_CLASS(TFrame, TCustomFrame)
 public:
  explicit TFrame(TComponent* owner) : TCustomFrame(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
