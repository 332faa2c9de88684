// skintool's library: the skin text file, skin source folders, the skin
// data layout it writes and packages that the reader accepts.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <stdexcept>

#include "PackageWriter.h"
#include "Skin2SkinData.h"
#include "Skin2SkinReader.h"
#include "SkinDataWriter.h"
#include "SkinSource.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

std::int32_t IntegerOf(const TSkinEntry& e) {
  return static_cast<std::int32_t>(e.data[0] | (e.data[1] << 8) | (e.data[2] << 16) |
                                   (static_cast<std::uint32_t>(e.data[3]) << 24));
}

class TScratch {
 public:
  TScratch() {
    std::random_device r;
    dir_ = std::filesystem::temp_directory_path() / ("skintool-test-" + std::to_string(r()) + std::to_string(r()));
    std::filesystem::create_directories(dir_);
  }
  ~TScratch() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  const std::filesystem::path& Path() const { return dir_; }

 private:
  std::filesystem::path dir_;
};

void WriteText(const std::filesystem::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary) << text;
}

TEST(SkinText, SectionsValuesAndComments) {
  const auto entries = ParseSkinText(
      "; colours\n"
      "[integer]\n"
      "SKIN2_TRANSCOLOR = 0xFF00FF\n"
      "  SKIN2_NEG=-1  \r\n"
      "SKIN2_ALLBITS = 0xFFFFFFFF\n"
      "# flags\n"
      "[Boolean]\n"
      "SKIN2_A = 1\n"
      "SKIN2_B = false\n"
      "[string]\n"
      "SKIN2_NOTE = two words = fine\n",
      "skin.txt");
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[0].name, "SKIN2_TRANSCOLOR");
  EXPECT_EQ(IntegerOf(entries[0]), 0xFF00FF);
  EXPECT_EQ(IntegerOf(entries[1]), -1);
  EXPECT_EQ(IntegerOf(entries[2]), -1);
  EXPECT_EQ(entries[3].type, 2);
  EXPECT_EQ(entries[3].data, TBytes{1});
  EXPECT_EQ(entries[4].data, TBytes{0});
  EXPECT_EQ(entries[5].type, 3);
  EXPECT_EQ(std::string(entries[5].data.begin(), entries[5].data.end()), "two words = fine");
}

TEST(SkinText, FaultsNameTheLine) {
  const std::pair<const char*, const char*> faults[] = {
      {"[integer]\nA = 12x\n", "skin.txt:2: not a 32-bit integer"},
      {"[integer]\nA = 4294967296\n", "skin.txt:2: not a 32-bit integer"},
      {"[integer]\nA = 0x100000000\n", "skin.txt:2: not a 32-bit integer"},
      {"[boolean]\n\nA = yes\n", "skin.txt:3: not a boolean"},
      {"A = 1\n", "skin.txt:1: entry before the first section"},
      {"[colour]\n", "skin.txt:1: unknown section"},
      {"[integer\n", "skin.txt:1: unclosed section"},
      {"[integer]\njust text\n", "skin.txt:2: expected NAME = value"},
      {"[integer]\n = 1\n", "skin.txt:2: entry names"},
  };
  for (const auto& [text, message] : faults) {
    try {
      ParseSkinText(text, "skin.txt");
      ADD_FAILURE() << "accepted: " << text;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()).rfind(message, 0), 0u) << e.what();
    }
  }
  EXPECT_THROW(ParseSkinText("[integer]\n" + std::string(65, 'N') + " = 1\n", "s"), std::runtime_error);
}

