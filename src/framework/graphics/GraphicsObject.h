#pragma once
// TGraphicsObject: what fonts, pens and brushes share. Each keeps its
// attributes and creates its GDI handle lazily, on the first Handle() after
// a change. A change first tells the canvas that uses the object (so it
// takes the object out of its DC), then calls OnChange; the old handle is
// deleted only after both have run, so an OnChange handler that hands the
// new handle to a window (WM_SETFONT) never leaves it holding a deleted one.
#include <windows.h>

#include <functional>

#include "graphics/GdiObjects.h"

class TCanvas;

class TGraphicsObject {
 public:
  explicit TGraphicsObject(GdiKind kind) noexcept : kind_(kind) {}
  // Copies the kind only: attributes are copied by the derived class; the
  // handle, OnChange and the canvas link stay with the original.
  TGraphicsObject(const TGraphicsObject& other) noexcept : kind_(other.kind_) {}
  TGraphicsObject& operator=(const TGraphicsObject&) = delete;
  virtual ~TGraphicsObject();

  // Attributes
  bool HandleAllocated() const noexcept { return handle_ != nullptr; }

  // Called after every effective change of an attribute.
  std::function<void()> OnChange;

 protected:
  // The handle, created on demand by CreateHandle.
  HGDIOBJ GetHandle();
  // Creates the GDI object for the current attributes. Sets owned to false
  // for a stock object that must not be deleted.
  virtual HGDIOBJ CreateHandle(bool& owned) const = 0;
  // Derived setters call this once per effective change. keepHandle: the
  // change does not concern the GDI object (a font's colour), so the
  // handle stays.
  void Changed(bool keepHandle = false);

 private:
  friend class TCanvas;
  GdiKind kind_;
  HGDIOBJ handle_ = nullptr;
  bool owned_ = false;
  // Set by the canvas that owns this object: takes it out of the DC.
  std::function<void()> canvasHook_;
};
