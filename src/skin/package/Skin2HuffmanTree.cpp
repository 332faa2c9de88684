#include "Skin2HuffmanTree.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

constexpr std::array<std::uint8_t, 256> MakeByteReverse() {
  std::array<std::uint8_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    unsigned r = 0;
    for (unsigned b = 0; b < 8; ++b)
      if (i & (1u << b)) r |= 0x80u >> b;
    table[i] = static_cast<std::uint8_t>(r);
  }
  return table;
}
constexpr std::array<std::uint8_t, 256> kReverse = MakeByteReverse();

// Reverses the low length bits of code.
unsigned ReverseCode(unsigned code, unsigned length) {
  const unsigned r = (static_cast<unsigned>(kReverse[code & 0xFF]) << 8) | kReverse[(code >> 8) & 0xFF];
  return r >> (16 - length);
}

}  // namespace

const std::uint16_t kSk2LengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                          31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const std::uint8_t kSk2LengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                          2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const std::uint16_t kSk2DistanceBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                            33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                            1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const std::uint8_t kSk2DistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

bool THuffmanTree::Build(const std::uint8_t* lengths, unsigned count, unsigned literalCount,
                         const std::uint8_t* extraBits, unsigned extraCount) {
  unsigned lengthCount[16] = {};
  unsigned maxLength = 0;
  for (unsigned i = 0; i < count; ++i) {
    const unsigned len = lengths[i];
    if (len > bound_ || len > 15) return false;
    ++lengthCount[len];
    maxLength = std::max(maxLength, len);
  }
  lengthCount[0] = 0;

  // Canonical first codes; "left" counts the unused codes of each length.
  unsigned nextCode[16] = {};
  int left = 1;
  unsigned code = 0;
  for (unsigned len = 1; len <= 15; ++len) {
    left = left * 2 - static_cast<int>(lengthCount[len]);
    if (left < 0) return false;  // over-subscribed
    code = (code + lengthCount[len - 1]) << 1;
    nextCode[len] = code;
  }
  if (left > 0 && maxLength != 0 && !(allowSingleCode_ && maxLength == 1 && lengthCount[1] == 1))
    return false;

  maxLength_ = maxLength;
  table_.resize(std::size_t{1} << maxLength);

  // Codes grouped by length, in symbol order (canonical order).
  unsigned firstOfLength[17] = {};
  for (unsigned len = 1; len <= 15; ++len) firstOfLength[len + 1] = firstOfLength[len] + lengthCount[len];
  std::uint16_t sorted[288 + 32] = {};
  if (count > sizeof sorted / sizeof sorted[0]) return false;
  unsigned fill[17];
  std::copy(std::begin(firstOfLength), std::end(firstOfLength), fill);
  for (unsigned symbol = 0; symbol < count; ++symbol)
    if (lengths[symbol] != 0) sorted[fill[lengths[symbol]]++] = static_cast<std::uint16_t>(symbol);

  // Built by doubling: a table for the codes of up to len bits repeats
  // every 2^len entries, so each step copies the table so far after itself
  // and then places the codes of the next length once each. This writes
  // the 2^M entries in sequence instead of striding through the table.
  table_[0] = kInvalid;
  std::size_t size = 1;
  for (unsigned len = 1; len <= maxLength; ++len) {
    std::copy(table_.begin(), table_.begin() + static_cast<std::ptrdiff_t>(size),
              table_.begin() + static_cast<std::ptrdiff_t>(size));
    size *= 2;
    for (unsigned i = firstOfLength[len]; i < firstOfLength[len + 1]; ++i) {
      const unsigned symbol = sorted[i];
      std::uint32_t entry = symbol | (len << 16);
      if (symbol >= literalCount && symbol - literalCount < extraCount)
        entry |= static_cast<std::uint32_t>(extraBits[symbol - literalCount]) << 24;
      table_[ReverseCode(nextCode[len]++, len)] = entry;
    }
  }
  return true;
}

const TSk2FixedTables& Sk2FixedTables() {
  static const TSk2FixedTables tables = [] {
    TSk2FixedTables t;
    std::uint8_t lengths[288];
    std::fill(lengths, lengths + 144, 8);
    std::fill(lengths + 144, lengths + 256, 9);
    std::fill(lengths + 256, lengths + 280, 7);
    std::fill(lengths + 280, lengths + 288, 8);
    t.literals.Build(lengths, 288, 257, kSk2LengthExtra, 29);
    std::fill(lengths, lengths + 32, 5);
    t.distances.Build(lengths, 32, 0, kSk2DistanceExtra, 30);
    return t;
  }();
  return tables;
}
