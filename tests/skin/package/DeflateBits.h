#pragma once
// Hand-made raw deflate streams for the inflater tests: a bit writer that
// packs fields least significant bit first and Huffman codes most
// significant bit first, and canonical code assignment from code lengths.
#include <cstdint>
#include <vector>

class TDeflateBits {
 public:
  // A field of count bits, least significant bit first.
  TDeflateBits& Bits(std::uint32_t value, unsigned count) {
    for (unsigned i = 0; i < count; ++i) Bit((value >> i) & 1u);
    return *this;
  }
  // A Huffman code of length bits, most significant bit first.
  TDeflateBits& Code(std::uint32_t code, unsigned length) {
    for (unsigned i = length; i-- > 0;) Bit((code >> i) & 1u);
    return *this;
  }
  // Pads to the byte boundary and appends raw bytes.
  TDeflateBits& Bytes(const std::vector<std::uint8_t>& bytes) {
    used_ = 0;
    out_.insert(out_.end(), bytes.begin(), bytes.end());
    return *this;
  }
  std::vector<std::uint8_t> Done() const { return out_; }

 private:
  void Bit(unsigned b) {
    if (used_ == 0) out_.push_back(0);
    out_.back() = static_cast<std::uint8_t>(out_.back() | (b << used_));
    used_ = (used_ + 1) % 8;
  }
  std::vector<std::uint8_t> out_;
  unsigned used_ = 0;
};

// Canonical codes (RFC 1951, 3.2.2) for the given lengths.
inline std::vector<std::uint32_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths) {
  unsigned count[16] = {};
  for (auto l : lengths) ++count[l];
  count[0] = 0;
  std::uint32_t next[16] = {}, code = 0;
  for (unsigned bits = 1; bits < 16; ++bits) {
    code = (code + count[bits - 1]) << 1;
    next[bits] = code;
  }
  std::vector<std::uint32_t> codes(lengths.size());
  for (std::size_t i = 0; i < lengths.size(); ++i)
    if (lengths[i] != 0) codes[i] = next[lengths[i]]++;
  return codes;
}

// Fixed-code helpers.
inline void FixedLiteral(TDeflateBits& w, unsigned symbol) {
  if (symbol < 144) w.Code(0x30 + symbol, 8);
  else if (symbol < 256) w.Code(0x190 + symbol - 144, 9);
  else if (symbol < 280) w.Code(symbol - 256, 7);
  else w.Code(0xC0 + symbol - 280, 8);
}
inline void FixedDistance(TDeflateBits& w, unsigned symbol) { w.Code(symbol, 5); }
