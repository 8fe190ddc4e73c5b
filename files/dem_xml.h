#pragma once
// The national survey's DEM in its XML (GML) distribution, read as a stream:
// an envelope (gml:lowerCorner, gml:upperCorner, "latitude longitude" in
// degrees), a grid (gml:GridEnvelope low and high), a tuple list of
// "type,elevation" lines, the start point of the list in the grid and its
// sequence rule ("+x-y": west to east, rows from the north). Points before
// the start point and after the end of the list have no data, and so has an
// elevation of -9999.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dorx {

// A north-up grid of points, each standing for the area of one grid step
// (pixel-is-area) inside the envelope.
struct DemGrid {
  std::string srs_name;  // the envelope's srsName, e.g. "fguuid:jgd2011.bl"
  double south_deg = 0.0, west_deg = 0.0, north_deg = 0.0, east_deg = 0.0;
  int32_t columns = 0, rows = 0;
  // Row by row from the north, west to east, in metres; NaN for no data.
  std::vector<float> elevations_m;
};

// The most points one file may hold (the 5 m and 10 m products hold
// 225 x 150 and 1,125 x 750).
inline constexpr int64_t kMostDemPoints = 16 * 1024 * 1024;

struct DemXmlResult {
  DemGrid grid;
  std::string error;  // empty when the file was read whole
};

// Reads the file in pieces; a file that is not such a DEM (not XML, cut, a
// zip archive, no grid, more values than points) gives an error that says why.
DemXmlResult ReadDemXml(const std::string& path);

// The same for bytes in memory, fed to the parser in pieces of `piece_bytes`.
DemXmlResult ParseDemXml(std::string_view bytes, size_t piece_bytes = 65536);

}  // namespace dorx
