// The inflater against hand-made streams: a table of malformed and edge
// inputs with their expected outcomes, then the window, input-buffer and
// output-limit behaviour on larger streams.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "DeflateBits.h"
#include "Skin2Inflater.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using R = TSk2InflateResult;

struct TOutcome {
  R result;
  Bytes out;
};

TOutcome Inflate(const Bytes& in, std::uint64_t limit = 1u << 30) {
  TSk2MemorySource source(in);
  TSk2MemorySink sink;
  const R r = Sk2Inflate(source, sink, limit);
  return {r, sink.Bytes()};
}

// ---- dynamic blocks ---------------------------------------------------------

constexpr unsigned kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

// A complete code-length code: symbols 0-12 four bits, 13-18 five bits.
std::vector<std::uint8_t> DefaultCodeLengthLengths() {
  std::vector<std::uint8_t> l(19, 4);
  for (unsigned s = 13; s < 19; ++s) l[s] = 5;
  return l;
}

using TSymbols = std::vector<std::pair<unsigned, unsigned>>;  // code-length symbol, extra value

// Header of a dynamic block with raw HLIT/HDIST fields, then the given
// code-length symbols.
void DynamicHeader(TDeflateBits& w, bool final, unsigned hlitField, unsigned hdistField, const TSymbols& symbols,
                   const std::vector<std::uint8_t>& cl = DefaultCodeLengthLengths()) {
  w.Bits(final ? 1 : 0, 1).Bits(2, 2).Bits(hlitField, 5).Bits(hdistField, 5).Bits(15, 4);
  for (unsigned i = 0; i < 19; ++i) w.Bits(cl[kOrder[i]], 3);
  const auto codes = CanonicalCodes(cl);
  for (auto [symbol, extra] : symbols) {
    w.Code(codes[symbol], cl[symbol]);
    if (symbol == 16) w.Bits(extra, 2);
    if (symbol == 17) w.Bits(extra, 3);
    if (symbol == 18) w.Bits(extra, 7);
  }
}

TSymbols Plain(const std::vector<std::uint8_t>& lengths) {
  TSymbols s;
  for (auto l : lengths) s.push_back({l, 0});
  return s;
}

// A whole dynamic block: literal/length and distance lengths, then the
// body written by body(w, literalCodes, distanceCodes).
template <typename Body>
Bytes DynamicBlock(const std::vector<std::uint8_t>& lit, const std::vector<std::uint8_t>& dist, Body body) {
  TDeflateBits w;
  std::vector<std::uint8_t> all = lit;
  all.insert(all.end(), dist.begin(), dist.end());
  DynamicHeader(w, true, static_cast<unsigned>(lit.size() - 257), static_cast<unsigned>(dist.size() - 1), Plain(all));
  body(w, CanonicalCodes(lit), CanonicalCodes(dist));
  return w.Done();
}

// Literal lengths for 'a' (1 bit), end-of-block and length 3 (2 bits each).
std::vector<std::uint8_t> SmallLiterals(std::uint8_t a = 1, std::uint8_t eob = 2, std::uint8_t len3 = 2) {
  std::vector<std::uint8_t> l(258, 0);
  l['a'] = a;
  l[256] = eob;
  l[257] = len3;
  return l;
}

// ---- the table -------------------------------------------------------------

struct TCase {
  const char* name;
  Bytes stream;
  R result;
  std::string out;  // checked when result is Ok
};

