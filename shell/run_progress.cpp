#include "shell/run_progress.h"

#include <algorithm>
#include <cstdint>

namespace dorx {
namespace {

const char* StageName(int code, int flood_mode) {
  switch (code) {
    case 5001: return "terrain";
    case 5007: return "anomaly rows";
    case 5009: return "anomaly columns";
    case 5003: return "geometry";
    case 5005: return flood_mode != 0 ? "flood depth" : "field strength";
    case 5011: case 5013: case 5015: case 5017: case 5019: return "drawing";
    case 5031: return "preview";
    default: return nullptr;
  }
}

// Cells done up to and including `index` of `total`, as a whole percentage.
int64_t Percent(int64_t index, int64_t total) {
  if (total <= 0) return 0;
  return std::clamp<int64_t>((index + 1) * 100 / total, 0, 100);
}

}  // namespace

std::string ProgressText(const CellProgress& progress, const ProjectParameters& p, int flood_mode) {
  const char* stage = StageName(progress.code, flood_mode);
  if (!stage) return "";
  const int64_t rows = static_cast<int64_t>(p.Range_South) + p.Range_North;
  const int64_t columns = static_cast<int64_t>(p.Range_West) + p.Range_East;
  // The preview reports pixels, not cells: it has no percentage.
  if (progress.code == 5031) return stage;
  const int64_t percent = progress.code == 5009 ? Percent(progress.a, columns) : Percent(progress.b, rows);
  return std::string(stage) + " " + std::to_string(percent) + "%";
}

}  // namespace dorx
