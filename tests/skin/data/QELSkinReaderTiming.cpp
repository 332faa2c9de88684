// How long loading a skin takes, from package bytes to ready resources,
// against the least that any loader does with the same bytes: write them
// to a file, read them back, inflate the member with zlib and decode its
// bitmaps into 32-bit pixels. Both run interleaved, round after round, in
// one process; the harness prints their medians, the ratio, and where our
// time goes. Not a test.
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
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "QELSkinRes.h"
#include "engine/QELSkinEngine.h"
#include "framework/Form.h"
#include "SkinResourceSet.h"
#include "Skin2File.h"
#include "Skin2TempName.h"
#include "UniqueHandle.h"
#include "graphics/BmpCodec.h"
#include "graphics/GdiObjects.h"

namespace {

using TBytes = std::vector<std::uint8_t>;
using TPixels = std::vector<std::uint32_t>;

TBytes ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return TBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::uint32_t Le32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24); }
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

// ---- The floor ----------------------------------------------------------

// The package's first member (raw deflate after the local header),
// inflated by zlib.
TBytes InflateFirstMember(std::span<const std::uint8_t> package) {
  if (package.size() < 30) throw std::runtime_error("short package");
  const std::uint32_t compressed = Le32(&package[18]);
  const std::uint32_t plain = Le32(&package[22]);
  const std::size_t data = 30u + Le16(&package[26]) + Le16(&package[28]);
  if (data > package.size() || compressed > package.size() - data) throw std::runtime_error("short package");
  TBytes out(plain);
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw std::runtime_error("inflateInit2");
  z.next_in = const_cast<Bytef*>(package.data() + data);
  z.avail_in = compressed;
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const int rc = inflate(&z, Z_FINISH);
  inflateEnd(&z);
  if (rc != Z_STREAM_END || z.total_out != plain) throw std::runtime_error("inflate");
  return out;
}

// A BMP file's pixels as 0x00RRGGBB, top row first: 24-bit files (all the
// skin has) by a plain loop, anything else by the framework's decoder.
TPixels DecodeToPixels(std::span<const std::uint8_t> bmp) {
  if (bmp.size() >= 54 && Le16(&bmp[28]) == 24 && Le32(&bmp[30]) == 0 && Le32(&bmp[14]) == 40) {
    const int width = static_cast<std::int32_t>(Le32(&bmp[18]));
    const int height = static_cast<std::int32_t>(Le32(&bmp[22]));
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const std::size_t offset = Le32(&bmp[10]);
    if (width > 0 && height > 0 && offset <= bmp.size() && (bmp.size() - offset) / stride >= std::size_t(height)) {
      TPixels pixels(static_cast<std::size_t>(width) * height);
      for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = &bmp[offset + stride * static_cast<std::size_t>(height - 1 - y)];
        std::uint32_t* out = &pixels[static_cast<std::size_t>(y) * width];
        for (int x = 0; x < width; ++x, in += 3)
          out[x] = in[0] | (static_cast<std::uint32_t>(in[1]) << 8) | (static_cast<std::uint32_t>(in[2]) << 16);
      }
      return pixels;
    }
  }
  std::optional<DecodedBmp> decoded = DecodeBmpFile(bmp);
  return decoded ? std::move(decoded->pixels) : TPixels();
}

// Writes the package over one file kept for the whole run (always the same
// size: nothing is truncated), reads it back, inflates the skin data and
// decodes every bitmap in it.
class TFloor {
 public:
  explicit TFloor(std::filesystem::path file) : file_(std::move(file)) {}
  ~TFloor() {
    std::error_code ec;
    std::filesystem::remove(file_, ec);
  }
  TFloor(const TFloor&) = delete;
  TFloor& operator=(const TFloor&) = delete;

  const std::vector<TPixels>& Bitmaps() const { return bitmaps_; }
  void Clear() { bitmaps_.clear(); }

