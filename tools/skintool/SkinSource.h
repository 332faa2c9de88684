#pragma once
// A skin as source: a folder with one BMP file per bitmap entry, named
// after the entry ("SKIN2_BUTTON.bmp"), and the text file "skin.txt" with
// the integer, boolean and string entries:
//
//   ; comment
//   [integer]
//   SKIN2_TRANSCOLOR = 0xFF00FF
//   [boolean]
//   SKIN2_TITLEFIVESECT = 1
//   [string]
//   SKIN2_AUTHOR = text up to the end of the line
//
// Packing order: the bitmaps by file name, then the text file's entries in
// their order.
#include <filesystem>
#include <string>
#include <vector>

#include "SkinDataWriter.h"

constexpr const char* kSkinTextFile = "skin.txt";

// Reads a skin source folder; throws std::runtime_error naming the file
// and line of the first fault.
std::vector<TSkinEntry> ReadSkinSource(const std::filesystem::path& folder);

// Parses the text of "skin.txt" (source names the file in messages).
std::vector<TSkinEntry> ParseSkinText(const std::string& text, const std::string& source);

// Writes entries as a skin source folder (created when missing).
void WriteSkinSource(const std::filesystem::path& folder, const std::vector<TSkinEntry>& entries);
