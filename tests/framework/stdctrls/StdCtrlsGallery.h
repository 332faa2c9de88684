#pragma once
// A form holding every standard control in the states a user meets:
// enabled and disabled, checked and grayed, pressed, focused, with items
// and images. Shared by the gallery test and the demo program.
#include <string>
#include <utility>
#include <vector>

#include "framework/Form.h"

using TGallery = std::vector<std::pair<std::string, TControl*>>;

// Fills form (420 x 300 client area) and names each control.
TGallery BuildGallery(TForm& form);
