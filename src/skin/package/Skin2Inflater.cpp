#include "Skin2Inflater.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <exception>

namespace {

// Slack after the window so that match copies in 8- and 16-byte steps may
// run a little past the match end without leaving the buffer.
constexpr std::size_t kCopySlack = 16;

inline std::uint32_t Load32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  if constexpr (std::endian::native == std::endian::big) v = Sk2Le32(p);
  return v;
}

// Copies a match of length bytes from distance bytes back to out. The
// copy may write up to 15 bytes past the match end (the window has that
// slack); those bytes are overwritten by later output. Overlapping matches
// repeat their pattern as if copied byte by byte.
inline void CopyMatch(std::uint8_t* out, std::size_t distance, unsigned length) {
  const std::uint8_t* from = out - distance;
  if (distance >= 16) {
    // Every 16-byte step reads bytes written at least 16 bytes earlier.
    for (unsigned i = 0; i < length; i += 16) std::memcpy(out + i, from + i, 16);
  } else if (distance >= 8) {
    for (unsigned i = 0; i < length; i += 8) std::memcpy(out + i, from + i, 8);
  } else if (distance == 1) {
    std::memset(out, *from, length);
  } else {
    // A short period: lay down the first period-multiple of at least 8
    // bytes one by one, then copy 8 bytes at a time from that far back,
    // which holds the same bytes.
    const unsigned period = static_cast<unsigned>(distance) * ((8 + static_cast<unsigned>(distance) - 1) / static_cast<unsigned>(distance));
    const unsigned head = length < period ? length : period;
    for (unsigned i = 0; i < head; ++i) out[i] = from[i];
    for (unsigned i = head; i < length; i += 8) std::memcpy(out + i, out + i - period, 8);
  }
}

inline std::uint32_t LowBits(std::uint32_t value, unsigned count) {
  return value & ((1u << count) - 1u);
}

// Order in which the code lengths of the code-length alphabet are stored.
constexpr std::uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

}  // namespace

TSk2Inflater::TSk2Inflater(TSk2ByteSource& source, TSk2ByteSink& sink, std::uint64_t outputLimit)
    : source_(source),
      sink_(sink),
      outputLimit_(outputLimit),
      input_(new std::uint8_t[kInputSize + 4]),
      window_(new std::uint8_t[kWindowSize + kCopySlack]()) {}

TSk2Inflater::~TSk2Inflater() = default;

// ---- input -----------------------------------------------------------------

void TSk2Inflater::Refill() {
  const std::size_t unread = inEnd_ - inPos_;
  std::memmove(input_.get(), input_.get() + inPos_, unread);
  inputBase_ += inPos_;
  inPos_ = 0;
  inEnd_ = unread;
  while (!inputEnded_ && inEnd_ < kInputSize) {
    const std::size_t got = source_.Read(input_.get() + inEnd_, kInputSize - inEnd_);
    if (got == 0) {
      inputEnded_ = true;
      inputRealEnd_ = inputBase_ + inEnd_;
    }
    inEnd_ += got;
  }
  // After the end of the data, pad with zeros to whole 32-bit words so that
  // word reads stay inside the buffer.
  if (inputEnded_)
    while (inEnd_ % 4 != 0) input_[inEnd_++] = 0;
}

std::uint32_t TSk2Inflater::NextWordForPeek() {
  if (inEnd_ - inPos_ < 4) Refill();
  return inEnd_ - inPos_ >= 4 ? Load32(input_.get() + inPos_) : 0;
}

std::uint32_t TSk2Inflater::NextWord() {
  if (inEnd_ - inPos_ < 4) {
    Refill();
    if (inEnd_ - inPos_ < 4) Fail(TSk2InflateResult::DataError);  // past the end of the data
  }
  const std::uint32_t word = Load32(input_.get() + inPos_);
  inPos_ += 4;
  return word;
}

std::uint32_t TSk2Inflater::Peek(unsigned count) {
  if (bitCount_ >= count) return bits_;
  return bits_ | (NextWordForPeek() << bitCount_);
}