TEST(SkinDataLayout, RecordsSitBeforeTheirDataAndEndWithATerminator) {
  const TBytes data = BuildSkinData({TSkinEntry::Integer("I", 5), TSkinEntry::String("S", "abc")});
  ASSERT_EQ(data.size(), 24u + 77 + 4 + 77 + 3 + 77);
  EXPECT_EQ(std::string(data.begin(), data.begin() + 12), "KALVORIN_SK2");
  EXPECT_EQ(Sk2Le32(&data[12]), 24u);
  EXPECT_EQ(Sk2Le32(&data[16]), 2u);
  EXPECT_EQ(Sk2Le32(&data[20]), 24u);
  const std::size_t second = 24 + 77 + 4;
  EXPECT_EQ(Sk2Le32(&data[24 + 65]), 24u + 77) << "data right after the record";
  EXPECT_EQ(Sk2Le32(&data[24 + 73]), second) << "next right after the data";
  const std::size_t terminator = second + 77 + 3;
  EXPECT_EQ(data[terminator], 0) << "empty name";
  EXPECT_EQ(data[terminator + 64], 2) << "terminator type";
  EXPECT_EQ(Sk2Le32(&data[terminator + 73]), 0u);
}

TEST(SkinSourceFolder, WritesAndReadsBackEveryKindOfEntry) {
  TScratch scratch;
  const TBytes bmp = {'B', 'M', 1, 2, 3};  // bitmaps are carried, not decoded
  const std::vector<TSkinEntry> entries = {
      TSkinEntry::Bitmap("SKIN2_A", bmp),         TSkinEntry::Bitmap("SKIN2_B", {'B', 'M'}),
      TSkinEntry::Integer("SKIN2_COLOR", 0x6A2009), TSkinEntry::Integer("SKIN2_MINUS", -1),
      TSkinEntry::Integer("SKIN2_SMALL", 7),     TSkinEntry::Boolean("SKIN2_YES", true),
      TSkinEntry::Boolean("SKIN2_NO", false),    TSkinEntry::String("SKIN2_TEXT", "hello there")};
  WriteSkinSource(scratch.Path() / "skin", entries);
  const std::vector<TSkinEntry> back = ReadSkinSource(scratch.Path() / "skin");
  ASSERT_EQ(back.size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(back[i].name, entries[i].name) << i;
    EXPECT_EQ(back[i].type, entries[i].type) << i;
    EXPECT_EQ(back[i].data, entries[i].data) << i;
  }
}

TEST(SkinSourceFolder, BitmapsComeInNameOrderBeforeTheTextEntries) {
  TScratch scratch;
  WriteText(scratch.Path() / "SKIN2_Z.bmp", "BMz");
  WriteText(scratch.Path() / "SKIN2_A.BMP", "BMa");
  WriteText(scratch.Path() / "notes.md", "ignored");
  WriteText(scratch.Path() / "skin.txt", "[integer]\nSKIN2_FIRST = 1\n");
  const auto entries = ReadSkinSource(scratch.Path());
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "SKIN2_A");
  EXPECT_EQ(entries[1].name, "SKIN2_Z");
  EXPECT_EQ(entries[2].name, "SKIN2_FIRST");
  EXPECT_THROW(ReadSkinSource(scratch.Path() / "missing"), std::runtime_error);
}

TEST(PackageWriterOutput, ReaderLoadsWhatTheWriterMakes) {
  TScratch scratch;
  const TBytes data = BuildSkinData({TSkinEntry::Integer("SKIN2_X", 12345), TSkinEntry::Boolean("SKIN2_Y", true)});
  for (int level : {0, 1, 6, 9}) {
    for (const std::string password : {"", "p4ss"}) {
      const TBytes package = BuildPackage({TPackageMember::FromPlain("SKINDATA.SK2", data, level, password)});
      ASSERT_EQ(std::string(package.begin(), package.begin() + 2), "SK");
      const auto file = scratch.Path() / "p.qsk";
      std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(package.data()),
                                                 static_cast<std::streamsize>(package.size()));
      const Tsk2SkinFileReader reader(file, password);
      EXPECT_EQ(reader.GetInteger("SKIN2_X"), 12345) << level << password;
      EXPECT_TRUE(reader.GetBoolean("SKIN2_Y")) << level << password;
    }
  }
}

}  // namespace
