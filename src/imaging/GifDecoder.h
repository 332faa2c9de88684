#pragma once
// Animated GIF decoding through giflib, from bytes in memory.
#include <cstdint>
#include <span>

#include "PixelImage.h"

// Decodes every frame of a GIF and composes it onto the logical screen the
// way a viewer shows it:
// - the screen starts fully transparent;
// - a frame's transparent colour leaves the pixels beneath it;
// - after a frame shows, its disposal applies: "none"/"leave" keeps it,
//   "background" clears its rectangle to transparent, "previous" restores
//   the screen as it was before the frame;
// - colour indices beyond the colour map are left transparent.
// Delays are in milliseconds; a delay of 0 or 1 hundredths (which viewers
// refuse to honour) becomes 100 ms. The loop count of the NETSCAPE2.0 (or
// ANIMEXTS1.0) extension gives playCount: 0 = forever, n = n + 1 plays;
// without it the sequence plays once. A missing trailer after complete
// frames is accepted; any other damage fails with a message.
TDecodeResult<TAnimation> DecodeGif(std::span<const std::uint8_t> bytes);
