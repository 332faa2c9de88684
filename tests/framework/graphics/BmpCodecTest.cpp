// Loading BMP files of every supported layout, and refusing broken ones.
// The files are built byte by byte here, not by the codec under test.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "TestPixels.h"
#include "graphics/Bitmap.h"

namespace {

// The picture every layout below encodes: 3 x 2 pixels.
constexpr std::uint32_t kPicture[2][3] = {{0xFF0000, 0x00FF00, 0x0000FF},   // top row
                                          {0x123456, 0xFFFFFF, 0x000000}};  // bottom row

void ExpectPicture(const TBitmap& b) {
  ASSERT_EQ(b.Width(), 3);
  ASSERT_EQ(b.Height(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Px(b, x, y), kPicture[y][x]) << x << "," << y;
}

void Rgb24Row(Bytes& b, int y) {
  for (int x = 0; x < 3; ++x) b.u8(kPicture[y][x] & 0xFF).u8((kPicture[y][x] >> 8) & 0xFF).u8(kPicture[y][x] >> 16);
  b.u8(0).u8(0).u8(0);  // rows are padded to 4 bytes
}

std::vector<std::uint8_t> Bmp24(bool topDown) {
  Bytes b = BmpHeaders(3, topDown ? -2 : 2, 24, 0, 54);
  if (topDown) {
    Rgb24Row(b, 0), Rgb24Row(b, 1);
  } else {
    Rgb24Row(b, 1), Rgb24Row(b, 0);
  }
  return b.data;
}

TEST(BmpLoad, TwentyFourBitBottomUpAndTopDown) {
  TBitmap b;
  ASSERT_TRUE(b.LoadFromBMP(Bmp24(false)));
  ExpectPicture(b);
  TBitmap t;
  ASSERT_TRUE(t.LoadFromBMP(Bmp24(true)));
  ExpectPicture(t);

  // Many writers leave out the last row's padding.
  std::vector<std::uint8_t> shortFile = Bmp24(false);
  shortFile.resize(shortFile.size() - 3);
  TBitmap s;
  ASSERT_TRUE(s.LoadFromBMP(shortFile));
  ExpectPicture(s);
}

TEST(BmpLoad, PalettedEightFourAndOneBit) {
  // 8 bits, three palette entries (B, G, R, 0); index 7 lies beyond them.
  Bytes b8 = BmpHeaders(3, 2, 8, 0, 54 + 12, 3);
  b8.raw({0x00, 0x00, 0xFF, 0, 0x00, 0xFF, 0x00, 0, 0xFF, 0x00, 0x00, 0});
  b8.raw({2, 7, 0, 0});  // bottom row: blue, (black), red
  b8.raw({0, 1, 2, 0});  // top row: red, green, blue
  TBitmap p8;
  ASSERT_TRUE(p8.LoadFromBMP(b8.data));
  EXPECT_EQ(Px(p8, 0, 0), 0xFF0000u);
  EXPECT_EQ(Px(p8, 1, 0), 0x00FF00u);
  EXPECT_EQ(Px(p8, 2, 0), 0x0000FFu);
  EXPECT_EQ(Px(p8, 0, 1), 0x0000FFu);
  EXPECT_EQ(Px(p8, 1, 1), 0u);
  EXPECT_EQ(Px(p8, 2, 1), 0xFF0000u);

  // 4 bits: two pixels a byte, high nibble first; a full 16-entry palette.
  Bytes b4 = BmpHeaders(3, 1, 4, 0, 54 + 64);
  for (int i = 0; i < 16; ++i) b4.u8(i).u8(i * 2).u8(i * 3).u8(0);
  b4.raw({0x1F, 0x30, 0, 0});
  TBitmap p4;
  ASSERT_TRUE(p4.LoadFromBMP(b4.data));
  EXPECT_EQ(Px(p4, 0, 0), 0x030201u);
  EXPECT_EQ(Px(p4, 1, 0), 0x2D1E0Fu);
  EXPECT_EQ(Px(p4, 2, 0), 0x090603u);

  // 1 bit, 9 pixels wide: the ninth is the top bit of the second byte.
  Bytes b1 = BmpHeaders(9, 1, 1, 0, 54 + 8);
  b1.raw({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0});
  b1.raw({0xA0, 0x80, 0, 0});
  TBitmap p1;
  ASSERT_TRUE(p1.LoadFromBMP(b1.data));
  const std::uint32_t w = 0xFFFFFF;
  const std::uint32_t expected[9] = {w, 0, w, 0, 0, 0, 0, 0, w};
  for (int x = 0; x < 9; ++x) EXPECT_EQ(Px(p1, x, 0), expected[x]) << x;
}

TEST(BmpLoad, SixteenAndThirtyTwoBitWithAndWithoutMasks) {
  // 32 bits with masks after the header, the channels in unusual places:
  // red in the low byte, blue in the third.
  Bytes m32 = BmpHeaders(3, -2, 32, 3, 54 + 12);
  m32.u32(0x0000FF).u32(0x00FF00).u32(0xFF0000);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      std::uint32_t p = kPicture[y][x];
      m32.u32(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16) | 0xFF000000u);
    }
  TBitmap b32;
  ASSERT_TRUE(b32.LoadFromBMP(m32.data));
  ExpectPicture(b32);
  EXPECT_EQ(b32.ScanLine(0)[0] >> 24, 0u);  // alpha dropped

