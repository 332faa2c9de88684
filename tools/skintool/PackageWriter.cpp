#include "PackageWriter.h"

#include <zlib.h>

#include <random>
#include <stdexcept>

#include "Skin2ZipCrypto.h"

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFFu);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> DeflateRaw(const std::vector<std::uint8_t>& data, int level) {
  z_stream z{};
  if (deflateInit2(&z, level, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("deflateInit2 failed");
  std::vector<std::uint8_t> out(deflateBound(&z, static_cast<uLong>(data.size())) + 16);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const int rc = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (rc != Z_STREAM_END) throw std::runtime_error("deflate failed");
  return out;
}

TPackageMember TPackageMember::FromPlain(std::string name, const std::vector<std::uint8_t>& plain, int level,
                                         const std::string& password, std::uint32_t headerSeed) {
  TPackageMember m;
  m.name = std::move(name);
  m.crc = Sk2Crc32(0, plain.data(), plain.size());
  m.uncompressedSize = static_cast<std::uint32_t>(plain.size());
  m.stored = DeflateRaw(plain, level);
  if (!password.empty()) {
    m.flags |= 1u;
    std::vector<std::uint8_t> header(TSk2ZipKeys::kHeaderSize);
    std::mt19937 random(headerSeed != 0 ? headerSeed : std::random_device{}());
    for (auto& b : header) b = static_cast<std::uint8_t>(random());
    header.back() = static_cast<std::uint8_t>(m.crc >> 24);
    TSk2ZipKeys keys(password);
    keys.Encrypt(header.data(), header.size());
    keys.Encrypt(m.stored.data(), m.stored.size());
    m.stored.insert(m.stored.begin(), header.begin(), header.end());
  }
  return m;
}

std::vector<std::uint8_t> BuildPackage(const std::vector<TPackageMember>& members, const TPackageOptions& options) {
  std::vector<std::uint8_t> out;
  std::vector<std::uint32_t> offsets;
  for (const TPackageMember& m : members) {
    offsets.push_back(static_cast<std::uint32_t>(out.size()));
    out.push_back(options.pkSignature ? 'P' : 'S');
    out.push_back('K');
    out.push_back(3);
    out.push_back(4);
    Put16(out, 20);
    Put16(out, m.flags);
    Put16(out, m.method);
    Put16(out, m.modTime);
    Put16(out, m.modDate);
    Put32(out, m.crc);
    Put32(out, static_cast<std::uint32_t>(m.stored.size()));
    Put32(out, m.uncompressedSize);
    Put16(out, static_cast<std::uint32_t>(m.name.size()));
    Put16(out, 0);
    out.insert(out.end(), m.name.begin(), m.name.end());
    out.insert(out.end(), m.stored.begin(), m.stored.end());
  }
  const auto directoryStart = static_cast<std::uint32_t>(out.size());
  for (std::size_t i = 0; i < members.size(); ++i) {
    const TPackageMember& m = members[i];
    Put32(out, 0x02014B50u);
    Put16(out, 20);
    Put16(out, 20);
    Put16(out, m.flags);
    Put16(out, m.method);
    Put16(out, m.modTime);
    Put16(out, m.modDate);
    Put32(out, m.crc);
    Put32(out, static_cast<std::uint32_t>(m.stored.size()));
    Put32(out, m.uncompressedSize);
    Put16(out, static_cast<std::uint32_t>(m.name.size()));
    Put16(out, 0);  // extra
    Put16(out, 0);  // comment
    Put16(out, 0);  // disk
    Put16(out, 0);  // internal attributes
    Put32(out, 0x20);  // external attributes: archive
    Put32(out, offsets[i]);
    out.insert(out.end(), m.name.begin(), m.name.end());
  }
  const auto directorySize = static_cast<std::uint32_t>(out.size() - directoryStart);
  Put32(out, 0x06054B50u);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<std::uint32_t>(members.size()));
  Put16(out, static_cast<std::uint32_t>(members.size()));
  Put32(out, directorySize);
  Put32(out, directoryStart);
  Put16(out, static_cast<std::uint32_t>(options.comment.size()));
  out.insert(out.end(), options.comment.begin(), options.comment.end());
  return out;
}
