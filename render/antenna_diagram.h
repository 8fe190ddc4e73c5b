#pragma once
// The polar diagram of the turned antenna pattern on ImageCSR (480 x 504):
// 0 degrees up (north), angles clockwise, the radius linear in the power
// factor with 1.0 on the outer ring.
#include "files/antenna_pattern.h"
#include "files/project_parameters.h"
#include "render/pictures.h"

namespace dorx {

// Axes and rings labelled 0.0 to 1.0 in silver, "北", the pattern's path, the
// azimuth lines in light blue and the pattern rows 0 .. count as one closed
// blue outline. A row whose point is not a finite number is drawn at the
// centre.
void DrawAntennaDiagram(const ProjectParameters& p, const AntennaPattern& pattern, Pictures& pictures);

}  // namespace dorx