  // 16 bits 5-6-5 with masks: full channels map to 255, zero to 0.
  Bytes m16 = BmpHeaders(2, 1, 16, 3, 54 + 12);
  m16.u32(0xF800).u32(0x07E0).u32(0x001F);
  m16.u16(0xF800).u16(0x07FF);
  TBitmap b16;
  ASSERT_TRUE(b16.LoadFromBMP(m16.data));
  EXPECT_EQ(Px(b16, 0, 0), 0xFF0000u);
  EXPECT_EQ(Px(b16, 1, 0), 0x00FFFFu);

  // 16 bits without masks: 5-5-5; 0x4210 is half of each channel.
  Bytes r16 = BmpHeaders(1, 1, 16, 0, 54);
  r16.u16(0x4210).u16(0);
  TBitmap c16;
  ASSERT_TRUE(c16.LoadFromBMP(r16.data));
  EXPECT_EQ(Px(c16, 0, 0), 0x848484u);
}

TEST(BmpLoad, CoreAndVersionFiveHeadersAndPackedDibs) {
  // The 12-byte core header, 8 bits with three-byte palette entries; the
  // palette is shorter than 256 entries, as the pixel offset tells.
  Bytes core;
  core.u8('B').u8('M').u32(0).u32(0).u32(14 + 12 + 6);
  core.u32(12).u16(2).u16(1).u16(1).u16(8);
  core.raw({0x10, 0x20, 0x30, 0x40, 0x50, 0x60});
  core.raw({1, 0, 0, 0});
  TBitmap c;
  ASSERT_TRUE(c.LoadFromBMP(core.data));
  EXPECT_EQ(Px(c, 0, 0), 0x605040u);
  EXPECT_EQ(Px(c, 1, 0), 0x302010u);

  // A 124-byte header (masks inside it ignored for BI_RGB), 32 bits.
  Bytes v5;
  v5.u8('B').u8('M').u32(0).u32(0).u32(14 + 124);
  v5.u32(124).u32(1).u32(1).u16(1).u16(32).u32(0);
  v5.pad(14 + 124);
  v5.u32(0xAA112233);
  TBitmap v;
  ASSERT_TRUE(v.LoadFromBMP(v5.data));
  EXPECT_EQ(Px(v, 0, 0), 0x112233u);

  // A packed DIB as stored in RT_BITMAP resources: no file header, pixels
  // right after the palette.
  Bytes dib;
  dib.u32(40).u32(2).u32(1).u16(1).u16(8).u32(0).u32(0).u32(0).u32(0).u32(2).u32(0);
  dib.raw({0xFF, 0, 0, 0, 0, 0, 0xFF, 0});
  dib.raw({1, 0, 0, 0});
  TBitmap d;
  ASSERT_TRUE(d.LoadFromDIB(dib.data));
  EXPECT_EQ(Px(d, 0, 0), 0xFF0000u);
  EXPECT_EQ(Px(d, 1, 0), 0x0000FFu);
}

