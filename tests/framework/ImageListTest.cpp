// Image lists: strips cut into images, masks by colour and by bitmap,
// drawing with the mask, removal, and size changes.
#include "framework/ImageList.h"

#include <gtest/gtest.h>

#include "graphics/Bitmap.h"

namespace {

std::uint32_t Px(const TBitmap& bitmap, int x, int y) { return bitmap.ScanLine(y)[x] & 0xFFFFFF; }

// A strip of count 4 x 4 images: image i is filled with colour i + 1 and
// has a magenta pixel at its top-left.
TBitmap Strip(int count) {
  TBitmap strip(4 * count, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4 * count; ++x)
      strip.ScanLine(y)[x] = (x % 4 == 0 && y == 0) ? 0xFF00FFu : 0x101010u * static_cast<unsigned>(x / 4 + 1);
  return strip;
}

}  // namespace

TEST(TImageList, AddMaskedCutsTheStripAndDrawsThroughTheMask) {
  TOwned<TImageList> images = MakeComponent<TImageList>();
  images->SetSize(4, 4);
  int changes = 0;
  images->OnChange = [&](TObject&) { ++changes; };
  EXPECT_EQ(images->AddMasked(Strip(3), clFuchsia), 0);
  EXPECT_EQ(images->Count(), 3);
  EXPECT_EQ(changes, 1);

  TBitmap target(10, 6);
  target.Fill(clNavy);
  images->Draw(target.Canvas(), 2, 1, 1);
  EXPECT_EQ(Px(target, 2, 1), 0x000080u) << "the masked pixel leaves the target";
  EXPECT_EQ(Px(target, 3, 1), 0x202020u);
  EXPECT_EQ(Px(target, 5, 4), 0x202020u);
  EXPECT_EQ(Px(target, 6, 4), 0x000080u);

  TBitmap copy;
  ASSERT_TRUE(images->GetBitmap(2, copy));
  EXPECT_EQ(copy.Width(), 4);
  EXPECT_EQ(Px(copy, 1, 1), 0x303030u);
  EXPECT_FALSE(images->GetBitmap(3, copy));
}

TEST(TImageList, AddWithAMaskBitmapDeleteClearAndResize) {
  TOwned<TImageList> images = MakeComponent<TImageList>();
  images->SetSize(4, 4);
  TBitmap image(4, 4);
  image.Fill(clRed);
  TBitmap mask(4, 4);
  mask.Fill(clBlack);
  mask.SetPixel(3, 3, clWhite);  // white: transparent
  EXPECT_EQ(images->Add(image, &mask), 0);
  EXPECT_EQ(images->Add(image, nullptr), 1);

  TBitmap target(4, 4);
  target.Fill(clLime);
  images->Draw(target.Canvas(), 0, 0, 0);
  EXPECT_EQ(Px(target, 0, 0), 0xFF0000u);
  EXPECT_EQ(Px(target, 3, 3), 0x00FF00u);
  images->Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(Px(target, 3, 3), 0xFF0000u);

  images->Delete(0);
  EXPECT_EQ(images->Count(), 1);
  images->Delete(5);  // out of range: nothing
  EXPECT_EQ(images->Count(), 1);
  images->Clear();
  EXPECT_EQ(images->Count(), 0);

  images->AddMasked(Strip(2), clFuchsia);
  images->SetSize(8, 8);
  EXPECT_EQ(images->Count(), 0) << "a new size drops the images";
  EXPECT_EQ(images->Width(), 8);
  EXPECT_EQ(images->AddMasked(TBitmap(), clFuchsia), -1);
}
