#include "Skin2TempName.h"

#include <cstdio>
#include <exception>

std::string Sk2FormatBracedGuid(const unsigned char b[16]) {
  char text[39];
  std::snprintf(text, sizeof text, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[3], b[2],
                b[1], b[0], b[5], b[4], b[7], b[6], b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
  return text;
}

std::unique_ptr<TSk2OutputFile> Sk2SaveTempFile(std::span<const std::uint8_t> bytes,
                                                const std::filesystem::path& extension) {
  // A folder that takes no file at all fails the save instead of hanging it.
  constexpr int kGuids = 4, kSuffixes = 100;
  for (int attempt = 0; attempt < kGuids; ++attempt) {
    std::filesystem::path base;
    try {
      base = Sk2NewTempFileName();
    } catch (const std::exception&) {
      return nullptr;  // no temporary directory
    }
    for (int n = 0; n < kSuffixes; ++n) {
      std::filesystem::path name = base;
      if (n != 0) name += std::to_string(n);
      name += extension;
      // Creating the file new is the test whether the name is free.
      auto file = std::make_unique<TSk2OutputFile>(name, TSk2OutputFile::NewOnly | TSk2OutputFile::DeleteOnClose);
      if (file->NameTaken()) continue;
      if (file->Valid() && file->Write(bytes.data(), bytes.size())) return file;
      break;  // the save failed (the file, if made, goes with its handle): a fresh GUID
    }
  }
  return nullptr;
}