std::vector<TCase> Cases() {
  std::vector<TCase> c;
  c.push_back({"empty input", {}, R::DataError, ""});
  c.push_back({"reserved block type 3", {0x07}, R::DataError, ""});
  c.push_back({"reserved type after a good block", {0x00, 0x00, 0x00, 0xFF, 0xFF, 0x07}, R::DataError, ""});
  c.push_back({"stored, empty, final", {0x01, 0x00, 0x00, 0xFF, 0xFF}, R::Ok, ""});
  c.push_back({"stored, two bytes", {0x01, 0x02, 0x00, 0xFD, 0xFF, 'h', 'i'}, R::Ok, "hi"});
  c.push_back({"stored length cut off", {0x01, 0x05}, R::DataError, ""});
  c.push_back({"stored data cut short", {0x01, 0x05, 0x00, 0xFA, 0xFF, 'a', 'b'}, R::DataError, ""});
  c.push_back({"stored NLEN is not checked", {0x01, 0x01, 0x00, 0x00, 0x00, 'x'}, R::Ok, "x"});
  c.push_back({"no final block", {0x00, 0x00, 0x00, 0xFF, 0xFF}, R::DataError, ""});
  c.push_back({"fixed, end of block only", {0x03, 0x00}, R::Ok, ""});
  c.push_back({"fixed literal from zlib", {0x4B, 0x04, 0x00}, R::Ok, "a"});
  c.push_back({"fixed, end of block lies in the padding", {0x4B, 0x04}, R::DataError, ""});
  c.push_back({"trailing bytes are ignored", {0x4B, 0x04, 0x00, 0xDE, 0xAD, 0xBE, 0xEF}, R::Ok, "a"});
  {
    TDeflateBits w;
    w.Bits(1, 1).Bits(1, 2);
    FixedLiteral(w, 286);
    c.push_back({"fixed length symbol 286", w.Done(), R::DataError, ""});
  }
  {
    TDeflateBits w;
    w.Bits(1, 1).Bits(1, 2);
    FixedLiteral(w, 'a');
    FixedLiteral(w, 257);
    FixedDistance(w, 30);
    c.push_back({"fixed distance symbol 30", w.Done(), R::DataError, ""});
  }
  {
    TDeflateBits w;
    w.Bits(1, 1).Bits(1, 2);
    FixedLiteral(w, 257);  // length 3 at the very start
    FixedDistance(w, 0);
    FixedLiteral(w, 256);
    c.push_back({"match before any output", w.Done(), R::DataError, ""});
  }
  {
    TDeflateBits w;
    w.Bits(1, 1).Bits(1, 2);
    FixedLiteral(w, 'a');
    FixedLiteral(w, 257);
    FixedDistance(w, 1);  // distance 2, one byte of output so far
    FixedLiteral(w, 256);
    c.push_back({"distance beyond the output", w.Done(), R::DataError, ""});
  }
  {
    TDeflateBits w;
    w.Bits(1, 1).Bits(1, 2);
    FixedLiteral(w, 'a');
    FixedLiteral(w, 285);  // length 258
    FixedDistance(w, 0);   // distance 1
    FixedLiteral(w, 256);
    c.push_back({"distance 1, length 258 repeats the byte", w.Done(), R::Ok, std::string(259, 'a')});
  }
  {
    TDeflateBits w;
    w.Bits(1, 1).Bits(1, 2);
    for (char ch : std::string("abcdefgh")) FixedLiteral(w, static_cast<unsigned char>(ch));
    FixedLiteral(w, 265);  // lengths 11-12: one extra bit
    w.Bits(1, 1);          // length 12
    FixedDistance(w, 5);   // distances 7-8: one extra bit
    w.Bits(1, 1);          // distance 8
    FixedLiteral(w, 256);
    c.push_back({"overlapping match, distance 8 length 12", w.Done(), R::Ok, "abcdefghabcdefghabcd"});
  }
  {
    TDeflateBits w;
    w.Bits(1, 1).Bits(1, 2);
    for (char ch : std::string("xyz")) FixedLiteral(w, static_cast<unsigned char>(ch));
    FixedLiteral(w, 260);  // length 6
    FixedDistance(w, 2);   // distance 3
    FixedLiteral(w, 256);
    c.push_back({"overlapping match, distance 3 length 6", w.Done(), R::Ok, "xyzxyzxyz"});
  }

  // Dynamic headers.
  {
    TDeflateBits w;
    DynamicHeader(w, true, 30, 0, {});
    c.push_back({"HLIT above 286", w.Done(), R::DataError, ""});
  }
  {
    TDeflateBits w;
    DynamicHeader(w, true, 0, 30, {});
    c.push_back({"HDIST above 30", w.Done(), R::DataError, ""});
  }
  {
    TDeflateBits w;
    DynamicHeader(w, true, 1, 0, {{16, 0}, {0, 0}});
    c.push_back({"repeat 16 as the first length", w.Done(), R::DataError, ""});
  }
  {
    TDeflateBits w;  // 258 + 1 lengths, two runs of 138 zeros
    DynamicHeader(w, true, 1, 0, {{18, 127}, {18, 127}});
    c.push_back({"zero run past the last length", w.Done(), R::DataError, ""});
  }
  {
    TDeflateBits w;  // 258 + 1 lengths: 257 ones, then 16 repeating three more
    TSymbols s(257, {1, 0});
    s.push_back({16, 0});
    DynamicHeader(w, true, 1, 0, s);
    c.push_back({"repeat 16 past the last length", w.Done(), R::DataError, ""});
  }
  {
    std::vector<std::uint8_t> cl = DefaultCodeLengthLengths();
    cl[18] = 0;  // one five-bit code missing: incomplete
    TDeflateBits w;
    DynamicHeader(w, true, 1, 0, Plain(std::vector<std::uint8_t>(259, 0)), cl);
    c.push_back({"incomplete code-length code", w.Done(), R::DataError, ""});
  }
  {
    std::vector<std::uint8_t> cl(19, 0);
    cl[0] = 1;  // a single one-bit code is allowed for literals and distances only
    TDeflateBits w;
    DynamicHeader(w, true, 1, 0, TSymbols(259, {0, 0}), cl);
    c.push_back({"single code in the code-length code", w.Done(), R::DataError, ""});
  }
  {
    std::vector<std::uint8_t> cl = DefaultCodeLengthLengths();
    cl[0] = 3;  // over-subscribed
    TDeflateBits w;
    DynamicHeader(w, true, 1, 0, {}, cl);
    c.push_back({"over-subscribed code-length code", w.Done(), R::DataError, ""});
  }
  const auto emptyBody = [](TDeflateBits& w, const auto& lit, const auto&) { w.Code(lit[256], 2); };
  c.push_back({"over-subscribed literal code", DynamicBlock(SmallLiterals(1, 1, 1), {1}, emptyBody), R::DataError, ""});
  c.push_back({"incomplete literal code", DynamicBlock(SmallLiterals(1, 2, 0), {1}, emptyBody), R::DataError, ""});
  c.push_back({"no end-of-block code", DynamicBlock(SmallLiterals(1, 0, 1), {1}, emptyBody), R::DataError, ""});
  c.push_back({"single one-bit distance code", DynamicBlock(SmallLiterals(), {1}, [](TDeflateBits& w, const auto& lit, const auto& dist) {
                 w.Code(lit['a'], 1).Code(lit[257], 2).Code(dist[0], 1).Code(lit[256], 2);
               }),
               R::Ok, "aaaa"});
  c.push_back({"no distance codes, literals only", DynamicBlock(SmallLiterals(), {0}, [](TDeflateBits& w, const auto& lit, const auto&) {
                 w.Code(lit['a'], 1).Code(lit['a'], 1).Code(lit[256], 2);
               }),
               R::Ok, "aa"});
  c.push_back({"match without distance codes", DynamicBlock(SmallLiterals(), {0}, [](TDeflateBits& w, const auto& lit, const auto&) {
                 w.Code(lit['a'], 1).Code(lit[257], 2).Bits(0, 8).Code(lit[256], 2);
               }),
               R::DataError, ""});
  c.push_back({"one-bit distance code's unused pattern", DynamicBlock(SmallLiterals(), {1}, [](TDeflateBits& w, const auto& lit, const auto&) {
                 w.Code(lit['a'], 1).Code(lit[257], 2).Code(1, 1).Code(lit[256], 2);
               }),
               R::DataError, ""});
  return c;
}

