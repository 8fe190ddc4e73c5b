#pragma once
// A short progress text for the last per-cell report: the stage and how far
// it has come, for a progress display outside the map (the command line).
#include <string>

#include "files/project_parameters.h"
#include "shell/simengine.h"

namespace dorx {

// "terrain 45%", "anomaly rows 10%", "anomaly columns 99%", "geometry 3%",
// "field strength 100%", "flood depth 50%", "drawing 20%", "preview";
// empty before the first report. The row passes count rows from the south
// edge, the column pass (anomaly columns) columns from the west edge.
std::string ProgressText(const CellProgress& progress, const ProjectParameters& p, int flood_mode);

}  // namespace dorx
