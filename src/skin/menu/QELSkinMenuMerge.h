#pragma once
// The top-level items a skinned form's menu bar shows: the form's main
// menu merged with the active MDI child's. Every caller goes through this
// one function, so the merge rule lives in one place.
#include <vector>

class TMainMenu;
class TMenuItem;

// The form's items with the child's merged in by GroupIndex, as the
// framework merges them (either menu may be null).
std::vector<TMenuItem*> MergedMenuItems(TMainMenu* formMenu, TMainMenu* childMenu);
