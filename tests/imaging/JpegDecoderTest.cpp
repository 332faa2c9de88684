#include "JpegDecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

// Encodes pixels with libjpeg's compressor: `components` samples a pixel
// (1 grey, 3 RGB, 4 CMYK), rows top-down.
std::vector<std::uint8_t> Encode(int w, int h, int components, const std::vector<std::uint8_t>& samples,
                                 bool progressive = false) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(w);
  info.image_height = static_cast<JDIMENSION>(h);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(samples.data() + info.next_scanline * static_cast<std::size_t>(w * components));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

// Left half red, right half blue.
std::vector<std::uint8_t> RedBlue(int w, int h) {
  std::vector<std::uint8_t> rgb;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool left = x < w / 2;
      rgb.insert(rgb.end(), {static_cast<std::uint8_t>(left ? 255 : 0), 0, static_cast<std::uint8_t>(left ? 0 : 255)});
    }
  return rgb;
}

void ExpectNear(std::uint32_t argb, int r, int g, int b, int tolerance) {
  EXPECT_EQ(argb >> 24, 0xFFu) << "opaque";
  EXPECT_NEAR(static_cast<int>((argb >> 16) & 0xFF), r, tolerance);
  EXPECT_NEAR(static_cast<int>((argb >> 8) & 0xFF), g, tolerance);
  EXPECT_NEAR(static_cast<int>(argb & 0xFF), b, tolerance);
}

TEST(JpegDecode, ColourPictureBecomesOpaqueBgra) {
  const auto result = DecodeJpeg(Encode(32, 16, 3, RedBlue(32, 16)));
  ASSERT_TRUE(result.ok()) << result.error();
  const TPixelImage& image = result.value();
  EXPECT_EQ(image.width, 32);
  EXPECT_EQ(image.height, 16);
  ASSERT_EQ(image.pixels.size(), 32u * 16u * 4u);
  // Away from the edge, where chroma subsampling blurs.
  ExpectNear(image.PixelAt(4, 8), 255, 0, 0, 12);
  ExpectNear(image.PixelAt(27, 3), 0, 0, 255, 12);
  // Byte order B, G, R, A in memory: the red pixel's third byte is high.
  EXPECT_GT(image.pixels[4 * (8 * 32 + 4) + 2], 240);
  EXPECT_LT(image.pixels[4 * (8 * 32 + 4) + 0], 16);
}

TEST(JpegDecode, GreyProgressiveAndOddSizes) {
  const std::vector<std::uint8_t> grey(17 * 5, 128);
  for (bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const auto result = DecodeJpeg(Encode(17, 5, 1, grey, progressive));
    ASSERT_TRUE(result.ok()) << result.error();
    EXPECT_EQ(result.value().width, 17);
    EXPECT_EQ(result.value().height, 5);
    ExpectNear(result.value().PixelAt(16, 4), 128, 128, 128, 2);
  }
}

// Malformed inputs and the outcome each must have: a failure with a message
// containing the given part. None may crash or read past the data.
struct MalformedCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  const char* messagePart;
};

std::size_t FindMarker(const std::vector<std::uint8_t>& bytes, std::uint8_t marker) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == marker) return i;
  throw std::runtime_error("marker not found");
}

std::vector<std::uint8_t> WithSize(std::vector<std::uint8_t> bytes, int w, int h) {
  const std::size_t sof = FindMarker(bytes, 0xC0);
  bytes[sof + 5] = static_cast<std::uint8_t>(h >> 8);
  bytes[sof + 6] = static_cast<std::uint8_t>(h);
  bytes[sof + 7] = static_cast<std::uint8_t>(w >> 8);
  bytes[sof + 8] = static_cast<std::uint8_t>(w);
  return bytes;
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t length) {
  bytes.resize(length);
  return bytes;
}

TEST(JpegMalformed, EveryCaseFailsWithAMessage) {
  const std::vector<std::uint8_t> good = Encode(32, 16, 3, RedBlue(32, 16));
  const std::vector<std::uint8_t> cmyk = Encode(8, 8, 4, std::vector<std::uint8_t>(8 * 8 * 4, 60));
  const std::vector<MalformedCase> cases = {
      {"empty", {}, "empty"},
      {"not a JPEG", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}, "JPEG decoding failed"},
      {"start marker only", {0xFF, 0xD8}, "JPEG decoding failed"},
      {"cut inside the header", Cut(good, FindMarker(good, 0xC0) + 4), "JPEG decoding failed"},
      {"cut inside the picture data", Cut(good, good.size() / 2 + good.size() / 4), "JPEG decoding failed"},
      {"end marker missing", Cut(good, good.size() - 2), "JPEG decoding failed"},
      {"height of zero", WithSize(good, 32, 0), "JPEG decoding failed"},
      {"sixty thousand pixels square", WithSize(good, 60000, 60000), "too large"},
      {"CMYK, which the window cannot show", cmyk, "JPEG decoding failed"},
  };
  ASSERT_TRUE(DecodeJpeg(good).ok()) << "the unbroken picture decodes";
  for (const MalformedCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto result = DecodeJpeg(c.bytes);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error().find(c.messagePart), std::string::npos) << result.error();
  }
}

}  // namespace
