#include "engine/context.h"

namespace dorx {

DrawingSettings StartUpDrawingSettings(int flood_mode) {
  DrawingSettings d;
  if (flood_mode != 0) {
    d.DrawLowerLimit = 0.0;
    d.DrawUpperLimit = 10.0;
    d.DrawStep = static_cast<int>(0.2 * (d.DrawUpperLimit - d.DrawLowerLimit));
  }
  return d;
}

void Context::SetMessageText(std::string_view cp932) {
  MessageText.assign(cp932.substr(0, kMaxTextBytes));
}

}  // namespace dorx