  void Run(std::span<const std::uint8_t> package) {
    Write(package);
    const TBytes back = Read(package.size());
    const TBytes skinData = InflateFirstMember(back);
    bitmaps_.clear();
    // The entry list: 77-byte records, type at 64, data offset and size at
    // 65 and 69, the next record at 73 (0 ends the list).
    const std::span<const std::uint8_t> data(skinData);
    for (std::size_t at = data.size() >= 24 ? Le32(&data[20]) : 0; at != 0 && at + 77 <= data.size();) {
      const std::uint8_t* record = &data[at];
      at = Le32(record + 73);
      if (at == 0) break;
      const std::size_t offset = Le32(record + 65), size = Le32(record + 69);
      if (record[64] == 0 && offset <= data.size() && size <= data.size() - offset)
        bitmaps_.push_back(DecodeToPixels(data.subspan(offset, size)));
    }
  }

 private:
  void Write(std::span<const std::uint8_t> bytes) {
    UniqueHandle file(::CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD done = 0;
    if (!file || !::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) ||
        done != bytes.size())
      throw std::runtime_error("write");
  }
  TBytes Read(std::size_t size) {
    UniqueHandle file(::CreateFileW(file_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    TBytes bytes(size);
    DWORD done = 0;
    if (!file || !::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(size), &done, nullptr) || done != size)
      throw std::runtime_error("read");
    return bytes;
  }

  std::filesystem::path file_;
  std::vector<TPixels> bitmaps_;
};

// ---- Ours -----------------------------------------------------------------

// What the program holds once a skin is ready: a form carrying the skin
// engine, whose reader and three resources the load made ready.
struct TLoadedSkin {
  TOwned<TForm> form = MakeComponent<TForm>();
  TqelSkinEngine* engine = nullptr;

  const TqelSkinReader& Reader() const { return engine->SkinReader(); }
};

// Package bytes to a ready skin, as a form's stored SkinData loads: the
// engine made on the form, the bytes to a GUID-named ".qsk" file in the
// temporary folder, the skin loaded from it (the package reader extracts
// the skin data through a temporary file of its own), the resources
// rebuilt by the skin change, the file deleted.
void LoadSkin(std::span<const std::uint8_t> package, TLoadedSkin& skin) {
  if (skin.engine) skin.engine->Free();  // one engine a form
  skin.engine = skin.form->Create<TqelSkinEngine>();
  skin.engine->ReadSkinData(package);
}

// ---- Timing -------------------------------------------------------------

double Now() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Named pieces of work timed round-robin: every round runs each once, so
// that a busy moment of the machine falls on all of them alike. An item's
// untimed prepare step runs before each of its timed runs (to free what
// the previous run built, so that every run starts from nothing).
class TInterleaved {
 public:
  void Add(const char* name, std::function<void()> work, std::function<void()> prepare = {}) {
    items_.push_back({name, std::move(work), std::move(prepare), {}});
  }

  void Run(int rounds) {
    for (Item& item : items_) item.work();  // warm-up
    for (int round = 0; round < rounds; ++round)
      for (Item& item : items_) {
        if (item.prepare) item.prepare();
        const double start = Now();
        item.work();
        item.times.push_back(Now() - start);
      }
  }

  // The given fraction's place among one item's times (0.5: the median).
  double Quantile(const char* name, double fraction) const {
    for (const Item& item : items_)
      if (std::strcmp(item.name, name) == 0) {
        std::vector<double> t = item.times;
        const auto at = t.begin() + static_cast<std::ptrdiff_t>(fraction * static_cast<double>(t.size() - 1));
        std::nth_element(t.begin(), at, t.end());
        return *at;
      }
    throw std::logic_error(name);
  }
  double Median(const char* name) const { return Quantile(name, 0.5); }

 private:
  struct Item {
    const char* name;
    std::function<void()> work;
    std::function<void()> prepare;
    std::vector<double> times;
  };
  std::vector<Item> items_;
};

// The floor and our load must have produced the same pixels.
bool SamePixels(const TFloor& floor, const TqelSkinReader& reader) {
  std::size_t compared = 0;
  for (const auto& [name, decoded] : reader.FileReader()->Bitmaps()) {
    if (compared >= floor.Bitmaps().size()) return false;
    const TPixels& pixels = floor.Bitmaps()[compared++];
    if (pixels.size() != static_cast<std::size_t>(decoded->Width()) * decoded->Height()) return false;
    for (int y = 0; y < decoded->Height(); ++y)
      for (int x = 0; x < decoded->Width(); ++x) {
        const std::uint32_t bgr = decoded->Pixel(x, y);  // 0x00BBGGRR
        const std::uint32_t rgb = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
        if (pixels[static_cast<std::size_t>(y) * decoded->Width() + x] != rgb) return false;
      }
  }
  return compared == floor.Bitmaps().size();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: skin_load_timing <package.qsk> [rounds]\n");
    return 2;
  }
  const TBytes package = ReadWholeFile(argv[1]);
  const int rounds = argc > 2 ? std::max(5, _wtoi(argv[2])) : 200;
  const std::filesystem::path temp = std::filesystem::temp_directory_path();

