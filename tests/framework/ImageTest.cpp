// Images: where the picture goes, transparency, and repainting on change.
#include "framework/Image.h"

#include "FrameworkTesting.h"
#include "framework/Form.h"
#include "framework/Panel.h"

namespace {

// 20 x 10: left half red, right half blue, top-left pixel green.
TBitmap TwoColourPicture() {
  TBitmap b(20, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) b.SetPixel(x, y, x < 10 ? clRed : clBlue);
  b.SetPixel(0, 0, clLime);
  return b;
}

class ImageTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = MakeComponent<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetClientSize(200, 100);
    panel = form->Create<TPanel>();
    panel->SetParent(form.get());
    panel->SetAlign(alClient);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clWhite);
    image = form->Create<TImage>();
    image->SetParent(panel);
    image->SetBounds(10, 10, 60, 40);
    image->SetBitmap(TwoColourPicture());
  }
  TBitmap Shot() {
    TBitmap shot(200, 100);
    panel->PaintTo(shot.Canvas().Handle(), 0, 0);
    return shot;
  }
  TOwned<TForm> form;
  TPanel* panel = nullptr;
  TImage* image = nullptr;
};

TEST_F(ImageTest, PlacementOfThePicture) {
  struct Case {
    bool center, stretch, proportional;
    RECT dest;
  };
  const Case cases[] = {
      {false, false, false, {0, 0, 20, 10}},  {true, false, false, {20, 15, 40, 25}},
      {false, true, false, {0, 0, 60, 40}},   {false, true, true, {0, 0, 60, 30}},
      {true, true, true, {0, 5, 60, 35}},
  };
  for (const Case& c : cases) {
    image->SetCenter(c.center);
    image->SetStretch(c.stretch);
    image->SetProportional(c.proportional);
    const RECT r = image->DestRect();
    EXPECT_TRUE(EqualRect(&r, &c.dest)) << c.center << c.stretch << c.proportional << ": " << r.left
                                        << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

TEST_F(ImageTest, PictureIsDrawnAtItsPlaceInTheParent) {
  TBitmap shot = Shot();
  EXPECT_EQ(shot.Pixel(10, 10), clLime);
  EXPECT_EQ(shot.Pixel(15, 15), clRed);
  EXPECT_EQ(shot.Pixel(25, 15), clBlue);
  EXPECT_EQ(shot.Pixel(35, 15), clWhite);  // beside the picture, inside the control
  image->SetStretch(true);
  shot = Shot();
  EXPECT_EQ(shot.Pixel(60, 45), clBlue);
  EXPECT_EQ(shot.Pixel(30, 45), clRed);
}

TEST_F(ImageTest, TransparentColourShowsTheParent) {
  TBitmap picture = TwoColourPicture();
  picture.SetTransparentColor(clBlue);
  image->SetBitmap(picture);
  EXPECT_EQ(Shot().Pixel(25, 15), clBlue);  // not transparent yet
  image->SetTransparent(true);
  TBitmap shot = Shot();
  EXPECT_EQ(shot.Pixel(25, 15), clWhite);
  EXPECT_EQ(shot.Pixel(15, 15), clRed);
  // Later frames keep the image's transparency.
  image->SetBitmap(picture);
  EXPECT_EQ(Shot().Pixel(25, 15), clWhite);
}

TEST_F(ImageTest, NewFrameRepaintsOnlyTheImage) {
  form->Show();
  Pump();
  HWND window = panel->Handle();
  ::ValidateRect(window, nullptr);
  TBitmap frame(20, 10);
  frame.Fill(clGreen);
  image->SetBitmap(frame);
  RECT update{};
  ASSERT_TRUE(::GetUpdateRect(window, &update, FALSE));
  const RECT expected = image->BoundsRect();
  EXPECT_TRUE(EqualRect(&update, &expected));
  ::UpdateWindow(window);
  EXPECT_EQ(Shot().Pixel(12, 12), clGreen);
}

TEST_F(ImageTest, AutoSizeTakesThePicturesSize) {
  image->SetAutoSize(true);
  EXPECT_EQ(image->Width(), 20);
  EXPECT_EQ(image->Height(), 10);
  TBitmap bigger(400, 400);
  image->SetBitmap(bigger);
  EXPECT_EQ(image->Width(), 400);
  image->Picture().Clear();
  EXPECT_EQ(image->Width(), 400);  // an empty picture keeps the size
}

}  // namespace
