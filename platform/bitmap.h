#pragma once
// A 24-bit picture: rows of three bytes per pixel, blue first, top row first.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/colour.h"

namespace dorx {

class Bitmap {
 public:
  Bitmap() = default;
  // A white picture; negative sizes count as 0.
  Bitmap(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }

  uint8_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * stride(); }
  const uint8_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * stride(); }
  size_t stride() const { return static_cast<size_t>(width_) * 3; }

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Outside the picture: Pixel gives white, SetPixel does nothing.
  CanvasColour Pixel(int x, int y) const;
  void SetPixel(int x, int y, CanvasColour colour);

  // Sets the pixels x_begin <= x < x_end of row y, clipped to the picture.
  void FillSpan(int y, int64_t x_begin, int64_t x_end, CanvasColour colour);
  void Fill(CanvasColour colour);
  // Changes the size keeping the pixels that stay inside; new pixels are white.
  void Resize(int width, int height);

  bool operator==(const Bitmap&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> pixels_;
};

}  // namespace dorx
