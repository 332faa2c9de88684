// skintool: makes and inspects skin packages.
//
//   skintool pack SRC_DIR OUT.qsk [--password P]
//   skintool list PKG
//   skintool extract PKG ENTRY OUT [--password P]   exit status 0, 1 or 2
//   skintool unpack PKG DIR [--password P]
//   skintool verify PKG [--password P]
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "PackageWriter.h"
#include "Skin2Package.h"
#include "Skin2SkinData.h"
#include "Skin2SkinReader.h"
#include "Skin2TempName.h"
#include "SkinSource.h"

namespace {

constexpr int kUsageError = 64;

struct TArguments {
  std::vector<std::string> positional;
  std::string password;
};

std::optional<TArguments> ParseArguments(int argc, char** argv) {
  TArguments args;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--password") {
      if (++i == argc) return std::nullopt;
      args.password = argv[i];
    } else {
      args.positional.push_back(a);
    }
  }
  return args;
}

int Usage() {
  std::cerr << "usage:\n"
               "  skintool pack SRC_DIR OUT.qsk [--password P]\n"
               "  skintool list PKG\n"
               "  skintool extract PKG ENTRY OUT [--password P]\n"
               "  skintool unpack PKG DIR [--password P]\n"
               "  skintool verify PKG [--password P]\n";
  return kUsageError;
}

int Pack(const std::string& source, const std::string& output, const std::string& password) {
  const std::vector<TSkinEntry> entries = ReadSkinSource(source);
  const std::vector<std::uint8_t> data = BuildSkinData(entries);
  const std::vector<std::uint8_t> package =
      BuildPackage({TPackageMember::FromPlain(Tsk2SkinFileReader::kSkinDataMember, data, 9, password)});
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(package.data()), static_cast<std::streamsize>(package.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + output);
  std::cout << output << ": " << entries.size() << " entries, skin data " << data.size() << " bytes, package "
            << package.size() << " bytes\n";
  return 0;
}

int List(const std::string& package) {
  TSk2RandomAccessFile file(package);
  std::vector<TSk2CentralRecord> records;
  if (!Sk2ScanPackage(file, [&](const TSk2CentralRecord& r) {
        records.push_back(r);
        return true;
      })) {
    std::cerr << package << ": not a skin package\n";
    return 1;
  }
  for (const TSk2CentralRecord& r : records) {
    char line[96];
    std::snprintf(line, sizeof line, "%10u %10u  %08X %s ", static_cast<unsigned>(r.uncompressedSize),
                  static_cast<unsigned>(r.compressedSize), static_cast<unsigned>(r.crc),
                  r.Encrypted() ? "enciphered" : "plain     ");
    std::cout << line << r.name << '\n';
  }
  return 0;
}

int Unpack(const std::string& package, const std::string& folder, const std::string& password) {
  const std::filesystem::path temp = Sk2NewTempFileName();
  const int result =
      Tsk2SkinFileReader::ExtractPackageEntry(package, Tsk2SkinFileReader::kSkinDataMember, temp, password);
  if (result != 0) {
    std::cerr << package << ": extraction failed with result " << result << '\n';
    return result;
  }
  std::vector<TSkinEntry> entries;
  bool ok;
  {
    TSk2RandomAccessFile file(temp);
    ok = Sk2ReadSkinData(file, [&](const TSk2RawEntry& e) {
      entries.push_back({e.name, e.type, e.data});
      return true;
    });
  }
  std::error_code ec;
  std::filesystem::remove(temp, ec);
  if (!ok) {
    std::cerr << package << ": the skin data file is damaged\n";
    return 1;
  }
  WriteSkinSource(folder, entries);
  std::cout << folder << ": " << entries.size() << " entries\n";
  return 0;
}

int Verify(const std::string& package, const std::string& password) {
  try {
    const Tsk2SkinFileReader reader(package, password);
    std::cout << "bitmaps " << reader.Bitmaps().size() << "\nintegers " << reader.Integers().size()
              << "\nbooleans " << reader.Booleans().size() << "\nstrings " << reader.Strings().size() << '\n';
    return 0;
  } catch (const std::exception& e) {
    std::cerr << package << ": " << e.what() << '\n';
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<TArguments> parsed = ParseArguments(argc, argv);
  if (!parsed || parsed->positional.empty()) return Usage();
  const std::vector<std::string>& p = parsed->positional;
  const std::string& command = p[0];
  try {
    if (command == "pack" && p.size() == 3) return Pack(p[1], p[2], parsed->password);
    if (command == "list" && p.size() == 2) return List(p[1]);
    if (command == "extract" && p.size() == 4)
      return Tsk2SkinFileReader::ExtractPackageEntry(p[1], p[2], p[3], parsed->password);
    if (command == "unpack" && p.size() == 3) return Unpack(p[1], p[2], parsed->password);
    if (command == "verify" && p.size() == 2) return Verify(p[1], parsed->password);
  } catch (const std::exception& e) {
    std::cerr << "skintool: " << e.what() << '\n';
    return 1;
  }
  return Usage();
}
