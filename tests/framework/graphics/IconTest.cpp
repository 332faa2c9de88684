// Icons: loading by resource name, id and file at a size, copies of handles,
// copies at another size from the source, change notification, live counts.
// The test program's icon has a 16 x 16 red and a 32 x 32 blue image.
#include "graphics/Icon.h"

#include <gtest/gtest.h>

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GdiObjects.h"
#include "forms/FormsTesting.h"

namespace {

std::wstring BesideProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path);
  return p.substr(0, p.find_last_of(L'\\') + 1) + name;
}

TEST(IconTest, LoadsEachSourceAtTheAskedSize) {
  const long before = GdiLiveObjects(GdiKind::Icon);
  struct Case {
    const char* what;
    std::function<bool(TIcon&)> load;
    int size;
    std::uint32_t colour;
  };
  const Case cases[] = {
      {"name 16", [](TIcon& i) { return i.LoadFromResourceName(nullptr, L"MAINICON", 16, 16); }, 16, kIconRed},
      {"name 32", [](TIcon& i) { return i.LoadFromResourceName(nullptr, L"MAINICON", 32, 32); }, 32, kIconBlue},
      {"name, system size", [](TIcon& i) { return i.LoadFromResourceName(nullptr, L"MAINICON"); },
       ::GetSystemMetrics(SM_CXICON), kIconBlue},
      {"id 16", [](TIcon& i) { return i.LoadFromResourceID(nullptr, 101, 16, 16); }, 16, kIconRed},
      {"id as name", [](TIcon& i) { return i.LoadFromResourceName(nullptr, MAKEINTRESOURCEW(101), 32, 32); }, 32,
       kIconBlue},
      {"file 16", [](TIcon& i) { return i.LoadFromFile(BesideProgram(L"forms_test.ico"), 16, 16); }, 16, kIconRed},
      {"file 32", [](TIcon& i) { return i.LoadFromFile(BesideProgram(L"forms_test.ico"), 32, 32); }, 32, kIconBlue},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TIcon icon;
    ASSERT_TRUE(c.load(icon));
    EXPECT_FALSE(icon.Empty());
    EXPECT_EQ(icon.Width(), c.size);
    EXPECT_EQ(icon.Height(), c.size);
    EXPECT_EQ(IconMiddleColour(icon.Handle(), c.size), c.colour);
    EXPECT_EQ(GdiLiveObjects(GdiKind::Icon), before + 1);
    // A copy at the other size comes from the source's other image.
    const int other = c.size == 16 ? 32 : 16;
    TIcon copy = icon.CopyAt(other, other);
    EXPECT_EQ(copy.Width(), other);
    EXPECT_EQ(IconMiddleColour(copy.Handle(), other), other == 16 ? kIconRed : kIconBlue);
  }
  EXPECT_EQ(GdiLiveObjects(GdiKind::Icon), before);
}

TEST(IconTest, FailedLoadsKeepTheIconAndHandlesAreCopied) {
  const long before = GdiLiveObjects(GdiKind::Icon);
  TIcon icon;
  EXPECT_FALSE(icon.LoadFromResourceName(nullptr, L"NO_SUCH_ICON"));
  EXPECT_FALSE(icon.LoadFromResourceID(nullptr, 0));
  EXPECT_FALSE(icon.LoadFromFile(L""));
  EXPECT_TRUE(icon.Empty());
  EXPECT_EQ(icon.Width(), 0);
  ASSERT_TRUE(icon.LoadFromResourceID(nullptr, 101, 32, 32));
  HICON loaded = icon.Handle();
  EXPECT_FALSE(icon.LoadFromFile(BesideProgram(L"missing.ico")));
  EXPECT_EQ(icon.Handle(), loaded);

  // SetHandle and Assign copy: each object destroys only its own handle.
  HICON foreign = static_cast<HICON>(::CopyImage(loaded, IMAGE_ICON, 0, 0, 0));
  {
    TIcon copy;
    copy.SetHandle(foreign);
    EXPECT_NE(copy.Handle(), foreign);
    EXPECT_EQ(copy.Width(), 32);
    TIcon second;
    second.Assign(copy);
    EXPECT_NE(second.Handle(), copy.Handle());
    // A copy of a bare handle has no source: another size is scaled.
    TIcon scaled = copy.CopyAt(16, 16);
    EXPECT_EQ(scaled.Width(), 16);
    EXPECT_EQ(IconMiddleColour(scaled.Handle(), 16), kIconBlue);
    EXPECT_EQ(GdiLiveObjects(GdiKind::Icon), before + 4);
  }
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(foreign, &info));  // still alive
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  ::DestroyIcon(foreign);
  icon.Clear();
  EXPECT_TRUE(icon.Empty());
  EXPECT_EQ(GdiLiveObjects(GdiKind::Icon), before);
}

TEST(IconTest, OnChangeSeesTheNewIconWhileTheOldOneLives) {
  TIcon icon;
  ASSERT_TRUE(icon.LoadFromResourceID(nullptr, 101, 16, 16));
  HICON old = icon.Handle();
  int changes = 0;
  bool oldAlive = false;
  icon.OnChange = [&] {
    ++changes;
    ICONINFO info{};
    oldAlive = ::GetIconInfo(old, &info) != FALSE;
    if (oldAlive) {
      ::DeleteObject(info.hbmColor);
      ::DeleteObject(info.hbmMask);
    }
    EXPECT_NE(icon.Handle(), old);
  };
  ASSERT_TRUE(icon.LoadFromResourceName(nullptr, L"MAINICON", 32, 32));
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(oldAlive);
  EXPECT_EQ(icon.Width(), 32);
  old = icon.Handle();
  icon.Clear();
  EXPECT_EQ(changes, 2);
  icon.Clear();  // already empty: no change
  EXPECT_EQ(changes, 2);
}

}  // namespace
