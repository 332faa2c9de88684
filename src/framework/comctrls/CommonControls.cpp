#include "framework/comctrls/CommonControls.h"

#include "framework/WinControl.h"

namespace {

// Reaches the entries that controls share (never made).
struct TSharedEntries : TWinControl {
  static std::vector<TPropInfo> Get() {
    return {PropLeft(), PropTop(),     PropWidth(),   PropHeight(), PropAlign(),
            PropAnchors(), PropEnabled(), PropVisible(), PropHint()};
  }
};

}  // namespace

std::vector<TPropInfo> WithCommonProperties(std::initializer_list<TPropInfo> own) {
  std::vector<TPropInfo> list = TSharedEntries::Get();
  list.insert(list.end(), own.begin(), own.end());
  return list;
}

void InitCommonControlClasses(DWORD classes) {
  static DWORD loaded = 0;  // GUI thread only
  if ((loaded & classes) == classes) return;
  INITCOMMONCONTROLSEX icc{sizeof(icc), classes};
  if (::InitCommonControlsEx(&icc)) loaded |= classes;
}

TCustomDrawStage CustomDrawStage(DWORD drawStage) noexcept {
  switch (drawStage & ~static_cast<DWORD>(CDDS_ITEM | CDDS_SUBITEM)) {
    case CDDS_POSTPAINT: return cdPostPaint;
    case CDDS_PREERASE: return cdPreErase;
    case CDDS_POSTERASE: return cdPostErase;
    default: return cdPrePaint;
  }
}
