// The key-name list: four groups at their bases, names where the keys
// point.
#include "Skin2Define.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(Skin2Define, GroupsFollowEachOtherAtTheirBases) {
  EXPECT_EQ(kSkin2ColorBase + kSkin2ColorCount, kSkin2BitmapBase);
  EXPECT_EQ(kSkin2BitmapBase + kSkin2BitmapCount, kSkin2MetricBase);
  EXPECT_EQ(kSkin2MetricBase + kSkin2MetricCount, kSkin2FlagBase);
  EXPECT_EQ(kSkin2FlagBase + kSkin2FlagCount, kSkin2KeyCount);
  // The last key of each group is the last name of its group.
  EXPECT_EQ(Skin2KeyName(SKIN2_SIDECHANNELBORDERCOLOR), Skin2KeyNames[kSkin2BitmapBase - 1]);
  EXPECT_EQ(Skin2KeyName(SKIN2_SCROLLBUTTON), Skin2KeyNames[kSkin2MetricBase - 1]);
  EXPECT_EQ(Skin2KeyName(SKIN2_BOTTOMREGIONMAXY), Skin2KeyNames[kSkin2FlagBase - 1]);
  EXPECT_EQ(Skin2KeyName(SKIN2_TABCONTROLTRANS), Skin2KeyNames[kSkin2KeyCount - 1]);
}

TEST(Skin2Define, KeysNameTheirOwnEntries) {
  EXPECT_EQ(Skin2KeyName(SKIN2_TRANSCOLOR), "SKIN2_TRANSCOLOR");
  EXPECT_EQ(Skin2KeyName(SKIN2_SCROLLBARCOLOR), "SKIN2_SCROLLBARCOLOR");
  EXPECT_EQ(Skin2KeyName(SKIN2_TITLEBAR1), "SKIN2_TITLEBAR1");
  EXPECT_EQ(Skin2KeyName(SKIN2_MENUBAR), "SKIN2_MENUBAR");
  EXPECT_EQ(Skin2KeyName(SKIN2_TRACKBAR), "SKIN2_TRACKBAR");
  EXPECT_EQ(Skin2KeyName(SKIN2_SCROLLBAR), "SKIN2_SCROLLBAR");
  EXPECT_EQ(Skin2KeyName(SKIN2_TITLEBARICONPOSX), "SKIN2_TITLEBARICONPOSX");
  EXPECT_EQ(Skin2KeyName(SKIN2_TITLEBARREGIONMAXY), "SKIN2_TITLEBARREGIONMAXY");
  EXPECT_EQ(Skin2KeyName(SKIN2_TITLEFIVESECT), "SKIN2_TITLEFIVESECT");
  EXPECT_EQ(Skin2KeyName(SKIN2_RADIOBUTTONTRANS), "SKIN2_RADIOBUTTONTRANS");
  // Out of its group a key names nothing.
  EXPECT_TRUE(Skin2KeyName(static_cast<TSkin2FlagKey>(9)).empty());
  EXPECT_TRUE(Skin2KeyName(static_cast<TSkin2ColorKey>(32)).empty());
}

TEST(Skin2Define, NamesAreDistinctSkinNames) {
  std::set<std::string_view> seen;
  for (std::string_view name : Skin2KeyNames) {
    EXPECT_EQ(name.substr(0, 6), "SKIN2_") << name;
    EXPECT_LT(name.size(), 64u) << name;
    EXPECT_TRUE(seen.insert(name).second) << "twice: " << name;
  }
}
