// How long a list view takes to fill and to draw: the framework's list
// view (items kept in objects, texts asked for when drawn) against the
// platform's list view filled directly with its own copies of the texts,
// the least any list does. Both run interleaved, round after round, in one
// process; the harness prints their medians and the ratios. Not a test.
//   comctrls_list_timing [items] [rounds]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/Form.h"
#include "framework/comctrls/ListView.h"

namespace {

using Clock = std::chrono::steady_clock;

double Millis(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

std::wstring Name(int i) { return L"Item number " + std::to_wstring(i); }

// Every visible row drawn once.
void Draw(HWND list) {
  ::InvalidateRect(list, nullptr, TRUE);
  ::UpdateWindow(list);
}

struct Times {
  std::vector<double> fill, draw, recreate;
};

void OwnRound(TForm& form, int count, Times& t) {
  TListView* list = form.Create<TListView>();
  list->SetParent(&form);
  list->SetBounds(0, 0, 600, 400);
  list->SetViewStyle(vsReport);
  for (const wchar_t* caption : {L"Name", L"Size", L"Kind"}) list->Columns().Add().SetCaption(caption);
  t.fill.push_back(Millis([&] {
    list->Items().BeginUpdate();
    for (int i = 0; i < count; ++i) {
      TListItem* item = list->Items().Add();
      item->SetCaption(Name(i));
      item->SubItems().Add(std::to_string(i * 512));
      item->SubItems().Add("Text");
    }
    list->Items().EndUpdate();
  }));
  t.draw.push_back(Millis([&] { Draw(list->Handle()); }));
  t.recreate.push_back(Millis([&] {
    list->SetGridLines(true);
    list->SetReadOnly(true);  // re-creates the window with every item
    ::UpdateWindow(list->Handle());
  }));
  list->Free();
}

void PlatformRound(TForm& form, int count, Times& t) {
  HWND list = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 600,
                                400, form.Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  int column = 0;
  for (const wchar_t* caption : {L"Name", L"Size", L"Kind"}) {
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.cx = 50;
    c.pszText = const_cast<wchar_t*>(caption);
    ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column++), reinterpret_cast<LPARAM>(&c));
  }
  t.fill.push_back(Millis([&] {
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < count; ++i) {
      std::wstring name = Name(i), size = std::to_wstring(i * 512), kind = L"Text";
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = i;
      item.pszText = name.data();
      ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
      item.iSubItem = 1;
      item.pszText = size.data();
      ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      item.iSubItem = 2;
      item.pszText = kind.data();
      ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  }));
  t.draw.push_back(Millis([&] { Draw(list); }));
  ::DestroyWindow(list);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 5000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 7;
  TOwned<TForm> form = MakeComponent<TForm>();
  form->SetBounds(0, 0, 640, 440);
  form->Show();
  Times own, platform;
  for (int r = 0; r < rounds; ++r) {
    OwnRound(*form, count, own);
    PlatformRound(*form, count, platform);
  }
  std::printf("%d items, %d rounds, medians in ms\n", count, rounds);
  std::printf("fill      framework %8.2f  platform %8.2f  ratio %.2f\n", Median(own.fill), Median(platform.fill),
              Median(own.fill) / Median(platform.fill));
  std::printf("draw      framework %8.2f  platform %8.2f  ratio %.2f\n", Median(own.draw), Median(platform.draw),
              Median(own.draw) / Median(platform.draw));
  std::printf("recreate  framework %8.2f  (against its own fill: %.2f)\n", Median(own.recreate),
              Median(own.recreate) / Median(own.fill));
  return 0;
}
