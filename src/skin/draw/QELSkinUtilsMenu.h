#pragma once
// Owner-drawn menus of the skin engine: handing menu items to the engine's
// measure and draw handlers, and finding the images an item is drawn with.
#include "framework/ImageList.h"
#include "framework/Menus.h"

// Sets the measure and draw events of Item and of all its sub-items to the
// given handlers (empty handlers clear them). On the way, a named
// top-level item of its menu that carries sub-menu images is remembered
// with those images, so that its sub-items keep finding them.
void SkinMenuItemEvents(TMenuItem* Item, const TMenuMeasureItemEvent& MeasureHandler,
                        const TMenuDrawItemEvent& DrawHandler);

// The image list Item is drawn with: the images remembered for it as a
// top-level item; else those of its nearest ancestor that has sub-menu
// images or was remembered; else the images of its menu; null when none.
TCustomImageList* GetMenuItemImages(const TMenuItem* Item);

// How many top-level items are remembered (items and image lists that are
// destroyed are forgotten).
int RememberedMenuImageCount();
