#include "files/project_parameters.h"

namespace dorx {

ProjectParameters StartUpParameters(int flood_mode) {
  ProjectParameters p;
  p.WaterLevel = flood_mode != 0 ? 10.0 : 0.0;
  return p;
}

}  // namespace dorx
