#pragma once
// Skin packages made on the spot for tests: entries in, package file out,
// written with the package writer of the skin tool.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PackageWriter.h"
#include "SkinDataWriter.h"
#include "graphics/Bitmap.h"

class TSkinPackageBuilder {
 public:
  TSkinPackageBuilder& Bitmap(const std::string& name, const TBitmap& bitmap) {
    entries_.push_back(TSkinEntry::Bitmap(name, bitmap.SaveToBMP(24)));
    return *this;
  }
  // value as a TColor or metric.
  TSkinPackageBuilder& Integer(const std::string& name, std::int32_t value) {
    entries_.push_back(TSkinEntry::Integer(name, value));
    return *this;
  }
  TSkinPackageBuilder& Boolean(const std::string& name, bool value) {
    entries_.push_back(TSkinEntry::Boolean(name, value));
    return *this;
  }
  // Writes the package (enciphered when password is not empty) to path.
  std::filesystem::path Write(const std::filesystem::path& path, const std::string& password = {}) const {
    const std::vector<std::uint8_t> data = BuildSkinData(entries_);
    const std::vector<std::uint8_t> package =
        BuildPackage({TPackageMember::FromPlain("SKINDATA.SK2", data, 9, password, 1)});
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(package.data()), static_cast<std::streamsize>(package.size()));
    return path;
  }

 private:
  std::vector<TSkinEntry> entries_;
};
