#pragma once
// PNG encoding of a Bitmap: 8-bit RGB (colour type 2), with an optional tRNS
// chunk naming one transparent colour. The same picture gives the same bytes.
#include <optional>
#include <string>

#include "platform/bitmap.h"

namespace dorx {

// An empty bitmap (no width or no height) has no PNG form and encodes as "".
std::string EncodePng(const Bitmap& bitmap, std::optional<CanvasColour> transparent = std::nullopt);
// False when the picture cannot be encoded or the file cannot be written; a
// file left incomplete is removed, one that could not be opened is untouched.
bool WritePng(const std::string& path, const Bitmap& bitmap,
              std::optional<CanvasColour> transparent = std::nullopt);

}  // namespace dorx
