// dorx-demo-terrain OUT_DIR LAT_MIN LAT_MAX LON_MIN LON_MAX
//
// Writes synthetic terrain tiles for the area (degrees) below OUT_DIR: a
// volcano of about 3,700 m near 35 21'38"N 138 43'38"E, hills, valleys and a
// sea of no-data cells to the south-east. The same area always gives the same
// bytes. Example for the default project:
//   dorx-demo-terrain out/demo/mesh 35.2 35.52 138.5 138.95
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/file_system.h"
#include "tools/demo_terrain/demo_tiles.h"

namespace {

// The grid covers Japan; an area is at most 2 degrees each way (about 600
// tiles of 200 KB).
constexpr double kLatLowest = 20.0, kLatHighest = 46.0;
constexpr double kLonLowest = 122.0, kLonHighest = 154.0;
constexpr double kMaxSpan = 2.0;

int Usage(const char* why) {
  std::fprintf(stderr,
               "dorx-demo-terrain: %s\n"
               "usage: dorx-demo-terrain OUT_DIR LAT_MIN LAT_MAX LON_MIN LON_MAX   (degrees)\n"
               "  latitudes %.0f..%.0f, longitudes %.0f..%.0f, at most %.0f degrees each way\n",
               why, kLatLowest, kLatHighest, kLonLowest, kLonHighest, kMaxSpan);
  return 2;
}

bool ReadDegrees(const char* text, double& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtod(text, &end);
  return end != text && *end == '\0' && errno == 0 && std::isfinite(value);
}

bool SpanOk(double low, double high, double lowest, double highest) {
  return low >= lowest && high <= highest && low <= high && high - low <= kMaxSpan;
}

// Creates the folder and every missing folder above it.
bool CreateFolders(const std::string& folder) {
  for (size_t at = folder.find(dorx::kSeparator, 1); at != std::string::npos;
       at = folder.find(dorx::kSeparator, at + 1))
    if (!dorx::CreateFolder(folder.substr(0, at + 1))) return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) return Usage("five arguments expected");
  dorx::DegreeArea area;
  if (!ReadDegrees(argv[2], area.lat_min) || !ReadDegrees(argv[3], area.lat_max) ||
      !ReadDegrees(argv[4], area.lon_min) || !ReadDegrees(argv[5], area.lon_max))
    return Usage("the area must be four numbers in degrees");
  if (!SpanOk(area.lat_min, area.lat_max, kLatLowest, kLatHighest) ||
      !SpanOk(area.lon_min, area.lon_max, kLonLowest, kLonHighest))
    return Usage("the area is outside the grid, reversed or too large");

  const std::string mesh = dorx::WithTrailingSeparator(argv[1]);
  std::string error;
  if (!CreateFolders(mesh)) {
    std::fprintf(stderr, "dorx-demo-terrain: cannot create %s\n", mesh.c_str());
    return 1;
  }
  const auto written = dorx::demo::WriteDemoTiles(mesh, area, error);
  if (written.empty()) {
    std::fprintf(stderr, "dorx-demo-terrain: %s\n", error.c_str());
    return 1;
  }
  std::printf("%zu tiles written below %s\n", written.size(), mesh.c_str());
  return 0;
}
