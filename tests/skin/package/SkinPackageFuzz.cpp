// Fuzzes package extraction and skin data parsing through
// Tsk2SkinFileReader. The first byte picks what the rest is:
//   0: a whole package file;
//   1: a skin data file, packed into a valid package;
//   2: a raw deflate stream, put into a package as the member's data, and
//      also inflated in memory and compared with zlib.
// Every load must end in a reader or one of the two failure texts, and no
// temporary file may be left behind.
#include <unistd.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "PackageWriter.h"
#include "Skin2Inflater.h"
#include "Skin2SkinReader.h"

namespace {

std::filesystem::path gDir;
constexpr std::uint32_t kLimit = 1u << 20;

void CheckAgainstZlib(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> expect(kLimit + 1);
  z_stream z{};
  if (inflateInit2(&z, -15) != Z_OK) return;
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = static_cast<uInt>(size);
  z.next_out = expect.data();
  z.avail_out = static_cast<uInt>(expect.size());
  const int rc = inflate(&z, Z_NO_FLUSH);
  const std::size_t produced = z.total_out;
  inflateEnd(&z);

  TSk2MemorySource source({data, size});
  TSk2MemorySink sink;
  const TSk2InflateResult ours = Sk2Inflate(source, sink, kLimit);
  if (rc == Z_STREAM_END && produced <= kLimit) {
    // Whatever zlib decodes completely, this inflater decodes to the same bytes.
    if (ours != TSk2InflateResult::Ok) std::abort();
    if (sink.Bytes().size() != produced) std::abort();
    if (produced != 0 && std::memcmp(sink.Bytes().data(), expect.data(), produced) != 0) std::abort();
  }
  if (ours == TSk2InflateResult::Ok && sink.Bytes().size() > kLimit) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  gDir = std::filesystem::temp_directory_path() / ("fuzz-skin-package-" + std::to_string(getpid()));
  std::filesystem::create_directories(gDir);
  setenv("TMPDIR", gDir.c_str(), 1);  // the reader's temporary files go here
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(gDir, ec);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int mode = data[0] % 3;
  const std::string password = (data[0] & 4) ? "pw" : "";
  const std::vector<std::uint8_t> body(data + 1, data + size);

  std::vector<std::uint8_t> package;
  if (mode == 0) {
    package = body;
  } else if (mode == 1) {
    package = BuildPackage({TPackageMember::FromPlain("SKINDATA.SK2", body, 1, password, 1)});
  } else {
    CheckAgainstZlib(body.data(), body.size());
    TPackageMember m;
    m.name = "SKINDATA.SK2";
    m.stored = body;
    m.uncompressedSize = (data[0] & 8) ? kLimit : static_cast<std::uint32_t>(size * 4);
    package = BuildPackage({m});
  }

  const std::filesystem::path file = gDir / "input.qsk";
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(package.data()), static_cast<std::streamsize>(package.size()));
  }
  try {
    Tsk2SkinFileReader reader(file, password);
    std::uint32_t sum = 0;
    for (const auto& [name, bitmap] : reader.Bitmaps())
      for (int y = 0; y < bitmap->Height(); y += 7) sum += bitmap->Pixel(bitmap->Width() - 1, y);
    sum += static_cast<std::uint32_t>(reader.GetInteger("SKIN2_FORMCOLOR")) + reader.GetBoolean("SKIN2_BUTTONTRANS");
    reader.SetTransparentColor(sum);
  } catch (const std::runtime_error& e) {
    if (std::strcmp(e.what(), Tsk2SkinFileReader::kReadFailed) != 0 &&
        std::strcmp(e.what(), Tsk2SkinFileReader::kWrongPassword) != 0)
      std::abort();
  }
  for (const auto& entry : std::filesystem::directory_iterator(gDir))
    if (entry.path().filename() != "input.qsk") std::abort();  // leftover temporary file
  return 0;
}
