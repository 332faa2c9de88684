// The inflater decodes whatever zlib's deflate makes, at every level and
// strategy, with small and large windows and memory levels, to exactly the
// bytes that went in.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "Skin2Inflater.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Deflate(const Bytes& data, int level, int windowBits, int memLevel, int strategy) {
  z_stream z{};
  EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, -windowBits, memLevel, strategy), Z_OK);
  Bytes out(deflateBound(&z, static_cast<uLong>(data.size())) + 64);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// Inputs of different character: noise, text, long runs, structured
// records, and a mix of all of them.
std::vector<std::pair<std::string, Bytes>> Inputs() {
  std::vector<std::pair<std::string, Bytes>> inputs;
  std::uint32_t seed = 12345;
  const auto next = [&] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  Bytes noise(70000);
  for (auto& b : noise) b = static_cast<std::uint8_t>(next());
  inputs.push_back({"noise", noise});

  const char* words[] = {"skin ", "window ", "frame ", "button ", "title ", "border ", "\r\n", "scroll ", "的 ", "报修 "};
  std::string text;
  while (text.size() < 150000) text += words[next() % 10];
  inputs.push_back({"text", Bytes(text.begin(), text.end())});

  Bytes runs;
  while (runs.size() < 100000) runs.insert(runs.end(), 1 + next() % 600, static_cast<std::uint8_t>(next() % 4));
  inputs.push_back({"runs", runs});

  Bytes records;
  for (std::uint32_t i = 0; records.size() < 120000; ++i) {
    const std::uint32_t v[4] = {i, i * 3, 0xFF00FFu, next() % 16};
    records.insert(records.end(), reinterpret_cast<const std::uint8_t*>(v), reinterpret_cast<const std::uint8_t*>(v) + 16);
  }
  inputs.push_back({"records", records});

  Bytes mixed;
  for (int round = 0; round < 3; ++round)
    for (const auto& [name, data] : std::vector<std::pair<std::string, Bytes>>(inputs))
      mixed.insert(mixed.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(data.size() / 3));
  inputs.push_back({"mixed", mixed});

  for (std::size_t n : {0, 1, 2, 3, 4, 5, 31, 258, 16383, 16384, 16385, 32768, 65535, 65536, 65537}) {
    Bytes small(n);
    for (auto& b : small) b = static_cast<std::uint8_t>("abcab"[next() % 5]);
    inputs.push_back({"size " + std::to_string(n), small});
  }
  return inputs;
}

TEST(InflaterEqualsZlib, EveryLevelAndStrategy) {
  const int strategies[] = {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE, Z_FIXED};
  for (const auto& [name, data] : Inputs()) {
    for (int level = 0; level <= 9; ++level) {
      for (int strategy : strategies) {
        if (level == 0 && strategy != Z_DEFAULT_STRATEGY) continue;
        for (auto [windowBits, memLevel] : {std::pair{15, 8}, std::pair{9, 1}, std::pair{12, 9}}) {
          if (data.size() > 20000 && !(windowBits == 15 || level % 3 == 0)) continue;  // keep the run short
          const Bytes stream = Deflate(data, level, windowBits, memLevel, strategy);
          TSk2MemorySource source(stream);
          TSk2MemorySink sink;
          ASSERT_EQ(Sk2Inflate(source, sink, data.size()), TSk2InflateResult::Ok)
              << name << " level " << level << " strategy " << strategy << " window " << windowBits;
          ASSERT_EQ(sink.Bytes(), data) << name << " level " << level << " strategy " << strategy;
        }
      }
    }
  }
}

TEST(InflaterEqualsZlib, ConcatenatedFlushesMakeManyBlockKinds) {
  // Full flushes and parameter changes in one stream: stored, fixed and
  // dynamic blocks follow each other, some ending off a byte boundary.
  std::string text;
  for (int i = 0; i < 4000; ++i) text += "block " + std::to_string(i % 97) + " ";
  const Bytes data(text.begin(), text.end());
  z_stream z{};
  ASSERT_EQ(deflateInit2(&z, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY), Z_OK);
  Bytes out(data.size() * 2 + 4096);
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const std::size_t piece = data.size() / 8;
  const int params[][2] = {{0, Z_DEFAULT_STRATEGY}, {1, Z_FIXED},   {9, Z_DEFAULT_STRATEGY}, {6, Z_HUFFMAN_ONLY},
                           {2, Z_RLE},              {0, Z_DEFAULT_STRATEGY}, {9, Z_FILTERED}, {5, Z_FIXED}};
  for (int i = 0; i < 8; ++i) {
    ASSERT_EQ(deflateParams(&z, params[i][0], params[i][1]), Z_OK);
    z.next_in = const_cast<Bytef*>(data.data() + i * piece);
    z.avail_in = static_cast<uInt>(i == 7 ? data.size() - 7 * piece : piece);
    ASSERT_EQ(deflate(&z, i == 7 ? Z_FINISH : (i % 2 ? Z_FULL_FLUSH : Z_PARTIAL_FLUSH)), i == 7 ? Z_STREAM_END : Z_OK);
  }
  out.resize(z.total_out);
  deflateEnd(&z);

  TSk2MemorySource source(out);
  TSk2MemorySink sink;
  ASSERT_EQ(Sk2Inflate(source, sink, data.size()), TSk2InflateResult::Ok);
  EXPECT_EQ(sink.Bytes(), data);
}

}  // namespace