void TSk2Inflater::Drop(unsigned count) {
  if (count <= bitCount_) {
    bits_ = static_cast<std::uint32_t>(static_cast<std::uint64_t>(bits_) >> count);
    bitCount_ -= count;
    return;
  }
  const std::uint32_t word = NextWord();
  count -= bitCount_;
  bits_ = word >> count;
  bitCount_ = 32 - count;
}

std::uint32_t TSk2Inflater::Take(unsigned count) {
  const std::uint32_t value = LowBits(Peek(count), count);
  Drop(count);
  return value;
}

// ---- output ----------------------------------------------------------------

void TSk2Inflater::WriteOut(std::size_t size) {
  if (flushed_ + windowPos_ > outputLimit_) Fail(TSk2InflateResult::OutputLimit);
  if (size != 0 && !sink_.Write(window_.get(), size)) Fail(TSk2InflateResult::WriteError);
}

void TSk2Inflater::Flush() {
  WriteOut(kFlushSize);
  std::memmove(window_.get(), window_.get() + kFlushSize, windowPos_ - kFlushSize);
  windowPos_ -= kFlushSize;
  flushed_ += kFlushSize;
}

// ---- blocks ----------------------------------------------------------------

void TSk2Inflater::StoredBlock() {
  Drop(bitCount_ % 8);
  std::uint32_t length = Take(16);
  Take(16);  // NLEN, not checked

  // Whole bytes still in the bit buffer come first.
  while (length != 0 && bitCount_ >= 8) {
    window_[windowPos_++] = static_cast<std::uint8_t>(Take(8));
    --length;
    FlushIfFull();
  }
  // The buffer is empty here unless the block is done: forget the bits it
  // may hold from the next word, which the byte copy below consumes.
  if (bitCount_ == 0) bits_ = 0;
  while (length != 0) {
    std::size_t available = inEnd_ - inPos_;
    if (inputEnded_) available = std::min<std::uint64_t>(available, inputRealEnd_ - std::min(inputRealEnd_, inputBase_ + inPos_));
    if (available == 0) {
      Refill();
      available = inEnd_ - inPos_;
      if (inputEnded_) available = std::min<std::uint64_t>(available, inputRealEnd_ - std::min(inputRealEnd_, inputBase_ + inPos_));
      if (available == 0) Fail(TSk2InflateResult::DataError);
    }
    const std::size_t n = std::min<std::size_t>({length, available, kFlushAt - windowPos_});
    std::memcpy(window_.get() + windowPos_, input_.get() + inPos_, n);
    inPos_ += n;
    windowPos_ += n;
    length -= static_cast<std::uint32_t>(n);
    FlushIfFull();
  }
}

void TSk2Inflater::DynamicTables() {
  const unsigned literalCount = Take(5) + 257;
  const unsigned distanceCount = Take(5) + 1;
  const unsigned codeLengthCount = Take(4) + 4;
  if (literalCount > 286 || distanceCount > 30) Fail(TSk2InflateResult::DataError);

  std::uint8_t codeLengthLengths[19] = {};
  for (unsigned i = 0; i < codeLengthCount; ++i)
    codeLengthLengths[kCodeLengthOrder[i]] = static_cast<std::uint8_t>(Take(3));
  if (!codeLengths_.Build(codeLengthLengths, 19, THuffmanTree::kNoLiterals, nullptr, 0))
    Fail(TSk2InflateResult::DataError);

  std::uint8_t lengths[318] = {};
  const unsigned total = literalCount + distanceCount;
  const std::uint32_t* table = codeLengths_.Table();
  const std::uint32_t mask = codeLengths_.Mask();
  for (unsigned n = 0; n < total;) {
    const std::uint32_t entry = table[Peek(codeLengths_.MaxLength()) & mask];
    if (entry == THuffmanTree::kInvalid) Fail(TSk2InflateResult::DataError);
    Drop(THuffmanTree::CodeLength(entry));
    const unsigned symbol = THuffmanTree::Symbol(entry);
    if (symbol < 16) {
      lengths[n++] = static_cast<std::uint8_t>(symbol);
      continue;
    }
    unsigned repeat;
    std::uint8_t value = 0;
    if (symbol == 16) {
      if (n == 0) Fail(TSk2InflateResult::DataError);  // nothing to repeat
      value = lengths[n - 1];
      repeat = 3 + Take(2);
    } else if (symbol == 17) {
      repeat = 3 + Take(3);
    } else {
      repeat = 11 + Take(7);
    }
    if (repeat > total - n) Fail(TSk2InflateResult::DataError);
    std::fill(lengths + n, lengths + n + repeat, value);
    n += repeat;
  }
  if (lengths[256] == 0) Fail(TSk2InflateResult::DataError);  // no end-of-block code
  if (!literals_.Build(lengths, literalCount, 257, kSk2LengthExtra, 29) ||
      !distances_.Build(lengths + literalCount, distanceCount, 0, kSk2DistanceExtra, 30))
    Fail(TSk2InflateResult::DataError);
}

