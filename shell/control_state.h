#pragma once
// SetControlState: which controls can be used, by mode and by what has been
// opened or is running. The states are odd numbers; any other number only
// shows the group boxes of the mode.
#include "platform/controls.h"

namespace dorx {

enum ControlStateCode : int {
  kStateLocked = 0,
  kStateCalculationInputs = 1,
  kStateDrawingInputs = 3,
  kStateDefaultChoices = 5,
  kStateNoButtons = 7,
  kStateNoPattern = 11,
  kStatePatternChosen = 13,
  kStateAnomalyOff = 15,
  kStateAnomalyOn = 17,
};

// Never changes a parameter. State 5 sets check boxes and radio buttons, which
// runs the click handlers of those whose state changes.
void SetControlState(Controls& controls, int flood_mode, int state);

}  // namespace dorx
