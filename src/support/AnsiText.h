#pragma once
// Conversions at the boundary between byte strings in the ANSI code page
// (data texts) and UTF-16 (UI texts), plus UTF-8 for query values.
#include <string>
#include <string_view>

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);
// ANSI code page -> UTF-8, through UTF-16.
std::string AnsiToUtf8(std::string_view text);
