// The skinner registries: which wrapper a control or a raw child window
// gets, by class (last registration first) and by window class name with
// the naming rules of standard buttons and combo boxes.
#include "engine/QELSkinRegistry.h"

#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "frame/QELSkinWindow.h"
#include "framework/Label.h"
#include "framework/Panel.h"

namespace {

// A wrapper that tells which registration made it.
template <int Id>
class TFakeSkinner : public TqelSkinControl {
 public:
  TFakeSkinner(TControl& control, TqelSkinWindow& window) : TqelSkinControl(window), control_(&control) {}
  TFakeSkinner(HWND handle, TqelSkinWindow& window) : TqelSkinControl(window), handle_(handle) {}
  static constexpr int kId = Id;
  TControl* Control() const noexcept override { return control_; }
  HWND RawHandle() const noexcept override { return handle_; }
  RECT GetBoundsRect() const override { return {}; }
  HWND GetHandle() const override { return handle_; }
  bool IsEnabled() const override { return true; }
  void CallPrevious(TMessage&) override {}

 protected:
  // Hooks nothing: only the choice of wrapper is looked at.
  void Hook() override {}
  void Unhook() noexcept override {}

 private:
  TControl* control_ = nullptr;
  HWND handle_ = nullptr;
};

template <int Id>
bool MadeBy(const std::unique_ptr<TqelSkinControl>& skinner) {
  return dynamic_cast<const TFakeSkinner<Id>*>(skinner.get()) != nullptr;
}

int IdOf(const std::unique_ptr<TqelSkinControl>& s) {
  if (!s) return 0;
  if (MadeBy<1>(s)) return 1;
  if (MadeBy<2>(s)) return 2;
  if (MadeBy<3>(s)) return 3;
  if (MadeBy<4>(s)) return 4;
  return -1;
}

// A skinned form whose frame the wrappers are made for; the process-wide
// registrations are put back after each test.
class RegistryTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    savedControls_ = TqelSkinRegistry::ControlSkinners();
    savedWindows_ = TqelSkinRegistry::WindowSkinners();
    TqelSkinRegistry::ControlSkinners().clear();
    TqelSkinRegistry::WindowSkinners().clear();
    skinned_ = MakeComponent<TFrm_Skinned>();
  }
  void TearDown() override {
    skinned_.reset();
    TqelSkinRegistry::ControlSkinners() = savedControls_;
    TqelSkinRegistry::WindowSkinners() = savedWindows_;
    EngineTest::TearDown();
  }
  TqelSkinWindow& Frame() { return *skinned_->Engine->FindSkinWindow(skinned_->Handle()); }

 private:
  std::vector<TqelControlSkinnerEntry> savedControls_;
  std::vector<TqelWindowSkinnerEntry> savedWindows_;
  TOwned<TFrm_Skinned> skinned_;
};

}  // namespace

TEST_F(RegistryTest, ControlSkinnersAreFoundFromTheLastRegistration) {
  TOwned<TForm> form = MakeComponent<TForm>();
  TPanel* panel = form->Create<TPanel>();
  TLabel* label = form->Create<TLabel>();
  TqelSkinRegistry::RegisterControlSkinners({ControlSkinner<TControl, TFakeSkinner<1>>(),
                                             ControlSkinner<TWinControl, TFakeSkinner<2>>(),
                                             ControlSkinner<TCustomPanel, TFakeSkinner<3>>()});
  struct Case {
    TControl* control;
    int expected;
  };
  const Case before[] = {{panel, 3}, {label, 1}, {form.get(), 2}};
  for (const Case& k : before)
    EXPECT_EQ(IdOf(TqelSkinRegistry::FindControlSkinner(*k.control, Frame())), k.expected) << k.control->ClassName();

  // A later registration wins even over a more special earlier one.
  TqelSkinRegistry::RegisterControlSkinners({ControlSkinner<TWinControl, TFakeSkinner<4>>()});
  const Case after[] = {{panel, 4}, {label, 1}, {form.get(), 4}};
  for (const Case& k : after)
    EXPECT_EQ(IdOf(TqelSkinRegistry::FindControlSkinner(*k.control, Frame())), k.expected) << k.control->ClassName();

  auto made = TqelSkinRegistry::FindControlSkinner(*panel, Frame());
  EXPECT_EQ(made->Control(), panel);
  EXPECT_EQ(made->RawHandle(), nullptr);
  EXPECT_EQ(&made->Window(), &Frame());

  TqelSkinRegistry::ControlSkinners().clear();
  EXPECT_EQ(TqelSkinRegistry::FindControlSkinner(*panel, Frame()), nullptr) << "none registered";
}

