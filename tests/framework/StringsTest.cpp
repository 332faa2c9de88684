// String lists: order, duplicates, case, text, objects and change events.
#include "framework/Strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Component.h"

namespace {

std::vector<std::string> Items(const TStrings& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
  return items;
}

struct AddCase {
  const char* name;
  bool sorted;
  TDuplicates duplicates;
  bool caseSensitive;
  std::vector<std::string> added;
  std::vector<int> indexes;  // what each Add answered; -1: not checked
  std::vector<std::string> expected;
  bool anyOrder = false;  // the locale decides the order
};

TEST(StringsTest, AddKeepsOrderDuplicatesAndCaseAsConfigured) {
  // Two GBK characters whose trail bytes are 'A' and 'a': distinct texts
  // however case is treated.
  const std::string up = "\x81\x41", low = "\x81\x61";
  const AddCase cases[] = {
      {"unsorted appends", false, dupIgnore, false, {"b", "a", "b"}, {0, 1, 2}, {"b", "a", "b"}},
      {"sorted ignores equal texts", true, dupIgnore, false, {"b", "A", "a", "B"}, {0, 0, 0, 1},
       {"A", "b"}},
      {"sorted accepts duplicates", true, dupAccept, false, {"b", "a", "b"}, {0, 0, 1},
       {"a", "b", "b"}},
      {"case-sensitive keeps both cases", true, dupIgnore, true, {"a", "A", "a"}, {0, -1, -1},
       {"a", "A"}, true},
      {"double-byte trail bytes are not letters", true, dupIgnore, false, {up, low, up},
       {0, -1, -1}, {up, low}, true},
      {"empty text sorts first", true, dupIgnore, false, {"x", "", "x"}, {0, 0, 1}, {"", "x"}},
  };
  for (const AddCase& c : cases) {
    SCOPED_TRACE(c.name);
    TStringList list;
    list.SetSorted(c.sorted);
    list.SetDuplicates(c.duplicates);
    list.SetCaseSensitive(c.caseSensitive);
    std::vector<int> indexes;
    for (const std::string& s : c.added) indexes.push_back(list.Add(s));
    std::vector<std::string> items = Items(list), expected = c.expected;
    if (c.anyOrder) {
      std::sort(items.begin(), items.end());
      std::sort(expected.begin(), expected.end());
    }
    EXPECT_EQ(items, expected);
    for (size_t i = 0; i < c.indexes.size(); ++i) {
      if (c.indexes[i] >= 0) {
        EXPECT_EQ(indexes[i], c.indexes[i]) << "add #" << i;
      }
    }
    for (const std::string& s : c.expected) EXPECT_EQ(list[list.IndexOf(s)], s);
    for (int i = 1; c.sorted && i < list.Count(); ++i)
      EXPECT_LE(CompareAnsiText(list[i - 1], list[i], c.caseSensitive), 0);
  }
}

TEST(StringsTest, SortedListsRefuseWhatWouldBreakTheirOrder) {
  TStringList list;
  list.SetText("c\r\na\r\nb");
  list.SetSorted(true);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b", "c"}));
  int index = -1;
  EXPECT_TRUE(list.Find("B", index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(list.Find("bb", index));
  EXPECT_EQ(index, 2);  // where it would go

  EXPECT_THROW(list.Insert(0, "z"), EListError);
  EXPECT_THROW(list.SetStrings(0, "z"), EListError);
  EXPECT_THROW(list.Move(0, 2), EListError);
  EXPECT_THROW(list.Exchange(0, 2), EListError);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add("A"), EListError);
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\n");  // nothing changed

  // Case sensitivity applies at once: "B" is now another text.
  list.SetCaseSensitive(true);
  list.Add("B");
  EXPECT_EQ(list.Count(), 4);
  EXPECT_NE(list.IndexOf("b"), list.IndexOf("B"));
  EXPECT_EQ(list.IndexOf("C"), -1);
}

TEST(StringsTest, IndexesOutsideTheListThrow) {
  TStringList list;
  list.SetText("a\r\nb");
  EXPECT_THROW(list.Strings(-1), EListError);
  EXPECT_THROW(list.Strings(2), EListError);
  EXPECT_THROW(list.Objects(2), EListError);
  EXPECT_THROW(list.SetStrings(2, "x"), EListError);
  EXPECT_THROW(list.Delete(2), EListError);
  EXPECT_THROW(list.Insert(3, "x"), EListError);
  EXPECT_THROW(list.Move(0, 2), EListError);
  list.Insert(2, "c");  // Count() appends
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\n");
}

TEST(StringsTest, TextSplitsAtAnyLineBreakAndJoinsWithCrLf) {
  const struct {
    const char* text;
    std::vector<std::string> lines;
    const char* joined;
  } cases[] = {
      {"", {}, ""},
      {"one", {"one"}, "one\r\n"},
      {"one\r\ntwo\r\n", {"one", "two"}, "one\r\ntwo\r\n"},
      {"a\r\n\r\nb", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
      {"a\nb\rc\n\rd", {"a", "b", "c", "", "d"}, "a\r\nb\r\nc\r\n\r\nd\r\n"},
      {"\r\n", {""}, "\r\n"},
      // "报修", "登记" in GBK bytes
      {"\xB1\xA8\xD0\xDE\r\n\xB5\xC7\xBC\xC7", {"\xB1\xA8\xD0\xDE", "\xB5\xC7\xBC\xC7"},
       "\xB1\xA8\xD0\xDE\r\n\xB5\xC7\xBC\xC7\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TStringList list;
    list.Add("old");
    list.SetText(c.text);
    EXPECT_EQ(Items(list), c.lines);
    EXPECT_EQ(list.Text(), c.joined);
  }
}

// Objects travel with their texts.
TEST(StringsTest, ObjectsFollowTheirTextsThroughMovesSortsAndCopies) {
  TObject one, two, three;
  TStringList list;
  list.AddObject("two", &two);
  list.AddObject("three", &three);
  list.InsertObject(0, "one", &one);
  list.Move(0, 2);       // two three one
  list.Exchange(0, 1);   // three two one
  EXPECT_EQ(Items(list), (std::vector<std::string>{"three", "two", "one"}));
  EXPECT_EQ(list.Objects(0), &three);
  EXPECT_EQ(list.IndexOfObject(&one), 2);

  list.CustomSort([](const TStringList& l, int i, int j) {
    return static_cast<int>(l[i].size()) - static_cast<int>(l[j].size());
  });
  EXPECT_EQ(Items(list), (std::vector<std::string>{"two", "one", "three"}));  // stable

  TStringList copy;
  copy.Add("gone");
  copy.Assign(list);
  copy.SetSorted(true);
  EXPECT_EQ(Items(copy), (std::vector<std::string>{"one", "three", "two"}));
  EXPECT_EQ(copy.Objects(copy.IndexOf("ONE")), &one);
  EXPECT_EQ(copy.Objects(2), &two);
  EXPECT_TRUE(copy.Equals(copy));
  EXPECT_FALSE(copy.Equals(list));  // same texts, other order

  list.AddStrings(list);  // adding a list to itself doubles it
  EXPECT_EQ(list.Count(), 6);
  EXPECT_EQ(list.Objects(5), &three);
  list.SetStrings(5, "drei");
  EXPECT_EQ(list.Objects(5), &three);
}

TEST(StringsTest, ChangeEventsComeOncePerUpdate) {
  TStringList list;
  std::string log;
  list.OnChanging = [&](TObject& sender) {
    EXPECT_EQ(&sender, &list);
    log += "<";
  };
  list.OnChange = [&](TObject&) { log += ">" + std::to_string(list.Count()) + " "; };

  list.Add("a");
  list.Insert(0, "b");
  list.Delete(1);
  list.Clear();
  list.Clear();  // nothing to clear: no event
  EXPECT_EQ(log, "<>1 <>2 <>1 <>0 ");

  log.clear();
  {
    TUpdateScope<TStrings> outer(list);
    list.BeginUpdate();
    list.SetText("x\r\ny\r\nz");
    list.Exchange(0, 2);
    list.EndUpdate();
    EXPECT_EQ(log, "<");
  }
  EXPECT_EQ(log, "<>3 ");
  list.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(list.UpdateCount(), 0);

  // A failed operation leaves the update closed again.
  log.clear();
  EXPECT_THROW(list.Move(0, 9), EListError);
  list.SetSorted(true);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.SetText("q\r\nq"), EListError);
  EXPECT_EQ(list.UpdateCount(), 0);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"q"}));
}

// A component that publishes a list of texts, as a memo publishes Lines.
class TListHolder : public TComponent {
  FW_CLASS(TListHolder, TComponent)
 public:
  using TComponent::TComponent;
  static std::vector<TPropInfo> PublishedProperties() {
    return {ObjProp<TListHolder>("Lines", "TStrings", &TListHolder::Lines)};
  }
  TStrings& Lines() { return lines_; }

 private:
  TStringList lines_;
};

TEST(StringsTest, AListPublishedAsTStringsIsFoundByItsTypeName) {
  TOwned<TListHolder> holder = MakeComponent<TListHolder>();
  holder->Lines().SetText("first\r\nsecond");
  auto* lines = GetObjectProp<TStrings>(*holder, "Lines", "TStrings");
  ASSERT_EQ(lines, &holder->Lines());
  EXPECT_TRUE(lines->Is<TStrings>());
  EXPECT_EQ(lines->ClassName(), "TStringList");
  EXPECT_EQ(lines->Strings(1), "second");
  EXPECT_THROW(GetObjectProp(*holder, "Lines", "TStringList"), EPropertyError);
}

}  // namespace