TEST(InflaterTable, MalformedAndEdgeStreams) {
  for (const TCase& c : Cases()) {
    const TOutcome o = Inflate(c.stream);
    EXPECT_EQ(o.result, c.result) << c.name;
    if (c.result == R::Ok && o.result == R::Ok) {
      EXPECT_EQ(std::string(o.out.begin(), o.out.end()), c.out) << c.name;
    }
  }
}

// ---- larger streams ----------------------------------------------------------

Bytes Pattern(std::size_t n, std::uint32_t seed) {
  Bytes b(n);
  for (std::size_t i = 0; i < n; ++i) {
    seed = seed * 1103515245u + 12345u;
    b[i] = static_cast<std::uint8_t>(seed >> 16);
  }
  return b;
}

Bytes StoredBlocks(const Bytes& data, std::size_t blockSize) {
  TDeflateBits w;
  for (std::size_t at = 0; at < data.size(); at += blockSize) {
    const std::size_t n = std::min(blockSize, data.size() - at);
    w.Bits(at + n == data.size() ? 1 : 0, 1).Bits(0, 2);
    w.Bytes({static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(~n),
             static_cast<std::uint8_t>(~n >> 8)});
    w.Bytes(Bytes(data.begin() + static_cast<std::ptrdiff_t>(at), data.begin() + static_cast<std::ptrdiff_t>(at + n)));
  }
  return w.Done();
}

