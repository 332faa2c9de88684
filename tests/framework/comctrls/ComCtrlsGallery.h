#pragma once
// A form with one or more of every common control, in several states: for
// looking at, and for the leak test.
#include <utility>
#include <vector>

#include "framework/Form.h"

// The controls put on the form, each with a short name.
using TGallery = std::vector<std::pair<const char*, TControl*>>;
TGallery BuildGallery(TForm& form);
