#pragma once
// A pixel position: x to the right, y downwards.

namespace dorx {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

}  // namespace dorx
