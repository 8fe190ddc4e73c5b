#pragma once
// A colour on a drawing canvas: the integer R + 256 x G + 65536 x B.
#include <cstdint>

namespace dorx {

using CanvasColour = uint32_t;

inline constexpr CanvasColour MakeColour(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<CanvasColour>(r) | (static_cast<CanvasColour>(g) << 8) |
         (static_cast<CanvasColour>(b) << 16);
}
inline constexpr uint8_t RedOf(CanvasColour c) { return c & 0xFFu; }
inline constexpr uint8_t GreenOf(CanvasColour c) { return (c >> 8) & 0xFFu; }
inline constexpr uint8_t BlueOf(CanvasColour c) { return (c >> 16) & 0xFFu; }
// From RGB hex written red first, as 0xRRGGBB.
inline constexpr CanvasColour FromRgbHex(uint32_t rrggbb) {
  return MakeColour((rrggbb >> 16) & 0xFFu, (rrggbb >> 8) & 0xFFu, rrggbb & 0xFFu);
}

inline constexpr CanvasColour kWhite = FromRgbHex(0xFFFFFF);
inline constexpr CanvasColour kBlack = FromRgbHex(0x000000);
inline constexpr CanvasColour kGrey = FromRgbHex(0x808080);
inline constexpr CanvasColour kSilver = FromRgbHex(0xC0C0C0);
inline constexpr CanvasColour kBlue = FromRgbHex(0x0000FF);
inline constexpr CanvasColour kGreen = FromRgbHex(0x008000);
inline constexpr CanvasColour kLightBlue = FromRgbHex(0xA6CAF0);
inline constexpr CanvasColour kMagenta = FromRgbHex(0xFF00FF);

}  // namespace dorx
