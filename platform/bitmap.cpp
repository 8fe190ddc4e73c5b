#include "platform/bitmap.h"

#include <algorithm>
#include <cstring>

namespace dorx {

Bitmap::Bitmap(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  pixels_.assign(stride() * static_cast<size_t>(height_), 0xFF);
}

CanvasColour Bitmap::Pixel(int x, int y) const {
  if (!Contains(x, y)) return kWhite;
  const uint8_t* p = Row(y) + static_cast<size_t>(x) * 3;
  return MakeColour(p[2], p[1], p[0]);
}

void Bitmap::SetPixel(int x, int y, CanvasColour colour) {
  if (!Contains(x, y)) return;
  uint8_t* p = Row(y) + static_cast<size_t>(x) * 3;
  p[0] = BlueOf(colour);
  p[1] = GreenOf(colour);
  p[2] = RedOf(colour);
}

void Bitmap::FillSpan(int y, int64_t x_begin, int64_t x_end, CanvasColour colour) {
  if (y < 0 || y >= height_) return;
  const int64_t first = std::max<int64_t>(x_begin, 0);
  const int64_t end = std::min<int64_t>(x_end, width_);
  if (first >= end) return;
  uint8_t* p = Row(y) + static_cast<size_t>(first) * 3;
  const uint8_t b = BlueOf(colour), g = GreenOf(colour), r = RedOf(colour);
  for (int64_t x = first; x < end; ++x, p += 3) {
    p[0] = b;
    p[1] = g;
    p[2] = r;
  }
}

void Bitmap::Fill(CanvasColour colour) {
  for (int y = 0; y < height_; ++y) FillSpan(y, 0, width_, colour);
}

void Bitmap::Resize(int width, int height) {
  Bitmap resized(width, height);
  const int keep_width = std::min(width_, resized.width_);
  const int keep_height = keep_width > 0 ? std::min(height_, resized.height_) : 0;
  for (int y = 0; y < keep_height; ++y)
    std::memcpy(resized.Row(y), Row(y), static_cast<size_t>(keep_width) * 3);
  *this = std::move(resized);
}

}  // namespace dorx
