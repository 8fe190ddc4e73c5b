#pragma once
// PNG encoding of a Bitmap: 8-bit RGB (colour type 2), with an optional tRNS
// chunk naming one transparent colour. The same picture gives the same bytes.
#include <optional>
#include <string>

#include "platform/bitmap.h"

namespace dorx {

std::string EncodePng(const Bitmap& bitmap, std::optional<CanvasColour> transparent = std::nullopt);
// False when the file cannot be written.
bool WritePng(const std::string& path, const Bitmap& bitmap,
              std::optional<CanvasColour> transparent = std::nullopt);

}  // namespace dorx
