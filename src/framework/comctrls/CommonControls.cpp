#include "framework/comctrls/CommonControls.h"

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
