// TqelSkinEngine: loading a skin from SkinFile or from the stored
// SkinData, and the BuiltIn rules.
#include "engine/QELSkinEngine.h"
#include "engine/QELSkinFiles.h"

namespace {

// Critical-error boxes (a drive without a disk) stay away while a skin file
// is looked for.
class TQuietErrors {
 public:
  TQuietErrors() noexcept : old_(::SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~TQuietErrors() { ::SetErrorMode(old_); }
  TQuietErrors(const TQuietErrors&) = delete;
  TQuietErrors& operator=(const TQuietErrors&) = delete;

 private:
  UINT old_;
};

}  // namespace

void TqelSkinEngine::SetSkinFile(std::wstring_view fileName) {
  std::wstring found;
  {
    TQuietErrors quiet;
    found = FindSkinFile(fileName, SkinFileFolders());
  }
  if (found.empty()) return;
  skinFile_ = found;
  LoadSkinFile(found);
}

// The package reader's failures reach callers as the framework's
// exception, with the reader's text.
void TqelSkinEngine::LoadSkinFile(const std::filesystem::path& path) {
  try {
    reader_->Load(path, password_);
  } catch (const std::exception& e) {
    skinFile_.clear();
    if (Designing()) return;
    if (dynamic_cast<const Exception*>(&e)) throw;
    throw Exception(e.what());
  }
}

void TqelSkinEngine::ReadSkinData(std::span<const std::uint8_t> bytes) {
  const TqelTempSkinFile file = TqelTempSkinFile::WithGuidName(bytes);
  if (!file) throw Exception("Failed to write the skin to a temporary file!");
  // The temporary file never stays SkinFile, whether the load works or not;
  // the file goes with `file`.
  const std::wstring remembered = skinFile_;
  try {
    skinFile_ = file.Path().wstring();
    LoadSkinFile(file.Path());
  } catch (...) {
    skinFile_ = remembered;
    throw;
  }
  skinFile_ = remembered;
}

std::vector<std::uint8_t> TqelSkinEngine::WriteSkinData() const { return ReadFileBytes(skinFile_); }

bool TqelSkinEngine::StoresSkinData() const { return builtIn_ && SkinFileExists(skinFile_); }

void TqelSkinEngine::SetBuiltIn(bool builtIn) {
  if (!Designing() && !Loading()) throw Exception("BuiltIn property only can be specified at design time!");
  if (builtIn && Designing() && !Loading() && !SkinFileExists(skinFile_))
    throw Exception("Please specify the SkinFile property first!");
  builtIn_ = builtIn;
}
