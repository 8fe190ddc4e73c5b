#pragma once
// Everything the painters keep apart from the Context: the pictures, the
// drawing page's choices, the shared colour state, cursor and section state.
#include "files/settings.h"
#include "render/cursor_state.h"
#include "render/pictures.h"
#include "render/section_state.h"
#include "render/view_choices.h"

namespace dorx {

struct RenderState {
  Pictures pictures;
  ViewChoices view;
  Rgb CurrentColour{255, 255, 255};
  CursorState cursor;
  SectionState section;
};

}  // namespace dorx
