#pragma once
// TIcon: one icon (HICON) at one size, owned and destroyed with the object.
//
// An icon is loaded from a resource (by name or id) or from a .ico file at
// a size, or copied from a handle that the caller keeps. It remembers where
// it came from, so a copy at another size (a window's small icon) is taken
// from the source's best image rather than scaled. Live icons are counted
// as GdiKind::Icon.
//
//   TIcon icon;
//   icon.LoadFromResourceName(nullptr, L"MAINICON", 32, 32);
//   form->Icon().Assign(icon);
#include <windows.h>

#include <functional>
#include <string>

class TIcon {
 public:
  TIcon() noexcept = default;
  // Moves the picture and its source; OnChange stays with each object.
  TIcon(TIcon&& other) noexcept;
  TIcon& operator=(TIcon&& other) noexcept;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;
  ~TIcon();

  // Attributes
  // The icon; null when empty. It stays valid until the icon changes.
  HICON Handle() const noexcept { return handle_; }
  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }
  bool Empty() const noexcept { return handle_ == nullptr; }

  // Operations. A size of 0 means the system's icon size (SM_CXICON).
  // Each returns false and leaves the icon as it was when nothing loads.
  // module null: the program's own resources.
  bool LoadFromResourceName(HINSTANCE module, const wchar_t* name, int width = 0, int height = 0);
  bool LoadFromResourceID(HINSTANCE module, int id, int width = 0, int height = 0);
  bool LoadFromFile(const std::wstring& path, int width = 0, int height = 0);
  // Takes a copy of icon; the caller keeps (and destroys) its own.
  void SetHandle(HICON icon);
  // Takes over icon, which this object destroys from now on.
  void Adopt(HICON icon);
  void Assign(const TIcon& other);
  void Clear();
  // A new icon of the given size: the source's image nearest that size
  // when the icon was loaded, else this picture scaled. Empty when this is.
  TIcon CopyAt(int width, int height) const;

  // Called after every change, while the previous handle still exists (a
  // window that showed it can be given the new one first).
  std::function<void()> OnChange;

 private:
  struct Source {
    HINSTANCE module = nullptr;
    std::wstring name;  // resource name, or the file path when fromFile
    WORD id = 0;        // resource id when name is empty
    bool fromFile = false;
    bool Known() const noexcept { return fromFile || id != 0 || !name.empty(); }
  };

  static HICON LoadFrom(const Source& source, int width, int height) noexcept;
  bool Load(Source source, int width, int height);
  // Installs icon (owned, counted), raises OnChange, then destroys the old one.
  void Replace(HICON icon, Source source);

  HICON handle_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  Source source_;
};
