// Tsk2SkinFileReader: loading the four tables, lookups, the failure texts,
// the layout checks of the skin data file, and temporary files.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "Skin2SkinData.h"
#include "Skin2SkinReader.h"
#include "SkinTestFiles.h"

namespace {

std::uint32_t Red(int, int) { return 0x0000FF; }

class SkinReader : public ::testing::Test {
 protected:
  // Loads a package made from entries (or from raw skin data); the
  // temporary directory must hold nothing but the package afterwards.
  std::unique_ptr<Tsk2SkinFileReader> Load(const TBytes& skinData, const std::string& password = {},
                                           const std::string& packagePassword = {}) {
    WriteBytes(package_, SkinPackage(skinData, packagePassword));
    std::unique_ptr<Tsk2SkinFileReader> reader;
    try {
      reader = std::make_unique<Tsk2SkinFileReader>(package_, password);
    } catch (...) {
      EXPECT_EQ(temp_.CountOther({"skin.qsk"}), 0u) << "temporary file left after a failure";
      throw;
    }
    EXPECT_EQ(temp_.CountOther({"skin.qsk"}), 0u) << "temporary file left";
    return reader;
  }
  std::string LoadError(const TBytes& skinData, const std::string& password = {},
                        const std::string& packagePassword = {}) {
    try {
      Load(skinData, password, packagePassword);
    } catch (const std::runtime_error& e) {
      return e.what();
    }
    return "no error";
  }

  TPrivateTempDir temp_;
  std::filesystem::path package_ = temp_.Path() / "skin.qsk";
};

TEST_F(SkinReader, FillsTheFourTablesInFileOrder) {
  const auto reader = Load(BuildSkinData({
      TSkinEntry::Integer("SKIN2_FORMCOLOR", 0xE8E8E8),
      TSkinEntry::Bitmap("SKIN2_BUTTON", MakeBmp(6, 2, Red)),
      TSkinEntry::Boolean("SKIN2_BUTTONTRANS", true),
      TSkinEntry::String("SKIN2_AUTHOR", "someone"),
      TSkinEntry::Integer("SKIN2_BOTTOMREGIONMINY", -1),
      TSkinEntry::Boolean("SKIN2_TABCONTROLTRANS", false),
  }));
  EXPECT_EQ(reader->Integers(), (std::vector<std::string>{"SKIN2_FORMCOLOR=15263976", "SKIN2_BOTTOMREGIONMINY=-1"}));
  EXPECT_EQ(reader->Booleans(), (std::vector<std::string>{"SKIN2_BUTTONTRANS=1", "SKIN2_TABCONTROLTRANS=0"}));
  EXPECT_EQ(reader->Strings(), (std::vector<std::string>{"SKIN2_AUTHOR=someone"}));
  ASSERT_EQ(reader->Bitmaps().size(), 1u);

  EXPECT_EQ(reader->GetInteger("SKIN2_FORMCOLOR"), 0xE8E8E8);
  EXPECT_EQ(reader->GetInteger("skin2_formcolor"), 0xE8E8E8);
  EXPECT_EQ(reader->GetInteger("SKIN2_BOTTOMREGIONMINY"), -1);
  EXPECT_EQ(reader->GetInteger("SKIN2_MISSING"), -1);
  EXPECT_EQ(reader->GetInteger("SKIN2_BUTTONTRANS"), -1) << "booleans are not integers";
  EXPECT_TRUE(reader->GetBoolean("Skin2_ButtonTrans"));
  EXPECT_FALSE(reader->GetBoolean("SKIN2_TABCONTROLTRANS"));
  EXPECT_FALSE(reader->GetBoolean("SKIN2_MISSING"));

  const Tsk2Bitmap* button = reader->GetBitmap("skin2_button");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Width(), 6);
  EXPECT_EQ(button->Height(), 2);
  EXPECT_EQ(button->Pixel(5, 1), 0x0000FFu);
  EXPECT_EQ(reader->GetBitmap("SKIN2_MENUBAR"), nullptr);
}

TEST_F(SkinReader, FirstEntryWinsForDuplicateNames) {
  const auto reader = Load(BuildSkinData({
      TSkinEntry::Integer("SKIN2_X", 1),
      TSkinEntry::Integer("skin2_x", 2),
      TSkinEntry::Boolean("SKIN2_F", false),
      TSkinEntry::Boolean("SKIN2_F", true),
      TSkinEntry::Bitmap("SKIN2_B", MakeBmp(1, 1, Red)),
      TSkinEntry::Bitmap("SKIN2_B", MakeBmp(2, 2, Red)),
  }));
  EXPECT_EQ(reader->GetInteger("SKIN2_X"), 1);
  EXPECT_FALSE(reader->GetBoolean("SKIN2_F"));
  EXPECT_EQ(reader->GetBitmap("SKIN2_B")->Width(), 1);
  EXPECT_EQ(reader->Integers().size(), 2u);
}

