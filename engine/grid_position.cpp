#include "engine/grid_position.h"

#include <charconv>

#include "platform/c_format.h"
#include "platform/c_number.h"
#include "platform/cut.h"

namespace dorx {

void GridLatitude(GridPosition& grid, double latitude_arcsec) {
  grid.latitude_code = CutToInt(latitude_arcsec / 3600 * 1.5);
  double minutes = latitude_arcsec / 60;
  minutes = minutes - 40 * static_cast<double>(CutToInt(minutes / 40));
  grid.secondary_row = CutToInt(minutes / 5);
  minutes = minutes - 5 * static_cast<double>(grid.secondary_row);
  grid.fine_row = CutToInt(minutes * 60 / 1.5);
  grid.latitude_seconds = CutToInt(minutes * 60);
}

void GridLongitude(GridPosition& grid, double longitude_arcsec) {
  grid.longitude_code = CutToInt(longitude_arcsec / 3600 - 100);
  double minutes = longitude_arcsec / 60;
  minutes = minutes - 60 * static_cast<double>(CutToInt(minutes / 60));
  grid.secondary_column = CutToInt(minutes / 7.5);
  minutes = minutes - 7.5 * static_cast<double>(grid.secondary_column);
  grid.fine_column = CutToInt(minutes * 60 / 2.25);
  grid.longitude_seconds = CutToInt(minutes * 60);
}

int32_t DatumKey(const GridPosition& grid) {
  const int32_t parts[] = {grid.latitude_code,    grid.longitude_code,
                           grid.secondary_row,    grid.secondary_column,
                           grid.latitude_seconds / 30, grid.longitude_seconds / 45};
  char text[6 * 12];
  char* end = text;
  for (int32_t part : parts) end = std::to_chars(end, text + sizeof text, part).ptr;
  return AtolC(std::string_view(text, static_cast<size_t>(end - text)));
}

TileCode TileCodeOf(const GridPosition& grid) {
  return TileCode{grid.latitude_code, grid.longitude_code, grid.secondary_row, grid.secondary_column};
}

std::string TilePath(const std::string& mesh_folder, const TileCode& t) {
  return mesh_folder + Format("%d%d/%d%d%d%d.mem", t.latitude_code, t.longitude_code, t.latitude_code,
                              t.longitude_code, t.secondary_row, t.secondary_column);
}

}  // namespace dorx