// The registry name a raw window is looked up by.
TEST_F(RegistryTest, RawWindowNamingRules) {
  struct Case {
    const wchar_t* className;
    LONG style;
    const wchar_t* name;  // empty: no skinner
    bool animated;
  };
  const Case cases[] = {
      {L"SYSANIMATE32", 0, L"", true},
      {L"MSCTLS_PROGRESS32", 0, L"", true},
      {L"BUTTON", BS_PUSHBUTTON, L"BUTTON", false},
      {L"BUTTON", BS_DEFPUSHBUTTON, L"BUTTON", false},
      {L"BUTTON", BS_CHECKBOX, L"BUTTON_CHECKBOX", false},
      {L"BUTTON", BS_AUTOCHECKBOX, L"BUTTON_CHECKBOX", false},
      {L"BUTTON", BS_3STATE, L"BUTTON_CHECKBOX", false},
      {L"BUTTON", BS_AUTO3STATE | BS_LEFTTEXT, L"BUTTON_CHECKBOX", false},
      {L"BUTTON", BS_RADIOBUTTON, L"BUTTON_RADIOBUTTON", false},
      {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, L"BUTTON_RADIOBUTTON", false},
      {L"BUTTON", BS_GROUPBOX, L"", false},
      {L"BUTTON", BS_USERBUTTON, L"BUTTON", false},
      // Button types whose low bits look like check boxes or radio buttons
      // but are push buttons, or paint themselves.
      {L"BUTTON", BS_PUSHBOX, L"BUTTON", false},
      {L"BUTTON", BS_OWNERDRAW, L"", false},
      {L"BUTTON", 0x0C /* split button */, L"BUTTON", false},
      {L"BUTTON", 0x0E /* command link */, L"BUTTON", false},
      {L"COMBOBOX", CBS_SIMPLE, L"", false},
      {L"COMBOBOX", CBS_DROPDOWN, L"COMBOBOX", false},
      {L"COMBOBOX", CBS_DROPDOWNLIST | CBS_SORT, L"COMBOBOX", false},
      {L"EDIT", ES_AUTOHSCROLL, L"EDIT", false},
  };
  for (const Case& k : cases) {
    const TqelWindowSkinnerChoice choice = TqelSkinRegistry::ChooseWindowSkinner(nullptr, k.className, k.style);
    EXPECT_EQ(choice.Name, k.name) << k.className << " style " << k.style;
    EXPECT_EQ(choice.AnimatedChild, k.animated) << k.className;
  }
}

// Real windows: the registry entry named by the rules makes the wrapper,
// for the window itself or, for an extended combo box, its first child.
TEST_F(RegistryTest, RawWindowSkinnersByName) {
  TqelSkinRegistry::RegisterWindowSkinners({WindowSkinner<TFakeSkinner<1>>(L"BUTTON_CHECKBOX"),
                                            WindowSkinner<TFakeSkinner<2>>(L"COMBOBOXEX32"),
                                            WindowSkinner<TFakeSkinner<3>>(L"BUTTON_CHECKBOX")});
  HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND check = ::CreateWindowExW(0, L"Button", L"", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 10, 10, parent, nullptr, nullptr,
                                 nullptr);
  HWND push = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
  HWND comboEx = ::CreateWindowExW(0, L"ComboBoxEx32", L"", WS_CHILD | CBS_DROPDOWN, 0, 0, 80, 100, parent, nullptr,
                                   nullptr, nullptr);
  ASSERT_TRUE(check && push && comboEx);
  EXPECT_EQ(UpperClassName(check), L"BUTTON");

  auto forCheck = TqelSkinRegistry::FindWindowSkinner(check, Frame());
  EXPECT_EQ(IdOf(forCheck), 1) << "the first entry of the name";
  EXPECT_EQ(forCheck->RawHandle(), check);
  EXPECT_EQ(TqelSkinRegistry::FindWindowSkinner(push, Frame()), nullptr) << "no BUTTON entry";
  auto forComboEx = TqelSkinRegistry::FindWindowSkinner(comboEx, Frame());
  ASSERT_EQ(IdOf(forComboEx), 2);
  EXPECT_EQ(forComboEx->RawHandle(), ::GetWindow(comboEx, GW_CHILD));
  EXPECT_NE(forComboEx->RawHandle(), nullptr);
  // Without a child there is nothing to skin.
  EXPECT_EQ(TqelSkinRegistry::ChooseWindowSkinner(push, L"COMBOBOXEX32", 0).Name, L"");
  // An animation child gets no wrapper; its window hears of it.
  HWND animation = ::CreateWindowExW(0, L"SysAnimate32", L"", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
  ASSERT_NE(animation, nullptr);
  EXPECT_FALSE(Frame().HoldsAnimatedChild());
  EXPECT_EQ(TqelSkinRegistry::FindWindowSkinner(animation, Frame()), nullptr);
  EXPECT_TRUE(Frame().HoldsAnimatedChild());
  ::DestroyWindow(parent);
}
