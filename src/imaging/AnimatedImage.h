#pragma once
// TAnimatedImage: a picture control that plays a decoded animation on the
// GUI thread, each frame for its own delay, looping as the animation says.
// It plays only while visible.
#include <vector>

#include "PixelImage.h"
#include "framework/Image.h"
#include "framework/Timer.h"
#include "graphics/Bitmap.h"

class TAnimatedImage : public TImage {
  FW_CLASS(TAnimatedImage, TImage)
 public:
  explicit TAnimatedImage(TComponent* owner);

  // Attributes
  int FrameCount() const noexcept { return static_cast<int>(frames_.size()); }
  int CurrentFrame() const noexcept { return current_; }

  // Operations
  // Takes the frames and shows the first.
  void SetAnimation(const TAnimation& animation);
  // Shows the next frame (what the timer does when a delay ends).
  void Advance();

 protected:
  void WndProc(TMessage& message) override;

 private:
  void ShowFrame(int index);
  void UpdateTimer();

  struct Frame {
    TBitmap bitmap;
    unsigned delayMs;
  };
  std::vector<Frame> frames_;
  int current_ = 0;
  int playCount_ = 0;   // 0: forever
  int playsDone_ = 0;
  TTimer* timer_;
};

// A decoded picture as a framework bitmap.
TBitmap ToBitmap(const TPixelImage& image);