// Malformed or unsupported files: each must be refused, and the bitmap it
// was loaded into must stay as it was.
struct Broken {
  const char* name;
  std::vector<std::uint8_t> file;
};

std::vector<Broken> BrokenFiles() {
  std::vector<Broken> cases;
  auto with = [](Bytes b, std::size_t pixelBytes) {
    b.pad(b.data.size() + pixelBytes);
    return b.data;
  };
  cases.push_back({"empty", {}});
  cases.push_back({"magic only", {'B', 'M'}});
  std::vector<std::uint8_t> badMagic = Bmp24(false);
  badMagic[1] = 'X';
  cases.push_back({"wrong magic", badMagic});
  std::vector<std::uint8_t> headerCut = Bmp24(false);
  headerCut.resize(30);
  cases.push_back({"header cut short", headerCut});
  cases.push_back({"zero width", with(BmpHeaders(0, 2, 24, 0, 54), 24)});
  cases.push_back({"zero height", with(BmpHeaders(3, 0, 24, 0, 54), 24)});
  cases.push_back({"negative width", with(BmpHeaders(-3, 2, 24, 0, 54), 24)});
  cases.push_back({"height INT_MIN", with(BmpHeaders(3, INT_MIN, 24, 0, 54), 24)});
  cases.push_back({"side too large", with(BmpHeaders(40000, 1, 24, 0, 54), 120000)});
  cases.push_back({"too many pixels", with(BmpHeaders(20000, 20000, 1, 0, 62), 64)});
  cases.push_back({"7 bits per pixel", with(BmpHeaders(3, 2, 7, 0, 54), 24)});
  cases.push_back({"run-length 8", with(BmpHeaders(3, 2, 8, 1, 54 + 1024), 1024 + 8)});
  cases.push_back({"masks on 24 bits", with(BmpHeaders(3, 2, 24, 3, 66), 36)});
  Bytes scattered = BmpHeaders(1, 1, 32, 3, 66);
  scattered.u32(0xF0F0).u32(0x0F00).u32(0x000F);
  cases.push_back({"scattered mask", with(scattered, 4)});
  cases.push_back({"masks missing", BmpHeaders(1, 1, 32, 3, 66).data});
  cases.push_back({"palette cut short", with(BmpHeaders(3, 2, 8, 0, 54 + 1024), 100)});
  std::vector<std::uint8_t> cut = Bmp24(false);
  cut.resize(cut.size() - 10);
  cases.push_back({"pixels cut short", cut});
  cases.push_back({"offset past the end", with(BmpHeaders(3, 2, 24, 0, 5000), 24)});
  cases.push_back({"offset inside the headers", with(BmpHeaders(3, 2, 24, 0, 20), 24)});
  Bytes oddHeader;
  oddHeader.u8('B').u8('M').u32(0).u32(0).u32(54).u32(20).u32(3).u32(2).u16(1).u16(24);
  cases.push_back({"header size 20", with(oddHeader, 60)});
  Bytes hugeHeader;
  hugeHeader.u8('B').u8('M').u32(0).u32(0).u32(54).u32(0x7FFFFFFF).u32(3).u32(2).u16(1).u16(24);
  cases.push_back({"header larger than the file", with(hugeHeader, 60)});
  return cases;
}

TEST(BmpLoad, BrokenFilesAreRefusedAndChangeNothing) {
  for (const Broken& c : BrokenFiles()) {
    TBitmap b(2, 2);
    b.Fill(clRed);
    HBITMAP before = b.Handle();
    EXPECT_FALSE(b.LoadFromBMP(c.file)) << c.name;
    EXPECT_EQ(b.Handle(), before) << c.name;
    EXPECT_EQ(b.Width(), 2) << c.name;
    EXPECT_EQ(Px(b, 1, 1), 0xFF0000u) << c.name;
  }
  TBitmap d;
  EXPECT_FALSE(d.LoadFromDIB(std::vector<std::uint8_t>{40, 0, 0}));
  EXPECT_FALSE(d.LoadFromResource(::GetModuleHandleW(nullptr), L"NO_SUCH_BITMAP"));
  EXPECT_TRUE(d.Empty());
}

}  // namespace
