// Timers fire on the thread that made them, while it handles messages.
#include "framework/Timer.h"

#include "FrameworkTesting.h"

namespace {

class TimerTest : public FrameworkTest {};

TEST_F(TimerTest, FiresRepeatedlyOnTheGuiThread) {
  TOwned<TTimer> timer = MakeComponent<TTimer>();
  timer->SetInterval(20);
  const DWORD gui = ::GetCurrentThreadId();
  int fired = 0;
  bool otherThread = false;
  timer->OnTimer = [&](TObject& sender) {
    EXPECT_EQ(&sender, timer.get());
    otherThread |= ::GetCurrentThreadId() != gui;
    ++fired;
  };
  ASSERT_TRUE(PumpUntil([&] { return fired >= 3; }, 3000));
  EXPECT_FALSE(otherThread);
}

TEST_F(TimerTest, DisabledTimerStaysQuietUntilEnabled) {
  TOwned<TTimer> timer = MakeComponent<TTimer>();
  timer->SetEnabled(false);
  timer->SetInterval(10);
  int fired = 0;
  timer->OnTimer = [&](TObject&) { ++fired; };
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(fired, 0);
  timer->SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return fired > 0; }, 3000));
  timer->SetInterval(0);  // an interval of 0 stops it too
  const int stopped = fired;
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(fired, stopped);
}

TEST_F(TimerTest, TimerMayStopOrDestroyItselfInItsHandler) {
  TOwned<TComponent> owner = MakeComponent<TComponent>();
  TTimer* timer = owner->Create<TTimer>();
  timer->SetInterval(10);
  int fired = 0;
  timer->OnTimer = [&](TObject&) {
    ++fired;
    timer->SetEnabled(false);
  };
  ASSERT_TRUE(PumpUntil([&] { return fired > 0; }, 3000));
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(fired, 1);
  timer->SetEnabled(true);
  timer->OnTimer = [&](TObject&) {
    ++fired;
    timer->Free();
  };
  ASSERT_TRUE(PumpUntil([&] { return owner->ComponentCount() == 0; }, 3000));
  EXPECT_EQ(fired, 2);
}

TEST_F(TimerTest, ExceptionInTheHandlerGoesToTheApplication) {
  TOwned<TTimer> timer = MakeComponent<TTimer>();
  timer->SetInterval(10);
  timer->OnTimer = [&](TObject&) {
    timer->SetEnabled(false);
    throw Exception("timer failed");
  };
  std::string reported;
  Application.OnException = [&](TObject& sender, const std::exception& e) {
    EXPECT_EQ(&sender, timer.get());
    reported = e.what();
  };
  EXPECT_TRUE(PumpUntil([&] { return !reported.empty(); }, 3000));
  EXPECT_EQ(reported, "timer failed");
}

}  // namespace
