#pragma once
// SEAM: the polar diagram of the antenna pattern is drawn by the render
// module's DrawAntennaDiagram, which does not exist yet. The window calls
// this function; once DrawAntennaDiagram is defined it forwards to it.
#include "files/antenna_pattern.h"
#include "files/project_parameters.h"
#include "render/pictures.h"

namespace dorx {

void DrawAntennaDiagramSeam(const ProjectParameters& p, const AntennaPattern& pattern, Pictures& pictures);

}  // namespace dorx
