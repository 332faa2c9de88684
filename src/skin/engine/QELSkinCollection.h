#pragma once
// Further skins stored with the engine: each item keeps a package (its
// SkinData) and a skin reader of its own that the package is loaded into.
//
//   auto& item = static_cast<TqelSkinCollectionItem&>(engine.AdditionalBuiltInSkins().Add());
//   item.SetPassword("secret");
//   item.ReadSkinData(bytes);          // item.SkinReader().Loaded()
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "QELSkinReader.h"
#include "framework/Collection.h"

class TqelSkinCollectionItem : public TCollectionItem {
  FW_CLASS(TqelSkinCollectionItem, TCollectionItem)
 public:
  explicit TqelSkinCollectionItem(TCollection& collection);
  ~TqelSkinCollectionItem() override;
  static std::vector<TPropInfo> PublishedProperties();

  const std::wstring& SkinFile() const noexcept { return skinFile_; }
  void SetSkinFile(std::wstring_view fileName) { skinFile_ = fileName; }
  const std::string& Password() const noexcept { return password_; }
  void SetPassword(std::string_view password) { password_ = password; }

  // The binary SkinData property. Reading it loads the package into the
  // item's reader through a short-lived "QELSKNT.qsk" (numbered when the
  // name is taken) in the temporary folder; SkinFile names that file while
  // the reader loads and is restored afterwards, failure or not.
  void ReadSkinData(std::span<const std::uint8_t> bytes);
  // The bytes of the file SkinFile (empty when it cannot be read).
  std::vector<std::uint8_t> WriteSkinData() const;
  // SkinData is stored when the file SkinFile exists.
  bool StoresSkinData() const;

  TqelSkinReader& SkinReader() noexcept { return *reader_; }

 private:
  std::wstring skinFile_;
  std::string password_;
  std::unique_ptr<TqelSkinReader> reader_;
};

class TqelSkinCollection : public TCollection {
  FW_CLASS(TqelSkinCollection, TCollection)
 public:
  explicit TqelSkinCollection(TObject* owner);
  TqelSkinCollectionItem& Items(int index) const {
    return static_cast<TqelSkinCollectionItem&>(TCollection::Items(index));
  }
  TqelSkinCollectionItem& Add() { return static_cast<TqelSkinCollectionItem&>(TCollection::Add()); }
};
