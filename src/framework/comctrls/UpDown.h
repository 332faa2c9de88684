#pragma once
// TCustomUpDown / TUpDown: a pair of arrow buttons over the platform's
// up-down control ("msctls_updown32").
//
// Position runs from Min to Max in steps of Increment (wrapping round with
// Wrap). An Associate (an edit, say) is placed beside the arrows and shows
// Position as its text; arrow keys in it step too (ArrowKeys). Each step
// the user asks for first raises OnChanging, which may refuse it, then
// OnClick with the arrow that was pressed.
#include <functional>

#include "framework/WinControl.h"

enum TUDAlignButton { udLeft, udRight };
inline constexpr std::string_view kUDAlignButtonNames[] = {"udLeft", "udRight"};
enum TUDOrientation { udHorizontal, udVertical };
inline constexpr std::string_view kUDOrientationNames[] = {"udHorizontal", "udVertical"};
// btNext increases Position (up or right), btPrev decreases it.
enum TUDBtnType { btNext, btPrev };

using TUDClickEvent = std::function<void(TObject& sender, TUDBtnType button)>;
using TUDChangingEvent = std::function<void(TObject& sender, bool& allowChange)>;

class TCustomUpDown : public TWinControl {
  FW_CLASS(TCustomUpDown, TWinControl)
 public:
  explicit TCustomUpDown(TComponent* owner);

  // Attributes
  TWinControl* Associate() const noexcept { return associate_; }
  void SetAssociate(TWinControl* associate);
  int Min() const noexcept { return min_; }
  void SetMin(int min);
  int Max() const noexcept { return max_; }
  void SetMax(int max);
  void SetRange(int min, int max);
  // Read from the window, which follows the associate's text.
  int Position();
  void SetPosition(int position);
  int Increment() const noexcept { return increment_; }
  void SetIncrement(int increment);
  TUDOrientation Orientation() const noexcept { return orientation_; }
  void SetOrientation(TUDOrientation orientation);
  TUDAlignButton AlignButton() const noexcept { return alignButton_; }
  void SetAlignButton(TUDAlignButton align);
  bool Wrap() const noexcept { return wrap_; }
  void SetWrap(bool wrap);
  bool ArrowKeys() const noexcept { return arrowKeys_; }
  void SetArrowKeys(bool arrowKeys);
  // Thousands separators in the associate's text.
  bool Thousands() const noexcept { return thousands_; }
  void SetThousands(bool thousands);

  // Events
  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual bool CanChange();
  virtual void Click(TUDBtnType button);

 private:
  void CNNotify(TMessage& message);
  void CNScroll(TMessage& message);
  void ApplyRange();
  void ApplyIncrement();
  void ApplyBuddy();
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  TWinControl* associate_ = nullptr;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  TUDOrientation orientation_ = udVertical;
  TUDAlignButton alignButton_ = udRight;
  bool wrap_ = false;
  bool arrowKeys_ = true;
  bool thousands_ = true;
  TUDBtnType pressed_ = btNext;  // the arrow of the step under way
  bool stepAllowed_ = false;      // OnChanging let that step happen
};

class TUpDown : public TCustomUpDown {
  FW_CLASS(TUpDown, TCustomUpDown)
 public:
  explicit TUpDown(TComponent* owner) : TCustomUpDown(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
