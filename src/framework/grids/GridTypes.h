#pragma once
// Value types and events of the grids: options, cell coordinates and
// ranges, the drawing state of a cell.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "framework/Object.h"

// What a grid shows and lets the user do (a set: an OR of the flags).
enum TGridOption : unsigned {
  goFixedVertLine = 1u << 0,      // lines between fixed columns
  goFixedHorzLine = 1u << 1,      // lines between fixed rows
  goVertLine = 1u << 2,           // lines between scrollable columns
  goHorzLine = 1u << 3,           // lines between scrollable rows
  goRangeSelect = 1u << 4,        // Shift+keys and mouse drags select a range
  goDrawFocusSelected = 1u << 5,  // the focused cell is drawn selected too
  goRowSizing = 1u << 6,          // row heights change by dragging in the fixed columns
  goColSizing = 1u << 7,          // column widths change by dragging in the fixed rows
  goRowMoving = 1u << 8,          // a row moves by dragging its heading
  goColMoving = 1u << 9,          // a column moves by dragging its heading
  goEditing = 1u << 10,           // cells are edited in place
  goTabs = 1u << 11,              // Tab and Shift+Tab move between cells
  goRowSelect = 1u << 12,         // whole rows are selected
  goThumbTracking = 1u << 13,     // the view follows a dragged scroll thumb
};
using TGridOptions = unsigned;
inline constexpr std::string_view kGridOptionNames[] = {
    "goFixedVertLine", "goFixedHorzLine", "goVertLine",  "goHorzLine",  "goRangeSelect",
    "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
    "goEditing",       "goTabs",          "goRowSelect", "goThumbTracking"};

// How a cell is being drawn (a set).
enum TGridDrawStateFlag : unsigned {
  gdSelected = 1,  // inside the selection
  gdFocused = 2,   // the current cell of a focused grid
  gdFixed = 4,     // a fixed (heading) cell
};
using TGridDrawState = unsigned;

// A cell: column X, row Y; (-1, -1) for none.
struct TGridCoord {
  int X = -1;
  int Y = -1;
  bool operator==(const TGridCoord&) const = default;
};

// A block of cells, both corners included.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const TGridRect&) const = default;
  bool Contains(int col, int row) const noexcept {
    return col >= Left && col <= Right && row >= Top && row <= Bottom;
  }
};

// Raised by a grid asked for an impossible shape (FixedCols >= ColCount).
class EInvalidGridOperation : public Exception {
 public:
  using Exception::Exception;
};

using TDrawCellEvent =
    std::function<void(TObject& sender, int col, int row, const RECT& rect, TGridDrawState state)>;
// A column or row moved from one index to another.
using TMovedEvent = std::function<void(TObject& sender, int fromIndex, int toIndex)>;
using TSelectCellEvent = std::function<void(TObject& sender, int col, int row, bool& canSelect)>;
// Edit texts are data texts: ANSI byte strings.
using TGetEditEvent = std::function<void(TObject& sender, int col, int row, std::string& value)>;
using TSetEditEvent = std::function<void(TObject& sender, int col, int row, const std::string& value)>;
