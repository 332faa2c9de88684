#pragma once
// The skin the gallery wears: the package named by --skin, else the one
// built into Gallery.exe; none with --no-skin.
#include <cstdint>
#include <string>
#include <vector>

#include "CommandLine.h"

struct TGallerySkin {
  // The package's bytes; empty: the platform's look.
  std::vector<std::uint8_t> Data;
  // Not empty when the package could not be had: why.
  std::string Error;
};

TGallerySkin LoadGallerySkin(const TGalleryOptions& options);