TEST_F(SkinReader, FirstRecordEndingTheListGivesEmptyTables) {
  const auto reader = Load(BuildSkinData({}));
  EXPECT_TRUE(reader->Bitmaps().empty());
  EXPECT_TRUE(reader->Integers().empty());
  EXPECT_TRUE(reader->Booleans().empty());
  EXPECT_TRUE(reader->Strings().empty());
}

TEST_F(SkinReader, SetTransparentColorFixesEveryBitmap) {
  const auto reader = Load(BuildSkinData({TSkinEntry::Bitmap("A", MakeBmp(2, 2, Red)),
                                          TSkinEntry::Bitmap("B", MakeBmp(3, 1, Red))}));
  EXPECT_FALSE(reader->GetBitmap("A")->TransparentFixed());
  reader->SetTransparentColor(0xFF00FF);
  for (const auto& [name, bitmap] : reader->Bitmaps()) {
    EXPECT_TRUE(bitmap->TransparentFixed()) << name;
    EXPECT_EQ(bitmap->TransparentColor(), 0xFF00FFu) << name;
  }
}

TEST_F(SkinReader, RecordsAreFollowedByOffsetNotByPosition) {
  // The terminator comes first after the header, then the entry's data,
  // then the entry's record, which the header names as the first.
  TBytes file(kSk2DataMagic, kSk2DataMagic + 12);
  const auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  const auto record = [&](const char* name, std::uint8_t type, std::uint32_t data, std::uint32_t size, std::uint32_t next) {
    std::uint8_t field[64] = {};
    std::memcpy(field, name, std::strlen(name));
    file.insert(file.end(), field, field + 64);
    file.push_back(type);
    put32(data), put32(size), put32(next);
  };
  put32(24), put32(2), put32(24 + 77 + 4);  // first record after the terminator and the data
  record("", 2, 0, 0, 0);                    // 24: terminator
  put32(7);                                  // 101: data of SKIN2_SEVEN
  record("SKIN2_SEVEN", 1, 101, 4, 24);      // 105: the only entry
  const auto reader = Load(file);
  EXPECT_EQ(reader->GetInteger("SKIN2_SEVEN"), 7);
}

TEST_F(SkinReader, UnknownEntryTypesAreSkipped) {
  TSkinEntry odd{"SKIN2_ODD", 9, {1, 2, 3}};
  const auto reader = Load(BuildSkinData({odd, TSkinEntry::Integer("SKIN2_AFTER", 5)}));
  EXPECT_EQ(reader->GetInteger("SKIN2_AFTER"), 5);
  EXPECT_EQ(reader->Integers().size() + reader->Booleans().size() + reader->Strings().size() + reader->Bitmaps().size(), 1u);
}

// Faults in the skin data file, each written into a valid package.
TEST_F(SkinReader, DamagedSkinDataFailsWithTheReadMessage) {
  const TBytes good = BuildSkinData({TSkinEntry::Integer("SKIN2_A", 1), TSkinEntry::Boolean("SKIN2_B", true),
                                     TSkinEntry::Bitmap("SKIN2_C", MakeBmp(2, 2, Red))});
  const std::string failed = Tsk2SkinFileReader::kReadFailed;
  struct TFault {
    const char* name;
    std::size_t at;
    std::vector<std::uint8_t> bytes;
  };
  const std::size_t rec1 = 24, rec2 = 24 + 77 + 4, rec3 = rec2 + 77 + 1;
  const std::vector<TFault> faults = {
      {"header size 28", 12, {28}},
      {"header size 16", 12, {16}},
      {"first record beyond the file", 20, {0xFF, 0xFF, 0x01}},
      {"integer of 3 bytes", rec1 + 69, {3}},
      {"integer of 8 bytes", rec1 + 69, {8}},
      {"boolean of 4 bytes", rec2 + 69, {4}},
      {"data beyond the file", rec3 + 65, {0xFF, 0xFF, 0x00, 0x01}},
      {"data size beyond the file", rec3 + 69, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"next record beyond the file", rec1 + 73, {0xFF, 0xFF, 0xFF, 0x00}},
      {"cycle back to the first record", rec3 + 73, {24, 0, 0, 0}},
      {"record pointing at itself", rec2 + 73, {static_cast<std::uint8_t>(rec2), 0, 0, 0}},
      {"bitmap that is no BMP", rec3 + 77, {'X'}},
  };
  for (const TFault& f : faults) {
    TBytes bad = good;
    std::copy(f.bytes.begin(), f.bytes.end(), bad.begin() + static_cast<std::ptrdiff_t>(f.at));
    EXPECT_EQ(LoadError(bad), failed) << f.name;
  }
  EXPECT_EQ(LoadError(TBytes(good.begin(), good.begin() + 10)), failed) << "shorter than the header";
  EXPECT_EQ(LoadError(TBytes(good.begin(), good.end() - 1)), failed) << "terminator cut";
}

