#pragma once
// The parameter fields of the window: which field shows which value in each
// mode, in which format, and how the texts become the values again. A run
// computes with exactly the values the fields hold.
#include "engine/context.h"
#include "platform/controls.h"

namespace dorx {

// Shows ProjectParameters in the fields of ctx.FloodMode (and, in
// field-strength mode, LabelTxAtName and CheckBoxCoa).
void ParametersToFields(const ProjectParameters& p, int flood_mode, Controls& controls);
// Takes the fields of the mode into the parameters, in the order of the fields.
void FieldsToParameters(const Controls& controls, int flood_mode, ProjectParameters& p);

// EditRxMin, EditRxStep, EditAmpG and EditGridNum.
void DrawingSettingsToFields(const DrawingSettings& d, Controls& controls);
void FieldsToDrawingSettings(const Controls& controls, DrawingSettings& d);

}  // namespace dorx
