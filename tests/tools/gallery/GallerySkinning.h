#pragma once
// The gallery's main form wearing the built-in skin, for the leak test and
// the paint timing: its busiest page, an engine attached to the form, and
// one full repaint of the window.
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string_view>
#include <vector>

#include "GalleryForm.h"
#include "GalleryPage.h"
#include "engine/QELSkinEngine.h"
#include "engine/QELSkinMessages.h"
#include "frame/QELSkinWindow.h"
#include "hook/QELSkinControl.h"
#include "framework/comctrls/TabControl.h"

// Calls visit on every control below parent, depth first.
inline void ForEachGalleryControl(TWinControl& parent, const std::function<void(TControl&)>& visit) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* c = parent.Controls(i);
    visit(*c);
    if (auto* w = dynamic_cast<TWinControl*>(c)) ForEachGalleryControl(*w, visit);
  }
}

inline int GalleryControlCount(TWinControl& parent) {
  int n = 0;
  ForEachGalleryControl(parent, [&](TControl&) { ++n; });
  return n;
}

// The page with the most controls (the first of equals).
struct TBusiestPage {
  std::string_view Name;
  int Controls = 0;
};
inline TBusiestPage BusiestGalleryPage(TFrm_Gallery& form) {
  TBusiestPage best;
  for (int i = 0; i < form.PageCount(); ++i) {
    const int n = GalleryControlCount(*form.Page(i));
    if (n > best.Controls) best = {GalleryPages()[static_cast<size_t>(i)].Name, n};
  }
  return best;
}

// The built-in skin package's bytes, copied beside the program by the
// build; empty when it is not there.
inline std::vector<std::uint8_t> GalleryBuiltInSkin(const std::filesystem::path& file = "default.qsk") {
  std::ifstream in(file, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An engine on form with the skin loaded from bytes, skinning that form
// only; the form is skinned once it is shown (SkinForm).
inline TqelSkinEngine& AttachGalleryEngine(TFrm_Gallery& form, const std::vector<std::uint8_t>& skin) {
  auto* engine = form.Create<TqelSkinEngine>();
  engine->SetSkinAllForms(false);
  engine->SetDrawScrollBar(true);
  engine->ReadSkinData(skin);
  engine->SetActive(true);
  return *engine;
}

// Everything of the window painted now: frame, background and every child.
inline void RepaintGalleryWindow(HWND window) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The skinned windows on show: every wrapped control of frame whose window
// is visible.
inline std::vector<HWND> ShownSkinnedWindows(const TqelSkinWindow& frame) {
  std::vector<HWND> shown;
  for (int i = 0; i < frame.ChildWrapperCount(); ++i) {
    const TqelSkinControl* wrapper = frame.ChildWrappers(i);
    HWND h = wrapper->RawHandle();
    if (auto* w = dynamic_cast<TWinControl*>(wrapper->Control()); w && w->HandleAllocated()) h = w->Handle();
    if (h && ::IsWindowVisible(h)) shown.push_back(h);
  }
  return shown;
}

// The skin's part of a repaint, without the controls' own painting: the
// frame, and each skinned window's face (QM_REPAINT) and border.
inline void RepaintSkinOnly(HWND window, const std::vector<HWND>& skinned) {
  ::SendMessageW(window, WM_NCPAINT, 1, 0);
  for (HWND h : skinned) {
    ::SendMessageW(h, QM_REPAINT, 0, 0);
    ::SendMessageW(h, WM_NCPAINT, 1, 0);
  }
}
