#pragma once
// Captures of the process's windows, saved as PNG files.
#include <windows.h>

#include <string>
#include <vector>

#include "graphics/Bitmap.h"

// The visible top-level windows of this thread, first in front of the
// others (which keep their order, front to back).
std::vector<HWND> ThreadTopLevelWindows(HWND first);
// The whole window, frame included: copied from the screen when it lies
// on it (brought to the front first), else as PrintWindow paints it.
TBitmap CaptureWindow(HWND window);
// The file of capture index (0 based): "a.png", then "a-2.png", "a-3.png"...
std::wstring CaptureFileName(const std::wstring& path, size_t index);
// Saves one capture per window; false when a file could not be written.
bool SaveCaptures(const std::wstring& path, const std::vector<HWND>& windows);