  TFloor floor(temp / "skin_load_timing.floor");
  auto skin = std::make_unique<TLoadedSkin>();
  const std::filesystem::path saved = temp / "skin_load_timing.qsk";
  if (!Sk2SaveFile(saved, package)) return 1;
  TqelSkinReader readerOnly;
  TSkinResourceSet resources;

  TInterleaved timing;
  // Each run of either starts from nothing, as the program's one load does.
  timing.Add("floor", [&] { floor.Run(package); }, [&] { floor.Clear(); });
  timing.Add("ours", [&] { LoadSkin(package, *skin); }, [&] {
    skin.reset();
    skin = std::make_unique<TLoadedSkin>();
  });
  // Where our time goes.
  timing.Add("temp file", [&] { Sk2SaveTempFile(package, ".qsk"); });
  timing.Add("package reader", [&] { Tsk2SkinFileReader reader(saved, ""); });
  // These three run in this order on one reader, freshly loaded by the
  // first of them in every round.
  timing.Add("skin reader", [&] { readerOnly.Load(saved, ""); }, [&] { readerOnly.Load({}, ""); });
  timing.Add("resources", [&] { resources.SetReader(&readerOnly); }, [&] { resources.SetReader(nullptr); });
  timing.Add("first use", [&] {
    for (int i = 0; i < kSkin2BitmapCount; ++i) readerOnly.GetBitmap(static_cast<TSkin2BitmapKey>(i));
  });
  // Bitmaps that a load leaves behind: how many a ready skin holds.
  skin.reset();
  const long bitmapsBefore = GdiLiveObjects(GdiKind::Bitmap);
  skin = std::make_unique<TLoadedSkin>();
  LoadSkin(package, *skin);
  const long skinBitmaps = GdiLiveObjects(GdiKind::Bitmap) - bitmapsBefore;

  std::vector<TBitmap> bitmaps;
  timing.Add("74 bitmaps", [&] {
    for (int i = 0; i < 74; ++i) bitmaps.emplace_back(18, 18);
  }, [&] { bitmaps.clear(); });
  timing.Run(rounds);
  std::filesystem::remove(saved);

  const bool same = SamePixels(floor, skin->Reader());
  const double floorMs = timing.Median("floor"), ours = timing.Median("ours");
  auto line = [&](const char* what, const char* name) {
    const double ms = timing.Median(name);
    std::printf("  %-44s %8.3f ms  %5.2f x floor\n", what, ms, ms / floorMs);
  };
  std::printf("package %zu bytes, %zu bitmaps, %d interleaved rounds, medians:\n", package.size(),
              floor.Bitmaps().size(), rounds);
  line("floor: write, read back, zlib, decode", "floor");
  line("ours: package bytes to ready resources", "ours");
  std::printf("  ratio ours / floor %.2f%s\n", ours / floorMs, same ? "" : "  (PIXELS DIFFER)");
  // Other work on the machine only ever adds time, and adds more to file
  // and memory-mapping calls than to arithmetic: the fastest tenth of the
  // rounds shows the ratio on a quiet machine.
  const double floorFast = timing.Quantile("floor", 0.1), oursFast = timing.Quantile("ours", 0.1);
  std::printf("  fastest tenth: floor %.3f ms, ours %.3f ms, ratio %.2f\n", floorFast, oursFast, oursFast / floorFast);
  std::printf("of which, measured alone:\n");
  line("a temporary file: create, write, delete", "temp file");
  line("package reader from a saved file", "package reader");
  line("skin reader (package reader + bitmaps)", "skin reader");
  line("the three resources' Update", "resources");
  line("every skin bitmap asked for once (after Ready)", "first use");
  line("74 framework bitmaps made", "74 bitmaps");
  std::printf("a ready skin holds %ld framework bitmaps\n", skinBitmaps);
  return skin->Reader().Loaded() && same ? 0 : 1;
}
