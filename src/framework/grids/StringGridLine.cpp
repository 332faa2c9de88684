#include "framework/grids/StringGridLine.h"

#include "framework/grids/StringGrid.h"

int TStringGridLine::Count() const { return column_ ? grid_.RowCount() : grid_.ColCount(); }

std::string TStringGridLine::Get(int index) const { return grid_.Cells(Col(index), Row(index)); }

void TStringGridLine::Put(int index, std::string_view text) { grid_.SetCells(Col(index), Row(index), text); }

TObject* TStringGridLine::GetObject(int index) const { return grid_.Objects(Col(index), Row(index)); }

void TStringGridLine::PutObject(int index, TObject* object) { grid_.SetObjects(Col(index), Row(index), object); }

int TStringGridLine::AddObject(std::string_view text, TObject* object) {
  if (added_ >= Count()) return -1;  // the line is full: the text is dropped
  const int index = added_++;
  Put(index, text);
  PutObject(index, object);
  return index;
}

void TStringGridLine::Clear() {
  for (int i = 0; i < Count(); ++i) {
    Put(i, {});
    PutObject(i, nullptr);
  }
  added_ = 0;
}

void TStringGridLine::Delete(int /*index*/) {
  throw EInvalidGridOperation("A grid's column or row keeps its length");
}

void TStringGridLine::InsertItem(int /*index*/, std::string_view /*text*/, TObject* /*object*/) {
  throw EInvalidGridOperation("A grid's column or row keeps its length");
}

