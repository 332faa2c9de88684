// Files the package reader writes: each open mode against a free and a
// taken name, reading a delete-on-close file while it is open, and saving
// to a new temporary file.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "Skin2File.h"
#include "Skin2TempName.h"
#include "SkinTestFiles.h"

namespace {

const TBytes kOld(300, 0x55);      // longer than what replaces it: no tail may survive
const TBytes kNew = {1, 2, 3, 4, 5};

TBytes ReadByName(const std::filesystem::path& name) {
  TBytes bytes;
  return Sk2ReadFile(name, bytes) ? bytes : TBytes{0xEE};
}

}  // namespace

TEST(OutputFile, EachModeOnAFreeAndATakenName) {
  struct Case {
    unsigned mode;
    bool taken;         // a file of that name exists before
    bool opens;
    bool leftAfterClose;
    bool closeByDestructor;
  };
  constexpr unsigned kNewOnly = TSk2OutputFile::NewOnly, kDelete = TSk2OutputFile::DeleteOnClose;
  const Case cases[] = {
      {TSk2OutputFile::Replace, false, true, true, false},
      {TSk2OutputFile::Replace, true, true, true, true},
      {kNewOnly, false, true, true, false},
      {kNewOnly, true, false, true, false},
      {kDelete, false, true, false, false},
      {kDelete, true, true, false, true},
      {kNewOnly | kDelete, false, true, false, true},
      {kNewOnly | kDelete, true, false, true, false},
  };
  TPrivateTempDir temp;
  int row = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE("case " + std::to_string(row++));
    const std::filesystem::path name = temp.Path() / "out.bin";
    std::filesystem::remove(name);
    if (c.taken) WriteBytes(name, kOld);
    {
      TSk2OutputFile file(name, c.mode);
      ASSERT_EQ(file.Valid(), c.opens);
      EXPECT_EQ(file.NameTaken(), !c.opens);
      if (!c.opens) {
        EXPECT_FALSE(file.Write(kNew.data(), kNew.size()));
        EXPECT_FALSE(file.Close());
        EXPECT_EQ(ReadBytes(name), kOld) << "a taken name is left alone";
        continue;
      }
      ASSERT_TRUE(file.Write(kNew.data(), 2));
      ASSERT_TRUE(file.Write(kNew.data() + 2, kNew.size() - 2));
      EXPECT_EQ(file.Written(), kNew.size());
      // Readable back through the handle and, meanwhile, by its name.
      TBytes back;
      ASSERT_TRUE(file.ReadBack(back));
      EXPECT_EQ(back, kNew);
      EXPECT_EQ(ReadByName(name), kNew);
      if (!c.closeByDestructor) {
        EXPECT_TRUE(file.Close());
      }
    }
    EXPECT_EQ(std::filesystem::exists(name), c.leftAfterClose);
    if (c.leftAfterClose) {
      EXPECT_EQ(ReadBytes(name), kNew);
    }
  }
  TBytes none;
  EXPECT_FALSE(Sk2ReadFile(temp.Path() / "missing.bin", none));
  EXPECT_TRUE(Sk2SaveFile(temp.Path() / "saved.bin", kNew));
  EXPECT_EQ(ReadBytes(temp.Path() / "saved.bin"), kNew);
}

TEST(SaveTempFile, NewGuidNamedFileThatGoesWithItsHandle) {
  TPrivateTempDir temp;
  std::filesystem::path name;
  {
    const std::unique_ptr<TSk2OutputFile> file = Sk2SaveTempFile(kOld, ".qsk");
    ASSERT_NE(file, nullptr);
    name = file->Name();
    EXPECT_EQ(name.parent_path(), temp.Path());
    EXPECT_TRUE(std::regex_match(name.filename().string(),
                                 std::regex(R"(\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\}\.qsk)")))
        << name;
    EXPECT_EQ(ReadByName(name), kOld);
    EXPECT_NE(Sk2SaveTempFile(kNew, ".qsk")->Name(), name) << "each save its own file";
  }
  EXPECT_FALSE(std::filesystem::exists(name));
  EXPECT_EQ(temp.CountOther(), 0u);

  // A temporary directory that takes no file fails the save, at once.
  std::filesystem::remove_all(temp.Path());
  EXPECT_EQ(Sk2SaveTempFile(kNew, ".qsk"), nullptr);
}