TEST_F(SkinReader, PackageFailuresAndPasswords) {
  const TBytes data = BuildSkinData({TSkinEntry::Integer("SKIN2_A", 42)});
  EXPECT_EQ(LoadError(data, "", "pw"), Tsk2SkinFileReader::kWrongPassword);
  EXPECT_EQ(LoadError(data, "wrong", "pw"), Tsk2SkinFileReader::kWrongPassword);
  EXPECT_EQ(Load(data, "pw", "pw")->GetInteger("SKIN2_A"), 42);

  WriteBytes(package_, SkinPackage(data, {}, "OTHER.SK2"));
  EXPECT_THROW(Tsk2SkinFileReader(package_, ""), std::runtime_error);
  EXPECT_EQ(temp_.CountOther({"skin.qsk"}), 0u);

  try {
    Tsk2SkinFileReader reader(temp_.Path() / "missing.qsk", "");
    FAIL() << "a missing package must not load";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), Tsk2SkinFileReader::kReadFailed);
  }
}

// ---- the built-in skin ---------------------------------------------------------

struct TBuiltInSize {
  const char* name;
  int width, height;
};

TEST_F(SkinReader, BuiltInPackage) {
  const std::filesystem::path builtIn = REPAIR_BUILTIN_SKIN;
  ASSERT_TRUE(std::filesystem::exists(builtIn)) << builtIn.string();

  // The skin data file: 115,172 bytes, 82 entries before the terminator.
  const std::filesystem::path data = temp_.Path() / "skin.sk2";
  ASSERT_EQ(Tsk2SkinFileReader::ExtractPackageEntry(builtIn, "SKINDATA.SK2", data, ""), 0);
  EXPECT_EQ(std::filesystem::file_size(data), 115172u);
  std::size_t entries = 0;
  {
    TSk2RandomAccessFile file(data);
    ASSERT_TRUE(Sk2ReadSkinData(file, [&](const TSk2RawEntry& e) {
      EXPECT_EQ(e.name.rfind("SKIN2_", 0), 0u) << e.name;
      ++entries;
      return true;
    }));
  }
  EXPECT_EQ(entries, 82u);
  std::filesystem::remove(data);

  const Tsk2SkinFileReader reader(builtIn, "");
  EXPECT_EQ(reader.Bitmaps().size(), 30u);
  EXPECT_EQ(reader.Integers().size(), 43u);
  EXPECT_EQ(reader.Booleans().size(), 9u);
  EXPECT_EQ(reader.Strings().size(), 0u);
  EXPECT_EQ(temp_.CountOther(), 0u);

  const TBuiltInSize sizes[] = {
      {"SKIN2_TITLEBAR1", 31, 31},       {"SKIN2_TITLEBAR2", 136, 31},     {"SKIN2_TITLEBAR3", 17, 31},
      {"SKIN2_TITLEBAR4", 13, 31},       {"SKIN2_TITLEBAR5", 14, 31},      {"SKIN2_FORMLEFTBORDER", 5, 6},
      {"SKIN2_FORMRIGHTBORDER", 5, 6},   {"SKIN2_FORMBOTTOMBORDER1", 180, 5}, {"SKIN2_MINIMIZEDTITLE", 160, 27},
      {"SKIN2_TITLEBUTTONS", 324, 18},   {"SKIN2_CHECKEDMENUICON", 16, 16}, {"SKIN2_BUTTON", 252, 25},
      {"SKIN2_CHECKBOX", 102, 17},       {"SKIN2_CHECKBOXLIST", 44, 11},   {"SKIN2_RADIOBUTTON", 68, 17},
      {"SKIN2_PROGRESSBAR1", 1, 13},     {"SKIN2_PROGRESSBAR2", 7, 13},    {"SKIN2_PROGRESSBAR3", 7, 13},
      {"SKIN2_PROGRESSBAR4", 1, 13},     {"SKIN2_TRACKBAR", 60, 8},        {"SKIN2_TRACKBARSLIDER", 11, 21},
      {"SKIN2_TRACKBARVSLIDER", 21, 11}, {"SKIN2_SCROLLBARUPBUTTON", 54, 18}, {"SKIN2_SCROLLBAR", 18, 63},
      {"SKIN2_SCROLLBARDOWNBUTTON", 54, 18}, {"SKIN2_TABCONTROL", 60, 22}, {"SKIN2_TABCONTROLLINE", 8, 1},
      {"SKIN2_SIDECHANNELBAR", 7, 84},   {"SKIN2_SIDECHANNELTITLE", 1, 21}, {"SKIN2_SCROLLBUTTON", 80, 20},
  };
  for (const TBuiltInSize& s : sizes) {
    const Tsk2Bitmap* b = reader.GetBitmap(s.name);
    ASSERT_NE(b, nullptr) << s.name;
    EXPECT_EQ(b->Width(), s.width) << s.name;
    EXPECT_EQ(b->Height(), s.height) << s.name;
    EXPECT_EQ(b->SourceBitsPerPixel(), 24) << s.name;
  }
  for (const char* absent : {"SKIN2_FORMBOTTOMBORDER2", "SKIN2_FORMBOTTOMBORDER3", "SKIN2_MENUBAR", "SKIN2_TOOLBAR"})
    EXPECT_EQ(reader.GetBitmap(absent), nullptr) << absent;

  EXPECT_EQ(reader.GetInteger("SKIN2_TRANSCOLOR"), 0xFF00FF);
  EXPECT_EQ(reader.GetInteger("SKIN2_FORMCOLOR"), 0xE8E8E8);
  EXPECT_EQ(reader.GetInteger("SKIN2_CONTROLBORDERCOLOR"), 0x6A2009);
  EXPECT_EQ(reader.GetInteger("SKIN2_SIDECHANNELBORDERCOLOR"), 0x6A2009);
  EXPECT_EQ(reader.GetInteger("SKIN2_TITLEBARICONPOSX"), 21);
  EXPECT_EQ(reader.GetInteger("SKIN2_TITLEBARREGIONMAXY"), 5);
  EXPECT_EQ(reader.GetInteger("SKIN2_BOTTOMREGIONMINY"), -1);
  EXPECT_EQ(reader.GetInteger("SKIN2_SYSTEMCOLOR1"), 0x00FF00);
  EXPECT_EQ(reader.GetInteger("SKIN2_SYSTEMCOLOR2"), 0x800000);
  EXPECT_TRUE(reader.GetBoolean("SKIN2_TITLEFIVESECT"));
  EXPECT_TRUE(reader.GetBoolean("SKIN2_RADIOBUTTONTRANS"));
  EXPECT_FALSE(reader.GetBoolean("SKIN2_TITLEBTNTRANS"));
}

