#pragma once
// The range check before a calculation run or a drawing run.
#include <string>

#include "files/project_parameters.h"

namespace dorx {

enum class StartKind { kCalculation, kDrawing };

struct ValidationInput {
  const ProjectParameters& params;
  int FloodMode = 0;
  StartKind start = StartKind::kCalculation;
  bool mesh_folder_exists = false;
  double DrawMagnification = 100.0;
  double DrawStep = 5.0;
};

struct ValidationResult {
  int result = 0;                    // 0 all in range, 1 at least one check failed
  std::string status_text;           // CP932, for the status bar when result is 1
  bool clear_antenna_box = false;    // the pattern named but not loaded
};

ValidationResult ValidateParameters(const ValidationInput& input);

}  // namespace dorx
