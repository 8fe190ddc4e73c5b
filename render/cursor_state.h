#pragma once
// What the cursor readout keeps between mouse events: the cursor and click
// points, the values of the cell under the cursor and the section captions.
#include <cstdint>
#include <string>

namespace dorx {

struct CursorState {
  int32_t X = 0;  // last mouse position over the map, pixels
  int32_t Y = 0;
  int32_t click_x = 0;  // the cursor point at the last click
  int32_t click_y = 0;
};

}  // namespace dorx
