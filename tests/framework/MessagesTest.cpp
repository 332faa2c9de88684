// The message delegate: bound, compared, replaced while it runs.
#include "framework/Messages.h"

#include <gtest/gtest.h>

namespace {

struct THandler {
  int calls = 0;
  TWndMethod* slot = nullptr;
  TWndMethod replacement;
  void Handle(TMessage& m) {
    ++calls;
    m.Result = 42;
    // Replacing the running delegate must not disturb this call.
    if (slot) *slot = replacement;
  }
  void Other(TMessage& m) { m.Result = 7; }
};

TEST(MessagesTest, DelegateCallsItsObjectsMethodAndComparesByBoth) {
  THandler a, b;
  const TWndMethod ma = TWndMethod::Bind<&THandler::Handle>(&a);
  TMessage m{WM_NULL, 0, 0, 0};
  ma(m);
  EXPECT_EQ(a.calls, 1);
  EXPECT_EQ(m.Result, 42);
  EXPECT_EQ(ma, TWndMethod::Bind<&THandler::Handle>(&a));
  EXPECT_NE(ma, TWndMethod::Bind<&THandler::Handle>(&b));
  EXPECT_NE(ma, TWndMethod::Bind<&THandler::Other>(&a));
  EXPECT_EQ(ma.Object(), &a);
  EXPECT_FALSE(TWndMethod());
  TWndMethod().operator()(m);  // an empty delegate does nothing
}

TEST(MessagesTest, DelegateMayBeReplacedFromInsideItsOwnCall) {
  THandler a;
  TWndMethod slot = TWndMethod::Bind<&THandler::Handle>(&a);
  a.slot = &slot;
  a.replacement = TWndMethod::Bind<&THandler::Other>(&a);
  TMessage m{};
  const TWndMethod running = slot;  // as Perform does
  running(m);
  EXPECT_EQ(m.Result, 42);
  slot(m);
  EXPECT_EQ(m.Result, 7);
}

TEST(MessagesTest, FixedNumbersAndMouseCoordinates) {
  EXPECT_EQ(CM_RECREATEWND, 0xB033u);
  EXPECT_EQ(CM_INVALIDATE, 0xB034u);
  EXPECT_EQ(CM_FLOAT, 0xB03Au);
  EXPECT_TRUE(IsFrameworkMessage(CM_MOUSEENTER));
  EXPECT_TRUE(IsFrameworkMessage(CN_COMMAND));
  EXPECT_FALSE(IsFrameworkMessage(WM_APP));
  // Every CM_ number is distinct.
  const UINT all[] = {CM_ACTIVATE, CM_DEACTIVATE, CM_GOTFOCUS, CM_LOSTFOCUS, CM_ENTER, CM_EXIT,
                      CM_DIALOGKEY, CM_DIALOGCHAR, CM_WANTSPECIALKEY, CM_CHILDKEY, CM_VISIBLECHANGED,
                      CM_ENABLEDCHANGED, CM_TEXTCHANGED, CM_COLORCHANGED, CM_FONTCHANGED,
                      CM_CURSORCHANGED, CM_PARENTCOLORCHANGED, CM_PARENTFONTCHANGED, CM_BORDERCHANGED,
                      CM_SHOWINGCHANGED, CM_TABSTOPCHANGED, CM_MOUSEENTER, CM_MOUSELEAVE, CM_HITTEST,
                      CM_CANCELMODE, CM_RELEASE, CM_CONTROLLISTCHANGE, CM_CONTROLCHANGE,
                      CM_SYSCOLORCHANGE, CM_SYSFONTCHANGED, CM_ICONCHANGED, CM_MENUCHANGED,
                      CM_RECREATEWND, CM_INVALIDATE, CM_FLOAT};
  for (size_t i = 0; i < std::size(all); ++i)
    for (size_t j = i + 1; j < std::size(all); ++j) EXPECT_NE(all[i], all[j]) << i << " " << j;
  const TMessage m{WM_MOUSEMOVE, 0, MAKELPARAM(-5, 300), 0};
  EXPECT_EQ(m.XPos(), -5);
  EXPECT_EQ(m.YPos(), 300);
}

}  // namespace
