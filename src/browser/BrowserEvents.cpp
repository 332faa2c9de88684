#include "BrowserEvents.h"

#include <exdisp.h>
#include <exdispid.h>

namespace {

// Event arguments arrive by value or by reference, and a by-reference
// VARIANT may hold another; these read through every layer.
const VARIANT& Deref(const VARIANT& v) {
  if (v.vt == (VT_VARIANT | VT_BYREF) && v.pvarVal != nullptr) return Deref(*v.pvarVal);
  return v;
}

IDispatch* DispatchArg(const VARIANT& arg) {
  const VARIANT& v = Deref(arg);
  if (v.vt == VT_DISPATCH) return v.pdispVal;
  if (v.vt == (VT_DISPATCH | VT_BYREF) && v.ppdispVal != nullptr) return *v.ppdispVal;
  return nullptr;
}

std::wstring StringArg(const VARIANT& arg) {
  const VARIANT& v = Deref(arg);
  const BSTR text = v.vt == VT_BSTR ? v.bstrVal : v.vt == (VT_BSTR | VT_BYREF) && v.pbstrVal ? *v.pbstrVal : nullptr;
  return text != nullptr ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
}

long LongArg(const VARIANT& arg) {
  const VARIANT& v = Deref(arg);
  if (v.vt == VT_I4) return v.lVal;
  if (v.vt == (VT_I4 | VT_BYREF) && v.plVal != nullptr) return *v.plVal;
  if (v.vt == VT_INT) return v.intVal;
  return 0;
}

// Arguments are stored last first: the event's parameter `index` (0-based,
// in declaration order) of `count`.
const VARIANT& Param(const DISPPARAMS& params, UINT index) { return params.rgvarg[params.cArgs - 1 - index]; }

}  // namespace

void TBrowserEventSink::Detach() noexcept {
  topLevel_ = nullptr;
  onDocumentComplete_ = nullptr;
  onNavigateError_ = nullptr;
}

STDMETHODIMP TBrowserEventSink::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP TBrowserEventSink::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP TBrowserEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** out) {
  if (out) *out = nullptr;
  return DISP_E_BADINDEX;
}

STDMETHODIMP TBrowserEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) {
  if (ids != nullptr)
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP TBrowserEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                       UINT*) {
  if (params == nullptr || (params->cArgs > 0 && params->rgvarg == nullptr)) return E_INVALIDARG;
  // A handler's failure must not travel into the control: it is the
  // handler's to report.
  ComPtr<IDispatch> keepAlive(this);
  try {
    switch (id) {
      case DISPID_DOCUMENTCOMPLETE: HandleDocumentComplete(*params); break;
      case DISPID_NAVIGATEERROR: HandleNavigateError(*params); break;
      default: break;
    }
  } catch (...) {
  }
  return S_OK;
}

// DocumentComplete(IDispatch* pDisp, VARIANT* URL)
void TBrowserEventSink::HandleDocumentComplete(const DISPPARAMS& params) {
  if (params.cArgs < 2 || !onDocumentComplete_) return;
  const DocumentComplete handler = onDocumentComplete_;  // the handler may detach the sink
  handler(DispatchArg(Param(params, 0)), StringArg(Param(params, 1)));
}

// NavigateError(IDispatch* pDisp, VARIANT* URL, VARIANT* TargetFrameName,
//               VARIANT* StatusCode, VARIANT_BOOL* Cancel)
void TBrowserEventSink::HandleNavigateError(const DISPPARAMS& params) {
  if (params.cArgs < 4 || !onNavigateError_) return;
  if (!SameComObject(DispatchArg(Param(params, 0)), topLevel_)) return;
  const NavigateError handler = onNavigateError_;
  handler(StringArg(Param(params, 1)), LongArg(Param(params, 3)));
}
