// How long loading a skin takes from package bytes to ready resources,
// against reading the package file and inflating its member with zlib in
// the same run. Prints medians and ratios; not a test.
//   skin_load_timing <package.qsk> [rounds]
#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "QELSkinRes.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

TBytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return TBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const TBytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::uint32_t Le32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24); }
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

// Inflates the first member of a package (raw deflate after the local
// header) with zlib; returns the inflated size.
std::size_t InflateFirstMember(const TBytes& package, TBytes& out) {
  if (package.size() < 30) throw std::runtime_error("short package");
  const std::uint32_t compressed = Le32(&package[18]);
  const std::uint32_t plain = Le32(&package[22]);
  const std::size_t data = 30u + Le16(&package[26]) + Le16(&package[28]);
  out.resize(plain);
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw std::runtime_error("inflateInit2");
  z.next_in = const_cast<Bytef*>(package.data() + data);
  z.avail_in = compressed;
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const int rc = inflate(&z, Z_FINISH);
  inflateEnd(&z);
  if (rc != Z_STREAM_END) throw std::runtime_error("inflate");
  return z.total_out;
}

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Median milliseconds of rounds runs of work, after two warm-up runs.
double Median(int rounds, const std::function<void()>& work) {
  work();
  work();
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const double start = Now();
    work();
    times.push_back(Now() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: skin_load_timing <package.qsk> [rounds]\n");
    return 2;
  }
  const std::filesystem::path packagePath = argv[1];
  const int rounds = argc > 2 ? std::max(5, _wtoi(argv[2])) : 100;
  const TBytes package = ReadFile(packagePath);
  const std::filesystem::path temp = std::filesystem::temp_directory_path() / "skin_load_timing.qsk";

  TBytes inflated;
  std::size_t inflatedSize = 0;
  const double baseline = Median(rounds, [&] { inflatedSize = InflateFirstMember(ReadFile(packagePath), inflated); });

  // Package bytes to a temporary file, as the engine stores its skin, then
  // the package reader only.
  const double packageReader = Median(rounds, [&] {
    WriteFile(temp, package);
    Tsk2SkinFileReader reader(temp, "");
    std::filesystem::remove(temp);
  });

  // Package bytes to ready resources: temporary file, skin reader (with
  // framework bitmaps), the three resources.
  TqelSkinReader reader;
  TqelSkinScrollBtnRes scroll;
  TqelSkinTabRes tabs;
  TqelSkinProgressBarRes progress;
  const double full = Median(rounds, [&] {
    WriteFile(temp, package);
    reader.Load(temp, "");
    std::filesystem::remove(temp);
    scroll.SetReader(&reader);
    tabs.SetReader(&reader);
    progress.SetReader(&reader);
  });
  WriteFile(temp, package);
  const double readerOnlyFromFile = Median(rounds, [&] { Tsk2SkinFileReader r(temp, ""); });
  const double loadOnlyFromFile = Median(rounds, [&] { reader.Load(temp, ""); });
  std::filesystem::remove(temp);
  const double resourcesOnly = Median(rounds, [&] {
    scroll.SetReader(&reader);
    tabs.SetReader(&reader);
    progress.SetReader(&reader);
  });

  const double dibs = Median(rounds, [&] {
    for (int i = 0; i < 30; ++i) TBitmap bitmap(30, 30);
  });
  std::printf("package %zu bytes, skin data %zu bytes, %d rounds, medians:\n", package.size(), inflatedSize, rounds);
  std::printf("  baseline: read file + zlib inflate          %8.3f ms\n", baseline);
  std::printf("  package reader (bytes -> tables)            %8.3f ms  %6.1f x baseline\n", packageReader,
              packageReader / baseline);
  std::printf("  full load (bytes -> ready resources)        %8.3f ms  %6.1f x baseline\n", full, full / baseline);
  std::printf("    of which the three resources' Update      %8.3f ms  %6.1f x baseline\n", resourcesOnly,
              resourcesOnly / baseline);
  std::printf("  from a file already written: package reader %8.3f ms, skin reader load %8.3f ms\n",
              readerOnlyFromFile, loadOnlyFromFile);
  std::printf("  for scale: creating 30 empty 30x30 bitmaps  %8.3f ms  %6.1f x baseline\n", dibs, dibs / baseline);
  return reader.Loaded() ? 0 : 1;
}
