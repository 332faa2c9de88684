#pragma once
// Helpers of the engine's tests: a form that carries an engine with the
// launcher's stored values (the built-in skin stored as SkinData, a
// design-time SkinFile that does not exist here), and a fixture that
// redirects the temporary folder so that leftover files can be counted.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "FrameworkTesting.h"
#include "SkinTestFiles.h"
#include "SkinTestSupport.h"
#include "engine/QELSkinEngine.h"
#include "framework/Form.h"

inline const std::vector<std::uint8_t>& BuiltInSkinBytes() {
  static const std::vector<std::uint8_t> bytes = ReadBytes(BuiltInSkin());
  return bytes;
}

inline constexpr wchar_t kDesignSkinFile[] = L"E:\\Design\\Skins\\NotOnThisMachine.qsk";

// Call while owner is loading (in its constructor).
inline TqelSkinEngine* AddStoredEngine(TComponent& owner) {
  auto* engine = owner.Create<TqelSkinEngine>();
  engine->SetName("qelSkinEngine1");
  engine->SetActive(true);
  engine->SetDisabledTag(9999);
  engine->SetBuiltIn(true);
  engine->SetSkinDialogs(true);
  engine->SetSkinAllForms(true);
  engine->SetSkinFile(kDesignSkinFile);
  engine->ReadSkinData(BuiltInSkinBytes());
  return engine;
}

// A form with a stored engine: skinned once it is loaded.
class TFrm_Skinned : public TForm {
  FW_CLASS(TFrm_Skinned, TForm)
 public:
  explicit TFrm_Skinned(TComponent* owner) : TForm(owner) {
    SetBounds(100, 100, 320, 240);
    SetCaption(L"Skinned");
    Engine = AddStoredEngine(*this);
  }
  TqelSkinEngine* Engine;
};

class EngineTest : public FrameworkTest {
 protected:
  void TearDown() override {
    FrameworkTest::TearDown();
    EXPECT_EQ(temp.CountOther(), 0u) << "temporary files left behind";
  }

  TPrivateTempDir temp;
};
