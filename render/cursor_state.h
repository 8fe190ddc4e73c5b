#pragma once
// What the cursor readout keeps between mouse events: the cursor and click
// points, the saved scroll positions of the map, the values of the cell under
// the cursor and the captions of the line-of-sight chart.
#include <cstdint>
#include <string>

#include "engine/cell_record.h"

namespace dorx {

// The vertical and horizontal scroll positions of the map's scroll box.
struct MapScroll {
  int32_t vertical = 0;
  int32_t horizontal = 0;
  bool operator==(const MapScroll&) const = default;
};

inline CellRecord NoDataCellRecord() {
  CellRecord record;
  record.Clear();
  return record;
}

struct CursorState {
  int32_t X = 0;  // last mouse position over the map, pixels
  int32_t Y = 0;
  int32_t click_x = 0;  // the cursor point at the last click
  int32_t click_y = 0;
  MapScroll saved_scroll;  // taken when the line-of-sight chart replaces the map

  // The result record of the cell under the cursor, as the last readout read
  // it (every slot NO_DATA before the first readout).
  CellRecord cell = NoDataCellRecord();

  // Captions of the line-of-sight chart, CP932: the title "[ name ]", the
  // station line and the cell line.
  std::string title;
  std::string station_line;
  std::string cell_line;
};

}  // namespace dorx
