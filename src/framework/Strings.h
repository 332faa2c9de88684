#pragma once
// TStrings: an ordered list of ANSI texts, each with an optional object
// pointer (not owned), and TStringList, the list that keeps its items itself.
//
// TStrings is the interface every list of texts shares: a list box's Items
// and a memo's Lines implement it over their window, TStringList over a
// vector. Code that fills or reads a list (Assign, AddStrings, Text,
// IndexOf) works with any of them:
//
//   TStringList names;
//   names.SetSorted(true);
//   names.SetDuplicates(dupIgnore);
//   names.Add("TForm");            // 0
//   names.Add("TButton");          // 0, "TForm" moves to 1
//   listBox->Items().Assign(names);
//
// Texts are byte strings in the ANSI code page; comparisons follow the
// user's locale (CompareStringA), case-insensitively unless a string list
// is made CaseSensitive. Text joins the items with CR LF after each one;
// setting it splits at CR LF, CR or LF.
//
// BeginUpdate/EndUpdate bracket a batch of changes: a string list raises
// OnChanging once at the first BeginUpdate and OnChange once at the last
// EndUpdate instead of once per change; controls stop redrawing meanwhile.
// Use TUpdateScope<TStrings> to keep the pair balanced across exceptions.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Object.h"
#include "framework/Types.h"

// What a sorted string list does with a text it already holds.
enum TDuplicates { dupIgnore, dupAccept, dupError };
inline constexpr std::string_view kDuplicatesNames[] = {"dupIgnore", "dupAccept", "dupError"};

class TStrings : public TObject {
  FW_CLASS(TStrings, TObject)
 public:
  TStrings() = default;
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  // Attributes
  virtual int Count() const = 0;
  // Throws EListError for an index outside 0..Count()-1.
  std::string Strings(int index) const;
  std::string operator[](int index) const { return Strings(index); }
  void SetStrings(int index, std::string_view text);
  TObject* Objects(int index) const;
  void SetObjects(int index, TObject* object);
  // Every item followed by CR LF.
  std::string Text() const;
  // Replaces the items by the lines of text (as one update).
  void SetText(std::string_view text);
  int UpdateCount() const noexcept { return updateCount_; }

  // Operations
  int Add(std::string_view text) { return AddObject(text, nullptr); }
  // The index the new item got (a sorted list puts it in order).
  virtual int AddObject(std::string_view text, TObject* object);
  void Insert(int index, std::string_view text) { InsertObject(index, text, nullptr); }
  // index may be Count() (append).
  virtual void InsertObject(int index, std::string_view text, TObject* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  // The first item equal to text (by CompareStrings), or -1.
  virtual int IndexOf(std::string_view text) const;
  int IndexOfObject(const TObject* object) const;
  // Moves the item (text and object) at curIndex to newIndex.
  virtual void Move(int curIndex, int newIndex);
  virtual void Exchange(int index1, int index2);
  // Replaces the items by a copy of source's (texts and objects).
  void Assign(const TStrings& source);
  void AddStrings(const TStrings& source);
  // Same count and the same texts, compared exactly.
  bool Equals(const TStrings& other) const;
  void BeginUpdate();
  void EndUpdate();

 protected:
  // Implementations. Index arguments have been checked by the callers above.
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, std::string_view text);
  virtual TObject* GetObject(int /*index*/) const { return nullptr; }
  virtual void PutObject(int /*index*/, TObject* /*object*/) {}
  // Inserts at a checked index in 0..Count().
  virtual void InsertItem(int index, std::string_view text, TObject* object) = 0;
  // Called at the first BeginUpdate (true) and the last EndUpdate (false).
  virtual void SetUpdateState(bool /*updating*/) {}
  // SetText's work; a list over a window may set the window's text at once.
  virtual void SetTextStr(std::string_view text);
  // <0, 0, >0 as a is before, equal to or after b; locale order, ignoring
  // case. String lists may compare with case.
  virtual int CompareStrings(std::string_view a, std::string_view b) const;
  // Throws EListError unless 0 <= index < limit.
  static void CheckIndex(int index, int limit);

 private:
  int updateCount_ = 0;
};

// Compares two ANSI texts in the user's locale: CompareStringA, with ties
// between texts that differ (the locale may weigh some characters as
// nothing) broken by their bytes (case-sensitive) or by their bytes with
// ASCII letters folded outside double-byte characters (ignoring case), so
// equal means the same text.
int CompareAnsiText(std::string_view a, std::string_view b, bool caseSensitive);

class TStringList : public TStrings {
  FW_CLASS(TStringList, TStrings)
 public:
  TStringList() = default;

  // Attributes
  int Count() const override { return static_cast<int>(items_.size()); }
  bool Sorted() const noexcept { return sorted_; }
  // Turning it on sorts the list; a sorted list refuses Insert, SetStrings,
  // Move and Exchange (EListError).
  void SetSorted(bool sorted);
  // Consulted by a sorted list only.
  TDuplicates Duplicates() const noexcept { return duplicates_; }
  void SetDuplicates(TDuplicates duplicates) noexcept { duplicates_ = duplicates; }
  bool CaseSensitive() const noexcept { return caseSensitive_; }
  // Changing it resorts a sorted list.
  void SetCaseSensitive(bool caseSensitive);

  // Operations
  int AddObject(std::string_view text, TObject* object) override;
  void InsertObject(int index, std::string_view text, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  int IndexOf(std::string_view text) const override;
  void Move(int curIndex, int newIndex) override;
  void Exchange(int index1, int index2) override;
  // Binary search of a sorted list: true when found (index is the first
  // equal item), else false with index where text would go.
  bool Find(std::string_view text, int& index) const;
  void Sort();
  // Sorts with compare(list, i, j) < 0 meaning item i goes before item j;
  // stable. Does not make the list Sorted.
  void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);

  // Events, raised around every change (once per update, see BeginUpdate).
  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  std::string Get(int index) const override { return items_[static_cast<size_t>(index)].text; }
  void Put(int index, std::string_view text) override;
  TObject* GetObject(int index) const override { return items_[static_cast<size_t>(index)].object; }
  void PutObject(int index, TObject* object) override;
  void InsertItem(int index, std::string_view text, TObject* object) override;
  void SetUpdateState(bool updating) override;
  int CompareStrings(std::string_view a, std::string_view b) const override {
    return CompareAnsiText(a, b, caseSensitive_);
  }
  virtual void Changing();
  virtual void Changed();

 private:
  struct Item {
    std::string text;
    TObject* object;
  };
  void RequireUnsorted() const;
  void SortItems();

  std::vector<Item> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  TDuplicates duplicates_ = dupIgnore;
};
