// Extracting members from skin packages: the container rules, deciphering,
// size checks and the rule that a failed extraction leaves no file.
#include <gtest/gtest.h>

#include <string>

#include "Skin2Package.h"
#include "Skin2SkinReader.h"
#include "Skin2ZipCrypto.h"
#include "SkinTestFiles.h"

namespace {

class PackageExtraction : public ::testing::Test {
 protected:
  TBytes Plain(std::size_t n = 5000) {
    TBytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>("skin data "[i % 10] + i / 700);
    return b;
  }
  // Writes the package and extracts entry from it; the output file must
  // exist exactly when the result is 0.
  int Extract(const TBytes& package, const std::string& entry = "SKINDATA.SK2", const std::string& password = {}) {
    WriteBytes(packageFile_, package);
    std::filesystem::remove(outFile_);
    const int result = Tsk2SkinFileReader::ExtractPackageEntry(packageFile_, entry, outFile_, password);
    EXPECT_EQ(std::filesystem::exists(outFile_), result == 0) << "result " << result;
    return result;
  }
  TBytes Output() { return ReadBytes(outFile_); }

  TPrivateTempDir temp_;
  std::filesystem::path packageFile_ = temp_.Path() / "test.qsk";
  std::filesystem::path outFile_ = temp_.Path() / "out.bin";
};

TEST_F(PackageExtraction, PlainMemberRoundTripsAndMemberNamesIgnoreAsciiCase) {
  EXPECT_EQ(Extract(SkinPackage(Plain())), 0);
  EXPECT_EQ(Output(), Plain());
  EXPECT_EQ(Extract(SkinPackage(Plain(), {}, "skindata.sk2")), 0);
  EXPECT_EQ(Extract(SkinPackage(Plain(), {}, "SkinData.Sk2"), "sKiNdAtA.sK2"), 0);
  EXPECT_EQ(Output(), Plain());
}

TEST_F(PackageExtraction, PicksTheNamedMemberAmongSeveral) {
  const TBytes other = Plain(300);
  const TBytes package = BuildPackage({TPackageMember::FromPlain("README.TXT", other),
                                       TPackageMember::FromPlain("SKINDATA.SK2", Plain()),
                                       TPackageMember::FromPlain("SKINDATA.SK2", other)});
  EXPECT_EQ(Extract(package), 0);
  EXPECT_EQ(Output(), Plain());  // the first of two equal names
  EXPECT_EQ(Extract(package, "readme.txt"), 0);
  EXPECT_EQ(Output(), other);
  EXPECT_EQ(Extract(package, "MISSING.BIN"), 1);
}

TEST_F(PackageExtraction, ContainerFaultsGiveResult1) {
  TBytes pk = SkinPackage(Plain());
  pk[0] = 'P';
  EXPECT_EQ(Extract(pk), 1) << "PK instead of SK";

  TPackageOptions withComment;
  withComment.comment = "made by hand";
  EXPECT_EQ(Extract(BuildPackage({TPackageMember::FromPlain("SKINDATA.SK2", Plain())}, withComment)), 1)
      << "zip comment";

  TBytes noEnd = SkinPackage(Plain());
  noEnd.push_back(0);
  EXPECT_EQ(Extract(noEnd), 1) << "end record not at the end";

  EXPECT_EQ(Extract({'S', 'K'}), 1) << "two bytes";
  EXPECT_EQ(Extract({}), 1) << "empty file";

  std::filesystem::remove(packageFile_);
  EXPECT_EQ(Tsk2SkinFileReader::ExtractPackageEntry(packageFile_, "SKINDATA.SK2", outFile_, ""), 1) << "missing file";
  EXPECT_FALSE(std::filesystem::exists(outFile_));
}

TEST_F(PackageExtraction, CentralDirectoryOffsetsAndSizesAreChecked) {
  const TBytes good = SkinPackage(Plain());
  const std::size_t end = good.size() - 22;
  const std::uint32_t directory = Sk2Le32(good.data() + end + 16);

  TBytes beyond = good;  // directory offset past the end record
  beyond[end + 16] = 0xFF, beyond[end + 17] = 0xFF, beyond[end + 18] = 0xFF;
  EXPECT_EQ(Extract(beyond), 1);

  TBytes longName = good;  // name runs into the end record
  longName[directory + 28] = 0x40;
  EXPECT_EQ(Extract(longName), 1);

  TBytes hugeName = good;  // 260 bytes or more
  hugeName[directory + 28] = 0x04, hugeName[directory + 29] = 0x01;
  EXPECT_EQ(Extract(hugeName), 1);

  TBytes shortRecord = good;  // directory starts 10 bytes before the end record
  const std::uint32_t late = static_cast<std::uint32_t>(end - 10);
  for (int i = 0; i < 4; ++i) shortRecord[end + 16 + i] = static_cast<std::uint8_t>(late >> (8 * i));
  EXPECT_EQ(Extract(shortRecord), 1);

  // A local header offset outside the file: the output was already
  // created, so the size check turns the failure into result 2.
  TBytes badLocal = good;
  badLocal[directory + 42] = 0xF0, badLocal[directory + 45] = 0x7F;
  EXPECT_EQ(Extract(badLocal), 2);

  TBytes badLocalNames = good;  // local name and extra lengths point past the end
  badLocalNames[26] = 0xFF, badLocalNames[27] = 0xFF, badLocalNames[28] = 0xFF, badLocalNames[29] = 0xFF;
  EXPECT_EQ(Extract(badLocalNames), 2);
}

TEST_F(PackageExtraction, DeclaredSizeMustMatch) {
  TPackageMember m = TPackageMember::FromPlain("SKINDATA.SK2", Plain());
  m.uncompressedSize += 1;
  EXPECT_EQ(Extract(BuildPackage({m})), 2) << "declared larger";
  m.uncompressedSize -= 2;
  EXPECT_EQ(Extract(BuildPackage({m})), 2) << "declared smaller";
}

TEST_F(PackageExtraction, DecompressionBombStopsAtTheDeclaredSize) {
  // 16 MiB of zeros declared as 1,000 bytes: extraction must stop early
  // and leave nothing behind.
  TPackageMember m = TPackageMember::FromPlain("SKINDATA.SK2", TBytes(16u << 20, 0));
  m.uncompressedSize = 1000;
  EXPECT_EQ(Extract(BuildPackage({m})), 2);
}

TEST_F(PackageExtraction, EmptyMemberAndBrokenStreams) {
  EXPECT_EQ(Extract(SkinPackage({})), 1) << "empty output without other error";

  TPackageMember truncated = TPackageMember::FromPlain("SKINDATA.SK2", Plain());
  truncated.stored.resize(truncated.stored.size() / 2);
  EXPECT_EQ(Extract(BuildPackage({truncated})), 2);

  TPackageMember type3 = TPackageMember::FromPlain("SKINDATA.SK2", Plain());
  type3.stored = {0x07, 0, 0, 0};
  EXPECT_EQ(Extract(BuildPackage({type3})), 2);
}

TEST_F(PackageExtraction, EncipheredMembers) {
  const TBytes package = SkinPackage(Plain(), "secret");
  EXPECT_EQ(Extract(package, "SKINDATA.SK2", "secret"), 0);
  EXPECT_EQ(Output(), Plain());
  EXPECT_EQ(Extract(package, "SKINDATA.SK2", ""), 2) << "empty password";
  EXPECT_EQ(Extract(package, "SKINDATA.SK2", "Secret"), 2) << "wrong password";
  EXPECT_EQ(Extract(package, "SKINDATA.SK2", "secret!"), 2) << "wrong password";
  // A password for a plain member is not needed and does no harm.
  EXPECT_EQ(Extract(SkinPackage(Plain()), "SKINDATA.SK2", "secret"), 0);
}

TEST_F(PackageExtraction, DataDescriptorFlagTakesTheCheckByteFromTheTime) {
  TPackageMember m = TPackageMember::FromPlain("SKINDATA.SK2", Plain(), 9, "pw", 5);
  // Re-encipher with the check byte of the modification time.
  TBytes plainStream = m.stored;
  TSk2ZipKeys decrypt("pw");
  decrypt.Decrypt(plainStream.data(), plainStream.size());
  m.flags |= 8;
  m.modTime = 0xA400;
  plainStream[11] = 0xA4;
  TSk2ZipKeys encrypt("pw");
  encrypt.Encrypt(plainStream.data(), plainStream.size());
  m.stored = plainStream;
  EXPECT_EQ(Extract(BuildPackage({m}), "SKINDATA.SK2", "pw"), 0);
  EXPECT_EQ(Output(), Plain());
  m.modTime = 0xA500;
  EXPECT_EQ(Extract(BuildPackage({m}), "SKINDATA.SK2", "pw"), 2);
}

TEST_F(PackageExtraction, KnownCiphertextOfTheKeyStream) {
  // Enciphering 12 zero bytes with password "a" and deciphering them again
  // gives the zeros back, and the key stream is not trivially zero.
  TBytes data(12, 0);
  TSk2ZipKeys keys("a");
  keys.Encrypt(data.data(), data.size());
  EXPECT_NE(data, TBytes(12, 0));
  TSk2ZipKeys back("a");
  back.Decrypt(data.data(), data.size());
  EXPECT_EQ(data, TBytes(12, 0));
  const std::uint8_t check[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(Sk2Crc32(0, check, 9), 0xCBF43926u);
}

TEST_F(PackageExtraction, ListsEveryCentralRecord) {
  const TBytes package = BuildPackage({TPackageMember::FromPlain("A", Plain(10)), TPackageMember::FromPlain("B", Plain(20))});
  WriteBytes(packageFile_, package);
  TSk2RandomAccessFile file(packageFile_);
  std::vector<std::string> names;
  ASSERT_TRUE(Sk2ScanPackage(file, [&](const TSk2CentralRecord& r) {
    names.push_back(r.name + ":" + std::to_string(r.uncompressedSize));
    return true;
  }));
  EXPECT_EQ(names, (std::vector<std::string>{"A:10", "B:20"}));
}

}  // namespace
