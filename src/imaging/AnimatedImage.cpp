#include "AnimatedImage.h"

#include <cstring>

#include "framework/Messages.h"

TBitmap ToBitmap(const TPixelImage& image) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(image.width) * image.height);
  std::memcpy(pixels.data(), image.pixels.data(), pixels.size() * 4);
  for (auto& p : pixels) p &= 0x00FFFFFF;  // B, G, R in memory order; no alpha
  return TBitmap::FromPixels(image.width, image.height, pixels);
}

TAnimatedImage::TAnimatedImage(TComponent* owner) : TImage(owner), timer_(Create<TTimer>()) {
  timer_->SetEnabled(false);
  timer_->OnTimer = [this](TObject&) { Advance(); };
}

void TAnimatedImage::SetAnimation(const TAnimation& animation) {
  frames_.clear();
  for (const auto& frame : animation.frames)
    frames_.push_back({ToBitmap(frame.image), static_cast<unsigned>(frame.delayMs > 0 ? frame.delayMs : 100)});
  playCount_ = animation.playCount;
  playsDone_ = 0;
  ShowFrame(0);
}

void TAnimatedImage::Advance() {
  if (frames_.empty()) return;
  int next = current_ + 1;
  if (next == FrameCount()) {
    ++playsDone_;
    if (playCount_ != 0 && playsDone_ >= playCount_) {
      timer_->SetEnabled(false);  // the last frame stays
      return;
    }
    next = 0;
  }
  ShowFrame(next);
}

void TAnimatedImage::ShowFrame(int index) {
  current_ = frames_.empty() ? 0 : index;
  if (frames_.empty()) {
    Picture().Clear();
  } else {
    SetBitmap(frames_[current_].bitmap);
  }
  UpdateTimer();
}

void TAnimatedImage::UpdateTimer() {
  const bool play = Visible() && FrameCount() > 1 &&
                    (playCount_ == 0 || playsDone_ < playCount_);
  if (play) timer_->SetInterval(frames_[current_].delayMs);
  timer_->SetEnabled(play);
}

void TAnimatedImage::WndProc(TMessage& message) {
  TImage::WndProc(message);
  if (message.Msg == CM_VISIBLECHANGED) UpdateTimer();
}
