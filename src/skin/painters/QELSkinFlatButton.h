#pragma once
// The face of a flat button, shared by speed buttons and tool-bar buttons:
// nothing of its own at rest; hot: the tool-bar "on" colour; down: the
// tool-bar down colour; both framed in the tool-bar border colour.
#include <windows.h>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"

enum TFlatFace { ffNormal, ffHot, ffDown };

// Draws Face over Rect; false (nothing drawn) for ffNormal.
bool PaintFlatButtonFace(TCanvas& Canvas, const RECT& Rect, TFlatFace Face, const TPainterSkin& Skin);
