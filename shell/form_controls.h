#pragma once
// The controls of the main window as its design lays them out: names,
// captions (leading blanks included), containers and the states they start in.
#include "platform/controls.h"

namespace dorx {

// Declares every control of the window with its caption and container; the
// four radio buttons " 描画１", " 地形なし", " 描画なし" and " 断面なし" start
// checked and the section view starts hidden. Declares no handlers.
void DeclareFormControls(Controls& controls);

}  // namespace dorx
