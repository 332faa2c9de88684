// The main window's two pictures, read the way the program reads them: from
// RCDATA resources on Windows, from the files beside Pictures.rc natively.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "GifDecoder.h"
#include "JpegDecoder.h"
#include "PictureResources.h"

#ifdef _WIN32
#include "ResourceBytes.h"
#endif

namespace {

std::vector<std::uint8_t> PictureBytes(const wchar_t* resource, const char* file) {
#ifdef _WIN32
  (void)file;
  return LoadRcData(nullptr, resource);
#else
  (void)resource;
  std::ifstream in(std::string(REPAIR_PICTURES_DIR) + "/" + file, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
#endif
}

TEST(Pictures, ErrorBackgroundIs400By400) {
  const auto bytes = PictureBytes(kErrorBackgroundResource, "ErrorBackground.jpg");
  ASSERT_FALSE(bytes.empty());
  const auto result = DecodeJpeg(bytes);
  ASSERT_TRUE(result.ok()) << result.error();
  EXPECT_EQ(result.value().width, 400);
  EXPECT_EQ(result.value().height, 400);
  // The lower band under the error sentence stays light and plain.
  const std::uint32_t p = result.value().PixelAt(280, 300);
  EXPECT_GT(static_cast<int>(p & 0xFF), 200);
  EXPECT_GT(static_cast<int>(p >> 8 & 0xFF), 200);
}

TEST(Pictures, LoadingIndicatorIsTwelveTenthsLoopingForever) {
  const auto bytes = PictureBytes(kLoadingIndicatorResource, "LoadingIndicator.gif");
  ASSERT_FALSE(bytes.empty());
  const auto result = DecodeGif(bytes);
  ASSERT_TRUE(result.ok()) << result.error();
  const TAnimation& a = result.value();
  EXPECT_EQ(a.width, 16);
  EXPECT_EQ(a.height, 16);
  EXPECT_EQ(a.playCount, 0);
  ASSERT_EQ(a.frames.size(), 12u);
  for (const TAnimationFrame& f : a.frames) {
    EXPECT_EQ(f.delayMs, 100);
    EXPECT_EQ(f.image.width, 16);
    EXPECT_EQ(f.image.height, 16);
  }
  EXPECT_NE(a.frames[0].image.pixels, a.frames[3].image.pixels) << "the indicator turns";
}

TEST(Pictures, ResourceReaderReportsAMissingName) {
#ifdef _WIN32
  EXPECT_TRUE(LoadRcData(nullptr, L"NO_SUCH_PICTURE").empty());
#else
  GTEST_SKIP() << "resources exist on Windows only";
#endif
}

}  // namespace
