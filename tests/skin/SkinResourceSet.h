#pragma once
// The three skin resources that the engine keeps, rebuilt together from
// one reader: for tests and the tools beside them.
#include "QELSkinRes.h"

struct TSkinResourceSet {
  TqelSkinScrollBtnRes scroll;
  TqelSkinTabRes tabs;
  TqelSkinProgressBarRes progress;

  void SetReader(TqelSkinReader* reader) {
    scroll.SetReader(reader);
    tabs.SetReader(reader);
    progress.SetReader(reader);
  }
  // Rebuilds from reader after each of its loads, as the engine's
  // skin-changed handler does.
  void Follow(TqelSkinReader& reader) {
    reader.OnSkinLoaded = [this, &reader](TObject&) { SetReader(&reader); };
  }
};
