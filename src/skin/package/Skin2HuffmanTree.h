#pragma once
// Flat canonical-Huffman decoding table of the package inflater: one array
// of 2^M entries (M = the longest code), so that one lookup with the next M
// input bits gives the symbol, its code length and its count of extra bits.
#include <cstdint>
#include <vector>

class THuffmanTree {
 public:
  static constexpr std::uint32_t kInvalid = 0xFFFFFFFFu;
  static constexpr unsigned kNoLiterals = 65535;  // code-length table: no extra bits

  // LengthBound: the longest code length allowed (7 for the code-length
  // alphabet, 15 otherwise). AllowSingleCode: whether a set of one one-bit
  // code may stand (deflate allows it for literals and distances only).
  THuffmanTree(unsigned lengthBound, bool allowSingleCode)
      : bound_(lengthBound), allowSingleCode_(allowSingleCode) {}

  // Attributes
  unsigned MaxLength() const { return maxLength_; }
  std::uint32_t Mask() const { return (1u << maxLength_) - 1u; }
  const std::uint32_t* Table() const { return table_.data(); }

  // Entry layout: symbol in bits 0-15, code length in bits 16-23, extra
  // bits in 24-31. kInvalid marks bit patterns that are no code.
  static unsigned Symbol(std::uint32_t entry) { return entry & 0xFFFFu; }
  static unsigned CodeLength(std::uint32_t entry) { return (entry >> 16) & 0xFFu; }
  static unsigned ExtraBits(std::uint32_t entry) { return entry >> 24; }

  // Operations
  // Builds the table from count code lengths. Symbols at or above
  // literalCount carry extraBits[symbol - literalCount] (extraCount
  // entries; symbols past them carry none). Returns false for a length
  // above the bound, an over-subscribed set, or an incomplete set other
  // than a single one-bit code where that is allowed.
  bool Build(const std::uint8_t* lengths, unsigned count, unsigned literalCount,
             const std::uint8_t* extraBits, unsigned extraCount);

 private:
  unsigned bound_;
  bool allowSingleCode_;
  unsigned maxLength_ = 0;
  std::vector<std::uint32_t> table_;
};

// The two fixed tables (literal/length and distance), built once on first
// use and shared read-only afterwards.
struct TSk2FixedTables {
  THuffmanTree literals{15, true};
  THuffmanTree distances{15, true};
};
const TSk2FixedTables& Sk2FixedTables();

// Base values and extra-bit counts of lengths (symbols 257-285) and
// distances (symbols 0-29).
extern const std::uint16_t kSk2LengthBase[29];
extern const std::uint8_t kSk2LengthExtra[29];
extern const std::uint16_t kSk2DistanceBase[30];
extern const std::uint8_t kSk2DistanceExtra[30];
