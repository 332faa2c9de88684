// The package inflater against zlib's inflate on the same streams in the
// same run: the built-in skin's data file (deflated as skintool does) and a
// mixed input of 16 MiB. Throughput counts decoded bytes.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "PackageWriter.h"
#include "Skin2Inflater.h"
#include "SkinDataWriter.h"
#include "SkinSource.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

struct TInput {
  TBytes plain;
  TBytes stream;
};

TBytes MixedInput() {
  // Text, structured records, 24-bit pixel rows, runs and noise, in
  // alternating pieces: the kinds of data that packages carry.
  TBytes out;
  std::uint32_t seed = 2024;
  const auto next = [&] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  const char* words[] = {"window ", "skin ", "frame ", "button ", "caption ", "border ", "\r\n", "报修 ", "scroll ", "title "};
  while (out.size() < (16u << 20)) {
    switch (next() % 5) {
      case 0:
        for (int i = 0; i < 4000; ++i) {
          const char* w = words[next() % 10];
          out.insert(out.end(), w, w + std::strlen(w));
        }
        break;
      case 1:
        for (std::uint32_t i = 0; i < 2000; ++i) {
          const std::uint32_t rec[4] = {i, 0x00FF00FFu, next() % 64, 77};
          out.insert(out.end(), reinterpret_cast<const std::uint8_t*>(rec), reinterpret_cast<const std::uint8_t*>(rec) + 16);
        }
        break;
      case 2:
        for (int y = 0; y < 64; ++y)
          for (int x = 0; x < 320; ++x) {
            out.push_back(static_cast<std::uint8_t>(148 + y));
            out.push_back(static_cast<std::uint8_t>(103 + x / 8));
            out.push_back(static_cast<std::uint8_t>(31 + (x * y) % 3));
          }
        break;
      case 3:
        out.insert(out.end(), 1 + next() % 20000, static_cast<std::uint8_t>(next()));
        break;
      default:
        for (int i = 0; i < 8000; ++i) out.push_back(static_cast<std::uint8_t>(next()));
    }
  }
  out.resize(16u << 20);
  return out;
}

const TInput& SkinInput() {
  static const TInput input = [] {
    TInput in;
    in.plain = BuildSkinData(ReadSkinSource(REPAIR_SKIN_SOURCE));
    in.stream = DeflateRaw(in.plain, 9);
    return in;
  }();
  return input;
}

const TInput& Mixed() {
  static const TInput input = [] {
    TInput in;
    in.plain = MixedInput();
    in.stream = DeflateRaw(in.plain, 6);
    return in;
  }();
  return input;
}

// Writes into a buffer allocated once, as zlib does below.
class TBufferSink final : public TSk2ByteSink {
 public:
  explicit TBufferSink(std::size_t size) : buffer_(size) {}
  void Reset() { used_ = 0; }
  bool Write(const std::uint8_t* data, std::size_t size) override {
    if (size > buffer_.size() - used_) return false;
    std::memcpy(buffer_.data() + used_, data, size);
    used_ += size;
    return true;
  }
  std::size_t Used() const { return used_; }

 private:
  TBytes buffer_;
  std::size_t used_ = 0;
};

void InflateOurs(benchmark::State& state, const TInput& in) {
  TBufferSink sink(in.plain.size());
  for (auto _ : state) {
    sink.Reset();
    TSk2MemorySource source(in.stream);
    if (Sk2Inflate(source, sink, in.plain.size()) != TSk2InflateResult::Ok || sink.Used() != in.plain.size())
      state.SkipWithError("inflate failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.plain.size()));
  state.counters["ratio"] = static_cast<double>(in.plain.size()) / static_cast<double>(in.stream.size());
}

void InflateZlib(benchmark::State& state, const TInput& in) {
  TBytes out(in.plain.size());
  z_stream z{};
  inflateInit2(&z, -15);
  for (auto _ : state) {
    inflateReset(&z);
    z.next_in = const_cast<Bytef*>(in.stream.data());
    z.avail_in = static_cast<uInt>(in.stream.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    if (inflate(&z, Z_FINISH) != Z_STREAM_END || z.total_out != in.plain.size()) state.SkipWithError("zlib failed");
  }
  inflateEnd(&z);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.plain.size()));
}

void BM_Sk2Inflate_Skin(benchmark::State& s) { InflateOurs(s, SkinInput()); }
void BM_Zlib_Skin(benchmark::State& s) { InflateZlib(s, SkinInput()); }
void BM_Sk2Inflate_Mixed16M(benchmark::State& s) { InflateOurs(s, Mixed()); }
void BM_Zlib_Mixed16M(benchmark::State& s) { InflateZlib(s, Mixed()); }

BENCHMARK(BM_Sk2Inflate_Skin);
BENCHMARK(BM_Zlib_Skin);
BENCHMARK(BM_Sk2Inflate_Mixed16M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zlib_Mixed16M)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
