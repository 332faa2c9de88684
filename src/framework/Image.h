#pragma once
// TImage: shows a picture, painted by its parent. The picture is drawn at
// the top-left corner, centred (Center), or scaled to the control
// (Stretch, keeping its proportions with Proportional). With Transparent
// the picture's transparent colour lets the parent show through.
#include "framework/GraphicControl.h"
#include "graphics/Picture.h"

class TImage : public TGraphicControl {
  FW_CLASS(TImage, TGraphicControl)
 public:
  explicit TImage(TComponent* owner);

  // Attributes
  TPicture& Picture() noexcept { return picture_; }
  // Replaces the picture with a copy of bitmap (an animation sets each frame
  // this way).
  void SetBitmap(const TBitmap& bitmap) { picture_.Assign(bitmap); }
  bool AutoSize() const noexcept { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool Center() const noexcept { return center_; }
  void SetCenter(bool center);
  bool Stretch() const noexcept { return stretch_; }
  void SetStretch(bool stretch);
  bool Proportional() const noexcept { return proportional_; }
  void SetProportional(bool proportional);
  bool Transparent() const noexcept { return transparent_; }
  void SetTransparent(bool transparent);
  // Where the picture is drawn, in client coordinates.
  RECT DestRect() const;

  static std::vector<TPropInfo> PublishedProperties();

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  TPicture picture_;
  bool autoSize_ = false;
  bool center_ = false;
  bool stretch_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
};
