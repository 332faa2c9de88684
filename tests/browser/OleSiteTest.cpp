#include "OleSite.h"

#include <gtest/gtest.h>

#include <idispids.h>
#include <mshtmdid.h>
#include <mshtmhst.h>
#include <olectl.h>

#include <vector>

#include "BrowserTestWindow.h"
#include "OleError.h"

namespace {

ComPtr<IUnknown> Identity(IUnknown* p) { return ComPtr<IUnknown>(p).As<IUnknown>(); }

class OleSiteTest : public ::testing::Test {
 protected:
  TTestWindow window_{300, 200};
  ComPtr<TOleSite> site_ = MakeComObject<TOleSite>(window_.Handle(), RECT{2, 3, 250, 180});
};

// Whatever the control asks of its container's ambient properties, the
// answer is "no such member": the control then uses its own defaults.
TEST_F(OleSiteTest, AmbientPropertiesAreAllUnknown) {
  ComPtr<IDispatch> ambient = ComPtr<IOleClientSite>(site_->ClientSite()).As<IDispatch>();
  ASSERT_TRUE(ambient);
  const DISPID asked[] = {DISPID_AMBIENT_USERMODE, DISPID_AMBIENT_DLCONTROL, DISPID_AMBIENT_USERAGENT,
                          DISPID_AMBIENT_OFFLINEIFNOTCONNECTED, DISPID_AMBIENT_SILENT, DISPID_AMBIENT_PALETTE, 0, 1};
  for (DISPID id : asked) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    ::VariantInit(&result);
    EXPECT_EQ(ambient->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND)
        << "DISPID " << id;
    EXPECT_EQ(result.vt, VT_EMPTY);
  }

  UINT count = 99;
  EXPECT_EQ(ambient->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
  wchar_t name[] = L"UserMode";
  LPOLESTR names[] = {name};
  DISPID id = 5;
  EXPECT_EQ(ambient->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
}

// Every interface the site offers reaches the same object; the ones it does
// not offer are refused cleanly.
TEST_F(OleSiteTest, InterfacesShareOneIdentityAndOthersAreRefused) {
  IOleClientSite* client = site_->ClientSite();
  const ComPtr<IUnknown> self = Identity(client);
  ASSERT_TRUE(self);
  const IID offered[] = {IID_IUnknown,        IID_IOleClientSite,   IID_IOleWindow, IID_IOleInPlaceSite,
                         IID_IOleInPlaceUIWindow, IID_IOleInPlaceFrame, IID_IDispatch};
  for (const IID& iid : offered) {
    ComPtr<IUnknown> p;
    ASSERT_EQ(client->QueryInterface(iid, p.PutVoid()), S_OK);
    EXPECT_EQ(Identity(p.Get()).Get(), self.Get());
  }
  const IID refused[] = {IID_IOleContainer, IID_IDocHostUIHandler, IID_IServiceProvider, IID_IOleControlSite};
  for (const IID& iid : refused) {
    void* p = reinterpret_cast<void*>(1);
    EXPECT_EQ(client->QueryInterface(iid, &p), E_NOINTERFACE);
    EXPECT_EQ(p, nullptr);
  }
  EXPECT_EQ(client->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
}

TEST_F(OleSiteTest, WindowContextDescribesTheParentAndBounds) {
  ComPtr<IOleInPlaceSite> inPlace = ComPtr<IOleClientSite>(site_->ClientSite()).As<IOleInPlaceSite>();
  HWND window = nullptr;
  ASSERT_EQ(inPlace->GetWindow(&window), S_OK);
  EXPECT_EQ(window, window_.Handle());
  EXPECT_EQ(inPlace->CanInPlaceActivate(), S_OK);

  site_->SetBounds(RECT{10, 20, 110, 220});
  IOleInPlaceFrame* frame = nullptr;
  IOleInPlaceUIWindow* document = reinterpret_cast<IOleInPlaceUIWindow*>(1);
  RECT position{}, clip{};
  OLEINPLACEFRAMEINFO info{};
  info.cb = sizeof info;
  ASSERT_EQ(inPlace->GetWindowContext(&frame, &document, &position, &clip, &info), S_OK);
  const ComPtr<IOleInPlaceFrame> frameOwned = ComPtr<IOleInPlaceFrame>::Adopt(frame);
  ASSERT_TRUE(frameOwned);
  EXPECT_EQ(Identity(frame).Get(), Identity(inPlace.Get()).Get());
  EXPECT_EQ(document, nullptr);
  EXPECT_EQ(position.left, 10);
  EXPECT_EQ(position.bottom, 220);
  EXPECT_TRUE(::EqualRect(&position, &clip));
  EXPECT_EQ(info.hwndFrame, window_.Handle());
  EXPECT_FALSE(info.fMDIApp);
  EXPECT_EQ(info.cAccelEntries, 0u);

  EXPECT_EQ(inPlace->GetWindowContext(nullptr, &document, &position, &clip, &info), E_POINTER);
}

TEST_F(OleSiteTest, ReferencesAreCountedAndComPtrBalancesThem) {
  IOleClientSite* client = site_->ClientSite();
  EXPECT_EQ(client->AddRef(), 2u);
  {
    ComPtr<IOleInPlaceSite> copy = ComPtr<IOleClientSite>(client).As<IOleInPlaceSite>();
    ComPtr<IOleInPlaceSite> second = copy;
    ComPtr<IOleInPlaceSite> moved = std::move(second);
    EXPECT_FALSE(second);
    EXPECT_EQ(client->AddRef(), 5u);  // site_, the AddRef above, copy, moved, this one
    client->Release();
  }
  EXPECT_EQ(client->Release(), 1u);
}

TEST(OleError, MessagesCarryTheSystemTextAndTheNumber) {
  const std::string known = OleErrorText(E_INVALIDARG);
  EXPECT_NE(known.find("(0x80070057)"), std::string::npos) << known;
  EXPECT_GT(known.size(), std::string(" (0x80070057)").size()) << "the system has a text for it";
  EXPECT_EQ(OleErrorText(static_cast<HRESULT>(0x8ABCDEF0)), "0x8ABCDEF0");

  try {
    OleCheck(E_ACCESSDENIED);
    FAIL() << "a failure must throw";
  } catch (const EOleError& e) {
    EXPECT_EQ(e.Code(), E_ACCESSDENIED);
    EXPECT_EQ(std::string(e.what()), OleErrorText(E_ACCESSDENIED));
  }
  EXPECT_NO_THROW(OleCheck(S_FALSE));
}

}  // namespace
