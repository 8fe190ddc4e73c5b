#pragma once
// The drawing page's radio buttons and check boxes as the painters see them
// (RenderState.view), read from the controls.
#include "platform/controls.h"
#include "render/view_choices.h"

namespace dorx {

ViewChoices ViewChoicesFromControls(const Controls& controls);

}  // namespace dorx
