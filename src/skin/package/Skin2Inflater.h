#pragma once
// Raw deflate decoder (RFC 1951) of the package reader. Input arrives in
// 16 KiB reads and is consumed 32 bits at a time; output goes through a
// 64 KiB (+258) window that is written out in 32 KiB blocks.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "Skin2ByteStream.h"
#include "Skin2HuffmanTree.h"

enum class TSk2InflateResult {
  Ok,
  DataError,      // malformed or truncated stream
  OutputLimit,    // the stream would produce more than the allowed output
  WriteError,     // the sink refused bytes
  ReadError,      // the source failed
};

class TSk2Inflater {
 public:
  static constexpr std::size_t kInputSize = 16 * 1024;
  static constexpr std::size_t kWindowSize = 65536 + 258;
  static constexpr std::size_t kFlushAt = 65536;
  static constexpr std::size_t kFlushSize = 32768;

  // OutputLimit caps the decoded size: a stream that decodes to more fails
  // with OutputLimit before more than that reaches the sink.
  TSk2Inflater(TSk2ByteSource& source, TSk2ByteSink& sink, std::uint64_t outputLimit);
  ~TSk2Inflater();
  TSk2Inflater(const TSk2Inflater&) = delete;
  TSk2Inflater& operator=(const TSk2Inflater&) = delete;

  // Decodes blocks until the final one. Call once.
  TSk2InflateResult Run();

  // Attributes: valid after Run.
  std::uint64_t TotalOut() const { return flushed_ + windowPos_; }

 private:
  struct Failure {
    TSk2InflateResult result;
  };

  // Input and bits
  void Refill();
  std::uint32_t NextWordForPeek();
  std::uint32_t NextWord();
  std::uint32_t Peek(unsigned count);
  void Drop(unsigned count);
  std::uint32_t Take(unsigned count);

  // Output
  void Flush();
  void FlushIfFull() {
    if (windowPos_ >= kFlushAt) Flush();
  }
  void WriteOut(std::size_t size);

  // Blocks
  void StoredBlock();
  void DynamicTables();
  void CodedBlock(const THuffmanTree& literals, const THuffmanTree& distances);
  [[noreturn]] static void Fail(TSk2InflateResult result) { throw Failure{result}; }

  TSk2ByteSource& source_;
  TSk2ByteSink& sink_;
  std::uint64_t outputLimit_;

  std::unique_ptr<std::uint8_t[]> input_;  // kInputSize + 4 bytes of zero padding room
  std::size_t inPos_ = 0;
  std::size_t inEnd_ = 0;
  bool inputEnded_ = false;
  std::uint64_t inputBase_ = 0;      // stream offset of input_[0]
  std::uint64_t inputRealEnd_ = 0;   // stream length, once the source has ended

  std::uint32_t bits_ = 0;
  unsigned bitCount_ = 0;

  std::unique_ptr<std::uint8_t[]> window_;
  std::size_t windowPos_ = 0;
  std::uint64_t flushed_ = 0;

  THuffmanTree codeLengths_{7, false};
  THuffmanTree literals_{15, true};
  THuffmanTree distances_{15, true};
};

// Inflates the whole source into the sink; convenience for tools and tests.
TSk2InflateResult Sk2Inflate(TSk2ByteSource& source, TSk2ByteSink& sink, std::uint64_t outputLimit);
