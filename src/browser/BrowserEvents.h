#pragma once
// The receiver of the browser control's DWebBrowserEvents2 calls. It turns
// DocumentComplete into a callback for every frame, and NavigateError into
// a callback for the top-level frame only; all other events are accepted
// and ignored. Detach() cuts it loose from its owner: later calls (a
// control may still hold the sink for a while) do nothing.
#include <oaidl.h>

#include <functional>
#include <string>

#include "ComObject.h"

class TBrowserEventSink final : public TComRefCount, public IDispatch {
 public:
  using DocumentComplete = std::function<void(IDispatch* frame, const std::wstring& url)>;
  using NavigateError = std::function<void(const std::wstring& url, long status)>;

  // `topLevel` is the browser object itself (not owned; it outlives the
  // sink's attachment): the frame object of top-level events.
  TBrowserEventSink(IUnknown* topLevel, DocumentComplete onDocumentComplete, NavigateError onNavigateError)
      : topLevel_(topLevel),
        onDocumentComplete_(std::move(onDocumentComplete)),
        onNavigateError_(std::move(onNavigateError)) {}

  // Operations
  void Detach() noexcept;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override { return AddRefImpl(); }
  STDMETHODIMP_(ULONG) Release() override { return ReleaseImpl(); }

  // IDispatch
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** out) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) override;
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;

 private:
  ~TBrowserEventSink() override = default;

  void HandleDocumentComplete(const DISPPARAMS& params);
  void HandleNavigateError(const DISPPARAMS& params);

  IUnknown* topLevel_;
  DocumentComplete onDocumentComplete_;
  NavigateError onNavigateError_;
};
