#pragma once
// Base64 (standard alphabet, "=" padding) with CR LF after every 76 output
// characters, and a tolerant decoder that drops every byte outside the
// alphabet. Form-URL encoding for query values.
#include <string>
#include <string_view>

// Encodes any bytes. A CR LF follows every 76 characters, also at the very
// end when the output length is a multiple of 76.
std::string Base64EncodeText(std::string_view text);

// Decodes the accepted characters (alphabet and "=") four at a time; every
// other byte is dropped. Padding ends only its own group. Never fails.
std::string Base64DecodeText(std::string_view text);

// Letters, digits and ! $ ' ( ) * - . @ _ are kept, a blank becomes "+",
// every other byte "%XX" (upper-case hex). Stops at the first NUL byte.
std::string FormUrlEncode(std::string_view text);