TEST(InflaterWindow, StoredBlocksLongerThanTheInputBufferSpanFlushes) {
  for (std::size_t blockSize : {std::size_t{65535}, std::size_t{20000}, std::size_t{16385}, std::size_t{7}}) {
    const Bytes data = Pattern(200000 + blockSize, static_cast<std::uint32_t>(blockSize));
    const TOutcome o = Inflate(StoredBlocks(data, blockSize));
    ASSERT_EQ(o.result, R::Ok) << blockSize;
    EXPECT_EQ(o.out, data) << blockSize;
  }
}

TEST(InflaterWindow, MatchesReachBackAcrossFlushes) {
  // 70,000 literals, then a copy of bytes 32,768 back, repeated: every
  // match straddles the 64 KiB flush threshold at some point.
  const Bytes head = Pattern(70000, 7);
  TDeflateBits w;
  w.Bits(0, 1).Bits(0, 2);
  w.Bytes({0xFF, 0xFF, 0x00, 0x00});
  w.Bytes(Bytes(head.begin(), head.begin() + 65535));
  w.Bits(1, 1).Bits(1, 2);
  Bytes expect(head.begin(), head.begin() + 65535);
  for (int i = 0; i < 600; ++i) {
    FixedLiteral(w, 285);  // length 258
    FixedDistance(w, 29);  // distances 24577-32768: 13 extra bits
    w.Bits(8191, 13);      // distance 32768
    for (int k = 0; k < 258; ++k) expect.push_back(expect[expect.size() - 32768]);
  }
  FixedLiteral(w, 256);
  const TOutcome o = Inflate(w.Done());
  ASSERT_EQ(o.result, R::Ok);
  EXPECT_EQ(o.out, expect);
}

TEST(InflaterLimit, OutputBeyondTheLimitFailsBeforeItIsWritten) {
  // 1 MiB of zeros: one literal and runs of distance 1, length 258.
  TDeflateBits w;
  w.Bits(1, 1).Bits(1, 2);
  FixedLiteral(w, 0);
  std::size_t total = 1;
  while (total + 258 <= (1u << 20)) {
    FixedLiteral(w, 285);
    FixedDistance(w, 0);
    total += 258;
  }
  FixedLiteral(w, 256);
  const Bytes bomb = w.Done();

  EXPECT_EQ(Inflate(bomb, total).result, R::Ok);
  EXPECT_EQ(Inflate(bomb, total + 1).result, R::Ok);
  for (std::uint64_t limit : {total - 1, std::uint64_t{100000}, std::uint64_t{1000}, std::uint64_t{0}}) {
    const TOutcome o = Inflate(bomb, limit);
    EXPECT_EQ(o.result, R::OutputLimit) << limit;
    EXPECT_LE(o.out.size(), limit) << limit;
  }
}

TEST(InflaterSink, RefusedWriteIsReported) {
  struct TFullDisk : TSk2ByteSink {
    bool Write(const std::uint8_t*, std::size_t) override { return false; }
  } sink;
  const Bytes stream = {0x4B, 0x04, 0x00};
  TSk2MemorySource source(stream);
  EXPECT_EQ(Sk2Inflate(source, sink, 100), R::WriteError);
}

TEST(InflaterSource, ShortReadsGiveTheSameResult) {
  // A source that hands out a few bytes per read exercises the refill path
  // that keeps unread bytes and pads the end.
  struct TTrickle : TSk2ByteSource {
    const Bytes& data;
    std::size_t at = 0;
    explicit TTrickle(const Bytes& d) : data(d) {}
    std::size_t Read(std::uint8_t* b, std::size_t n) override {
      n = std::min({n, data.size() - at, std::size_t{3}});
      std::copy(data.begin() + static_cast<std::ptrdiff_t>(at), data.begin() + static_cast<std::ptrdiff_t>(at + n), b);
      at += n;
      return n;
    }
  };
  const Bytes data = Pattern(50000, 3);
  const Bytes stream = StoredBlocks(data, 999);
  TTrickle source(stream);
  TSk2MemorySink sink;
  ASSERT_EQ(Sk2Inflate(source, sink, 1u << 20), R::Ok);
  EXPECT_EQ(sink.Bytes(), data);
}

}  // namespace