namespace {

// The decoder's bit state while a block is decoded, kept in locals. Above
// its count valid bits the buffer may already hold low bits of the next
// unread word; they are the same bits a peek combines in, so keeping them
// is harmless and spares masking.
struct TBitCursor {
  const std::uint8_t* in;
  std::size_t pos;
  std::uint32_t bits;
  unsigned count;

  // The buffer combined with the next word: count + 32 valid bits. Needs 4
  // readable bytes at pos.
  std::uint64_t Peek() const { return bits | (static_cast<std::uint64_t>(Load32(in + pos)) << count); }
  // Drops n bits (n <= count + 32) from a value returned by Peek, taking
  // in the next word when the buffer runs out.
  void Drop(std::uint64_t peeked, unsigned n) {
    const bool next = n > count;
    bits = static_cast<std::uint32_t>(peeked >> n);
    count = count + (next ? 32u : 0u) - n;
    pos += next ? 4 : 0;
  }
};

}  // namespace

void TSk2Inflater::CodedBlock(const THuffmanTree& literals, const THuffmanTree& distances) {
  const std::uint32_t* const litTable = literals.Table();
  const std::uint32_t litMask = literals.Mask();
  const std::uint32_t* const distTable = distances.Table();
  const std::uint32_t distMask = distances.Mask();
  std::uint8_t* const window = window_.get();

  // A symbol with its extra bits and a distance with its extra bits take
  // at most 20 + 28 bits, so with 8 input bytes ahead and the window below
  // the flush threshold one whole symbol decodes without further checks.
  // Near the end of the input the checked primitives take over.
  constexpr std::size_t kFastInput = 8;
  TBitCursor c{input_.get(), inPos_, bits_, bitCount_};
  std::size_t inEnd = inEnd_;
  std::size_t pos = windowPos_;
  const auto sync = [&] {
    inPos_ = c.pos;
    bits_ = c.bits;
    bitCount_ = c.count;
    windowPos_ = pos;
  };
  const auto load = [&] {
    c.in = input_.get();
    c.pos = inPos_;
    c.bits = bits_;
    c.count = bitCount_;
    inEnd = inEnd_;
    pos = windowPos_;
  };

  for (;;) {
    if (inEnd - c.pos < kFastInput) {
      sync();
      Refill();
      load();
      if (inEnd - c.pos < kFastInput) {
        // Checked path: one symbol through the member primitives.
        std::uint32_t peeked = Peek(literals.MaxLength() + 5);
        std::uint32_t entry = litTable[peeked & litMask];
        unsigned symbol = entry & 0xFFFFu, length = (entry >> 16) & 0xFFu;
        if (symbol < 256) {
          window_[windowPos_++] = static_cast<std::uint8_t>(symbol);
          Drop(length);
          FlushIfFull();
          load();
          continue;
        }
        if (symbol == 256) {
          Drop(length);
          return;
        }
        if (entry == THuffmanTree::kInvalid || symbol > 285) Fail(TSk2InflateResult::DataError);
        unsigned extra = entry >> 24;
        const unsigned matchLength = kSk2LengthBase[symbol - 257] + LowBits(peeked >> length, extra);
        Drop(length + extra);
        peeked = Peek(distances.MaxLength() + 14);
        entry = distTable[peeked & distMask];
        symbol = entry & 0xFFFFu;
        if (entry == THuffmanTree::kInvalid || symbol > 29) Fail(TSk2InflateResult::DataError);
        length = (entry >> 16) & 0xFFu;
        extra = entry >> 24;
        const std::size_t distance = kSk2DistanceBase[symbol] + LowBits(peeked >> length, extra);
        Drop(length + extra);
        if (distance > windowPos_) Fail(TSk2InflateResult::DataError);
        for (unsigned i = 0; i < matchLength; ++i) window_[windowPos_ + i] = window_[windowPos_ + i - distance];
        windowPos_ += matchLength;
        FlushIfFull();
        load();
        continue;
      }
    }

    std::uint64_t peeked = c.Peek();
    std::uint32_t entry = litTable[peeked & litMask];
    unsigned symbol = entry & 0xFFFFu;
    unsigned length = (entry >> 16) & 0xFFu;
    if (symbol < 256) {
      window[pos++] = static_cast<std::uint8_t>(symbol);
      c.Drop(peeked, length);
      if (pos >= kFlushAt) {
        sync();
        Flush();
        load();
      }
      continue;
    }
    if (symbol == 256) {
      c.Drop(peeked, length);
      break;
    }
    if (entry == THuffmanTree::kInvalid || symbol > 285) Fail(TSk2InflateResult::DataError);
    unsigned extra = entry >> 24;
    const unsigned matchLength = kSk2LengthBase[symbol - 257] + LowBits(static_cast<std::uint32_t>(peeked >> length), extra);
    c.Drop(peeked, length + extra);

    peeked = c.Peek();
    entry = distTable[peeked & distMask];
    symbol = entry & 0xFFFFu;
    if (entry == THuffmanTree::kInvalid || symbol > 29) Fail(TSk2InflateResult::DataError);
    length = (entry >> 16) & 0xFFu;
    extra = entry >> 24;
    const std::size_t distance = kSk2DistanceBase[symbol] + LowBits(static_cast<std::uint32_t>(peeked >> length), extra);
    c.Drop(peeked, length + extra);
    if (distance > pos) Fail(TSk2InflateResult::DataError);  // before the start of the output

    CopyMatch(window + pos, distance, matchLength);
    pos += matchLength;
    if (pos >= kFlushAt) {
      sync();
      Flush();
      load();
    }
  }
  sync();
}

TSk2InflateResult TSk2Inflater::Run() {
  try {
    bool last = false;
    while (!last) {
      last = Take(1) != 0;
      switch (Take(2)) {
        case 0:
          StoredBlock();
          break;
        case 1:
          CodedBlock(Sk2FixedTables().literals, Sk2FixedTables().distances);
          break;
        case 2:
          DynamicTables();
          CodedBlock(literals_, distances_);
          break;
        default:
          Fail(TSk2InflateResult::DataError);  // reserved block type
      }
    }
    // The zero padding after the data may be peeked at but not used.
    if (inputEnded_ && (inputBase_ + inPos_) * 8 - bitCount_ > inputRealEnd_ * 8)
      Fail(TSk2InflateResult::DataError);
    WriteOut(windowPos_);
    return TSk2InflateResult::Ok;
  } catch (const Failure& failure) {
    return failure.result;
  } catch (const std::exception&) {
    return TSk2InflateResult::ReadError;
  }
}

TSk2InflateResult Sk2Inflate(TSk2ByteSource& source, TSk2ByteSink& sink, std::uint64_t outputLimit) {
  TSk2Inflater inflater(source, sink, outputLimit);
  return inflater.Run();
}
