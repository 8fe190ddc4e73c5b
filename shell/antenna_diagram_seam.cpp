#include "shell/antenna_diagram_seam.h"

namespace dorx {

void DrawAntennaDiagramSeam(const ProjectParameters&, const AntennaPattern&, Pictures&) {
  // Nothing until render/antenna_diagram.cpp defines DrawAntennaDiagram.
}

}  // namespace dorx
