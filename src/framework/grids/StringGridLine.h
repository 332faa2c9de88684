#pragma once
// TStringGridLine: one column or row of a string grid as a list of texts
// (TStringGrid::Cols, Rows). Reading and writing its items reads and
// writes the cells; Clear empties them; Add fills them from the first one
// on (after a Clear), so Assign copies a list into them and drops the
// texts that do not fit. A line keeps its length: Insert and Delete throw
// EInvalidGridOperation.
#include <string>
#include <string_view>

#include "framework/Strings.h"

class TStringGrid;

// One column or row of a string grid as a list of texts.
class TStringGridLine : public TStrings {
  FW_CLASS(TStringGridLine, TStrings)
 public:
  TStringGridLine(TStringGrid& grid, bool column, int index) noexcept
      : grid_(grid), column_(column), index_(index) {}

  int Count() const override;
  int AddObject(std::string_view text, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;

 protected:
  std::string Get(int index) const override;
  void Put(int index, std::string_view text) override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  void InsertItem(int index, std::string_view text, TObject* object) override;

 private:
  int Col(int item) const noexcept { return column_ ? index_ : item; }
  int Row(int item) const noexcept { return column_ ? item : index_; }

  TStringGrid& grid_;
  bool column_;
  int index_;
  int added_ = 0;  // cells filled by Add since the last Clear
};