TEST_F(SkinReader, BuiltInWindowShapeIsCutOnlyInTheTopTitleRows) {
  const Tsk2SkinFileReader reader(REPAIR_BUILTIN_SKIN, "");
  const std::uint32_t magenta = 0xFF00FF;
  // The rounded corners: magenta at the outer corner of the first and last
  // title pieces, within rows 0-5 only; no magenta in the pieces between,
  // in the borders or below row 5.
  EXPECT_EQ(reader.GetBitmap("SKIN2_TITLEBAR1")->Pixel(0, 0), magenta);
  EXPECT_EQ(reader.GetBitmap("SKIN2_TITLEBAR5")->Pixel(13, 0), magenta);
  for (const char* name : {"SKIN2_TITLEBAR1", "SKIN2_TITLEBAR2", "SKIN2_TITLEBAR3", "SKIN2_TITLEBAR4",
                           "SKIN2_TITLEBAR5", "SKIN2_FORMLEFTBORDER", "SKIN2_FORMRIGHTBORDER",
                           "SKIN2_FORMBOTTOMBORDER1", "SKIN2_MINIMIZEDTITLE", "SKIN2_TITLEBUTTONS"}) {
    const Tsk2Bitmap* b = reader.GetBitmap(name);
    const bool corner = std::strcmp(name, "SKIN2_TITLEBAR1") == 0 || std::strcmp(name, "SKIN2_TITLEBAR5") == 0;
    for (int y = 0; y < b->Height(); ++y)
      for (int x = 0; x < b->Width(); ++x)
        if (b->Pixel(x, y) == magenta) {
          EXPECT_TRUE(corner && y <= 5) << name << " (" << x << ", " << y << ")";
        }
  }
  // Scroll thumb cut as the scroll-bar resource expects: 18 wide, 63 high.
  EXPECT_EQ(reader.GetBitmap("SKIN2_SCROLLBAR")->Width(), 18);
}

}  // namespace
