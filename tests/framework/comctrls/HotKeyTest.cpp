// Hot-key fields: the combination and its modifiers in the window, typed
// combinations with OnChange, and the rule for invalid combinations.
#include "framework/comctrls/HotKey.h"

#include <commctrl.h>

#include "ComCtrlsTesting.h"

namespace {

class HotKeyTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    hotKey = Add<THotKey>(10, 10, 150, 24);
    hotKey->OnChange = [this](TObject&) { ++changes; };
  }
  WORD WindowValue() { return static_cast<WORD>(::SendMessageW(hotKey->Handle(), HKM_GETHOTKEY, 0, 0)); }
  THotKey* hotKey = nullptr;
  int changes = 0;
};

TEST_F(HotKeyTest, ShortCutAndModifiersReachTheWindowAndComeBack) {
  EXPECT_EQ(hotKey->HotKey(), scAlt | 'A');
  hotKey->SetHotKey(scCtrl | scShift | VK_F5);
  EXPECT_EQ(WindowValue(), MAKEWORD(VK_F5, HOTKEYF_CONTROL | HOTKEYF_SHIFT));
  EXPECT_EQ(hotKey->Modifiers(), hkCtrl | hkShift);
  hotKey->SetModifiers(hkAlt | hkExt);
  EXPECT_EQ(WindowValue(), MAKEWORD(VK_F5, HOTKEYF_ALT | HOTKEYF_EXT));
  EXPECT_EQ(hotKey->HotKey(), scAlt | VK_F5);
  hotKey->SetHotKey(0);
  EXPECT_EQ(WindowValue(), 0);
  EXPECT_EQ(changes, 0);
}

TEST_F(HotKeyTest, TypedCombinationsAreReadWithOnChange) {
  hotKey->SetFocus();
  PressKey('Q', {VK_CONTROL});
  EXPECT_EQ(hotKey->HotKey(), scCtrl | 'Q');
  EXPECT_GE(changes, 1);
  // A key without modifiers is invalid by default and gets Alt.
  hotKey->SetInvalidKeys(hcNone | hcShift);
  PressKey('W');
  EXPECT_EQ(hotKey->HotKey(), scAlt | 'W');
  hotKey->SetInvalidKeys(0);
  PressKey('E');
  EXPECT_EQ(hotKey->HotKey(), TShortCut('E'));
}

}  // namespace
