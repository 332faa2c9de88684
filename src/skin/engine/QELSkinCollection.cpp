// Further stored skins: the items' packages and their readers.
#include "engine/QELSkinCollection.h"

#include "engine/QELSkinFiles.h"
#include "framework/Properties.h"

TqelSkinCollectionItem::TqelSkinCollectionItem(TCollection& collection)
    : TCollectionItem(collection), reader_(std::make_unique<TqelSkinReader>()) {}

TqelSkinCollectionItem::~TqelSkinCollectionItem() = default;

std::vector<TPropInfo> TqelSkinCollectionItem::PublishedProperties() {
  using I = TqelSkinCollectionItem;
  return {
      StrProp<I>("SkinFile", "WideString", TTypeKind::WString, &I::SkinFile, &I::SetSkinFile),
      StrProp<I>("Password", "string", TTypeKind::String, &I::Password, &I::SetPassword),
  };
}

void TqelSkinCollectionItem::ReadSkinData(std::span<const std::uint8_t> bytes) {
  const TqelTempSkinFile file = TqelTempSkinFile::WithName(L"QELSKNT", bytes);
  if (!file) throw Exception("Failed to write the skin to a temporary file!");
  const std::wstring remembered = skinFile_;
  skinFile_ = file.Path().wstring();
  try {
    reader_->Load(file.Path(), password_);
  } catch (const std::exception& e) {
    skinFile_ = remembered;
    if (dynamic_cast<const Exception*>(&e)) throw;
    throw Exception(e.what());
  }
  skinFile_ = remembered;
}

std::vector<std::uint8_t> TqelSkinCollectionItem::WriteSkinData() const { return ReadFileBytes(skinFile_); }

bool TqelSkinCollectionItem::StoresSkinData() const { return SkinFileExists(skinFile_); }

TqelSkinCollection::TqelSkinCollection(TObject* owner)
    : TCollection(owner, TCollectionItemClass::Of<TqelSkinCollectionItem>()) {}
